// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One copy of the receiver's memory: 8064 bytes (0x0000-0x1F7F) of EEPROM
// with byte, bit and block access. The class knows nothing of what the bytes
// mean; every address is checked, so a bad address never touches memory.

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/common.h"

class clsCmcEeprom {
public:
    static constexpr std::int32_t kReceiverSize = 8064;

    clsCmcEeprom();

    std::int32_t eeSize() const { return static_cast<std::int32_t>(bytes_.size()); }
    // Re-creates the image with that size; every byte becomes 0.
    void eeSize(std::int32_t size);

    // The byte, or 0 for an address outside the image.
    int ReadByte(std::int32_t address) const;
    // 0 done, 1 invalid address (nothing stored).
    int WriteByte(std::int32_t address, int value);
    // 1 when the bit is set; 0 when clear, for bits outside 0..7 and bad addresses.
    int ReadBit(std::int32_t address, int bit) const;
    // Makes the bit equal to the value (any non-zero value sets it).
    int WriteBit(std::int32_t address, int bit, int value);
    // Store the byte at count addresses; nothing stored when the range leaves the image.
    int FillBlock(std::int32_t start, int value, std::int32_t count);
    int WriteBlock(std::int32_t start, const ByteStr& data);
    // count bytes from start; addresses outside the image read as 0.
    ByteStr ReadBlock(std::int32_t start, std::int32_t count) const;

    void CopyFrom(const clsCmcEeprom& other);
    bool IsSameAs(const clsCmcEeprom& other) const;

    // Unpacks the program's packed image text from address 0 (see eeprom.cpp).
    void LetByPressed(std::string_view packed);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    bool ValidAdr(std::int64_t address) const { return address >= 0 && address < eeSize(); }

    std::vector<std::uint8_t> bytes_;
};
