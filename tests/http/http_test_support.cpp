#include "http_test_support.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kvilo::http::test {

testsupport::FakeServices* HttpTest::server_ = nullptr;

void HttpTest::StartServer(bool https) {
    server_ = new testsupport::FakeServices(testsupport::FakeServices::Options{.https = https});
    ASSERT_TRUE(server_->Start()) << server_->Error();
}

void HttpTest::TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
}

void HttpTest::SetUp() {
    ASSERT_TRUE(server_->Reset());
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::string(KVILO_BINARY_DIR) + "/temp/http-tests/" + info->test_suite_name() + "." + info->name() + "-" +
              std::to_string(getpid()) + "/";
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
}

void HttpTest::TearDown() {
    std::filesystem::remove_all(folder_);
}

std::vector<std::string> HttpTest::LogLines(const std::string& fragment) const {
    std::vector<std::string> found;
    for (const std::string& line : capture_.Lines()) {
        if (line.find(fragment) != std::string::npos) found.push_back(line);
    }
    return found;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

int RefusedPort() {
    // Bound but never listening: the port stays taken by this process, so nobody else can listen on it.
    static const int port = [] {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        return static_cast<int>(ntohs(address.sin_port));
    }();
    return port;
}

} // namespace kvilo::http::test
