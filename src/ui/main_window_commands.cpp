// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's menus and toolbar do: the File, Edit, View, COM
// Port, Cloning, Option and Help commands, and finding a channel.

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "app/common.h"
#include "model/channel_find.h"
#include "model/grid_texts.h"
#include "ui/about_box.h"
#include "ui/caption.h"
#include "ui/clone_progress.h"
#include "ui/compare_window.h"
#include "ui/core_texts.h"
#include "ui/dialog_place.h"
#include "ui/dialogs.h"
#include "ui/find_dialog.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/move_bank_dialog.h"
#include "ui/msgbox.h"
#include "ui/reentry_guard.h"
#include "ui/restore_backup_dialog.h"

namespace {
const char* const kFileFilter = QT_TRANSLATE_NOOP("frmMain", "Data Files (*.ACF *.acf)");
// File > Read Backups Folder where no file manager could show the folder.
std::string BackupFolderText(const std::string& folder) {
    if (folder.empty())
        return "The copies of clone reads have no folder: neither XDG_DATA_HOME nor HOME names "
               "one.";
    return "The folder cannot be shown in a file manager.\r\n\r\nThe copies of clone reads are "
           "kept in\r\n" +
           folder;
}
}  // namespace

// ------------------------------------------------------------- document

void frmMain::ResetRig() {
    model_->ResetMap();
    BuildChTree();
    grid_Init();
    DispChList();
}

int frmMain::CheckEditedAndSave() {
    const std::string prompt = model_->SaveChangesPrompt(reopenFlag_);
    if (!radio_->EditOn()) return 1;
    const int answer = MsgBoxYesNoCancel(prompt, this);
    if (answer == kMsgYes) {
        FileCommand(2);
        return radio_->EditOn() ? 2 : 1;
    }
    return answer == kMsgNo ? 1 : 2;
}

QString frmMain::FileName() const {
    return QString::fromStdString(model_->FileName());
}

QString frmMain::FileTitle() const {
    return QString::fromStdString(model_->FileTitle());
}

