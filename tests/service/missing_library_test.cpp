// The client in a directory without "kalksrv.dll".

#include "service/load_database.h"
#include "service/service_client.h"
#include "tests/service/service_test_support.h"

#include <gtest/gtest.h>

using namespace service_test;

namespace {

const Messages::value_type notFound{"couldn't find kalksrv.dll", "error"};

TEST(MissingLibrary, EachDispatchReportsOnceAndFails) {
    os::MessageRecorder recorder;
    ServiceClient client;

    const Materialdaten request = fullRecord();
    Materialdaten data = request;
    EXPECT_FALSE(client.getSystems(data));
    EXPECT_EQ(recorder.messages(), Messages{notFound});
    EXPECT_TRUE(data == request);

    // The next attempt tries again, and reports again.
    EXPECT_FALSE(client.callService(data, 5, "_KS_getCut"));
    EXPECT_EQ(recorder.messages(), Messages(2, notFound));
    EXPECT_FALSE(client.isLoaded());
}

TEST(MissingLibrary, LoadingReportsUnloadingAndDestructionAreQuiet) {
    os::MessageRecorder recorder;
    {
        ServiceClient client;
        client.ensureLoaded();
        EXPECT_EQ(recorder.messages(), Messages{notFound});
        EXPECT_FALSE(client.isLoaded());
        client.unload();
    }
    EXPECT_EQ(recorder.messages().size(), 1u);
}

TEST(MissingLibrary, GlassThicknessIsLeftAlone) {
    os::MessageRecorder recorder;
    ServiceClient client;
    double thickness = 0.0;
    client.getGlasdickeReal(3, &thickness);
    EXPECT_EQ(thickness, 0.0);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST(MissingLibrary, LoadDatabaseReports) {
    os::MessageRecorder recorder;
    vm_loadDatabase("catalogue.db", "", "", "", 0);
    vm_loadDatabase(nullptr, nullptr, nullptr, nullptr, -1);
    EXPECT_EQ(recorder.messages(), Messages(2, notFound));
    EXPECT_FALSE(loadServiceDatabase("", "a", "b", "c", "d", 1));
}

} // namespace
