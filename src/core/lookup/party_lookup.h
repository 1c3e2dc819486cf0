#pragma once
// The lookup behind the main window's "Запрос": the request to the suggestions service, the result list,
// the service actuality query and the status line. The window (or the command line) owns the data and
// shows what happens through a LookupView and the message presenter.
#include <cstdint>
#include <string>

#include "core/lookup/lookup_services.h"
#include "core/lookup/lookup_view.h"
#include "core/lookup/party_row.h"
#include "core/lookup/service_transfer.h"

namespace kvilo::lookup {

// How the last lookup ended.
enum class LookupEnd {
    NotSent,    // the query was blank
    Rows,       // the register has entries for the query
    NoRows,     // the service found nothing
    Failed,     // the transfer failed or the service answered with an error
    Unreadable, // the answer was cut off or could not be read
};

struct LookupData {
    std::string query;           // Windows-1251, at most 200 characters
    uint8_t legalForm = 2;       // 0 legal entities, 1 sole traders, 2 both
    uint8_t region = 0;          // 0 all regions
    PartyRows rows;              // the result list
    PartyRow currentRow;         // the list's row buffer
    std::string statusLine;      // at most 120 characters
    int32_t actualityDate = 0;   // of the register data, once known
    int32_t rowCount = 0;        // rows after the last lookup
    uint8_t lastRegion = 0;      // region of the last lookup: DaSrf of the records opened from it
    TransferOutcome lastOutcome; // of the last suggestions request
    LookupEnd end = LookupEnd::NotSent;
};

// Runs one lookup: the rows are shown before the actuality query runs, so that a slow version service never
// holds them back. Returns the stop flag: true when the window is closing (the lookup then ends at once).
bool RunLookup(LookupData& data, LookupView& view, const LookupServices& services);

// Reads the date of the register data from the version service into data.actualityDate. Returns the stop
// flag, as RunLookup.
bool QueryActuality(LookupData& data, LookupView& view, const LookupServices& services);

} // namespace kvilo::lookup
