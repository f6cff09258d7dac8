// SPDX-License-Identifier: GPL-3.0-or-later
// The window program under a Wayland compositor (run by wayland_test.sh on
// Weston's headless backend): the main window opens at its stored size and
// is shown, carries the desktop entry's id (the compositor finds its icon
// and launcher by it) and its icon; a dialog is tied to the main window so
// the compositor can place it over it (a Wayland program cannot place its
// windows itself); a data file opened by a second start of the real program
// reaches this one; the idle program sleeps; and the position stored in
// another session survives a save, since a Wayland program never learns
// where its window is.

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/app_identity.h"
#include "ui/program.h"
#include "ui/single_instance.h"

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void TheMainWindowOpensWithItsIdentityTakesHandedOverFilesAndKeepsItsPosition() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        const QString csq5 = qEnvironmentVariable("CSQ5_PROGRAM");
        QVERIFY2(QFile::exists(csq5), "CSQ5_PROGRAM names no program");
        SetUpApplication();
        QTemporaryDir dir;
        QFile profile(dir.filePath(QStringLiteral("CSQ5.rs")));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(
            "[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n"
            "[STATUS]\r\nWindowPosition(State)=0\r\n"
            "WindowPosition(Left)=300\r\nWindowPosition(Top)=200\r\n"
            "WindowPosition(Width)=900\r\nWindowPosition(Height)=600\r\n");
        profile.close();
        // The lock and hand-over socket in the compositor's private runtime
        // folder, where the second start looks for them.
        SingleInstance instance;
        QVERIFY(instance.TryLock() && instance.Listen());
        Csq5Program program(profile.fileName().toStdString());
        connect(&instance, &SingleInstance::fileRequested,
                [&program](const QString& path) { program.OpenRequested(path); });
        program.Start({});
        frmMain& w = program.Window();
        QVERIFY(QTest::qWaitForWindowExposed(&w, 20000));
        QCOMPARE(QGuiApplication::desktopFileName(), kDesktopEntryId);
        QVERIFY(!w.windowIcon().isNull());
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QStringLiteral("Untitled - CS-Q5"), 20000);
        QCOMPARE(w.size(), QSize(900, 600));

        frmAbout about(&w);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about, 20000));
        QVERIFY(about.windowHandle());
        QCOMPARE(about.windowHandle()->transientParent(), w.windowHandle());
        about.close();

        const QString file = dir.filePath(QStringLiteral("handed.acf"));
        QCOMPARE(program.Document().Save(file.toStdString()), 0);
        program.Document().New();
        QProcess second;
        second.start(csq5, {file});
        // It waits for this copy's answer, which comes from the event loop.
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30000);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QStringLiteral("handed.acf - CS-Q5"), 20000);

        auto* windowTick = w.findChild<QTimer*>(QStringLiteral("timMain"));
        QVERIFY(windowTick);
        QTRY_VERIFY_WITH_TIMEOUT(!windowTick->isActive() && !program.Service().Ticking(), 20000);

        w.resize(1000, 700);
        QTRY_COMPARE_WITH_TIMEOUT(w.size(), QSize(1000, 700), 20000);
        QVERIFY(program.SaveSettings());
        QVERIFY(profile.open(QIODevice::ReadOnly));
        const QByteArray saved = profile.readAll();
        for (const char* line :
             {"WindowPosition(Left)=300\r\n", "WindowPosition(Top)=200\r\n",
              "WindowPosition(Width)=1000\r\n", "WindowPosition(Height)=700\r\n"})
            QVERIFY2(saved.contains(line), saved.constData());
        w.hide();
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_window.moc"
