// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/read_backups.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/common.h"
#include "file/acf_file.h"
#include "file/document_commands.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrefix = "read-";
constexpr const char* kExtension = ".acf";
// "YYYY-MM-DD_HHMMSS"
constexpr std::size_t kStampLength = 17;
// More reads within one second than this are not a person at a receiver.
constexpr int kMaxSameSecond = 1000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Stamp(const std::tm& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d",
                  LimitInt(t.tm_year + 1900, 0, 9999), LimitInt(t.tm_mon + 1, 1, 12),
                  LimitInt(t.tm_mday, 1, 31), LimitInt(t.tm_hour, 0, 23), LimitInt(t.tm_min, 0, 59),
                  LimitInt(t.tm_sec, 0, 60));
    return text;
}

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr) local = std::tm{};
    return local;
}

}  // namespace

std::string DefaultReadBackupFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') return std::string();
        base = fs::path(home) / ".local" / "share";
    }
    return (base / "CS-Q5" / "backups").string();
}

std::string DemoReadBackupFolder() {
    const std::string real = DefaultReadBackupFolder();
    if (real.empty()) return real;
    return (fs::path(real).parent_path() / "demo-backups").string();
}

std::string ReadBackups::FileNameFor(const std::tm& local, int count) {
    std::string name = kPrefix + Stamp(local);
    if (count > 1) name += "-" + std::to_string(count);
    return name + kExtension;
}

std::string ReadBackups::StampOf(const std::string& fileName) {
    const std::string prefix = kPrefix;
    const std::string ext = kExtension;
    if (fileName.size() < prefix.size() + kStampLength + ext.size()) return std::string();
    if (fileName.compare(0, prefix.size(), prefix) != 0) return std::string();
    if (fileName.compare(fileName.size() - ext.size(), ext.size(), ext) != 0) return std::string();
    const std::string stamp = fileName.substr(prefix.size(), kStampLength);
    static constexpr const char* kShape = "0000-00-00_000000";
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const bool digit = kShape[i] == '0';
        if (digit ? !IsDigit(stamp[i]) : stamp[i] != kShape[i]) return std::string();
    }
    // What may stand between the stamp and the extension: nothing, or "-"
    // and the count of a second read within the same second.
    const std::string rest = fileName.substr(
        prefix.size() + kStampLength, fileName.size() - prefix.size() - kStampLength - ext.size());
    if (!rest.empty()) {
        if (rest.size() < 2 || rest[0] != '-') return std::string();
        for (std::size_t i = 1; i < rest.size(); ++i)
            if (!IsDigit(rest[i])) return std::string();
    }
    return stamp;
}

std::string ReadBackups::Save(const clsCmcRadio& doc, std::time_t now) {
    if (folder_.empty()) return std::string();
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (!fs::is_directory(folder_, ec)) return std::string();
    const std::tm local = LocalTime(now);
    for (int count = 1; count <= kMaxSameSecond; ++count) {
        const fs::path path = fs::path(folder_) / FileNameFor(local, count);
        if (fs::exists(fs::symlink_status(path, ec))) continue;
        if (AcfImageSave(doc, doc.eepImage, path.string()) != kAcfOk) return std::string();
        Prune(now);
        return path.string();
    }
    return std::string();
}

int ReadBackups::Prune(std::time_t now) const {
    if (folder_.empty()) return 0;
    std::tm cutoff = LocalTime(now);
    cutoff.tm_year -= kKeepYears;
    // Stamps compare as text: every field has its fixed width. A stamp of
    // 29 February stays until the first of March a year later.
    const std::string oldest = Stamp(cutoff);
    int removed = 0;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder_, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string stamp = StampOf(it->path().filename().string());
        std::error_code fileEc;
        if (stamp.empty() || stamp >= oldest || !it->is_regular_file(fileEc)) continue;
        if (fs::remove(it->path(), fileEc)) ++removed;
    }
    return removed;
}
