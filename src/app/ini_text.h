// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of an INI-style profile, as lines that are edited in place.
//
// The profile is the program's, but people edit it by hand, and other
// versions of the program or other tools may keep their own sections in it.
// So the program owns only the keys it writes: every other line (sections
// and keys it does not know, comments, blank lines, lines that are neither
// key nor section, a second key of the same name) stays as it was, where it
// was, with the line end it had. Reading and writing follow the platform's
// private profile form:
//
//   [Section]        a section header; names match regardless of letter case
//   key=value        a key of the section above it; blanks around the key
//                    and around the value are not part of them
//   ; comment        a comment (also "#"), never a key
//
// Only the first section of a name and its first key of a name count, both
// for reading and for writing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniText {
  public:
    // Takes the whole text of a file; it reads back unchanged from Text().
    void Parse(std::string_view text);
    std::string Text() const;
    bool Empty() const { return lines_.empty(); }

    // The value of the key, or nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets the value of the key. An existing key keeps its line, its
    // spelling and whatever stands before its "="; only the value after it
    // is replaced. A missing key gets a line of its own after the last key
    // of its section (after the header when it has none); a missing
    // section is added at the end. New lines end as the file's first line
    // does (LF in a file that has none). The value must be one line.
    void Set(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n"; for the last line also "\r" or ""
    };

    // The index of the first header of that section; lines_.size() if none.
    std::size_t FindSection(std::string_view section) const;
    // The first key of that name below the header at `header`, up to the
    // next header; lines_.size() if none.
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    std::string NewLineEnd() const;
    // Gives the last line a line end before a line is added after it.
    void EndLastLine();

    std::vector<Line> lines_;
};
