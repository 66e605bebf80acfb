#pragma once
// The answers of the service's entry points. Each takes the session and the
// request as read into a Materialdaten, and turns that record into the
// answer: it replaces the lists it answers and sets its answer fields; every
// other field travels back as the request held it, so a caller that reuses
// its record keeps its numbers and its cut positions.
//
// Answers read the catalogue only through its prepared statements; they
// throw CatalogueError when a read fails.

#include <memory>
#include <vector>

#include "kalksrv/catalogue.h"
#include "model/materialdaten.h"

namespace kalksrv {

// What one _KS_init hands out: the catalogue it answers from and the glasses
// the host last handed over for the element (_KS_setGlas).
struct Session {
    std::shared_ptr<Catalogue> catalogue;
    std::vector<int> elementGlasses;
};

using Answer = void (*)(Session&, Materialdaten&);

// The main form's lists
void answerSystems(Session&, Materialdaten&);
void answerColours(Session&, Materialdaten&);
void answerArticles(Session&, Materialdaten&);
void answerAstragals(Session&, Materialdaten&);
void answerCouplings(Session&, Materialdaten&);
void answerGlasses(Session&, Materialdaten&);
void answerBeads(Session&, Materialdaten&);
void answerBoxes(Session&, Materialdaten&);
void answerUfValue(Session&, Materialdaten&);
void answerUfForCut(Session&, Materialdaten&);
void answerSetGlasses(Session&, Materialdaten&);
// Visible face widths and Uf of the element's profiles (_KS_getAnsichtsbreiten)
void answerFaceWidths(Session&, Materialdaten&);

// Checks and limits asked by the host's queries
void answerSashSizeCheck(Session&, Materialdaten&);
void answerFireProtection(Session&, Materialdaten&);
void answerRollerShutterLimits(Session&, Materialdaten&);

// Dialog lists
void answerReinforcements(Session&, Materialdaten&);
void answerOrnaments(Session&, Materialdaten&);
void answerBoxAccessories(Session&, Materialdaten&);
void answerGuideRails(Session&, Materialdaten&);

// Entry points whose content comes with the drawings and accessories: the
// request travels back unchanged.
void answerUnchanged(Session&, Materialdaten&);

// Helpers the answers share.
velmar_nameid nameid(int id, WideText name, bool isDefault = false, int intValue = 0,
                     double value1 = 0, double value2 = 0);
// The first id a statement with the series as its one parameter gives; 0
// for no row or no series.
int firstId(Catalogue& catalogue, Catalogue::Statement statement, int series);
// Glazing beads of a series for a side ('R' frame, 'F' sash), rebate and
// glass thickness, with exactly one default.
std::vector<velmar_artikel> beads(Catalogue& catalogue, int series, const char* side, bool special,
                                  double thickness);

// Real thickness of a glass; false for a glass the catalogue does not hold.
bool realGlassThickness(Catalogue& catalogue, int glassId, double& thickness);

} // namespace kalksrv
