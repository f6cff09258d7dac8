// SPDX-License-Identifier: GPL-3.0-or-later
// The program for users of a screen reader and of the keyboard alone: every
// control a screen reader reaches has a name, the channel grid reads as a
// table (cell values without their alignment, column and row headers), and a
// whole task runs from the keyboard without a single mouse event.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "ui/about_box.h"
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

bool Interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::Table:
        case QAccessible::MenuItem:
        case QAccessible::PageTab:
        case QAccessible::ProgressBar:
        case QAccessible::StatusBar:
        case QAccessible::ToolBar:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
            return true;
        default:
            return false;
    }
}

// The interactive elements under an interface whose name is empty or
// blanks only, each by its path of object names and roles.
void Unnamed(QAccessibleInterface* a, const QString& path, QStringList& found, int depth = 0) {
    if (!a || !a->isValid() || depth > 40) return;
    const QAccessible::Role role = a->role();
    const QString here = path + QLatin1Char('/') +
                         (a->object() ? a->object()->objectName() : QString()) +
                         QStringLiteral("(%1)").arg(int(role), 0, 16);
    if (Interactive(role) && a->text(QAccessible::Name).trimmed().isEmpty()) found << here;
    // The rows and cells of a view are its data, checked on their own.
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List)
        return;
    for (int i = 0; i < a->childCount(); ++i) Unnamed(a->child(i), here, found, depth + 1);
}

QStringList UnnamedIn(QWidget& window) {
    QStringList found;
    Unnamed(QAccessible::queryAccessibleInterface(&window), window.objectName(), found);
    return found;
}

// The accessible cell of a grid and what a screen reader says of it.
struct SpokenCell {
    QString text, column, row;
};
SpokenCell Spoken(QTableWidget* grid, int row, int column) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
    QAccessibleTableCellInterface* c = cell->tableCellInterface();
    auto first = [](const QList<QAccessibleInterface*>& headers) {
        return headers.isEmpty() ? QString() : headers.front()->text(QAccessible::Name);
    };
    return {cell->text(QAccessible::Name), first(c->columnHeaderCells()),
            first(c->rowHeaderCells())};
}

int Column(QTableWidget* grid, const QString& title) {
    for (int c = 0; c < grid->columnCount(); ++c)
        if (grid->horizontalHeaderItem(c)->text() == title) return c;
    return -1;
}

// The labels of a window that do not show their whole text.
QStringList Clipped(QWidget& window) {
    QStringList clipped;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                             : label->minimumSizeHint();
        if (label->width() < need.width() || label->height() < need.height())
            clipped << label->objectName() + QLatin1Char(':') + label->text().left(30);
    }
    return clipped;
}

