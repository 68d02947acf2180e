#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// A story screen: lines that scroll up one pixel every 50 ms on black, until
// the story has run its course or the player closes the window.
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
               std::function<void()> whenClosed);

    int Ticks() const { return ticks; }
    // One timer tick, as the timer gives it.
    void Tick();
    QWidget* Lines() const { return lines; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* lines;
    QTimer timer;
    int ticks = 0;
    int lastTick;
    std::function<void()> onClosed;
};
