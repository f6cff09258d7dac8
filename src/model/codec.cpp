// SPDX-License-Identifier: GPL-3.0-or-later
// The channel codec: where each channel lives in the receiver's memory image
// and how its bytes are laid out. Frequencies are stored as packed decimal
// digits in units of 100 Hz; the records hold 10 Hz units, and on the
// 6.25 kHz grid the reference bit of the record tells the receiver about the
// 50 Hz the digits cannot carry.

#include <cstring>

#include "app/common.h"
#include "model/master.h"

namespace {

using Ch = clsRigQ5_Ch;

constexpr std::int32_t kAdrVfo = 0x1C20, kAdrMemory = 0x0000, kAdrPScan = 0x1900, kAdrTv = 0x1C98,
                       kAdrAmTv = 0x1DE4, kAdrFmTv = 0x1E0C;
constexpr std::uint8_t kBlank = 0xFF;

// The AM broadcast grid: channel n is 495 kHz + n × 9 kHz.
constexpr std::int32_t kAmGridBase = 49500;
constexpr std::int32_t kAmGridStep = 900;
constexpr int kAmGridLast = 125;  // 1620 kHz

// IF shift choice (OFF, -3M, -2M, +2M, +3M) to the code in bits 7..5 of a TV record.
constexpr int kTvIfCode[] = {0, 6, 7, 5, 4};

int Hi(std::uint8_t b) {
    return b >> 4;
}
int Lo(std::uint8_t b) {
    return b & 0x0F;
}

// Digits 5..0 of a frequency from bytes 1..3 (high nibble first) with digits
// 7 and 6 given; the value in 100 Hz units.
std::int32_t Digits(int d7, int d6, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    std::int32_t v = d7;
    for (int d : {d6, Hi(b1), Lo(b1), Hi(b2), Lo(b2), Hi(b3), Lo(b3)}) v = v * 10 + d;
    return v;
}

// The eight decimal digits of a value in 100 Hz units into four bytes, digit
// 7 in the high nibble of the first. The value is held to eight digits.
void PackDigits(std::int32_t v, std::uint8_t* out) {
    v = LimitLong(v, 0, 39999999);
    int d[8];
    for (int& digit : d) {
        digit = static_cast<int>(v % 10);
        v /= 10;
    }
    out[0] = static_cast<std::uint8_t>(d[7] * 16 + d[6]);
    out[1] = static_cast<std::uint8_t>(d[5] * 16 + d[4]);
    out[2] = static_cast<std::uint8_t>(d[3] * 16 + d[2]);
    out[3] = static_cast<std::uint8_t>(d[1] * 16 + d[0]);
}

bool IsTvIdent(int ident) {
    return ident == Ch::kIdentTv || ident == Ch::kIdentAmTv || ident == Ch::kIdentFmTv;
}

bool HasOptionByte(int ident) {
    return ident == 8 || ident == 9 || ident == 10 || ident == Ch::kIdentFmTv;
}

}  // namespace

std::int32_t clsRigQ5_Master::EeAdr_Ch(int type, int index) {
    switch (type) {
        case kListVfo:
            return kAdrVfo + 10 * index;
        case kListMemory:
            return kAdrMemory + 16 * index;
        case kListPScan:
            return kAdrPScan + 16 * index;
        case kListTv:
            return kAdrTv + 4 * index;
        case kListAmTv:
            return kAdrAmTv + 4 * index;
        case kListFmTv:
            return kAdrFmTv + 4 * index;
        default:
            return 0;
    }
}

std::int32_t clsRigQ5_Master::EeAdr_TvFmOpt(int ident, int index) {
    if (ident >= 8 && ident <= 10) return kAdrVfoOpt + (ident - 8);
    return kAdrFmTvOpt + index;
}

// ---- Decoding ----

void clsRigQ5_Master::Get1Ch(clsRigQ5_Ch& ch, int type, int index, int flag) {
    // A list without records has no address; decoding it would read memory
    // channel 0 in its place.
    if (index < 0 || index >= NumRecordsOfListType(type)) return;
    // 16 bytes also for the shorter records; what lies beyond is not used,
    // except the name bytes of a VFO, which are decoded but never shown.
    std::uint8_t b[16];
    const auto& image = radio_.eepImage;
    const std::int32_t adr = EeAdr_Ch(type, index);
    if (adr >= 0 && adr + 16 <= image.eeSize()) {
        std::memcpy(b, image.bytes().data() + adr, sizeof b);
    } else {
        for (int i = 0; i < 16; ++i) b[i] = static_cast<std::uint8_t>(image.ReadByte(adr + i));
    }
    if (IsTvIdent(ch.ChIdent())) {
        GetTvCh(ch, index, b, flag);
    } else {
        GetStdCh(ch, b, index);
    }
}

