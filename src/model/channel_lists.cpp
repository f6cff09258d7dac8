// SPDX-License-Identifier: GPL-3.0-or-later
// The channel lists the main window shows: the tree of channel groups, the
// columns of each kind of list, their titles and the channel number texts.
// The window only interprets these tables.

#include <initializer_list>

#include "model/master.h"

namespace {

struct KeyDef {
    const char* str;
    int listType;
    int topChNo;
};

// Image "," selected image "," [parent "->"] key "|" caption.
const KeyDef kTreeKeys[] = {
    {"3,3,R|RX-Q5", clsRigQ5_Master::kListFolder, 0},
    {"1,1,R->VFO|VFO", clsRigQ5_Master::kListVfo, 0},
    {"2,2,R->Mch|Memory CH", clsRigQ5_Master::kListFolder, 0},
    {"1,1,Mch->BankA|Bank A", clsRigQ5_Master::kListMemory, 0},
    {"1,1,Mch->BankB|Bank B", clsRigQ5_Master::kListMemory, 50},
    {"1,1,Mch->BankC|Bank C", clsRigQ5_Master::kListMemory, 100},
    {"1,1,Mch->BankD|Bank D", clsRigQ5_Master::kListMemory, 150},
    {"1,1,Mch->BankE|Bank E", clsRigQ5_Master::kListMemory, 200},
    {"1,1,Mch->BankF|Bank F", clsRigQ5_Master::kListMemory, 250},
    {"1,1,Mch->BankG|Bank G", clsRigQ5_Master::kListMemory, 300},
    {"1,1,Mch->BankH|Bank H", clsRigQ5_Master::kListMemory, 350},
    {"1,1,R->Pch|Program scan edge", clsRigQ5_Master::kListPScan, 0},
    {"2,2,R->TV|TV", clsRigQ5_Master::kListFolder, 0},
    {"1,1,TV->MnTV|TV", clsRigQ5_Master::kListTv, 0},
    {"1,1,TV->AmTV|AM TV", clsRigQ5_Master::kListAmTv, 0},
};
// Only receivers with FM TV get this node.
const KeyDef kFmTvKey = {"1,1,TV->FmTV|FM TV", clsRigQ5_Master::kListFmTv, 0};

const std::string kEmpty;

std::string LastChars(const std::string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(s.size() - n);
}

}  // namespace

void clsRigQ5_Master::Reset() {
    // Tree keys; the empty entry ends the table.
    for (auto& k : treeKeys_) k = TreeKey{};
    int n = 0;
    for (const auto& d : kTreeKeys)
        treeKeys_[static_cast<std::size_t>(n++)] = {d.str, d.listType, d.topChNo};
    if (matrix_.MtxFmTvOk() != 0) {
        treeKeys_[static_cast<std::size_t>(n++)] = {kFmTvKey.str, kFmTvKey.listType,
                                                    kFmTvKey.topChNo};
    }
    numTreeKey_ = n;

    // Columns: item numbers per list type; the VFO shows the TV options of
    // bands 8..10 only on receivers with FM TV.
    items_.fill(kNoItem);
    numItems_.fill(0);
    auto setItems = [this](int type, std::initializer_list<int> list) {
        int pos = 0;
        for (int item : list) items_[static_cast<std::size_t>(type * kItemsPerList + pos++)] = item;
        numItems_[static_cast<std::size_t>(type)] = pos;
    };
    if (matrix_.MtxFmTvOk() != 0) {
        setItems(kListVfo, {1, 2, 3, 4, 6, 7, 10, 9, 13, 14, 15});
    } else {
        setItems(kListVfo, {1, 2, 3, 4, 6, 7, 13, 14, 15});
    }
    setItems(kListMemory, {0, 2, 3, 4, 5, 6, 7, 11, 13, 14, 15});
    setItems(kListPScan, {0, 2, 3, 4, 5, 6, 7, 13, 14, 15});
    setItems(kListTv, {0, 2, 8, 12, 15});
    setItems(kListAmTv, {0, 2, 15});
    setItems(kListFmTv, {0, 2, 10, 9, 15});

    numCh_ = {kNumVfo, kChPerBank, kNumPScan, kNumTv, kNumAmTv, kNumFmTv, 0};

    // Records: created once, then only their identities are (re)set.
    auto create = [this](std::vector<clsRigQ5_Ch>& store, std::size_t count) {
        if (store.empty()) {
            store.reserve(count);
            for (std::size_t i = 0; i < count; ++i) store.emplace_back(matrix_);
        }
    };
    create(vfo_, kNumVfo);
    create(memory_, kNumMemory);
    create(pscan_, kNumPScan);
    create(tv_, kNumTv);
    create(amTv_, kNumAmTv);
    create(fmTv_, kNumFmTv);
    for (int i = 0; i < kNumVfo; ++i) vfo_[static_cast<std::size_t>(i)].ChIdent(i);
    for (auto& ch : memory_) ch.ChIdent(clsRigQ5_Ch::kIdentMemory);
    for (int i = 0; i < kNumPScan; ++i) {
        pscan_[static_cast<std::size_t>(i)].ChIdent(i < 2 ? clsRigQ5_Ch::kIdentPScanFirst
                                                          : clsRigQ5_Ch::kIdentPScan);
    }
    for (auto& ch : tv_) ch.ChIdent(clsRigQ5_Ch::kIdentTv);
    for (auto& ch : amTv_) ch.ChIdent(clsRigQ5_Ch::kIdentAmTv);
    for (auto& ch : fmTv_) ch.ChIdent(clsRigQ5_Ch::kIdentFmTv);
}

