// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit commands of the channel grid on the channel under the cursor:
// copy it to the program's own clipboard, paste the clipboard onto it, clear
// it, delete it (the rest of its group moves up) or insert a blank channel
// (the rest moves down), store a channel after the channel dialog, and move
// a channel dragged onto another row or onto a memory bank. The grid always
// selects one whole row, so a command works on one channel, addressed by
// tree key and row as the grid shows it.
//
// A block is a run of consecutive rows of one group (first..last). Copy
// takes the whole block; Paste writes the clipboard from a row down, and
// only when every copied channel fits in the group and may go to its row
// (the rule of a single paste, channel by channel), so a refused paste
// changes nothing. Clear blanks every channel of a block, Delete closes
// the gap once, and a block moves or copies by drag and drop.
//
// The object owns the clipboard record; it outlives documents, so a channel
// copied from one file can be pasted into another. Questions to the user
// (overwrite a channel in use, an insert that cannot be made) are the
// caller's: PasteNeedsQuestion says when to ask, and the texts are here so
// every front end asks with the same words.

#include <string>
#include <vector>

#include "model/channel.h"
#include "model/master.h"

class GridEdit {
  public:
    // Edit menu item indices.
    static constexpr int kEditMemory = 0, kCopy = 2, kPaste = 3, kClear = 5, kDelete = 6,
                         kInsert = 7;

    // Results of a command.
    static constexpr int kDone = 0;
    static constexpr int kDisabled = 1;         // not available here: nothing changed
    static constexpr int kInsertRefused = 2;    // the group's last channel is in use
    static constexpr int kNoBlankChannel = 3;   // a move onto a bank that has no blank channel
    static constexpr int kBlockDoesNotFit = 4;  // the block would pass the end of the group
    static constexpr int kBlockRefused = 5;     // a channel of the block may not go to its row

    static constexpr const char* kMsgOverwrite = "Overwrite here ?";
    static constexpr const char* kMsgInsertRefused =
        "The last CH is not blank. Cannot insert a blank channel.";

    // The memory map must outlive this object.
    explicit GridEdit(clsRigQ5_Master& master);

    // Whether the command of a menu index may run on the channel at a row of
    // a tree key: every command needs a channel the version has; Paste needs
    // a copied channel that this one accepts; Clear, Delete and Insert need a
    // channel that can be blank (not a VFO, not the first scan edge pair).
    bool Enabled(int index, int key, int row) const;

    // True after the first copy; never False again.
    bool ClipboardFlag() const { return clipboardFlag_; }
    // The clipboard record; nullptr before the first copy.
    const clsRigQ5_Ch* Clipboard() const { return clipboard_.empty() ? nullptr : &clipboard_[0]; }
    // The number of channels copied (0 before the first copy).
    int ClipboardSize() const { return static_cast<int>(clipboard_.size()); }

    // A paste onto a channel in use overwrites it: ask first (kMsgOverwrite).
    bool PasteNeedsQuestion(int key, int row) const;

    // Each returns kDone or kDisabled (and Insert kInsertRefused); the edit
    // flag of the document is set by every change but Copy.
    int Copy(int key, int row);
    int Paste(int key, int row);
    int Clear(int key, int row);
    int Delete(int key, int row);
    int Insert(int key, int row);

    // After the channel dialog: the channel goes into the image and is read
    // back, so the record shows exactly what the image holds. The image's
    // comparison with its snapshot notices the change; no flag is set here.
    int StoreEdited(int key, int row);

    // ---- Moving a channel by drag and drop ----
    // A channel in use moves onto another channel of the same kind: the
    // target takes its values (as Paste does) and the source becomes blank,
    // which needs a source that can be blank; with keepSource it is copied
    // and the source stays. A target in use is overwritten: ask first
    // (PasteNeedsQuestion of the target, kMsgOverwrite).
    bool MoveEnabled(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) const;
    int Move(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource);

