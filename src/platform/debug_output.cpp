#include "platform/debug_output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kvilo::platform {
namespace {

// Held while a line is written, so that a sink cannot be replaced (and destroyed) in the middle of a write.
// Recursive because a sink may itself trace.
std::recursive_mutex& SinkMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

DebugSink* gSink = nullptr;

// Off unless KVILO_DEBUG=1; read on every line so that the switch also works for a running test.
void WriteToStandardError(std::string_view line) {
    const char* flag = std::getenv("KVILO_DEBUG");
    if (flag == nullptr || std::strcmp(flag, "1") != 0) return;
    std::string text(line);
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

} // namespace

void DebugOutput(std::string_view line) {
    std::lock_guard lock(SinkMutex());
    if (gSink != nullptr)
        gSink->Write(line);
    else
        WriteToStandardError(line);
}

DebugSink* SetDebugSink(DebugSink* sink) {
    std::lock_guard lock(SinkMutex());
    DebugSink* previous = gSink;
    gSink = sink;
    return previous;
}

ScopedDebugCapture::ScopedDebugCapture() : previous_(SetDebugSink(this)) {}

ScopedDebugCapture::~ScopedDebugCapture() {
    SetDebugSink(previous_);
}

void ScopedDebugCapture::Write(std::string_view line) {
    std::lock_guard lock(mutex_);
    lines_.emplace_back(line);
}

std::vector<std::string> ScopedDebugCapture::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void ScopedDebugCapture::Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

} // namespace kvilo::platform
