#include "core/online/file_checksum.h"

#include <openssl/evp.h>

#include <memory>

#include "platform/file.h"

namespace kvilo::online {
namespace {

using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

std::string Hex(const unsigned char* bytes, unsigned int size) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

} // namespace

std::string Sha256OfFile(std::string_view path) {
    platform::File file;
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) return {};
    DigestContext context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return {};
    char buffer[64 * 1024];
    for (;;) {
        size_t read = 0;
        if (!file.Read(buffer, sizeof buffer, read)) return {};
        if (read == 0) break;
        if (EVP_DigestUpdate(context.get(), buffer, read) != 1) return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &size) != 1) return {};
    return Hex(digest, size);
}

} // namespace kvilo::online
