#pragma once
// The settings store: small named values in sections, kept in an INI file, in the platform's native
// settings store (the registry on Windows; QSettings' native format elsewhere) or nowhere. The program
// keeps its windows' placements in it. Every access runs under the store's lock, so windows on other
// threads may read and write at the same time. Nothing is reported: a missing value gives the default and
// a failed write is ignored.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class QSettings;

namespace kvilo::framework {

// Storage kinds.
inline constexpr int32_t kSettingsIniFile = 0;
inline constexpr int32_t kSettingsNative = 1; // the registry on Windows
inline constexpr int32_t kSettingsNone = 2;   // defaults only

// Predefined registry roots; only the current user and the local machine have a counterpart in QSettings
// (the user and the system scope), any other root is taken as the current user.
inline constexpr uint32_t kRootClassesRoot = 0;
inline constexpr uint32_t kRootCurrentUser = 0x80000001;
inline constexpr uint32_t kRootLocalMachine = 0x80000002;

// The program's own key.
inline constexpr const char* kProgramSettingsKey = "SOFTWARE\\Tarvelo\\EGRUL";

inline constexpr size_t kMaxSettingsValue = 1023; // longest value Fetch returns
inline constexpr size_t kSectorTextWidth = 100;

// Where the list of sections the program has written is kept.
inline constexpr const char* kSectorsSection = "Sectors";
inline constexpr const char* kSectorsEntry = "__Dont_Touch_Me__";

// One section written by the program: its name, the entry last touched in it and whether that was an
// "Update" or a "Delete".
struct SettingsSector {
    std::string section;
    std::string entry;
    std::string action;
};

class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore(); // closes the store when still open
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // `fileOrKey` is the INI file's path (kind 0) or the base key (kind 1), e.g. "SOFTWARE\Tarvelo\EGRUL":
    // its first part after "SOFTWARE\" is the organisation, the rest the application. Reads the stored
    // sections list. A store that is open already is closed first.
    void Open(std::string_view fileOrKey, int32_t kind, uint32_t root = kRootCurrentUser);
    // Writes the sections list back and releases the store; afterwards Fetch gives defaults.
    void Close();
    bool IsOpen() const;

    // The value, at most 1023 characters; `defaultValue` when it is missing or empty.
    std::string Fetch(std::string_view section, std::string_view entry, std::string_view defaultValue = {}) const;
    void Update(std::string_view section, std::string_view entry, std::string_view value);
    void Delete(std::string_view section, std::string_view entry);

    std::vector<SettingsSector> Sectors() const;

private:
    void CloseLocked();
    void NoteSector(std::string_view section, std::string_view entry, std::string_view action);
    void ReadSectors();
    void WriteSectors();

    mutable std::mutex mutex_;
    std::unique_ptr<QSettings> settings_;
    int32_t kind_ = kSettingsNone;
    std::string fileOrKey_;
    uint32_t root_ = kRootCurrentUser;
    std::vector<SettingsSector> sectors_;
    bool sectorsChanged_ = false;
    bool open_ = false;
};

// The process's settings store (start-up installs it); nullptr until then. Returns the one replaced.
SettingsStore* CurrentSettingsStore();
SettingsStore* SetSettingsStore(SettingsStore* store);

} // namespace kvilo::framework
