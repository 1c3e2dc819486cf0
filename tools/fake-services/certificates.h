#pragma once
// The fake services' own certificates, made at start for the run and never committed: one for the address the
// tests use (127.0.0.1) and one made out to another host name, both self-signed. Clients that trust the
// PEM file written beside them (CAFILE) accept the first and still refuse the second for its name.
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <string>

namespace kvilo::fake {

template <auto Fn> struct SslDeleter {
    template <class T> void operator()(T* p) const noexcept { Fn(p); }
};

struct Identity {
    std::unique_ptr<X509, SslDeleter<&X509_free>> certificate;
    std::unique_ptr<EVP_PKEY, SslDeleter<&EVP_PKEY_free>> key;
};

// The host name of the second certificate; it names no machine (".invalid" never resolves).
inline constexpr const char* kOtherHostName = "other-host.invalid";

// A fresh key and a self-signed certificate valid for two days, with `subjectAltName` (for example
// "IP:127.0.0.1" or "DNS:other-host.invalid") and `commonName`. Empty members when OpenSSL fails.
Identity MakeIdentity(const std::string& commonName, const std::string& subjectAltName);

// Writes the certificates, PEM, one after the other; false when the file cannot be written.
bool WriteCertificates(const std::string& path, const Identity& first, const Identity& second);

} // namespace kvilo::fake
