// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/channel.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "app/common.h"
#include "model/channel_texts.h"

namespace {

// Characters the receiver's display cannot show in a channel name.
constexpr std::string_view kNameInvalidChars = "&<>@[\\]^`{|}\"";

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// a / b (b > 0) rounded to the nearest whole number, halves to the even one.
std::int64_t RoundHalfEvenDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = FloorDiv(a, b);
    const std::int64_t twiceRest = 2 * (a - q * b);
    if (twiceRest > b || (twiceRest == b && (q % 2 != 0))) ++q;
    return q;
}

std::int32_t Saturate32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string Text(ChTextList list, int index) {
    return std::string(ChTextAt(list, index));
}

}  // namespace

clsRigQ5_Ch::clsRigQ5_Ch(const clsRigQ5_Matrix& matrix, int ident)
    : matrix_(&matrix), ident_(ident) {}

void clsRigQ5_Ch::ChIdent(int v) {
    ident_ = v;
    Heal();
}

bool clsRigQ5_Ch::AppearCh() const {
    // A version without FM TV has no such channels: they read as blank,
    // whatever the image says, so they are neither shown nor sent.
    if (ident_ == kIdentFmTv && matrix_->MtxFmTvOk() == 0) return false;
    return appear_;
}

void clsRigQ5_Ch::AppearCh(bool v) {
    appear_ = v;
    Heal();
}

void clsRigQ5_Ch::FreqOp_Pure(std::int32_t v) {
    freqOp_ = v;
    Heal();
}

std::int32_t clsRigQ5_Ch::SoundOffset() const {
    return clsRigQ5_Matrix::TvSoundOffset(matrix_->MtxTvOwNo());
}

std::int32_t clsRigQ5_Ch::FreqOp_Voice() const {
    if (!IsTvIdent()) return freqOp_;
    return Saturate32(static_cast<std::int64_t>(freqOp_) + SoundOffset());
}

void clsRigQ5_Ch::FreqOp_Voice(std::int32_t v) {
    freqOp_ = IsTvIdent() ? Saturate32(static_cast<std::int64_t>(v) - SoundOffset()) : v;
}

std::string clsRigQ5_Ch::FreqOp_String() const {
    return Conv_Freq_LongToStr(FreqOp_Pure());
}

std::int32_t clsRigQ5_Ch::FreqDup_Pure() const {
    return AppearCh() ? freqDup_ : 0;
}

void clsRigQ5_Ch::FreqDup_Pure(std::int32_t v) {
    freqDup_ = v;
    Heal();
}

std::string clsRigQ5_Ch::FreqDup_String() const {
    return Conv_Freq_LongToStr(FreqDup_Pure());
}

int clsRigQ5_Ch::DupDir_Pure() const {
    return AppearCh() ? LimitInt(dupDir_, 0, 2) : 0;
}

void clsRigQ5_Ch::DupDir_Pure(int v) {
    dupDir_ = v;
    Heal();
}

std::string clsRigQ5_Ch::DupDir_String() const {
    return Text(ChTextList::DupDir, DupDir_Pure());
}

int clsRigQ5_Ch::ModeNo_Pure() const {
    // "Auto" exists only on versions that offer it.
    return AppearCh() ? InRangeOr(modeNo_, 0, matrix_->NumModeNo() - 1, 0) : 0;
}

void clsRigQ5_Ch::ModeNo_Pure(int v) {
    modeNo_ = v;
    Heal();
}

std::string clsRigQ5_Ch::ModeNo_String() const {
    return Text(ChTextList::Mode, ModeNo_Pure());
}

int clsRigQ5_Ch::ToneNo_Pure() const {
    return AppearCh() ? LimitInt(toneNo_, 0, 49) : 8;
}

void clsRigQ5_Ch::ToneNo_Pure(int v) {
    toneNo_ = v;
    Heal();
}

std::string clsRigQ5_Ch::ToneNo_String() const {
    return Text(ChTextList::Tone, ToneNo_Pure());
}

