#pragma once
// State of the fake calculation service of the fault tests: what it was
// asked, and how it is to answer. Built as "kalksrv.dll" in a directory of
// its own (velmar_fake_service in tests/CMakeLists.txt); a test reaches the
// state by loading the same library and calling fakeState().

#include <cstdint>
#include <cstring>
#include <vector>

#include "service/ks_api.h"

enum class FakeAnswer : int {
    Echo,           // the request packet, copied, as the answer
    Zero,           // length 0, no answer
    Negative,       // length -5, no answer
    Garbage,        // 64 bytes that are no packet
    LengthTooLarge, // the request packet, with a length 64 bytes beyond it
    Truncated,      // the request packet, with a length 8 bytes short of it
    NullBlock,      // a positive length but no block
    Catalogue,      // the request with a fixed catalogue of two of everything
};

struct FakeState {
    FakeAnswer answer = FakeAnswer::Echo;
    bool initFails = false;
    // Bit i: the i-th dispatched entry point (ksDispatchedNames) gives no answer.
    std::uint64_t failing = 0;
    // Catalogue answers carry only the lists of the entry point, none of the request.
    bool bare = false;
    double uf = 1.3; // the Uf of the catalogue

    int initCalls = 0;
    int deInitCalls = 0;
    void* deInitContext = nullptr;
    int dispatchCalls = 0;
    void* dispatchContext = nullptr;
    char lastEntry[64] = {};
    std::uint32_t lastHeader = 0;
    int calls[KS_DISPATCHED_COUNT] = {};
    std::vector<std::uint8_t> lastRequest[KS_DISPATCHED_COUNT];
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

// The index of a dispatched entry point in ksDispatchedNames, or -1.
inline int EntryIndex(const char* name) {
    for (int i = 0; i < KS_DISPATCHED_COUNT; ++i)
        if (std::strcmp(ksDispatchedNames[i], name) == 0) return i;
    return -1;
}
