// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_commands.h"

#include <QCoreApplication>

#include "model/channel_sort.h"
#include "model/channel_tools.h"
#include "model/grid_texts.h"
#include "model/image_diff.h"
#include "model/master.h"
#include "model/undo_history.h"
#include "ui/channel_tools_dialogs.h"
#include "ui/dialog_place.h"
#include "ui/dialogs.h"
#include "ui/edit_channel_dialog.h"
#include "ui/edit_common_dialog.h"
#include "ui/msgbox.h"
#include "ui/sort_dialog.h"

EditCommands::EditCommands(clsRigQ5_Master& master) : master_(master), grid_(master) {}

EditCommands::~EditCommands() {
    // Dialogs without a parent window are ours to delete.
    if (channelDialog_ && !channelDialog_->parent()) delete channelDialog_.data();
    if (commonDialog_ && !commonDialog_->parent()) delete commonDialog_.data();
    if (sortDialog_ && !sortDialog_->parent()) delete sortDialog_.data();
    if (bulkDialog_ && !bulkDialog_->parent()) delete bulkDialog_.data();
    if (fillDialog_ && !fillDialog_->parent()) delete fillDialog_.data();
}

frmBulkEdit& EditCommands::BulkDialog() {
    if (!bulkDialog_) bulkDialog_ = new frmBulkEdit(window_);
    return *bulkDialog_;
}

frmFillChannels& EditCommands::FillDialog() {
    if (!fillDialog_) fillDialog_ = new frmFillChannels(window_);
    return *fillDialog_;
}

frmEditCh& EditCommands::ChannelDialog() {
    if (!channelDialog_) channelDialog_ = new frmEditCh(window_);
    return *channelDialog_;
}

frmEditCommon& EditCommands::CommonDialog() {
    if (!commonDialog_) commonDialog_ = new frmEditCommon(window_);
    return *commonDialog_;
}

frmSortBank& EditCommands::SortDialog() {
    if (!sortDialog_) sortDialog_ = new frmSortBank(window_);
    return *sortDialog_;
}

ChEditState EditCommands::EditStateOf(int key, int row) const {
    ChEditState st;
    const clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (ch == nullptr) return st;
    st.exists = true;
    st.usable = ch->Usable();
    st.clearEnable = ch->ClearEnable();
    st.inUse = ch->AppearCh();
    st.pasteAllowed = grid_.Enabled(GridEdit::kPaste, key, row);
    return st;
}

void EditCommands::Run(int index, int key, int row) {
    // Keys, toolbar and double click obey the menu's enabling too.
    if (!grid_.Enabled(index, key, row)) return;
    // A copied block is pasted whole from the row down.
    if (index == GridEdit::kPaste && grid_.ClipboardSize() > 1) {
        PasteBlock(key, row);
        return;
    }
    // Copy changes nothing; an edit that changes nothing leaves no step.
    UndoStep step(index == GridEdit::kCopy ? nullptr : history_);
    switch (index) {
        case GridEdit::kEditMemory:
            EditChannel(key, row);
            break;
        case GridEdit::kCopy:
            grid_.Copy(key, row);
            break;
        case GridEdit::kPaste:
            if (grid_.PasteNeedsQuestion(key, row) &&
                MsgBoxYesNo(GridEdit::kMsgOverwrite, window_) != kMsgYes)
                return;
            grid_.Paste(key, row);
            break;
        case GridEdit::kClear:
            grid_.Clear(key, row);
            break;
        case GridEdit::kDelete:
            grid_.Delete(key, row);
            break;
        case GridEdit::kInsert:
            if (grid_.Insert(key, row) == GridEdit::kInsertRefused)
                MsgBoxOk(GridEdit::kMsgInsertRefused, window_);
            break;
        default:
            break;
    }
}

void EditCommands::EditChannel(int key, int row) {
    clsRigQ5_Ch* ch = master_.ChUnit(key, row);
    if (ch == nullptr) return;
    OpenChannelDialog(*ch);
    // OK or Cancel: the record goes into the image and is read back, so the
    // grid shows exactly what the receiver will get.
    grid_.StoreEdited(key, row);
}

void EditCommands::OpenChannelDialog(clsRigQ5_Ch& ch) {
    frmEditCh& dialog = ChannelDialog();
    dialog.CurCh(ch);
    dialog.adjustSize();
    if (window_) CentreDialogOver(dialog, *window_);
    dialog.FormAdjust();
    Dialogs().ShowModal(dialog);
}

void EditCommands::CommonSetting() {
    UndoStep step(history_);
    frmEditCommon& dialog = CommonDialog();
    dialog.CurCommon(master_.CommonObj());
    dialog.adjustSize();
    if (window_) CentreDialogOver(dialog, *window_);
    dialog.FormAdjust();
    Dialogs().ShowModal(dialog);
}

