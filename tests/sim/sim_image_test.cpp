// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string TempPath(const char* name) {
    return ::testing::TempDir() + "sim_image_test_" + name;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(SimImage, StartImageIsTheFactoryImageOfTheReceiversSetup) {
    struct Case {
        int version;
        bool amOk, cellerNg;
        ByteStr first, vfo0, vfo8;  // 4 bytes at 0x0000, 0x1C20 and 0x1C70
    };
    const std::vector<Case> cases = {
        {0,
         false,
         false,
         {0x01, 0x45, 0x00, 0x00},
         {0x00, 0x01, 0x62, 0x00},
         {0x08, 0x50, 0x00, 0x00}},
        {0,
         true,
         false,
         {0x01, 0x45, 0x00, 0x00},
         {0x7D, 0xFF, 0xFF, 0xFF},
         {0x08, 0x50, 0x00, 0x00}},
        {5,
         false,
         true,
         {0x01, 0x46, 0x01, 0x00},
         {0x00, 0x01, 0x62, 0x00},
         {0x08, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        ReceiverSetup setup;
        setup.version = c.version, setup.amOk = c.amOk, setup.cellerNg = c.cellerNg;
        clsCmcEeprom image;
        MakeStartImage(setup, image);
        EXPECT_EQ(image.ReadBlock(0x0000, 4), c.first) << c.version;
        EXPECT_EQ(image.ReadBlock(0x1C20, 4), c.vfo0) << c.version;
        EXPECT_EQ(image.ReadBlock(0x1C70, 4), c.vfo8) << c.version;
        EXPECT_EQ(ByteStrToStr(image.ReadBlock(0x1F60, 16)), std::string(16, ' '));
        EXPECT_EQ(ByteStrToStr(image.ReadBlock(0x1F70, 16)), "ArdoCloneFormat3");
    }
}

TEST(SimImage, WrittenImageSavesAndLoadsBackThroughTheDataFile) {
    clsCmcEeprom image;
    for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 13) & 0xFF);
    image.WriteBlock(0x1F60, StrToByteStr("field day\x01      "));
    image.WriteBlock(kFormatTagAdr, StrToByteStr(kFormatTag));
    const std::string path = TempPath("round.acf");
    ASSERT_TRUE(SaveImageFile(path, image));
    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind("23040001\r\n#field day", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 506);
    clsCmcEeprom loaded;
    std::string error;
    ASSERT_TRUE(LoadImageFile(path, loaded, error)) << error;
    EXPECT_TRUE(loaded.IsSameAs(image));

    // A file that is not a whole image of this receiver is refused, and the
    // image stays as it was.
    const auto firstRecord = text.find("\r\n0000");
    const std::vector<std::pair<const char*, std::string>> bad = {
        {"byte missing", text.substr(0, firstRecord) + text.substr(text.find("\r\n0010"))},
        {"other format tag",
         text.substr(0, text.find("1F7010")) + "1F7010" + std::string(32, '0') + "\r\n"},
        {"empty", ""},
    };
    for (const auto& [name, content] : bad) {
        WriteText(path, content);
        loaded.FillBlock(0, 0x77, loaded.eeSize());
        EXPECT_FALSE(LoadImageFile(path, loaded, error)) << name;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(loaded.ReadByte(0), 0x77) << name;
    }
    std::remove(path.c_str());
}
