#pragma once
// Shared by the HTTP tests: one fake-services process per test process, a scratch folder per test and
// the captured debug output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_services.h"
#include "platform/debug_output.h"

namespace kvilo::http::test {

class HttpTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartServer(false); }
    static void TearDownTestSuite();
    static void StartServer(bool https);
    void SetUp() override;
    void TearDown() override;

    static testsupport::FakeServices& Server() { return *server_; }
    // An empty folder for this test, ending in "/".
    const std::string& Folder() const { return folder_; }
    // The captured "[libcurl] " lines that contain `fragment`.
    std::vector<std::string> LogLines(const std::string& fragment) const;

    platform::ScopedDebugCapture capture_;

private:
    static testsupport::FakeServices* server_;
    std::string folder_;
};

// The same with an HTTPS listener as well (its certificate is made for the run, which takes a moment).
class HttpsTest : public HttpTest {
protected:
    static void SetUpTestSuite() { StartServer(true); }
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// A loopback port on which nothing listens: connecting to it is refused.
int RefusedPort();

} // namespace kvilo::http::test
