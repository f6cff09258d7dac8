// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file on disk in one step. The data file and the profile are
// written into a temporary file beside the target, flushed to the disk, and
// only then renamed over the target, so a failure part way (full disk, lost
// power, a file size limit) leaves the old file as it was and no stray
// temporary file behind.

#include <string>
#include <string_view>

enum AtomicWriteResult : int {
    kAtomicWriteOk = 0,
    kAtomicWriteCannotCreate = 1,  // nothing written: folder missing, target a folder or read-only
    kAtomicWriteFailed = 2,        // writing, flushing or the final rename failed
};

// Writes content as the whole new file at path. An existing file keeps its
// permission bits; a symbolic link is followed and its target replaced. A
// read-only existing file is refused, as opening it for writing would be.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view content,
                                      bool flushToDisk = true);
