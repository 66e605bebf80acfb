#pragma once
// State of the fault-injecting calculation service of the main-form tests: a
// small fixed catalogue whose entry points can be made to give no answer, or
// to answer with nothing but the list they were asked for. Exported as
// faultState(); a test reaches it by loading the same "kalksrv.dll".

#include <cstdint>
#include <vector>

struct FaultState {
    // Bit i: the i-th dispatched entry point (ksDispatchedNames) gives no
    // answer.
    std::uint64_t failing = 0;
    // Answers carry only the lists of the entry point, none of the request.
    bool bare = false;
    // Uf the service answers.
    double uf = 1.3;
    // Number of calls and the last request packet, per entry point.
    int calls[32] = {};
    std::vector<std::uint8_t> lastRequest[32];
};

using FaultStateFn = FaultState* (*)();
