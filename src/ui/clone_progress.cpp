// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clone_progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/common.h"
#include "ui/placement.h"

namespace {
constexpr std::int32_t kWidthTwips = 4470;
constexpr std::int32_t kHeightTwips = 1320;
}  // namespace

frmCloneProgress::frmCloneProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmCloneProgress"));
    setWindowTitle(QStringLiteral("Cloning"));
    setModal(true);
    lblClone_ = new QLabel(this);
    lblClone_->setObjectName(QStringLiteral("lblClone"));
    lblClone_->hide();
    pgbClone_ = new QProgressBar(this);
    pgbClone_->setObjectName(QStringLiteral("pgbClone"));
    pgbClone_->setRange(0, 100);
    pgbClone_->setValue(0);
    pgbClone_->setAccessibleName(tr("Clone progress"));
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);
    cmdCancel_->hide();
    connect(cmdCancel_, &QPushButton::clicked, this, &frmCloneProgress::cancelRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(lblClone_);
    auto* row = new QHBoxLayout;
    row->addWidget(pgbClone_, 1);
    row->addWidget(cmdCancel_);
    layout->addLayout(row);
    layout->addStretch();
    const double tpp = TwipsPerPixel(logicalDpiX());
    setFixedSize(TwipsToPixels(kWidthTwips, tpp), TwipsToPixels(kHeightTwips, tpp));
}

void frmCloneProgress::Value(int value) {
    pgbClone_->setValue(LimitInt(value, pgbClone_->minimum(), pgbClone_->maximum()));
}

int frmCloneProgress::Value() const {
    return pgbClone_->value();
}

int frmCloneProgress::Maximum() const {
    return pgbClone_->maximum();
}

void frmCloneProgress::Terminate() {
    resetPending_ = true;
    terminating_ = true;
    hide();
    terminating_ = false;
}

void frmCloneProgress::FormAdjust() {
    QScreen* s = screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QRect f = frameGeometry();
    PlaceRect r{f.left() - avail.left(), f.top() - avail.top(), f.width(), f.height()};
    r = KeepOnScreen(r, avail.width(), avail.height());
    move(pos() + QPoint(r.left + avail.left() - f.left(), r.top + avail.top() - f.top()));
}

void frmCloneProgress::Label(const QString& text) {
    lblClone_->setText(text);
    // The bar is what a screen reader follows; it tells the step too.
    pgbClone_->setAccessibleDescription(text);
    lblClone_->setVisible(!text.isEmpty());
}

QString frmCloneProgress::Label() const {
    return lblClone_->text();
}

void frmCloneProgress::Cancelable(bool value) {
    cancelable_ = value;
    cmdCancel_->setVisible(value);
}

void frmCloneProgress::reject() {
    if (cancelable_) emit cancelRequested();
}

void frmCloneProgress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (resetPending_) {
        resetPending_ = false;
        Value(0);
        FormAdjust();
    }
}

void frmCloneProgress::closeEvent(QCloseEvent* event) {
    // Only the clone machinery ends the display; a close request of the
    // window system would leave the operation running unseen.
    if (terminating_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}
