#pragma once
// TCurlClass: the program's one HTTP session, a libcurl easy handle with its URL handle, custom request
// headers and error texts. Every operation returns libcurl's code (0 = success); nothing is shown to the
// user and nothing is thrown. Transfers run synchronously on the calling thread.
#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "http/byte_sink.h"
#include "http/curl_errors.h"
#include "http/curl_holders.h"
#include "http/transfer_limits.h"

namespace kvilo::http {

using ProgressFunction = curl_progress_callback; // libcurl's double-based progress callback
using WriteFunction = curl_write_callback;
using HeaderFunction = curl_write_callback;
using DebugFunction = curl_debug_callback;

// The user agent every session starts with.
inline constexpr std::string_view kDefaultUserAgent = "curl/8.1.2";

class TCurlClass {
public:
    // Construct: the owned holders exist, no easy handle yet.
    TCurlClass();
    virtual ~TCurlClass();
    TCurlClass(const TCurlClass&) = delete;
    TCurlClass& operator=(const TCurlClass&) = delete;

    // The virtual operations, in their fixed order.
    virtual void AddError(int32_t code, std::string_view text);
    virtual void LoadErrors(std::span<const uint8_t> table);
    virtual void Destroy();
    virtual int Init();
    virtual void Cleanup();
    virtual void Reset();
    virtual std::string GetErrorText(int code) const;
    virtual int ReadFile(std::string_view url, std::string_view fileName, ProgressFunction progress = nullptr);
    virtual int OnProgress(double downloadTotal, double downloadNow, double uploadTotal, double uploadNow);
    virtual void OnDebug(curl_infotype type, std::string_view data, std::string_view title);
    virtual void OnDebugData(curl_infotype type, std::string_view data);
    virtual void OnHeader(std::string_view line);

    // Options.
    int SetOptLong(CURLoption option, long value);
    int SetOptPtr(CURLoption option, const void* pointer);
    // Passes a right-trimmed, NUL-terminated copy that the session keeps until the option is set again,
    // Reset or Cleanup: libcurl keeps only the address of some strings (CURLOPT_POSTFIELDS).
    int SetOptString(CURLoption option, std::string_view text);
    int SetUserAgent(std::string_view text);
    int SetDefaultProtocol(std::string_view text);
    // A blank body sets nothing (the method stays as it was); otherwise the right-trimmed body and its size.
    int SetPostFields(std::string_view text);
    int SetSslVersion(long value);
    int SetVerifyPeer(long value);
    // 1 turns the host name check on (libcurl's 2); any other value turns it off.
    int SetVerifyHost(long flag);
    int SetFollowLocation(long value);

    // Bounds every later transfer until Reset or Cleanup: the times as libcurl options, and the answer's
    // size counted as it arrives too, since a chunked answer announces no length. A transfer ended by the
    // size limit returns CURLE_FILESIZE_EXCEEDED.
    int SetTransferLimits(const TransferLimits& limits);
    // Which of the limits ended the transfer that returned `result`; None when none did (or none is set).
    TransferLimit LimitReached(int result) const;
    // PEM certificates trusted beside the system's CA store by every later TLS connection, until Reset or
    // Cleanup. CURLE_SSL_CACERT_BADFILE when the text holds no certificate.
    int AddTrustAnchors(std::string pem);
    // A text the debug trace must never show (the API token): "****" stands in its place, also for a piece
    // of it at the edge of a block. Kept for the session's life.
    void HideInTrace(std::string_view secret);
    // Once the flag is set (from any thread), the running transfer ends with CURLE_ABORTED_BY_CALLBACK. Only
    // transfers whose progress goes to the session (no progress function of their own) watch it.
    void SetAbortFlag(const std::atomic<bool>* flag) { abortFlag_ = flag; }

    // Request headers: they take effect with ApplyHeaders and stay owned by the session.
    bool AddHeader(std::string_view line);
    int ApplyHeaders();
    void FreeHeaders();

    // 0, 3 when the URL cannot be parsed (logged), or the result of handing the URL to the easy handle.
    int SetUrl(std::string_view url);

    // Callback installation. The header and progress callbacks receive this session. The write function
    // receives `data`; each block passes the session first, which counts it against the size limit.
    int SetWriteFunction(WriteFunction function, void* data);
    int SetHeaderFunction(HeaderFunction function = nullptr);
    int ClearHeaderFunction();
    int SetProgressFunction(ProgressFunction function = nullptr);
    int SetDebugFunction(DebugFunction function);

    // Transfers.
    int Perform();
    int Send(std::string_view url, ByteSink* sink, ProgressFunction progress = nullptr);
    int Post(std::string_view body, std::string_view url, ByteSink* sink, ProgressFunction progress = nullptr);

    // Results: 0 when libcurl has no such information.
    long GetInfoLong(CURLINFO info) const;
    long GetResponseCode() const;
    // The low 32 bits of a 64-bit value; `high`, when given, receives the upper 32 bits.
    uint32_t GetInfoOffT(CURLINFO info, uint32_t* high = nullptr) const;

    // Bit n set: debug events of libcurl info type n are logged. All seven types after construction.
    int32_t DebugInfoMask() const { return debugInfoMask_; }
    void SetDebugInfoMask(int32_t mask) { debugInfoMask_ = mask; }

    // The session's side of the libcurl callbacks below.
    size_t DeliverBlock(char* data, size_t size, size_t count);
    bool AbortRequested() const { return abortFlag_ != nullptr && abortFlag_->load(); }
    std::string HideSecrets(std::string_view text) const;

    CURL* Handle() const { return easy_.get(); }

protected:
    // libcurl reads callback options as function pointers, so they are passed as such.
    template <class Function> int SetOptFunction(CURLoption option, Function function) {
        if (!easy_) return CURLE_FAILED_INIT;
        return curl_easy_setopt(easy_.get(), option, function);
    }

private:
    void ApplyDefaultProtocol(const std::string& url);
    void ForgetHandleState();

    using EasyHandle = std::unique_ptr<CURL, CurlDeleter<&curl_easy_cleanup>>;

    EasyHandle easy_;
    std::unique_ptr<TCurlUrlClass> url_;
    int32_t debugInfoMask_ = 255;
    std::unique_ptr<TCurlSListClass> headers_;
    std::unique_ptr<std::vector<ErrorEntry>> errors_;
    // The copies made by SetOptString, one per option: replaced when the option is set again.
    std::map<CURLoption, std::string> optionTexts_;
    // Every answer block passes the session on its way to the caller's write function, to be counted.
    WriteFunction writeFunction_ = nullptr;
    void* writeData_ = nullptr;
    uint64_t received_ = 0;
    bool sizeExceeded_ = false;
    TransferLimits limits_;
    bool limitsSet_ = false;
    std::string trustAnchors_;
    std::vector<std::string> secrets_;
    const std::atomic<bool>* abortFlag_ = nullptr;
};

// The libcurl callbacks the session installs itself. The last argument is libcurl's user pointer.
size_t WriteToSink(char* data, size_t size, size_t count, void* sink) noexcept;
size_t WriteThroughSession(char* data, size_t size, size_t count, void* session) noexcept;
size_t HeaderToSession(char* data, size_t size, size_t count, void* session) noexcept;
int ProgressToSession(void* session, double downloadTotal, double downloadNow, double uploadTotal,
                      double uploadNow) noexcept;
int DebugToSession(CURL* handle, curl_infotype type, char* data, size_t size, void* session) noexcept;

// The title a debug event is logged under: "TEXT", "HEADER_IN", ... or "Unknown info type".
std::string_view DebugTitle(curl_infotype type);

} // namespace kvilo::http
