// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/core_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The core's texts and sentence patterns as the window shows them. lupdate
// collects them from here; the core itself has no translation calls. A
// pattern holds %1, %2 ... where the core puts a number, a file name or
// another text.
const char* const kCoreTexts[] = {
    // Clone failures and their hints.
    QT_TRANSLATE_NOOP("CoreText", "Cannot access COM port."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot access %1."),
    QT_TRANSLATE_NOOP("CoreText", "No answer from receiver."),
    QT_TRANSLATE_NOOP("CoreText", "Illegal data."),
    QT_TRANSLATE_NOOP("CoreText", "There is not enough data."),
    QT_TRANSLATE_NOOP("CoreText", "Data Overflow."),
    QT_TRANSLATE_NOOP("CoreText", "COM buffer Overflow."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot write cloning data."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot Clone."),
    QT_TRANSLATE_NOOP("CoreText", "Illegal Information."),
    QT_TRANSLATE_NOOP("CoreText", "Version number does not match."),
    QT_TRANSLATE_NOOP("CoreText", "The receiver cannot be programmed with the current setting."),
    QT_TRANSLATE_NOOP("CoreText", "The receiver's version does not match the initial setup."),
    QT_TRANSLATE_NOOP("CoreText", "Check the following:"),
    QT_TRANSLATE_NOOP("CoreText", "- The COM port settings."),
    QT_TRANSLATE_NOOP("CoreText", "- Cloning cable connections."),
    QT_TRANSLATE_NOOP("CoreText", "- Receiver power is ON."),
    QT_TRANSLATE_NOOP("CoreText", "- Appropriate cloning software for the receiver is being used."),
    QT_TRANSLATE_NOOP("CoreText", "- The revision number of the receiver."),
    QT_TRANSLATE_NOOP("CoreText", "- Permission to use %1 (membership of the %2 group)."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "- No serial port was found on this computer; csq5 --demo tries the program with a "
        "simulated receiver."),
    // Clone commands.
    QT_TRANSLATE_NOOP("CoreText", "Read from receiver, Data has been edited."),
    QT_TRANSLATE_NOOP("CoreText", "Write to receiver."),
    QT_TRANSLATE_NOOP("CoreText", "Clone writing succeeded."),
    QT_TRANSLATE_NOOP("CoreText", "Turn the receiver power off and on to use"),
    QT_TRANSLATE_NOOP("CoreText", "the receiver under its new conditions."),
    QT_TRANSLATE_NOOP("CoreText", "The receiver's memory was verified: it holds what was written."),
    QT_TRANSLATE_NOOP("CoreText", "Verify after write failed."),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 byte of the receiver's memory differs from what was written, in:"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 bytes of the receiver's memory differ from what was written, in:"),
    QT_TRANSLATE_NOOP("CoreText", "and %1 more."),
    QT_TRANSLATE_NOOP("CoreText", "Write again, and check the cloning cable connections."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Clone writing succeeded, but reading the memory back to verify it failed."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The receiver's memory was not verified: verifying was cancelled."),
    QT_TRANSLATE_NOOP("CoreText", "Writing to the receiver..."),
    QT_TRANSLATE_NOOP("CoreText", "Reading back to verify..."),
    QT_TRANSLATE_NOOP("CoreText", "Clone read at %1; backup copy: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Clone read at %1; no backup copy could be written in %2"),
    QT_TRANSLATE_NOOP("CoreText", "Clone read at %1."),
    QT_TRANSLATE_NOOP("CoreText", "Information"),
    QT_TRANSLATE_NOOP("CoreText", "Model : %1"),
    QT_TRANSLATE_NOOP("CoreText", "Comment : %1"),
    QT_TRANSLATE_NOOP("CoreText", "Address %1"),
    // Data files, the profile, backups.
    QT_TRANSLATE_NOOP("CoreText", "Save changes ?"),
    QT_TRANSLATE_NOOP("CoreText", "Save changes to %1 ?"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot save file."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot open file."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot print."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Cannot read the profile %1. The program runs on its default settings and leaves the "
        "file as it is."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "The backups of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one."),
    QT_TRANSLATE_NOOP("CoreText", "There are no backups of clone reads yet."),
    QT_TRANSLATE_NOOP("CoreText", "They are kept in"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "The copies of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one."),
    QT_TRANSLATE_NOOP("CoreText", "The folder cannot be shown in a file manager."),
    QT_TRANSLATE_NOOP("CoreText", "The copies of clone reads are kept in"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot start the demo receiver."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot execute CS-Q5 repeatedly."),
    QT_TRANSLATE_NOOP("CoreText", "CS-Q5 is already executing."),
    // Editing, finding, moving channels.
    QT_TRANSLATE_NOOP("CoreText", "Overwrite here ?"),
    QT_TRANSLATE_NOOP("CoreText", "The last CH is not blank. Cannot insert a blank channel."),
    QT_TRANSLATE_NOOP("CoreText", "%1 has no blank CH."),
    QT_TRANSLATE_NOOP("CoreText", "Moved to %1, CH %2."),
    QT_TRANSLATE_NOOP("CoreText", "Copied to %1, CH %2."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot find \"%1\"."),
    QT_TRANSLATE_NOOP("CoreText", "Passed the last channel; the search went on from the top."),
    QT_TRANSLATE_NOOP("CoreText", "All TV CH will be replaced with '%1' table."),
    QT_TRANSLATE_NOOP("CoreText", "Sure ?"),
    // Differences between two memories.
    QT_TRANSLATE_NOOP("CoreText", "%1 difference between %2 and %3"),
    QT_TRANSLATE_NOOP("CoreText", "%1 differences between %2 and %3"),
    QT_TRANSLATE_NOOP("CoreText", "The memory shown is the same as in %1."),
    QT_TRANSLATE_NOOP("CoreText", "%1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Setting"),
    QT_TRANSLATE_NOOP("CoreText", "Comment"),
    QT_TRANSLATE_NOOP("CoreText", "Untitled"),
    // The channel lists: tree, column titles, cell and choice texts.
    QT_TRANSLATE_NOOP("CoreText", "Memory CH"),
    QT_TRANSLATE_NOOP("CoreText", "Bank A"),
    QT_TRANSLATE_NOOP("CoreText", "Bank B"),
    QT_TRANSLATE_NOOP("CoreText", "Bank C"),
    QT_TRANSLATE_NOOP("CoreText", "Bank D"),
    QT_TRANSLATE_NOOP("CoreText", "Bank E"),
    QT_TRANSLATE_NOOP("CoreText", "Bank F"),
    QT_TRANSLATE_NOOP("CoreText", "Bank G"),
    QT_TRANSLATE_NOOP("CoreText", "Bank H"),
    QT_TRANSLATE_NOOP("CoreText", "Program scan edge"),
    QT_TRANSLATE_NOOP("CoreText", "TV"),
    QT_TRANSLATE_NOOP("CoreText", "AM TV"),
    QT_TRANSLATE_NOOP("CoreText", "FM TV"),
    QT_TRANSLATE_NOOP("CoreText", "CH"),
    QT_TRANSLATE_NOOP("CoreText", "BAND"),
    QT_TRANSLATE_NOOP("CoreText", "Frequency"),
    QT_TRANSLATE_NOOP("CoreText", "Duplex"),
    QT_TRANSLATE_NOOP("CoreText", "Offset Freq."),
    QT_TRANSLATE_NOOP("CoreText", "Name"),
    QT_TRANSLATE_NOOP("CoreText", "TSQL"),
    QT_TRANSLATE_NOOP("CoreText", "CTCSS Freq."),
    QT_TRANSLATE_NOOP("CoreText", "IF Shift"),
    QT_TRANSLATE_NOOP("CoreText", "Reverse"),
    QT_TRANSLATE_NOOP("CoreText", "Sub Carrier"),
    QT_TRANSLATE_NOOP("CoreText", "Skip"),
    QT_TRANSLATE_NOOP("CoreText", "Mode"),
    QT_TRANSLATE_NOOP("CoreText", "TS"),
    QT_TRANSLATE_NOOP("CoreText", "-Dup"),
    QT_TRANSLATE_NOOP("CoreText", "+Dup"),
    QT_TRANSLATE_NOOP("CoreText", "Rev"),
    QT_TRANSLATE_NOOP("CoreText", "Auto"),
    QT_TRANSLATE_NOOP("CoreText", "Off"),
    QT_TRANSLATE_NOOP("CoreText", "Memory"),
    QT_TRANSLATE_NOOP("CoreText", "Program & Memory"),
    // The receiver's settings.
    QT_TRANSLATE_NOOP("CoreText", "Scan Resume"),
    QT_TRANSLATE_NOOP("CoreText", "Pause Scan"),
    QT_TRANSLATE_NOOP("CoreText", "Beep Audio"),
    QT_TRANSLATE_NOOP("CoreText", "LCD Back Light"),
    QT_TRANSLATE_NOOP("CoreText", "Auto Power-OFF"),
    QT_TRANSLATE_NOOP("CoreText", "Monitor"),
    QT_TRANSLATE_NOOP("CoreText", "Key Lock"),
    QT_TRANSLATE_NOOP("CoreText", "Display Mode"),
    QT_TRANSLATE_NOOP("CoreText", "Display Contrast"),
    QT_TRANSLATE_NOOP("CoreText", "Display Bright"),
    QT_TRANSLATE_NOOP("CoreText", "Display Back Color"),
    QT_TRANSLATE_NOOP("CoreText", "Dial Select"),
    QT_TRANSLATE_NOOP("CoreText", "Memory Scan"),
    QT_TRANSLATE_NOOP("CoreText", "VFO Scan"),
    QT_TRANSLATE_NOOP("CoreText", "RF Attenuator"),
    QT_TRANSLATE_NOOP("CoreText", "Power Save"),
    QT_TRANSLATE_NOOP("CoreText", "Dial Speedup"),
    QT_TRANSLATE_NOOP("CoreText", "Skip Scan"),
    QT_TRANSLATE_NOOP("CoreText", "%1 sec"),
    QT_TRANSLATE_NOOP("CoreText", "%1 min"),
    QT_TRANSLATE_NOOP("CoreText", "Hold"),
    QT_TRANSLATE_NOOP("CoreText", "Volume"),
    QT_TRANSLATE_NOOP("CoreText", "Push"),
    QT_TRANSLATE_NOOP("CoreText", "Normal"),
    QT_TRANSLATE_NOOP("CoreText", "No SQL"),
    QT_TRANSLATE_NOOP("CoreText", "No VOL"),
    QT_TRANSLATE_NOOP("CoreText", "Manual-OFF"),
    QT_TRANSLATE_NOOP("CoreText", "Manual-ON"),
    QT_TRANSLATE_NOOP("CoreText", "Bank"),
    QT_TRANSLATE_NOOP("CoreText", "Band"),
    // CSV tables.
    QT_TRANSLATE_NOOP(
        "CoreText",
        "No channel table: the first line must name the columns, Location and Frequency among "
        "them."),
    QT_TRANSLATE_NOOP("CoreText", "%1 row was not imported:"),
    QT_TRANSLATE_NOOP("CoreText", "%1 rows were not imported:"),
    QT_TRANSLATE_NOOP("CoreText", "... and %1 more."),
    QT_TRANSLATE_NOOP("CoreText", "line %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "no header line"),
    QT_TRANSLATE_NOOP("CoreText", "the header has no Location column"),
    QT_TRANSLATE_NOOP("CoreText", "the header has no Frequency column"),
    QT_TRANSLATE_NOOP("CoreText", "a quoted field is not closed"),
    QT_TRANSLATE_NOOP("CoreText", "no Location field"),
    QT_TRANSLATE_NOOP("CoreText", "location %1 is not a channel number"),
    QT_TRANSLATE_NOOP("CoreText", "location %1 is not a memory channel (0 to 399)"),
    QT_TRANSLATE_NOOP("CoreText", "no Frequency field"),
    QT_TRANSLATE_NOOP("CoreText", "no frequency"),
    QT_TRANSLATE_NOOP("CoreText", "frequency %1 is not a number in MHz"),
    QT_TRANSLATE_NOOP("CoreText", "frequency %1 MHz is above 3000 MHz"),
    QT_TRANSLATE_NOOP("CoreText", "duplex %1 is not \"\", \"-\", \"+\" or \"split\""),
    QT_TRANSLATE_NOOP("CoreText", "offset %1 is not a number in MHz"),
    QT_TRANSLATE_NOOP("CoreText", "split duplex without the other frequency"),
    QT_TRANSLATE_NOOP("CoreText", "split frequency %1 MHz is above 3000 MHz"),
    QT_TRANSLATE_NOOP("CoreText",
                      "split %1 and %2 MHz are %3 MHz apart; the largest offset is %4 MHz"),
    QT_TRANSLATE_NOOP("CoreText", "offset %1 MHz is above %2 MHz, the largest offset"),
    QT_TRANSLATE_NOOP("CoreText", "tone mode %1 is not \"\" or \"TSQL\""),
    QT_TRANSLATE_NOOP("CoreText", "tone %1 is not a number in Hz"),
    QT_TRANSLATE_NOOP("CoreText", "tone %1 Hz is not one of the receiver's CTCSS tones"),
    QT_TRANSLATE_NOOP("CoreText", "mode %1 cannot be received (FM, AM, WFM, Auto)"),
    QT_TRANSLATE_NOOP("CoreText", "tuning step %1 is not a number in kHz"),
    QT_TRANSLATE_NOOP("CoreText", "skip %1 is not \"\", \"S\" or \"P\""),
    QT_TRANSLATE_NOOP("CoreText", "channel %1 was already given on line %2"),
    // Scanner lists and other tables without channel numbers; blocks that do
    // not fit; who holds a port.
    QT_TRANSLATE_NOOP("CoreText", "mode %1 cannot be received (FM, FMN, AM, WFM)"),
    QT_TRANSLATE_NOOP("CoreText", "mode %1 is digital voice, which the receiver cannot receive"),
    QT_TRANSLATE_NOOP("CoreText",
                      "tone squelch %1 is a DCS code, which the receiver cannot decode: imported "
                      "without tone squelch"),
    QT_TRANSLATE_NOOP("CoreText",
                      "tone squelch %1 is not understood: imported without tone squelch"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "tone %1 Hz is not one of the receiver's CTCSS tones: imported without tone squelch"),
    QT_TRANSLATE_NOOP("CoreText",
                      "a scanner list has no locations: choose the bank and row to start at"),
    QT_TRANSLATE_NOOP("CoreText", "does not fit: Bank %1 has no row %2"),
    QT_TRANSLATE_NOOP("CoreText",
                      "frequency %1 MHz is outside every band of this receiver version"),
    QT_TRANSLATE_NOOP("CoreText", "The %1 channel does not fit from CH %2: %3 ends at CH %4."),
    QT_TRANSLATE_NOOP("CoreText", "The %1 channels do not fit from CH %2: %3 ends at CH %4."),
    QT_TRANSLATE_NOOP("CoreText", "process %1"),
    // Clone writes that would blank channels, the device behind a port, why a
    // file could not be opened.
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 channel is outside the frequency coverage of the receiver and would be written blank:"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 channels are outside the frequency coverage of the receiver and would be "
                      "written blank:"),
    QT_TRANSLATE_NOOP("CoreText", "Write anyway?"),
    QT_TRANSLATE_NOOP("CoreText", "Clone read saved as %1; no backup copy."),
    QT_TRANSLATE_NOOP("CoreText", "Clone read saved as %1; backup copy: %2"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 stands for no device: none is set for it, and the system has no serial port for it."),
    QT_TRANSLATE_NOOP("CoreText", "COM %1 is %2"),
    QT_TRANSLATE_NOOP("CoreText", "no such device."),
    QT_TRANSLATE_NOOP("CoreText", "permission denied."),
    QT_TRANSLATE_NOOP("CoreText", "in use by another program."),
    QT_TRANSLATE_NOOP("CoreText", "in use by another program (%1)."),
    QT_TRANSLATE_NOOP("CoreText", "not a serial device."),
    QT_TRANSLATE_NOOP("CoreText", "it could not be opened."),
    QT_TRANSLATE_NOOP("CoreText", "nothing sent came back; a cloning cable echoes every byte."),
    QT_TRANSLATE_NOOP("CoreText", "No such file."),
    QT_TRANSLATE_NOOP("CoreText", "Permission denied."),
    QT_TRANSLATE_NOOP("CoreText", "It is a folder."),
    QT_TRANSLATE_NOOP("CoreText", "It is not a regular file."),
    QT_TRANSLATE_NOOP("CoreText", "It is larger than the limit of %1 MiB."),
    QT_TRANSLATE_NOOP("CoreText", "It is empty."),
    QT_TRANSLATE_NOOP("CoreText", "It is not a data file."),
    QT_TRANSLATE_NOOP("CoreText", "It could not be read."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "frequency %1 MHz is outside the frequency coverage of the receiver (version %2)"),
    // A cable that stopped answering; channels dropped where they cannot go.
    QT_TRANSLATE_NOOP("CoreText",
                      "The receiver or the cable stopped answering during the operation."),
    QT_TRANSLATE_NOOP("CoreText", "A channel is dropped onto a memory bank or a row, not onto %1."),
    QT_TRANSLATE_NOOP("CoreText", "The channel is in %1 already."),
    QT_TRANSLATE_NOOP("CoreText", "This channel cannot be left blank: hold Ctrl to copy it."),
    QT_TRANSLATE_NOOP("CoreText", "A blank channel has nothing to move."),
    QT_TRANSLATE_NOOP("CoreText", "%1 does not take this channel."),
    // Bulk Edit and Fill Channels: their reports, clause by clause.
    QT_TRANSLATE_NOOP("CoreText", "%1 channel took the values as given"),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels took the values as given"),
    QT_TRANSLATE_NOOP("CoreText", "%1 was adjusted"),
    QT_TRANSLATE_NOOP("CoreText", "%1 were adjusted"),
    QT_TRANSLATE_NOOP("CoreText", "%1 was left alone"),
    QT_TRANSLATE_NOOP("CoreText", "%1 were left alone"),
    QT_TRANSLATE_NOOP("CoreText", "%1 was left alone (%2)"),
    QT_TRANSLATE_NOOP("CoreText", "%1 were left alone (%2)"),
    QT_TRANSLATE_NOOP("CoreText", "%1 blank"),
    QT_TRANSLATE_NOOP("CoreText", "%1 without these fields"),
    QT_TRANSLATE_NOOP("CoreText", "left alone"),
    QT_TRANSLATE_NOOP("CoreText", "%1 does not apply"),
    QT_TRANSLATE_NOOP("CoreText", "%1 do not apply"),
    QT_TRANSLATE_NOOP("CoreText", "Frequency %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Name %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Mode %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Tuning Step %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Duplex %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Offset %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "TSQL %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "CTCSS %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Skip %1 instead of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Offset"),
    QT_TRANSLATE_NOOP("CoreText", "CTCSS"),
    QT_TRANSLATE_NOOP("CoreText", "Tuning Step"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 cannot be received by this receiver version; left as it was."),
    QT_TRANSLATE_NOOP("CoreText", "%1 channel was filled (%2 adjusted), %3 refused."),
    QT_TRANSLATE_NOOP("CoreText", "%1 channels were filled (%2 adjusted), %3 refused."),
    QT_TRANSLATE_NOOP("CoreText", "The %1 channels do not fit from CH %2: the list ends at CH %3."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "The %1 channels cannot go from CH %2: a channel may not go to its place there."),
};

// The patterns whose parts are texts of the program (a list's name, a
// column's title, a reason); the parts of the others (file names, typed
// text, the receiver's comment) are shown as they are. A document's title
// is one of the program's words while it is "Untitled".
const char* const kComposedOfTexts[] = {"%1: %2",
                                        "line %1: %2",
                                        "%1 has no blank CH.",
                                        "Moved to %1, CH %2.",
                                        "Copied to %1, CH %2.",
                                        "Save changes to %1 ?",
                                        "%1 difference between %2 and %3",
                                        "%1 differences between %2 and %3",
                                        "The memory shown is the same as in %1.",
                                        "A channel is dropped onto a memory bank or a row, not "
                                        "onto %1.",
                                        "The channel is in %1 already.",
                                        "%1 does not take this channel.",
                                        "%1 does not apply",
                                        "%1 do not apply",
                                        "%1 was left alone (%2)",
                                        "%1 were left alone (%2)",
                                        "in use by another program (%1).",
                                        "The %1 channel does not fit from CH %2: %3 ends at CH "
                                        "%4.",
                                        "The %1 channels do not fit from CH %2: %3 ends at CH "
                                        "%4."};

struct Pattern {
    QString source;  // as in the catalogue, with %1, %2 ...
    bool partsAreTexts = false;
    QRegularExpression match;  // the whole line, each %N a group
    std::vector<int> order;    // the number of each group's placeholder
    qsizetype fixed = 0;       // the length of its fixed words
};

// The patterns, most fixed words first so that the most specific one wins;
// built once, they do not depend on the language.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> out;
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        for (const char* text : kCoreTexts) {
            const QString source = QString::fromUtf8(text);
            if (!source.contains(placeholder)) continue;
            Pattern p;
            p.source = source;
            p.partsAreTexts =
                std::any_of(std::begin(kComposedOfTexts), std::end(kComposedOfTexts),
                            [&](const char* t) { return source == QLatin1String(t); });
            QString expression = QStringLiteral("^");
            qsizetype at = 0;
            auto it = placeholder.globalMatch(source);
            while (it.hasNext()) {
                const auto m = it.next();
                const QString fixed = source.mid(at, m.capturedStart() - at);
                expression += QRegularExpression::escape(fixed) + QStringLiteral("(.+?)");
                p.fixed += fixed.size();
                p.order.push_back(m.captured(1).toInt());
                at = m.capturedEnd();
            }
            expression += QRegularExpression::escape(source.mid(at)) + QStringLiteral("$");
            p.fixed += source.size() - at;
            p.match =
                QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
            out.push_back(std::move(p));
        }
        std::stable_sort(out.begin(), out.end(),
                         [](const Pattern& a, const Pattern& b) { return a.fixed > b.fixed; });
        return out;
    }();
    return patterns;
}

QString Lookup(const QString& text) {
    const QByteArray key = text.toUtf8();
    return QCoreApplication::translate("CoreText", key.constData());
}

// Fills %1, %2 ... of a translated pattern in one pass, so that a part
// holding "%2" itself is never filled again.
QString Fill(const QString& pattern, const std::vector<QString>& parts) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
            const auto n = static_cast<std::size_t>(pattern[i + 1].digitValue());
            if (n >= 1 && n <= parts.size()) {
                out += parts[n - 1];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

QString Clauses(const QString& line, int depth);

QString Line(const QString& line, int depth) {
    if (line.trimmed().isEmpty()) return line;
    const QString whole = Lookup(line);
    if (whole != line) return whole;
    if (depth > 3) return line;
    for (const Pattern& p : Patterns()) {
        const auto m = p.match.match(line);
        if (!m.hasMatch()) continue;
        std::vector<QString> parts(p.order.size());
        for (std::size_t g = 0; g < p.order.size(); ++g) {
            const auto n = static_cast<std::size_t>(p.order[g]);
            if (n < 1 || n > parts.size()) continue;
            const QString part = m.captured(static_cast<int>(g) + 1);
            parts[n - 1] = p.partsAreTexts ? Line(part, depth + 1) : part;
        }
        return Fill(Lookup(p.source), parts);
    }
    // A channel by its list and number ("Bank A 05", "Program scan edge
    // 03B"): the list's name is translated, the number stays.
    const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
    static const QRegularExpression number(QStringLiteral("^[0-9][0-9A-Z]*$"));
    if (space > 0 && number.match(line.mid(space + 1)).hasMatch()) {
        const QString list = line.left(space);
        const QString shown = Lookup(list);
        if (shown != list) return shown + line.mid(space);
    }
    return Clauses(line, depth);
}

// A line of clauses joined by "; " or ", " outside brackets ("3 channels
// took the values as given, 1 was adjusted; Skip does not apply."): each
// clause on its own, the separators and a closing full stop kept. The line
// as it was when no clause is in the catalogue.
QString Clauses(const QString& line, int depth) {
    const bool stop = line.endsWith(QLatin1Char('.'));
    const QString body = stop ? line.chopped(1) : line;
    QStringList clauses, separators;
    int brackets = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i + 1 < body.size(); ++i) {
        const QChar c = body[i];
        if (c == QLatin1Char('(')) ++brackets;
        if (c == QLatin1Char(')')) --brackets;
        if (brackets == 0 && (c == QLatin1Char(';') || c == QLatin1Char(',')) &&
            body[i + 1] == QLatin1Char(' ')) {
            clauses << body.mid(from, i - from);
            separators << body.mid(i, 2);
            from = i + 2;
        }
    }
    if (clauses.isEmpty()) return line;
    clauses << body.mid(from);
    QString out;
    bool changed = false;
    for (qsizetype i = 0; i < clauses.size(); ++i) {
        const QString shown = Line(clauses[i], depth + 1);
        changed = changed || shown != clauses[i];
        out += shown + (i < separators.size() ? separators[i] : QString());
    }
    return changed ? out + (stop ? QStringLiteral(".") : QString()) : line;
}

}  // namespace

QString CoreText(const QString& text) {
    // Line by line, the line breaks kept as they are (LF, or CR LF).
    QString out;
    qsizetype at = 0;
    while (at <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), at);
        if (end < 0) end = text.size();
        qsizetype lineEnd = end;
        if (lineEnd > at && text[lineEnd - 1] == QLatin1Char('\r')) --lineEnd;
        out += Line(text.mid(at, lineEnd - at), 0);
        out += text.mid(lineEnd, end - lineEnd);
        if (end < text.size()) out += QLatin1Char('\n');
        at = end + 1;
    }
    return out;
}

QString CoreWord(const QString& text) {
    return text.isEmpty() ? text : Lookup(text);
}

QString CoreText(const std::string& text) {
    return CoreText(QString::fromStdString(text));
}
