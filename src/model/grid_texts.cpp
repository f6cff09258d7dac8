// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/grid_texts.h"

namespace {

// The leading decimal digits of a text; 0 when there are none.
int LeadingNumber(std::string_view text) {
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || v > 100000) break;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The text before the first separator; the rest after it (empty when absent).
std::string_view TakeUntil(std::string_view& rest, std::string_view separator) {
    const auto at = rest.find(separator);
    const std::string_view head = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + separator.size());
    return head;
}

constexpr const char* kNotApplicable = "---";

bool IsNumberItem(int item) {
    return item == clsRigQ5_Ch::kItemChNo || item == clsRigQ5_Ch::kItemBand;
}

std::string CellText(const clsRigQ5_Master& master, const clsRigQ5_Ch& ch, int type, int row,
                     int item) {
    // A VFO band the receiver version lacks shows nothing but its number.
    if (!IsNumberItem(item) && !ch.Usable()) return kNotApplicable;
    if (!IsNumberItem(item) && !ch.AppearCh()) return "";
    if (ch.ItemExistsNow(item)) {
        if (IsNumberItem(item)) return clsRigQ5_Master::ChNoStr(type, row);
        if (item == clsRigQ5_Ch::kItemFreq) {
            // A frequency outside the coverage is kept but marked; it is
            // blanked before the image goes to the receiver.
            return ch.FreqOp_String() + (ch.IsLegalFreqOp() ? "" : "?");
        }
        return ch.ItemString(item);
    }
    if (master.MatrixObj().NumModeNo() > 1 && item == clsRigQ5_Ch::kItemMode && ch.IsAmOnly())
        return "AM";
    return kNotApplicable;
}

}  // namespace

std::vector<std::string> ChannelColumnTitles(const clsRigQ5_Master& master, int treeKey) {
    std::vector<std::string> titles;
    const int type = master.TreeKeyChListType(treeKey);
    for (int c = 0; c < master.NumItemNoOfChListType(type); ++c) {
        titles.push_back(clsRigQ5_Master::ChItemName(master.ItemNoOfChListType(type, c)));
    }
    return titles;
}

std::vector<std::string> ChannelRowTexts(const clsRigQ5_Master& master, int treeKey, int row) {
    std::vector<std::string> cells;
    const clsRigQ5_Ch* ch = master.ChUnit(treeKey, row);
    if (ch == nullptr) return cells;
    const int type = master.TreeKeyChListType(treeKey);
    for (int c = 0; c < master.NumItemNoOfChListType(type); ++c) {
        cells.push_back(CellText(master, *ch, type, row, master.ItemNoOfChListType(type, c)));
    }
    return cells;
}

TreeKeyParts ParseTreeKeyStr(std::string_view definition) {
    TreeKeyParts parts;
    std::string_view rest = definition;
    parts.image = LeadingNumber(TakeUntil(rest, ","));
    parts.selectedImage = LeadingNumber(TakeUntil(rest, ","));
    const auto bar = rest.find('|');
    const std::string_view node = rest.substr(0, bar);
    parts.caption =
        bar == std::string_view::npos ? std::string{} : std::string(rest.substr(bar + 1));
    const auto arrow = node.find("->");
    if (arrow != std::string_view::npos) {
        parts.parent = std::string(node.substr(0, arrow));
        parts.key = std::string(node.substr(arrow + 2));
    } else {
        parts.key = std::string(node);
    }
    return parts;
}

std::string TreeKeyCaption(const clsRigQ5_Master& master, int key) {
    return ParseTreeKeyStr(master.TreeKeyStr(key)).caption;
}
