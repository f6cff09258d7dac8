// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile.h"

#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "app/atomic_file.h"

namespace {

namespace fs = std::filesystem;

// The platform's read buffer held 255 characters including the terminator.
constexpr std::size_t kValueMax = 254;

std::string DropTrailingSpaces(std::string text) {
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

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

}  // namespace

// The parsed file, re-read only when the file on disk is another one or has
// changed since it was last read or written.
struct clsCmcProfileIO::Cache {
    CSimpleIniA ini{false, true, false};  // single-byte text, duplicate keys kept, no multi-line
    std::string file;
    bool loaded = false;
    struct stat identity {};
    bool identityValid = false;

    static bool SameIdentity(const struct stat& a, const struct stat& b) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
               a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
    }

    void Remember() { identityValid = ::stat(file.c_str(), &identity) == 0; }

    void Refresh(const std::string& path) {
        struct stat now {};
        const bool exists = ::stat(path.c_str(), &now) == 0;
        if (loaded && path == file &&
            (exists ? identityValid && SameIdentity(now, identity) : !identityValid))
            return;
        ini.Reset();
        ini.SetSpaces(false);
        file = path;
        loaded = true;
        if (exists && S_ISREG(now.st_mode)) (void)ini.LoadFile(path.c_str());
        Remember();
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

bool clsCmcProfileIO::Flush() {
    std::string content;
    if (cache_->ini.Save(content) < 0) return false;
    const std::string file = GetMyProfile();
    const fs::path folder = fs::path(file).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::exists(folder, ec)) fs::create_directories(folder, ec);
    if (WriteFileAtomically(file, content) != kAtomicWriteOk) {
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
    if (!pendingWrite_) cache_->Refresh(GetMyProfile());
    // A line break in a value would start a new line of the file, which
    // would read back as another key or section; such a value is not kept.
    const bool oneLine = text.find_first_of("\r\n") == std::string::npos;
    const std::string stored = oneLine ? StripTerminator(text) : std::string();
    // An existing key keeps the spelling it has in the file.
    std::string name = key;
    CSimpleIniA::TNamesDepend keys;
    if (cache_->ini.GetAllKeys(section_.c_str(), keys)) {
        for (const auto& k : keys) {
            if (strcasecmp(k.pItem, key.c_str()) == 0) {
                name = k.pItem;
                break;
            }
        }
    }
    if (cache_->ini.SetValue(section_.c_str(), name.c_str(), stored.c_str(), nullptr, true) < 0)
        return false;
    if (updateDepth_ > 0) {
        pendingWrite_ = true;
        return oneLine;
    }
    return Flush() && oneLine;
}

bool clsCmcProfileIO::ReadText(const std::string& key, const std::string& defaultText,
                               std::string& text) {
    // Values collected for one write stay until that write.
    if (!pendingWrite_) cache_->Refresh(GetMyProfile());
    const char* value = cache_->ini.GetValue(section_.c_str(), key.c_str(), nullptr);
    std::string got = StripTerminator(value != nullptr ? std::string(value) : defaultText);
    if (got.size() > kValueMax) got.resize(kValueMax);
    if (got.empty()) return false;
    text = DropTrailingSpaces(std::move(got));
    return true;
}

void clsCmcProfileIO::BeginUpdate() {
    ++updateDepth_;
}

bool clsCmcProfileIO::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) return true;
    if (!pendingWrite_) return true;
    pendingWrite_ = false;
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
