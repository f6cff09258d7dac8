// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/clone_commands.h"

#include <algorithm>
#include <ctime>

#include "app/common.h"
#include "clone/clone_messages.h"
#include "file/read_backups.h"
#include "model/document_copy.h"
#include "model/undo_history.h"
#include "model/write_blanking.h"

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kModelName = "RX-Q5";
// The receiver's comment in the identification answer: bytes 8 to 23
// (counting from 1 at the destination address).
constexpr std::size_t kAnswerCommentFirst = 7;
constexpr std::size_t kAnswerCommentLength = 16;

// One place a line, at most max of them, then how many more.
std::string PlaceLines(const std::vector<std::string>& places, std::size_t max) {
    std::string text;
    const std::size_t shown = std::min(places.size(), max);
    for (std::size_t i = 0; i < shown; ++i) text += kCrLf + places[i];
    if (places.size() > shown)
        text += std::string(kCrLf) + "and " + std::to_string(places.size() - shown) + " more.";
    return text;
}

}  // namespace

CloneCommands::CloneCommands(clsCmcAcf3Sequence& sequence, clsRigQ5_Master& master,
                             DocumentCommands& document, CommandUi& ui)
    : seq_(sequence), master_(master), doc_(document), ui_(ui) {
    seq_.failureReport([this](clsCmcAcf3Sequence&) { MsgBoxCloneErr(); });
}

void CloneCommands::ComPortNo(int port) {
    comPortNo_ = LimitInt(port, kMinPort, kMaxPort);
}

std::string CloneCommands::ReadEditedQuestion() {
    return std::string("Read from ") + kReceiver + ", Data has been edited.";
}

std::string CloneCommands::WriteQuestion() {
    return std::string("Write to ") + kReceiver + ".";
}

std::string CloneCommands::WriteSucceededText() {
    return std::string("Clone writing succeeded.") + kCrLf + kCrLf + "Turn the " + kReceiver +
           " power off and on to use" + kCrLf + "the " + kReceiver + " under its new conditions.";
}

std::string CloneCommands::WriteVerifiedText() {
    return WriteSucceededText() + kCrLf + kCrLf +
           "The receiver's memory was verified: it holds what was written.";
}

std::string CloneCommands::VerifyFailedText(const WriteVerifyResult& result) {
    const int n = result.differingBytes;
    std::string text = std::string("Verify after write failed.") + kCrLf + kCrLf +
                       std::to_string(n) + (n == 1 ? " byte" : " bytes") +
                       " of the receiver's memory " + (n == 1 ? "differs" : "differ") +
                       " from what was written, in:" + PlaceLines(result.places, kMaxVerifyPlaces);
    return text + kCrLf + kCrLf + "Write again, and check the cloning cable connections.";
}

std::string CloneCommands::BlankedByWriteText(const std::vector<std::string>& places) {
    const std::size_t n = places.size();
    return std::to_string(n) + (n == 1 ? " channel is" : " channels are") +
           " outside the frequency coverage of the " + kReceiver +
           " and would be written blank:" + PlaceLines(places, kMaxVerifyPlaces);
}

std::string CloneCommands::WriteBlanksQuestion(const std::vector<std::string>& places) {
    return BlankedByWriteText(places) + kCrLf + kCrLf + "Write anyway?";
}

std::string CloneCommands::VerifyReadFailedText(const std::string& failure) {
    return std::string(
               "Clone writing succeeded, but reading the memory back to verify it "
               "failed.") +
           kCrLf + kCrLf + failure;
}

std::string CloneCommands::VerifyCancelledText() {
    return WriteSucceededText() + kCrLf + kCrLf +
           "The receiver's memory was not verified: verifying was cancelled.";
}

std::string CloneCommands::WriteProgressLabel() {
    return std::string("Writing to the ") + kReceiver + "...";
}

std::string CloneCommands::VerifyProgressLabel() {
    return std::string("Reading back to verify...");
}

std::string CloneCommands::ReadDoneText(const std::tm& local, const std::string& backupFile,
                                        const std::string& backupFolder) {
    const std::string done = "Clone read at " + BackupTimeText(BackupStamp(local));
    if (!backupFile.empty()) return done + "; backup copy: " + backupFile;
    if (!backupFolder.empty()) return done + "; no backup copy could be written in " + backupFolder;
    return done + ".";
}

std::string CloneCommands::ReadSavedText(const std::string& file, const std::string& backupFile) {
    return "Clone read saved as " + file +
           (backupFile.empty() ? "; no backup copy." : "; backup copy: " + backupFile);
}

std::string CloneCommands::SetupDoneText(const clsRigQ5_Matrix& m, const std::string& profileFile) {
    const std::string ver = std::to_string(m.MtxVerNo());
    return "Receiver version " + ver + " (--ver " + ver + " --am " + std::to_string(m.MtxAmOk()) +
           " --exp " + std::to_string(m.MtxExpOn()) + " --celler " +
           std::to_string(m.MtxCellerNg()) + " --fmtv " + std::to_string(m.MtxFmTvOk()) +
           " --tvow " + std::to_string(m.MtxTvOwNo()) + ") stored in " + profileFile;
}

