// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and toolbar, and the upkeep of their states: the
// Edit items' enabling, the recent files, the COM port marks and captions.

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

#include "app/common.h"
#include "ui/main_window.h"
#include "ui/reentry_guard.h"

namespace {
constexpr int kNumRecent = 4;
const char* const kPresetTables[10] = {"AUSTRALIA", "CCIR",  "CHINA",       "FOT",    "INDONESIA",
                                       "ITALY",     "JAPAN", "NEW ZEALAND", "TAIWAN", "USA"};
// Each button does what a menu item does.
struct ToolButtonDef {
    const char* key;
    const char* tip;
    const char* image;
    void (frmMain::*click)(int);
    int index;  // the menu item's
};
const ToolButtonDef kToolButtons[] = {
    {"Bar_File_New", QT_TRANSLATE_NOOP("frmMain", "New"), "Img_File_New", &frmMain::mnuFile_Click,
     0},
    {"Bar_File_Open", QT_TRANSLATE_NOOP("frmMain", "Open"), "Img_File_Open",
     &frmMain::mnuFile_Click, 1},
    {"Bar_File_Save", QT_TRANSLATE_NOOP("frmMain", "Save"), "Img_File_Save",
     &frmMain::mnuFile_Click, 2},
    {nullptr, nullptr, nullptr, nullptr, 0},
    {"Bar_Edit_Ch", QT_TRANSLATE_NOOP("frmMain", "Edit Memory"), "Img_Edit_Ch",
     &frmMain::mnuEdit_Click, 0},
    {"Bar_Edit_Copy", QT_TRANSLATE_NOOP("frmMain", "Copy"), "Img_Edit_Copy",
     &frmMain::mnuEdit_Click, 2},
    {"Bar_Edit_Paste", QT_TRANSLATE_NOOP("frmMain", "Paste"), "Img_Edit_Paste",
     &frmMain::mnuEdit_Click, 3},
    {"Bar_Edit_Clear", QT_TRANSLATE_NOOP("frmMain", "Clear"), "Img_Edit_Clear",
     &frmMain::mnuEdit_Click, 5},
    {"Bar_Edit_Undo", QT_TRANSLATE_NOOP("frmMain", "Undo"), "Img_Edit_Undo",
     &frmMain::mnuEdit_Click, 9},
    {"Bar_Edit_Redo", QT_TRANSLATE_NOOP("frmMain", "Redo"), "Img_Edit_Redo",
     &frmMain::mnuEdit_Click, 10},
    {nullptr, nullptr, nullptr, nullptr, 0},
    {"Bar_View_Common", QT_TRANSLATE_NOOP("frmMain", "Common"), "Img_View_Common",
     &frmMain::mnuView_Click, 0},
    {nullptr, nullptr, nullptr, nullptr, 0},
    {"Bar_Port_Com1", QT_TRANSLATE_NOOP("frmMain", "COM1"), "Img_Port_Com1", &frmMain::mnuCom_Click,
     1},
    {"Bar_Port_Com2", QT_TRANSLATE_NOOP("frmMain", "COM2"), "Img_Port_Com2", &frmMain::mnuCom_Click,
     2},
    {"Bar_Port_Com3", QT_TRANSLATE_NOOP("frmMain", "COM3"), "Img_Port_Com3", &frmMain::mnuCom_Click,
     3},
    {"Bar_Port_Com4", QT_TRANSLATE_NOOP("frmMain", "COM4"), "Img_Port_Com4", &frmMain::mnuCom_Click,
     4},
    {nullptr, nullptr, nullptr, nullptr, 0},
    {"Bar_Clone_Read", QT_TRANSLATE_NOOP("frmMain", "Clone read"), "Img_Clone_Read",
     &frmMain::mnuClone_Click, 0},
    {"Bar_Clone_Write", QT_TRANSLATE_NOOP("frmMain", "Clone write"), "Img_Clone_Write",
     &frmMain::mnuClone_Click, 1},
    {"Bar_Clone_Info", QT_TRANSLATE_NOOP("frmMain", "Clone info."), "Img_Clone_Info",
     &frmMain::mnuClone_Click, 3},
    {nullptr, nullptr, nullptr, nullptr, 0},
    {"Bar_Help_Contents", QT_TRANSLATE_NOOP("frmMain", "Help contents"), "Img_Help_Contents",
     &frmMain::mnuHelp_Click, 0},
};
QIcon ImageIcon(const QString& imageKey) {
    return QIcon(QStringLiteral(":/icons/") + imageKey + QStringLiteral(".png"));
}
}  // namespace

