#pragma once
// State of the fake calculation services of these tests: what the service was
// asked, and how it is to answer. The fakes export it as fakeState(); a test
// reaches it by loading the same "kalksrv.dll" as the client.

#include <cstdint>

enum class FakeAnswer : int {
    Echo,           // the request packet, copied, as the answer
    Zero,           // length 0, no answer
    Negative,       // length -5, no answer
    Garbage,        // 64 bytes that are no packet
    LengthTooLarge, // the request packet, with a length 64 bytes beyond it
    Truncated,      // the request packet, with a length 8 bytes short of it
    NullBlock,      // a positive length but no block
};

struct FakeState {
    FakeAnswer answer = FakeAnswer::Echo;
    bool initFails = false;

    int initCalls = 0;
    int deInitCalls = 0;
    void* deInitContext = nullptr;
    int dispatchCalls = 0;
    void* dispatchContext = nullptr;
    char lastEntry[64] = {};
    std::uint32_t lastHeader = 0;
    int answersHandedOut = 0;
    int answersReleased = 0;
    int foreignReleases = 0; // _KS_deleteData with a block this service did not hand out

    int glassCalls = 0;
    void* glassModule = nullptr;
    int glassNumber = 0;

    int readDatabaseCalls = 0;
    char databaseTexts[4][64] = {};
    int databaseNumber = 0;
    int databaseMode = 0;
};

using FakeStateFn = FakeState* (*)();
