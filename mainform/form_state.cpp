#include "mainform/form_state.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

#include "model/entry_pick.h"
#include "model/ks_lists.h"
#include "service/service_client.h"
#include "ui/request_lists.h"

namespace vm {

namespace {

// Extra data of the profile-series request.
constexpr double kSeriesRequestValue1 = 0.6;
constexpr double kSeriesRequestValue2 = 20.0;
// Series that always take aluminium cladding shells where they offer them.
constexpr int kCladdingSeries[] = {8830, 10222};

// What the state knows of one row.
struct RowData {
    int listBase;                            // candidate list in the request; -1 for the box
    int Materialdaten::*number;              // current number; null for the box
    velmar_nameid velmar_data::*nameIdField; // what GetData fills (or null)
    velmar_artikel velmar_data::*artikelField;
    int changeCode;
    int choice;         // UserChoice, or -1 (never forced)
    int reportPosition; // place in the change report; -1 not reported
};

using M = Materialdaten;
using D = velmar_data;
using S = FormState;

// In the order of FormRow; the change report goes frame to box, then colour.
constexpr RowData kRows[kFormRows] = {
    {ks_list::systems, &M::systemId, &D::system, nullptr, ccSystemChanged, -1, -1},
    {ks_list::colours, &M::colourId, &D::farbe, nullptr, ccFarbe, S::ucFarbe, 10},
    {ks_list::frames, &M::frameId, nullptr, &D::rahmen, ccRahmen, S::ucRahmen, 0},
    {ks_list::sashes, &M::sashId, nullptr, &D::fluegel, ccFluegel, S::ucFluegel, 1},
    {ks_list::mullions, &M::mullionId, nullptr, &D::pfosten, ccPfosten, S::ucPfosten, 2},
    {ks_list::astragals, &M::astragalId, nullptr, &D::stulp, ccStulp, S::ucStulp, 3},
    {ks_list::glasses, &M::glassId, nullptr, &D::glas, ccGlas, S::ucGlas, 4},
    {ks_list::beadsFrameSide, &M::beadFrameSideId, nullptr, &D::glasleisteR, ccGlas,
     S::ucGlasleisteR, 5},
    {ks_list::beadsSashSide, &M::beadSashSideId, nullptr, &D::glasleisteF, ccGlas, S::ucGlasleisteF,
     6},
    {ks_list::couplingsVertical, &M::couplingVerticalId, nullptr, &D::kopplungSenk, ccKopplungSenk,
     S::ucKopplungSenk, 7},
    {ks_list::couplingsHorizontal, &M::couplingHorizontalId, nullptr, &D::kopplungWaag,
     ccKopplungWaag, S::ucKopplungWaag, 8},
    {-1, nullptr, nullptr, nullptr, ccRollkasten, -1, 9},
};

const RowData& Row(FormRow row) {
    return kRows[static_cast<std::size_t>(row)];
}

// Whether a reload from `level` reaches the stage that starts at `stage`.
bool Reaches(ReloadLevel level, ReloadLevel stage) {
    return static_cast<int>(level) <= static_cast<int>(stage);
}

const velmar_artikel* FrameIn(const velmar_oeffnung_artikel& opening) {
    for (const velmar_artikel& article : opening.artikel.items)
        if (article.konstType == ks_konst::frame) return &article;
    return nullptr;
}

} // namespace

FormState::FormState(ServiceClient& service_, const FormSetup& setup, const velmar_data& data)
    : service(service_), changeCallback(setup.changeCallback), callbackUser(setup.callbackUser),
      hostKey1(setup.hostKey1), hostKey2(setup.hostKey2), elementCode(setup.elementCode),
      elementSubcode(setup.elementSubcode), option1(data.option1), option2(data.option2),
      option3(data.option3), referenceValue(setup.referenceValue), compForm(setup.compForm),
      rollerShutterAllowed(setup.rollerShutterAllowed), serviceFlag(setup.serviceFlag) {
    request.hostKey1 = hostKey1;
    request.hostKey2 = hostKey2;
    request.requestKind = 2;
    TakeRecordOver(data);
    userChoice.fill(false);
}

void FormState::Load() {
    UpdateData(ReloadLevel::Series, false, 0);
    initialLoad = false;
}

void FormState::TakeRecordOver(const velmar_data& data) {
    record = data;
    initialLoad = true;
    // The record's numbers stand until the rows show candidates again.
    request.fillFrom(data);
    shown.fill(-1);
    rollkasten = data.rollkasten;
    // The edge seal and spacer a record without them takes.
    constexpr double kDefaultPsiG = 0.041;
    constexpr int kDefaultSpacer = 11;
    psiG = std::abs(data.glas.nameId.value2) < 1e-6 ? kDefaultPsiG : data.glas.nameId.value2;
    spacerCode = data.glas.intValue == 0 ? kDefaultSpacer : data.glas.intValue;
    ornamentId = data.glas.steel1.nameId.id;
    ornamentName = data.glas.steel1.nameId.name;
    ugValue = data.glas.nameId.value1;
}

// ---- host calls --------------------------------------------------------------------

void FormState::GetData(velmar_data& data) {
    PrepareRequest();
    for (std::size_t i = 0; i < kFormRows; ++i) {
        const RowData& def = kRows[i];
        const int index = shown[i];
        if (def.nameIdField != nullptr) {
            const velmar_nameid* entry = EntryAt(*request.nameidList(def.listBase), index);
            data.*def.nameIdField = entry != nullptr ? *entry : record.*def.nameIdField;
        }
        if (def.artikelField != nullptr) {
            const velmar_artikel* entry = EntryAt(*request.artikelList(def.listBase), index);
            data.*def.artikelField = entry != nullptr ? *entry : record.*def.artikelField;
        }
    }
    if (const auto* series = EntryAt(request.systems, shown[size_t(FormRow::System)]))
        data.systemValue = series->value1;
    data.glas.nameId.value1 = ugValue;
    data.glas.nameId.value2 = psiG;
    data.glas.intValue = spacerCode;
    data.glas.steel1.nameId.id = ornamentId;
    data.glas.steel1.nameId.name = ornamentName;
    data.text = record.text;
    data.option1 = option1;
    data.option2 = option2;
    data.option3 = option3;
    data.rollkasten = rollkasten;

    // A copy, so that the answer cannot touch the lists the rows show. What
    // the answer holds is handed on as it is: a failed call leaves the
    // request's own "no value" (-1), which a host must tell from a real 0.
    Materialdaten ufRequest = CopyWithoutRowLists(request);
    ufRequest.thermalValue = Materialdaten().thermalValue;
    data.ufValue =
        service.getUfValue(ufRequest) ? ufRequest.thermalValue : Materialdaten().thermalValue;
}

void FormState::SetNewData(int newElementCode, int newElementSubcode, bool newRollerShutterAllowed,
                           double newReferenceValue, eCompForm newCompForm, bool newServiceFlag,
                           const velmar_data* data) {
    const int previousElementCode = elementCode;
    elementCode = newElementCode;
    elementSubcode = newElementSubcode;
    rollerShutterAllowed = newRollerShutterAllowed;
    serviceFlag = newServiceFlag;
    referenceValue = newReferenceValue;
    compForm = newCompForm;
    PrepareRequest();
    // The option flags stay the instance's; GetData writes them over the
    // record's.
    if (data != nullptr) TakeRecordOver(*data);
    initialLoad = true;
    UpdateData(ReloadLevel::Series, false, previousElementCode);
    initialLoad = false;
}

void FormState::SetNewRC2(bool value) {
    option3 = value;
    request.option3 = value;
}

void FormState::SetElementSize(double width, double height) {
    elementSize = {width, height};
}

// ---- rows --------------------------------------------------------------------------

void FormState::Shown(FormRow row) {
    if (rowShown) rowShown(row);
}

bool FormState::ShowNumber(FormRow row, int number) {
    const RowData& def = Row(row);
    int index = -1;
    if (number != -2) {
        if (const auto* list = request.nameidList(def.listBase))
            index = FindEntryIndex(*list, number);
        else if (const auto* articles = request.artikelList(def.listBase))
            index = FindEntryIndex(*articles, number);
    }
    shown[static_cast<std::size_t>(row)] = index;
    if (row == FormRow::Glas)
        if (const velmar_artikel* glass = EntryAt(request.glasses, index))
            ugValue = glass->nameId.value1;
    Shown(row);
    return index >= 0;
}

const adg_nameid_props* FormState::ShownEntry(FormRow row) const {
    const RowData& def = Row(row);
    const int index = shown[static_cast<std::size_t>(row)];
    auto& r = const_cast<Materialdaten&>(request);
    if (const auto* list = r.nameidList(def.listBase)) return EntryAt(*list, index);
    if (const auto* list = r.artikelList(def.listBase)) return EntryAt(*list, index);
    return nullptr;
}

int FormState::ShownNumber(FormRow row) const {
    const RowData& def = Row(row);
    if (def.number == nullptr) return rollkasten.box.id;
    const adg_nameid_props* entry = ShownEntry(row);
    return entry != nullptr ? entry->getId() : request.*def.number;
}

std::vector<velmar_artikel>* FormState::ArticleList(FormRow row) {
    return request.artikelList(Row(row).listBase);
}

int* FormState::NumberField(FormRow row) {
    const RowData& def = Row(row);
    return def.number != nullptr ? &(request.*def.number) : nullptr;
}

void FormState::ReadNumbersBack() {
    for (std::size_t i = 0; i < kFormRows; ++i)
        if (kRows[i].number != nullptr)
            request.*kRows[i].number = ShownNumber(static_cast<FormRow>(i));
}

void FormState::PrepareRequest() {
    request.hostKey1 = hostKey1;
    request.hostKey2 = hostKey2;
    request.requestKind = 2;
    request.elementCode = elementCode;
    request.elementSubcode = elementSubcode;
    request.serviceFlag = serviceFlag;
    request.option1 = option1;
    request.option2 = option2;
    request.option3 = option3;
    ReadNumbersBack();
}

// ---- reloads -----------------------------------------------------------------------

// One row's list asked again; the number the row held before, for the row
// to show afterwards.
template <class Call> int FormState::ReloadRowList(FormRow row, Call call) {
    PrepareRequest();
    const int number = *NumberField(row);
    if (auto* list = request.nameidList(Row(row).listBase)) list->clear();
    if (auto* list = ArticleList(row)) list->clear();
    CallKeepingLists(request, {Row(row).listBase}, call);
    return number;
}

void FormState::UpdateData(ReloadLevel level, bool notify, int previousElementCode) {
    previousElementCode_ = previousElementCode;
    const auto before = TakeSnapshot();

    if (Reaches(level, ReloadLevel::Series)) LoadSystems();
    if (!rollerShutterAllowed) rollkasten.box.id = 0;
    if (Reaches(level, ReloadLevel::Colours)) LoadColors();
    if (Reaches(level, ReloadLevel::Articles)) {
        LoadArtikel();
        LoadRollkaesten();
        // Only the chosen box, held by the form, remains.
        request.rollerShutterBoxes.clear();
    }
    if (Reaches(level, ReloadLevel::Glass)) {
        LoadGlas();
        LoadStulp();
        LoadKopplungen();
    }
    if (Reaches(level, ReloadLevel::AfterGlass)) LoadGlasleisten();

    if (notify) ReportChanges(before, level);
    userChoice.fill(false);
}

void FormState::LoadSystems() {
    const adg_nameid_props* before = ShownEntry(FormRow::System);
    if (before != nullptr) seriesShownBefore_ = before->getName();
    const int number = ReloadRowList(FormRow::System, [this](Materialdaten& r) {
        r.elementForm = static_cast<int>(compForm);
        r.firstDimension = kSeriesRequestValue1;
        r.secondDimension = kSeriesRequestValue2;
        r.psiG = psiG;
        const bool ok = service.getSystems(r);
        // The extra data belongs to this request alone; later requests of
        // the form (and the cut query) must not carry it.
        r.elementForm = 0;
        r.firstDimension = -1.0;
        r.secondDimension = -1.0;
        r.psiG = -1.0;
        return ok;
    });
    ShowNumber(FormRow::System, number);
    ApplyFirstFlagRule();

    const adg_nameid_props* after = ShownEntry(FormRow::System);
    const WideText shownNow = after != nullptr ? after->getName() : WideText();
    if (!seriesShownBefore_.empty() && shownNow != seriesShownBefore_ && message)
        message(FormMessage::SeriesChanged);
    seriesShownBefore_ = shownNow;
}

void FormState::ApplyFirstFlagRule() {
    const auto* series = EntryAt(request.systems, shown[size_t(FormRow::System)]);
    if (series == nullptr || (series->intValue & ks_system::claddingOffered) == 0) option1 = false;
    request.option1 = option1;
}

void FormState::LoadColors() {
    const int number =
        ReloadRowList(FormRow::Farbe, [this](Materialdaten& r) { return service.getColors(r); });
    ShowNumber(FormRow::Farbe, number);
    if (colourCode.empty()) colourCode = u"0@0";
}

void FormState::ApplyStoredReinforcements(std::vector<velmar_artikel>& list, int number,
                                          const velmar_artikel& stored) {
    // The stored reinforcements follow the current number, not the stored
    // article: a record whose article the service no longer offers (or that
    // a door element replaces) keeps the reinforcements the user chose for
    // the candidate that takes its place. A record without an article stored
    // none, and the service's defaults stand.
    if (stored.nameId.id <= 0) return;
    for (velmar_artikel& candidate : list) {
        if (candidate.nameId.id != number) continue;
        candidate.steel1 = stored.steel1;
        candidate.steel2 = stored.steel2;
        return;
    }
}

void FormState::LoadArtikel() {
    PrepareRequest();
    int frame = request.frameId;
    const int sash = request.sashId;
    const int mullion = request.mullionId;
    request.frames.clear();
    request.sashes.clear();
    request.mullions.clear();
    CallKeepingLists(request, {ks_list::frames, ks_list::sashes, ks_list::mullions},
                     [this](Materialdaten& r) { return service.getArtikel(r); });
    // A door element that was another element before starts with the
    // service's frame.
    if ((elementCode == ks_element::door || elementCode == ks_element::doorLeafAsFrame) &&
        previousElementCode_ != 0 && previousElementCode_ != elementCode)
        frame = 1;
    if (initialLoad) {
        ApplyStoredReinforcements(request.frames, frame, record.rahmen);
        ApplyStoredReinforcements(request.sashes, sash, record.fluegel);
        ApplyStoredReinforcements(request.mullions, mullion, record.pfosten);
    }
    ShowNumber(FormRow::Rahmen, frame);
    ShowNumber(FormRow::Fluegel, sash);
    ShowNumber(FormRow::Pfosten, mullion);
}

void FormState::LoadRollkaesten() {
    PrepareRequest();
    request.rollerShutterBoxes.clear();
    CallKeepingLists(request, {ks_list::rollerShutterBoxes},
                     [this](Materialdaten& r) { return service.getRollkaesten(r); });
    Shown(FormRow::Roll);
}

void FormState::LoadGlas() {
    PrepareRequest();
    if (userChoice[ucSystemChanged] && !initialLoad) request.glassId = 0;
    const int number = request.glassId;
    request.glasses.clear();
    velmar_artikel sent;
    sent.nameId.id = number;
    sent.intValue = spacerCode;
    sent.steel1.nameId.id = ornamentId;
    sent.steel1.nameId.name = ornamentName;
    request.glasses.push_back(sent);
    const bool ok = CallKeepingLists(request, {ks_list::glasses},
                                     [this](Materialdaten& r) { return service.getGlas(r); });
    if (!ok) request.glasses.clear();
    ShowNumber(FormRow::Glas, number);
}

void FormState::LoadStulp() {
    const int number =
        ReloadRowList(FormRow::Stulp, [this](Materialdaten& r) { return service.getStulp(r); });
    if (initialLoad) ApplyStoredReinforcements(request.astragals, number, record.stulp);
    ShowNumber(FormRow::Stulp, number);
}

// The two rows of a pair start again from the service's preselection once
// the first load is done.
template <class Call> void FormState::LoadRowPair(FormRow first, FormRow second, Call call) {
    PrepareRequest();
    int& firstNumber = *NumberField(first);
    int& secondNumber = *NumberField(second);
    if (!initialLoad) firstNumber = secondNumber = 0;
    const int firstShown = firstNumber;
    const int secondShown = secondNumber;
    ArticleList(first)->clear();
    ArticleList(second)->clear();
    CallKeepingLists(request, {Row(first).listBase, Row(second).listBase}, call);
    ShowNumber(first, firstShown);
    ShowNumber(second, secondShown);
}

void FormState::LoadKopplungen() {
    LoadRowPair(FormRow::KopplungSenk, FormRow::KopplungWaag,
                [this](Materialdaten& r) { return service.getKopplungen(r); });
}

void FormState::LoadGlasleisten() {
    // Whether frame and sash take their beads from the sash-side range.
    const auto* frame = EntryAt(request.frames, shown[size_t(FormRow::Rahmen)]);
    const auto* sash = EntryAt(request.sashes, shown[size_t(FormRow::Fluegel)]);
    const bool frameSpecial =
        frame != nullptr && (frame->nameId.intValue & ks_profile::specialRebate) != 0;
    const bool sashSpecial =
        sash != nullptr && (sash->nameId.intValue & ks_profile::specialRebate) != 0;
    LoadRowPair(FormRow::GlasleisteR, FormRow::GlasleisteF, [&](Materialdaten& r) {
        r.frameSpecialRebate = frameSpecial;
        r.sashSpecialRebate = sashSpecial;
        const bool ok = service.getGlasleisten(r);
        // The flags belong to this request alone.
        r.frameSpecialRebate = false;
        r.sashSpecialRebate = false;
        return ok;
    });
}

// ---- choices -----------------------------------------------------------------------

void FormState::ChooseArticle(FormRow row, int index, const velmar_stahl* steel1,
                              const velmar_stahl* steel2) {
    std::vector<velmar_artikel>& list = *ArticleList(row);
    velmar_artikel* chosen = index >= 0 && static_cast<std::size_t>(index) < list.size()
                                 ? &list[size_t(index)]
                                 : nullptr;
    *NumberField(row) = chosen != nullptr ? chosen->nameId.id : -1;
    if (chosen != nullptr && steel1 != nullptr) chosen->steel1 = *steel1;
    if (chosen != nullptr && steel2 != nullptr) chosen->steel2 = *steel2;
    ShowNumber(row, *NumberField(row));
    userChoice[static_cast<std::size_t>(Row(row).choice)] = true;
    ReloadLevel level = ReloadLevel::Glass;
    if (row == FormRow::GlasleisteR || row == FormRow::GlasleisteF)
        level = ReloadLevel::None;
    else if (row == FormRow::Stulp || row == FormRow::KopplungSenk || row == FormRow::KopplungWaag)
        level = ReloadLevel::AfterProfile;
    UpdateData(level, true, 0);
}

void FormState::ChooseCoupling(FormRow row, int index, const velmar_stahl& reinforcement) {
    std::vector<velmar_artikel>& list = *ArticleList(row);
    const velmar_artikel* chosen = EntryAt(list, index);
    int& number = *NumberField(row);
    number = chosen != nullptr ? chosen->nameId.id : -1;
    ShowNumber(row, number);
    userChoice[static_cast<std::size_t>(Row(row).choice)] = true;
    for (velmar_artikel& candidate : list) {
        if (candidate.nameId.id != number) continue;
        candidate.steel1 = reinforcement;
        // A reinforcement that fills both chambers sits in the second too.
        if ((candidate.nameId.intValue & ks_coupling::bothChambers) != 0)
            candidate.steel2 = reinforcement;
        break;
    }
    UpdateData(ReloadLevel::AfterProfile, true, 0);
}

void FormState::ChooseColour(int colourId, const WideText& text) {
    colourCode = text;
    request.colourId = colourId;
    ShowNumber(FormRow::Farbe, colourId);
    userChoice[ucFarbe] = true;
    UpdateData(ReloadLevel::Articles, true, 0);
}

void FormState::ChooseGlass(const velmar_artikel& glass, double ug, double psiG_) {
    request.glassId = glass.nameId.id;
    ugValue = ug;
    psiG = psiG_;
    spacerCode = glass.intValue;
    ornamentId = glass.steel1.nameId.id;
    ornamentName = glass.steel1.nameId.name;
    // The shown glass's own Ug stands over the dialog's.
    ShowNumber(FormRow::Glas, request.glassId);
    userChoice[ucGlas] = true;
    UpdateData(ReloadLevel::AfterGlass, true, 0);
}

void FormState::ChooseSeries(int index, bool cladding, bool secondOption) {
    const int previousSeries = request.systemId;
    const velmar_nameid* chosen = EntryAt(request.systems, index);
    request.systemId = chosen != nullptr ? chosen->id : -1;
    if (std::ranges::find(kCladdingSeries, request.systemId) != std::end(kCladdingSeries))
        cladding = true;
    option1 = cladding;
    option2 = !secondOption;
    ShowNumber(FormRow::System, request.systemId);
    ApplyFirstFlagRule();

    if (request.systemId != previousSeries) {
        // The articles of the old series mean nothing in the new one: the
        // reload takes the new series' defaults.
        for (int* number : {&request.frameId, &request.sashId, &request.mullionId,
                            &request.astragalId, &request.glassId})
            *number = 1;
        ornamentId = 0;
        ornamentName.clear();
        for (auto* list : {&request.frames, &request.sashes, &request.mullions, &request.astragals,
                           &request.glasses})
            list->clear();
        for (FormRow row :
             {FormRow::Rahmen, FormRow::Fluegel, FormRow::Pfosten, FormRow::Stulp, FormRow::Glas})
            ShowNumber(row, *NumberField(row));
        rollkasten.box.id = 0;
    }
    // The host hears of a series choice, even of the same series, alone.
    userChoice[ucSystemChanged] = true;
    UpdateData(ReloadLevel::Colours, true, 0);
}

void FormState::ChooseBox(const velmar_rollkasten& box) {
    rollkasten = box;
    LoadRollkaesten();
    UpdateData(ReloadLevel::Box, true, 0);
}

// ---- rules -------------------------------------------------------------------------

void FormState::RefreshElementPositions() {
    ReadNumbersBack();
    CallKeepingLists(request, {}, [this](Materialdaten& r) { return service.getArtikel(r); });
}

bool FormState::CheckRollkastenRahmen() const {
    // The frame depth that a top-mounted box cannot sit on.
    constexpr double kFrameDepthWithoutBox = 100.0;
    for (const velmar_cutpos& position : request.cutPositions) {
        if (!position.flag2) continue;
        const velmar_artikel* frame = FrameIn(position.opening1);
        if (frame != nullptr && FrameIn(position.opening2) == nullptr &&
            std::abs(frame->value1 - kFrameDepthWithoutBox) < 0.000001)
            return true;
    }
    return false;
}

void FormState::RemoveRollkastenIfInvalid() {
    RefreshElementPositions();
    if (!CheckRollkastenRahmen()) return;
    if (message) message(FormMessage::BoxNotOnFrame);
    if (rollkasten.box.id == 0) return;
    rollkasten.box.id = 0;
    LoadRollkaesten();
    UpdateData(ReloadLevel::Box, true, 0);
}

// ---- change report -----------------------------------------------------------------

std::array<FormState::ReportRow, FormState::kReportRows> FormState::TakeSnapshot() const {
    std::array<ReportRow, kReportRows> snapshot{};
    for (std::size_t i = 0; i < kFormRows; ++i)
        if (kRows[i].reportPosition >= 0)
            snapshot[static_cast<std::size_t>(kRows[i].reportPosition)] = {
                kRows[i].changeCode, ShownNumber(static_cast<FormRow>(i)), kRows[i].choice};
    return snapshot;
}

void FormState::ReportChanges(const std::array<ReportRow, kReportRows>& before, ReloadLevel level) {
    if (userChoice[ucSystemChanged]) {
        userChoice[ucSystemChanged] = false;
        Notify(ccSystemChanged);
        return;
    }
    const auto after = TakeSnapshot();
    bool sent = false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool chosen =
            after[i].choice >= 0 && userChoice[static_cast<std::size_t>(after[i].choice)];
        if (after[i].number != before[i].number || chosen) {
            Notify(after[i].code);
            sent = true;
        }
    }
    if (level == ReloadLevel::Box) {
        Notify(ccRollkasten);
        sent = true;
    }
    if (sent) Notify(ccSummary);
}

void FormState::Notify(int code) {
    if (changeCallback == nullptr) return;
    ++notifying_;
    changeCallback(code, callbackUser);
    --notifying_;
}

} // namespace vm