// ---------------------------------------------------------------- menus

QAction* frmMain::AddItem(QMenu* menu, const QString& name, const QString& text,
                          const QKeySequence& shortcut) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    menu->addAction(a);
    return a;
}

void frmMain::BuildMenus() {
    auto addSeparator = [this](QMenu* menu, const QString& name) {
        QAction* s = menu->addSeparator();
        s->setObjectName(name);
        return s;
    };
    auto* bar = menuBar();

    QMenu* mFile = bar->addMenu(tr("&File"));
    mnuFile_ = mFile;
    mFile->setObjectName(QStringLiteral("mnuFile"));
    file_[0] = AddItem(mFile, "mnuFile_New", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    file_[1] = AddItem(mFile, "mnuFile_Open", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    file_[2] = AddItem(mFile, "mnuFile_Save", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    file_[3] = AddItem(mFile, "mnuFile_SaveAs", tr("Save &As..."));
    file_[4] = addSeparator(mFile, "mnuFile_Sep4");
    for (int i = 0; i < kNumRecent; ++i)
        file_[5 + i] = AddItem(mFile, QStringLiteral("mnuFile_Recent%1").arg(i + 1), QString());
    file_[9] = addSeparator(mFile, "mnuFile_Sep9");
    // The items added to the menu keep their numbers after Exit's, but
    // stand before it: Exit closes the menu as it closes every program's.
    file_[12] = AddItem(mFile, "mnuFile_ExportCsv", tr("Export &CSV..."));
    file_[13] = AddItem(mFile, "mnuFile_ImportCsv", tr("&Import CSV..."));
    // The channel lists on paper or in a PDF file.
    file_[16] = addSeparator(mFile, "mnuFile_Sep16");
    file_[17] = AddItem(mFile, "mnuFile_ExportPdf", tr("Export P&DF..."));
    file_[18] =
        AddItem(mFile, "mnuFile_Print", tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    file_[14] = addSeparator(mFile, "mnuFile_Sep14");
    // Going back to a read, and seeing what differs from a file or a read.
    file_[19] = AddItem(mFile, "mnuFile_RestoreBackup", tr("&Restore Backup..."));
    file_[20] = AddItem(mFile, "mnuFile_Compare", tr("Compare &With..."));
    file_[15] = AddItem(mFile, "mnuFile_Backups", tr("Read &Backups Folder"));
    file_[11] = addSeparator(mFile, "mnuFile_Sep11");
    file_[10] = AddItem(mFile, "mnuFile_Exit", tr("E&xit"));
    for (int i = 0; i < int(file_.size()); ++i)
        if (!file_[i]->isSeparator())
            connect(file_[i], &QAction::triggered, this, [this, i] { mnuFile_Click(i); });

    mnuEdit_ = bar->addMenu(tr("&Edit"));
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    edit_[0] = AddItem(mnuEdit_, "mnuEdit_EditMemory", tr("&Edit Memory..."));
    edit_[1] = addSeparator(mnuEdit_, "mnuEdit_Sep1");
    edit_[2] = AddItem(mnuEdit_, "mnuEdit_Copy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    edit_[3] = AddItem(mnuEdit_, "mnuEdit_Paste", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    edit_[4] = addSeparator(mnuEdit_, "mnuEdit_Sep4");
    edit_[5] = AddItem(mnuEdit_, "mnuEdit_Clear", tr("Clear"), QKeySequence(Qt::Key_Delete));
    edit_[6] = AddItem(mnuEdit_, "mnuEdit_Delete", tr("Delete"));
    edit_[7] = AddItem(mnuEdit_, "mnuEdit_Insert", tr("Insert"));
    edit_[8] = addSeparator(mnuEdit_, "mnuEdit_Sep8");
    edit_[9] = AddItem(mnuEdit_, "mnuEdit_Undo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit_[10] = AddItem(mnuEdit_, "mnuEdit_Redo", tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    // Working with many channels: finding them, putting a bank in order.
    edit_[11] = addSeparator(mnuEdit_, "mnuEdit_Sep11");
    edit_[12] =
        AddItem(mnuEdit_, "mnuEdit_Find", tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    edit_[13] = AddItem(mnuEdit_, "mnuEdit_FindNext", tr("Find &Next"), QKeySequence(Qt::Key_F3));
    edit_[14] = addSeparator(mnuEdit_, "mnuEdit_Sep14");
    edit_[15] = AddItem(mnuEdit_, "mnuEdit_SortBank", tr("&Sort Bank..."));
    // Many channels at once (items added after the keyboard's moves).
    edit_[20] = AddItem(mnuEdit_, "mnuEdit_BulkEdit", tr("Bul&k Edit..."));
    edit_[21] = AddItem(mnuEdit_, "mnuEdit_Fill", tr("F&ill Channels..."));
    // What a drag does with the mouse, from the keyboard.
    edit_[16] = addSeparator(mnuEdit_, "mnuEdit_Sep16");
    edit_[17] = AddItem(mnuEdit_, "mnuEdit_MoveToBank", tr("Move to &Bank..."),
                        QKeySequence(Qt::CTRL | Qt::Key_M));
    edit_[18] =
        AddItem(mnuEdit_, "mnuEdit_MoveUp", tr("Mo&ve Up"), QKeySequence(Qt::ALT | Qt::Key_Up));
    edit_[19] = AddItem(mnuEdit_, "mnuEdit_MoveDown", tr("Move &Down"),
                        QKeySequence(Qt::ALT | Qt::Key_Down));
    for (int i = 0; i < int(edit_.size()); ++i)
        if (!edit_[i]->isSeparator())
            connect(edit_[i], &QAction::triggered, this, [this, i] { mnuEdit_Click(i); });

    QMenu* mView = bar->addMenu(tr("&View"));
    mView->setObjectName(QStringLiteral("mnuView"));
    view_[0] = AddItem(mView, "mnuView_Common", tr("&Common Setting..."));
    view_[1] = addSeparator(mView, "mnuView_Sep1");
    view_[2] = AddItem(mView, "mnuView_Toolbar", tr("&Toolbar"));
    view_[2]->setCheckable(true);
    for (int i : {0, 2})
        connect(view_[i], &QAction::triggered, this, [this, i] { mnuView_Click(i); });

    QMenu* mCom = bar->addMenu(tr("COM &Port"));
    mCom->setObjectName(QStringLiteral("mnuCom"));
    for (int p = 1; p <= 4; ++p) {
        com_[p] = AddItem(mCom, QStringLiteral("mnuCom_Com%1").arg(p), tr("COM &%1").arg(p));
        com_[p]->setCheckable(true);
        connect(com_[p], &QAction::triggered, this, [this, p] { mnuCom_Click(p); });
    }
    mCom->addSeparator()->setObjectName(QStringLiteral("mnuCom_Sep5"));
    com_[5] = AddItem(mCom, "mnuCom_Devices", tr("&Devices..."));
    connect(com_[5], &QAction::triggered, this, [this] {
        if (modalFlag_ || !assignComDevices_) return;
        {
            const FlagScope modal(modalFlag_);
            assignComDevices_();
        }
        AdjustComCaptions();
    });
    // The devices behind the slots can change while the program runs (a
    // USB adapter plugged in): the captions are looked up when the menu opens.
    connect(mCom, &QMenu::aboutToShow, this, [this] { AdjustComCaptions(); });

    QMenu* mClone = bar->addMenu(tr("&Cloning"));
    mClone->setObjectName(QStringLiteral("mnuClone"));
    clone_[0] = AddItem(mClone, "mnuClone_Read", tr("&Read <- Receiver"));
    clone_[1] = AddItem(mClone, "mnuClone_Write", tr("&Write -> Receiver"));
    clone_[2] = addSeparator(mClone, "mnuClone_Sep2");
    clone_[3] = AddItem(mClone, "mnuClone_Info", tr("&Information..."));
    for (int i : {0, 1, 3})
        connect(clone_[i], &QAction::triggered, this, [this, i] { mnuClone_Click(i); });
    // A write followed by a read that checks what the receiver now holds.
    clone_[4] = addSeparator(mClone, "mnuClone_Sep4");
    clone_[5] = AddItem(mClone, "mnuClone_Verify", tr("&Verify After Write"));
    clone_[5]->setCheckable(true);
    connect(clone_[5], &QAction::toggled, this, [this](bool on) { model_->VerifyAfterWrite(on); });

    QMenu* mOpt = bar->addMenu(tr("&Option"));
    mOpt->setObjectName(QStringLiteral("mnuOpt"));
    QMenu* mPreset = mOpt->addMenu(tr("&Preset TV CH"));
    mPreset->setObjectName(QStringLiteral("mnuOptPresetTv"));
    mPreset->menuAction()->setObjectName(QStringLiteral("mnuOpt_PresetTv"));
    for (int i = 0; i < 10; ++i) {
        presetTv_[i] = AddItem(mPreset, QStringLiteral("mnuOptPresetTv_%1").arg(i),
                               QString::fromLatin1(kPresetTables[i]));
        connect(presetTv_[i], &QAction::triggered, this, [this, i] { mnuOptPresetTv_Click(i); });
    }

    QMenu* mHelp = bar->addMenu(tr("&Help"));
    mHelp->setObjectName(QStringLiteral("mnuHelp"));
    helpItems_[0] = AddItem(mHelp, "mnuHelp_Contents", tr("&Contents"), QKeySequence(Qt::Key_F1));
    helpItems_[1] = addSeparator(mHelp, "mnuHelp_Sep1");
    helpItems_[2] = AddItem(mHelp, "mnuHelp_About", tr("&About CS-Q5..."));
    for (int i : {0, 2})
        connect(helpItems_[i], &QAction::triggered, this, [this, i] { mnuHelp_Click(i); });
}

void frmMain::BuildToolbar() {
    Toolbar1_ = new QToolBar(tr("Toolbar"), this);
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1_->setMovable(false);
    Toolbar1_->setFloatable(false);
    Toolbar1_->setIconSize(QSize(16, 16));
    Toolbar1_->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, Toolbar1_);
    for (const auto& def : kToolButtons) {
        if (!def.key) {
            Toolbar1_->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(def.key);
        auto* a = new QAction(ImageIcon(QString::fromLatin1(def.image)), tr(def.tip), this);
        a->setObjectName(key);
        a->setToolTip(tr(def.tip));
        if (key.startsWith(QStringLiteral("Bar_Port_Com"))) {
            a->setCheckable(true);
            portButtons_[key.right(1).toInt()] = a;
        }
        if (def.click == &frmMain::mnuEdit_Click) editButtons_.push_back({a, def.index});
        connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        Toolbar1_->addAction(a);
    }
    Toolbar1_->installEventFilter(this);
    // The button that shows the buttons a narrow window has no room for.
    if (auto* more = Toolbar1_->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar buttons"));
}

QAction* frmMain::MenuItem(const QString& menuName, int index) const {
    auto pick = [index](const auto& items) -> QAction* {
        return index >= 0 && index < int(items.size()) ? items[index] : nullptr;
    };
    if (menuName == QLatin1String("mnuFile")) return pick(file_);
    if (menuName == QLatin1String("mnuEdit")) return pick(edit_);
    if (menuName == QLatin1String("mnuView")) return pick(view_);
    if (menuName == QLatin1String("mnuCom")) return pick(com_);
    if (menuName == QLatin1String("mnuClone")) return pick(clone_);
    if (menuName == QLatin1String("mnuOptPresetTv")) return pick(presetTv_);
    if (menuName == QLatin1String("mnuHelp")) return pick(helpItems_);
    return nullptr;
}

void frmMain::AdjustPortMarks() {
    // Runs on every serial tick: only states that are wrong are written.
    for (int p = 1; p <= 4; ++p) {
        const bool on = p == comPortNo_;
        if (com_[p]->isChecked() != on) com_[p]->setChecked(on);
        QAction* button = portButtons_[p];
        if (button && button->isChecked() != on) button->setChecked(on);
    }
    const bool toolbarOn = toolBarFlag_ == 1;
    if (view_[2]->isChecked() != toolbarOn) view_[2]->setChecked(toolbarOn);
}

void frmMain::ComDeviceHooks(std::function<QString(int)> deviceOf,
                             std::function<void()> assignDevices) {
    comDeviceOf_ = std::move(deviceOf);
    assignComDevices_ = std::move(assignDevices);
}

void frmMain::AdjustComCaptions() {
    for (int p = 1; p <= 4; ++p) {
        QString text = tr("COM &%1").arg(p);
        const QString device = ComDeviceOf(p);
        if (!device.isEmpty()) text += QStringLiteral(" (") + device + QLatin1Char(')');
        if (com_[p]->text() != text) com_[p]->setText(text);
    }
}

void frmMain::SetEditEnabled(int index, bool enabled) {
    if (edit_[index]->isEnabled() != enabled) edit_[index]->setEnabled(enabled);
}

void frmMain::AdjustMnuEdit() {
    ChEditState st;
    int first = 0, last = 0;
    const bool grid = CurChList() < clsRigQ5_Master::kListFolder && mfgCh_->rowCount() > 0;
    if (grid) {
        SelectedBlock(first, last);
        st = model_->EditStateOfBlock(curTreeKey_, first, last);
    }
    const bool base = st.exists && st.usable;
    // A block has no channel dialog and no insert of its own.
    const bool one = first == last;
    SetEditEnabled(0, base && one);
    SetEditEnabled(2, base);
    SetEditEnabled(3, base && st.pasteAllowed);
    SetEditEnabled(5, base && st.clearEnable);
    SetEditEnabled(6, base && st.clearEnable);
    SetEditEnabled(7, base && st.clearEnable && one);
    SetEditEnabled(20, grid && model_->CanBulkEdit(curTreeKey_, first, last));
    SetEditEnabled(21, grid && model_->CanFill(curTreeKey_));
    // Undo and Redo do not depend on the channel under the cursor.
    SetEditEnabled(9, model_->CanUndo());
    SetEditEnabled(10, model_->CanRedo());
    // Find searches every list wherever the cursor is; sorting is for banks.
    const bool lists = trvChList_->topLevelItemCount() > 0;
    SetEditEnabled(12, lists);
    SetEditEnabled(13, lists);
    SetEditEnabled(15, model_->CanSortBank(curTreeKey_));
    const bool channel = CurChList() < clsRigQ5_Master::kListFolder && mfgCh_->rowCount() > 0;
    SetEditEnabled(17, channel && !MoveTargets().empty());
    SetEditEnabled(18, channel && model_->CanShiftBlock(curTreeKey_, first, last, -1));
    SetEditEnabled(19, channel && model_->CanShiftBlock(curTreeKey_, first, last, 1));
    for (const auto& [a, item] : editButtons_) {
        const bool on = edit_[item]->isEnabled();
        if (a->isEnabled() != on) a->setEnabled(on);
    }
}

void frmMain::AdjustRecentFile() {
    const int n = LimitInt(model_->RecentCount(), 0, kNumRecent);
    for (int i = 0; i < kNumRecent; ++i) {
        QAction* a = file_[5 + i];
        // An unused slot leaves the menu instead of hiding in it: a screen
        // reader lists hidden items as empty ones.
        mnuFile_->removeAction(a);
        if (i < n) {
            a->setText(QStringLiteral("&%1 ").arg(i + 1) +
                       QString::fromStdString(model_->RecentFileTitle(i)));
            a->setEnabled(true);
        } else if (i == 0) {
            a->setText(tr("Recent File"));
            a->setEnabled(false);
        } else {
            a->setVisible(false);
            continue;
        }
        a->setVisible(true);
        mnuFile_->insertAction(file_[9], a);
    }
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (modalFlag_) {
        AdjustPortMarks();  // a port button pressed meanwhile springs back
        return;
    }
    for (const auto& def : kToolButtons) {
        if (def.key && key == QLatin1String(def.key)) {
            (this->*def.click)(def.index);
            return;
        }
    }
}
