#pragma once

#include <QPoint>
#include <Qt>

#include <functional>

class QObject;

// Event types shared by the self-drawn controls. Events are raised only when assigned.
using TNotifyEvent = std::function<void(QObject* Sender)>;
// Key is a Qt::Key value; a handler that sets it to 0 swallows the key.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint Pos)>;
