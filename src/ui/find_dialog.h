// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Find...: asks for a frequency (typed as in the channel dialog) or
// a text of a channel name. It only asks; the search is the core's and the
// main window shows what it found.

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class frmFind : public QDialog {
    Q_OBJECT
  public:
    explicit frmFind(QWidget* parent = nullptr);

    // Before showing: the text of the last search, all of it selected.
    void Prepare(const QString& lastText);
    // After showing: whether the user pressed Find (with something typed)
    // and what was typed.
    bool Chosen() const { return chosen_; }
    QString Text() const;

  private:
    QLineEdit* txtFind_Text_;
    QPushButton* cmdFind_Ok_;
    bool chosen_ = false;
};
