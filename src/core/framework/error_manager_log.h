#pragma once
// The error manager's log "AppError.Log": one line per message shown while logging is on.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"

namespace kvilo::framework {

inline constexpr const char* kErrorLogName = "AppError.Log";

// The three steps of adding a line. Each returns false and puts the runtime's error text into `error` when
// the step fails; Close is called after a successful Open even when Append failed.
class ErrorLogWriter {
public:
    virtual ~ErrorLogWriter() = default;
    virtual bool Open(const std::string& path, std::string& error) = 0;
    virtual bool Append(std::string_view line, std::string& error) = 0;
    virtual bool Close(std::string& error) = 0;
};

// Appends to the file, creating it when missing. Writes are unbuffered, so nothing is left to fail at close.
class FileErrorLogWriter : public ErrorLogWriter {
public:
    bool Open(const std::string& path, std::string& error) override;
    bool Append(std::string_view line, std::string& error) override;
    bool Close(std::string& error) override;

private:
    platform::File file_;
};

// "<short date>@<hh:mm:ss> --> <text>" for a day number and a time (hundredths of a second since midnight
// plus 1).
std::string ErrorLogLine(int32_t day, int32_t time, std::string_view text);

// Adds one line; returns the failures to report, each "Unable to Open error log; ", "Unable to update error
// log; " or "Unable to close error log; " followed by the runtime's error text (none on success).
std::vector<std::string> AppendErrorLog(ErrorLogWriter& writer, const std::string& path, std::string_view line);

} // namespace kvilo::framework
