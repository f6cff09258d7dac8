// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/matrix.h"

#include <initializer_list>
#include <vector>

#include "app/common.h"

namespace {

// MHz × 1000 (kHz) to the stored 10 Hz unit.
constexpr std::int32_t K(std::int32_t khz) { return khz * 100; }

struct KhzRange {
    std::int32_t lo, hi;
};

// The allowed ranges of each version, in kHz, in the order they are tested.
const std::initializer_list<KhzRange> kRangesV0 = {
    {495, 1620},       {1625, 29995},     {30000, 75995},     {76000, 107995},
    {108000, 135995},  {136000, 252895},  {255100, 261895},   {266100, 270895},
    {275100, 379895},  {382100, 411895},  {415100, 769795},   {769800, 809895},
    {834100, 859895},  {889100, 914895},  {960100, 1399995},  {1400000, 2450095}};
const std::initializer_list<KhzRange> kRangesV1to4 = {
    {495, 1620},      {1625, 29995},    {30000, 87995},   {88000, 107995},
    {108000, 135995}, {136000, 255095}, {255100, 382095}, {382100, 769795},
    {769800, 960095}, {960100, 1399995}, {1400000, 2450095}};
const std::initializer_list<KhzRange> kRangesV5 = {
    {495, 1620},      {1625, 29995},    {30000, 75995},   {76000, 107995},  {108000, 135995},
    {136000, 255095}, {255100, 382095}, {382100, 769795}, {769800, 823995}, {849000, 868995},
    {894000, 960095}, {960100, 1399995}, {1400000, 2450095}};
const std::initializer_list<KhzRange> kRangesV6 = {
    {50000, 54000}, {108000, 135995}, {144000, 148000}, {430000, 440000}, {1240000, 1300000}};
const std::initializer_list<KhzRange> kRangesV7and10 = {
    {495, 1620},      {1625, 29995},    {30000, 75995},   {76000, 107995},
    {108000, 135995}, {136000, 255095}, {255100, 382095}, {382100, 769795},
    {769800, 960095}, {960100, 1399995}, {1400000, 2450095}};
const std::initializer_list<KhzRange> kRangesV8 = {
    {108000, 135995}, {144000, 146000}, {430000, 440000}, {1260000, 1265000}};
const std::initializer_list<KhzRange> kRangesV9 = {
    {50000, 54000}, {108000, 135995}, {144000, 146000}, {430000, 440000}, {1260000, 1300000}};
const std::initializer_list<KhzRange> kRangesV11 = {
    {495, 1620},      {1625, 29995},    {50200, 51200},   {88000, 107995},
    {108000, 135995}, {136000, 255095}, {255100, 382095}, {382100, 769795},
    {769800, 960095}, {960100, 1399995}, {1400000, 2450095}};

}  // namespace

clsRigQ5_Matrix::clsRigQ5_Matrix() {
    MtxVerNo(kNoVersion);
    MtxAmOk(0);
    MtxExpOn(0);
    MtxCellerNg(0);
    MtxFmTvOk(1);
}

int clsRigQ5_Matrix::MtxVerNo() const { return LimitInt(verNo_, 0, 12); }
int clsRigQ5_Matrix::MtxAmOk() const { return LimitInt(amOk_, 0, 1); }
int clsRigQ5_Matrix::MtxExpOn() const { return LimitInt(expOn_, 0, 1); }
int clsRigQ5_Matrix::MtxCellerNg() const { return LimitInt(cellerNg_, 0, 1); }
int clsRigQ5_Matrix::MtxFmTvOk() const { return LimitInt(fmTvOk_, 0, 1); }
int clsRigQ5_Matrix::MtxTvOwNo() const { return LimitInt(tvOwNo_, 0, 3); }
void clsRigQ5_Matrix::MtxVerNo(int v) { verNo_ = v; Heal(); }
void clsRigQ5_Matrix::MtxAmOk(int v) { amOk_ = v; Heal(); }
void clsRigQ5_Matrix::MtxExpOn(int v) { expOn_ = v; Heal(); }
void clsRigQ5_Matrix::MtxCellerNg(int v) { cellerNg_ = v; Heal(); }
void clsRigQ5_Matrix::MtxFmTvOk(int v) { fmTvOk_ = v; Heal(); }
void clsRigQ5_Matrix::MtxTvOwNo(int v) { tvOwNo_ = v; Heal(); }

