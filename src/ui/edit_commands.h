// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the main window that change channels and settings: the
// Edit menu on the channel under the grid cursor (channel dialog, copy,
// paste, clear, delete, insert, sorting a bank), a channel moved by drag
// and drop, and View > Common Setting. The rules of the
// grid commands live in GridEdit; this adds the user's side: the questions,
// the messages and the dialogs, each placed centred over the main window.
//
// It owns the channel dialog and the settings dialog (created on first use
// and reused) and, through GridEdit, the clipboard, which outlives
// documents. The main window keeps its own part: enabling the menu from
// EditStateOf, its modal flag while a dialog is up, and redrawing the list
// after every command.

#include <QPointer>

#include "model/grid_edit.h"
#include "ui/main_model.h"

class QWidget;
class clsRigQ5_Ch;
class clsRigQ5_Master;
class frmBulkEdit;
class frmEditCh;
class frmFillChannels;
class frmEditCommon;
class frmSortBank;
class UndoHistory;

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
    QWidget* Window() const { return window_; }
    // Every command that may change the document becomes one step of this
    // history (none: nullptr).
    void History(UndoHistory* history) { history_ = history; }
    UndoHistory* History() const { return history_; }
    // What the Edit menu may do at a row of a tree key.
    ChEditState EditStateOf(int key, int row) const;
    // Edit menu item 0 "&Edit Memory...", 2 "&Copy", 3 "&Paste", 5 "Clear",
    // 6 "Delete", 7 "Insert" on the channel at a row of a tree key. A command
    // not enabled there does nothing.
    void Run(int index, int key, int row);
    // The channel dialog on one record, then the record into the image and
    // back (the heart of "&Edit Memory..."); key and row name the record's
    // place as the grid shows it.
    void EditChannel(int key, int row);
    // Only the dialog: placed, shown modally, returns when closed (OK has
    // written the record, Cancel left it).
    void OpenChannelDialog(clsRigQ5_Ch& ch);
    // View > "&Common Setting...".
    void CommonSetting();

    // Edit > "Sort Bank..." on the bank of a tree key: the order is asked
    // for, then the sort is one step of history. True when the order
    // changed; nothing happens on a list that is no memory bank.
    bool SortBank(int key);

    // A channel dragged from a place and dropped onto a row of a list
    // (dstRow >= 0) or onto a memory bank's node of the tree (dstRow -1):
    // moved there, or copied with keepSource. Onto a channel in use the
    // user is asked "Overwrite here ?"; onto a bank it goes to the first
    // blank channel, and a full bank is reported. One step of history.
    bool DropAllowed(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) const;
    // The row the channel went to; -1 when nothing changed.
    int Drop(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource);

    // ---- Blocks of rows first..last of a tree key ----
    // What the Edit menu may do with a block (a block of one row is the row).
    ChEditState EditStateOfBlock(int key, int first, int last) const;
    // Copy, Paste (at the block's first row), Clear and Delete on a block;
    // a paste that does not fit or may not go there is refused with its
    // message and changes nothing. One step of history each.
    void RunBlock(int index, int key, int first, int last);
    // Edit > "Bulk Edit...": the fields asked, written, the counts told.
    bool BulkEditEnabled(int key, int first, int last) const;
    bool BulkEdit(int key, int first, int last);
    // Edit > "Fill Channels..." from a row of a memory bank.
    bool FillEnabled(int key) const;
    bool Fill(int key, int row);
    // A block dragged onto a row or a memory bank's node (dstRow -1).
    bool DropBlockAllowed(int srcKey, int first, int last, int dstKey, int dstRow,
                          bool keepSource) const;
    int DropBlock(int srcKey, int first, int last, int dstKey, int dstRow, bool keepSource);
    // Edit > Move Up / Move Down (delta -1 or +1): one step of history; the
    // row the channel went to, -1 when it could not move.
    int Shift(int key, int row, int delta);
    // The same for a block of rows: the block's new first row, or -1.
    int ShiftBlock(int key, int first, int last, int delta);

    GridEdit& Grid() { return grid_; }
    const GridEdit& Grid() const { return grid_; }
    frmEditCh& ChannelDialog();
    frmEditCommon& CommonDialog();
    frmSortBank& SortDialog();
    frmBulkEdit& BulkDialog();
    frmFillChannels& FillDialog();

  private:
    // The copied block from a row down: refused with its reason when it
    // does not fit, asked once before channels in use are overwritten.
    void PasteBlock(int key, int first);

    clsRigQ5_Master& master_;
    GridEdit grid_;
    QWidget* window_ = nullptr;
    UndoHistory* history_ = nullptr;
    // Children of the window when there is one; the pointers go null with it.
    QPointer<frmEditCh> channelDialog_;
    QPointer<frmEditCommon> commonDialog_;
    QPointer<frmSortBank> sortDialog_;
    QPointer<frmBulkEdit> bulkDialog_;
    QPointer<frmFillChannels> fillDialog_;
};
