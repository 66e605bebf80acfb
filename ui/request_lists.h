#pragma once
// Service calls on a request whose lists other controls index into.

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "model/ks_lists.h"
#include "model/materialdaten.h"

class ServiceClient;

namespace vm {

// The row lists of the main form, taken out of a request so that they do
// not travel: an answer carries every list of its request back, so a list
// the call does not reload would only cross the packet twice to come back
// as it went (on a vendor's catalogue thousands of entries per call).
class HeldRowLists {
public:
    // Takes every row list of `request` not named in `reloaded`.
    HeldRowLists(Materialdaten& request, std::initializer_list<int> reloaded) {
        for (int base : kRowLists) {
            if (std::find(reloaded.begin(), reloaded.end(), base) != reloaded.end()) continue;
            if (auto* list = request.nameidList(base))
                nameIds_.emplace_back(base, std::move(*list));
            if (auto* list = request.artikelList(base))
                articles_.emplace_back(base, std::move(*list));
        }
        for (auto& held : nameIds_) request.nameidList(held.first)->clear();
        for (auto& held : articles_) request.artikelList(held.first)->clear();
    }
    // Puts them back into `request`.
    void Restore(Materialdaten& request) {
        for (auto& [base, list] : nameIds_) *request.nameidList(base) = std::move(list);
        for (auto& [base, list] : articles_) *request.artikelList(base) = std::move(list);
        nameIds_.clear();
        articles_.clear();
    }

private:
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
    std::vector<std::pair<int, std::vector<velmar_nameid>>> nameIds_;
    std::vector<std::pair<int, std::vector<velmar_artikel>>> articles_;
};

// Calls `call(request)` and keeps every row list of the main form that is not
// named in `reloaded`: one that an answer leaves out must not pull the shown
// candidates from under the rows whose name labels index into them. The kept
// lists are not sent (HeldRowLists). A failed call leaves them as they were.
// Returns the call's result.
template <class Call>
bool CallKeepingLists(Materialdaten& request, std::initializer_list<int> reloaded, Call call) {
    HeldRowLists held(request, reloaded);
    const bool ok = call(request);
    held.Restore(request);
    return ok;
}

// A copy of `request` without its row lists, for a call whose answer must
// not touch the request.
inline Materialdaten CopyWithoutRowLists(Materialdaten& request) {
    HeldRowLists held(request, {});
    Materialdaten copy = request;
    held.Restore(request);
    return copy;
}

// The reinforcements the service offers for chamber `chamber` (1, 2) of
// the article `articleId`, asked on `request`, which comes back as it was:
// the chamber travels where a form's requests carry the element subcode.
std::vector<velmar_stahl> QueryReinforcements(ServiceClient& service, Materialdaten& request,
                                              int articleId, int chamber);

} // namespace vm
