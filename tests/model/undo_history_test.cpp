// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "file/csv_channels.h"

namespace {

using M = clsRigQ5_Master;

class UndoHistoryTest : public ::testing::Test {
  public:
    UndoHistoryTest() {
        PrepareRxQ5Document(radio);
        master.MatrixObj().MtxVerNo(0);
        master.MatrixObj().MtxAmOk(1);
        master.Init_MakeInitial();
        master.Reset();
    }
    clsRigQ5_Ch& Mem(int index) { return *master.ListCh(M::kListMemory, index); }
    ByteStr Image() {
        master.WriteToEep();
        return radio.eepImage.bytes();
    }
    void Step(const std::function<void()>& edit) {
        history.BeginEdit();
        edit();
        history.EndEdit();
    }

    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    UndoHistory history{master};
};

}  // namespace

TEST_F(UndoHistoryTest, UndoAndRedoAcrossEveryKindOfEditRestoreTheImageByteForByte) {
    // Each kind of change the program makes to a document, as its command
    // makes it.
    struct Edit {
        const char* name;
        std::function<void(UndoHistoryTest&)> apply;
    };
    const std::vector<Edit> edits = {
        {"paste onto a blank channel",
         [](UndoHistoryTest& t) {
             t.Mem(3).AppearCh(true);
             t.Mem(3).FreqOp_Pure(14550000);
             t.Mem(3).Name("REPEAT");
             t.Mem(4).CopyData(t.Mem(3));
             t.radio.EditOn(true);
         }},
        {"clear", [](UndoHistoryTest& t) { t.Mem(3).AppearCh(false); }},
        {"delete (rows move up)",
         [](UndoHistoryTest& t) {
             for (int i = 0; i < 49; ++i) t.Mem(i).CopyData(t.Mem(i + 1));
             t.Mem(49).AppearCh(false);
         }},
        {"insert (rows move down)",
         [](UndoHistoryTest& t) {
             for (int i = 49; i > 1; --i) t.Mem(i).CopyData(t.Mem(i - 1));
             t.Mem(1).AppearCh(false);
         }},
        {"channel dialog",
         [](UndoHistoryTest& t) {
             clsRigQ5_Ch& ch = t.Mem(60);
             ch.AppearCh(true);
             ch.FreqOp_Pure(43312500);
             t.master.Set1Ch(ch, M::kListMemory, 60, M::kProgramForm);
             t.master.Get1Ch(ch, M::kListMemory, 60, M::kProgramForm);
         }},
        {"settings dialog",
         [](UndoHistoryTest& t) {
             t.master.CommonObj().Comment("UNDO ME");
             t.master.CommonObj().Backlight_Pure(1 - t.master.CommonObj().Backlight_Pure());
         }},
        {"TV preset", [](UndoHistoryTest& t) { t.master.PresetTv(9); }},
        {"CSV import",
         [](UndoHistoryTest& t) {
             const CsvImportResult r =
                 ImportMemoryCsv(t.master, std::string(kMemoryCsvHeader) +
                                               "\n120,AIR,118.100000,,0,,88.5,88.5,,,AM,25,,\n");
             ASSERT_EQ(r.applied, 1);
         }},
    };
    std::vector<ByteStr> states = {Image()};
    for (const auto& e : edits) {
        Step([&] { e.apply(*this); });
        states.push_back(Image());
        ASSERT_NE(states.back(), states[states.size() - 2]) << e.name << " changed nothing";
    }
    ASSERT_EQ(history.UndoCount(), edits.size());

    for (std::size_t i = edits.size(); i-- > 0;) {
        ASSERT_TRUE(history.Undo());
        EXPECT_EQ(radio.eepImage.bytes(), states[i]) << "undo of " << edits[i].name;
        // The records follow the image: storing them again changes nothing.
        EXPECT_EQ(Image(), states[i]) << "records after undo of " << edits[i].name;
    }
    EXPECT_FALSE(history.Undo());
    for (std::size_t i = 0; i < edits.size(); ++i) {
        ASSERT_TRUE(history.Redo());
        EXPECT_EQ(Image(), states[i + 1]) << "redo of " << edits[i].name;
    }
    EXPECT_FALSE(history.Redo());
}

TEST_F(UndoHistoryTest, UndoingBackToTheSavedStateKeepsTheLatchedEditFlag) {
    radio.EditOn(false);  // as after a save
    Step([&] { Mem(10).AppearCh(true); });
    ASSERT_TRUE(radio.EditOn());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(radio.EditOn());

    // An edit, a save, then going back before the save: edited again.
    ASSERT_TRUE(history.Redo());
    radio.EditOn(false);
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(radio.EditOn());
}

TEST_F(UndoHistoryTest, StepsAreRecordedOnlyForRealChangesAndANewStepDropsTheUndoneOnes) {
    Step([] {});
    Step([&] { Mem(0).AppearCh(Mem(0).AppearCh()); });
    EXPECT_FALSE(history.CanUndo());

    // Nested brackets make one step.
    history.BeginEdit();
    Mem(1).AppearCh(true);
    history.BeginEdit();
    Mem(2).AppearCh(true);
    history.EndEdit();
    history.EndEdit();
    EXPECT_EQ(history.UndoCount(), 1u);

    Step([&] { Mem(3).AppearCh(true); });
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(history.CanRedo());
    Step([&] { Mem(4).AppearCh(true); });
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoCount(), 2u);

    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoHistoryTest, TheOldestStepGoesWhenTheLimitIsReached) {
    UndoHistory small(master, 3);
    std::vector<ByteStr> states = {Image()};
    for (int i = 0; i < 5; ++i) {
        small.BeginEdit();
        Mem(i).AppearCh(true);
        small.EndEdit();
        states.push_back(Image());
    }
    EXPECT_EQ(small.UndoCount(), 3u);
    while (small.Undo()) {
    }
    EXPECT_EQ(Image(), states[2]);
}
