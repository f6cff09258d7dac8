// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "app/atomic_file.h"
#include "app/common.h"
#include "app/ini_text.h"

namespace {

namespace fs = std::filesystem;

// The platform's read buffer held 255 characters including the terminator.
constexpr std::size_t kValueMax = 254;
// A profile holds some dozens of short lines; a file many times that size is
// not one.
constexpr std::size_t kProfileMaxBytes = 4 << 20;

// An integer the way the original number conversion read one: optional
// sign, digits, and an optional fraction rounded half to even; nothing else.
bool ParseInteger(const std::string& text, long long lower, long long upper, long long& out) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t digitsStart = pos;
    long double whole = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        whole = whole * 10 + (text[pos++] - '0');
        if (whole > 1e20L) return false;
    }
    bool anyDigit = pos > digitsStart;
    long double fraction = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        long double scale = 0.1L;
        const std::size_t fracStart = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            fraction += (text[pos++] - '0') * scale;
            scale /= 10;
        }
        anyDigit = anyDigit || pos > fracStart;
    }
    if (!anyDigit || pos != text.size()) return false;
    long double rounded = whole;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) rounded += 1;
    if (negative) rounded = -rounded;
    if (rounded < lower || rounded > upper) return false;
    out = static_cast<long long>(rounded);
    return true;
}

bool ParseDouble(const std::string& text, double& out) {
    std::size_t start = (!text.empty() && text[0] == '+') ? 1 : 0;
    if (start >= text.size()) return false;
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    out = value;
    return true;
}

std::string DoubleText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string DateTimeText(const ProfileDateTime& t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d.%02d.%02d-%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return buffer;
}

bool ParseField(const std::string& text, std::size_t pos, std::size_t length, int& out) {
    int value = 0;
    for (std::size_t i = pos; i < pos + length; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    out = value;
    return true;
}

// "yyyy.mm.dd-hh:mm:ss": the fields are taken by position; the separators
// are not looked at. An impossible date or time is not taken.
bool ParseDateTime(const std::string& text, ProfileDateTime& out) {
    if (text.size() != 19) return false;
    ProfileDateTime t;
    if (!ParseField(text, 0, 4, t.year) || !ParseField(text, 5, 2, t.month) ||
        !ParseField(text, 8, 2, t.day) || !ParseField(text, 11, 2, t.hour) ||
        !ParseField(text, 14, 2, t.minute) || !ParseField(text, 17, 2, t.second))
        return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.month < 1 || t.month > 12 || t.day < 1) return false;
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    const int days = kDays[t.month - 1] + ((t.month == 2 && leap) ? 1 : 0);
    if (t.day > days || t.hour > 23 || t.minute > 59 || t.second > 59) return false;
    out = t;
    return true;
}

// What became of reading the profile file.
enum class FileRead { Read, Missing, Unreadable };

// A text file of the profile's kind has no control characters but blanks
// and line ends; a NUL byte or other binary bytes mean the file is
// something else, or damaged, and cannot be rewritten without losing what
// could not be understood.
bool IsProfileText(std::string_view content) {
    return std::none_of(content.begin(), content.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return (code < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') ||
               code == 0x7F;
    });
}

// The whole file. Only a missing file (or a symbolic link to a missing file)
// counts as no file: anything that exists and cannot be read completely as
// text (no permission, a folder, a device or pipe, binary content, a size no
// profile has) is unreadable.
FileRead ReadProfileFile(const std::string& path, std::string& content) {
    content.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return errno == ENOENT ? FileRead::Missing : FileRead::Unreadable;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              static_cast<std::size_t>(st.st_size) <= kProfileMaxBytes;
    char buffer[4096];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        content.append(buffer, static_cast<std::size_t>(n));
        ok = content.size() <= kProfileMaxBytes;
    }
    ::close(fd);
    if (!ok || !IsProfileText(content)) {
        content.clear();
        return FileRead::Unreadable;
    }
    return FileRead::Read;
}

}  // namespace

