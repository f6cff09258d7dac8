// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/image_diff.h"

#include "app/common.h"
#include "model/common_settings.h"
#include "model/grid_texts.h"

namespace {

// The grid right-aligns its cells with blanks; what the user reads is the rest.
std::string Cell(const std::string& text) {
    return Trim(text, " ");
}

// The columns that name the channel (its number, a VFO's band) and the
// empty filler at the end are the same in every memory.
bool IsValueItem(int item) {
    return item != clsRigQ5_Ch::kItemChNo && item != clsRigQ5_Ch::kItemBand &&
           item != clsRigQ5_Ch::kItemLast;
}

void ChannelDifferences(const clsRigQ5_Master& a, const clsRigQ5_Master& b, int key,
                        std::vector<ImageDifference>& out) {
    const int type = a.TreeKeyChListType(key);
    const std::string list = TreeKeyCaption(a, key);
    const std::vector<std::string> titles = ChannelColumnTitles(a, key);
    for (int row = 0; row < a.NumChOfChListType(type); ++row) {
        const std::vector<std::string> cellsA = ChannelRowTexts(a, key, row);
        const std::vector<std::string> cellsB = ChannelRowTexts(b, key, row);
        if (cellsA == cellsB) continue;
        for (std::size_t c = 0; c < cellsA.size() && c < cellsB.size() && c < titles.size(); ++c) {
            if (!IsValueItem(a.ItemNoOfChListType(type, static_cast<int>(c)))) continue;
            if (cellsA[c] == cellsB[c]) continue;
            out.push_back({key, row, list, Cell(cellsA[0]), TrimRight(titles[c]), Cell(cellsA[c]),
                           Cell(cellsB[c])});
        }
    }
}

}  // namespace

std::vector<ImageDifference> ImageDifferences(const clsRigQ5_Master& a, const clsRigQ5_Master& b) {
    std::vector<ImageDifference> out;
    for (int key = 0; key < a.NumTreeKey(); ++key) {
        if (a.TreeKeyChListType(key) < clsRigQ5_Master::kListFolder)
            ChannelDifferences(a, b, key, out);
    }
    for (const CommonSettingDef& def : CommonSettingDefs()) {
        const std::string va = CommonSettingText(a.CommonObj(), def);
        const std::string vb = CommonSettingText(b.CommonObj(), def);
        if (va != vb) out.push_back({-1, -1, kSettingsListName, "", def.label, va, vb});
    }
    const std::string ca = TrimRight(a.CommonObj().Comment());
    const std::string cb = TrimRight(b.CommonObj().Comment());
    if (ca != cb) out.push_back({-1, -1, kSettingsListName, "", kCommentLabel, ca, cb});
    return out;
}

std::string DifferencePlace(const ImageDifference& d) {
    return d.list + (d.channel.empty() ? "" : " " + d.channel) + ": " + d.field;
}

std::string ChannelPlaceText(const clsRigQ5_Master& master, int key, int row) {
    return TreeKeyCaption(master, key) + " " +
           clsRigQ5_Master::ChNoStr(master.TreeKeyChListType(key), row);
}

std::string DifferenceLine(const ImageDifference& d) {
    return d.list + "\t" + d.channel + "\t" + d.field + "\t" + d.a + "\t" + d.b;
}

std::string DifferencesSummary(std::size_t count, const std::string& aName,
                               const std::string& bName) {
    return std::to_string(count) + (count == 1 ? " difference" : " differences") + " between " +
           aName + " and " + bName;
}

std::string NoDifferencesText(const std::string& otherName) {
    return "The memory shown is the same as in " + otherName + ".";
}
