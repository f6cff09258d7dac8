// SPDX-License-Identifier: GPL-3.0-or-later
// Working with many channels through the main window: Find and Find Next
// over every list, Sort Bank as one undo step, rows dragged onto rows and
// onto banks of the tree (asking before a channel in use is overwritten),
// and the channel lists printed or written as PDF. Dialogs, message boxes
// and the print dialog are answered through the seam.

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>
#include <fstream>
#include <memory>

#include "edit_test_window.h"
#include "fake_dialogs.h"
#include "read_values.h"
#include "temp_dir.h"

namespace {

using M = clsRigQ5_Master;
constexpr int kKeyVfo = 1, kKeyBankA = 3, kKeyBankB = 4, kKeyBankC = 5, kKeyPScan = 11;
constexpr int kUndo = 9, kFind = 12, kFindNext = 13, kSortBank = 15;
constexpr int kExportPdf = 17, kPrint = 18;

// Memory channels A07 "Local" 145.5, B07 "Rpt" 433.3, C20 "Club" 145.5 in
// use, every other memory channel blank; a clean document.
struct Window : TestWindow {
    UndoHistory history{doc.master};
    Window() : TestWindow(1) {
        for (int i = 0; i < 400; ++i) doc.Ch(M::kListMemory, i).AppearCh(false);
        Use(7, 14550000, "Local");
        Use(57, 43300000, "Rpt");
        Use(120, 14550000, "Club");
        doc.master.WriteToEep();
        doc.radio.EditOn(false);
        commands.History(&history);
        model.history = &history;
        window->DispChList();
    }
    void Use(int index, std::int32_t freq, const char* name) {
        clsRigQ5_Ch& c = doc.Ch(M::kListMemory, index);
        c.AppearCh(true);
        c.FreqOp_Pure(freq);
        c.Name(name);
    }
    QString Status() const { return window->statusBar()->currentMessage(); }
    QTableWidget* Grid() const { return window->findChild<QTableWidget*>(QStringLiteral("mfgCh")); }
    QTreeWidget* Tree() const {
        return window->findChild<QTreeWidget*>(QStringLiteral("trvChList"));
    }
    ByteStr Image() {
        doc.master.WriteToEep();
        return doc.radio.eepImage.bytes();
    }
};

// The find dialog answered with a text and its Find button.
void AnswerFind(FakeDialogs& dialogs, const QString& text) {
    dialogs.onShowModal = [text](QDialog& d) {
        if (d.objectName() != QLatin1String("frmFind")) return;
        d.findChild<QLineEdit*>(QStringLiteral("txtFind_Text"))->setText(text);
        d.findChild<QPushButton*>(QStringLiteral("cmdFind_Ok"))->click();
    };
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

QPoint RowPoint(QTableWidget* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 1)).center();
}

QPoint NodePoint(QTreeWidget* tree, int key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == key) return tree->visualItemRect(*it).center();
    return {};
}

std::string FileHead(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string head(n, '\0');
    in.read(head.data(), static_cast<std::streamsize>(n));
    return in ? head : std::string();
}

}  // namespace

class ChannelToolsTest : public QObject {
    Q_OBJECT
  private slots:
    void FindShowsTheFirstMatchAndFindNextGoesOnAndWrapsRound() {
        Window w;
        FakeDialogs dialogs;
        AnswerFind(dialogs, QStringLiteral("145.5"));
        w.At(kKeyBankB, 30);
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
            w.window->mnuEdit_Click(s.index);
            QCOMPARE(w.window->CurrentTreeKey(), s.key);
            QCOMPARE(w.window->CurChNo(), s.row);
            QCOMPARE(w.Grid()->currentRow(), s.row);
            QCOMPARE(w.Status(), s.wrapped ? QString::fromLatin1(kFindWrappedText) : QString());
        }
        // Find asks each time; Find Next only the first time.
        QCOMPARE(dialogs.shownDialogs, (QStringList{"frmFind", "frmFind"}));
        QVERIFY(dialogs.messages.empty());