// The file's lines, re-read only when the file on disk is another one or has
// changed since it was last read or written. Values written but not yet
// stored are kept as changes, so that a file someone else rewrote meanwhile
// gets them applied over its own lines instead of being replaced.
struct clsCmcProfileIO::Cache {
    struct Change {
        std::string section, key, value;
    };

    IniText ini;
    std::string file;
    bool loaded = false;
    bool unreadable = false;
    std::vector<Change> pending;
    struct stat identity {};
    bool identityValid = false;

    static bool SameIdentity(const struct stat& a, const struct stat& b) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
               a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
    }

    void Remember() { identityValid = ::stat(file.c_str(), &identity) == 0; }

    bool Current(const std::string& path) const {
        if (!loaded || path != file) return false;
        struct stat now {};
        const bool exists = ::stat(path.c_str(), &now) == 0;
        return exists ? identityValid && SameIdentity(now, identity) : !identityValid;
    }

    void Load(const std::string& path) {
        ini = IniText();
        file = path;
        loaded = true;
        std::string content;
        const FileRead read = ReadProfileFile(path, content);
        unreadable = read == FileRead::Unreadable;
        if (read == FileRead::Read) ini.Parse(content);
        Remember();
        for (const Change& c : pending) ini.Set(c.section, c.key, c.value);
    }

    void Refresh(const std::string& path) {
        if (!Current(path)) Load(path);
    }
};

clsCmcProfileIO::clsCmcProfileIO() : cache_(std::make_unique<Cache>()) {}
clsCmcProfileIO::~clsCmcProfileIO() = default;

void clsCmcProfileIO::SetCurrentPath() {
    path_ = ProgramFolder();
}

void clsCmcProfileIO::SetDefaultProfile() {
    const fs::path file(
        ChooseProfileFile(ProgramFolder(), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    path_ = file.parent_path().string() + "/";
    name_ = file.filename().string();
}

std::string clsCmcProfileIO::StripTerminator(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

std::string clsCmcProfileIO::GetFileName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool clsCmcProfileIO::Unreadable() {
    if (cache_->pending.empty()) cache_->Refresh(GetMyProfile());
    return cache_->unreadable;
}

bool clsCmcProfileIO::Flush() {
    const std::string file = GetMyProfile();
    // Someone else may have rewritten the file since it was read: our
    // changes go over their lines.
    cache_->Refresh(file);
    cache_->pending.clear();
    // What could not be read is never written over.
    if (cache_->unreadable) {
        cache_->loaded = false;
        return false;
    }
    const fs::path folder = fs::path(file).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::exists(folder, ec)) fs::create_directories(folder, ec);
    if (WriteFileAtomically(file, cache_->ini.Text()) != kAtomicWriteOk) {
        // The file is as it was: read it again rather than trust the values
        // that could not be stored.
        cache_->loaded = false;
        return false;
    }
    cache_->Remember();
    return true;
}

bool clsCmcProfileIO::WriteText(const std::string& key, const std::string& text) {
    // Values collected for one write stay until that write.
    if (cache_->pending.empty()) cache_->Refresh(GetMyProfile());
    // A line break in a value would start a new line of the file, which
    // would read back as another key or section; such a value is not kept.
    const bool oneLine = text.find_first_of("\r\n") == std::string::npos;
    const std::string stored = oneLine ? StripTerminator(text) : std::string();
    cache_->ini.Set(section_, key, stored);
    cache_->pending.push_back({section_, key, stored});
    if (updateDepth_ > 0) return oneLine && !cache_->unreadable;
    return Flush() && oneLine;
}

bool clsCmcProfileIO::ReadText(const std::string& key, const std::string& defaultText,
                               std::string& text) {
    // Values collected for one write stay until that write.
    if (cache_->pending.empty()) cache_->Refresh(GetMyProfile());
    const std::optional<std::string> value = cache_->ini.Get(section_, key);
    std::string got = StripTerminator(value ? *value : defaultText);
    if (got.size() > kValueMax) got.resize(kValueMax);
    if (got.empty()) return false;
    text = TrimRight(got);
    return true;
}

void clsCmcProfileIO::BeginUpdate() {
    ++updateDepth_;
}

bool clsCmcProfileIO::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) return true;
    if (cache_->pending.empty()) return true;
    return Flush();
}

