#pragma once

#include "shell/qt/Fm_story.h"

// The prologue, played before a new game.
class TFormProlog final : public TFormStory {
    Q_OBJECT
public:
    TFormProlog(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                std::function<void()> whenClosed);
    static QStringList StoryLines();
};
