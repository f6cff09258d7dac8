// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps the user can go back and forth through: every change to the
// document (a grid command, the channel dialog, the settings dialog, a TV
// preset, a table import) is one step, kept as the whole memory image
// before and after it. The image is small (8064 bytes) and holds all the
// document is, so a snapshot is simpler and safer than undoing each kind of
// edit by hand: going back restores the exact bytes and decodes the records
// from them as a file load does.
//
// Going back does not touch the document's edit flag: once a document
// reads as edited it stays so, even when the steps lead back to the state
// of the last save (the flag latches; only a save, load or read clears it).
// Loading, New and a clone read start a fresh history.

#include <cstddef>
#include <vector>

#include "app/common.h"
#include "model/master.h"

class UndoHistory {
  public:
    // Steps kept; the oldest is dropped when a new one would pass it.
    static constexpr std::size_t kDefaultLimit = 200;

    explicit UndoHistory(clsRigQ5_Master& master, std::size_t limit = kDefaultLimit);
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Brackets one edit: BeginEdit stores the records into the image and
    // takes the image as it stands; EndEdit does the same after the edit
    // and keeps the pair as one step, unless nothing changed. A new step
    // drops the steps that were undone. A BeginEdit while one is open is
    // ignored, so an edit made of smaller edits stays one step.
    void BeginEdit();
    void EndEdit();
    bool EditOpen() const { return open_; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    std::size_t Limit() const { return limit_; }

    // Puts the image of before / after the step back and decodes the
    // records from it. False when there is no step to go to.
    bool Undo();
    bool Redo();

    // Forgets every step (and an open edit).
    void Clear();

  private:
    struct Step {
        ByteStr before;
        ByteStr after;
    };
    ByteStr Snapshot();
    void Restore(const ByteStr& image);

    clsRigQ5_Master& master_;
    std::size_t limit_;
    bool open_ = false;
    ByteStr pending_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
};

// One edit as a step of a history for as long as it lives; no history
// (nullptr) records nothing.
class UndoStep {
  public:
    explicit UndoStep(UndoHistory* history) : history_(history) {
        if (history_) history_->BeginEdit();
    }
    ~UndoStep() {
        if (history_) history_->EndEdit();
    }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

  private:
    UndoHistory* history_;
};
