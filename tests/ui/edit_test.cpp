// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu and the tools for many channels in the running program:
// what is enabled where, the questions before a channel in use is
// overwritten, Edit Memory writing the channel's own place, the TV presets,
// every change one undo step, CSV exchange, Find and Find Next, Sort Bank,
// rows dragged onto rows and banks, and the lists printed or written as
// PDF. The rules themselves are the core's (GridEdit, ChannelFind,
// ChannelSort, the CSV and report writers); here is how they reach the user.

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>
#include <fstream>

#include "file/csv_channels.h"
#include "file_text.h"
#include "model/channel_find.h"
#include "model/grid_texts.h"
#include "ui_rig.h"
#include "version_document.h"

namespace {
using M = clsRigQ5_Master;
constexpr int kFind = 12, kFindNext = 13, kSortBank = 15, kBulkEdit = 20, kFill = 21;  // Edit menu
constexpr int kExportCsv = 12, kImportCsv = 13, kExportPdf = 17, kPrint = 18;          // File menu

// Five channels in use at the top of bank A.
void FiveInBankA(Started& r) {
    r.Channels({{0, 14500000, ""},
                {1, 14502500, ""},
                {2, 14505000, ""},
                {3, 14507500, ""},
                {4, 14510000, ""}});
}

QString Status(Started& r) {
    return r.W().statusBar()->currentMessage();
}

std::string Values(Started& r, int index) {
    return std::to_string(r.Mem(index).AppearCh()) + "/" +
           std::to_string(r.Mem(index).FreqOp_Pure()) + "/" + r.Mem(index).Name();
}

// The dialog of the given name answered: fill in, then click a button.
void Answer(Started& r, const char* name, std::function<void(QDialog&)> fill) {
    r.dialogs.onShowModal = [name, fill](QDialog& d) {
        if (d.objectName() == QLatin1String(name)) fill(d);
    };
}

void AnswerFind(Started& r, const QString& text) {
    Answer(r, "frmFind", [text](QDialog& d) {
        d.findChild<QLineEdit*>("txtFind_Text")->setText(text);
        d.findChild<QPushButton*>("cmdFind_Ok")->click();
    });
}

// A drag of a channel row arriving over a point of a view, then dropped
// there; the drop's work runs when the event loop next turns. Returns
// whether the drop was taken.
bool DragAndDrop(QWidget* viewport, const QPoint& at, QMimeData* data,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    std::unique_ptr<QMimeData> owned(data);
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(at, actions, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, actions, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(at), actions, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(viewport, &drop);
    QCoreApplication::processEvents();
    return move.isAccepted() && drop.isAccepted();
}

QPoint RowPoint(Started& r, int row) {
    return r.Grid()->visualRect(r.Grid()->model()->index(row, 1)).center();
}
QPoint NodePoint(Started& r, int key) {
    return r.Tree()->visualItemRect(r.Node(key)).center();
}

}  // namespace

class EditTest : public QObject {
    Q_OBJECT
  private slots:
    // Which items are enabled, when Paste asks and when Insert is refused
    // are the core's rules: here the menu and the toolbar follow the channel
    // under the cursor, and the questions reach the user.
    void EditItemsFollowTheCursorAndPasteAsksBeforeOverwriting() {
        Started r;
        FiveInBankA(r);
        auto* pasteButton = r.W().findChild<QAction*>("Bar_Edit_Paste");
        r.At(kKeyVfo, 1);  // a VFO is never blank, never moves
        QVERIFY(r.EditEnabled(kEdit) && r.EditEnabled(kCopy) && !r.EditEnabled(kClear));
        r.At(kKeyBankA, 2);
        QVERIFY(r.EditEnabled(kInsert) && !r.EditEnabled(kPaste) && !pasteButton->isEnabled());
        r.W().mnuEdit_Click(kCopy);
        r.W().timMain_Timer();
        QVERIFY(r.EditEnabled(kPaste) && pasteButton->isEnabled());
        r.At(kKeyBankA, 20);  // blank: no question
        r.W().mnuEdit_Click(kPaste);
        QVERIFY(r.dialogs.messages.empty());
        QCOMPARE(r.Cell(20, 1), r.Cell(2, 1));
        r.At(kKeyBankA, 4);
        const QString own = r.Cell(4, 1);
        for (const int answer : {kMsgNo, kMsgYes}) {
            r.dialogs.answers = {answer};
            r.W().mnuEdit_Click(kPaste);
            QCOMPARE(r.LastMessage(), QString::fromLatin1(GridEdit::kMsgOverwrite));
            QCOMPARE(r.dialogs.messages.back().buttons, MsgButtons::YesNo);
            QCOMPARE(r.Cell(4, 1), answer == kMsgYes ? r.Cell(2, 1) : own);
        }
        r.Mem(49).AppearCh(true);
        r.W().DispChList();
        const QString last = r.Cell(49, 1);
        r.W().mnuEdit_Click(kInsert);
        QCOMPARE(r.LastMessage(), QString::fromLatin1(GridEdit::kMsgInsertRefused));
        QCOMPARE(r.Cell(49, 1), last);
        r.Show(2);  // a group of lists: nothing to edit, no grid
        QVERIFY(!r.EditEnabled(kEdit) && !r.EditEnabled(kPaste) && r.Grid()->isHidden());
    }

