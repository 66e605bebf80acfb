// The service's answers through the component's real client: a test sends
// requests with `client` and must leave no message box behind.
#pragma once

#include "platform/os/message.h"
#include "service/service_client.h"
#include "tests/support/requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

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

// The entries of an answered list that are the default, and their ids.
template <class T> int Defaults(const std::vector<T>& list) {
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [](const T& e) { return e.isDefault(); }));
}
template <class T> std::set<int> Ids(const std::vector<T>& list) {
    std::set<int> out;
    for (const T& e : list) out.insert(e.getId());
    return out;
}

} // namespace test_support
