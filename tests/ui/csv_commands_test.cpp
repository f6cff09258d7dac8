// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export CSV... and Import CSV... through the file-dialog seam, and
// the Edit commands as steps of the undo history.

#include "ui/csv_commands.h"

#include <QtTest>
#include <fstream>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "model/undo_history.h"
#include "temp_dir.h"

namespace {
using M = clsRigQ5_Master;
constexpr int kKeyBankA = 3;
constexpr int kClear = 5, kDelete = 6, kCopy = 2, kPaste = 3;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
}  // namespace

class CsvCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void ImportIsOneStepAndNamesEveryRefusedRowInOneMessage() {
        FakeDialogs dialogs;
        TestDoc doc(0, 0, 1);
        UndoHistory history(doc.master);
        TempDir tmp;
        const std::string path = tmp.file("in.csv");
        WriteText(path, std::string(kMemoryCsvHeader) +
                            "\r\n3,ONE,145.500000,,0,,88.5,88.5,,,FM,5,,\r\n"
                            "7,TWO,abc,,0,,88.5,88.5,,,FM,5,,\r\n"
                            "8,THREE,430.000000,,0,,88.5,88.5,,,USB,5,,\r\n"
                            "9,FOUR,433.500000,,0,,88.5,88.5,,,FM,5,,\r\n");
        doc.master.WriteToEep();
        const ByteStr before = doc.radio.eepImage.bytes();

        dialogs.openNames.push_back(QString::fromStdString(path));
        QVERIFY(CsvImportCommand(nullptr, doc.master, &history, QString()));
        QCOMPARE(doc.Ch(M::kListMemory, 3).Name(), std::string("ONE"));
        QCOMPARE(doc.Ch(M::kListMemory, 9).FreqOp_Pure(), 43350000);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        const QString text = dialogs.messages[0].text;
        QVERIFY2(text.startsWith("2 rows were not imported:"), qPrintable(text));
        QVERIFY2(text.contains("line 3: ") && text.contains("line 4: "), qPrintable(text));
        QVERIFY(!text.contains("line 2: ") && !text.contains("line 5: "));
        QCOMPARE(history.UndoCount(), std::size_t(1));
        QVERIFY(doc.radio.EditOn());

        QVERIFY(history.Undo());
        QVERIFY(doc.radio.eepImage.bytes() == before);
        QVERIFY(!doc.Ch(M::kListMemory, 3).AppearCh());

        // Cancelled dialog, missing file, no table: nothing changes, no step.
        history.Clear();
        QVERIFY(!CsvImportCommand(nullptr, doc.master, &history, QString()));
        dialogs.openNames.push_back(QString::fromStdString(tmp.file("missing.csv")));
        QVERIFY(!CsvImportCommand(nullptr, doc.master, &history, QString()));
        WriteText(tmp.file("x.csv"), "just,some,words\r\n1,2,3\r\n");
        dialogs.openNames.push_back(QString::fromStdString(tmp.file("x.csv")));
        QVERIFY(!CsvImportCommand(nullptr, doc.master, &history, QString()));
        QCOMPARE(dialogs.messages.size(), std::size_t(3));
        QVERIFY(dialogs.messages[2].text.startsWith("No channel table"));
        QVERIFY(!history.CanUndo());
        QVERIFY(doc.radio.eepImage.bytes() == before);
    }

    void ExportWritesTheTableThatImportReadsBack() {
        FakeDialogs dialogs;
        TestDoc doc(0, 0, 1);
        TempDir tmp;
        doc.Ch(M::kListMemory, 12).AppearCh(true);
        doc.Ch(M::kListMemory, 12).FreqOp_Pure(14562500);
        doc.Ch(M::kListMemory, 12).Name("RPT");
        QVERIFY(!CsvExportCommand(nullptr, doc.master, QString()));  // cancelled
        dialogs.saveNames.push_back(QString::fromStdString(tmp.file("out.csv")));
        QVERIFY(CsvExportCommand(nullptr, doc.master, QString()));

        TestDoc other(0, 0, 1);
        dialogs.openNames.push_back(QString::fromStdString(tmp.file("out.csv")));
        QVERIFY(CsvImportCommand(nullptr, other.master, nullptr, QString()));
        QCOMPARE(other.Ch(M::kListMemory, 12).FreqOp_Pure(), 14562500);
        QCOMPARE(other.Ch(M::kListMemory, 12).Name(), std::string("RPT"));
        QVERIFY(dialogs.messages.empty());

        // A folder that cannot take the file: the program's message.
        dialogs.saveNames.push_back(QString::fromStdString(tmp.file("no/such/out.csv")));
        QVERIFY(!CsvExportCommand(nullptr, doc.master, QString()));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
    }

    void GridCommandsAndTheSettingsDialogAreStepsCopyIsNot() {
        FakeDialogs dialogs;
        TestWindow t(1);
        UndoHistory history(t.doc.master);
        t.commands.History(&history);
        for (int i = 0; i < 5; ++i) t.doc.Ch(M::kListMemory, i).AppearCh(true);
        t.doc.master.WriteToEep();
        const ByteStr start = t.doc.radio.eepImage.bytes();

        t.At(kKeyBankA, 1);
        t.window->mnuEdit_Click(kCopy);
        QVERIFY(!history.CanUndo());
        t.window->mnuEdit_Click(kClear);
        t.At(kKeyBankA, 2);
        t.window->mnuEdit_Click(kDelete);
        dialogs.onShowModal = [&](QDialog&) { t.doc.master.CommonObj().Comment("CHANGED"); };
        t.commands.CommonSetting();
        QCOMPARE(history.UndoCount(), std::size_t(3));
        dialogs.answers.push_back(kMsgNo);  // paste onto a channel in use: No
        t.window->mnuEdit_Click(kPaste);
        QCOMPARE(history.UndoCount(), std::size_t(3));

        while (history.Undo()) {
        }
        QVERIFY(t.doc.radio.eepImage.bytes() == start);
    }
};

QTEST_MAIN(CsvCommandsTest)
#include "csv_commands_test.moc"