    void EnterOnBankBRow3EditsMemoryChannel53() {
        Started r;
        FiveInBankA(r);
        const ByteStr at3 = r.Radio().eepImage.ReadBlock(M::EeAdr_Ch(M::kListMemory, 3), 16);
        bool modalWhileShown = false;
        Answer(r, "frmEditCh", [&](QDialog& d) {
            modalWhileShown = r.W().ModalFlag();
            d.show();
            d.findChild<QLineEdit*>("txtEditCh_FreqOp")->setText("433.125");
            d.findChild<QLineEdit*>("txtEditCh_Name")->setText("B-3");
            QTest::mouseClick(d.findChild<QPushButton*>("cmdEditCh_Ok"), Qt::LeftButton);
        });
        r.At(kKeyBankB, 3);
        QTest::keyClick(r.Grid(), Qt::Key_Return);
        QCOMPARE(r.dialogs.shownDialogs, QStringList{"frmEditCh"});
        QVERIFY(modalWhileShown && !r.W().ModalFlag());
        QCOMPARE(r.Radio().eepImage.ReadBlock(M::EeAdr_Ch(M::kListMemory, 3), 16), at3);
        clsRigQ5_Ch fromImage(r.Master().MatrixObj(), clsRigQ5_Ch::kIdentMemory);
        r.Master().Get1Ch(fromImage, M::kListMemory, 53, M::kProgramForm);
        QCOMPARE(fromImage.FreqOp_Pure(), 43312500);
        QCOMPARE(fromImage.Name(), std::string("B-3"));
        QCOMPARE(r.Cell(3, 4), QStringLiteral("B-3"));
        QVERIFY(r.Radio().EditOn());
    }

    void APresetTableReplacesTheTvListOnlyWhenConfirmed() {
        Started r;
        r.At(kKeyBankA, 0);
        const ByteStr image = r.Image();
        r.dialogs.answers = {kMsgCancel};
        r.W().MenuItem("mnuOptPresetTv", 7)->trigger();
        QCOMPARE(r.LastMessage(),
                 QStringLiteral("All TV CH will be replaced with 'NEW ZEALAND' table.\nSure ?"));
        QCOMPARE(r.dialogs.messages.back().buttons, MsgButtons::OkCancel);
        QCOMPARE(r.W().CurrentTreeKey(), kKeyTv);  // the TV list is shown either way
        QCOMPARE(r.Image(), image);
        VersionDocument expected(0, 1, 0);
        expected.master.PresetTv(7);
        r.dialogs.answers = {kMsgOk};
        r.W().MenuItem("mnuOptPresetTv", 7)->trigger();
        QVERIFY(r.Radio().EditOn());
        for (int row = 0; row < M::NumRecordsOfListType(M::kListTv); ++row)
            QCOMPARE(r.Cell(row, 1),
                     QString::fromStdString(ChannelRowTexts(expected.master, kKeyTv, row)[1]));
    }

