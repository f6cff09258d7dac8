// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/common_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Plain {
    const char* control;
    int address;
    int maximum;
};

// Every numeric setting but the composite display mode: control, byte, maximum.
const Plain kPlain[] = {
    {"cboEditCom_ScanResume", 0x1F22, 6},   {"cboEditCom_PauseScan", 0x1F23, 10},
    {"cboEditCom_BeepAudio", 0x1F26, 32},   {"cboEditCom_Backlight", 0x1F27, 2},
    {"cboEditCom_AutoPowerOff", 0x1F28, 4}, {"cboEditCom_MonitorSel", 0x1F2A, 1},
    {"cboEditCom_KeyLock", 0x1F2D, 3},      {"cboEditCom_Contrast", 0x1F2F, 32},
    {"cboEditCom_Bright", 0x1F30, 32},      {"cboEditCom_BackColor", 0x1F33, 7},
    {"cboEditCom_DialSelect", 0x1F20, 2},   {"cboEditCom_MemoryScan", 0x1F25, 1},
    {"cboEditCom_VfoScan", 0x1F2C, 26},     {"cboEditCom_AttSel", 0x1F2E, 4},
    {"chkEditCom_PowerSave", 0x1F29, 1},    {"chkEditCom_DialSpeedup", 0x1F2B, 1},
    {"chkEditCom_SkipScan", 0x1F24, 1},
};

const CommonSettingDef& DefOf(const std::string& control) {
    for (const auto& d : CommonSettingDefs())
        if (control == d.control) return d;
    ADD_FAILURE() << "no setting " << control;
    return CommonSettingDefs().front();
}

}  // namespace

TEST(CommonSettings, EachSettingLivesInItsByteAndIsClampedOnWrite) {
    clsCmcRadio radio;
    clsRigQ5_Common common(radio);
    for (const auto& p : kPlain) {
        const auto& d = DefOf(p.control);
        (common.*d.write)(p.maximum);
        EXPECT_EQ(radio.eepImage.ReadByte(p.address), p.maximum) << p.control;
        EXPECT_EQ((common.*d.read)(), p.maximum) << p.control;
        (common.*d.write)(p.maximum + 8);
        EXPECT_EQ(radio.eepImage.ReadByte(p.address), p.maximum) << p.control;
        (common.*d.write)(-3);
        EXPECT_EQ(radio.eepImage.ReadByte(p.address), 0) << p.control;
        if (!d.checkBox) {
            EXPECT_EQ(static_cast<int>(d.choices->size()), p.maximum + 1) << p.control;
        }
    }
    // Nothing else was touched: in particular not the bytes between the settings.
    for (int a : {0x1F21, 0x1F31, 0x1F32, 0x1F34, 0x1F5C}) EXPECT_EQ(radio.eepImage.ReadByte(a), 0);
}

TEST(CommonSettings, StoredValueBeyondTheMaximumReadsAsMaximumAndStays) {
    clsCmcRadio radio;
    clsRigQ5_Common common(radio);
    for (const auto& p : kPlain) radio.eepImage.WriteByte(p.address, 0xFF);
    for (const auto& p : kPlain) {
        EXPECT_EQ((common.*DefOf(p.control).read)(), p.maximum) << p.control;
        EXPECT_EQ(radio.eepImage.ReadByte(p.address), 0xFF) << p.control;
    }
    EXPECT_EQ(ScanResume_Texts()[static_cast<std::size_t>(common.ScanResume_Pure())], "Hold");
}

TEST(CommonSettings, ChoiceTexts) {
    const struct {
        const std::vector<std::string>& list;
        std::size_t index;
        const char* text;
    } cases[] = {
        {BeepAudio_Texts(), 0, "Volume"}, {BeepAudio_Texts(), 1, "0"},
        {BeepAudio_Texts(), 32, "31"},    {Contrast_Texts(), 0, "0%"},
        {Contrast_Texts(), 1, "3%"},      {Contrast_Texts(), 2, "6%"},
        {Bright_Texts(), 8, "25%"},       {Bright_Texts(), 16, "50%"},
        {Bright_Texts(), 24, "75%"},      {Bright_Texts(), 31, "96%"},
        {Bright_Texts(), 32, "100%"},     {VfoScan_Texts(), 0, "P0"},
        {VfoScan_Texts(), 7, "P7"},       {VfoScan_Texts(), 24, "P24"},
        {VfoScan_Texts(), 25, "Band"},    {VfoScan_Texts(), 26, "ALL"},
        {PauseScan_Texts(), 10, "Hold"},  {AutoPowerOff_Texts(), 4, "120 min"},
        {DialSelect_Texts(), 2, "10MHz"}, {KeyLock_Texts(), 2, "No VOL"},
        {BackColor_Texts(), 7, "7"},      {DispSel_Texts(), 0, "Manual-OFF"},
        {AttSel_Texts(), 0, "OFF"},       {MemoryScan_Texts(), 1, "ALL"},
    };
    for (const auto& c : cases) {
        ASSERT_LT(c.index, c.list.size()) << c.text;
        EXPECT_EQ(c.list[c.index], c.text);
    }
}

