// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Cloning menu as one controller, shared by the window program and the
// command-line tool: read the receiver's memory, write it back, ask for the
// receiver's identification, and the initial setup's identification that
// teaches the program the receiver's version. It protects the document (the
// image is backed up before every clone, put back when a read fails and
// after every write), turns every failure into the one message that names
// its cause, and keeps the progress display current.
//
// A write can be verified: a clone read of the same receiver follows it at
// once, under the same progress display, and what it brings is compared
// with what was written. The document is not touched by that read, and no
// backup is made of it.
//
// Nothing here blocks. A command starts the clone sequence and returns; the
// serial service's tick drives it through task() (install task() as the
// service's main task and MsgBoxCloneErr() as its error report). When the
// sequence ends, task() closes the progress display and finishes the
// command: decoding, restoring, messages, and the finished callback.

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/command_ui.h"
#include "clone/acf3_sequence.h"
#include "clone/write_verify.h"
#include "file/document_commands.h"
#include "model/master.h"

class ReadBackups;

enum class CloneCommand : int {
    None = 0,
    Read,          // Cloning > Read <- Receiver
    Write,         // Cloning > Write -> Receiver
    Information,   // Cloning > Information...
    InitialSetup,  // the initial setup's identification
};

class CloneCommands {
  public:
    static constexpr const char* kReceiver = "receiver";
    static constexpr int kMinPort = 1;
    static constexpr int kMaxPort = 4;

    // The sequence's failure report is taken over by this controller.
    CloneCommands(clsCmcAcf3Sequence& sequence, clsRigQ5_Master& master, DocumentCommands& document,
                  CommandUi& ui);
    CloneCommands(const CloneCommands&) = delete;
    CloneCommands& operator=(const CloneCommands&) = delete;

    // The chosen COM slot, always 1..4.
    int ComPortNo() const { return comPortNo_; }
    void ComPortNo(int port);
    // A device path used instead of the slot's device (a pseudo-terminal, or
    // a port named on the command line); empty for none.
    const std::string& ComDevice() const { return comDevice_; }
    void ComDevice(const std::string& path) { comDevice_ = path; }

    // Set by every failure report; cleared when a command starts.
    bool LastCloneError() const { return lastCloneError_; }
    void LastCloneError(bool value) { lastCloneError_ = value; }

    // The commands. Each returns True when the operation was started; False
    // when the user declined the question or another command still runs.
    bool Read();
    bool Write();
    bool Information();
    // Identification on the given slot 1..4 (0 keeps the chosen slot or
    // device). On success the version matrix and initial image are the
    // receiver's, the memory map is reset for them, and the slot becomes
    // the chosen one.
    bool InitialSetup(int port = 0);

    // Stops a clone read or information at once: the port is closed and
    // the document is left as a failed read leaves it, without a message.
    // A write is never stopped: once its data frames go out, a half
    // written receiver is worse than a finished one; the read that
    // verifies it may be, the write having succeeded. The initial setup
    // keeps its own dialog. Returns True when a command was stopped.
    bool Cancel();
    // Whether the last command ended by Cancel.
    bool Cancelled() const { return cancelled_; }

    // Every image a read brings is saved here before it is decoded (none:
    // nullptr). A copy that cannot be written does not fail the read; the
    // path of the last copy is empty then.
    void Backups(ReadBackups* backups) { backups_ = backups; }
    const std::string& LastBackupFile() const { return lastBackupFile_; }

    // Whether a successful clone write is followed at once by a clone read
    // of the same receiver that is compared with what was written.
    bool VerifyAfterWrite() const { return verifyAfterWrite_; }
    void VerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    // True while the read that verifies a write runs.
    bool Verifying() const { return verifying_; }

    // The command in progress (None when idle).
    CloneCommand Running() const { return running_; }
    bool Busy() const { return running_ != CloneCommand::None; }
    // Called when a command has ended: the command and whether it succeeded.
    void onFinished(std::function<void(CloneCommand, bool)> callback) {
        finished_ = std::move(callback);
    }
    // The identification answer's comment after Information (16 characters).
    const std::string& ReceiverComment() const { return comment_; }

    // The main window's part of the serial tick: one step of the sequence,
    // the progress display, and the end of a command.
    void task();
    // The failure report: the message for the sequence's state, the
    // progress display closed, the sequence and port reset, the message
    // shown. Also the serial service's report of a port-level error.
    void MsgBoxCloneErr();

    // The texts of the commands.
    static std::string ReadEditedQuestion();
    static std::string WriteQuestion();
    static std::string WriteSucceededText();
    // The success message of a write whose memory was read back the same.
    static std::string WriteVerifiedText();
    // The read back differs: how many bytes and where (at most
    // kMaxVerifyPlaces places, then how many more).
    static std::string VerifyFailedText(const WriteVerifyResult& result);
    static constexpr std::size_t kMaxVerifyPlaces = 20;
    // Channels in use that the write would blank, their frequency being
    // outside the receiver's coverage (at most kMaxVerifyPlaces, then how
    // many more): the list, then the window program's question.
    static std::string BlankedByWriteText(const std::vector<std::string>& places);
    static std::string WriteBlanksQuestion(const std::vector<std::string>& places);
    // The read back failed: the write's success, then the failure's text.
    static std::string VerifyReadFailedText(const std::string& failure);
    static std::string VerifyCancelledText();
    // The two halves of the progress display of a verified write.
    static std::string WriteProgressLabel();
    static std::string VerifyProgressLabel();
    // The one line of csq5-cli read: the file the image was saved in and
    // its backup copy (empty: none could be written).
    static std::string ReadSavedText(const std::string& file, const std::string& backupFile);
    static std::string InformationTitle();
    // "Model : RX-Q5", an empty line, "Comment : " and the 16 characters of
    // the identification answer's bytes 8-23 (unprintable bytes as blanks).
    static std::string InformationText(const ByteStr& answer);
    static std::string CommentOfAnswer(const ByteStr& answer);
    // The status note of a successful read: its local time and where its
    // copy went (backupFile), or that none could be written in
    // backupFolder; both empty when reads are not copied.
    static std::string ReadDoneText(const std::tm& local, const std::string& backupFile,
                                    const std::string& backupFolder);
    // The version an initial setup learned, with the values as the
    // command-line tool and the simulator take them, and where it is kept.
    static std::string SetupDoneText(const clsRigQ5_Matrix& matrix, const std::string& profileFile);

  private:
    void Begin(CloneCommand command);
    void Finish();
    // A write has succeeded: the read that verifies it starts.
    void StartVerify();
    void ResetSequence();
    void CloseProgress();

    clsCmcAcf3Sequence& seq_;
    clsRigQ5_Master& master_;
    DocumentCommands& doc_;
    CommandUi& ui_;
    int comPortNo_ = 1;
    std::string comDevice_;
    int setupPort_ = 0;
    bool lastCloneError_ = false;
    CloneCommand running_ = CloneCommand::None;
    bool finishing_ = false;
    bool cancelled_ = false;
    // Whether the document counted as edited when the write started.
    bool editedBeforeWrite_ = false;
    ReadBackups* backups_ = nullptr;
    std::string lastBackupFile_;
    bool progressShown_ = false;
    bool verifyAfterWrite_ = false;
    bool verifyThisWrite_ = false;
    bool verifying_ = false;
    // The image as it went to the receiver, for the verifying read.
    clsCmcEeprom written_;
    std::string comment_;
    std::function<void(CloneCommand, bool)> finished_;
};
