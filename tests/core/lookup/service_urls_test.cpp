// The services' addresses: the real hosts unless SUGGESTURL / VERSIONURL name others; CAFILE and the token.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/lookup/lookup_services.h"
#include "platform/command_line.h"

namespace kvilo::lookup {
namespace {

class ServiceUrlsTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetCommandLine(std::vector<std::string>{}); }
};

TEST_F(ServiceUrlsTest, WithoutParametersTheRealHosts) {
    platform::SetCommandLine(std::vector<std::string>{"FPATH=/tmp"});
    ServiceUrls urls = ServiceUrlsFromParameters();
    EXPECT_EQ(urls.SuggestPartyUrl(), "https://suggestions.dadata.ru/suggestions/api/4_1/rs/suggest/party");
    EXPECT_EQ(urls.VersionUrl(), "https://dadata.ru/api/v2/version");
}

TEST_F(ServiceUrlsTest, ParametersReplaceSchemeHostAndPort) {
    platform::SetCommandLine(
        std::vector<std::string>{"suggesturl=https://127.0.0.1:8443/", "/VERSIONURL= http://127.0.0.1:8080 "});
    ServiceUrls urls = ServiceUrlsFromParameters();
    EXPECT_EQ(urls.SuggestPartyUrl(), "https://127.0.0.1:8443/suggestions/api/4_1/rs/suggest/party");
    EXPECT_EQ(urls.VersionUrl(), "http://127.0.0.1:8080/api/v2/version");
}

TEST_F(ServiceUrlsTest, ABlankParameterKeepsTheRealHost) {
    platform::SetCommandLine(std::vector<std::string>{"SUGGESTURL=", "VERSIONURL=   "});
    ServiceUrls urls = ServiceUrlsFromParameters();
    EXPECT_EQ(urls.suggestBase, kDefaultSuggestBase);
    EXPECT_EQ(urls.versionBase, kDefaultVersionBase);
}

TEST_F(ServiceUrlsTest, TrustAnchorsAndTheTokenButNeverATokenFromTheCommandLine) {
    platform::SetCommandLine(std::vector<std::string>{"CAFILE= /tmp/fake cert.pem ", "KVILO_TOKEN=from-arguments"});
    unsetenv("KVILO_TOKEN");
    LookupServices services = LookupServicesFromParameters("stored-token");
    EXPECT_EQ(services.access.trustAnchorsFile, "/tmp/fake cert.pem");
    EXPECT_EQ(services.access.limits.maxBytes, http::kServiceLimits.maxBytes);
    EXPECT_EQ(services.token, "stored-token");
    EXPECT_EQ(LookupServicesFromParameters("").token, kAccessToken);
    setenv("KVILO_TOKEN", "from-environment", 1);
    EXPECT_EQ(LookupServicesFromParameters("stored-token").token, "from-environment");
    unsetenv("KVILO_TOKEN");
}

} // namespace
} // namespace kvilo::lookup
