// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/master_model.h"

#include <QApplication>
#include <QString>

#include "app/recent_file.h"
#include "clone/clone_commands.h"
#include "file/acf_file.h"
#include "file/document_commands.h"
#include "model/channel_find.h"
#include "model/channel_sort.h"
#include "model/document_copy.h"
#include "model/grid_texts.h"
#include "model/undo_history.h"
#include "ui/csv_commands.h"
#include "ui/edit_commands.h"
#include "ui/msgbox.h"
#include "ui/report_commands.h"

MasterWindowModel::MasterWindowModel(clsRigQ5_Master& master, DocumentCommands& document,
                                     EditCommands& edit, CloneCommands* clone)
    : master_(master), doc_(document), edit_(edit), clone_(clone) {}

std::string MasterWindowModel::TreeKeyStr(int key) const {
    return master_.TreeKeyStr(key);
}

int MasterWindowModel::TreeKeyChListType(int key) const {
    return master_.TreeKeyChListType(key);
}

int MasterWindowModel::NumChOfChListType(int listType) const {
    return master_.NumChOfChListType(listType);
}

int MasterWindowModel::NumItemOfChListType(int listType) const {
    return master_.NumItemNoOfChListType(listType);
}

int MasterWindowModel::ItemNoOfChListType(int listType, int column) const {
    return master_.ItemNoOfChListType(listType, column);
}

std::string MasterWindowModel::ChItemName(int item) const {
    return clsRigQ5_Master::ChItemName(item);
}

std::vector<std::string> MasterWindowModel::ChRowTexts(int key, int row) const {
    return ChannelRowTexts(master_, key, row);
}

ChEditState MasterWindowModel::EditStateOf(int key, int row) const {
    return edit_.EditStateOf(key, row);
}

void MasterWindowModel::ResetMap() {
    master_.Reset();
}

std::string MasterWindowModel::FileName() const {
    return doc_.FileName();
}

std::string MasterWindowModel::FileTitle() const {
    return doc_.FileTitle();
}

std::string MasterWindowModel::CurDir() const {
    return doc_.CurDir();
}

std::string MasterWindowModel::SaveChangesPrompt(bool reopening) const {
    return doc_.SaveChangesPrompt(reopening);
}

void MasterWindowModel::NewDocument() {
    doc_.New();
}

int MasterWindowModel::LoadDocument(const std::string& path) {
    return doc_.Load(path);
}

int MasterWindowModel::SaveDocument(const std::string& path) {
    return doc_.Save(path);
}

int MasterWindowModel::RecentCount() const {
    return recent_ ? recent_->NumIndex() : 0;
}

std::string MasterWindowModel::RecentFileName(int index) const {
    return recent_ ? recent_->filename(index) : std::string();
}

std::string MasterWindowModel::RecentFileTitle(int index) const {
    return recent_ ? recent_->fileTitle(index) : std::string();
}

void MasterWindowModel::EditCommand(int index, int key, int row) {
    edit_.Run(index, key, row);
}

void MasterWindowModel::CommonSetting() {
    edit_.CommonSetting();
}

void MasterWindowModel::PresetTv(int table) {
    UndoStep step(history_);
    master_.PresetTv(table);
}

void MasterWindowModel::CloneCommand(int index, int comPort) {
    if (!clone_) return;
    clone_->ComPortNo(comPort);
    switch (index) {
        case 0:
            clone_->Read();
            break;
        case 1:
            clone_->Write();
            break;
        case 3:
            clone_->Information();
            break;
        default:
            break;
    }
}

void MasterWindowModel::CloneTask() {
    if (clone_) clone_->task();
}

bool MasterWindowModel::CanUndo() const {
    return history_ && history_->CanUndo();
}

bool MasterWindowModel::CanRedo() const {
    return history_ && history_->CanRedo();
}

void MasterWindowModel::Undo() {
    if (history_) history_->Undo();
}

void MasterWindowModel::Redo() {
    if (history_) history_->Redo();
}

void MasterWindowModel::ExportCsv() {
    CsvExportCommand(QApplication::activeWindow(), master_, QString::fromStdString(CurDir()));
}

bool MasterWindowModel::ImportCsv(int key, int row) {
    return CsvImportCommand(QApplication::activeWindow(), master_, history_,
                            QString::fromStdString(CurDir()), key, row);
}

