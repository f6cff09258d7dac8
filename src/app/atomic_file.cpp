// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// The temporary file's name: hidden, beside the target, unique per process
// and attempt, so two programs saving the same file never share one:
// ".NAME.tmpPID-SERIAL-ATTEMPT".
std::string TempPrefixFor(const fs::path& target) {
    return "." + target.filename().string() + ".tmp";
}

std::string TempNameFor(const fs::path& target, int attempt) {
    static unsigned serial = 0;
    const fs::path folder = target.parent_path();
    const std::string name = TempPrefixFor(target) + std::to_string(static_cast<long>(::getpid())) +
                             "-" + std::to_string(++serial) + "-" + std::to_string(attempt);
    return (folder / name).string();
}

// The process that wrote a temporary file of this target, from its name;
// 0 when the name is not one of ours.
pid_t WriterOf(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    long numbers[3] = {};
    std::size_t at = prefix.size();
    for (int i = 0; i < 3; ++i) {
        const std::size_t start = at;
        while (at < name.size() && at - start < 10 && name[at] >= '0' && name[at] <= '9')
            numbers[i] = numbers[i] * 10 + (name[at++] - '0');
        if (at == start) return 0;
        if (i < 2 && (at >= name.size() || name[at++] != '-')) return 0;
    }
    if (at != name.size() || numbers[0] <= 0 || numbers[0] > INT_MAX) return 0;
    return static_cast<pid_t>(numbers[0]);
}

// A save killed outright (SIGKILL, a crash, power loss) leaves its
// temporary file; the next save of the file removes those whose process no
// longer runs. A process that runs, or that may not be signalled, may still
// be writing its own.
void RemoveLeftoverTempFiles(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = TempPrefixFor(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t writer = WriterOf(name, prefix);
        if (writer == 0 || writer == ::getpid()) continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH) continue;
        ::unlink((folder / name).c_str());
    }
    ::closedir(dir);
}

// The temporary file of the save in progress, for a signal handler: a
// fixed buffer (no allocation in a handler) and a flag set only while the
// name in it is complete.
char gUnfinished[PATH_MAX];
volatile sig_atomic_t gUnfinishedSet = 0;
void (*gHookForTest)() = nullptr;

void NoteUnfinished(const std::string& temp) {
    gUnfinishedSet = 0;
    if (temp.size() >= sizeof gUnfinished) return;
    std::memcpy(gUnfinished, temp.c_str(), temp.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    gUnfinishedSet = 1;
}

void EndOnSignal(int signal) {
    const int saved = errno;
    if (gUnfinishedSet) ::unlink(gUnfinished);
    errno = saved;
    // Ended by the signal itself, so that the caller sees how it ended.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// A new temporary file for the target, open for writing, after the
// leftovers of ended processes are gone; -1 when none can be made. Its name
// is noted for the signal handler before it exists, so that a signal right
// after the open finds it.
int OpenTempFile(const fs::path& target, std::string& temp) {
    RemoveLeftoverTempFiles(target);
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = TempNameFor(target, attempt);
        NoteUnfinished(temp);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) gUnfinishedSet = 0;
    return fd;
}

// The file a path stands for: symbolic links followed, also one whose
// target does not exist yet (the save then creates that target, and the
// link stays). A relative target is taken from the link's own folder. A
// chain too long to be anything but a loop gives an empty path.
fs::path ResolveLinks(fs::path target) {
    constexpr int kMaxLinks = 40;  // as the kernel allows in one lookup
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) return {};
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return {};
}

bool WriteAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes a rename in the target's folder durable: the folder's own entry list
// reaches the disk too.
void SyncFolderOf(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
}

}  // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view content,
                                      bool flushToDisk) {
    if (path.empty()) return kAtomicWriteCannotCreate;
    // Replace what a symbolic link points at, not the link itself.
    const fs::path target = ResolveLinks(fs::path(path));
    if (target.empty() || !target.has_filename()) return kAtomicWriteCannotCreate;

    // The rename would put a plain file in place of whatever is there: only
    // a regular file may be replaced. A device node (/dev/null for a user
    // who can write anything), a named pipe, a socket or a folder is left
    // exactly as it is.
    struct stat old {};
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) return kAtomicWriteCannotCreate;
        if (::access(target.c_str(), W_OK) != 0) return kAtomicWriteCannotCreate;
    }

    std::string temp;
    const int fd = OpenTempFile(target, temp);
    if (fd < 0) return kAtomicWriteCannotCreate;

    bool ok = WriteAll(fd, content);
    if (ok && exists) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && flushToDisk) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok && gHookForTest != nullptr) gHookForTest();
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    gUnfinishedSet = 0;
    if (!ok) return kAtomicWriteFailed;
    if (flushToDisk) SyncFolderOf(target);
    return kAtomicWriteOk;
}

AtomicWriteResult CreateFileAtomically(const std::string& path, std::string_view content) {
    const fs::path target(path);
    if (path.empty() || !target.has_filename()) return kAtomicWriteCannotCreate;
    std::string temp;
    const int fd = OpenTempFile(target, temp);
    if (fd < 0) return kAtomicWriteCannotCreate;
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        ::unlink(temp.c_str());
        gUnfinishedSet = 0;
        return kAtomicWriteFailed;
    }
    // The name is taken by a rename that refuses to replace; a file system
    // that cannot do that takes it by a hard link, which refuses as well.
    int taken = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
    if (taken != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
        taken = ::link(temp.c_str(), target.c_str());
        const int linkErrno = errno;
        ::unlink(temp.c_str());
        errno = linkErrno;
    }
    if (taken != 0) {
        const bool clash = errno == EEXIST;
        ::unlink(temp.c_str());
        gUnfinishedSet = 0;
        return clash ? kAtomicWriteTaken : kAtomicWriteFailed;
    }
    gUnfinishedSet = 0;
    SyncFolderOf(target);
    return kAtomicWriteOk;
}

void RemoveUnfinishedSaveOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction now {};
        if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler == SIG_IGN) continue;
        struct sigaction handler {};
        handler.sa_handler = EndOnSignal;
        sigemptyset(&handler.sa_mask);
        ::sigaction(signal, &handler, nullptr);
    }
}

void SetAtomicWriteHookForTest(void (*hook)()) {
    gHookForTest = hook;
}
