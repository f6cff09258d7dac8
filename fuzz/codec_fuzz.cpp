// Images come from receivers (clone read) and from data files, so any byte
// may be anything. Decoding an arbitrary image heals it into the records;
// encoding those and decoding again must give the same read values in every
// record, for both forms of the image (program and receiver form). Preparing
// the image for a clone write must not fail on it either.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fuzz_common.h"
#include "model/master.h"
#include "read_values.h"

namespace {

using M = clsRigQ5_Master;

// The read values of every record, in decoding order; a record that cannot
// be blank but decoded blank reads as "factory": encoding gives it back its
// factory bytes instead.
std::vector<std::string> Decode(M& master, int flag) {
    std::vector<std::string> values;
    if (flag == M::kProgramForm) master.ReadFromEep(flag);
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
        for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
            clsRigQ5_Ch& ch = *master.ListCh(type, i);
            if (flag != M::kProgramForm) master.Get1Ch(ch, type, i, flag);
            values.push_back(!ch.ClearEnable() && !ch.AppearCh() ? "factory" : ReadValues(ch));
        }
    }
    return values;
}

// The read values the records hold now, marked as Decode marks them.
std::vector<std::string> Values(M& master) {
    std::vector<std::string> values;
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
        for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
            const clsRigQ5_Ch& ch = *master.ListCh(type, i);
            values.push_back(!ch.ClearEnable() && !ch.AppearCh() ? "factory" : ReadValues(ch));
        }
    }
    return values;
}

bool Blank(const std::string& values) {
    return values == "0" || values.rfind("0/", 0) == 0;
}

// A record that cannot be blank went back to its factory bytes; every other
// record reads as before. With onlyBlankness, a blank record only has to
// stay blank: its other fields were not stored (a channel the preparation
// blanked keeps its old fields in the record, the image holds 0xFF).
void CheckSame(const clsCmcRadio& radio, const std::vector<std::string>& before,
               std::vector<std::string> after, int flag, bool onlyBlankness = false) {
    std::size_t n = 0;
    for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
        for (int k = 0; k < M::NumRecordsOfListType(type); ++k, ++n) {
            if (before[n] != "factory") continue;
            const std::int32_t adr = M::EeAdr_Ch(type, k);
            const std::int32_t length = type == M::kListVfo ? 10 : 16;
            FUZZ_REQUIRE(radio.eepImage.ReadBlock(adr, length) ==
                         radio.eepInitial.ReadBlock(adr, length));
            after[n] = "factory";
        }
    }
    if (onlyBlankness) {
        for (std::size_t i = 0; i < before.size(); ++i)
            if (Blank(before[i]) && Blank(after[i])) after[i] = before[i];
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            std::fprintf(stderr, "record %zu (flag %d%s): %s -> %s\n", i, flag,
                         onlyBlankness ? ", clone-write form" : "", before[i].c_str(),
                         after[i].c_str());
        }
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
    const std::vector<std::string> first = Decode(master, flag);
    Encode(master, M::kProgramForm);
    CheckSame(radio, first, Decode(master, M::kProgramForm), flag);

    // The image prepared for a clone write holds exactly what the prepared
    // records hold, read in receiver form as the receiver will.
    master.FullCareEepToCloneWrite();
    const std::vector<std::string> prepared = Values(master);
    CheckSame(radio, prepared, Decode(master, M::kReceiverForm), M::kReceiverForm, true);

    FUZZ_REQUIRE(radio.eepImage.eeSize() == eeSize);
    return 0;
}
