#pragma once

#include <QTextEdit>

// A multi-line text box with margins between its edge and its text, a tab
// width in dialog units, and a signal whenever it scrolls vertically.
class TMemoEx final : public QTextEdit {
    Q_OBJECT
public:
    struct TMargins {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        bool operator==(const TMargins&) const = default;
    };

    explicit TMemoEx(QWidget* parent = nullptr);

    void SetMargins(const TMargins& margins);
    const TMargins& Margins() const { return margins; }
    // In dialog units: a quarter of the font's average character width.
    void SetTabWidth(int dialogUnits);
    int TabWidth() const { return tabWidth; }
    // Replaces the text; the margins stay.
    void SetText(const QString& text);

signals:
    void scrolled();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The text's rectangle is the box less the margins.
    void ApplyMargins();
    void ApplyTabWidth();

    TMargins margins;
    int tabWidth = 32;
};