bool EditCommands::SortBank(int key) {
    if (!SortableList(master_, key)) return false;
    frmSortBank& dialog = SortDialog();
    dialog.Prepare(QString::fromStdString(TreeKeyCaption(master_, key)));
    dialog.adjustSize();
    if (window_) CentreDialogOver(dialog, *window_);
    Dialogs().ShowModal(dialog);
    if (!dialog.Chosen()) return false;
    UndoStep step(history_);
    return ::SortBank(master_, key, dialog.ByName() ? SortBy::Name : SortBy::Frequency);
}

int EditCommands::Shift(int key, int row, int delta) {
    if (!grid_.ShiftEnabled(key, row, delta)) return -1;
    UndoStep step(history_);
    return grid_.Shift(key, row, delta) == GridEdit::kDone ? row + delta : -1;
}

int EditCommands::ShiftBlock(int key, int first, int last, int delta) {
    if (first == last) return Shift(key, first, delta);
    if (!grid_.ShiftBlockEnabled(key, first, last, delta)) return -1;
    UndoStep step(history_);
    return grid_.ShiftBlock(key, first, last, delta) == GridEdit::kDone ? first + delta : -1;
}

bool EditCommands::DropAllowed(int srcKey, int srcRow, int dstKey, int dstRow,
                               bool keepSource) const {
    if (dstRow < 0) return grid_.MoveToBankEnabled(srcKey, srcRow, dstKey, keepSource);
    return grid_.MoveEnabled(srcKey, srcRow, dstKey, dstRow, keepSource);
}

int EditCommands::Drop(int srcKey, int srcRow, int dstKey, int dstRow, bool keepSource) {
    if (!DropAllowed(srcKey, srcRow, dstKey, dstRow, keepSource)) return -1;
    if (dstRow >= 0) {
        if (grid_.PasteNeedsQuestion(dstKey, dstRow) &&
            MsgBoxYesNo(GridEdit::kMsgOverwrite, window_) != kMsgYes)
            return -1;
        UndoStep step(history_);
        return grid_.Move(srcKey, srcRow, dstKey, dstRow, keepSource) == GridEdit::kDone ? dstRow
                                                                                         : -1;
    }
    int row = -1;
    int result = GridEdit::kDisabled;
    {
        UndoStep step(history_);
        result = grid_.MoveToBank(srcKey, srcRow, dstKey, keepSource, row);
    }
    if (result == GridEdit::kNoBlankChannel) {
        MsgBoxOk(GridEdit::NoBlankChannelText(TreeKeyCaption(master_, dstKey)), window_);
    }
    return row;
}

// ------------------------------------------------------------------ blocks

namespace {

// A report of many channels: the counts first, then a line for each
// channel that did not take the values as given (the first 20 of them).
std::string ReportText(const std::string& summary, const ChannelToolResult& r) {
    std::string text = summary;
    std::vector<std::string> lines = r.refusedLines;
    lines.insert(lines.end(), r.lines.begin(), r.lines.end());
    const std::size_t shown = std::min<std::size_t>(lines.size(), 20);
    for (std::size_t i = 0; i < shown; ++i) text += "\n" + lines[i];
    if (lines.size() > shown)
        text += "\n" + QCoreApplication::translate("EditCommands", "... and %n more.", nullptr,
                                                   int(lines.size() - shown))
                           .toStdString();
    return text;
}

}  // namespace

ChEditState EditCommands::EditStateOfBlock(int key, int first, int last) const {
    if (first == last) return EditStateOf(key, first);
    ChEditState st;
    st.exists = master_.ChUnit(key, first) != nullptr && master_.ChUnit(key, last) != nullptr;
    st.usable = grid_.BlockEnabled(GridEdit::kCopy, key, first, last);
    st.clearEnable = grid_.BlockEnabled(GridEdit::kClear, key, first, last);
    st.pasteAllowed = grid_.Enabled(GridEdit::kPaste, key, first);
    for (int row = first; row <= last && st.exists; ++row)
        st.inUse = st.inUse || master_.ChUnit(key, row)->AppearCh();
    return st;
}

void EditCommands::RunBlock(int index, int key, int first, int last) {
    if (first == last) {
        Run(index, key, first);
        return;
    }
    switch (index) {
        case GridEdit::kCopy:
            grid_.CopyBlock(key, first, last);
            return;
        case GridEdit::kPaste:
            // From the block's first row, as from a single row.
            Run(index, key, first);
            return;
        case GridEdit::kClear: {
            UndoStep step(history_);
            grid_.ClearBlock(key, first, last);
            return;
        }
        case GridEdit::kDelete: {
            UndoStep step(history_);
            grid_.DeleteBlock(key, first, last);
            return;
        }
        default:
            return;
    }
}

