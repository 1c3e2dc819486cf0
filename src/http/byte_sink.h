#pragma once
// Where the bytes of an answer go when they are kept in memory: the caller's growable buffer. The bytes
// arrive exactly as libcurl delivers them, without conversion.
#include <cstddef>
#include <string>
#include <utility>

namespace kvilo::http {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Append(size_t length, const char* bytes) = 0;
};

// The simplest sink: a std::string that grows with every block.
class StringSink : public ByteSink {
public:
    void Append(size_t length, const char* bytes) override { text_.append(bytes, length); }
    const std::string& Text() const { return text_; }
    // Hands the bytes over without a copy; the sink is empty afterwards.
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace kvilo::http
