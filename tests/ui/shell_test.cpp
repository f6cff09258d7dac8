// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: the single instance and the hand-over of a data
// file to the running copy, the command line's data file, the message
// texts, the program's identity on the desktop, and the window geometry
// rules (twips, placement from the profile, the main layout, dialogs kept
// on the screen).

#include <sys/stat.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <future>

#include "ui/app_identity.h"
#include "ui/caption.h"
#include "ui/main_window.h"
#include "ui/msgbox.h"
#include "ui/placement.h"
#include "ui/single_instance.h"

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void OneInstanceHoldsTheLockUntilItEnds() {
        QTemporaryDir dir;
        {
            SingleInstance first(dir.path());
            QVERIFY(first.TryLock());
            QVERIFY(first.TryLock());  // asking again keeps it
            // A first copy that has run for days keeps its lock.
            QFile lock(first.LockFilePath());
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
            lock.close();
            SingleInstance second(dir.path());
            QVERIFY(!second.TryLock());
            QVERIFY(first.IsLocked());
            // Without the lock there is no listening, and no one to hand over to.
            QVERIFY(!second.Listen());
            QVERIFY(!second.HandOver(dir.filePath("x.acf"), 1000));
        }
        QVERIFY(SingleInstance(dir.path()).TryLock());
    }

    void ALaterStartHandsItsDataFileToTheFirstCopy() {
        // The user's runtime folder of this test alone, so that another copy
        // of the tests on the machine has its own socket.
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.TryLock() && first.Listen());
        QSignalSpy requested(&first, &SingleInstance::fileRequested);
        struct stat info {};  // only the user may connect
        QVERIFY(::stat(first.SocketPath().toLocal8Bit().constData(), &info) == 0);
        QCOMPARE(info.st_mode & 077, 0u);

        auto make = [&dir](const QString& name) {
            QFile f(dir.filePath(name));
            return f.open(QIODevice::WriteOnly) ? f.fileName() : QString();
        };
        const QString scan = make("scan 1.acf");
        const QString upper = make("OLD\nSCAN.ACF");  // a line end in the name too
        QVERIFY(QDir(dir.path()).mkdir("folder.acf"));
        const struct {
            QString path;
            bool taken;
        } cases[] = {
            {scan, true},
            {upper, true},
            // The running window reports what it cannot open, where the user
            // looks; the later start has delivered the request and ends.
            {dir.filePath("missing.acf"), true},
            {dir.filePath("folder.acf"), true},
            {make("notes.csv"), true},
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
        QCOMPARE(requested.count(), 5);
        QCOMPARE(requested.at(0).at(0).toString(), scan);
        QCOMPARE(requested.at(1).at(0).toString(), upper);
        QCOMPARE(requested.at(2).at(0).toString(), dir.filePath("missing.acf"));

        // A request that is no line (longer than any path) is dropped.
        QLocalSocket socket;
        socket.connectToServer(first.SocketPath());
        QVERIFY(socket.waitForConnected(5000));
        socket.write(QByteArray(5000, 'x'));
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 30000);
        QCOMPARE(socket.readAll(), QByteArray());
        QCOMPARE(requested.count(), 5);
    }

    // With no runtime folder the lock and the socket went to the shared
    // temporary folder: another user's lock there, one that never goes
    // stale, kept the program from starting.
    void WithoutARuntimeFolderTheLockLivesInAFolderOfTheUsersOwn() {
        QTemporaryDir dir;
        const QString shared = dir.filePath("tmp"), own = dir.filePath("state/CS-Q5/");
        QVERIFY(QDir(dir.path()).mkdir("tmp"));
        QLockFile othersLock(shared + "/csq5.lock");
        QLocalServer othersSocket;
        QVERIFY(othersLock.tryLock(0) && othersSocket.listen(shared + "/csq5.socket"));
        const char* names[] = {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_STATE_HOME"};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i) saved[i] = qgetenv(names[i]);
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", shared.toLocal8Bit());
        qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());
        {
            SingleInstance first;
            QVERIFY(first.TryLock() && first.Listen());
            QVERIFY(first.LockFilePath().startsWith(own) && first.SocketPath().startsWith(own));
            QVERIFY(!SingleInstance().TryLock());
        }
        // A state folder others may change is no place either: the program
        // runs on its own, with no one to hand over to and not listening.
        QVERIFY(::chmod(dir.filePath("state").toLocal8Bit().constData(), 0777) == 0);
        SingleInstance alone;
        QVERIFY(alone.TryLock() && alone.LockFilePath().isEmpty() && !alone.Listen());
        QVERIFY(!alone.HandOver(dir.filePath("x.acf"), 1000));
        for (int i = 0; i < 3; ++i)
            saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    }

    // The rules of the command line are the core's; a data file named
    // relative to where the program started becomes a full path.
    void TheDataFileOfTheCommandLineIsAFullPath() {
        QCOMPARE(DataFileArgument({"scan.acf"}), QDir::currentPath() + "/scan.acf");
        QCOMPARE(DataFileArgument({"/home/u/scan.acf"}), QStringLiteral("/home/u/scan.acf"));
        QCOMPARE(DataFileArgument({"/s"}), QString());
    }

    // Message texts come in the old profile's and resources' notation: an
    // escaped or a CR LF line break, a backslash of its own at the end.
    void MessageTextsBreakTheirLines() {
        for (const auto& [in, shown] :
             {std::pair{"Cannot execute.\r\nAlready executing.",
                        "Cannot execute.\nAlready executing."},
              std::pair{"a\\nb", "a\nb"}, std::pair{"ends in \\", "ends in \\"},
              std::pair{"two\r\n\r\nlines", "two\n\nlines"}})
            QCOMPARE(MsgText(in), QString::fromLatin1(shown));
    }

    // A taskbar or a Wayland compositor matches the windows with their
    // launcher by the desktop entry's id, and shows the program's icon.
    void TheWindowsCarryTheDesktopEntryAndTheProgramsIcon() {
        SetUpApplication();
        const QString id = QGuiApplication::desktopFileName();
        for (const char* suffix : {".desktop", ".metainfo.xml.in"})
            QVERIFY(QFile::exists(QStringLiteral(CSQ5_PACKAGING_DIR "/") + id + suffix));
        QCOMPARE(id, id.toLower());  // AppStream ids are lower case
        frmMain w;
        for (const int size : {16, 32, 64}) {
            const QImage image = w.windowIcon().pixmap(size, size).toImage();
            QCOMPARE(image.width(), size);
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);  // drawn, not blank
        }
    }

    void TwipsFollowTheLogicalResolution() {
        QCOMPARE(TwipsPerPixel(96.0), 15.0);
        QCOMPARE(TwipsPerPixel(144.0), 10.0);
        QCOMPARE(TwipsPerPixel(0.0), 15.0);  // no resolution known
        QCOMPARE(TwipsToPixels(3100, 15.0), 207);
        QCOMPARE(PixelsToTwips(207, 15.0), 3105);
        QCOMPARE(TwipsToPixels(2000000000, 0.001), INT32_MAX);  // saturates
    }

    void TheStoredPlacementIsKeptReachable() {
        // Without a stored state: the defaults for the screen.
        const struct {
            int sw, sh;
            PlaceRect normal;
        } defaults[] = {{1920, 1080, {38, 21, 840, 500}},
                        {640, 480, {12, 9, 614, 432}},
                        {800, 600, {16, 12, 768, 500}}};
        for (const auto& d : defaults) {
            const WindowPlacement p = PlacementFromProfile(StoredPlacement{}, d.sw, d.sh);
            QCOMPARE(p.state, int(kStateNormal));
            QCOMPARE(p.normal, d.normal);
        }
        // On a 1280 x 1024 screen.
        const struct {
            StoredPlacement in;
            int state;
            PlaceRect normal;
        } cases[] = {
            {{kStateNormal, 100, -900, 600, 400}, kStateNormal, {100, 0, 600, 400}},
            {{kStateNormal, -300, 50, 600, 400}, kStateNormal, {-300, 50, 600, 400}},
            {{kStateNormal, 1280, 50, 600, 400}, kStateNormal, {680, 50, 600, 400}},
            {{kStateNormal, INT32_MAX, INT32_MAX, 600, 400}, kStateNormal, {680, 624, 600, 400}},
            {{kStateNormal, INT32_MIN, INT32_MIN, 600, 400}, kStateNormal, {0, 0, 600, 400}},
            {{kStateNormal, 30, 40, -1, 0}, kStateNormal, {30, 40, 840, 500}},        // no size
            {{kStateMinimised, 10, 20, 700, 450}, kStateNormal, {10, 20, 700, 450}},  // no icon
            {{kStateMaximised, 10, 20, 700, 450}, kStateMaximised, {10, 20, 700, 450}},
            {{7, 10, 20, 700, 450}, kStateNormal, {10, 20, 700, 450}},
        };
        for (const auto& c : cases) {
            const WindowPlacement p = PlacementFromProfile(c.in, 1280, 1024);
            QCOMPARE(p.state, c.state);
            QCOMPARE(p.normal, c.normal);
        }
    }

    void TheLayoutSharesTheWidthAndKeepsEveryControl() {
        const MainLayout l = ComputeMainLayout(12000, 8000, 0, 3100);
        QCOMPARE(l.tree, (PlaceRect{0, 24, 3100, 7880}));
        QCOMPARE(l.separator, (PlaceRect{3100, 24, 85, 7880}));
        QCOMPARE(l.grid, (PlaceRect{3184, 24, 12000 - 3184, 7880}));
        // A tree dragged too wide leaves the grid 120 twips.
        const MainLayout wide = ComputeMainLayout(6000, 4000, 0, 9000);
        QCOMPARE(wide.tree.width, 6000 - 204);
        QCOMPARE(wide.grid, (PlaceRect{6000 - 120, 24, 120, 4000 - 120}));
        for (const auto& [w, h, tree] :
             {std::tuple{0, 0, 3100}, std::tuple{100, 50, -500}, std::tuple{-10, -10, 0}}) {
            const MainLayout tiny = ComputeMainLayout(w, h, 0, tree);
            QVERIFY(tiny.tree.width >= 1 && tiny.tree.height >= 1);
            QVERIFY(tiny.grid.width >= 1 && tiny.grid.height >= 1);
        }
    }

    void DialogsAreKeptOnTheScreen() {
        const struct {
            PlaceRect in, out;
        } cases[] = {
            {{100, 100, 300, 90}, {100, 100, 300, 90}},
            {{1200, 100, 300, 90}, {980, 100, 300, 90}},   // past the right edge
            {{100, 1000, 300, 90}, {100, 934, 300, 90}},   // past the bottom
            {{-50, -20, 300, 90}, {0, 0, 300, 90}},        // above and left
            {{500, 500, 2000, 2000}, {0, 0, 2000, 2000}},  // larger than the screen
        };
        for (const auto& c : cases) QCOMPARE(KeepOnScreen(c.in, 1280, 1024), c.out);
    }

    void TheCompareListGoesBesideTheMainWindowWhereThereIsRoom() {
        const struct {
            PlaceRect owner, out;
        } cases[] = {
            {{0, 10, 500, 400}, {500, 10, 700, 300}},      // on the right
            {{700, 10, 500, 400}, {0, 10, 700, 300}},      // no room right: on the left
            {{100, 10, 840, 500}, {100, 510, 700, 300}},   // below
            {{100, 900, 840, 500}, {100, 724, 700, 300}},  // below, kept on the screen
        };
        for (const auto& c : cases) QCOMPARE(BesideOwner(c.owner, 700, 300, 1280, 1024), c.out);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
