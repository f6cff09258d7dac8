// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/common_settings.h"

#include "app/common.h"

namespace {

// Maxima of the plain settings: the receiver accepts 0..maximum.
constexpr int kMaxDialSelect = 2;
constexpr int kMaxScanResume = 6;
constexpr int kMaxPauseScan = 10;
constexpr int kMaxOnOff = 1;
constexpr int kMaxBeepAudio = 32;
constexpr int kMaxBacklight = 2;
constexpr int kMaxAutoPowerOff = 4;
constexpr int kMaxVfoScan = 26;
constexpr int kMaxKeyLock = 3;
constexpr int kMaxAttSel = 4;
constexpr int kMaxLevel = 32;  // contrast and brightness steps
constexpr int kMaxBackColor = 7;

// A printable 7-bit character, or a blank in its place.
int PrintableOrBlank(int code) {
    return (code < 32 || code >= 127) ? 32 : code;
}

std::vector<std::string> Numbered(const std::string& prefix, int first, int last) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) out.push_back(prefix + std::to_string(i));
    return out;
}

// Contrast and brightness show their share of the 32 steps, remainder dropped.
std::vector<std::string> Percentages() {
    std::vector<std::string> out;
    for (int v = 0; v <= kMaxLevel; ++v) out.push_back(std::to_string(v * 100 / 32) + "%");
    return out;
}

}  // namespace

int clsRigQ5_Common::ReadSetting(int address, int maximum) const {
    // A byte beyond the maximum (an image from elsewhere) reads as the maximum
    // and stays in the image until a value is written.
    return LimitInt(radio_.eepImage.ReadByte(address), 0, maximum);
}

void clsRigQ5_Common::WriteSetting(int address, int maximum, int v) {
    radio_.eepImage.WriteByte(address, LimitInt(v, 0, maximum));
}

