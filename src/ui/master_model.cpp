#include "ui/master_model.h"

#include "app/recent_file.h"
#include "file/acf_file.h"
#include "model/grid_texts.h"
#include "ui/dialogs.h"
#include "ui/msgbox.h"

namespace {
enum EditIndex { kEditMemory = 0, kCopy = 2, kPaste = 3, kClear = 5, kDelete = 6, kInsert = 7 };
}

MasterWindowModel::MasterWindowModel(clsRigQ5_Master& master, QWidget* dialogParent)
    : master_(master), dialogParent_(dialogParent) {}

std::string MasterWindowModel::TreeKeyStr(int key) const {
    return master_.TreeKeyStr(key);
}

int MasterWindowModel::TreeKeyChListType(int key) const {
    return master_.TreeKeyChListType(key);
}

int MasterWindowModel::NumChOfChListType(int listType) const {
    return master_.NumChOfChListType(listType);
}

int MasterWindowModel::NumItemOfChListType(int listType) const {
    return master_.NumItemNoOfChListType(listType);
}

int MasterWindowModel::ItemNoOfChListType(int listType, int column) const {
    return master_.ItemNoOfChListType(listType, column);
}

std::string MasterWindowModel::ChItemName(int item) const {
    return clsRigQ5_Master::ChItemName(item);
}

std::vector<std::string> MasterWindowModel::ChRowTexts(int key, int row) const {
    return ChannelRowTexts(master_, key, row);
}

ChEditState MasterWindowModel::EditStateOf(int key, int row) const {
    ChEditState st;
    const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (!ch) return st;
    st.exists = true;
    st.usable = ch->Usable();
    st.clearEnable = ch->ClearEnable();
    st.pasteAllowed = clipboardFlag_ && clipboard_ && ch->CopyEnabledFrom(clipboard_.get());
    return st;
}

void MasterWindowModel::ResetMap() {
    master_.Reset();
}

void MasterWindowModel::WriteToEep() {
    master_.WriteToEep();
}

void MasterWindowModel::ReadFromEep(int flag) {
    master_.ReadFromEep(flag);
}

void MasterWindowModel::InitReload() {
    master_.init_Reload();
}

void MasterWindowModel::PresetTv(int table) {
    master_.PresetTv(table);
}

int MasterWindowModel::FileLoad(const std::string& path) {
    return AcfFileLoad(master_.Radio(), path);
}

int MasterWindowModel::FileSave(const std::string& path) {
    return AcfFileSave(master_.Radio(), master_.CommonObj().Comment(), path);
}

int MasterWindowModel::RecentCount() const {
    return recent_ ? recent_->NumIndex() : 0;
}

std::string MasterWindowModel::RecentFileName(int index) const {
    return recent_ ? recent_->filename(index) : std::string();
}

std::string MasterWindowModel::RecentFileTitle(int index) const {
    return recent_ ? recent_->fileTitle(index) : std::string();
}

void MasterWindowModel::RecentAdd(const std::string& path, const std::string& title) {
    if (recent_) recent_->AddItem(path, title);
}

void MasterWindowModel::EditCommand(int index, int key, int row) {
    clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (!ch) return;
    switch (index) {
        case kEditMemory:
            EditMemory(key, row);
            break;
        case kCopy:
            if (!clipboard_) clipboard_ = std::make_unique<clsRigQ5_Ch>(master_.MatrixObj());
            clipboard_->CopyFull(*ch);
            clipboardFlag_ = true;
            break;
        case kPaste:
            Paste(*ch);
            break;
        case kClear:
            ch->AppearCh(false);
            master_.Radio().EditOn(true);
            break;
        case kDelete:
            Delete(key, row);
            break;
        case kInsert:
            Insert(key, row);
            break;
        default:
            break;
    }
}

void MasterWindowModel::EditMemory(int key, int row) {
    clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (!ch || !editChannel_) return;
    editChannel_(*ch);
    // The dialog wrote the record; store it into the image and read it back
    // so the grid shows exactly what the image holds. The index is the row's
    // place within its list type (bank B's row 3 is memory channel 53).
    const int listType = master_.TreeKeyChListType(key);
    const int index = row + master_.TreeKeyTopChNo(key);
    master_.Set1Ch(*ch, listType, index, clsRigQ5_Master::kProgramForm);
    master_.Get1Ch(*ch, listType, index, clsRigQ5_Master::kProgramForm);
}

void MasterWindowModel::Paste(clsRigQ5_Ch& ch) {
    if (ch.AppearCh() && MsgBoxYesNo("Overwrite here ?", dialogParent_) != kMsgYes) return;
    if (!clipboard_) clipboard_ = std::make_unique<clsRigQ5_Ch>(master_.MatrixObj());
    ch.CopyData(*clipboard_);
    master_.Radio().EditOn(true);
}

void MasterWindowModel::Delete(int key, int row) {
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    for (int i = row; i <= n - 2; ++i) {
        clsRigQ5_Ch* to = master_.ChUnit(key, i);
        const clsRigQ5_Ch* from = master_.ChUnit(key, i + 1);
        if (to && from) to->CopyData(*from);
    }
    if (clsRigQ5_Ch* last = master_.ChUnit(key, n - 1)) last->AppearCh(false);
    master_.Radio().EditOn(true);
}

void MasterWindowModel::Insert(int key, int row) {
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    clsRigQ5_Ch* last = master_.ChUnit(key, n - 1);
    if (last && last->AppearCh()) {
        MsgBoxOk("The last CH is not blank. Cannot insert a blank channel.", dialogParent_);
        return;
    }
    for (int i = n - 1; i >= row + 1; --i) {
        clsRigQ5_Ch* to = master_.ChUnit(key, i);
        const clsRigQ5_Ch* from = master_.ChUnit(key, i - 1);
        if (to && from) to->CopyData(*from);
    }
    if (clsRigQ5_Ch* ch = master_.ChUnit(key, row)) ch->AppearCh(false);
    master_.Radio().EditOn(true);
}
