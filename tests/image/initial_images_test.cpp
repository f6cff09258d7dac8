// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "../../tools/initial_image_desc.h"
#include "image/initial_images_data.h"
#include "image/matrix.h"
#include "image/rigq5_table.h"

namespace desc = initial_image_desc;

namespace {

constexpr std::string_view kFormatTagHex = "4172646F436C6F6E65466F726D617433";

clsCmcEeprom Unpacked(std::string_view text) {
    clsCmcEeprom image;
    image.LetByPressed(text);
    return image;
}

int CountDifferences(const clsCmcEeprom& a, const clsCmcEeprom& b, std::int32_t from,
                     std::int32_t to) {
    int n = 0;
    for (std::int32_t adr = from; adr < to; ++adr) n += a.ReadByte(adr) != b.ReadByte(adr);
    return n;
}

}  // namespace

TEST(InitialImages, EveryTextUnpacksToExactlyItsDescribedImage) {
    for (int index = 0; index < 24; ++index) {
        const std::string_view text = kInitialImageTexts[static_cast<std::size_t>(index)];
        const clsCmcEeprom expected = desc::DescribedImage(index / 2, index % 2);

        // Unpacked over a larger image marked everywhere: the text must
        // reach every one of the 8064 bytes and write nothing beyond them.
        clsCmcEeprom large;
        large.eeSize(9000);
        large.FillBlock(0, 0xA5, 9000);
        large.LetByPressed(text);
        EXPECT_EQ(large.ReadBlock(0, 8064), expected.bytes()) << "index " << index;
        EXPECT_EQ(large.ReadBlock(8064, 936), ByteStr(936, 0xA5)) << "index " << index;
        large.FillBlock(0, 0x5A, 9000);
        large.LetByPressed(text);
        EXPECT_EQ(large.ReadBlock(0, 8064), expected.bytes()) << "index " << index;

        ASSERT_GE(text.size(), kFormatTagHex.size());
        EXPECT_EQ(text.substr(text.size() - kFormatTagHex.size()), kFormatTagHex)
            << "index " << index;
        EXPECT_EQ(ByteStrToStr(expected.ReadBlock(0x1F70, 16)), "ArdoCloneFormat3");
        EXPECT_EQ(expected.ReadBlock(0x1F60, 16), ByteStr(16, 0x20));
    }
}

