#include "shell/qt/Fm_prolog.h"

TFormProlog::TFormProlog(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                         std::function<void()> whenClosed)
    : TFormStory(owner, {QStringLiteral("プロローグ"), QSize(303, 186), -24, 695}, StoryLines(),
                 makeTimer, std::move(whenClosed)) {}

QStringList TFormProlog::StoryLines() {
    return {
        QStringLiteral("遠い山あいの小さな村、"),
        QStringLiteral("ルメナ村。"),
        QStringLiteral("村の広場にはむかし、"),
        QStringLiteral("夜通し灯る不思議な灯があった。"),
        QStringLiteral("テッサリンの灯――"),
        QStringLiteral("谷に春を呼ぶ星の灯だと"),
        QStringLiteral("村の老人たちは語る。"),
        QStringLiteral("けれど百年前のある晩、"),
        QStringLiteral("灯は消え、"),
        QStringLiteral("灯守りは姿を消した。"),
        QStringLiteral("いまは岩山の古い迷宮に"),
        QStringLiteral("宝の噂が残るばかり。"),
        QStringLiteral("ある春の日、"),
        QStringLiteral("ひとりの少女が村を訪れた。"),
        QStringLiteral("背には小さな荷物、"),
        QStringLiteral("胸には宝探しの夢。"),
        QStringLiteral("「宝はきっと見つかる」"),
        QStringLiteral("少女は村の酒場に宿を取り、"),
        QStringLiteral("村はずれの洞穴へと向かう。"),
        QStringLiteral("長い冒険の"),
        QStringLiteral("はじまりである。"),
    };
}
