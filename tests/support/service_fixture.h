// The service's answers through the component's real client: a test sends
// requests with `client` and must leave no message box behind.
#pragma once

#include "platform/os/message.h"
#include "service/service_client.h"
#include "tests/support/requests.h"

#include <gtest/gtest.h>

namespace test_support {

class ServiceFixture : public testing::Test {
protected:
    static Materialdaten request(int series = kSampleSeries) { return formRequest(series); }

    // Unloads before the messages are looked at, so that one raised while
    // unloading counts too.
    void TearDown() override {
        client.unload();
        EXPECT_TRUE(recorder.messages().empty());
    }

    os::MessageRecorder recorder;
    ServiceClient client;
};

} // namespace test_support
