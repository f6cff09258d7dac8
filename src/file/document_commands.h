// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document as the File menu sees it: which data file it came from or
// was saved to, and the three things the menu does with it: start a new
// document from the receiver version's factory image, load a data file,
// save to one. Loading protects the document: the image is backed up first
// and put back when the file is refused, so a failed load changes nothing.
// Both the window program and the command-line tool run these; the file
// dialogs and the question about unsaved edits stay with the window program.

#include <string>

#include "app/command_ui.h"
#include "model/master.h"

class clsCmcRecentFile;
class DocumentCopy;
class UndoHistory;

class DocumentCommands {
  public:
    static constexpr const char* kUntitled = "Untitled";

    DocumentCommands(clsRigQ5_Master& master, CommandUi& ui);
    DocumentCommands(const DocumentCommands&) = delete;
    DocumentCommands& operator=(const DocumentCommands&) = delete;

    // Every successful load or save is added to this list (none: nullptr).
    void RecentFiles(clsCmcRecentFile* recent) { recent_ = recent; }
    // The document's undo steps (none: nullptr); New, a successful load and
    // a successful clone read start them afresh.
    void History(UndoHistory* history) { history_ = history; }
    UndoHistory* History() const { return history_; }
    // Whether the message of a file that cannot be opened says why, on a
    // line after the file's name (the command line, where no file dialog
    // has shown what is there).
    void ExplainOpenFailures(bool on) { explainOpenFailures_ = on; }

    // Full path of the current data file; empty when there is none.
    const std::string& FileName() const { return fileName_; }
    // The name shown to the user: the file's name without its folder, or
    // "Untitled".
    const std::string& FileTitle() const { return fileTitle_; }
    // Starting folder of the file dialogs: the folder of the last file
    // loaded or saved; the process's current folder at first.
    const std::string& CurDir() const { return curDir_; }
    void CurDir(const std::string& dir) { curDir_ = dir; }

    // Title "Untitled", no file name.
    void NoFileName();
    // Current folder = the part of the path before its last separator; the
    // process's current folder when that is empty.
    void SetCurDir(const std::string& path, const std::string& separator = "/");

    // The question before an edited document is replaced or closed.
    std::string SaveChangesPrompt(bool reopening) const;

    // File > New: the factory image of the receiver version, clean, no file.
    void New();
    // Loads a data file. On success the file is current and the document
    // clean; on failure the program's message is shown and the document is
    // exactly as before. Returns the file result code (0 = loaded).
    int Load(const std::string& path);
    // Opens a backup of a clone read: loaded as a data file is, but left
    // untitled (a save asks for a name, so the backup is never written
    // over) and counting as edited, as after the read it keeps; it joins
    // neither the recent files nor moves the file dialogs' folder. Returns
    // the file result code (0 = loaded).
    int OpenUntitled(const std::string& path);
    // Saves the document to a data file. On success the file is current and
    // the document clean; on failure the message is shown and the edit flag
    // and current file stay. Returns the file result code (0 = saved).
    int Save(const std::string& path);

  private:
    // The load itself: the image backed up first, put back on a failure
    // after the message. Returns the file result code.
    int LoadImage(const std::string& path);
    // A loaded file becomes the document: as the current file, or untitled
    // and edited (a backup to write back or save elsewhere).
    int Adopt(const std::string& path, bool untitled);
    void MakeCurrent(const std::string& path);

    clsRigQ5_Master& master_;
    CommandUi& ui_;
    clsCmcRecentFile* recent_ = nullptr;
    UndoHistory* history_ = nullptr;
    std::string fileName_;
    std::string fileTitle_ = kUntitled;
    std::string curDir_;
    bool explainOpenFailures_ = false;
};

// Saves another image of the document (the initial image, say) in the
// data-file form, exactly as it stands: the document's model names and
// address ranges, the image's own comment. Returns the file result code.
int AcfImageSave(const clsCmcRadio& doc, const clsCmcEeprom& image, const std::string& path);
// The text of that file.
std::string AcfImageText(const clsCmcRadio& doc, const clsCmcEeprom& image);

// Loads a data file into a second document (one to compare with) and
// decodes it. On a failure the copy keeps what it had; the message is the
// caller's to show (AcfFileErrorMessage). Returns the file result code.
int LoadDocumentCopy(DocumentCopy& copy, const std::string& path);
