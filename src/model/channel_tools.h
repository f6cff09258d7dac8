// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Working on many channels at once: the same fields written into every
// channel of a block (bulk edit), and a run of new channels from a start
// frequency in equal spacing (fill). Every value goes through the channel
// record's own accessors, then into the image and back, exactly as after
// the channel dialog, so a value a channel cannot take is healed as the
// dialog would heal it. What happened to each channel is counted and, where
// it was not taken as given, told in one line ("Bank A 05: ...").
//
// Like the grid commands these change the records and set the edit flag;
// a caller that keeps an undo history brackets each call as one step. The
// window and csq5-cli use these same functions and texts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/master.h"

// The fields a bulk edit may write; an empty one is left as it is.
struct BulkChanges {
    enum class NameRule { Keep, Set, Prefix, Number };
    std::optional<int> mode;             // mode list index (FM, AM, WFM, Auto)
    std::optional<int> step;             // tuning step index of the full list ("5k".."Auto")
    std::optional<int> skip;             // 0 off, 1 memory, 2 program & memory (TV: 0, 1 skip)
    std::optional<int> dupDir;           // 0 off, 1 -Dup, 2 +Dup
    std::optional<std::int32_t> offset;  // 10 Hz
    std::optional<int> tsql;             // 0 off, 1 on
    std::optional<int> tone;             // CTCSS tone index
    NameRule nameRule = NameRule::Keep;
    std::string name;  // the name, the prefix, or the numbering pattern
    int firstNumber = 1;

    bool Any() const {
        return mode || step || skip || dupDir || offset || tsql || tone ||
               nameRule != NameRule::Keep;
    }
};

// What a bulk edit or fill did: channels that took every value as given,
// that were adjusted, left alone or refused, and one line for each channel
// that was not taken as given.
struct ChannelToolResult {
    int given = 0;
    int adjusted = 0;
    int blank = 0;                          // bulk edit: blank channels, left alone
    int noField = 0;                        // bulk edit: none of the fields applies to the channel
    int refused = 0;                        // fill: a frequency the receiver cannot hold
    std::vector<std::string> lines;         // adjusted or left alone
    std::vector<std::string> refusedLines;  // fill: refused
};

// Whether bulk edit applies to the channels of a tree key: a list whose
// channels have the fields (not a TV list, whose channels have none).
bool BulkEditable(const clsRigQ5_Master& master, int key, int first, int last);
// Writes the changes into every channel in use of rows first..last.
ChannelToolResult BulkEdit(clsRigQ5_Master& master, int key, int first, int last,
                           const BulkChanges& changes);
// "12 channels took the values as given, 3 were adjusted, 5 were left
// alone (5 blank)." and the like.
std::string BulkSummaryText(const ChannelToolResult& result);

// A fill: count channels from a row, the i-th on start + i * spacing.
struct FillRequest {
    std::int32_t start = 0;    // 10 Hz
    std::int32_t spacing = 0;  // 10 Hz
    int count = 0;
    std::string namePattern;  // "AIR %02d": numbered from firstNumber; empty: no name
    int firstNumber = 1;
    std::optional<int> mode;
    std::optional<int> step;
};

static constexpr int kFillDone = 0;
static constexpr int kFillDisabled = 1;    // not a memory bank, or nothing asked
static constexpr int kFillDoesNotFit = 2;  // the channels would pass the bank's end

// Fill works on memory banks (a VFO, scan edge or TV channel means its place).
bool FillEnabled(const clsRigQ5_Master& master, int key);
// kFillDone, or why the fill cannot start (then nothing changes).
int FillCheck(const clsRigQ5_Master& master, int key, int row, const FillRequest& request);
// Whether a channel the fill would write is in use: ask once first.
bool FillNeedsQuestion(const clsRigQ5_Master& master, int key, int row, const FillRequest& request);
// Fills; a frequency the version cannot hold leaves its channel as it was.
int FillChannels(clsRigQ5_Master& master, int key, int row, const FillRequest& request,
                 ChannelToolResult& result);
std::string FillSummaryText(const ChannelToolResult& result);
std::string FillDoesNotFitText(const clsRigQ5_Master& master, int key, int row, int count);

// A name from a pattern: the first %d, %Nd or %0Nd takes the number, %%
// is a percent sign, anything else stays as written.
std::string FormatNamePattern(std::string_view pattern, int number);
// Typed megahertz ("118", "118.0125") or kilohertz ("12.5") as 10 Hz;
// nothing for anything else, finer than 10 Hz or beyond 3000 MHz.
std::optional<std::int32_t> ParseMegahertz(std::string_view text);
std::optional<std::int32_t> ParseKilohertz(std::string_view text);
// The index of a mode ("FM", "am") or tuning step ("12.5", "12.5k", "auto")
// in its list; nothing when the version's list has none.
std::optional<int> ModeIndex(const clsRigQ5_Matrix& matrix, std::string_view text);
std::optional<int> StepIndex(const clsRigQ5_Matrix& matrix, std::string_view text);
