// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's main window: the tree of channel groups on the left, the
// channel grid on the right, a bar between them that the user drags, the
// menus and the toolbar. It holds no channel data: every cell comes from
// the memory map through MainWindowModel each time the list is shown. The
// 200 ms window tick keeps selection, layout, caption and menus current.
// It also owns the COM port choice and the window settings that the profile
// keeps; the document's file name and title belong to the document commands
// behind the model.

#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "image/radio.h"
#include "ui/main_model.h"
#include "ui/placement.h"

class QAction;
class QDropEvent;
class QFrame;
class QMimeData;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QTimer;
class QToolBar;
class QTreeWidget;
class frmCloneProgress;
class frmCompare;
class frmFind;
class frmMoveToBank;
class HelpWindow;

// The "OPTION" and "STATUS" values of the main window as the profile keeps
// them: "ComPort", "ToolBar", "WindowPosition(State|Left|Top|Width|Height)"
// (pixels), "TreeViewWidth" and "CellWidth(0)".."CellWidth(14)" (twips,
// -1 for none).
struct MainSettings {
    int comPort = 1;
    int toolBar = 1;
    StoredPlacement placement;
    std::int32_t treeViewWidth = 3100;
    std::array<std::int32_t, 15> cellWidth{-1, -1, -1, -1, -1, -1, -1, -1,
                                           -1, -1, -1, -1, -1, -1, -1};
    int verifyAfterWrite = 0;  // "OPTION" "VerifyAfterWrite": 1 on
    // False where the window system keeps the window's position from the
    // program (Wayland): Left and Top are then neither applied nor saved,
    // so the position stored in another session stays as it was.
    bool positionKnown = true;
};

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kNumTreeKeys = 28;
    static constexpr int kNumItems = 17;

    // model and radio may be null: the window then runs on an empty model
    // and a document of its own. Both must outlive the window.
    explicit frmMain(MainWindowModel* model = nullptr, clsCmcRadio* radio = nullptr,
                     QWidget* parent = nullptr);
    ~frmMain() override;

    void setModel(MainWindowModel* model);
    MainWindowModel& model() const { return *model_; }
    clsCmcRadio& radio() const { return *radio_; }

    // --- Document ---
    void ResetRig();
    // 1 go on, 2 cancel the caller's action.
    int CheckEditedAndSave();
    // The document's file as the model's document commands keep it.
    QString FileName() const;
    QString FileTitle() const;
    QString CurDir() const;

    // --- Menus and toolbar; items by their numbers (separators counted):
    // the menu's own items in menu order, then the items added later, which
    // keep their numbers wherever they stand in the menu ---
    void mnuFile_Click(int index);
    // File > Open with the file already chosen (one handed over by a later
    // start of the program): the same question about unsaved changes, the
    // same load.
    void OpenDataFile(const QString& path);
    void mnuEdit_Click(int index);
    void mnuView_Click(int index);
    void mnuCom_Click(int index);
    void mnuClone_Click(int index);
    void mnuOptPresetTv_Click(int index);
    void mnuHelp_Click(int index);
    void Toolbar1_ButtonClick(const QString& key);
    // Item of a menu by index (separators included); null outside.
    QAction* MenuItem(const QString& menuName, int index) const;

    // --- Ticks ---
    void timMain_Timer();
    // Something the window tick keeps current may have changed (the user's
    // input, a command, a clone step): the 200 ms timer runs again until a
    // few ticks in a row have had nothing new to look at, then sleeps.
    void WakeTick();
    // The window's part of the serial tick: one step of the clone, the
    // progress display and the COM port marks.
    void task();
    // The COM port menu checks, the pressed port button and the toolbar check.
    void AdjustPortMarks();
    void AdjustMnuEdit();
    void AdjustRecentFile();

    // --- Tree and grid ---
    void BuildChTree();
    int SelectedTreeKey() const;
    int ChListOfTreeKey(int key) const;
    void ChangeTreeKey(int key);
    int CurrentTreeKey() const { return curTreeKey_; }
    void grid_Init();
    void grid_SetColumns();
    void DispChList();
    void DispChRow(int key, int row);
    void grid_Heal();
    void grid_XHeal();
    void GetItemWidth();
    int CurChNo() const;
    // The rows selected in the grid: a run of rows around the cursor, or
    // the cursor's row alone.
    void SelectedBlock(int& first, int& last) const;
    int CurChList() const;
    void Form_Resize();

    // --- Properties ---
    int ComPortNo() const { return comPortNo_; }
    void ComPortNo(int port);
    bool LastCloneError() const { return lastCloneError_; }
    void LastCloneError(bool value) { lastCloneError_ = value; }
    // Cloning > Verify After Write.
    // The menu item's check mark is the setting; the model follows it.
    bool VerifyAfterWrite() const;
    void VerifyAfterWrite(bool on);
    bool ModalFlag() const { return modalFlag_; }
    void ModalFlag(bool value) { modalFlag_ = value; }
    int ToolBarFlag() const { return toolBarFlag_; }
    void ToolBarFlag(int flag);
    std::int32_t TreeWidth() const { return treeWidth_; }
    void TreeWidth(std::int32_t twips);
    std::int32_t ItemWidth(int item) const;
    void ItemWidth(int item, std::int32_t twips);
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

    // --- Settings kept in the profile ---
    void LoadSettings(const MainSettings& settings);
    MainSettings SaveSettings() const;
    // How the window opens after LoadSettings: normal or maximised.
    void ShowPlaced();
    // Whether COM1 is the demo receiver in this run (the caption says so).
    bool DemoReceiver() const { return demoReceiver_; }
    void DemoReceiver(bool on) { demoReceiver_ = on; }

    // The COM slots' devices: the text that follows a slot's caption in the
    // COM Port menu (the device it opens), and the command of the menu's
    // last item that assigns devices to the slots. Unset: captions alone,
    // the item does nothing. Looking up the devices means listing the
    // system's serial ports, which takes a while; the captions are written
    // when the menu opens (and after an assignment), not at start.
    void ComDeviceHooks(std::function<QString(int slot)> deviceOf,
                        std::function<void()> assignDevices);
    // Rewrites the COM Port menu captions with their devices.
    void AdjustComCaptions();
    // The device behind a COM slot (1..4) as the COM Port menu shows it;
    // empty when the slot has none.
    QString ComDeviceOf(int slot) const { return comDeviceOf_ ? comDeviceOf_(slot) : QString(); }

    frmCloneProgress& CloneProgress();
    HelpWindow& Help();
    // The window of File > Compare With... (made on first use).
    frmCompare& CompareWindow();

    // --- Backups and comparing ---
    // File > Restore Backup... and Compare With... with the choice made.
    void RestoreBackup(const QString& path);
    void CompareWithFile(const QString& path);

    // --- Find, drag and drop ---
    // Edit > Find... (next False: from the top of the tree, asking for the
    // text) and Find Next (after the cursor, wrapping round; asks only
    // when nothing was searched yet).
    void FindCommand(bool next);
    // The text of the last search.
    QString FindText() const { return findText_; }
    // Shows a channel: its list in the grid, the cursor on its row.
    void ShowChannel(int key, int row);
    // The drag data of a channel row of this window: a drop is taken only
    // from this window of this process, whose places it names.
    QMimeData* ChannelDragData(int key, int row) const;
    // A channel dropped onto a row (dstRow >= 0) or onto a tree node (-1).
    void DropChannel(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource);
    // A block of rows first..last dropped the same way.
    void DropBlock(int srcKey, int first, int last, int dstKey, int dstRow, bool keepSource);
    void ShowDropResult(int row, int dstKey, int dstRow, bool keepSource);
    QMimeData* BlockDragData(int key, int first, int last) const;

  signals:
    // The window is about to close for good: the port is to be closed and
    // the settings saved (the column widths are already captured).
    void Closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A grid column's width in pixels: the user's for the item, else the
    // width of its title (trailing blanks included).
    int ColumnPixels(int item, const QString& title) const;
    // The window width that shows the tree and every column of a memory
    // bank side by side.
    int BankListWidth() const;
    void BuildMenus();
    void BuildToolbar();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& text,
                     const QKeySequence& shortcut = QKeySequence());
    void FileCommand(int index);
    // A File command with the modal flag set, then the recent files.
    void RunFileCommand(const std::function<void()>& command);
    // Asks about unsaved changes (without the file's name when it is the
    // current file), then loads the file.
    void OpenChosenFile(const QString& name);
    void WindowUpkeep();
    void ShowEditPopup(const QPoint& globalPos);
    void ShowEditPopupAtCursor();
    // Cursor and selection on a row, the horizontal scroll kept; the cursor
    // stays in its column (the cell a screen reader reads).
    void SetCursorRow(int row);
    void SetCursorCell(int row, int column);
    // Edit > Move to Bank... and Move Up / Move Down on the cursor's channel.
    void MoveToBankCommand();
    void ShiftCommand(int delta);
    // The memory banks the cursor's channel may be moved to (tree keys).
    std::vector<int> MoveTargets() const;
    // What a screen reader says of the cursor's channel: its row and
    // frequency ("Bank A 05, 145.500000").
    void AnnounceCursorRow();
    // Moves the first column in view by delta columns.
    void ScrollColumns(int delta);
    void SetEditEnabled(int index, bool enabled);
    frmFind& FindDialog();
    // Drag and drop of channel rows: the start from the grid, and the drag
    // events over the grid and the tree.
    void StartChannelDrag(int row);
    bool ChannelDragEvent(QWidget* viewport, QEvent* event);
    bool DecodeChannelDrag(const QMimeData* data, int& key, int& row) const;
    bool DecodeBlockDrag(const QMimeData* data, int& key, int& first, int& last) const;

    std::unique_ptr<MainWindowModel> ownModel_;
    std::unique_ptr<clsCmcRadio> ownRadio_;
    MainWindowModel* model_;
    clsCmcRadio* radio_;

    QTreeWidget* trvChList_ = nullptr;
    QTableWidget* mfgCh_ = nullptr;
    QFrame* fraSeparator_ = nullptr;
    QPlainTextEdit* txtShield_ = nullptr;
    QToolBar* Toolbar1_ = nullptr;
    QTimer* timMain_ = nullptr;
    QWidget* area_ = nullptr;
    frmCloneProgress* progress_ = nullptr;
    HelpWindow* help_ = nullptr;
    frmFind* findDialog_ = nullptr;
    frmMoveToBank* moveDialog_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    frmCompare* compare_ = nullptr;
    QString findText_;
    QPoint dragStart_;
    int dragRow_ = -1;
    // A press inside a block keeps the block for a drag; a release without
    // a drag then puts the cursor on that row.
    bool pressInBlock_ = false;
    // The status bar's word on a refused drop, cleared over a good target.
    QString dropNote_;

    std::array<QAction*, 21> file_{};
    std::array<QAction*, 22> edit_{};
    std::array<QAction*, 3> view_{};
    std::array<QAction*, 6> com_{};
    std::array<QAction*, 5> portButtons_{};
    // The toolbar's Edit buttons and the Edit menu items they follow.
    std::vector<std::pair<QAction*, int>> editButtons_;
    std::function<QString(int)> comDeviceOf_;
    std::function<void()> assignComDevices_;
    std::array<QAction*, 6> clone_{};
    std::array<QAction*, 10> presetTv_{};
    std::array<QAction*, 3> helpItems_{};
    QMenu* mnuEdit_ = nullptr;

    bool reopenFlag_ = false;
    bool demoReceiver_ = false;
    int comPortNo_ = 1;
    bool lastCloneError_ = false;
    bool modalFlag_ = false;
    int toolBarFlag_ = 1;
    int curTreeKey_ = 0;
    std::array<int, kNumTreeKeys> savedRow_{};
    std::array<int, kNumTreeKeys> savedTopRow_{};
    std::array<std::int32_t, kNumItems> itemWidth_{};
    std::int32_t treeWidth_ = 3100;
    std::int32_t grabOffset_ = 0;
    bool dragging_ = false;
    bool tickBusy_ = false;
    int quietTicks_ = 0;
    bool tickEnded_ = false;
    bool taskBusy_ = false;
    int startState_ = kStateNormal;
};
