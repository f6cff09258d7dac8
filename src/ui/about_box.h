// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's name and revision, and its licence.

#include <QDialog>
#include <QString>

// Where the licence's terms are published.
inline const QString kLicenceUrl = QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    // The licence link: the terms in the browser or, where none starts (no
    // desktop, no browser installed), the licence's text in a window.
    void OpenLicence();
};
