// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/acf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "app/atomic_file.h"
#include "image/info_checks.h"

namespace {

// A record holds at most 255 bytes: 4 address digits, 2 count digits and
// 2 digits per byte. Characters past that only need to be hexadecimal digits.
constexpr std::size_t kLineHeadMax = 6 + 2 * 255;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsDecimalDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Value of the leading decimal digits (0 when there are none), saturated.
std::uint64_t LeadingDecimalValue(std::string_view text) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - '0'),
                                        1000000000000ULL);
    }
    return value;
}

// One line of the file as the loader needs it: its first characters, its
// full length and whether every character is a hexadecimal digit. A line of
// any length costs no more memory than its head.
struct LineView {
    std::string_view head;
    std::uint64_t length;
    bool allHex;
};

// Cuts a byte stream into lines ended by CR LF, CR or LF; a last line
// without an end counts, an end of file right after a line end adds none.
class LineSplitter {
  public:
    template <class OnLine>
    void Feed(std::string_view chunk, OnLine&& onLine) {
        for (char c : chunk) {
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n') continue;
            }
            if (c == '\r' || c == '\n') {
                afterCr_ = c == '\r';
                Emit(onLine);
                continue;
            }
            if (head_.size() < kLineHeadMax) head_.push_back(c);
            ++length_;
            if (!IsHexDigit(c)) allHex_ = false;
        }
    }

    template <class OnLine>
    void Finish(OnLine&& onLine) {
        if (length_ > 0) Emit(onLine);
    }

  private:
    template <class OnLine>
    void Emit(OnLine& onLine) {
        onLine(LineView{head_, length_, allHex_ && length_ > 0});
        head_.clear();
        length_ = 0;
        allHex_ = true;
    }

    std::string head_;
    std::uint64_t length_ = 0;
    bool allHex_ = true;
    bool afterCr_ = false;
};

// Applies the lines of a data file to the working image and decides the result.
class AcfLoader {
  public:
    explicit AcfLoader(clsCmcRadio& doc)
        : doc_(doc), loaded_(static_cast<std::size_t>(doc.eepImage.eeSize()), false) {}

    void Line(const LineView& line) {
        ++lines_;
        if (lines_ == 1) {
            if (!ModelLineOk(line)) illegal_ = true;
            return;
        }
        if (line.length > 0 && line.head[0] == '#') return;
        if (illegal_) return;  // the rest of the file is read but no longer applied
        if (!ApplyRecord(line)) illegal_ = true;
    }

    int Finish(bool readError) {
        if (readError || lines_ == 0) return kAcfReadError;
        if (illegal_) return kAcfIllegalData;
        if (std::find(loaded_.begin(), loaded_.end(), false) != loaded_.end()) return kAcfNotEnough;
        // The format tag at the image's end must be the one this program
        // builds; another receiver's or a damaged image is refused.
        const std::int32_t size = doc_.eepImage.eeSize();
        if (size < 16 || !doc_.Eep_SameAsInitBlock(size - 16, 16)) return kAcfIllegalData;
        return kAcfOk;
    }

  private:
    bool ModelLineOk(const LineView& line) const {
        if (line.length != 8 || !IsDecimalDigits(line.head)) return false;
        if (LeadingDecimalValue(line.head.substr(0, 4)) != LeadingDecimalValue(doc_.radioNameM()))
            return false;
        return RigOpFunc_CheckSubNameLegal(std::string(line.head.substr(4, 4)));
    }

    bool ApplyRecord(const LineView& line) {
        if (!line.allHex || line.length < 6) return false;
        const std::uint32_t count = HexPrefixValue(line.head.substr(4, 2));
        if (line.length < 6 + 2ULL * count) return false;
        const std::int64_t address = HexPrefixValue(line.head.substr(0, 4));
        const std::int64_t size = doc_.eepImage.eeSize();
        if (address >= size || address + count > size) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const auto value = HexPrefixValue(line.head.substr(6 + 2 * i, 2));
            const auto adr = static_cast<std::int32_t>(address + i);
            doc_.eepImage.WriteByte(adr, static_cast<int>(value));
            loaded_[static_cast<std::size_t>(adr)] = true;
        }
        return true;
    }

    clsCmcRadio& doc_;
    std::vector<bool> loaded_;
    std::size_t lines_ = 0;
    bool illegal_ = false;
};

}  // namespace

