// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the receiver's memory holds when it leaves the factory, for every
// version (market) and both settings of the medium-wave AM grid: the image of
// version 0 without the AM grid in full, and the channel records in which the
// other images differ from it.
//
// Shared by the generator that packs the program's built-in initial images
// (tools/make_initial_images.cpp) and by the test that checks them, so that
// the packed texts are always checked against this description and never
// against themselves.

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/common.h"
#include "image/eeprom.h"

namespace initial_image_desc {

// The factory image of version 0 with the AM grid off, in the packed form.
inline constexpr std::string_view kBaseText =
    "0145F10006082AF1FF060433F10003050000082AF2FF03060145F10006082AF1FF060433F10003050000082A"
    "F2FF03060145F10006082AF1FF060433F10003050000082AF2FF03060145F10006082AF1FF060433F1000305"
    "0000082AF2FF03060145F10006082AF1FF060433F10003050000082AF2FF03060145F10006082AF1FF060433"
    "F10003050000082AF2FF03060145F10006082AF1FF060433F10003050000082AF2FF03060145F10006082AF1"
    "FF060433F10003050000082AF2FF030600004950F10004882AF1FF062450F10003200000082AF1FF060144F1"
    "0006082AF1FF060146F10006082AF1FF060430F10003050000082AF1FF060440F10003050000082AF2FF02C6"
    "000162F10005882A0005F10006882A0051F10006082A0076F10006482A0118F10006882A0145F10006082A03"
    "70F10006082A0433F10003050000082A0850F10006082A1295F10003200000082A2425F10003200000082AF2"
    "FF0278F13F03F1FF0700F000F1FF0972F1FF04010002040101000200010001F1000310100101040000F1FF0E"
    "05F000006301F0007F6300B1F1000CF1FF02F10003F000F120104172646F436C6F6E65466F726D617433";

// One form of a record's first 10 bytes and the versions that have it.
struct RecordForm {
    std::vector<int> versions;
    std::string_view bytes;  // 10 bytes in hexadecimal, blank separated
};

// A record whose first 10 bytes depend on the version (AM grid off). Bytes
// 10 to 15 of a 16-byte record are the same in every version (0xFF, no name).
struct VariedRecord {
    std::string_view what;
    std::int32_t address;
    int copies;           // the same record in each of this many banks
    std::int32_t stride;  // distance between the copies
    std::vector<RecordForm> forms;
};

// clang-format off
inline const std::vector<VariedRecord> kVariedRecords = {
    {"memory channel 0 of every bank", 0x0000, 8, 800,
     {{{0}, "01 45 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 4, 6, 11}, "01 45 00 00 00 00 60 00 08 06"},
      {{5, 7}, "01 46 01 00 00 00 60 00 08 04"},
      {{8}, "01 45 00 00 00 00 00 00 08 05"},
      {{9, 10}, "01 45 00 00 00 00 60 00 08 05"}}},
    {"memory channel 1 of every bank", 0x0010, 8, 800,
     {{{0}, "04 33 00 00 00 05 00 00 08 2A"},
      {{1, 4, 11}, "04 30 00 00 00 07 60 00 08 06"},
      {{2}, "04 30 00 00 00 01 60 00 08 06"},
      {{3}, "04 32 00 00 00 04 60 00 08 06"},
      {{5}, "04 40 00 00 00 05 00 00 08 06"},
      {{6, 7}, "04 30 00 00 00 05 00 00 08 06"},
      {{8, 10}, "04 30 00 00 00 00 00 00 08 05"},
      {{9}, "04 33 00 00 00 05 00 00 08 05"}}},
    {"program scan edge 0", 0x1900, 1, 0,
     {{{0}, "00 00 49 50 00 00 00 00 88 2A"},
      {{1, 2, 3, 4, 7, 10, 11}, "00 00 49 50 00 00 00 00 88 02"},
      {{5}, "00 00 54 00 00 00 00 00 88 02"},
      {{6}, "01 44 00 00 00 00 60 00 08 06"},
      {{8}, "01 44 00 00 00 00 00 00 08 05"},
      {{9}, "01 44 00 00 00 00 60 00 08 05"}}},
    {"program scan edge 1", 0x1910, 1, 0,
     {{{0}, "24 50 00 00 00 20 00 00 08 2A"},
      {{1, 2, 3, 4, 5, 7, 10, 11}, "24 50 00 00 00 20 00 00 08 06"},
      {{6}, "04 40 00 00 00 05 00 00 08 06"},
      {{8}, "04 40 00 00 00 00 00 00 08 05"},
      {{9}, "04 40 00 00 00 05 00 00 08 05"}}},
    {"program scan edge 2", 0x1920, 1, 0,
     {{{0}, "01 44 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 6, 11}, "01 44 00 00 00 00 60 00 08 06"},
      {{4}, "01 36 00 00 00 00 60 00 08 06"},
      {{5, 7}, "01 18 00 00 00 00 00 00 88 06"},
      {{8}, "01 44 00 00 00 00 00 00 08 05"},
      {{9, 10}, "01 44 00 00 00 00 60 00 08 05"}}},
    {"program scan edge 3", 0x1930, 1, 0,
     {{{0}, "01 46 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 11}, "01 46 00 00 00 00 60 00 08 06"},
      {{4}, "01 74 00 00 00 00 60 00 08 06"},
      {{5, 7}, "01 74 00 00 00 00 60 00 08 04"},
      {{6}, "01 48 00 00 00 00 60 00 08 06"},
      {{8}, "01 46 00 00 00 00 00 00 08 05"},
      {{9, 10}, "01 46 00 00 00 00 60 00 08 05"}}},
    {"program scan edge 4", 0x1940, 1, 0,
     {{{0}, "04 30 00 00 00 05 00 00 08 2A"},
      {{1, 11}, "04 30 00 00 00 07 60 00 08 06"},
      {{2}, "04 30 00 00 00 01 60 00 08 06"},
      {{3}, "04 32 00 00 00 04 60 00 08 06"},
      {{4}, "04 00 00 00 00 07 60 00 08 06"},
      {{5}, "04 00 00 00 00 05 00 00 08 06"},
      {{6, 7}, "04 30 00 00 00 05 00 00 08 06"},
      {{8, 10}, "04 30 00 00 00 00 00 00 08 05"},
      {{9}, "04 30 00 00 00 05 00 00 08 05"}}},
    {"program scan edge 5", 0x1950, 1, 0,
     {{{0}, "04 40 00 00 00 05 00 00 08 2A"},
      {{1, 11}, "04 40 00 00 00 07 60 00 08 06"},
      {{2}, "04 40 00 00 00 01 60 00 08 06"},
      {{3}, "04 38 00 00 00 04 60 00 08 06"},
      {{4}, "04 70 00 00 00 07 60 00 08 06"},
      {{5}, "04 70 00 00 00 05 00 00 08 06"},
      {{6, 7}, "04 40 00 00 00 05 00 00 08 06"},
      {{8, 10}, "04 40 00 00 00 00 00 00 08 05"},
      {{9}, "04 40 00 00 00 05 00 00 08 05"}}},
    {"VFO of band 0", 0x1C20, 1, 0,
     {{{0}, "00 01 62 00 00 00 00 00 88 2A"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "00 01 62 00 00 00 00 00 88 02"}}},
    {"VFO of band 1", 0x1C2A, 1, 0,
     {{{0}, "00 05 00 00 00 00 00 00 88 2A"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "00 05 00 00 00 00 00 00 88 00"}}},
    {"VFO of band 2", 0x1C34, 1, 0,
     {{{0}, "00 51 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 4, 5, 7, 8}, "00 51 00 00 00 00 50 00 08 05"},
      {{6}, "00 50 10 00 00 01 00 00 08 06"},
      {{9}, "00 52 00 00 00 02 00 00 08 05"},
      {{10, 11}, "00 51 00 00 00 00 00 00 08 05"}}},
    {"VFO of band 3", 0x1C3E, 1, 0,
     {{{0}, "00 76 00 00 00 00 00 00 48 2A"},
      {{1, 2, 3, 4, 6, 11}, "00 88 00 00 00 00 00 00 48 08"},
      {{5, 7, 8, 9, 10}, "00 76 00 00 00 00 00 00 48 08"}}},
    {"VFO of band 4", 0x1C48, 1, 0,
     {{{0}, "01 18 00 00 00 00 00 00 88 2A"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "01 18 00 00 00 00 00 00 88 06"}}},
    {"VFO of band 5", 0x1C52, 1, 0,
     {{{0}, "01 45 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 4, 6, 11}, "01 45 00 00 00 00 60 00 08 06"},
      {{5, 7}, "01 46 01 00 00 00 60 00 08 04"},
      {{8}, "01 45 00 00 00 00 00 00 08 05"},
      {{9, 10}, "01 45 00 00 00 00 60 00 08 05"}}},
    {"VFO of band 6", 0x1C5C, 1, 0,
     {{{0}, "03 70 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "03 70 00 00 00 00 00 00 08 03"}}},
    {"VFO of band 7", 0x1C66, 1, 0,
     {{{0}, "04 33 00 00 00 05 00 00 08 2A"},
      {{1, 4, 11}, "04 30 00 00 00 07 60 00 08 06"},
      {{2}, "04 30 00 00 00 01 60 00 08 06"},
      {{3}, "04 32 00 00 00 04 60 00 08 06"},
      {{5}, "04 40 00 00 00 05 00 00 08 06"},
      {{6, 7}, "04 30 00 00 00 05 00 00 08 06"},
      {{8, 10}, "04 30 00 00 00 00 00 00 08 05"},
      {{9}, "04 33 00 00 00 05 00 00 08 05"}}},
    {"VFO of band 8", 0x1C70, 1, 0,
     {{{0}, "08 50 00 00 00 00 00 00 08 2A"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "08 50 00 00 00 00 00 00 08 03"}}},
    {"VFO of band 9", 0x1C7A, 1, 0,
     {{{0}, "12 95 00 00 00 20 00 00 08 2A"},
      {{1, 2, 3, 4, 5, 7, 11}, "12 95 00 00 00 20 00 00 08 06"},
      {{6}, "12 95 00 00 00 12 00 00 08 06"},
      {{8}, "12 60 00 00 00 00 00 00 08 06"},
      {{9}, "12 95 00 00 00 20 00 00 08 05"},
      {{10}, "12 95 00 00 00 00 00 00 08 05"}}},
    {"VFO of band 10", 0x1C84, 1, 0,
     {{{0}, "24 25 00 00 00 20 00 00 08 2A"},
      {{1, 2, 3, 4, 11}, "23 20 00 00 00 20 00 00 08 06"},
      {{5, 6, 7, 8, 9, 10}, "23 05 20 00 00 20 00 00 08 06"}}},
};
// clang-format on

// With the AM grid on, these records hold 9 kHz channel numbers in the AM
// broadcast form (byte 0 the channel, bytes 1 to 3 0xFF), except in the
// versions listed, which keep their record.
struct AmRecord {
    std::string_view what;
    std::int32_t address;
    std::string_view bytes;
    std::vector<int> keptBy;
};

inline const std::vector<AmRecord> kAmRecords = {
    {"VFO of band 0 at 1620 kHz", 0x1C20, "7D FF FF FF 00 00 00 00 88 0F", {}},
    {"program scan edge 0 at 495 kHz", 0x1900, "00 FF FF FF 00 00 00 00 88 0F", {6, 8, 9}},
};

inline bool Lists(const std::vector<int>& versions, int version) {
    for (int v : versions) {
        if (v == version) return true;
    }
    return false;
}

// The described image of a version 0..11 and AM flag 0 or 1.
inline clsCmcEeprom DescribedImage(int version, int amFlag) {
    clsCmcEeprom image;
    image.LetByPressed(kBaseText);
    for (const auto& record : kVariedRecords) {
        for (const auto& form : record.forms) {
            if (!Lists(form.versions, version)) continue;
            for (int copy = 0; copy < record.copies; ++copy) {
                image.WriteBlock(record.address + copy * record.stride,
                                 HexStrToByteStr(form.bytes));
            }
        }
    }
    if (amFlag != 0) {
        for (const auto& record : kAmRecords) {
            if (!Lists(record.keptBy, version))
                image.WriteBlock(record.address, HexStrToByteStr(record.bytes));
        }
    }
    return image;
}

}  // namespace initial_image_desc