void clsRigQ5_Master::GetTvCh(clsRigQ5_Ch& ch, int index, const std::uint8_t* b, int flag) {
    const int ident = ch.ChIdent();
    ch.AppearCh(b[0] != kBlank);
    // A TV channel keeps its IF shift in bits 7..5, so only bit 4 is left for digit 7.
    const int d7 = ident == Ch::kIdentTv ? (b[0] >> 4) & 0x01 : (b[0] >> 4) & 0x03;
    std::int32_t f = Digits(d7, Lo(b[0]), b[1], b[2], b[3]) * 10;
    // The receiver listens to the sound carrier; the program shows the picture carrier.
    if (flag == kReceiverForm) f -= clsRigQ5_Matrix::TvSoundOffset(matrix_.MtxTvOwNo());
    ch.FreqOp_Pure(f);
    if (ident == Ch::kIdentTv) {
        int tvIf = 0;
        switch (b[0] >> 5) {
            case 4:
                tvIf = 4;
                break;
            case 5:
                tvIf = 3;
                break;
            case 6:
                tvIf = 1;
                break;
            case 7:
                tvIf = 2;
                break;
            default:
                tvIf = 0;
                break;
        }
        ch.TvIf_Pure(tvIf);
        ch.SkipT_Pure(radio_.eepImage.ReadBit(kAdrTvSkip + index / 8, index % 8));
    }
    if (ident == Ch::kIdentFmTv) {
        const int opt = radio_.eepImage.ReadByte(EeAdr_TvFmOpt(ident, index));
        ch.TvReverse_Pure((opt >> 7) & 1);
        ch.TvSubCarrier_Pure(opt & 0x7F);
    }
}

void clsRigQ5_Master::GetStdCh(clsRigQ5_Ch& ch, const std::uint8_t* b, int index) {
    const int ident = ch.ChIdent();
    const bool appear = b[0] != kBlank;
    ch.AppearCh(appear);
    if (appear && (b[1] == kBlank || b[2] == kBlank || b[3] == kBlank)) {
        // AM broadcast form: byte 0 is the channel number on the 9 kHz grid.
        const int n = LimitInt(b[0], 0, kAmGridLast);
        ch.FreqOp_Pure(kAmGridBase + kAmGridStep * n);
        ch.DupDir_Pure(0);
        ch.FreqDup_Pure(0);
        ch.ModeNo_Pure(1);
        ch.TSqlOn_Pure(0);
        ch.ToneNo_Pure(8);
        ch.TsNo_Pure(0);
    } else {
        ch.FreqOp_Pure(Digits((b[0] >> 4) & 0x03, Lo(b[0]), b[1], b[2], b[3]) * 10);
        ch.DupDir_Pure((b[4] & 0x20) == 0 ? 0 : ((b[4] & 0x10) != 0 ? 2 : 1));
        ch.FreqDup_Pure(Digits(0, Lo(b[4]), b[5], b[6], b[7]) * 10);
        int mode = 0;
        if ((b[9] & 0x20) != 0) {
            mode = 3;  // "Auto" overrides the mode code
        } else if ((b[8] >> 6) == 1) {
            mode = 2;
        } else if ((b[8] >> 6) == 2) {
            mode = 1;
        }
        ch.ModeNo_Pure(mode);
        ch.TSqlOn_Pure((b[9] >> 4) & 1);
        ch.ToneNo_Pure(b[8] & 0x3F);
        ch.TsNo_Pure(b[9] & 0x0F);
        if (HasOptionByte(ident)) {
            const int opt = radio_.eepImage.ReadByte(EeAdr_TvFmOpt(ident, index));
            ch.TvReverse_Pure((opt >> 7) & 1);
            ch.TvSubCarrier_Pure(opt & 0x7F);
        }
    }
    ch.SkipM_Pure((b[9] & 0x80) != 0 ? 1 : ((b[9] & 0x40) != 0 ? 2 : 0));
    std::string name(6, ' ');
    for (int i = 0; i < 6; ++i) {
        const std::uint8_t c = b[10 + i];
        if (c >= 0x20 && c <= 0x7E) name[static_cast<std::size_t>(i)] = static_cast<char>(c);
    }
    ch.Name(name);
}

