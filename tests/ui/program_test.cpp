// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window program as it starts and clones: the initial setup or the
// main window at start, a data file from the command line or handed over by
// a later start, the setup, clone read and clone write against the receiver
// simulator on a pseudo-terminal and against the demo receiver, backups,
// verify after write, the modal progress display driven by the serial tick,
// the tick that never runs inside itself, and ticks that sleep when idle.

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "file/acf_file.h"
#include "sim/qt/demo_receiver.h"
#include "sim_process.h"
#include "ui/compare_window.h"
#include "ui/msgbox.h"
#include "ui_rig.h"
#include "version_document.h"

namespace {
// The program started on a known version with COM n on a simulator.
struct OnSim : Run {
    SimProcess sim;
    explicit OnSim(std::vector<std::string> simArgs, int slot = 1,
                   const QByteArray& profile = kVersion0)
        : Run(profile), sim(std::move(simArgs)) {
        UseDevice(slot, sim.tty());
        p->Start({});
    }
};

// A clone that ended well: one progress display, no message, the port closed.
void ExpectCleanClone(Run& r) {
    QCOMPARE(r.progressShown, 1);
    QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
    QVERIFY(r.Radio().EditOn());
    QVERIFY(!r.p->Service().com().comOpen());
}

void ClickSetup(Run& r, const char* button, int port = -1) {
    if (port >= 0) r.p->Setup()->findChild<QComboBox*>("cboSetup_ComPort")->setCurrentIndex(port);
    QTest::mouseClick(r.p->Setup()->findChild<QPushButton*>(button), Qt::LeftButton);
}
}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    // Without a stored version, or asked by exactly /S, the setup opens
    // first, centred across the screen with 0.4 of the free height above it;
    // the demo receiver can answer its identification.
    void TheSetupOpensFirstWithoutAVersionOrWhenSlashSAsks() {
        for (const auto& [profile, args, setup] :
             std::vector<std::tuple<QByteArray, QStringList, bool>>{{{}, {"--demo"}, true},
                                                                    {kVersion0, {}, false},
                                                                    {kVersion0, {"/S"}, true},
                                                                    {kVersion0, {"/s"}, false}}) {
            Run r(profile);
            r.p->Start(args);
            QVERIFY2(bool(r.p->Setup()) == setup, qPrintable(args.join('|')));
            QCOMPARE(r.W().isVisible(), !setup);
            // A mistyped switch is no data file to open either.
            QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
            if (profile.isEmpty()) {
                const QRect screen = QGuiApplication::primaryScreen()->geometry();
                QCOMPARE(r.p->Setup()->x(), (screen.width() - r.p->Setup()->width()) / 2);
                QCOMPARE(r.p->Setup()->y(), int((screen.height() - r.p->Setup()->height()) * 0.4));
                ClickSetup(r, "cmdSetup_Ok", 0);
                QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
                QVERIFY(r.W().isVisible());
            }
        }
    }

    void AProfileThatCannotBeReadIsSaidOnceAndLeftAsItIs() {
        const QByteArray text = kVersion0 + QByteArray(1, '\0') +
                                "[RecentFiles]\r\nRecentFileName(0)=/home/u/a.acf\r\n";
        Run r(text);
        r.p->Start({});
        QCOMPARE(r.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(r.LastMessage(),
                 "Cannot read the profile " + r.Path("CSQ5.rs") +
                     ". The program runs on its default settings and leaves the file as it is.");
        // The defaults: no version, so the setup; the profile is not written
        // over when the program ends.
        ClickSetup(r, "cmdSetup_Cancel");
        r.W().close();
        QCOMPARE(r.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(r.ProfileText(), text);
    }

    void TheSetupLearnsTheVersionFromTheReceiverOrStaysOpen() {
        {
            SimProcess sim({"--fault", "no-answer"});
            Run r;
            r.UseDevice(2, sim.tty());
            r.p->Start({});
            ClickSetup(r, "cmdSetup_Ok", 1);
            QCOMPARE(r.progressShown, 1);
            QVERIFY(r.LastMessage().startsWith("No answer from receiver."));
            // Over the setup dialog, not over the main window that is not shown.
            QCOMPARE(r.dialogs.messages.back().parent, static_cast<QWidget*>(r.p->Setup()));
            QVERIFY(r.p->Setup()->isVisible());
            QVERIFY(!r.W().isVisible());
            QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 12);
        }
        SimProcess sim({"--ver", "7", "--am", "0", "--fmtv", "1"});
        Run r;
        r.UseDevice(3, sim.tty());
        r.p->Start({});
        ClickSetup(r, "cmdSetup_Ok", 2);
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QCOMPARE(r.Master().MatrixObj().MtxFmTvOk(), 1);
        QVERIFY(r.W().isVisible() && !(r.p->Setup() && r.p->Setup()->isVisible()));
        r.W().close();  // version, port and device kept for the next start
        for (const char* line : {"M_Property_V=7", "ComPort=3", "ComDevice(3)="})
            QVERIFY2(r.ProfileText().contains(line), line);
    }

    void AReadGivesAnEditedUntitledDocumentAndACopyAndSaysWhere() {
        OnSim r({});
        const QString folder = r.DataPath("backups");
        r.W().mnuFile_Click(15);  // the folder, before any read: made, then shown
        QCOMPARE(r.dialogs.openedFolders, QStringList{folder});
        QCOMPARE(r.p->Document().Save(r.Path("before.acf").toStdString()), 0);
        bool cancelable = false;
        r.whileProgress = [&cancelable](frmCloneProgress& p) { cancelable = p.Cancelable(); };
        r.W().findChild<QAction*>("Bar_Clone_Read")->trigger();
        ExpectCleanClone(r);
        QVERIFY(cancelable && !r.W().CloneProgress().isVisible());
        r.W().timMain_Timer();
        QCOMPARE(r.W().windowTitle(), QStringLiteral("Untitled - CS-Q5"));
        // The read ends with a note of its time and its copy in the status
        // bar (the copy is named by the same time).
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(QString::fromStdString(r.p->Clone().LastBackupFile()), folder + "/" + copies[0]);
        const QString hhmmss = copies[0].mid(18, 6);
        QCOMPARE(r.W().statusBar()->currentMessage(),
                 QStringLiteral("Clone read at %1:%2:%3; backup copy: %4/%5")
                     .arg(hhmmss.left(2), hhmmss.mid(2, 2), hhmmss.mid(4, 2), folder, copies[0]));
        // Without a file manager, the folder's path shows in a message.
        r.dialogs.fileManager = false;
        r.W().mnuFile_Click(15);
        QVERIFY2(r.LastMessage().endsWith("\n" + folder), qPrintable(r.LastMessage()));
    }

    // A read that fails, or that the user cancels half way through a slow
    // receiver, puts the document back exactly, its edits and name too, and
    // keeps no copy. An edited document is read over only when confirmed.
    void AReadThatDoesNotFinishLeavesTheDocumentAsItWas() {
        for (const bool cancel : {false, true}) {
            OnSim r(cancel ? std::vector<std::string>{"--baud", "9600"}  // a read takes some 20 s
                           : std::vector<std::string>{"--fault", "no-answer"});
            QCOMPARE(r.p->Document().Save(r.Path("doc.acf").toStdString()), 0);
            r.Master().ChUnit(kKeyBankA, 2)->AppearCh(true);
            r.Master().ChUnit(kKeyBankA, 2)->FreqOp_Pure(43312500);
            r.Radio().EditOn(true);
            const ByteStr before = r.Image();
            int valueAtCancel = -1;
            r.whileProgress = [&](frmCloneProgress& progress) {
                if (cancel && progress.Value() > 0 && valueAtCancel < 0) {
                    valueAtCancel = progress.Value();
                    QTest::mouseClick(progress.cmdCancel(), Qt::LeftButton);
                }
            };
            r.dialogs.answers = {kMsgCancel, kMsgOk};
            r.W().mnuClone_Click(0);
            QCOMPARE(r.progressShown, 0);  // Cancel sends nothing
            QCOMPARE(r.LastMessage(), QStringLiteral("Read from receiver, Data has been edited."));
            r.W().mnuClone_Click(0);
            QCOMPARE(r.progressShown, 1);
            if (cancel) {
                QVERIFY(valueAtCancel > 0 && valueAtCancel < 50);
                QVERIFY(r.p->Clone().Cancelled());
            } else {
                QVERIFY(r.LastMessage().startsWith("No answer from receiver."));
            }
            QCOMPARE(r.dialogs.messages.size(), std::size_t(cancel ? 2 : 3));  // a failure once
            QVERIFY(r.Radio().eepImage.bytes() == before);
            QVERIFY(r.Radio().EditOn());
            QCOMPARE(r.Master().ChUnit(kKeyBankA, 2)->FreqOp_Pure(), 43312500);
            QCOMPARE(r.W().FileTitle(), QStringLiteral("doc.acf"));
            QVERIFY(!r.p->Service().com().comOpen());
            const QDir copies(r.DataPath("backups"));
            QVERIFY(!copies.exists() || copies.isEmpty());
        }
    }

    void AnEditedChannelWrittenArrivesInTheReceiver() {
        QTemporaryDir out;
        const QString saved = out.filePath("sim-saved.acf");
        OnSim r({"--save", saved.toStdString()});
        r.Master().ChUnit(kKeyBankA, 3)->AppearCh(true);
        r.Master().ChUnit(kKeyBankA, 3)->FreqOp_Pure(43312500);
        // Bank A 04 beyond the version's coverage: named before the write,
        // which goes on only on Yes and sends it blank.
        r.Master().ChUnit(kKeyBankA, 4)->AppearCh(true);
        r.Master().ChUnit(kKeyBankA, 4)->FreqOp_Pure(299999000);
        QCOMPARE(r.p->Document().Save(r.Path("edited.acf").toStdString()), 0);
        for (const int answer : {kMsgNo, kMsgYes}) {
            r.dialogs.messages.clear();
            r.dialogs.answers = {kMsgOk, answer};
            r.W().findChild<QAction*>("Bar_Clone_Write")->trigger();
            QCOMPARE(r.dialogs.messages[1].buttons, MsgButtons::YesNo);
            QVERIFY(
                r.dialogs.messages[1].text.contains(QStringLiteral("\nBank A 04: 2999.990000\n")));
        }
        QCOMPARE(r.progressShown, 1);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(3));
        QCOMPARE(r.dialogs.messages[0].text, QStringLiteral("Write to receiver."));
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Clone writing succeeded.")));
        QVERIFY(!r.Radio().EditOn());  // a write leaves the document as it was
        QCOMPARE(r.W().FileTitle(), QStringLiteral("edited.acf"));

        // The simulator keeps what it received in a data file of its own.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 10000);
        VersionDocument got(0, 1, 0);
        PrepareRxQ5Document(got.radio);
        QCOMPARE(AcfFileLoad(got.radio, saved.toStdString()), int(kAcfOk));
        got.master.ReadFromEep(clsRigQ5_Master::kProgramForm);
        QVERIFY(got.master.ChUnit(kKeyBankA, 3)->AppearCh());
        QCOMPARE(got.master.ChUnit(kKeyBankA, 3)->FreqOp_Pure(), 43312500);
        QVERIFY(!got.master.ChUnit(kKeyBankA, 4)->AppearCh());
    }

    void ABackupIsComparedAndRestoredAndAVerifiedWriteFindsAWrongByte() {
        // A receiver that keeps bit 0 of the byte at 0011 wrong: the second
        // byte of bank A channel 01's frequency.
        OnSim r({"--fault", "corrupt-store:0011"});
        frmMain& w = r.W();
        const QString folder = r.DataPath("backups");
        w.mnuFile_Click(19);
        QCOMPARE(r.LastMessage(), MsgText(NoBackupsText(folder.toStdString())));

        w.mnuClone_Click(0);
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        clsRigQ5_Ch* ch = r.Master().ChUnit(kKeyBankA, 1);
        const std::int32_t readFreq = ch->FreqOp_Pure();
        ch->AppearCh(true);
        ch->FreqOp_Pure(14500000);

        // Restore Backup lists the read; Compare shows what differs from it.
        const auto choose = [&r, &copies](const char* button) {
            r.dialogs.onShowModal = [&copies, button, old = r.dialogs.onShowModal](QDialog& d) {
                if (d.objectName() != QStringLiteral("frmRestoreBackup")) return old(d);
                auto* list = d.findChild<QTableWidget*>("grdRestoreBackup_List");
                QCOMPARE(list->rowCount(), 1);
                QCOMPARE(list->item(0, 0)->text(), copies[0].mid(7, 10));  // the date of the read
                d.findChild<QPushButton*>(button)->click();
            };
        };
        choose("cmdRestoreBackup_Compare");
        w.mnuFile_Click(19);
        auto* compare = w.findChild<frmCompare*>("frmCompare");
        QVERIFY(compare && compare->isVisible());
        QTableWidget* rows = compare->List();
        QStringList first;
        for (int c = 0; c < 4; ++c) first << rows->item(0, c)->text();
        QCOMPARE(first, (QStringList{"Bank A", "01", "Frequency", "145.000000"}));
        // The headings tell the document from the file; the list is an
        // ordinary window, not one the main window keeps above itself.
        QCOMPARE(rows->horizontalHeaderItem(3)->text(), w.FileTitle() + " (open, edited)");
        QCOMPARE(rows->horizontalHeaderItem(4)->text(), copies[0] + " (saved)");
        QVERIFY(compare->windowHandle() && !compare->windowHandle()->transientParent());
        // Double-clicking the row shows that channel in the grid.
        r.At(kKeyVfo, 0);
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        const QPoint cell = rows->visualItemRect(rows->item(0, 2)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(w.CurrentTreeKey(), kKeyBankA);
        QCOMPARE(w.CurChNo(), 1);

        // Open makes the read the document again, untitled and edited.
        choose("cmdRestoreBackup_Open");
        r.dialogs.answers = {kMsgNo};  // the edits are not saved
        w.mnuFile_Click(19);
        QCOMPARE(r.Master().ChUnit(kKeyBankA, 1)->FreqOp_Pure(), readFreq);
        QCOMPARE(w.FileTitle(), QStringLiteral("Untitled"));
        QVERIFY(r.Radio().EditOn());

        // A verified write names the channel whose byte came back wrong.
        ch->AppearCh(true);
        ch->FreqOp_Pure(14500000);
        w.MenuItem("mnuClone", 5)->trigger();
        r.dialogs.answers = {kMsgOk};
        w.mnuClone_Click(1);
        QVERIFY2(r.LastMessage().startsWith(QStringLiteral("Verify after write failed.")) &&
                     r.LastMessage().contains(QStringLiteral("\nBank A 01: Frequency\n")),
                 qPrintable(r.LastMessage()));
        QCOMPARE(w.CloneProgress().Label(),
                 QString::fromStdString(CloneCommands::VerifyProgressLabel()));
        QCOMPARE(r.Master().ChUnit(kKeyBankA, 1)->FreqOp_Pure(), 14500000);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);  // the verify is no backup
        r.dialogs.answers = {kMsgNo};
        w.close();  // the setting is kept for the next start
        QVERIFY(r.ProfileText().contains("VerifyAfterWrite=1"));
    }

    void TheSerialTickDoesNotRunInsideItselfWhileABoxIsOpen() {
        OnSim r({});
        frmCom& com = r.p->Service().com();
        int depth = 0, deepest = 0, ticks = 0;
        com.mainTask([&] {
            ++ticks;
            deepest = std::max(deepest, ++depth);
            r.W().task();
            --depth;
        });
        // The information box opens from inside the tick that ends the
        // command; the timers keep firing in its event loop.
        int ticksInBox = 0;
        r.dialogs.onMessage = [&](const QString&) {
            const int before = ticks;
            for (int i = 0; i < 5; ++i) {
                com.timSolid_Timer();
                r.W().task();
                r.W().timMain_Timer();
                QCoreApplication::processEvents();
            }
            ticksInBox = ticks - before;
        };
        r.W().mnuClone_Click(3);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(r.dialogs.messages[0].title, QStringLiteral("Information"));
        QCOMPARE(deepest, 1);
        QCOMPARE(ticksInBox, 0);
        com.timSolid_Timer();  // and it runs again afterwards
        QVERIFY(ticks > 0);
    }

    // The demo receiver is COM1 for the run only, its copies go apart from
    // the real receiver's. Left alone with the port closed the program does
    // not wake up: both ticks sleep; a clone wakes them, and once it has
    // ended they sleep again, the window showing what the clone did.
    void TheDemoReceiverIsComOneForTheRunAndAnIdleProgramSleeps() {
        Run r(kVersion0 + "[OPTION]\r\nComPort=2\r\nComDevice(1)=/dev/ttyUSB5\r\n");
        r.p->Start({"--demo"});
        auto* windowTick = r.W().findChild<QTimer*>("timMain");
        const auto asleep = [&] { return !r.p->Service().Ticking() && !windowTick->isActive(); };
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
        QCOMPARE(r.W().ComPortNo(), 2);
        r.W().mnuCom_Click(1);  // the user picks the demo receiver's port
        const std::string pty = r.p->Demo()->DevicePath();
        QCOMPARE(r.p->ComDeviceOf(1), pty);
        r.W().timMain_Timer();
        QCOMPARE(r.W().windowTitle(), QStringLiteral("Untitled - CS-Q5 (demo receiver)"));

        r.W().findChild<QAction*>("Bar_Clone_Read")->trigger();
        ExpectCleanClone(r);
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
        QVERIFY(r.W().findChild<QAction*>("Bar_Port_Com1")->isChecked());
        const QString demoCopies = r.DataPath("demo-backups");
        const QString copy = QString::fromStdString(r.p->Clone().LastBackupFile());
        QVERIFY2(copy.startsWith(demoCopies + "/backup-"), qPrintable(copy));
        QVERIFY(!QDir(r.DataPath("backups")).exists());
        r.W().mnuFile_Click(15);
        QCOMPARE(r.dialogs.openedFolders, QStringList{demoCopies});
        r.dialogs.answers = {kMsgOk};
        r.W().findChild<QAction*>("Bar_Clone_Write")->trigger();
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Clone writing succeeded.")));
        QCOMPARE(r.p->Demo()->Receiver().GoodWrites(), 1);

        // A port that cannot be opened is reported by a tick that was asleep.
        r.p->ComDevices({{1, "/dev/ttyUSB5"}, {2, "/dev/csq5-no-such-port"}});
        r.W().mnuCom_Click(2);
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
        r.W().mnuClone_Click(3);
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Cannot access COM 2.")));
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);

        // The profile keeps the user's own port and device for COM1.
        r.W().mnuCom_Click(1);
        r.dialogs.answers = {kMsgNo};  // no save of the read image
        r.W().close();
        const QByteArray stored = r.ProfileText();
        QVERIFY2(stored.contains("ComDevice(1)=/dev/ttyUSB5") && stored.contains("ComPort=2") &&
                     !stored.contains(QByteArray::fromStdString(pty)),
                 stored.constData());
    }

    void AFileGivenOnTheCommandLineOpensAtStart() {
        const QTemporaryDir files;
        const QString file = files.filePath("scan.acf");
        {
            Started r;
            r.Mem(4).AppearCh(true);
            r.Mem(4).FreqOp_Pure(14550000);
            QCOMPARE(r.p->Document().Save(file.toStdString()), 0);
        }
        {
            Run r(kVersion0);
            r.p->Start({file});
            QCOMPARE(r.W().FileTitle(), QStringLiteral("scan.acf"));
            QCOMPARE(r.Master().ChUnit(kKeyBankA, 4)->FreqOp_Pure(), 14550000);
            QVERIFY(!r.Radio().EditOn());
            QVERIFY(r.dialogs.messages.empty());
        }
        {
            // With the initial setup first, the file opens when it is over.
            Run r;
            r.p->Start({file});
            QCOMPARE(r.W().FileTitle(), QStringLiteral("Untitled"));
            ClickSetup(r, "cmdSetup_Cancel");
            QCOMPARE(r.W().FileTitle(), QStringLiteral("scan.acf"));
        }
        // A missing file gets the file message and an untitled document.
        Run r(kVersion0);
        r.p->Start({files.filePath("missing.acf")});
        QVERIFY(r.LastMessage().startsWith("Cannot open file."));
        QCOMPARE(r.W().FileTitle(), QStringLiteral("Untitled"));
    }

    void AFileHandedOverOpensOnceNoDialogIsUp() {
        const QTemporaryDir files;
        const QString file = files.filePath("scan.acf");
        Started r;
        QCOMPARE(r.p->Document().Save(file.toStdString()), 0);
        r.W().mnuFile_Click(0);  // New, so the file is not the current one
        r.Radio().EditOn(true);

        // A dialog is up: the file waits.
        QDialog dialog(&r.W());
        dialog.setModal(true);
        dialog.show();
        r.p->OpenRequested(file);
        QCoreApplication::processEvents();
        QCOMPARE(r.W().FileTitle(), QStringLiteral("Untitled"));
        const std::size_t asked = r.dialogs.messages.size();

        // Closed: the file opens as File > Open does, asking about the edits.
        r.dialogs.answers = {kMsgNo};
        dialog.hide();
        QTRY_COMPARE_WITH_TIMEOUT(r.W().FileTitle(), QStringLiteral("scan.acf"), 30000);
        QCOMPARE(r.dialogs.messages.size(), asked + 1);
        QCOMPARE(r.LastMessage(), QStringLiteral("Save changes to Untitled ?"));
        QVERIFY(!r.Radio().EditOn());
        QCOMPARE(r.W().MenuItem("mnuFile", 5)->text(), QStringLiteral("&1 scan.acf"));

        // A file the window cannot open gets the file message there.
        r.p->OpenRequested(files.filePath("missing.acf"));
        QTRY_VERIFY_WITH_TIMEOUT(r.LastMessage().startsWith("Cannot open file."), 30000);
        QCOMPARE(r.W().FileTitle(), QStringLiteral("scan.acf"));
    }

    // A file that Compare With cannot read is reported over the main window,
    // also when no window is active after the file dialog.
    void ACompareFileMessageBelongsToTheMainWindow() {
        Started r;
        QFile bad(r.Path("bad.acf"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("no data file") > 0);
        bad.close();
        r.dialogs.openNames = {bad.fileName()};
        QApplication::setActiveWindow(nullptr);
        r.W().mnuFile_Click(20);
        QVERIFY(r.LastMessage().startsWith("Illegal data."));
        QCOMPARE(r.dialogs.messages.back().parent, &r.W());
    }

    void AFileMessageComesAfterTheWaitCursorIsGone() {
        Started r;
        QStringList shown;
        r.dialogs.onMessage = [&shown](const QString& text) {
            shown << text.section(QLatin1Char('\n'), 0, 0) +
                         (QApplication::overrideCursor() ? " (waiting)" : "");
        };
        r.dialogs.openNames = {r.Path("missing.acf")};
        r.W().mnuFile_Click(1);
        r.dialogs.saveNames = {r.Path("no-such-folder/x.acf")};
        r.W().mnuFile_Click(3);
        QCOMPARE(shown, (QStringList{"Cannot open file.", "Cannot save file."}));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
