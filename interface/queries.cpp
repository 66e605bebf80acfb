// The query and check exports without an instance: each builds one request
// from its arguments, loads the calculation service, makes one call and
// unloads it again, so the service is not left resident by a query (an open
// form reloads it with its next request). A failed call leaves the answer
// fields as the request held them.

#include "interface/velmar.h"

#include <algorithm>
#include <cstring>

#include "dialogs/size_checks.h"
#include "interface/guard.h"
#include "mainform/form_queries.h"
#include "mainform/vm_mainform.h"
#include "model/ks_lists.h"
#include "model/materialdaten.h"
#include "model/text_codec.h"
#include "service/service_client.h"

namespace {

// The header of a request without an instance.
Materialdaten Request(int key1, int key2, int kind = 1) {
    Materialdaten request;
    request.hostKey1 = key1;
    request.hostKey2 = key2;
    request.requestKind = kind;
    return request;
}

// A size check of `box` against the element of the instance behind
// `handle`; false without one.
bool CheckElementSize(const char* function, void* handle, const velmar_rollkasten& box,
                      bool (*check)(const velmar_rollkasten&, double, double)) {
    bool fits = false;
    vm::Guarded(function, [&] {
        if (TForm1* form = vm::FormOf(handle))
            fits = check(box, form->state.elementSize.width, form->state.elementSize.height);
    });
    return fits;
}

// Load, one call, unload.
template <class Call> void CallOnce(Materialdaten& request, Call call) {
    serviceClient.ensureLoaded();
    call(request);
    serviceClient.unload();
}

} // namespace

