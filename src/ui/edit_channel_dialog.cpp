// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_channel_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "model/channel.h"
#include "model/channel_texts.h"
#include "ui/core_texts.h"
#include "ui/dialog_place.h"
#include "ui/drop_down.h"

namespace {

using Ch = clsRigQ5_Ch;

// Mode list indices: AM, which a medium-wave frequency forces, and FM, the
// mode of a channel that was blank.
constexpr int kModeAm = 1;
constexpr int kModeNew = 0;

QString Text(ChTextList list, int index) {
    const std::string_view s = ChTextAt(list, index);
    return CoreWord(QString::fromLatin1(s.data(), qsizetype(s.size())));
}

// The first count texts of a list, index = value.
void FillList(QComboBox* box, ChTextList list, int count) {
    box->clear();
    for (int i = 0; i < count && i < ChTextCount(list); ++i) box->addItem(Text(list, i));
}

// Selects the entry of a value; none when the value has no entry.
void Select(QComboBox* box, int value) {
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
}

QString Trimmed(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size())).trimmed();
}

// The receiver's names are single-byte characters; anything beyond that
// range becomes a blank, which the record then shows as a blank too.
std::string NameBytes(const QString& text) {
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        s.push_back(c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : ' ');
    return s;
}

// A field's label; it greys with its field (its buddy).
QLabel* Label(const QString& name, const QString& text, QWidget* parent, QWidget* field) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setBuddy(field);
    return l;
}

template <class W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