const std::string& clsRigQ5_Master::TreeKeyStr(int key) const {
    if (key < 0 || key >= kMaxTreeKeys) return kEmpty;
    return treeKeys_[static_cast<std::size_t>(key)].str;
}

int clsRigQ5_Master::TreeKeyChListType(int key) const {
    if (key < 0 || key >= kMaxTreeKeys) return kListFolder;
    return treeKeys_[static_cast<std::size_t>(key)].listType;
}

int clsRigQ5_Master::TreeKeyTopChNo(int key) const {
    if (key < 0 || key >= kMaxTreeKeys) return 0;
    return treeKeys_[static_cast<std::size_t>(key)].topChNo;
}

int clsRigQ5_Master::ItemNoOfChListType(int type, int position) const {
    if (type < 0 || type >= kNumListTypes || position < 0 || position >= kItemsPerList)
        return kNoItem;
    return items_[static_cast<std::size_t>(type * kItemsPerList + position)];
}

int clsRigQ5_Master::NumItemNoOfChListType(int type) const {
    if (type < 0 || type >= kNumListTypes) return 0;
    return numItems_[static_cast<std::size_t>(type)];
}

std::string clsRigQ5_Master::ChItemName(int item) {
    // The trailing blanks give each column its default width.
    static const char* const titles[] = {
        "CH   ",           "BAND ",         "Frequency        ", "Duplex   ",
        "Offset Freq.   ", "Name         ", "TSQL   ",           "CTCSS Freq. ",
        "IF Shift   ",     "Reverse   ",    "Sub Carrier   ",    "Skip   ",
        "Skip   ",         "Mode   ",       "TS     ",           ""};
    if (item < 0 || item > 15) return "*Error   ";
    return titles[item];
}

int clsRigQ5_Master::NumChOfChListType(int type) const {
    if (type < 0 || type >= kNumListTypes) return 0;
    return numCh_[static_cast<std::size_t>(type)];
}

std::string clsRigQ5_Master::ChNoStr(int type, int number) {
    switch (type) {
        case kListVfo:
        case kListMemory:
        case kListAmTv:
        case kListFmTv:
            return LastChars("0" + std::to_string(number), 2);
        case kListPScan:
            // Program scan edges come in pairs: "00A", "00B", "01A" ...
            return LastChars("0" + std::to_string(number / 2) + (number % 2 == 0 ? "A" : "B"), 3);
        case kListTv:
            return LastChars("0" + std::to_string(number + 1), 2);
        default:
            return "";
    }
}

std::vector<clsRigQ5_Ch>* clsRigQ5_Master::Store(int type) {
    switch (type) {
        case kListVfo:
            return &vfo_;
        case kListMemory:
            return &memory_;
        case kListPScan:
            return &pscan_;
        case kListTv:
            return &tv_;
        case kListAmTv:
            return &amTv_;
        case kListFmTv:
            return &fmTv_;
        default:
            return nullptr;
    }
}

const std::vector<clsRigQ5_Ch>* clsRigQ5_Master::Store(int type) const {
    return const_cast<clsRigQ5_Master*>(this)->Store(type);
}

int clsRigQ5_Master::NumRecordsOfListType(int type) {
    switch (type) {
        case kListVfo:
            return kNumVfo;
        case kListMemory:
            return kNumMemory;
        case kListPScan:
            return kNumPScan;
        case kListTv:
            return kNumTv;
        case kListAmTv:
            return kNumAmTv;
        case kListFmTv:
            return kNumFmTv;
        default:
            return 0;
    }
}

clsRigQ5_Ch* clsRigQ5_Master::ListCh(int type, int index) {
    auto* store = Store(type);
    if (store == nullptr || index < 0 || static_cast<std::size_t>(index) >= store->size())
        return nullptr;
    return &(*store)[static_cast<std::size_t>(index)];
}

const clsRigQ5_Ch* clsRigQ5_Master::ListCh(int type, int index) const {
    return const_cast<clsRigQ5_Master*>(this)->ListCh(type, index);
}

clsRigQ5_Ch* clsRigQ5_Master::ChUnit(int key, int chNo) {
    // A row beyond the list's own length (bank A's row 50 would be bank B's
    // first channel) is refused as well.
    if (chNo < 0 || chNo >= NumChOfChListType(TreeKeyChListType(key))) return nullptr;
    return ListCh(TreeKeyChListType(key), chNo + TreeKeyTopChNo(key));
}

const clsRigQ5_Ch* clsRigQ5_Master::ChUnit(int key, int chNo) const {
    return const_cast<clsRigQ5_Master*>(this)->ChUnit(key, chNo);
}
