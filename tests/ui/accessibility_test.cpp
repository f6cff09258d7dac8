// SPDX-License-Identifier: GPL-3.0-or-later
// The program for users of a screen reader and of the keyboard alone: every
// control a screen reader reaches has a name, the channel grid reads as a
// table (cell values without their alignment, column and row headers), the
// dialogs fit large text, and a whole task runs from the keyboard without a
// single mouse event, the focus coming back to the grid after each dialog.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "ui/about_box.h"
#include "ui/channel_tools_dialogs.h"
#include "ui/com_devices_dialog.h"
#include "ui/compare_window.h"
#include "ui/edit_channel_dialog.h"
#include "ui/edit_common_dialog.h"
#include "ui/find_dialog.h"
#include "ui/help_window.h"
#include "ui/move_bank_dialog.h"
#include "ui/restore_backup_dialog.h"
#include "ui/setup_dialog.h"
#include "ui/sort_dialog.h"
#include "ui_rig.h"

namespace {

// The interactive elements under an interface whose name is empty or
// blanks only, each by its path of object names and roles. The rows and
// cells of a view are its data, checked on their own.
QString Unnamed(QAccessibleInterface* a, const QString& path = QString()) {
    using A = QAccessible;
    static const QList<A::Role> interactive = {
        A::Button,  A::CheckBox,  A::RadioButton, A::ComboBox,   A::EditableText,  A::SpinBox,
        A::Slider,  A::List,      A::Tree,        A::Table,      A::MenuItem,      A::PageTab,
        A::ToolBar, A::StatusBar, A::ProgressBar, A::ButtonMenu, A::ButtonDropDown};
    const A::Role role = a->role();
    const QString here = path + '/' + (a->object() ? a->object()->objectName() : QString()) +
                         QString::number(int(role), 16);
    QString found;
    if (interactive.contains(role) && a->text(A::Name).trimmed().isEmpty()) found = here + ' ';
    if (role == A::Table || role == A::Tree || role == A::List) return found;
    for (int i = 0; i < a->childCount(); ++i) found += Unnamed(a->child(i), here);
    return found;
}
QString Unnamed(QWidget* window) {
    return Unnamed(QAccessible::queryAccessibleInterface(window));
}

// The labels of a window that do not show their whole text.
QStringList Clipped(QWidget& window) {
    QStringList clipped;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                             : label->minimumSizeHint();
        if (label->isVisibleTo(&window) && !label->text().isEmpty() &&
            (label->width() < need.width() || label->height() < need.height()))
            clipped << label->text().left(30);
    }
    return clipped;
}

// What a screen reader says of a grid cell: its text, column and row header.
QString Spoken(QTableWidget* grid, int row, int column) {
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(row, column);
    QAccessibleTableCellInterface* c = cell->tableCellInterface();
    // Qt makes a new interface for each header cell asked for and leaves it
    // to the caller: handed to the cache so that it is freed.
    const auto header = [](const QList<QAccessibleInterface*>& cells) {
        QString text;
        for (QAccessibleInterface* h : cells) {
            if (text.isEmpty()) text = h->text(QAccessible::Name);
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(h));
        }
        return text;
    };
    return cell->text(QAccessible::Name) + QLatin1Char('|') + header(c->columnHeaderCells()) +
           QLatin1Char('|') + header(c->rowHeaderCells());
}

