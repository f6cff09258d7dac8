// SPDX-License-Identifier: GPL-3.0-or-later
// Images come from receivers (clone read) and from data files, so any byte
// may be anything. Decoding an arbitrary image heals it into the records;
// encoding those and decoding again must give the same read values in every
// record, for both forms of the image (program and receiver form). Preparing
// the image for a clone write must not fail on it either.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "fuzz_common.h"
#include "model/master.h"

namespace {

using M = clsRigQ5_Master;

// A record's read values as numbers, so that some 600 records can be
// compared several times per input without building texts; a text is made
// only to report a difference. A record that cannot be blank but decoded
// blank reads as "factory": encoding gives it back its factory bytes instead.
struct Reading {
    bool factory = false;
    std::array<std::int64_t, 15> values{};  // [0] in use, [1] frequency, [item] for items 3..14
    std::string name;

    bool Blank() const { return !factory && values[0] == 0; }
    bool operator==(const Reading& other) const {
        return factory == other.factory && values == other.values && name == other.name;
    }
};

constexpr std::int64_t kAbsent = std::numeric_limits<std::int64_t>::min();

std::int64_t ItemValue(const clsRigQ5_Ch& c, int item) {
    switch (item) {
        case 3:
            return c.DupDir_Pure();
        case 4:
            return c.FreqDup_Pure();
        case 6:
            return c.TSqlOn_Pure();
        case 7:
            return c.ToneNo_Pure();
        case 8:
            return c.TvIf_Pure();
        case 9:
            return c.TvReverse_Pure();
        case 10:
            return c.TvSubCarrier_Pure();
        case 11:
            return c.SkipM_Pure();
        case 12:
            return c.SkipT_Pure();
        case 13:
            return c.ModeNo_Pure();
        case 14:
            return c.TsNo_Pure();
        default:
            return 0;
    }
}

Reading Read(const clsRigQ5_Ch& c) {
    Reading r;
    if (!c.ClearEnable() && !c.AppearCh()) {
        r.factory = true;
        return r;
    }
    r.values[0] = c.AppearCh() ? 1 : 0;
    r.values[1] = c.AppearCh() ? c.FreqOp_Pure() : 0;
    for (int item = 3; item <= 14; ++item) {
        // A VFO's name bytes lie beyond its 10-byte record and are never written.
        const bool shown =
            c.ItemExistsNow(item) && !(item == clsRigQ5_Ch::kItemName && c.ChIdent() <= 10);
        if (item == clsRigQ5_Ch::kItemName) {
            if (shown) r.name = c.Name();
            r.values[static_cast<std::size_t>(item)] = shown ? 1 : kAbsent;
        } else {
            r.values[static_cast<std::size_t>(item)] = shown ? ItemValue(c, item) : kAbsent;
        }
    }
    return r;
}

// The readings of every record, in decoding order.
std::vector<Reading> Decode(M& master, int flag) {
    std::vector<Reading> readings;
    readings.reserve(600);
    if (flag == M::kProgramForm) master.ReadFromEep(flag);
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
        for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
            clsRigQ5_Ch& ch = *master.ListCh(type, i);
            if (flag != M::kProgramForm) master.Get1Ch(ch, type, i, flag);
            readings.push_back(Read(ch));
        }
    }
    return readings;
}

// The readings the records hold now.
std::vector<Reading> Values(M& master) {
    std::vector<Reading> readings;
    readings.reserve(600);
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type)
        for (int i = 0; i < M::NumRecordsOfListType(type); ++i)
            readings.push_back(Read(*master.ListCh(type, i)));
    return readings;
}

// "in use/frequency/item:value/...", with the name for item 5.
std::string Text(const Reading& r) {
    if (r.factory) return "factory";
    std::string s = std::to_string(r.values[0]);
    if (r.values[0] != 0) s += "/" + std::to_string(r.values[1]);
    for (std::size_t item = 3; item < r.values.size(); ++item) {
        if (r.values[item] == kAbsent) continue;
        s += "/" + std::to_string(item) + ":" +
             (item == static_cast<std::size_t>(clsRigQ5_Ch::kItemName)
                  ? r.name
                  : std::to_string(r.values[item]));
    }
    return s;
}