int clsRigQ5_Ch::TsNo_Pure() const {
    if (!AppearCh()) return 0;
    int v = InRangeOr(tsNo_, 0, matrix_->NumTsNo_Norm() - 1, 0);
    // The 2.4 GHz band has no 6.25 kHz step: that index reads as 5 kHz.
    if (Is24G()) v = Conv_TsNo_24GToNorm(Conv_TsNo_NormTo24G(v));
    return v;
}

void clsRigQ5_Ch::TsNo_Pure(int v) {
    tsNo_ = v;
    Heal();
}

std::string clsRigQ5_Ch::TsNo_String() const {
    return Text(ChTextList::StepNorm, TsNo_Pure());
}

int clsRigQ5_Ch::TvIf_Pure() const {
    return AppearCh() ? LimitInt(tvIf_, 0, 4) : 0;
}

void clsRigQ5_Ch::TvIf_Pure(int v) {
    tvIf_ = v;
    Heal();
}

std::string clsRigQ5_Ch::TvIf_String() const {
    return Text(ChTextList::TvIf, TvIf_Pure());
}

int clsRigQ5_Ch::TvReverse_Pure() const {
    return AppearCh() && matrix_->MtxFmTvOk() != 0 ? LimitInt(tvReverse_, 0, 1) : 0;
}

void clsRigQ5_Ch::TvReverse_Pure(int v) {
    tvReverse_ = v != 0 ? 1 : 0;
    Heal();
}

std::string clsRigQ5_Ch::TvReverse_String() const {
    return Text(ChTextList::TvReverse, TvReverse_Pure());
}

int clsRigQ5_Ch::TvSubCarrier_Pure() const {
    return AppearCh() && matrix_->MtxFmTvOk() != 0 ? LimitInt(tvSubCarrier_, 0, 126) : 63;
}

void clsRigQ5_Ch::TvSubCarrier_Pure(int v) {
    tvSubCarrier_ = v;
    Heal();
}

std::string clsRigQ5_Ch::TvSubCarrier_String() const {
    return Text(ChTextList::SubCarrier, TvSubCarrier_Pure());
}

int clsRigQ5_Ch::TSqlOn_Pure() const {
    return AppearCh() ? LimitInt(tsqlOn_, 0, 1) : 0;
}

void clsRigQ5_Ch::TSqlOn_Pure(int v) {
    tsqlOn_ = v != 0 ? 1 : 0;
    Heal();
}

std::string clsRigQ5_Ch::TSqlOn_String() const {
    return Text(ChTextList::TSql, TSqlOn_Pure());
}

int clsRigQ5_Ch::SkipM_Pure() const {
    return AppearCh() ? LimitInt(skipM_, 0, 2) : 0;
}

void clsRigQ5_Ch::SkipM_Pure(int v) {
    skipM_ = v;
    Heal();
}

std::string clsRigQ5_Ch::SkipM_StrList() const {
    return Text(ChTextList::SkipMList, SkipM_Pure());
}
std::string clsRigQ5_Ch::SkipM_StrMenu() const {
    return Text(ChTextList::SkipMMenu, SkipM_Pure());
}

int clsRigQ5_Ch::SkipT_Pure() const {
    return AppearCh() ? LimitInt(skipT_, 0, 1) : 0;
}

void clsRigQ5_Ch::SkipT_Pure(int v) {
    skipT_ = v;
    Heal();
}

std::string clsRigQ5_Ch::SkipT_StrList() const {
    return Text(ChTextList::SkipTList, SkipT_Pure());
}
std::string clsRigQ5_Ch::SkipT_StrMenu() const {
    return Text(ChTextList::SkipTMenu, SkipT_Pure());
}

std::string clsRigQ5_Ch::Name() const {
    if (!AppearCh()) return {};
    // The receiver shows 6 characters of printable ASCII; the characters it
    // has no glyph for, and anything outside that range (which the codec
    // stores as a blank), read as blanks.
    std::string s = name_.substr(0, 6);
    for (char& c : s) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code > 0x7E || kNameInvalidChars.find(c) != std::string_view::npos)
            c = ' ';
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

void clsRigQ5_Ch::Name(const std::string& v) {
    name_ = v;
    Heal();
}