void EditCommands::PasteBlock(int key, int first) {
    const int check = grid_.PasteCheck(key, first);
    if (check == GridEdit::kBlockDoesNotFit || check == GridEdit::kBlockRefused) {
        MsgBoxOk(grid_.PasteRefusedText(check, key, first, grid_.ClipboardSize()), window_);
        return;
    }
    if (check != GridEdit::kDone) return;
    if (grid_.PasteBlockNeedsQuestion(key, first) &&
        MsgBoxYesNo(GridEdit::kMsgOverwrite, window_) != kMsgYes)
        return;
    UndoStep step(history_);
    grid_.PasteBlock(key, first);
}

bool EditCommands::BulkEditEnabled(int key, int first, int last) const {
    return BulkEditable(master_, key, first, last);
}

bool EditCommands::BulkEdit(int key, int first, int last) {
    if (!BulkEditEnabled(key, first, last)) return false;
    frmBulkEdit& dialog = BulkDialog();
    const int type = master_.TreeKeyChListType(key);
    dialog.Prepare(master_.MatrixObj(),
                   QString::fromStdString(TreeKeyCaption(master_, key) + " " +
                                          clsRigQ5_Master::ChNoStr(type, first) + "-" +
                                          clsRigQ5_Master::ChNoStr(type, last)));
    dialog.adjustSize();
    if (window_) CentreDialogOver(dialog, *window_);
    Dialogs().ShowModal(dialog);
    const BulkChanges changes = dialog.Changes();
    if (!dialog.Chosen() || !changes.Any()) return false;
    ChannelToolResult result;
    {
        UndoStep step(history_);
        result = ::BulkEdit(master_, key, first, last, changes);
    }
    MsgBoxOk(ReportText(BulkSummaryText(result), result), window_);
    return result.given + result.adjusted > 0;
}

bool EditCommands::FillEnabled(int key) const {
    return ::FillEnabled(master_, key);
}

bool EditCommands::Fill(int key, int row) {
    if (!FillEnabled(key) || master_.ChUnit(key, row) == nullptr) return false;
    frmFillChannels& dialog = FillDialog();
    const int n = master_.NumChOfChListType(clsRigQ5_Master::kListMemory);
    dialog.Prepare(master_.MatrixObj(), QString::fromStdString(ChannelPlaceText(master_, key, row)),
                   n - row);
    dialog.adjustSize();
    if (window_) CentreDialogOver(dialog, *window_);
    Dialogs().ShowModal(dialog);
    if (!dialog.Chosen()) return false;
    const FillRequest request = dialog.Request();
    if (FillCheck(master_, key, row, request) == kFillDoesNotFit) {
        MsgBoxOk(FillDoesNotFitText(master_, key, row, request.count), window_);
        return false;
    }
    if (FillNeedsQuestion(master_, key, row, request) &&
        MsgBoxYesNo(GridEdit::kMsgOverwrite, window_) != kMsgYes)
        return false;
    ChannelToolResult result;
    {
        UndoStep step(history_);
        if (FillChannels(master_, key, row, request, result) != kFillDone) return false;
    }
    MsgBoxOk(ReportText(FillSummaryText(result), result), window_);
    return result.given + result.adjusted > 0;
}

bool EditCommands::DropBlockAllowed(int srcKey, int first, int last, int dstKey, int dstRow,
                                    bool keepSource) const {
    if (first == last) return DropAllowed(srcKey, first, dstKey, dstRow, keepSource);
    if (dstRow < 0) return grid_.BankBlockRow(srcKey, first, last, dstKey) >= 0;
    const int check = grid_.MoveBlockCheck(srcKey, first, last, dstKey, dstRow, keepSource);
    // Where it does not fit the drop is taken and refused with its reason.
    return check == GridEdit::kDone || check == GridEdit::kBlockDoesNotFit ||
           check == GridEdit::kBlockRefused;
}

int EditCommands::DropBlock(int srcKey, int first, int last, int dstKey, int dstRow,
                            bool keepSource) {
    if (first == last) return Drop(srcKey, first, dstKey, dstRow, keepSource);
    if (!DropBlockAllowed(srcKey, first, last, dstKey, dstRow, keepSource)) return -1;
    if (dstRow < 0) {
        dstRow = grid_.BankBlockRow(srcKey, first, last, dstKey);
    } else {
        const int check = grid_.MoveBlockCheck(srcKey, first, last, dstKey, dstRow, keepSource);
        if (check != GridEdit::kDone) {
            MsgBoxOk(grid_.PasteRefusedText(check, dstKey, dstRow, last - first + 1), window_);
            return -1;
        }
        if (grid_.MoveBlockNeedsQuestion(srcKey, first, last, dstKey, dstRow, keepSource) &&
            MsgBoxYesNo(GridEdit::kMsgOverwrite, window_) != kMsgYes)
            return -1;
    }
    UndoStep step(history_);
    return grid_.MoveBlock(srcKey, first, last, dstKey, dstRow, keepSource) == GridEdit::kDone
               ? dstRow
               : -1;
}
