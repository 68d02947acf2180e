#include "shell/qt/Fm_ending.h"

TFormEnding::TFormEnding(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                         std::function<void()> whenClosed)
    : TFormStory(owner, {QStringLiteral("エピローグ"), QSize(305, 179), -34, 465}, StoryLines(),
                 makeTimer, std::move(whenClosed)) {}

QStringList TFormEnding::StoryLines() {
    return {
        QStringLiteral("最後の宝を手にして"),
        QStringLiteral("少女はルメナ村へ帰ってきた。"),
        QStringLiteral("村の人々は広場に集まり、"),
        QStringLiteral("夜が明けるまで祝った。"),
        QStringLiteral("迷宮は再び静けさを取り戻し、"),
        QStringLiteral("宝の噂も"),
        QStringLiteral("いつしか昔話となった。"),
        QStringLiteral("けれど少女の旅は終わらない。"),
        QStringLiteral("地図の端には"),
        QStringLiteral("まだ見ぬ迷宮が待っている。"),
        QStringLiteral("―― おしまい ――"),
    };
}
