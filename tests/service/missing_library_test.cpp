// The client in a directory without "kalksrv.dll".

#include "service/load_database.h"
#include "service/service_client.h"
#include "tests/service/service_test_support.h"

#include <gtest/gtest.h>

using namespace service_test;

namespace {

const Messages::value_type notFound{"couldn't find kalksrv.dll", "error"};

// Every attempt to load reports once and fails, keeping the request; the
// glass query, unloading and destruction stay quiet.
TEST(MissingLibrary, EachAttemptReportsOnceAndFails) {
    os::MessageRecorder recorder;
    {
        ServiceClient client;
        const Materialdaten request = filledRequest();
        Materialdaten data = request;
        EXPECT_FALSE(client.getSystems(data));
        EXPECT_EQ(recorder.messages(), Messages{notFound});
        EXPECT_TRUE(data == request);
        EXPECT_FALSE(client.callService(data, 5, "_KS_getCut"));
        client.ensureLoaded();
        EXPECT_EQ(recorder.messages(), Messages(3, notFound));
        EXPECT_FALSE(client.isLoaded());
        double thickness = 0.0;
        client.getGlasdickeReal(3, &thickness);
        EXPECT_EQ(thickness, 0.0);
        client.unload();
    }
    EXPECT_EQ(recorder.messages().size(), 3u);
}

TEST(MissingLibrary, LoadDatabaseReports) {
    os::MessageRecorder recorder;
    vm_loadDatabase("catalogue.db", "", "", "", 0);
    vm_loadDatabase(nullptr, nullptr, nullptr, nullptr, -1);
    EXPECT_EQ(recorder.messages(), Messages(2, notFound));
    EXPECT_FALSE(loadServiceDatabase("", "a", "b", "c", "d", 1));
}

} // namespace
