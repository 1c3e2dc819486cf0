#include "certificates.h"

#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

#include <cstdio>

namespace kvilo::fake {
namespace {

constexpr long kValidSeconds = 2 * 24 * 3600;

bool AddExtension(X509* certificate, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    if (extension == nullptr) return false;
    const bool added = X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    return added;
}

bool Describe(X509* certificate, EVP_PKEY* key, const std::string& commonName, const std::string& altName) {
    unsigned char serial[8];
    if (RAND_bytes(serial, sizeof serial) != 1) return false;
    serial[0] &= 0x7F; // a positive number
    BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
    const bool numbered = number != nullptr && BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate));
    BN_free(number);
    X509_NAME* name = X509_get_subject_name(certificate);
    return numbered && X509_set_version(certificate, 2) == 1 &&
           X509_gmtime_adj(X509_getm_notBefore(certificate), -3600) != nullptr &&
           X509_gmtime_adj(X509_getm_notAfter(certificate), kValidSeconds) != nullptr &&
           X509_set_pubkey(certificate, key) == 1 &&
           X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                      reinterpret_cast<const unsigned char*>(commonName.c_str()), -1, -1, 0) == 1 &&
           X509_set_issuer_name(certificate, name) == 1 &&
           AddExtension(certificate, NID_basic_constraints, "critical,CA:TRUE") &&
           AddExtension(certificate, NID_subject_key_identifier, "hash") &&
           AddExtension(certificate, NID_subject_alt_name, altName.c_str());
}

} // namespace

Identity MakeIdentity(const std::string& commonName, const std::string& subjectAltName) {
    Identity identity;
    identity.key.reset(EVP_EC_gen("P-256"));
    identity.certificate.reset(X509_new());
    if (!identity.key || !identity.certificate ||
        !Describe(identity.certificate.get(), identity.key.get(), commonName, subjectAltName) ||
        X509_sign(identity.certificate.get(), identity.key.get(), EVP_sha256()) == 0) {
        return {};
    }
    return identity;
}

bool WriteCertificates(const std::string& path, const Identity& first, const Identity& second) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) return false;
    const bool written =
        PEM_write_X509(file, first.certificate.get()) == 1 && PEM_write_X509(file, second.certificate.get()) == 1;
    return std::fclose(file) == 0 && written;
}

} // namespace kvilo::fake
