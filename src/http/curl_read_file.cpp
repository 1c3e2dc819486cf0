#include <cstring>

#include "http/curl_file.h"
#include "http/curl_session.h"

namespace kvilo::http {
namespace {

// The scheme the URL would be fetched with; empty when the URL does not parse.
std::string SchemeOf(std::string_view url) {
    TCurlUrlClass parsed;
    if (!parsed.Renew()) return {};
    const std::string text(url);
    if (curl_url_set(parsed.Handle(), CURLUPART_URL, text.c_str(), CURLU_DEFAULT_SCHEME) != CURLUE_OK) return {};
    char* scheme = nullptr;
    if (curl_url_get(parsed.Handle(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) return {};
    std::string result(scheme, strnlen(scheme, 20));
    curl_free(scheme);
    return result;
}

} // namespace

int TCurlClass::ReadFile(std::string_view url, std::string_view fileName, ProgressFunction progress) {
    TCurlFileClass file;
    file.SetFileName(fileName);
    int code = SetWriteFunction(&WriteToFile, &file);
    if (code == CURLE_OK) code = SetProgressFunction(progress);
    if (code == CURLE_OK) code = SetUrl(url);
    if (code == CURLE_OK && SchemeOf(url) == "ftp") {
        SetOptFunction(CURLOPT_CHUNK_BGN_FUNCTION, &ChunkBegin);
        SetOptFunction(CURLOPT_CHUNK_END_FUNCTION, &ChunkEnd);
        file.SetFileName(fileName);
        SetOptPtr(CURLOPT_CHUNK_DATA, &file);
    }
    if (code == CURLE_OK) code = Perform();
    // The file object dies here: the handle must not keep its address for a later transfer, so later
    // data are dropped instead of written through a dangling pointer.
    SetWriteFunction(&WriteToFile, nullptr);
    SetOptPtr(CURLOPT_CHUNK_DATA, nullptr);
    return code;
}

} // namespace kvilo::http
