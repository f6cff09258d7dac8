// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/acf_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "file_text.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A document as the program sets it up with a random working image; the
// format tag (the last 16 bytes) is the initial image's, as the loader wants.
clsCmcRadio MakeDoc(std::uint32_t seed = 7) {
    clsCmcRadio doc;
    PrepareRxQ5Document(doc);
    std::mt19937 gen(seed);
    for (int a = 0; a < 8064; ++a)
        doc.eepImage.WriteByte(
            a, a < 8048 ? static_cast<int>(gen() & 0xFF) : doc.eepInitial.ReadByte(a));
    return doc;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; pos < text.size(); pos = end + 2) {
        end = std::min(text.find("\r\n", pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

}  // namespace

TEST(AcfFile, SavedTextFollowsTheAddressRangesInRecordsOfSixteenBytes) {
    clsCmcRadio doc = MakeDoc();
    doc.eepImage.WriteBlock(0, ByteStr{0x01, 0xAB, 0x00, 0xFF});
    const auto bytes = [&](int adr, int n) {
        return ByteStrToHexStr(doc.eepImage.ReadBlock(adr, n));
    };
    const std::string text = AcfFileText(doc, "my scan setup");
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    auto lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 506u);
    EXPECT_EQ(lines[0], "23040001");
    EXPECT_EQ(lines[1], "#my scan setup");
    EXPECT_EQ(lines[2].substr(0, 14), "00001001AB00FF");
    for (int i = 2; i < 506; ++i)
        ASSERT_EQ(lines[i], Hex4((i - 2) * 16) + "10" + bytes((i - 2) * 16, 16));

    // Ranges in list order, each ending in a short record; an inverted range
    // writes nothing. Control characters cannot break the comment line.
    doc.cloneWriteAdrList_Clear();
    doc.cloneWriteAdrList_Add(0x100, 0x114);
    doc.cloneWriteAdrList_Add(0x50, 0x40);
    doc.cloneWriteAdrList_Add(0x20, 0x20);
    EXPECT_EQ(SplitCrLf(AcfFileText(doc, "\r\nx\ty\x7F~\xC3\xA9")),
              (std::vector<std::string>{"23040001", "#  x y ~\xC3\xA9", "010010" + bytes(0x100, 16),
                                        "011005" + bytes(0x110, 5), "002001" + bytes(0x20, 1)}));
}

TEST(AcfFile, LoaderRulesAndResultCodes) {
    const clsCmcRadio doc = MakeDoc();
    const auto good = SplitCrLf(AcfFileText(doc, "c"));
    const std::string all = JoinCrLf(good);
    auto with = [&](std::size_t index, const std::string& line) {
        auto l = good;
        l[index] = line;
        return JoinCrLf(l);
    };
    std::string lower = all, lfOnly, withComments = "23040001\r\n";
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string mixed;  // lone CRs, then LFs
    for (const auto& l : good) lfOnly += l + "\n";
    for (std::size_t i = 0; i < good.size(); ++i) mixed += good[i] + (i % 4 < 2 ? "\r" : "\n");
    for (std::size_t i = 2; i < good.size(); ++i) withComments += good[i] + "\r\n#\r\n# x\r\n";
    std::string badTag = good.back();  // 1F70, the format tag
    badTag[37] = badTag[37] == '0' ? '1' : '0';
    const std::string huge(3'000'000, 'A');
    const struct {
        const char* name;
        std::string text;
        int expected;
    } cases[] = {
        {"intact", all, kAcfOk},
        {"LF line ends", lfOnly, kAcfOk},
        {"CR and LF line ends mixed", mixed, kAcfOk},
        {"lowercase digits", lower, kAcfOk},
        {"comment lines anywhere", withComments, kAcfOk},
        {"later records overwrite earlier ones", with(1, "#\r\n000803112233"), kAcfOk},
        // Digits past a record's bytes are allowed; they are scanned, not held.
        {"a line far longer than its record", with(3, good[3] + huge), kAcfOk},
        {"empty file", "", kAcfReadError},
        {"wrong model", with(0, "23050001"), kAcfIllegalData},
        {"model line too long", with(0, "230400010"), kAcfIllegalData},
        {"model line a comment", with(0, "#3040001"), kAcfIllegalData},
        {"non-hexadecimal text", with(7, good[7].substr(0, 20) + "G"), kAcfIllegalData},
        {"non-hexadecimal far past the record", with(3, good[3] + huge + "-"), kAcfIllegalData},
        {"short line", with(7, "00001"), kAcfIllegalData},
        {"count longer than its line", with(7, good[7].substr(0, 37)), kAcfIllegalData},
        {"record past the end", all + "1F7A10" + std::string(32, '0') + "\r\n", kAcfIllegalData},
        {"address past the end", all + "1F8000\r\n", kAcfIllegalData},
        {"zero-count record at the last byte", all + "1F7F00\r\n", kAcfOk},
        {"one missing byte", with(2, good[2].substr(0, 4) + "0F" + good[2].substr(6, 30)),
         kAcfNotEnough},
        {"a comment instead of a record", with(300, std::string(5'000'000, '#')), kAcfNotEnough},
        {"illegal line wins over missing bytes", with(300, "XYZ"), kAcfIllegalData},
        {"differing tag bytes", with(good.size() - 1, badTag), kAcfIllegalData},
    };
    // The other texts reach the user through the document commands.
    EXPECT_EQ(AcfFileErrorMessage(kAcfNotEnough, "/a"), "There is not enough data.\r\n\r\n/a");
    EXPECT_EQ(AcfFileErrorMessage(kAcfOk, "/a"), "");
    for (const auto& c : cases) {
        clsCmcRadio loaded = MakeDoc(99);
        EXPECT_EQ(AcfTextLoad(loaded, c.text), c.expected) << c.name;
        if (c.expected == kAcfOk) {
            EXPECT_TRUE(loaded.eepImage.IsSameAs(doc.eepImage)) << c.name;
        }
    }
}

TEST(AcfFile, NothingButARegularFileIsReadOrReplaced) {
    // Renaming over the target would put a plain file in place of whatever
    // stands there: /dev/null for a user who may write anything. Each is
    // refused and left as it was, also through a symbolic link, and no
    // temporary file stays behind.
    TempDir dir;
    const fs::path d = dir.path();
    const clsCmcRadio doc = MakeDoc();
    fs::create_directory(d / "folder");
    WriteFile(d / "folder" / "keep", "x");
    ASSERT_EQ(::mkfifo((d / "pipe").c_str(), 0600), 0);
    std::vector<fs::path> targets = {d / "folder", d / "pipe"};
    // Only root may make a device node: the same one as /dev/null.
    if (::mknod((d / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back(d / "null");
    EXPECT_TRUE(targets.size() == 3 || ::geteuid() != 0);
    std::vector<fs::file_type> types;
    for (const fs::path& target : targets) {
        types.push_back(fs::symlink_status(target).type());
        fs::create_symlink(target, target.string() + ".link");
    }
    fs::create_symlink("loop-b", dir.path() / "loop-a");  // links in a loop lead nowhere
    fs::create_symlink("loop-a", dir.path() / "loop-b");
    const std::size_t files = FilesIn(dir.path());
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string path = targets[i].string();
        EXPECT_EQ(AcfFileSave(doc, "", path), kAcfCannotCreate) << path;
        EXPECT_EQ(AcfFileSave(doc, "", path + ".link"), kAcfCannotCreate) << path;
        EXPECT_EQ(fs::symlink_status(path).type(), types[i]) << path;
        EXPECT_TRUE(fs::is_symlink(path + ".link")) << path;
    }
    for (const std::string& path :
         {dir.file("no/such/folder/a.acf"), std::string(), dir.file("loop-a")})
        EXPECT_EQ(AcfFileSave(doc, "", path), kAcfCannotCreate) << path;
    // Nor read: /dev/zero would never end, a pipe would wait for a writer.
    clsCmcRadio loaded = MakeDoc(99);
    targets.insert(targets.end(), {"/dev/zero", d / "missing.acf"});
    for (const fs::path& target : targets)
        EXPECT_EQ(AcfFileLoad(loaded, target.string()), kAcfCannotOpen) << target;
    EXPECT_TRUE(loaded.eepImage.IsSameAs(MakeDoc(99).eepImage));
    EXPECT_EQ(OpenFailureReason(dir.file("loop-a"), 0, true), "Too many levels of symbolic links.");
    EXPECT_EQ(ReadFile(dir.file("folder/keep")), "x");
    EXPECT_EQ(FilesIn(dir.path()), files);

    if (::geteuid() != 0) {  // root writes read-only files anyway
        WriteFile(dir.file("ro.acf"), "old");
        fs::permissions(dir.file("ro.acf"), fs::perms::owner_read);
        EXPECT_EQ(AcfFileSave(doc, "", dir.file("ro.acf")), kAcfCannotCreate);
        EXPECT_EQ(ReadFile(dir.file("ro.acf")), "old");
    }
}

TEST(AcfFile, SaveFailingPartWayKeepsTheOldFile) {
    // A file size limit makes the kernel refuse writes past 1000 bytes, for
    // root as for anyone: the save fails in the middle of the new file.
    TempDir dir;
    const std::string path = dir.file("old.acf");
    WriteFile(path, "previous content");
    struct sigaction ignore {
    }, previousAction{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction), 0);
    rlimit previousLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit small = previousLimit;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = AcfFileSave(MakeDoc(), "", path);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    ::sigaction(SIGXFSZ, &previousAction, nullptr);

    EXPECT_EQ(result, kAcfWriteError);
    EXPECT_EQ(AcfFileErrorMessage(result, path), "Cannot save file.\r\n\r\n" + path);
    EXPECT_EQ(ReadFile(path), "previous content");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(AcfFile, SaveReplacesTheFileOrTheTargetOfALinkThenLoadGivesTheSameImage) {
    TempDir dir;
    const fs::path d = dir.path();
    WriteFile(d / "real.acf", "old");
    fs::permissions(d / "real.acf", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(d / "real.acf", d / "link.acf");
    // A chain of two links to a missing file, the last one relative to its own folder.
    fs::create_directory(d / "sub");
    fs::create_symlink("sub/middle.acf", d / "first.acf");
    fs::create_symlink("new.acf", d / "sub" / "middle.acf");
    const char* const saved[] = {"plain.acf", "link.acf", "first.acf", "plain.acf"};
    const char* const written[] = {"plain.acf", "real.acf", "sub/new.acf", "plain.acf"};
    for (std::uint32_t i = 0; i < 4; ++i) {
        const clsCmcRadio doc = MakeDoc(i);
        ASSERT_EQ(AcfFileSave(doc, "", (d / saved[i]).string()), kAcfOk) << saved[i];
        clsCmcRadio loaded = MakeDoc(99);
        ASSERT_EQ(AcfFileLoad(loaded, (d / written[i]).string()), kAcfOk) << saved[i];
        EXPECT_TRUE(loaded.eepImage.IsSameAs(doc.eepImage)) << saved[i];
    }
    for (const fs::path& link : {d / "link.acf", d / "first.acf", d / "sub" / "middle.acf"})
        EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_EQ(fs::status(d / "real.acf").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FilesIn(d), 5u);  // no temporary file left
}

TEST(AcfFile, RandomlyDamagedFilesGiveAResultCodeAndNeverReadOutside) {
    const clsCmcRadio doc = MakeDoc();
    const std::string good = AcfFileText(doc, "c");
    std::mt19937 gen(2024);
    using namespace std::string_literals;
    const std::string alphabet = "0123456789ABCDEFabcdef#\r\n \0\xFFG"s;
    for (int round = 0; round < 300; ++round) {
        std::string text = good;
        for (int e = 1 + static_cast<int>(gen() % 8); e > 0; --e) {
            const std::size_t at = gen() % text.size();
            const char c = alphabet[gen() % alphabet.size()];
            // Replace one character, insert one, or cut up to 40.
            const std::size_t op = gen() % 3, cut = op == 0 ? 1 : op == 1 ? 0 : 1 + gen() % 40;
            text.replace(at, cut, op == 2 ? std::string() : std::string(1, c));
        }
        clsCmcRadio loaded = MakeDoc(99);
        const int result = AcfTextLoad(loaded, text);
        EXPECT_TRUE(result == kAcfOk || result == kAcfIllegalData || result == kAcfNotEnough)
            << round << ": " << result;
    }
}
