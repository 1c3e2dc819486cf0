#include "platform/file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os_text.h"

namespace kvilo::platform {
namespace {

int OpenFlags(File::Access access, File::Disposition disposition) {
    int flags = O_CLOEXEC;
    switch (access) {
    case File::Access::Read:
        flags |= O_RDONLY;
        break;
    case File::Access::Write:
        flags |= O_WRONLY;
        break;
    case File::Access::ReadWrite:
        flags |= O_RDWR;
        break;
    }
    switch (disposition) {
    case File::Disposition::CreateAlways:
        flags |= O_CREAT | O_TRUNC;
        break;
    case File::Disposition::OpenAlways:
        flags |= O_CREAT;
        break;
    case File::Disposition::OpenExisting:
        break;
    }
    return flags;
}

// Reads into `bytes` until `size` bytes are in or the file ends, asking `readSome(into, count, done)` again
// when a call is interrupted; on an error its number goes to `lastError`.
template <typename ReadSome>
bool ReadUntilFull(char* bytes, size_t size, size_t& read, int& lastError, ReadSome readSome) {
    while (read < size) {
        ssize_t got = readSome(bytes + read, size - read, read);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            lastError = errno;
            return false;
        }
        if (got == 0) break;
        read += static_cast<size_t>(got);
    }
    return true;
}

} // namespace

File::~File() {
    Close();
}

File::File(File&& other) noexcept : fd_(other.fd_), lastError_(other.lastError_) {
    other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        lastError_ = other.lastError_;
        other.fd_ = -1;
    }
    return *this;
}

// POSIX has no share modes: other readers (and writers) may always open the file, which covers read sharing.
bool File::Open(std::string_view path, Access access, Disposition disposition) {
    Close();
    if (path.empty()) {
        lastError_ = ENOENT;
        return false;
    }
    int flags = OpenFlags(access, disposition);
    // Truncating needs write access; a read-only create-always still empties the file as the caller asked.
    if (disposition == Disposition::CreateAlways && access == Access::Read) flags = (flags & ~O_RDONLY) | O_RDWR;
    do {
        fd_ = ::open(ToOsText(path).c_str(), flags, 0666);
    } while (fd_ < 0 && errno == EINTR);
    lastError_ = fd_ < 0 ? errno : 0;
    return fd_ >= 0;
}

void File::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool File::SeekToEnd() {
    if (fd_ < 0) {
        lastError_ = EBADF;
        return false;
    }
    if (::lseek(fd_, 0, SEEK_END) < 0) {
        lastError_ = errno;
        return false;
    }
    return true;
}

bool File::Write(const void* data, size_t size) {
    if (fd_ < 0) {
        lastError_ = EBADF;
        return false;
    }
    auto bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            lastError_ = written < 0 ? errno : EIO;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool File::Read(void* data, size_t size, size_t& read) {
    read = 0;
    if (fd_ < 0) {
        lastError_ = EBADF;
        return false;
    }
    return ReadUntilFull(static_cast<char*>(data), size, read, lastError_,
                         [this](char* into, size_t count, size_t) { return ::read(fd_, into, count); });
}

bool File::ReadAt(int64_t offset, void* data, size_t size, size_t& read) {
    read = 0;
    if (fd_ < 0 || offset < 0) {
        lastError_ = fd_ < 0 ? EBADF : EINVAL;
        return false;
    }
    return ReadUntilFull(static_cast<char*>(data), size, read, lastError_, [&](char* into, size_t count, size_t done) {
        return ::pread(fd_, into, count, static_cast<off_t>(offset + static_cast<int64_t>(done)));
    });
}

int64_t File::Size() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
        lastError_ = fd_ < 0 ? EBADF : errno;
        return -1;
    }
    return static_cast<int64_t>(info.st_size);
}

bool ReadFileContents(std::string_view path, size_t limit, std::string& contents) {
    File file;
    if (!file.Open(path, File::Access::Read, File::Disposition::OpenExisting)) return false;
    char buffer[16384];
    for (;;) {
        size_t read = 0;
        if (!file.Read(buffer, sizeof buffer, read)) return false;
        if (read == 0) return true;
        contents.append(buffer, read);
        if (contents.size() > limit) return false;
    }
}

std::string SystemErrorText(int code) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    return FromOsText(text);
}

} // namespace kvilo::platform
