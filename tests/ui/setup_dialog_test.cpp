// SPDX-License-Identifier: GPL-3.0-or-later
// The initial setup dialog with a stand-in for the receiver's
// identification: what success, failure and Cancel leave in the version,
// the COM port and the main window.

#include "ui/setup_dialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "ui/msgbox.h"

namespace {
// The identification as the clone controller runs it: on success the
// answer's check sets the version and builds its initial image; on failure
// the clone failure message is shown and the code comes back.
struct FakeIdentification {
    clsRigQ5_Master& master;
    std::vector<int> results;  // one per attempt, 0 = the receiver answered
    std::vector<int> ports;
    int version = 5;

    int operator()(int port) {
        ports.push_back(port);
        const int r = results.empty() ? 0 : results.front();
        if (!results.empty()) results.erase(results.begin());
        if (r == 0) {
            master.MatrixObj().MtxVerNo(version);
            master.MatrixObj().MtxFmTvOk(1);
            master.Init_MakeInitial();
        } else {
            MsgBoxOk("Communication error.");
        }
        return r;
    }
};

void Click(QDialog& d, const char* name) {
    QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

struct Setup {
    FakeDialogs dialogs;
    TestWindow t{12};
    FakeIdentification identify{t.doc.master, {}, {}};
    frmSetup dialog{*t.window, [this](int port) { return identify(port); }};
    Setup() {
        t.window->hide();
        dialog.show();
    }
    QComboBox* Port() { return dialog.findChild<QComboBox*>(QStringLiteral("cboSetup_ComPort")); }
};
}  // namespace

class SetupDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void OpensOnTheMainWindowsPortWithTheInstructions() {
        Setup s;
        s.t.window->ComPortNo(2);
        frmSetup dialog(*s.t.window, nullptr);
        auto* port = dialog.findChild<QComboBox*>(QStringLiteral("cboSetup_ComPort"));
        QCOMPARE(port->count(), 4);
        QCOMPARE(port->currentText(), QStringLiteral("COM2"));
        // 16 lines, each ended by CR LF; the box shows them as lines.
        const QStringList lines = frmSetup::SetupText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[16], QString());
        auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtSetupText"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText().split(QLatin1Char('\n')).mid(0, 16), lines.mid(0, 16));
    }

    void SuccessSetsTheVersionAndThePortAndOpensTheMainWindow() {
        Setup s;
        const int resetsBefore = s.t.model.resets;
        s.Port()->setCurrentIndex(2);  // COM3
        Click(s.dialog, "cmdSetup_Ok");
        QCOMPARE(s.identify.ports, std::vector<int>{3});
        QCOMPARE(s.t.doc.master.MatrixObj().MtxVerNo(), 5);
        QCOMPARE(s.t.window->ComPortNo(), 3);
        QVERIFY(s.t.model.resets > resetsBefore);  // lists rebuilt for the version
        QVERIFY(s.dialog.Unloaded());
        QVERIFY(!s.dialog.isVisible());
        QVERIFY(s.t.window->isVisible());
        s.t.window->task();
        QVERIFY(s.t.window->MenuItem(QStringLiteral("mnuCom"), 3)->isChecked());
    }

    void FailureKeepsTheDialogOpenForAnotherTry() {
        Setup s;
        s.identify.results = {3, 0};
        s.Port()->setCurrentIndex(3);
        Click(s.dialog, "cmdSetup_Ok");
        QCOMPARE(s.dialogs.messages.size(), std::size_t(1));
        QVERIFY(!s.dialog.Unloaded());
        QVERIFY(s.dialog.isVisible());
        QVERIFY(!s.t.window->isVisible());
        QCOMPARE(s.t.doc.master.MatrixObj().MtxVerNo(), 12);
        QCOMPARE(s.t.window->ComPortNo(), 1);
        QCOMPARE(s.Port()->currentIndex(), 3);  // the user's choice stays

        Click(s.dialog, "cmdSetup_Ok");
        QCOMPARE(s.identify.ports, (std::vector<int>{4, 4}));
        QVERIFY(s.dialog.Unloaded());
        QCOMPARE(s.t.window->ComPortNo(), 4);
        QCOMPARE(s.t.doc.master.MatrixObj().MtxVerNo(), 5);
    }

    void AReportedCloneErrorCountsAsFailure() {
        Setup s;
        frmSetup dialog(*s.t.window, [&s](int) {
            s.t.window->LastCloneError(true);  // the failure message ran
            return 0;
        });
        dialog.show();
        Click(dialog, "cmdSetup_Ok");
        QVERIFY(!dialog.Unloaded());
        QCOMPARE(s.t.window->ComPortNo(), 1);
    }

    void CancelLeavesTheVersionUnknownAndThePortAsItWas() {
        Setup s;
        s.Port()->setCurrentIndex(1);
        Click(s.dialog, "cmdSetup_Cancel");
        QVERIFY(s.identify.ports.empty());
        QCOMPARE(s.t.doc.master.MatrixObj().MtxVerNo(), 12);
        QCOMPARE(s.t.window->ComPortNo(), 1);
        QVERIFY(s.dialog.Unloaded());
        QVERIFY(s.t.window->isVisible());
    }
};

QTEST_MAIN(SetupDialogTest)
#include "setup_dialog_test.moc"
