// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "app/common.h"
#include "model/channel_find.h"
#include "model/grid_edit.h"
#include "model/grid_texts.h"
#include "ui/about_box.h"
#include "ui/caption.h"
#include "ui/clone_progress.h"
#include "ui/compare_window.h"
#include "ui/dialog_place.h"
#include "ui/dialogs.h"
#include "ui/find_dialog.h"
#include "ui/help_window.h"
#include "ui/input_watch.h"
#include "ui/msgbox.h"
#include "ui/reentry_guard.h"
#include "ui/resources.h"
#include "ui/restore_backup_dialog.h"

namespace {
constexpr int kTickMs = 200;
// Ticks without a wake-up before the window tick sleeps: enough for the
// tick after the last input to see its effect (a tree click switches the
// list on the next tick) and one more.
constexpr int kQuietTicksBeforeSleep = 2;
constexpr int kMinColumnPixels = 4;
constexpr int kTreeIndentTwips = 200;
constexpr int kNumRecent = 4;
const char* const kFileFilter = "Data Files (*.ACF *.acf)";
// A channel row on its way from the grid: "process id/window/key/row".
const char* const kChannelMime = "application/x-csq5-channel";

const char* const kPresetTables[10] = {"AUSTRALIA", "CCIR",  "CHINA",       "FOT",    "INDONESIA",
                                       "ITALY",     "JAPAN", "NEW ZEALAND", "TAIWAN", "USA"};

struct ToolButtonDef {
    const char* key;
    const char* tip;
    const char* image;
};
const ToolButtonDef kToolButtons[] = {
    {"Bar_File_New", "New", "Img_File_New"},
    {"Bar_File_Open", "Open", "Img_File_Open"},
    {"Bar_File_Save", "Save", "Img_File_Save"},
    {nullptr, nullptr, nullptr},
    {"Bar_Edit_Ch", "Edit Memory", "Img_Edit_Ch"},
    {"Bar_Edit_Copy", "Copy", "Img_Edit_Copy"},
    {"Bar_Edit_Paste", "Paste", "Img_Edit_Paste"},
    {"Bar_Edit_Clear", "Clear", "Img_Edit_Clear"},
    {"Bar_Edit_Undo", "Undo", "Img_Edit_Undo"},
    {"Bar_Edit_Redo", "Redo", "Img_Edit_Redo"},
    {nullptr, nullptr, nullptr},
    {"Bar_View_Common", "Common", "Img_View_Common"},
    {nullptr, nullptr, nullptr},
    {"Bar_Port_Com1", "COM1", "Img_Port_Com1"},
    {"Bar_Port_Com2", "COM2", "Img_Port_Com2"},
    {"Bar_Port_Com3", "COM3", "Img_Port_Com3"},
    {"Bar_Port_Com4", "COM4", "Img_Port_Com4"},
    {nullptr, nullptr, nullptr},
    {"Bar_Clone_Read", "Clone read", "Img_Clone_Read"},
    {"Bar_Clone_Write", "Clone write", "Img_Clone_Write"},
    {"Bar_Clone_Info", "Clone info.", "Img_Clone_Info"},
    {nullptr, nullptr, nullptr},
    {"Bar_Help_Contents", "Help contents", "Img_Help_Contents"},
};

QIcon ImageIcon(const QString& imageKey) {
    return QIcon(QStringLiteral(":/icons/") + imageKey + QStringLiteral(".png"));
}

QRect ToRect(const PlaceRect& r, double tppX, double tppY) {
    const int left = TwipsToPixels(r.left, tppX);
    const int top = TwipsToPixels(r.top, tppY);
    const int right = TwipsToPixels(r.left + r.width, tppX);
    const int bottom = TwipsToPixels(r.top + r.height, tppY);
    return QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
}

// The model's texts are UTF-8 (plain ASCII for what the receiver stores).
QString FromModel(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// File > Read Backups Folder where no file manager could show the folder.
std::string BackupFolderText(const std::string& folder) {
    if (folder.empty())
        return "The copies of clone reads have no folder: neither XDG_DATA_HOME nor HOME names "
               "one.";
    return "The folder cannot be shown in a file manager.\r\n\r\nThe copies of clone reads are "
           "kept in\r\n" +
           folder;
}
}  // namespace

frmMain::frmMain(MainWindowModel* model, clsCmcRadio* radio, QWidget* parent)
    : QMainWindow(parent) {
    InitUiResources();
    if (!model) ownModel_ = std::make_unique<MainWindowModel>();
    if (!radio) ownRadio_ = std::make_unique<clsCmcRadio>();
    model_ = model ? model : ownModel_.get();
    radio_ = radio ? radio : ownRadio_.get();
    itemWidth_.fill(-1);
    savedRow_.fill(1);
    savedTopRow_.fill(1);

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramName);

    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("frmMain_Area"));
    setCentralWidget(area_);

    trvChList_ = new QTreeWidget(area_);
    trvChList_->setObjectName(QStringLiteral("trvChList"));
    trvChList_->setHeaderHidden(true);
    trvChList_->setRootIsDecorated(true);
    trvChList_->setIndentation(TwipsToPixels(kTreeIndentTwips, TwipsPerPixelX()));
    trvChList_->setIconSize(QSize(24, 24));
    trvChList_->setSelectionMode(QAbstractItemView::SingleSelection);

    fraSeparator_ = new QFrame(area_);
    fraSeparator_->setObjectName(QStringLiteral("fraSeparator"));
    fraSeparator_->setCursor(Qt::SplitHCursor);
    fraSeparator_->installEventFilter(this);

    mfgCh_ = new QTableWidget(area_);
    mfgCh_->setObjectName(QStringLiteral("mfgCh"));
    mfgCh_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgCh_->setSelectionBehavior(QAbstractItemView::SelectRows);
    mfgCh_->setSelectionMode(QAbstractItemView::SingleSelection);
    mfgCh_->verticalHeader()->setVisible(false);
    mfgCh_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mfgCh_->verticalHeader()->setDefaultSectionSize(mfgCh_->fontMetrics().height() + 4);
    mfgCh_->horizontalHeader()->setMinimumSectionSize(kMinColumnPixels);
    mfgCh_->horizontalHeader()->setStretchLastSection(true);
    mfgCh_->horizontalHeader()->setSectionsMovable(false);
    // A click on the header puts the cursor on the first row in view; it
    // opens no menu, and the grid's own menu does not take it over either.
    mfgCh_->horizontalHeader()->setContextMenuPolicy(Qt::PreventContextMenu);
    mfgCh_->horizontalHeader()->viewport()->installEventFilter(this);
    // The grid scrolls by whole columns, so that the first column in view is
    // a column, as the right arrow key counts them.
    mfgCh_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    mfgCh_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mfgCh_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mfgCh_->setWordWrap(false);
    mfgCh_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The grid's selection is always one whole row: Tab leaves the grid
    // instead of walking its cells.
    mfgCh_->setTabKeyNavigation(false);
    mfgCh_->installEventFilter(this);
    // Rows are dragged onto other rows or onto a bank of the tree; the
    // window handles the drag itself, the views only show it.
    mfgCh_->viewport()->installEventFilter(this);
    mfgCh_->viewport()->setAcceptDrops(true);
    trvChList_->viewport()->installEventFilter(this);
    trvChList_->viewport()->setAcceptDrops(true);
    connect(mfgCh_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { mnuEdit_Click(0); });
    connect(mfgCh_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const int row = mfgCh_->rowAt(pos.y());
        if (row < 0) return;
        SetCursorRow(row);
        ShowEditPopup(mfgCh_->viewport()->mapToGlobal(pos));
    });

    txtShield_ = new QPlainTextEdit(area_);
    txtShield_->setObjectName(QStringLiteral("txtShield"));
    txtShield_->setReadOnly(true);
    txtShield_->setFocusPolicy(Qt::NoFocus);

    area_->installEventFilter(this);
    setTabOrder(trvChList_, mfgCh_);

    BuildMenus();
    BuildToolbar();

    progress_ = new frmCloneProgress(this);

    timMain_ = new QTimer(this);
    timMain_->setObjectName(QStringLiteral("timMain"));
    timMain_->setInterval(kTickMs);
    connect(timMain_, &QTimer::timeout, this, [this] {
        timMain_Timer();
        if (++quietTicks_ >= kQuietTicksBeforeSleep) timMain_->stop();
    });
    new InputWatch([this] { WakeTick(); }, this);

    // Load step: the document has no file yet; the file dialogs start in the
    // process's folder (the document commands' starting folder).
    reopenFlag_ = false;
    ResetRig();
    AdjustRecentFile();
    AdjustPortMarks();
    timMain_->start();
}

