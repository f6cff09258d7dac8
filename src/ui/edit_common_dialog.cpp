// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_common_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "model/common_settings.h"
#include "ui/dialog_place.h"
#include "ui/drop_down.h"

namespace {
// Wide enough for a full comment of the widest character the receiver shows.
int CommentBoxWidth(const QLineEdit& box) {
    const QFontMetrics fm(box.font());
    int widest = 0;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        widest = std::max(widest, fm.horizontalAdvance(QChar(c)));
    // The box's frame, its text margins and the room Qt keeps for the
    // cursor at each end.
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    const QMargins margins = box.textMargins();
    constexpr int kCursorRoom = 2 * 2 + 1;
    return widest * clsRigQ5_Common::kCommentLength + 2 * frame + margins.left() + margins.right() +
           kCursorRoom;
}
// The lists' frame in a scroll area that asks for the frame's whole size,
// but gives way on a screen too short for it (large text, double scale,
// a netbook): the dialog then still fits, and the lists scroll.
class ListsArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const QSize inner = widget() ? widget()->sizeHint() : QSize();
        return inner + QSize(verticalScrollBar()->sizeHint().width(), 0);
    }
};
}  // namespace

frmEditCommon::frmEditCommon(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditCommon"));
    setWindowTitle(QStringLiteral("Setting"));
    setModal(true);

    auto* fraCombos = new QGroupBox(this);
    fraCombos->setObjectName(QStringLiteral("fraEditCom_Combos"));
    auto* combos = new QGridLayout(fraCombos);
    auto* fraChecks = new QGroupBox(this);
    fraChecks->setObjectName(QStringLiteral("fraEditCom_CheckBoxes"));
    auto* checks = new QVBoxLayout(fraChecks);

    int row = 0;
    for (const CommonSettingDef& def : CommonSettingDefs()) {
        const QString name = QString::fromLatin1(def.control);
        const QString label = QString::fromLatin1(def.label);
        if (def.checkBox) {
            auto* box = new QCheckBox(label, fraChecks);
            box->setObjectName(name);
            checks->addWidget(box);
            checks_.push_back(box);
            lists_.push_back(nullptr);
        } else {
            auto* l = new QLabel(label, fraCombos);
            l->setObjectName(QStringLiteral("lblEditCom_Label1_%1").arg(row));
            auto* box = new QComboBox(fraCombos);
            box->setObjectName(name);
            LimitDropDown(*box);
            l->setBuddy(box);
            // Load: every list holds the choices 0 to its maximum, index = value.
            if (def.choices)
                for (const std::string& s : *def.choices)
                    box->addItem(QString::fromLatin1(s.data(), qsizetype(s.size())));
            combos->addWidget(l, row, 0);
            combos->addWidget(box, row, 1);
            ++row;
            lists_.push_back(box);
            checks_.push_back(nullptr);
        }
    }
    checks->addStretch(1);

    auto* fraComment = new QGroupBox(QStringLiteral("Comment"), this);
    fraComment->setObjectName(QStringLiteral("fraEditCom_Common"));
    txtComment_ = new QLineEdit(fraComment);
    txtComment_->setObjectName(QStringLiteral("txtEditCom_Comment"));
    txtComment_->setMaxLength(clsRigQ5_Common::kCommentLength);
    txtComment_->setMinimumWidth(CommentBoxWidth(*txtComment_));
    txtComment_->installEventFilter(this);
    (new QVBoxLayout(fraComment))->addWidget(txtComment_);

    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdEditCommon_Ok"));
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdEditCommon_Cancel"));
    cmdCancel_->setAutoDefault(false);
    connect(cmdOk_, &QPushButton::clicked, this, [this] { cmdEditCommon_Ok_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdEditCommon_Cancel_Click(); });

    // The switches' frame takes the height the lists leave, so the comment
    // ends level with the lists.
    auto* right = new QVBoxLayout;
    right->addWidget(fraChecks, 1);
    right->addWidget(fraComment);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch(1);
    auto* lists = new ListsArea(this);
    lists->setObjectName(QStringLiteral("scrEditCom_Combos"));
    lists->setFrameShape(QFrame::NoFrame);
    lists->setWidgetResizable(true);
    lists->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lists->setWidget(fraCombos);
    // Only the height gives way; the lists keep their width.
    lists->setMinimumWidth(fraCombos->minimumSizeHint().width() +
                           lists->verticalScrollBar()->sizeHint().width());
    auto* top = new QHBoxLayout(this);
    top->addWidget(lists);
    top->addLayout(right);
    top->addLayout(buttons);
}

void frmEditCommon::CurCommon(clsRigQ5_Common& common) {
    common_ = &common;
    resetPending_ = true;
}

void frmEditCommon::FormAdjust() {
    KeepDialogOnScreen(*this);
}

void frmEditCommon::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!resetPending_) return;
    resetPending_ = false;
    ResetOp();
    if (!lists_.empty() && lists_.front()) lists_.front()->setFocus();
    FormAdjust();
}

bool frmEditCommon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtComment_ && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(txtComment_, &QLineEdit::selectAll, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void frmEditCommon::ResetOp() {
    if (common_ == nullptr) return;
    const auto& defs = CommonSettingDefs();
    for (std::size_t i = 0; i < defs.size(); ++i) {
        // The read accessors clamp: a stored value beyond the maximum shows
        // as the maximum.
        const int v = (common_->*defs[i].read)();
        if (lists_[i]) lists_[i]->setCurrentIndex(v >= 0 && v < lists_[i]->count() ? v : -1);
        if (checks_[i]) checks_[i]->setChecked(v != 0);
    }
    // The receiver pads the comment with blanks; shown without them, so the
    // 16 characters the box takes are there to type at its end.
    const std::string stored = common_->Comment();
    QString comment = QString::fromLatin1(stored.data(), qsizetype(stored.size()));
    while (comment.endsWith(QLatin1Char(' '))) comment.chop(1);
    txtComment_->setText(comment);
}

void frmEditCommon::cmdEditCommon_Ok_Click() {
    if (resetPending_ || common_ == nullptr) return;
    const auto& defs = CommonSettingDefs();
    for (std::size_t i = 0; i < defs.size(); ++i) {
        if (lists_[i]) {
            if (lists_[i]->currentIndex() >= 0)
                (common_->*defs[i].write)(lists_[i]->currentIndex());
        } else if (checks_[i]) {
            (common_->*defs[i].write)(checks_[i]->isChecked() ? 1 : 0);
        }
    }
    // The comment is stored padded with blanks; characters the receiver
    // cannot show become blanks there too.
    QString text = txtComment_->text();
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    std::string bytes;
    for (const QChar c : text)
        bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : ' ');
    common_->Comment(bytes);
    accept();
}

void frmEditCommon::cmdEditCommon_Cancel_Click() {
    reject();
}
