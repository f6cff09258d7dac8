// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/read_backups.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/atomic_file.h"
#include "app/common.h"
#include "file/acf_file.h"
#include "file/document_commands.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrefix = "backup-";
// Copies of earlier versions, in the receiver's own form.
constexpr const char* kOldPrefix = "read-";
constexpr const char* kExtension = ".acf";
// "YYYY-MM-DD_HHMMSS"
constexpr std::size_t kStampLength = 17;
// More reads within one second than this are not a person at a receiver.
constexpr int kMaxSameSecond = 1000;
// The model line and the comment line of a data file fit in this.
constexpr std::size_t kHeadBytes = 256;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string BackupStamp(const std::tm& t) {
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
    std::string name = kPrefix + BackupStamp(local);
    if (count > 1) name += "-" + std::to_string(count);
    return name + kExtension;
}

namespace {

// The stamp of a name "<prefix>YYYY-MM-DD_HHMMSS[-N].acf"; empty for any
// other name.
std::string StampWithPrefix(const std::string& fileName, const std::string& prefix, int* count) {
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
    // and the count of a further read within the same second.
    const std::string rest = fileName.substr(
        prefix.size() + kStampLength, fileName.size() - prefix.size() - kStampLength - ext.size());
    int n = 1;
    if (!rest.empty()) {
        if (rest.size() < 2 || rest[0] != '-') return std::string();
        n = 0;
        for (std::size_t i = 1; i < rest.size(); ++i) {
            if (!IsDigit(rest[i])) return std::string();
            n = std::min(n * 10 + (rest[i] - '0'), kMaxSameSecond * 10);
        }
    }
    if (count) *count = n;
    return stamp;
}

// The comment line of a data file ("#" and the comment, line 2), trailing
// blanks removed; empty when the file has none.
std::string CommentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    const std::size_t first = head.find('\n');
    if (first == std::string::npos || first + 1 >= head.size() || head[first + 1] != '#')
        return std::string();
    std::string comment = head.substr(first + 2);
    return TrimRight(comment.substr(0, comment.find_first_of("\r\n")));
}

}  // namespace

std::string BackupDateText(const std::string& stamp) {
    return stamp.substr(0, 10);
}

std::string BackupTimeText(const std::string& stamp) {
    if (stamp.size() < kStampLength) return std::string();
    return stamp.substr(11, 2) + ":" + stamp.substr(13, 2) + ":" + stamp.substr(15, 2);
}

std::string NoBackupsText(const std::string& folder) {
    if (folder.empty())
        return "The backups of clone reads have no folder: neither XDG_DATA_HOME nor HOME names "
               "one.";
    return "There are no backups of clone reads yet.\r\n\r\nThey are kept in\r\n" + folder;
}

std::string BackupListLine(const BackupEntry& entry) {
    return entry.path + "\t" + BackupDateText(entry.stamp) + " " + BackupTimeText(entry.stamp) +
           "\t" + entry.comment;
}

std::string ReadBackups::StampOf(const std::string& fileName, int* count) {
    return StampWithPrefix(fileName, kPrefix, count);
}

std::string ReadBackups::OldStampOf(const std::string& fileName) {
    return StampWithPrefix(fileName, kOldPrefix, nullptr);
}

std::string ReadBackups::Save(const clsCmcRadio& doc, std::time_t now) {
    if (folder_.empty()) return std::string();
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (!fs::is_directory(folder_, ec)) return std::string();
    const std::tm local = LocalTime(now);
    const std::string text = AcfImageText(doc, doc.eepImage);
    // Two reads at once (two receivers, two cables) may want the same name:
    // the name is taken in one step that fails when the other read has it,
    // and the next count is tried, so neither copy replaces the other.
    for (int count = 1; count <= kMaxSameSecond; ++count) {
        const fs::path path = fs::path(folder_) / FileNameFor(local, count);
        if (fs::exists(fs::symlink_status(path, ec))) continue;
        if (beforeTake_) beforeTake_(path.string());
        const AtomicWriteResult result = CreateFileAtomically(path.string(), text);
        if (result == kAtomicWriteTaken) continue;
        if (result != kAtomicWriteOk) return std::string();
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
    const std::string oldest = BackupStamp(cutoff);
    int removed = 0;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder_, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::string stamp = StampOf(name);
        if (stamp.empty()) stamp = OldStampOf(name);
        std::error_code fileEc;
        if (stamp.empty() || stamp >= oldest || !it->is_regular_file(fileEc)) continue;
        if (fs::remove(it->path(), fileEc)) ++removed;
    }
    return removed;
}

std::vector<BackupEntry> ReadBackups::List() const {
    std::vector<BackupEntry> list;
    if (folder_.empty()) return list;
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder_, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        BackupEntry e;
        e.stamp = StampOf(it->path().filename().string(), &e.count);
        std::error_code fileEc;
        if (e.stamp.empty() || !it->is_regular_file(fileEc)) continue;
        e.path = it->path().string();
        e.comment = CommentOf(it->path());
        list.push_back(std::move(e));
    }
    std::sort(list.begin(), list.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.stamp != b.stamp) return a.stamp > b.stamp;
        if (a.count != b.count) return a.count > b.count;
        return a.path < b.path;
    });
    return list;
}
