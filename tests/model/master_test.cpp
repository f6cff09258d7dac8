// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/master.h"

#include <gtest/gtest.h>

#include "image/info_checks.h"
#include "read_values.h"
#include "version_document.h"

namespace {

using M = clsRigQ5_Master;

struct Doc : VersionDocument {
    using VersionDocument::VersionDocument;
    clsRigQ5_Ch& Ch(int type, int index) { return *master.ListCh(type, index); }
    void Use(int type, int index, std::int32_t freq) {
        auto& ch = Ch(type, index);
        ch.AppearCh(true);
        ch.FreqOp_Pure(freq);
    }
};

}  // namespace

// ---- Reset to the initial image ----

TEST(Master, ReloadGivesACleanNormalisedCopyOfTheInitialImage) {
    for (int version = 0; version <= 12; ++version) {
        for (int amOk = 0; amOk <= 1; ++amOk) {
            Doc d(version, amOk);
            d.radio.eepImage.WriteByte(0x1F22, 3);
            d.master.init_Reload();
            EXPECT_FALSE(d.radio.EditOn());
            // Outside the channel records nothing changes.
            EXPECT_EQ(d.radio.eepImage.ReadBlock(0x1ED4, 8064 - 0x1ED4),
                      d.radio.eepInitial.ReadBlock(0x1ED4, 8064 - 0x1ED4));
            // Inside them, every record means what the factory record means.
            clsCmcRadio factory;
            factory.eepImage.CopyFrom(d.radio.eepInitial);
            clsRigQ5_Master view(factory);
            view.MatrixObj().MtxVerNo(version);
            view.MatrixObj().MtxAmOk(amOk);
            view.Reset();
            view.ReadFromEep(M::kProgramForm);
            for (int type = M::kListVfo; type <= M::kListFmTv; ++type) {
                for (int i = 0; i < M::NumRecordsOfListType(type); ++i) {
                    ASSERT_EQ(ReadValues(*d.master.ListCh(type, i)),
                              ReadValues(*view.ListCh(type, i)))
                        << "version " << version << " am " << amOk << " list " << type << " #" << i;
                }
            }
            const ByteStr once = d.radio.eepImage.ReadBlock(0, 8064);
            d.master.init_Reload();
            EXPECT_EQ(d.radio.eepImage.ReadBlock(0, 8064), once);
            EXPECT_FALSE(d.radio.EditOn());
        }
    }
}

TEST(Master, BlankVfoAndFirstScanEdgePairReturnToTheFactoryRecords) {
    Doc d(1);
    d.radio.eepImage.FillBlock(0x1C20, 0x00, 0x1C98 - 0x1C20);
    d.radio.eepImage.FillBlock(0x1900, 0x00, 48);
    for (int i = 0; i < 11; ++i) d.Ch(M::kListVfo, i).AppearCh(false);
    for (int i = 0; i < 3; ++i) d.Ch(M::kListPScan, i).AppearCh(false);
    d.master.WriteToEep();
    EXPECT_EQ(d.radio.eepImage.ReadBlock(0x1C20, 110), d.radio.eepInitial.ReadBlock(0x1C20, 110));
    EXPECT_EQ(d.radio.eepImage.ReadBlock(0x1900, 32), d.radio.eepInitial.ReadBlock(0x1900, 32));
    EXPECT_EQ(d.radio.eepImage.ReadBlock(0x1920, 16), ByteStr(16, 0xFF));  // edge 2 can be cleared
    d.master.ReadFromEep(M::kProgramForm);
    EXPECT_TRUE(d.Ch(M::kListVfo, 4).AppearCh());
    EXPECT_TRUE(d.Ch(M::kListPScan, 1).AppearCh());
    EXPECT_FALSE(d.Ch(M::kListPScan, 2).AppearCh());
}

// ---- Preparing the image for a clone write ----

