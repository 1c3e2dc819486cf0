#include "core/lookup/party_lookup.h"

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "base/pictures.h"
#include "core/framework/message_presenter.h"
#include "core/lookup/lookup_request.h"
#include "core/lookup/party_answer.h"
#include "core/lookup/service_error.h"
#include "core/lookup/status_line.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

constexpr long kHttpOk = 200;

// A service error is shown only when the answer names its family; false when it does not.
bool ReportServiceError(std::string_view answer, std::string_view token) {
    ServiceError error;
    if (!LoadServiceError(answer, token, error) || base::Trim(error.FAMILY.View()).empty()) return false;
    framework::ShowMessage(ServiceErrorMessage(error));
    return true;
}

LookupEnd Unreadable(long httpStatus) {
    framework::ShowMessage(UnreadableAnswerMessage(httpStatus));
    return LookupEnd::Unreadable;
}

LookupEnd Examine(const TransferOutcome& outcome, const std::string& answer, LookupData& data,
                  const LookupServices& services) {
    if (outcome.cutOff) return Unreadable(outcome.httpStatus);
    if (outcome.result != 0) {
        framework::ShowMessage(TransferFailedMessage(outcome.result, outcome.errorText, outcome.limitText));
        return LookupEnd::Failed;
    }
    if (outcome.httpStatus != kHttpOk)
        return ReportServiceError(answer, services.token) ? LookupEnd::Failed : Unreadable(outcome.httpStatus);
    const int items = MapAnswer(answer, data.rows);
    if (items == kUnreadableAnswer) return Unreadable(outcome.httpStatus);
    if (items > 0) return LookupEnd::Rows;
    framework::ShowMessage(NothingFoundMessage(data.query));
    return LookupEnd::NoRows;
}

std::string StatusAfter(const LookupData& data) {
    if (data.end == LookupEnd::Unreadable) return UnreadableStatusLine(data.lastOutcome.httpStatus);
    return ShowCounters(data.actualityDate, data.rowCount);
}

// Sends the request and examines the answer; false when the window closed meanwhile. The answer, up to the
// size limit, is let go before the actuality query runs.
bool Request(LookupData& data, LookupView& view, const LookupServices& services) {
    const std::string body = BuildRequestBody(data.query.substr(0, kMaxQueryLength), data.legalForm, data.region);
    std::string answer;
    TransferOutcome outcome;
    view.RunTransfer([&] { outcome = PostToSuggestions(services, body, answer); });
    data.lastOutcome = outcome;
    data.end = LookupEnd::Failed;
    if (view.Closing()) return false;
    data.end = Examine(outcome, answer, data, services);
    return true;
}

void ShowEndState(LookupData& data, LookupView& view) {
    view.Refresh();
    if (data.rows.empty()) {
        data.currentRow = {};
        view.EnableRowButtons(false);
    } else {
        data.currentRow = data.rows.front();
        view.SelectRow(0);
        view.EnableRowButtons(true);
    }
    view.FocusList();
    view.ShowAddressLine(data.currentRow.QFAddress.Str());
}

} // namespace

bool RunLookup(LookupData& data, LookupView& view, const LookupServices& services) {
    data.end = LookupEnd::NotSent;
    if (base::Trim(data.query).empty()) {
        view.FocusQuery();
        return false;
    }
    data.statusLine = "Запрос информации ..."_ansi;
    view.ShowStatusLine(data.statusLine);
    data.rows.clear();
    if (!Request(data, view, services)) return true;
    data.rowCount = static_cast<int32_t>(data.rows.size());
    data.lastRegion = data.region;
    data.statusLine = StatusAfter(data);
    ShowEndState(data, view);
    if (data.actualityDate != 0) return false;
    if (QueryActuality(data, view, services)) return true;
    data.statusLine = StatusAfter(data);
    view.ShowStatusLine(data.statusLine);
    return false;
}

bool QueryActuality(LookupData& data, LookupView& view, const LookupServices& services) {
    std::string answer;
    TransferOutcome outcome;
    view.RunTransfer([&] { outcome = GetFromVersionService(services, answer); });
    if (view.Closing()) return true;
    if (outcome.result != 0) {
        framework::ShowMessage(TransferFailedMessage(outcome.result, outcome.errorText, outcome.limitText));
    } else if (outcome.httpStatus == kHttpOk) {
        VersionAnswer version;
        LoadVersionAnswer(answer, version);
        std::string_view date = base::Trim(version.SUGGESTIONS.RESOURCES.D1.View());
        // A date that does not match the picture reads as 0: still unknown, tried again next time.
        if (!date.empty()) data.actualityDate = static_cast<int32_t>(base::DeformatPicture(date, "@d06.").integer());
    } else {
        // The date is a convenience: an answer without an error record leaves it unknown without a word.
        ReportServiceError(answer, services.token);
    }
    return false;
}

} // namespace kvilo::lookup
