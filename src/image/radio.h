// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: the receiver's memory as the program sees it now. Holds the
// working image everything edits, a backup taken before risky operations,
// the initial image of the receiver version, and a comparison copy that
// tells whether the working image was edited; plus the receiver's expected
// model names and the address ranges a clone write sends.

#include <cstdint>
#include <string>
#include <vector>

#include "image/eeprom.h"

// The RX-Q5's model and sub codes as 4 hexadecimal digits, as its
// identification answer and the data files carry them.
inline constexpr const char* kModelCode = "2304";
inline constexpr const char* kSubCode = "0001";

class clsCmcRadio {
  public:
    clsCmcEeprom eepImage;
    clsCmcEeprom eepBackup;
    clsCmcEeprom eepInitial;
    clsCmcEeprom eepCompare;

    const std::string& radioNameM() const { return radioNameM_; }
    void radioNameM(const std::string& name) { radioNameM_ = name; }
    const std::string& radionameS() const { return radionameS_; }
    void radionameS(const std::string& name) { radionameS_ = name; }

    // Entries "ssss-eeee," of four upper-case hexadecimal digits, both ends inclusive.
    void cloneWriteAdrList_Clear() { adrList_.clear(); }
    void cloneWriteAdrList_Add(std::int32_t start, std::int32_t end);
    const std::string& cloneWriteAdrList() const { return adrList_; }

    // Latched: once an edit is seen it stays True until written False,
    // even if the image is edited back to what it was.
    bool EditOn();
    // False also takes a new comparison copy of the working image.
    void EditOn(bool value);
    void CheckEditOn() { (void)EditOn(); }

    void Eep_Backup() { eepBackup.CopyFrom(eepImage); }
    void Eep_Restore() { eepImage.CopyFrom(eepBackup); }
    void Eep_InitAll() { eepImage.CopyFrom(eepInitial); }
    void Eep_InitBlock(std::int32_t start, std::int32_t count);
    void Eep_InitByte(std::int32_t address);
    void Eep_InitBit(std::int32_t address, int bit);
    // True when working and initial image agree over the range (count <= 0: True).
    bool Eep_SameAsInitBlock(std::int32_t start, std::int32_t count) const;

  private:
    std::string radioNameM_ = "0000";
    std::string radionameS_ = "0000";
    std::string adrList_;
    bool editOn_ = false;
};

// Four upper-case hexadecimal digits: the last four of the value's hex form.
std::string Hex4(std::int32_t value);

// One entry of a clone-write address list; both ends inclusive.
struct CloneWriteRange {
    std::int32_t start = 0;
    std::int32_t end = -1;
};
// The entries of a clone-write address list ("ssss-eeee," each), in list
// order; a piece shorter than an entry at the end is not one.
std::vector<CloneWriteRange> CloneWriteRanges(const std::string& list);

// Gives a fresh radio another's model names and clone-write ranges: a
// second document of the same receiver.
void CopyRadioShape(const clsCmcRadio& from, clsCmcRadio& to);

// Readies a document for the RX-Q5: its model and sub codes, and the whole
// memory (0000-1F7F) as the one range a clone write sends.
void PrepareRxQ5Document(clsCmcRadio& radio);
