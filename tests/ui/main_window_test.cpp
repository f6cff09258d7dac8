// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus and toolbar as the user sees them, the enabling
// rules, the caption, the COM port marks, the separator clamp and the File
// menu's flows, with a small channel model and answered dialogs.

#include "ui/main_window.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "fake_dialogs.h"
#include "ui/clone_progress.h"
#include "ui/help_window.h"

namespace {
// Two banks of five channels under a group node; rows 0..2 in use.
class SmallModel : public MainWindowModel {
  public:
    std::vector<std::string> recentNames, recentTitles;
    int loadResult = 0;
    int saveResult = 0;
    std::vector<std::string> loaded, saved;
    std::vector<std::pair<int, int>> editCommands;  // index, row
    std::vector<int> cloneCommands;
    std::vector<int> presets;
    bool clipboard = false;

    std::string TreeKeyStr(int key) const override {
        static const char* const keys[] = {"3,3,R|RX-Q5", "2,2,R->Mch|Memory CH",
                                           "1,1,Mch->BankA|Bank A", "1,1,Mch->BankB|Bank B",
                                           "1,1,R->MnTV|TV"};
        return key >= 0 && key < 5 ? keys[key] : "";
    }
    // The banks' shape: rows, and columns (number, frequency, further
    // items 3, 4, ..., the filler).
    int bankRows = 5;
    int bankColumns = 3;
    int TreeKeyChListType(int key) const override {
        return key >= 2 && key <= 3 ? 1 : key == 4 ? 3 : 6;
    }
    int NumChOfChListType(int t) const override { return t == 1 ? bankRows : t == 3 ? 2 : 0; }
    int NumItemOfChListType(int t) const override { return t == 1 ? bankColumns : t == 3 ? 3 : 0; }
    int ItemNoOfChListType(int t, int c) const override {
        if (c == 0) return 0;
        return c == NumItemOfChListType(t) - 1 ? 15 : c + 1;
    }
    std::string ChItemName(int item) const override {
        return item == 0 ? "CH " : item == 2 ? "Frequency     " : item == 15 ? "" : "Setting   ";
    }
    std::vector<std::string> ChRowTexts(int key, int row) const override {
        return {std::to_string((key - 2) * bankRows + row), row < 3 ? "145.000.00" : ""};
    }
    ChEditState EditStateOf(int, int row) const override {
        return ChEditState{true, true, true, clipboard && row >= 0};
    }
    // The document commands in small: the file becomes current on success.
    clsCmcRadio* radio = nullptr;
    std::string fileName, fileTitle = "Untitled", curDir;
    std::string FileName() const override { return fileName; }
    std::string FileTitle() const override { return fileTitle; }
    std::string CurDir() const override { return curDir; }
    void NewDocument() override {
        if (radio) radio->EditOn(false);
        fileName.clear();
        fileTitle = "Untitled";
    }
    int LoadDocument(const std::string& p) override {
        loaded.push_back(p);
        if (loadResult == 0) MakeCurrent(p);
        return loadResult;
    }
    int SaveDocument(const std::string& p) override {
        saved.push_back(p);
        if (saveResult == 0) MakeCurrent(p);
        return saveResult;
    }
    void MakeCurrent(const std::string& p) {
        fileName = p;
        fileTitle = p.substr(p.rfind('/') + 1);
        curDir = p.substr(0, p.rfind('/'));
        RecentAdd(p, fileTitle);
        if (radio) radio->EditOn(false);
    }
    int RecentCount() const override { return int(recentNames.size()); }
    std::string RecentFileName(int i) const override {
        return i >= 0 && i < RecentCount() ? recentNames[i] : "";
    }
    std::string RecentFileTitle(int i) const override {
        return i >= 0 && i < RecentCount() ? recentTitles[i] : "";
    }
    void RecentAdd(const std::string& p, const std::string& t) {
        recentNames.insert(recentNames.begin(), p);
        recentTitles.insert(recentTitles.begin(), t);
    }
    void EditCommand(int index, int, int row) override { editCommands.push_back({index, row}); }
    void CloneCommand(int index, int) override { cloneCommands.push_back(index); }
    void PresetTv(int table) override { presets.push_back(table); }
};

QString ShortcutOf(QAction* a) {
    return a->shortcut().toString(QKeySequence::PortableText);
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void MenusCarryTheirTextsAndShortcutsInOrder() {
        frmMain w;
        const struct {
            const char* menu;
            int index;
            const char* name;
            const char* text;
            const char* shortcut;
        } items[] = {
            {"mnuFile", 0, "mnuFile_New", "&New", "Ctrl+N"},
            {"mnuFile", 1, "mnuFile_Open", "&Open...", "Ctrl+O"},
            {"mnuFile", 2, "mnuFile_Save", "&Save", "Ctrl+S"},
            {"mnuFile", 3, "mnuFile_SaveAs", "Save &As...", ""},
            {"mnuFile", 10, "mnuFile_Exit", "E&xit", ""},
            {"mnuFile", 12, "mnuFile_ExportCsv", "Export &CSV...", ""},
            {"mnuFile", 13, "mnuFile_ImportCsv", "&Import CSV...", ""},
            {"mnuFile", 15, "mnuFile_Backups", "Read &Backups Folder", ""},
            {"mnuFile", 17, "mnuFile_ExportPdf", "Export P&DF...", ""},
            {"mnuFile", 18, "mnuFile_Print", "&Print...", "Ctrl+P"},
            {"mnuFile", 19, "mnuFile_RestoreBackup", "&Restore Backup...", ""},
            {"mnuFile", 20, "mnuFile_Compare", "Compare &With...", ""},
            {"mnuEdit", 0, "mnuEdit_EditMemory", "&Edit Memory...", ""},
            {"mnuEdit", 2, "mnuEdit_Copy", "&Copy", "Ctrl+C"},
            {"mnuEdit", 3, "mnuEdit_Paste", "&Paste", "Ctrl+V"},
            {"mnuEdit", 5, "mnuEdit_Clear", "Clear", "Del"},
            {"mnuEdit", 6, "mnuEdit_Delete", "Delete", ""},
            {"mnuEdit", 7, "mnuEdit_Insert", "Insert", ""},
            {"mnuEdit", 9, "mnuEdit_Undo", "&Undo", "Ctrl+Z"},
            {"mnuEdit", 10, "mnuEdit_Redo", "&Redo", "Ctrl+Y"},
            {"mnuEdit", 12, "mnuEdit_Find", "&Find...", "Ctrl+F"},
            {"mnuEdit", 13, "mnuEdit_FindNext", "Find &Next", "F3"},
            {"mnuEdit", 15, "mnuEdit_SortBank", "&Sort Bank...", ""},
            {"mnuView", 0, "mnuView_Common", "&Common Setting...", ""},
            {"mnuView", 2, "mnuView_Toolbar", "&Toolbar", ""},
            {"mnuCom", 1, "mnuCom_Com1", "COM &1", ""},
            {"mnuCom", 4, "mnuCom_Com4", "COM &4", ""},
            {"mnuClone", 0, "mnuClone_Read", "&Read <- Receiver", ""},
            {"mnuClone", 1, "mnuClone_Write", "&Write -> Receiver", ""},
            {"mnuClone", 3, "mnuClone_Info", "&Information...", ""},
            {"mnuClone", 5, "mnuClone_Verify", "&Verify After Write", ""},
            {"mnuOptPresetTv", 0, "mnuOptPresetTv_0", "AUSTRALIA", ""},
            {"mnuOptPresetTv", 7, "mnuOptPresetTv_7", "NEW ZEALAND", ""},
            {"mnuOptPresetTv", 9, "mnuOptPresetTv_9", "USA", ""},
            {"mnuHelp", 0, "mnuHelp_Contents", "&Contents", "F1"},
            {"mnuHelp", 2, "mnuHelp_About", "&About CS-Q5...", ""},
        };
        for (const auto& it : items) {
            QAction* a = w.MenuItem(it.menu, it.index);
            QVERIFY2(a, it.name);
            QCOMPARE(a->objectName(), QString::fromLatin1(it.name));
            QCOMPARE(a->text(), QString::fromLatin1(it.text));
            QCOMPARE(ShortcutOf(a), QString::fromLatin1(it.shortcut));
            QCOMPARE(w.findChild<QAction*>(it.name), a);
        }
        for (const auto& [menu, index] :
             {std::pair{"mnuFile", 4}, std::pair{"mnuFile", 9}, std::pair{"mnuFile", 16},
              std::pair{"mnuEdit", 1}, std::pair{"mnuEdit", 4}, std::pair{"mnuEdit", 11},
              std::pair{"mnuEdit", 14}, std::pair{"mnuView", 1}, std::pair{"mnuClone", 2},
              std::pair{"mnuClone", 4}, std::pair{"mnuHelp", 1}})
            QVERIFY(w.MenuItem(menu, index)->isSeparator());

        // The items added to the File menu stand before Exit, which ends it.
        QStringList file;
        for (QAction* a : w.findChild<QMenu*>("mnuFile")->actions()) file << a->objectName();
        QCOMPARE(file.mid(9),
                 (QStringList{"mnuFile_Sep9", "mnuFile_ExportCsv", "mnuFile_ImportCsv",
                              "mnuFile_Sep16", "mnuFile_ExportPdf", "mnuFile_Print",
                              "mnuFile_Sep14", "mnuFile_RestoreBackup", "mnuFile_Compare",
                              "mnuFile_Backups", "mnuFile_Sep11", "mnuFile_Exit"}));

        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "COM &Port", "&Cloning", "&Option",
                                   "&Help"}));
        auto* preset = w.findChild<QMenu*>("mnuOptPresetTv");
        QVERIFY(preset);
        QCOMPARE(preset->menuAction()->text(), QStringLiteral("&Preset TV CH"));
    }

    void ToolbarButtonsHaveKeysTipsAndIcons() {
        frmMain w;
        auto* bar = w.findChild<QToolBar*>("Toolbar1");
        QVERIFY(bar);
        QStringList keys, tips;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) continue;
            keys << a->objectName();
            tips << a->toolTip();
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            QVERIFY2(!a->icon().pixmap(16, 16).isNull(), qPrintable(a->objectName()));
        }
        QCOMPARE(keys,
                 (QStringList{"Bar_File_New", "Bar_File_Open", "Bar_File_Save", "Bar_Edit_Ch",
                              "Bar_Edit_Copy", "Bar_Edit_Paste", "Bar_Edit_Clear", "Bar_Edit_Undo",
                              "Bar_Edit_Redo", "Bar_View_Common", "Bar_Port_Com1", "Bar_Port_Com2",
                              "Bar_Port_Com3", "Bar_Port_Com4", "Bar_Clone_Read", "Bar_Clone_Write",
                              "Bar_Clone_Info", "Bar_Help_Contents"}));
        QCOMPARE(tips, (QStringList{"New", "Open", "Save", "Edit Memory", "Copy", "Paste", "Clear",
                                    "Undo", "Redo", "Common", "COM1", "COM2", "COM3", "COM4",
                                    "Clone read", "Clone write", "Clone info.", "Help contents"}));
    }

    void TheCaptionFollowsTheFileTitleOnTheTick() {
        frmMain w;
        QCOMPARE(w.windowTitle(), QStringLiteral("CS-Q5"));
        w.timMain_Timer();
        QCOMPARE(w.windowTitle(), QStringLiteral("Untitled - CS-Q5"));
    }

    void ChoosingAPortMarksItsMenuItemAndButton() {
        frmMain w;
        w.mnuCom_Click(4);
        QCOMPARE(w.ComPortNo(), 4);
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(w.MenuItem("mnuCom", p)->isChecked(), p == 4);
            QCOMPARE(w.findChild<QAction*>(QStringLiteral("Bar_Port_Com%1").arg(p))->isChecked(),
                     p == 4);
        }
        for (const auto& [in, out] : {std::pair{0, 1}, std::pair{-3, 1}, std::pair{9, 4}}) {
            w.ComPortNo(in);
            QCOMPARE(w.ComPortNo(), out);
        }
    }

    void ToolbarClicksAreIgnoredWhileModal() {
        SmallModel m;
        frmMain w(&m);
        w.ModalFlag(true);
        w.findChild<QAction*>("Bar_Port_Com3")->trigger();
        QCOMPARE(w.ComPortNo(), 1);
        QVERIFY(!w.findChild<QAction*>("Bar_Port_Com3")->isChecked());  // springs back
        w.findChild<QAction*>("Bar_Clone_Read")->trigger();
        QVERIFY(m.cloneCommands.empty());
        w.ModalFlag(false);
        w.findChild<QAction*>("Bar_Clone_Info")->trigger();
        QCOMPARE(m.cloneCommands, std::vector<int>{3});
    }

    void TheToolbarItemTogglesTheToolbar() {
        frmMain w;
        w.show();
        auto* bar = w.findChild<QToolBar*>("Toolbar1");
        QVERIFY(bar->isVisible());
        w.mnuView_Click(2);
        QCOMPARE(w.ToolBarFlag(), 0);
        QVERIFY(!bar->isVisible());
        w.timMain_Timer();
        QVERIFY(!w.MenuItem("mnuView", 2)->isChecked());
        w.mnuView_Click(2);
        w.timMain_Timer();
        QVERIFY(bar->isVisible());
        QVERIFY(w.MenuItem("mnuView", 2)->isChecked());
    }

    void EditItemsFollowTheChannelUnderTheCursor() {
        SmallModel m;
        frmMain w(&m);
        w.timMain_Timer();
        // The tree starts on the second node, a group: nothing to edit.
        QCOMPARE(w.CurrentTreeKey(), 1);
        for (int i : {0, 2, 3, 5, 6, 7}) QVERIFY(!w.MenuItem("mnuEdit", i)->isEnabled());
        QVERIFY(!w.findChild<QAction*>("Bar_Edit_Ch")->isEnabled());
        QVERIFY(w.findChild<QTableWidget*>("mfgCh")->isHidden());
        QVERIFY(!w.findChild<QWidget*>("txtShield")->isHidden());

        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));  // Bank A
        w.timMain_Timer();
        QCOMPARE(w.CurrentTreeKey(), 2);
        for (int i : {0, 2, 5, 6, 7}) QVERIFY(w.MenuItem("mnuEdit", i)->isEnabled());
        QVERIFY(!w.MenuItem("mnuEdit", 3)->isEnabled());  // nothing copied yet
        QVERIFY(w.findChild<QAction*>("Bar_Edit_Clear")->isEnabled());
        m.clipboard = true;
        w.timMain_Timer();
        QVERIFY(w.MenuItem("mnuEdit", 3)->isEnabled());
        QVERIFY(w.findChild<QAction*>("Bar_Edit_Paste")->isEnabled());
    }

    void TheGridShowsTheListAndKeepsRowsPerGroup() {
        SmallModel m;
        m.bankRows = 60;
        frmMain w(&m);
        w.resize(700, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        QTreeWidgetItem* bankA = tree->topLevelItem(0)->child(0)->child(0);
        QTreeWidgetItem* bankB = tree->topLevelItem(0)->child(0)->child(1);
        QCOMPARE(bankB->text(0), QStringLiteral("Bank B"));
        tree->setCurrentItem(bankA);
        w.timMain_Timer();
        QCOMPARE(grid->rowCount(), 60);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Frequency"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("145.000.00"));
        QCOMPARE(grid->item(4, 1)->text(), QString());

        // Scrolled down, the cursor a few rows below the first row in view.
        grid->scrollTo(grid->model()->index(20, 0), QAbstractItemView::PositionAtTop);
        QCOMPARE(grid->rowAt(0), 20);
        grid->setCurrentCell(23, 1);
        tree->setCurrentItem(bankB);
        w.timMain_Timer();
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("60"));
        QCOMPARE(w.CurChNo(), 0);  // a group never shown starts on its first row
        QCOMPARE(grid->rowAt(0), 0);
        tree->setCurrentItem(bankA);
        w.timMain_Timer();
        QCOMPARE(w.CurChNo(), 23);
        QCOMPARE(grid->rowAt(0), 20);
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);

        w.mnuEdit_Click(5);
        QCOMPARE(m.editCommands, (std::vector<std::pair<int, int>>{{5, 23}}));
        QCOMPARE(grid->rowAt(0), 20);
    }

    void EditCommandsAndClicksKeepTheColumnsInView() {
        SmallModel m;
        m.bankColumns = 14;
        frmMain w(&m);
        w.resize(520, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        w.timMain_Timer();
        QScrollBar* across = grid->horizontalScrollBar();
        QVERIFY(across->maximum() >= 3);
        grid->setCurrentCell(2, 0);
        across->setValue(3);
        m.clipboard = true;
        for (int index : {2, 3, 5, 6, 7, 0}) {
            w.mnuEdit_Click(index);
            QVERIFY2(across->value() == 3, qPrintable(QString::number(index)));
        }
        QCOMPARE(m.editCommands.size(), std::size_t(6));
        w.DispChList();
        QCOMPARE(across->value(), 3);
        // A click on a cell far right selects its row and leaves the view.
        const int column = grid->columnAt(grid->viewport()->width() / 2);
        QVERIFY(column > 3);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(4, column)).center());
        w.timMain_Timer();
        QCOMPARE(w.CurChNo(), 4);
        QCOMPARE(across->value(), 3);
    }

    void TheArrowsAcrossScrollOneColumnAndNotPastTheLastRealOne() {
        SmallModel m;
        m.bankColumns = 14;
        frmMain w(&m);
        w.resize(520, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        w.timMain_Timer();
        grid->setCurrentCell(2, 0);
        QCOMPARE(grid->columnAt(0), 0);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->columnAt(0), 1);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->columnAt(0), 2);
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(grid->columnAt(0), 1);
        for (int i = 0; i < 20; ++i) QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(grid->columnAt(0) <= grid->columnCount() - 2);
        QVERIFY(grid->columnAt(0) >= 2);
        QCOMPARE(w.CurChNo(), 2);  // the cursor row stays
        for (int i = 0; i < 20; ++i) QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(grid->columnAt(0), 0);
    }

    void AClickOnTheHeaderPutsTheCursorOnTheFirstRowInView() {
        SmallModel m;
        m.bankRows = 60;
        frmMain w(&m);
        w.resize(700, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        w.timMain_Timer();
        QHeaderView* header = grid->horizontalHeader();
        const QPoint inTitle(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                             header->height() / 2);
        auto* menu = w.findChild<QMenu*>("mnuEdit");
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            grid->scrollTo(grid->model()->index(10, 0), QAbstractItemView::PositionAtTop);
            grid->setCurrentCell(15, 0);
            QTest::mouseClick(header->viewport(), button, {}, inTitle);
            QContextMenuEvent context(QContextMenuEvent::Mouse, inTitle,
                                      header->viewport()->mapToGlobal(inTitle));
            if (button == Qt::RightButton) QApplication::sendEvent(header->viewport(), &context);
            w.timMain_Timer();
            QCOMPARE(w.CurChNo(), 10);
            QCOMPARE(grid->rowAt(0), 10);
            QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
            QVERIFY(!menu->isVisible());
        }
    }

    void TabMovesBetweenTheTreeAndTheGrid() {
        SmallModel m;
        frmMain w(&m);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        w.timMain_Timer();
        grid->setFocus();
        QVERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tree);
        QTest::keyClick(tree, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), tree);
        QTest::keyClick(tree, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), grid);
    }

    void ColumnWidthsAreKeptPerItemInTwips() {
        SmallModel m;
        frmMain w(&m);
        MainSettings s;
        s.cellWidth[2] = 1500;  // 100 pixels at 96 dpi
        w.LoadSettings(s);
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        w.timMain_Timer();
        const double tpp = w.TwipsPerPixelX();
        QCOMPARE(grid->columnWidth(1), TwipsToPixels(1500, tpp));
        grid->setColumnWidth(1, 0);  // dragged shut
        w.timMain_Timer();
        QCOMPARE(grid->columnWidth(1), 4);
        grid->setColumnWidth(1, 60);
        w.GetItemWidth();
        QCOMPARE(w.SaveSettings().cellWidth[2], PixelsToTwips(60, tpp));
        QCOMPARE(w.SaveSettings().cellWidth[14], -1);
    }

    void TheSeparatorDragStopsShortOfTheWindowEdge() {
        SmallModel m;
        frmMain w(&m);
        w.resize(800, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* sep = w.findChild<QWidget*>("fraSeparator");
        auto* tree = w.findChild<QWidget*>("trvChList");
        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        QTest::mousePress(sep, Qt::LeftButton, {}, QPoint(2, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(2 + 5000, 10),
                         sep->mapToGlobal(QPointF(5002, 10)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(sep, &move);
        QTest::mouseRelease(sep, Qt::LeftButton, {}, QPoint(5002, 10));
        const int areaWidth = w.centralWidget()->width();
        QVERIFY(w.TreeWidth() > PixelsToTwips(areaWidth, w.TwipsPerPixelX()));  // kept as dragged
        QVERIFY(tree->width() < areaWidth);
        QCOMPARE(grid->geometry().right() + 1, areaWidth);
        QCOMPARE(grid->width(), TwipsToPixels(120, w.TwipsPerPixelX()));
    }

    void RecentFilesFillTheFileMenu() {
        SmallModel m;
        frmMain w(&m);
        QAction* first = w.MenuItem("mnuFile", 5);
        QCOMPARE(first->text(), QStringLiteral("Recent File"));
        QVERIFY(first->isVisible());
        QVERIFY(!first->isEnabled());
        for (int i = 6; i <= 8; ++i) QVERIFY(!w.MenuItem("mnuFile", i)->isVisible());
        m.RecentAdd("/data/a.acf", "a.acf");
        m.RecentAdd("/data/b.acf", "b.acf");
        w.AdjustRecentFile();
        QCOMPARE(w.MenuItem("mnuFile", 5)->text(), QStringLiteral("&1 b.acf"));
        QCOMPARE(w.MenuItem("mnuFile", 6)->text(), QStringLiteral("&2 a.acf"));
        QVERIFY(w.MenuItem("mnuFile", 5)->isEnabled());
        QVERIFY(!w.MenuItem("mnuFile", 7)->isVisible());
        w.mnuFile_Click(6);
        QCOMPARE(m.loaded, std::vector<std::string>{"/data/a.acf"});
        QCOMPARE(w.FileTitle(), QStringLiteral("a.acf"));
        w.mnuFile_Click(8);  // beyond the list: nothing
        QCOMPARE(m.loaded.size(), size_t(1));
    }

    void AFailedLoadKeepsTheDocumentsFile() {
        SmallModel m;
        frmMain w(&m);
        FakeDialogs fake;
        m.loadResult = 6;
        fake.openNames = {"/data/short.acf"};
        w.mnuFile_Click(1);
        QCOMPARE(m.loaded, std::vector<std::string>{"/data/short.acf"});
        QCOMPARE(w.FileTitle(), QStringLiteral("Untitled"));
        QVERIFY(m.recentNames.empty());

        m.loadResult = 0;
        fake.openNames = {"/data/good.acf"};
        w.mnuFile_Click(1);
        QCOMPARE(w.FileName(), QStringLiteral("/data/good.acf"));
        QCOMPARE(w.FileTitle(), QStringLiteral("good.acf"));
        QCOMPARE(w.CurDir(), QStringLiteral("/data"));
        QCOMPARE(m.recentNames.front(), std::string("/data/good.acf"));

        fake.openNames = {QString()};  // cancelled
        w.mnuFile_Click(1);
        QCOMPARE(m.loaded.size(), size_t(2));
    }

    void SavingAnUntitledDocumentAsksForAName() {
        SmallModel m;
        frmMain w(&m);
        FakeDialogs fake;
        fake.saveNames = {"/tmp/out.acf"};
        w.mnuFile_Click(2);
        QCOMPARE(fake.saveCalls, 1);
        QCOMPARE(m.saved, std::vector<std::string>{"/tmp/out.acf"});
        QCOMPARE(w.FileTitle(), QStringLiteral("out.acf"));
        m.saveResult = 1;
        w.mnuFile_Click(3);  // save as, cancelled
        QCOMPARE(m.saved.size(), size_t(1));
        QVERIFY(fake.messages.empty());
    }

    void SavingToAReadOnlyFileOpensSaveAs() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ro.acf");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        SmallModel m;
        frmMain w(&m);
        FakeDialogs fake;
        fake.openNames = {path};
        w.mnuFile_Click(1);
        QCOMPARE(w.FileName(), path);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        const bool readOnly = !QFileInfo(path).isWritable();  // root writes anyway
        w.mnuFile_Click(2);
        QCOMPARE(fake.saveCalls, readOnly ? 1 : 0);
    }

    void AnEditedDocumentAsksBeforeItIsReplaced() {
        SmallModel m;
        clsCmcRadio radio;
        m.radio = &radio;
        frmMain w(&m, &radio);
        FakeDialogs fake;
        radio.EditOn(true);
        fake.answers = {kMsgCancel};
        w.mnuFile_Click(0);
        QCOMPARE(fake.messages.back().text, QStringLiteral("Save changes to Untitled ?"));
        QCOMPARE(int(fake.messages.back().buttons), int(MsgButtons::YesNoCancel));
        QVERIFY(radio.EditOn());  // cancelled: nothing happened

        // Yes, then the save dialog is cancelled: the caller stops too.
        fake.answers = {kMsgYes};
        QCOMPARE(w.CheckEditedAndSave(), 2);
        QCOMPARE(fake.saveCalls, 1);

        fake.answers = {kMsgNo};
        w.mnuFile_Click(0);
        QVERIFY(!radio.EditOn());
        QCOMPARE(w.CheckEditedAndSave(), 1);  // not edited: no question
        QCOMPARE(fake.messages.size(), size_t(3));
    }

    void ReopeningTheCurrentFileAsksWithoutItsName() {
        SmallModel m;
        clsCmcRadio radio;
        m.radio = &radio;
        frmMain w(&m, &radio);
        FakeDialogs fake;
        fake.openNames = {"/data/x.acf", "/DATA/X.ACF"};
        w.mnuFile_Click(1);
        radio.EditOn(true);
        fake.answers = {kMsgNo};
        w.mnuFile_Click(1);
        QCOMPARE(fake.messages.back().text, QStringLiteral("Save changes ?"));
        QCOMPARE(m.loaded.size(), size_t(2));
    }

    void ClosingWithUnsavedEditsCanBeCancelled() {
        SmallModel m;
        clsCmcRadio radio;
        m.radio = &radio;
        frmMain w(&m, &radio);
        FakeDialogs fake;
        QSignalSpy closing(&w, &frmMain::Closing);
        w.show();
        radio.EditOn(true);
        fake.answers = {kMsgYes};  // then the save dialog is cancelled
        QVERIFY(!w.close());
        QCOMPARE(closing.count(), 0);
        fake.answers = {kMsgNo};
        QVERIFY(w.close());
        QCOMPARE(closing.count(), 1);
    }

    void SettingsRoundTripThroughTheWindow() {
        frmMain w;
        MainSettings s;
        s.comPort = 3;
        s.toolBar = 5;  // limited to 0..1
        s.placement = StoredPlacement{kStateNormal, 40, 30, 700, 420};
        s.treeViewWidth = 2500;
        w.LoadSettings(s);
        const MainSettings out = w.SaveSettings();
        QCOMPARE(out.comPort, 3);
        QCOMPARE(out.toolBar, 1);
        QCOMPARE(out.placement.state, int(kStateNormal));
        QCOMPARE(out.placement.width, 700);
        QCOMPARE(out.placement.height, 420);
        QCOMPARE(out.treeViewWidth, 2500);
        QVERIFY(w.MenuItem("mnuCom", 3)->isChecked());
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

    void APresetShowsTheTvListAndAsksFirst() {
        SmallModel m;
        frmMain w(&m);
        FakeDialogs fake;
        fake.answers = {kMsgCancel, kMsgOk};
        w.mnuOptPresetTv_Click(7);
        QCOMPARE(w.CurrentTreeKey(), 4);  // the TV list is in view
        QCOMPARE(fake.messages.back().text,
                 QStringLiteral("All TV CH will be replaced with 'NEW ZEALAND' table.\nSure ?"));
        QCOMPARE(int(fake.messages.back().buttons), int(MsgButtons::OkCancel));
        QVERIFY(m.presets.empty());
        w.MenuItem("mnuOptPresetTv", 9)->trigger();
        QCOMPARE(m.presets, std::vector<int>{9});
    }

    void TheWindowTickDoesNotRunInsideItself() {
        // A model call that opens a message box runs a nested event loop in
        // which the timer fires again; the tick must not start over.
        struct NestingModel : SmallModel {
            frmMain* window = nullptr;
            mutable int calls = 0;
            ChEditState EditStateOf(int key, int row) const override {
                ++calls;
                if (window && calls < 50) window->timMain_Timer();
                return SmallModel::EditStateOf(key, row);
            }
        } m;
        frmMain w(&m);
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
        m.window = &w;
        m.calls = 0;
        w.timMain_Timer();
        QCOMPARE(m.calls, 1);
        w.timMain_Timer();  // and it runs again afterwards
        QCOMPARE(m.calls, 2);
    }

    void OnlyTheSerialTickStepsTheClone() {
        struct CloneModel : SmallModel {
            int steps = 0;
            void CloneTask() override { ++steps; }
        } m;
        frmMain w(&m);
        w.ComPortNo(2);
        w.task();
        QCOMPARE(m.steps, 1);
        QVERIFY(w.MenuItem("mnuCom", 2)->isChecked());
        w.timMain_Timer();  // the window tick never steps the clone
        QCOMPARE(m.steps, 1);
    }

    void TheProgressDialogIsClosedOnlyByTheCloneMachinery() {
        frmMain w;
        frmCloneProgress& p = w.CloneProgress();
        QCOMPARE(p.windowTitle(), QStringLiteral("Cloning"));
        QVERIFY(p.isModal());
        p.show();
        p.Value(150);
        QCOMPARE(p.Value(), 100);
        p.Value(-1);
        QCOMPARE(p.Value(), 0);
        p.Value(40);
        p.reject();  // Escape does nothing
        QVERIFY(!p.close());
        QVERIFY(p.isVisible());
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
        SmallModel m;
        frmMain w(&m);
        w.resize(800, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* timer = w.findChild<QTimer*>("timMain");
        QVERIFY(timer && timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        QCOMPARE(w.windowTitle(), QStringLiteral("Untitled - CS-Q5"));

        // A click on Bank A: the grid switches on the next tick, then it sleeps.
        auto* tree = w.findChild<QTreeWidget*>("trvChList");
        QTreeWidgetItem* bankA = tree->topLevelItem(0)->child(0)->child(0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(bankA).center());
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        QCOMPARE(w.CurrentTreeKey(), 2);
        QVERIFY(w.MenuItem("mnuEdit", 0)->isEnabled());

        auto* grid = w.findChild<QTableWidget*>("mfgCh");
        QTest::keyClick(grid, Qt::Key_Down);
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);

        // A command that changed the channels (here: something was copied).
        m.clipboard = true;
        w.DispChList();
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000);
        QVERIFY(w.MenuItem("mnuEdit", 3)->isEnabled());
        // A step of a clone on the serial tick.
        w.task();
        QVERIFY(timer->isActive());

        // Once the window has closed, nothing starts it again.
        w.close();
        QVERIFY(!timer->isActive());
        QTest::keyClick(grid, Qt::Key_Down);
        w.DispChList();
        QVERIFY(!timer->isActive());
    }

    // The icons are built in as pictures: drawing them must not need Qt's
    // SVG icon engine, whose parsing and drawing of two dozen icons cost
    // the program a good part of its start time.
    void TheWindowIsDrawnWithoutTheSvgIconEngine() {
        SmallModel m;
        frmMain w(&m);
        w.resize(800, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = w.grab().toImage();
        QVERIFY(!shot.isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libqsvgicon"));
    }

    void EachComItemShowsItsDeviceAfterItsCaption() {
        frmMain w;
        QCOMPARE(w.MenuItem("mnuCom", 2)->text(), QStringLiteral("COM &2"));
        int assigned = 0;
        w.ComDeviceHooks(
            [](int slot) { return slot == 2 ? QStringLiteral("/dev/ttyUSB0") : QString(); },
            [&assigned] { ++assigned; });
        emit w.findChild<QMenu*>("mnuCom")->aboutToShow();  // the user opens the menu
        QCOMPARE(w.MenuItem("mnuCom", 2)->text(), QStringLiteral("COM &2 (/dev/ttyUSB0)"));
        QCOMPARE(w.MenuItem("mnuCom", 1)->text(), QStringLiteral("COM &1"));
        QAction* devices = w.MenuItem("mnuCom", 5);
        QCOMPARE(devices->objectName(), QStringLiteral("mnuCom_Devices"));
        devices->trigger();
        QCOMPARE(assigned, 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