std::string clsRigQ5_Ch::ItemString(int item) const {
    switch (item) {
        case kItemFreq:
            return FreqOp_String();
        case kItemDupDir:
            return DupDir_String();
        case kItemFreqDup:
            return FreqDup_String();
        case kItemName:
            return Name();
        case kItemTSql:
            return TSqlOn_String();
        case kItemTone:
            return ToneNo_String();
        case kItemTvIf:
            return TvIf_String();
        case kItemTvReverse:
            return TvReverse_String();
        case kItemSubCarrier:
            return TvSubCarrier_String();
        case kItemSkipM:
            return SkipM_StrList();
        case kItemSkipT:
            return SkipT_StrList();
        case kItemMode:
            return ModeNo_String();
        case kItemTs:
            return TsNo_String();
        default:
            return {};
    }
}

std::string clsRigQ5_Ch::Conv_Freq_LongToStr(std::int32_t f) {
    // Whole megahertz right-aligned in 4 characters, then six decimals; the
    // stored unit is 10 Hz, so the last decimal is always 0.
    const std::int64_t v = f;
    const std::int64_t mag = v < 0 ? -v : v;
    std::string mhz = (v < 0 ? "-" : "") + std::to_string(mag / 100000);
    // Never cut: a frequency beyond 9999 MHz keeps all its digits.
    if (mhz.size() < 4) mhz.insert(0, 4 - mhz.size(), ' ');
    std::string frac = std::to_string(mag % 100000);
    frac.insert(0, 5 - frac.size(), '0');
    return mhz + "." + frac + "0";
}

std::int32_t clsRigQ5_Ch::Conv_Freq_StrToLong(std::string_view text, int kind) const {
    std::string s(text.substr(0, 16));
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        s.clear();
    } else {
        s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    }
    std::size_t lead = 0;
    while (lead < s.size() && s[lead] == '0') ++lead;
    s.erase(0, lead);

    // The first point is the decimal point; anything else that is not a
    // digit (a second point among them) ends the number.
    std::size_t point = std::string::npos;
    const std::size_t length = s.size();
    for (std::size_t i = 0; i < length; ++i) {
        const char c = s[i];
        if (c == '.' && point == std::string::npos) {
            point = i;
        } else if (c < '0' || c > '9') {
            s.resize(i);
            break;
        }
    }
    if (point == std::string::npos) point = s.size();

    const std::string mhzPart = s.substr(0, point);
    std::int64_t mhz = 3000;
    if (mhzPart.size() <= 4)
        mhz = std::min<std::int64_t>(mhzPart.empty() ? 0 : std::stoll(mhzPart), 3000);
    const std::string fracPart = (point < s.size() ? s.substr(point + 1) : std::string()) + "00000";
    const std::int64_t hertz = std::stoll(fracPart.substr(0, 6));

    const std::int64_t f = RoundHalfEvenDiv(mhz * 1000000 + hertz, 10);
    return LimitLong(AdjustFreq(Saturate32(f), kind), 0, kFreqMax);
}

std::int32_t clsRigQ5_Ch::AdjustFreq(std::int32_t f, int kind) const {
    std::int64_t x = f;
    if (kind == 0 && matrix_->IfAmOnlyArea(f)) {
        // Medium-wave broadcast stations sit on a 9 kHz raster; keep the
        // result inside band 0 where that raster applies.
        x = RoundHalfEvenDiv(x, 900) * 900;
        const int band = matrix_->GetBandNoOfFreq(Saturate32(x));
        if (band > 0) {
            x -= 900;
        } else if (band < 0) {
            x += 900;
        }
        return Saturate32(x);
    }

    bool rules24G = false;
    if (kind == 0) {
        rules24G = matrix_->GetBandNoOfFreq(f) == 10;
    } else if (kind == 1) {
        rules24G = Is24G();
    }

    // Inside each 25 kHz cell the receiver tunes on a 12.5, 6.25 or 5 kHz
    // division; pick the division whose nearest point is closest. The 2.4 GHz
    // band has no 6.25 kHz step.
    const std::int64_t r = x % 2500;
    std::int64_t bestError = 99999999;
    std::int64_t bestCandidate = 0;
    for (const std::int64_t step : {1250, 625, 500}) {
        if (step == 625 && rules24G) continue;
        const std::int64_t candidate = RoundHalfEvenDiv(r, step) * step;
        const std::int64_t error = candidate > r ? candidate - r : r - candidate;
        if (error < bestError) {
            bestError = error;
            bestCandidate = candidate;
        }
        if (error == 0) break;
    }
    x = (x / 2500) * 2500 + bestCandidate;
    if (kind == 1 && x > kDupMax) x = kDupMax;
    return Saturate32(x);
}