frmMain::~frmMain() = default;

void frmMain::setModel(MainWindowModel* model) {
    if (!model && !ownModel_) ownModel_ = std::make_unique<MainWindowModel>();
    model_ = model ? model : ownModel_.get();
    model_->VerifyAfterWrite(verifyAfterWrite_);
    ResetRig();
    AdjustRecentFile();
}

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

    QMenu* mFile = bar->addMenu(QStringLiteral("&File"));
    mFile->setObjectName(QStringLiteral("mnuFile"));
    file_[0] = AddItem(mFile, "mnuFile_New", "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
    file_[1] = AddItem(mFile, "mnuFile_Open", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    file_[2] = AddItem(mFile, "mnuFile_Save", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    file_[3] = AddItem(mFile, "mnuFile_SaveAs", "Save &As...");
    file_[4] = addSeparator(mFile, "mnuFile_Sep4");
    for (int i = 0; i < kNumRecent; ++i)
        file_[5 + i] = AddItem(mFile, QStringLiteral("mnuFile_Recent%1").arg(i + 1), QString());
    file_[9] = addSeparator(mFile, "mnuFile_Sep9");
    // The items added to the menu keep their numbers after Exit's, but
    // stand before it: Exit closes the menu as it closes every program's.
    file_[12] = AddItem(mFile, "mnuFile_ExportCsv", "Export &CSV...");
    file_[13] = AddItem(mFile, "mnuFile_ImportCsv", "&Import CSV...");
    // The channel lists on paper or in a PDF file.
    file_[16] = addSeparator(mFile, "mnuFile_Sep16");
    file_[17] = AddItem(mFile, "mnuFile_ExportPdf", "Export P&DF...");
    file_[18] = AddItem(mFile, "mnuFile_Print", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    file_[14] = addSeparator(mFile, "mnuFile_Sep14");
    // Going back to a read, and seeing what differs from a file or a read.
    file_[19] = AddItem(mFile, "mnuFile_RestoreBackup", "&Restore Backup...");
    file_[20] = AddItem(mFile, "mnuFile_Compare", "Compare &With...");
    file_[15] = AddItem(mFile, "mnuFile_Backups", "Read &Backups Folder");
    file_[11] = addSeparator(mFile, "mnuFile_Sep11");
    file_[10] = AddItem(mFile, "mnuFile_Exit", "E&xit");
    for (int i = 0; i < int(file_.size()); ++i)
        if (!file_[i]->isSeparator())
            connect(file_[i], &QAction::triggered, this, [this, i] { mnuFile_Click(i); });

    mnuEdit_ = bar->addMenu(QStringLiteral("&Edit"));
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    edit_[0] = AddItem(mnuEdit_, "mnuEdit_EditMemory", "&Edit Memory...");
    edit_[1] = addSeparator(mnuEdit_, "mnuEdit_Sep1");
    edit_[2] = AddItem(mnuEdit_, "mnuEdit_Copy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit_[3] = AddItem(mnuEdit_, "mnuEdit_Paste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
    edit_[4] = addSeparator(mnuEdit_, "mnuEdit_Sep4");
    edit_[5] = AddItem(mnuEdit_, "mnuEdit_Clear", "Clear", QKeySequence(Qt::Key_Delete));
    edit_[6] = AddItem(mnuEdit_, "mnuEdit_Delete", "Delete");
    edit_[7] = AddItem(mnuEdit_, "mnuEdit_Insert", "Insert");
    edit_[8] = addSeparator(mnuEdit_, "mnuEdit_Sep8");
    edit_[9] = AddItem(mnuEdit_, "mnuEdit_Undo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit_[10] = AddItem(mnuEdit_, "mnuEdit_Redo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
    // Working with many channels: finding them, putting a bank in order.
    edit_[11] = addSeparator(mnuEdit_, "mnuEdit_Sep11");
    edit_[12] = AddItem(mnuEdit_, "mnuEdit_Find", "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F));
    edit_[13] = AddItem(mnuEdit_, "mnuEdit_FindNext", "Find &Next", QKeySequence(Qt::Key_F3));
    edit_[14] = addSeparator(mnuEdit_, "mnuEdit_Sep14");
    edit_[15] = AddItem(mnuEdit_, "mnuEdit_SortBank", "&Sort Bank...");
    for (int i = 0; i < int(edit_.size()); ++i)
        if (!edit_[i]->isSeparator())
            connect(edit_[i], &QAction::triggered, this, [this, i] { mnuEdit_Click(i); });

    QMenu* mView = bar->addMenu(QStringLiteral("&View"));
    mView->setObjectName(QStringLiteral("mnuView"));
    view_[0] = AddItem(mView, "mnuView_Common", "&Common Setting...");
    view_[1] = addSeparator(mView, "mnuView_Sep1");
    view_[2] = AddItem(mView, "mnuView_Toolbar", "&Toolbar");
    view_[2]->setCheckable(true);
    for (int i : {0, 2})
        connect(view_[i], &QAction::triggered, this, [this, i] { mnuView_Click(i); });

    QMenu* mCom = bar->addMenu(QStringLiteral("COM &Port"));
    mCom->setObjectName(QStringLiteral("mnuCom"));
    for (int p = 1; p <= 4; ++p) {
        com_[p] =
            AddItem(mCom, QStringLiteral("mnuCom_Com%1").arg(p), QStringLiteral("COM &%1").arg(p));
        com_[p]->setCheckable(true);
        connect(com_[p], &QAction::triggered, this, [this, p] { mnuCom_Click(p); });
    }
    mCom->addSeparator()->setObjectName(QStringLiteral("mnuCom_Sep5"));
    com_[5] = AddItem(mCom, "mnuCom_Devices", "&Devices...");
    connect(com_[5], &QAction::triggered, this, [this] {
        if (modalFlag_ || !assignComDevices_) return;
        modalFlag_ = true;
        assignComDevices_();
        modalFlag_ = false;
        AdjustComCaptions();
    });
    // The devices behind the slots can change while the program runs (a
    // USB adapter plugged in): the captions are looked up when the menu opens.
    connect(mCom, &QMenu::aboutToShow, this, [this] { AdjustComCaptions(); });

    QMenu* mClone = bar->addMenu(QStringLiteral("&Cloning"));
    mClone->setObjectName(QStringLiteral("mnuClone"));
    clone_[0] = AddItem(mClone, "mnuClone_Read", "&Read <- Receiver");
    clone_[1] = AddItem(mClone, "mnuClone_Write", "&Write -> Receiver");
    clone_[2] = addSeparator(mClone, "mnuClone_Sep2");
    clone_[3] = AddItem(mClone, "mnuClone_Info", "&Information...");
    for (int i : {0, 1, 3})
        connect(clone_[i], &QAction::triggered, this, [this, i] { mnuClone_Click(i); });
    // A write followed by a read that checks what the receiver now holds.
    clone_[4] = addSeparator(mClone, "mnuClone_Sep4");
    clone_[5] = AddItem(mClone, "mnuClone_Verify", "&Verify After Write");
    clone_[5]->setCheckable(true);
    connect(clone_[5], &QAction::toggled, this, [this](bool on) { VerifyAfterWrite(on); });

    QMenu* mOpt = bar->addMenu(QStringLiteral("&Option"));
    mOpt->setObjectName(QStringLiteral("mnuOpt"));
    QMenu* mPreset = mOpt->addMenu(QStringLiteral("&Preset TV CH"));
    mPreset->setObjectName(QStringLiteral("mnuOptPresetTv"));
    mPreset->menuAction()->setObjectName(QStringLiteral("mnuOpt_PresetTv"));
    for (int i = 0; i < 10; ++i) {
        presetTv_[i] = AddItem(mPreset, QStringLiteral("mnuOptPresetTv_%1").arg(i),
                               QString::fromLatin1(kPresetTables[i]));
        connect(presetTv_[i], &QAction::triggered, this, [this, i] { mnuOptPresetTv_Click(i); });
    }

    QMenu* mHelp = bar->addMenu(QStringLiteral("&Help"));
    mHelp->setObjectName(QStringLiteral("mnuHelp"));
    helpItems_[0] = AddItem(mHelp, "mnuHelp_Contents", "&Contents", QKeySequence(Qt::Key_F1));
    helpItems_[1] = addSeparator(mHelp, "mnuHelp_Sep1");
    helpItems_[2] = AddItem(mHelp, "mnuHelp_About", "&About CS-Q5...");
    for (int i : {0, 2})
        connect(helpItems_[i], &QAction::triggered, this, [this, i] { mnuHelp_Click(i); });
}

void frmMain::BuildToolbar() {
    Toolbar1_ = new QToolBar(QStringLiteral("Toolbar"), this);
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
        auto* a = new QAction(ImageIcon(QString::fromLatin1(def.image)),
                              QString::fromLatin1(def.tip), this);
        a->setObjectName(key);
        a->setToolTip(QString::fromLatin1(def.tip));
        if (key.startsWith(QStringLiteral("Bar_Port_Com"))) {
            a->setCheckable(true);
            portButtons_[key.right(1).toInt()] = a;
        }
        static const char* const kEditKeys[] = {"Bar_Edit_Ch",    "Bar_Edit_Copy", "Bar_Edit_Paste",
                                                "Bar_Edit_Clear", "Bar_Edit_Undo", "Bar_Edit_Redo"};
        for (int b = 0; b < 6; ++b)
            if (key == QLatin1String(kEditKeys[b])) editButtons_[b] = a;
        connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        Toolbar1_->addAction(a);
    }
    Toolbar1_->installEventFilter(this);
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

// ------------------------------------------------------------- document

void frmMain::ResetRig() {
    model_->ResetMap();
    BuildChTree();
    grid_Init();
    DispChList();
}

int frmMain::CheckEditedAndSave() {
    const std::string prompt = model_->SaveChangesPrompt(reopenFlag_);
    if (!radio_->EditOn()) return 1;
    const int answer = MsgBoxYesNoCancel(prompt, this);
    if (answer == kMsgYes) {
        FileCommand(2);
        return radio_->EditOn() ? 2 : 1;
    }
    return answer == kMsgNo ? 1 : 2;
}

QString frmMain::FileName() const {
    return FromModel(model_->FileName());
}

QString frmMain::FileTitle() const {
    return FromModel(model_->FileTitle());
}

QString frmMain::CurDir() const {
    const QString dir = FromModel(model_->CurDir());
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

void frmMain::FileCommand(int index) {
    const QString filter = QString::fromLatin1(kFileFilter);
    // The document commands show the wait cursor while the file is written,
    // and take it away before they report a failure.
    auto save = [this](const QString& name) { model_->SaveDocument(name.toStdString()); };
    switch (index) {
        case 0:
            if (CheckEditedAndSave() == 1) {
                model_->NewDocument();
                DispChList();
            }
            break;
        case 1: {
            const QString name = Dialogs().OpenFileName(this, CurDir(), filter);
            if (!name.isEmpty()) OpenChosenFile(name);
            break;
        }
        case 2: {
            const QString current = FileName();
            if (!current.isEmpty() && !reopenFlag_) {
                const QFileInfo info(current);
                if (info.exists() && info.isWritable()) {
                    save(current);
                    break;
                }
            }
            FileCommand(3);
            break;
        }
        case 3: {
            const QString suggested = QDir(CurDir()).filePath(FileTitle());
            const QString name = Dialogs().SaveFileName(this, suggested, filter);
            if (!name.isEmpty()) save(name);
            break;
        }
        case 5:
        case 6:
        case 7:
        case 8: {
            const int i = index - 5;
            if (i < model_->RecentCount()) OpenChosenFile(FromModel(model_->RecentFileName(i)));
            break;
        }
        case 10:
            close();
            break;
        case 12:
            model_->ExportCsv();
            break;
        case 13:
            if (model_->ImportCsv()) DispChList();
            break;
        case 17:
            model_->ExportPdf();
            break;
        case 18:
            model_->Print();
            break;
        case 19: {
            const std::vector<BackupEntry> backups = model_->BackupList();
            if (backups.empty()) {
                MsgBoxPlain(NoBackupsText(model_->BackupFolder()), kProgramName, this);
                break;
            }
            frmRestoreBackup dialog(backups, this);
            Dialogs().ShowModal(dialog);
            const QString path = FromModel(dialog.ChosenPath());
            if (dialog.Chosen() == frmRestoreBackup::Choice::Open) {
                RestoreBackup(path);
            } else if (dialog.Chosen() == frmRestoreBackup::Choice::Compare) {
                CompareWithFile(path);
            }
            break;
        }
        case 20: {
            const QString name = Dialogs().OpenFileName(this, CurDir(), filter);
            if (!name.isEmpty()) CompareWithFile(name);
            break;
        }
        case 15: {
            // The folder is made on the first read; show it before that too.
            // Where no file manager can show it (or it cannot be made), its
            // path at least tells the user where to look.
            const std::string folder = model_->BackupFolder();
            const QString path = FromModel(folder);
            if (path.isEmpty() || !QDir().mkpath(path) || !Dialogs().OpenFolder(path))
                MsgBoxPlain(BackupFolderText(folder), kProgramName, this);
            break;
        }
        default:
            break;
    }
}

void frmMain::OpenChosenFile(const QString& name) {
    const QString current = FileName();
    if (!current.isEmpty() && name.compare(current, Qt::CaseInsensitive) == 0) reopenFlag_ = true;
    if (CheckEditedAndSave() != 1) return;
    // The document commands show the wait cursor while the file is read,
    // and take it away before they report a failure.
    model_->LoadDocument(name.toStdString());
    DispChList();
}

void frmMain::RestoreBackup(const QString& path) {
    if (CheckEditedAndSave() != 1) return;
    // The document commands show the wait cursor while the file is read,
    // and take it away before they report a failure.
    model_->RestoreBackup(path.toStdString());
    DispChList();
}

void frmMain::CompareWithFile(const QString& path) {
    std::vector<ImageDifference> differences;
    if (!model_->CompareWith(path.toStdString(), differences)) return;
    const QString other = QFileInfo(path).fileName();
    if (differences.empty()) {
        MsgBoxPlain(NoDifferencesText(other.toStdString()), kProgramName, this);
        return;
    }
    frmCompare& window = CompareWindow();
    window.SetDifferences(FileTitle(), other, differences);
    window.show();
    window.raise();
    window.activateWindow();
}

frmCompare& frmMain::CompareWindow() {
    if (!compare_) {
        compare_ = new frmCompare(this);
        connect(compare_, &frmCompare::channelChosen, this,
                [this](int key, int row) { ShowChannel(key, row); });
    }
    return *compare_;
}

void frmMain::RunFileCommand(const std::function<void()>& command) {
    const bool wasModal = modalFlag_;
    modalFlag_ = true;
    command();
    modalFlag_ = wasModal;
    AdjustRecentFile();
    reopenFlag_ = false;
    WakeTick();  // a save changes the caption without redrawing the list
}

void frmMain::mnuFile_Click(int index) {
    RunFileCommand([this, index] { FileCommand(index); });
}

void frmMain::OpenDataFile(const QString& path) {
    RunFileCommand([this, &path] { OpenChosenFile(path); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (CheckEditedAndSave() == 2) {
        event->ignore();
        return;
    }
    GetItemWidth();
    timMain_->stop();
    tickEnded_ = true;
    if (help_) help_->close();
    emit Closing();
    event->accept();
}

// ------------------------------------------------------- other commands

void frmMain::mnuEdit_Click(int index) {
    WindowUpkeep();
    QAction* item = MenuItem(QStringLiteral("mnuEdit"), index);
    if (!item || item->isSeparator() || !item->isEnabled()) return;
    const int key = curTreeKey_;
    const int row = CurChNo();
    if (index == 9 || index == 10) {
        if (index == 9) {
            model_->Undo();
        } else {
            model_->Redo();
        }
        DispChList();
        return;
    }
    if (index == 12 || index == 13) {
        FindCommand(index == 13);
        return;
    }
    if (index == 15) {
        const bool wasModal = modalFlag_;
        modalFlag_ = true;
        model_->SortBank(key);
        modalFlag_ = wasModal;
        DispChList();
        return;
    }
    const bool wasModal = modalFlag_;
    if (index == 0) modalFlag_ = true;
    model_->EditCommand(index, key, row);
    modalFlag_ = wasModal;
    // A copy changes no channel: the grid stays as it is.
    if (index != 2) DispChList();
}

void frmMain::mnuView_Click(int index) {
    if (index == 0) {
        const bool wasModal = modalFlag_;
        modalFlag_ = true;
        model_->CommonSetting();
        modalFlag_ = wasModal;
        DispChList();
    } else if (index == 2) {
        ToolBarFlag(1 - LimitInt(toolBarFlag_, 0, 1));
    }
}

void frmMain::mnuCom_Click(int index) {
    ComPortNo(index);
    task();
}

void frmMain::mnuClone_Click(int index) {
    if (index == 5) {
        VerifyAfterWrite(!verifyAfterWrite_);
        return;
    }
    if (index != 0 && index != 1 && index != 3) return;
    const bool wasModal = modalFlag_;
    modalFlag_ = true;
    const QRect g = frameGeometry();
    const PlaceRect c =
        CentreOver({g.left(), g.top(), g.width(), g.height()}, progress_->frameGeometry().width(),
                   progress_->frameGeometry().height());
    progress_->move(c.left, c.top);
    model_->CloneCommand(index, comPortNo_);
    modalFlag_ = wasModal;
    DispChList();
}

void frmMain::mnuOptPresetTv_Click(int index) {
    if (index < 0 || index >= int(presetTv_.size())) return;
    // Show the TV list before asking, so the user sees what is replaced.
    for (QTreeWidgetItemIterator it(trvChList_); *it; ++it) {
        const int key = (*it)->data(0, Qt::UserRole).toInt();
        if (ChListOfTreeKey(key) != clsRigQ5_Master::kListTv) continue;
        trvChList_->setCurrentItem(*it);
        WindowUpkeep();
    }
    const std::string table = presetTv_[index]->text().toStdString();
    if (MsgBoxOkCancel("All TV CH will be replaced with '" + table + "' table.\\nSure ?", this) !=
        kMsgOk)
        return;
    model_->PresetTv(index);
    DispChList();
}

void frmMain::mnuHelp_Click(int index) {
    if (index == 0) {
        Help().ShowContents();
    } else if (index == 2) {
        frmAbout about(this);
        about.adjustSize();
        const QRect g = frameGeometry();
        const PlaceRect c =
            CentreOver({g.left(), g.top(), g.width(), g.height()}, about.width(), about.height());
        about.move(c.left, c.top);
        const bool wasModal = modalFlag_;
        modalFlag_ = true;
        Dialogs().ShowModal(about);
        modalFlag_ = wasModal;
    }
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (modalFlag_) {
        AdjustPortMarks();  // a port button pressed meanwhile springs back
        return;
    }
    static const struct {
        const char* key;
        int menu;  // 0 file, 1 edit, 2 view, 3 com, 4 clone, 5 help
        int index;
    } kCommands[] = {
        {"Bar_File_New", 0, 0},    {"Bar_File_Open", 0, 1},  {"Bar_File_Save", 0, 2},
        {"Bar_Edit_Ch", 1, 0},     {"Bar_Edit_Copy", 1, 2},  {"Bar_Edit_Paste", 1, 3},
        {"Bar_Edit_Clear", 1, 5},  {"Bar_Edit_Undo", 1, 9},  {"Bar_Edit_Redo", 1, 10},
        {"Bar_View_Common", 2, 0}, {"Bar_Port_Com1", 3, 1},  {"Bar_Port_Com2", 3, 2},
        {"Bar_Port_Com3", 3, 3},   {"Bar_Port_Com4", 3, 4},  {"Bar_Clone_Read", 4, 0},
        {"Bar_Clone_Write", 4, 1}, {"Bar_Clone_Info", 4, 3}, {"Bar_Help_Contents", 5, 0},
    };
    for (const auto& c : kCommands) {
        if (key != QLatin1String(c.key)) continue;
        switch (c.menu) {
            case 0:
                mnuFile_Click(c.index);
                break;
            case 1:
                mnuEdit_Click(c.index);
                break;
            case 2:
                mnuView_Click(c.index);
                break;
            case 3:
                mnuCom_Click(c.index);
                break;
            case 4:
                mnuClone_Click(c.index);
                break;
            case 5:
                mnuHelp_Click(c.index);
                break;
        }
        return;
    }
}

void frmMain::ShowEditPopup(const QPoint& globalPos) {
    WindowUpkeep();
    mnuEdit_->popup(globalPos);
}

// ---------------------------------------------------------------- ticks

void frmMain::timMain_Timer() {
    ReentryGuard guard(tickBusy_);
    if (!guard) return;
    WindowUpkeep();
}

void frmMain::WindowUpkeep() {
    grid_Heal();
    const int key = SelectedTreeKey();
    if (key != curTreeKey_) ChangeTreeKey(key);
    const bool gridShown = !mfgCh_->isHidden();
    if (txtShield_->isHidden() == gridShown) txtShield_->setVisible(!gridShown);
    const QString caption = MainCaption(FileTitle(), demoReceiver_);
    if (windowTitle() != caption) setWindowTitle(caption);
    const int columns = mfgCh_->columnCount();
    for (int c = 0; c + 1 < columns; ++c)
        if (mfgCh_->columnWidth(c) < kMinColumnPixels) mfgCh_->setColumnWidth(c, kMinColumnPixels);
    AdjustMnuEdit();
    // The port marks and the toolbar check also follow here, so that they are
    // right even while no serial tick runs; the clone itself is stepped only
    // by the serial tick through task().
    AdjustPortMarks();
}

void frmMain::task() {
    ReentryGuard guard(taskBusy_);
    if (!guard) return;
    // The serial tick runs only while a clone runs or the port is open; the
    // window tick follows what the clone changes.
    WakeTick();
    model_->CloneTask();
    AdjustPortMarks();
}

void frmMain::WakeTick() {
    quietTicks_ = 0;
    if (timMain_ && !tickEnded_ && !timMain_->isActive()) timMain_->start();
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
        QString text = QStringLiteral("COM &%1").arg(p);
        const QString device = comDeviceOf_ ? comDeviceOf_(p) : QString();
        if (!device.isEmpty()) text += QStringLiteral(" (") + device + QLatin1Char(')');
        if (com_[p]->text() != text) com_[p]->setText(text);
    }
}

void frmMain::SetEditEnabled(int index, bool enabled) {
    if (edit_[index]->isEnabled() != enabled) edit_[index]->setEnabled(enabled);
}

void frmMain::AdjustMnuEdit() {
    ChEditState st;
    if (CurChList() < clsRigQ5_Master::kListFolder && mfgCh_->rowCount() > 0)
        st = model_->EditStateOf(curTreeKey_, CurChNo());
    const bool base = st.exists && st.usable;
    SetEditEnabled(0, base);
    SetEditEnabled(2, base);
    SetEditEnabled(3, base && st.pasteAllowed);
    SetEditEnabled(5, base && st.clearEnable);
    SetEditEnabled(6, base && st.clearEnable);
    SetEditEnabled(7, base && st.clearEnable);
    // Undo and Redo do not depend on the channel under the cursor.
    SetEditEnabled(9, model_->CanUndo());
    SetEditEnabled(10, model_->CanRedo());
    // Find searches every list wherever the cursor is; sorting is for banks.
    const bool lists = trvChList_->topLevelItemCount() > 0;
    SetEditEnabled(12, lists);
    SetEditEnabled(13, lists);
    SetEditEnabled(15, model_->CanSortBank(curTreeKey_));
    static constexpr int kButtonItems[] = {0, 2, 3, 5, 9, 10};
    for (int b = 0; b < 6; ++b) {
        QAction* a = editButtons_[b];
        const bool on = edit_[kButtonItems[b]]->isEnabled();
        if (a && a->isEnabled() != on) a->setEnabled(on);
    }
}

void frmMain::AdjustRecentFile() {
    const int n = LimitInt(model_->RecentCount(), 0, kNumRecent);
    for (int i = 0; i < kNumRecent; ++i) {
        QAction* a = file_[5 + i];
        if (i < n) {
            a->setText(QStringLiteral("&%1 ").arg(i + 1) +
                       QString::fromStdString(model_->RecentFileTitle(i)));
            a->setEnabled(true);
            a->setVisible(true);
        } else if (i == 0) {
            a->setText(QStringLiteral("Recent File"));
            a->setEnabled(false);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

// ------------------------------------------------------- tree and grid

void frmMain::BuildChTree() {
    trvChList_->clear();
    QHash<QString, QTreeWidgetItem*> byKey;
    QTreeWidgetItem* second = nullptr;
    int count = 0;
    for (int i = 0; i < kNumTreeKeys; ++i) {
        const std::string def = model_->TreeKeyStr(i);
        if (def.empty()) break;
        const TreeKeyParts parts = ParseTreeKeyStr(def);
        const QString image = QString::number(parts.image);
        const QString text = FromModel(parts.caption);
        const QString key = FromModel(parts.key);
        QTreeWidgetItem* parent =
            parts.parent.empty() ? nullptr : byKey.value(FromModel(parts.parent), nullptr);
        auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(trvChList_);
        node->setText(0, text);
        node->setData(0, Qt::UserRole, i);
        node->setIcon(0, QIcon(QStringLiteral(":/icons/Tree_%1.png").arg(image)));
        byKey.insert(key, node);
        node->setExpanded(true);
        if (++count == 2) second = node;
    }
    if (second) trvChList_->setCurrentItem(second);
}

int frmMain::SelectedTreeKey() const {
    const auto selected = trvChList_->selectedItems();
    if (selected.isEmpty()) return 0;
    return selected.front()->data(0, Qt::UserRole).toInt();
}

int frmMain::ChListOfTreeKey(int key) const {
    return model_->TreeKeyChListType(key);
}

void frmMain::ChangeTreeKey(int key) {
    GetItemWidth();
    if (curTreeKey_ >= 0 && curTreeKey_ < kNumTreeKeys) {
        savedRow_[curTreeKey_] = mfgCh_->currentRow() + 1;
        savedTopRow_[curTreeKey_] = mfgCh_->rowAt(0) + 1;
    }
    curTreeKey_ = LimitInt(key, 0, kNumTreeKeys - 1);
    grid_SetColumns();
    const int rows = mfgCh_->rowCount();
    if (rows > 0) {
        const int top = LimitInt(savedTopRow_[curTreeKey_], 1, rows) - 1;
        const int cur = LimitInt(savedRow_[curTreeKey_], 1, rows) - 1;
        // The cells are empty until DispChList fills them: scroll to the
        // row itself, which exists already.
        mfgCh_->scrollTo(mfgCh_->model()->index(top, 0), QAbstractItemView::PositionAtTop);
        mfgCh_->setCurrentCell(cur, 0);
    }
    DispChList();
    radio_->CheckEditOn();
}

void frmMain::grid_Init() {
    mfgCh_->setEnabled(false);
    QPalette pal = mfgCh_->palette();
    // Without focus the chosen row shows in button face, as in a list that
    // is not being worked in.
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Button));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::WindowText));
    mfgCh_->setPalette(pal);
    grid_SetColumns();
    if (mfgCh_->rowCount() > 0) mfgCh_->setCurrentCell(0, 0);
    mfgCh_->setEnabled(true);
}

void frmMain::grid_SetColumns() {
    const bool updates = mfgCh_->updatesEnabled();
    mfgCh_->setUpdatesEnabled(false);
    const int listType = CurChList();
    if (listType < clsRigQ5_Master::kListFolder) {
        mfgCh_->clear();
        const int columns = std::max(model_->NumItemOfChListType(listType), 0);
        const int rows = std::max(model_->NumChOfChListType(listType), 0);
        mfgCh_->setColumnCount(columns);
        mfgCh_->setRowCount(rows);
        const QFontMetrics fm(mfgCh_->horizontalHeader()->font());
        for (int c = 0; c < columns; ++c) {
            const int item = model_->ItemNoOfChListType(listType, c);
            const QString title = FromModel(model_->ChItemName(item));
            auto* h = new QTableWidgetItem(title.trimmed());
            h->setTextAlignment(c == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
            mfgCh_->setHorizontalHeaderItem(c, h);
            // The title with its trailing blanks gives the column's width.
            mfgCh_->setColumnWidth(c, fm.horizontalAdvance(title) + 2 * fm.averageCharWidth());
            if (item >= 0 && item < kNumItems && item != clsRigQ5_Ch::kItemLast &&
                itemWidth_[item] >= 1)
                mfgCh_->setColumnWidth(c, TwipsToPixels(itemWidth_[item], TwipsPerPixelX()));
        }
        mfgCh_->setVisible(true);
    } else {
        mfgCh_->setVisible(false);
    }
    txtShield_->setVisible(mfgCh_->isHidden());
    mfgCh_->scrollToTop();
    mfgCh_->horizontalScrollBar()->setValue(0);
    grid_Heal();
    Form_Resize();
    mfgCh_->setUpdatesEnabled(updates);
}

void frmMain::DispChList() {
    WakeTick();  // the channels changed: the Edit menu may follow
    const int listType = CurChList();
    if (listType >= clsRigQ5_Master::kListFolder) return;
    const int rows = mfgCh_->rowCount();
    const int columns = mfgCh_->columnCount();
    if (rows != std::max(model_->NumChOfChListType(listType), 0) ||
        columns != std::max(model_->NumItemOfChListType(listType), 0)) {
        grid_SetColumns();  // the list's shape changed (a new version)
    }
    for (int n = 0; n < mfgCh_->rowCount(); ++n) DispChRow(curTreeKey_, n);
    grid_XHeal();
}

void frmMain::DispChRow(int key, int row) {
    const std::vector<std::string> texts = model_->ChRowTexts(key, row);
    for (int c = 0; c < mfgCh_->columnCount(); ++c) {
        const QString text = c < int(texts.size()) ? FromModel(texts[c]) : QString();
        QTableWidgetItem* cell = mfgCh_->item(row, c);
        if (!cell) {
            cell = new QTableWidgetItem();
            cell->setTextAlignment(c == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
            mfgCh_->setItem(row, c, cell);
        }
        if (cell->text() != text) cell->setText(text);
    }
}

void frmMain::grid_Heal() {
    // The grid selects whole rows only; what can still go wrong is a
    // selection that lost its row (after a clear) while a cursor remains.
    const int rows = mfgCh_->rowCount();
    if (rows == 0) return;
    const int cur = mfgCh_->currentRow();
    const auto selected = mfgCh_->selectionModel()->selectedRows();
    if (cur < 0 || selected.size() != 1 || selected.front().row() != cur) grid_XHeal();
}

void frmMain::grid_XHeal() {
    const int rows = mfgCh_->rowCount();
    if (rows == 0) return;
    SetCursorRow(LimitInt(mfgCh_->currentRow(), 0, rows - 1));
}

void frmMain::SetCursorRow(int row) {
    // The cursor sits in the row's first cell, and Qt would scroll that cell
    // into view: the columns the user has scrolled to stay in view instead.
    QScrollBar* across = mfgCh_->horizontalScrollBar();
    const int firstColumn = across->value();
    mfgCh_->setCurrentCell(row, 0);
    mfgCh_->selectRow(row);
    across->setValue(firstColumn);
}

void frmMain::ScrollColumns(int delta) {
    // The first column in view moves by delta, never beyond the second-last
    // column, so the filler is never the only column in view.
    const int columns = mfgCh_->columnCount();
    if (columns < 2) return;
    QScrollBar* across = mfgCh_->horizontalScrollBar();
    across->setValue(LimitInt(across->value() + delta, 0, columns - 2));
}

void frmMain::GetItemWidth() {
    const int listType = CurChList();
    if (listType >= clsRigQ5_Master::kListFolder) return;
    for (int c = 0; c < mfgCh_->columnCount(); ++c) {
        const int item = model_->ItemNoOfChListType(listType, c);
        if (item >= 0 && item < kNumItems && item != clsRigQ5_Ch::kItemLast)
            itemWidth_[item] = PixelsToTwips(mfgCh_->columnWidth(c), TwipsPerPixelX());
    }
}

int frmMain::CurChNo() const {
    return std::max(mfgCh_->currentRow(), 0);
}

int frmMain::CurChList() const {
    return ChListOfTreeKey(curTreeKey_);
}

void frmMain::Form_Resize() {
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    // The toolbar sits above the central area in this window, so the area's
    // own top is where the layout begins.
    const MainLayout l = ComputeMainLayout(PixelsToTwips(area_->width(), tx),
                                           PixelsToTwips(area_->height(), ty), 0, treeWidth_);
    trvChList_->setGeometry(ToRect(l.tree, tx, ty));
    mfgCh_->setGeometry(ToRect(l.grid, tx, ty));
    txtShield_->setGeometry(ToRect(l.grid, tx, ty));
    const QRect sep = ToRect(l.separator, tx, ty);
    fraSeparator_->setGeometry(QRect(
        trvChList_->geometry().right() + 1, sep.top(),
        std::max(mfgCh_->geometry().left() - trvChList_->geometry().right() - 1, 1), sep.height()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == mfgCh_->viewport() || watched == trvChList_->viewport()) &&
        ChannelDragEvent(static_cast<QWidget*>(watched), event))
        return true;
    if (watched == area_ && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == fraSeparator_) {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return QMainWindow::eventFilter(watched, event);
        auto* me = static_cast<QMouseEvent*>(event);
        const double tx = TwipsPerPixelX();
        if (type == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
            grabOffset_ = PixelsToTwips(int(me->position().x()), tx);
            dragging_ = true;
            return true;
        }
        if (type == QEvent::MouseMove && dragging_ && (me->buttons() & Qt::LeftButton)) {
            const std::int32_t sepLeft = PixelsToTwips(fraSeparator_->x(), tx) +
                                         PixelsToTwips(int(me->position().x()), tx) - grabOffset_;
            TreeWidth(sepLeft - PixelsToTwips(trvChList_->x(), tx));
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            dragging_ = false;
            return true;
        }
    } else if (watched == mfgCh_ && event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            mnuEdit_Click(0);
            return true;
        }
        // The selection is a whole row, so the arrows across scroll the
        // columns instead of moving a cell cursor nobody sees.
        const bool plain = (ke->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (ke->key() == Qt::Key_Right || ke->key() == Qt::Key_Left)) {
            ScrollColumns(ke->key() == Qt::Key_Right ? 1 : -1);
            return true;
        }
    } else if (watched == mfgCh_->horizontalHeader()->viewport() &&
               event->type() == QEvent::MouseButtonPress) {
        // Above the first row in view: the cursor goes to that row. The
        // header goes on with the press (a column's edge may be dragged).
        mfgCh_->setFocus(Qt::MouseFocusReason);
        const int first = mfgCh_->rowAt(0);
        if (first >= 0) SetCursorRow(first);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ------------------------------------------------- find, drag and drop

frmFind& frmMain::FindDialog() {
    if (!findDialog_) findDialog_ = new frmFind(this);
    return *findDialog_;
}

void frmMain::FindCommand(bool next) {
    if (!next || findText_.isEmpty()) {
        frmFind& dialog = FindDialog();
        dialog.Prepare(findText_);
        dialog.adjustSize();
        CentreDialogOver(dialog, *this);
        KeepDialogOnScreen(dialog);
        const bool wasModal = modalFlag_;
        modalFlag_ = true;
        Dialogs().ShowModal(dialog);
        modalFlag_ = wasModal;
        if (!dialog.Chosen()) return;
        findText_ = dialog.Text();
        next = false;  // a new text is searched from the top
    }
    const FindAnswer found = model_->FindChannel(findText_.toStdString(), next ? curTreeKey_ : -1,
                                                 next ? CurChNo() : -1);
    if (!found.found) {
        // The cursor stays where it was.
        MsgBoxOk(FindNotFoundText(findText_.toStdString()), this);
        return;
    }
    ShowChannel(found.key, found.row);
    if (found.wrapped) {
        statusBar()->showMessage(QString::fromLatin1(kFindWrappedText));
    } else {
        statusBar()->clearMessage();
    }
}

void frmMain::ShowChannel(int key, int row) {
    for (QTreeWidgetItemIterator it(trvChList_); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() != key) continue;
        trvChList_->setCurrentItem(*it);
        break;
    }
    WindowUpkeep();  // the grid follows the tree at once
    if (key != curTreeKey_ || row < 0 || row >= mfgCh_->rowCount()) return;
    SetCursorRow(row);
    mfgCh_->setFocus(Qt::OtherFocusReason);
}

QMimeData* frmMain::ChannelDragData(int key, int row) const {
    auto* data = new QMimeData;
    const QString text = QStringLiteral("%1/%2/%3/%4")
                             .arg(::getpid())
                             .arg(reinterpret_cast<quintptr>(this))
                             .arg(key)
                             .arg(row);
    data->setData(QString::fromLatin1(kChannelMime), text.toLatin1());
    return data;
}

bool frmMain::DecodeChannelDrag(const QMimeData* data, int& key, int& row) const {
    // Another program, or another copy of this one, may offer the same kind
    // of data: its places name channels of another document.
    if (!data || !data->hasFormat(QString::fromLatin1(kChannelMime))) return false;
    const QStringList parts =
        QString::fromLatin1(data->data(QString::fromLatin1(kChannelMime))).split(QLatin1Char('/'));
    if (parts.size() != 4 || parts[0] != QString::number(::getpid()) ||
        parts[1] != QString::number(reinterpret_cast<quintptr>(this)))
        return false;
    bool keyOk = false, rowOk = false;
    key = parts[2].toInt(&keyOk);
    row = parts[3].toInt(&rowOk);
    return keyOk && rowOk;
}

void frmMain::StartChannelDrag(int row) {
    const int key = curTreeKey_;
    if (modalFlag_ || !model_->EditStateOf(key, row).inUse) return;
    auto* drag = new QDrag(mfgCh_);
    drag->setMimeData(ChannelDragData(key, row));
    // The row itself travels under the mouse.
    QRect rect = mfgCh_->visualRect(mfgCh_->model()->index(row, 0));
    rect.setLeft(0);
    rect.setRight(mfgCh_->viewport()->width() - 1);
    drag->setPixmap(mfgCh_->viewport()->grab(rect));
    drag->setHotSpot(dragStart_ - rect.topLeft());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

bool frmMain::ChannelDragEvent(QWidget* viewport, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool grid = viewport == mfgCh_->viewport();
    if (grid && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                 type == QEvent::MouseButtonRelease)) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint pos = me->position().toPoint();
        if (type == QEvent::MouseButtonPress) {
            dragRow_ = me->button() == Qt::LeftButton ? mfgCh_->rowAt(pos.y()) : -1;
            dragStart_ = pos;
        } else if (type == QEvent::MouseButtonRelease || !(me->buttons() & Qt::LeftButton)) {
            dragRow_ = -1;
        } else if (dragRow_ >= 0 &&
                   (pos - dragStart_).manhattanLength() >= QApplication::startDragDistance()) {
            const int row = dragRow_;
            dragRow_ = -1;
            StartChannelDrag(row);
            return true;
        }
        return false;
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return type == QEvent::DragLeave;
    auto* de = static_cast<QDropEvent*>(event);
    int srcKey = -1, srcRow = -1;
    if (modalFlag_ || !DecodeChannelDrag(de->mimeData(), srcKey, srcRow)) {
        de->ignore();
        return true;
    }
    // Ctrl copies, as in every file manager; otherwise the channel moves.
    const bool keep = de->modifiers().testFlag(Qt::ControlModifier);
    const QPoint pos = de->position().toPoint();
    int dstKey = -1, dstRow = -1;
    if (grid) {
        dstKey = curTreeKey_;
        dstRow = mfgCh_->rowAt(pos.y());
    } else if (QTreeWidgetItem* node = trvChList_->itemAt(pos)) {
        dstKey = node->data(0, Qt::UserRole).toInt();
    }
    const bool allowed = (!grid || dstRow >= 0) && dstKey >= 0 &&
                         model_->DropAllowed(srcKey, srcRow, dstKey, dstRow, keep);
    if (type == QEvent::DragEnter) {
        // Entered anywhere: the moves over the rows and nodes decide.
        de->setDropAction(keep ? Qt::CopyAction : Qt::MoveAction);
        de->accept();
        return true;
    }
    if (!allowed) {
        de->ignore();
        return true;
    }
    de->setDropAction(keep ? Qt::CopyAction : Qt::MoveAction);
    de->accept();
    if (type == QEvent::Drop) {
        // The drag's own event loop ends first; the question about a
        // channel in use comes after it.
        QMetaObject::invokeMethod(
            this,
            [this, srcKey, srcRow, dstKey, dstRow, keep] {
                DropChannel(srcKey, srcRow, dstKey, dstRow, keep);
            },
            Qt::QueuedConnection);
    }
    return true;
}

void frmMain::DropChannel(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) {
    if (modalFlag_) return;
    WindowUpkeep();
    const int row = model_->DropChannel(srcKey, srcRow, dstKey, dstRow, keepSource);
    DispChList();
    if (row < 0) return;
    if (dstRow >= 0) {
        if (dstKey == curTreeKey_) SetCursorRow(row);
        return;
    }
    const std::vector<std::string> cells = model_->ChRowTexts(dstKey, row);
    const std::string caption = ParseTreeKeyStr(model_->TreeKeyStr(dstKey)).caption;
    statusBar()->showMessage(FromModel(
        GridEdit::MovedToText(keepSource, caption, cells.empty() ? std::string() : cells[0])));
}

// ----------------------------------------------------------- properties

void frmMain::ComPortNo(int port) {
    comPortNo_ = LimitInt(port, 1, 4);
}

void frmMain::ToolBarFlag(int flag) {
    toolBarFlag_ = LimitInt(flag, 0, 1);
    Toolbar1_->setVisible(toolBarFlag_ == 1);
}

void frmMain::VerifyAfterWrite(bool on) {
    verifyAfterWrite_ = on;
    if (clone_[5]->isChecked() != on) clone_[5]->setChecked(on);
    model_->VerifyAfterWrite(on);
}

void frmMain::TreeWidth(std::int32_t twips) {
    treeWidth_ = twips;
    Form_Resize();
}

std::int32_t frmMain::ItemWidth(int item) const {
    return item >= 0 && item < kNumItems ? itemWidth_[item] : -1;
}

void frmMain::ItemWidth(int item, std::int32_t twips) {
    if (item >= 0 && item < kNumItems) itemWidth_[item] = twips;
}

double frmMain::TwipsPerPixelX() const {
    return TwipsPerPixel(logicalDpiX());
}

double frmMain::TwipsPerPixelY() const {
    return TwipsPerPixel(logicalDpiY());
}

// -------------------------------------------------------------- settings

void frmMain::LoadSettings(const MainSettings& s) {
    ComPortNo(s.comPort);
    ToolBarFlag(s.toolBar);
    VerifyAfterWrite(s.verifyAfterWrite != 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    const WindowPlacement p = PlacementFromProfile(s.placement, size.width(), size.height());
    startState_ = p.state;
    setGeometry(p.normal.left, p.normal.top, p.normal.width, p.normal.height);
    treeWidth_ = s.treeViewWidth;
    for (int i = 0; i < int(s.cellWidth.size()); ++i) itemWidth_[i] = s.cellWidth[i];
    grid_SetColumns();
    DispChList();
    AdjustPortMarks();
}

MainSettings frmMain::SaveSettings() const {
    MainSettings s;
    s.comPort = comPortNo_;
    s.toolBar = toolBarFlag_;
    s.verifyAfterWrite = verifyAfterWrite_ ? 1 : 0;
    const Qt::WindowStates ws = windowState();
    s.placement.state = ws.testFlag(Qt::WindowMinimized)   ? kStateMinimised
                        : ws.testFlag(Qt::WindowMaximized) ? kStateMaximised
                                                           : kStateNormal;
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    s.placement.left = r.left();
    s.placement.top = r.top();
    s.placement.width = r.width();
    s.placement.height = r.height();
    s.treeViewWidth = treeWidth_;
    for (int i = 0; i < int(s.cellWidth.size()); ++i) s.cellWidth[i] = itemWidth_[i];
    return s;
}

void frmMain::ShowPlaced() {
    if (startState_ == kStateMaximised)
        showMaximized();
    else
        show();
}

frmCloneProgress& frmMain::CloneProgress() {
    return *progress_;
}

HelpWindow& frmMain::Help() {
    if (!help_) help_ = new HelpWindow(this);
    return *help_;
}
