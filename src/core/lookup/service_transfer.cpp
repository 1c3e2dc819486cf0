#include "core/lookup/service_transfer.h"

#include "core/lookup/access_token.h"
#include "core/lookup/lookup_request.h"
#include "http/byte_sink.h"
#include "http/curl_session.h"

namespace kvilo::lookup {

namespace {

// The services are reached over HTTPS with the library's default protocol version and without checking
// the certificate or the host name: the program has always talked to them this way.
int OpenSession(http::TCurlClass& session) {
    int result = session.Init();
    if (result != 0) return result;
    session.SetSslVersion(CURL_SSLVERSION_DEFAULT);
    session.SetVerifyHost(0);
    session.SetVerifyPeer(0);
    return 0;
}

void SetTimeoutAndAgent(http::TCurlClass& session) {
    session.SetOptLong(CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    session.SetUserAgent(kUserAgent);
}

TransferOutcome Finish(http::TCurlClass& session, int result, const http::StringSink& sink, std::string& answer) {
    TransferOutcome outcome;
    outcome.result = result;
    if (result == 0)
        outcome.httpStatus = session.GetResponseCode();
    else
        outcome.errorText = session.GetErrorText(result);
    session.Cleanup();
    answer = sink.Text();
    return outcome;
}

} // namespace

TransferOutcome PostToSuggestions(const std::string& url, const std::string& body, std::string& answer) {
    http::TCurlClass session;
    http::StringSink sink;
    int result = OpenSession(session);
    if (result == 0) {
        const std::string token(kAccessToken, kAccessTokenLength);
        session.AddHeader("Content-Type: application/xml");
        session.AddHeader("Accept: application/json");
        session.AddHeader("Accept-Charset: utf-8");
        session.AddHeader("Authorization: Token " + token);
        session.ApplyHeaders();
        SetTimeoutAndAgent(session);
        result = session.Post(body, url, &sink);
    }
    return Finish(session, result, sink, answer);
}

TransferOutcome GetFromVersionService(const std::string& url, std::string& answer) {
    http::TCurlClass session;
    http::StringSink sink;
    int result = OpenSession(session);
    if (result == 0) {
        SetTimeoutAndAgent(session);
        // An empty body leaves the request a GET.
        result = session.Post("", url, &sink);
    }
    return Finish(session, result, sink, answer);
}

} // namespace kvilo::lookup
