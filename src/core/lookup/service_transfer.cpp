#include "core/lookup/service_transfer.h"

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
    if (result == 0) {
        session.AddHeader("Content-Type: application/xml");
        session.AddHeader("Accept: application/json");
        session.AddHeader("Accept-Charset: utf-8");
        session.AddHeader("Authorization: Token " + services.token);
        session.ApplyHeaders();
        result = session.Post(body, services.urls.SuggestPartyUrl(), &sink);
    }
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
