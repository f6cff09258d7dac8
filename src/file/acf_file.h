// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ".acf" data file: one receiver memory image as CR LF text, so that a
// clone read can be kept and written back later.
//
//   line 1    model code and sub code, 8 decimal digits ("23040001")
//   line 2    "#" and the receiver's comment (any "#" line is a comment)
//   line 3..  records: address (4 hex digits), count (2), count bytes (2 each)
//
// The file carries only the image; everything the user sees is decoded from
// the image after loading. Writing and reading work on the radio document;
// the memory map and the programs wrap them.

#include <cstdint>
#include <string>
#include <string_view>

#include "image/radio.h"

// Result codes of saving and loading.
enum AcfFileResult : int {
    kAcfOk = 0,
    kAcfCannotCreate = 1,  // save: the file could not be created or opened for writing
    kAcfWriteError = 2,    // save: an error while writing
    kAcfCannotOpen = 3,    // load: the file could not be opened
    kAcfReadError = 4,     // load: an error while reading (an empty file too)
    kAcfIllegalData = 5,   // load: illegal content
    kAcfNotEnough = 6,     // load: not every image byte was given
};

// Bytes per saved record; the last record of a range holds what remains.
inline constexpr int kAcfRecordBytes = 16;

// The complete file text for the working image: the model line, the comment
// line and the records along the document's clone-write address ranges.
// Control characters in the comment become blanks so it stays one line.
std::string AcfFileText(const clsCmcRadio& doc, std::string_view comment);

// Saves the working image to path. The file is replaced in one step: on any
// failure the previous file is left untouched. 0, 1 or 2.
int AcfFileSave(const clsCmcRadio& doc, std::string_view comment, const std::string& path);

// Writes a file the program saves (a data file, a report) in one step:
// 0, 1 or 2 as for a data file, so the same message tells a failure.
int SaveFileText(const std::string& path, std::string_view content);

// Loads a file into the working image, writing each record straight into it.
// On a failure the image may be partly overwritten: the caller keeps a backup
// and restores it. 0, 3, 4, 5 or 6.
int AcfFileLoad(clsCmcRadio& doc, const std::string& path);

// The same check and load on file content already in memory. An empty text
// reads as an empty file (4).
int AcfTextLoad(clsCmcRadio& doc, std::string_view content);

// Why a file could not be opened or read, as one sentence for the line
// after its name: "No such file.", "Permission denied.", "It is a folder.",
// "It is not a regular file.", "It is larger than the limit of 4 MiB."
// (limitBytes, 0 = none), "It is empty."; for a file that is none of these,
// "It is not a data file." (dataFile) or the system's reason for failing
// to read it.
std::string OpenFailureReason(const std::string& path, std::uint64_t limitBytes, bool dataFile);

// The message of a result code, then an empty line, then the full file name
// ("Cannot open file.\r\n\r\n/home/x/a.acf"); empty for 0 and unknown codes.
std::string AcfFileErrorMessage(int code, const std::string& fileName);
// The same, and for a file that could not be opened or read, the reason on
// a line of its own after the name.
std::string AcfFileErrorExplained(int code, const std::string& fileName);
