// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: single instance, command line, re-entry guard,
// captions and the message boxes through the dialog seam.

#include <QTemporaryDir>
#include <QtTest>

#include "fake_dialogs.h"
#include "ui/caption.h"
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

    void ThePlainBoxHasNoIconAndItsOwnTitle() {
        FakeDialogs fake;
        MsgBoxPlain("Model : RX-Q5", "Information");
        QCOMPARE(fake.messages.front().title, QStringLiteral("Information"));
        QCOMPARE(int(fake.messages.front().icon), int(MsgIcon::None));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
