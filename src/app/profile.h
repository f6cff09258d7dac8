// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile store: the program's settings between runs, kept in one
// INI-style file ("CSQ5.rs") of "[section]" lines and "key=value" lines.
// Section and key names match regardless of letter case. Writing a key
// rewrites only that key's line (or adds one): every other section, key,
// comment and line stays in place, with the file's own line ends (see
// IniText). A file that exists but cannot be read completely as text (no
// permission to read it, a NUL byte or other binary content, not a regular
// file) is never written over: its keys read as their defaults, writes fail,
// and Unreadable() tells the program to say so. Each user of the store sets
// its section and then reads or writes its keys as typed values, which the
// store turns into text and back:
//
//   integer, double   ordinary number text ("12", "-1", "3100", "0.5")
//   boolean           "1" or "0"; reading, only "0" is False
//   date-time         "yyyy.mm.dd-hh:mm:ss"
//   text              as is; read back without trailing blanks
//
// Values read back are cut at 254 characters, as the original 255-character
// read buffer did. A key that is missing reads as the default.

#include <memory>
#include <string>

// A calendar date and time of day, as the profile writes it.
struct ProfileDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ProfileDateTime&) const = default;
};

inline constexpr const char* kProfileFileName = "CSQ5.rs";
inline constexpr const char* kProfileFolderName = "CS-Q5";

class clsCmcProfileIO {
  public:
    clsCmcProfileIO();
    ~clsCmcProfileIO();
    clsCmcProfileIO(const clsCmcProfileIO&) = delete;
    clsCmcProfileIO& operator=(const clsCmcProfileIO&) = delete;

    // File name of the profile.
    const std::string& Name() const { return name_; }
    void Name(const std::string& name) { name_ = name; }
    // Folder of the profile, ending with a path separator.
    const std::string& Path() const { return path_; }
    void Path(const std::string& path) { path_ = path; }
    // The section that reads and writes use.
    const std::string& Section() const { return section_; }
    void Section(const std::string& section) { section_ = section; }

    // Path = the program's folder, with a separator at its end.
    void SetCurrentPath();
    // Path and Name of the profile this user should use (see
    // ChooseProfileFile): beside the program for portable use, else in the
    // user's configuration folder.
    void SetDefaultProfile();
    std::string GetMyProfile() const { return path_ + name_; }
    std::string FullPath() const { return GetMyProfile(); }

    // Writes the value under the key in the current section; True when the
    // file was written. Between BeginUpdate and EndUpdate the values are only
    // collected, and EndUpdate writes the file once.
    bool saveData(const std::string& key, int value);
    bool saveData(const std::string& key, bool value);
    bool saveData(const std::string& key, double value);
    bool saveData(const std::string& key, const std::string& value);
    bool saveData(const std::string& key, const char* value);
    bool saveData(const std::string& key, const ProfileDateTime& value);

    // Reads the key into the variable; the variable's own value is the
    // default unless one is given. False, variable untouched, when the key
    // and the default give no text; a text that does not convert leaves the
    // variable untouched (and still gives True).
    bool loadData(const std::string& key, int& value);
    bool loadData(const std::string& key, int& value, int defaultValue);
    bool loadData(const std::string& key, bool& value);
    bool loadData(const std::string& key, bool& value, bool defaultValue);
    bool loadData(const std::string& key, double& value);
    bool loadData(const std::string& key, double& value, double defaultValue);
    bool loadData(const std::string& key, std::string& value);
    bool loadData(const std::string& key, std::string& value, const std::string& defaultValue);
    bool loadData(const std::string& key, ProfileDateTime& value);
    bool loadData(const std::string& key, ProfileDateTime& value,
                  const ProfileDateTime& defaultValue);

    // Collects the following writes and writes the file once at EndUpdate;
    // EndUpdate is True when that write succeeded (or nothing was written).
    // Lines another program wrote to the file meanwhile are kept.
    void BeginUpdate();
    bool EndUpdate();

    // Whether the profile file exists but cannot be read completely; the
    // program then runs on defaults and leaves the file alone.
    bool Unreadable();

    // The text up to its first NUL character.
    static std::string StripTerminator(const std::string& text);
    // The part of a path after its last "/", "\" or ":".
    static std::string GetFileName(const std::string& path);

  private:
    struct Cache;

    bool WriteText(const std::string& key, const std::string& text);
    // Value of the key, or the default text, as the 255-character buffer
    // holds it; False when that gives no characters.
    bool ReadText(const std::string& key, const std::string& defaultText, std::string& text);
    bool Flush();

    std::string name_ = "Profile.INI";
    std::string path_;
    std::string section_;
    std::unique_ptr<Cache> cache_;
    int updateDepth_ = 0;
};

// The one notice that the profile at path could not be read (the window
// program shows it in a message box, csq5-cli on stderr).
std::string ProfileUnreadableText(const std::string& path);

// The folder of the running program, ending with "/".
std::string ProgramFolder();

// Where the profile lives: "CSQ5.rs" in the program's folder when such a file
// already exists there and can be written (a portable copy of the program);
// otherwise "CSQ5.rs" in "$XDG_CONFIG_HOME/CS-Q5/", or "~/.config/CS-Q5/"
// when that variable is unset or not an absolute path. The folder is made on
// the first save. Null or empty environment values count as unset.
std::string ChooseProfileFile(const std::string& programFolder, const char* xdgConfigHome,
                              const char* home);
