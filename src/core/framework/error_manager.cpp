#include "core/framework/error_manager.h"

#include <atomic>
#include <cstdlib>

#include "core/framework/error_manager_runtime.h"
#include "platform/clock.h"

namespace kvilo::framework {

namespace {

std::atomic<ErrorManager*> currentManager{nullptr};

constexpr size_t kHistoryTextWidth = 1024;

Message NotificationBox(std::string text, std::string caption) {
    return Message{std::move(text), std::move(caption), MessageIcon::Information, {kStandardOkButton}, 1};
}

// An id that is not in the catalogue is a fault of the caller; say so rather than pass over the failure.
int ShowUnknownId(uint16_t id) {
    ShowMessage(NotificationBox(
        "Сообщение об ошибке с номером "_ansi + std::to_string(id) + " отсутствует в каталоге."_ansi, "Ошибка"_ansi));
    return kLevelNotification;
}

} // namespace

int ThreadNumber() {
    static std::atomic<int> lastNumber{0};
    thread_local int number = ++lastNumber;
    return number;
}

ErrorManager::ErrorManager() : logWriter_(std::make_unique<FileErrorLogWriter>()) {
    ThreadDetails() = ErrorDetails{};
}

ErrorDetails& ErrorManager::ThreadDetails() {
    thread_local ErrorDetails details;
    return details;
}

void ErrorManager::SetField(std::string_view field) {
    ThreadDetails().field = DetailText(field, kDetailWidth);
}
void ErrorManager::SetFile(std::string_view file) {
    ThreadDetails().file = DetailText(file, kDetailWidth);
}
void ErrorManager::SetKey(std::string_view key) {
    ThreadDetails().key = DetailText(key, kDetailWidth);
}
void ErrorManager::SetMessage(std::string_view message) {
    ThreadDetails().message = DetailText(message, kDetailWidth);
}
void ErrorManager::SetCategory(std::string_view category) {
    ThreadDetails().category = DetailText(category, kDetailWidth);
}
const ErrorDetails& ErrorManager::Details() const {
    return ThreadDetails();
}

void ErrorManager::Capture() {
    const RuntimeError& error = LastRuntimeError();
    ErrorDetails& details = ThreadDetails();
    details.errorCode = error.code;
    details.errorText = DetailText(error.text, kRuntimeTextWidth);
    details.errorFile = DetailText(error.file, kRuntimeTextWidth);
    details.fileErrorCode = DetailText(error.fileErrorCode, kRuntimeTextWidth);
    details.fileErrorText = DetailText(error.fileErrorText, kRuntimeTextWidth);
}

int ErrorManager::Throw(uint16_t id, DefaultAnswer defaultAnswer) {
    Capture();
    const ErrorEntry* entry = FindErrorEntry(id);
    if (!entry) return ShowUnknownId(id);
    std::string text = SubstituteErrorText(entry->text, ThreadDetails(), TopProcedure(), PreviousMessage());
    // Log failures are shown first and never keep the message itself from being shown.
    for (std::string& failure : Record(text))
        ShowMessage(NotificationBox(std::move(failure), {}));
    return Dispatch(*entry, text, defaultAnswer);
}

int ErrorManager::ThrowFile(uint16_t id, std::string_view file) {
    SetFile(file);
    return Throw(id);
}

int ErrorManager::ThrowMessage(uint16_t id, std::string_view message) {
    SetMessage(message);
    return Throw(id);
}

std::string ErrorManager::PreviousMessage() const {
    std::lock_guard lock(mutex_);
    return history_.empty() ? std::string() : history_.back().text;
}

std::vector<std::string> ErrorManager::Record(const std::string& text) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> failures;
    if (logging_)
        failures = AppendErrorLog(*logWriter_, logPath_, ErrorLogLine(platform::Today(), platform::TimeNow(), text));
    if (historyThreshold_ > 0) {
        while (history_.size() >= historyThreshold_)
            history_.erase(history_.begin());
        history_.push_back({text.substr(0, kHistoryTextWidth), ThreadNumber()});
    }
    return failures;
}

int ErrorManager::Dispatch(const ErrorEntry& entry, const std::string& text, DefaultAnswer defaultAnswer) {
    switch (entry.level) {
    case kLevelBenign:
        return kLevelBenign;
    case kLevelUser:
    case kLevelCancel: {
        Message question{text,
                         entry.title,
                         MessageIcon::Warning,
                         {kStandardYesButton, kStandardNoButton},
                         static_cast<int>(defaultAnswer)};
        return ShowMessage(question) == 1 ? kLevelBenign : kLevelCancel;
    }
    case kLevelNotification:
        ShowMessage(NotificationBox(text, entry.title));
        return kLevelNotification;
    default: // fatal, program error and any unknown level end the program
        ShowMessage(NotificationBox(text + kEndApplicationSuffix, entry.title));
        if (halt_)
            halt_(entry.level);
        else
            std::exit(EXIT_FAILURE);
        return entry.level;
    }
}

void ErrorManager::PushProcedure(std::string_view name) {
    std::lock_guard lock(mutex_);
    procedures_.push_back({std::string(name), ThreadNumber()});
    ThreadDetails().procedure = std::string(name);
}

void ErrorManager::PopProcedure() {
    std::lock_guard lock(mutex_);
    int thread = ThreadNumber();
    std::string& current = ThreadDetails().procedure;
    current.clear();
    for (auto it = procedures_.rbegin(); it != procedures_.rend(); ++it)
        if (it->thread == thread) {
            procedures_.erase(std::next(it).base());
            break;
        }
    for (auto it = procedures_.rbegin(); it != procedures_.rend(); ++it)
        if (it->thread == thread) {
            current = it->name;
            break;
        }
}

std::string ErrorManager::TopProcedure() const {
    std::lock_guard lock(mutex_);
    return procedures_.empty() ? std::string() : procedures_.back().name;
}

void ErrorManager::SetLogging(bool enabled, std::string path) {
    std::lock_guard lock(mutex_);
    logging_ = enabled;
    logPath_ = std::move(path);
}

void ErrorManager::SetLogWriter(std::unique_ptr<ErrorLogWriter> writer) {
    std::lock_guard lock(mutex_);
    logWriter_ = writer ? std::move(writer) : std::make_unique<FileErrorLogWriter>();
}

void ErrorManager::SetHistoryThreshold(size_t threshold) {
    std::lock_guard lock(mutex_);
    historyThreshold_ = threshold;
    if (threshold == 0) history_.clear();
    while (history_.size() > threshold)
        history_.erase(history_.begin());
}

std::vector<ErrorHistoryEntry> ErrorManager::History() const {
    std::lock_guard lock(mutex_);
    return history_;
}

void ErrorManager::SetHaltHandler(HaltHandler handler) {
    halt_ = std::move(handler);
}

ErrorManager* CurrentErrorManager() {
    return currentManager.load();
}
ErrorManager* SetErrorManager(ErrorManager* manager) {
    return currentManager.exchange(manager);
}

ProcedureScope::ProcedureScope(std::string_view name) : manager_(CurrentErrorManager()) {
    if (manager_) manager_->PushProcedure(name);
}

ProcedureScope::~ProcedureScope() {
    if (manager_) manager_->PopProcedure();
}

} // namespace kvilo::framework
