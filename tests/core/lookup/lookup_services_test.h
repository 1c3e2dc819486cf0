#pragma once
// The fixture for tests that run lookups against the fake services: one HTTPS server per test suite,
// reset before each test to its default lookup data (register actuality 01.06.2024).
#include <gtest/gtest.h>

#include <memory>

#include "fake_services.h"
#include "lookup_test_support.h"

namespace kvilo::lookup::testing {

class LookupServicesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<testsupport::FakeServices>(testsupport::FakeServices::Options{.https = true});
        ASSERT_TRUE(server_->Start()) << server_->Error();
    }
    static void TearDownTestSuite() { server_.reset(); }

    // Derived fixtures call this first and stop if HasFatalFailure().
    void SetUp() override {
        ASSERT_TRUE(server_->Reset());
        ASSERT_TRUE(LookupControl(*server_, "reset=1&egrul=01.06.2024"));
    }

    static inline std::unique_ptr<testsupport::FakeServices> server_;
};

} // namespace kvilo::lookup::testing