extern "C" {

VELMAR_EXPORT int vm_checkFluegelgroessen(const velmar_cutpos& position, const bool flag,
                                          const double dimension, const int argument,
                                          const int colour, const int series, const int elementCode,
                                          const int key, const double thermal,
                                          const double length) {
    int result = 0;
    vm::Guarded("vm_checkFluegelgroessen", [&] {
        Materialdaten request = Request(1, key);
        request.colourId = colour;
        request.queryColour = colour;
        request.systemId = series;
        request.elementCode = elementCode;
        request.cutPositions = {position};
        request.glassWeight = dimension;
        request.thermalValue = thermal;
        request.firstDimension = length;
        request.queryArgument = argument;
        request.frameSpecialRebate = flag;
        request.articleId = 0;
        CallOnce(request, [](Materialdaten& r) { return serviceClient.checkFluegelgroessen(r); });
        result = request.articleId;
    });
    return result;
}

VELMAR_EXPORT bool vm_checkBrand(const int key, const int series) {
    bool result = false;
    vm::Guarded("vm_checkBrand", [&] {
        Materialdaten request = Request(1, key);
        request.systemId = series;
        CallOnce(request, [](Materialdaten& r) { return serviceClient.checkBrand(r); });
        result = request.fireProtectionOk;
    });
    return result;
}

VELMAR_EXPORT char* vm_getArtikelDwg(int& length, const int key, const int article,
                                     const int series) {
    char* block = nullptr;
    length = 0;
    vm::Guarded("vm_getArtikelDwg", [&] {
        Materialdaten request = Request(1, key);
        request.colourId = -1;
        request.queryColour = -1;
        request.articleId = article;
        request.systemId = series;
        CallOnce(request, [](Materialdaten& r) { return serviceClient.getArtikelDwgKatalog(r); });
        if (request.drawing.empty()) return;
        block = new char[request.drawing.size()];
        std::memcpy(block, request.drawing.data(), request.drawing.size());
        length = static_cast<int>(request.drawing.size());
    });
    return block;
}

VELMAR_EXPORT void vm_getMinMaxSizeForRollerShutter(const int key,
                                                    const std::vector<velmar_cutpos>& positions,
                                                    int& minimum, int& maximum) {
    minimum = 0;
    maximum = 0;
    vm::Guarded("vm_getMinMaxSizeForRollerShutter", [&] {
        Materialdaten request = Request(1, key);
        // The first box among the positions' first openings names the box
        // and, where it has one, its curtain.
        for (const velmar_cutpos& position : positions) {
            const auto& articles = position.opening1.artikel.items;
            const auto box = std::find_if(articles.begin(), articles.end(), [](const auto& a) {
                return a.konstType == ks_konst::rollerShutterBox;
            });
            if (box == articles.end()) continue;
            request.articleId = box->nameId.id;
            if (box->steel1.nameId.id > 0) request.queryArgument = box->steel1.nameId.id;
            break;
        }
        CallOnce(request,
                 [](Materialdaten& r) { return serviceClient.getMinMaxSizeForRollerShutter(r); });
        minimum = request.rollerShutterMin;
        maximum = request.rollerShutterMax;
    });
}

VELMAR_EXPORT void vm_getArtikelTextForCut(const velmar_cutpos& position, const int key,
                                           const int key1, std::vector<std::string>& shortTexts,
                                           std::vector<std::string>& tenderTexts) {
    vm::Guarded("vm_getArtikelTextForCut", [&] {
        Materialdaten request = Request(key1, key);
        request.cutPositions = {position};
        serviceClient.ensureLoaded();
        const bool ok = serviceClient.getArtikelTextForCut(request);
        serviceClient.unload();
        if (!ok) return;
        for (const velmar_artikel& article : request.articleTexts1)
            shortTexts.push_back(vmjson::utf8FromWide(article.getName()));
        for (const velmar_artikel& article : request.articleTexts2())
            tenderTexts.push_back(vmjson::utf8FromWide(article.getName()));
    });
}

VELMAR_EXPORT void vm_getAusstattung(const int elementCode, const int key, const int series,
                                     const int key1, std::vector<velmar_zusatzartikel>& equipment) {
    vm::Guarded("vm_getAusstattung", [&] {
        Materialdaten request = Request(key1, key);
        request.elementCode = elementCode;
        request.systemId = series;
        request.cutPositions.clear();
        serviceClient.ensureLoaded();
        const bool ok = serviceClient.getAusstattung(request);
        if (ok && !request.cutPositions.empty())
            equipment = request.cutPositions.front().opening3.zusatz;
        serviceClient.unload();
    });
}

VELMAR_EXPORT double vm_getUfForCut(const velmar_cutpos& position, const int key, const int series,
                                    const int elementCode) {
    double result = -1.0;
    vm::Guarded("vm_getUfForCut", [&] {
        Materialdaten request = Request(1, key, 2);
        request.elementCode = elementCode;
        request.systemId = series;
        request.cutPositions = {position};
        request.thermalValue = -1.0;
        CallOnce(request, [](Materialdaten& r) { return serviceClient.getUfForCut(r); });
        result = request.thermalValue;
    });
    return result;
}

VELMAR_EXPORT double vm_getGlasdickeReal(const int glass) {
    double thickness = 0.0;
    vm::Guarded("vm_getGlasdickeReal", [&] {
        serviceClient.ensureLoaded();
        serviceClient.getGlasdickeReal(glass, &thickness);
        serviceClient.unload();
    });
    return thickness;
}

// ---- queries on an instance ---------------------------------------------------

VELMAR_EXPORT int vm_getCut(void* handle, const velmar_cut& cut, QV_C_DataBase& database,
                            velmar_CutInfo& info, std::string& text) {
    int result = 0;
    vm::Guarded("vm_getCut", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::GetCut(*form, cut, database, info, text);
    });
    return result;
}

VELMAR_EXPORT void vm_checkAccessoryForCut(void* handle, std::vector<velmar_cutpos>& positions) {
    vm::Guarded("vm_checkAccessoryForCut", [&] {
        if (TForm1* form = vm::FormOf(handle)) vm::CheckAccessoryForCut(*form, positions);
    });
}

VELMAR_EXPORT int vm_addProfileToAccessoryForCut(void* handle, velmar_cutpos& position,
                                                 const int article, const int side) {
    int result = 0;
    vm::Guarded("vm_addProfileToAccessoryForCut", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::AddProfileToAccessoryForCut(*form, position, article, side);
    });
    return result;
}

VELMAR_EXPORT bool vm_addWallProfileToAccessoryForCut(void* handle,
                                                      std::vector<velmar_cutpos>& positions,
                                                      const int wallConnection, const int series,
                                                      const int side, const int frame) {
    bool result = false;
    vm::Guarded("vm_addWallProfileToAccessoryForCut", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::AddWallProfileToAccessoryForCut(*form, positions, wallConnection, series,
                                                         side, frame);
    });
    return result;
}

