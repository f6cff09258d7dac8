// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/private_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace fs = std::filesystem;

// With no runtime folder the lock and the socket went to the shared
// temporary folder, where another user could create them first.
TEST(InstanceFolder, OnlyAFolderNoOtherUserCanWriteOrReplace) {
    enum Setup { Nothing, RunOpen, OwnOpened, Link, File, StateOpen, OtherUser };
    const struct {
        Setup setup;
        bool runtime;
        const char* state;     // "/x": below the test folder; nullptr: unset
        const char* expected;  // below the test folder; "": none
    } cases[] = {
        {Nothing, true, "/state", "run"},
        {RunOpen, true, "/state", "state/CS-Q5"},
        {Nothing, false, nullptr, "home/.local/state/CS-Q5"},
        {Nothing, false, "state", "home/.local/state/CS-Q5"},  // relative: not taken
        {OwnOpened, false, "/state", "state/CS-Q5"},           // closed again
        {Link, false, "/state", ""},
        {File, false, "/state", ""},
        {StateOpen, false, "/state", ""},  // others could swap the folder
        {OtherUser, true, "/state", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.setup << " " << c.expected);
        TempDir dir;
        const fs::path& root = dir.path();
        fs::create_directories(root / "home");
        fs::create_directories(root / "state");
        ::mkdir((root / "run").c_str(), c.setup == RunOpen ? 0755 : 0700);
        if (c.setup == OwnOpened) fs::create_directory(root / "state/CS-Q5");
        if (c.setup == Link) fs::create_directory_symlink(root / "run", root / "state/CS-Q5");
        if (c.setup == File) std::ofstream(root / "state/CS-Q5") << "x";
        if (c.setup == StateOpen || c.setup == OwnOpened)
            ::chmod((root / (c.setup == StateOpen ? "state" : "state/CS-Q5")).c_str(), 0777);
        const std::string state = (c.state && c.state[0] == '/' ? root.string() : "") +
                                  (c.state ? c.state : ""),
                          run = (root / "run").string(), home = (root / "home").string();
        const std::string got =
            InstanceFolder(c.runtime ? run.c_str() : nullptr, c.state ? state.c_str() : nullptr,
                           home.c_str(), ::getuid() + (c.setup == OtherUser ? 1 : 0));
        EXPECT_EQ(got, c.expected[0] ? (root / c.expected).string() : "");
        struct stat st {};
        if (!got.empty()) {
            EXPECT_TRUE(::lstat(got.c_str(), &st) == 0 && (st.st_mode & 0777) == 0700);
        }
    }
    EXPECT_EQ(InstanceFolder("relative", "", nullptr, ::getuid()), "");
}