// A record that cannot be blank went back to its factory bytes; every other
// record reads as before. With onlyBlankness, a blank record only has to
// stay blank: its other fields were not stored (a channel the preparation
// blanked keeps its old fields in the record, the image holds 0xFF).
void CheckSame(const clsCmcRadio& radio, const std::vector<Reading>& before,
               std::vector<Reading> after, int flag, bool onlyBlankness = false) {
    FUZZ_REQUIRE(before.size() == after.size());
    std::size_t n = 0;
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
        for (int k = 0; k < M::NumRecordsOfListType(type); ++k, ++n) {
            if (!before[n].factory) continue;
            const std::int32_t adr = M::EeAdr_Ch(type, k);
            const std::int32_t length = type == M::kListVfo ? 10 : 16;
            FUZZ_REQUIRE(radio.eepImage.ReadBlock(adr, length) ==
                         radio.eepInitial.ReadBlock(adr, length));
            after[n] = before[n];
        }
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (onlyBlankness && before[i].Blank() && after[i].Blank()) continue;
        if (before[i] == after[i]) continue;
        std::fprintf(stderr, "record %zu (flag %d%s): %s -> %s\n", i, flag,
                     onlyBlankness ? ", clone-write form" : "", Text(before[i]).c_str(),
                     Text(after[i]).c_str());
        FUZZ_REQUIRE(before[i] == after[i]);
    }
}

void Encode(M& master, int flag) {
    if (flag == M::kProgramForm) {
        master.WriteToEep();
        return;
    }
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type)
        for (int i = 0; i < M::NumRecordsOfListType(type); ++i)
            master.Set1Ch(*master.ListCh(type, i), type, i, flag);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // One document and memory map for the run, as in the program; each input
    // sets the matrix and rebuilds the lists.
    static clsCmcRadio radio;
    static M master(radio);
    static std::map<std::vector<int>, clsCmcEeprom> initialImages;
    clsRigQ5_Matrix& mtx = master.MatrixObj();
    mtx.MtxVerNo(in.ConsumeIntegralInRange<int>(0, 12));
    mtx.MtxAmOk(in.ConsumeIntegralInRange<int>(0, 1));
    mtx.MtxExpOn(in.ConsumeIntegralInRange<int>(0, 1));
    mtx.MtxCellerNg(in.ConsumeIntegralInRange<int>(0, 1));
    mtx.MtxFmTvOk(in.ConsumeIntegralInRange<int>(0, 1));
    mtx.MtxTvOwNo(in.ConsumeIntegralInRange<int>(0, 3));
    const int flag = in.ConsumeBool() ? M::kReceiverForm : M::kProgramForm;
    master.Reset();
    const std::vector<int> key{mtx.MtxVerNo(),    mtx.MtxAmOk(),   mtx.MtxExpOn(),
                               mtx.MtxCellerNg(), mtx.MtxFmTvOk(), mtx.MtxTvOwNo()};
    auto found = initialImages.find(key);
    if (found == initialImages.end()) {
        found = initialImages.emplace(key, clsCmcEeprom()).first;
        MakeInitialImage(found->second, mtx);
    }
    radio.eepInitial.CopyFrom(found->second);
    radio.Eep_InitAll();

    // The input's bytes over the factory image, from an address it chooses.
    const std::int32_t eeSize = radio.eepImage.eeSize();
    std::int32_t address = in.ConsumeIntegralInRange<std::int32_t>(0, eeSize - 1);
    const std::vector<std::uint8_t> bytes = in.ConsumeRemainingBytes<std::uint8_t>();
    for (std::size_t i = 0; i < bytes.size() && i < static_cast<std::size_t>(eeSize); ++i) {
        radio.eepImage.WriteByte(address, bytes[i]);
        address = (address + 1) % eeSize;
    }

    // Decoding in either form, then storing in program form (a clone read
    // followed by a file save, or a file load followed by a save) and
    // decoding again changes no read value.
    const std::vector<Reading> first = Decode(master, flag);
    Encode(master, M::kProgramForm);
    CheckSame(radio, first, Decode(master, M::kProgramForm), flag);

    // The image prepared for a clone write holds exactly what the prepared
    // records hold, read in receiver form as the receiver will.
    master.FullCareEepToCloneWrite();
    const std::vector<Reading> prepared = Values(master);
    CheckSame(radio, prepared, Decode(master, M::kReceiverForm), M::kReceiverForm, true);

    FUZZ_REQUIRE(radio.eepImage.eeSize() == eeSize);
    return 0;
}
