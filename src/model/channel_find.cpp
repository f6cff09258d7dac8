// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_find.h"

#include <algorithm>

#include "app/common.h"

namespace {

using M = clsRigQ5_Master;

// Every channel place of the tree in the order the tree shows them.
std::vector<ChannelPlace> AllPlaces(const M& master) {
    std::vector<ChannelPlace> places;
    for (int key = 0; key < master.NumTreeKey(); ++key) {
        const int type = master.TreeKeyChListType(key);
        if (type >= M::kListFolder) continue;
        for (int row = 0; row < master.NumChOfChListType(type); ++row) places.push_back({key, row});
    }
    return places;
}

bool Matches(const M& master, const ChannelPlace& p, const FindQuery& query) {
    const clsRigQ5_Ch* ch = master.ChUnit(p.key, p.row);
    return ch != nullptr && ChannelMatches(*ch, query);
}

}  // namespace

std::string FindNotFoundText(const std::string& text) {
    return "Cannot find \"" + text + "\".";
}

FindQuery MakeFindQuery(const clsRigQ5_Master& master, std::string_view typed) {
    FindQuery q;
    q.text = Trim(typed);
    q.upper = Upper(q.text);
    q.byFrequency = IsDecimalNumber(q.text);
    if (q.byFrequency) {
        // The conversion of an operating frequency depends on the version's
        // ranges only, not on the kind of channel.
        const clsRigQ5_Ch scratch(master.MatrixObj(), clsRigQ5_Ch::kIdentMemory);
        q.frequency = scratch.Conv_Freq_StrToLong(q.text, 0);
    }
    return q;
}

bool ChannelMatches(const clsRigQ5_Ch& ch, const FindQuery& query) {
    if (query.text.empty() || !ch.Usable() || !ch.AppearCh()) return false;
    if (query.byFrequency && ch.FreqOp_Pure() == query.frequency) return true;
    // Only where the grid shows a name: a VFO keeps name bytes nobody sees.
    return ch.ItemExistsNow(clsRigQ5_Ch::kItemName) &&
           Upper(ch.Name()).find(query.upper) != std::string::npos;
}

FindResult FindChannel(const clsRigQ5_Master& master, const FindQuery& query,
                       const ChannelPlace* after) {
    FindResult result;
    const std::vector<ChannelPlace> places = AllPlaces(master);
    const std::size_t n = places.size();
    std::size_t start = 0;
    if (after != nullptr) {
        const auto next =
            std::find_if(places.begin(), places.end(), [after](const ChannelPlace& p) {
                return p.key > after->key || (p.key == after->key && p.row > after->row);
            });
        start = static_cast<std::size_t>(next - places.begin());
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = start + i;
        const ChannelPlace& p = places[at % n];
        if (!Matches(master, p, query)) continue;
        result.found = true;
        result.place = p;
        result.wrapped = at >= n && after != nullptr;
        break;
    }
    return result;
}

std::vector<ChannelPlace> FindAllChannels(const clsRigQ5_Master& master, const FindQuery& query) {
    std::vector<ChannelPlace> found;
    for (const ChannelPlace& p : AllPlaces(master))
        if (Matches(master, p, query)) found.push_back(p);
    return found;
}
