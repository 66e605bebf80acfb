// The client against a fake service that answers as each test tells it.

#include "service/load_database.h"
#include "service/service_client.h"
#include "tests/service/service_test_support.h"

#include <gtest/gtest.h>

using namespace service_test;

namespace {

class Client : public testing::Test {
protected:
    void SetUp() override {
        // Our own reference keeps the fake, and its counters, mapped while
        // the client loads and frees it.
        fake = os::loadModule(fakePath());
        ASSERT_NE(fake, nullptr) << os::lastModuleError();
        auto stateOf = reinterpret_cast<FakeStateFn>(os::resolveSymbol(fake, "fakeState"));
        ASSERT_NE(stateOf, nullptr);
        state = stateOf();
        *state = FakeState{};
    }
    void TearDown() override {
        client.unload();
        if (state) {
            EXPECT_EQ(state->answersReleased, state->answersHandedOut);
            EXPECT_EQ(state->foreignReleases, 0);
        }
        os::freeModule(fake);
    }

    os::ModuleHandle fake = nullptr;
    FakeState* state = nullptr;
    os::MessageRecorder recorder;
    ServiceClient client;
};

TEST_F(Client, EchoRoundTripsAFullRecordAndReleasesTheAnswerOnce) {
    const Materialdaten request = filledRequest();
    Materialdaten data = request;
    ASSERT_TRUE(client.callService(data, 0x12345678u, "_KS_getCut"));
    EXPECT_TRUE(data == request);
    EXPECT_EQ(data.itemCount(), 0); // the tagged part is reset after the read
    EXPECT_EQ(state->lastHeader, 0x12345678u);
    EXPECT_STREQ(state->lastEntry, "_KS_getCut");
    EXPECT_EQ(state->dispatchContext, client.context());
    EXPECT_NE(client.context(), nullptr);
    EXPECT_EQ(state->initCalls, 1);
    EXPECT_EQ(state->answersHandedOut, 1); // released once: see TearDown
    EXPECT_TRUE(recorder.messages().empty());
}

// No answer keeps the request; an unreadable one leaves what an empty answer
// leaves and is released all the same. Neither says a word, and the client
// is unharmed.
TEST_F(Client, NoOrUnreadableAnswersFailSilentlyAndAreReleased) {
    Materialdaten empty;
    empty.read();
    const Materialdaten request = filledRequest();
    for (FakeAnswer answer :
         {FakeAnswer::Zero, FakeAnswer::Negative, FakeAnswer::Garbage, FakeAnswer::LengthTooLarge,
          FakeAnswer::Truncated, FakeAnswer::NullBlock}) {
        state->answer = answer;
        Materialdaten data = request;
        EXPECT_FALSE(client.getCut(data)) << int(answer);
        const bool none = answer == FakeAnswer::Zero || answer == FakeAnswer::Negative;
        EXPECT_TRUE(data == (none ? request : empty)) << int(answer);
        EXPECT_EQ(state->answersReleased, state->answersHandedOut);
    }
    EXPECT_EQ(state->answersHandedOut, 3); // the null block was nothing to release
    EXPECT_TRUE(recorder.messages().empty());

    state->answer = FakeAnswer::Echo;
    Materialdaten data = request;
    EXPECT_TRUE(client.getCut(data));
    EXPECT_TRUE(data == request);
}

TEST_F(Client, AMissingOrEmptyEntryPointIsReportedAndNotCalled) {
    const Materialdaten request = filledRequest();
    for (const char* name : {"", "_KS_getNothing", static_cast<const char*>(nullptr)}) {
        Materialdaten data = request;
        EXPECT_FALSE(client.callService(data, 0, name));
        EXPECT_TRUE(data == request);
    }
    EXPECT_EQ(recorder.messages(), Messages(3, {"couldn't find function in kalksrv.dll", "Error"}));
    EXPECT_EQ(state->dispatchCalls, 0);
    EXPECT_TRUE(client.isInitialised()); // a missing entry point unloads nothing
}

TEST_F(Client, UnloadReleasesTheContextAndTheNextDispatchLoadsAgain) {
    client.ensureLoaded();
    client.ensureLoaded(); // initialised already: nothing happens
    EXPECT_EQ(state->initCalls, 1);
    void* const first = client.context();
    Materialdaten data;
    data.header = 77; // a named query always sends header 0
    EXPECT_TRUE(client.getRollkaesten(data));
    EXPECT_STREQ(state->lastEntry, "_KS_getRollkaesten");
    EXPECT_EQ(state->lastHeader, 0u);

    client.unload();
    EXPECT_FALSE(client.isLoaded());
    EXPECT_EQ(client.context(), nullptr);
    EXPECT_EQ(state->deInitCalls, 1);
    EXPECT_EQ(state->deInitContext, first);
    client.unload(); // nothing loaded: nothing happens
    EXPECT_EQ(state->deInitCalls, 1);

    EXPECT_TRUE(client.getRollkaesten(data));
    EXPECT_EQ(state->initCalls, 2);
    EXPECT_TRUE(client.isInitialised());
    EXPECT_TRUE(recorder.messages().empty());

    // Destruction releases a loaded service, and only a loaded one.
    { ServiceClient unused; }
    {
        ServiceClient local;
        local.ensureLoaded();
    }
    EXPECT_EQ(state->deInitCalls, 2);
}

TEST_F(Client, AFailedInitLeavesTheLibraryLoadedAndRefusesToDispatch) {
    state->initFails = true;
    client.ensureLoaded();
    EXPECT_EQ(recorder.messages(), (Messages{{"couldn't initialize kalksrv.dll", "Error"}}));
    EXPECT_TRUE(client.isLoaded());
    EXPECT_FALSE(client.isInitialised());

    // No entry point is called with a null context.
    const Materialdaten request = filledRequest();
    Materialdaten data = request;
    EXPECT_FALSE(client.getSystems(data));
    EXPECT_TRUE(data == request);
    EXPECT_EQ(state->dispatchCalls, 0);
    EXPECT_EQ(state->initCalls, 1); // a dispatch does not retry a loaded library
    EXPECT_EQ(recorder.messages().size(), 1u);

    // A direct ensureLoaded starts afresh.
    state->initFails = false;
    client.ensureLoaded();
    EXPECT_EQ(state->initCalls, 2);
    EXPECT_TRUE(client.getSystems(data));

    // Unloading the not-initialised service never hands deInit a null context.
    state->initFails = true;
    client.unload();
    client.ensureLoaded();
    client.unload();
    EXPECT_EQ(state->deInitCalls, 1);
    EXPECT_NE(state->deInitContext, nullptr);
}

TEST_F(Client, TheHourglassShowsDuringTheCallAndTheCursorIsRestoredAfterwards) {
    application();
    QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
    std::vector<Qt::CursorShape> duringMessages;
    recorder.onMessage([&] { duringMessages.push_back(cursorShape()); });

    Materialdaten data;
    EXPECT_TRUE(client.getSystems(data));
    EXPECT_EQ(cursorShape(), Qt::PointingHandCursor);
    EXPECT_FALSE(client.callService(data, 0, "_KS_getNothing"));
    EXPECT_EQ(cursorShape(), Qt::PointingHandCursor);
    state->answer = FakeAnswer::Zero;
    EXPECT_FALSE(client.getSystems(data));
    EXPECT_EQ(cursorShape(), Qt::PointingHandCursor);
    EXPECT_EQ(duringMessages, std::vector<Qt::CursorShape>{Qt::WaitCursor});

    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Client, GlassThicknessGoesToTheServiceWithTheLibraryHandle) {
    double thickness = -7.0;
    client.getGlasdickeReal(42, &thickness); // not loaded: nothing happens
    EXPECT_EQ(thickness, -7.0);
    EXPECT_EQ(state->glassCalls, 0);

    client.ensureLoaded();
    client.getGlasdickeReal(42, &thickness);
    EXPECT_DOUBLE_EQ(thickness, 24.2);
    EXPECT_EQ(state->glassModule, client.library());
    EXPECT_NE(state->glassModule, client.context());
    EXPECT_EQ(state->glassNumber, 42);
    client.getGlasdickeReal(1, nullptr);
    EXPECT_EQ(state->glassCalls, 1);
    EXPECT_TRUE(recorder.messages().empty());
}

// These tests run in the build's output folder, beside the real service:
// every one of them finds the fake beside the module, not in the working
// directory. Another directory is taken with or without its separator.
TEST_F(Client, TheLibraryIsFoundBesideTheModuleOrInTheGivenDirectory) {
    EXPECT_EQ(serviceClient.libraryPath(), fakePath());
    Materialdaten data;
    client.setLibraryDirectory("/nonexistent");
    EXPECT_EQ(client.libraryPath(), "/nonexistent/kalksrv.dll");
    EXPECT_FALSE(client.getColors(data));
    EXPECT_EQ(recorder.messages(), (Messages{{"couldn't find kalksrv.dll", "error"}}));
    std::string own = ModuleDirectory();
    own.pop_back();
    client.setLibraryDirectory(own);
    EXPECT_TRUE(client.getColors(data));
    EXPECT_EQ(state->initCalls, 1);
}

TEST_F(Client, LoadDatabasePassesItsArgumentsAndKeepsTheServiceLoaded) {
    vm_loadDatabase("catalogue.db", "", "de", "x", 17);
    EXPECT_EQ(state->readDatabaseCalls, 1);
    EXPECT_STREQ(state->databaseTexts[2], "de");
    EXPECT_EQ(state->databaseNumber, 17);
    EXPECT_EQ(state->databaseMode, 1);
    EXPECT_EQ(state->initCalls, 0); // the client is not involved
    EXPECT_TRUE(recorder.messages().empty());

    // Even without our reference and after the client came and went, the
    // service stays mapped with the database it has read.
    client.ensureLoaded();
    client.unload();
    os::freeModule(fake);
    fake = nullptr;
    EXPECT_TRUE(fakeIsLoaded());
    fake = os::loadModule(fakePath());
    EXPECT_EQ(reinterpret_cast<FakeStateFn>(os::resolveSymbol(fake, "fakeState"))(), state);
    EXPECT_EQ(state->readDatabaseCalls, 1);
}

} // namespace
