// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/acf_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <vector>

#include "file_text.h"
#include "image/matrix.h"
#include "image/rigq5_table.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A document as the program sets it up, with a random working image whose
// format tag (the last 16 bytes) matches the initial image.
clsCmcRadio MakeDoc(std::uint32_t seed = 7) {
    clsCmcRadio doc;
    PrepareRxQ5Document(doc);
    std::mt19937 gen(seed);
    for (int a = 0; a < 8064; ++a) doc.eepImage.WriteByte(a, static_cast<int>(gen() & 0xFF));
    for (int a = 8048; a < 8064; ++a) doc.eepInitial.WriteByte(a, doc.eepImage.ReadByte(a));
    return doc;
}

// An empty document that expects the same model and format tag.
clsCmcRadio BlankLike(const clsCmcRadio& from) {
    clsCmcRadio doc;
    doc.radioNameM(from.radioNameM());
    doc.radionameS(from.radionameS());
    doc.eepInitial.CopyFrom(from.eepInitial);
    return doc;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

std::size_t FilesIn(const fs::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
    return n;
}

}  // namespace

TEST(AcfFile, SavedTextHasTheExactRecordLayout) {
    clsCmcRadio doc = MakeDoc();
    doc.eepImage.WriteBlock(0, ByteStr{0x01, 0xAB, 0x00, 0xFF});
    const std::string text = AcfFileText(doc, "my scan setup");
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    const auto lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 506u);
    EXPECT_EQ(lines[0], "23040001");
    EXPECT_EQ(lines[1], "#my scan setup");
    EXPECT_EQ(lines[2].substr(0, 14), "00001001AB00FF");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 38u) << i;
        EXPECT_EQ(lines[i].substr(0, 6), Hex4(static_cast<std::int32_t>((i - 2) * 16)) + "10");
        EXPECT_EQ(lines[i].find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
    }
    EXPECT_EQ(lines.back().substr(0, 6), "1F7010");
}

TEST(AcfFile, RecordsFollowTheAddressRangesAndEndShort) {
    clsCmcRadio doc = MakeDoc();
    doc.cloneWriteAdrList_Clear();
    doc.cloneWriteAdrList_Add(0x100, 0x114);  // 21 bytes: 16 + 5
    doc.cloneWriteAdrList_Add(0x20, 0x20);    // one byte
    doc.cloneWriteAdrList_Add(0x50, 0x40);    // inverted: nothing to write
    const auto lines = SplitCrLf(AcfFileText(doc, "\r\nx\ty"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "#  x y");  // control characters cannot break the comment line
    EXPECT_EQ(lines[2].substr(0, 6), "010010");
    EXPECT_EQ(lines[3], "011005" + ByteStrToHexStr(doc.eepImage.ReadBlock(0x110, 5)));
    EXPECT_EQ(lines[4], "002001" + Hex2(doc.eepImage.ReadByte(0x20)));
}

TEST(AcfFile, SaveThenLoadGivesTheSameImage) {
    TempDir dir;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const clsCmcRadio doc = MakeDoc(seed);
        const std::string path = dir.file("image.acf");
        ASSERT_EQ(AcfFileSave(doc, "abc", path), kAcfOk);
        EXPECT_EQ(SplitCrLf(ReadFile(path)).size(), 506u);
        clsCmcRadio loaded = BlankLike(doc);
        ASSERT_EQ(AcfFileLoad(loaded, path), kAcfOk);
        EXPECT_TRUE(loaded.eepImage.IsSameAs(doc.eepImage));
    }
    EXPECT_EQ(FilesIn(dir.path()), 1u);  // no temporary file left
}

