// Requests and cut positions as the tests and benchmarks of the service send
// them. Header-only, so that benchmarks built without the tests can use it.
#pragma once

#include "model/materialdaten.h"

#include <initializer_list>
#include <utility>

namespace test_support {

// The sample catalogue's PVC 70 series, the main form's first choice.
inline constexpr int kSampleSeries = 8830;

// A request as the main form sends it: host keys, form request, series.
inline Materialdaten formRequest(int series = kSampleSeries) {
    Materialdaten m;
    m.hostKey1 = 1;
    m.hostKey2 = 1;
    m.requestKind = 2;
    m.systemId = series;
    return m;
}

// An article of a cut position: the service reads only its number and
// construction type.
inline velmar_artikel article(int id, int konstType) {
    velmar_artikel a;
    a.nameId.id = id;
    a.konstType = konstType;
    return a;
}

// A cut position whose first opening holds these articles (id, type).
inline velmar_cutpos cutPosition(std::initializer_list<std::pair<int, int>> articles) {
    velmar_cutpos p;
    for (auto [id, konstType] : articles)
        p.opening1.artikel.items.push_back(article(id, konstType));
    return p;
}

} // namespace test_support
