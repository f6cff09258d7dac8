// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's name and revision.

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);
};
