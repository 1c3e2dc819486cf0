#pragma once
// libcurl's process-wide state must be set up once before the first easy handle and torn down once at
// exit; doing it lazily in one guard keeps every session free of that concern.

namespace kvilo::http {

// Runs curl_global_init on the first call of the process; later calls do nothing. Thread-safe.
// Returns libcurl's code from that first initialisation (0 = ready).
int EnsureCurlGlobalInit();

} // namespace kvilo::http
