#include "shell/qt/Fm_story.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>

namespace {

constexpr int LineHeight = 24;
// The story starts below the window's bottom edge.
constexpr int LeadingEmptyLines = 9;

// The list of lines, painted directly: aqua bold text on black.
class TStoryLines final : public QWidget {
public:
    TStoryLines(const QStringList& storyLines, QWidget* parent)
        : QWidget(parent), items(LeadingEmptyLines, QString()) {
        items.append(storyLines);
        QFont font = this->font();
        font.setPixelSize(16);
        font.setBold(true);
        setFont(font);
    }

    int Count() const { return static_cast<int>(items.size()); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(QColor(0, 255, 255));
        for (int i = 0; i < Count(); ++i) {
            painter.drawText(QRect(2, i * LineHeight, width() - 2, LineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, items[i]);
        }
    }

private:
    QStringList items;
};

} // namespace

TFormStory::TFormStory(QWidget* owner, const TLayout& layout, const QStringList& storyLines,
                       const TIntervalTimerFactory& makeTimer, std::function<void()> whenClosed)
    : QWidget(owner, Qt::Dialog | Qt::WindowStaysOnTopHint), lastTick(layout.lastTick),
      onClosed(std::move(whenClosed)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(layout.caption);
    setFixedSize(layout.client);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    // The player may not touch the lines: they sit on a disabled panel.
    auto* panel = new QFrame(this);
    panel->setGeometry(rect());
    panel->setEnabled(false);
    auto* list = new TStoryLines(storyLines, panel);
    list->setGeometry(14, layout.listTop, 313, (list->Count() + 1) * LineHeight);
    lines = list;

    timer = makeTimer(50, [this] { Tick(); });
    timer->Start();
}

void TFormStory::Tick() {
    lines->move(lines->x(), lines->y() - 1);
    ++ticks;
    if (ticks > lastTick) {
        timer->Stop();
        close();
    }
}

void TFormStory::closeEvent(QCloseEvent* event) {
    timer->Stop();
    event->accept();
    if (onClosed) {
        auto notify = std::move(onClosed);
        onClosed = nullptr;
        notify();
    }
}