QString frmMain::CurDir() const {
    const QString dir = QString::fromStdString(model_->CurDir());
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

void frmMain::FileCommand(int index) {
    const QString filter = tr(kFileFilter);
    // The document commands show the wait cursor while the file is written,
    // and take it away before they report a failure.
    auto save = [this](const QString& name) { model_->SaveDocument(name.toStdString()); };
    switch (index) {
        case 0:
            if (CheckEditedAndSave() == 1) {
                model_->NewDocument();
                DispChList();
            }
            break;
        case 1: {
            const QString name = Dialogs().OpenFileName(this, CurDir(), filter, tr("Open"));
            if (!name.isEmpty()) OpenChosenFile(name);
            break;
        }
        case 2: {
            const QString current = FileName();
            if (!current.isEmpty() && !reopenFlag_) {
                const QFileInfo info(current);
                if (info.exists() && info.isWritable()) {
                    save(current);
                    break;
                }
            }
            FileCommand(3);
            break;
        }
        case 3: {
            const QString suggested = QDir(CurDir()).filePath(FileTitle());
            const QString name = Dialogs().SaveFileName(this, suggested, filter, tr("Save As"));
            if (!name.isEmpty()) save(name);
            break;
        }
        case 5:
        case 6:
        case 7:
        case 8: {
            const int i = index - 5;
            if (i < model_->RecentCount())
                OpenChosenFile(QString::fromStdString(model_->RecentFileName(i)));
            break;
        }
        case 10:
            close();
            break;
        case 12:
            model_->ExportCsv();
            break;
        case 13:
            if (model_->ImportCsv(curTreeKey_, CurChNo())) DispChList();
            break;
        case 17:
            model_->ExportPdf();
            break;
        case 18:
            model_->Print();
            break;
        case 19: {
            const std::vector<BackupEntry> backups = model_->BackupList();
            if (backups.empty()) {
                MsgBoxPlain(NoBackupsText(model_->BackupFolder()), kProgramName, this);
                break;
            }
            frmRestoreBackup dialog(backups, this);
            Dialogs().ShowModal(dialog);
            const QString path = QString::fromStdString(dialog.ChosenPath());
            if (dialog.Chosen() == frmRestoreBackup::Choice::Open) {
                RestoreBackup(path);
            } else if (dialog.Chosen() == frmRestoreBackup::Choice::Compare) {
                CompareWithFile(path);
            }
            break;
        }
        case 20: {
            const QString name = Dialogs().OpenFileName(this, CurDir(), filter, tr("Compare With"));
            if (!name.isEmpty()) CompareWithFile(name);
            break;
        }
        case 15: {
            // The folder is made on the first read; show it before that too.
            // Where no file manager can show it (or it cannot be made), its
            // path at least tells the user where to look.
            const std::string folder = model_->BackupFolder();
            const QString path = QString::fromStdString(folder);
            if (path.isEmpty() || !QDir().mkpath(path) || !Dialogs().OpenFolder(path))
                MsgBoxPlain(BackupFolderText(folder), kProgramName, this);
            break;
        }
        default:
            break;
    }
}

void frmMain::OpenChosenFile(const QString& name) {
    const QString current = FileName();
    if (!current.isEmpty() && name.compare(current, Qt::CaseInsensitive) == 0) reopenFlag_ = true;
    if (CheckEditedAndSave() != 1) return;
    // The document commands show the wait cursor while the file is read,
    // and take it away before they report a failure.
    model_->LoadDocument(name.toStdString());
    DispChList();
}

void frmMain::RestoreBackup(const QString& path) {
    if (CheckEditedAndSave() != 1) return;
    // The document commands show the wait cursor while the file is read,
    // and take it away before they report a failure.
    model_->RestoreBackup(path.toStdString());
    DispChList();
}

void frmMain::CompareWithFile(const QString& path) {
    std::vector<ImageDifference> differences;
    if (!model_->CompareWith(path.toStdString(), differences)) return;
    const QString other = QFileInfo(path).fileName();
    if (differences.empty()) {
        MsgBoxPlain(NoDifferencesText(other.toStdString()), kProgramName, this);
        return;
    }
    frmCompare& window = CompareWindow();
    window.SetDifferences(FileTitle(), radio_->EditOn(), other, differences);
    window.ShowBeside(*this);
}

frmCompare& frmMain::CompareWindow() {
    if (!compare_) {
        compare_ = new frmCompare(this);
        connect(compare_, &frmCompare::channelChosen, this,
                [this](int key, int row) { ShowChannel(key, row); });
    }
    return *compare_;
}

void frmMain::RunFileCommand(const std::function<void()>& command) {
    {
        const FlagScope modal(modalFlag_);
        command();
    }
    AdjustRecentFile();
    reopenFlag_ = false;
    WakeTick();  // a save changes the caption without redrawing the list
}

void frmMain::mnuFile_Click(int index) {
    RunFileCommand([this, index] { FileCommand(index); });
}

void frmMain::OpenDataFile(const QString& path) {
    RunFileCommand([this, &path] { OpenChosenFile(path); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (CheckEditedAndSave() == 2) {
        event->ignore();
        return;
    }
    GetItemWidth();
    timMain_->stop();
    tickEnded_ = true;
    if (help_) help_->close();
    emit Closing();
    event->accept();
}

// ------------------------------------------------------- other commands

void frmMain::mnuEdit_Click(int index) {
    WindowUpkeep();
    QAction* item = MenuItem(QStringLiteral("mnuEdit"), index);
    if (!item || item->isSeparator() || !item->isEnabled()) return;
    const int key = curTreeKey_;
    const int row = CurChNo();
    if (index == 9 || index == 10) {
        if (index == 9) {
            model_->Undo();
        } else {
            model_->Redo();
        }
        DispChList();
        return;
    }
    if (index == 12 || index == 13) {
        FindCommand(index == 13);
        return;
    }
    if (index == 15) {
        {
            const FlagScope modal(modalFlag_);
            model_->SortBank(key);
        }
        DispChList();
        return;
    }
    if (index == 17) return MoveToBankCommand();
    if (index == 18 || index == 19) return ShiftCommand(index == 18 ? -1 : 1);
    int first = row, last = row;
    SelectedBlock(first, last);
    if (index == 20 || index == 21) {
        {
            const FlagScope modal(modalFlag_);
            if (index == 20) {
                model_->BulkEdit(key, first, last);
            } else {
                model_->FillChannels(key, row);
            }
        }
        DispChList();
        return;
    }
    {
        const FlagScope modal(modalFlag_, index == 0);
        if (first == last) {
            model_->EditCommand(index, key, row);
        } else {
            model_->EditBlockCommand(index, key, first, last);
        }
    }
    // A copy changes no channel: the grid stays as it is (a block copied
    // stays selected).
    if (index != 2) DispChList();
}

void frmMain::mnuView_Click(int index) {
    if (index == 0) {
        {
            const FlagScope modal(modalFlag_);
            model_->CommonSetting();
        }
        DispChList();
    } else if (index == 2) {
        ToolBarFlag(1 - LimitInt(toolBarFlag_, 0, 1));
    }
}

void frmMain::mnuCom_Click(int index) {
    ComPortNo(index);
    task();
}

void frmMain::mnuClone_Click(int index) {
    if (index == 5) {
        VerifyAfterWrite(!VerifyAfterWrite());
        return;
    }
    if (index != 0 && index != 1 && index != 3) return;
    {
        const FlagScope modal(modalFlag_);
        CentreDialogOver(*progress_, *this);
        model_->CloneCommand(index, comPortNo_);
    }
    DispChList();
}

void frmMain::mnuOptPresetTv_Click(int index) {
    if (index < 0 || index >= int(presetTv_.size())) return;
    // Show the TV list before asking, so the user sees what is replaced.
    for (QTreeWidgetItemIterator it(trvChList_); *it; ++it) {
        const int key = (*it)->data(0, Qt::UserRole).toInt();
        if (ChListOfTreeKey(key) != clsRigQ5_Master::kListTv) continue;
        trvChList_->setCurrentItem(*it);
        WindowUpkeep();
    }
    const std::string table = presetTv_[index]->text().toStdString();
    if (MsgBoxOkCancel("All TV CH will be replaced with '" + table + "' table.\\nSure ?", this) !=
        kMsgOk)
        return;
    model_->PresetTv(index);
    DispChList();
}

void frmMain::mnuHelp_Click(int index) {
    if (index == 0) {
        Help().ShowContents();
    } else if (index == 2) {
        frmAbout about(this);
        about.adjustSize();
        CentreDialogOver(about, *this);
        const FlagScope modal(modalFlag_);
        Dialogs().ShowModal(about);
    }
}

void frmMain::ShowEditPopup(const QPoint& globalPos) {
    WindowUpkeep();
    mnuEdit_->popup(globalPos);
}

// ------------------------------------------------ moving from the keyboard

std::vector<int> frmMain::MoveTargets() const {
    std::vector<int> keys;
    int first = 0, last = 0;
    SelectedBlock(first, last);
    for (int key = 0; key < kNumTreeKeys; ++key)
        if (model_->TreeKeyChListType(key) == clsRigQ5_Master::kListMemory &&
            model_->DropBlockAllowed(curTreeKey_, first, last, key, -1, false))
            keys.push_back(key);
    return keys;
}

void frmMain::MoveToBankCommand() {
    const std::vector<int> keys = MoveTargets();
    if (keys.empty()) return;
    if (!moveDialog_) moveDialog_ = new frmMoveToBank(this);
    QStringList banks;
    for (int key : keys)
        banks << QString::fromStdString(ParseTreeKeyStr(model_->TreeKeyStr(key)).caption);
    moveDialog_->Prepare(banks);
    moveDialog_->adjustSize();
    CentreDialogOver(*moveDialog_, *this);
    {
        const FlagScope modal(modalFlag_);
        Dialogs().ShowModal(*moveDialog_);
    }
    const int chosen = moveDialog_->Chosen();
    // The same way as a drop onto the bank's node of the tree.
    int first = 0, last = 0;
    SelectedBlock(first, last);
    if (chosen < 0 || chosen >= int(keys.size())) return;
    if (first == last) {
        DropChannel(curTreeKey_, first, keys[std::size_t(chosen)], -1, false);
    } else {
        DropBlock(curTreeKey_, first, last, keys[std::size_t(chosen)], -1, false);
    }
}

void frmMain::ShiftCommand(int delta) {
    int first = 0, last = 0;
    SelectedBlock(first, last);
    const int cursor = CurChNo();
    const int row = model_->ShiftBlock(curTreeKey_, first, last, delta);
    DispChList();
    if (row < 0) return;
    SetCursorRow(cursor + delta);
    // A block moved stays selected, to be moved on.
    if (first != last) {
        const QItemSelection block(mfgCh_->model()->index(row, 0),
                                   mfgCh_->model()->index(row + last - first, 0));
        mfgCh_->selectionModel()->select(block,
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// ------------------------------------------------------------------ find

frmFind& frmMain::FindDialog() {
    if (!findDialog_) findDialog_ = new frmFind(this);
    return *findDialog_;
}

void frmMain::FindCommand(bool next) {
    if (!next || findText_.isEmpty()) {
        frmFind& dialog = FindDialog();
        dialog.Prepare(findText_);
        dialog.adjustSize();
        CentreDialogOver(dialog, *this);
        KeepDialogOnScreen(dialog);
        {
            const FlagScope modal(modalFlag_);
            Dialogs().ShowModal(dialog);
        }
        if (!dialog.Chosen()) return;
        findText_ = dialog.Text();
        next = false;  // a new text is searched from the top
    }
    const FindResult found = model_->FindChannel(findText_.toStdString(), next ? curTreeKey_ : -1,
                                                 next ? CurChNo() : -1);
    if (!found.found) {
        // The cursor stays where it was.
        MsgBoxOk(FindNotFoundText(findText_.toStdString()), this);
        return;
    }
    ShowChannel(found.place.key, found.place.row);
    if (found.wrapped) {
        statusBar()->showMessage(CoreText(QString::fromLatin1(kFindWrappedText)));
    } else {
        statusBar()->clearMessage();
    }
}

void frmMain::ShowChannel(int key, int row) {
    for (QTreeWidgetItemIterator it(trvChList_); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() != key) continue;
        trvChList_->setCurrentItem(*it);
        break;
    }
    WindowUpkeep();  // the grid follows the tree at once
    if (key != curTreeKey_ || row < 0 || row >= mfgCh_->rowCount()) return;
    SetCursorRow(row);
    mfgCh_->setFocus(Qt::OtherFocusReason);
}