VELMAR_EXPORT void vm_removeProfileTypeFromAccessories(void* handle,
                                                       std::vector<velmar_cutpos>& positions,
                                                       const int konstType) {
    vm::Guarded("vm_removeProfileTypeFromAccessories", [&] {
        if (vm::FormOf(handle) != nullptr)
            vm::RemoveProfileTypeFromAccessories(positions, konstType);
    });
}

VELMAR_EXPORT void vm_getProfileTypesForCut(void* handle, std::vector<velmar_cutpos>& positions,
                                            const int elementCode) {
    vm::Guarded("vm_getProfileTypesForCut", [&] {
        if (TForm1* form = vm::FormOf(handle))
            vm::GetProfileTypesForCut(*form, positions, elementCode);
    });
}

VELMAR_EXPORT int vm_changeArtikel(void* handle, velmar_artikel& article) {
    int result = 0;
    vm::Guarded("vm_changeArtikel", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::ChangeArtikel(*form, article, article.konstType, true);
    });
    return result;
}

VELMAR_EXPORT int vm_changeArtikelOfType(void* handle, velmar_artikel& article, const int konstType,
                                         const bool withReinforcement) {
    int result = 0;
    vm::Guarded("vm_changeArtikelOfType", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::ChangeArtikel(
                *form, article, konstType > 0 ? konstType : article.konstType, withReinforcement);
    });
    return result;
}

VELMAR_EXPORT int vm_changeGlas(void* handle, velmar_artikel& glass, velmar_artikel& glazingBead,
                                const velmar_artikel& profile, const int series,
                                const int elementCode, const bool showGlazingBeads) {
    int result = 0;
    vm::Guarded("vm_changeGlas", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::ChangeGlas(*form, glass, glazingBead, profile, series, elementCode,
                                    showGlazingBeads);
    });
    return result;
}

VELMAR_EXPORT void vm_setGlaeser(void* handle, const velmar_vector<velmar_glas>& glasses) {
    vm::Guarded("vm_setGlaeser", [&] {
        if (TForm1* form = vm::FormOf(handle)) vm::SetGlaeser(*form, glasses);
    });
}

VELMAR_EXPORT int vm_correctGlas(void* handle, velmar_artikel& glass, velmar_artikel& glazingBead,
                                 const int profile, const int profileKonstType,
                                 const bool withGlazingBead) {
    int result = 0;
    vm::Guarded("vm_correctGlas", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::CorrectGlas(*form, glass, glazingBead, profile, profileKonstType,
                                     withGlazingBead);
    });
    return result;
}

VELMAR_EXPORT int vm_correctGlasses(void* handle, std::vector<velmar_cutpos>& positions,
                                    const int withGlazingBeads) {
    int result = 0;
    vm::Guarded("vm_correctGlasses", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::CorrectGlasses(*form, positions, withGlazingBeads);
    });
    return result;
}

VELMAR_EXPORT int vm_getAufbauprofil(void* handle, const velmar_cutpos& position, const int sash,
                                     const int series, const bool top, velmar_artikel& profile) {
    int result = 0;
    vm::Guarded("vm_getAufbauprofil", [&] {
        if (TForm1* form = vm::FormOf(handle))
            result = vm::GetAufbauprofil(*form, position, sash, series, top, profile);
    });
    return result;
}

VELMAR_EXPORT void vm_addDefaultBasisProfile(void* handle, std::vector<velmar_cutpos>& positions) {
    vm::Guarded("vm_addDefaultBasisProfile", [&] {
        if (TForm1* form = vm::FormOf(handle)) vm::AddDefaultBasisProfile(*form, positions);
    });
}

VELMAR_EXPORT bool vm_checkPanzerGroesseWithRollkasten(void* handle, const velmar_rollkasten& box) {
    return CheckElementSize("vm_checkPanzerGroesseWithRollkasten", handle, box,
                            vm::CheckPanzerGroesse);
}

VELMAR_EXPORT bool vm_checkElementHoeheWithRollkasten(void* handle, const velmar_rollkasten& box) {
    return CheckElementSize("vm_checkElementHoeheWithRollkasten", handle, box,
                            vm::CheckElementHoehe);
}

} // extern "C"