int clsRigQ5_Ch::Conv_TsNo_NormTo24G(int n) {
    if (n == 1) return 0;
    if (n > 1) return n - 1;
    return n;
}

int clsRigQ5_Ch::Conv_TsNo_24GToNorm(int n) {
    return n >= 1 ? n + 1 : n;
}

int clsRigQ5_Ch::UsableRefFreq(std::int32_t f) {
    return (f % 500 == 0 ? 1 : 0) | (f % 625 == 0 ? 2 : 0);
}

int clsRigQ5_Ch::Ref_FreqOp() const {
    const int bits = UsableRefFreq(FreqOp_Pure());
    return (bits & 1) ? 0 : (bits & 2) ? 1 : 0;
}

int clsRigQ5_Ch::Ref_FreqDup() const {
    const int bits = UsableRefFreq(FreqDup_Pure());
    return (bits & 1) ? 0 : (bits & 2) ? 1 : 0;
}

bool clsRigQ5_Ch::Usable() const {
    return IsVfoIdent() ? matrix_->VfoAppear(ident_) : true;
}

bool clsRigQ5_Ch::ItemExistsBase(int item) const {
    const int id = ident_;
    switch (item) {
        case kItemChNo:
        case kItemBand:
        case kItemFreq:
        case kItemLast:
            return true;
        case kItemDupDir:
        case kItemFreqDup:
        case kItemTSql:
        case kItemTone:
        case kItemMode:
        case kItemTs:
            // The band-0 VFO of an AM-grid version is AM only: no duplex,
            // tone, mode or step.
            if (id == 0) return matrix_->MtxAmOk() == 0;
            return (id >= 1 && id <= 10) || id == kIdentMemory || id == kIdentPScanFirst ||
                   id == kIdentPScan;
        case kItemName:
            return id == kIdentMemory || id == kIdentPScanFirst || id == kIdentPScan;
        case kItemTvReverse:
        case kItemSubCarrier:
            return id == 8 || id == 9 || id == 10 || id == kIdentFmTv;
        case kItemSkipM:
            return id == kIdentMemory;
        case kItemTvIf:
        case kItemSkipT:
            return id == kIdentTv;
        default:
            return false;
    }
}

bool clsRigQ5_Ch::ItemExistsNow(int item) const {
    if (!ItemExistsBase(item)) return false;
    if (!IsAmOnly()) return true;
    return item == kItemChNo || item == kItemBand || item == kItemFreq || item == kItemName ||
           item == kItemSkipM;
}

bool clsRigQ5_Ch::IsNeverAm() const {
    return matrix_->MtxAmOk() == 0 || (ident_ >= 1 && ident_ <= 10) || IsTvIdent();
}

bool clsRigQ5_Ch::IsMustAm() const {
    return matrix_->MtxAmOk() != 0 && ident_ == 0;
}

bool clsRigQ5_Ch::IsAmOnly() const {
    return (matrix_->IfAmOnlyArea(FreqOp_Voice()) || IsMustAm()) && !IsNeverAm();
}

bool clsRigQ5_Ch::IsNever24G() const {
    return (ident_ >= 0 && ident_ <= 9) || ident_ == kIdentTv;
}

bool clsRigQ5_Ch::IsMust24G() const {
    return ident_ == kIdentVfo24G;
}

bool clsRigQ5_Ch::Is24G() const {
    return (matrix_->GetBandNoOfFreq(FreqOp_Voice()) == 10 || IsMust24G()) && !IsNever24G();
}

bool clsRigQ5_Ch::ClearEnable() const {
    return ident_ == kIdentMemory || ident_ == kIdentPScan || IsTvIdent();
}