TEST(Master, CloneWriteImageBlanksIllegalChannelsAndSetsTheListHeads) {
    Doc d(8);  // narrow coverage: 108-136, 144-146, 430-440, 1260-1265 MHz
    for (int i = 0; i < M::kNumMemory; ++i) d.Ch(M::kListMemory, i).AppearCh(false);
    for (int i = 0; i < M::kNumTv; ++i) d.Ch(M::kListTv, i).AppearCh(false);
    for (int i = 0; i < M::kNumAmTv; ++i) d.Ch(M::kListAmTv, i).AppearCh(false);
    for (int i = 0; i < M::kNumFmTv; ++i) d.Ch(M::kListFmTv, i).AppearCh(false);
    d.Use(M::kListMemory, 0, 10000000);    // 100 MHz: outside
    d.Use(M::kListMemory, 7, 14500000);    // bank A's first in use
    d.Use(M::kListMemory, 53, 43500000);   // bank B: index 3
    d.Use(M::kListMemory, 399, 14550000);  // bank H: index 49
    d.Use(M::kListVfo, 5, 20000000);       // band 5 at 200 MHz: outside
    d.Use(M::kListPScan, 0, 10000000);     // cannot be cleared
    d.Use(M::kListPScan, 2, 10000000);
    d.Use(M::kListTv, 5, 5525000);
    d.Ch(M::kListTv, 5).TvIf_Pure(0);
    d.Use(M::kListFmTv, 2, 9500000);    // sound 99.5 MHz: outside
    d.Use(M::kListFmTv, 3, 126000000);  // sound 1264.5 MHz
    d.master.CommonObj().ScanResume_Pure(3);
    d.master.CommonObj().Comment("KEEP");
    d.master.WriteToEep();

    // Bytes the program never edits carry stray values.
    auto& img = d.radio.eepImage;
    for (int a : {0x1F21, 0x1F32, 0x1F34}) img.WriteByte(a, 0xA5);
    img.FillBlock(0x1F35, 0xA5, 39);
    img.FillBlock(0x1F5D, 0xA5, 3);
    img.FillBlock(0x1F70, 0xA5, 16);
    img.WriteByte(0x1F5C, 0xFF);

    d.master.FullCareEepToCloneWrite();

    const auto& init = d.radio.eepInitial;
    EXPECT_EQ(img.ReadBlock(0, 16), ByteStr(16, 0xFF));
    EXPECT_EQ(img.ReadBlock(7 * 16, 4), (ByteStr{0x01, 0x45, 0x00, 0x00}));
    EXPECT_EQ(img.ReadBlock(M::EeAdr_Ch(M::kListVfo, 5), 10),
              init.ReadBlock(M::EeAdr_Ch(M::kListVfo, 5), 10));
    EXPECT_EQ(img.ReadBlock(0x1900, 16), init.ReadBlock(0x1900, 16));
    EXPECT_EQ(img.ReadBlock(0x1920, 16), ByteStr(16, 0xFF));
    // TV channels travel as sound carriers: 55.25 + 4.5 MHz.
    EXPECT_EQ(img.ReadBlock(M::EeAdr_Ch(M::kListTv, 5), 4), (ByteStr{0x00, 0x59, 0x75, 0x00}));

    for (int a : {0x1F21, 0x1F32, 0x1F34}) EXPECT_EQ(img.ReadByte(a), init.ReadByte(a)) << a;
    for (int a = 0x1F35; a < 0x1F5C; ++a) {
        // Skipped: the list heads, 0x1F58 and the expanded coverage byte.
        if (a == 0x1F46 || a == 0x1F4A || a == 0x1F4E || a == 0x1F4F ||
            (a >= 0x1F50 && a <= 0x1F58))
            continue;
        EXPECT_EQ(img.ReadByte(a), init.ReadByte(a)) << a;
    }
    EXPECT_EQ(img.ReadBlock(0x1F5D, 3), init.ReadBlock(0x1F5D, 3));
    EXPECT_EQ(img.ReadBlock(0x1F70, 16), init.ReadBlock(0x1F70, 16));
    EXPECT_EQ(img.ReadByte(0x1F5C), init.ReadByte(0x1F5C) | 0x04);  // the display mode bit stays
    EXPECT_EQ(img.ReadByte(0x1F4A), init.ReadByte(0x1F4A) & 0x7F);

    EXPECT_EQ(img.ReadByte(0x1F46), 5);
    EXPECT_EQ(img.ReadByte(0x1F4E), 0);
    EXPECT_EQ(img.ReadByte(0x1F4F), 3);
    const int heads[8] = {7, 3, 0, 0, 0, 0, 0, 49};
    for (int b = 0; b < 8; ++b) EXPECT_EQ(img.ReadByte(0x1F50 + b), heads[b]) << "bank " << b;
    EXPECT_EQ(img.ReadByte(0x1F58), 0);

    // The settings and the comment go out as edited.
    EXPECT_EQ(d.master.CommonObj().ScanResume_Pure(), 3);
    EXPECT_EQ(d.master.CommonObj().Comment(), "KEEP            ");
}