// ---- Encoding ----

void clsRigQ5_Master::Set1Ch(const clsRigQ5_Ch& ch, int type, int index, int flag) {
    // Nothing to write for a list without records (a folder node): the
    // address 0 it would get belongs to memory channel 0.
    if (index < 0 || index >= NumRecordsOfListType(type)) return;
    const std::int32_t adr = EeAdr_Ch(type, index);
    if (IsTvIdent(ch.ChIdent())) {
        SetTvCh(ch, index, adr, flag);
    } else {
        SetStdCh(ch, index, adr);
    }
}

void clsRigQ5_Master::WriteOptionByte(int ident, int index, int reverse, int subCarrier) {
    // Bit 7 is written on its own and kept when the sub carrier goes in.
    auto& image = radio_.eepImage;
    const std::int32_t opt = EeAdr_TvFmOpt(ident, index);
    image.WriteBit(opt, 7, reverse);
    image.WriteByte(opt, (image.ReadByte(opt) & 0x80) | (subCarrier & 0x7F));
}

void clsRigQ5_Master::SetTvCh(const clsRigQ5_Ch& ch, int index, std::int32_t adr, int flag) {
    auto& image = radio_.eepImage;
    const int ident = ch.ChIdent();
    std::uint8_t b[4] = {kBlank, kBlank, kBlank, kBlank};
    if (ch.AppearCh()) {
        std::int32_t f = ch.FreqOp_Pure();
        if (flag == kReceiverForm) f += clsRigQ5_Matrix::TvSoundOffset(matrix_.MtxTvOwNo());
        PackDigits(f / 10, b);
        if (ident == Ch::kIdentTv) {
            b[0] = static_cast<std::uint8_t>(kTvIfCode[LimitInt(ch.TvIf_Pure(), 0, 4)] * 32 |
                                             (b[0] & 0x1F));
            image.WriteBit(kAdrTvSkip + index / 8, index % 8, ch.SkipT_Pure());
        } else {
            b[0] = static_cast<std::uint8_t>(ch.Ref_FreqOp() * 64 | (b[0] & 0x3F));
        }
        if (ident == Ch::kIdentFmTv) {
            WriteOptionByte(ident, index, ch.TvReverse_Pure(), ch.TvSubCarrier_Pure());
        }
    }
    for (int i = 0; i < 4; ++i) image.WriteByte(adr + i, b[i]);
}

void clsRigQ5_Master::SetStdCh(const clsRigQ5_Ch& ch, int index, std::int32_t adr) {
    auto& image = radio_.eepImage;
    const int ident = ch.ChIdent();
    const int length = ident <= 10 ? 10 : 16;
    std::uint8_t b[16] = {};

    if (!ch.AppearCh()) {
        if (ch.ClearEnable()) {
            std::memset(b, kBlank, sizeof b);
        } else {
            // A VFO or the first program scan edge pair cannot be blank in
            // the receiver: it goes back to its factory content.
            for (int i = 0; i < length; ++i)
                b[i] = static_cast<std::uint8_t>(radio_.eepInitial.ReadByte(adr + i));
        }
        for (int i = 0; i < length; ++i) image.WriteByte(adr + i, b[i]);
        return;
    }

    const std::int32_t f = ch.FreqOp_Pure();
    if (matrix_.IfAmOnlyArea(f) && ch.IsLegalFreqOp()) {
        b[0] = static_cast<std::uint8_t>(LimitInt((f - kAmGridBase) / kAmGridStep, 0, kAmGridLast));
        b[1] = b[2] = b[3] = kBlank;
        b[8] = 0x80;
    } else {
        PackDigits(f / 10, b);
        b[0] = static_cast<std::uint8_t>(ch.Ref_FreqOp() * 64 | (b[0] & 0x3F));
        if (ch.DupDir_Pure() == 1) b[4] |= 0x20;
        if (ch.DupDir_Pure() == 2) b[4] |= 0x30;
        std::uint8_t dup[4];
        PackDigits(ch.FreqDup_Pure() / 10, dup);  // digit 7 is always 0 for an offset
        b[5] = dup[1];
        b[6] = dup[2];
        b[7] = dup[3];
        b[4] = static_cast<std::uint8_t>(b[4] | (dup[0] & 0x0F));
        b[4] = static_cast<std::uint8_t>(ch.Ref_FreqDup() * 64 | (b[4] & 0x3F));
        const int mode = ch.ModeNo_Pure();
        const int code = mode == 1 ? 2 : (mode == 2 ? 1 : 0);
        b[8] = static_cast<std::uint8_t>(b[8] | code * 64);
        if (mode == 3) b[9] |= 0x20;
        b[9] = static_cast<std::uint8_t>(b[9] | ch.TSqlOn_Pure() * 16);
        b[8] = static_cast<std::uint8_t>(b[8] | (ch.ToneNo_Pure() & 0x3F));
        b[9] = static_cast<std::uint8_t>(b[9] | (ch.TsNo_Pure() & 0x0F));
        if (HasOptionByte(ident)) {
            WriteOptionByte(ident, index, ch.TvReverse_Pure(), ch.TvSubCarrier_Pure());
        }
    }
    if (ch.SkipM_Pure() == 1) b[9] |= 0x80;
    if (ch.SkipM_Pure() == 2) b[9] |= 0x40;
    const std::string name = ch.Name();
    for (std::size_t i = 0; i < 6; ++i) {
        const int c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0x20;
        b[10 + i] = static_cast<std::uint8_t>(c < 0x20 || c >= 0x7F ? 0x20 : c);
    }
    for (int i = 0; i < length; ++i) image.WriteByte(adr + i, b[i]);
}

