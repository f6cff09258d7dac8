// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool ClosedToOthers(const struct stat& st, uid_t user) {
    return S_ISDIR(st.st_mode) && st.st_uid == user && (st.st_mode & 077) == 0;
}

// A folder whose entries no other user can rename or remove: owned by the
// user or by the system, and writable by no one else unless only owners
// may remove entries (the sticky bit, as on /tmp).
bool ChangeableByUserOrSystemOnly(const fs::path& folder, uid_t user) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (st.st_uid != user && st.st_uid != 0) return false;
    return (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (st.st_mode & S_ISVTX) != 0;
}

std::string OwnStateFolder(const char* stateHome, const char* home, uid_t user) {
    fs::path base;
    if (stateHome != nullptr && stateHome[0] == '/') {
        base = stateHome;
    } else if (home != nullptr && home[0] == '/') {
        base = fs::path(home) / ".local" / "state";
    } else {
        return std::string();
    }
    const fs::path folder = (base / "CS-Q5").lexically_normal();
    // Create what is missing, each new level closed to others.
    fs::path at;
    for (const fs::path& part : folder) {
        at /= part;
        if (::mkdir(at.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
    }
    // No one else may swap the folder for another once it is checked.
    for (fs::path up = folder.parent_path(); !up.empty(); up = up.parent_path()) {
        if (!ChangeableByUserOrSystemOnly(up, user)) return std::string();
        if (up == up.root_path()) break;
    }
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) return std::string();
    // The user's own folder, opened by hand perhaps: closed again.
    if (S_ISDIR(st.st_mode) && st.st_uid == user && (st.st_mode & 077) != 0 &&
        (::chmod(folder.c_str(), 0700) != 0 || ::lstat(folder.c_str(), &st) != 0))
        return std::string();
    if (!ClosedToOthers(st, user)) return std::string();
    return folder.string();
}

}  // namespace

std::string InstanceFolder(const char* runtimeDir, const char* stateHome, const char* home,
                           uid_t user) {
    if (runtimeDir != nullptr && runtimeDir[0] == '/') {
        struct stat st {};
        if (::stat(runtimeDir, &st) == 0 && ClosedToOthers(st, user)) return runtimeDir;
    }
    return OwnStateFolder(stateHome, home, user);
}
