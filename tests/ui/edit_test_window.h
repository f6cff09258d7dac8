// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test glue: a document (radio, memory map at a receiver version) shown by
// the real main window, with the Edit and Common Setting commands wired to
// EditCommands, the TV preset to the memory map, and find, sort, drag and
// drop, print and PDF to the program's own implementations.

#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "model/channel_find.h"
#include "model/channel_sort.h"
#include "model/grid_texts.h"
#include "model/master.h"
#include "model/undo_history.h"
#include "ui/edit_commands.h"
#include "ui/main_window.h"
#include "ui/report_commands.h"

struct TestDoc {
    clsCmcRadio radio;
    clsRigQ5_Master master{radio};
    explicit TestDoc(int version, int fmTv = 1, int amOk = 0) {
        master.MatrixObj().MtxVerNo(version);
        master.MatrixObj().MtxFmTvOk(fmTv);
        master.MatrixObj().MtxAmOk(amOk);
        master.Init_MakeInitial();
        master.Reset();
    }
    clsRigQ5_Ch& Ch(int type, int index) { return *master.ListCh(type, index); }
};

class EditTestModel : public MainWindowModel {
  public:
    EditTestModel(clsRigQ5_Master& master, EditCommands& commands)
        : master_(master), commands_(commands) {}

    int resets = 0;

    std::string TreeKeyStr(int key) const override { return master_.TreeKeyStr(key); }
    int TreeKeyChListType(int key) const override { return master_.TreeKeyChListType(key); }
    int NumChOfChListType(int t) const override { return master_.NumChOfChListType(t); }
    int NumItemOfChListType(int t) const override { return master_.NumItemNoOfChListType(t); }
    int ItemNoOfChListType(int t, int c) const override { return master_.ItemNoOfChListType(t, c); }
    std::string ChItemName(int item) const override { return clsRigQ5_Master::ChItemName(item); }
    std::vector<std::string> ChRowTexts(int key, int row) const override {
        return ChannelRowTexts(master_, key, row);
    }
    ChEditState EditStateOf(int key, int row) const override {
        return commands_.EditStateOf(key, row);
    }
    void ResetMap() override {
        ++resets;
        master_.Reset();
    }
    void EditCommand(int index, int key, int row) override { commands_.Run(index, key, row); }
    void CommonSetting() override { commands_.CommonSetting(); }
    void PresetTv(int table) override { master_.PresetTv(table); }

    // The document's history when the test gives one.
    UndoHistory* history = nullptr;
    bool CanUndo() const override { return history && history->CanUndo(); }
    bool CanRedo() const override { return history && history->CanRedo(); }
    void Undo() override {
        if (history) history->Undo();
    }
    void Redo() override {
        if (history) history->Redo();
    }
    FindAnswer FindChannel(const std::string& text, int afterKey, int afterRow) const override {
        const ChannelPlace after{afterKey, afterRow};
        const FindResult r =
            ::FindChannel(master_, MakeFindQuery(master_, text), afterKey < 0 ? nullptr : &after);
        return {r.found, r.place.key, r.place.row, r.wrapped};
    }
    bool CanSortBank(int key) const override { return SortableList(master_, key); }
    bool SortBank(int key) override { return commands_.SortBank(key); }
    bool DropAllowed(int sk, int sr, int dk, int dr, bool keep) const override {
        return commands_.DropAllowed(sk, sr, dk, dr, keep);
    }
    int DropChannel(int sk, int sr, int dk, int dr, bool keep) override {
        return commands_.Drop(sk, sr, dk, dr, keep);
    }
    std::string pdfFolder;  // where Export PDF... suggests its file
    void ExportPdf() override {
        ReportExportPdfCommand(nullptr, master_, FileTitle(), QString::fromStdString(pdfFolder));
    }
    void Print() override { ReportPrintCommand(nullptr, master_, FileTitle()); }

  private:
    clsRigQ5_Master& master_;
    EditCommands& commands_;
};

// Selects the tree node of a key and lets the window follow it.
inline void SelectTreeKey(frmMain& w, int key) {
    auto* tree = w.findChild<QTreeWidget*>(QStringLiteral("trvChList"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() == key) {
            tree->setCurrentItem(*it);
            break;
        }
    }
    w.timMain_Timer();
}

// The main window on a document, with the commands wired.
struct TestWindow {
    TestDoc doc;
    EditCommands commands{doc.master};
    EditTestModel model{doc.master, commands};
    std::unique_ptr<frmMain> window;

    explicit TestWindow(int version, int fmTv = 1) : doc(version, fmTv) {
        window = std::make_unique<frmMain>(&model, &doc.radio);
        commands.Window(window.get());
    }
    ~TestWindow() {
        commands.Window(nullptr);
        window.reset();
    }
    // Shows a key's list with the cursor on a row.
    void At(int key, int row) {
        SelectTreeKey(*window, key);
        window->findChild<QTableWidget*>(QStringLiteral("mfgCh"))->setCurrentCell(row, 0);
        window->timMain_Timer();
    }
    QString Cell(int row, int column) const {
        auto* grid = window->findChild<QTableWidget*>(QStringLiteral("mfgCh"));
        auto* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    bool EditEnabled(int index) const {
        return window->MenuItem(QStringLiteral("mnuEdit"), index)->isEnabled();
    }
};
