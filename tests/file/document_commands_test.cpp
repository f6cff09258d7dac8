// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/document_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/recent_file.h"
#include "file/acf_file.h"
#include "model/document_copy.h"
#include "model/undo_history.h"

namespace {

using M = clsRigQ5_Master;

class RecordingUi : public CommandUi {
  public:
    bool AskOkCancel(const std::string&) override { return true; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowNotice(const std::string&) override {}
    void ShowInformation(const std::string&, const std::string&) override {}
    void DispChList() override { ++redraws; }
    std::vector<std::string> errors;
    int redraws = 0;
};

class DocumentCommandsTest : public ::testing::Test {
  public:
    DocumentCommandsTest() {
        PrepareRxQ5Document(radio);
        master.MatrixObj().MtxVerNo(2);
        master.MatrixObj().MtxFmTvOk(1);
        master.Init_MakeInitial();
        master.Reset();
        recent.MaxIndex(4);
        doc.RecentFiles(&recent);
    }
    std::string Path(const std::string& name) const { return ::testing::TempDir() + "/" + name; }
    void Edit(int index, std::int32_t freq) {
        master.ListCh(M::kListMemory, index)->AppearCh(true);
        master.ListCh(M::kListMemory, index)->FreqOp_Pure(freq);
    }

    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    RecordingUi ui;
    clsCmcRecentFile recent;
    DocumentCommands doc{master, ui};
};

}  // namespace

TEST_F(DocumentCommandsTest, SaveThenLoadMakesTheFileCurrentAndTheDocumentClean) {
    Edit(7, 14550000);
    const std::string path = Path("doc_roundtrip.acf");
    ASSERT_EQ(doc.Save(path), kAcfOk);
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_EQ(doc.FileTitle(), "doc_roundtrip.acf");
    EXPECT_EQ(doc.CurDir(), ::testing::TempDir());

    doc.New();
    EXPECT_EQ(doc.FileTitle(), "Untitled");
    EXPECT_TRUE(doc.FileName().empty());
    EXPECT_FALSE(radio.EditOn());
    EXPECT_FALSE(master.ListCh(M::kListMemory, 7)->AppearCh());

    ASSERT_EQ(doc.Load(path), kAcfOk);
    EXPECT_EQ(master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(recent.NumIndex(), 1);  // the same file twice is one entry
    EXPECT_EQ(recent.filename(0), path);
    EXPECT_TRUE(doc.IsCurrentFile(path));
    EXPECT_EQ(doc.SaveChangesPrompt(false), "Save changes to doc_roundtrip.acf ?");
    EXPECT_EQ(doc.SaveChangesPrompt(true), "Save changes ?");
}

TEST_F(DocumentCommandsTest, RefusedFileLeavesTheDocumentExactlyAsItWas) {
    const std::string good = Path("doc_good.acf");
    ASSERT_EQ(doc.Save(good), kAcfOk);
    Edit(3, 14560000);
    master.WriteToEep();
    const ByteStr before = radio.eepImage.bytes();

    // A file whose first records load before a bad record is met.
    std::ifstream in(good, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string damaged = Path("doc_damaged.acf");
    std::ofstream(damaged, std::ios::binary) << text.substr(0, 2000) << "ZZZZ\r\n";
    struct Case {
        std::string path;
        std::string message;
    };
    const std::vector<Case> cases = {
        {damaged, "Illegal data.\r\n\r\n" + damaged},
        {Path("doc_missing.acf"), "Cannot open file.\r\n\r\n" + Path("doc_missing.acf")},
    };
    for (const auto& c : cases) {
        ui.errors.clear();
        EXPECT_NE(doc.Load(c.path), kAcfOk);
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_EQ(ui.errors[0], c.message);
        EXPECT_EQ(radio.eepImage.bytes(), before) << c.path;
        EXPECT_EQ(master.ListCh(M::kListMemory, 3)->FreqOp_Pure(), 14560000);
        EXPECT_TRUE(radio.EditOn());
        EXPECT_EQ(doc.FileName(), good);
    }
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsTheEditFlagAndTheCurrentFile) {
    Edit(1, 14570000);
    const std::string bad = Path("no-such-folder/x.acf");
    EXPECT_NE(doc.Save(bad), kAcfOk);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "Cannot save file.\r\n\r\n" + bad);
    EXPECT_TRUE(radio.EditOn());
    EXPECT_EQ(doc.FileTitle(), "Untitled");
    EXPECT_EQ(recent.NumIndex(), 0);
}

TEST_F(DocumentCommandsTest, NewAndASuccessfulLoadStartAFreshUndoHistory) {
    UndoHistory history(master);
    doc.History(&history);
    const auto edit = [&](int index) {
        history.BeginEdit();
        Edit(index, 14550000);
        history.EndEdit();
    };
    const std::string path = Path("doc_history.acf");
    edit(1);
    ASSERT_EQ(doc.Save(path), kAcfOk);
    EXPECT_TRUE(history.CanUndo());  // saving keeps the steps

    edit(2);
    EXPECT_NE(doc.Load(Path("doc_history_missing.acf")), kAcfOk);
    EXPECT_TRUE(history.CanUndo());  // a refused file changes nothing
    ASSERT_EQ(doc.Load(path), kAcfOk);
    EXPECT_FALSE(history.CanUndo());

    edit(3);
    doc.New();
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(DocumentCommandsTest, ABackupOpensUntitledAndEditedLeavingRecentFilesAndFolder) {
    Edit(7, 14550000);
    master.WriteToEep();
    const std::string path = Path("doc_backup.acf");
    ASSERT_EQ(AcfFileSave(radio, master.CommonObj().Comment(), path), kAcfOk);
    doc.New();
    doc.CurDir("/elsewhere");

    ASSERT_EQ(doc.OpenUntitled(path), kAcfOk);
    EXPECT_EQ(master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
    // Ready to be written back, and never saved over the backup by Save.
    EXPECT_TRUE(radio.EditOn());
    EXPECT_EQ(doc.FileTitle(), "Untitled");
    EXPECT_TRUE(doc.FileName().empty());
    EXPECT_EQ(recent.NumIndex(), 0);
    EXPECT_EQ(doc.CurDir(), "/elsewhere");

    const ByteStr before = radio.eepImage.bytes();
    EXPECT_EQ(doc.OpenUntitled(Path("doc_no_such_backup.acf")), kAcfCannotOpen);
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(radio.eepImage.bytes(), before);
}

TEST_F(DocumentCommandsTest, AFileToCompareWithLoadsIntoACopyOrLeavesItAsItWas) {
    Edit(7, 14550000);
    master.WriteToEep();
    const std::string path = Path("doc_compare.acf");
    ASSERT_EQ(AcfFileSave(radio, master.CommonObj().Comment(), path), kAcfOk);
    doc.New();
    const ByteStr document = radio.eepImage.bytes();

    DocumentCopy copy(master);
    ASSERT_EQ(LoadDocumentCopy(copy, path), kAcfOk);
    EXPECT_EQ(copy.master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
    EXPECT_EQ(radio.eepImage.bytes(), document);

    // A file refused half way (its first record read) changes nothing.
    const ByteStr had = copy.radio.eepImage.bytes();
    const std::string bad = Path("doc_compare_bad.acf");
    std::ofstream(bad, std::ios::binary) << "23040001\r\n#x\r\n0000020102\r\nZZZZ\r\n";
    EXPECT_EQ(LoadDocumentCopy(copy, bad), kAcfIllegalData);
    EXPECT_EQ(copy.radio.eepImage.bytes(), had);
    EXPECT_EQ(copy.master.ListCh(M::kListMemory, 7)->FreqOp_Pure(), 14550000);
}
