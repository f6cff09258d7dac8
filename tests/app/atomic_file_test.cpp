// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "file_text.h"
#include "temp_dir.h"

namespace {

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

int gSignal = 0;

}  // namespace

// A save killed part way left ".Y.acf.tmp<pid>-1-0" beside Y.acf for good.
TEST(AtomicFile, ASaveRemovesTheTemporaryFilesOfItsNameLeftByEndedProcesses) {
    TempDir dir;
    const pid_t child = ::fork(), live = child == 0 ? 0 : ::fork();
    if (child == 0) ::_exit(0);
    if (live == 0) ::_exit(::pause());  // another program saving, until it is stopped
    ::waitpid(child, nullptr, 0);
    const std::string dead = ".Y.acf.tmp" + std::to_string(child);
    const std::set<std::string> gone = {dead + "-1-0", dead + "-12-3"};
    // Another process's that may still be writing, another file's, other names.
    std::set<std::string> stay = {"Y.acf", ".Y.acf.tmp" + std::to_string(live) + "-1-0",
                                  ".Z" + dead.substr(2) + "-1-0", dead + "-1", dead + "-1-0.bak"};
    for (const auto& names : {gone, stay})
        for (const std::string& name : names) WriteFile(dir.path() / name, "partial");
    ASSERT_EQ(WriteFileAtomically(dir.file("Y.acf"), "1"), kAtomicWriteOk);  // one byte is a file
    EXPECT_EQ(Names(dir), stay);
    EXPECT_EQ(ReadFile(dir.file("Y.acf")), "1");
    EXPECT_EQ(::waitpid(live, nullptr, WNOHANG), 0) << "the save signalled another program";
    ::kill(live, SIGKILL);
    ::waitpid(live, nullptr, 0);
}

// Ctrl+C, a kill or a closed terminal during a save left its temporary file.
// SIGKILL cannot be caught: the next save removes what it left.
TEST(AtomicFile, ASignalDuringASaveLeavesTheOldFileAndNoTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, -SIGHUP, SIGKILL}) {
        SCOPED_TRACE(signal);  // negative: the caller ignores it
        TempDir dir;
        WriteFile(dir.file("Y.acf"), "old");
        gSignal = std::abs(signal);
        const pid_t child = ::fork();
        if (child == 0) {
            // A shell starting the tests in the background ignores SIGINT for them.
            ::signal(gSignal, signal < 0 ? SIG_IGN : SIG_DFL);
            RemoveUnfinishedSaveOnSignals();
            SetAtomicWriteHookForTest([] { ::raise(gSignal); });
            ::_exit(WriteFileAtomically(dir.file("Y.acf"), "new") == kAtomicWriteOk ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(status, signal < 0 ? 0 : signal) << "ended by the signal itself";
        EXPECT_EQ(ReadFile(dir.file("Y.acf")), signal < 0 ? "new" : "old");
        if (signal == SIGKILL) {
            EXPECT_EQ(Names(dir).size(), 2u);
            ASSERT_EQ(WriteFileAtomically(dir.file("Y.acf"), "again"), kAtomicWriteOk);
        }
        EXPECT_EQ(Names(dir), std::set<std::string>{"Y.acf"});
    }
}
