#include "raw_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace kvilo::fake {
namespace {

std::string RequestPath(const std::string& request) {
    const size_t start = request.find(' ');
    if (start == std::string::npos) return {};
    const size_t end = request.find(' ', start + 1);
    return request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

void SendAll(int socket, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<size_t>(n);
    }
}

void Answer(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
    }
    SendAll(connection, RawAnswer(RequestPath(request)));
    shutdown(connection, SHUT_RDWR);
    close(connection);
}

} // namespace

std::string RawAnswer(const std::string& path) {
    if (path == "/garbage") return "THIS IS NOT HTTP AT ALL\r\n\r\nJust some words.\r\n";
    if (path == "/bad-header") {
        return "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nno colon in this header line\r\n"
               "Accept-Ranges: bytes\r\n\r\nhello";
    }
    if (path == "/bad-length") return "HTTP/1.1 200 OK\r\nContent-Length: banana\r\n\r\nhello";
    if (path == "/cut-headers") return "HTTP/1.1 200 OK\r\nContent-Le";
    if (path == "/huge-header") {
        return "HTTP/1.1 200 OK\r\nX-Long: " + std::string(300 * 1024, 'a') + "\r\nContent-Length: 2\r\n\r\nok";
    }
    if (path == "/binary-header") {
        return std::string("HTTP/1.1 200 OK\r\nAccept-Ranges: bytes\r\nContent-Disposition: attachment; "
                           "filename=\"a\0b\x01\x7f\xff.bin\r\nContent-Length: 3\r\n\r\nabc",
                           118);
    }
    return "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

RawListener::~RawListener() {
    if (socket_ >= 0) {
        shutdown(socket_, SHUT_RDWR);
        close(socket_);
    }
    if (thread_.joinable()) thread_.join();
}

int RawListener::Start() {
    socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_ < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(socket_, 16) != 0 ||
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return -1;
    }
    thread_ = std::thread([this] { Serve(); });
    return ntohs(address.sin_port);
}

void RawListener::Serve() {
    for (;;) {
        const int connection = accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) return; // the listening socket was shut down
        Answer(connection);
    }
}

} // namespace kvilo::fake
