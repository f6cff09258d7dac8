// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

InputWatch::InputWatch(std::function<void()> onInput, QObject* parent)
    : QObject(parent), onInput_(std::move(onInput)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputWatch::~InputWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputWatch::IsInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::ContextMenu:
        case QEvent::Drop:
        case QEvent::WindowActivate:
            return true;
        case QEvent::MouseMove:
            // A drag (a column edge, the separator, a selection); a mere
            // hover changes nothing the tick shows.
            return static_cast<const QMouseEvent&>(event).buttons() != Qt::NoButton;
        default:
            return false;
    }
}

bool InputWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event && IsInput(*event) && onInput_) onInput_();
    return QObject::eventFilter(watched, event);
}
