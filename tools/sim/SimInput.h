#pragma once

#include <QPointF>
#include <QString>
#include <Qt>
#include <string>

class QWidget;

// A key of the script as Qt delivers it: keypad digits come with the keypad
// modifier, as with Num Lock on.
struct TSimQtKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
TSimQtKey QtKeyOf(const std::string& name, bool ctrl);

// Real Qt events, sent the way the platform would deliver them.
void SendKey(QWidget& target, const TSimQtKey& key, bool press);
// A pointer press and release at the centre of `target`.
void SendClick(QWidget& target, Qt::MouseButton button);
// The same at a point of `target`.
void SendClickAt(QWidget& target, const QPointF& local, Qt::MouseButton button);
