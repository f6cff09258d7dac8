#pragma once
// The main window's view of the receiver's memory map: the tree, the grid
// rows and the edit state come from clsRigQ5_Master, and the Edit commands
// work on its channel records. Holds the private channel clipboard, which
// outlives documents so a channel copied from one file can be pasted into
// another.

#include <functional>
#include <memory>

#include "model/master.h"
#include "ui/main_model.h"

class QWidget;
class clsCmcRecentFile;

class MasterWindowModel : public MainWindowModel {
  public:
    // The memory map must outlive this object. Message boxes are owned by
    // dialogParent.
    explicit MasterWindowModel(clsRigQ5_Master& master, QWidget* dialogParent = nullptr);

    void dialogParent(QWidget* parent) { dialogParent_ = parent; }
    // The recent file list of the File menu; none: the menu stays empty.
    void recentFiles(clsCmcRecentFile* list) { recent_ = list; }
    // Opens the channel edit dialog on a record; runs for Edit Memory.
    void editChannel(std::function<void(clsRigQ5_Ch&)> open) { editChannel_ = std::move(open); }

    std::string TreeKeyStr(int key) const override;
    int TreeKeyChListType(int key) const override;
    int NumChOfChListType(int listType) const override;
    int NumItemOfChListType(int listType) const override;
    int ItemNoOfChListType(int listType, int column) const override;
    std::string ChItemName(int item) const override;
    std::vector<std::string> ChRowTexts(int key, int row) const override;
    ChEditState EditStateOf(int key, int row) const override;

    void ResetMap() override;
    void WriteToEep() override;
    void ReadFromEep(int flag) override;
    void InitReload() override;
    void PresetTv(int table) override;
    int FileLoad(const std::string& path) override;
    int FileSave(const std::string& path) override;
    int RecentCount() const override;
    std::string RecentFileName(int index) const override;
    std::string RecentFileTitle(int index) const override;
    void RecentAdd(const std::string& path, const std::string& title) override;
    void EditCommand(int index, int key, int row) override;

    bool ClipboardFlag() const { return clipboardFlag_; }

  private:
    void EditMemory(int key, int row);
    void Paste(clsRigQ5_Ch& ch);
    void Delete(int key, int row);
    void Insert(int key, int row);

    clsRigQ5_Master& master_;
    QWidget* dialogParent_;
    std::unique_ptr<clsRigQ5_Ch> clipboard_;
    bool clipboardFlag_ = false;
    std::function<void(clsRigQ5_Ch&)> editChannel_;
    clsCmcRecentFile* recent_ = nullptr;
};
