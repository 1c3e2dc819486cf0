#pragma once
// Extra trusted certificates (CAFILE) added to the CA store that libcurl has loaded from the system, so that
// both the system's authorities and the extra anchors are trusted. CURLOPT_CAINFO would replace the system's
// bundle instead. libcurl must use OpenSSL (Debian's libcurl4-openssl-dev does).
#include <curl/curl.h>

#include <string>
#include <string_view>

namespace kvilo::http {

// The number of PEM certificates in `pem` that OpenSSL can read.
int CountCertificates(std::string_view pem);

// CURLOPT_SSL_CTX_FUNCTION: adds every certificate of the PEM text `anchors` (a const std::string*) to the
// connection's certificate store.
CURLcode AddTrustAnchorsToContext(CURL* handle, void* sslContext, void* anchors) noexcept;

} // namespace kvilo::http
