// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's view of the receiver's memory map: the tree, the grid
// rows and the edit state come from clsRigQ5_Master. The commands are not
// carried out here but handed to the program's one implementation of each:
// the File menu to DocumentCommands, the Edit menu and Common Setting to
// EditCommands (whose GridEdit holds the channel clipboard), the Cloning
// menu and its tick to CloneCommands.

#include "model/master.h"
#include "ui/main_model.h"

class CloneCommands;
class DocumentCommands;
class EditCommands;
class clsCmcRecentFile;
class UndoHistory;

class MasterWindowModel : public MainWindowModel {
  public:
    // All must outlive this object; clone may be null (no cloning).
    MasterWindowModel(clsRigQ5_Master& master, DocumentCommands& document, EditCommands& edit,
                      CloneCommands* clone = nullptr);

    // The recent file list of the File menu; none: the menu stays empty.
    // The document commands add to it.
    void recentFiles(clsCmcRecentFile* list) { recent_ = list; }
    void cloneCommands(CloneCommands* clone) { clone_ = clone; }
    void history(UndoHistory* history) { history_ = history; }
    void backupFolder(const std::string& folder) { backupFolder_ = folder; }

    std::string TreeKeyStr(int key) const override;
    int TreeKeyChListType(int key) const override;
    int NumChOfChListType(int listType) const override;
    int NumItemOfChListType(int listType) const override;
    int ItemNoOfChListType(int listType, int column) const override;
    std::string ChItemName(int item) const override;
    std::vector<std::string> ChRowTexts(int key, int row) const override;
    ChEditState EditStateOf(int key, int row) const override;

    void ResetMap() override;
    std::string FileName() const override;
    std::string FileTitle() const override;
    std::string CurDir() const override;
    std::string SaveChangesPrompt(bool reopening) const override;
    void NewDocument() override;
    int LoadDocument(const std::string& path) override;
    int SaveDocument(const std::string& path) override;
    int RecentCount() const override;
    std::string RecentFileName(int index) const override;
    std::string RecentFileTitle(int index) const override;

    void EditCommand(int index, int key, int row) override;
    void CommonSetting() override;
    void PresetTv(int table) override;
    void CloneCommand(int index, int comPort) override;
    void CloneTask() override;
    bool CanUndo() const override;
    bool CanRedo() const override;
    void Undo() override;
    void Redo() override;
    void ExportCsv() override;
    bool ImportCsv(int key, int row) override;
    std::string BackupFolder() const override { return backupFolder_; }
    FindResult FindChannel(const std::string& text, int afterKey, int afterRow) const override;
    bool CanSortBank(int key) const override;
    bool SortBank(int key) override;
    bool DropAllowed(int srcKey, int srcRow, int dstKey, int dstRow,
                     bool keepSource) const override;
    int DropChannel(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) override;
    ChEditState EditStateOfBlock(int key, int first, int last) const override;
    void EditBlockCommand(int index, int key, int first, int last) override;
    bool CanBulkEdit(int key, int first, int last) const override;
    bool BulkEdit(int key, int first, int last) override;
    bool CanFill(int key) const override;
    bool FillChannels(int key, int row) override;
    bool DropBlockAllowed(int srcKey, int first, int last, int dstKey, int dstRow,
                          bool keepSource) const override;
    int DropBlock(int srcKey, int first, int last, int dstKey, int dstRow,
                  bool keepSource) override;
    std::string DropRefusedText(int srcKey, int srcRow, int dstKey, int dstRow,
                                bool keepSource) const override;
    bool CanShiftChannel(int key, int row, int delta) const override;
    int ShiftChannel(int key, int row, int delta) override;
    bool CanShiftBlock(int key, int first, int last, int delta) const override;
    int ShiftBlock(int key, int first, int last, int delta) override;
    void ExportPdf() override;
    void Print() override;
    std::vector<BackupEntry> BackupList() const override;
    int RestoreBackup(const std::string& path) override;
    bool CompareWith(const std::string& path, std::vector<ImageDifference>& differences) override;
    void VerifyAfterWrite(bool on) override;

  private:
    clsRigQ5_Master& master_;
    DocumentCommands& doc_;
    EditCommands& edit_;
    CloneCommands* clone_;
    UndoHistory* history_ = nullptr;
    std::string backupFolder_;
    clsCmcRecentFile* recent_ = nullptr;
};