TEST(AcfFile, LoaderRulesAndResultCodes) {
    const clsCmcRadio doc = MakeDoc();
    const auto good = SplitCrLf(AcfFileText(doc, "c"));
    const std::string tagRecord = good.back();  // 1F70, the format tag

    auto with = [&](std::size_t index, const std::string& line) {
        auto l = good;
        l[index] = line;
        return JoinCrLf(l);
    };
    auto without = [&](std::size_t index) {
        auto l = good;
        l.erase(l.begin() + static_cast<std::ptrdiff_t>(index));
        return JoinCrLf(l);
    };
    auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::string lfOnly;
    for (const auto& l : good) lfOnly += l + "\n";
    std::string withComments = "23040001\r\n";
    for (std::size_t i = 2; i < good.size(); ++i) withComments += good[i] + "\r\n#\r\n# x\r\n";
    std::string missingOne = without(2);
    missingOne += good[2].substr(0, 4) + "0F" + good[2].substr(6, 30) + "\r\n";  // 15 of 16 bytes
    std::string badTag = tagRecord;
    badTag[37] = badTag[37] == '0' ? '1' : '0';

    struct Case {
        const char* name;
        std::string text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"intact", JoinCrLf(good), kAcfOk},
        {"no final line end", JoinCrLf(good).substr(0, JoinCrLf(good).size() - 2), kAcfOk},
        {"LF line ends", lfOnly, kAcfOk},
        {"lowercase digits", lower(JoinCrLf(good)), kAcfOk},
        {"extra digits", with(5, good[5] + "ABCDEF0123"), kAcfOk},
        {"comment lines anywhere", withComments, kAcfOk},
        {"empty file", "", kAcfReadError},
        {"empty model line", with(0, ""), kAcfIllegalData},
        {"wrong model", with(0, "23050001"), kAcfIllegalData},
        {"sub code rejected", with(0, "23040002"), kAcfIllegalData},
        {"model line too short", with(0, "2304001"), kAcfIllegalData},
        {"model line too long", with(0, "230400010"), kAcfIllegalData},
        {"model line not decimal", with(0, "2304000A"), kAcfIllegalData},
        {"model line signed", with(0, "+2304001"), kAcfIllegalData},
        {"model line a comment", with(0, "#3040001"), kAcfIllegalData},
        {"non-hexadecimal text", with(7, good[7].substr(0, 20) + "G" + good[7].substr(21)),
         kAcfIllegalData},
        {"blank inside a record", with(7, good[7].substr(0, 6) + " " + good[7].substr(6)),
         kAcfIllegalData},
        {"binary bytes", with(7, good[7].substr(0, 10) + std::string("\0\x01\xFF", 3)),
         kAcfIllegalData},
        {"empty record line", with(7, ""), kAcfIllegalData},
        {"short line", with(7, "00001"), kAcfIllegalData},
        {"count longer than its line", with(7, good[7].substr(0, 37)), kAcfIllegalData},
        {"record past the end", JoinCrLf(good) + "1F7A10" + std::string(32, '0') + "\r\n",
         kAcfIllegalData},
        {"address past the end", JoinCrLf(good) + "1F8000\r\n", kAcfIllegalData},
        {"zero-count record at the last byte", JoinCrLf(good) + "1F7F00\r\n", kAcfOk},
        {"one missing byte", missingOne, kAcfNotEnough},
        {"missing record", without(300), kAcfNotEnough},
        {"only the model line", "23040001\r\n", kAcfNotEnough},
        {"illegal line wins over missing bytes", with(300, "XYZ"), kAcfIllegalData},
        {"differing tag bytes", with(good.size() - 1, badTag), kAcfIllegalData},
    };
    for (const auto& c : cases) {
        clsCmcRadio loaded = BlankLike(doc);
        EXPECT_EQ(AcfTextLoad(loaded, c.text), c.expected) << c.name;
        if (c.expected == kAcfOk) {
            EXPECT_TRUE(loaded.eepImage.IsSameAs(doc.eepImage)) << c.name;
        }
    }
}

TEST(AcfFile, OverlappingRecordsLoadTheLaterBytes) {
    const clsCmcRadio doc = MakeDoc();
    const std::string text = AcfFileText(doc, "") + "000803112233\r\n";
    clsCmcRadio loaded = BlankLike(doc);
    ASSERT_EQ(AcfTextLoad(loaded, text), kAcfOk);
    EXPECT_EQ(loaded.eepImage.ReadBlock(7, 5),
              (ByteStr{static_cast<std::uint8_t>(doc.eepImage.ReadByte(7)), 0x11, 0x22, 0x33,
                       static_cast<std::uint8_t>(doc.eepImage.ReadByte(11))}));
}

TEST(AcfFile, HugeLinesAreScannedWithoutBeingHeld) {
    const clsCmcRadio doc = MakeDoc();
    auto lines = SplitCrLf(AcfFileText(doc, ""));
    lines[3] += std::string(3'000'000, 'A');
    clsCmcRadio loaded = BlankLike(doc);
    EXPECT_EQ(AcfTextLoad(loaded, JoinCrLf(lines)), kAcfOk);
    lines[3] += "-";
    EXPECT_EQ(AcfTextLoad(loaded, JoinCrLf(lines)), kAcfIllegalData);
    lines[3] = std::string(5'000'000, '#');
    EXPECT_EQ(AcfTextLoad(loaded, JoinCrLf(lines)), kAcfNotEnough);
}

