#include "http/trust_anchors.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <climits>
#include <memory>

namespace kvilo::http {
namespace {

template <auto Fn> struct SslDeleter {
    template <class T> void operator()(T* p) const noexcept { Fn(p); }
};
using Bio = std::unique_ptr<BIO, SslDeleter<&BIO_free>>;
using Certificate = std::unique_ptr<X509, SslDeleter<&X509_free>>;

// Calls `use` with each certificate of the text; returns how many there were.
template <class Use> int ForEachCertificate(std::string_view pem, Use use) {
    if (pem.empty() || pem.size() > INT_MAX) return 0;
    Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    if (!bio) return 0;
    int count = 0;
    while (Certificate certificate{PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr)}) {
        use(certificate.get());
        ++count;
    }
    ERR_clear_error(); // the end of the text reads as an error; it must not reach the next TLS call
    return count;
}

} // namespace

int CountCertificates(std::string_view pem) {
    return ForEachCertificate(pem, [](X509*) {});
}

CURLcode AddTrustAnchorsToContext(CURL*, void* sslContext, void* anchors) noexcept {
    X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
    const auto* pem = static_cast<const std::string*>(anchors);
    if (store == nullptr || pem == nullptr) return CURLE_SSL_CACERT_BADFILE;
    bool added = true;
    const int count = ForEachCertificate(*pem, [&](X509* certificate) {
        // A certificate the store holds already (the system trusts it too) is no failure.
        if (X509_STORE_add_cert(store, certificate) != 1 &&
            ERR_GET_REASON(ERR_peek_last_error()) != X509_R_CERT_ALREADY_IN_HASH_TABLE) {
            added = false;
        }
    });
    return count > 0 && added ? CURLE_OK : CURLE_SSL_CACERT_BADFILE;
}

} // namespace kvilo::http
