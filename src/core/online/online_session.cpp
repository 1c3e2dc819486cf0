#include "core/online/online_session.h"

#include <utility>

#include "base/blank_text.h"
#include "platform/command_line.h"

namespace kvilo::online {

OutsideAccess OutsideAccessFromParameters() {
    OutsideAccess access;
    access.trustAnchorsFile = std::string(base::Trim(platform::CommandParameter("CAFILE")));
    return access;
}

int PrepareOutsideSession(http::TCurlClass& session, const OutsideAccess& access) {
    const std::pair<CURLoption, long> options[] = {
        {CURLOPT_SSLVERSION, CURL_SSLVERSION_TLSv1_2},
        {CURLOPT_SSL_VERIFYPEER, 1L},
        {CURLOPT_SSL_VERIFYHOST, 2L},
        {CURLOPT_CONNECTTIMEOUT, access.limits.connectSeconds},
        {CURLOPT_LOW_SPEED_LIMIT, access.limits.lowSpeedBytesPerSecond},
        {CURLOPT_LOW_SPEED_TIME, access.limits.lowSpeedSeconds},
        {CURLOPT_TIMEOUT, access.limits.totalSeconds},
    };
    for (const auto& [option, value] : options)
        if (int code = session.SetOptLong(option, value); code != CURLE_OK) return code;
    if (int code = session.SetOptString(CURLOPT_PROTOCOLS_STR, "http,https"); code != CURLE_OK) return code;
    if (int code = session.SetOptString(CURLOPT_REDIR_PROTOCOLS_STR, "http,https"); code != CURLE_OK) return code;
    const auto maxSize = static_cast<curl_off_t>(access.limits.maxBytes);
    if (int code = curl_easy_setopt(session.Handle(), CURLOPT_MAXFILESIZE_LARGE, maxSize); code != CURLE_OK)
        return code;
    if (access.trustAnchorsFile.empty()) return CURLE_OK;
    return session.SetOptString(CURLOPT_CAINFO, access.trustAnchorsFile);
}

} // namespace kvilo::online
