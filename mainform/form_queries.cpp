#include "mainform/form_queries.h"

#include <algorithm>
#include <utility>

#include "dialogs/Glasdlg.h"
#include "dialogs/Sprossendlg.h"
#include "dialogs/Zusatzdlg.h"
#include "mainform/article_dialogs.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "model/text_codec.h"
#include "platform/drawing/qv_database.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"
#include "ui/sketch.h"

namespace vm {

namespace {

// The row whose candidates a profile of each construction type is chosen from.
constexpr std::pair<int, FormRow> kProfileRows[] = {
    {ks_konst::frame, FormRow::Rahmen},
    {ks_konst::sash, FormRow::Fluegel},
    {ks_konst::mullion, FormRow::Pfosten},
    {ks_konst::astragal, FormRow::Stulp},
};

// A fresh request with the form's header: its keys and request kind 2.
Materialdaten FormRequest(const TForm1& form) {
    Materialdaten request;
    request.hostKey1 = form.state.hostKey1;
    request.hostKey2 = form.state.hostKey2;
    request.requestKind = 2;
    return request;
}

// A copy of the form's own request with its current numbers, so that
// answers cannot touch the lists the rows show; without those lists, which
// no query asks with (each sets the lists it sends).
Materialdaten CopyOfFormRequest(TForm1& form) {
    form.state.ReadNumbersBack();
    return CopyWithoutRowLists(form.state.request);
}

// The glass of a configuration and its glazing beads are the articles of
// these construction types in a cut position's openings.
template <class Visit> void ForEachArticle(velmar_cutpos& position, Visit visit) {
    for (velmar_oeffnung_artikel* opening :
         {&position.opening1, &position.opening2, &position.opening3})
        for (velmar_artikel& article : opening->artikel.items) visit(article);
}

} // namespace

int GetCut(TForm1& form, const velmar_cut& cut, QV_C_DataBase& database, velmar_CutInfo& info,
           std::string& text) {
    Materialdaten request;
    request.fillFrom(cut.data);
    request.requestKind = 2;
    request.hostKey1 = form.state.hostKey1;
    request.hostKey2 = form.state.hostKey2;
    request.elementCode = cut.intValue;
    request.sashSpecialRebate = cut.flag; // the cut's flag travels in the sash's
    request.cutSecondValue = cut.intValue2;
    request.firstDimension = 1.1;
    request.secondDimension = 1.7;
    request.option1 = form.state.option1;
    request.option2 = form.state.option2;
    request.option3 = form.state.option3;
    request.serviceFlag = form.state.serviceFlag;
    request.cutPositions = cut.positions;
    Materialdaten glass = request;
    if (!form.state.service.getCut(request)) return 0;
    const bool drawn = LoadHostSketch(database, request.drawing);
    info.materials = request.materials;
    info.wallConnections = request.wallConnections;
    info.flag1 = drawn;
    // The glass's own material follows the cut's parts.
    info.flag2 = form.state.service.getGlasMaterial(glass) && !glass.materials.empty();
    info.materials.insert(info.materials.end(), glass.materials.begin(), glass.materials.end());
    text = vmjson::utf8FromWide(request.cutText);
    return drawn ? 1 : 0;
}

void CheckAccessoryForCut(TForm1& form, std::vector<velmar_cutpos>& positions) {
    Materialdaten request = CopyOfFormRequest(form);
    request.elementCode = form.state.elementCode;
    request.elementSubcode = form.state.elementSubcode;
    request.articleId = 0;
    request.accessoryPositions = positions;
    if (form.state.service.getArtikelZusatz(request)) positions = request.accessoryPositions;
}

int AddProfileToAccessoryForCut(TForm1& form, velmar_cutpos& position, int article, int side) {
    Materialdaten request = CopyOfFormRequest(form);
    request.articleId = article;
    request.queryArgument = side;
    request.cutPositions = {position};
    if (!form.state.service.getZusatzProfilInfo(request) || request.cutPositions.empty()) return 0;
    position = request.cutPositions.front();
    return 1;
}

bool AddWallProfileToAccessoryForCut(TForm1& form, std::vector<velmar_cutpos>& positions,
                                     int wallConnection, int series, int side, int frame) {
    Materialdaten request = FormRequest(form);
    request.articleId = wallConnection;
    request.systemId = series;
    request.elementCode = side;
    request.frameId = frame;
    request.elementSubcode = form.state.elementSubcode;
    request.accessoryPositions = positions;
    if (form.state.service.addWallProfileToAccessoryForCut(request))
        positions = request.accessoryPositions;
    return true;
}

void RemoveProfileTypeFromAccessories(std::vector<velmar_cutpos>& positions, int konstType) {
    for (velmar_cutpos& position : positions)
        for (velmar_oeffnung_artikel* opening :
             {&position.opening1, &position.opening2, &position.opening3})
            std::erase_if(opening->zusatz, [konstType](const velmar_zusatzartikel& entry) {
                return entry.artikel.konstType == konstType;
            });
}

void GetProfileTypesForCut(TForm1& form, std::vector<velmar_cutpos>& positions, int elementCode) {
    Materialdaten request = FormRequest(form);
    request.systemId = form.state.request.systemId;
    request.elementCode = elementCode;
    request.elementSubcode = form.state.elementSubcode;
    request.cutPositions = positions;
    if (form.state.service.getProfileTypesForCut(request)) positions = request.cutPositions;
}

int ChangeArtikel(TForm1& form, velmar_artikel& article, int konstType, bool withReinforcement) {
    const bool coupling = konstType == ks_konst::coupling;
    std::vector<velmar_artikel>* list = nullptr;
    if (coupling) {
        // A coupling listed both ways is chosen among the vertical ones.
        const int direction = article.nameId.intValue;
        if (direction & ks_coupling::vertical)
            list = form.state.ArticleList(FormRow::KopplungSenk);
        else if (direction & ks_coupling::horizontal)
            list = form.state.ArticleList(FormRow::KopplungWaag);
    } else {
        for (const auto& [type, row] : kProfileRows)
            if (type == konstType) list = form.state.ArticleList(row);
    }
    if (list == nullptr) return 0;
    // The reinforcements chosen stay with the candidate in the form's list,
    // as a row's choice leaves them.
    velmar_artikel* chosen = nullptr;
    if (coupling) {
        const auto choice = AskCoupling(form.state, &form, *list, article.nameId.id);
        if (!choice) return 0;
        chosen = EntryAt(*list, choice->chosenIndex);
        if (chosen != nullptr) {
            chosen->steel1 = choice->reinforcement;
            if ((chosen->nameId.intValue & ks_coupling::bothChambers) != 0)
                chosen->steel2 = choice->reinforcement;
        }
    } else {
        const auto choice =
            AskArticle(form.state, &form, *list, konstType, article.nameId.id, withReinforcement);
        if (!choice) return 0;
        chosen = EntryAt(*list, choice->chosenIndex);
        if (chosen != nullptr && withReinforcement) {
            chosen->steel1 = choice->reinforcement1;
            chosen->steel2 = choice->reinforcement2;
        }
    }
    if (chosen != nullptr) article = *chosen;
    return 1;
}

int ChangeGlas(TForm1& form, velmar_artikel& glass, velmar_artikel& glazingBead,
               const velmar_artikel& profile, int series, int elementCode, bool showGlazingBeads) {
    Materialdaten request = CopyOfFormRequest(form);
    if (series > 0) request.systemId = series;
    if (elementCode > 0) request.elementCode = elementCode;
    request.glassId = glass.nameId.id;
    request.glasses = {glass};
    if (!form.state.service.getGlas(request)) return 0;
    std::vector<velmar_artikel> glasses = std::move(request.glasses);
    const auto chosen = Ask<TGlasForm>({.service = form.state.service,
                                        .request = request,
                                        .glasses = glasses,
                                        .currentId = glass.nameId.id,
                                        .psiG = glass.nameId.value2,
                                        .showGlazingBeads = showGlazingBeads,
                                        .konstType = profile.konstType,
                                        .profileId = profile.nameId.id,
                                        .glazingBeadId = glazingBead.nameId.id},
                                       &form);
    if (!chosen) return 0;
    glass = chosen->chosen;
    if (showGlazingBeads && chosen->glazingBead.nameId.id > 0) glazingBead = chosen->glazingBead;
    return 1;
}

void SetGlaeser(TForm1& form, const velmar_vector<velmar_glas>& glasses) {
    Materialdaten request = CopyOfFormRequest(form);
    request.glasses.assign(glasses.items.begin(), glasses.items.end());
    form.state.service.setGlas(request);
    form.state.UpdateData(ReloadLevel::Glass, false, 0);
}

int CorrectGlas(TForm1& form, velmar_artikel& glass, velmar_artikel& glazingBead, int profile,
                int profileKonstType, bool withGlazingBead) {
    Materialdaten request = CopyOfFormRequest(form);
    request.glassId = glass.nameId.id;
    request.glasses = {glass};
    if (!form.state.service.getGlas(request)) return 0;
    // Only the catalogue's glass of that number corrects it; a glass the
    // catalogue no longer has stays the host's, and the result says so.
    const auto found =
        std::find_if(request.glasses.begin(), request.glasses.end(),
                     [&](const velmar_artikel& g) { return g.nameId.id == glass.nameId.id; });
    if (glass.nameId.id <= 0 || found == request.glasses.end()) return 0;
    velmar_artikel corrected = *found;
    corrected.steel1 = glass.steel1; // the ornament stays the host's choice
    glass = corrected;
    if (!withGlazingBead) return 1;

    const bool frameSide = profileKonstType == ks_konst::frame;
    request.glassId = glass.nameId.id;
    (frameSide ? request.frameId : request.sashId) = profile;
    (frameSide ? request.beadFrameSideId : request.beadSashSideId) = glazingBead.nameId.id;
    if (!form.state.service.getGlasleisten(request)) return 1;
    const auto& beads = frameSide ? request.beadsFrameSide : request.beadsSashSide;
    if (const velmar_artikel* bead = EntryAt(beads, FindEntryIndex(beads, glazingBead.nameId.id)))
        glazingBead = *bead;
    return 1;
}

int CorrectGlasses(TForm1& form, std::vector<velmar_cutpos>& positions, int withGlazingBeads) {
    int corrected = 0;
    for (velmar_cutpos& position : positions) {
        // The profile that holds the glass, and its bead, in the same position.
        velmar_artikel* profile = nullptr;
        velmar_artikel* bead = nullptr;
        std::vector<velmar_artikel*> glasses;
        ForEachArticle(position, [&](velmar_artikel& article) {
            if (article.konstType == ks_konst::glass)
                glasses.push_back(&article);
            else if (article.konstType == ks_konst::glazingBead)
                bead = &article;
            else if (profile == nullptr && article.konstType >= ks_konst::frame &&
                     article.konstType <= ks_konst::astragal)
                profile = &article;
        });
        velmar_artikel noBead;
        for (velmar_artikel* glass : glasses)
            corrected += CorrectGlas(form, *glass, bead != nullptr ? *bead : noBead,
                                     profile != nullptr ? profile->nameId.id : 0,
                                     profile != nullptr ? profile->konstType : 0,
                                     withGlazingBeads != 0 && bead != nullptr);
    }
    return corrected;
}

int GetAufbauprofil(TForm1& form, const velmar_cutpos& position, int sash, int series, bool top,
                    velmar_artikel& profile) {
    Materialdaten request = FormRequest(form);
    request.sashId = sash;
    request.systemId = series;
    bool ok = false;
    if (top) {
        ok = form.state.service.getAufbauprofilOben(request);
    } else {
        request.cutPositions = {position};
        ok = form.state.service.getAufbauprofilUnten(request);
    }
    const auto& offered = request.articleTexts1; // the build-on profiles
    if (!ok || offered.size() != 1) return 0;
    profile = offered.front();
    return 1;
}

void AddDefaultBasisProfile(TForm1& form, std::vector<velmar_cutpos>& positions) {
    Materialdaten request = CopyOfFormRequest(form);
    request.accessoryPositions = positions;
    form.state.service.addDefaultBasisProfile(request);
    positions = request.accessoryPositions;
}

} // namespace vm

