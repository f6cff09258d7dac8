// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window program as it starts and clones: the initial setup or the
// main window at start, the setup, clone read and clone write against the
// receiver simulator on a pseudo-terminal, the modal progress display driven
// by the serial tick, and the tick that never runs inside itself. Every run
// has a profile of its own; message boxes and modal dialogs go through the
// fake dialog seam, which shows the progress dialog and waits, as the modal
// display does, until the tick closes it.

#include "ui/program.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <chrono>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "file/acf_file.h"
#include "run_process.h"
#include "sim/qt/demo_receiver.h"
#include "sim_process.h"
#include "ui/clone_progress.h"
#include "ui/com_devices_dialog.h"
#include "ui/compare_window.h"
#include "ui/msgbox.h"
#include "ui/setup_dialog.h"

using namespace std::chrono_literals;

namespace {
constexpr int kVfoKey = 1;
constexpr int kBankA = 3;
const char* const kVersion0 =
    "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n";
const QString kHints = QStringLiteral(
    "\n\nCheck the following:\n\n- The COM port settings.\n- Cloning cable connections.\n"
    "- Receiver power is ON.");

// Shows a dialog and runs the events until it is hidden again, as the modal
// display does; bounded so a lost close fails the test instead of hanging it.
void RunUntilHidden(QDialog& dialog, const std::function<void()>& whileShown = {}) {
    dialog.show();
    QDeadlineTimer deadline(30000);
    while (dialog.isVisible() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (whileShown && dialog.isVisible()) whileShown();
    }
}

struct Run {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<Csq5Program> p;
    int progressShown = 0;
    bool progressOpenSeen = false;
    std::vector<bool> cancelShown;  // per progress display: its Cancel button visible
    std::function<void(frmCloneProgress&)> whileProgress;

