#pragma once
// The one place where a session is made fit for a host outside the machine. Every transfer of the program
// with a web service (the lookup, the actuality query, the update check, the map, every download) goes
// through PrepareOutsideSession, so that none can forget to verify the server or to bound the transfer.
#include <atomic>
#include <string>

#include "http/curl_session.h"
#include "http/transfer_limits.h"

namespace kvilo::http {

struct OutsideAccess {
    // CAFILE: a PEM file of certificates trusted beside the system's CA store (the fake services' own, for
    // tests and the demo); empty: the system's store alone.
    std::string trustAnchorsFile;
    TransferLimits limits = kServiceLimits;
    // Set by the owner (from any thread) to end a running transfer early; none: transfers run to their end.
    const std::atomic<bool>* abort = nullptr;
};

// The program's access: the trust anchors of the named parameter CAFILE, the program's limits.
OutsideAccess OutsideAccessFromParameters();

// Prepares an initialised session: TLS 1.2 or later with the server's certificate chain and host name
// verified against the system's CA store and the trust anchors, HTTP and HTTPS only (redirects too), the
// limits, the abort flag. Returns 0, or the code the transfer must fail with: CURLE_SSL_CACERT_BADFILE when
// the trust anchors file cannot be read or holds no certificate.
int PrepareOutsideSession(TCurlClass& session, const OutsideAccess& access);

} // namespace kvilo::http
