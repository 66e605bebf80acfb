// A fake calculation service: answers every dispatched entry point as its
// state says and counts what it is asked. Built several times; each
// FAKE_WITHOUT_<name> leaves that entry point out.
//
// The catalogue (only with FAKE_CATALOGUE: the record code it needs keeps the
// library from being unloaded): systems 100 (cladding) and 200, colours 1 and 2, frames
// 11/12, sashes 21/22, mullions 31/32, astragals 41/42, glasses 51/52 (52 a
// panel without edge seal), beads 61/62 (frame side) and 71/72 (sash side),
// couplings 81/82 (vertical) and 83/84 (horizontal), box 901. The first of
// each pair is the default.

#include "tests/support/fake_kalksrv.h"

#include <set>
#include <string>

#ifdef FAKE_CATALOGUE
#include "model/materialdaten.h"
#endif

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

#ifdef FAKE_CATALOGUE
velmar_nameid entry(int id, const char* name, bool isDefault, int flags = 0, double v1 = 0.0,
                    double v2 = 0.0) {
    velmar_nameid n;
    n.id = id;
    n.name = std::u16string(name, name + std::strlen(name));
    n.isDefault_ = isDefault;
    n.intValue = flags;
    n.value1 = v1;
    n.value2 = v2;
    return n;
}

velmar_artikel article(int id, const char* name, bool isDefault, int kind, int flags = 0,
                       double v1 = 0.0, double v2 = 0.0) {
    velmar_artikel a;
    a.nameId = entry(id, name, isDefault, flags, v1, v2);
    a.konstType = kind;
    a.steel1.nameId = entry(id * 10, "Stahl", true);
    return a;
}

// The catalogue's answer to `request` at `entryPoint`; empty when the
// request does not parse.
std::vector<std::uint8_t> catalogue(const std::string& entryPoint, const std::uint8_t* request,
                                    std::int32_t length) {
    Materialdaten m;
    if (m.parse(request, length) < 0) return {};
    m.read();
    Materialdaten bare;
    Materialdaten& a = state.bare ? bare : m;
    if (entryPoint == "_KS_getSystems") {
        a.systems = {entry(100, "Serie A", true, 1), entry(200, "Serie B", false, 0)};
    } else if (entryPoint == "_KS_getColors") {
        a.colours = {entry(1, "Weiss", true), entry(2, "Braun", false)};
    } else if (entryPoint == "_KS_getArtikel") {
        a.frames = {article(11, "Rahmen 1", true, 11), article(12, "Rahmen 2", false, 11)};
        a.sashes = {article(21, "Fluegel 1", true, 23), article(22, "Fluegel 2", false, 23)};
        a.mullions = {article(31, "Pfosten 1", true, 24), article(32, "Pfosten 2", false, 24)};
    } else if (entryPoint == "_KS_getStulp") {
        a.astragals = {article(41, "Stulp 1", true, 25), article(42, "Stulp 2", false, 25)};
    } else if (entryPoint == "_KS_getGlas") {
        a.glasses = {article(51, "Glas 1", true, 0, 0, 1.1, 0.04),
                     article(52, "Paneel", false, 0, 2, 0.9, 0.0)};
    } else if (entryPoint == "_KS_getGlasleisten") {
        a.beadsFrameSide = {article(61, "Leiste R1", true, 26),
                            article(62, "Leiste R2", false, 26)};
        a.beadsSashSide = {article(71, "Leiste F1", true, 26), article(72, "Leiste F2", false, 26)};
    } else if (entryPoint == "_KS_getKopplungen") {
        a.couplingsVertical = {article(81, "Kopplung S1", true, 18),
                               article(82, "Kopplung S2", false, 18)};
        a.couplingsHorizontal = {article(83, "Kopplung W1", true, 18),
                                 article(84, "Kopplung W2", false, 18)};
    } else if (entryPoint == "_KS_getRollkaesten") {
        velmar_rollkasten box;
        box.box = entry(901, "Kasten 1", true);
        a.rollerShutterBoxes = {box};
    } else if (entryPoint == "_KS_getUfValue") {
        a.thermalValue = state.uf;
    }
    a.write();
    return a.toBytes();
}
#else
std::vector<std::uint8_t> catalogue(const std::string&, const std::uint8_t*, std::int32_t) {
    return {};
}
#endif

// The entry points' indices in ksDispatchedNames (not looked up there: that
// table would keep this library from being unloaded).
#define FAKE_INDEX(name) index_##name,
enum { KS_DISPATCHED(FAKE_INDEX) };
#undef FAKE_INDEX

std::int32_t answer(const char* entryPoint, int index, KsContext context,
                    const std::uint8_t* request, std::int32_t length, std::uint8_t** out) {
    ++state.dispatchCalls;
    ++state.calls[index];
    state.dispatchContext = context;
    copyText(state.lastEntry, sizeof state.lastEntry, entryPoint);
    state.lastHeader = 0;
    if (request && length >= 16) std::memcpy(&state.lastHeader, request + 12, 4);
    if (request && length > 0) state.lastRequest[index].assign(request, request + length);
    if ((state.failing >> index) & 1u) return 0;

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
    case FakeAnswer::Catalogue: {
        const std::vector<std::uint8_t> bytes = catalogue(entryPoint, request, length);
        if (bytes.empty()) return 0;
        *out = handOut(bytes.data(), static_cast<std::int32_t>(bytes.size()));
        return static_cast<std::int32_t>(bytes.size());
    }
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
        return answer("_KS_" #name, index_##name, context, request, length, out);                  \
    }
KS_DISPATCHED(FAKE_ENTRY)
#undef FAKE_ENTRY