std::string AcfFileText(const clsCmcRadio& doc, std::string_view comment) {
    std::string out;
    out.reserve(64 + 40 * static_cast<std::size_t>(doc.eepImage.eeSize()) / kAcfRecordBytes);
    out += doc.radioNameM() + doc.radionameS() + "\r\n";
    out += '#';
    for (char c : comment) {
        const auto code = static_cast<unsigned char>(c);
        out += (code < 32 || code == 127) ? ' ' : c;
    }
    out += "\r\n";

    // Ranges "ssss-eeee," of the clone-write list, in list order.
    for (const CloneWriteRange& range : CloneWriteRanges(doc.cloneWriteAdrList())) {
        for (std::int32_t adr = range.start; adr <= range.end; adr += kAcfRecordBytes) {
            const int count = std::min(kAcfRecordBytes, range.end - adr + 1);
            out += Hex2(adr >> 8) + Hex2(adr & 0xFF) + Hex2(count);
            for (int i = 0; i < count; ++i) out += Hex2(doc.eepImage.ReadByte(adr + i));
            out += "\r\n";
        }
    }
    return out;
}

int AcfFileSave(const clsCmcRadio& doc, std::string_view comment, const std::string& path) {
    return SaveFileText(path, AcfFileText(doc, comment));
}

int SaveFileText(const std::string& path, std::string_view content) {
    switch (WriteFileAtomically(path, content)) {
        case kAtomicWriteOk:
            return kAcfOk;
        case kAtomicWriteCannotCreate:
            return kAcfCannotCreate;
        default:
            return kAcfWriteError;
    }
}

int AcfTextLoad(clsCmcRadio& doc, std::string_view content) {
    AcfLoader loader(doc);
    LineSplitter lines;
    auto onLine = [&](const LineView& line) { loader.Line(line); };
    lines.Feed(content, onLine);
    lines.Finish(onLine);
    return loader.Finish(false);
}

int AcfFileLoad(clsCmcRadio& doc, const std::string& path) {
    // Only a regular file is a data file: a folder, a pipe or a device (one
    // that never ends, or blocks the program while waiting) is not opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return kAcfCannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return kAcfCannotOpen;
    }

    AcfLoader loader(doc);
    LineSplitter lines;
    auto onLine = [&](const LineView& line) { loader.Line(line); };
    std::array<char, 65536> buffer{};
    bool readError = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            readError = true;
            break;
        }
        if (n == 0) break;
        lines.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), onLine);
    }
    ::close(fd);
    if (!readError) lines.Finish(onLine);
    return loader.Finish(readError);
}

std::string AcfFileErrorMessage(int code, const std::string& fileName) {
    const char* message = nullptr;
    switch (code) {
        case kAcfCannotCreate:
        case kAcfWriteError:
            message = "Cannot save file.";
            break;
        case kAcfCannotOpen:
        case kAcfReadError:
            message = "Cannot open file.";
            break;
        case kAcfIllegalData:
            message = "Illegal data.";
            break;
        case kAcfNotEnough:
            message = "There is not enough data.";
            break;
        default:
            return {};
    }
    return std::string(message) + "\r\n\r\n" + fileName;
}

std::string OpenFailureReason(const std::string& path, std::uint64_t limitBytes, bool dataFile) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return "No such file.";
        if (errno == EACCES) return "Permission denied.";
        return std::string(std::strerror(errno)) + ".";
    }
    if (S_ISDIR(st.st_mode)) return "It is a folder.";
    if (!S_ISREG(st.st_mode)) return "It is not a regular file.";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == EACCES ? "Permission denied." : std::string(std::strerror(errno)) + ".";
    char byte = 0;
    const ssize_t n = ::read(fd, &byte, 1);
    const int readErrno = errno;
    ::close(fd);
    constexpr std::uint64_t kMiB = 1024 * 1024;
    if (limitBytes > 0 && static_cast<std::uint64_t>(st.st_size) > limitBytes)
        return "It is larger than the limit of " + std::to_string(limitBytes / kMiB) + " MiB.";
    if (n == 0) return "It is empty.";
    if (n < 0) return std::string(std::strerror(readErrno)) + ".";
    return dataFile ? "It is not a data file." : "It could not be read.";
}

std::string AcfFileErrorExplained(int code, const std::string& fileName) {
    std::string text = AcfFileErrorMessage(code, fileName);
    if (code == kAcfCannotOpen || code == kAcfReadError)
        text += "\r\n" + OpenFailureReason(fileName, 0, true);
    return text;
}
