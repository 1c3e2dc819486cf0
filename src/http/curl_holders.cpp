#include "http/curl_holders.h"

#include <string>

namespace kvilo::http {

void TCurlUrlClass::Destroy() {
    URLP.reset();
}

bool TCurlUrlClass::Renew() {
    URLP.reset(curl_url());
    return URLP != nullptr;
}

void TCurlSListClass::Destroy() {
    PLIST.reset();
}

bool TCurlSListClass::Append(std::string_view line) {
    const std::string text(line); // the caller's text need not be NUL-terminated
    curl_slist* head = curl_slist_append(PLIST.get(), text.c_str());
    if (head == nullptr) return false; // libcurl left the old list intact
    (void)PLIST.release();
    PLIST.reset(head);
    return true;
}

} // namespace kvilo::http