frmEditCh::frmEditCh(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditCh"));
    setWindowTitle(tr("Edit Memory"));
    setModal(true);

    txtFreqOp_ = Named(new QLineEdit(this), "txtEditCh_FreqOp");
    cboDupDir_ = Named(new QComboBox(this), "cboEditCh_DupDir");
    txtFreqDup_ = Named(new QLineEdit(this), "txtEditCh_FreqDup");
    txtName_ = Named(new QLineEdit(this), "txtEditCh_Name");

    fraTSql_ = Named(new QGroupBox(tr("Tone Squelch"), this), "fraEditCh_TSql");
    chkTSqlOn_ = Named(new QCheckBox(tr("TSQL"), fraTSql_), "chkEditCh_TSqlOn");
    cboToneNo_ = Named(new QComboBox(fraTSql_), "cboEditCh_ToneNo");
    auto* tsqlLayout = new QHBoxLayout(fraTSql_);
    tsqlLayout->addWidget(chkTSqlOn_);
    tsqlLayout->addWidget(cboToneNo_, 1);

    fraMode_ = Named(new QGroupBox(tr("Mode"), this), "fraEditCh_Mode");
    cboModeNo_ = Named(new QComboBox(fraMode_), "cboEditCh_ModeNo");
    (new QVBoxLayout(fraMode_))->addWidget(cboModeNo_);

    cboTsNo_ = Named(new QComboBox(this), "cboEditCh_TsNo");

    fraTv_ = Named(new QGroupBox(tr("TV"), this), "fraEditCh_Tv");
    cboTvIf_ = Named(new QComboBox(fraTv_), "cboEditCh_TvIf");
    auto* tvLayout = new QHBoxLayout(fraTv_);
    tvLayout->addWidget(Label(QStringLiteral("lblEditCh_TvIf"), tr("IF Shift"), fraTv_, cboTvIf_));
    tvLayout->addWidget(cboTvIf_, 1);

    fraFmTv_ = Named(new QGroupBox(tr("FM TV"), this), "fraEditCh_FmTv");
    chkTvReverse_ = Named(new QCheckBox(tr("Reverse"), fraFmTv_), "chkEditCh_TvReverse");
    cboTvSubCarrier_ = Named(new QComboBox(fraFmTv_), "cboEditCh_TvSubCarrier");
    auto* fmLayout = new QGridLayout(fraFmTv_);
    fmLayout->addWidget(chkTvReverse_, 0, 0, 1, 2);
    fmLayout->addWidget(Label(QStringLiteral("lblEditCh_TvSubCarrier"), tr("Sub Carrier"), fraFmTv_,
                              cboTvSubCarrier_),
                        1, 0);
    fmLayout->addWidget(cboTvSubCarrier_, 1, 1);

    fraSkip_ = Named(new QGroupBox(tr("Skip"), this), "fraEditCh_Skip");
    cboSkipM_ = Named(new QComboBox(fraSkip_), "cboEditCh_SkipM");
    (new QVBoxLayout(fraSkip_))->addWidget(cboSkipM_);

    cmdOk_ = Named(new QPushButton(tr("OK"), this), "cmdEditCh_Ok");
    cmdCancel_ = Named(new QPushButton(tr("Cancel"), this), "cmdEditCh_Cancel");
    cmdOk_->setDefault(true);
    cmdOk_->setAutoDefault(true);
    cmdCancel_->setAutoDefault(false);

    auto* left = new QGridLayout;
    left->addWidget(
        Label(QStringLiteral("lblEditCh_FreqOp"), tr("Operating Frequency"), this, txtFreqOp_), 0,
        0);
    left->addWidget(txtFreqOp_, 0, 1);
    left->addWidget(Label(QStringLiteral("lblEditCh_DupSel"), tr("Duplex"), this, cboDupDir_), 1,
                    0);
    left->addWidget(cboDupDir_, 1, 1);
    left->addWidget(
        Label(QStringLiteral("lblEditCh_FreqDup"), tr("Offset Freq."), this, txtFreqDup_), 2, 0);
    left->addWidget(txtFreqDup_, 2, 1);
    left->addWidget(Label(QStringLiteral("lblEditCh_Name"), tr("Name"), this, txtName_), 3, 0);
    left->addWidget(txtName_, 3, 1);
    left->addWidget(Label(QStringLiteral("lblEditCh_Ts"), tr("Tuning Step"), this, cboTsNo_), 4, 0);
    left->addWidget(cboTsNo_, 4, 1);
    left->addWidget(fraTSql_, 5, 0, 1, 2);
    left->setRowStretch(6, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(fraMode_);
    right->addWidget(fraSkip_);
    right->addWidget(fraTv_);
    right->addWidget(fraFmTv_);
    right->addStretch(1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 3);
    top->addLayout(right, 2);
    top->addLayout(buttons);

    // Load: the lists that never change with the channel, index = value.
    FillList(cboDupDir_, ChTextList::DupDir, 3);
    FillList(cboToneNo_, ChTextList::Tone, 50);
    FillList(cboTvIf_, ChTextList::TvIf, 5);
    FillList(cboTvSubCarrier_, ChTextList::SubCarrier, 127);
    for (QComboBox* box :
         {cboDupDir_, cboToneNo_, cboModeNo_, cboTsNo_, cboTvIf_, cboTvSubCarrier_, cboSkipM_})
        LimitDropDown(*box);

    // Tab follows the layout: the left column top down, the frames on the
    // right top down, then the buttons.
    QWidget* const tabOrder[] = {txtFreqOp_,    cboDupDir_,       txtFreqDup_, txtName_,  cboTsNo_,
                                 chkTSqlOn_,    cboToneNo_,       cboModeNo_,  cboSkipM_, cboTvIf_,
                                 chkTvReverse_, cboTvSubCarrier_, cmdOk_,      cmdCancel_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(txtFreqOp_, &QLineEdit::textChanged, this, [this] { FreqChanged(); });
    connect(cmdOk_, &QPushButton::clicked, this, [this] { cmdEditCh_Ok_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdEditCh_Cancel_Click(); });
    for (QLineEdit* box : {txtFreqOp_, txtFreqDup_, txtName_}) box->installEventFilter(this);
}

void frmEditCh::CurCh(clsRigQ5_Ch& ch) {
    ch_ = &ch;
    resetPending_ = true;
}

void frmEditCh::FormAdjust() {
    KeepDialogOnScreen(*this);
}

void frmEditCh::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!resetPending_) return;
    resetPending_ = false;
    ResetOp();
    txtFreqOp_->setFocus();
    txtFreqOp_->selectAll();
    FormAdjust();
}

bool frmEditCh::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Entering a text box selects its whole text, so typing replaces it;
        // queued, so that the click that gave the focus does not undo it.
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

bool frmEditCh::FreqBoxEmpty() const {
    return txtFreqOp_->text().trimmed().isEmpty();
}

bool frmEditCh::TypedFreq(std::int32_t& freq) const {
    const QString text = txtFreqOp_->text().trimmed();
    bool point = false;
    for (const QChar c : text) {
        if (c.isDigit()) {
            freq = ch_->Conv_Freq_StrToLong(text.toStdString(), 0);
            return true;
        }
        if (c != QLatin1Char('.') || point) return false;
        point = true;
    }
    return false;
}

bool frmEditCh::ItemExistsNow(int item) const {
    if (item >= Ch::kItemChNo && item <= Ch::kItemFreq) return true;
    if (item < Ch::kItemDupDir || item > Ch::kItemLast || ch_ == nullptr) return false;
    // An empty frequency blanks a channel that may be blank: nothing else applies.
    if (ch_->ClearEnable() && FreqBoxEmpty()) return false;
    // What applies follows the frequency being typed (a medium-wave
    // frequency allows AM only), as the record will judge it after OK.
    const std::optional<Ch> typed = TypedChannel();
    return typed ? typed->ItemExistsNow(item) : ch_->ItemExistsNow(item);
}