int clsRigQ5_Common::ScanResume_Pure() const {
    return ReadSetting(kAdrScanResume, kMaxScanResume);
}
void clsRigQ5_Common::ScanResume_Pure(int v) {
    WriteSetting(kAdrScanResume, kMaxScanResume, v);
}
int clsRigQ5_Common::PauseScan_Pure() const {
    return ReadSetting(kAdrPauseScan, kMaxPauseScan);
}
void clsRigQ5_Common::PauseScan_Pure(int v) {
    WriteSetting(kAdrPauseScan, kMaxPauseScan, v);
}
int clsRigQ5_Common::BeepAudio_Pure() const {
    return ReadSetting(kAdrBeepAudio, kMaxBeepAudio);
}
void clsRigQ5_Common::BeepAudio_Pure(int v) {
    WriteSetting(kAdrBeepAudio, kMaxBeepAudio, v);
}
int clsRigQ5_Common::Backlight_Pure() const {
    return ReadSetting(kAdrBacklight, kMaxBacklight);
}
void clsRigQ5_Common::Backlight_Pure(int v) {
    WriteSetting(kAdrBacklight, kMaxBacklight, v);
}
int clsRigQ5_Common::AutoPowerOff_Pure() const {
    return ReadSetting(kAdrAutoPowerOff, kMaxAutoPowerOff);
}
void clsRigQ5_Common::AutoPowerOff_Pure(int v) {
    WriteSetting(kAdrAutoPowerOff, kMaxAutoPowerOff, v);
}
int clsRigQ5_Common::MonitorSel_Pure() const {
    return ReadSetting(kAdrMonitorSel, kMaxOnOff);
}
void clsRigQ5_Common::MonitorSel_Pure(int v) {
    WriteSetting(kAdrMonitorSel, kMaxOnOff, v);
}
int clsRigQ5_Common::KeyLock_Pure() const {
    return ReadSetting(kAdrKeyLock, kMaxKeyLock);
}
void clsRigQ5_Common::KeyLock_Pure(int v) {
    WriteSetting(kAdrKeyLock, kMaxKeyLock, v);
}
int clsRigQ5_Common::Contrast_Pure() const {
    return ReadSetting(kAdrContrast, kMaxLevel);
}
void clsRigQ5_Common::Contrast_Pure(int v) {
    WriteSetting(kAdrContrast, kMaxLevel, v);
}
int clsRigQ5_Common::Bright_Pure() const {
    return ReadSetting(kAdrBright, kMaxLevel);
}
void clsRigQ5_Common::Bright_Pure(int v) {
    WriteSetting(kAdrBright, kMaxLevel, v);
}
int clsRigQ5_Common::BackColor_Pure() const {
    return ReadSetting(kAdrBackColor, kMaxBackColor);
}
void clsRigQ5_Common::BackColor_Pure(int v) {
    WriteSetting(kAdrBackColor, kMaxBackColor, v);
}
int clsRigQ5_Common::DialSelect_Pure() const {
    return ReadSetting(kAdrDialSelect, kMaxDialSelect);
}
void clsRigQ5_Common::DialSelect_Pure(int v) {
    WriteSetting(kAdrDialSelect, kMaxDialSelect, v);
}
int clsRigQ5_Common::MemoryScan_Pure() const {
    return ReadSetting(kAdrMemoryScan, kMaxOnOff);
}
void clsRigQ5_Common::MemoryScan_Pure(int v) {
    WriteSetting(kAdrMemoryScan, kMaxOnOff, v);
}
int clsRigQ5_Common::VfoScan_Pure() const {
    return ReadSetting(kAdrVfoScan, kMaxVfoScan);
}
void clsRigQ5_Common::VfoScan_Pure(int v) {
    WriteSetting(kAdrVfoScan, kMaxVfoScan, v);
}
int clsRigQ5_Common::AttSel_Pure() const {
    return ReadSetting(kAdrAttSel, kMaxAttSel);
}
void clsRigQ5_Common::AttSel_Pure(int v) {
    WriteSetting(kAdrAttSel, kMaxAttSel, v);
}
int clsRigQ5_Common::PowerSave_Pure() const {
    return ReadSetting(kAdrPowerSave, kMaxOnOff);
}
void clsRigQ5_Common::PowerSave_Pure(int v) {
    WriteSetting(kAdrPowerSave, kMaxOnOff, v);
}
int clsRigQ5_Common::DialSpeedup_Pure() const {
    return ReadSetting(kAdrDialSpeedup, kMaxOnOff);
}
void clsRigQ5_Common::DialSpeedup_Pure(int v) {
    WriteSetting(kAdrDialSpeedup, kMaxOnOff, v);
}
int clsRigQ5_Common::SkipScan_Pure() const {
    return ReadSetting(kAdrSkipScan, kMaxOnOff);
}
void clsRigQ5_Common::SkipScan_Pure(int v) {
    WriteSetting(kAdrSkipScan, kMaxOnOff, v);
}

int clsRigQ5_Common::DispSel_Pure() const {
    // The receiver keeps "Auto" in its own byte; the manual choice lives in
    // one bit of a byte whose other bits belong to the channel memory.
    if (radio_.eepImage.ReadByte(kAdrDispAuto) != 0) return 2;
    return radio_.eepImage.ReadBit(kAdrDispManual, kBitDispManual) != 0 ? 0 : 1;
}

void clsRigQ5_Common::DispSel_Pure(int v) {
    if (v == 2) {
        radio_.eepImage.WriteByte(kAdrDispAuto, 1);
        radio_.eepImage.WriteBit(kAdrDispManual, kBitDispManual, 0);
        return;
    }
    // Any value but 0 and 2 means "Manual-ON".
    radio_.eepImage.WriteByte(kAdrDispAuto, 0);
    radio_.eepImage.WriteBit(kAdrDispManual, kBitDispManual, v == 0 ? 1 : 0);
}

std::string clsRigQ5_Common::Comment() const {
    std::string out;
    for (int i = 0; i < kCommentLength; ++i) {
        out += static_cast<char>(PrintableOrBlank(radio_.eepImage.ReadByte(kAdrComment + i)));
    }
    return out;
}

void clsRigQ5_Common::Comment(const std::string& text) {
    // Text arrives as UTF-8: a character outside 7-bit ASCII takes one
    // position (as one blank), however many bytes it has.
    std::size_t at = 0;
    for (int i = 0; i < kCommentLength; ++i) {
        int code = 32;
        if (at < text.size()) {
            const auto lead = static_cast<unsigned char>(text[at++]);
            code = lead;
            if (lead >= 0xC0) {
                while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
                    ++at;
            }
        }
        radio_.eepImage.WriteByte(kAdrComment + i, PrintableOrBlank(code));
    }
}

