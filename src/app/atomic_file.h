// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file on disk in one step. The data file and the profile are
// written into a temporary file beside the target, flushed to the disk, and
// only then renamed over the target, so a failure part way (full disk, lost
// power, a file size limit) leaves the old file as it was and no stray
// temporary file behind. A temporary file that a killed process could not
// remove is removed by the next save of the same file.

#include <string>
#include <string_view>

enum AtomicWriteResult : int {
    kAtomicWriteOk = 0,
    // Nothing written: folder missing, target read-only or not a regular file.
    kAtomicWriteCannotCreate = 1,
    // Writing, flushing or the final rename failed.
    kAtomicWriteFailed = 2,
    // CreateFileAtomically only: another file already has the name.
    kAtomicWriteTaken = 3,
};

// Writes content as the whole new file at path. An existing file keeps its
// permission bits; a symbolic link is followed and its target replaced (or
// created, when the link dangles). Only a regular file or nothing may be at
// the target: a folder, device node, named pipe or socket is refused and
// left as it is, as is a read-only file, as opening it for writing would be.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view content,
                                      bool flushToDisk = true);

// Writes content as a new file at path, which must not exist: the complete
// file appears under its name in one step or not at all, and a file that
// another process puts there first, even a moment before, is never
// replaced (kAtomicWriteTaken; nothing of ours is left behind).
AtomicWriteResult CreateFileAtomically(const std::string& path, std::string_view content);

// A save that a signal ends part way must not leave its temporary file:
// handlers for SIGINT, SIGTERM and SIGHUP remove the temporary file of the
// save in progress, then end the process by the same signal (a shell sees
// the usual status 128 + N). A signal the caller ignores stays ignored. For
// a process that saves from one thread.
void RemoveUnfinishedSaveOnSignals();

// For tests: called when the temporary file is written, before the rename.
void SetAtomicWriteHookForTest(void (*hook)());
