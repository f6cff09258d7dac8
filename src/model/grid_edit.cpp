// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/grid_edit.h"

GridEdit::GridEdit(clsRigQ5_Master& master) : master_(master) {}

bool GridEdit::Enabled(int index, int key, int row) const {
    const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (ch == nullptr || !ch->Usable()) return false;
    switch (index) {
        case kEditMemory:
        case kCopy:
            return true;
        case kPaste:
            return clipboardFlag_ && ch->CopyEnabledFrom(Clipboard());
        case kClear:
        case kDelete:
        case kInsert:
            return ch->ClearEnable();
        default:
            return false;
    }
}

bool GridEdit::PasteNeedsQuestion(int key, int row) const {
    const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    return ch != nullptr && ch->AppearCh();
}

int GridEdit::Copy(int key, int row) {
    if (!Enabled(kCopy, key, row)) return kDisabled;
    if (!clipboard_) clipboard_.emplace(master_.MatrixObj());
    clipboard_->CopyFull(*master_.ChUnit(key, row));
    clipboardFlag_ = true;
    return kDone;
}

int GridEdit::Paste(int key, int row) {
    if (!Enabled(kPaste, key, row)) return kDisabled;
    // Field values only: the target keeps its identity and so its place.
    master_.ChUnit(key, row)->CopyData(*clipboard_);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::Clear(int key, int row) {
    if (!Enabled(kClear, key, row)) return kDisabled;
    master_.ChUnit(key, row)->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::Delete(int key, int row) {
    if (!Enabled(kDelete, key, row)) return kDisabled;
    // Within the group only: the first channel of the next bank stays put.
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    for (int i = row; i <= n - 2; ++i)
        master_.ChUnit(key, i)->CopyData(*master_.ChUnit(key, i + 1));
    master_.ChUnit(key, n - 1)->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::Insert(int key, int row) {
    if (!Enabled(kInsert, key, row)) return kDisabled;
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    // The last channel would fall off the end of the group.
    if (master_.ChUnit(key, n - 1)->AppearCh()) return kInsertRefused;
    for (int i = n - 1; i >= row + 1; --i)
        master_.ChUnit(key, i)->CopyData(*master_.ChUnit(key, i - 1));
    master_.ChUnit(key, row)->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::StoreEdited(int key, int row) {
    clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (ch == nullptr) return kDisabled;
    // The row within the tree key plus the key's first channel is the
    // channel's index within its list type: bank B's row 3 is channel 53.
    const int type = master_.TreeKeyChListType(key);
    const int index = row + master_.TreeKeyTopChNo(key);
    master_.Set1Ch(*ch, type, index, clsRigQ5_Master::kProgramForm);
    master_.Get1Ch(*ch, type, index, clsRigQ5_Master::kProgramForm);
    return kDone;
}