    // A channel dropped onto a memory bank of the tree goes to the bank's
    // first blank channel: never over a channel in use. Enabled for a
    // movable channel and a bank other than its own; the bank may be full,
    // which MoveToBank then reports.
    bool MoveToBankEnabled(int srcKey, int srcRow, int bankKey, bool keepSource) const;
    // The row the channel would go to; -1 when the bank has no blank channel.
    int BankDropRow(int srcKey, int srcRow, int bankKey) const;
    // kDone (row set to where it went), kDisabled or kNoBlankChannel.
    int MoveToBank(int srcKey, int srcRow, int bankKey, bool keepSource, int& row);
    // ---- Moving a channel by keys (Move Up, Move Down) ----
    // The channel in use at a row changes places with its neighbour in the
    // same group (delta -1 above, +1 below): the keyboard's way of what a
    // drag onto the next row does, without losing the neighbour. Both ways
    // must be allowed moves (a blank neighbour only needs the one way), so a
    // VFO or a first scan edge never moves.
    bool ShiftEnabled(int key, int row, int delta) const;
    // kDone (the channel now at row + delta) or kDisabled.
    int Shift(int key, int row, int delta);

    // "Bank C has no blank CH." for the caption of a bank's tree node.
    static std::string NoBlankChannelText(const std::string& bankCaption);
    // Why a channel dragged from a place cannot be dropped onto a row
    // (dstRow >= 0) or a tree node (dstRow -1), for the status bar while the
    // drag is over it; empty when it can, or for the channel's own row.
    // dstCaption: the caption of the target's tree node.
    std::string DropRefusedText(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource,
                                const std::string& dstCaption) const;
    // "Moved to Bank C, CH 07." (or "Copied to ...") after a drop on a bank.
    static std::string MovedToText(bool copied, const std::string& bankCaption,
                                   const std::string& chNo);

    // ---- Blocks: rows first..last of a tree key ----
    // Whether a command may run on the block: Copy needs channels the
    // version has; Clear and Delete channels that can all be blank. A block
    // of one row is the row (Enabled).
    bool BlockEnabled(int index, int key, int first, int last) const;
    int CopyBlock(int key, int first, int last);
    int ClearBlock(int key, int first, int last);
    int DeleteBlock(int key, int first, int last);

    // The clipboard written from a row down: kDone, kDisabled (nothing
    // copied, no channel there), kBlockDoesNotFit or kBlockRefused (then
    // nothing changed; PasteRefusedText says why).
    int PasteCheck(int key, int row) const;
    int PasteBlock(int key, int row);
    // Whether a channel the paste would write is in use: ask kMsgOverwrite once.
    bool PasteBlockNeedsQuestion(int key, int row) const;
    // The message of a refused paste or drop of n channels at a row.
    std::string PasteRefusedText(int result, int key, int row, int n) const;

    // A block dragged onto a row: the same rule as a paste, the channels of
    // a move blanked at their old place (a VFO or the first scan edge pair
    // cannot be). The question is for a target in use that the move does
    // not empty first.
    int MoveBlockCheck(int srcKey, int first, int last, int dstKey, int dstRow,
                       bool keepSource) const;
    bool MoveBlockNeedsQuestion(int srcKey, int first, int last, int dstKey, int dstRow,
                                bool keepSource) const;
    int MoveBlock(int srcKey, int first, int last, int dstKey, int dstRow, bool keepSource);
    // A block dropped onto another memory bank goes to the first row of the
    // bank from which it lands on blank channels only; -1 when there is none.
    int BankBlockRow(int srcKey, int first, int last, int bankKey) const;
    // Move Up / Move Down of a block: it moves one row and the neighbour it
    // passes takes the row it leaves. Every channel involved must be one
    // that can be blank, and the block must hold a channel in use. A block
    // of one row is the row (ShiftEnabled, Shift).
    bool ShiftBlockEnabled(int key, int first, int last, int delta) const;
    int ShiftBlock(int key, int first, int last, int delta);

  private:
    // The records of a shifted block and its neighbour in their new order,
    // from the upper of the rows involved; empty when the block cannot move.
    std::vector<clsRigQ5_Ch> ShiftedBlock(int key, int first, int last, int delta) const;
    // Whether records may be written from a row down; kDone or why not.
    int FitCheck(const std::vector<clsRigQ5_Ch>& records, int key, int row) const;
    void WriteBlock(const std::vector<clsRigQ5_Ch>& records, int key, int row);
    bool SourceMovable(const clsRigQ5_Ch* src, bool keepSource) const;

    clsRigQ5_Master& master_;
    std::vector<clsRigQ5_Ch> clipboard_;
    bool clipboardFlag_ = false;
};
