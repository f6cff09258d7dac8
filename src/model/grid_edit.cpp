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

bool GridEdit::SourceMovable(const clsRigQ5_Ch* src, bool keepSource) const {
    // A blank channel carries nothing to move; a VFO or the first scan edge
    // pair cannot be left blank behind, so those can only be copied.
    return src != nullptr && src->Usable() && src->AppearCh() && (keepSource || src->ClearEnable());
}

bool GridEdit::MoveEnabled(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) const {
    if (srcKey == dstKey && srcRow == dstRow) return false;
    const clsRigQ5_Ch* src = master_.ChUnit(srcKey, srcRow);
    const clsRigQ5_Ch* dst = master_.ChUnit(dstKey, dstRow);
    return SourceMovable(src, keepSource) && dst != nullptr && dst->Usable() &&
           dst->CopyEnabledFrom(src);
}

int GridEdit::Move(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) {
    if (!MoveEnabled(srcKey, srcRow, dstKey, dstRow, keepSource)) return kDisabled;
    clsRigQ5_Ch* src = master_.ChUnit(srcKey, srcRow);
    // Field values only, as Paste: the target keeps its identity and place.
    master_.ChUnit(dstKey, dstRow)->CopyData(*src);
    if (!keepSource) src->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

bool GridEdit::MoveToBankEnabled(int srcKey, int srcRow, int bankKey, bool keepSource) const {
    if (bankKey == srcKey || master_.TreeKeyChListType(bankKey) != clsRigQ5_Master::kListMemory)
        return false;
    const clsRigQ5_Ch* src = master_.ChUnit(srcKey, srcRow);
    const clsRigQ5_Ch* first = master_.ChUnit(bankKey, 0);
    return SourceMovable(src, keepSource) && first != nullptr && first->CopyEnabledFrom(src);
}

int GridEdit::BankDropRow(int srcKey, int srcRow, int bankKey) const {
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(bankKey));
    for (int row = 0; row < n; ++row) {
        const clsRigQ5_Ch* ch = master_.ChUnit(bankKey, row);
        if (ch != nullptr && !ch->AppearCh() && MoveEnabled(srcKey, srcRow, bankKey, row, true))
            return row;
    }
    return -1;
}

int GridEdit::MoveToBank(int srcKey, int srcRow, int bankKey, bool keepSource, int& row) {
    row = -1;
    if (!MoveToBankEnabled(srcKey, srcRow, bankKey, keepSource)) return kDisabled;
    const int target = BankDropRow(srcKey, srcRow, bankKey);
    if (target < 0) return kNoBlankChannel;
    const int result = Move(srcKey, srcRow, bankKey, target, keepSource);
    if (result == kDone) row = target;
    return result;
}

std::string GridEdit::DropRefusedText(int srcKey, int srcRow, int dstKey, int dstRow,
                                      bool keepSource, const std::string& dstCaption) const {
    if (dstRow >= 0) {
        if ((srcKey == dstKey && srcRow == dstRow) ||
            MoveEnabled(srcKey, srcRow, dstKey, dstRow, keepSource))
            return {};
    } else {
        if (MoveToBankEnabled(srcKey, srcRow, dstKey, keepSource)) return {};
        if (master_.TreeKeyChListType(dstKey) != clsRigQ5_Master::kListMemory)
            return "A channel is dropped onto a memory bank or a row, not onto " + dstCaption + ".";
        if (dstKey == srcKey) return "The channel is in " + dstCaption + " already.";
    }
    const clsRigQ5_Ch* src = master_.ChUnit(srcKey, srcRow);
    const bool copyAllowed = dstRow >= 0 ? MoveEnabled(srcKey, srcRow, dstKey, dstRow, true)
                                         : MoveToBankEnabled(srcKey, srcRow, dstKey, true);
    // Refused, yet a copy would be taken: the move was, of a channel that
    // cannot be left blank (a VFO, the first scan edge pair).
    if (copyAllowed) return "This channel cannot be left blank: hold Ctrl to copy it.";
    if (!SourceMovable(src, true)) return "A blank channel has nothing to move.";
    return dstCaption + " does not take this channel.";
}

bool GridEdit::ShiftEnabled(int key, int row, int delta) const {
    if (delta != -1 && delta != 1) return false;
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    const int other = row + delta;
    if (row < 0 || row >= n || other < 0 || other >= n) return false;
    const clsRigQ5_Ch* neighbour = master_.ChUnit(key, other);
    return MoveEnabled(key, row, key, other, false) && neighbour != nullptr &&
           (!neighbour->AppearCh() || MoveEnabled(key, other, key, row, false));
}

int GridEdit::Shift(int key, int row, int delta) {
    if (!ShiftEnabled(key, row, delta)) return kDisabled;
    clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    clsRigQ5_Ch* neighbour = master_.ChUnit(key, row + delta);
    clsRigQ5_Ch held(master_.MatrixObj());
    held.CopyFull(*neighbour);
    neighbour->CopyData(*ch);
    ch->CopyData(held);
    master_.Radio().EditOn(true);
    return kDone;
}

std::string GridEdit::NoBlankChannelText(const std::string& bankCaption) {
    return bankCaption + " has no blank CH.";
}

std::string GridEdit::MovedToText(bool copied, const std::string& bankCaption,
                                  const std::string& chNo) {
    return std::string(copied ? "Copied" : "Moved") + " to " + bankCaption + ", CH " + chNo + ".";
}