        // By name, letter case ignored.
        AnswerFind(dialogs, QStringLiteral("rpt"));
        w.window->mnuEdit_Click(kFind);
        QCOMPARE(w.window->CurrentTreeKey(), kKeyBankB);
        QCOMPARE(w.window->CurChNo(), 7);
    }

    void NothingFoundSaysSoAndTheCursorStays() {
        Window w;
        FakeDialogs dialogs;
        w.At(kKeyBankB, 30);
        AnswerFind(dialogs, QStringLiteral("nowhere"));
        w.window->mnuEdit_Click(kFind);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Cannot find \"nowhere\"."));
        QCOMPARE(w.window->CurrentTreeKey(), kKeyBankB);
        QCOMPARE(w.window->CurChNo(), 30);
        // Cancel searches nothing and keeps the last text.
        dialogs.onShowModal = nullptr;
        w.window->mnuEdit_Click(kFind);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(w.window->FindText(), QStringLiteral("nowhere"));
    }

    void SortBankIsOfferedOnBanksOnlyAndIsOneUndoStep() {
        Window w;
        FakeDialogs dialogs;
        for (const int key : {kKeyVfo, kKeyPScan, 13, 2}) {
            w.At(key, 0);
            QVERIFY2(!w.EditEnabled(kSortBank), qPrintable(QString::number(key)));
        }
        w.At(kKeyBankA, 0);
        QVERIFY(w.EditEnabled(kSortBank));
        w.Use(2, 14400000, "Zulu");
        w.Use(30, 14400000, "alpha");
        w.doc.master.WriteToEep();
        const ByteStr before = w.Image();

        // Cancel sorts nothing.
        w.window->mnuEdit_Click(kSortBank);
        QCOMPARE(w.Image(), before);
        QVERIFY(!w.EditEnabled(kUndo));

        dialogs.onShowModal = [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Sort Bank A"));
            d.findChild<QRadioButton*>(QStringLiteral("optSort_Name"))->setChecked(true);
            d.findChild<QPushButton*>(QStringLiteral("cmdSort_Ok"))->click();
        };
        w.window->mnuEdit_Click(kSortBank);
        QCOMPARE(w.Cell(0, 4), QStringLiteral("alpha"));
        QCOMPARE(w.Cell(1, 4), QStringLiteral("Local"));
        QCOMPARE(w.Cell(2, 4), QStringLiteral("Zulu"));
        QCOMPARE(w.Cell(3, 1), QString());  // blank channels last
        QVERIFY(w.doc.radio.EditOn());
        QCOMPARE(w.history.UndoCount(), std::size_t(1));
        w.window->mnuEdit_Click(kUndo);
        QCOMPARE(w.Image(), before);
        QCOMPARE(w.Cell(2, 4), QStringLiteral("Zulu"));
        QCOMPARE(w.Cell(7, 4), QStringLiteral("Local"));
    }

    void ARowDroppedOnAChannelInUseAsksFirst() {
        Window w;
        FakeDialogs dialogs;
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.Use(9, 14600000, "Other");
        w.At(kKeyBankA, 7);
        const ByteStr before = w.Image();
        const std::string moving = ReadValues(w.doc.Ch(M::kListMemory, 7));
        QWidget* viewport = w.Grid()->viewport();

        dialogs.answers = {kMsgNo};
        QVERIFY(
            DragAndDrop(viewport, RowPoint(w.Grid(), 9), w.window->ChannelDragData(kKeyBankA, 7)));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Overwrite here ?"));
        QCOMPARE(w.Image(), before);

        dialogs.answers = {kMsgYes};
        QVERIFY(
            DragAndDrop(viewport, RowPoint(w.Grid(), 9), w.window->ChannelDragData(kKeyBankA, 7)));
        QCOMPARE(ReadValues(w.doc.Ch(M::kListMemory, 9)), moving);
        QVERIFY(!w.doc.Ch(M::kListMemory, 7).AppearCh());
        QCOMPARE(w.window->CurChNo(), 9);
        QCOMPARE(w.Cell(9, 4), QStringLiteral("Local"));
        QCOMPARE(w.Cell(7, 1), QString());

        // Onto a blank channel, with Ctrl: a copy, without a question.
        QVERIFY(DragAndDrop(viewport, RowPoint(w.Grid(), 20),
                            w.window->ChannelDragData(kKeyBankA, 9), Qt::ControlModifier));
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
        QCOMPARE(ReadValues(w.doc.Ch(M::kListMemory, 20)), moving);
        QCOMPARE(ReadValues(w.doc.Ch(M::kListMemory, 9)), moving);

        // Each drop is one step.
        QCOMPARE(w.history.UndoCount(), std::size_t(2));
        w.window->mnuEdit_Click(kUndo);
        w.window->mnuEdit_Click(kUndo);
        QCOMPARE(w.Image(), before);
    }

    void ARowDroppedOnABankGoesToItsFirstBlankChannel() {
        Window w;
        FakeDialogs dialogs;
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.At(kKeyBankA, 7);
        const std::string moving = ReadValues(w.doc.Ch(M::kListMemory, 7));
        QWidget* tree = w.Tree()->viewport();

        QVERIFY(DragAndDrop(tree, NodePoint(w.Tree(), kKeyBankC),
                            w.window->ChannelDragData(kKeyBankA, 7)));
        QCOMPARE(ReadValues(w.doc.Ch(M::kListMemory, 100)), moving);
        QVERIFY(!w.doc.Ch(M::kListMemory, 7).AppearCh());
        QCOMPARE(w.Status(), QStringLiteral("Moved to Bank C, CH 00."));
        QCOMPARE(w.window->CurrentTreeKey(), kKeyBankA);  // the view stays
        QVERIFY(dialogs.messages.empty());

        // A full bank is reported and nothing changes.
        for (int i = 150; i < 200; ++i) w.Use(i, 14400000 + i * 2500, "");
        const ByteStr before = w.Image();
        QVERIFY(DragAndDrop(tree, NodePoint(w.Tree(), 6), w.window->ChannelDragData(kKeyBankC, 0)));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Bank D has no blank CH."));
        QCOMPARE(w.Image(), before);

        // Not onto lists that are no bank, nor from another program.
        QVERIFY(!DragAndDrop(tree, NodePoint(w.Tree(), kKeyPScan),
                             w.window->ChannelDragData(kKeyBankC, 0)));
        auto* foreign = new QMimeData;
        foreign->setData(QStringLiteral("application/x-csq5-channel"), "1/2/3/20");
        QVERIFY(!DragAndDrop(tree, NodePoint(w.Tree(), kKeyBankB), foreign));
        QCOMPARE(w.Image(), before);
    }

    void ExportPdfAndPrintWriteTheChannelLists() {
        Window w;
        FakeDialogs dialogs;
        TempDir dir;
        w.model.pdfFolder = dir.path().string();

        // Cancelled dialogs write nothing.
        w.window->mnuFile_Click(kExportPdf);
        w.window->mnuFile_Click(kPrint);
        QCOMPARE(dialogs.saveCalls, 1);
        QCOMPARE(dialogs.printCalls, 1);
        QVERIFY(std::filesystem::is_empty(dir.path()));

        const std::string exported = dir.file("channels.pdf");
        dialogs.saveNames = {QString::fromStdString(exported)};
        w.window->mnuFile_Click(kExportPdf);
        QCOMPARE(FileHead(exported, 5), std::string("%PDF-"));

        const std::string printed = dir.file("printed.pdf");
        dialogs.onPrint = [&printed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(printed));
            return true;
        };
        w.window->mnuFile_Click(kPrint);
        QCOMPARE(FileHead(printed, 5), std::string("%PDF-"));

        // A folder that does not exist is reported with the file's name.
        const std::string nowhere = dir.file("no/such.pdf");
        dialogs.saveNames = {QString::fromStdString(nowhere)};
        w.window->mnuFile_Click(kExportPdf);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Cannot save file.\n\n") + QString::fromStdString(nowhere));
    }
};

QTEST_MAIN(ChannelToolsTest)
#include "channel_tools_test.moc"