TEST(CommonSettings, DialogOrderAndLabels) {
    const char* order[] = {"ScanResume", "PauseScan",   "BeepAudio",  "Backlight", "AutoPowerOff",
                           "MonitorSel", "KeyLock",     "DispSel",    "Contrast",  "Bright",
                           "BackColor",  "DialSelect",  "MemoryScan", "VfoScan",   "AttSel",
                           "PowerSave",  "DialSpeedup", "SkipScan"};
    const auto& defs = CommonSettingDefs();
    ASSERT_EQ(defs.size(), std::size(order));
    for (std::size_t i = 0; i < defs.size(); ++i) {
        EXPECT_EQ(std::string(defs[i].control).substr(11), order[i]);
        EXPECT_EQ(defs[i].checkBox, i >= 15);
    }
    EXPECT_STREQ(defs[3].label, "LCD Back Light");
    EXPECT_STREQ(defs[14].label, "RF Attenuator");
}

TEST(CommonSettings, DisplayModeIsKeptInAByteAndOneBit) {
    clsCmcRadio radio;
    clsRigQ5_Common common(radio);
    radio.eepImage.WriteByte(0x1F5C, 0xFB);  // every other bit set
    radio.eepImage.WriteByte(0x1F31, 5);
    EXPECT_EQ(common.DispSel_Pure(), 2);
    radio.eepImage.WriteBit(0x1F5C, 2, 1);
    EXPECT_EQ(common.DispSel_Pure(), 2);

    common.DispSel_Pure(0);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F31), 0);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F5C), 0xFF);
    EXPECT_EQ(common.DispSel_Pure(), 0);

    common.DispSel_Pure(1);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F5C), 0xFB);
    EXPECT_EQ(common.DispSel_Pure(), 1);

    common.DispSel_Pure(2);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F31), 1);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F5C), 0xFB);
    EXPECT_EQ(common.DispSel_Pure(), 2);

    common.DispSel_Pure(7);  // a stray value means "Manual-ON"
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F31), 0);
    EXPECT_EQ(common.DispSel_Pure(), 1);
}

TEST(CommonSettings, CommentIsSixteenPrintableCharactersPaddedWithBlanks) {
    clsCmcRadio radio;
    clsRigQ5_Common common(radio);
    EXPECT_EQ(common.Comment(), std::string(16, ' '));  // zero bytes read as blanks

    common.Comment("ABC");
    EXPECT_EQ(common.Comment(), "ABC" + std::string(13, ' '));
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F6F), 0x20);

    common.Comment(
        "A\tB\x7F"
        "C\xC3\xA9");
    EXPECT_EQ(common.Comment(), "A B C" + std::string(11, ' '));

    // One blank per character, also for a character of several UTF-8 bytes.
    common.Comment(
        "\xC3\xA9t\xC3\xA9 2026 \xE2\x82\xAC"
        "5");
    EXPECT_EQ(common.Comment(), " t  2026  5     ");

    common.Comment("0123456789ABCDEFGHIJ");
    EXPECT_EQ(common.Comment(), "0123456789ABCDEF");
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F70), 0);  // nothing past the comment

    radio.eepImage.WriteByte(0x1F61, 0x05);
    radio.eepImage.WriteByte(0x1F62, 0xFF);
    EXPECT_EQ(common.Comment(), "0  3456789ABCDEF");
}

TEST(CommonSettings, AnImageByteNamesTheSettingItHolds) {
    for (const Plain& p : kPlain) EXPECT_EQ(CommonSettingAt(p.address, 0x01), &DefOf(p.control));
    const CommonSettingDef* disp = &DefOf("cboEditCom_DispSel");
    EXPECT_EQ(CommonSettingAt(0x1F31, 0x01), disp);
    // Of the second byte of the display mode only bit 2 is the setting's.
    EXPECT_EQ(CommonSettingAt(0x1F5C, 0x04), disp);
    EXPECT_EQ(CommonSettingAt(0x1F5C, 0x03), nullptr);
    for (int a : {0x1F21, 0x1F32, 0x1F34, 0x1F60, 0x0000})
        EXPECT_EQ(CommonSettingAt(a, 0xFF), nullptr);
}
