#include "model/thermal.h"

#include <cmath>

namespace thermal {

double Uw(double ag, double ug, double af, double uf, double lg, double psi) {
    const double area = ag + af;
    return area > 0 ? (ag * ug + af * uf + lg * psi) / area : 0.0;
}

namespace {

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}

} // namespace

bool Compute(const Element& e, Figures& out) {
    out = Figures{};
    const bool sizeKnown = Positive(e.width) && Positive(e.height);
    if (!sizeKnown || !Positive(e.frame) || !Positive(e.ufFrame) || !Positive(e.ug)) return false;
    if (!std::isfinite(e.psi) || e.psi < 0 || e.mullions < 0 || e.mullions > 100) return false;
    if (!std::isfinite(e.sash) || e.sash < 0) return false;
    if (e.mullions > 0 && (!Positive(e.mullion) || !Positive(e.ufMullion))) return false;
    if (e.astragal && (!Positive(e.astragalWidth) || !Positive(e.ufAstragal))) return false;

    // Fields between the frame's glass stops and the mullions; each holds
    // one pane, or two beside the astragal. Every sash takes its width off
    // the pane on each side.
    const int fields = e.mullions + 1;
    const int panesPerField = e.astragal ? 2 : 1;
    const double fieldWidth = (e.width - 2 * e.frame - e.mullions * e.mullion) / fields;
    const double paneWidth =
        (fieldWidth - (e.astragal ? e.astragalWidth : 0.0)) / panesPerField - 2 * e.sash;
    const double paneHeight = e.height - 2 * e.frame - 2 * e.sash;
    if (!Positive(paneWidth) || !Positive(paneHeight)) return false;

    const int panes = fields * panesPerField;
    const double mm2 = 1e-6, mm = 1e-3;
    const double ag = panes * paneWidth * paneHeight * mm2;
    const double af = e.width * e.height * mm2 - ag;
    // A mullion's and an astragal's section run between the frame sections
    // with the sashes beside them; the frame section is the rest.
    const double mullionArea = e.mullions * (e.mullion + 2 * e.sash) * paneHeight * mm2;
    const double astragalArea =
        e.astragal ? fields * (e.astragalWidth + 2 * e.sash) * paneHeight * mm2 : 0.0;
    const double frameArea = af - mullionArea - astragalArea;

    out.ag = ag;
    out.af = af;
    out.lg = panes * 2 * (paneWidth + paneHeight) * mm;
    out.uf = (frameArea * e.ufFrame + mullionArea * e.ufMullion + astragalArea * e.ufAstragal) / af;
    out.ug = e.ug;
    out.psi = e.psi;
    out.uw = Uw(out.ag, out.ug, out.af, out.uf, out.lg, out.psi);
    return true;
}

} // namespace thermal
