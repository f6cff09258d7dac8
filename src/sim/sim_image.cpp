#include "sim/sim_image.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "image/matrix.h"
#include "image/rigq5_table.h"

namespace {
constexpr const char* kModelAndSub = "23040001";
constexpr std::size_t kRecordBytes = 16;
}  // namespace

void MakeStartImage(const ReceiverSetup& setup, clsCmcEeprom& image) {
    // The memory a receiver of this version leaves the factory with: the
    // packed factory text of its version and AM grid, with the cellular
    // block applied as the receiver reports it.
    clsRigQ5_Matrix matrix;
    matrix.MtxVerNo(LimitInt(setup.version, 0, 12));
    matrix.MtxAmOk(setup.amOk ? 1 : 0);
    matrix.MtxCellerNg(setup.cellerNg ? 1 : 0);
    MakeInitialImage(image, matrix);
}

bool SaveImageFile(const std::string& path, const clsCmcEeprom& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    std::string comment;
    for (int b : image.ReadBlock(SimReceiver::kCommentAdr, 16))
        comment.push_back(b < 32 || b >= 127 ? ' ' : static_cast<char>(b));
    out << kModelAndSub << "\r\n#" << comment << "\r\n";
    for (std::int32_t adr = 0; adr < image.eeSize(); adr += kRecordBytes) {
        const auto count = std::min<std::int32_t>(kRecordBytes, image.eeSize() - adr);
        const ByteStr data = image.ReadBlock(adr, count);
        ByteStr record;
        record.reserve(data.size() + 3);
        record.push_back(static_cast<std::uint8_t>(adr >> 8));
        record.push_back(static_cast<std::uint8_t>(adr & 0xFF));
        record.push_back(static_cast<std::uint8_t>(count));
        record.insert(record.end(), data.begin(), data.end());
        out << ByteStrToHexStr(record) << "\r\n";
    }
    out.close();
    return static_cast<bool>(out);
}

bool LoadImageFile(const std::string& path, clsCmcEeprom& image, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    clsCmcEeprom loaded;
    std::vector<bool> given(static_cast<std::size_t>(loaded.eeSize()), false);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo == 1) {
            if (line != kModelAndSub) {
                error = "line 1 is not " + std::string(kModelAndSub);
                return false;
            }
            continue;
        }
        if (!line.empty() && line[0] == '#') continue;
        const std::string where = "line " + std::to_string(lineNo);
        if (line.size() < 6 || !IsHexText(line)) {
            error = where + ": not a data record";
            return false;
        }
        const std::int32_t adr = static_cast<std::int32_t>(HexPrefixValue(line.substr(0, 4)));
        const std::int32_t count = static_cast<std::int32_t>(HexPrefixValue(line.substr(4, 2)));
        if (line.size() < 6 + 2 * static_cast<std::size_t>(count) ||
            adr + count > loaded.eeSize()) {
            error = where + ": record too short or outside the memory";
            return false;
        }
        for (std::int32_t i = 0; i < count; ++i) {
            loaded.WriteByte(adr + i, static_cast<int>(HexPrefixValue(
                                          line.substr(6 + 2 * static_cast<std::size_t>(i), 2))));
            given[static_cast<std::size_t>(adr + i)] = true;
        }
    }
    if (lineNo == 0) {
        error = "empty file";
        return false;
    }
    for (std::size_t a = 0; a < given.size(); ++a) {
        if (!given[a]) {
            error =
                "byte " + Hex2(static_cast<int>(a >> 8)) + Hex2(static_cast<int>(a)) + " missing";
            return false;
        }
    }
    image.CopyFrom(loaded);
    return true;
}
