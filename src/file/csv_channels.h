// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory channels as a comma-separated table, the layout that common
// multi-radio programming tools exchange: one row per memory channel with
// the columns
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,
//   DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment
//
// Location is the memory channel number 0..399 (bank A holds 0..49, bank H
// 350..399); Frequency and Offset are in MHz; the receiver has tone squelch
// only, so Tone is "" or "TSQL" and both tone columns carry its CTCSS tone.
//
// Export writes the channels in use. Import writes each row through the
// channel record's accessors in the order the channel edit dialog uses, so a
// value is healed or clamped exactly as a typed edit would be, then stores
// the record into the working image and reads it back as that dialog's
// caller does. Channels without a row are left as they are.
//
// Reading rules of the import:
// - The separator is the one of ',', ';' or tab found most often on the
//   header line. Fields may be quoted (doubled quotes inside, separators and
//   line breaks too); CR LF, LF or CR ends a line; a UTF-8 byte order mark
//   is skipped. Columns may come in any order, their names in any letter
//   case; unknown columns are ignored. Location and Frequency are required.
// - A number may use a decimal comma instead of the point ("145,5").
// - Duplex "", "off", "-", "+"; "split" takes Offset as the other
//   frequency and turns it into a direction and an offset.
// - Tone "" (and "Tone", "DTCS", "TSQL-R", "DTCS-R", "Cross", which this
//   receiver cannot decode) leaves tone squelch off; "TSQL" turns it on.
//   The tone is cToneFreq, or rToneFreq when that is empty. It must be one
//   of the receiver's 50 CTCSS tones (within 0.05 Hz): a squelch on any
//   other tone would keep the channel silent, so with "TSQL" such a row is
//   refused; with tone squelch off the tone is only a stored preset and
//   the nearest tone is taken.
// - Mode FM or NFM, AM or NAM, WFM, Auto (empty: FM). Other modes (SSB, CW,
//   digital voice) are refused: the receiver cannot receive them.
// - TStep in kHz or "Auto"; a step the receiver lacks takes the nearest one
//   (empty: 5 kHz).
// - Skip "", "S" (memory skip) or "P" (skipped in program scan too).
// - An empty optional cell, or a column the file lacks, gives the value of
//   a new channel: no duplex, offset 0, no name, 88.5 Hz, FM, 5 kHz.
// A row that cannot be placed is refused whole and reported with the line
// it starts on: a bad location, an unreadable or missing frequency, a value
// that is not understood, a location already given by an earlier row, a
// quoted field left open.
//
// The scanner frequency database's download is a second layout, known by
// its header: Frequency Output, Frequency Input, FCC Callsign,
// Agency/Category, Description, Alpha Tag, PL Tone (or PL Output Tone and
// PL Input Tone), Mode, Class Station Code, Tag. It has no locations: its
// rows go into consecutive memory channels from a chosen bank and row, and
// rows that run past the end of that bank are refused. A listener wants the
// repeater's output, so the output frequency is taken and the input
// ignored; the Alpha Tag is the name.
// - PL Tone "127.3 PL" (or a bare number) turns tone squelch on with that
//   CTCSS tone; "CSQ" or empty leaves it off. A code the receiver cannot
//   decode (a DPL/DCS code such as "023 DPL" or "D023N", a tone that is
//   none of its 50, anything else) leaves tone squelch off with a note: the
//   channel is still heard, with its squelch open to anyone on it.
// - Mode FM, FMN or NFM as FM, AM, WFM (empty: FM). Digital voice (P25, DMR,
//   NXDN, D-STAR, ...) and anything else is refused.
// - A frequency outside the coverage of the receiver version is refused.
// A table with locations can be moved to a start as well: its lowest
// location goes there, the others keep their distance from it.

#include <string>
#include <string_view>
#include <vector>

#include "model/master.h"

inline constexpr std::string_view kMemoryCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment";

// One refused row: its first line in the file (counted from 1) and why.
struct CsvRowProblem {
    int line = 0;
    std::string reason;
};

// The first channel that rows without locations go into: memory bank
// 0..7 (A..H) and row 0..49 in it.
struct CsvStart {
    int bank = 0;
    int row = 0;
};

// What a table's header names: channels with locations, a scanner
// frequency list, or neither.
enum class CsvLayout { Unknown, Locations, Scanner };
CsvLayout CsvLayoutOf(std::string_view text);

struct CsvImportResult {
    // False when the header is unusable (no header, or no Location or
    // Frequency column): then nothing was applied.
    bool headerOk = false;
    int rows = 0;                         // data rows found (empty lines not counted)
    int applied = 0;                      // rows written into the memory channels
    std::vector<CsvRowProblem> problems;  // in file order
    // Rows applied with a change the user should hear of (a tone squelch
    // the receiver cannot do), in file order.
    std::vector<CsvRowProblem> notes;
};

// "line 7: <reason>".
std::string CsvProblemText(const CsvRowProblem& problem);

// The header and one CR LF terminated row per memory channel in use, in
// channel order.
std::string ExportMemoryCsv(const clsRigQ5_Master& master);

// Reads the whole table first, then writes the accepted rows into the
// memory channels and the working image in one go, so a caller can take a
// snapshot before and after and treat the import as one edit. The document
// reads as edited when anything changed. A scanner list needs a start
// (without one its header counts as unusable); a table with locations is
// moved to it when one is given. A bank outside A..H is taken as bank A,
// a row outside 0..49 as row 0.
CsvImportResult ImportMemoryCsv(clsRigQ5_Master& master, std::string_view text,
                                const CsvStart* start = nullptr);

// Result codes of the file forms.
enum CsvFileResult : int {
    kCsvOk = 0,
    kCsvCannotCreate = 1,  // export: the file could not be created
    kCsvWriteError = 2,    // export: an error while writing
    kCsvCannotOpen = 3,    // import: the file could not be opened
    kCsvReadError = 4,     // import: an error while reading, or larger than kCsvMaxFileBytes
};

// A table of 400 channels takes some 40 kB; anything far larger is not one.
inline constexpr std::size_t kCsvMaxFileBytes = 4 * 1024 * 1024;

// Replaces the file at path in one step with ExportMemoryCsv. 0, 1 or 2.
int ExportMemoryCsvFile(const clsRigQ5_Master& master, const std::string& path);

// Reads the whole file into text. 0, 3 or 4.
int ReadCsvFile(const std::string& path, std::string& text);

// Reads the file and imports it; result is filled only for 0. 0, 3 or 4.
int ImportMemoryCsvFile(clsRigQ5_Master& master, const std::string& path, CsvImportResult& result,
                        const CsvStart* start = nullptr);

// The message of a file result code followed by an empty line and the file
// name; empty for 0 and unknown codes.
std::string CsvFileErrorMessage(int code, const std::string& fileName);
