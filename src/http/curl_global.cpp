#include "http/curl_global.h"

#include <curl/curl.h>

namespace kvilo::http {
namespace {

// Lives from the first session until the process ends; its destructor releases libcurl's global state
// after every static session is gone.
class CurlGlobal {
public:
    CurlGlobal() : code_(curl_global_init(CURL_GLOBAL_DEFAULT)) {}
    ~CurlGlobal() {
        if (code_ == CURLE_OK) curl_global_cleanup();
    }
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;
    int Code() const { return code_; }

private:
    CURLcode code_;
};

} // namespace

int EnsureCurlGlobalInit() {
    static const CurlGlobal global; // initialised once, thread-safe by the language
    return global.Code();
}

} // namespace kvilo::http