bool clsRigQ5_Ch::IsLegalFreqOp() const {
    const std::int32_t sound = FreqOp_Voice();
    if (matrix_->EdgeNg().InsideEdge(sound)) return false;
    if (ident_ != kIdentTv && !matrix_->EdgeOk().InsideEdge(sound)) return false;
    if (IsVfoIdent()) return matrix_->GetBandNoOfFreq(sound) == ident_;
    switch (ident_) {
        case kIdentTv:
            return matrix_->EdgeTvCh().InsideEdge(sound);
        case kIdentAmTv:
            return matrix_->EdgeTvAm().InsideEdge(sound);
        case kIdentFmTv:
            return matrix_->EdgeTvFm().InsideEdge(sound);
        case kIdentMemory:
        case kIdentPScanFirst:
        case kIdentPScan:
            return true;
        default:
            return false;
    }
}

int clsRigQ5_Ch::CopyClass() const {
    if (IsVfoIdent()) return ItemExistsBase(kItemTvReverse) ? 1 : 0;
    switch (ident_) {
        case kIdentMemory:
        case kIdentPScanFirst:
        case kIdentPScan:
            return 2;
        case kIdentTv:
            return 3;
        case kIdentAmTv:
            return 4;
        case kIdentFmTv:
            return 5;
        default:
            return -1;
    }
}

bool clsRigQ5_Ch::CopyEnabledFrom(const clsRigQ5_Ch* other) const {
    if (other == nullptr) return false;
    const int cls = CopyClass();
    if (cls < 0 || cls != other->CopyClass()) return false;
    if (other->IsAmOnly()) {
        if (IsNeverAm()) return false;
    } else if (IsMustAm()) {
        return false;
    }
    // A blank may only be pasted where a channel can be cleared.
    return other->AppearCh() || ClearEnable();
}

void clsRigQ5_Ch::CopyData(const clsRigQ5_Ch& other) {
    // The order matters: each write heals, and the offset's grid depends on
    // the frequency, so the frequency goes before the offset.
    AppearCh(other.AppearCh());
    FreqOp_Pure(other.FreqOp_Pure());
    DupDir_Pure(other.DupDir_Pure());
    FreqDup_Pure(other.FreqDup_Pure());
    Name(other.Name());
    TSqlOn_Pure(other.TSqlOn_Pure());
    ToneNo_Pure(other.ToneNo_Pure());
    TvIf_Pure(other.TvIf_Pure());
    TvReverse_Pure(other.TvReverse_Pure());
    TvSubCarrier_Pure(other.TvSubCarrier_Pure());
    SkipM_Pure(other.SkipM_Pure());
    SkipT_Pure(other.SkipT_Pure());
    ModeNo_Pure(other.ModeNo_Pure());
    TsNo_Pure(other.TsNo_Pure());
}

void clsRigQ5_Ch::CopyFull(const clsRigQ5_Ch& other) {
    ChIdent(other.ChIdent());
    CopyData(other);
}

void clsRigQ5_Ch::Heal() {
    if (!AppearCh()) return;
    // TV channels sit on a 25 kHz raster of picture carriers.
    if (ident_ == kIdentTv)
        freqOp_ = Saturate32(FloorDiv(static_cast<std::int64_t>(freqOp_) + 1250, 2500) * 2500);
    // Snap what is listened to; a TV picture carrier moves with its sound.
    FreqOp_Voice(AdjustFreq(FreqOp_Voice(), 0));
    const std::int32_t upper = ident_ == kIdentTv ? kTvFreqMax : kFreqMax;
    if (FreqOp_Pure() > upper) {
        FreqOp_Pure(upper);
    } else if (FreqOp_Pure() < 0) {
        FreqOp_Pure(0);
    }
    freqDup_ = AdjustFreq(LimitLong(freqDup_, 0, kDupMax), 1);
    if (matrix_->IfAmOnlyArea(FreqOp_Voice()) && IsLegalFreqOp()) modeNo_ = 1;
}

void clsRigQ5_Ch::FullCare() {
    if (!IsLegalFreqOp()) AppearCh(false);
}
