#pragma once
// The debug-output sink in place of OutputDebugStringA. Off by default; with the environment variable
// KVILO_DEBUG=1 every line goes to standard error. Tests install a capture and read the lines back.
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::platform {

class DebugSink {
public:
    virtual ~DebugSink() = default;
    virtual void Write(std::string_view line) = 0;
};

// Writes one line (no line break needed) to the current sink. Safe from any thread.
void DebugOutput(std::string_view line);

// Installs `sink` for the whole process and returns the one it replaces; nullptr restores the default.
DebugSink* SetDebugSink(DebugSink* sink);

// Captures every debug line while it lives (tests). Thread-safe; restores the previous sink on destruction.
class ScopedDebugCapture : public DebugSink {
public:
    ScopedDebugCapture();
    ~ScopedDebugCapture() override;
    ScopedDebugCapture(const ScopedDebugCapture&) = delete;
    ScopedDebugCapture& operator=(const ScopedDebugCapture&) = delete;

    void Write(std::string_view line) override;
    std::vector<std::string> Lines() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    DebugSink* previous_;
};

} // namespace kvilo::platform
