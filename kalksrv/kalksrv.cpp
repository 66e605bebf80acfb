// The calculation service "kalksrv.dll": the entry points the component
// calls, answered from the article catalogue.
//
// Lifecycle. _KS_readDatabase opens a catalogue for the rest of the process
// (an empty path: "catalogue.db" beside this library). _KS_init hands out a
// session on the open catalogue, opening the default one first when none is
// open; after a catalogue failed to open it returns null, so the component
// reports that the service could not be initialised. _KS_deInit ends a
// session; sessions keep the catalogue they were opened on even when a later
// _KS_readDatabase opens another one.
//
// Dispatched entry points parse the request packet into a Materialdaten,
// answer, and hand out the whole record as a packet allocated here and freed
// by _KS_deleteData. A request that does not parse, or a context that is not
// a live session, gets length 0.

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <variant>

#include "kalksrv/answers.h"
#include "kalksrv/catalogue.h"
#include "kalksrv/dialog_answers.h"
#include "model/materialdaten.h"
#include "service/ks_api.h"

namespace kalksrv {
namespace {

struct ServiceState {
    std::mutex lock;
    std::shared_ptr<Catalogue> catalogue;
    // The catalogue the host asked for could not be opened: sessions are
    // refused until one opens.
    bool failed = false;
    std::unordered_set<Session*> sessions;
};

ServiceState& state() {
    static ServiceState s;
    return s;
}

// Directory of this library with a trailing '/'; empty when unknown.
std::string ownDirectory() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&ownDirectory), &info) || !info.dli_fname) return {};
    const std::string file = info.dli_fname;
    const std::size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : file.substr(0, slash + 1);
}

std::string defaultCataloguePath() {
    return ownDirectory() + "catalogue.db";
}

// Opens `path` as the process's catalogue; on failure one line on stderr.
// Call with the state locked.
bool openCatalogue(ServiceState& s, const std::string& path) {
    std::string error;
    std::unique_ptr<Catalogue> catalogue = Catalogue::open(path, error);
    if (!catalogue) {
        std::fprintf(stderr, "kalksrv.dll: cannot open %s\n", error.c_str());
        s.catalogue.reset();
        s.failed = true;
        return false;
    }
    s.catalogue = std::move(catalogue);
    s.failed = false;
    return true;
}

std::shared_ptr<Catalogue> currentCatalogue() {
    ServiceState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!s.catalogue && !s.failed) openCatalogue(s, defaultCataloguePath());
    return s.catalogue;
}

// Requests whose lists hold more elements than this, counted with the
// articles and accessories inside their cut positions, are refused: the
// answer carries every list back, and a request packed with small elements
// would otherwise make an answer many times its size.
constexpr std::size_t kMaxRequestElements = 20000;

std::size_t elementCount(const Materialdaten& m) {
    std::size_t n = 0;
    for (const Materialdaten::ListField& list : Materialdaten::listFields())
        std::visit([&](auto member) { n += (m.*member).size(); }, list.member);
    for (const auto* positions : {&m.cutPositions, &m.accessoryPositions})
        for (const velmar_cutpos& p : *positions)
            for (const velmar_oeffnung_artikel* o : {&p.opening1, &p.opening2, &p.opening3})
                n += o->artikel.items.size() + o->zusatz.size();
    return n;
}

int32_t dispatch(Answer answer, KsContext context, const uint8_t* request, int32_t requestLength,
                 uint8_t** out) {
    if (!out) return 0;
    *out = nullptr;
    // One answer at a time, and no session ends or catalogue changes while
    // it is made.
    ServiceState& s = state();
    std::lock_guard<std::mutex> sessionsGuard(s.lock);
    auto* session = static_cast<Session*>(context);
    if (!s.sessions.count(session) || !request || requestLength <= 0) return 0;
    try {
        Materialdaten record;
        if (record.parse(request, requestLength) != 0) return 0;
        record.read();
        if (elementCount(record) > kMaxRequestElements) {
            std::fprintf(stderr, "kalksrv.dll: request refused: more than %zu list elements\n",
                         kMaxRequestElements);
            return 0;
        }
        {
            std::lock_guard<std::mutex> guard(session->catalogue->lock());
            answer(*session, record);
        }
        record.write();
        // Drawings and pictures travel from the service only, so the
        // record's own write leaves them out.
        if (!record.drawing.empty()) record.addBlock(ks_answer::drawing, record.drawing);
        if (!record.spareBlock.empty()) record.addBlock(ks_answer::spareBlock, record.spareBlock);
        const std::vector<std::uint8_t> bytes = record.takeBytes();
        if (bytes.empty()) return 0;
        auto* block = new uint8_t[bytes.size()];
        std::memcpy(block, bytes.data(), bytes.size());
        *out = block;
        return static_cast<int32_t>(bytes.size());
    } catch (const CatalogueError& e) {
        std::fprintf(stderr, "kalksrv.dll: reading %s failed: %s\n",
                     session->catalogue->path().c_str(), e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kalksrv.dll: request not answered: %s\n", e.what());
    }
    return 0;
}

} // namespace
} // namespace kalksrv

using namespace kalksrv;

