#pragma once

#include <QLabel>
#include <QToolButton>
#include <functional>

// The kinds of control the game's windows are drawn with, beyond Qt's own.

enum class TBevel { None, Raised, Lowered };

// A panel: a coloured area with up to two one-pixel bevels (the outer one
// first) or a single line border, and a centred caption. Tells of a press
// with any pointer button and of a left click.
class TPanel final : public QLabel {
public:
    explicit TPanel(QWidget* parent, const QString& caption = {});

    void SetBevels(TBevel outer, TBevel inner);
    TBevel OuterBevel() const { return outer; }
    TBevel InnerBevel() const { return inner; }
    // A one-pixel black line around it instead of bevels.
    void SetSingleBorder();
    void SetColours(const QColor& background, const QColor& text);
    // Pixels; bold or not.
    void SetFontLook(int pixelSize, bool bold);

    // The pointer button went down on it; true for the left one.
    std::function<void(bool)> onPressed;
    // A left click: pressed and released on it.
    std::function<void()> onClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateInset();

    TBevel outer = TBevel::Raised;
    TBevel inner = TBevel::None;
    bool singleBorder = false;
};

// A button that never takes the keyboard (the window keeps the keys) and
// tells of a press and a release with any pointer button.
class TSpeedButton final : public QToolButton {
public:
    TSpeedButton(QWidget* parent, const QString& caption, int tag);

    int Tag() const { return tag; }

    // The pointer button went down on it; true for the left one.
    std::function<void(bool)> onPressed;
    std::function<void()> onReleased;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tag;
};

// Text at a pixel size, bold or not, on the widget's font.
void SetPixelFont(QWidget& widget, int pixelSize, bool bold);
// Text and background colours of a widget that fills its background.
void SetColours(QWidget& widget, const QColor& background, const QColor& text);
// The height of a list's row: a line of the list's text, or `content` pixels
// (an icon) when that is taller, with a little room above and below so that
// nothing touches the list's frame or the row's selection.
int ListRowHeight(const QWidget& list, int content = 0);
