// SPDX-License-Identifier: GPL-3.0-or-later
// Channel tables come from spreadsheets and other programs: any text must
// import without a crash, account for every row (applied or reported with a
// line), leave the image alone when the header is unusable, touch no bank
// but the chosen one when rows are placed from a start, and what it leaves
// in the memory channels must export as a table that imports back to the
// same image.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "file/csv_channels.h"
#include "fuzz_common.h"
#include "model/master.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

// A memory map of one receiver version on its initial image.
struct Map : VersionDocument {
    clsCmcEeprom initial;
    std::vector<std::string> initialValues;
    Map(int version, int amOk) : VersionDocument(version, amOk) {
        initial.CopyFrom(radio.eepImage);
        for (int i = 0; i < M::kNumMemory; ++i) initialValues.push_back(Values(i));
    }
    // Every value a memory channel keeps.
    std::string Values(int i) {
        const clsRigQ5_Ch& c = *master.ListCh(M::kListMemory, i);
        std::string s = c.Name();
        for (const int v :
             {int{c.AppearCh()}, c.FreqOp_Pure(), c.DupDir_Pure(), c.FreqDup_Pure(),
              c.TSqlOn_Pure(), c.ToneNo_Pure(), c.ModeNo_Pure(), c.TsNo_Pure(), c.SkipM_Pure()})
            s += "," + std::to_string(v);
        return s;
    }
    // Back to the initial image, records decoded from it.
    void Restore() {
        radio.eepImage.CopyFrom(initial);
        master.ReadFromEep(M::kProgramForm);
    }
};

Map& MapOf(int version, int amOk) {
    static std::map<std::pair<int, int>, Map> maps;
    auto found = maps.find({version, amOk});
    if (found == maps.end()) found = maps.try_emplace({version, amOk}, version, amOk).first;
    return found->second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int version = in.ConsumeIntegralInRange<int>(0, 12);
    const int amOk = in.ConsumeIntegralInRange<int>(0, 1);
    // A start in one of the 400 memory channels, or none (400).
    const int startAt = in.ConsumeIntegralInRange<int>(0, M::kNumMemory);
    const std::string text = in.ConsumeRemainingBytesAsString();
    const CsvStart start{startAt / M::kChPerBank, startAt % M::kChPerBank};
    const bool started = startAt < M::kNumMemory;

    Map& map = MapOf(version, amOk);
    map.Restore();
    const CsvImportResult result = ImportMemoryCsv(map.master, text, started ? &start : nullptr);

    if (!result.headerOk) {
        FUZZ_REQUIRE(result.applied == 0 && result.rows == 0);
        FUZZ_REQUIRE(!result.problems.empty());
        FUZZ_REQUIRE(map.radio.eepImage.IsSameAs(map.initial));
        return 0;
    }
    // Every data row is either applied or reported, in file order.
    FUZZ_REQUIRE(result.applied >= 0 && result.applied <= M::kNumMemory);
    FUZZ_REQUIRE(result.applied + static_cast<int>(result.problems.size()) == result.rows);
    int line = 1;
    for (const CsvRowProblem& p : result.problems) {
        FUZZ_REQUIRE(p.line > line);  // after the header's line
        line = p.line;
        FUZZ_REQUIRE(!p.reason.empty());
        FUZZ_REQUIRE(CsvProblemText(p).find('\n') == std::string::npos);
    }
    FUZZ_REQUIRE(static_cast<int>(result.notes.size()) <= result.applied);
    for (const CsvRowProblem& n : result.notes)
        FUZZ_REQUIRE(n.line > 1 && CsvProblemText(n).find('\n') == std::string::npos);
    for (int i = 0; started && i < M::kNumMemory; ++i) {
        if (i / M::kChPerBank == start.bank && i % M::kChPerBank >= start.row) continue;
        FUZZ_REQUIRE(map.Values(i) == map.initialValues[static_cast<std::size_t>(i)]);
    }

    // What the import left exports as a table that imports back without a
    // problem and without changing a byte, and exports the same again.
    const std::string exported = ExportMemoryCsv(map.master);
    clsCmcEeprom imported;
    imported.CopyFrom(map.radio.eepImage);
    const CsvImportResult again = ImportMemoryCsv(map.master, exported);
    FUZZ_REQUIRE(again.headerOk && again.problems.empty() && again.applied == again.rows);
    if (!map.radio.eepImage.IsSameAs(imported)) {
        std::fprintf(stderr, "re-import changed the image; table:\n%s\n", exported.c_str());
    }
    FUZZ_REQUIRE(map.radio.eepImage.IsSameAs(imported));
    FUZZ_REQUIRE(ExportMemoryCsv(map.master) == exported);
    return 0;
}