std::string CloneCommands::InformationTitle() {
    return "Information";
}

std::string CloneCommands::CommentOfAnswer(const ByteStr& answer) {
    std::string comment;
    for (std::size_t i = 0; i < kAnswerCommentLength; ++i) {
        const std::size_t at = kAnswerCommentFirst + i;
        const int code = at < answer.size() ? answer[at] : ' ';
        comment += (code < 32 || code > 126) ? ' ' : static_cast<char>(code);
    }
    return comment;
}

std::string CloneCommands::InformationText(const ByteStr& answer) {
    return std::string("Model : ") + kModelName + kCrLf + kCrLf +
           "Comment : " + CommentOfAnswer(answer);
}

bool CloneCommands::Read() {
    if (Busy() || seq_.OpRunning()) return false;
    clsCmcRadio& radio = master_.Radio();
    if (radio.EditOn() && !ui_.AskOkCancel(ReadEditedQuestion())) return false;
    lastCloneError_ = false;
    master_.WriteToEep();
    radio.Eep_Backup();
    ResetSequence();
    seq_.easyCloneRead();
    Begin(CloneCommand::Read);
    return true;
}

bool CloneCommands::Write() {
    if (Busy() || seq_.OpRunning()) return false;
    if (!ui_.AskOkCancel(WriteQuestion())) return false;
    // The receiver would get these channels blank; nobody loses a channel
    // without being told which.
    const std::vector<std::string> blanked = ChannelsBlankedByWrite(master_);
    if (!blanked.empty() && !ui_.AllowBlanking(WriteBlanksQuestion(blanked), blanked)) return false;
    clsCmcRadio& radio = master_.Radio();
    lastCloneError_ = false;
    editedBeforeWrite_ = radio.EditOn();
    master_.WriteToEep();
    radio.Eep_Backup();
    master_.WriteToEep();
    ResetSequence();
    // The identification check prepares the image for the receiver; the
    // backup puts the document back afterwards.
    seq_.easyCloneWrite();
    Begin(CloneCommand::Write);
    return true;
}

bool CloneCommands::Information() {
    if (Busy() || seq_.OpRunning()) return false;
    lastCloneError_ = false;
    comment_.clear();
    ResetSequence();
    seq_.easyCloneInfo();
    Begin(CloneCommand::Information);
    return true;
}

bool CloneCommands::InitialSetup(int port) {
    if (Busy() || seq_.OpRunning()) return false;
    lastCloneError_ = false;
    setupPort_ = (port >= kMinPort && port <= kMaxPort) ? port : 0;
    ResetSequence();
    if (setupPort_ != 0) {
        seq_.easyReset(setupPort_);
        seq_.ComDevice(std::string());
    }
    seq_.easyCloneInitInfo();
    Begin(CloneCommand::InitialSetup);
    return true;
}

void CloneCommands::ResetSequence() {
    seq_.easyReset(comPortNo_);
    seq_.ComDevice(comDevice_);
}

void CloneCommands::Begin(CloneCommand command) {
    running_ = command;
    cancelled_ = false;
    lastBackupFile_.clear();
    verifyThisWrite_ = command == CloneCommand::Write && verifyAfterWrite_;
    verifying_ = false;
    progressShown_ = true;
    ui_.ProgressCancelable(command == CloneCommand::Read || command == CloneCommand::Information);
    ui_.ProgressLabel(verifyThisWrite_ ? WriteProgressLabel() : std::string());
    ui_.ProgressShow();
}

void CloneCommands::StartVerify() {
    // What went to the receiver: the document prepared for it, still in
    // the working image. The read brings the receiver's memory into the
    // working image too; the document's own image comes back from the
    // backup when the command ends, as after any write.
    written_.CopyFrom(master_.Radio().eepImage);
    verifying_ = true;
    if (progressShown_) ui_.ProgressValue(kCloneProgressMaximum / 2);
    ui_.ProgressLabel(VerifyProgressLabel());
    ui_.ProgressCancelable(true);
    ResetSequence();
    seq_.easyCloneReadBack();
}

void CloneCommands::task() {
    seq_.task();
    if (!Busy() || finishing_) return;
    if (seq_.OpRunning()) {
        int value = CloneProgressValue(seq_.drv());
        // One bar for a verified write: the write fills its first half,
        // the read back the second.
        if (verifyThisWrite_) value = (verifying_ ? kCloneProgressMaximum / 2 : 0) + value / 2;
        ui_.ProgressValue(value);
        return;
    }
    // The sequence has ended. A port-level fault seen in this very tick (a
    // receive overflow that closed the port under a finishing read) makes
    // the command a failure, even if the sequence's own checks passed.
    if (!lastCloneError_ && seq_.com().totalError()) MsgBoxCloneErr();
    Finish();
}

