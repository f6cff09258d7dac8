// SPDX-License-Identifier: GPL-3.0-or-later
#include "clone/write_verify.h"

#include <optional>
#include <set>
#include <utility>

#include "model/common_settings.h"
#include "model/document_copy.h"
#include "model/image_diff.h"

namespace {

using M = clsRigQ5_Master;

struct ChannelRef {
    int type;
    int index;
};

// The channel records and the bytes outside them that hold a part of a
// channel: TV skip bits, the option bytes of the FM TV channels and of the
// VFO bands 8 to 10. changed holds the bits of the byte that differ.
std::vector<ChannelRef> ChannelsAt(std::int32_t address, int changed) {
    static const struct {
        int type, count, size;
    } kRecords[] = {
        {M::kListVfo, M::kNumVfo, 10},     {M::kListMemory, M::kNumMemory, 16},
        {M::kListPScan, M::kNumPScan, 16}, {M::kListTv, M::kNumTv, 4},
        {M::kListAmTv, M::kNumAmTv, 4},    {M::kListFmTv, M::kNumFmTv, 4},
    };
    for (const auto& r : kRecords) {
        const std::int32_t first = M::EeAdr_Ch(r.type, 0);
        if (address >= first && address < first + r.count * r.size)
            return {{r.type, (address - first) / r.size}};
    }
    const std::int32_t fmTvOpt = M::EeAdr_TvFmOpt(16, 0);
    if (address >= fmTvOpt && address < fmTvOpt + M::kNumFmTv)
        return {{M::kListFmTv, address - fmTvOpt}};
    for (int band = 8; band <= 10; ++band)
        if (address == M::EeAdr_TvFmOpt(band, 0)) return {{M::kListVfo, band}};
    std::vector<ChannelRef> tv;
    const std::int32_t skip = M::kAdrTvSkip;
    if (address >= skip && address < skip + (M::kNumTv + 7) / 8) {
        for (int bit = 0; bit < 8; ++bit) {
            const int index = (address - skip) * 8 + bit;
            if ((changed >> bit) & 1 && index < M::kNumTv) tv.push_back({M::kListTv, index});
        }
    }
    return tv;
}

// The tree key and row that show a record; key -1 when no list shows it
// (the FM TV channels of a version without FM TV).
std::pair<int, int> Shown(const M& master, const ChannelRef& ch) {
    for (int key = 0; key < master.NumTreeKey(); ++key) {
        if (master.TreeKeyChListType(key) != ch.type) continue;
        const int row = ch.index - master.TreeKeyTopChNo(key);
        if (row >= 0 && row < master.NumChOfChListType(ch.type)) return {key, row};
    }
    return {-1, -1};
}

std::string AddressText(std::int32_t address) {
    return "Address " + Hex4(address);
}

}  // namespace

WriteVerifyResult VerifyWrittenImage(const clsRigQ5_Master& master, const clsCmcEeprom& written,
                                     const clsCmcEeprom& readBack) {
    WriteVerifyResult result;
    // The fields that differ, as the grid would show them, name the bytes
    // of channels; a byte the grid does not show names its channel alone.
    // Both images are decoded only once a channel's byte differs: a write
    // that verifies decodes nothing.
    std::optional<DocumentCopy> sent, back;
    std::optional<std::vector<ImageDifference>> fields;
    std::set<std::string> seen;
    const auto add = [&](const std::string& place) {
        if (seen.insert(place).second) result.places.push_back(place);
    };
    const auto addChannel = [&](int key, int row) {
        if (!fields) {
            sent.emplace(master).Take(written, M::kReceiverForm);
            back.emplace(master).Take(readBack, M::kReceiverForm);
            fields = ImageDifferences(sent->master, back->master);
        }
        bool named = false;
        for (const ImageDifference& d : *fields) {
            if (d.key != key || d.row != row) continue;
            add(DifferencePlace(d));
            named = true;
        }
        if (!named) add(ChannelPlaceText(master, key, row));
    };
    const std::string setting = std::string(kSettingsListName) + ": ";
    for (const CloneWriteRange& range : CloneWriteRanges(master.Radio().cloneWriteAdrList())) {
        for (std::int32_t a = range.start; a <= range.end; ++a) {
            const int changed = written.ReadByte(a) ^ readBack.ReadByte(a);
            if (changed == 0) continue;
            ++result.differingBytes;
            const std::vector<ChannelRef> channels = ChannelsAt(a, changed);
            for (const ChannelRef& ch : channels) {
                const auto [key, row] = Shown(master, ch);
                if (key >= 0) {
                    addChannel(key, row);
                } else {
                    add(AddressText(a));
                }
            }
            if (!channels.empty()) continue;
            if (a >= clsRigQ5_Common::kAdrComment &&
                a < clsRigQ5_Common::kAdrComment + clsRigQ5_Common::kCommentLength) {
                add(setting + kCommentLabel);
            } else if (const CommonSettingDef* def = CommonSettingAt(a, changed)) {
                add(setting + def->label);
                // The rest of the display mode's second byte is not the setting's.
                if (a == clsRigQ5_Common::kAdrDispManual &&
                    (changed & ~(1 << clsRigQ5_Common::kBitDispManual)) != 0)
                    add(AddressText(a));
            } else {
                add(AddressText(a));
            }
        }
    }
    return result;
}
