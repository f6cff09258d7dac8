// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: single instance, command line, re-entry guard,
// captions and the message boxes through the dialog seam.

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <future>

#include "fake_dialogs.h"
#include "ui/app_identity.h"
#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/msgbox.h"
#include "ui/reentry_guard.h"
#include "ui/single_instance.h"

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void ASecondInstanceCannotTakeTheLock() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock());
        QVERIFY(first.TryLock());  // asking again keeps it

        SingleInstance second(dir.path());
        QVERIFY(!second.TryLock());
        QVERIFY(first.IsLocked());  // the first is not disturbed
    }

    void AnOldLockOfARunningInstanceIsNotTakenOver() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock());
        // A first copy that has run for hours must keep its lock.
        QFile lock(first.LockFilePath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
        lock.close();
        SingleInstance second(dir.path());
        QVERIFY(!second.TryLock());
    }

    void TheLockIsFreedWhenTheFirstInstanceEnds() {
        QTemporaryDir dir;
        {
            SingleInstance first(dir.path());
            QVERIFY(first.TryLock());
        }
        SingleInstance next(dir.path());
        QVERIFY(next.TryLock());
    }

    void ALaterStartHandsItsDataFileToTheFirstCopy() {
        // The user's runtime folder of this test alone, so that another copy
        // of the tests on the machine has its own socket.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock());
        QVERIFY(first.Listen());
        QSignalSpy requested(&first, &SingleInstance::fileRequested);
        // Only the user may connect.
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(first.SocketPath()) & others, QFileDevice::Permissions());

        auto make = [&dir](const QString& name) {
            QFile f(dir.filePath(name));
            return f.open(QIODevice::WriteOnly) ? f.fileName() : QString();
        };
        const QString scan = make("scan 1.acf");
        const QString upper = make("OLD\nSCAN.ACF");  // a line end in the name too
        const QString notes = make("notes.txt");
        QVERIFY(QDir(dir.path()).mkdir("folder.acf"));
        const struct {
            QString path;
            bool taken;
        } cases[] = {
            {scan, true},
            {upper, true},
            {dir.filePath("missing.acf"), false},
            {dir.filePath("folder.acf"), false},
            {notes, false},
            {QStringLiteral("scan 1.acf"), false},  // not a full path
            {QString(), false},
        };
        SingleInstance later(dir.path());
        QVERIFY(!later.TryLock());
        for (const auto& c : cases) {
            // The later start waits for the answer; the first copy answers
            // from its event loop, which runs here meanwhile.
            auto handed = std::async(std::launch::async,
                                     [&later, &c] { return later.HandOver(c.path, 20000); });
            QVERIFY(QTest::qWaitFor(
                [&handed] {
                    return handed.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
                },
                30000));
            QVERIFY2(handed.get() == c.taken, qPrintable(c.path));
        }
        QCOMPARE(requested.count(), 2);
        QCOMPARE(requested.at(0).at(0).toString(), scan);
        QCOMPARE(requested.at(1).at(0).toString(), upper);
    }

    void ARequestThatIsNoLineIsDropped() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock());
        QVERIFY(first.Listen());
        QSignalSpy requested(&first, &SingleInstance::fileRequested);
        QLocalSocket socket;
        socket.connectToServer(first.SocketPath());
        QVERIFY(socket.waitForConnected(5000));
        socket.write(QByteArray(5000, 'x'));  // no line end, longer than any path
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 30000);
        QCOMPARE(socket.readAll(), QByteArray());
        QCOMPARE(requested.count(), 0);
    }

    void WithoutTheLockThereIsNoListening() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock());
        SingleInstance later(dir.path());
        QVERIFY(!later.Listen());
        QVERIFY(!later.HandOver(dir.filePath("x.acf"), 1000));  // the first does not listen
    }

    void OnlyExactlySlashCapitalSAsksForTheSetup() {
        const struct {
            QStringList args;
            bool setup;
        } cases[] = {
            {{"/S"}, true},       {{"/s"}, false}, {{" /S"}, false}, {{"/S "}, false},
            {{"/S", "x"}, false}, {{}, false},     {{"S"}, false},   {{"-S"}, false},
        };
        for (const auto& c : cases) QCOMPARE(IsSetupCommandLine(c.args), c.setup);
    }

    void ASingleArgumentOtherThanSlashSIsADataFileToOpen() {
        const QString cwd = QDir::currentPath();
        const struct {
            QStringList args;
            QString file;
        } cases[] = {
            {{"/home/u/scan.acf"}, "/home/u/scan.acf"},
            {{"scan.acf"}, cwd + "/scan.acf"},  // relative to where it started
            {{"/s"}, ""},                       // a mistyped "/S", ignored
            {{"/S"}, ""},
            {{"a.acf", "b.acf"}, ""},
            {{""}, ""},
            {{}, ""},
        };
        for (const auto& c : cases) QCOMPARE(DataFileArgument(c.args), c.file);
    }

    void TheCaptionIsTheFileTitleAndTheProgramName() {
        QCOMPARE(MainCaption("Untitled"), QStringLiteral("Untitled - CS-Q5"));
        QCOMPARE(MainCaption("scan.acf"), QStringLiteral("scan.acf - CS-Q5"));
    }

    void TheGuardKeepsAHandlerFromRunningInsideItself() {
        bool busy = false;
        int runs = 0;
        std::function<void(int)> handler = [&](int depth) {
            ReentryGuard guard(busy);
            if (!guard) return;
            ++runs;
            if (depth < 3) handler(depth + 1);  // a nested event loop calls again
        };
        handler(0);
        QCOMPARE(runs, 1);
        QVERIFY(!busy);  // released afterwards
        handler(0);
        QCOMPARE(runs, 2);
    }

    void MessageBoxesCarryTitleIconAndButtons() {
        FakeDialogs fake;
        fake.answers = {kMsgOk, kMsgCancel, kMsgNo, kMsgYes};
        QCOMPARE(MsgBoxOk("a"), int(kMsgOk));
        QCOMPARE(MsgBoxOkCancel("b"), int(kMsgCancel));
        QCOMPARE(MsgBoxYesNo("c"), int(kMsgNo));
        QCOMPARE(MsgBoxYesNoCancel("d"), int(kMsgYes));
        QCOMPARE(fake.messages.size(), size_t(4));
        const MsgButtons expected[] = {MsgButtons::Ok, MsgButtons::OkCancel, MsgButtons::YesNo,
                                       MsgButtons::YesNoCancel};
        for (size_t i = 0; i < 4; ++i) {
            QCOMPARE(fake.messages[i].title, QStringLiteral("CS-Q5"));
            QCOMPARE(int(fake.messages[i].icon), int(MsgIcon::Exclamation));
            QCOMPARE(int(fake.messages[i].buttons), int(expected[i]));
        }
    }

    void MessageTextsBreakAtBackslashNAndCrLf() {
        const struct {
            const char* in;
            const char* shown;
        } cases[] = {
            {"Cannot execute CS-Q5 repeatedly.\r\nCS-Q5 is already executing.",
             "Cannot execute CS-Q5 repeatedly.\nCS-Q5 is already executing."},
            {"a\\nb", "a\nb"},
            {"ends in \\", "ends in \\"},
            {"two\r\n\r\nlines", "two\n\nlines"},
        };
        for (const auto& c : cases) QCOMPARE(MsgText(c.in), QString::fromLatin1(c.shown));
    }

    // A taskbar or a Wayland compositor matches the windows with their
    // launcher by the desktop entry's id, and shows the program's icon.
    void TheWindowsCarryTheDesktopEntryAndTheProgramsIcon() {
        SetUpApplication();
        const QString id = QGuiApplication::desktopFileName();
        QVERIFY(QFile::exists(QStringLiteral(CSQ5_PACKAGING_DIR "/") + id +
                              QStringLiteral(".desktop")));
        QVERIFY(QFile::exists(QStringLiteral(CSQ5_PACKAGING_DIR "/") + id +
                              QStringLiteral(".metainfo.xml.in")));
        QCOMPARE(id, id.toLower());  // AppStream ids are lower case
        frmMain w;
        for (const int size : {16, 32, 64}) {
            const QImage image = w.windowIcon().pixmap(size, size).toImage();
            QCOMPARE(image.width(), size);
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);  // drawn, not blank
        }
    }

    void ThePlainBoxHasNoIconAndItsOwnTitle() {
        FakeDialogs fake;
        MsgBoxPlain("Model : RX-Q5", "Information");
        QCOMPARE(fake.messages.front().title, QStringLiteral("Information"));
        QCOMPARE(int(fake.messages.front().icon), int(MsgIcon::None));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
