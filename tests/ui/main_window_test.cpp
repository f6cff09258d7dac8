// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the running program: the grid's view kept through
// bank switches, Edit commands and clicks, the keyboard, the settings it
// keeps in the profile, the File menu's questions, the toolbar, and the two
// ticks: never nested, asleep while nothing happens.

#include "ui/main_window.h"

#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "ui/help_window.h"
#include "ui/placement.h"
#include "ui_rig.h"

namespace {
// The program's window shown at a size, on bank A with the cursor on row 0.
void ShowBankA(Started& r, int width, int height) {
    r.W().resize(width, height);
    r.W().show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
    r.At(kKeyBankA, 0);
}

// A model that calls the window tick again from inside it, as a model call
// that opened a message box would (the timer fires in the box's event
// loop), and counts the clone steps.
struct ProbeModel : MainWindowModel {
    frmMain* window = nullptr;
    mutable int titles = 0;
    int steps = 0;
    std::string FileTitle() const override {
        if (window && ++titles < 50) window->timMain_Timer();
        return "Untitled";
    }
    void CloneTask() override { ++steps; }
};
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void ABankShownAgainOrAHeaderClickSetsTheCursorAndTopRow() {
        Started r;
        ShowBankA(r, 700, 400);
        QTableWidget* grid = r.Grid();
        grid->scrollTo(grid->model()->index(20, 0), QAbstractItemView::PositionAtTop);
        grid->setCurrentCell(23, 1);
        r.Show(kKeyBankB);
        QCOMPARE(r.W().CurChNo(), 0);  // a list never shown starts on its first row
        QCOMPARE(grid->rowAt(0), 0);
        r.Show(kKeyBankA);
        QCOMPARE(r.W().CurChNo(), 23);
        QCOMPARE(grid->rowAt(0), 20);
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
        r.W().mnuEdit_Click(kClear);  // a command redraws the rows in place
        QCOMPARE(grid->rowAt(0), 20);
        // A click on a column title puts the cursor on the first row in view.
        QHeaderView* header = grid->horizontalHeader();
        const QPoint inTitle(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                             header->height() / 2);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            grid->scrollTo(grid->model()->index(10, 0), QAbstractItemView::PositionAtTop);
            grid->setCurrentCell(15, 0);
            QTest::mouseClick(header->viewport(), button, {}, inTitle);
            QContextMenuEvent context(QContextMenuEvent::Mouse, inTitle,
                                      header->viewport()->mapToGlobal(inTitle));
            if (button == Qt::RightButton) QApplication::sendEvent(header->viewport(), &context);
            r.W().timMain_Timer();
            QCOMPARE(r.W().CurChNo(), 10);
            QCOMPARE(grid->rowAt(0), 10);
            QVERIFY(!r.W().findChild<QMenu*>("mnuEdit")->isVisible());  // no menu opens
        }
    }

    void EditCommandsClicksAndArrowsKeepTheColumnsInView() {
        Started r;
        ShowBankA(r, 520, 400);
        QScrollBar* across = r.Grid()->horizontalScrollBar();
        QVERIFY(across->maximum() >= 3);
        r.Grid()->setCurrentCell(2, 0);
        across->setValue(3);
        for (int index : {kCopy, kPaste, kClear, kInsert, kDelete, kEdit}) {
            r.W().mnuEdit_Click(index);
            QVERIFY2(across->value() == 3, qPrintable(QString::number(index)));
        }
        // A click on a cell far right selects its row and leaves the view.
        const int column = r.Grid()->columnAt(r.Grid()->viewport()->width() / 2);
        QVERIFY(column > 3);
        QTest::mouseClick(r.Grid()->viewport(), Qt::LeftButton, {},
                          r.Grid()->visualRect(r.Grid()->model()->index(4, column)).center());
        r.W().timMain_Timer();
        QCOMPARE(r.W().CurChNo(), 4);
        QCOMPARE(across->value(), 3);
        // The arrows across scroll one column, not past the last real one.
        QTableWidget* grid = r.Grid();
        across->setValue(0);
        grid->setCurrentCell(2, 0);
        for (const auto& [key, first] : {std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_Right, 2},
                                         std::pair{Qt::Key_Left, 1}}) {
            QTest::keyClick(grid, key);
            QCOMPARE(grid->columnAt(0), first);
        }
        for (int i = 0; i < 20; ++i) QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(grid->columnAt(0) >= 2 && grid->columnAt(0) <= grid->columnCount() - 2);
        QCOMPARE(r.W().CurChNo(), 2);  // the cursor row stays
        for (int i = 0; i < 20; ++i) QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(grid->columnAt(0), 0);
    }

    void TabMovesBetweenTheTreeAndTheGrid() {
        Started r;
        r.W().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r.W()));
        r.At(kKeyBankA, 0);
        r.Grid()->setFocus();
        for (const auto& [from, key, to] :
             {std::tuple{(QWidget*)r.Grid(), Qt::Key_Tab, (QWidget*)r.Tree()},
              std::tuple{(QWidget*)r.Tree(), Qt::Key_Tab, (QWidget*)r.Grid()},
              std::tuple{(QWidget*)r.Grid(), Qt::Key_Backtab, (QWidget*)r.Tree()},
              std::tuple{(QWidget*)r.Tree(), Qt::Key_Backtab, (QWidget*)r.Grid()}}) {
            QCOMPARE(QApplication::focusWidget(), from);
            QTest::keyClick(from, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget(), to);
        }
    }

    // Port, toolbar, tree width and column widths (in twips, per item)
    // come from the profile and go back to it when the window closes.
    void TheWindowsSettingsComeFromTheProfileAndGoBack() {
        Run r(kVersion0 +
              "[OPTION]\r\nComPort=3\r\nToolBar=5\r\n[STATUS]\r\nTreeViewWidth=2500\r\n"
              "CellWidth(2)=1500\r\n");
        r.p->Start({});
        QCOMPARE(r.W().ComPortNo(), 3);
        QVERIFY(r.W().MenuItem("mnuCom", 3)->isChecked());
        QVERIFY(r.W().findChild<QToolBar*>("Toolbar1")->isVisible());
        r.At(kKeyBankA, 0);
        const double tpp = r.W().TwipsPerPixelX();
        QCOMPARE(r.Grid()->columnWidth(1), TwipsToPixels(1500, tpp));
        r.Grid()->setColumnWidth(1, 0);  // dragged shut: kept narrow but visible
        r.W().timMain_Timer();
        QCOMPARE(r.Grid()->columnWidth(1), 4);
        r.Grid()->setColumnWidth(1, 60);
        r.W().close();
        const QByteArray stored = r.ProfileText();
        for (const QByteArray& line :
             {QByteArray("ComPort=3"), QByteArray("ToolBar=1"), QByteArray("TreeViewWidth=2500"),
              "CellWidth(2)=" + QByteArray::number(PixelsToTwips(60, tpp)),
              QByteArray("CellWidth(8)=-1")})
            QVERIFY2(stored.contains(line), line.constData());
    }

    // The first window shows every column of a memory bank beside the tree
    // (Mode and TS were cut off at 840 pixels), where the screen has room.
    void TheFirstWindowShowsEveryColumnOfABank() {
        Run r(kVersion0);
        r.p->Start({});
        r.At(kKeyBankA, 0);
        QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
        // No column to scroll to, unless the window reaches the screen's edge.
        const QRect screen = r.W().screen()->availableGeometry();
        QVERIFY(r.Grid()->horizontalScrollBar()->maximum() == 0 ||
                r.W().geometry().right() >= screen.right() - 1);
    }

    void TheSeparatorDragStopsShortOfTheWindowEdge() {
        Started r;
        r.W().resize(800, 500);
        QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
        auto* sep = r.W().findChild<QWidget*>("fraSeparator");
        QTest::mousePress(sep, Qt::LeftButton, {}, QPoint(2, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(5002, 10), sep->mapToGlobal(QPointF(5002, 10)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(sep, &move);
        QTest::mouseRelease(sep, Qt::LeftButton, {}, QPoint(5002, 10));
        const int areaWidth = r.W().centralWidget()->width();
        QVERIFY(r.Tree()->width() < areaWidth);
        QCOMPARE(r.Grid()->geometry().right() + 1, areaWidth);
        QCOMPARE(r.Grid()->width(), TwipsToPixels(120, r.W().TwipsPerPixelX()));
    }

    void SaveAsksForANameWhenUntitledOrReadOnly() {
        Started r;
        const QString path = r.Path("out.acf");
        r.W().mnuFile_Click(3);  // Save As, cancelled
        QCOMPARE(r.dialogs.saveCalls, 1);
        QVERIFY(!QFile::exists(path));
        r.dialogs.saveNames = {path};
        r.W().mnuFile_Click(2);  // Save, untitled
        QCOMPARE(r.dialogs.saveCalls, 2);
        QCOMPARE(r.W().FileTitle(), QStringLiteral("out.acf"));
        QCOMPARE(r.W().MenuItem("mnuFile", 5)->text(), QStringLiteral("&1 out.acf"));
        r.Mem(7).AppearCh(true);
        r.W().mnuFile_Click(2);  // Save, named: no question
        QCOMPARE(r.dialogs.saveCalls, 2);
        r.W().mnuFile_Click(0);
        QVERIFY(!r.Mem(7).AppearCh());
        r.W().mnuFile_Click(5);  // the recent file brings the channel back
        QVERIFY(r.Mem(7).AppearCh());
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        const bool readOnly = !QFileInfo(path).isWritable();  // root writes anyway
        r.W().mnuFile_Click(2);
        QCOMPARE(r.dialogs.saveCalls, readOnly ? 3 : 2);
        QVERIFY(r.dialogs.messages.empty());
    }

    void AnEditedDocumentAsksBeforeItIsReplacedOrClosed() {
        Started r;
        QSignalSpy closing(&r.W(), &frmMain::Closing);
        r.Radio().EditOn(true);
        r.dialogs.answers = {kMsgCancel};
        r.W().mnuFile_Click(0);
        QCOMPARE(r.LastMessage(), QStringLiteral("Save changes to Untitled ?"));
        QCOMPARE(r.dialogs.messages.back().buttons, MsgButtons::YesNoCancel);
        QVERIFY(r.Radio().EditOn());    // cancelled: nothing happened
        r.dialogs.answers = {kMsgYes};  // then the save dialog is cancelled: no close
        QVERIFY(!r.W().close());
        QCOMPARE(closing.count(), 0);
        // Reopening the current file asks without its name.
        QCOMPARE(r.p->Document().Save(r.Path("x.acf").toStdString()), 0);
        r.Radio().EditOn(true);
        r.dialogs.answers = {kMsgNo, kMsgNo};
        r.dialogs.openNames = {r.Path("x.acf")};
        r.W().mnuFile_Click(1);
        QCOMPARE(r.LastMessage(), QStringLiteral("Save changes ?"));
        QCOMPARE(r.W().CheckEditedAndSave(), 1);  // not edited: no question
        r.Radio().EditOn(true);
        QVERIFY(r.W().close());
        QCOMPARE(closing.count(), 1);
    }

    void ThePortIsMarkedInMenuAndToolbarAndClicksWaitForAModalDialog() {
        Started r;
        r.UseDevice(1, "/dev/csq5-no-such-port");
        const auto button = [&r](const char* name) { return r.W().findChild<QAction*>(name); };
        r.W().mnuCom_Click(4);
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(r.W().MenuItem("mnuCom", p)->isChecked(), p == 4);
            QCOMPARE(button(qPrintable(QStringLiteral("Bar_Port_Com%1").arg(p)))->isChecked(),
                     p == 4);
        }
        r.W().ComPortNo(1);
        r.W().ModalFlag(true);
        button("Bar_Port_Com3")->trigger();
        QCOMPARE(r.W().ComPortNo(), 1);
        QVERIFY(!button("Bar_Port_Com3")->isChecked());  // springs back
        button("Bar_Clone_Info")->trigger();
        QVERIFY(r.dialogs.messages.empty());
        r.W().ModalFlag(false);
        button("Bar_Clone_Info")->trigger();
        QVERIFY2(r.LastMessage().startsWith("Cannot access COM 1."), qPrintable(r.LastMessage()));
        // Every button has its picture; the View item hides the toolbar.
        auto* bar = r.W().findChild<QToolBar*>("Toolbar1");
        for (QAction* a : bar->actions())
            QVERIFY2(a->isSeparator() || !a->icon().pixmap(16, 16).isNull(),
                     qPrintable(a->objectName()));
        r.W().mnuView_Click(2);
        r.W().timMain_Timer();
        QVERIFY(!bar->isVisible() && !r.W().MenuItem("mnuView", 2)->isChecked());
    }

    void HelpAndAboutOpenTheProgramsOwnWindows() {
        frmMain w;
        FakeDialogs fake;
        w.mnuHelp_Click(2);
        QCOMPARE(fake.shownDialogs, QStringList{"frmAbout"});
        w.mnuHelp_Click(0);
        QVERIFY(w.Help().isVisible());
        QCOMPARE(w.Help().CurrentPage(), QUrl("qrc:/help/index.html"));
        w.Help().close();
    }

    void TheWindowTickDoesNotRunInsideItselfAndNeverStepsTheClone() {
        ProbeModel m;
        frmMain w(&m);
        m.window = &w;
        m.titles = 0;
        w.timMain_Timer();
        QCOMPARE(m.titles, 1);
        w.timMain_Timer();  // and it runs again afterwards
        QCOMPARE(m.titles, 2);
        QCOMPARE(m.steps, 0);  // only the serial tick steps the clone
        w.task();
        QCOMPARE(m.steps, 1);
    }

    void TheProgressDialogIsClosedOnlyByTheCloneMachinery() {
        frmMain w;
        frmCloneProgress& p = w.CloneProgress();
        QVERIFY(p.isModal());
        p.show();
        p.Value(40);
        p.reject();  // Escape does nothing
        QVERIFY(!p.close() && p.isVisible());
        p.Terminate();
        QVERIFY(!p.isVisible());
        p.show();  // the next display starts from zero
        QCOMPARE(p.Value(), 0);
        p.Terminate();
    }

    // An idle window does not poll: the tick sleeps once a few ticks in a
    // row found nothing new, and the user's input or a command wakes it,
    // so that what the tick keeps current still follows at once.
    void TheWindowTickSleepsUntilSomethingHappens() {
        Started r;
        auto* timer = r.W().findChild<QTimer*>("timMain");
        const auto sleepsAgain = [timer] {
            return QTest::qWaitFor([timer] { return !timer->isActive(); }, 10000);
        };
        QVERIFY(sleepsAgain());
        QCOMPARE(r.W().windowTitle(), QStringLiteral("Untitled - CS-Q5"));
        // A click on Bank A: the grid switches on the next tick, then it sleeps.
        QTest::mouseClick(r.Tree()->viewport(), Qt::LeftButton, {},
                          r.Tree()->visualItemRect(r.Node(kKeyBankA)).center());
        QVERIFY(timer->isActive() && sleepsAgain());
        QCOMPARE(r.W().CurrentTreeKey(), kKeyBankA);
        QVERIFY(r.EditEnabled(kEdit));
        // A command that changed the channels (here: one was copied).
        r.W().mnuEdit_Click(kCopy);
        r.W().DispChList();
        QVERIFY(timer->isActive() && sleepsAgain());
        QVERIFY(r.EditEnabled(kPaste));
        r.W().task();  // a step of a clone on the serial tick
        QVERIFY(timer->isActive());
        // Once the window has closed, nothing starts it again.
        r.W().close();
        QTest::keyClick(r.Grid(), Qt::Key_Down);
        r.W().DispChList();
        QVERIFY(!timer->isActive());
    }

    // The icons are built in as pictures: drawing them must not need Qt's
    // SVG icon engine, whose parsing and drawing of two dozen icons cost
    // the program a good part of its start time.
    void TheWindowIsDrawnWithoutTheSvgIconEngine() {
        Started r;
        QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
        QVERIFY(!r.W().grab().toImage().isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libqsvgicon"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
