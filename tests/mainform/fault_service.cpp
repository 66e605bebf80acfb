// A calculation service with a fixed catalogue of two of everything, whose
// entry points fail on request. Ids: systems 100 (cladding) and 200, colours
// 1 and 2, frames 11/12, sashes 21/22, mullions 31/32, astragals 41/42,
// glasses 51/52 (52 a panel without edge seal), beads 61/62 (frame side) and
// 71/72 (sash side), couplings 81/82 (vertical) and 83/84 (horizontal), box
// 901. The first of each pair is the default.

#include <cstring>
#include <string>

#include "model/materialdaten.h"
#include "service/ks_api.h"
#include "tests/mainform/fault_service.h"

namespace {

FaultState state;
int context = 0;

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

int indexOf(const char* name) {
    for (int i = 0; i < KS_DISPATCHED_COUNT; ++i)
        if (std::strcmp(ksDispatchedNames[i], name) == 0) return i;
    return -1;
}

std::int32_t answer(const char* name, const std::uint8_t* request, std::int32_t length,
                    std::uint8_t** out) {
    const int index = indexOf(name);
    ++state.calls[index];
    state.lastRequest[index].assign(request, request + length);
    if ((state.failing >> index) & 1u) return 0;

    Materialdaten m;
    if (m.parse(request, length) < 0) return 0;
    m.read();
    Materialdaten bare;
    Materialdaten& a = state.bare ? bare : m;
    const std::string entryPoint = name;
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
    std::vector<std::uint8_t> bytes = a.toBytes();
    auto* block = new std::uint8_t[bytes.size()];
    std::memcpy(block, bytes.data(), bytes.size());
    *out = block;
    return static_cast<std::int32_t>(bytes.size());
}

} // namespace

extern "C" {

KS_EXPORT FaultState* faultState() {
    return &state;
}

KsContext _KS_init(void) {
    return &context;
}
int32_t _KS_deInit(KsContext) {
    return 1;
}
void _KS_deleteData(uint8_t* answer) {
    delete[] answer;
}
int32_t _KS_setIniData(KsContext, const char*) {
    return 1;
}
int32_t _KS_getGlasdickeReal(KsModule, int32_t, double* thickness) {
    if (thickness) *thickness = 0.0;
    return 1;
}
int32_t _KS_readDatabase(const char*, const char*, const char*, const char*, int32_t, int32_t) {
    return 1;
}

#define FAULT_DISPATCH(name)                                                                       \
    int32_t _KS_##name(KsContext, const uint8_t* request, int32_t length, uint8_t** out) {         \
        return answer("_KS_" #name, request, length, out);                                         \
    }
KS_DISPATCHED(FAULT_DISPATCH)
#undef FAULT_DISPATCH

} // extern "C"
