// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/common_settings.h"

#include <gtest/gtest.h>

#include <string>

TEST(CommonSettings, EachSettingInItsBytesClampedOnWriteTheCommentInSixteenPrintableCharacters) {
    // In dialog order (the display mode, 7th, is a byte and a bit, below);
    // the last three are check boxes.
    const std::pair<int, int> bytes[] = {
        {0x1F22, 6},  {0x1F23, 10}, {0x1F26, 32}, {0x1F27, 2}, {0x1F28, 4}, {0x1F2A, 1},
        {0x1F2D, 3},  {0x1F2F, 32}, {0x1F30, 32}, {0x1F33, 7}, {0x1F20, 2}, {0x1F25, 1},
        {0x1F2C, 26}, {0x1F2E, 4},  {0x1F29, 1},  {0x1F2B, 1}, {0x1F24, 1}};
    const auto& defs = CommonSettingDefs();
    ASSERT_EQ(defs.size(), std::size(bytes) + 1);
    clsCmcRadio radio;
    clsRigQ5_Common common(radio);
    const CommonSettingDef* disp = nullptr;
    for (std::size_t i = 0, at = 0; i < defs.size(); ++i) {
        const CommonSettingDef& d = defs[i];
        EXPECT_EQ(d.checkBox, i >= 15) << d.control;
        if (std::string(d.control) == "cboEditCom_DispSel" && (disp = &d)) continue;
        const auto [address, maximum] = bytes[at++];
        EXPECT_EQ(CommonSettingAt(address, 0x01), &d) << d.control;  // the byte names its setting
        (common.*d.write)(maximum + 8);
        EXPECT_EQ(radio.eepImage.ReadByte(address), maximum) << d.control;
        EXPECT_EQ((common.*d.read)(), maximum) << d.control;
        (common.*d.write)(-3);
        EXPECT_EQ(radio.eepImage.ReadByte(address), 0) << d.control;
        EXPECT_TRUE(d.checkBox || static_cast<int>(d.choices->size()) == maximum + 1) << d.control;
        // A stored value beyond the maximum reads as the maximum and stays.
        radio.eepImage.WriteByte(address, 0xFF);
        EXPECT_EQ((common.*d.read)(), maximum) << d.control;
        EXPECT_EQ(radio.eepImage.ReadByte(address), 0xFF) << d.control;
        radio.eepImage.WriteByte(address, 0);
    }
    // Of the display mode's second byte only bit 2 is the setting's; bytes
    // between the settings and beyond them name none.
    EXPECT_TRUE(CommonSettingAt(0x1F31, 0x01) == disp && CommonSettingAt(0x1F5C, 0x04) == disp);
    for (const auto& [a, mask] : {std::pair{0x1F5C, 0x03},
                                  {0x1F21, 0xFF},
                                  {0x1F32, 0xFF},
                                  {0x1F34, 0xFF},
                                  {0x1F60, 0xFF},
                                  {0, 0xFF}})
        EXPECT_EQ(CommonSettingAt(a, mask), nullptr) << a;
    // Nothing else was touched: in particular not the bytes between the settings.
    EXPECT_EQ(radio.eepImage.bytes(), ByteStr(8064, 0));

    // The display mode lives in a byte and one bit of another.
    radio.eepImage.WriteByte(0x1F5C, 0xFF);  // every other bit set
    // Written: the byte, bit 2 of the other; read back. A stray value means "Manual-ON".
    const int cases[][4] = {{0, 0, 0xFF, 0}, {1, 0, 0xFB, 1}, {2, 1, 0xFB, 2}, {7, 0, 0xFB, 1}};
    for (const auto& c : cases) {
        common.DispSel_Pure(c[0]);
        EXPECT_EQ(std::vector({radio.eepImage.ReadByte(0x1F31), radio.eepImage.ReadByte(0x1F5C),
                               common.DispSel_Pure()}),
                  std::vector({c[1], c[2], c[3]}))
            << c[0];
    }
    EXPECT_EQ(common.Comment(), std::string(16, ' '));  // zero bytes read as blanks
    // One blank per character, also for a character of several UTF-8 bytes.
    const std::pair<const char*, const char*> comments[] = {
        {"ABC", "ABC             "},
        {"A\tB\177C\303\251", "A B C           "},
        {"\303\251t\303\251 2026 \342\202\2545", " t  2026  5     "},
        {"0123456789ABCDEFGHIJ", "0123456789ABCDEF"}};
    for (const auto& [text, stored] : comments) {
        common.Comment(text);
        EXPECT_EQ(ByteStrToStr(radio.eepImage.ReadBlock(0x1F60, 16)), stored) << text;
    }
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F70), 0);  // nothing past the comment
    radio.eepImage.WriteByte(0x1F61, 0x05);
    radio.eepImage.WriteByte(0x1F62, 0xFF);
    EXPECT_EQ(common.Comment(), "0  3456789ABCDEF");
}
