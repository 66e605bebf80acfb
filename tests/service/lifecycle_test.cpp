// The client against a service that lacks one lifecycle entry point. The
// directory says which: ".../without_KS_init/" holds a service without
// _KS_init.

#include "service/service_client.h"
#include "tests/service/service_test_support.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace service_test;

namespace {

const Messages::value_type functionNotFound{"couldn't find function in kalksrv.dll", "Error"};

std::string missingEntryPoint() {
    std::string dir = ModuleDirectory();
    dir.pop_back();
    const std::string marker = "without";
    const auto at = dir.rfind('/');
    const std::string leaf = dir.substr(at + 1);
    if (leaf.rfind(marker, 0) != 0) return {};
    return leaf.substr(marker.size());
}

// The fake's state while the client holds it; our look does not keep the
// library mapped.
FakeState stateOfLoadedFake() {
    void* handle = dlopen(fakePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle) return {};
    auto stateOf = reinterpret_cast<FakeStateFn>(dlsym(handle, "fakeState"));
    FakeState copy = *stateOf();
    dlclose(handle);
    return copy;
}

class Lifecycle : public testing::Test {
protected:
    void SetUp() override {
        missing = missingEntryPoint();
        ASSERT_FALSE(missing.empty()) << "not in a without_KS_... directory";
        ASSERT_FALSE(fakeIsLoaded());
    }
    std::string missing;
    os::MessageRecorder recorder;
};

TEST_F(Lifecycle, AServiceWithoutAStartEntryPointIsLoadedButNeverUsed) {
    if (missing == "_KS_deInit" || missing == "_KS_getGlasdickeReal")
        GTEST_SKIP() << "this service starts";
    ServiceClient client;
    client.ensureLoaded();
    EXPECT_EQ(recorder.messages(), Messages{functionNotFound});
    EXPECT_TRUE(client.isLoaded());
    EXPECT_FALSE(client.isInitialised());
    EXPECT_EQ(client.context(), nullptr);

    const Materialdaten request = filledRequest();
    Materialdaten data = request;
    EXPECT_FALSE(client.getSystems(data));
    EXPECT_TRUE(data == request); // quietly: the count below stays at two

    const FakeState state = stateOfLoadedFake();
    EXPECT_EQ(state.initCalls, 0); // not even when _KS_init itself is there
    EXPECT_EQ(state.dispatchCalls, 0);

    // A direct ensureLoaded tries again without losing a reference.
    client.ensureLoaded();
    EXPECT_EQ(recorder.messages(), Messages(2, functionNotFound));
    client.unload();
    EXPECT_FALSE(client.isLoaded());
    EXPECT_FALSE(fakeIsLoaded());
    EXPECT_EQ(recorder.messages().size(), 2u);
}

TEST_F(Lifecycle, AServiceWithoutDeInitIsReportedAndFreedAnyway) {
    if (missing != "_KS_deInit") GTEST_SKIP() << "this service has _KS_deInit";
    {
        ServiceClient client;
        Materialdaten data = filledRequest();
        EXPECT_TRUE(client.getSystems(data));
        EXPECT_TRUE(recorder.messages().empty());
        client.unload();
        EXPECT_EQ(recorder.messages(), Messages{functionNotFound});
        EXPECT_FALSE(client.isLoaded());
        EXPECT_FALSE(fakeIsLoaded());

        client.ensureLoaded();
        EXPECT_TRUE(client.isInitialised());
    }
    // Destruction reports the same.
    EXPECT_EQ(recorder.messages(), Messages(2, functionNotFound));
    EXPECT_FALSE(fakeIsLoaded());
}

TEST_F(Lifecycle, AServiceWithoutTheGlassThicknessQueryIsReportedAndWritesNothing) {
    if (missing != "_KS_getGlasdickeReal") GTEST_SKIP() << "this service answers it";
    ServiceClient client;
    client.ensureLoaded();
    ASSERT_TRUE(client.isInitialised());
    double thickness = -3.0;
    client.getGlasdickeReal(6001, &thickness);
    EXPECT_EQ(recorder.messages(), Messages{functionNotFound});
    EXPECT_EQ(thickness, -3.0);
}

} // namespace