// The answer behind each dispatched entry point, under the entry point's
// name; the exports below are made from the one list of names, so a name
// without an answer does not compile.
struct Answers {
    static constexpr Answer getSystems = answerSystems;
    static constexpr Answer getCut = answerCut;
    static constexpr Answer getArtikel = answerArticles;
    static constexpr Answer getArtikelZusatz = answerAccessories;
    static constexpr Answer getArtikelInc = answerReinforcements;
    static constexpr Answer getGlas = answerGlasses;
    static constexpr Answer getColors = answerColours;
    static constexpr Answer getColorBlob = answerColourPicture;
    static constexpr Answer getGlasMaterial = answerGlassMaterial;
    static constexpr Answer getGlasleisten = answerBeads;
    static constexpr Answer getSprossen = answerGlazingBars;
    static constexpr Answer getStulp = answerAstragals;
    static constexpr Answer getZusatzProfilInfo = answerAdditionalProfile;
    static constexpr Answer getKopplungen = answerCouplings;
    static constexpr Answer getProfileTypesForCut = answerProfileTypes;
    static constexpr Answer getRollkaesten = answerBoxes;
    static constexpr Answer getRollKastenZubehoer = answerBoxAccessories;
    static constexpr Answer setGlas = answerSetGlasses;
    static constexpr Answer getArtikelDwgKatalog = answerArticleDrawing;
    static constexpr Answer getUfValue = answerUfValue;
    static constexpr Answer addWallProfileToAccessoryForCut = answerWallProfiles;
    static constexpr Answer getAufbauprofilOben = answerBuildOnTop;
    static constexpr Answer getAufbauprofilUnten = answerBuildOnBottom;
    static constexpr Answer checkFluegelgroessen = answerSashSizeCheck;
    static constexpr Answer checkBrand = answerFireProtection;
    static constexpr Answer getMinMaxSizeForRollerShutter = answerRollerShutterLimits;
    static constexpr Answer getArtikelTextForCut = answerArticleTexts;
    static constexpr Answer getAusstattung = answerEquipment;
    static constexpr Answer getOrnamente = answerOrnaments;
    static constexpr Answer addDefaultBasisProfile = answerDefaultBaseProfile;
    static constexpr Answer getRollKastenFuehrungen = answerGuideRails;
    static constexpr Answer getUfForCut = answerUfForCut;
    static constexpr Answer getAnsichtsbreiten = answerFaceWidths;
};

extern "C" {

// text1: path of the catalogue; empty: "catalogue.db" beside this library.
// text2: language of the article texts; the catalogue holds German texts and
//        answers them for every language.
// text3, text4: reserved (ignored).
// number: price-list number; reserved, the catalogue carries no prices.
// mode: 1 from the component; ignored.
// Returns 1 when the catalogue is open, else 0 (after one line on stderr).
int32_t _KS_readDatabase(const char* text1, const char* text2, const char* text3, const char* text4,
                         int32_t number, int32_t mode) {
    (void)text2, (void)text3, (void)text4, (void)number, (void)mode;
    const std::string path = text1 && *text1 ? std::string(text1) : defaultCataloguePath();
    ServiceState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    return openCatalogue(s, path) ? 1 : 0;
}

KsContext _KS_init(void) {
    std::shared_ptr<Catalogue> catalogue = currentCatalogue();
    if (!catalogue) return nullptr;
    auto* session = new (std::nothrow) Session{std::move(catalogue), {}};
    if (!session) return nullptr;
    ServiceState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    s.sessions.insert(session);
    return session;
}

int32_t _KS_deInit(KsContext context) {
    ServiceState& s = state();
    std::lock_guard<std::mutex> guard(s.lock);
    auto* session = static_cast<Session*>(context);
    if (!s.sessions.erase(session)) return 0;
    delete session;
    return 1;
}

void _KS_deleteData(uint8_t* answer) {
    delete[] answer;
}

// Settings for a session as "key=value" lines. The service has none yet: the
// text is accepted and ignored. Returns 0.
int32_t _KS_setIniData(KsContext context, const char* iniData) {
    (void)context, (void)iniData;
    return 0;
}

// Writes the measured thickness of glass `glassNumber` to *thickness; leaves
// it unchanged for a glass the catalogue does not hold. Returns 1 when
// written.
int32_t _KS_getGlasdickeReal(KsModule module, int32_t glassNumber, double* thickness) {
    (void)module;
    if (!thickness) return 0;
    std::shared_ptr<Catalogue> catalogue = currentCatalogue();
    if (!catalogue) return 0;
    try {
        std::lock_guard<std::mutex> guard(catalogue->lock());
        double value = 0.0;
        if (!realGlassThickness(*catalogue, glassNumber, value)) return 0;
        *thickness = value;
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kalksrv.dll: reading %s failed: %s\n", catalogue->path().c_str(),
                     e.what());
        return 0;
    }
}

#define KS_ENTRY(name)                                                                             \
    int32_t _KS_##name(KsContext context, const uint8_t* request, int32_t requestLength,           \
                       uint8_t** out) {                                                            \
        return dispatch(Answers::name, context, request, requestLength, out);                      \
    }
KS_DISPATCHED(KS_ENTRY)
KS_OPTIONAL(KS_ENTRY)
#undef KS_ENTRY

} // extern "C"
