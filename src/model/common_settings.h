// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver's set-mode values (scan behaviour, beep, display, power
// saving, dial, attenuator, key lock) and its 16-character comment. The class
// keeps no copy: every read looks at the working image of the document and
// every write stores into it at once, so a clone read, a file load or a reset
// is seen by the next read, and the document's image comparison notices each
// change without any flag of ours.

#include <cstdint>
#include <string>
#include <vector>

#include "image/radio.h"

class clsRigQ5_Common {
  public:
    // Image addresses of the settings; each numeric setting is one whole byte
    // holding the index of its choice.
    static constexpr int kAdrDialSelect = 0x1F20;
    static constexpr int kAdrScanResume = 0x1F22;
    static constexpr int kAdrPauseScan = 0x1F23;
    static constexpr int kAdrSkipScan = 0x1F24;
    static constexpr int kAdrMemoryScan = 0x1F25;
    static constexpr int kAdrBeepAudio = 0x1F26;
    static constexpr int kAdrBacklight = 0x1F27;
    static constexpr int kAdrAutoPowerOff = 0x1F28;
    static constexpr int kAdrPowerSave = 0x1F29;
    static constexpr int kAdrMonitorSel = 0x1F2A;
    static constexpr int kAdrDialSpeedup = 0x1F2B;
    static constexpr int kAdrVfoScan = 0x1F2C;
    static constexpr int kAdrKeyLock = 0x1F2D;
    static constexpr int kAdrAttSel = 0x1F2E;
    static constexpr int kAdrContrast = 0x1F2F;
    static constexpr int kAdrBright = 0x1F30;
    static constexpr int kAdrDispAuto = 0x1F31;    // non-zero: display mode "Auto"
    static constexpr int kAdrDispManual = 0x1F5C;  // bit 2 set: "Manual-OFF"
    static constexpr int kBitDispManual = 2;
    static constexpr int kAdrBackColor = 0x1F33;
    static constexpr int kAdrComment = 0x1F60;
    static constexpr int kCommentLength = 16;

    explicit clsRigQ5_Common(clsCmcRadio& radio) : radio_(radio) {}

    int ScanResume_Pure() const;
    void ScanResume_Pure(int v);
    int PauseScan_Pure() const;
    void PauseScan_Pure(int v);
    int BeepAudio_Pure() const;
    void BeepAudio_Pure(int v);
    int Backlight_Pure() const;
    void Backlight_Pure(int v);
    int AutoPowerOff_Pure() const;
    void AutoPowerOff_Pure(int v);
    int MonitorSel_Pure() const;
    void MonitorSel_Pure(int v);
    int KeyLock_Pure() const;
    void KeyLock_Pure(int v);
    // 0 "Manual-OFF", 1 "Manual-ON", 2 "Auto"; kept in two places of the image.
    int DispSel_Pure() const;
    void DispSel_Pure(int v);
    int Contrast_Pure() const;
    void Contrast_Pure(int v);
    int Bright_Pure() const;
    void Bright_Pure(int v);
    int BackColor_Pure() const;
    void BackColor_Pure(int v);
    int DialSelect_Pure() const;
    void DialSelect_Pure(int v);
    int MemoryScan_Pure() const;
    void MemoryScan_Pure(int v);
    int VfoScan_Pure() const;
    void VfoScan_Pure(int v);
    int AttSel_Pure() const;
    void AttSel_Pure(int v);
    int PowerSave_Pure() const;
    void PowerSave_Pure(int v);
    int DialSpeedup_Pure() const;
    void DialSpeedup_Pure(int v);
    int SkipScan_Pure() const;
    void SkipScan_Pure(int v);
    // Always 16 characters; bytes outside 0x20..0x7E read as blanks.
    std::string Comment() const;
    // Padded with blanks to 16 characters, cut beyond them.
    void Comment(const std::string& text);

  private:
    int ReadSetting(int address, int maximum) const;
    void WriteSetting(int address, int maximum, int v);

    clsCmcRadio& radio_;
};

// One setting as the settings dialog shows it, in the dialog's order.
struct CommonSettingDef {
    const char* control;  // object name of the dialog control
    const char* label;    // the dialog's label
    bool checkBox;        // a check box (0/1) rather than a drop-down list
    int (clsRigQ5_Common::*read)() const;
    void (clsRigQ5_Common::*write)(int);
    const std::vector<std::string>* choices;  // index = value; nullptr for check boxes
    std::int32_t address;                     // the byte of the image that holds it
};

// The settings dialog's caption of the comment, the one setting that is text.
inline constexpr const char* kCommentLabel = "Comment";

// The eighteen numeric settings in the dialog's order: fifteen lists, then
// the three check boxes. The comment follows them in the dialog.
const std::vector<CommonSettingDef>& CommonSettingDefs();

// The value of a setting as the dialog shows it: the choice text of a list,
// 0 or 1 for a check box.
std::string CommonSettingText(const clsRigQ5_Common& common, const CommonSettingDef& def);

// The numeric setting kept in the image byte at address, given the bits of
// that byte that changed (the display mode owns only one bit of its second
// byte); nullptr for a byte of no numeric setting.
const CommonSettingDef* CommonSettingAt(std::int32_t address, int changedBits);

// The choice texts of each list setting, index = stored value; built once.
const std::vector<std::string>& ScanResume_Texts();
const std::vector<std::string>& PauseScan_Texts();
const std::vector<std::string>& BeepAudio_Texts();
const std::vector<std::string>& Backlight_Texts();
const std::vector<std::string>& AutoPowerOff_Texts();
const std::vector<std::string>& MonitorSel_Texts();
const std::vector<std::string>& KeyLock_Texts();
const std::vector<std::string>& DispSel_Texts();
const std::vector<std::string>& Contrast_Texts();
const std::vector<std::string>& Bright_Texts();
const std::vector<std::string>& BackColor_Texts();
const std::vector<std::string>& DialSelect_Texts();
const std::vector<std::string>& MemoryScan_Texts();
const std::vector<std::string>& VfoScan_Texts();
const std::vector<std::string>& AttSel_Texts();
