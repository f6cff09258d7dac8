// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the real memory map: the tree and grid it shows and
// the Edit commands, carried out by the program's edit commands, on the
// channel records, with answered message boxes.

#include "ui/master_model.h"

#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include "fake_dialogs.h"
#include "model/grid_texts.h"
#include "file/document_commands.h"
#include "ui/edit_commands.h"
#include "ui/main_window.h"
#include "ui/window_command_ui.h"

namespace {
constexpr int kBankA = 3;
constexpr int kBankB = 4;
constexpr int kVfoKey = 1;

struct Rig {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    WindowCommandUi ui;
    DocumentCommands doc{master, ui};
    EditCommands edit{master};
    MasterWindowModel model{master, doc, edit};
    Rig() {
        PrepareRxQ5Document(radio);
        master.MatrixObj().MtxVerNo(0);
        master.Reset();
        master.Init_MakeInitial();
        // Bank A: rows 0..2 in use, the rest blank.
        for (int r = 0; r < 50; ++r) master.ChUnit(kBankA, r)->AppearCh(false);
        for (int r = 0; r < 3; ++r) {
            clsRigQ5_Ch* ch = master.ChUnit(kBankA, r);
            ch->AppearCh(true);
            ch->FreqOp_Pure(14500000 + r * 100000);
        }
        radio.EditOn(false);
    }
    std::int32_t Freq(int key, int row) { return master.ChUnit(key, row)->FreqOp_Pure(); }
    bool InUse(int key, int row) { return master.ChUnit(key, row)->AppearCh(); }
};
}  // namespace

class MasterModelTest : public QObject {
    Q_OBJECT
  private slots:
    void DeleteMovesTheRestOfTheGroupUp() {
        Rig rig;
        const std::int32_t f2 = rig.Freq(kBankA, 2);
        rig.model.EditCommand(6, kBankA, 1);
        QCOMPARE(rig.Freq(kBankA, 1), f2);
        QVERIFY(!rig.InUse(kBankA, 2));
        QVERIFY(!rig.InUse(kBankA, 49));
        QVERIFY(rig.radio.EditOn());
        // The last row of a group is only blanked; bank B is never touched.
        const bool bankBFirst = rig.InUse(kBankB, 0);
        rig.model.EditCommand(6, kBankA, 49);
        QCOMPARE(rig.InUse(kBankB, 0), bankBFirst);
    }

    void InsertMovesDownOrRefusesWhenTheLastIsInUse() {
        Rig rig;
        FakeDialogs fake;
        const std::int32_t f0 = rig.Freq(kBankA, 0);
        rig.model.EditCommand(7, kBankA, 0);
        QVERIFY(!rig.InUse(kBankA, 0));
        QCOMPARE(rig.Freq(kBankA, 1), f0);
        QVERIFY(rig.InUse(kBankA, 3));
        QVERIFY(fake.messages.empty());

        rig.master.ChUnit(kBankA, 49)->AppearCh(true);
        const std::int32_t f1 = rig.Freq(kBankA, 1);
        rig.model.EditCommand(7, kBankA, 1);
        QCOMPARE(fake.messages.size(), size_t(1));
        QCOMPARE(fake.messages[0].text,
                 QStringLiteral("The last CH is not blank. Cannot insert a blank channel."));
        QCOMPARE(rig.Freq(kBankA, 1), f1);
    }

    void PasteAsksOnlyOverAChannelInUse() {
        Rig rig;
        FakeDialogs fake;
        QVERIFY(!rig.model.EditStateOf(kBankA, 10).pasteAllowed);  // nothing copied yet
        rig.model.EditCommand(2, kBankA, 0);
        QVERIFY(rig.model.EditStateOf(kBankA, 10).pasteAllowed);
        QVERIFY(!rig.radio.EditOn());  // a copy changes nothing

        rig.model.EditCommand(3, kBankA, 10);  // blank: no question
        QVERIFY(fake.messages.empty());
        QCOMPARE(rig.Freq(kBankA, 10), rig.Freq(kBankA, 0));

        const std::int32_t f1 = rig.Freq(kBankA, 1);
        fake.answers = {kMsgNo};
        rig.model.EditCommand(3, kBankA, 1);
        QCOMPARE(fake.messages.back().text, QStringLiteral("Overwrite here ?"));
        QCOMPARE(int(fake.messages.back().buttons), int(MsgButtons::YesNo));
        QCOMPARE(rig.Freq(kBankA, 1), f1);
    }

    void TheClipboardHoldsASnapshot() {
        Rig rig;
        const std::int32_t f0 = rig.Freq(kBankA, 0);
        rig.model.EditCommand(2, kBankA, 0);
        rig.model.EditCommand(5, kBankA, 0);  // clear the source
        QVERIFY(!rig.InUse(kBankA, 0));
        rig.model.EditCommand(3, kBankA, 0);
        QVERIFY(rig.InUse(kBankA, 0));
        QCOMPARE(rig.Freq(kBankA, 0), f0);
    }

    void VfoChannelsCannotBeCleared() {
        Rig rig;
        const ChEditState vfo = rig.model.EditStateOf(kVfoKey, 0);
        QVERIFY(vfo.exists);
        QVERIFY(!vfo.clearEnable);
        const ChEditState folder = rig.model.EditStateOf(0, 0);
        QVERIFY(!folder.exists);
    }

    void TheWindowShowsTheMapsTreeAndRows() {
        Rig rig;
        frmMain w(&rig.model, &rig.radio);
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("RX-Q5"));
        w.timMain_Timer();
        QCOMPARE(w.CurrentTreeKey(), kVfoKey);  // the first node under the root
        QTreeWidgetItem* bankA = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0) == QStringLiteral("Bank A")) bankA = *it;
        QVERIFY(bankA);
        tree->setCurrentItem(bankA);
        w.timMain_Timer();
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        QCOMPARE(grid->rowCount(), 50);
        const std::vector<std::string> row = ChannelRowTexts(rig.master, kBankA, 1);
        QCOMPARE(size_t(grid->columnCount()), row.size());
        for (int c = 0; c < grid->columnCount(); ++c)
            QCOMPARE(grid->item(1, c)->text().toStdString(), row[c]);

        grid->setCurrentCell(1, 0);
        w.mnuEdit_Click(6);  // Delete through the menu redraws the grid
        const std::vector<std::string> after = ChannelRowTexts(rig.master, kBankA, 1);
        for (int c = 0; c < grid->columnCount(); ++c)
            QCOMPARE(grid->item(1, c)->text().toStdString(), after[c]);
    }
};

QTEST_MAIN(MasterModelTest)
#include "master_model_test.moc"