// Every dialog and window of the program, on a running program.
struct Windows : Started {
    frmEditCh channel{&W()};
    frmEditCommon common{&W()};
    frmSetup setup{W(), [](int) { return 0; }};
    frmComDevices devices{{{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R")}}};
    frmFind find;
    frmSortBank sort;
    frmMoveToBank move;
    frmBulkEdit bulk;
    frmFillChannels fill;
    frmAbout about;
    frmCompare compare;
    frmRestoreBackup restore{{{"/tmp/backup-2026-12-06_153012.acf", "2026-12-06_153012", 1, "Q5"}}};
    HelpWindow help;
    Windows() {
        channel.CurCh(Mem(0));
        common.CurCommon(Master().CommonObj());
        move.Prepare({QStringLiteral("Bank B")});
        bulk.Prepare(Master().MatrixObj(), QStringLiteral("Bank A 00-09"));
        fill.Prepare(Master().MatrixObj(), QStringLiteral("Bank C 00"), 50);
        compare.SetDifferences("a.acf", false, "b.acf",
                               {{3, 0, "Bank A", "00", "Frequency", "1", "2"}});
        W().CloneProgress().Label(QStringLiteral("Cannot access COM port."));
    }
    std::vector<QWidget*> All() {
        return {&channel, &common, &setup, &devices, &find,    &sort, &move,
                &bulk,    &fill,   &about, &compare, &restore, &help, &W().CloneProgress()};
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QAccessible::setActive(true); }

    // Every control of the main window (its menus and toolbar included,
    // with no recent file yet) and of every dialog and window has a name.
    // With the desktop's font at 150 % (or, run again with
    // QT_SCALE_FACTOR=2, at double scale with the normal font) every label
    // shows its whole text and every dialog fits a 1366 x 768 screen.
    void EveryWindowIsNamedAndFitsLargeText() {
        const QFont normal = QApplication::font();
        QFont large = normal;
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            large.setPointSizeF(normal.pointSizeF() * 1.5);
        QApplication::setFont(large);
        QStringList tooLarge;
        {
            Windows r;
            r.W().show();
            r.W().timMain_Timer();
            QCOMPARE(Unnamed(&r.W()), QString());
            for (QWidget* d : r.All()) {
                d->adjustSize();
                d->show();
                QCOMPARE(Unnamed(d), QString());
                QCOMPARE(Clipped(*d), QStringList());
                const QSize pixels = d->size() * d->devicePixelRatio();
                // The help window is fitted to the screen when it opens.
                if (d != &r.help && (pixels.width() > 1366 || pixels.height() > 768))
                    tooLarge << d->objectName();
                d->hide();
            }
        }
        QApplication::setFont(normal);
        QCOMPARE(tooLarge, QStringList());
    }

    // A modal dialog of the desktop's own service gives the keyboard focus
    // back to the control that had it.
    void TheFocusReturnsWhereItWasAfterADialog() {
        QLineEdit window;
        window.show();
        QApplication::setActiveWindow(&window);
        QTRY_COMPARE(QApplication::focusWidget(), &window);
        QDialog dialog(&window);
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        QCOMPARE(QtDialogService().ShowModal(dialog), int(QDialog::Accepted));
        QTRY_COMPARE(QApplication::focusWidget(), &window);
    }

    // A bank in use reads as a table: the values without the blanks that
    // align them on screen, the column titles and "Bank A 00" as headers, a
    // blank channel as "blank"; the grid is named after its list, and the
    // cursor's row tells its channel and frequency. No cell of the VFO list
    // keeps an alignment blank.
    void TheGridReadsAsATable() {
        Started r;
        r.Channels({{0, 14500000, "CALL"}, {2, 43012500, ""}});
        r.At(kKeyBankA, 0);
        QTableWidget* grid = r.Grid();
        QCOMPARE(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name),
                 QStringLiteral("Bank A channels"));
        const std::tuple<int, int, const char*> cases[] = {{0, 1, "145.000000|Frequency|Bank A 00"},
                                                           {1, 1, "blank|Frequency|Bank A 01"},
                                                           {2, 1, "430.125000|Frequency|Bank A 02"},
                                                           {2, 0, "02|CH|Bank A 02"}};
        for (const auto& [row, column, spoken] : cases)
            QCOMPARE(Spoken(grid, row, column), QString::fromLatin1(spoken));
        QCOMPARE(grid->accessibleDescription(), QStringLiteral("Bank A 00, 145.000000"));
        for (int i = 0; i < 2; ++i) QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->accessibleDescription(), QStringLiteral("Bank A 02, 430.125000"));
        r.Show(kKeyVfo);
        for (int cell = 0; cell < grid->rowCount() * grid->columnCount(); ++cell) {
            const QString text =
                Spoken(grid, cell / grid->columnCount(), cell % grid->columnCount());
            QVERIFY2(!text.startsWith(' ') && !text.contains(QLatin1String(" |")),
                     qPrintable(text));
        }
    }

    // Open a file, find a channel, edit it, move it to another bank, sort
    // that bank from the pop-up menu, save: key events only (no mouse event),
    // each dialog answered with keys from where its focus starts, the focus
    // back on the grid after each.
    void AWholeTaskRunsFromTheKeyboard() {
        Started r;
        r.Channels({{0, 14500000, "ONE"}, {1, 14550000, "TWO"}, {50, 14600000, "ZULU"}});
        const QString file = r.Path("task.acf");
        QCOMPARE(r.W().model().SaveDocument(file.toStdString()), 0);
        r.W().show();
        QApplication::setActiveWindow(&r.W());
        r.W().timMain_Timer();
        for (int i = 0; i < 5 && QApplication::focusWidget() != r.Grid(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QStringList focusAfter;
        QString typing;  // typed into a dialog before Return; "v": the down arrow
        r.dialogs.onShowModal = [&](QDialog& d) {
            d.show();
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(&d);
            focusAfter << QApplication::focusWidget()->objectName();
            typing == QLatin1String("v")
                ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down)
                : QTest::keyClicks(QApplication::focusWidget(), typing);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!d.isVisible());
            QCoreApplication::processEvents();  // then the window manager activates the window
            QApplication::setActiveWindow(&r.W());
        };
        auto key = [&](const QString& text, Qt::Key k, Qt::KeyboardModifiers m = {}) {
            typing = text;
            QTest::keyClick(QApplication::focusWidget(), k, m);
            r.W().timMain_Timer();
            focusAfter << QApplication::focusWidget()->objectName();
        };
        r.dialogs.openNames = {file};
        key("", Qt::Key_N, Qt::ControlModifier);
        key("", Qt::Key_O, Qt::ControlModifier);
        key("145.5", Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(r.W().CurrentTreeKey() * 100 + r.W().CurChNo(), kKeyBankA * 100 + 1);
        key("145.55", Qt::Key_Return);            // the channel dialog: a new frequency
        key("", Qt::Key_M, Qt::ControlModifier);  // to bank B, the first offered
        QVERIFY(!r.Mem(1).AppearCh() && r.Mem(51).FreqOp_Pure() == 14555000);
        key("TWO", Qt::Key_F, Qt::ControlModifier);  // in bank B, now sorted
        typing = QStringLiteral("v");                // by name
        QTimer::singleShot(0,
                           [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S); });
        QTest::keyClick(r.Grid(), Qt::Key_Menu);
        QTRY_COMPARE(r.Mem(50).Name(), std::string("TWO"));
        QTRY_COMPARE(QApplication::focusWidget(), r.Grid());
        key("", Qt::Key_Down, Qt::AltModifier);  // Move Down, taken back by one Undo
        QVERIFY(r.Mem(52).Name() == "ZULU" && !r.Mem(51).AppearCh());
        key("", Qt::Key_Z, Qt::ControlModifier);
        key("", Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(
            focusAfter.join(' '),
            QStringLiteral("mfgCh mfgCh txtFind_Text mfgCh txtEditCh_FreqOp mfgCh lstMoveToBank "
                           "mfgCh txtFind_Text mfgCh optSort_Frequency mfgCh mfgCh mfgCh"));
        r.Mem(50).Name("X");  // what was saved is what the window showed
        QCOMPARE(r.W().model().LoadDocument(file.toStdString()), 0);
        QVERIFY(r.Mem(50).Name() == "TWO" && r.Mem(51).Name() == "ZULU" && !r.Mem(1).AppearCh());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
