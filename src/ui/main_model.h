// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window needs from the rest of the program: the tree and
// grid contents of the memory map, the document operations behind the
// File menu, the recent file list, and the commands that open other
// windows or run a clone. The main window holds no channel data; it asks
// this interface every time it shows something.
//
// Every operation has a harmless default (an empty tree, no channels,
// nothing to do), so the window runs before the model is connected; the
// program's real implementation overrides them.

#include <string>
#include <vector>

#include "file/read_backups.h"
#include "model/channel_find.h"
#include "model/image_diff.h"

struct ChEditState {
    bool exists = false;        // a channel is under the cursor (not a group node)
    bool usable = false;        // the receiver version has this channel
    bool clearEnable = false;   // the channel may be blanked (not a VFO)
    bool pasteAllowed = false;  // a copied channel exists and may be pasted here
    bool inUse = false;         // the channel is not blank (it can be dragged)
};

class MainWindowModel {
  public:
    virtual ~MainWindowModel() = default;

    // --- Tree and grid (memory map) ---
    // Definition of tree node key: "image,selimage,key|text" for a root,
    // "image,selimage,parent->key|text" for a child; empty after the last.
    virtual std::string TreeKeyStr(int /*key*/) const { return {}; }
    // List type of a tree key: 0..5 real lists, 6 and above group nodes.
    virtual int TreeKeyChListType(int /*key*/) const { return 6; }
    virtual int NumChOfChListType(int /*listType*/) const { return 0; }
    // Columns of a list type and the channel item shown in each.
    virtual int NumItemOfChListType(int /*listType*/) const { return 0; }
    virtual int ItemNoOfChListType(int /*listType*/, int /*column*/) const { return 15; }
    // Column title of an item (trailing blanks set the default width).
    virtual std::string ChItemName(int /*item*/) const { return {}; }
    // The cells of one grid row, one per column: channel row (0-based) of a
    // tree key. Missing cells show empty.
    virtual std::vector<std::string> ChRowTexts(int /*key*/, int /*row*/) const { return {}; }
    // What the Edit commands may do with the channel at a row of a key.
    virtual ChEditState EditStateOf(int /*key*/, int /*row*/) const { return {}; }

    // --- Document ---
    // Rebuilds channel lists, tree keys and records (start and new version).
    virtual void ResetMap() {}
    // The File menu's document: its file and title ("Untitled" without a
    // file), the starting folder of the file dialogs, the question before
    // an edited document is replaced.
    virtual std::string FileName() const { return {}; }
    virtual std::string FileTitle() const { return "Untitled"; }
    virtual std::string CurDir() const { return {}; }
    virtual std::string SaveChangesPrompt(bool reopening) const {
        return reopening ? "Save changes ?" : "Save changes to " + FileTitle() + " ?";
    }
    // File > New, loading and saving a data file. Load and Save show their
    // own failure message and return the file result code (0 done); a
    // failed load leaves the document as it was. Without a document layer
    // nothing is read or written and the failure is reported honestly.
    virtual void NewDocument() {}
    virtual int LoadDocument(const std::string& /*path*/) { return 3; }
    virtual int SaveDocument(const std::string& /*path*/) { return 1; }

    // --- Recent files (newest first; a load or save adds its file) ---
    virtual int RecentCount() const { return 0; }
    virtual std::string RecentFileName(int /*index*/) const { return {}; }
    virtual std::string RecentFileTitle(int /*index*/) const { return {}; }

    // --- Commands carried out elsewhere ---
    // Edit menu item on the channel at row of key (0 edit, 2 copy, 3 paste,
    // 5 clear, 6 delete, 7 insert); the window redraws the list afterwards.
    virtual void EditCommand(int /*index*/, int /*key*/, int /*row*/) {}
    // View > Common Setting.
    virtual void CommonSetting() {}
    // Fills the TV channels from national table 0..9 (asked for already).
    virtual void PresetTv(int /*table*/) {}
    // Cloning menu item (0 read, 1 write, 3 information) on a COM port. The
    // clone runs on the serial tick; the modal progress display holds the
    // user meanwhile.
    virtual void CloneCommand(int /*index*/, int /*comPort*/) {}
    // The main window's part of the serial tick: one step of the clone
    // command, its progress display and its end.
    virtual void CloneTask() {}

    // --- Undo, CSV, backups ---
    // Edit > Undo and Redo over the document's steps.
    virtual bool CanUndo() const { return false; }
    virtual bool CanRedo() const { return false; }
    virtual void Undo() {}
    virtual void Redo() {}
    // File > Export CSV... / Import CSV... with their own file dialogs and
    // messages; the import (offering the cursor's row as the start of a
    // table without locations) returns True when the document changed.
    virtual void ExportCsv() {}
    virtual bool ImportCsv(int /*key*/, int /*row*/) { return false; }
    // The folder that keeps the copies of clone reads; empty for none.
    virtual std::string BackupFolder() const { return {}; }