TEST(AcfFile, LoadReportsFilesThatCannotBeOpenedOrRead) {
    TempDir dir;
    clsCmcRadio doc = MakeDoc();
    EXPECT_EQ(AcfFileLoad(doc, dir.file("missing.acf")), kAcfCannotOpen);
    EXPECT_EQ(AcfFileLoad(doc, dir.path().string()), kAcfCannotOpen);
    EXPECT_EQ(AcfFileLoad(doc, "/dev/zero"), kAcfCannotOpen);  // would never end
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(AcfFileLoad(doc, dir.file("pipe")), kAcfCannotOpen);  // would wait for a writer
    WriteFile(dir.file("empty.acf"), "");
    EXPECT_EQ(AcfFileLoad(doc, dir.file("empty.acf")), kAcfReadError);
    WriteFile(dir.file("junk.acf"), "junk");
    EXPECT_EQ(AcfFileLoad(doc, dir.file("junk.acf")), kAcfIllegalData);
}

TEST(AcfFile, SaveThatCannotStartLeavesEverythingAsItWas) {
    TempDir dir;
    const clsCmcRadio doc = MakeDoc();
    fs::create_directory(dir.path() / "folder");
    WriteFile(dir.file("folder/keep"), "x");
    EXPECT_EQ(AcfFileSave(doc, "", dir.file("folder")), kAcfCannotCreate);
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
    EXPECT_EQ(ReadFile(dir.file("folder/keep")), "x");
    EXPECT_EQ(AcfFileSave(doc, "", dir.file("no/such/folder/a.acf")), kAcfCannotCreate);
    EXPECT_EQ(AcfFileSave(doc, "", ""), kAcfCannotCreate);
    EXPECT_EQ(FilesIn(dir.path()), 1u);

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
    const clsCmcRadio doc = MakeDoc();

    struct sigaction ignore {
    }, previousAction{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction), 0);
    rlimit previousLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit small = previousLimit;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = AcfFileSave(doc, "", path);
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    ::sigaction(SIGXFSZ, &previousAction, nullptr);

    EXPECT_EQ(result, kAcfWriteError);
    EXPECT_EQ(ReadFile(path), "previous content");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(AcfFile, SaveReplacesTheFileKeepingItsPermissionsAndLinks) {
    TempDir dir;
    const clsCmcRadio doc = MakeDoc();
    const std::string real = dir.file("real.acf");
    WriteFile(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, dir.path() / "link.acf");
    ASSERT_EQ(AcfFileSave(doc, "", dir.file("link.acf")), kAcfOk);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.acf"));
    EXPECT_EQ(ReadFile(real), AcfFileText(doc, ""));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AcfFile, SaveReplacesNothingButARegularFile) {
    // Renaming over the target would put a plain file in place of whatever
    // stands there; /dev/null for a user who may write anything. Each is
    // refused and left as it was.
    TempDir dir;
    const clsCmcRadio doc = MakeDoc();
    struct Case {
        const char* what;
        std::function<bool(const std::string&)> make;
        std::function<bool(const fs::file_status&)> still;
    };
    const std::vector<Case> cases = {
        {"folder", [](const std::string& p) { return fs::create_directory(p); },
         [](const fs::file_status& s) { return fs::is_directory(s); }},
        {"named pipe", [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0; },
         [](const fs::file_status& s) { return fs::is_fifo(s); }},
        {"socket",
         [](const std::string& p) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             if (fd < 0 || p.size() >= sizeof address.sun_path) return false;
             std::copy(p.begin(), p.end(), address.sun_path);
             const bool bound =
                 ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(fd);
             return bound;
         },
         [](const fs::file_status& s) { return fs::is_socket(s); }},
        // Only root may make a device node: the same one as /dev/null.
        {"device node",
         [](const std::string& p) {
             return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
         },
         [](const fs::file_status& s) { return fs::is_character_file(s); }},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file(std::string("target-") + c.what);
        if (!c.make(path)) {
            EXPECT_NE(::geteuid(), 0u)
                << c.what;  // only the device node may fail, and not for root
            continue;
        }
        EXPECT_EQ(AcfFileSave(doc, "", path), kAcfCannotCreate) << c.what;
        EXPECT_TRUE(c.still(fs::symlink_status(path))) << c.what;
        // Through a symbolic link it is the same.
        const std::string link = path + ".link";
        fs::create_symlink(path, link);
        EXPECT_EQ(AcfFileSave(doc, "", link), kAcfCannotCreate) << c.what;
        EXPECT_TRUE(c.still(fs::symlink_status(path))) << c.what;
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link))) << c.what;
    }
}

