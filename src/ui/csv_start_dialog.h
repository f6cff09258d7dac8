// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > Import CSV... for a table without channel numbers (a scanner
// frequency list): asks for the memory bank and row its first row goes
// into; the others follow in the rows below.

#include <QDialog>

#include "file/csv_channels.h"

class QComboBox;
class QSpinBox;

class frmCsvStart : public QDialog {
    Q_OBJECT
  public:
    // Starts at the given bank and row (the grid's cursor).
    explicit frmCsvStart(CsvStart start, QWidget* parent = nullptr);

    // After showing: whether OK was pressed, and the start chosen.
    bool Chosen() const { return chosen_; }
    CsvStart Start() const;

  private:
    QComboBox* cboCsvStart_Bank_;
    QSpinBox* spnCsvStart_Row_;
    bool chosen_ = false;
};
