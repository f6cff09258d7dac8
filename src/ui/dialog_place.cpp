// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_place.h"

#include <QScreen>
#include <QWidget>

#include "ui/placement.h"

void CentreDialogOver(QWidget& dialog, const QWidget& owner) {
    const QRect o = owner.frameGeometry();
    const QRect f = dialog.frameGeometry();
    const PlaceRect c =
        CentreOver({o.left(), o.top(), o.width(), o.height()}, f.width(), f.height());
    // move() places the frame's top left corner of a top-level window.
    dialog.move(c.left, c.top);
}

void KeepDialogOnScreen(QWidget& dialog) {
    QScreen* s = dialog.screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QRect f = dialog.frameGeometry();
    PlaceRect r{f.left() - avail.left(), f.top() - avail.top(), f.width(), f.height()};
    r = KeepOnScreen(r, avail.width(), avail.height());
    dialog.move(dialog.pos() +
                QPoint(r.left + avail.left() - f.left(), r.top + avail.top() - f.top()));
}