bool clsRigQ5_Matrix::VfoAppear(int band) const {
    if (band < 0 || band > 11) return false;
    return vfoAppear_[static_cast<std::size_t>(band)];
}

int clsRigQ5_Matrix::NumModeNo() const { return MtxVerNo() == 0 ? 4 : 3; }
int clsRigQ5_Matrix::NumTsNo_Norm() const { return MtxVerNo() == 0 ? 11 : 10; }
int clsRigQ5_Matrix::NumTsNo_24G() const { return MtxVerNo() == 0 ? 10 : 9; }

std::int32_t clsRigQ5_Matrix::TvSoundOffset(int standard) {
    static const std::int32_t offsets[] = {450000, 550000, 600000, 650000};
    return offsets[LimitInt(standard, 0, 3)];
}

void clsRigQ5_Matrix::Heal() {
    const int v = MtxVerNo();
    for (int i = 0; i <= 10; ++i) vfoAppear_[static_cast<std::size_t>(i)] = true;
    vfoAppear_[11] = false;

    // Band 3 starts at 76 MHz where the FM broadcast band does, 88 MHz elsewhere.
    const bool low76 = v == 0 || v == 5 || v == 7 || v == 8 || v == 9 || v == 10 || v == 12;
    bandLow_ = {0,        162500,   3000000,  low76 ? 7600000 : 8800000,
                10800000, 13600000, 25510000, 38210000,
                76980000, 96010000, 140000000};

    edgeTvCh_.Clear();
    edgeTvCh_.AddEdge(3000000, 199999999);
    edgeTvAm_.Clear();
    edgeTvAm_.AddEdge(3000000, 245009999);
    edgeTvFm_.Clear();
    const std::int32_t o = TvSoundOffset(MtxTvOwNo());
    edgeTvFm_.AddEdge(90000000 + o, 130000499 + o);
    edgeTvFm_.AddEdge(225000000 + o, 245009999);

    edgeOk_.Clear();
    edgeNg_.Clear();
    if (v == kNoVersion) {
        edgeOk_.AddEdge(0, 300000000);
    } else if (MtxExpOn() == 1) {
        edgeOk_.AddEdge(49500, 245009500);
    } else {
        const std::initializer_list<KhzRange>* ranges = &kRangesV0;
        std::vector<int> noVfo;
        switch (v) {
            case 0: ranges = &kRangesV0; break;
            case 1: case 2: case 3: case 4: ranges = &kRangesV1to4; break;
            case 5: ranges = &kRangesV5; break;
            case 6: ranges = &kRangesV6; noVfo = {0, 1, 3, 6, 8, 10}; break;
            case 7: case 10: ranges = &kRangesV7and10; break;
            case 8: ranges = &kRangesV8; noVfo = {0, 1, 2, 3, 6, 8, 10}; break;
            case 9: ranges = &kRangesV9; noVfo = {0, 1, 3, 6, 8, 10}; break;
            default: ranges = &kRangesV11; break;
        }
        for (const auto& r : *ranges) edgeOk_.AddEdge(K(r.lo), K(r.hi));
        for (int band : noVfo) vfoAppear_[static_cast<std::size_t>(band)] = false;
    }
    if (MtxCellerNg() == 1) edgeNg_.AddEdge(81599501, 90199999);
}

int clsRigQ5_Matrix::GetBandNoOfFreq(std::int32_t f) const {
    for (int i = 0; i <= 9; ++i) {
        if (f < bandLow_[static_cast<std::size_t>(i + 1)]) return i;
    }
    return 10;
}

bool clsRigQ5_Matrix::IfAmOnlyArea(std::int32_t f) const {
    return MtxAmOk() == 1 && GetBandNoOfFreq(f) == 0 && f >= 49500;
}