std::optional<clsRigQ5_Ch> frmEditCh::TypedChannel() const {
    std::int32_t freq = 0;
    if (ch_ == nullptr || !TypedFreq(freq)) return std::nullopt;
    Ch typed(*ch_);
    typed.AppearCh(true);
    typed.FreqOp_Pure(freq);
    return typed;
}

void frmEditCh::FollowForcedMode() {
    if (ch_ == nullptr || !ch_->ItemExistsBase(Ch::kItemMode)) return;
    const std::optional<Ch> typed = TypedChannel();
    if (!typed) return;
    const bool forced = typed->IsAmOnly();
    if (forced == modeForced_) return;
    if (forced) {
        modeChoice_ = cboModeNo_->currentIndex();
        Select(cboModeNo_, kModeAm);
    } else {
        Select(cboModeNo_, modeChoice_);
    }
    modeForced_ = forced;
}

void frmEditCh::PartsEnabled(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    // Its label greys with it, so the user sees which fields apply.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == control) label->setEnabled(enabled);
    // Boxes and lists take the dialog's own background when greyed, so an
    // unavailable field does not look like a place to type.
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) {
        QPalette pal = control->palette();
        const QPalette& dialog = palette();
        pal.setColor(QPalette::Disabled, QPalette::Base,
                     dialog.color(QPalette::Active, QPalette::Window));
        pal.setColor(QPalette::Disabled, QPalette::Text,
                     dialog.color(QPalette::Disabled, QPalette::WindowText));
        control->setPalette(pal);
    }
}

void frmEditCh::ActiveEnabled() {
    const bool fmTv = ch_ != nullptr && ch_->Matrix().MtxFmTvOk() != 0;
    PartsEnabled(cboDupDir_, ItemExistsNow(Ch::kItemDupDir));
    PartsEnabled(txtFreqDup_, ItemExistsNow(Ch::kItemFreqDup));
    PartsEnabled(txtName_, ItemExistsNow(Ch::kItemName));
    PartsEnabled(chkTSqlOn_, ItemExistsNow(Ch::kItemTSql));
    PartsEnabled(cboToneNo_, ItemExistsNow(Ch::kItemTone));
    PartsEnabled(cboModeNo_, ItemExistsNow(Ch::kItemMode));
    PartsEnabled(cboTsNo_, ItemExistsNow(Ch::kItemTs));
    PartsEnabled(cboTvIf_, ItemExistsNow(Ch::kItemTvIf));
    PartsEnabled(cboTvSubCarrier_, ItemExistsNow(Ch::kItemSubCarrier) && fmTv);
    PartsEnabled(chkTvReverse_, ItemExistsNow(Ch::kItemTvReverse) && fmTv);
    PartsEnabled(cboSkipM_, ItemExistsNow(Ch::kItemSkipM) || ItemExistsNow(Ch::kItemSkipT));
    // A frame's title greys when nothing in it applies.
    for (QGroupBox* frame : {fraTSql_, fraMode_, fraSkip_, fraTv_, fraFmTv_}) {
        bool any = false;
        for (QWidget* field : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QLabel*>(field) && field->isEnabledTo(frame)) any = true;
        if (frame->isEnabled() == any) continue;
        frame->setEnabled(any);
        // Some styles draw a disabled frame's title in the normal colour.
        if (any) {
            frame->setPalette(QPalette());
        } else {
            QPalette pal = frame->palette();
            const QColor grey = palette().color(QPalette::Disabled, QPalette::WindowText);
            pal.setColor(QPalette::Active, QPalette::WindowText, grey);
            pal.setColor(QPalette::Inactive, QPalette::WindowText, grey);
            frame->setPalette(pal);
        }
    }
}

