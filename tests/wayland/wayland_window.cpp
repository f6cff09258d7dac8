// SPDX-License-Identifier: GPL-3.0-or-later
// The window program under a Wayland compositor (run by wayland_test.sh on
// Weston's headless backend): the main window opens and is shown, carries
// the desktop entry's id (the compositor finds its icon and launcher by it)
// and its icon, a dialog is tied to the main window so the compositor can
// place it over it (a Wayland program cannot place its windows itself), and
// the idle program sleeps there too.

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/app_identity.h"
#include "ui/program.h"

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void TheMainWindowOpensWithItsIdentityAndItsDialogsBelongToIt() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        SetUpApplication();
        QTemporaryDir dir;
        QFile profile(dir.filePath(QStringLiteral("CSQ5.rs")));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write("[M_Property]\r\nM_Property_V=0\r\nM_Property_A=1\r\nM_Property_F=0\r\n");
        profile.close();
        Csq5Program program(profile.fileName().toStdString());
        program.Start({});
        frmMain& w = program.Window();
        QVERIFY(QTest::qWaitForWindowExposed(&w, 20000));
        QCOMPARE(QGuiApplication::desktopFileName(), kDesktopEntryId);
        QVERIFY(!w.windowIcon().isNull());
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QStringLiteral("Untitled - CS-Q5"), 20000);

        frmAbout about(&w);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about, 20000));
        QVERIFY(about.windowHandle());
        QCOMPARE(about.windowHandle()->transientParent(), w.windowHandle());
        about.close();

        auto* windowTick = w.findChild<QTimer*>(QStringLiteral("timMain"));
        QVERIFY(windowTick);
        QTRY_VERIFY_WITH_TIMEOUT(!windowTick->isActive() && !program.Service().Ticking(), 20000);
        w.hide();
    }
};

QTEST_MAIN(WaylandTest)
#include "wayland_window.moc"
