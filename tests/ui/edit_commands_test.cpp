// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's Edit commands through the main window: enabling by channel
// kind, the paste question, the refused insert, Edit Memory writing the
// channel's own place in the image, and Option > Preset TV CH with every
// table, answered through the message-box seam.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "model/tv_presets.h"
#include "ui/edit_channel_dialog.h"

namespace {
using M = clsRigQ5_Master;
constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyBankB = 4, kKeyTv = 13;
constexpr int kEdit = 0, kCopy = 2, kPaste = 3, kClear = 5, kDelete = 6, kInsert = 7;

// Memory channels 0..4 in use, the rest blank, a clean document.
void FewChannels(TestDoc& doc) {
    for (int i = 0; i < 400; ++i) doc.Ch(M::kListMemory, i).AppearCh(i < 5);
    for (int i = 0; i < 5; ++i) doc.Ch(M::kListMemory, i).FreqOp_Pure(14500000 + 2500 * i);
    doc.master.WriteToEep();
    doc.radio.EditOn(false);
}

std::vector<std::string> Records(clsRigQ5_Master& m, int type) {
    std::vector<std::string> v;
    for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
        const auto& c = *m.ListCh(type, i);
        v.push_back(std::to_string(c.AppearCh()) + "/" + std::to_string(c.FreqOp_Pure()) + "/" +
                    std::to_string(c.TvIf_Pure()) + "/" + std::to_string(c.SkipT_Pure()));
    }
    return v;
}
}  // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void ClearDeleteAndInsertAreDisabledOnVfoRows() {
        FakeDialogs dialogs;
        TestWindow t(1);
        FewChannels(t.doc);
        t.At(kKeyVfo, 1);
        QVERIFY(t.EditEnabled(kEdit));
        QVERIFY(t.EditEnabled(kCopy));
        QVERIFY(!t.EditEnabled(kPaste));
        for (int index : {kClear, kDelete, kInsert}) QVERIFY(!t.EditEnabled(index));
        const QString before = t.Cell(1, 1);
        for (int index : {kClear, kDelete, kInsert}) t.window->mnuEdit_Click(index);
        QCOMPARE(t.Cell(1, 1), before);
        QVERIFY(!t.doc.radio.EditOn());

        t.At(kKeyBankA, 1);
        for (int index : {kEdit, kCopy, kClear, kDelete, kInsert}) QVERIFY(t.EditEnabled(index));
    }

    void PasteAsksBeforeOverwritingAChannelInUse() {
        FakeDialogs dialogs;
        TestWindow t(1);
        FewChannels(t.doc);
        t.At(kKeyBankA, 20);
        QVERIFY(!t.EditEnabled(kPaste));  // nothing copied yet

        t.At(kKeyBankA, 2);
        t.window->mnuEdit_Click(kCopy);
        QVERIFY(!t.doc.radio.EditOn());

        // A blank target: no question.
        t.At(kKeyBankA, 20);
        QVERIFY(t.EditEnabled(kPaste));
        t.window->mnuEdit_Click(kPaste);
        QCOMPARE(dialogs.messages.size(), std::size_t(0));
        QCOMPARE(t.Cell(20, 1), t.Cell(2, 1));
        QVERIFY(t.doc.radio.EditOn());

        // A channel in use: "No" leaves it, "Yes" overwrites.
        t.At(kKeyBankA, 4);
        const QString own = t.Cell(4, 1);
        dialogs.answers = {kMsgNo};
        t.window->mnuEdit_Click(kPaste);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Overwrite here ?"));
        QCOMPARE(dialogs.messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("CS-Q5"));
        QCOMPARE(t.Cell(4, 1), own);
        dialogs.answers = {kMsgYes};
        t.window->mnuEdit_Click(kPaste);
        QCOMPARE(t.Cell(4, 1), t.Cell(2, 1));

        // A memory channel does not go onto a TV channel.
        t.At(kKeyTv, 0);
        QVERIFY(!t.EditEnabled(kPaste));
    }

    void InsertIsRefusedWithItsMessageWhenTheLastChannelIsInUse() {
        FakeDialogs dialogs;
        TestWindow t(1);
        FewChannels(t.doc);
        t.doc.Ch(M::kListMemory, 49).AppearCh(true);
        t.At(kKeyBankA, 0);
        t.window->DispChList();
        const QString first = t.Cell(0, 1), last = t.Cell(49, 1);
        t.window->mnuEdit_Click(kInsert);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("The last CH is not blank. Cannot insert a blank channel."));
        QCOMPARE(dialogs.messages[0].buttons, MsgButtons::Ok);
        QCOMPARE(t.Cell(0, 1), first);
        QCOMPARE(t.Cell(49, 1), last);

        // Delete on row 0 frees the last row; then the insert goes through
        // and the cursor stays on its row.
        t.window->mnuEdit_Click(kDelete);
        QCOMPARE(t.Cell(49, 1), QString());
        t.window->mnuEdit_Click(kInsert);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(t.Cell(0, 1), QString());
        QCOMPARE(t.window->CurChNo(), 0);
    }

    void EditMemoryOnBankBRow3WritesMemoryChannel53() {
        FakeDialogs dialogs;
        TestWindow t(1);
        FewChannels(t.doc);
        const ByteStr at3 = t.doc.radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListMemory, 3), 16);
        dialogs.onShowModal = [](QDialog& d) {
            d.show();
            d.findChild<QLineEdit*>(QStringLiteral("txtEditCh_FreqOp"))
                ->setText(QStringLiteral("433.125"));
            d.findChild<QLineEdit*>(QStringLiteral("txtEditCh_Name"))
                ->setText(QStringLiteral("B-3"));
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdEditCh_Ok")),
                              Qt::LeftButton);
        };
        t.At(kKeyBankB, 3);
        // Enter in the grid opens the channel dialog.
        QTest::keyClick(t.window->findChild<QTableWidget*>(QStringLiteral("mfgCh")),
                        Qt::Key_Return);
        QCOMPARE(dialogs.shownDialogs, QStringList{QStringLiteral("frmEditCh")});
        QVERIFY(!t.window->ModalFlag());

        QCOMPARE(t.doc.radio.eepImage.ReadBlock(M::EeAdr_Ch(M::kListMemory, 3), 16), at3);
        clsRigQ5_Ch fromImage(t.doc.master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
        t.doc.master.Get1Ch(fromImage, M::kListMemory, 53, M::kProgramForm);
        QVERIFY(fromImage.AppearCh());
        QCOMPARE(fromImage.FreqOp_Pure(), 43312500);
        QCOMPARE(fromImage.Name(), std::string("B-3"));
        QCOMPARE(t.Cell(3, 4), QStringLiteral("B-3"));
        QVERIFY(t.doc.radio.EditOn());
    }

    void PresetTvReplacesTheTvListOnlyWhenConfirmed() {
        for (int table = 0; table < kNumTvPresets; ++table) {
            const QString caption = QString::fromLatin1(
                TvPresetOf(table)->caption.data(), qsizetype(TvPresetOf(table)->caption.size()));
            for (const int answer : {int(kMsgCancel), int(kMsgOk)}) {
                FakeDialogs dialogs;
                TestWindow t(1);
                t.At(kKeyBankA, 0);
                const ByteStr image = t.doc.radio.eepImage.ReadBlock(0, 8064);
                const auto before = Records(t.doc.master, M::kListTv);
                const auto memory = Records(t.doc.master, M::kListMemory);
                dialogs.answers = {answer};
                t.window->MenuItem(QStringLiteral("mnuOptPresetTv"), table)->trigger();

                QCOMPARE(dialogs.messages.size(), std::size_t(1));
                QCOMPARE(dialogs.messages[0].text,
                         QStringLiteral("All TV CH will be replaced with '") + caption +
                             QStringLiteral("' table.\nSure ?"));
                QCOMPARE(dialogs.messages[0].buttons, MsgButtons::OkCancel);
                // The TV list is shown either way.
                QCOMPARE(t.window->CurrentTreeKey(), kKeyTv);
                if (answer == kMsgCancel) {
                    QCOMPARE(Records(t.doc.master, M::kListTv), before);
                    QCOMPARE(t.doc.radio.eepImage.ReadBlock(0, 8064), image);
                    continue;
                }
                TestDoc expected(1);
                expected.master.PresetTv(table);
                QCOMPARE(Records(t.doc.master, M::kListTv), Records(expected.master, M::kListTv));
                QCOMPARE(Records(t.doc.master, M::kListMemory), memory);
                QVERIFY(t.doc.radio.EditOn());
                // The grid shows the new contents.
                for (int row = 0; row < 83; ++row) {
                    const auto cells = ChannelRowTexts(t.doc.master, kKeyTv, row);
                    QCOMPARE(t.Cell(row, 1), QString::fromStdString(cells[1]));
                }
            }
        }
    }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
