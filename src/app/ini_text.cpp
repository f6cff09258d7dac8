// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ini_text.h"

#include <algorithm>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

// What a line is. A byte order mark that an editor put at the start of the
// file belongs to no name.
Parsed Classify(std::string_view text, bool first) {
    if (first && text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') return {};
    if (trimmed[0] == '[') {
        const std::size_t close = trimmed.find(']');
        if (close == std::string_view::npos) return {};
        return {Kind::Section, TrimBlanks(trimmed.substr(1, close - 1)), {}};
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return {};
    const std::string_view name = TrimBlanks(text.substr(0, eq));
    if (name.empty()) return {};
    return {Kind::Key, name, TrimBlanks(text.substr(eq + 1))};
}

}  // namespace

void IniText::Parse(std::string_view text) {
    lines_.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lf = text.find('\n', at);
        if (lf == std::string_view::npos) {
            // A file cut short after the CR of a CR LF, or written by an
            // editor that ends lines in CR alone: that CR ends the line; it
            // is not part of the last key's value.
            std::string_view last = text.substr(at);
            const bool cr = last.back() == '\r';
            if (cr) last.remove_suffix(1);
            lines_.push_back({std::string(last), cr ? "\r" : ""});
            break;
        }
        const bool crlf = lf > at && text[lf - 1] == '\r';
        const std::size_t end = crlf ? lf - 1 : lf;
        lines_.push_back({std::string(text.substr(at, end - at)), crlf ? "\r\n" : "\n"});
        at = lf + 1;
    }
}

std::string IniText::Text() const {
    std::string text;
    for (const Line& line : lines_) text += line.text + line.end;
    return text;
}

std::size_t IniText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = Classify(lines_[i].text, i == 0);
        if (p.kind == Kind::Section && SameName(p.name, section)) return i;
    }
    return lines_.size();
}

std::size_t IniText::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const Parsed p = Classify(lines_[i].text, false);
        if (p.kind == Kind::Section) break;
        if (p.kind == Kind::Key && SameName(p.name, key)) return i;
    }
    return lines_.size();
}

std::string IniText::NewLineEnd() const {
    if (lines_.empty() || lines_.front().end.empty()) return "\n";
    return lines_.front().end == "\n" ? "\n" : "\r\n";
}

void IniText::EndLastLine() {
    // A CR alone at the very end becomes a CR LF: its line keeps every byte
    // and reads as before, where an added line end after the CR would leave
    // the CR inside the line.
    std::string& end = lines_.back().end;
    if (end.empty())
        end = NewLineEnd();
    else if (end == "\r")
        end = "\r\n";
}

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) return std::nullopt;
    const std::size_t at = FindKey(header, key);
    if (at == lines_.size()) return std::nullopt;
    return std::string(Classify(lines_[at].text, at == 0).value);
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string end = NewLineEnd();
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        if (!lines_.empty()) {
            EndLastLine();
            // A blank line before the new section, as between the others.
            if (!TrimBlanks(lines_.back().text).empty()) lines_.push_back({"", end});
        }
        lines_.push_back({"[" + std::string(section) + "]", end});
        lines_.push_back({keyLine, end});
        return;
    }
    const std::size_t at = FindKey(header, key);
    if (at != lines_.size()) {
        std::string& text = lines_[at].text;
        text = text.substr(0, text.find('=') + 1) + std::string(value);
        return;
    }
    std::size_t after = header;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const Kind kind = Classify(lines_[i].text, false).kind;
        if (kind == Kind::Section) break;
        if (kind == Kind::Key) after = i;
    }
    if (after + 1 == lines_.size()) EndLastLine();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1, Line{keyLine, end});
}
