// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel_tools.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/common.h"
#include "model/channel_texts.h"
#include "model/grid_texts.h"
#include "model/image_diff.h"

namespace {

using Ch = clsRigQ5_Ch;
using M = clsRigQ5_Master;

// The record into the image and back, as after the channel dialog: the
// record then shows exactly what the receiver will get.
void StoreAndReload(M& master, int key, int row) {
    Ch& ch = *master.ChUnit(key, row);
    const int type = master.TreeKeyChListType(key);
    const int index = row + master.TreeKeyTopChNo(key);
    master.Set1Ch(ch, type, index, M::kProgramForm);
    master.Get1Ch(ch, type, index, M::kProgramForm);
}

std::string ListText(ChTextList list, int index) {
    return std::string(ChTextAt(list, index));
}

std::string FreqText(std::int64_t f) {
    // Beyond what a channel holds only in a refusal: still told as typed.
    const std::int64_t mag = f < 0 ? -f : f;
    std::string frac = std::to_string(mag % 100000);
    frac.insert(0, 5 - frac.size(), '0');
    return (f < 0 ? "-" : "") + std::to_string(mag / 100000) + "." + frac + "0 MHz";
}

// One field asked of a channel and what the channel made of it.
struct FieldCheck {
    const char* label;
    std::string asked;
    std::string got;
};

// A line for a channel that did not take everything as given.
std::string AdjustedLine(const std::string& place, const std::vector<FieldCheck>& changed,
                         const std::vector<const char*>& missing) {
    std::string line = place + ":";
    const char* sep = " ";
    for (const FieldCheck& f : changed) {
        line += sep + std::string(f.label) + " " + f.got + " instead of " + f.asked;
        sep = "; ";
    }
    if (!missing.empty()) {
        std::string names;
        for (const char* m : missing) names += (names.empty() ? "" : ", ") + std::string(m);
        line += sep + names + (missing.size() == 1 ? " does" : " do") + " not apply";
    }
    return line + ".";
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Digits of a text (after blanks) as a number with up to `decimals`
// decimals, scaled by 10^decimals; nothing for anything else.
std::optional<std::int64_t> ParseFixed(std::string_view text, int decimals) {
    const std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    std::int64_t whole = 0, frac = 0;
    int fracDigits = 0;
    bool point = false, digits = false;
    for (const char c : t) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (point) {
                if (++fracDigits > decimals) {
                    if (c != '0') return std::nullopt;  // finer than the unit
                    continue;
                }
                frac = frac * 10 + (c - '0');
            } else {
                whole = whole * 10 + (c - '0');
                if (whole > 100000) return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    for (int i = std::min(fracDigits, decimals); i < decimals; ++i) frac *= 10;
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    return whole * scale + frac;
}

std::string Compact(std::string_view text) {
    std::string s;
    for (const char c : text)
        if (c != ' ') s.push_back(c);
    return Upper(s);
}

}  // namespace

// ---------------------------------------------------------------- bulk edit

bool BulkEditable(const M& master, int key, int first, int last) {
    if (first < 0 || first > last) return false;
    for (int row = first; row <= last; ++row) {
        const Ch* ch = master.ChUnit(key, row);
        if (ch == nullptr || !ch->Usable()) return false;
    }
    return true;
}

ChannelToolResult BulkEdit(M& master, int key, int first, int last, const BulkChanges& c) {
    ChannelToolResult result;
    if (!BulkEditable(master, key, first, last) || !c.Any()) return result;
    int number = c.firstNumber;
    for (int row = first; row <= last; ++row) {
        Ch& ch = *master.ChUnit(key, row);
        if (!ch.AppearCh()) {
            ++result.blank;
            continue;
        }
        // Fields the channel has at its frequency (a medium-wave channel
        // is AM only and has no mode, step, duplex or tone).
        const auto has = [&ch](int item) { return ch.ItemExistsNow(item); };
        std::string name;
        switch (c.nameRule) {
            case BulkChanges::NameRule::Set:
                name = c.name;
                break;
            case BulkChanges::NameRule::Prefix:
                name = c.name + ch.Name();
                break;
            case BulkChanges::NameRule::Number:
                name = FormatNamePattern(c.name, number++);
                break;
            case BulkChanges::NameRule::Keep:
                break;
        }
        std::vector<const char*> missing;
        int applied = 0;
        // The order of the channel dialog: duplex before offset, the tone
        // squelch before its tone, mode before step.
        const auto write = [&](bool asked, int item, const char* label, auto set) {
            if (!asked) return;
            if (has(item)) {
                set();
                ++applied;
            } else {
                missing.push_back(label);
            }
        };
        write(c.dupDir.has_value(), Ch::kItemDupDir, "Duplex", [&] { ch.DupDir_Pure(*c.dupDir); });
        write(c.offset.has_value(), Ch::kItemFreqDup, "Offset",
              [&] { ch.FreqDup_Pure(*c.offset); });
        write(c.nameRule != BulkChanges::NameRule::Keep, Ch::kItemName, "Name",
              [&] { ch.Name(name); });
        write(c.tsql.has_value(), Ch::kItemTSql, "TSQL", [&] { ch.TSqlOn_Pure(*c.tsql); });
        write(c.tone.has_value(), Ch::kItemTone, "CTCSS", [&] { ch.ToneNo_Pure(*c.tone); });
        write(c.mode.has_value(), Ch::kItemMode, "Mode", [&] { ch.ModeNo_Pure(*c.mode); });
        write(c.step.has_value(), Ch::kItemTs, "Tuning Step", [&] { ch.TsNo_Pure(*c.step); });
        const bool tv = has(Ch::kItemSkipT);
        write(c.skip.has_value(), tv ? Ch::kItemSkipT : Ch::kItemSkipM, "Skip", [&] {
            ch.SkipM_Pure(*c.skip);
            ch.SkipT_Pure(*c.skip);
        });
        const std::string place = ChannelPlaceText(master, key, row);
        if (applied == 0) {
            ++result.noField;
            result.lines.push_back(place + ": left alone, " +
                                   AdjustedLine("", {}, missing).substr(2));
            continue;
        }
        StoreAndReload(master, key, row);

        // What the channel holds now against what was asked.
        std::vector<FieldCheck> changed;
        const auto check = [&](bool asked, int item, const char* label, const std::string& want,
                               const std::string& got) {
            if (asked && has(item) && want != got) changed.push_back({label, want, got});
        };
        check(c.dupDir.has_value(), Ch::kItemDupDir, "Duplex",
              ListText(ChTextList::DupDir, c.dupDir.value_or(0)), ch.DupDir_String());
        check(c.offset.has_value(), Ch::kItemFreqDup, "Offset", FreqText(c.offset.value_or(0)),
              FreqText(ch.FreqDup_Pure()));
        check(c.nameRule != BulkChanges::NameRule::Keep, Ch::kItemName, "Name", "\"" + name + "\"",
              "\"" + ch.Name() + "\"");
        check(c.tsql.has_value(), Ch::kItemTSql, "TSQL",
              ListText(ChTextList::TSql, c.tsql.value_or(0)), ch.TSqlOn_String());
        check(c.tone.has_value(), Ch::kItemTone, "CTCSS",
              ListText(ChTextList::Tone, c.tone.value_or(0)), ch.ToneNo_String());
        check(c.mode.has_value(), Ch::kItemMode, "Mode",
              ListText(ChTextList::Mode, c.mode.value_or(0)), ch.ModeNo_String());
        check(c.step.has_value(), Ch::kItemTs, "Tuning Step",
              ListText(ChTextList::StepNorm, c.step.value_or(0)), ch.TsNo_String());
        if (c.skip) {
            const int got = tv ? ch.SkipT_Pure() : ch.SkipM_Pure();
            check(true, tv ? Ch::kItemSkipT : Ch::kItemSkipM, "Skip",
                  ListText(tv ? ChTextList::SkipTMenu : ChTextList::SkipMMenu, *c.skip),
                  ListText(tv ? ChTextList::SkipTMenu : ChTextList::SkipMMenu, got));
        }
        if (changed.empty() && missing.empty()) {
            ++result.given;
        } else {
            ++result.adjusted;
            result.lines.push_back(AdjustedLine(place, changed, missing));
        }
    }
    if (result.given + result.adjusted > 0) master.Radio().EditOn(true);
    return result;
}

std::string BulkSummaryText(const ChannelToolResult& r) {
    std::string s = Plural(r.given, "channel", "channels") + " took the values as given, " +
                    std::to_string(r.adjusted) + (r.adjusted == 1 ? " was" : " were") +
                    " adjusted, " + std::to_string(r.blank + r.noField) +
                    (r.blank + r.noField == 1 ? " was" : " were") + " left alone";
    std::string why;
    if (r.blank > 0) why = std::to_string(r.blank) + " blank";
    if (r.noField > 0)
        why += (why.empty() ? "" : ", ") + std::to_string(r.noField) + " without these fields";
    return s + (why.empty() ? "" : " (" + why + ")") + ".";
}

// --------------------------------------------------------------------- fill

bool FillEnabled(const M& master, int key) {
    return master.TreeKeyChListType(key) == M::kListMemory;
}

int FillCheck(const M& master, int key, int row, const FillRequest& request) {
    if (!FillEnabled(master, key) || request.count < 1 || master.ChUnit(key, row) == nullptr)
        return kFillDisabled;
    const int n = master.NumChOfChListType(M::kListMemory);
    if (row + static_cast<std::int64_t>(request.count) > n) return kFillDoesNotFit;
    return kFillDone;
}

bool FillNeedsQuestion(const M& master, int key, int row, const FillRequest& request) {
    if (FillCheck(master, key, row, request) != kFillDone) return false;
    for (int i = 0; i < request.count; ++i)
        if (master.ChUnit(key, row + i)->AppearCh()) return true;
    return false;
}

int FillChannels(M& master, int key, int row, const FillRequest& request,
                 ChannelToolResult& result) {
    result = ChannelToolResult{};
    const int check = FillCheck(master, key, row, request);
    if (check != kFillDone) return check;
    for (int i = 0; i < request.count; ++i) {
        const std::int64_t asked = request.start + static_cast<std::int64_t>(i) * request.spacing;
        const std::string place = ChannelPlaceText(master, key, row + i);
        // A new channel as the channel dialog makes one from a blank
        // channel: only the frequency, name, mode and step typed.
        Ch fresh(master.MatrixObj(), master.ChUnit(key, row + i)->ChIdent());
        fresh.AppearCh(true);
        fresh.FreqOp_Pure(static_cast<std::int32_t>(
            std::min<std::int64_t>(asked, std::numeric_limits<std::int32_t>::max())));
        if (asked < 0 || asked > Ch::kFreqMax || !fresh.IsLegalFreqOp()) {
            ++result.refused;
            result.refusedLines.push_back(
                place + ": " + FreqText(asked) +
                " cannot be received by this receiver version; left as it was.");
            continue;
        }
        fresh.DupDir_Pure(0);
        fresh.FreqDup_Pure(0);
        fresh.Name(request.namePattern.empty()
                       ? std::string()
                       : FormatNamePattern(request.namePattern, request.firstNumber + i));
        fresh.TSqlOn_Pure(0);
        fresh.ToneNo_Pure(8);
        fresh.SkipM_Pure(0);
        fresh.ModeNo_Pure(request.mode.value_or(0));
        fresh.TsNo_Pure(request.step.value_or(0));
        Ch& ch = *master.ChUnit(key, row + i);
        ch.CopyData(fresh);
        StoreAndReload(master, key, row + i);

        std::vector<FieldCheck> changed;
        if (ch.FreqOp_Pure() != asked)
            changed.push_back({"Frequency", FreqText(asked), FreqText(ch.FreqOp_Pure())});
        const std::string wantName =
            request.namePattern.empty()
                ? std::string()
                : FormatNamePattern(request.namePattern, request.firstNumber + i);
        if (ch.Name() != wantName)
            changed.push_back({"Name", "\"" + wantName + "\"", "\"" + ch.Name() + "\""});
        if (request.mode && ch.ModeNo_String() != ListText(ChTextList::Mode, *request.mode))
            changed.push_back(
                {"Mode", ListText(ChTextList::Mode, *request.mode), ch.ModeNo_String()});
        if (request.step && ch.ItemExistsNow(Ch::kItemTs) &&
            ch.TsNo_String() != ListText(ChTextList::StepNorm, *request.step))
            changed.push_back(
                {"Tuning Step", ListText(ChTextList::StepNorm, *request.step), ch.TsNo_String()});
        if (changed.empty()) {
            ++result.given;
        } else {
            ++result.adjusted;
            result.lines.push_back(AdjustedLine(place, changed, {}));
        }
    }
    if (result.given + result.adjusted > 0) master.Radio().EditOn(true);
    return kFillDone;
}

std::string FillSummaryText(const ChannelToolResult& r) {
    return Plural(r.given + r.adjusted, "channel was", "channels were") + " filled (" +
           std::to_string(r.adjusted) + " adjusted), " + std::to_string(r.refused) + " refused.";
}

std::string FillDoesNotFitText(const M& master, int key, int row, int count) {
    const int last = master.NumChOfChListType(M::kListMemory) - 1;
    return "The " + Plural(count, "channel does", "channels do") + " not fit from CH " +
           M::ChNoStr(M::kListMemory, row) + ": " + TreeKeyCaption(master, key) + " ends at CH " +
           M::ChNoStr(M::kListMemory, last) + ".";
}

// ---------------------------------------------------------------- helpers

std::string FormatNamePattern(std::string_view pattern, int number) {
    std::string out;
    bool used = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out.push_back(c);
            continue;
        }
        if (pattern[i + 1] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        // %d, %Nd or %0Nd (one width digit: a name has six characters).
        std::size_t j = i + 1;
        const bool zero = pattern[j] == '0';
        if (zero) ++j;
        int width = 0;
        if (j < pattern.size() && pattern[j] >= '1' && pattern[j] <= '9')
            width = pattern[j++] - '0';
        if (used || j >= pattern.size() || pattern[j] != 'd') {
            out.push_back(c);
            continue;
        }
        std::string digits = std::to_string(number < 0 ? -number : number);
        const std::string sign = number < 0 ? "-" : "";
        const int pad = width - static_cast<int>(digits.size() + sign.size());
        if (pad > 0) {
            if (zero) {
                digits.insert(0, static_cast<std::size_t>(pad), '0');
            } else {
                out.append(static_cast<std::size_t>(pad), ' ');
            }
        }
        out += sign + digits;
        used = true;
        i = j;
    }
    return out;
}

std::optional<std::int32_t> ParseMegahertz(std::string_view text) {
    const auto v = ParseFixed(text, 5);  // 10 Hz
    if (!v || *v > Ch::kFreqMax) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int32_t> ParseKilohertz(std::string_view text) {
    const auto v = ParseFixed(text, 2);  // 10 Hz
    if (!v || *v > Ch::kFreqMax) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<int> ModeIndex(const clsRigQ5_Matrix& matrix, std::string_view text) {
    const std::string t = Compact(text);
    for (int i = 0; i < matrix.NumModeNo() && i < ChTextCount(ChTextList::Mode); ++i)
        if (Upper(ListText(ChTextList::Mode, i)) == t) return i;
    return std::nullopt;
}

std::optional<int> StepIndex(const clsRigQ5_Matrix& matrix, std::string_view text) {
    std::string t = Compact(text);
    if (!t.empty() && t.back() != 'K' && t != "AUTO") t += 'K';
    for (int i = 0; i < matrix.NumTsNo_Norm() && i < ChTextCount(ChTextList::StepNorm); ++i)
        if (Upper(ListText(ChTextList::StepNorm, i)) == t) return i;
    return std::nullopt;
}
