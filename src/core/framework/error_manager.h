#pragma once
// The error manager: every framework file and record operation reports its failures here. It fills the
// failure's details into a catalogue text, shows it as the entry's level asks, keeps the optional log and
// history, and tells the caller how to go on. It also keeps the procedure-name stack that every window
// pushes its name onto while it is open.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/error_manager_catalogue.h"
#include "core/framework/error_manager_log.h"
#include "core/framework/error_manager_text.h"
#include "core/framework/message_presenter.h"

namespace kvilo::framework {

// Captions of the standard message-box buttons in the program's locale.
inline const char* const kStandardOkButton = "&OK";
inline const char* const kStandardYesButton = "&1. Да"_ansi;
inline const char* const kStandardNoButton = "&2. Нет"_ansi;

// Appended to the text of a message after which the program ends.
inline constexpr const char* kEndApplicationSuffix = "  Press OK to end this application";

// The button a question box offers first.
enum class DefaultAnswer { Yes = 1, No = 2 };

struct ErrorHistoryEntry {
    std::string text; // the substituted text, at most 1024 characters
    int thread = 0;   // ThreadNumber() of the thread that raised it
};

// A small number for the calling thread, the same for the thread's whole life (1 for the first thread that
// asks).
int ThreadNumber();

class ErrorManager {
public:
    // Called after a fatal or program error has been shown; the default ends the process. Tests install
    // their own to observe the end.
    using HaltHandler = std::function<void(int level)>;

    // Loads the catalogue and starts the calling thread with empty details.
    ErrorManager();
    ErrorManager(const ErrorManager&) = delete;
    ErrorManager& operator=(const ErrorManager&) = delete;

    // Details of the next message of the calling thread; stored without trailing blanks.
    void SetField(std::string_view field);
    void SetFile(std::string_view file);
    void SetKey(std::string_view key);
    void SetMessage(std::string_view message);
    void SetCategory(std::string_view category);
    // The calling thread's details as the last message saw them.
    const ErrorDetails& Details() const;

    // Captures the runtime's last error, builds the entry's text and shows it by the entry's level. Returns
    // 0 to go on, 4 when a question was not answered Yes, 5 after a notification, the level itself after a
    // fatal or program error (when the halt handler returns).
    int Throw(uint16_t id, DefaultAnswer defaultAnswer = DefaultAnswer::Yes);
    int ThrowFile(uint16_t id, std::string_view file);
    int ThrowMessage(uint16_t id, std::string_view message);

    // The procedure-name stack, shared by all threads.
    void PushProcedure(std::string_view name);
    // Removes the calling thread's latest name: windows on other threads may have pushed theirs since.
    void PopProcedure();
    // The top of the stack (what "%Procedure" shows), or empty.
    std::string TopProcedure() const;

    // The log is off until switched on; the file is "AppError.Log" in the working folder unless named.
    void SetLogging(bool enabled, std::string path = kErrorLogName);
    void SetLogWriter(std::unique_ptr<ErrorLogWriter> writer);

    // 0 keeps no history; otherwise the newest `threshold` messages are kept.
    void SetHistoryThreshold(size_t threshold);
    std::vector<ErrorHistoryEntry> History() const;

    void SetHaltHandler(HaltHandler handler);

private:
    struct StackEntry {
        std::string name;
        int thread;
    };

    static ErrorDetails& ThreadDetails();
    void Capture();
    // Logs and records the text; returns the log failures to report.
    std::vector<std::string> Record(const std::string& text);
    std::string PreviousMessage() const;
    int Dispatch(const ErrorEntry& entry, const std::string& text, DefaultAnswer defaultAnswer);

    mutable std::mutex mutex_; // guards the stack, the history and the log
    std::vector<StackEntry> procedures_;
    std::vector<ErrorHistoryEntry> history_;
    size_t historyThreshold_ = 0;
    bool logging_ = false;
    std::string logPath_ = kErrorLogName;
    std::unique_ptr<ErrorLogWriter> logWriter_;
    HaltHandler halt_;
};

// The process's error manager (start-up installs it); nullptr until then. Returns the one replaced.
ErrorManager* CurrentErrorManager();
ErrorManager* SetErrorManager(ErrorManager* manager);

// Pushes a window's procedure name on the current manager for the scope's life.
class ProcedureScope {
public:
    explicit ProcedureScope(std::string_view name);
    ~ProcedureScope();
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

private:
    ErrorManager* manager_;
};

} // namespace kvilo::framework
