// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/setup_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

SetupPicture::SetupPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 150);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize SetupPicture::sizeHint() const {
    return {160, 220};
}

void SetupPicture::DrawFitted(QPainter& p, const QRectF& box, const QString& text) const {
    // The desktop's font may be wider than the display: the text shrinks to
    // fit rather than being cut.
    QFont f(font().family());
    f.setPixelSize(int(box.height() * 0.75));
    const QFontMetricsF fm(f);
    const double scale = std::min(1.0, box.width() / fm.horizontalAdvance(text));
    p.save();
    p.setFont(f);
    p.translate(box.center());
    p.scale(scale, scale);
    const QRectF unscaled(-box.width() / (2 * scale), -box.height() / (2 * scale),
                          box.width() / scale, box.height() / scale);
    p.drawText(unscaled, Qt::AlignCenter, text);
    p.restore();
}

void SetupPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 160 x 220 canvas, scaled to fit and centred.
    const double s = std::min(width() / 160.0, height() / 220.0);
    p.translate((width() - 160 * s) / 2, (height() - 220 * s) / 2);
    p.scale(s, s);

    // The receiver keeps its own colours; its outline, the cable and the
    // computer's plug take the desktop's, so that the picture stands out on
    // a dark or high-contrast palette as on a light one.
    const QColor body(58, 62, 70), lcd(170, 200, 150), key(200, 204, 210);
    const QColor edge = palette().color(QPalette::WindowText);

    // Antenna and receiver body.
    p.setPen(QPen(edge, 1.5));
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(34, 8, 7, 40), 3, 3);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(20, 44, 52, 104), 8, 8);
    // Speaker grille.
    p.setPen(QPen(QColor(110, 114, 122), 1.2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(32, 54 + i * 4), QPointF(60, 54 + i * 4));
    // Display.
    p.setPen(QPen(edge, 1));
    p.setBrush(lcd);
    p.drawRoundedRect(QRectF(28, 74, 36, 18), 2, 2);
    p.setPen(QPen(QColor(60, 80, 50), 1));
    DrawFitted(p, QRectF(30, 75, 32, 16), QStringLiteral("145.000"));
    // Keypad.
    p.setPen(Qt::NoPen);
    p.setBrush(key);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) p.drawRoundedRect(QRectF(29 + c * 12, 98 + r * 11, 9, 7), 2, 2);
    // Jack on the receiver's side with the cable plug in it.
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRectF(72, 60, 8, 6));

    // The cable, from the receiver to the computer's serial plug.
    QPainterPath cable(QPointF(80, 63));
    cable.cubicTo(QPointF(120, 60), QPointF(70, 150), QPointF(118, 172));
    p.setPen(QPen(edge, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    // A nine-pin serial plug (a D shape) facing the computer.
    QPainterPath plug;
    plug.moveTo(112, 166);
    plug.lineTo(150, 166);
    plug.lineTo(146, 186);
    plug.lineTo(116, 186);
    plug.closeSubpath();
    p.setPen(QPen(edge, 1.2));
    p.setBrush(palette().color(QPalette::Button));
    p.drawPath(plug);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::ButtonText));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(119 + i * 6, 172), 1.4, 1.4);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(122 + i * 6, 180), 1.4, 1.4);

    p.setPen(QPen(edge));
    p.setFont(QFont(font().family(), 8));
    p.drawText(QRectF(90, 190, 70, 20), Qt::AlignCenter, QStringLiteral("COM"));
}
