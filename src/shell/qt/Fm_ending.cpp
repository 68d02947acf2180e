#include "shell/qt/Fm_ending.h"

TFormEnding::TFormEnding(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                         std::function<void()> whenClosed)
    : TFormStory(owner, {QStringLiteral("エピローグ"), QSize(305, 179), -34, 465}, StoryLines(),
                 makeTimer, std::move(whenClosed)) {}

QStringList TFormEnding::StoryLines() {
    return {
        QStringLiteral("星の心を抱いた灯が"),
        QStringLiteral("ふたたびルメナ村を照らした。"),
        QStringLiteral("村の人々は広場に集まり、"),
        QStringLiteral("百年ぶりの灯祭りを祝った。"),
        QStringLiteral("谷には温かな風が戻り、"),
        QStringLiteral("泉はまた歌いはじめた。"),
        QStringLiteral("少女の羽ペンは最後のページに"),
        QStringLiteral("ルメナ村の地図を描いた。"),
        QStringLiteral("けれど少女の旅は終わらない。"),
        QStringLiteral("地図の端には"),
        QStringLiteral("まだ見ぬ迷宮が待っている。"),
    };
}