// ---- queries that let the user choose in a dialog ---------------------------------
// They ask on the form's own request and give it back as it was, so the rows
// and the next reload see nothing of them.

int TForm1::GetSprosse(const velmar_artikel& bar, int glassId, int& konstType,
                       velmar_artikel& result) {
    const Materialdaten kept = state.request;
    state.PrepareRequest();
    state.request.articleId = bar.nameId.id;
    state.request.glassId = glassId;
    vm::CallKeepingLists(state.request, {},
                         [this](Materialdaten& r) { return state.service.getSprossen(r); });
    state.request.glassId = kept.glassId;

    const auto chosen = vm::Ask<TSprossenForm>(
        {state.service, state.request, konstType, bar.nameId.id, bar.steel1.nameId.id},
        MessageOwner());
    if (chosen) {
        konstType = chosen->konstType;
        const auto& bars = TSprossenForm::BarList(state.request, konstType);
        // The bar as the service lists it: the reinforcement picked in the
        // dialog is not part of the answer.
        if (const velmar_artikel* entry = vm::EntryAt(bars, chosen->chosenIndex)) result = *entry;
    }
    state.request = kept;
    return chosen ? 1 : 0;
}

int TForm1::GetAccessoryForCut(int articleId, int elementCodeOfCut, int cutSide,
                               std::vector<velmar_cutpos>& positions, unsigned int& chosen) {
    const Materialdaten kept = state.request;
    state.PrepareRequest();
    state.request.articleId = articleId;
    state.request.elementCode = elementCodeOfCut;
    // The service fills the openings of the cut positions with what it
    // offers and completes the accessories chosen so far.
    state.request.cutPositions = positions;
    state.request.accessoryPositions = positions;
    // Parts of a roller shutter are not offered where the element has a box.
    state.request.rollerShutterBoxes.clear();
    if (state.rollkasten.box.id > 0) state.request.rollerShutterBoxes.push_back(state.rollkasten);
    int result = 0;
    if (vm::CallKeepingLists(state.request, {}, [this](Materialdaten& r) {
            return state.service.getArtikelZusatz(r);
        })) {
        const std::vector<velmar_cutpos> offered = std::move(state.request.cutPositions);
        const std::vector<velmar_cutpos> selection = std::move(state.request.accessoryPositions);
        state.request.cutPositions.clear();
        state.request.accessoryPositions.clear();
        if (auto ticked = vm::Ask<TZusatzForm>(
                {state.service, state.request, offered, selection, cutSide, chosen},
                MessageOwner())) {
            positions = std::move(ticked->selection);
            chosen = ticked->checkedCount;
            result = 1;
        }
    }
    state.request = kept;
    return result;
}
