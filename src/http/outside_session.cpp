#include "http/outside_session.h"

#include "base/blank_text.h"
#include "http/curl_log.h"
#include "platform/command_line.h"
#include "platform/file.h"

namespace kvilo::http {
namespace {

// A file of trusted certificates is a few kilobytes; anything near this size is not one.
constexpr size_t kMaxAnchorsFile = 1u << 20;

int AddAnchorsFrom(TCurlClass& session, const std::string& path) {
    std::string pem;
    if (!platform::ReadFileContents(path, kMaxAnchorsFile, pem)) {
        Log("CAFILE " + path + " cannot be read");
        return CURLE_SSL_CACERT_BADFILE;
    }
    const int code = session.AddTrustAnchors(std::move(pem));
    if (code == CURLE_SSL_CACERT_BADFILE) Log("CAFILE " + path + " holds no PEM certificate");
    return code;
}

} // namespace

OutsideAccess OutsideAccessFromParameters() {
    OutsideAccess access;
    access.trustAnchorsFile = std::string(base::Trim(platform::CommandParameter("CAFILE")));
    return access;
}

int PrepareOutsideSession(TCurlClass& session, const OutsideAccess& access) {
    const std::pair<CURLoption, long> verification[] = {
        {CURLOPT_SSLVERSION, CURL_SSLVERSION_TLSv1_2},
        {CURLOPT_SSL_VERIFYPEER, 1L},
        {CURLOPT_SSL_VERIFYHOST, 2L},
    };
    for (const auto& [option, value] : verification) {
        if (int code = session.SetOptLong(option, value); code != CURLE_OK) return code;
    }
    // Neither the address given nor a redirect may lead to a file, an FTP server or any other protocol.
    if (int code = session.SetOptString(CURLOPT_PROTOCOLS_STR, "http,https"); code != CURLE_OK) return code;
    if (int code = session.SetOptString(CURLOPT_REDIR_PROTOCOLS_STR, "http,https"); code != CURLE_OK) return code;
    if (int code = session.SetTransferLimits(access.limits); code != CURLE_OK) return code;
    session.SetAbortFlag(access.abort);
    if (access.trustAnchorsFile.empty()) return CURLE_OK;
    return AddAnchorsFrom(session, access.trustAnchorsFile);
}

} // namespace kvilo::http