// ---- Whole image ----

void clsRigQ5_Master::ReadFromEep(int flag) {
    for (int type = kListVfo; type <= kListFmTv; ++type) {
        auto& store = *Store(type);
        for (std::size_t i = 0; i < store.size(); ++i)
            Get1Ch(store[i], type, static_cast<int>(i), flag);
    }
}

void clsRigQ5_Master::WriteToEep() {
    for (int type = kListVfo; type <= kListFmTv; ++type) {
        const auto& store = *Store(type);
        for (std::size_t i = 0; i < store.size(); ++i)
            Set1Ch(store[i], type, static_cast<int>(i), kProgramForm);
    }
}

void clsRigQ5_Master::FullCareEepToCloneWrite() {
    // Channels outside the coverage become blank (or factory content where
    // they cannot be blank); TV channels go out as sound carriers.
    for (int type = kListVfo; type <= kListFmTv; ++type) {
        auto& store = *Store(type);
        for (std::size_t i = 0; i < store.size(); ++i) {
            auto& ch = store[i];
            Get1Ch(ch, type, static_cast<int>(i), kProgramForm);
            ch.FullCare();
            Set1Ch(ch, type, static_cast<int>(i), kReceiverForm);
        }
    }

    // Bytes the program never edits go back to the factory content, so an
    // image from elsewhere cannot carry a stray value into the receiver.
    radio_.Eep_InitByte(0x1F21);
    radio_.Eep_InitByte(0x1F32);
    radio_.Eep_InitByte(0x1F34);
    radio_.Eep_InitBlock(0x1F35, 39);
    radio_.Eep_InitBlock(0x1F5D, 3);
    radio_.Eep_InitBlock(kAdrFormatTag, kFormatTagLength);
    // Bit 2 of 0x1F5C is the display mode setting and stays as edited.
    for (int bit : {7, 6, 5, 4, 3, 1, 0}) radio_.Eep_InitBit(0x1F5C, bit);

    // The receiver starts each list at its first channel in use.
    auto firstInUse = [](const std::vector<clsRigQ5_Ch>& store, std::size_t from,
                         std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (store[from + i].AppearCh()) return static_cast<int>(i);
        }
        return 0;
    };
    auto& image = radio_.eepImage;
    image.WriteByte(kAdrTvFirst, firstInUse(tv_, 0, tv_.size()));
    image.WriteByte(kAdrAmTvFirst, firstInUse(amTv_, 0, amTv_.size()));
    image.WriteByte(kAdrFmTvFirst, firstInUse(fmTv_, 0, fmTv_.size()));
    for (int bank = 0; bank < kNumBanks; ++bank) {
        image.WriteByte(
            kAdrBankFirst + bank,
            firstInUse(memory_, static_cast<std::size_t>(bank * kChPerBank), kChPerBank));
    }
    image.WriteByte(kAdrZero, 0);
    image.WriteBit(kAdrExpOn, 7, matrix_.MtxExpOn());
}
