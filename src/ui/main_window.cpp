// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, its 200 ms tick, its properties and the
// settings it keeps. Its menus and toolbar, the commands they run, and the
// tree and grid live in main_window_menus.cpp, main_window_commands.cpp and
// main_window_grid.cpp.

#include "ui/main_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

#include "app/common.h"
#include "ui/caption.h"
#include "ui/clone_progress.h"
#include "ui/help_window.h"
#include "ui/input_watch.h"
#include "ui/reentry_guard.h"
#include "ui/resources.h"

namespace {
constexpr int kTickMs = 200;
// Ticks without a wake-up before the window tick sleeps: enough for the
// tick after the last input to see its effect (a tree click switches the
// list on the next tick) and one more.
constexpr int kQuietTicksBeforeSleep = 2;
constexpr int kMinColumnPixels = 4;
constexpr int kTreeIndentTwips = 200;
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
    trvChList_->setAccessibleName(tr("Channel lists"));
    trvChList_->setHeaderLabel(tr("Channel lists"));

    fraSeparator_ = new QFrame(area_);
    fraSeparator_->setObjectName(QStringLiteral("fraSeparator"));
    fraSeparator_->setCursor(Qt::SplitHCursor);
    fraSeparator_->installEventFilter(this);

    mfgCh_ = new QTableWidget(area_);
    mfgCh_->setObjectName(QStringLiteral("mfgCh"));
    mfgCh_->setAccessibleName(tr("Channels"));
    mfgCh_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgCh_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // One row, or a run of rows of the group (Shift with a click, the
    // arrows or the page keys; Ctrl+A the whole group) for the block commands.
    mfgCh_->setSelectionMode(QAbstractItemView::ContiguousSelection);
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
    // The grid's selection is whole rows: Tab leaves the grid instead of
    // walking its cells.
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
        // Within a block the pop-up is for the block.
        int first = 0, last = 0;
        SelectedBlock(first, last);
        if (row < first || row > last) SetCursorRow(row);
        ShowEditPopup(mfgCh_->viewport()->mapToGlobal(pos));
    });

    connect(mfgCh_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { AnnounceCursorRow(); });

    txtShield_ = new QPlainTextEdit(area_);
    txtShield_->setObjectName(QStringLiteral("txtShield"));
    txtShield_->setReadOnly(true);
    txtShield_->setFocusPolicy(Qt::NoFocus);
    txtShield_->setAccessibleName(tr("No channel list in this group"));

    area_->installEventFilter(this);
    setTabOrder(trvChList_, mfgCh_);

    BuildMenus();
    BuildToolbar();

    progress_ = new frmCloneProgress(this);
    statusBar()->setObjectName(QStringLiteral("staMain"));
    statusBar()->setAccessibleName(tr("Status"));

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
    model_->VerifyAfterWrite(VerifyAfterWrite());
    ResetRig();
    AdjustRecentFile();
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

// ----------------------------------------------------------- properties

void frmMain::ComPortNo(int port) {
    comPortNo_ = LimitInt(port, 1, 4);
}

void frmMain::ToolBarFlag(int flag) {
    toolBarFlag_ = LimitInt(flag, 0, 1);
    Toolbar1_->setVisible(toolBarFlag_ == 1);
}

bool frmMain::VerifyAfterWrite() const {
    return clone_[5]->isChecked();
}

void frmMain::VerifyAfterWrite(bool on) {
    clone_[5]->setChecked(on);  // its toggled signal tells the model
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

namespace {
// A Wayland compositor places the windows itself and never tells a client
// where they are: the position Qt reports there is always 0,0.
bool WindowPositionKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
}  // namespace

void frmMain::LoadSettings(const MainSettings& s) {
    ComPortNo(s.comPort);
    ToolBarFlag(s.toolBar);
    VerifyAfterWrite(s.verifyAfterWrite != 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    const WindowPlacement p = PlacementFromProfile(s.placement, size.width(), size.height());
    startState_ = p.state;
    if (WindowPositionKnown())
        setGeometry(p.normal.left, p.normal.top, p.normal.width, p.normal.height);
    else
        resize(p.normal.width, p.normal.height);
    treeWidth_ = s.treeViewWidth;
    for (int i = 0; i < int(s.cellWidth.size()); ++i) itemWidth_[i] = s.cellWidth[i];
    // The first window shows a memory bank whole, where the screen allows.
    if (s.placement.state < 0 && screen) {
        const int room = screen->availableGeometry().right() - p.normal.left;
        const int wanted = std::min(BankListWidth(), room);
        if (wanted > width()) resize(wanted, height());
    }
    grid_SetColumns();
    DispChList();
    AdjustPortMarks();
}

MainSettings frmMain::SaveSettings() const {
    MainSettings s;
    s.comPort = comPortNo_;
    s.toolBar = toolBarFlag_;
    s.verifyAfterWrite = VerifyAfterWrite() ? 1 : 0;
    const Qt::WindowStates ws = windowState();
    s.placement.state = ws.testFlag(Qt::WindowMinimized)   ? kStateMinimised
                        : ws.testFlag(Qt::WindowMaximized) ? kStateMaximised
                                                           : kStateNormal;
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    s.placement.left = r.left();
    s.placement.top = r.top();
    s.placement.width = r.width();
    s.placement.height = r.height();
    s.positionKnown = WindowPositionKnown();
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