    void EveryChangeIsOneUndoStepUntilANewDocument() {
        Started r;
        FiveInBankA(r);
        const ByteStr start = r.Image();
        auto* undoButton = r.W().findChild<QAction*>("Bar_Edit_Undo");
        r.At(kKeyBankA, 1);
        r.W().mnuEdit_Click(kCopy);
        r.W().timMain_Timer();
        QVERIFY(!r.EditEnabled(kUndo) && !undoButton->isEnabled());  // a copy is no change
        const QString cleared = r.Cell(1, 1);
        r.W().mnuEdit_Click(kClear);
        r.At(kKeyBankA, 2);
        r.W().mnuEdit_Click(kDelete);
        Answer(r, "frmEditCommon", [](QDialog& d) {
            d.show();
            d.findChild<QComboBox*>("cboEditCom_AttSel")->setCurrentIndex(3);
            QTest::mouseClick(d.findChild<QPushButton*>("cmdEditCommon_Ok"), Qt::LeftButton);
        });
        r.W().Toolbar1_ButtonClick("Bar_View_Common");
        QCOMPARE(r.Master().CommonObj().AttSel_Pure(), 3);
        r.dialogs.answers = {kMsgNo};  // paste onto a channel in use: No is no step
        r.W().mnuEdit_Click(kPaste);
        QCOMPARE(r.p->History().UndoCount(), std::size_t(3));

        r.W().timMain_Timer();
        QVERIFY(undoButton->isEnabled());
        undoButton->trigger();
        r.W().mnuEdit_Click(kUndo);
        r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), start);
        QCOMPARE(r.Cell(1, 1), cleared);  // the grid shows the restored channel
        r.W().timMain_Timer();
        QVERIFY(!r.EditEnabled(kUndo) && r.EditEnabled(kRedo));
        r.W().mnuEdit_Click(kRedo);
        QVERIFY(r.Image() != start);

