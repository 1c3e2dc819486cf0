#include "core/framework/error_manager_runtime.h"

#include <mutex>

namespace kvilo::framework {

namespace {

thread_local RuntimeError threadError;

std::mutex textsMutex;
std::vector<std::pair<int32_t, std::string>> installedTexts;

} // namespace

void SetRuntimeError(int32_t code, std::string_view file, std::string_view fileErrorCode,
                     std::string_view fileErrorText) {
    SetRuntimeError(RuntimeError{code, RuntimeErrorText(code), std::string(file), std::string(fileErrorCode),
                                 std::string(fileErrorText)});
}

void SetRuntimeError(RuntimeError error) {
    threadError = std::move(error);
}

void ClearRuntimeError() {
    threadError = RuntimeError{};
}

const RuntimeError& LastRuntimeError() {
    return threadError;
}

void InstallRuntimeErrorTexts(std::vector<std::pair<int32_t, std::string>> texts) {
    std::lock_guard lock(textsMutex);
    installedTexts = std::move(texts);
}

std::string RuntimeErrorText(int32_t code) {
    std::lock_guard lock(textsMutex);
    for (const auto& [known, text] : installedTexts)
        if (known == code) return text;
    return {};
}

} // namespace kvilo::framework