FindResult MasterWindowModel::FindChannel(const std::string& text, int afterKey,
                                          int afterRow) const {
    const ChannelPlace after{afterKey, afterRow};
    return ::FindChannel(master_, MakeFindQuery(master_, text), afterKey < 0 ? nullptr : &after);
}

bool MasterWindowModel::CanSortBank(int key) const {
    return SortableList(master_, key);
}

bool MasterWindowModel::SortBank(int key) {
    return edit_.SortBank(key);
}

bool MasterWindowModel::DropAllowed(int srcKey, int srcRow, int dstKey, int dstRow,
                                    bool keepSource) const {
    return edit_.DropAllowed(srcKey, srcRow, dstKey, dstRow, keepSource);
}

std::string MasterWindowModel::DropRefusedText(int srcKey, int srcRow, int dstKey, int dstRow,
                                               bool keepSource) const {
    return edit_.Grid().DropRefusedText(srcKey, srcRow, dstKey, dstRow, keepSource,
                                        TreeKeyCaption(master_, dstKey));
}

int MasterWindowModel::DropChannel(int srcKey, int srcRow, int dstKey, int dstRow,
                                   bool keepSource) {
    return edit_.Drop(srcKey, srcRow, dstKey, dstRow, keepSource);
}

ChEditState MasterWindowModel::EditStateOfBlock(int key, int first, int last) const {
    return edit_.EditStateOfBlock(key, first, last);
}

void MasterWindowModel::EditBlockCommand(int index, int key, int first, int last) {
    edit_.RunBlock(index, key, first, last);
}

bool MasterWindowModel::CanBulkEdit(int key, int first, int last) const {
    return edit_.BulkEditEnabled(key, first, last);
}

bool MasterWindowModel::BulkEdit(int key, int first, int last) {
    return edit_.BulkEdit(key, first, last);
}

bool MasterWindowModel::CanFill(int key) const {
    return edit_.FillEnabled(key);
}

bool MasterWindowModel::FillChannels(int key, int row) {
    return edit_.Fill(key, row);
}

bool MasterWindowModel::DropBlockAllowed(int srcKey, int first, int last, int dstKey, int dstRow,
                                         bool keepSource) const {
    return edit_.DropBlockAllowed(srcKey, first, last, dstKey, dstRow, keepSource);
}

int MasterWindowModel::DropBlock(int srcKey, int first, int last, int dstKey, int dstRow,
                                 bool keepSource) {
    return edit_.DropBlock(srcKey, first, last, dstKey, dstRow, keepSource);
}

bool MasterWindowModel::CanShiftChannel(int key, int row, int delta) const {
    return edit_.Grid().ShiftEnabled(key, row, delta);
}

int MasterWindowModel::ShiftChannel(int key, int row, int delta) {
    return edit_.Shift(key, row, delta);
}

bool MasterWindowModel::CanShiftBlock(int key, int first, int last, int delta) const {
    return edit_.Grid().ShiftBlockEnabled(key, first, last, delta);
}

int MasterWindowModel::ShiftBlock(int key, int first, int last, int delta) {
    return edit_.ShiftBlock(key, first, last, delta);
}

void MasterWindowModel::ExportPdf() {
    ReportExportPdfCommand(QApplication::activeWindow(), master_, FileTitle(),
                           QString::fromStdString(CurDir()));
}

void MasterWindowModel::Print() {
    ReportPrintCommand(QApplication::activeWindow(), master_, FileTitle());
}

std::vector<BackupEntry> MasterWindowModel::BackupList() const {
    return ReadBackups(backupFolder_).List();
}

int MasterWindowModel::RestoreBackup(const std::string& path) {
    return doc_.OpenUntitled(path);
}

bool MasterWindowModel::CompareWith(const std::string& path,
                                    std::vector<ImageDifference>& differences) {
    // The file is read as the receiver version in force, beside the
    // document, which stays as it is.
    DocumentCopy other(master_);
    const int code = LoadDocumentCopy(other, path);
    if (code != kAcfOk) {
        // Right after the file dialog no window may be active yet: a box
        // without its window lands wherever the window system puts it.
        QWidget* owner = QApplication::activeWindow();
        MsgBoxOk(AcfFileErrorMessage(code, path), owner ? owner : edit_.Window());
        return false;
    }
    differences = ImageDifferences(master_, other.master);
    return true;
}

void MasterWindowModel::VerifyAfterWrite(bool on) {
    if (clone_) clone_->VerifyAfterWrite(on);
}