TEST(Master, ExpandedCoverageBitFollowsTheMatrix) {
    Doc d(1);
    d.radio.eepImage.WriteByte(0x1F4A, 0xFF);
    d.radio.eepInitial.WriteByte(0x1F4A, 0xFF);
    d.master.FullCareEepToCloneWrite();
    EXPECT_EQ(d.radio.eepImage.ReadByte(0x1F4A), 0x7F);
    d.master.MatrixObj().MtxExpOn(1);
    d.master.FullCareEepToCloneWrite();
    EXPECT_EQ(d.radio.eepImage.ReadByte(0x1F4A), 0xFF);
}

// ---- Channel lists ----

TEST(Master, TreeKeysAndColumnsFollowFmTv) {
    Doc with(0);
    EXPECT_EQ(with.master.NumTreeKey(), 16);
    EXPECT_EQ(with.master.TreeKeyStr(15), "1,1,TV->FmTV|FM TV");
    EXPECT_EQ(with.master.TreeKeyChListType(15), M::kListFmTv);
    EXPECT_EQ(with.master.TreeKeyStr(16), "");
    EXPECT_EQ(with.master.NumItemNoOfChListType(M::kListVfo), 11);

    Doc without(1, 0, 0);
    EXPECT_EQ(without.master.NumTreeKey(), 15);
    EXPECT_EQ(without.master.TreeKeyStr(15), "");
    const int vfo[] = {1, 2, 3, 4, 6, 7, 13, 14, 15};
    ASSERT_EQ(without.master.NumItemNoOfChListType(M::kListVfo), 9);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(without.master.ItemNoOfChListType(M::kListVfo, c), vfo[c]);
    EXPECT_EQ(without.master.ItemNoOfChListType(M::kListVfo, 9), 16);

    // Every list ends with the filler column.
    for (int t = 0; t < 6; ++t) {
        const int n = with.master.NumItemNoOfChListType(t);
        EXPECT_EQ(with.master.ItemNoOfChListType(t, n - 1), 15) << t;
        EXPECT_EQ(with.master.ItemNoOfChListType(t, n), 16) << t;
    }
    EXPECT_EQ(with.master.NumItemNoOfChListType(M::kListFolder), 0);
    const int counts[] = {11, 50, 50, 83, 10, 50, 0};
    for (int t = 0; t < 7; ++t) EXPECT_EQ(with.master.NumChOfChListType(t), counts[t]);
}

TEST(Master, ChannelNumberTextsAndTitles) {
    const struct {
        int type, number;
        const char* text;
    } cases[] = {{2, 49, "24B"}, {2, 0, "00A"}, {2, 3, "01B"}, {3, 0, "01"},  {3, 82, "83"},
                 {1, 7, "07"},   {0, 10, "10"}, {4, 9, "09"},  {5, 49, "49"}, {6, 0, ""}};
    for (const auto& c : cases) EXPECT_EQ(M::ChNoStr(c.type, c.number), c.text);
    EXPECT_EQ(M::ChItemName(16), "*Error   ");
    EXPECT_EQ(M::ChItemName(-1), "*Error   ");
    EXPECT_EQ(M::ChItemName(2), "Frequency        ");
    EXPECT_EQ(M::ChItemName(15), "");
}

TEST(Master, ChUnitFindsTheRecordOfATreeKeyRow) {
    Doc d(1);
    EXPECT_EQ(d.master.ChUnit(10, 0), d.master.ListCh(M::kListMemory, 350));  // bank H
    EXPECT_EQ(d.master.ChUnit(10, 49), d.master.ListCh(M::kListMemory, 399));
    EXPECT_EQ(d.master.ChUnit(10, 50), nullptr);
    EXPECT_EQ(d.master.ChUnit(1, 10)->ChIdent(), 10);
    EXPECT_EQ(d.master.ChUnit(11, 1)->ChIdent(), clsRigQ5_Ch::kIdentPScanFirst);
    EXPECT_EQ(d.master.ChUnit(11, 2)->ChIdent(), clsRigQ5_Ch::kIdentPScan);
    EXPECT_EQ(d.master.ChUnit(0, 0), nullptr);   // the root folder
    EXPECT_EQ(d.master.ChUnit(27, 0), nullptr);  // an empty entry
    EXPECT_EQ(d.master.ChUnit(-1, 0), nullptr);
    EXPECT_EQ(d.master.ChUnit(3, -1), nullptr);
    // A reset keeps the records: references held by the windows stay valid.
    const clsRigQ5_Ch* before = d.master.ChUnit(13, 4);
    d.master.Reset();
    EXPECT_EQ(d.master.ChUnit(13, 4), before);
}

// ---- Version checks of a clone operation ----

