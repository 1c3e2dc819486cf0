#include "fake_services.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <httplib.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

extern char** environ;

namespace kvilo::testsupport {
namespace {

constexpr int kReadyTimeoutMs = 15000;

// Reads one line from the descriptor within the time limit; empty on time-out or end of output.
std::string ReadLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.empty() || line.back() != '\n') {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return {};
        pollfd descriptor{fd, POLLIN, 0};
        if (poll(&descriptor, 1, static_cast<int>(left.count())) <= 0) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) return {};
        line += c;
    }
    return line;
}

int PortFrom(const std::string& line, const std::string& key) {
    const size_t at = line.find(" " + key + "=");
    return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + key.size() + 2);
}

// The certificate file comes last on the line, so that its path may hold blanks.
std::string CertificateFrom(const std::string& line) {
    const size_t at = line.find(" cert=");
    if (at == std::string::npos) return {};
    const std::string path = line.substr(at + 6);
    return path.substr(0, path.find('\n'));
}

std::string Encode(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '/' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string UniqueRunDir() {
    static std::atomic<int> counter{0};
    return std::string(KVILO_FAKE_SERVICES_TEMP) + "/run-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

} // namespace

FakeServices::~FakeServices() {
    Stop();
}

bool FakeServices::Start() {
    if (pid_ > 0) return true;
    error_.clear();
    runDir_ = UniqueRunDir();
    std::error_code ignored;
    std::filesystem::create_directories(runDir_, ignored);
    std::vector<std::string> args = {KVILO_FAKE_SERVICES_EXE, "--watch-stdin"};
    if (options_.https) args.insert(args.end(), {"--tls-dir", runDir_});

    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) return error_ = "pipe failed", false;
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return error_ = "pipe failed", false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    stdinFd_ = input[1];
    stdoutFd_ = output[0];
    if (spawned != 0) {
        pid_ = -1;
        Stop();
        return error_ = std::string("cannot start ") + KVILO_FAKE_SERVICES_EXE, false;
    }

    const std::string ready = ReadLine(stdoutFd_, kReadyTimeoutMs);
    httpPort_ = PortFrom(ready, "http");
    httpsPort_ = PortFrom(ready, "https");
    otherHttpsPort_ = PortFrom(ready, "otherhttps");
    rawPort_ = PortFrom(ready, "raw");
    certFile_ = CertificateFrom(ready);
    if (ready.rfind("READY ", 0) != 0 || httpPort_ <= 0 || rawPort_ <= 0 ||
        (options_.https && (httpsPort_ <= 0 || otherHttpsPort_ <= 0 || certFile_.empty()))) {
        Stop();
        return error_ = "the fake services did not report ready: " + ready, false;
    }
    return true;
}

void FakeServices::Stop() {
    if (stdinFd_ >= 0) close(stdinFd_); // the server ends when its input ends
    stdinFd_ = -1;
    if (pid_ > 0) {
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    pid_ = -1;
    if (stdoutFd_ >= 0) close(stdoutFd_);
    stdoutFd_ = -1;
    if (!runDir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(runDir_, ignored);
    }
    runDir_.clear();
    certFile_.clear();
}

std::string FakeServices::HttpUrl(std::string_view pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(httpPort_) + std::string(pathAndQuery);
}

std::string FakeServices::HttpsUrl(std::string_view pathAndQuery) const {
    return "https://127.0.0.1:" + std::to_string(httpsPort_) + std::string(pathAndQuery);
}

std::string FakeServices::OtherHostHttpsUrl(std::string_view pathAndQuery) const {
    return "https://127.0.0.1:" + std::to_string(otherHttpsPort_) + std::string(pathAndQuery);
}

std::string FakeServices::RawUrl(std::string_view pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(rawPort_) + std::string(pathAndQuery);
}

bool FakeServices::Control(const std::string& query) const {
    httplib::Client client("127.0.0.1", httpPort_);
    const httplib::Result result = client.Post("/_control?" + query, "", "text/plain");
    return result && result->status == 200;
}

bool FakeServices::Reset() {
    return Control("action=reset");
}

bool FakeServices::ReleaseHeld() {
    return Control("action=release");
}

bool FakeServices::AddFault(const FaultSpec& fault) {
    std::string query = "action=fault&mode=" + Encode(fault.mode) + "&path=" + Encode(fault.path) +
                        "&method=" + Encode(fault.method) + "&status=" + std::to_string(fault.status) +
                        "&count=" + std::to_string(fault.count) + "&skip=" + std::to_string(fault.skip) +
                        "&after=" + std::to_string(fault.after) + "&per_range=" + (fault.perRange ? "1" : "0") +
                        "&bytes=" + std::to_string(fault.bytes) + "&interval_ms=" + std::to_string(fault.intervalMs) +
                        "&chunked=" + (fault.chunked ? "1" : "0");
    return Control(query);
}

std::vector<RecordedRequest> FakeServices::Requests(std::string_view prefix) const {
    httplib::Client client("127.0.0.1", httpPort_);
    const httplib::Result result = client.Get("/_requests");
    if (!result || result->status != 200) return {};
    std::vector<RecordedRequest> requests = ParseRequestLog(result->body);
    if (!prefix.empty()) {
        std::erase_if(requests, [prefix](const RecordedRequest& r) { return r.target.rfind(prefix, 0) != 0; });
    }
    return requests;
}

} // namespace kvilo::testsupport