    explicit Run(const QByteArray& profile = QByteArray()) {
        // Copies of clone reads go to this run's folder, never the user's.
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        QFile f(dir.filePath("CSQ5.rs"));
        if (f.open(QIODevice::WriteOnly)) f.write(profile);
        f.close();
        p = std::make_unique<Csq5Program>(dir.filePath("CSQ5.rs").toStdString());
        dialogs.onShowModal = [this](QDialog& d) {
            if (d.objectName() != QStringLiteral("frmCloneProgress")) return;
            ++progressShown;
            auto& progress = static_cast<frmCloneProgress&>(d);
            cancelShown.push_back(progress.Cancelable());
            RunUntilHidden(d, [this, &progress] {
                if (whileProgress) whileProgress(progress);
            });
        };
    }
    ~Run() {
        p->Window().hide();
        p.reset();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void UseDevice(int slot, const std::string& tty) { p->ComDevices({{slot, tty}}); }
    clsCmcRadio& Radio() { return p->Radio(); }
    clsRigQ5_Master& Master() { return p->Master(); }
    QString LastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
};

// Selects a row of a tree key's list in the program's window.
void At(frmMain& w, int key, int row) {
    SelectTreeKey(w, key);
    w.findChild<QTableWidget*>(QStringLiteral("mfgCh"))->setCurrentCell(row, 0);
    w.timMain_Timer();
}
}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void WithoutAVersionTheSetupOpensFirst() {
        Run r;
        r.p->Start({});
        frmSetup* setup = r.p->Setup();
        QVERIFY(setup);
        QVERIFY(setup->isVisible());
        QVERIFY(!r.p->Window().isVisible());
        // Centred across the screen, 0.4 of the free height above it.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(setup->x(), (screen.width() - setup->width()) / 2);
        QCOMPARE(setup->y(), int((screen.height() - setup->height()) * 0.4));
        QTest::mouseClick(setup->findChild<QPushButton*>("cmdSetup_Cancel"), Qt::LeftButton);
        QVERIFY(r.p->Window().isVisible());
        QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 12);
        QVERIFY(!r.Radio().EditOn());
    }

    void AStoredVersionOpensTheMainWindowUnlessSlashSAsks() {
        const std::vector<std::pair<QStringList, bool>> cases = {
            {{}, false}, {{"/S"}, true}, {{"/s"}, false}, {{" /S"}, false}, {{"/S", "x"}, false}};
        for (const auto& [args, setup] : cases) {
            Run r(kVersion0);
            r.p->Start(args);
            QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 0);
            QVERIFY2(bool(r.p->Setup()) == setup, qPrintable(args.join('|')));
            QCOMPARE(r.p->Window().isVisible(), !setup);
            // A mistyped switch is no data file to open either.
            QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        }
    }

    void AProfileThatCannotBeReadIsSaidOnceAndLeftAsItIs() {
        const QByteArray text = QByteArray(kVersion0) + QByteArray(1, '\0') +
                                "[RecentFiles]\r\nRecentFileName(0)=/home/u/a.acf\r\n";
        Run r(text);
        r.p->Start({});
        QCOMPARE(r.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(r.LastMessage(),
                 "Cannot read the profile " + r.Path("CSQ5.rs") +
                     ". The program runs on its default settings and leaves the file as it is.");
        // The defaults: no version, so the setup; the profile is not written
        // over when the program ends.
        QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 12);
        QTest::mouseClick(r.p->Setup()->findChild<QPushButton*>("cmdSetup_Cancel"), Qt::LeftButton);
        r.p->Window().close();
        QCOMPARE(r.dialogs.messages.size(), std::size_t{1});
        QFile f(r.Path("CSQ5.rs"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), text);
    }

    void TheSetupLearnsTheVersionFromTheReceiverOrStaysOpen() {
        {
            SimProcess sim({"--fault", "no-answer"});
            QVERIFY(!sim.tty().empty());
            Run r;
            r.UseDevice(2, sim.tty());
            r.p->Start({});
            frmSetup* setup = r.p->Setup();
            setup->findChild<QComboBox*>("cboSetup_ComPort")->setCurrentIndex(1);
            QTest::mouseClick(setup->findChild<QPushButton*>("cmdSetup_Ok"), Qt::LeftButton);
            QCOMPARE(r.progressShown, 1);
            QCOMPARE(r.LastMessage(), QStringLiteral("No answer from receiver.") + kHints);
            // Over the setup dialog, not over the main window that is not shown.
            QCOMPARE(r.dialogs.messages.back().parent, static_cast<QWidget*>(setup));
            QVERIFY(setup->isVisible());
            QVERIFY(!r.p->Window().isVisible());
            QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 12);
        }
        SimProcess sim({"--ver", "7", "--am", "0", "--fmtv", "1"});
        QVERIFY(!sim.tty().empty());
        Run r;
        r.UseDevice(3, sim.tty());
        r.p->Start({});
        frmSetup* setup = r.p->Setup();
        setup->findChild<QComboBox*>("cboSetup_ComPort")->setCurrentIndex(2);
        QTest::mouseClick(setup->findChild<QPushButton*>("cmdSetup_Ok"), Qt::LeftButton);
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QVERIFY(!r.p->Window().CloneProgress().isVisible());
        QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 7);
        QCOMPARE(r.Master().MatrixObj().MtxFmTvOk(), 1);
        QCOMPARE(r.p->Window().ComPortNo(), 3);
        QVERIFY(!setup->isVisible());
        QVERIFY(r.p->Window().isVisible());
        // Kept for the next start.
        r.p->Window().close();
        QFile f(r.Path("CSQ5.rs"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray stored = f.readAll();
        for (const char* line : {"M_Property_V=7", "ComPort=3", "ComDevice(3)="})
            QVERIFY2(stored.contains(line), line);
    }

    void AReadMarksTheDocumentEditedAndUntitled() {
        SimProcess sim({});
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        QCOMPARE(r.p->Document().Save(r.Path("before.acf").toStdString()), 0);
        QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("before.acf"));
        r.p->Window().findChild<QAction*>("Bar_Clone_Read")->trigger();
        QCOMPARE(r.progressShown, 1);
        QVERIFY(!r.p->Window().CloneProgress().isVisible());
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QVERIFY(r.Radio().EditOn());
        QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("Untitled"));
        QVERIFY(!r.p->Service().com().comOpen());
        r.p->Window().timMain_Timer();
        QCOMPARE(r.p->Window().windowTitle(), QStringLiteral("Untitled - CS-Q5"));
    }

    void AFailedReadRestoresTheDocumentAndNamesTheCause() {
        SimProcess sim({"--fault", "no-answer"});
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(4, sim.tty());
        r.p->Start({});
        r.p->Window().mnuCom_Click(4);
        QCOMPARE(r.p->Document().Save(r.Path("doc.acf").toStdString()), 0);
        clsRigQ5_Ch* ch = r.Master().ChUnit(kBankA, 2);
        ch->AppearCh(true);
        ch->FreqOp_Pure(43312500);
        r.Radio().EditOn(true);
        r.Master().WriteToEep();
        const ByteStr before = r.Radio().eepImage.bytes();

        r.dialogs.answers = {kMsgCancel};  // "Data has been edited": Cancel sends nothing
        r.p->Window().mnuClone_Click(0);
        QCOMPARE(r.progressShown, 0);
        QCOMPARE(r.LastMessage(), QStringLiteral("Read from receiver, Data has been edited."));

        r.dialogs.answers = {kMsgOk};
        r.p->Window().mnuClone_Click(0);
        QCOMPARE(r.progressShown, 1);
        QCOMPARE(r.LastMessage(), QStringLiteral("No answer from receiver.") + kHints);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(3));  // the failure once
        QVERIFY(r.Radio().eepImage.bytes() == before);
        QCOMPARE(r.Master().ChUnit(kBankA, 2)->FreqOp_Pure(), 43312500);
        QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("doc.acf"));
        QVERIFY(!r.p->Service().com().comOpen());
    }

    void AChannelEditedSavedReopenedAndWrittenArrivesInTheReceiver() {
        Run r(kVersion0);
        const QString saved = r.Path("sim-saved.acf");
        SimProcess sim({"--save", saved.toStdString()});
        QVERIFY(!sim.tty().empty());
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        frmMain& w = r.p->Window();

        // Bank A channel 3 through the channel dialog.
        At(w, kBankA, 3);
        r.dialogs.onShowModal = [&r, old = r.dialogs.onShowModal](QDialog& d) {
            if (d.objectName() == QStringLiteral("frmEditCh")) {
                d.show();
                auto* freq = d.findChild<QLineEdit*>("txtEditCh_FreqOp");
                freq->selectAll();
                QTest::keyClicks(freq, QStringLiteral("433.125"));
                QTest::mouseClick(d.findChild<QPushButton*>("cmdEditCh_Ok"), Qt::LeftButton);
                return;
            }
            old(d);
        };
        w.mnuEdit_Click(0);
        QCOMPARE(r.dialogs.shownDialogs, QStringList{"frmEditCh"});
        QCOMPARE(r.Master().ChUnit(kBankA, 3)->FreqOp_Pure(), 43312500);
        QVERIFY(r.Radio().EditOn());

        // Saved, a new document, the file opened again.
        const QString file = r.Path("edited.acf");
        r.dialogs.saveNames = {file};
        w.mnuFile_Click(3);
        QVERIFY(!r.Radio().EditOn());
        w.mnuFile_Click(0);
        QVERIFY(!r.Master().ChUnit(kBankA, 3)->AppearCh());
        r.dialogs.openNames = {file};
        w.mnuFile_Click(1);
        QCOMPARE(r.Master().ChUnit(kBankA, 3)->FreqOp_Pure(), 43312500);

        // Written to the receiver: the question, the progress, the notice.
        r.dialogs.answers = {kMsgOk};
        w.findChild<QAction*>("Bar_Clone_Write")->trigger();
        QCOMPARE(r.progressShown, 1);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(r.dialogs.messages[0].text, QStringLiteral("Write to receiver."));
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Clone writing succeeded.")));
        QVERIFY(!r.Radio().EditOn());  // a write leaves the document as it was
        QCOMPARE(w.FileTitle(), QStringLiteral("edited.acf"));

        // The simulator keeps what it received in a data file of its own.
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(saved) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        TestDoc got(0, 0, 1);
        PrepareRxQ5Document(got.radio);
        QCOMPARE(AcfFileLoad(got.radio, saved.toStdString()), int(kAcfOk));
        got.master.ReadFromEep(clsRigQ5_Master::kProgramForm);
        QVERIFY(got.master.ChUnit(kBankA, 3)->AppearCh());
        QCOMPARE(got.master.ChUnit(kBankA, 3)->FreqOp_Pure(), 43312500);
    }

    void TheSerialTickDoesNotRunInsideItselfWhileABoxIsOpen() {
        SimProcess sim({});
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        frmCom& com = r.p->Service().com();
        int depth = 0, deepest = 0, ticks = 0;
        com.mainTask([&] {
            ++ticks;
            deepest = std::max(deepest, ++depth);
            r.p->Window().task();
            --depth;
        });
        // The information box opens from inside the tick that ends the
        // command; the timers keep firing in its event loop.
        int ticksInBox = 0;
        r.dialogs.onMessage = [&](const QString&) {
            const int before = ticks;
            for (int i = 0; i < 5; ++i) {
                com.timSolid_Timer();
                r.p->Window().task();
                r.p->Window().timMain_Timer();
                QCoreApplication::processEvents();
            }
            ticksInBox = ticks - before;
        };
        r.p->Window().mnuClone_Click(3);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(r.dialogs.messages[0].title, QStringLiteral("Information"));
        QCOMPARE(deepest, 1);
        QCOMPARE(ticksInBox, 0);
        com.timSolid_Timer();  // and it runs again afterwards
        QVERIFY(ticks > 0);
    }

    void TheDemoReceiverIsComOneForTheRunOnly() {
        const QByteArray profile =
            QByteArray(kVersion0) + "[OPTION]\r\nComPort=2\r\nComDevice(1)=/dev/ttyUSB5\r\n";
        Run r(profile.constData());
        r.p->Start({"--demo"});
        QCOMPARE(r.p->Window().ComPortNo(), 2);
        r.p->Window().mnuCom_Click(1);  // the user picks the demo receiver's port
        QVERIFY(r.p->Demo());
        const std::string pty = r.p->Demo()->DevicePath();
        QVERIFY(!pty.empty());
        QCOMPARE(r.p->ComDeviceOf(1), pty);
        QCOMPARE(r.p->ComDevices().at(1), std::string("/dev/ttyUSB5"));
        QVERIFY(r.p->Window().isVisible());
        r.p->Window().timMain_Timer();
        QCOMPARE(r.p->Window().windowTitle(), QStringLiteral("Untitled - CS-Q5 (demo receiver)"));

        // Clone read, write and information against it, on COM1.
        r.p->Window().findChild<QAction*>("Bar_Clone_Read")->trigger();
        QCOMPARE(r.progressShown, 1);
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QVERIFY(r.Radio().EditOn());
        // Its copies are kept apart from the real receiver's, and the File
        // menu shows where.
        const QString demoCopies = r.dir.filePath("data/CS-Q5/demo-backups");
        const QString copy = QString::fromStdString(r.p->Clone().LastBackupFile());
        QVERIFY2(copy.startsWith(demoCopies + "/backup-"), qPrintable(copy));
        QVERIFY(!QDir(r.dir.filePath("data/CS-Q5/backups")).exists());
        r.p->Window().mnuFile_Click(15);
        QCOMPARE(r.dialogs.openedFolders, QStringList{demoCopies});
        r.dialogs.answers = {kMsgOk};
        r.p->Window().findChild<QAction*>("Bar_Clone_Write")->trigger();
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Clone writing succeeded.")));
        QCOMPARE(r.p->Demo()->Receiver().GoodWrites(), 1);
        r.p->Window().mnuClone_Click(3);
        QCOMPARE(r.dialogs.messages.back().title, QStringLiteral("Information"));

        // The profile keeps the user's own device for COM1.
        r.dialogs.answers = {kMsgNo};  // no save of the read image
        r.p->Window().close();
        QFile f(r.Path("CSQ5.rs"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray stored = f.readAll();
        QVERIFY2(stored.contains("ComDevice(1)=/dev/ttyUSB5"), stored.constData());
        QVERIFY(!stored.contains(QByteArray::fromStdString(pty)));
        // Nor does COM1, picked for the demo, replace the user's port.
        QVERIFY2(stored.contains("ComPort=2"), stored.constData());
    }

    // Left alone with the port closed, the program does not wake up: both
    // ticks sleep. A clone wakes them; once it has ended and the port is
    // closed they sleep again, with the window showing what the clone did.
    void AnIdleProgramSleepsAndACloneWakesIt() {
        Run r(kVersion0);
        r.p->Start({"--demo"});
        QVERIFY(r.p->Demo());
        frmMain& w = r.p->Window();
        auto* windowTick = w.findChild<QTimer*>("timMain");
        QVERIFY(windowTick);
        const auto asleep = [&] { return !r.p->Service().Ticking() && !windowTick->isActive(); };
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);

        w.findChild<QAction*>("Bar_Clone_Read")->trigger();
        QCOMPARE(r.progressShown, 1);
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QVERIFY(!r.p->Service().com().comOpen());
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
        QVERIFY(r.Radio().EditOn());
        QVERIFY(w.findChild<QAction*>("Bar_Port_Com1")->isChecked());

        // A port that cannot be opened is reported by a tick that was asleep.
        r.UseDevice(2, "/dev/csq5-no-such-port");
        w.mnuCom_Click(2);
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
        r.dialogs.answers = {kMsgOk};  // read over the edited document
        w.mnuClone_Click(0);
        QVERIFY(r.LastMessage().startsWith(QStringLiteral("Cannot access COM 2.")));
        QTRY_VERIFY_WITH_TIMEOUT(asleep(), 10000);
    }

    void TheDemoReceiverServesTheInitialSetup() {
        {
            Run r;
            r.p->Start({"--demo", "/S"});
            frmSetup* setup = r.p->Setup();
            QVERIFY(setup);
            setup->findChild<QComboBox*>("cboSetup_ComPort")->setCurrentIndex(0);
            QTest::mouseClick(setup->findChild<QPushButton*>("cmdSetup_Ok"), Qt::LeftButton);
            QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
            QCOMPARE(r.Master().MatrixObj().MtxVerNo(), 0);
            QVERIFY(r.p->Window().isVisible());
        }
        // Without --demo COM1 is the profile's (here: the first port found).
        Run plain(kVersion0);
        plain.p->Start({});
        QVERIFY(!plain.p->Demo());
        QVERIFY(plain.p->ComDeviceOf(1).rfind("/dev/pts/", 0) != 0);
    }

    void AFileGivenOnTheCommandLineOpensAtStart() {
        const QTemporaryDir files;
        const QString file = files.filePath("scan.acf");
        {
            Run r(kVersion0);
            r.p->Start({});
            clsRigQ5_Ch* ch = r.Master().ChUnit(kBankA, 4);
            ch->AppearCh(true);
            ch->FreqOp_Pure(14550000);
            QCOMPARE(r.p->Document().Save(file.toStdString()), 0);
        }
        {
            Run r(kVersion0);
            r.p->Start({file});
            QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("scan.acf"));
            QCOMPARE(r.p->Document().FileName(), file.toStdString());
            QCOMPARE(r.Master().ChUnit(kBankA, 4)->FreqOp_Pure(), 14550000);
            QVERIFY(!r.Radio().EditOn());
            QVERIFY(r.dialogs.messages.empty());
        }
        {
            // With the initial setup first, the file opens when it is over.
            Run r;
            r.p->Start({file});
            QVERIFY(r.p->Setup());
            QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("Untitled"));
            QTest::mouseClick(r.p->Setup()->findChild<QPushButton*>("cmdSetup_Cancel"),
                              Qt::LeftButton);
            QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("scan.acf"));
        }
        {
            // A missing file gets the file message and an untitled document.
            Run r(kVersion0);
            r.p->Start({files.filePath("missing.acf")});
            QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
            QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("Untitled"));
        }
    }

    void AFileHandedOverOpensOnceNoDialogIsUp() {
        const QTemporaryDir files;
        const QString file = files.filePath("scan.acf");
        Run r(kVersion0);
        r.p->Start({});
        QCOMPARE(r.p->Document().Save(file.toStdString()), 0);
        r.p->Window().mnuFile_Click(0);  // New, so the file is not the current one
        r.Master().ChUnit(kBankA, 1)->AppearCh(true);
        r.Radio().EditOn(true);

        // A dialog is up: the file waits.
        QDialog dialog(&r.p->Window());
        dialog.setModal(true);
        dialog.show();
        r.p->OpenRequested(file);
        QCoreApplication::processEvents();
        QCOMPARE(r.p->Window().FileTitle(), QStringLiteral("Untitled"));
        const std::size_t asked = r.dialogs.messages.size();

        // Closed: the file opens as File > Open does, asking about the edits.
        r.dialogs.answers = {kMsgNo};
        dialog.hide();
        QTRY_COMPARE_WITH_TIMEOUT(r.p->Window().FileTitle(), QStringLiteral("scan.acf"), 30000);
        QCOMPARE(r.dialogs.messages.size(), asked + 1);
        QCOMPARE(r.LastMessage(), QStringLiteral("Save changes to Untitled ?"));
        QVERIFY(!r.Radio().EditOn());
        QCOMPARE(r.p->Window().MenuItem("mnuFile", 5)->text(), QStringLiteral("&1 scan.acf"));
    }

    void AFileMessageComesAfterTheWaitCursorIsGone() {
        Run r(kVersion0);
        r.p->Start({});
        frmMain& w = r.p->Window();
        QStringList shown;
        r.dialogs.onMessage = [&shown](const QString& text) {
            shown << text.section(QLatin1Char('\n'), 0, 0) +
                         (QApplication::overrideCursor() ? " (waiting)" : "");
        };
        r.dialogs.openNames = {r.Path("missing.acf")};
        w.mnuFile_Click(1);
        r.dialogs.saveNames = {r.Path("no-such-folder/x.acf")};
        w.mnuFile_Click(3);
        QCOMPARE(shown, (QStringList{"Cannot open file.", "Cannot save file."}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void TheDeviceDialogDescribesThePortsAndMarksTheOnesInUse() {
        const struct {
            QString description;
            bool hasIds;
            quint16 vid, pid;
            QString serial;
            QString text;
        } cases[] = {
            {"FT232R USB UART", true, 0x0403, 0x6001, "A10K2Z3B",
             "FT232R USB UART, USB 0403:6001, serial A10K2Z3B"},
            {"", true, 0x1a86, 0x7523, "", "USB 1a86:7523"},
            {"ttyS0", false, 0, 0, "", "ttyS0"},
            {"  ", false, 0, 0, " ", ""},
        };
        for (const auto& c : cases)
            QCOMPARE(SerialPortDetails(c.description, c.hasIds, c.vid, c.pid, c.serial), c.text);

        const std::vector<std::pair<QString, QString>> ports = {
            {"/dev/ttyUSB0", "FT232R USB UART, USB 0403:6001"}};
        frmComDevices dialog(ports);
        QVERIFY(dialog.Slot(1)->itemText(1).contains("USB 0403:6001"));
        dialog.InUse({{1, {"/dev/pts/7", "demo receiver"}}, {2, {"/dev/ttyUSB0", ""}}});
        QCOMPARE(dialog.findChild<QLabel*>("lblComDevice_1")->text(),
                 QStringLiteral("In use: /dev/pts/7  [demo receiver]"));
        QCOMPARE(dialog.findChild<QLabel*>("lblComDevice_2")->text(),
                 QStringLiteral("In use: /dev/ttyUSB0  [FT232R USB UART, USB 0403:6001]"));
        QVERIFY(dialog.findChild<QLabel*>("lblComDevice_3")->text().contains("none"));
    }

    void DevicesAssignedToTheSlotsAreShownAndStored() {
        Run r(kVersion0);
        r.p->Start({});
        frmMain& w = r.p->Window();
        r.dialogs.onShowModal = [](QDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("frmComDevices"));
            auto* slot2 = d.findChild<QComboBox*>("cboComDevice_2");
            QVERIFY(slot2 && slot2->isEditable());
            slot2->setEditText(QStringLiteral(" /dev/pts/5 "));
            d.accept();
        };
        w.MenuItem("mnuCom", 5)->trigger();
        QCOMPARE(r.p->ComDevices(), (std::map<int, std::string>{{2, "/dev/pts/5"}}));
        QCOMPARE(w.MenuItem("mnuCom", 2)->text(), QStringLiteral("COM &2 (/dev/pts/5)"));
        QFile f(r.Path("CSQ5.rs"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("ComDevice(2)=/dev/pts/5"));
        // Cancel changes nothing.
        r.dialogs.onShowModal = [](QDialog& d) {
            d.findChild<QComboBox*>("cboComDevice_2")->setEditText(QString());
            d.reject();
        };
        w.MenuItem("mnuCom", 5)->trigger();
        QCOMPARE(r.p->ComDevices().at(2), std::string("/dev/pts/5"));
    }

    void TheEditMenuFollowsTheChannelUnderTheCursor() {
        Run r(kVersion0);
        r.p->Start({});
        frmMain& w = r.p->Window();
        auto enabled = [&w](int i) { return w.MenuItem("mnuEdit", i)->isEnabled(); };
        At(w, kBankA, 0);
        for (int i : {0, 2, 5, 6, 7}) QVERIFY(enabled(i));
        QVERIFY(!enabled(3));  // nothing copied yet
        w.mnuEdit_Click(2);
        w.timMain_Timer();
        QVERIFY(enabled(3));
        At(w, kVfoKey, 0);  // a VFO is never blank
        QVERIFY(enabled(0));
        for (int i : {5, 6, 7}) QVERIFY(!enabled(i));
        SelectTreeKey(w, 0);  // the group node: nothing
        for (int i : {0, 2, 3, 5, 6, 7}) QVERIFY(!enabled(i));
    }

    void AReadLeavesACopyAndTheFileMenuShowsItsFolder() {
        SimProcess sim({});
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        const QString folder = r.dir.filePath("data/CS-Q5/backups");
        QCOMPARE(QString::fromStdString(r.p->Backups().Folder()), folder);
        r.p->Window().mnuFile_Click(15);  // before any read: made, then shown
        QCOMPARE(r.dialogs.openedFolders, QStringList{folder});
        r.p->Window().mnuClone_Click(0);
        QVERIFY2(r.dialogs.messages.empty(), qPrintable(r.LastMessage()));
        QCOMPARE(r.cancelShown, std::vector<bool>{true});
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(copies[0].startsWith("backup-"));
        QCOMPARE(QString::fromStdString(r.p->Clone().LastBackupFile()), folder + "/" + copies[0]);
        // The read ends with a note of its time and its copy in the status
        // bar (the copy is named by the same time).
        const QString note = r.p->Window().statusBar()->currentMessage();
        const QString hhmmss = copies[0].mid(18, 6);
        QCOMPARE(note,
                 QStringLiteral("Clone read at %1:%2:%3; backup copy: %4/%5")
                     .arg(hhmmss.left(2), hhmmss.mid(2, 2), hhmmss.mid(4, 2), folder, copies[0]));

        // Without a file manager, the folder's path shows in a message.
        r.dialogs.fileManager = false;
        r.p->Window().mnuFile_Click(15);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
        QVERIFY2(r.LastMessage().endsWith("\n" + folder), qPrintable(r.LastMessage()));
    }

    void ABackupIsComparedAndRestoredAndAVerifiedWriteFindsAWrongByte() {
        // A receiver that keeps bit 0 of the byte at 0011 wrong: the second
        // byte of bank A channel 01's frequency.
        SimProcess sim({"--fault", "corrupt-store:0011"});
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        frmMain& w = r.p->Window();
        const QString folder = r.dir.filePath("data/CS-Q5/backups");
        w.mnuFile_Click(19);
        QCOMPARE(r.LastMessage(), MsgText(NoBackupsText(folder.toStdString())));

        w.mnuClone_Click(0);
        const QStringList copies = QDir(folder).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        clsRigQ5_Ch* ch = r.Master().ChUnit(kBankA, 1);
        const std::int32_t readFreq = ch->FreqOp_Pure();
        ch->AppearCh(true);
        ch->FreqOp_Pure(14500000);
        r.Master().WriteToEep();

        // Restore Backup lists the read; Compare shows what differs from it.
        const auto choose = [&r](const char* button) {
            r.dialogs.onShowModal = [&r, button, old = r.dialogs.onShowModal](QDialog& d) {
                if (d.objectName() != QStringLiteral("frmRestoreBackup")) return old(d);
                auto* list = d.findChild<QTableWidget*>("grdRestoreBackup_List");
                QCOMPARE(list->rowCount(), 1);
                // The date of the read, as its file name has it.
                const QString name =
                    QDir(r.dir.filePath("data/CS-Q5/backups")).entryList(QDir::Files).value(0);
                QCOMPARE(list->item(0, 0)->text(), name.mid(7, 10));
                d.findChild<QPushButton*>(button)->click();
            };
        };
        choose("cmdRestoreBackup_Compare");
        w.mnuFile_Click(19);
        auto* compare = w.findChild<frmCompare*>("frmCompare");
        QVERIFY(compare && compare->isVisible());
        QTableWidget* rows = compare->List();
        QVERIFY(rows->rowCount() >= 1);
        QCOMPARE(rows->item(0, 0)->text(), QStringLiteral("Bank A"));
        QCOMPARE(rows->item(0, 1)->text(), QStringLiteral("01"));
        QCOMPARE(rows->item(0, 2)->text(), QStringLiteral("Frequency"));
        QCOMPARE(rows->item(0, 3)->text(), QStringLiteral("145.000000"));
        // Double-clicking the row shows that channel in the grid.
        At(w, kVfoKey, 0);
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        const QRect cell = rows->visualItemRect(rows->item(0, 2));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w.CurrentTreeKey(), kBankA);
        QCOMPARE(w.CurChNo(), 1);

        // Open makes the read the document again, untitled and edited.
        choose("cmdRestoreBackup_Open");
        r.dialogs.answers = {kMsgNo};  // the edits are not saved
        w.mnuFile_Click(19);
        QCOMPARE(r.Master().ChUnit(kBankA, 1)->FreqOp_Pure(), readFreq);
        QCOMPARE(w.FileTitle(), QStringLiteral("Untitled"));
        QVERIFY(r.Radio().EditOn());

        // A verified write names the channel whose byte came back wrong.
        ch->AppearCh(true);
        ch->FreqOp_Pure(14500000);
        r.Master().WriteToEep();
        w.MenuItem("mnuClone", 5)->trigger();
        QVERIFY(w.VerifyAfterWrite());
        r.dialogs.answers = {kMsgOk};
        w.mnuClone_Click(1);
        QVERIFY2(r.LastMessage().startsWith(QStringLiteral("Verify after write failed.")),
                 qPrintable(r.LastMessage()));
        QVERIFY2(r.LastMessage().contains(QStringLiteral("\nBank A 01: Frequency\n")),
                 qPrintable(r.LastMessage()));
        QCOMPARE(w.CloneProgress().Label(),
                 QString::fromStdString(CloneCommands::VerifyProgressLabel()));
        QCOMPARE(r.Master().ChUnit(kBankA, 1)->FreqOp_Pure(), 14500000);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);

        // The setting is kept for the next start.
        r.dialogs.answers = {kMsgNo};
        w.close();
        QFile f(r.Path("CSQ5.rs"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("VerifyAfterWrite=1"));
    }

    void CancellingAReadOfASlowReceiverLeavesTheDocumentAsItWas() {
        SimProcess sim({"--baud", "9600"});  // the receiver's own rate: a read takes some 20 s
        QVERIFY(!sim.tty().empty());
        Run r(kVersion0);
        r.UseDevice(1, sim.tty());
        r.p->Start({});
        r.Master().ListCh(clsRigQ5_Master::kListMemory, 4)->AppearCh(true);
        r.Master().ListCh(clsRigQ5_Master::kListMemory, 4)->FreqOp_Pure(14550000);
        r.Master().WriteToEep();
        const ByteStr before = r.Radio().eepImage.bytes();
        const bool edited = r.Radio().EditOn();
        int valueAtCancel = -1;
        r.whileProgress = [&](frmCloneProgress& progress) {
            if (progress.Value() > 0 && valueAtCancel < 0) {
                valueAtCancel = progress.Value();
                QTest::mouseClick(progress.cmdCancel(), Qt::LeftButton);
            }
        };
        r.dialogs.answers.push_back(kMsgOk);  // read over the edits
        QElapsedTimer took;
        took.start();
        r.p->Window().mnuClone_Click(0);
        QVERIFY(took.elapsed() < 10000);
        QVERIFY(valueAtCancel > 0 && valueAtCancel < 50);
        QVERIFY(!r.p->Window().CloneProgress().isVisible());
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));  // the question only
        QVERIFY(r.Radio().eepImage.bytes() == before);
        QCOMPARE(r.Radio().EditOn(), edited);
        QCOMPARE(r.Master().ListCh(clsRigQ5_Master::kListMemory, 4)->FreqOp_Pure(), 14550000);
        QVERIFY(!r.p->Service().com().comOpen());
        QVERIFY(r.p->Clone().Cancelled());
        QVERIFY(!QDir(r.dir.filePath("data/CS-Q5/backups")).exists() ||
                QDir(r.dir.filePath("data/CS-Q5/backups")).isEmpty());
    }

    void UndoAndRedoStepThroughTheEditsUntilANewDocument() {
        Run r(kVersion0);
        r.p->Start({});
        frmMain& w = r.p->Window();
        auto* undo = w.MenuItem("mnuEdit", 9);
        auto* redo = w.MenuItem("mnuEdit", 10);
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        w.timMain_Timer();
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QVERIFY(!w.findChild<QAction*>("Bar_Edit_Undo")->isEnabled());

        r.Master().WriteToEep();
        const ByteStr start = r.Radio().eepImage.bytes();
        At(w, kBankA, 0);
        auto cell = [&w] { return w.findChild<QTableWidget*>("mfgCh")->item(0, 1)->text(); };
        const QString cellBefore = cell();
        r.dialogs.onShowModal = [&](QDialog& d) {
            if (d.objectName() == QStringLiteral("frmEditCh")) {
                auto* ch = r.Master().ListCh(clsRigQ5_Master::kListMemory, 0);
                ch->AppearCh(true);
                ch->FreqOp_Pure(14550000);
            }
        };
        w.mnuEdit_Click(0);  // the channel dialog
        QVERIFY(cell() != cellBefore);
        r.Master().WriteToEep();
        const ByteStr edited = r.Radio().eepImage.bytes();
        QVERIFY(edited != start);
        r.dialogs.answers.push_back(kMsgOk);
        w.mnuOptPresetTv_Click(9);
        w.timMain_Timer();
        QVERIFY(undo->isEnabled());
        QVERIFY(w.findChild<QAction*>("Bar_Edit_Undo")->isEnabled());

        w.findChild<QAction*>("Bar_Edit_Undo")->trigger();
        QVERIFY(r.Radio().eepImage.bytes() == edited);
        w.mnuEdit_Click(9);
        QVERIFY(r.Radio().eepImage.bytes() == start);
        At(w, kBankA, 0);
        QCOMPARE(cell(), cellBefore);  // the grid shows the restored channel
        w.timMain_Timer();
        QVERIFY(!undo->isEnabled() && redo->isEnabled());
        w.mnuEdit_Click(10);
        QVERIFY(r.Radio().eepImage.bytes() == edited);

        r.dialogs.answers.push_back(kMsgNo);  // do not save the edits
        w.mnuFile_Click(0);
        w.timMain_Timer();
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    }

    void CsvCommandsSitAfterTheFileMenusOwnItems() {
        Run r(kVersion0);
        r.p->Start({});
        frmMain& w = r.p->Window();
        QCOMPARE(w.MenuItem("mnuFile", 10)->text(), QStringLiteral("E&xit"));
        QVERIFY(w.MenuItem("mnuFile", 11)->isSeparator());
        r.Master().ListCh(clsRigQ5_Master::kListMemory, 2)->AppearCh(true);
        r.dialogs.saveNames.push_back(r.Path("ch.csv"));
        w.mnuFile_Click(12);
        QVERIFY(QFile::exists(r.Path("ch.csv")));
        r.dialogs.answers.push_back(kMsgNo);
        w.mnuFile_Click(0);
        QVERIFY(!r.Master().ListCh(clsRigQ5_Master::kListMemory, 2)->AppearCh());
        r.dialogs.openNames.push_back(r.Path("ch.csv"));
        w.mnuFile_Click(13);
        QVERIFY(r.Master().ListCh(clsRigQ5_Master::kListMemory, 2)->AppearCh());
        QVERIFY(r.Radio().EditOn());
        w.mnuEdit_Click(9);
        QVERIFY(!r.Master().ListCh(clsRigQ5_Master::kListMemory, 2)->AppearCh());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
