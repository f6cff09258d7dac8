// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Compare With...: the differences between the memory shown and a
// data file (or a backup), one row each: the list as the tree names it,
// the channel number, the column (or the setting's caption), and the value
// on each side as the grid shows it. Double-clicking a channel's row shows
// that channel in the main window's grid. The window stays open beside the
// main window, an ordinary window that the user may put behind it; it lists
// what was found when the comparison was made.

#include <QDialog>
#include <QString>
#include <vector>

#include "model/image_diff.h"

class QLabel;
class QTableWidget;

class frmCompare : public QDialog {
    Q_OBJECT
  public:
    explicit frmCompare(QWidget* parent = nullptr);

    // Fills the list: thisName for the document shown (edited: it has
    // changes not saved), otherName for the file. The headings say which is
    // which, as both may have the same name.
    void SetDifferences(const QString& thisName, bool edited, const QString& otherName,
                        const std::vector<ImageDifference>& differences);

    // Shows the window; the first time beside the owner where the screen has
    // room (otherwise below it), later where the user left it.
    void ShowBeside(const QWidget& owner);

    QTableWidget* List() const { return grdCompare_List_; }

  signals:
    // A channel's row was double-clicked: its tree key and row.
    void channelChosen(int key, int row);

  private:
    QLabel* lblCompare_;
    QTableWidget* grdCompare_List_;
    std::vector<ImageDifference> differences_;
    bool placed_ = false;
};