const std::vector<std::string>& ScanResume_Texts() {
    static const std::vector<std::string> t = {"0 sec", "1 sec", "2 sec", "3 sec",
                                               "4 sec", "5 sec", "Hold"};
    return t;
}
const std::vector<std::string>& PauseScan_Texts() {
    static const std::vector<std::string> t = {"2 sec",  "4 sec",  "6 sec",  "8 sec",
                                               "10 sec", "12 sec", "14 sec", "16 sec",
                                               "18 sec", "20 sec", "Hold"};
    return t;
}
const std::vector<std::string>& BeepAudio_Texts() {
    static const std::vector<std::string> t = [] {
        std::vector<std::string> v = {"Volume"};
        for (auto& s : Numbered("", 0, 31)) v.push_back(s);
        return v;
    }();
    return t;
}
const std::vector<std::string>& Backlight_Texts() {
    static const std::vector<std::string> t = {"OFF", "ON", "Auto"};
    return t;
}
const std::vector<std::string>& AutoPowerOff_Texts() {
    static const std::vector<std::string> t = {"OFF", "30 min", "60 min", "90 min", "120 min"};
    return t;
}
const std::vector<std::string>& MonitorSel_Texts() {
    static const std::vector<std::string> t = {"Push", "Hold"};
    return t;
}
const std::vector<std::string>& KeyLock_Texts() {
    static const std::vector<std::string> t = {"Normal", "No SQL", "No VOL", "ALL"};
    return t;
}
const std::vector<std::string>& DispSel_Texts() {
    static const std::vector<std::string> t = {"Manual-OFF", "Manual-ON", "Auto"};
    return t;
}
const std::vector<std::string>& Contrast_Texts() {
    static const std::vector<std::string> t = Percentages();
    return t;
}
const std::vector<std::string>& Bright_Texts() {
    static const std::vector<std::string> t = Percentages();
    return t;
}
const std::vector<std::string>& BackColor_Texts() {
    static const std::vector<std::string> t = Numbered("", 0, kMaxBackColor);
    return t;
}
const std::vector<std::string>& DialSelect_Texts() {
    static const std::vector<std::string> t = {"100kHz", "1MHz", "10MHz"};
    return t;
}
const std::vector<std::string>& MemoryScan_Texts() {
    static const std::vector<std::string> t = {"Bank", "ALL"};
    return t;
}
const std::vector<std::string>& VfoScan_Texts() {
    static const std::vector<std::string> t = [] {
        std::vector<std::string> v = Numbered("P", 0, 24);
        v.push_back("Band");
        v.push_back("ALL");
        return v;
    }();
    return t;
}
const std::vector<std::string>& AttSel_Texts() {
    static const std::vector<std::string> t = {"OFF", "1", "2", "3", "4"};
    return t;
}

