// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "../../tools/initial_image_desc.h"
#include "image/initial_images_data.h"
#include "image/matrix.h"
#include "image/rigq5_table.h"

namespace desc = initial_image_desc;

TEST(InitialImages, EveryTextUnpacksToExactlyItsDescribedImage) {
    for (int index = 0; index < 24; ++index) {
        const std::string_view text = kInitialImageTexts[static_cast<std::size_t>(index)];
        const clsCmcEeprom expected = desc::DescribedImage(index / 2, index % 2);
        // Unpacked over a larger image marked everywhere: the text must
        // reach every one of the 8064 bytes and write nothing beyond them.
        for (int mark : {0xA5, 0x5A}) {
            clsCmcEeprom large;
            large.eeSize(9000);
            large.FillBlock(0, mark, 9000);
            large.LetByPressed(text);
            EXPECT_EQ(large.ReadBlock(0, 8064), expected.bytes()) << "index " << index;
            EXPECT_EQ(large.ReadBlock(8064, 936), ByteStr(936, mark)) << "index " << index;
        }
        EXPECT_EQ(ByteStrToStr(expected.ReadBlock(0x1F60, 32)),
                  std::string(16, ' ') + "ArdoCloneFormat3");
    }
}

TEST(InitialImages, SelectionByVersionAndTheCellularPatch) {
    // Unknown version 12 and above: version 5's image.
    const int cases[][4] = {{0, 0, 0, 0},  {11, 1, 11, 1}, {12, 1, 5, 1}, {20, 0, 5, 0},
                            {-3, 0, 0, 0}, {4, -1, 4, 0},  {4, 5, 4, 1}};
    for (const auto& c : cases) {
        int version = c[0], amFlag = c[1];
        const std::string_view text = InitialImageText(version, amFlag);
        EXPECT_EQ(std::pair(version, amFlag), std::pair(c[2], c[3])) << c[0] << " " << c[1];
        EXPECT_EQ(text, kInitialImageTexts[static_cast<std::size_t>(2 * c[2] + c[3])]);
    }
    // A blocked cellular range moves the band-8 VFO from 850 to 800 MHz; an
    // image of another size is given the receiver's size.
    for (int celler = 0; celler <= 1; ++celler) {
        clsRigQ5_Matrix matrix;
        matrix.MtxAmOk(1);
        matrix.MtxCellerNg(celler);
        clsCmcEeprom image, expected = desc::DescribedImage(5, 1);
        image.eeSize(100);
        MakeInitialImage(image, matrix);
        EXPECT_EQ(image.ReadByte(0x1C71), celler ? 0x00 : 0x50);
        expected.WriteByte(0x1C71, image.ReadByte(0x1C71));
        EXPECT_TRUE(image.IsSameAs(expected)) << celler;
    }
}