bool clsCmcProfileIO::saveData(const std::string& key, int value) {
    return WriteText(key, std::to_string(value));
}
bool clsCmcProfileIO::saveData(const std::string& key, bool value) {
    return WriteText(key, value ? "1" : "0");
}
bool clsCmcProfileIO::saveData(const std::string& key, double value) {
    return WriteText(key, DoubleText(value));
}
bool clsCmcProfileIO::saveData(const std::string& key, const std::string& value) {
    return WriteText(key, value);
}
bool clsCmcProfileIO::saveData(const std::string& key, const char* value) {
    return WriteText(key, value != nullptr ? std::string(value) : std::string());
}
bool clsCmcProfileIO::saveData(const std::string& key, const ProfileDateTime& value) {
    return WriteText(key, DateTimeText(value));
}

bool clsCmcProfileIO::loadData(const std::string& key, int& value) {
    return loadData(key, value, value);
}
bool clsCmcProfileIO::loadData(const std::string& key, int& value, int defaultValue) {
    std::string text;
    if (!ReadText(key, std::to_string(defaultValue), text)) return false;
    long long number = 0;
    if (ParseInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                     number))
        value = static_cast<int>(number);
    return true;
}

bool clsCmcProfileIO::loadData(const std::string& key, bool& value) {
    return loadData(key, value, value);
}
bool clsCmcProfileIO::loadData(const std::string& key, bool& value, bool defaultValue) {
    std::string text;
    if (!ReadText(key, defaultValue ? "1" : "0", text)) return false;
    value = text != "0";
    return true;
}

bool clsCmcProfileIO::loadData(const std::string& key, double& value) {
    return loadData(key, value, value);
}
bool clsCmcProfileIO::loadData(const std::string& key, double& value, double defaultValue) {
    std::string text;
    if (!ReadText(key, DoubleText(defaultValue), text)) return false;
    double number = 0;
    if (ParseDouble(text, number)) value = number;
    return true;
}

bool clsCmcProfileIO::loadData(const std::string& key, std::string& value) {
    return loadData(key, value, std::string(value));
}
bool clsCmcProfileIO::loadData(const std::string& key, std::string& value,
                               const std::string& defaultValue) {
    std::string text;
    if (!ReadText(key, defaultValue, text)) return false;
    value = text;
    return true;
}

bool clsCmcProfileIO::loadData(const std::string& key, ProfileDateTime& value) {
    return loadData(key, value, ProfileDateTime(value));
}
bool clsCmcProfileIO::loadData(const std::string& key, ProfileDateTime& value,
                               const ProfileDateTime& defaultValue) {
    std::string text;
    if (!ReadText(key, DateTimeText(defaultValue), text)) return false;
    ParseDateTime(text, value);
    return true;
}

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    fs::path folder = ec ? fs::current_path(ec) : exe.parent_path();
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

std::string ChooseProfileFile(const std::string& programFolder, const char* xdgConfigHome,
                              const char* home) {
    fs::path beside(programFolder);
    beside /= kProfileFileName;
    std::error_code ec;
    const fs::path folder = beside.parent_path();
    if (fs::is_regular_file(beside, ec) && ::access(beside.c_str(), W_OK) == 0 &&
        ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0)
        return beside.string();

    fs::path config;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        config = xdgConfigHome;
    } else if (home != nullptr && home[0] != '\0') {
        config = fs::path(home) / ".config";
    } else {
        return beside.string();  // no home at all: beside the program is all there is
    }
    return (config / kProfileFolderName / kProfileFileName).string();
}

std::string ProfileUnreadableText(const std::string& path) {
    return "Cannot read the profile " + path +
           ". The program runs on its default settings and leaves the file as it is.";
}
