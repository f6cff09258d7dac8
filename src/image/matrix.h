// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receiver version in force and everything it decides: the band
// division, which VFO bands exist, the allowed and forbidden frequency
// ranges, the TV channel ranges and the TV sound-carrier standard. The six
// values come from the receiver's identification answer; every write
// recomputes the derived data at once (Heal).

#include <array>
#include <cstdint>

#include "image/bandman.h"

class clsRigQ5_Matrix {
public:
    static constexpr int kNoVersion = 12;

    clsRigQ5_Matrix();

    // Reads return the stored value limited to its range; writes store as given.
    int MtxVerNo() const;     // 0..11, 12 = none known yet
    int MtxAmOk() const;      // medium-wave area tuned as AM on the 9 kHz grid
    int MtxExpOn() const;     // expanded coverage
    int MtxCellerNg() const;  // cellular range forbidden
    int MtxFmTvOk() const;    // FM TV channels exist
    int MtxTvOwNo() const;    // TV sound-carrier standard 0..3
    void MtxVerNo(int v);
    void MtxAmOk(int v);
    void MtxExpOn(int v);
    void MtxCellerNg(int v);
    void MtxFmTvOk(int v);
    void MtxTvOwNo(int v);

    // Whether the VFO of the band exists; False for any band outside 0..11.
    bool VfoAppear(int band) const;
    int NumModeNo() const;
    int NumTsNo_Norm() const;
    int NumTsNo_24G() const;

    const clsCmcBandMan& EdgeOk() const { return edgeOk_; }
    const clsCmcBandMan& EdgeNg() const { return edgeNg_; }
    const clsCmcBandMan& EdgeTvCh() const { return edgeTvCh_; }
    const clsCmcBandMan& EdgeTvAm() const { return edgeTvAm_; }
    const clsCmcBandMan& EdgeTvFm() const { return edgeTvFm_; }

    void Heal();
    // Band 0..10: the first band whose successor's lower edge lies above f.
    int GetBandNoOfFreq(std::int32_t f) const;
    // The AM broadcast area: MtxAmOk, band 0, and at least 0.495 MHz.
    bool IfAmOnlyArea(std::int32_t f) const;

    std::int32_t BandLowerEdge(int band) const { return bandLow_.at(static_cast<std::size_t>(band)); }

    // TV sound-carrier offset of a standard 0..3 (limited), 10 Hz units.
    static std::int32_t TvSoundOffset(int standard);

private:
    int verNo_ = 0, amOk_ = 0, expOn_ = 0, cellerNg_ = 0, fmTvOk_ = 0, tvOwNo_ = 0;
    std::array<std::int32_t, 11> bandLow_{};
    std::array<bool, 12> vfoAppear_{};
    clsCmcBandMan edgeOk_, edgeNg_, edgeTvCh_, edgeTvAm_, edgeTvFm_;
};
