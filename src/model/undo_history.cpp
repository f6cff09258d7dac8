// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

UndoHistory::UndoHistory(clsRigQ5_Master& master, std::size_t limit)
    : master_(master), limit_(limit < 1 ? 1 : limit) {}

ByteStr UndoHistory::Snapshot() {
    // The grid commands change records only; the image is their stored form.
    master_.WriteToEep();
    return master_.Radio().eepImage.bytes();
}

void UndoHistory::Restore(const ByteStr& image) {
    master_.Radio().eepImage.WriteBlock(0, image);
    master_.ReadFromEep(clsRigQ5_Master::kProgramForm);
}

void UndoHistory::BeginEdit() {
    if (open_) return;
    pending_ = Snapshot();
    open_ = true;
}

void UndoHistory::EndEdit() {
    if (!open_) return;
    open_ = false;
    ByteStr after = Snapshot();
    if (after == pending_) return;
    if (undo_.size() >= limit_) undo_.erase(undo_.begin());
    undo_.push_back(Step{std::move(pending_), std::move(after)});
    pending_.clear();
    redo_.clear();
}

bool UndoHistory::Undo() {
    if (undo_.empty()) return false;
    open_ = false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    Restore(step.before);
    redo_.push_back(std::move(step));
    return true;
}

bool UndoHistory::Redo() {
    if (redo_.empty()) return false;
    open_ = false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    Restore(step.after);
    undo_.push_back(std::move(step));
    return true;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    pending_.clear();
    open_ = false;
}