// Counts the mouse events the application sees.
struct MouseWatch : QObject {
    int events = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                ++events;
                break;
            default:
                break;
        }
        return false;
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QAccessible::setActive(true); }

    // The main window (its menus and toolbar included, with no recent file
    // yet) and every dialog and window of the program.
    void EveryInteractiveElementHasAName() {
        Started r;
        r.W().show();
        r.W().timMain_Timer();
        QVERIFY2(UnnamedIn(r.W()).isEmpty(), qPrintable(UnnamedIn(r.W()).join(' ')));
        frmEditCh channel(&r.W());
        channel.CurCh(r.Mem(0));
        frmEditCommon common(&r.W());
        common.CurCommon(r.Master().CommonObj());
        frmSetup setup(r.W(), [](int) { return 0; });
        frmComDevices devices({{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R")}});
        frmFind find;
        frmSortBank sort;
        frmMoveToBank move;
        move.Prepare({QStringLiteral("Bank B")});
        frmAbout about;
        frmCompare compare;
        compare.SetDifferences(QStringLiteral("a.acf"), QStringLiteral("b.acf"),
                               {{3, 0, "Bank A", "00", "Frequency", "145.000000", "145.500000"}});
        frmRestoreBackup restore(
            {{"/tmp/backup-2026-12-06_153012.acf", "2026-12-06_153012", 1, "RX-Q5"}});
        HelpWindow help;
        QWidget* windows[] = {&channel, &common, &setup,   &devices, &find, &sort,
                              &move,    &about,  &compare, &restore, &help, &r.W().CloneProgress()};
        for (QWidget* w : windows) {
            w->show();
            QVERIFY2(UnnamedIn(*w).isEmpty(), qPrintable(UnnamedIn(*w).join(' ')));
            w->hide();
        }
    }

    // With the desktop's font at 150 % (or, run again with
    // QT_SCALE_FACTOR=2, at double scale with the normal font) every label
    // shows its whole text and every dialog fits a 1366 x 768 screen.
    void TheDialogsFitLargeText() {
        const QFont normal = QApplication::font();
        QFont large = normal;
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            large.setPointSizeF(normal.pointSizeF() * 1.5);
        QApplication::setFont(large);
        {
            Started r;
            frmEditCh channel(&r.W());
            channel.CurCh(r.Mem(0));
            frmEditCommon common(&r.W());
            common.CurCommon(r.Master().CommonObj());
            frmSetup setup(r.W(), [](int) { return 0; });
            frmComDevices devices({{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R")}});
            frmFind find;
            frmSortBank sort;
            frmMoveToBank move;
            frmAbout about;
            frmCloneProgress& progress = r.W().CloneProgress();
            progress.Label(QStringLiteral("Cannot access COM port."));
            QDialog* dialogs[] = {&channel, &common, &setup, &devices, &find,
                                  &sort,    &move,   &about, &progress};
            QStringList tooLarge;
            for (QDialog* d : dialogs) {
                d->adjustSize();
                d->show();
                QVERIFY(QTest::qWaitForWindowExposed(d));
                QCOMPARE(Clipped(*d), QStringList());
                const QSize pixels = d->size() * d->devicePixelRatio();
                if (pixels.width() > 1366 || pixels.height() > 768)
                    tooLarge
                        << d->objectName() +
                               QStringLiteral(" %1x%2").arg(pixels.width()).arg(pixels.height());
                d->hide();
            }
            QCOMPARE(tooLarge, QStringList());
        }
        QApplication::setFont(normal);
    }

    // A modal dialog of the desktop's own service gives the keyboard focus
    // back to the control that had it.
    void TheFocusReturnsWhereItWasAfterADialog() {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        second->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        second->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), second);
        QDialog dialog(&window);
        auto* field = new QLineEdit(&dialog);
        QTimer::singleShot(0, &dialog, [&] {
            field->setFocus();
            dialog.accept();
        });
        QtDialogService service;
        QCOMPARE(service.ShowModal(dialog), int(QDialog::Accepted));
        QTRY_COMPARE(QApplication::focusWidget(), second);
        Q_UNUSED(first);
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
        const int freq = Column(grid, QStringLiteral("Frequency"));
        const int name = Column(grid, QStringLiteral("Name"));
        QVERIFY(freq > 0 && name > 0);
        const struct {
            int row, column;
            QString text, header, row_header;
        } cases[] = {
            {0, freq, "145.000000", "Frequency", "Bank A 00"},
            {0, name, "CALL", "Name", "Bank A 00"},
            {1, freq, "blank", "Frequency", "Bank A 01"},
            {2, freq, "430.125000", "Frequency", "Bank A 02"},
            {2, 0, "02", "CH", "Bank A 02"},
        };
        for (const auto& c : cases) {
            const SpokenCell got = Spoken(grid, c.row, c.column);
            QCOMPARE(got.text, c.text);
            QCOMPARE(got.column, c.header);
            QCOMPARE(got.row, c.row_header);
        }
        QCOMPARE(grid->accessibleDescription(), QStringLiteral("Bank A 00, 145.000000"));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->accessibleDescription(), QStringLiteral("Bank A 02, 430.125000"));

        r.Show(kKeyVfo);
        QVERIFY(grid->rowCount() > 0);
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QString text = Spoken(grid, row, c).text;
                QVERIFY2(text == text.trimmed(), qPrintable(text));
            }
    }

    // Open a file, find a channel, edit it, move it to another bank, sort
    // that bank, save: keys only, the dialogs answered with keys, the focus
    // back on the grid after each of them.
    void AWholeTaskRunsFromTheKeyboard() {
        Started r;
        r.Channels({{0, 14500000, "ONE"}, {1, 14550000, "TWO"}, {50, 14600000, "ZULU"}});
        const QString file = r.Path("task.acf");
        QCOMPARE(r.W().model().SaveDocument(file.toStdString()), 0);
        r.W().show();
        r.W().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&r.W()));
        MouseWatch mouse;
        qApp->installEventFilter(&mouse);
        QStringList focusAfter;
        // Each dialog is shown, typed into from where its focus starts, and
        // closed with Return.
        std::function<void(QDialog&)> typing;
        r.dialogs.onShowModal = [&](QDialog& d) {
            d.show();
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(&d);
            typing(d);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!d.isVisible());
            // As the window manager does when a dialog closes.
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(&r.W());
        };
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), k, m);
            r.W().timMain_Timer();
            focusAfter << QApplication::focusWidget()->objectName();
        };

        r.W().timMain_Timer();
        for (int i = 0; i < 5 && QApplication::focusWidget() != r.Grid(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        r.dialogs.openNames = {file};
        key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(r.W().FileName(), file);
        typing = [](QDialog&) { QTest::keyClicks(QApplication::focusWidget(), "145.5"); };
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(r.W().CurrentTreeKey(), kKeyBankA);
        QCOMPARE(r.W().CurChNo(), 1);
        typing = [](QDialog&) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtEditCh_FreqOp"));
            for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() !=
                                          QLatin1String("txtEditCh_Name");
                 ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "ALFA");
        };
        key(Qt::Key_Return);
        QCOMPARE(r.Mem(1).Name(), std::string("ALFA"));
        typing = [](QDialog&) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lstMoveToBank"));
        };
        key(Qt::Key_M, Qt::ControlModifier);  // to bank B, the first offered
        QVERIFY(!r.Mem(1).AppearCh() && r.Mem(51).Name() == "ALFA");
        // Find the moved channel, then sort its bank by name from the pop-up menu.
        typing = [](QDialog&) { QTest::keyClicks(QApplication::focusWidget(), "ALF"); };
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(r.W().CurrentTreeKey(), kKeyBankB);
        typing = [](QDialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); };
        QTimer::singleShot(0, [] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup, Qt::Key_S);
        });
        key(Qt::Key_Menu);
        QTRY_COMPARE(r.Mem(50).Name(), std::string("ALFA"));
        QCOMPARE(r.Mem(51).Name(), std::string("ZULU"));
        QTRY_COMPARE(QApplication::focusWidget(), r.Grid());
        key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!r.Radio().EditOn());
        qApp->removeEventFilter(&mouse);
        QCOMPARE(mouse.events, 0);
        QCOMPARE(focusAfter.join(' '), QStringList(QStringList(7, "mfgCh")).join(' '));

        // What was saved is what the window shows.
        r.Mem(50).Name("X");
        QCOMPARE(r.W().model().LoadDocument(file.toStdString()), 0);
        QVERIFY(r.Mem(50).Name() == "ALFA" && r.Mem(51).Name() == "ZULU" && !r.Mem(1).AppearCh() &&
                r.Mem(0).Name() == "ONE");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