        r.dialogs.answers = {kMsgNo};  // New, the edits not saved
        r.W().mnuFile_Click(0);
        r.W().timMain_Timer();
        QVERIFY(!r.EditEnabled(kUndo) && !r.EditEnabled(kRedo));
    }

    // The CSV rules are the core's: here an export imports back as one
    // undo step, and the refused rows reach the user in one message.
    void CsvExportImportsBackAsOneStepAndRefusedRowsAreNamedInOneMessage() {
        Started r;
        r.Channels({{12, 14562500, "RPT"}});
        r.dialogs.saveNames = {r.Path("out.csv")};
        r.W().mnuFile_Click(kExportCsv);
        r.W().mnuFile_Click(0);  // New
        r.dialogs.openNames = {r.Path("out.csv")};
        r.W().mnuFile_Click(kImportCsv);
        QCOMPARE(Values(r, 12), std::string("1/14562500/RPT"));
        QVERIFY(r.dialogs.messages.empty() && r.Radio().EditOn());
        QCOMPARE(r.p->History().UndoCount(), std::size_t(1));
        std::ofstream(r.Path("in.csv").toStdString(), std::ios::binary)
            << kMemoryCsvHeader << "\r\n3,ONE,145.500000,,0,,88.5,88.5,,,FM,5,,\r\n"
            << "7,TWO,abc,,0,,88.5,88.5,,,FM,5,,\r\n8,THREE,abc,,0,,88.5,88.5,,,FM,5,,\r\n";
        r.dialogs.openNames = {r.Path("in.csv")};
        r.W().mnuFile_Click(kImportCsv);
        QCOMPARE(r.Mem(3).Name(), std::string("ONE"));
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
        QVERIFY2(r.LastMessage().startsWith("2 rows were not imported:"),
                 qPrintable(r.LastMessage()));
    }

    // A list without locations asks where it goes, offering the cursor;
    // OK imports as one undo step and names what was refused or changed in
    // one message.
    void ScannerListAsksForTheStartAtTheCursor() {
        Started r;
        r.Channels({});
        std::ofstream(r.Path("scan.csv").toStdString(), std::ios::binary)
            << "Frequency Output,Alpha Tag,PL Tone,Mode\r\n145.5,ONE,023 DPL,FM\r\n"
            << "145.6,TWO,,P25\r\n145.7,THREE,,FM\r\n145.8,FOUR,,FM\r\n";
        const ByteStr before = r.Image();
        r.At(kKeyBankC, 47);
        int offered = -1;
        Answer(r, "frmCsvStart", [&offered](QDialog& d) {
            offered = d.findChild<QComboBox*>("cboCsvStart_Bank")->currentIndex() * 100 +
                      d.findChild<QSpinBox*>("spnCsvStart_Row")->value();
            d.findChild<QSpinBox*>("spnCsvStart_Row")->setValue(48);
            QTest::mouseClick(d.findChild<QPushButton*>("cmdCsvStart_Ok"), Qt::LeftButton);
        });
        r.dialogs.openNames = {r.Path("scan.csv")};
        r.W().mnuFile_Click(kImportCsv);
        QCOMPARE(offered, 247);
        QCOMPARE(Values(r, 148), std::string("1/14550000/ONE"));
        QCOMPARE(Values(r, 149), std::string("1/14570000/THREE"));
        QCOMPARE(r.Mem(150).AppearCh(), false);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));
        QVERIFY2(r.LastMessage().contains("line 3: mode \"P25\"") &&
                     r.LastMessage().contains("line 5: does not fit: Bank C has no row 50") &&
                     r.LastMessage().contains("line 2: tone squelch \"023 DPL\""),
                 qPrintable(r.LastMessage()));
        r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), before);
    }

    void FindShowsTheFirstMatchAndFindNextGoesOnAndWrapsRound() {
        Started r;
        r.Channels({{7, 14550000, "Local"}, {57, 43300000, "Rpt"}, {120, 14550000, "Club"}});
        AnswerFind(r, "145.5");
        r.At(kKeyBankB, 30);
        const struct {
            int index;
            int key, row;
            bool wrapped;
        } steps[] = {
            {kFind, kKeyBankA, 7, false},       // from the top, wherever the cursor was
            {kFindNext, kKeyBankC, 20, false},  // the next list holding it
            {kFindNext, kKeyBankA, 7, true},    // past the last: from the top again
            {kFind, kKeyBankA, 7, false},
        };
        for (const auto& s : steps) {
            r.W().mnuEdit_Click(s.index);
            QCOMPARE(r.W().CurrentTreeKey(), s.key);
            QCOMPARE(r.W().CurChNo(), s.row);
            QCOMPARE(r.Grid()->currentRow(), s.row);
            QCOMPARE(Status(r), s.wrapped ? QString::fromLatin1(kFindWrappedText) : QString());
        }
        // Find asks each time; Find Next only the first time.
        QCOMPARE(r.dialogs.shownDialogs, (QStringList{"frmFind", "frmFind"}));
        AnswerFind(r, "nowhere");
        r.W().mnuEdit_Click(kFind);
        QCOMPARE(r.LastMessage(), QString::fromStdString(FindNotFoundText("nowhere")));
        QCOMPARE(r.W().CurChNo(), 7);  // the cursor stays
    }

    void SortBankIsOfferedOnBanksOnlyAndIsOneUndoStep() {
        Started r;
        r.Channels({{2, 14400000, "Zulu"}, {7, 14550000, "Local"}, {30, 14400000, "alpha"}});
        r.At(kKeyVfo, 0);
        QVERIFY(!r.EditEnabled(kSortBank));
        r.At(kKeyBankA, 0);
        const ByteStr before = r.Image();
        Answer(r, "frmSortBank", [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Sort Bank A"));
            d.findChild<QRadioButton*>("optSort_Name")->setChecked(true);
            d.findChild<QPushButton*>("cmdSort_Ok")->click();
        });
        r.W().mnuEdit_Click(kSortBank);
        QCOMPARE((QStringList{r.Cell(0, 4), r.Cell(1, 4), r.Cell(2, 4)}),
                 (QStringList{"alpha", "Local", "Zulu"}));
        QCOMPARE(r.p->History().UndoCount(), std::size_t(1));
        r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), before);
        QCOMPARE(r.Cell(7, 4), QStringLiteral("Local"));
    }

    // A row dropped on a row in use asks first; with Ctrl it is a copy; on a
    // bank's node it goes to the bank's first blank channel; each drop is
    // one undo step. Nothing is taken onto a list that is no bank, nor from
    // another program.
    void ADroppedRowAsksBeforeOverwritingAndFindsABanksFirstBlank() {
        Started r;
        QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
        r.Channels({{7, 14550000, "Local"}, {9, 14600000, "Other"}});
        r.At(kKeyBankA, 7);
        const ByteStr before = r.Image();
        const std::string moving = Values(r, 7);
        QWidget* viewport = r.Grid()->viewport();
        QWidget* tree = r.Tree()->viewport();
        for (const int answer : {kMsgNo, kMsgYes}) {
            r.dialogs.answers = {answer};
            QVERIFY(DragAndDrop(viewport, RowPoint(r, 9), r.W().ChannelDragData(kKeyBankA, 7)));
            QCOMPARE(r.LastMessage(), QString::fromLatin1(GridEdit::kMsgOverwrite));
        }
        QCOMPARE(Values(r, 9), moving);
        QVERIFY(!r.Mem(7).AppearCh());
        QCOMPARE(r.W().CurChNo(), 9);
        QCOMPARE(r.Cell(9, 4), QStringLiteral("Local"));
        QVERIFY(DragAndDrop(viewport, RowPoint(r, 20), r.W().ChannelDragData(kKeyBankA, 9),
                            Qt::ControlModifier));
        QCOMPARE(Values(r, 20), moving);
        QCOMPARE(Values(r, 9), moving);
        QVERIFY(DragAndDrop(tree, NodePoint(r, kKeyBankC), r.W().ChannelDragData(kKeyBankA, 9)));
        QCOMPARE(Values(r, 100), moving);
        QVERIFY(!r.Mem(9).AppearCh());
        QCOMPARE(Status(r), QStringLiteral("Moved to Bank C, CH 00."));
        QCOMPARE(r.W().CurrentTreeKey(), kKeyBankA);  // the view stays
        QCOMPARE(r.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(r.p->History().UndoCount(), std::size_t(3));
        const ByteStr moved = r.Image();
        QVERIFY(!DragAndDrop(tree, NodePoint(r, kKeyPScan), r.W().ChannelDragData(kKeyBankC, 0)));
        QVERIFY(Status(r).startsWith("A channel is dropped onto a memory bank or a row, not onto"));
        auto* foreign = new QMimeData;
        foreign->setData(QStringLiteral("application/x-csq5-channel"), "1/2/3/20");
        QVERIFY(!DragAndDrop(tree, NodePoint(r, kKeyBankB), foreign));
        QCOMPARE(r.Image(), moved);
        for (int i = 0; i < 3; ++i) r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), before);
    }

    // Shift with the arrows or a click, and Ctrl+A, select a block; Copy,
    // Paste, Clear, Delete and a drag act on all of it, each one undo step;
    // a paste that does not fit is refused with its reason and changes
    // nothing.
    void BlockCommandsActOnEverySelectedRowAsOneStep() {
        Started r;
        QVERIFY(QTest::qWaitForWindowExposed(&r.W()));
        FiveInBankA(r);
        const ByteStr before = r.Image();
        r.At(kKeyBankA, 1);
        QTest::keyClick(r.Grid(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(r.Grid(), Qt::Key_Down, Qt::ShiftModifier);
        r.W().timMain_Timer();
        int first = -1, last = -1;
        r.W().SelectedBlock(first, last);
        QCOMPARE(QPair(first, last), QPair(1, 3));
        QVERIFY(r.EditEnabled(kCopy) && r.EditEnabled(kClear) && !r.EditEnabled(kEdit) &&
                !r.EditEnabled(kInsert) && r.EditEnabled(kBulkEdit));
        r.W().mnuEdit_Click(kCopy);
        r.At(kKeyBankB, 48);
        r.W().mnuEdit_Click(kPaste);
        QCOMPARE(r.LastMessage(), QStringLiteral("The 3 channels do not fit from CH 48: the "
                                                 "list ends at CH 49."));
        QCOMPARE(r.Image(), before);
        r.At(kKeyBankB, 0);
        r.W().mnuEdit_Click(kPaste);
        QCOMPARE(r.dialogs.messages.size(), std::size_t(1));  // blank targets: no question
        QCOMPARE(Values(r, 50) + Values(r, 52), Values(r, 1) + Values(r, 3));
        r.At(kKeyBankA, 0);
        r.dialogs.answers = {kMsgNo};
        r.W().mnuEdit_Click(kPaste);
        QCOMPARE(r.LastMessage(), QString::fromLatin1(GridEdit::kMsgOverwrite));
        // Shift+click, then Delete closes the gap of rows 0..1 once.
        QTest::mouseClick(r.Grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(r, 1));
        r.W().mnuEdit_Click(kDelete);
        QCOMPARE(Values(r, 0), "1/14505000/");
        QVERIFY(!r.Mem(3).AppearCh());
        // A block dragged onto a row of another bank; then Ctrl+A and Clear.
        // A press inside a block keeps it for a drag; released, it was a click.
        r.At(kKeyBankA, 0);
        QTest::keyClick(r.Grid(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::mousePress(r.Grid()->viewport(), Qt::LeftButton, {}, RowPoint(r, 1));
        r.W().SelectedBlock(first, last);
        QCOMPARE(QPair(first, last), QPair(0, 1));
        QTest::mouseRelease(r.Grid()->viewport(), Qt::LeftButton, {}, RowPoint(r, 1));
        r.W().SelectedBlock(first, last);
        QCOMPARE(QPair(first, last), QPair(1, 1));
        r.At(kKeyBankA, 0);
        QTest::keyClick(r.Grid(), Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(DragAndDrop(r.Grid()->viewport(), RowPoint(r, 20),
                            r.W().BlockDragData(kKeyBankA, 0, 1)));
        QCOMPARE(Values(r, 20), "1/14505000/");
        QVERIFY(!r.Mem(0).AppearCh() && r.Mem(21).AppearCh());
        QTest::keyClick(r.Grid(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(r.Grid(), Qt::Key_Right);  // along the row: the block stays
        r.W().SelectedBlock(first, last);
        QCOMPARE(QPair(first, last), QPair(0, 49));
        r.W().mnuEdit_Click(kClear);
        for (int i = 0; i < 50; ++i) QVERIFY(!r.Mem(i).AppearCh());
        QCOMPARE(r.p->History().UndoCount(), std::size_t(4));
        for (int i = 0; i < 4; ++i) r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), before);
    }

    // The keyboard's Move Down and Move to Bank take a block along.
    void TheKeyboardsMovesTakeABlock() {
        Started r;
        FiveInBankA(r);
        r.At(kKeyBankA, 1);
        QTest::keyClick(r.Grid(), Qt::Key_Down, Qt::ShiftModifier);
        const std::string one = Values(r, 1), two = Values(r, 2), three = Values(r, 3);
        r.W().mnuEdit_Click(19);  // Move Down
        QCOMPARE(Values(r, 1) + Values(r, 2) + Values(r, 3), three + one + two);
        int first = -1, last = -1;
        r.W().SelectedBlock(first, last);
        QCOMPARE(QPair(first, last), QPair(2, 3));
        Answer(r, "frmMoveToBank", [](QDialog& d) {
            d.findChild<QPushButton*>("cmdMoveToBank_Ok")->click();  // the first bank offered
        });
        r.W().mnuEdit_Click(17);
        QCOMPARE(Values(r, 50) + Values(r, 51), one + two);
        QVERIFY(!r.Mem(2).AppearCh() && !r.Mem(3).AppearCh());
        QCOMPARE(r.p->History().UndoCount(), std::size_t(2));
    }

    // Bulk Edit and Fill Channels take their dialog's choices to the core,
    // report the counts, and are one undo step each.
    void BulkEditAndFillReportTheirCountsAndUndoInOneStep() {
        Started r;
        FiveInBankA(r);
        const ByteStr before = r.Image();
        r.At(kKeyBankA, 0);
        QTest::keyClick(r.Grid(), Qt::Key_PageDown, Qt::ShiftModifier);
        Answer(r, "frmBulkEdit", [](QDialog& d) {
            auto* step = d.findChild<QComboBox*>("cboBulk_Step");
            QVERIFY(!step->isEnabled());
            d.findChild<QCheckBox*>("chkBulk_Step")->setChecked(true);
            QVERIFY(step->isEnabled());
            step->setCurrentIndex(3);  // 12.5k
            d.findChild<QPushButton*>("cmdBulk_Ok")->click();
        });
        r.W().mnuEdit_Click(kBulkEdit);
        QVERIFY(r.LastMessage().startsWith(
            QStringLiteral("5 channels took the values as given, 0 were adjusted")));
        QCOMPARE(QString::fromStdString(r.Mem(4).TsNo_String()), QStringLiteral("12.5k"));
        r.At(kKeyBankC, 0);
        Answer(r, "frmFillChannels", [](QDialog& d) {
            d.findChild<QSpinBox*>("spnFill_Count")->setValue(40);
            d.findChild<QLineEdit*>("txtFill_Name")->setText("AIR %02d");
            d.findChild<QPushButton*>("cmdFill_Ok")->click();
        });
        r.W().mnuEdit_Click(kFill);
        QCOMPARE(r.LastMessage(),
                 QStringLiteral("40 channels were filled (0 adjusted), 0 refused."));
        QCOMPARE(Values(r, 139), "1/11897500/AIR 40");
        QCOMPARE(r.p->History().UndoCount(), std::size_t(2));
        for (int i = 0; i < 2; ++i) r.W().mnuEdit_Click(kUndo);
        QCOMPARE(r.Image(), before);
    }

    void ExportPdfAndPrintWriteTheChannelLists() {
        Started r;
        r.dialogs.saveNames = {r.Path("channels.pdf")};
        r.W().mnuFile_Click(kExportPdf);
        QCOMPARE(r.dialogs.fileDialogTitles, QStringList{"Export PDF"});
        r.dialogs.onPrint = [&r](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(r.Path("printed.pdf"));
            return true;
        };
        r.W().mnuFile_Click(kPrint);
        for (const char* name : {"channels.pdf", "printed.pdf"})
            QVERIFY2(ReadFile(r.Path(name).toStdString()).starts_with("%PDF-"), name);
        // A folder that does not exist is reported with the file's name.
        r.dialogs.saveNames = {r.Path("no/such.pdf")};
        r.W().mnuFile_Click(kExportPdf);
        QCOMPARE(r.LastMessage(), "Cannot save file.\n\n" + r.Path("no/such.pdf"));
    }
};

QTEST_MAIN(EditTest)
#include "edit_test.moc"