    // --- Find, sort, drag and drop, print ---
    // The first channel matching a typed frequency or name after a place
    // (afterKey -1: from the top of the tree), wrapping round at the end.
    virtual FindResult FindChannel(const std::string& /*text*/, int /*afterKey*/,
                                   int /*afterRow*/) const {
        return {};
    }
    // Edit > Sort Bank...: only a memory bank; asks the order, one undo step.
    virtual bool CanSortBank(int /*key*/) const { return false; }
    virtual bool SortBank(int /*key*/) { return false; }
    // A channel row dragged onto a row (dstRow >= 0) or onto a tree node
    // (dstRow -1); keepSource copies instead of moving. The drop asks and
    // reports what it must; it returns the row the channel went to, or -1.
    virtual bool DropAllowed(int /*srcKey*/, int /*srcRow*/, int /*dstKey*/, int /*dstRow*/,
                             bool /*keepSource*/) const {
        return false;
    }
    virtual int DropChannel(int /*srcKey*/, int /*srcRow*/, int /*dstKey*/, int /*dstRow*/,
                            bool /*keepSource*/) {
        return -1;
    }
    // --- Blocks: rows first..last of a tree key ---
    // A block of one row is the row: the single-row functions above.
    virtual ChEditState EditStateOfBlock(int key, int first, int last) const {
        return first == last ? EditStateOf(key, first) : ChEditState{};
    }
    // Edit menu item 2 copy, 3 paste, 5 clear, 6 delete on a block.
    virtual void EditBlockCommand(int index, int key, int first, int last) {
        if (first == last) EditCommand(index, key, first);
    }
    // Edit > "Bulk Edit..." on a block and "Fill Channels..." from a row:
    // each asks in its dialog, reports the counts, one undo step.
    virtual bool CanBulkEdit(int /*key*/, int /*first*/, int /*last*/) const { return false; }
    virtual bool BulkEdit(int /*key*/, int /*first*/, int /*last*/) { return false; }
    virtual bool CanFill(int /*key*/) const { return false; }
    virtual bool FillChannels(int /*key*/, int /*row*/) { return false; }
    // A block dragged onto a row (dstRow >= 0) or onto a tree node (-1).
    virtual bool DropBlockAllowed(int srcKey, int first, int last, int dstKey, int dstRow,
                                  bool keepSource) const {
        return first == last && DropAllowed(srcKey, first, dstKey, dstRow, keepSource);
    }
    virtual int DropBlock(int srcKey, int first, int last, int dstKey, int dstRow,
                          bool keepSource) {
        return first == last ? DropChannel(srcKey, first, dstKey, dstRow, keepSource) : -1;
    }
    // Move Up / Move Down of a block: its new first row, or -1.
    virtual bool CanShiftBlock(int key, int first, int last, int delta) const {
        return first == last && CanShiftChannel(key, first, delta);
    }
    virtual int ShiftBlock(int key, int first, int last, int delta) {
        return first == last ? ShiftChannel(key, first, delta) : -1;
    }
    // Why such a drop is refused; empty when it is not, or nothing to say.
    virtual std::string DropRefusedText(int /*srcKey*/, int /*srcRow*/, int /*dstKey*/,
                                        int /*dstRow*/, bool /*keepSource*/) const {
        return {};
    }
    // Edit > Move Up / Move Down: the channel at a row changes places with
    // its neighbour (delta -1 or +1) in one undo step; the row it went to,
    // or -1 when nothing changed.
    virtual bool CanShiftChannel(int /*key*/, int /*row*/, int /*delta*/) const { return false; }
    virtual int ShiftChannel(int /*key*/, int /*row*/, int /*delta*/) { return -1; }
    // File > Export PDF... and Print... with their own dialogs and messages.
    virtual void ExportPdf() {}
    virtual void Print() {}

    // --- Backups of reads, comparing, verified writes ---
    // The backups of clone reads that can be restored, newest first.
    virtual std::vector<BackupEntry> BackupList() const { return {}; }
    // Opens a backup as an untitled, edited document (the question about
    // unsaved edits has been asked); a failure shows its message and
    // changes nothing. Returns the file result code (0 opened).
    virtual int RestoreBackup(const std::string& /*path*/) { return 3; }
    // The differences between the document shown and a data file; False,
    // after the file's message, when the file cannot be read.
    virtual bool CompareWith(const std::string& /*path*/,
                             std::vector<ImageDifference>& /*differences*/) {
        return false;
    }
    // Cloning > Verify After Write.
    virtual void VerifyAfterWrite(bool /*on*/) {}
};
