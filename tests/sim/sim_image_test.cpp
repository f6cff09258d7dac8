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

TEST(SimImage, SaveThenLoadRoundTrips) {
    clsCmcEeprom image;
    for (std::int32_t a = 0; a < image.eeSize(); ++a) image.WriteByte(a, (a * 13) & 0xFF);
    image.WriteBlock(0x1F60, StrToByteStr("field day\x01      "));
    const std::string path = TempPath("round.acf");
    ASSERT_TRUE(SaveImageFile(path, image));
    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind("23040001\r\n#field day       \r\n000010000D1A", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 506);
    clsCmcEeprom loaded;
    std::string error;
    ASSERT_TRUE(LoadImageFile(path, loaded, error)) << error;
    EXPECT_TRUE(loaded.IsSameAs(image));
    std::remove(path.c_str());
}

TEST(SimImage, LoadRefusesFilesThatDoNotGiveAWholeImage) {
    clsCmcEeprom image;
    MakeStartImage({}, image);
    const std::string good = TempPath("good.acf");
    ASSERT_TRUE(SaveImageFile(good, image));
    const std::string text = ReadText(good);
    const auto firstRecord = text.find("\r\n0000");
    struct Case {
        const char* name;
        std::string content;
        bool ok;
    };
    std::string lower = text;
    for (std::size_t i = text.find("1F70"); i < lower.size(); ++i)
        lower[i] = static_cast<char>(std::tolower(lower[i]));
    const std::vector<Case> cases = {
        {"whole", text, true},
        {"lower case digits", lower, true},
        {"empty", "", false},
        {"other model", "23050001" + text.substr(8), false},
        {"first record missing", text.substr(0, firstRecord) + text.substr(text.find("\r\n0010")),
         false},
        {"record past the end", text + "1F7810" + std::string(32, '0') + "\r\n", false},
        {"not hex", text + "00001G00\r\n", false},
    };
    for (const auto& c : cases) {
        const std::string path = TempPath("case.acf");
        WriteText(path, c.content);
        clsCmcEeprom loaded;
        loaded.FillBlock(0, 0x77, loaded.eeSize());
        std::string error;
        EXPECT_EQ(LoadImageFile(path, loaded, error), c.ok) << c.name << ": " << error;
        if (!c.ok) {
            EXPECT_EQ(loaded.ReadByte(0), 0x77) << c.name << " left the image changed";
        }
        std::remove(path.c_str());
    }
    std::remove(good.c_str());
}
