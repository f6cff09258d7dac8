// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's settings through a real profile file, and data files
// saved and opened through the File menu on the real memory map.

#include <QTemporaryDir>
#include <QtTest>

#include "app/profile.h"
#include "app/recent_file.h"
#include "fake_dialogs.h"
#include "ui/main_settings.h"
#include "file/document_commands.h"
#include "ui/edit_commands.h"
#include "ui/master_model.h"
#include "ui/window_command_ui.h"

namespace {
void UseFile(clsCmcProfileIO& profile, const QTemporaryDir& dir) {
    profile.Path(dir.path().toStdString() + "/");
    profile.Name("CSQ5.rs");
}
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void SettingsComeBackFromTheProfile() {
        QTemporaryDir dir;
        clsCmcProfileIO profile;
        UseFile(profile, dir);
        MainSettings out;
        out.comPort = 3;
        out.toolBar = 0;
        out.placement = StoredPlacement{kStateMaximised, -20, 15, 900, 600};
        out.treeViewWidth = 2800;
        out.cellWidth[0] = 700;
        out.cellWidth[14] = 1200;
        SaveMainSettings(out, profile);

        QFile file(QString::fromStdString(profile.FullPath()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        for (const char* line : {"[OPTION]", "ComPort=3", "ToolBar=0", "[STATUS]",
                                 "WindowPosition(State)=2", "WindowPosition(Left)=-20",
                                 "TreeViewWidth=2800", "CellWidth(14)=1200", "CellWidth(5)=-1"})
            QVERIFY2(text.contains(line), line);

        MainSettings in;
        LoadMainSettings(in, profile);
        QCOMPARE(in.comPort, 3);
        QCOMPARE(in.toolBar, 0);
        QCOMPARE(in.placement.state, int(kStateMaximised));
        QCOMPARE(in.placement.left, -20);
        QCOMPARE(in.placement.height, 600);
        QCOMPARE(in.treeViewWidth, 2800);
        QCOMPARE(in.cellWidth, out.cellWidth);
    }

    void AnEmptyProfileGivesTheDefaults() {
        QTemporaryDir dir;
        clsCmcProfileIO profile;
        UseFile(profile, dir);
        MainSettings in;
        in.comPort = 4;  // overwritten by the default
        LoadMainSettings(in, profile);
        QCOMPARE(in.comPort, 1);
        QCOMPARE(in.toolBar, 1);
        QCOMPARE(in.placement.state, -1);
        QCOMPARE(in.treeViewWidth, 3100);
        QCOMPARE(in.cellWidth[3], -1);
    }

    void ADataFileSavedFromTheMenuOpensAgain() {
        QTemporaryDir dir;
        clsCmcRadio radio;
        PrepareRxQ5Document(radio);
        clsRigQ5_Master master(radio);
        master.MatrixObj().MtxVerNo(0);
        master.Reset();
        master.Init_MakeInitial();
        clsCmcRecentFile recent;
        recent.MaxIndex(4);
        WindowCommandUi ui;
        DocumentCommands doc(master, ui);
        doc.RecentFiles(&recent);
        EditCommands edit(master);
        MasterWindowModel model(master, doc, edit);
        model.recentFiles(&recent);
        frmMain w(&model, &radio);
        ui.Window(&w);
        FakeDialogs fake;

        master.ChUnit(3, 7)->AppearCh(true);
        master.ChUnit(3, 7)->FreqOp_Pure(43000000);
        const std::int32_t stored = master.ChUnit(3, 7)->FreqOp_Pure();
        radio.EditOn(true);
        const QString path = dir.filePath("bank.acf");
        fake.saveNames = {path};
        w.mnuFile_Click(3);
        QVERIFY(fake.messages.empty());
        QVERIFY(!radio.EditOn());
        QCOMPARE(w.FileTitle(), QStringLiteral("bank.acf"));
        QCOMPARE(w.MenuItem("mnuFile", 5)->text(), QStringLiteral("&1 bank.acf"));

        w.mnuFile_Click(0);  // new: the channel is gone
        QVERIFY(!master.ChUnit(3, 7)->AppearCh());
        w.mnuFile_Click(5);  // the recent file brings it back
        QVERIFY(master.ChUnit(3, 7)->AppearCh());
        QCOMPARE(master.ChUnit(3, 7)->FreqOp_Pure(), stored);
        QVERIFY(!radio.EditOn());
    }

    void AFileOfAnotherModelIsRefusedAndChangesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath("other.acf");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("99990001\r\n#x\r\n");
        }
        clsCmcRadio radio;
        PrepareRxQ5Document(radio);
        clsRigQ5_Master master(radio);
        master.Init_MakeInitial();
        WindowCommandUi ui;
        DocumentCommands doc(master, ui);
        EditCommands edit(master);
        MasterWindowModel model(master, doc, edit);
        frmMain w(&model, &radio);
        ui.Window(&w);
        FakeDialogs fake;
        clsCmcEeprom before;
        before.CopyFrom(radio.eepImage);
        fake.openNames = {path};
        w.mnuFile_Click(1);
        QCOMPARE(fake.messages.size(), size_t(1));
        QCOMPARE(fake.messages[0].text, QStringLiteral("Illegal data.\n\n") + path);
        QVERIFY(radio.eepImage.ReadBlock(0, 8064) == before.ReadBlock(0, 8064));
        QCOMPARE(w.FileTitle(), QStringLiteral("Untitled"));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
