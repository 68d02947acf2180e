#pragma once

#include "shell/qt/Fm_story.h"

// The epilogue, played when the story is finished.
class TFormEnding final : public TFormStory {
    Q_OBJECT
public:
    TFormEnding(QWidget* owner, const TIntervalTimerFactory& makeTimer,
                std::function<void()> whenClosed);
    static QStringList StoryLines();
};
