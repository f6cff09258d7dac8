// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_file.h"

#include <algorithm>
#include <cctype>

#include "app/common.h"
#include "app/profile.h"

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string IndexedKey(const char* base, int index) {
    return std::string(base) + "(" + std::to_string(index) + ")";
}

constexpr const char* kSection = "RecentFiles";

}  // namespace

clsCmcRecentFile::clsCmcRecentFile() {
    Clear();
}

void clsCmcRecentFile::Clear() {
    count_ = 0;
    capacity_ = 0;
    names_.assign(1, std::string());
    titles_.assign(1, std::string());
}

int clsCmcRecentFile::NumIndex() const {
    return LimitInt(count_, 0, capacity_);
}

void clsCmcRecentFile::MaxIndex(int capacity) {
    capacity = std::max(capacity, 0);
    if (capacity < count_) count_ = 0;
    capacity_ = capacity;
    names_.resize(static_cast<std::size_t>(capacity) + 1);
    titles_.resize(static_cast<std::size_t>(capacity) + 1);
}

std::string clsCmcRecentFile::filename(int index) const {
    return (index >= 0 && index < NumIndex()) ? names_[static_cast<std::size_t>(index)]
                                              : std::string();
}

std::string clsCmcRecentFile::fileTitle(int index) const {
    return (index >= 0 && index < NumIndex()) ? titles_[static_cast<std::size_t>(index)]
                                              : std::string();
}

void clsCmcRecentFile::AddItem(const std::string& path, const std::string& title) {
    if (capacity_ <= 0) return;  // no room: nothing is kept
    for (int k = 0; k < count_; ++k) {
        const auto uk = static_cast<std::size_t>(k);
        if (EqualNoCase(names_[uk], path) && EqualNoCase(titles_[uk], title)) {
            names_.erase(names_.begin() + k);
            titles_.erase(titles_.begin() + k);
            names_.emplace_back();
            titles_.emplace_back();
            --count_;
            break;
        }
    }
    for (int i = capacity_ - 2; i >= 0; --i) {
        const auto ui = static_cast<std::size_t>(i);
        names_[ui + 1] = names_[ui];
        titles_[ui + 1] = titles_[ui];
    }
    count_ = std::min(count_ + 1, capacity_);
    names_[0] = path;
    titles_[0] = title;
}

void clsCmcRecentFile::saveData(clsCmcProfileIO& profile) const {
    profile.Section(kSection);
    for (int i = 0; i < capacity_; ++i) {
        profile.saveData(IndexedKey("RecentFileName", i), filename(i));
        profile.saveData(IndexedKey("RecentFileTitle", i), fileTitle(i));
    }
}

void clsCmcRecentFile::loadData(clsCmcProfileIO& profile) {
    profile.Section(kSection);
    for (int i = capacity_ - 1; i >= 0; --i) {
        std::string path;
        std::string title;
        profile.loadData(IndexedKey("RecentFileName", i), path, std::string());
        profile.loadData(IndexedKey("RecentFileTitle", i), title, std::string());
        if (!path.empty() && !title.empty()) AddItem(path, title);
    }
}