bool CloneCommands::Cancel() {
    if (!Busy() || finishing_) return false;
    const bool readBack = running_ == CloneCommand::Write && verifying_;
    if (running_ != CloneCommand::Read && running_ != CloneCommand::Information && !readBack)
        return false;
    // Ends the exchange where it stands and closes the port; the sequence
    // reports no failure after this, so no message is shown.
    seq_.easyReset(seq_.ComPortNo());
    lastCloneError_ = true;
    cancelled_ = true;
    Finish();
    return true;
}

void CloneCommands::MsgBoxCloneErr() {
    std::string text = CloneFailureText(CloneFailureOf(seq_));
    // The write itself went through; only its check did not.
    if (verifying_ && !text.empty()) text = VerifyReadFailedText(text);
    lastCloneError_ = true;
    CloseProgress();
    seq_.easyReset(seq_.ComPortNo());
    if (!text.empty()) ui_.ShowError(text);
}

void CloneCommands::CloseProgress() {
    if (!progressShown_) return;
    progressShown_ = false;
    ui_.ProgressClose();
}

void CloneCommands::Finish() {
    finishing_ = true;
    const CloneCommand command = running_;
    bool ok = !lastCloneError_;
    const ByteStr answer = seq_.ansInfo();
    if (command == CloneCommand::Write && ok && verifyThisWrite_ && !verifying_) {
        // The progress stays up for the second half.
        StartVerify();
        finishing_ = false;
        return;
    }
    // An operation that ended well ends on the full bar, however its last
    // bytes arrived: the last data frame and the end frame in one piece
    // leave no tick in between to show it.
    if (ok && progressShown_) ui_.ProgressValue(kCloneProgressMaximum);
    CloseProgress();
    // Every command ends with the port closed.
    ResetSequence();

    clsCmcRadio& radio = master_.Radio();
    switch (command) {
        case CloneCommand::Read:
            if (ok) {
                // The copy is named by the time the read ended.
                const std::time_t readTime = std::time(nullptr);
                // The copy holds what File > Save would write right now, the
                // TV channels as picture carriers: opened and written back,
                // it gives the receiver exactly the memory it had. It is
                // made on a copy of the document, which keeps the image as
                // received until its records are next stored.
                if (backups_) {
                    DocumentCopy copy(master_);
                    copy.Take(radio.eepImage, clsRigQ5_Master::kReceiverForm);
                    copy.master.WriteToEep();
                    lastBackupFile_ = backups_->Save(copy.radio, readTime);
                }
                if (doc_.History()) doc_.History()->Clear();
                radio.EditOn(true);
                doc_.NoFileName();
                // The receiver keeps TV sound carriers; the records hold
                // picture carriers.
                master_.ReadFromEep(clsRigQ5_Master::kReceiverForm);
                // A read has no message of its own, and the grid may look
                // as before: say that it happened and where its copy is.
                ui_.ShowStatus(ReadDoneText(LocalTime(readTime), lastBackupFile_,
                                            backups_ ? backups_->Folder() : std::string()));
            } else {
                radio.Eep_Restore();
                master_.ReadFromEep(clsRigQ5_Master::kProgramForm);
            }
            ui_.DispChList();
            break;
        case CloneCommand::Write:
            if (!verifying_) {
                if (ok) ui_.ShowNotice(WriteSucceededText());
            } else if (cancelled_) {
                ui_.ShowNotice(VerifyCancelledText());
            } else if (ok) {
                // The working image holds what the receiver gave back.
                const WriteVerifyResult verify =
                    VerifyWrittenImage(master_, written_, radio.eepImage);
                if (verify.Verified()) {
                    ui_.ShowNotice(WriteVerifiedText());
                } else {
                    lastCloneError_ = true;
                    ok = false;
                    ui_.ShowError(VerifyFailedText(verify));
                }
            }  // a failed read back has given its message
            // The preparation for the receiver is undone: the document is
            // as it was before the write, its edit flag too, which a look
            // at the prepared image during the write (the window's caption)
            // would have latched.
            radio.Eep_Restore();
            master_.ReadFromEep(clsRigQ5_Master::kProgramForm);
            radio.EditOn(editedBeforeWrite_);
            ui_.DispChList();
            break;
        case CloneCommand::Information:
            if (ok) {
                comment_ = CommentOfAnswer(answer);
                ui_.ShowInformation(InformationTitle(), InformationText(answer));
            }
            ui_.DispChList();
            break;
        case CloneCommand::InitialSetup:
            if (ok) {
                if (setupPort_ != 0) ComPortNo(setupPort_);
                master_.Reset();
                // Steps of another version's image cannot be gone back to.
                if (doc_.History()) doc_.History()->Clear();
                ui_.ResetViews();
            }
            break;
        case CloneCommand::None:
            break;
    }
    running_ = CloneCommand::None;
    verifyThisWrite_ = false;
    verifying_ = false;
    finishing_ = false;
    if (finished_) finished_(command, ok);
}
