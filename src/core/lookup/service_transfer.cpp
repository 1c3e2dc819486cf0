#include "core/lookup/service_transfer.h"

#include <cctype>
#include <string_view>

#include "core/lookup/lookup_request.h"
#include "http/byte_sink.h"
#include "http/curl_session.h"

namespace kvilo::lookup {

namespace {

int OpenSession(http::TCurlClass& session, const LookupServices& services) {
    if (int result = session.Init(); result != 0) return result;
    session.HideInTrace(services.token);
    if (int result = http::PrepareOutsideSession(session, services.access); result != 0) return result;
    session.SetUserAgent(kUserAgent);
    return 0;
}

// The headers of the suggestions service, for a body of `mediaType`, and the POST itself.
int PostWithServiceHeaders(http::TCurlClass& session, const LookupServices& services, const char* mediaType,
                           const std::string& body, const std::string& url, http::StringSink& sink) {
    session.AddHeader(std::string("Content-Type: ") + mediaType);
    session.AddHeader("Accept: application/json");
    session.AddHeader("Accept-Charset: utf-8");
    session.AddHeader("Authorization: Token " + services.token);
    session.ApplyHeaders();
    return session.Post(body, url, &sink);
}

// A session that notes the Retry-After header of an answer (seconds; the HTTP-date form counts as absent).
class RetryAfterSession : public http::TCurlClass {
public:
    int retryAfter = -1;

    void OnHeader(std::string_view line) override {
        constexpr std::string_view kName = "retry-after:";
        if (line.size() <= kName.size()) return;
        for (size_t i = 0; i < kName.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(line[i])) != kName[i]) return;
        int seconds = 0;
        bool any = false;
        for (char c : line.substr(kName.size())) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
            if (c < '0' || c > '9' || seconds > 100000) return;
            seconds = seconds * 10 + (c - '0');
            any = true;
        }
        if (any) retryAfter = seconds;
    }
};

TransferOutcome Finish(http::TCurlClass& session, int result, const LookupServices& services, http::StringSink& sink,
                       std::string& answer) {
    TransferOutcome outcome;
    outcome.result = result;
    // A body cut off mid-way still came with a status, which the user is told.
    outcome.httpStatus = session.GetResponseCode();
    outcome.cutOff = result == CURLE_PARTIAL_FILE;
    if (result != 0) {
        outcome.errorText = session.GetErrorText(result);
        outcome.limitText = http::DescribeLimit(session.LimitReached(result), services.access.limits);
    }
    session.Cleanup();
    answer = sink.Take();
    return outcome;
}

} // namespace

TransferOutcome PostToSuggestions(const LookupServices& services, const std::string& body, std::string& answer) {
    http::TCurlClass session;
    http::StringSink sink;
    int result = OpenSession(session, services);
    if (result == 0)
        result =
            PostWithServiceHeaders(session, services, "application/xml", body, services.urls.SuggestPartyUrl(), sink);
    return Finish(session, result, services, sink, answer);
}

TransferOutcome PostToFindById(const LookupServices& services, const std::string& body, std::string& answer,
                               int& retryAfter) {
    RetryAfterSession session;
    http::StringSink sink;
    int result = OpenSession(session, services);
    if (result == 0) result = session.SetHeaderFunction();
    if (result == 0)
        result =
            PostWithServiceHeaders(session, services, "application/json", body, services.urls.FindPartyByIdUrl(), sink);
    retryAfter = session.retryAfter;
    return Finish(session, result, services, sink, answer);
}

TransferOutcome GetFromVersionService(const LookupServices& services, std::string& answer) {
    http::TCurlClass session;
    http::StringSink sink;
    int result = OpenSession(session, services);
    // An empty body leaves the request a GET.
    if (result == 0) result = session.Post("", services.urls.VersionUrl(), &sink);
    return Finish(session, result, services, sink, answer);
}

} // namespace kvilo::lookup
