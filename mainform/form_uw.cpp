#include "mainform/form_uw.h"

#include "mainform/form_state.h"
#include "model/ks_lists.h"
#include "model/thermal.h"
#include "service/service_client.h"

namespace vm {

namespace {

// The construction type that carries a cut position: its own, else that of
// the first article of its first opening.
int CarrierOf(const velmar_cutpos& position) {
    if (position.intValue > 0) return position.intValue;
    const auto& articles = position.opening1.artikel.items;
    return articles.empty() ? 0 : articles.front().konstType;
}

bool HoldsSash(const velmar_cutpos& position) {
    for (const velmar_artikel& a : position.opening1.artikel.items)
        if (a.konstType == ks_konst::sash) return true;
    return false;
}

} // namespace

bool FormUw(FormState& form, velmar_uw& result) {
    velmar_data data;
    form.GetData(data);
    const velmar_artikel& glass = data.glas;
    if (glass.nameId.id <= 0) return false;

    // The element's layout from its cut positions: mullions and astragals
    // where a position is carried by one, sashes where the positions hold
    // them. Without positions the element is one field with the sash row's.
    thermal::Element e;
    bool sash = data.fluegel.nameId.id > 0;
    const std::vector<velmar_cutpos>& positions = form.request.cutPositions;
    if (!positions.empty()) {
        sash = false;
        for (const velmar_cutpos& p : positions) {
            const int carrier = CarrierOf(p);
            if (carrier == ks_konst::mullion) ++e.mullions;
            if (carrier == ks_konst::astragal) e.astragal = true;
            sash = sash || HoldsSash(p);
        }
    }

    Materialdaten request = form.request;
    request.frameId = data.rahmen.nameId.id;
    request.sashId = sash ? data.fluegel.nameId.id : 0;
    request.mullionId = e.mullions > 0 ? data.pfosten.nameId.id : 0;
    request.astragalId = e.astragal ? data.stulp.nameId.id : 0;
    request.materials.clear();
    if (!form.service.getAnsichtsbreiten(request)) return false;
    bool sashAnswered = false;
    for (const KSP_MATERIAL& m : request.materials) {
        if (m.int2 == ks_konst::frame && m.int1 == request.frameId) {
            e.frame = m.double24;
            e.ufFrame = m.double12;
        } else if (m.int2 == ks_konst::sash && m.int1 == request.sashId) {
            e.sash = m.double24;
            sashAnswered = m.double24 > 0;
        } else if (m.int2 == ks_konst::mullion && m.int1 == request.mullionId) {
            e.mullion = m.double24;
            e.ufMullion = m.double12;
        } else if (m.int2 == ks_konst::astragal && m.int1 == request.astragalId) {
            e.astragalWidth = m.double24;
            e.ufAstragal = m.double12;
        }
    }
    if (sash && !sashAnswered) return false; // never the figure of fixed glazing

    const ElementSize& size = form.elementSize;
    const bool sized = size.width > 0 && size.height > 0;
    e.width = sized ? size.width : thermal::kReferenceWidth;
    e.height = sized ? size.height : thermal::kReferenceHeight;
    e.ug = glass.nameId.value1;
    e.psi = (glass.nameId.intValue & ks_glass::noEdgeSeal) != 0 ? 0.0 : glass.nameId.value2;

    thermal::Figures f;
    if (!thermal::Compute(e, f)) return false;
    result.uw = f.uw;
    result.af = f.af;
    result.ag = f.ag;
    result.lg = f.lg;
    result.uf = f.uf;
    result.ug = f.ug;
    result.psi = f.psi;
    result.width = e.width;
    result.height = e.height;
    result.referenceSize = !sized;
    return true;
}

} // namespace vm
