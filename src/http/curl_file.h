#pragma once
// TCurlFileClass: the target file of one download. It is opened only when the first block of data
// arrives, so an answer without a body leaves no file behind (and an older file untouched).
#include <curl/curl.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file.h"

namespace kvilo::http {

inline constexpr size_t kMaxFileNameLength = 259; // a 260-byte path buffer with its terminator

class TCurlFileClass {
public:
    TCurlFileClass() = default;
    virtual ~TCurlFileClass() = default; // the platform file closes itself
    TCurlFileClass(const TCurlFileClass&) = delete;
    TCurlFileClass& operator=(const TCurlFileClass&) = delete;

    virtual void Destroy() { CloseFile(); }
    // True when nothing is open or the file closed; the byte count starts again at 0 in both cases.
    virtual bool CloseFile();

    // The right-trimmed name, cut to 259 bytes. A file still open under the old name is closed.
    void SetFileName(std::string_view name);
    // Opens the named file unless it is open already; true when it is open afterwards.
    bool OpenFile(platform::File::Access access, platform::File::Disposition disposition);
    bool SeekToEnd();
    bool Write(const char* bytes, size_t length, size_t& written);
    // The file's size split into 32-bit halves; 0 and 0 when it cannot be opened or measured. A file
    // opened here for reading is closed again.
    uint32_t GetFileSize(uint32_t* high = nullptr);

    const std::string& FileName() const { return fileName_; }
    bool IsOpen() const { return file_.IsOpen(); }
    uint32_t Position() const { return position_; }
    int LastError() const { return file_.LastError(); }

private:
    std::string fileName_;
    platform::File file_;
    uint32_t position_ = 0;
};

// Write callbacks: the user pointer is the file object (none: the data are dropped). WriteToFile
// replaces an existing file at the first block; AppendToFile keeps it and writes after its end.
size_t WriteToFile(char* data, size_t size, size_t count, void* file) noexcept;
size_t AppendToFile(char* data, size_t size, size_t count, void* file) noexcept;

// The FTP chunk callbacks of wildcard transfers; the user pointer is the file object.
long ChunkBegin(const void* info, void* file, int remains) noexcept;
long ChunkEnd(void* file) noexcept;

} // namespace kvilo::http
