#include "http/curl_session.h"

#include "base/blank_text.h"
#include "http/curl_global.h"
#include "http/curl_log.h"
#include "http/trace_secrets.h"
#include "http/trust_anchors.h"

#include <utility>

namespace kvilo::http {

TCurlClass::TCurlClass()
    : url_(std::make_unique<TCurlUrlClass>()), headers_(std::make_unique<TCurlSListClass>()),
      errors_(std::make_unique<std::vector<ErrorEntry>>()) {}

TCurlClass::~TCurlClass() {
    TCurlClass::Destroy();
}

void TCurlClass::AddError(int32_t code, std::string_view text) {
    if (errors_) errors_->push_back({code, std::string(text)});
}

void TCurlClass::LoadErrors(std::span<const uint8_t> table) {
    if (errors_) ReadErrorTable(table, *errors_);
}

void TCurlClass::Destroy() {
    Cleanup();
    url_.reset();
    headers_.reset();
    errors_.reset();
}

int TCurlClass::Init() {
    if (EnsureCurlGlobalInit() != CURLE_OK) return CURLE_FAILED_INIT;
    // A second Init must not leak the first handle.
    easy_.reset(curl_easy_init());
    if (!url_) url_ = std::make_unique<TCurlUrlClass>();
    if (!headers_) headers_ = std::make_unique<TCurlSListClass>();
    if (!errors_) errors_ = std::make_unique<std::vector<ErrorEntry>>();
    if (!easy_ || !url_->Renew()) return CURLE_FAILED_INIT;
    LoadErrors(BuiltInErrorTable());
    return SetUserAgent(kDefaultUserAgent);
}

void TCurlClass::Cleanup() {
    FreeHeaders();
    easy_.reset();
    if (url_) url_->Destroy();
    ForgetHandleState(); // no handle refers to it any longer
}

void TCurlClass::Reset() {
    FreeHeaders();
    if (url_ && url_->Handle()) curl_url_set(url_->Handle(), CURLUPART_URL, nullptr, 0);
    if (easy_) {
        curl_easy_reset(easy_.get());
        ForgetHandleState(); // the reset handle no longer points at it
    }
}

// What the handle's options referred to; the secrets stay, so that no later trace shows them.
void TCurlClass::ForgetHandleState() {
    optionTexts_.clear();
    writeFunction_ = nullptr;
    writeData_ = nullptr;
    limitsSet_ = false;
    trustAnchors_.clear();
}

std::string TCurlClass::GetErrorText(int code) const {
    if (errors_) {
        for (const ErrorEntry& entry : *errors_) {
            if (entry.ID == code) return entry.MESSAGE;
        }
    }
    return curl_easy_strerror(static_cast<CURLcode>(code));
}

int TCurlClass::OnProgress(double, double, double, double) {
    return 0;
}

void TCurlClass::OnDebug(curl_infotype type, std::string_view data, std::string_view title) {
    const unsigned bit = static_cast<unsigned>(type);
    if (bit >= 32 || (static_cast<uint32_t>(debugInfoMask_) & (1u << bit)) == 0) return;
    std::string line(base::RightTrim(title));
    line += ": ";
    line += base::RightTrim(data);
    Log(line);
}

void TCurlClass::OnDebugData(curl_infotype, std::string_view) {}

void TCurlClass::OnHeader(std::string_view) {}

int TCurlClass::SetOptLong(CURLoption option, long value) {
    if (!easy_) return CURLE_FAILED_INIT;
    return curl_easy_setopt(easy_.get(), option, value);
}

int TCurlClass::SetOptPtr(CURLoption option, const void* pointer) {
    if (!easy_) return CURLE_FAILED_INIT;
    return curl_easy_setopt(easy_.get(), option, pointer);
}

int TCurlClass::SetOptString(CURLoption option, std::string_view text) {
    if (!easy_) return CURLE_FAILED_INIT;
    std::string& slot = optionTexts_[option];
    // The previous copy stays alive until libcurl has been given the new address.
    const std::string previous = std::exchange(slot, std::string(base::RightTrim(text)));
    return curl_easy_setopt(easy_.get(), option, slot.c_str());
}

int TCurlClass::SetUserAgent(std::string_view text) {
    return SetOptString(CURLOPT_USERAGENT, text);
}

int TCurlClass::SetDefaultProtocol(std::string_view text) {
    return SetOptString(CURLOPT_DEFAULT_PROTOCOL, text);
}

int TCurlClass::SetPostFields(std::string_view text) {
    const std::string_view body = base::RightTrim(text);
    if (body.empty()) return CURLE_OK;
    if (int code = SetOptString(CURLOPT_POSTFIELDS, body); code != CURLE_OK) return code;
    return SetOptLong(CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
}

int TCurlClass::SetSslVersion(long value) {
    return SetOptLong(CURLOPT_SSLVERSION, value);
}

int TCurlClass::SetVerifyPeer(long value) {
    return SetOptLong(CURLOPT_SSL_VERIFYPEER, value);
}

int TCurlClass::SetVerifyHost(long flag) {
    return SetOptLong(CURLOPT_SSL_VERIFYHOST, flag == 1 ? 2L : 0L);
}

int TCurlClass::SetFollowLocation(long value) {
    return SetOptLong(CURLOPT_FOLLOWLOCATION, value);
}

bool TCurlClass::AddHeader(std::string_view line) {
    return headers_ && headers_->Append(line);
}

int TCurlClass::ApplyHeaders() {
    return SetOptPtr(CURLOPT_HTTPHEADER, headers_ ? headers_->Head() : nullptr);
}

void TCurlClass::FreeHeaders() {
    // The easy handle lets go of the list before it is freed, so no transfer can see a freed list.
    if (easy_) curl_easy_setopt(easy_.get(), CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
    if (headers_) headers_->Destroy();
}

int TCurlClass::SetUrl(std::string_view url) {
    if (!url_ || !url_->Handle()) return CURLE_FAILED_INIT;
    CURLU* handle = url_->Handle();
    curl_url_set(handle, CURLUPART_URL, nullptr, 0);
    const std::string text(base::RightTrim(url));
    const CURLUcode parsed =
        curl_url_set(handle, CURLUPART_URL, text.c_str(), CURLU_DEFAULT_SCHEME | CURLU_ALLOW_SPACE);
    if (parsed != CURLUE_OK) {
        Log("TCurlClass.SetUrl(" + text + ") error: " + curl_url_strerror(parsed));
        return CURLE_URL_MALFORMAT;
    }
    ApplyDefaultProtocol(text);
    return SetOptPtr(CURLOPT_CURLU, handle);
}

void TCurlClass::ApplyDefaultProtocol(const std::string& url) {
    // The URL parser gives a URL without a scheme libcurl's own default, https; a session that was given
    // a default protocol fetches such URLs with that protocol, as CURLOPT_DEFAULT_PROTOCOL promises.
    const auto protocol = optionTexts_.find(CURLOPT_DEFAULT_PROTOCOL);
    if (protocol == optionTexts_.end() || protocol->second.empty()) return;
    TCurlUrlClass probe;
    if (!probe.Renew()) return;
    if (curl_url_set(probe.Handle(), CURLUPART_URL, url.c_str(), CURLU_ALLOW_SPACE) == CURLUE_OK) return;
    curl_url_set(url_->Handle(), CURLUPART_SCHEME, protocol->second.c_str(), 0);
}

int TCurlClass::SetWriteFunction(WriteFunction function, void* data) {
    writeFunction_ = function;
    writeData_ = data;
    // Without a function libcurl writes to `data` as a FILE* itself.
    const bool counted = function != nullptr;
    if (int code = SetOptFunction(CURLOPT_WRITEFUNCTION, counted ? &WriteThroughSession : function); code != CURLE_OK) {
        return code;
    }
    return SetOptPtr(CURLOPT_WRITEDATA, counted ? this : data);
}

size_t TCurlClass::DeliverBlock(char* data, size_t size, size_t count) {
    const size_t length = size * count;
    received_ += length;
    if (limitsSet_ && received_ > limits_.maxBytes) {
        sizeExceeded_ = true;
        return 0; // anything but the length offered ends the transfer
    }
    return writeFunction_(data, size, count, writeData_);
}

int TCurlClass::SetTransferLimits(const TransferLimits& limits) {
    const std::pair<CURLoption, long> options[] = {
        {CURLOPT_CONNECTTIMEOUT, limits.connectSeconds},
        {CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond},
        {CURLOPT_LOW_SPEED_TIME, limits.lowSpeedSeconds},
        {CURLOPT_TIMEOUT, limits.totalSeconds},
    };
    for (const auto& [option, value] : options) {
        if (int code = SetOptLong(option, value); code != CURLE_OK) return code;
    }
    // An announced length above the limit ends the transfer before its body; the count in DeliverBlock
    // catches the answers that announce none.
    const auto maxSize = static_cast<curl_off_t>(limits.maxBytes);
    if (int code = curl_easy_setopt(easy_.get(), CURLOPT_MAXFILESIZE_LARGE, maxSize); code != CURLE_OK) return code;
    limits_ = limits;
    limitsSet_ = true;
    return CURLE_OK;
}

TransferLimit TCurlClass::LimitReached(int result) const {
    if (!limitsSet_ || !easy_) return TransferLimit::None;
    if (result == CURLE_FILESIZE_EXCEEDED) return TransferLimit::Size;
    if (result != CURLE_OPERATION_TIMEDOUT) return TransferLimit::None;
    curl_off_t total = 0;
    curl_off_t pretransfer = 0;
    curl_easy_getinfo(easy_.get(), CURLINFO_TOTAL_TIME_T, &total);
    curl_easy_getinfo(easy_.get(), CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
    // libcurl's own clock decides the moment; a few milliseconds of rounding must not hide the total limit.
    constexpr curl_off_t kMicroseconds = 1000000;
    constexpr curl_off_t kSlack = 50000;
    if (limits_.totalSeconds > 0 && total + kSlack >= limits_.totalSeconds * kMicroseconds) return TransferLimit::Total;
    // Connecting (the TLS handshake included) never finished.
    if (pretransfer == 0) return TransferLimit::Connect;
    return TransferLimit::LowSpeed;
}

int TCurlClass::AddTrustAnchors(std::string pem) {
    if (!easy_) return CURLE_FAILED_INIT;
    if (CountCertificates(pem) == 0) return CURLE_SSL_CACERT_BADFILE;
    trustAnchors_ = std::move(pem);
    if (int code = SetOptFunction(CURLOPT_SSL_CTX_FUNCTION, &AddTrustAnchorsToContext); code != CURLE_OK) return code;
    if (int code = SetOptPtr(CURLOPT_SSL_CTX_DATA, &trustAnchors_); code != CURLE_OK) return code;
    // A store that libcurl keeps for later connections must not carry these certificates beyond this session.
    return SetOptLong(CURLOPT_CA_CACHE_TIMEOUT, 0L);
}

void TCurlClass::HideInTrace(std::string_view secret) {
    if (!secret.empty()) secrets_.emplace_back(secret);
}

std::string TCurlClass::HideSecrets(std::string_view text) const {
    return MaskSecrets(text, secrets_);
}

int TCurlClass::SetHeaderFunction(HeaderFunction function) {
    if (function == nullptr) function = &HeaderToSession;
    if (int code = SetOptFunction(CURLOPT_HEADERFUNCTION, function); code != CURLE_OK) {
        return code;
    }
    return SetOptPtr(CURLOPT_HEADERDATA, this);
}

int TCurlClass::ClearHeaderFunction() {
    SetOptFunction(CURLOPT_HEADERFUNCTION, static_cast<HeaderFunction>(nullptr));
    SetOptPtr(CURLOPT_HEADERDATA, nullptr);
    return CURLE_OK;
}

int TCurlClass::SetProgressFunction(ProgressFunction function) {
    int code = CURLE_OK;
    if (function != nullptr) {
        code = SetOptFunction(CURLOPT_PROGRESSFUNCTION, function);
    } else {
        code = SetOptFunction(CURLOPT_PROGRESSFUNCTION, &ProgressToSession);
        if (code == CURLE_OK) code = SetOptPtr(CURLOPT_PROGRESSDATA, this);
    }
    if (code != CURLE_OK) return code;
    return SetOptLong(CURLOPT_NOPROGRESS, 0L);
}

int TCurlClass::SetDebugFunction(DebugFunction function) {
    if (int code = SetOptFunction(CURLOPT_DEBUGFUNCTION, function); code != CURLE_OK) {
        return code;
    }
    if (int code = SetOptPtr(CURLOPT_DEBUGDATA, this); code != CURLE_OK) return code;
    return SetOptLong(CURLOPT_VERBOSE, 1L);
}

int TCurlClass::Perform() {
    if (!easy_) return CURLE_FAILED_INIT;
    if (int code = SetDebugFunction(&DebugToSession); code != CURLE_OK) return code;
    received_ = 0;
    sizeExceeded_ = false;
    const int code = curl_easy_perform(easy_.get());
    // The session refused the block that crossed the size limit; libcurl calls that a write error.
    return sizeExceeded_ && code == CURLE_WRITE_ERROR ? CURLE_FILESIZE_EXCEEDED : code;
}

int TCurlClass::Send(std::string_view url, ByteSink* sink, ProgressFunction progress) {
    if (sink != nullptr) {
        if (int code = SetWriteFunction(&WriteToSink, sink); code != CURLE_OK) return code;
    }
    if (int code = SetProgressFunction(progress); code != CURLE_OK) return code;
    if (int code = SetUrl(url); code != CURLE_OK) return code;
    return Perform();
}

int TCurlClass::Post(std::string_view body, std::string_view url, ByteSink* sink, ProgressFunction progress) {
    SetPostFields(body);
    return Send(url, sink, progress);
}

long TCurlClass::GetInfoLong(CURLINFO info) const {
    long value = 0;
    if (!easy_ || curl_easy_getinfo(easy_.get(), info, &value) != CURLE_OK) return 0;
    return value;
}

long TCurlClass::GetResponseCode() const {
    return GetInfoLong(CURLINFO_RESPONSE_CODE);
}

uint32_t TCurlClass::GetInfoOffT(CURLINFO info, uint32_t* high) const {
    curl_off_t value = 0;
    if (!easy_ || curl_easy_getinfo(easy_.get(), info, &value) != CURLE_OK) value = 0;
    const auto bits = static_cast<uint64_t>(value);
    if (high != nullptr) *high = static_cast<uint32_t>(bits >> 32);
    return static_cast<uint32_t>(bits);
}

} // namespace kvilo::http
