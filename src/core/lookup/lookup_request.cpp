#include "core/lookup/lookup_request.h"

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/control_text.h"
#include "base/markup_text.h"

namespace kvilo::lookup {

std::string BuildRequestBody(std::string_view query, uint8_t legalForm, uint8_t region) {
    // A control character ends up a blank either way; blanked first, it is trimmed like one.
    const std::string blanked = base::BlankControls(query);
    std::string body = "<req><query>";
    body += base::EscapeMarkup(base::AnsiToUtf8(base::RightTrim(blanked)), true);
    body += "</query><count>" + std::to_string(kHitsAskedFor) + "</count>";
    if (legalForm == kLegalOnly)
        body += "<type>LEGAL</type>";
    else if (legalForm == kIndividualOnly)
        body += "<type>INDIVIDUAL</type>";
    if (region != 0) body += "<locations><kladr_id>" + std::to_string(region) + "</kladr_id></locations>";
    body += "</req>";
    return body;
}

} // namespace kvilo::lookup
