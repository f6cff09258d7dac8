// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/radio.h"

#include <string_view>

#include "app/common.h"

std::string Hex4(std::int32_t value) {
    static const char digits[] = "0123456789ABCDEF";
    const auto v = static_cast<std::uint32_t>(value);
    return std::string{digits[(v >> 12) & 0xF], digits[(v >> 8) & 0xF], digits[(v >> 4) & 0xF],
                       digits[v & 0xF]};
}

std::vector<CloneWriteRange> CloneWriteRanges(const std::string& list) {
    constexpr std::size_t kEntry = 10;
    std::vector<CloneWriteRange> ranges;
    for (std::size_t at = 0; at + kEntry <= list.size(); at += kEntry) {
        const std::string_view entry = std::string_view(list).substr(at, kEntry);
        ranges.push_back({static_cast<std::int32_t>(HexPrefixValue(entry.substr(0, 4))),
                          static_cast<std::int32_t>(HexPrefixValue(entry.substr(5, 4)))});
    }
    return ranges;
}

void CopyRadioShape(const clsCmcRadio& from, clsCmcRadio& to) {
    to.radioNameM(from.radioNameM());
    to.radionameS(from.radionameS());
    for (const CloneWriteRange& r : CloneWriteRanges(from.cloneWriteAdrList()))
        to.cloneWriteAdrList_Add(r.start, r.end);
}

void clsCmcRadio::cloneWriteAdrList_Add(std::int32_t start, std::int32_t end) {
    adrList_ += Hex4(start) + "-" + Hex4(end) + ",";
}

bool clsCmcRadio::EditOn() {
    if (!editOn_) editOn_ = !eepImage.IsSameAs(eepCompare);
    return editOn_;
}

void clsCmcRadio::EditOn(bool value) {
    if (!value) eepCompare.CopyFrom(eepImage);
    editOn_ = value;
}

void clsCmcRadio::Eep_InitBlock(std::int32_t start, std::int32_t count) {
    eepImage.WriteBlock(start, eepInitial.ReadBlock(start, count));
}

void clsCmcRadio::Eep_InitByte(std::int32_t address) {
    eepImage.WriteByte(address, eepInitial.ReadByte(address));
}

void clsCmcRadio::Eep_InitBit(std::int32_t address, int bit) {
    eepImage.WriteBit(address, bit, eepInitial.ReadBit(address, bit));
}

bool clsCmcRadio::Eep_SameAsInitBlock(std::int32_t start, std::int32_t count) const {
    for (std::int64_t a = start; a < static_cast<std::int64_t>(start) + count; ++a) {
        const auto adr = static_cast<std::int32_t>(a);
        if (eepImage.ReadByte(adr) != eepInitial.ReadByte(adr)) return false;
    }
    return true;
}

void PrepareRxQ5Document(clsCmcRadio& radio) {
    radio.radioNameM(kModelCode);
    radio.radionameS(kSubCode);
    radio.cloneWriteAdrList_Clear();
    radio.cloneWriteAdrList_Add(0x0000, clsCmcEeprom::kReceiverSize - 1);
}
