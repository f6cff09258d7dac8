// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/master.h"

#include "image/info_checks.h"
#include "image/rigq5_table.h"
#include "model/tv_presets.h"

clsRigQ5_Master::clsRigQ5_Master(clsCmcRadio& radio) : radio_(radio), common_(radio) {
    Reset();
}

void clsRigQ5_Master::Init_MakeInitial() {
    MakeInitialImage(radio_.eepInitial, matrix_);
    init_Reload();
}

void clsRigQ5_Master::init_Reload() {
    radio_.Eep_InitAll();
    ReadFromEep(kProgramForm);
    // Encoding brings the image into the form the records produce, so the
    // document starts clean against exactly what a save would write.
    WriteToEep();
    radio_.EditOn(false);
}

// ---- TV presets ----

void clsRigQ5_Master::PresetTv(int index) {
    for (auto& ch : tv_) {
        ch.AppearCh(false);
        ch.SkipT_Pure(0);
        ch.TvIf_Pure(0);
    }
    const TvPresetTable* table = TvPresetOf(index);
    const std::string_view freqs = table != nullptr ? table->freqs : std::string_view{};
    const std::string_view ifs = table != nullptr ? table->ifShift : std::string_view{};
    const std::string_view skip = table != nullptr ? table->skip : std::string_view{};
    for (std::size_t i = 0; i < tv_.size(); ++i) {
        auto& ch = tv_[i];
        if (freqs.size() >= 6 * i + 5) {
            // Entries are five digits in 10 kHz units.
            std::int32_t value = 0;
            for (char c : freqs.substr(6 * i, 5))
                value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
            ch.FreqOp_Pure(value * 1000);
            ch.AppearCh(value >= 1);
            if (ifs.size() >= 2 * (i + 1)) {
                const std::string_view code = ifs.substr(2 * i, 2);
                ch.TvIf_Pure(code == "-3"   ? 1
                             : code == "-2" ? 2
                             : code == "+2" ? 3
                             : code == "+3" ? 4
                                            : 0);
            }
            if (skip.size() >= i + 1 && skip[i] == 'S') ch.SkipT_Pure(1);
        }
        Set1Ch(ch, kListTv, static_cast<int>(i), kProgramForm);
    }
}

// ---- Version checks ----

namespace {

// Positions count from 1 on the identification answer.
int At(const ByteStr& answer, std::size_t position) {
    return answer.at(position - 1);
}

// Capability bits of position 25 and option bits of position 26.
int AmOkOf(const ByteStr& a) {
    return 1 - ((At(a, 25) >> 3) & 1);
}
int CellerNgOf(const ByteStr& a) {
    return (At(a, 25) >> 5) & 1;
}
int FmTvOkOf(const ByteStr& a) {
    return (At(a, 25) >> 6) & 1;
}
int ExpOnOf(const ByteStr& a) {
    return At(a, 26) & 1;
}
int TvOwNoOf(const ByteStr& a) {
    return (At(a, 26) >> 1) & 3;
}

}  // namespace

int clsRigQ5_Master::RigOpFunc_CheckInfoToInitInfo(const ByteStr& answer) {
    const int code = RigOpFunc_CheckInfoGeneral(answer);
    if (code != kInfoOk) return code;
    matrix_.MtxVerNo(LimitInt(At(answer, 24), 0, 11));
    matrix_.MtxAmOk(AmOkOf(answer));
    matrix_.MtxExpOn(ExpOnOf(answer));
    matrix_.MtxCellerNg(CellerNgOf(answer));
    matrix_.MtxFmTvOk(FmTvOkOf(answer));
    matrix_.MtxTvOwNo(TvOwNoOf(answer));
    Init_MakeInitial();
    return kInfoOk;
}

int clsRigQ5_Master::RigOpFunc_CheckInfoBothReadWrite(const ByteStr& answer) {
    const int code = RigOpFunc_CheckInfoGeneral(answer);
    if (code != kInfoOk) return code;
    // The receiver must be the one the initial setup learnt.
    if (matrix_.MtxVerNo() != At(answer, 24) || matrix_.MtxAmOk() != AmOkOf(answer) ||
        matrix_.MtxFmTvOk() != FmTvOkOf(answer) || matrix_.MtxCellerNg() != CellerNgOf(answer)) {
        return kInfoVersionDiffers;
    }
    // Expanded coverage and the TV sound standard may be changed on the
    // receiver itself; follow it.
    matrix_.MtxExpOn(ExpOnOf(answer));
    matrix_.MtxTvOwNo(TvOwNoOf(answer));
    return kInfoOk;
}

int clsRigQ5_Master::RigOpFunc_CheckInfoToReadOrInfo(const ByteStr& answer) {
    return RigOpFunc_CheckInfoBothReadWrite(answer);
}

int clsRigQ5_Master::RigOpFunc_CheckInfoToWrite(const ByteStr& answer) {
    const int code = RigOpFunc_CheckInfoBothReadWrite(answer);
    if (code == kInfoOk) FullCareEepToCloneWrite();
    return code;
}

int clsRigQ5_Master::RigOpFunc_CheckReadedData() {
    return radio_.Eep_SameAsInitBlock(kAdrFormatTag, kFormatTagLength) ? kInfoOk
                                                                       : kInfoReadImageBad;
}
