#include "ui/request_lists.h"

#include "service/service_client.h"

namespace vm {

std::vector<velmar_stahl> QueryReinforcements(ServiceClient& service, Materialdaten& request,
                                              int articleId, int chamber) {
    const int articleBefore = request.articleId;
    const int subcodeBefore = request.elementSubcode;
    std::vector<velmar_stahl> before = std::move(request.reinforcements);
    request.articleId = articleId;
    request.elementSubcode = chamber;
    request.reinforcements.clear();
    CallKeepingLists(request, {}, [&](Materialdaten& r) { return service.getArtikelInc(r); });
    std::vector<velmar_stahl> offered = std::move(request.reinforcements);
    request.reinforcements = std::move(before);
    request.articleId = articleBefore;
    request.elementSubcode = subcodeBefore;
    return offered;
}

} // namespace vm
