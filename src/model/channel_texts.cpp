// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_texts.h"

#include <array>
#include <span>
#include <string>

namespace {

constexpr std::string_view kDupDir[] = {"OFF", "-Dup", "+Dup"};
constexpr std::string_view kMode[] = {"FM", "AM", "WFM", "Auto"};
constexpr std::string_view kTone[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
constexpr std::string_view kStepNorm[] = {"5k",  "6.25k", "10k", "12.5k", "15k", "20k",
                                          "25k", "30k",   "50k", "100k",  "Auto"};
constexpr std::string_view kStep24G[] = {"5k",  "10k", "12.5k", "15k",  "20k",
                                         "25k", "30k", "50k",   "100k", "Auto"};
constexpr std::string_view kTvIf[] = {"OFF", "-3M", "-2M", "+2M", "+3M"};
constexpr std::string_view kTSql[] = {"OFF", "ON"};
constexpr std::string_view kTvReverse[] = {"", "Rev"};
constexpr std::string_view kSkipMList[] = {"", "M", "M+P"};
constexpr std::string_view kSkipMMenu[] = {"Off", "Memory", "Program & Memory"};
constexpr std::string_view kSkipTList[] = {"", "Skip"};
constexpr std::string_view kSkipTMenu[] = {"Off", "Skip"};

// Sub carrier index i is a shift of i - 63 steps; the texts are built once.
std::span<const std::string_view> SubCarrierTexts() {
    static const auto texts = [] {
        std::array<std::string, 127> owned;
        for (int i = 0; i < 127; ++i) owned[static_cast<std::size_t>(i)] = std::to_string(i - 63);
        return owned;
    }();
    static const auto views = [] {
        std::array<std::string_view, 127> v;
        for (std::size_t i = 0; i < v.size(); ++i) v[i] = texts[i];
        return v;
    }();
    return views;
}

std::span<const std::string_view> Table(ChTextList list) {
    switch (list) {
        case ChTextList::DupDir:
            return kDupDir;
        case ChTextList::Mode:
            return kMode;
        case ChTextList::Tone:
            return kTone;
        case ChTextList::StepNorm:
            return kStepNorm;
        case ChTextList::Step24G:
            return kStep24G;
        case ChTextList::TvIf:
            return kTvIf;
        case ChTextList::TSql:
            return kTSql;
        case ChTextList::TvReverse:
            return kTvReverse;
        case ChTextList::SubCarrier:
            return SubCarrierTexts();
        case ChTextList::SkipMList:
            return kSkipMList;
        case ChTextList::SkipMMenu:
            return kSkipMMenu;
        case ChTextList::SkipTList:
            return kSkipTList;
        case ChTextList::SkipTMenu:
            return kSkipTMenu;
    }
    return {};
}

}  // namespace

int ChTextCount(ChTextList list) {
    return static_cast<int>(Table(list).size());
}

std::string_view ChTextAt(ChTextList list, int index) {
    const auto table = Table(list);
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return {};
    return table[static_cast<std::size_t>(index)];
}
