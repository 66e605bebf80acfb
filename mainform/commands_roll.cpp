// The roller-shutter row and the one combination rule of the form: no box on
// a 100 mm frame where the element's cut positions forbid it.

#include <cmath>

#include "mainform/Rollkastendlg.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "platform/os/message.h"
#include "service/service_client.h"
#include "ui/request_lists.h"

namespace {

// The frame depth that a top-mounted box cannot sit on.
constexpr double kFrameDepthWithoutBox = 100.0;

const velmar_artikel* FrameIn(const velmar_oeffnung_artikel& opening) {
    for (const velmar_artikel& article : opening.artikel.items)
        if (article.konstType == ks_konst::frame) return &article;
    return nullptr;
}

// The element's cut positions follow the current frame only after an
// article reload; a frame chosen since then is not in them yet. Asks the
// article reload's answer for them again without touching the rows' lists.
void RefreshElementPositions(TForm1& form) {
    form.ReadNumbersBack();
    vm::CallKeepingLists(form.request, {},
                         [&form](Materialdaten& r) { return form.service.getArtikel(r); });
}

} // namespace

void TForm1::LRollClick(QObject*) {
    RefreshElementPositions(*this);
    if (CheckRollkastenRahmen()) {
        RemoveRollkastenIfInvalid();
        return;
    }
    LoadRollkaesten();
    TRollkastenForm dialog(*this, rollkasten, request, MessageOwner());
    dialog.exec();
    if (!dialog.accepted) return;
    LoadRollkaesten();
    UpdateData(90, true, 0);
}

bool TForm1::CheckRollkastenRahmen() {
    for (const velmar_cutpos& position : request.cutPositions) {
        if (!position.flag2) continue;
        const velmar_artikel* frame = FrameIn(position.opening1);
        if (frame != nullptr && FrameIn(position.opening2) == nullptr &&
            std::abs(frame->value1 - kFrameDepthWithoutBox) < 0.000001)
            return true;
    }
    return false;
}

void TForm1::RemoveRollkastenIfInvalid() {
    RefreshElementPositions(*this);
    if (!CheckRollkastenRahmen()) return;
    os::messageBox(QStringLiteral("RK - ist in Kombination mit 100er Rahmen nicht möglich!"),
                   QStringLiteral("Achtung"), MessageOwner());
    if (rollkasten.box.id == 0) return;
    rollkasten.box.id = 0;
    LoadRollkaesten();
    UpdateData(90, true, 0);
}
