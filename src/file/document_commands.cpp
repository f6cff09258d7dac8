// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/document_commands.h"

#include <filesystem>

#include "app/common.h"
#include "app/recent_file.h"
#include "file/acf_file.h"
#include "model/document_copy.h"
#include "model/undo_history.h"

namespace {

std::string ProcessCurrentDir() {
    std::error_code ec;
    const auto dir = std::filesystem::current_path(ec);
    return ec ? std::string() : dir.string();
}

std::string TitleOf(const std::string& path) {
    const std::size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

DocumentCommands::DocumentCommands(clsRigQ5_Master& master, CommandUi& ui)
    : master_(master), ui_(ui), curDir_(ProcessCurrentDir()) {}

void DocumentCommands::NoFileName() {
    fileTitle_ = kUntitled;
    fileName_.clear();
}

void DocumentCommands::SetCurDir(const std::string& path, const std::string& separator) {
    const std::size_t cut = separator.empty() ? std::string::npos : path.rfind(separator);
    curDir_ = cut == std::string::npos ? std::string() : path.substr(0, cut);
    if (curDir_.empty()) curDir_ = ProcessCurrentDir();
}

std::string DocumentCommands::SaveChangesPrompt(bool reopening) const {
    return reopening ? "Save changes ?" : "Save changes to " + fileTitle_ + " ?";
}

void DocumentCommands::New() {
    master_.init_Reload();
    if (history_) history_->Clear();
    master_.Radio().EditOn(false);
    NoFileName();
    ui_.DispChList();
}

int DocumentCommands::LoadImage(const std::string& path) {
    clsCmcRadio& radio = master_.Radio();
    master_.WriteToEep();
    radio.Eep_Backup();
    ui_.WaitCursor(true);
    const int code = AcfFileLoad(radio, path);
    ui_.WaitCursor(false);
    if (code != kAcfOk) {
        ui_.ShowError(explainOpenFailures_ ? AcfFileErrorExplained(code, path)
                                           : AcfFileErrorMessage(code, path));
        radio.Eep_Restore();
        master_.ReadFromEep(clsRigQ5_Master::kProgramForm);
    }
    return code;
}

int DocumentCommands::Load(const std::string& path) {
    return Adopt(path, false);
}

int DocumentCommands::OpenUntitled(const std::string& path) {
    return Adopt(path, true);
}

int DocumentCommands::Adopt(const std::string& path, bool untitled) {
    const int code = LoadImage(path);
    if (code != kAcfOk) return code;
    if (untitled) {
        NoFileName();
    } else {
        MakeCurrent(path);
    }
    master_.ReadFromEep(clsRigQ5_Master::kProgramForm);
    master_.WriteToEep();
    if (history_) history_->Clear();
    // An untitled copy (a backup) has not been saved anywhere yet.
    master_.Radio().EditOn(untitled);
    ui_.DispChList();
    return kAcfOk;
}

int DocumentCommands::Save(const std::string& path) {
    master_.WriteToEep();
    ui_.WaitCursor(true);
    const int code = AcfFileSave(master_.Radio(), master_.CommonObj().Comment(), path);
    ui_.WaitCursor(false);
    if (code != kAcfOk) {
        ui_.ShowError(AcfFileErrorMessage(code, path));
        return code;
    }
    MakeCurrent(path);
    master_.Radio().EditOn(false);
    return kAcfOk;
}

void DocumentCommands::MakeCurrent(const std::string& path) {
    fileName_ = path;
    fileTitle_ = TitleOf(path);
    SetCurDir(path);
    if (recent_) recent_->AddItem(fileName_, fileTitle_);
}

std::string AcfImageText(const clsCmcRadio& doc, const clsCmcEeprom& image) {
    clsCmcRadio copy;
    CopyRadioShape(doc, copy);
    copy.eepImage.CopyFrom(image);
    const clsRigQ5_Common common(copy);
    return AcfFileText(copy, common.Comment());
}

int AcfImageSave(const clsCmcRadio& doc, const clsCmcEeprom& image, const std::string& path) {
    return SaveFileText(path, AcfImageText(doc, image));
}

int LoadDocumentCopy(DocumentCopy& copy, const std::string& path) {
    // A file that cannot be used leaves the copy's image and records as they were.
    copy.radio.Eep_Backup();
    const int code = AcfFileLoad(copy.radio, path);
    if (code != kAcfOk) {
        copy.radio.Eep_Restore();
        return code;
    }
    copy.master.ReadFromEep(clsRigQ5_Master::kProgramForm);
    return code;
}
