#include "shell/qt/Fm_prolog.h"

TFormProlog::TFormProlog(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                         std::function<void()> whenClosed)
    : TFormStory(owner, {QStringLiteral("プロローグ"), QSize(303, 186), -24, 695}, StoryLines(),
                 makeTimer, std::move(whenClosed)) {}

QStringList TFormProlog::StoryLines() {
    return {
        QStringLiteral("遠い山あいの小さな村、"),     QStringLiteral("ルメナ村。"),
        QStringLiteral("村のはずれの岩山には"),       QStringLiteral("いくつもの古い迷宮が"),
        QStringLiteral("口を開けているという。"),     QStringLiteral("その奥深くには"),
        QStringLiteral("昔の人々が残した宝が"),       QStringLiteral("今も眠っていると"),
        QStringLiteral("村の老人たちは語る。"),       QStringLiteral("ある春の日、"),
        QStringLiteral("ひとりの少女が村を訪れた。"), QStringLiteral("背には使い古した剣、"),
        QStringLiteral("胸には宝探しの夢。"),         QStringLiteral("扉を閉ざす色とりどりの鍵、"),
        QStringLiteral("行く手をはばむ魔物たち。"),   QStringLiteral("危険は承知の上だった。"),
        QStringLiteral("「宝はきっと見つかる」"),     QStringLiteral("少女は村に宿を取り、"),
        QStringLiteral("最初の迷宮へと向かう。"),     QStringLiteral("長い冒険の"),
        QStringLiteral("はじまりである。"),
    };
}
