// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/document_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/recent_file.h"
#include "file/acf_file.h"
#include "file_text.h"
#include "model/document_copy.h"
#include "model/undo_history.h"
#include "temp_dir.h"

namespace {

using M = clsRigQ5_Master;

class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowNotice(const std::string&) override {}
    void ShowInformation(const std::string&, const std::string&) override {}
    std::vector<std::string> errors;
};

class DocumentCommandsTest : public ::testing::Test {
  public:
    DocumentCommandsTest() {
        PrepareRxQ5Document(radio);
        master.MatrixObj().MtxVerNo(2);
        master.Init_MakeInitial();
        master.Reset();
        recent.MaxIndex(4);
        doc.RecentFiles(&recent);
        doc.History(&history);
    }
    // Channel `index` in use on `freq`, as one undoable edit.
    void Edit(int index, std::int32_t freq) {
        history.BeginEdit();
        Ch(index).AppearCh(true);
        Ch(index).FreqOp_Pure(freq);
        history.EndEdit();
    }
    clsRigQ5_Ch& Ch(int index) { return *master.ListCh(M::kListMemory, index); }

    TempDir dir;
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    RecordingUi ui;
    clsCmcRecentFile recent;
    UndoHistory history{master};
    DocumentCommands doc{master, ui};
};

}  // namespace

TEST_F(DocumentCommandsTest, SaveNewAndLoadSetTheCurrentFileTheEditFlagAndTheUndoSteps) {
    Edit(7, 14550000);
    const std::string path = dir.file("doc.acf");
    ASSERT_EQ(doc.Save(path), kAcfOk);
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(doc.FileTitle(), "doc.acf");
    EXPECT_EQ(doc.CurDir(), dir.path().string());
    EXPECT_TRUE(history.CanUndo());  // saving keeps the steps

    doc.New();
    EXPECT_EQ(doc.FileName(), "");
    EXPECT_FALSE(Ch(7).AppearCh());
    EXPECT_FALSE(history.CanUndo());

    Edit(8, 14560000);
    ASSERT_EQ(doc.Load(path), kAcfOk);
    EXPECT_EQ(Ch(7).FreqOp_Pure(), 14550000);
    EXPECT_FALSE(Ch(8).AppearCh());
    EXPECT_FALSE(radio.EditOn());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_EQ(recent.NumIndex(), 1);  // the same file twice is one entry
    EXPECT_EQ(doc.SaveChangesPrompt(false), "Save changes to doc.acf ?");
}

TEST_F(DocumentCommandsTest, RefusedFilesLeaveTheDocumentExactlyAsItWas) {
    const std::string good = dir.file("good.acf");
    ASSERT_EQ(doc.Save(good), kAcfOk);
    Edit(3, 14560000);
    master.WriteToEep();
    const ByteStr before = radio.eepImage.bytes();
    // A file whose first records load before a bad record is met.
    const std::string damaged = dir.file("damaged.acf"), missing = dir.file("missing.acf");
    WriteFile(damaged, ReadFile(good).substr(0, 2000) + "ZZZZ\r\n");
    const std::string unwritable = dir.file("no-such-folder/x.acf");
    const struct {
        std::function<int()> run;
        std::string message;
    } cases[] = {
        {[&] { return doc.Load(damaged); }, "Illegal data.\r\n\r\n" + damaged},
        {[&] { return doc.Load(missing); }, "Cannot open file.\r\n\r\n" + missing},
        {[&] { return doc.OpenUntitled(missing); }, "Cannot open file.\r\n\r\n" + missing},
        {[&] { return doc.Save(unwritable); }, "Cannot save file.\r\n\r\n" + unwritable},
    };
    for (const auto& c : cases) {
        ui.errors.clear();
        EXPECT_NE(c.run(), kAcfOk) << c.message;
        EXPECT_EQ(ui.errors, std::vector<std::string>{c.message});
        EXPECT_EQ(radio.eepImage.bytes(), before) << c.message;
        EXPECT_EQ(Ch(3).FreqOp_Pure(), 14560000);
        EXPECT_TRUE(radio.EditOn());
        EXPECT_TRUE(history.CanUndo());
        EXPECT_EQ(doc.FileName(), good);
        EXPECT_EQ(recent.NumIndex(), 1);
    }
}

TEST_F(DocumentCommandsTest, ABackupOpensUntitledAndAFileToCompareLoadsIntoACopy) {
    Edit(7, 14550000);
    master.WriteToEep();
    const std::string path = dir.file("backup.acf"), bad = dir.file("bad.acf");
    ASSERT_EQ(AcfFileSave(radio, master.CommonObj().Comment(), path), kAcfOk);
    doc.New();
    const ByteStr blank = radio.eepImage.bytes();
    DocumentCopy copy(master);
    ASSERT_EQ(LoadDocumentCopy(copy, path), kAcfOk);
    EXPECT_EQ(copy.master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
    EXPECT_EQ(radio.eepImage.bytes(), blank);
    // A file refused half way (its first record read) leaves the copy as it was.
    const ByteStr had = copy.radio.eepImage.bytes();
    WriteFile(bad, "23040001\r\n#x\r\n0000020102\r\nZZZZ\r\n");
    EXPECT_EQ(LoadDocumentCopy(copy, bad), kAcfIllegalData);
    EXPECT_EQ(copy.radio.eepImage.bytes(), had);

    // A backup is ready to be written back, and never saved over by Save.
    doc.CurDir("/elsewhere");
    ASSERT_EQ(doc.OpenUntitled(path), kAcfOk);
    EXPECT_EQ(Ch(7).FreqOp_Pure(), 14550000);
    EXPECT_TRUE(radio.EditOn());
    EXPECT_EQ(doc.FileName(), "");
    EXPECT_EQ(recent.NumIndex(), 0);
    EXPECT_EQ(doc.CurDir(), "/elsewhere");
}
