// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the initial setup dialog: a hand-held receiver joined by
// its cloning cable to the serial port of a computer, drawn at any size.

#include <QWidget>

class QPainter;
class QRectF;

class SetupPicture : public QWidget {
    Q_OBJECT
  public:
    explicit SetupPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Draws a text centred in a box of the picture, made smaller if needed.
    void DrawFitted(QPainter& p, const QRectF& box, const QString& text) const;
};
