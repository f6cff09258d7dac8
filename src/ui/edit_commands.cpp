// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_commands.h"

#include "model/channel_sort.h"
#include "model/grid_texts.h"
#include "model/master.h"
#include "model/undo_history.h"
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