void frmEditCh::ResetOp() {
    ActiveEnabled();
    if (ch_ == nullptr) return;
    const Ch& ch = *ch_;
    // The frequency box follows the record here, not the user's typing.
    loading_ = true;
    const clsRigQ5_Matrix& mtx = ch.Matrix();
    auto has = [&ch](int item) { return ch.ItemExistsBase(item); };

    txtFreqOp_->setText(ch.AppearCh() ? Trimmed(ch.FreqOp_String()) : QString());

    Select(cboDupDir_, has(Ch::kItemDupDir) ? ch.DupDir_Pure() : -1);
    txtFreqDup_->setText(has(Ch::kItemFreqDup) ? Trimmed(ch.FreqDup_String()) : QString());
    {
        QString name;
        if (has(Ch::kItemName)) {
            const std::string n = ch.Name();
            name = QString::fromLatin1(n.data(), qsizetype(n.size()));
            while (name.endsWith(QLatin1Char(' '))) name.chop(1);
        }
        txtName_->setText(name);
    }
    chkTSqlOn_->setChecked(has(Ch::kItemTSql) && ch.TSqlOn_Pure() != 0);
    Select(cboToneNo_, has(Ch::kItemTone) ? ch.ToneNo_Pure() : -1);

    FillList(cboModeNo_, ChTextList::Mode, mtx.NumModeNo());
    Select(cboModeNo_, has(Ch::kItemMode) ? ch.ModeNo_Pure() : -1);
    // A channel on a medium-wave frequency is AM because it must be; should
    // the user move it out of that range, the mode is the one a channel
    // starts with.
    modeForced_ = has(Ch::kItemMode) && ch.AppearCh() && ch.IsAmOnly();
    modeChoice_ = modeForced_ ? kModeNew : ch.ModeNo_Pure();

    if (has(Ch::kItemTs)) {
        if (ch.IsMust24G()) {
            // The 2.4 GHz band has no 6.25 kHz step: its list is one shorter.
            FillList(cboTsNo_, ChTextList::Step24G, mtx.NumTsNo_24G());
            Select(cboTsNo_, Ch::Conv_TsNo_NormTo24G(ch.TsNo_Pure()));
        } else {
            FillList(cboTsNo_, ChTextList::StepNorm, mtx.NumTsNo_Norm());
            Select(cboTsNo_, ch.TsNo_Pure());
        }
    } else {
        Select(cboTsNo_, -1);
    }

    Select(cboTvIf_, has(Ch::kItemTvIf) ? ch.TvIf_Pure() : -1);

    const bool fmTv = mtx.MtxFmTvOk() != 0;
    chkTvReverse_->setChecked(fmTv && has(Ch::kItemTvReverse) && ch.TvReverse_Pure() != 0);
    Select(cboTvSubCarrier_, fmTv && has(Ch::kItemSubCarrier) ? ch.TvSubCarrier_Pure() : -1);

    if (has(Ch::kItemSkipM)) {
        FillList(cboSkipM_, ChTextList::SkipMMenu, 3);
        Select(cboSkipM_, ch.SkipM_Pure());
    } else if (has(Ch::kItemSkipT)) {
        FillList(cboSkipM_, ChTextList::SkipTMenu, 2);
        Select(cboSkipM_, ch.SkipT_Pure());
    } else {
        Select(cboSkipM_, -1);
    }

    loading_ = false;
    ActiveEnabled();
}

void frmEditCh::FreqChanged() {
    // An AM-only channel has the same fields whatever its frequency.
    if (loading_ || ch_ == nullptr || ch_->IsMustAm()) return;
    ActiveEnabled();
    FollowForcedMode();
}

void frmEditCh::cmdEditCh_Ok_Click() {
    if (resetPending_ || ch_ == nullptr) return;
    Ch& ch = *ch_;
    if (ch.ClearEnable() && FreqBoxEmpty()) {
        ch.AppearCh(false);
    } else {
        // Each write heals the record; the frequency goes first because the
        // offset's grid and the items that exist depend on it. Controls
        // that are greyed are written as well: the record discards what
        // does not apply to it.
        ch.AppearCh(true);
        ch.FreqOp_Pure(ch.Conv_Freq_StrToLong(txtFreqOp_->text().toStdString(), 0));
        if (cboDupDir_->currentIndex() >= 0) ch.DupDir_Pure(cboDupDir_->currentIndex());
        ch.FreqDup_Pure(ch.Conv_Freq_StrToLong(txtFreqDup_->text().toStdString(), 1));
        ch.Name(NameBytes(txtName_->text()));
        ch.TSqlOn_Pure(chkTSqlOn_->isChecked() ? 1 : 0);
        if (cboToneNo_->currentIndex() >= 0) ch.ToneNo_Pure(cboToneNo_->currentIndex());
        if (cboModeNo_->currentIndex() >= 0) ch.ModeNo_Pure(cboModeNo_->currentIndex());
        if (const int ts = cboTsNo_->currentIndex(); ts >= 0)
            ch.TsNo_Pure(ch.IsMust24G() ? Ch::Conv_TsNo_24GToNorm(ts) : ts);
        if (cboTvIf_->currentIndex() >= 0) ch.TvIf_Pure(cboTvIf_->currentIndex());
        if (cboTvSubCarrier_->currentIndex() >= 0)
            ch.TvSubCarrier_Pure(cboTvSubCarrier_->currentIndex());
        if (const int skip = cboSkipM_->currentIndex(); skip >= 0) {
            ch.SkipM_Pure(skip);
            ch.SkipT_Pure(skip);
        }
        ch.TvReverse_Pure(chkTvReverse_->isChecked() ? 1 : 0);
    }
    accept();
}

void frmEditCh::cmdEditCh_Cancel_Click() {
    reject();
}