namespace {
ByteStr Answer(int version, int caps, int opts) {
    ByteStr a(26, 0);
    a[0] = 0xEF, a[1] = 0xEE, a[2] = 0xE1, a[3] = 0x23, a[4] = 0x04, a[5] = 0x00, a[6] = 0x01;
    a[23] = static_cast<std::uint8_t>(version);
    a[24] = static_cast<std::uint8_t>(caps);
    a[25] = static_cast<std::uint8_t>(opts);
    return a;
}
}  // namespace

TEST(Master, InitialSetupAdoptsTheReceiversVersion) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    // Bit 3: AM not allowed; bit 5: cellular blocked; bit 6: FM TV. Bit 0 of
    // the options: expanded; bits 1-2: TV sound standard.
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(7, 0x20, 0x05)), kInfoOk);
    const auto& m = master.MatrixObj();
    EXPECT_EQ(m.MtxVerNo(), 7);
    EXPECT_EQ(m.MtxAmOk(), 1);
    EXPECT_EQ(m.MtxCellerNg(), 1);
    EXPECT_EQ(m.MtxFmTvOk(), 0);
    EXPECT_EQ(m.MtxExpOn(), 1);
    EXPECT_EQ(m.MtxTvOwNo(), 2);
    // The initial image was rebuilt for it and the document reloaded.
    EXPECT_EQ(radio.eepInitial.ReadByte(0x1C71), 0x00);
    EXPECT_EQ(radio.eepImage.ReadBlock(0x1F70, 16), StrToByteStr("ArdoCloneFormat3"));
    EXPECT_FALSE(radio.EditOn());
    EXPECT_EQ(master.RigOpFunc_CheckReadedData(), kInfoOk);

    // Version byte 15 is limited to 11; the same receiver later differs.
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(15, 0x48, 0)), kInfoOk);
    EXPECT_EQ(m.MtxVerNo(), 11);
    EXPECT_EQ(m.MtxAmOk(), 0);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(Answer(15, 0x48, 0)), kInfoVersionDiffers);

    // A malformed answer changes nothing.
    EXPECT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(12, 0, 0)), kInfoMalformed);
    EXPECT_EQ(m.MtxVerNo(), 11);
}

TEST(Master, ReadAndWriteNeedTheSameReceiverButFollowItsOptions) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    ASSERT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(3, 0x40, 0)), kInfoOk);
    const struct {
        ByteStr answer;
        int code;
    } cases[] = {
        {Answer(4, 0x40, 0), kInfoVersionDiffers},  // other version
        {Answer(3, 0x48, 0), kInfoVersionDiffers},  // AM not allowed
        {Answer(3, 0x00, 0), kInfoVersionDiffers},  // no FM TV
        {Answer(3, 0x60, 0), kInfoVersionDiffers},  // cellular blocked
        {ByteStr(25, 0), kInfoMalformed},           // general checks first
        {Answer(3, 0x40 | 0x97, 0), kInfoOk},       // bits nobody reads
    };
    for (const auto& c : cases) EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(c.answer), c.code);
    EXPECT_EQ(master.MatrixObj().MtxExpOn(), 0);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToReadOrInfo(Answer(3, 0x40, 0x07)), kInfoOk);
    EXPECT_EQ(master.MatrixObj().MtxExpOn(), 1);
    EXPECT_EQ(master.MatrixObj().MtxTvOwNo(), 3);
    EXPECT_EQ(master.MatrixObj().MtxVerNo(), 3);
}

TEST(Master, WriteCheckPreparesTheImageOnlyOnSuccess) {
    clsCmcRadio radio;
    clsRigQ5_Master master(radio);
    ASSERT_EQ(master.RigOpFunc_CheckInfoToInitInfo(Answer(1, 0x40, 0)), kInfoOk);
    radio.eepImage.WriteByte(0x1F58, 0x33);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToWrite(Answer(2, 0x40, 0)), kInfoVersionDiffers);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F58), 0x33);
    EXPECT_EQ(master.RigOpFunc_CheckInfoToWrite(Answer(1, 0x40, 0)), kInfoOk);
    EXPECT_EQ(radio.eepImage.ReadByte(0x1F58), 0);
}

TEST(Master, ReadImageMustEndWithTheFormatTag) {
    Doc d(1);
    EXPECT_EQ(d.master.RigOpFunc_CheckReadedData(), kInfoOk);
    d.radio.eepImage.WriteByte(0x1F7F, '4');
    EXPECT_EQ(d.master.RigOpFunc_CheckReadedData(), kInfoReadImageBad);
    d.radio.eepImage.WriteByte(0x1F7F, '3');
    d.radio.eepImage.WriteByte(0x1F6F, 'x');  // the comment before it does not count
    EXPECT_EQ(d.master.RigOpFunc_CheckReadedData(), kInfoOk);
}
