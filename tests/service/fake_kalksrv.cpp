// A fake calculation service: answers every dispatched entry point as its
// state says, counts what it is asked. Built several times; each
// FAKE_WITHOUT_<name> leaves that entry point out.

#include "service/ks_api.h"
#include "tests/service/fake_service.h"

#include <cstring>
#include <set>

namespace {

FakeState state;
std::set<std::uint8_t*> outstanding;
[[maybe_unused]] int contextToken = 0;

void copyText(char* target, std::size_t size, const char* text) {
    if (!text) text = "(null)";
    std::strncpy(target, text, size - 1);
    target[size - 1] = '\0';
}

std::uint8_t* handOut(const std::uint8_t* bytes, std::int32_t length) {
    auto* block = new std::uint8_t[std::size_t(length)];
    std::memcpy(block, bytes, std::size_t(length));
    outstanding.insert(block);
    ++state.answersHandedOut;
    return block;
}

std::int32_t answer(const char* entry, KsContext context, const std::uint8_t* request,
                    std::int32_t length, std::uint8_t** out) {
    ++state.dispatchCalls;
    state.dispatchContext = context;
    copyText(state.lastEntry, sizeof state.lastEntry, entry);
    state.lastHeader = 0;
    if (request && length >= 16) std::memcpy(&state.lastHeader, request + 12, 4);

    switch (state.answer) {
    case FakeAnswer::Echo:
        *out = handOut(request, length);
        return length;
    case FakeAnswer::Zero:
        return 0;
    case FakeAnswer::Negative:
        return -5;
    case FakeAnswer::Garbage: {
        std::uint8_t garbage[64];
        for (int i = 0; i < 64; ++i) garbage[i] = std::uint8_t(0xA5 ^ (i * 37));
        *out = handOut(garbage, 64);
        return 64;
    }
    case FakeAnswer::LengthTooLarge:
        *out = handOut(request, length);
        return length + 64;
    case FakeAnswer::Truncated:
        *out = handOut(request, length);
        return length - 8;
    case FakeAnswer::NullBlock:
        return 100;
    }
    return 0;
}

} // namespace

extern "C" KS_EXPORT FakeState* fakeState() {
    return &state;
}

#ifndef FAKE_WITHOUT_INIT
KsContext _KS_init(void) {
    ++state.initCalls;
    return state.initFails ? nullptr : &contextToken;
}
#endif

#ifndef FAKE_WITHOUT_DE_INIT
int32_t _KS_deInit(KsContext context) {
    ++state.deInitCalls;
    state.deInitContext = context;
    return 0;
}
#endif

#ifndef FAKE_WITHOUT_DELETE_DATA
void _KS_deleteData(uint8_t* answer) {
    if (outstanding.erase(answer) == 0) {
        ++state.foreignReleases;
        return;
    }
    ++state.answersReleased;
    delete[] answer;
}
#endif

#ifndef FAKE_WITHOUT_SET_INI_DATA
int32_t _KS_setIniData(KsContext, const char*) {
    return 0;
}
#endif

#ifndef FAKE_WITHOUT_GET_GLASDICKE_REAL
int32_t _KS_getGlasdickeReal(KsModule module, int32_t glassNumber, double* thickness) {
    ++state.glassCalls;
    state.glassModule = module;
    state.glassNumber = glassNumber;
    *thickness = 20.0 + glassNumber / 10.0;
    return 0;
}
#endif

int32_t _KS_readDatabase(const char* text1, const char* text2, const char* text3, const char* text4,
                         int32_t number, int32_t mode) {
    ++state.readDatabaseCalls;
    const char* texts[] = {text1, text2, text3, text4};
    for (int i = 0; i < 4; ++i) copyText(state.databaseTexts[i], 64, texts[i]);
    state.databaseNumber = number;
    state.databaseMode = mode;
    return 0;
}

#define FAKE_ENTRY(name)                                                                           \
    int32_t _KS_##name(KsContext context, const uint8_t* request, int32_t length, uint8_t** out) { \
        return answer("_KS_" #name, context, request, length, out);                                \
    }
KS_DISPATCHED(FAKE_ENTRY)
#undef FAKE_ENTRY
