#pragma once
// Service calls on a request whose lists other controls index into.

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "model/ks_lists.h"
#include "model/materialdaten.h"

namespace vm {

// Calls `call(request)` and keeps every row list of the main form that is not
// named in `reloaded`: an answer carries every list of the request back, and
// one that leaves a list out must not pull the shown candidates from under the
// rows whose name labels index into them. A failed call leaves the request as
// it was. Returns the call's result.
template <class Call>
bool CallKeepingLists(Materialdaten& request, std::initializer_list<int> reloaded, Call call) {
    static constexpr int kRowLists[] = {ks_list::systems,
                                        ks_list::colours,
                                        ks_list::frames,
                                        ks_list::sashes,
                                        ks_list::mullions,
                                        ks_list::astragals,
                                        ks_list::glasses,
                                        ks_list::beadsFrameSide,
                                        ks_list::beadsSashSide,
                                        ks_list::couplingsVertical,
                                        ks_list::couplingsHorizontal};
    std::vector<std::pair<int, std::vector<velmar_nameid>>> keptNameIds;
    std::vector<std::pair<int, std::vector<velmar_artikel>>> keptArticles;
    for (int base : kRowLists) {
        if (std::find(reloaded.begin(), reloaded.end(), base) != reloaded.end()) continue;
        if (const auto* list = request.nameidList(base)) keptNameIds.emplace_back(base, *list);
        if (const auto* list = request.artikelList(base)) keptArticles.emplace_back(base, *list);
    }
    const bool ok = call(request);
    if (ok) {
        for (auto& [base, list] : keptNameIds) *request.nameidList(base) = std::move(list);
        for (auto& [base, list] : keptArticles) *request.artikelList(base) = std::move(list);
    }
    return ok;
}

} // namespace vm
