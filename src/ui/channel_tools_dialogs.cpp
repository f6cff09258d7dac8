// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channel_tools_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "image/matrix.h"
#include "model/channel_texts.h"
#include "ui/drop_down.h"

namespace {

void FillList(QComboBox* box, ChTextList list, int count) {
    box->clear();
    for (int i = 0; i < count && i < ChTextCount(list); ++i) {
        const std::string_view s = ChTextAt(list, i);
        box->addItem(QString::fromLatin1(s.data(), qsizetype(s.size())));
    }
}

template <class W>
W* Named(W* w, const char* name, const QString& accessible = QString()) {
    w->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty()) w->setAccessibleName(accessible);
    return w;
}

std::string Latin1(const QString& text) {
    std::string s;
    for (const QChar c : text) s.push_back(c.unicode() < 0x100 ? char(c.unicode()) : ' ');
    return s;
}

QDialogButtonBox* OkCancel(QDialog* dialog, const char* prefix) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmd%1_Ok").arg(prefix));
    buttons->button(QDialogButtonBox::Cancel)
        ->setObjectName(QStringLiteral("cmd%1_Cancel").arg(prefix));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

// ---------------------------------------------------------------- bulk edit

frmBulkEdit::frmBulkEdit(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBulkEdit"));
    setModal(true);
    auto* grid = new QGridLayout;
    int row = 0;
    // A check box names and unlocks the fields of its row.
    const auto line = [&](QCheckBox* tick, std::initializer_list<QWidget*> fields) {
        grid->addWidget(tick, row, 0);
        int column = 1;
        for (QWidget* f : fields) {
            if (f->accessibleName().isEmpty()) f->setAccessibleName(tick->text().remove('&'));
            grid->addWidget(f, row, column++, 1, fields.size() == 1 ? 2 : 1);
            connect(tick, &QCheckBox::toggled, f, &QWidget::setEnabled);
        }
        ++row;
    };
    chkMode_ = Named(new QCheckBox(tr("&Mode"), this), "chkBulk_Mode");
    cboMode_ = Named(new QComboBox(this), "cboBulk_Mode");
    line(chkMode_, {cboMode_});
    chkStep_ = Named(new QCheckBox(tr("&Tuning Step"), this), "chkBulk_Step");
    cboStep_ = Named(new QComboBox(this), "cboBulk_Step");
    line(chkStep_, {cboStep_});
    chkSkip_ = Named(new QCheckBox(tr("S&kip"), this), "chkBulk_Skip");
    cboSkip_ = Named(new QComboBox(this), "cboBulk_Skip");
    FillList(cboSkip_, ChTextList::SkipMMenu, 3);
    line(chkSkip_, {cboSkip_});
    chkDuplex_ = Named(new QCheckBox(tr("&Duplex and offset"), this), "chkBulk_Duplex");
    cboDupDir_ = Named(new QComboBox(this), "cboBulk_DupDir", tr("Duplex"));
    FillList(cboDupDir_, ChTextList::DupDir, 3);
    txtOffset_ = Named(new QLineEdit(QStringLiteral("0.600"), this), "txtBulk_Offset",
                       tr("Offset Freq. (MHz)"));
    line(chkDuplex_, {cboDupDir_, txtOffset_});
    chkTSql_ = Named(new QCheckBox(tr("T&SQL and CTCSS"), this), "chkBulk_TSql");
    cboTSql_ = Named(new QComboBox(this), "cboBulk_TSqlOn", tr("TSQL"));
    FillList(cboTSql_, ChTextList::TSql, 2);
    cboTone_ = Named(new QComboBox(this), "cboBulk_Tone", tr("CTCSS frequency"));
    FillList(cboTone_, ChTextList::Tone, 50);
    line(chkTSql_, {cboTSql_, cboTone_});
    chkName_ = Named(new QCheckBox(tr("&Name"), this), "chkBulk_Name");
    cboNameRule_ = Named(new QComboBox(this), "cboBulk_NameRule", tr("Name rule"));
    cboNameRule_->addItems({tr("Set"), tr("Add a prefix"), tr("Number them")});
    txtName_ = Named(new QLineEdit(this), "txtBulk_Name", tr("Name text"));
    line(chkName_, {cboNameRule_, txtName_});
    spnFirst_ = Named(new QSpinBox(this), "spnBulk_First");
    spnFirst_->setRange(0, 99999);
    spnFirst_->setValue(1);
    auto* first = new QLabel(tr("&First number"), this);
    first->setBuddy(spnFirst_);
    grid->addWidget(first, row, 1);
    grid->addWidget(spnFirst_, row, 2);
    connect(chkName_, &QCheckBox::toggled, this, [this] { Follow(); });
    connect(cboNameRule_, &QComboBox::currentIndexChanged, this, [this] { Follow(); });
    for (QComboBox* box :
         {cboMode_, cboStep_, cboSkip_, cboDupDir_, cboTSql_, cboTone_, cboNameRule_})
        LimitDropDown(*box);

    auto* note = Named(new QLabel(tr("Only the ticked fields are written, into every selected "
                                     "channel in use; a value a channel cannot take is "
                                     "adjusted as in Edit Memory. A numbering pattern such as "
                                     "\"AIR %02d\" gives AIR 01, AIR 02 ..."),
                                  this),
                       "lblBulk_Note");
    note->setWordWrap(true);
    QDialogButtonBox* buttons = OkCancel(this, "Bulk");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // An offset that does not read as a frequency stays to be mended.
        if (chkDuplex_->isChecked() && !ParseMegahertz(txtOffset_->text().toStdString())) {
            txtOffset_->setFocus();
            txtOffset_->selectAll();
            return;
        }
        chosen_ = true;
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void frmBulkEdit::Follow() {
    const bool number = chkName_->isChecked() && cboNameRule_->currentIndex() == 2;
    spnFirst_->setEnabled(number);
}

void frmBulkEdit::Prepare(const clsRigQ5_Matrix& matrix, const QString& place) {
    chosen_ = false;
    setWindowTitle(tr("Bulk Edit %1").arg(place));
    FillList(cboMode_, ChTextList::Mode, matrix.NumModeNo());
    FillList(cboStep_, ChTextList::StepNorm, matrix.NumTsNo_Norm());
    for (QCheckBox* tick : {chkMode_, chkStep_, chkSkip_, chkDuplex_, chkTSql_, chkName_}) {
        tick->setChecked(true);  // every field follows the toggle once
        tick->setChecked(false);
    }
    Follow();
}

BulkChanges frmBulkEdit::Changes() const {
    BulkChanges c;
    if (chkMode_->isChecked()) c.mode = cboMode_->currentIndex();
    if (chkStep_->isChecked()) c.step = cboStep_->currentIndex();
    if (chkSkip_->isChecked()) c.skip = cboSkip_->currentIndex();
    if (chkDuplex_->isChecked()) {
        c.dupDir = cboDupDir_->currentIndex();
        c.offset = ParseMegahertz(txtOffset_->text().toStdString());
    }
    if (chkTSql_->isChecked()) {
        c.tsql = cboTSql_->currentIndex();
        c.tone = cboTone_->currentIndex();
    }
    if (chkName_->isChecked()) {
        const BulkChanges::NameRule rules[] = {BulkChanges::NameRule::Set,
                                               BulkChanges::NameRule::Prefix,
                                               BulkChanges::NameRule::Number};
        c.nameRule = rules[std::clamp(cboNameRule_->currentIndex(), 0, 2)];
        c.name = Latin1(txtName_->text());
        c.firstNumber = spnFirst_->value();
    }
    return c;
}

QCheckBox* frmBulkEdit::Tick(const char* field) const {
    return findChild<QCheckBox*>(QStringLiteral("chkBulk_") + QLatin1String(field));
}

// --------------------------------------------------------------------- fill

frmFillChannels::frmFillChannels(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFillChannels"));
    setModal(true);
    auto* form = new QFormLayout;
    txtStart_ = Named(new QLineEdit(QStringLiteral("118.000"), this), "txtFill_Start");
    form->addRow(tr("&Start frequency (MHz)"), txtStart_);
    txtSpacing_ = Named(new QLineEdit(QStringLiteral("25"), this), "txtFill_Spacing");
    form->addRow(tr("S&pacing (kHz)"), txtSpacing_);
    spnCount_ = Named(new QSpinBox(this), "spnFill_Count");
    form->addRow(tr("&Channels"), spnCount_);
    txtName_ = Named(new QLineEdit(this), "txtFill_Name");
    txtName_->setPlaceholderText(QStringLiteral("AIR %02d"));
    form->addRow(tr("&Name pattern"), txtName_);
    spnFirst_ = Named(new QSpinBox(this), "spnFill_First");
    spnFirst_->setRange(0, 99999);
    spnFirst_->setValue(1);
    form->addRow(tr("&First number"), spnFirst_);
    chkMode_ = Named(new QCheckBox(tr("&Mode"), this), "chkFill_Mode");
    cboMode_ = Named(new QComboBox(this), "cboFill_Mode", tr("Mode"));
    form->addRow(chkMode_, cboMode_);
    chkStep_ = Named(new QCheckBox(tr("&Tuning Step"), this), "chkFill_Step");
    cboStep_ = Named(new QComboBox(this), "cboFill_Step", tr("Tuning Step"));
    form->addRow(chkStep_, cboStep_);
    connect(chkMode_, &QCheckBox::toggled, cboMode_, &QWidget::setEnabled);
    connect(chkStep_, &QCheckBox::toggled, cboStep_, &QWidget::setEnabled);
    LimitDropDown(*cboMode_);
    LimitDropDown(*cboStep_);
    QDialogButtonBox* buttons = OkCancel(this, "Fill");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void frmFillChannels::Prepare(const clsRigQ5_Matrix& matrix, const QString& place, int maxCount) {
    chosen_ = false;
    setWindowTitle(tr("Fill Channels from %1").arg(place));
    spnCount_->setRange(1, std::max(maxCount, 1));
    FillList(cboMode_, ChTextList::Mode, matrix.NumModeNo());
    FillList(cboStep_, ChTextList::StepNorm, matrix.NumTsNo_Norm());
    cboMode_->setEnabled(chkMode_->isChecked());
    cboStep_->setEnabled(chkStep_->isChecked());
}

void frmFillChannels::Accept() {
    const auto start = ParseMegahertz(txtStart_->text().toStdString());
    const auto spacing = ParseKilohertz(txtSpacing_->text().toStdString());
    // A typing slip stays in the dialog to be mended.
    if (!start) {
        txtStart_->setFocus();
        txtStart_->selectAll();
        return;
    }
    if (!spacing || *spacing == 0) {
        txtSpacing_->setFocus();
        txtSpacing_->selectAll();
        return;
    }
    chosen_ = true;
    accept();
}

FillRequest frmFillChannels::Request() const {
    FillRequest r;
    r.start = ParseMegahertz(txtStart_->text().toStdString()).value_or(0);
    r.spacing = ParseKilohertz(txtSpacing_->text().toStdString()).value_or(0);
    r.count = spnCount_->value();
    r.namePattern = Latin1(txtName_->text());
    r.firstNumber = spnFirst_->value();
    if (chkMode_->isChecked()) r.mode = cboMode_->currentIndex();
    if (chkStep_->isChecked()) r.step = cboStep_->currentIndex();
    return r;
}