TEST(AcfFile, SaveThroughALinkWhoseFileIsMissingMakesTheFile) {
    TempDir dir;
    const clsCmcRadio doc = MakeDoc();
    fs::create_directory(dir.path() / "sub");
    // A chain of two links, the last one relative to its own folder.
    fs::create_symlink("sub/middle.acf", dir.path() / "first.acf");
    fs::create_symlink("real.acf", dir.path() / "sub" / "middle.acf");
    ASSERT_EQ(AcfFileSave(doc, "", dir.file("first.acf")), kAcfOk);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path() / "first.acf")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path() / "sub" / "middle.acf")));
    EXPECT_EQ(ReadFile(dir.path() / "sub" / "real.acf"), AcfFileText(doc, ""));
    // Links in a loop lead nowhere.
    fs::create_symlink("loop-b.acf", dir.path() / "loop-a.acf");
    fs::create_symlink("loop-a.acf", dir.path() / "loop-b.acf");
    EXPECT_EQ(AcfFileSave(doc, "", dir.file("loop-a.acf")), kAcfCannotCreate);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path() / "loop-a.acf")));
}

TEST(AcfFile, ErrorMessagesNameTheFile) {
    const std::pair<int, std::string> cases[] = {
        {kAcfOk, ""},
        {kAcfCannotCreate, "Cannot save file.\r\n\r\n/x/a.acf"},
        {kAcfWriteError, "Cannot save file.\r\n\r\n/x/a.acf"},
        {kAcfCannotOpen, "Cannot open file.\r\n\r\n/x/a.acf"},
        {kAcfReadError, "Cannot open file.\r\n\r\n/x/a.acf"},
        {kAcfIllegalData, "Illegal data.\r\n\r\n/x/a.acf"},
        {kAcfNotEnough, "There is not enough data.\r\n\r\n/x/a.acf"},
        {7, ""},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(AcfFileErrorMessage(code, "/x/a.acf"), text);
}

TEST(AcfFile, RandomlyDamagedFilesGiveAResultCodeAndNeverReadOutside) {
    const clsCmcRadio doc = MakeDoc();
    const std::string good = AcfFileText(doc, "c");
    std::mt19937 gen(2024);
    using namespace std::string_literals;
    const std::string alphabet = "0123456789ABCDEFabcdef#\r\n \0\xFFG"s;
    for (int round = 0; round < 300; ++round) {
        std::string text = good;
        const int edits = 1 + static_cast<int>(gen() % 8);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = gen() % text.size();
            const char c = alphabet[gen() % alphabet.size()];
            switch (gen() % 3) {
                case 0:
                    text[at] = c;
                    break;
                case 1:
                    text.insert(at, 1, c);
                    break;
                default:
                    text.erase(at, 1 + gen() % 40);
                    break;
            }
        }
        clsCmcRadio loaded = BlankLike(doc);
        const int result = AcfTextLoad(loaded, text);
        EXPECT_TRUE(result == kAcfOk || result == kAcfIllegalData || result == kAcfNotEnough)
            << round << ": " << result;
    }
}

TEST(AcfFile, FactoryImagesOfEveryVersionSaveAndLoad) {
    TempDir dir;
    for (int version = 0; version <= 11; ++version) {
        clsRigQ5_Matrix matrix;
        matrix.MtxVerNo(version);
        clsCmcRadio doc;
        PrepareRxQ5Document(doc);
        MakeInitialImage(doc.eepInitial, matrix);
        doc.Eep_InitAll();
        const std::string path = dir.file("v" + std::to_string(version) + ".acf");
        ASSERT_EQ(AcfFileSave(doc, "factory", path), kAcfOk);
        clsCmcRadio loaded = BlankLike(doc);
        EXPECT_EQ(AcfFileLoad(loaded, path), kAcfOk) << version;
        EXPECT_TRUE(loaded.eepImage.IsSameAs(doc.eepInitial)) << version;
    }
}