const std::vector<CommonSettingDef>& CommonSettingDefs() {
    using C = clsRigQ5_Common;
    // Member pointers to one overload of each read/write pair.
    using Rd = int (C::*)() const;
    using Wr = void (C::*)(int);
    static const std::vector<CommonSettingDef> defs = {
        {"cboEditCom_ScanResume", "Scan Resume", false, static_cast<Rd>(&C::ScanResume_Pure),
         static_cast<Wr>(&C::ScanResume_Pure), &ScanResume_Texts(), C::kAdrScanResume},
        {"cboEditCom_PauseScan", "Pause Scan", false, static_cast<Rd>(&C::PauseScan_Pure),
         static_cast<Wr>(&C::PauseScan_Pure), &PauseScan_Texts(), C::kAdrPauseScan},
        {"cboEditCom_BeepAudio", "Beep Audio", false, static_cast<Rd>(&C::BeepAudio_Pure),
         static_cast<Wr>(&C::BeepAudio_Pure), &BeepAudio_Texts(), C::kAdrBeepAudio},
        {"cboEditCom_Backlight", "LCD Back Light", false, static_cast<Rd>(&C::Backlight_Pure),
         static_cast<Wr>(&C::Backlight_Pure), &Backlight_Texts(), C::kAdrBacklight},
        {"cboEditCom_AutoPowerOff", "Auto Power-OFF", false, static_cast<Rd>(&C::AutoPowerOff_Pure),
         static_cast<Wr>(&C::AutoPowerOff_Pure), &AutoPowerOff_Texts(), C::kAdrAutoPowerOff},
        {"cboEditCom_MonitorSel", "Monitor", false, static_cast<Rd>(&C::MonitorSel_Pure),
         static_cast<Wr>(&C::MonitorSel_Pure), &MonitorSel_Texts(), C::kAdrMonitorSel},
        {"cboEditCom_KeyLock", "Key Lock", false, static_cast<Rd>(&C::KeyLock_Pure),
         static_cast<Wr>(&C::KeyLock_Pure), &KeyLock_Texts(), C::kAdrKeyLock},
        {"cboEditCom_DispSel", "Display Mode", false, static_cast<Rd>(&C::DispSel_Pure),
         static_cast<Wr>(&C::DispSel_Pure), &DispSel_Texts(), C::kAdrDispAuto},
        {"cboEditCom_Contrast", "Display Contrast", false, static_cast<Rd>(&C::Contrast_Pure),
         static_cast<Wr>(&C::Contrast_Pure), &Contrast_Texts(), C::kAdrContrast},
        {"cboEditCom_Bright", "Display Bright", false, static_cast<Rd>(&C::Bright_Pure),
         static_cast<Wr>(&C::Bright_Pure), &Bright_Texts(), C::kAdrBright},
        {"cboEditCom_BackColor", "Display Back Color", false, static_cast<Rd>(&C::BackColor_Pure),
         static_cast<Wr>(&C::BackColor_Pure), &BackColor_Texts(), C::kAdrBackColor},
        {"cboEditCom_DialSelect", "Dial Select", false, static_cast<Rd>(&C::DialSelect_Pure),
         static_cast<Wr>(&C::DialSelect_Pure), &DialSelect_Texts(), C::kAdrDialSelect},
        {"cboEditCom_MemoryScan", "Memory Scan", false, static_cast<Rd>(&C::MemoryScan_Pure),
         static_cast<Wr>(&C::MemoryScan_Pure), &MemoryScan_Texts(), C::kAdrMemoryScan},
        {"cboEditCom_VfoScan", "VFO Scan", false, static_cast<Rd>(&C::VfoScan_Pure),
         static_cast<Wr>(&C::VfoScan_Pure), &VfoScan_Texts(), C::kAdrVfoScan},
        {"cboEditCom_AttSel", "RF Attenuator", false, static_cast<Rd>(&C::AttSel_Pure),
         static_cast<Wr>(&C::AttSel_Pure), &AttSel_Texts(), C::kAdrAttSel},
        {"chkEditCom_PowerSave", "Power Save", true, static_cast<Rd>(&C::PowerSave_Pure),
         static_cast<Wr>(&C::PowerSave_Pure), nullptr, C::kAdrPowerSave},
        {"chkEditCom_DialSpeedup", "Dial Speedup", true, static_cast<Rd>(&C::DialSpeedup_Pure),
         static_cast<Wr>(&C::DialSpeedup_Pure), nullptr, C::kAdrDialSpeedup},
        {"chkEditCom_SkipScan", "Skip Scan", true, static_cast<Rd>(&C::SkipScan_Pure),
         static_cast<Wr>(&C::SkipScan_Pure), nullptr, C::kAdrSkipScan},
    };
    return defs;
}

std::string CommonSettingText(const clsRigQ5_Common& common, const CommonSettingDef& def) {
    const int value = (common.*def.read)();
    if (!def.checkBox && def.choices && value >= 0 && value < static_cast<int>(def.choices->size()))
        return (*def.choices)[static_cast<std::size_t>(value)];
    return std::to_string(value);
}

const CommonSettingDef* CommonSettingAt(std::int32_t address, int changedBits) {
    using C = clsRigQ5_Common;
    // The display mode also lives in bit 2 of a byte whose other bits belong
    // to the memory map.
    const bool dispBit = address == C::kAdrDispManual && (changedBits & (1 << C::kBitDispManual));
    for (const CommonSettingDef& def : CommonSettingDefs()) {
        if (def.address == address || (dispBit && def.address == C::kAdrDispAuto)) return &def;
    }
    return nullptr;
}
