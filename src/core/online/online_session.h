#pragma once
// How the online extras reach the maker's site and the map service: verified TLS, only HTTP and HTTPS, and
// every transfer bounded in time and size. One call prepares a session; every transfer here makes it.
#include <atomic>
#include <cstdint>
#include <string>

#include "http/curl_session.h"

namespace kvilo::online {

struct TransferLimits {
    long connectSeconds = 20;         // connecting, the TLS handshake included
    long lowSpeedBytesPerSecond = 10; // an answer slower than this ...
    long lowSpeedSeconds = 15;        // ... for this long is given up
    long totalSeconds = 60;           // the whole transfer
    uint64_t maxBytes = 16u << 20;    // the answer's body
};

struct OutsideAccess {
    std::string trustAnchorsFile; // CAFILE: certificates trusted for the transfer; empty: the system's store
    TransferLimits limits;
    const std::atomic<bool>* abort = nullptr; // set from any thread to end the transfer early
};

// The access the command line gives (CAFILE), with the default limits.
OutsideAccess OutsideAccessFromParameters();

// Prepares an initialised session: TLS 1.2 or later with the certificate chain and the host name verified,
// HTTP and HTTPS only (redirects too), the time and size limits. Returns 0 or libcurl's code.
int PrepareOutsideSession(http::TCurlClass& session, const OutsideAccess& access);

} // namespace kvilo::online
