#include "http/curl_holders.h"

#include <string>

namespace kvilo::http {

void TCurlUrlClass::Destroy() {
    url_.reset();
}

bool TCurlUrlClass::Renew() {
    url_.reset(curl_url());
    return url_ != nullptr;
}

void TCurlSListClass::Destroy() {
    list_.reset();
}

bool TCurlSListClass::Append(std::string_view line) {
    const std::string text(line); // the caller's text need not be NUL-terminated
    curl_slist* head = curl_slist_append(list_.get(), text.c_str());
    if (head == nullptr) return false; // libcurl left the old list intact
    (void)list_.release();
    list_.reset(head);
    return true;
}

} // namespace kvilo::http
