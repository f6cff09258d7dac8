// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compare_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/placement.h"
#include "ui/table_cell.h"

// A window of its own (Qt::Window), not a dialog that its owner keeps above
// itself: the user works in the main window's grid while the list is open.
frmCompare::frmCompare(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmCompare"));
    auto* layout = new QVBoxLayout(this);
    lblCompare_ = new QLabel(this);
    lblCompare_->setObjectName(QStringLiteral("lblCompare"));
    grdCompare_List_ = new QTableWidget(0, 5, this);
    grdCompare_List_->setObjectName(QStringLiteral("grdCompare_List"));
    SetUpReadOnlyList(*grdCompare_List_);
    grdCompare_List_->setAccessibleName(tr("Differences"));
    connect(grdCompare_List_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row < 0 || row >= int(differences_.size())) return;
        const ImageDifference& d = differences_[std::size_t(row)];
        if (d.key >= 0) emit channelChosen(d.key, d.row);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdCompare_Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(lblCompare_);
    layout->addWidget(grdCompare_List_);
    layout->addWidget(buttons);
    resize(640, 400);
}

void frmCompare::SetDifferences(const QString& documentName, bool edited, const QString& fileName,
                                const std::vector<ImageDifference>& differences) {
    differences_ = differences;
    const QString thisName =
        edited ? tr("%1 (open, edited)").arg(documentName) : tr("%1 (open)").arg(documentName);
    const QString otherName = tr("%1 (saved)").arg(fileName);
    setWindowTitle(QStringLiteral("Compare With ") + fileName);
    const int n = int(differences.size());
    lblCompare_->setText(QString::fromStdString(DifferencesSummary(
                             differences.size(), thisName.toStdString(), otherName.toStdString())) +
                         QStringLiteral("; double-click a channel to show it in the grid."));
    grdCompare_List_->clearContents();
    grdCompare_List_->setRowCount(n);
    grdCompare_List_->setHorizontalHeaderLabels({QStringLiteral("List"), QStringLiteral("CH"),
                                                 QStringLiteral("Field"), thisName, otherName});
    for (int r = 0; r < n; ++r) {
        const ImageDifference& d = differences_[std::size_t(r)];
        grdCompare_List_->setItem(r, 0, ReadOnlyCell(d.list));
        grdCompare_List_->setItem(r, 1, ReadOnlyCell(d.channel));
        grdCompare_List_->setItem(r, 2, ReadOnlyCell(d.field));
        grdCompare_List_->setItem(r, 3, ReadOnlyCell(d.a));
        grdCompare_List_->setItem(r, 4, ReadOnlyCell(d.b));
    }
    grdCompare_List_->resizeColumnsToContents();
    if (n > 0) grdCompare_List_->selectRow(0);
}

void frmCompare::ShowBeside(const QWidget& owner) {
    // The window system would otherwise keep a window with an owner above
    // it; this one is an ordinary window.
    winId();
    if (QWindow* window = windowHandle()) window->setTransientParent(nullptr);
    if (!placed_ && owner.isVisible()) {
        if (const QScreen* screen = owner.screen()) {
            const QRect avail = screen->availableGeometry();
            const QRect o = owner.frameGeometry();
            const PlaceRect r =
                BesideOwner({o.left() - avail.left(), o.top() - avail.top(), o.width(), o.height()},
                            width(), height(), avail.width(), avail.height());
            move(avail.left() + r.left, avail.top() + r.top);
            placed_ = true;
        }
    }
    show();
    raise();
    activateWindow();
}
