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

struct ChEditState {
    bool exists = false;        // a channel is under the cursor (not a group node)
    bool usable = false;        // the receiver version has this channel
    bool clearEnable = false;   // the channel may be blanked (not a VFO)
    bool pasteAllowed = false;  // a copied channel exists and may be pasted here
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
    // Records into the image, and image into the records (flag 1: as received
    // from the receiver).
    virtual void WriteToEep() {}
    virtual void ReadFromEep(int /*flag*/) {}
    // The data file reader and writer; result codes 0 done, 1-2 save
    // failures, 3-6 load failures. Without a file layer nothing is read or
    // written and the failure is reported honestly.
    virtual int FileLoad(const std::string& /*path*/) { return 3; }
    virtual int FileSave(const std::string& /*path*/) { return 1; }
    // The working image becomes the initial image of the version.
    virtual void InitReload() {}

    // --- Recent files (newest first) ---
    virtual int RecentCount() const { return 0; }
    virtual std::string RecentFileName(int /*index*/) const { return {}; }
    virtual std::string RecentFileTitle(int /*index*/) const { return {}; }
    virtual void RecentAdd(const std::string& /*path*/, const std::string& /*title*/) {}

    // --- Commands carried out elsewhere ---
    // Edit menu item on the channel at row of key (0 edit, 2 copy, 3 paste,
    // 5 clear, 6 delete, 7 insert); the window redraws the list afterwards.
    virtual void EditCommand(int /*index*/, int /*key*/, int /*row*/) {}
    // View > Common Setting.
    virtual void CommonSetting() {}
    // Fills the TV channels from national table 0..9 (asked for already).
    virtual void PresetTv(int /*table*/) {}
    // Cloning menu item (0 read, 1 write, 3 information) on a COM port.
    virtual void CloneCommand(int /*index*/, int /*comPort*/) {}
    // One step of the clone sequence (the serial tick), and the state the
    // progress display follows: whether an operation still runs, the
    // driver's work mode and the last image address it moved.
    virtual void CloneTask() {}
    virtual bool CloneOpRunning() const { return false; }
    virtual int CloneWorkMode() const { return 0; }
    virtual int CloneLastEeAdr() const { return 0; }
};
