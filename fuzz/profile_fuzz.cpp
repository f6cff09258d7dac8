// SPDX-License-Identifier: GPL-3.0-or-later
// The profile is a text file people edit by hand. Any content must load with
// every value either read or left at its default, limited where the program
// limits it; writing one key must keep what the other keys read and every
// line it does not own, and a value written must read back. A file that is
// not text is never written over.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "app/profile.h"
#include "app/recent_file.h"
#include "fuzz_common.h"
#include "image/matrix.h"
#include "image/matrix_profile.h"

namespace {

struct Snapshot {
    int ver = 0, am = 0, exp = 0, cel = 0, fm = 0, tv = 0;
    int comPort = 1, toolBar = 1, tree = 3100;
    std::string recent[8];
    bool operator==(const Snapshot&) const = default;
};

Snapshot Load(clsCmcProfileIO& p) {
    clsRigQ5_Matrix matrix;
    MatrixLoadData(matrix, p);
    Snapshot s;
    s.ver = matrix.MtxVerNo();
    s.am = matrix.MtxAmOk();
    s.exp = matrix.MtxExpOn();
    s.cel = matrix.MtxCellerNg();
    s.fm = matrix.MtxFmTvOk();
    s.tv = matrix.MtxTvOwNo();
    FUZZ_REQUIRE(s.ver >= 0 && s.ver <= 12);
    FUZZ_REQUIRE(s.tv >= 0 && s.tv <= 3);

    clsCmcRecentFile recent;
    recent.MaxIndex(4);
    recent.loadData(p);
    FUZZ_REQUIRE(recent.NumIndex() >= 0 && recent.NumIndex() <= 4);
    for (int i = 0; i < recent.NumIndex(); ++i) {
        s.recent[2 * i] = recent.filename(i);
        s.recent[2 * i + 1] = recent.fileTitle(i);
        FUZZ_REQUIRE(!s.recent[2 * i].empty() && s.recent[2 * i].size() <= 254);
    }

    p.Section("OPTION");
    p.loadData("ComPort", s.comPort, 1);
    p.loadData("ToolBar", s.toolBar, 1);
    p.Section("STATUS");
    p.loadData("TreeViewWidth", s.tree, 3100);
    return s;
}

// Every typed read of a few keys: nothing may crash whatever the text is.
void ReadEveryType(clsCmcProfileIO& p, const std::string& section, const std::string& key) {
    p.Section(section);
    int i = -1;
    bool b = false;
    double d = 0.5;
    std::string t = "x";
    ProfileDateTime dt{2001, 2, 3, 4, 5, 6};
    p.loadData(key, i);
    p.loadData(key, b);
    p.loadData(key, d);
    p.loadData(key, t);
    FUZZ_REQUIRE(t.size() <= 254);
    FUZZ_REQUIRE(t.empty() || t.back() != ' ');
    if (p.loadData(key, dt)) {
        FUZZ_REQUIRE(dt.month >= 1 && dt.month <= 12 && dt.day >= 1 && dt.day <= 31);
    }
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a text, each without its line end.
std::multiset<std::string> Lines(const std::string& text) {
    std::multiset<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        if (end > at && text[end - 1] == '\r') --end;
        lines.insert(text.substr(at, end - at));
        at = next;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string& path = ScratchFile("CSQ5.rs");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    const std::string folder = path.substr(0, path.rfind('/') + 1);

    clsCmcProfileIO p;
    p.Path(folder);
    p.Name("CSQ5.rs");
    const Snapshot before = Load(p);
    for (const char* section : {"OPTION", "STATUS", "M_Property", "RecentFiles", "S"}) {
        for (const char* key : {"ComPort", "ToolBar", "TreeViewWidth", "M_Property_V",
                                "RecentFileName(0)", "k", "WindowPosition(State)"}) {
            ReadEveryType(p, section, key);
        }
    }

    // A value written under one key reads back, and the other keys read as before.
    clsCmcProfileIO writer;
    writer.Path(folder);
    writer.Name("CSQ5.rs");
    writer.Section("STATUS");
    const int value = static_cast<int>(size * 37 % 5000) - 100;
    if (!writer.saveData("CellWidth(3)", value)) {
        // Not text, or the folder is not writable: the file is as it was.
        FUZZ_REQUIRE(ReadAll(path) == content);
        return 0;
    }
    // At most the key's own line is gone (rewritten); every other line stays.
    const std::multiset<std::string> linesBefore = Lines(std::string(content));
    const std::multiset<std::string> linesAfter = Lines(ReadAll(path));
    std::size_t missing = 0;
    for (auto it = linesBefore.begin(); it != linesBefore.end();
         it = linesBefore.upper_bound(*it)) {
        const std::size_t had = linesBefore.count(*it), has = linesAfter.count(*it);
        if (has < had) missing += had - has;
    }
    FUZZ_REQUIRE(missing <= 1);

    clsCmcProfileIO reader;
    reader.Path(folder);
    reader.Name("CSQ5.rs");
    reader.Section("STATUS");
    int back = -7;
    FUZZ_REQUIRE(reader.loadData("CellWidth(3)", back, -1) && back == value);
    FUZZ_REQUIRE(Load(reader) == before);
    return 0;
}
