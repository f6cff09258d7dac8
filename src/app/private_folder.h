// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window program keeps the files by which its copies find each
// other: the single-instance lock and the socket over which a later start
// hands a data file to the copy that runs. Whoever can create those first
// decides whether the user's program starts and receives the names of the
// files the user opens, so they live only in a folder no one else can
// write to: never in the shared temporary folder.

#include <sys/types.h>

#include <string>

// The user's runtime folder when it is set, is a folder owned by the user
// and is closed to group and others. Otherwise "CS-Q5" in the user's state
// folder ($XDG_STATE_HOME, else ~/.local/state), created with mode 0700 as
// needed and checked: a real folder (no symbolic link) owned by the user,
// closed to group and others, inside folders that only the user or the
// system can change. Empty when there is no such folder: the program then
// runs without a lock and without the hand-over.
std::string InstanceFolder(const char* runtimeDir, const char* stateHome, const char* home,
                           uid_t user);
