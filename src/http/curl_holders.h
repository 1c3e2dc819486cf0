#pragma once
// Owners of the two libcurl objects a session keeps besides its easy handle: the URL handle that SetUrl
// parses into, and the list of custom request headers. Each frees its object in Destroy and on
// destruction, so no path leaks it.
#include <curl/curl.h>

#include <memory>
#include <string_view>

namespace kvilo::http {

template <auto Fn> struct CurlDeleter {
    template <class T> void operator()(T* p) const noexcept { Fn(p); }
};

class TCurlUrlClass {
public:
    TCurlUrlClass() = default;
    virtual ~TCurlUrlClass() = default;
    TCurlUrlClass(const TCurlUrlClass&) = delete;
    TCurlUrlClass& operator=(const TCurlUrlClass&) = delete;

    // curl_url_cleanup of the held handle, if any.
    virtual void Destroy();

    // Frees the held handle and takes a new one from curl_url; false when libcurl has none to give.
    bool Renew();
    CURLU* Handle() const { return url_.get(); }

private:
    std::unique_ptr<CURLU, CurlDeleter<&curl_url_cleanup>> url_;
};

class TCurlSListClass {
public:
    TCurlSListClass() = default;
    virtual ~TCurlSListClass() = default;
    TCurlSListClass(const TCurlSListClass&) = delete;
    TCurlSListClass& operator=(const TCurlSListClass&) = delete;

    // curl_slist_free_all of the list, which is empty afterwards.
    virtual void Destroy();

    // Appends a copy of the line (libcurl copies it as a NUL-terminated text). False when out of memory;
    // the list is then unchanged.
    bool Append(std::string_view line);
    curl_slist* Head() const { return list_.get(); }

private:
    std::unique_ptr<curl_slist, CurlDeleter<&curl_slist_free_all>> list_;
};

} // namespace kvilo::http
