#pragma once
// The commands of the main window that change channels and settings: the
// Edit menu on the channel under the grid cursor (channel dialog, copy,
// paste, clear, delete, insert), View > Common Setting and Option > Preset
// TV CH. The rules of the grid commands live in GridEdit; this adds the
// user's side: the questions, the messages and the dialogs, each placed
// centred over the main window.
//
// It owns the channel dialog and the settings dialog (created on first use
// and reused) and, through GridEdit, the clipboard, which outlives
// documents. The main window keeps its own part: enabling the menu from
// EditStateOf, its modal flag while a dialog is up, and redrawing the list
// after every command.

#include <QPointer>
#include <functional>

#include "model/grid_edit.h"
#include "ui/main_model.h"

class QWidget;
class clsRigQ5_Master;
class frmEditCh;
class frmEditCommon;

class EditCommands {
  public:
    // The memory map must outlive this object.
    explicit EditCommands(clsRigQ5_Master& master);
    ~EditCommands();
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    // The window that owns the dialogs and message boxes and that they are
    // centred over (the main window); null places them freely.
    void Window(QWidget* window) { window_ = window; }
    // Shows the list of a tree key in the grid and brings the window up to
    // date (the main window selects the tree node and runs one tick). The
    // TV preset shows the TV list before it asks.
    void ShowTreeKey(std::function<void(int key)> show) { showTreeKey_ = std::move(show); }

    // What the Edit menu may do at a row of a tree key.
    ChEditState EditStateOf(int key, int row) const;
    // Edit menu item 0 "&Edit Memory...", 2 "&Copy", 3 "&Paste", 5 "Clear",
    // 6 "Delete", 7 "Insert" on the channel at a row of a tree key. A command
    // not enabled there does nothing.
    void Run(int index, int key, int row);
    // View > "&Common Setting...".
    void CommonSetting();
    // Option > Preset TV CH, table 0..9: shows the TV list, asks, fills.
    // True when the TV channels were replaced.
    bool PresetTv(int table);

    GridEdit& Grid() { return grid_; }
    const GridEdit& Grid() const { return grid_; }
    frmEditCh& ChannelDialog();
    frmEditCommon& CommonDialog();

  private:
    void EditMemory(int key, int row);

    clsRigQ5_Master& master_;
    GridEdit grid_;
    QWidget* window_ = nullptr;
    std::function<void(int)> showTreeKey_;
    // Children of the window when there is one; the pointers go null with it.
    QPointer<frmEditCh> channelDialog_;
    QPointer<frmEditCommon> commonDialog_;
};
