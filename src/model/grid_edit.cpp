// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/grid_edit.h"

#include <algorithm>

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
    return CopyBlock(key, row, row);
}

int GridEdit::Paste(int key, int row) {
    if (!Enabled(kPaste, key, row)) return kDisabled;
    // Field values only: the target keeps its identity and so its place.
    master_.ChUnit(key, row)->CopyData(clipboard_[0]);
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

// ------------------------------------------------------------------ blocks

bool GridEdit::BlockEnabled(int index, int key, int first, int last) const {
    if (first > last || first < 0) return false;
    if (first == last) return Enabled(index, key, first);
    if (index != kCopy && index != kClear && index != kDelete) return false;
    for (int row = first; row <= last; ++row) {
        const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
        if (ch == nullptr || !ch->Usable()) return false;
        if (index != kCopy && !ch->ClearEnable()) return false;
    }
    return true;
}

int GridEdit::CopyBlock(int key, int first, int last) {
    if (!BlockEnabled(kCopy, key, first, last)) return kDisabled;
    // Whole records with their identity: a paste judges each by its kind.
    clipboard_.assign(static_cast<std::size_t>(last - first + 1), clsRigQ5_Ch(master_.MatrixObj()));
    for (int row = first; row <= last; ++row)
        clipboard_[static_cast<std::size_t>(row - first)].CopyFull(*master_.ChUnit(key, row));
    clipboardFlag_ = true;
    return kDone;
}

int GridEdit::ClearBlock(int key, int first, int last) {
    if (!BlockEnabled(kClear, key, first, last)) return kDisabled;
    for (int row = first; row <= last; ++row) master_.ChUnit(key, row)->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::DeleteBlock(int key, int first, int last) {
    if (!BlockEnabled(kDelete, key, first, last)) return kDisabled;
    // The rest of the group moves up by the block's length at once; the
    // rows freed at the group's end become blank.
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    const int gap = last - first + 1;
    for (int i = first; i + gap < n; ++i)
        master_.ChUnit(key, i)->CopyData(*master_.ChUnit(key, i + gap));
    for (int i = std::max(first, n - gap); i < n; ++i) master_.ChUnit(key, i)->AppearCh(false);
    master_.Radio().EditOn(true);
    return kDone;
}

int GridEdit::FitCheck(const std::vector<clsRigQ5_Ch>& records, int key, int row) const {
    const clsRigQ5_Ch* first = master_.ChUnit(key, row);
    if (records.empty() || first == nullptr || !first->Usable()) return kDisabled;
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    if (row + static_cast<int>(records.size()) > n) return kBlockDoesNotFit;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const clsRigQ5_Ch* ch = master_.ChUnit(key, row + static_cast<int>(i));
        if (ch == nullptr || !ch->Usable() || !ch->CopyEnabledFrom(&records[i]))
            return kBlockRefused;
    }
    return kDone;
}

void GridEdit::WriteBlock(const std::vector<clsRigQ5_Ch>& records, int key, int row) {
    // Field values only, as a single paste: every target keeps its place.
    for (std::size_t i = 0; i < records.size(); ++i)
        master_.ChUnit(key, row + static_cast<int>(i))->CopyData(records[i]);
    master_.Radio().EditOn(true);
}

int GridEdit::PasteCheck(int key, int row) const {
    return FitCheck(clipboard_, key, row);
}

int GridEdit::PasteBlock(int key, int row) {
    const int check = PasteCheck(key, row);
    if (check != kDone) return check;
    WriteBlock(clipboard_, key, row);
    return kDone;
}

bool GridEdit::PasteBlockNeedsQuestion(int key, int row) const {
    for (int i = 0; i < ClipboardSize(); ++i)
        if (PasteNeedsQuestion(key, row + i)) return true;
    return false;
}

std::string GridEdit::PasteRefusedText(int result, int key, int row, int n) const {
    const int type = master_.TreeKeyChListType(key);
    const std::string count = std::to_string(n) + " channels";
    if (result == kBlockDoesNotFit) {
        const int last = master_.NumChOfChListType(type) - 1;
        return "The " + count + " do not fit from CH " + clsRigQ5_Master::ChNoStr(type, row) +
               ": the list ends at CH " + clsRigQ5_Master::ChNoStr(type, last) + ".";
    }
    return "The " + count + " cannot go from CH " + clsRigQ5_Master::ChNoStr(type, row) +
           ": a channel may not go to its place there.";
}

int GridEdit::MoveBlockCheck(int srcKey, int first, int last, int dstKey, int dstRow,
                             bool keepSource) const {
    if (srcKey == dstKey && first == dstRow) return kDisabled;
    bool any = false;
    std::vector<clsRigQ5_Ch> records;
    for (int row = first; row <= last; ++row) {
        const clsRigQ5_Ch* src = master_.ChUnit(srcKey, row);
        if (src == nullptr || !src->Usable() || (!keepSource && !src->ClearEnable()))
            return kDisabled;
        any = any || src->AppearCh();
        records.push_back(*src);
    }
    if (!any) return kDisabled;  // only blank channels: nothing to carry
    return FitCheck(records, dstKey, dstRow);
}

bool GridEdit::MoveBlockNeedsQuestion(int srcKey, int first, int last, int dstKey, int dstRow,
                                      bool keepSource) const {
    for (int i = 0; i <= last - first; ++i) {
        const int row = dstRow + i;
        // A move empties its own rows first: those are no loss.
        const bool emptied = !keepSource && dstKey == srcKey && row >= first && row <= last;
        if (!emptied && PasteNeedsQuestion(dstKey, row)) return true;
    }
    return false;
}

int GridEdit::MoveBlock(int srcKey, int first, int last, int dstKey, int dstRow, bool keepSource) {
    const int check = MoveBlockCheck(srcKey, first, last, dstKey, dstRow, keepSource);
    if (check != kDone) return check;
    std::vector<clsRigQ5_Ch> records;
    for (int row = first; row <= last; ++row) records.push_back(*master_.ChUnit(srcKey, row));
    // Sources first, so a block moved a few rows within its group keeps
    // the rows it lands on.
    if (!keepSource)
        for (int row = first; row <= last; ++row) master_.ChUnit(srcKey, row)->AppearCh(false);
    WriteBlock(records, dstKey, dstRow);
    return kDone;
}

int GridEdit::BankBlockRow(int srcKey, int first, int last, int bankKey) const {
    if (bankKey == srcKey || master_.TreeKeyChListType(bankKey) != clsRigQ5_Master::kListMemory)
        return -1;
    const int n = master_.NumChOfChListType(clsRigQ5_Master::kListMemory);
    const int size = last - first + 1;
    for (int row = 0; row + size <= n; ++row) {
        bool blank = true;
        for (int i = 0; i < size && blank; ++i)
            blank = !master_.ChUnit(bankKey, row + i)->AppearCh();
        if (blank && MoveBlockCheck(srcKey, first, last, bankKey, row, true) == kDone) return row;
    }
    return -1;
}

std::vector<clsRigQ5_Ch> GridEdit::ShiftedBlock(int key, int first, int last, int delta) const {
    std::vector<clsRigQ5_Ch> records;
    if ((delta != -1 && delta != 1) || first < 0 || first > last) return records;
    const int n = master_.NumChOfChListType(master_.TreeKeyChListType(key));
    const int top = delta < 0 ? first - 1 : first;
    const int bottom = delta < 0 ? last : last + 1;
    if (top < 0 || bottom >= n) return records;
    bool any = false;
    for (int row = top; row <= bottom; ++row) {
        const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
        if (ch == nullptr || !ch->Usable() || !ch->ClearEnable()) return {};
        if (row >= first && row <= last) any = any || ch->AppearCh();
        records.push_back(*ch);
    }
    if (!any) return {};
    // Up: the neighbour above goes below the block; down: the one below goes above.
    if (delta < 0) {
        std::rotate(records.begin(), records.begin() + 1, records.end());
    } else {
        std::rotate(records.rbegin(), records.rbegin() + 1, records.rend());
    }
    if (FitCheck(records, key, top) != kDone) return {};
    return records;
}

bool GridEdit::ShiftBlockEnabled(int key, int first, int last, int delta) const {
    if (first == last) return ShiftEnabled(key, first, delta);
    return !ShiftedBlock(key, first, last, delta).empty();
}

int GridEdit::ShiftBlock(int key, int first, int last, int delta) {
    if (first == last) return Shift(key, first, delta);
    const std::vector<clsRigQ5_Ch> records = ShiftedBlock(key, first, last, delta);
    if (records.empty()) return kDisabled;
    WriteBlock(records, key, delta < 0 ? first - 1 : first);
    return kDone;
}