TEST(InitialImages, ReferenceTextOfVersionZeroGivesTheSameImage) {
    const clsCmcEeprom reference = Unpacked(desc::kBaseText);
    EXPECT_TRUE(Unpacked(kInitialImageTexts[0]).IsSameAs(reference));
    EXPECT_EQ(reference.ReadBlock(0, 16), (ByteStr{0x01, 0x45, 0, 0, 0, 0, 0, 0, 0x08, 0x2A, 0xFF,
                                                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    // The version-0 rows of the description are what the reference holds.
    for (const auto& record : desc::kVariedRecords) {
        for (const auto& form : record.forms) {
            if (!desc::Lists(form.versions, 0)) continue;
            for (int copy = 0; copy < record.copies; ++copy) {
                EXPECT_EQ(reference.ReadBlock(record.address + copy * record.stride, 10),
                          HexStrToByteStr(form.bytes))
                    << record.what;
            }
        }
    }
}

TEST(InitialImages, DescriptionGivesEveryVersionExactlyOneFormOfEachRecord) {
    for (const auto& record : desc::kVariedRecords) {
        for (int version = 0; version < 12; ++version) {
            int forms = 0;
            for (const auto& form : record.forms) forms += desc::Lists(form.versions, version);
            EXPECT_EQ(forms, 1) << record.what << " version " << version;
        }
        for (const auto& form : record.forms)
            EXPECT_EQ(HexStrToByteStr(form.bytes).size(), 10u) << record.what;
    }
}

TEST(InitialImages, ImagesDifferOnlyInTheirChannelRecords) {
    const clsCmcEeprom base = desc::DescribedImage(0, 0);
    const auto blank = ByteStr(16, 0xFF);
    for (int index = 0; index < 24; ++index) {
        const clsCmcEeprom image = Unpacked(kInitialImageTexts[static_cast<std::size_t>(index)]);
        // TV lists, option bytes, settings, comment and tag are common to all.
        EXPECT_EQ(image.ReadBlock(0x1C8E, 0x1F80 - 0x1C8E), base.ReadBlock(0x1C8E, 0x1F80 - 0x1C8E))
            << index;
        for (int bank = 1; bank < 8; ++bank) {
            EXPECT_EQ(image.ReadBlock(800 * bank, 800), image.ReadBlock(0, 800))
                << index << " bank " << bank;
        }
        for (int ch = 2; ch < 50; ++ch)
            EXPECT_EQ(image.ReadBlock(16 * ch, 16), blank) << index << " ch " << ch;
        for (int edge = 6; edge < 50; ++edge)
            EXPECT_EQ(image.ReadBlock(0x1900 + 16 * edge, 16), blank) << index;
        for (std::int32_t adr : {0x0000, 0x0010, 0x1900, 0x1910, 0x1920, 0x1930, 0x1940, 0x1950}) {
            EXPECT_EQ(image.ReadBlock(adr + 10, 6), ByteStr(6, 0xFF)) << index << " at " << adr;
        }
        // Different versions differ in at most 92 bytes, all below the TV lists.
        EXPECT_LE(CountDifferences(image, base, 0, 0x1C8E), 92) << index;
    }
}

TEST(InitialImages, AmGridChangesOnlyTheFirstScanEdgeAndTheBandZeroVfo) {
    for (int version = 0; version < 12; ++version) {
        const clsCmcEeprom off =
            Unpacked(kInitialImageTexts[static_cast<std::size_t>(2 * version)]);
        const clsCmcEeprom on =
            Unpacked(kInitialImageTexts[static_cast<std::size_t>(2 * version + 1)]);
        EXPECT_EQ(on.ReadBlock(0x1C20, 10),
                  (ByteStr{0x7D, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x88, 0x0F}));
        const bool keepsScanEdge = version == 6 || version == 8 || version == 9;
        if (keepsScanEdge) {
            EXPECT_EQ(on.ReadBlock(0x1900, 10), off.ReadBlock(0x1900, 10)) << version;
        } else {
            EXPECT_EQ(on.ReadBlock(0x1900, 10),
                      (ByteStr{0x00, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x88, 0x0F}))
                << version;
        }
        // Bytes 0x1901-0x1903, 0x1909, 0x1C20-0x1C23 and 0x1C29 at most.
        int differing = 0;
        for (std::int32_t adr = 0; adr < 8064; ++adr) {
            if (on.ReadByte(adr) == off.ReadByte(adr)) continue;
            ++differing;
            const bool listed = (adr >= 0x1901 && adr <= 0x1903) || adr == 0x1909 ||
                                (adr >= 0x1C20 && adr <= 0x1C23) || adr == 0x1C29;
            EXPECT_TRUE(listed) << "version " << version << " at " << adr;
        }
        EXPECT_EQ(differing, keepsScanEdge ? 5 : 9) << version;
    }
}

TEST(InitialImages, TextSelectionNormalisesItsArguments) {
    const struct {
        int version, amFlag;
        int wantVersion, wantAm;
    } cases[] = {{0, 0, 0, 0},  {11, 1, 11, 1}, {12, 0, 5, 0}, {12, 1, 5, 1}, {20, 0, 5, 0},
                 {-3, 0, 0, 0}, {4, -1, 4, 0},  {4, 5, 4, 1},  {7, 1, 7, 1}};
    for (const auto& c : cases) {
        int version = c.version;
        int amFlag = c.amFlag;
        const std::string_view text = InitialImageText(version, amFlag);
        EXPECT_EQ(version, c.wantVersion) << c.version;
        EXPECT_EQ(amFlag, c.wantAm) << c.amFlag;
        EXPECT_EQ(text, kInitialImageTexts[static_cast<std::size_t>(2 * c.wantVersion + c.wantAm)]);
    }
}

TEST(InitialImages, BlockedCellularRangeMovesTheBandEightVfoTo800MHz) {
    for (int version = 0; version <= 12; ++version) {
        for (int celler = 0; celler <= 1; ++celler) {
            clsRigQ5_Matrix matrix;
            matrix.MtxVerNo(version);
            matrix.MtxAmOk(1);
            matrix.MtxCellerNg(celler);
            clsCmcEeprom image;
            image.FillBlock(0, 0x77, 8064);
            MakeInitialImage(image, matrix);
            const int described = version == 12 ? 5 : version;
            clsCmcEeprom expected = desc::DescribedImage(described, 1);
            EXPECT_EQ(image.ReadByte(0x1C71), celler ? 0x00 : 0x50) << version;
            expected.WriteByte(0x1C71, image.ReadByte(0x1C71));
            EXPECT_TRUE(image.IsSameAs(expected)) << version << " " << celler;
        }
    }
    // An image of another size is given the receiver's size.
    clsRigQ5_Matrix matrix;
    clsCmcEeprom odd;
    odd.eeSize(100);
    MakeInitialImage(odd, matrix);
    EXPECT_EQ(odd.eeSize(), 8064);
    EXPECT_TRUE(odd.IsSameAs(desc::DescribedImage(5, 0)));
}
