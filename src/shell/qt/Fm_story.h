#pragma once

#include "platform/IntervalTimer.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

// A story screen: lines that scroll up one pixel every 50 ms on black, until
// the story has run its course or the player closes the window. Its timer
// comes from the platform: the real clock on the desktop, the simulator's
// virtual one there.
class TFormStory : public QWidget {
    Q_OBJECT
public:
    struct TLayout {
        QString caption;
        QSize client;
        int listTop;  // where the first line starts, above the client area
        int lastTick; // the window closes on the tick after this one
    };

    TFormStory(QWidget* owner, const TLayout& layout, const QStringList& storyLines,
               const TIntervalTimerFactory& makeTimer, std::function<void()> whenClosed);

    int Ticks() const { return ticks; }
    // One timer tick, as the timer gives it.
    void Tick();
    QWidget* Lines() const { return lines; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* lines;
    std::unique_ptr<IIntervalTimer> timer;
    int ticks = 0;
    int lastTick;
    std::function<void()> onClosed;
};
