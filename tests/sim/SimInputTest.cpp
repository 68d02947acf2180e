#include "SimInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Remembers the key and pointer events it is given.
class TRecordingWidget final : public QWidget {
public:
    struct TKey {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool operator==(const TKey&) const = default;
    };
    std::vector<TKey> keys;
    std::vector<std::pair<QEvent::Type, Qt::MouseButton>> pointer;

protected:
    void keyPressEvent(QKeyEvent* event) override { Keep(*event); }
    void keyReleaseEvent(QKeyEvent* event) override { Keep(*event); }
    void mousePressEvent(QMouseEvent* event) override {
        pointer.emplace_back(event->type(), event->button());
        EXPECT_EQ(event->position(), QRectF(rect()).center());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        pointer.emplace_back(event->type(), event->button());
    }

private:
    void Keep(const QKeyEvent& event) {
        keys.push_back({event.type(), event.key(), event.modifiers(), event.text()});
    }
};

TEST(SimInput, ScriptKeysArriveAsTheKeysOfTheKeyboard) {
    struct TCase {
        const char* name;
        bool ctrl;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };
    const TCase cases[] = {
        {"Up", false, Qt::Key_Up, Qt::NoModifier, QString()},
        {"PageDown", true, Qt::Key_PageDown, Qt::ControlModifier, QString()},
        {"KP7", false, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7")},
        {"KP1", true, Qt::Key_1, Qt::KeypadModifier | Qt::ControlModifier, QString()},
        {"Space", false, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")},
        {"A", false, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")},
        {"F1", false, Qt::Key_F1, Qt::NoModifier, QString()},
    };
    for (const TCase& c : cases) {
        TRecordingWidget widget;
        const TSimQtKey key = QtKeyOf(c.name, c.ctrl);
        SendKey(widget, key, true);
        SendKey(widget, key, false);
        const std::vector<TRecordingWidget::TKey> expected = {
            {QEvent::KeyPress, c.key, c.modifiers, c.text},
            {QEvent::KeyRelease, c.key, c.modifiers, c.text}};
        EXPECT_EQ(widget.keys, expected) << c.name;
    }
}

TEST(SimInput, AClickIsAPressAndAReleaseOfOnePointerButtonAtTheCentre) {
    TRecordingWidget widget;
    widget.resize(40, 30);
    SendClick(widget, Qt::RightButton);
    EXPECT_EQ(widget.pointer, (std::vector<std::pair<QEvent::Type, Qt::MouseButton>>{
                                  {QEvent::MouseButtonPress, Qt::RightButton},
                                  {QEvent::MouseButtonRelease, Qt::RightButton}}));

    QPushButton button;
    button.resize(38, 38);
    int clicked = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicked; });
    SendClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked, 1) << "a button reacts as to the player's click";
}

} // namespace
