#pragma once
// The exact lookup of one INN or OGRN through the service's findById route, with the retries a batch needs:
// a 429 answer waits and asks again, a failed transfer or a server fault is tried again a few times.
#include <atomic>
#include <chrono>
#include <string>
#include <string_view>

#include "core/lookup/lookup_services.h"
#include "core/lookup/party_row.h"

namespace kvilo::batch {

enum class CodeOutcome {
    Found,     // `row` holds the entry
    NotFound,  // the register has no entry with this code
    Failed,    // the service could not be asked, or answered with an error; `reason` says which
    Refused,   // the service refuses every request (unknown token, no access): no use asking again
    Cancelled, // the user stopped the check first
};

struct CodeResult {
    CodeOutcome outcome = CodeOutcome::Cancelled;
    lookup::PartyRow row;
    std::string reason; // Windows-1251; empty when found
};

struct RetryPolicy {
    int transferRetries = 3;                           // after a failed transfer or a server fault
    std::chrono::milliseconds transferPause{250};      // before the first of them; doubled each time
    std::chrono::milliseconds rateLimitPause{500};     // after a 429 without Retry-After; doubled each time
    std::chrono::milliseconds rateLimitPauseMax{8000}; // the longest wait between two tries
    int rateLimitTries = 40;                           // 429 answers in a row before the code is given up
};

// The JSON body for `code`: a 10-digit INN or a 13-digit OGRN belongs to a legal entity, whose head office
// alone is asked for; sole traders have no branches.
std::string FindByIdBody(std::string_view code);

// Looks `code` up and retries as `policy` says; stops early (Cancelled) once `cancel` is set.
CodeResult LookUpCode(const lookup::LookupServices& services, const std::string& code, const RetryPolicy& policy,
                      const std::atomic<bool>& cancel);

} // namespace kvilo::batch
