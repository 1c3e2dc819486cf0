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

// A service error is shown only when the answer names its family; anything else stays silent.
void ReportServiceError(std::string_view answer, bool maskToken) {
    ServiceError error;
    if (!LoadServiceError(answer, error) || base::Trim(error.FAMILY.View()).empty()) return;
    if (maskToken) error.MESSAGE = MaskToken(error.MESSAGE.View());
    framework::ShowMessage(ServiceErrorMessage(error));
}

void Request(LookupData& data, const ServiceUrls& urls) {
    std::string answer;
    std::string body = BuildRequestBody(data.query.substr(0, kMaxQueryLength), data.legalForm, data.region);
    data.lastOutcome = PostToSuggestions(urls.SuggestPartyUrl(), body, answer);
    data.requestSent = true;
    const TransferOutcome& outcome = data.lastOutcome;
    if (outcome.result != 0) {
        framework::ShowMessage(TransferFailedMessage(outcome.result, outcome.errorText));
    } else if (outcome.httpStatus == kHttpOk) {
        if (MapAnswer(answer, data.rows) == 0) framework::ShowMessage(NothingFoundMessage(data.query));
    } else {
        ReportServiceError(answer, true);
    }
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

bool RunLookup(LookupData& data, LookupView& view, const ServiceUrls& urls) {
    data.requestSent = false;
    if (base::Trim(data.query).empty()) {
        view.FocusQuery();
        return false;
    }
    data.statusLine = "Запрос информации ..."_ansi;
    view.ShowStatusLine(data.statusLine);
    data.rows.clear();
    Request(data, urls);
    data.rowCount = static_cast<int32_t>(data.rows.size());
    data.lastRegion = data.region;
    if (data.actualityDate == 0 && QueryActuality(data, urls)) return true;
    data.statusLine = ShowCounters(data.actualityDate, data.rowCount);
    ShowEndState(data, view);
    return false;
}

bool QueryActuality(LookupData& data, const ServiceUrls& urls) {
    std::string answer;
    TransferOutcome outcome = GetFromVersionService(urls.VersionUrl(), answer);
    if (outcome.result != 0) {
        framework::ShowMessage(TransferFailedMessage(outcome.result, outcome.errorText));
    } else if (outcome.httpStatus == kHttpOk) {
        VersionAnswer version;
        LoadVersionAnswer(answer, version);
        std::string_view date = base::Trim(version.SUGGESTIONS.RESOURCES.D1.View());
        // A date that does not match the picture reads as 0: still unknown, tried again next time.
        if (!date.empty()) data.actualityDate = static_cast<int32_t>(base::DeformatPicture(date, "@d06.").integer());
    } else {
        ReportServiceError(answer, false);
    }
    return false;
}

} // namespace kvilo::lookup
