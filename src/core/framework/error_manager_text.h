#pragma once
// The details of a failure as one thread knows them, and the substitution of those details into a
// catalogue text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::framework {

// Widths of the per-thread detail fields, in 1251 characters.
inline constexpr size_t kDetailWidth = 1024;     // field, file, key and message names
inline constexpr size_t kRuntimeTextWidth = 255; // the captured runtime texts
inline constexpr size_t kWorkBufferWidth = 2000; // a substituted text

struct ErrorDetails {
    // Set by the caller before Throw.
    std::string field;
    std::string file;
    std::string key;
    std::string message;
    std::string category;
    // Captured from the runtime's last error when a message is built.
    std::string errorFile;
    int32_t errorCode = 0;
    std::string errorText;
    std::string fileErrorCode;
    std::string fileErrorText;
    // The procedure this thread runs at present (its latest pushed name).
    std::string procedure;
};

// `value` without trailing blanks, cut to `width` characters.
std::string DetailText(std::string_view value, size_t width);

// What "%ErrorText" stands for: "text (code)", or the driver's own "text (code)" for the codes with which a
// file driver reports an error of its own (90, 100, 47).
std::string ErrorTextPlaceholder(const ErrorDetails& details);

// Replaces the placeholders of a catalogue text, longest first where one begins with another ("%ErrorFile",
// "%FileErrorCode", "%FileError", "%File", "%Key", "%ErrorCode", "%ErrorText", "%Error", "%Message", "%Field",
// "%Procedure", "%Category", "%Previous"). The text is scanned once: a substituted value is never scanned
// again, so a file or message name that itself holds "%Field" is shown as it is. The result is cut to the
// 2000-character work buffer.
std::string SubstituteErrorText(std::string_view text, const ErrorDetails& details, std::string_view procedure,
                                std::string_view previous);

} // namespace kvilo::framework
