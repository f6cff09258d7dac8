// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One channel of the receiver in user terms: a VFO, a memory channel, a
// program scan edge, or a TV, AM TV or FM TV channel. It holds the
// frequency, duplex offset, mode, tuning step, tone, name, skip marks and TV
// options as small numbers, and gives each as display text too.
//
// The record heals itself: every write (except FreqOp_Voice) puts the
// frequencies back on the receiver's tuning grid, clamps them into range and
// forces AM where the receiver version allows nothing else. A frequency
// outside the receiver's coverage cannot be repaired; IsLegalFreqOp reports
// it and FullCare blanks the channel. All version rules come from the one
// version matrix, which the record only reads.

#include <cstdint>
#include <string>
#include <string_view>

#include "image/matrix.h"

class clsRigQ5_Ch {
  public:
    // Identities (ChIdent).
    static constexpr int kIdentVfoFirst = 0;  // 0..10: VFO of band 0..10
    static constexpr int kIdentVfo24G = 10;   // VFO of the 2.4 GHz band
    static constexpr int kIdentMemory = 11;
    static constexpr int kIdentPScanFirst = 12;  // program scan edges 0 and 1
    static constexpr int kIdentPScan = 13;       // program scan edges 2..49
    static constexpr int kIdentTv = 14;
    static constexpr int kIdentAmTv = 15;
    static constexpr int kIdentFmTv = 16;

    // Item numbers of the displayable fields.
    static constexpr int kItemChNo = 0, kItemBand = 1, kItemFreq = 2, kItemDupDir = 3,
                         kItemFreqDup = 4, kItemName = 5, kItemTSql = 6, kItemTone = 7,
                         kItemTvIf = 8, kItemTvReverse = 9, kItemSubCarrier = 10, kItemSkipM = 11,
                         kItemSkipT = 12, kItemMode = 13, kItemTs = 14, kItemLast = 15;

    // Limits in the stored 10 Hz unit.
    static constexpr std::int32_t kFreqMax = 300000000;    // 3000 MHz
    static constexpr std::int32_t kTvFreqMax = 199997500;  // highest TV picture carrier
    static constexpr std::int32_t kDupMax = 15999500;      // 159.995 MHz

    // A new record: every number 0, name empty, not in use. The matrix must
    // outlive the record.
    explicit clsRigQ5_Ch(const clsRigQ5_Matrix& matrix, int ident = 0);

    const clsRigQ5_Matrix& Matrix() const { return *matrix_; }

    int ChIdent() const { return ident_; }
    void ChIdent(int v);

    // In use (not blank); an FM TV channel reads False when the version has no FM TV.
    bool AppearCh() const;
    void AppearCh(bool v);

    // Operating frequency; the picture carrier for TV identities. Read also when blank.
    std::int32_t FreqOp_Pure() const { return freqOp_; }
    void FreqOp_Pure(std::int32_t v);
    // The frequency listened to: the sound carrier for TV identities. The
    // write stores without healing (Heal itself snaps through it).
    std::int32_t FreqOp_Voice() const;
    void FreqOp_Voice(std::int32_t v);
    std::string FreqOp_String() const;

    std::int32_t FreqDup_Pure() const;
    void FreqDup_Pure(std::int32_t v);
    std::string FreqDup_String() const;

    int DupDir_Pure() const;
    void DupDir_Pure(int v);
    std::string DupDir_String() const;

    int ModeNo_Pure() const;
    void ModeNo_Pure(int v);
    std::string ModeNo_String() const;

    int ToneNo_Pure() const;
    void ToneNo_Pure(int v);
    std::string ToneNo_String() const;

    int TsNo_Pure() const;
    void TsNo_Pure(int v);
    std::string TsNo_String() const;

    int TvIf_Pure() const;
    void TvIf_Pure(int v);
    std::string TvIf_String() const;

    int TvReverse_Pure() const;
    void TvReverse_Pure(int v);  // any non-zero value stores 1
    std::string TvReverse_String() const;

    int TvSubCarrier_Pure() const;
    void TvSubCarrier_Pure(int v);
    std::string TvSubCarrier_String() const;

    int TSqlOn_Pure() const;
    void TSqlOn_Pure(int v);  // any non-zero value stores 1
    std::string TSqlOn_String() const;

    int SkipM_Pure() const;
    void SkipM_Pure(int v);
    std::string SkipM_StrList() const;
    std::string SkipM_StrMenu() const;

    int SkipT_Pure() const;
    void SkipT_Pure(int v);
    std::string SkipT_StrList() const;
    std::string SkipT_StrMenu() const;

    // Read: the cleaned name (first 6 characters, characters the receiver
    // cannot show as blanks, no trailing blanks); "" when blank.
    // Write: stores the text as given.
    std::string Name() const;
    void Name(const std::string& v);

    // Display text of item 2..14 (the record's own fields); "" for items 0,
    // 1 and 15 and for any other number (channel number and band texts
    // belong to the channel lists).
    std::string ItemString(int item) const;

    // " 145.000000" style text: megahertz right-aligned in 4, six decimals.
    static std::string Conv_Freq_LongToStr(std::int32_t f);
    // Typed text to a frequency; kind 0 operating frequency, 1 offset.
    std::int32_t Conv_Freq_StrToLong(std::string_view text, int kind) const;
    // Snaps to the receiver's tuning grid; kind 0 operating frequency, 1 offset.
    std::int32_t AdjustFreq(std::int32_t f, int kind) const;
    static int Conv_TsNo_NormTo24G(int n);
    static int Conv_TsNo_24GToNorm(int n);
    // Bit 0: multiple of 5 kHz; bit 1: multiple of 6.25 kHz.
    static int UsableRefFreq(std::int32_t f);
    int Ref_FreqOp() const;
    int Ref_FreqDup() const;

    bool Usable() const;
    bool ItemExistsBase(int item) const;
    bool ItemExistsNow(int item) const;
    bool IsNeverAm() const;
    bool IsMustAm() const;
    bool IsAmOnly() const;
    bool IsNever24G() const;
    bool IsMust24G() const;
    bool Is24G() const;
    bool ClearEnable() const;
    bool IsLegalFreqOp() const;

    // Whether a paste of the other record onto this one is allowed; False for null.
    bool CopyEnabledFrom(const clsRigQ5_Ch* other) const;
    // Copies the other record's read values through the write accessors.
    void CopyData(const clsRigQ5_Ch& other);
    // Copies the identity, then the data.
    void CopyFull(const clsRigQ5_Ch& other);

    void Heal();
    // Blanks the channel when its frequency is outside the coverage.
    void FullCare();

  private:
    bool IsTvIdent() const {
        return ident_ == kIdentTv || ident_ == kIdentAmTv || ident_ == kIdentFmTv;
    }
    bool IsVfoIdent() const { return ident_ >= 0 && ident_ <= 10; }
    std::int32_t SoundOffset() const;
    // Paste class; -1 for an identity that has none.
    int CopyClass() const;

    const clsRigQ5_Matrix* matrix_;
    int ident_ = 0;
    bool appear_ = false;
    std::int32_t freqOp_ = 0;
    int dupDir_ = 0;
    std::int32_t freqDup_ = 0;
    std::string name_;
    int tsqlOn_ = 0;
    int toneNo_ = 0;
    int tvIf_ = 0;
    int tvReverse_ = 0;
    int tvSubCarrier_ = 0;
    int skipM_ = 0;
    int skipT_ = 0;
    int modeNo_ = 0;
    int tsNo_ = 0;
};
