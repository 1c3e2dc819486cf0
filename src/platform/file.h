#pragma once
// A file handle in place of CreateFileA / ReadFile / WriteFile / SetFilePointer / GetFileSize. Owns its
// descriptor and closes it on destruction. Failures are return values; LastError keeps the system code.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvilo::platform {

class File {
public:
    enum class Access { Read, Write, ReadWrite };
    enum class Disposition {
        CreateAlways, // create, or truncate an existing file
        OpenAlways,   // open, or create when missing
        OpenExisting, // open; fail when missing
    };

    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens with read sharing: other readers may open the same file meanwhile (POSIX has no share modes,
    // so writers are not kept out either). `path` is 1251.
    bool Open(std::string_view path, Access access, Disposition disposition);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

    bool SeekToEnd();
    // Writes all bytes; false when fewer were written.
    bool Write(const void* data, size_t size);
    // Reads up to `size` bytes; `read` is 0 at the end of the file.
    bool Read(void* data, size_t size, size_t& read);
    // Reads up to `size` bytes from `offset` on, leaving the file position alone; `read` is short only at
    // the end of the file.
    bool ReadAt(int64_t offset, void* data, size_t size, size_t& read);
    // The file's size in bytes, or -1.
    int64_t Size() const;

    int LastError() const { return lastError_; }

private:
    int fd_ = -1;
    mutable int lastError_ = 0;
};

// Reads the whole file at `path` (1251) into `contents`. False when it cannot be opened or read, or when it
// holds more than `limit` bytes; `contents` then keeps what was read before.
bool ReadFileContents(std::string_view path, size_t limit, std::string& contents);

// The platform's text for a system error code (strerror on POSIX).
std::string SystemErrorText(int code);

} // namespace kvilo::platform
