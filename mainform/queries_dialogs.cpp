// The host's queries that let the user choose in a dialog: the glazing bar
// and the accessories of a cut. They ask on the form's own request and give
// it back as it was, so the rows and the next reload see nothing of them.

#include "dialogs/Sprossendlg.h"
#include "dialogs/Zusatzdlg.h"
#include "mainform/vm_mainform.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

int TForm1::GetSprosse(const velmar_artikel& bar, int glassId, int& konstType,
                       velmar_artikel& result) {
    const Materialdaten kept = request;
    PrepareRequest();
    request.articleId = bar.nameId.id;
    request.glassId = glassId;
    vm::CallKeepingLists(request, {}, [this](Materialdaten& r) { return service.getSprossen(r); });
    request.glassId = kept.glassId;

    TSprossenForm dialog(service, request, konstType, bar.nameId.id, bar.steel1.nameId.id,
                         MessageOwner());
    dialog.exec();
    if (dialog.accepted) {
        konstType = dialog.konstType;
        const auto& bars = TSprossenForm::BarList(request, konstType);
        // The bar as the service lists it: the reinforcement picked in the
        // dialog is not part of the answer.
        if (const velmar_artikel* chosen = vm::EntryAt(bars, dialog.chosenIndex)) result = *chosen;
    }
    request = kept;
    return dialog.accepted ? 1 : 0;
}

int TForm1::GetAccessoryForCut(int articleId, int elementCodeOfCut, int cutSide,
                               std::vector<velmar_cutpos>& positions, unsigned int& chosen) {
    const Materialdaten kept = request;
    PrepareRequest();
    request.articleId = articleId;
    request.elementCode = elementCodeOfCut;
    // The service fills the openings of the cut positions with what it
    // offers and completes the accessories chosen so far.
    request.cutPositions = positions;
    request.accessoryPositions = positions;
    // Parts of a roller shutter are not offered where the element has a box.
    request.rollerShutterBoxes.clear();
    if (rollkasten.box.id > 0) request.rollerShutterBoxes.push_back(rollkasten);
    int result = 0;
    if (vm::CallKeepingLists(request, {},
                             [this](Materialdaten& r) { return service.getArtikelZusatz(r); })) {
        const std::vector<velmar_cutpos> offered = std::move(request.cutPositions);
        std::vector<velmar_cutpos> selection = std::move(request.accessoryPositions);
        request.cutPositions.clear();
        request.accessoryPositions.clear();
        TZusatzForm dialog(service, request, offered, selection, cutSide, chosen, MessageOwner());
        dialog.exec();
        if (dialog.accepted) {
            positions = std::move(selection);
            chosen = dialog.checkedCount;
            result = 1;
        }
    }
    request = kept;
    return result;
}
