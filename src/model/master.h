// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory map of the receiver. It owns every channel record (11 VFO, 400
// memory channels, 50 program scan edges, 83 TV, 10 AM TV and 50 FM TV
// channels) for the life of the program, the version matrix and the common
// settings, and knows where each channel lives in the memory image and how
// its bytes are laid out: it decodes the working image into the records,
// encodes them back, and prepares the image for sending to the receiver.
// It also holds the channel lists the main window shows (tree keys, columns,
// titles, channel numbers) and the version checks of a clone operation.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/matrix.h"
#include "image/radio.h"
#include "model/channel.h"
#include "model/clone_checks.h"
#include "model/common_settings.h"

class clsRigQ5_Master : public CloneChecks {
  public:
    // Channel list types.
    static constexpr int kListVfo = 0, kListMemory = 1, kListPScan = 2, kListTv = 3, kListAmTv = 4,
                         kListFmTv = 5, kListFolder = 6;
    static constexpr int kNumListTypes = 7;
    static constexpr int kMaxTreeKeys = 28;
    static constexpr int kItemsPerList = 16;
    static constexpr int kNoItem = 16;  // an unused column position
    static constexpr int kNumBanks = 8;
    static constexpr int kChPerBank = 50;

    // Record counts of the six channel stores (list types 0..5).
    static constexpr int kNumVfo = 11, kNumMemory = 400, kNumPScan = 50, kNumTv = 83, kNumAmTv = 10,
                         kNumFmTv = 50;

    // The flag of Get1Ch/Set1Ch: receiver form holds TV sound carriers.
    static constexpr int kProgramForm = 0;
    static constexpr int kReceiverForm = 1;

    // Addresses of channel data outside the records.
    static constexpr std::int32_t kAdrTvSkip = 0x1F10;
    static constexpr std::int32_t kAdrFmTvOpt = 0x1ED4;
    static constexpr std::int32_t kAdrVfoOpt = 0x1F06;  // VFO of band 8; 9 and 10 follow
    static constexpr std::int32_t kAdrTvFirst = 0x1F46;
    static constexpr std::int32_t kAdrAmTvFirst = 0x1F4E;
    static constexpr std::int32_t kAdrFmTvFirst = 0x1F4F;
    static constexpr std::int32_t kAdrBankFirst = 0x1F50;
    static constexpr std::int32_t kAdrZero = 0x1F58;
    static constexpr std::int32_t kAdrExpOn = 0x1F4A;  // bit 7
    static constexpr std::int32_t kAdrFormatTag = 0x1F70;
    static constexpr std::int32_t kFormatTagLength = 16;

    // The radio document must outlive the memory map. Builds the channel
    // lists and creates the records (Reset).
    explicit clsRigQ5_Master(clsCmcRadio& radio);
    clsRigQ5_Master(const clsRigQ5_Master&) = delete;
    clsRigQ5_Master& operator=(const clsRigQ5_Master&) = delete;

    clsRigQ5_Matrix& MatrixObj() { return matrix_; }
    const clsRigQ5_Matrix& MatrixObj() const { return matrix_; }
    clsRigQ5_Common& CommonObj() { return common_; }
    const clsRigQ5_Common& CommonObj() const { return common_; }
    clsCmcRadio& Radio() { return radio_; }
    const clsCmcRadio& Radio() const { return radio_; }

    // ---- Channel lists and tree keys ----

    // Rebuilds the tree keys and columns for the version in force (the FM TV
    // node and the VFO's TV columns exist only with FM TV) and gives every
    // record its identity. The records themselves are kept, so references
    // handed out earlier stay valid.
    void Reset();

    // Out-of-range arguments give "", the folder type 6, 0 and item 16.
    const std::string& TreeKeyStr(int key) const;
    int TreeKeyChListType(int key) const;
    int TreeKeyTopChNo(int key) const;
    int NumTreeKey() const { return numTreeKey_; }
    int ItemNoOfChListType(int type, int position) const;
    int NumItemNoOfChListType(int type) const;
    static std::string ChItemName(int item);
    int NumChOfChListType(int type) const;
    static std::string ChNoStr(int type, int number);

    // ---- Records and codec ----

    // The record shown in row chNo of a tree key; nullptr for a folder, a key
    // outside the table or a row beyond the list.
    clsRigQ5_Ch* ChUnit(int key, int chNo);
    const clsRigQ5_Ch* ChUnit(int key, int chNo) const;
    // The record at an index of a list type 0..5; nullptr outside.
    clsRigQ5_Ch* ListCh(int type, int index);
    const clsRigQ5_Ch* ListCh(int type, int index) const;
    // Number of records of a list type (0 for a type without records).
    static int NumRecordsOfListType(int type);

    // Image address of record index of a list type; 0 when there is none.
    static std::int32_t EeAdr_Ch(int type, int index);
    // Option byte (TV reverse and sub carrier) of the VFO of band 8..10 or of an FM TV channel.
    static std::int32_t EeAdr_TvFmOpt(int ident, int index);

    // Decode / encode one record from / into the working image.
    void Get1Ch(clsRigQ5_Ch& ch, int type, int index, int flag);
    void Set1Ch(const clsRigQ5_Ch& ch, int type, int index, int flag);
    // Every record, in the order VFO, memory, program scan edges, TV, AM TV, FM TV.
    void ReadFromEep(int flag);
    void WriteToEep();
    // Brings the working image into the form the receiver accepts.
    void FullCareEepToCloneWrite();

    // Builds the initial image of the version in force, then init_Reload.
    void Init_MakeInitial();
    // Working image = initial image, normalised through the records; clean document.
    void init_Reload();

    // Fills the 83 TV channels from a national plan 0..9 (any other index
    // blanks them) and writes them into the working image.
    void PresetTv(int index);

    // ---- Version checks of a clone operation ----
    int RigOpFunc_CheckInfoToInitInfo(const ByteStr& answer) override;
    int RigOpFunc_CheckInfoBothReadWrite(const ByteStr& answer);
    int RigOpFunc_CheckInfoToReadOrInfo(const ByteStr& answer) override;
    int RigOpFunc_CheckInfoToWrite(const ByteStr& answer) override;
    int RigOpFunc_CheckReadedData() override;

  private:
    struct TreeKey {
        std::string str;
        int listType = kListFolder;
        int topChNo = 0;
    };

    std::vector<clsRigQ5_Ch>* Store(int type);
    const std::vector<clsRigQ5_Ch>* Store(int type) const;
    void GetTvCh(clsRigQ5_Ch& ch, int index, const std::uint8_t* b, int flag);
    void GetStdCh(clsRigQ5_Ch& ch, const std::uint8_t* b, int index);
    void SetTvCh(const clsRigQ5_Ch& ch, int index, std::int32_t adr, int flag);
    void SetStdCh(const clsRigQ5_Ch& ch, int index, std::int32_t adr);
    void WriteOptionByte(int ident, int index, int reverse, int subCarrier);

    clsCmcRadio& radio_;
    clsRigQ5_Matrix matrix_;
    clsRigQ5_Common common_;

    std::array<TreeKey, kMaxTreeKeys> treeKeys_;
    int numTreeKey_ = 0;
    std::array<int, kNumListTypes * kItemsPerList> items_{};
    std::array<int, kNumListTypes> numItems_{};
    std::array<int, kNumListTypes> numCh_{};

    // One store per list type 0..5, sized once; never reallocated.
    std::vector<clsRigQ5_Ch> vfo_, memory_, pscan_, tv_, amTv_, fmTv_;
};
