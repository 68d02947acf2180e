#include "SimInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <map>

TSimQtKey QtKeyOf(const std::string& name, bool ctrl) {
    static const std::map<std::string, Qt::Key> named = {
        {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},     {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
        {"Home", Qt::Key_Home},   {"End", Qt::Key_End},       {"Space", Qt::Key_Space},
        {"A", Qt::Key_A},         {"Q", Qt::Key_Q},           {"W", Qt::Key_W},
        {"Z", Qt::Key_Z},         {"R", Qt::Key_R},           {"F1", Qt::Key_F1},
    };
    TSimQtKey key{Qt::Key_unknown, ctrl ? Qt::ControlModifier : Qt::NoModifier, QString()};
    if (name.starts_with("KP")) {
        const int digit = name[2] - '0';
        key.key = static_cast<Qt::Key>(Qt::Key_0 + digit);
        key.modifiers |= Qt::KeypadModifier;
        key.text = QString::number(digit);
    } else {
        key.key = named.at(name);
        if (key.key == Qt::Key_Space) {
            key.text = QStringLiteral(" ");
        } else if (name.size() == 1) {
            key.text = QString::fromStdString(name).toLower();
        }
    }
    if (ctrl) {
        key.text.clear();
    }
    return key;
}

void SendKey(QWidget& target, const TSimQtKey& key, bool press) {
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key.key, key.modifiers,
                    key.text);
    QApplication::sendEvent(&target, &event);
}

namespace {

void SendMouse(QWidget& target, const QPointF& local, QEvent::Type type, Qt::MouseButton button) {
    const QPointF global = target.mapToGlobal(local);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

} // namespace

void SendClick(QWidget& target, Qt::MouseButton button) {
    SendClickAt(target, QRectF(target.rect()).center(), button);
}

void SendClickAt(QWidget& target, const QPointF& local, Qt::MouseButton button) {
    const QPointer<QWidget> guard(&target);
    SendMouse(target, local, QEvent::MouseButtonPress, button);
    // What the press started may have closed the control's window.
    if (guard) {
        SendMouse(target, local, QEvent::MouseButtonRelease, button);
    }
}
