// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/channel_sort.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

struct UndoHistoryTest : ::testing::Test {
    VersionDocument doc{0, 1};  // bank A: channels 0 (145 MHz) and 1 (433 MHz) in use
    clsRigQ5_Master& master = doc.master;
    UndoHistory history{master};
    clsRigQ5_Ch& Mem(int index) { return *master.ListCh(M::kListMemory, index); }
    ByteStr Image() {
        master.WriteToEep();
        return doc.radio.eepImage.bytes();
    }
    void Step(const std::function<void()>& edit) {
        UndoStep step(&history);
        edit();
    }
};

}  // namespace

TEST_F(UndoHistoryTest, UndoRedoRestoreTheImageKeepTheEditFlagStepOnlyOnChangesAndDropTheOldest) {
    // Changes to the records (a paste, a clear), straight to the image (the
    // settings dialog), to both (a TV preset) and a sort.
    const std::vector<std::function<void()>> edits = {
        [&] { Mem(4).CopyData(Mem(1)); }, [&] { Mem(0).AppearCh(false); },
        [&] { master.CommonObj().Comment("UNDO ME"); }, [&] { master.PresetTv(9); },
        [&] { ASSERT_TRUE(SortBank(master, 3, SortBy::Frequency)); }};
    std::vector<ByteStr> states = {Image()};
    doc.radio.EditOn(false);  // as after a save
    for (std::size_t i = 0; i < edits.size(); ++i) {
        Step(edits[i]);
        states.push_back(Image());
        ASSERT_NE(states.back(), states[i]) << "edit " << i << " changed nothing";
    }
    for (std::size_t i = edits.size(); i-- > 0;) {
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(doc.radio.eepImage.bytes(), states[i]) << "undo of edit " << i;
        // The records follow the image: storing them again changes nothing.
        EXPECT_EQ(Image(), states[i]) << "records after undo of edit " << i;
    }
    // Back at the saved state the edit flag stays latched.
    EXPECT_TRUE(!history.Undo() && doc.radio.EditOn());
    for (std::size_t i = 0; i < edits.size(); ++i) {
        ASSERT_TRUE(history.Redo());
        EXPECT_EQ(Image(), states[i + 1]) << "redo of edit " << i;
    }
    EXPECT_FALSE(history.Redo());
    // An edit, a save, then going back before the save: edited again.
    doc.radio.EditOn(false);
    EXPECT_TRUE(history.Undo() && doc.radio.EditOn());

    // Steps only for real changes; a new step drops the undone ones; the
    // oldest goes first.
    UndoHistory small(master, 3);  // keeps three steps
    const auto step = [&](int index) {
        UndoStep outer(&small), inner(&small);  // nested brackets make one step
        Mem(index).AppearCh(true);
    };
    step(1);  // in use already: no change, no step
    EXPECT_FALSE(small.CanUndo());
    std::vector<ByteStr> kept = {Image()};
    for (int i = 10; i < 15; ++i) {
        step(i);
        kept.push_back(Image());
    }
    ASSERT_TRUE(small.Undo());
    step(20);  // a new step drops the undone one
    EXPECT_FALSE(small.CanRedo());
    while (small.Undo()) {
    }
    EXPECT_EQ(Image(), kept[2]);  // the steps of 10 and 11 were dropped
}
