// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table of cases that differ only in numbers, written as words separated by
// blanks: "a,b>x,y" is one case with the numbers a and b given and x and y
// expected (decimal, or hexadecimal after 0x). Each case runs the check under
// a trace that names its word.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using CaseNumbers = std::vector<std::int64_t>;

inline void ForEachCase(
    const std::string& table,
    const std::function<void(const CaseNumbers& given, const CaseNumbers& expected)>& check) {
    std::istringstream words(table);
    for (std::string word; words >> word;) {
        SCOPED_TRACE(word);
        CaseNumbers parts[2];
        std::size_t side = 0, at = 0;
        while (at < word.size()) {
            std::size_t used = 0;
            const bool hex = word.compare(at, 2, "0x") == 0;
            parts[side].push_back(
                std::stoll(word.substr(at + (hex ? 2 : 0)), &used, hex ? 16 : 10));
            used += hex ? 2 : 0;
            at += used;
            if (at < word.size() && word[at] == '>') side = 1;
            if (at < word.size()) ++at;
        }
        ASSERT_EQ(side, 1u) << "a case needs a '>'";
        check(parts[0], parts[1]);
    }
}

// A short fingerprint (FNV-1a) of a long text made from one of the receiver's
// tables: a test pins the whole table with it and shows the text on a change.
inline std::uint64_t Fingerprint(const std::string& text) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const unsigned char c : text) h = (h ^ c) * 1099511628211ULL;
    return h;
}
