#include "kalksrv/answers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "model/ks_lists.h"

namespace kalksrv {

velmar_nameid nameid(int id, WideText name, bool isDefault, int intValue, double value1,
                     double value2) {
    velmar_nameid n;
    n.id = id;
    n.name = std::move(name);
    n.isDefault_ = isDefault;
    n.intValue = intValue;
    n.value1 = value1;
    n.value2 = value2;
    return n;
}

int firstId(Catalogue& c, Catalogue::Statement statement, int series) {
    if (series <= 0) return 0;
    Query q = c.query(statement);
    q.bind(1, series);
    return q.next() ? q.integer(0) : 0;
}

namespace {

// Results of the sash-size check (tag 63). 0 stays "nothing checked".
enum SashCheck {
    SashUnknown = 0,
    SashOk = 1,
    SashTooNarrow = 2,
    SashTooWide = 3,
    SashTooLow = 4,
    SashTooHigh = 5,
    SashTooLarge = 6,
    SashTooHeavy = 7,
};

// Exactly one default per non-empty list: the first entry the catalogue
// marks, else the first entry.
template <class T> velmar_nameid& head(T& entry) {
    if constexpr (std::is_same_v<T, velmar_nameid>)
        return entry;
    else if constexpr (std::is_same_v<T, velmar_rollkasten>)
        return entry.box;
    else if constexpr (std::is_same_v<T, velmar_zusatzartikel>)
        return entry.artikel.nameId;
    else
        return entry.nameId;
}
template <class T> void oneDefault(std::vector<T>& list) {
    bool seen = false;
    for (T& entry : list) {
        velmar_nameid& n = head(entry);
        if (n.isDefault_ && seen) n.isDefault_ = false;
        seen = seen || n.isDefault_;
    }
    if (!seen && !list.empty()) head(list.front()).isDefault_ = true;
}

bool seriesExists(Catalogue& c, int series) {
    if (series <= 0) return false;
    Query q = c.query(Catalogue::SeriesById);
    q.bind(1, series);
    return q.next();
}

// Reinforcement from a ReinforcementsOf row (or the columns from `first` on).
velmar_stahl reinforcement(const Query& q, int first = 0) {
    velmar_stahl s;
    s.nameId = nameid(q.integer(first), q.text(first + 1), q.flag(first + 6));
    s.text = q.text(first + 2);
    s.value1 = q.real(first + 3); // Ix, cm⁴
    s.value2 = q.real(first + 4); // Iy, cm⁴
    s.value3 = q.real(first + 5); // kg/m
    return s;
}

// Profile article from an ArticlesOfKind row (columns 0..9, default in 10).
velmar_artikel profile(const Query& q, int konstType) {
    velmar_artikel a;
    a.nameId = nameid(q.integer(0), q.text(2), q.flag(10), q.integer(4), q.real(6), q.real(7));
    a.text1 = q.text(1);
    a.text2 = q.text(3);
    a.value1 = q.real(8); // face width
    a.value2 = q.real(9); // depth
    a.konstType = konstType;
    return a;
}

// Articles of a series and construction type offered in a colour (colour 0
// or unknown: every article), with their default reinforcements.
std::vector<velmar_artikel> articles(Catalogue& c, int series, int konstType, int colour) {
    int colourGroups = 0;
    if (colour > 0) {
        Query q = c.query(Catalogue::ColourById);
        q.bind(1, colour);
        if (q.next()) colourGroups = q.integer(0) & ks_colour::groups;
    }
    const auto key = std::make_tuple(series, konstType, colourGroups);
    if (const auto it = c.articleLists.find(key); it != c.articleLists.end()) return it->second;
    std::vector<velmar_artikel> out;
    Query q = c.query(Catalogue::ArticlesOfKind);
    q.bind(1, series).bind(2, konstType);
    while (q.next()) {
        if (colourGroups && !(q.integer(5) & colourGroups)) continue;
        out.push_back(profile(q, konstType));
    }
    // The defaults of every chamber in one pass, not a query per article:
    // a list holds up to a thousand of them.
    std::unordered_map<int, std::array<velmar_stahl, 2>> defaults;
    Query r = c.query(Catalogue::ReinforcementsOfKind);
    r.bind(1, series).bind(2, konstType);
    int article = 0, chamber = 0;
    bool marked = false;
    while (r.next()) {
        const bool first = r.integer(0) != article || r.integer(1) != chamber;
        article = r.integer(0);
        chamber = r.integer(1);
        if (chamber != 1 && chamber != 2) continue;
        if (first) marked = false;
        if (marked || !(first || r.flag(8))) continue;
        velmar_stahl& steel = defaults[article][static_cast<std::size_t>(chamber - 1)];
        steel = reinforcement(r, 2);
        // The first of a chamber stands in for a default when none is marked.
        steel.nameId.isDefault_ = true;
        marked = r.flag(8);
    }
    for (velmar_artikel& a : out) {
        const auto it = defaults.find(a.nameId.id);
        if (it == defaults.end()) continue;
        a.steel1 = it->second[0];
        a.steel2 = it->second[1];
    }
    oneDefault(out);
    c.articleLists.emplace(key, out);
    return out;
}

// Flags of an article of the series, or -1 when the series has no such
// article.
int articleFlags(Catalogue& c, int id, int series, int konstType) {
    if (id <= 0) return -1;
    Query q = c.query(Catalogue::ArticleById);
    q.bind(1, id);
    if (!q.next() || q.integer(11) != series || q.integer(10) != konstType) return -1;
    return q.integer(4);
}

// The glass a bead query is about: the requested one when the series offers
// it, else the series' default glass.
int glassOfSeries(Catalogue& c, int series, int glass) {
    if (glass > 0) {
        Query q = c.query(Catalogue::GlassOfSeries);
        q.bind(1, series).bind(2, glass);
        if (q.next()) return glass;
    }
    return firstId(c, Catalogue::DefaultGlassOfSeries, series);
}

// The default entry of a box's drive, curtain or curtain-colour list.
velmar_nameid defaultPart(Catalogue& c, Catalogue::Statement statement, int owner) {
    Query q = c.query(statement);
    q.bind(1, owner);
    velmar_nameid first;
    bool haveFirst = false;
    while (q.next()) {
        if (q.flag(2)) return nameid(q.integer(0), q.text(1), true);
        if (!haveFirst) {
            first = nameid(q.integer(0), q.text(1), true);
            haveFirst = true;
        }
    }
    return first;
}

// Guide rail from a GuideRailsOfBox row.
velmar_zusatzartikel guideRail(const Query& q) {
    velmar_zusatzartikel z;
    z.artikel.nameId = nameid(q.integer(0), q.text(2), q.flag(7), 0, 0.0, q.real(4));
    z.artikel.text1 = q.text(1);
    z.artikel.text2 = q.text(3);
    z.artikel.value1 = q.real(5);
    z.artikel.value2 = q.real(6);
    z.artikel.konstType = ks_konst::guideRail;
    z.nameId = nameid(z.artikel.nameId.id, z.artikel.nameId.name, false);
    return z;
}

velmar_zusatzartikel defaultGuideRail(Catalogue& c, int box) {
    Query q = c.query(Catalogue::GuideRailsOfBox);
    q.bind(1, box);
    velmar_zusatzartikel first;
    bool haveFirst = false;
    while (q.next()) {
        if (q.flag(7)) return guideRail(q);
        if (!haveFirst) {
            first = guideRail(q);
            haveFirst = true;
        }
    }
    return first;
}

velmar_zusatzartikel connectionProfile(Catalogue& c, int id) {
    velmar_zusatzartikel z;
    if (id <= 0) return z;
    Query q = c.query(Catalogue::ArticleById);
    q.bind(1, id);
    if (!q.next()) return z;
    z.artikel = profile(q, q.integer(10));
    z.artikel.nameId.isDefault_ = false;
    z.nameId = z.artikel.nameId;
    return z;
}

// Uf of a frame (or mullion or astragal) alone or with the sash it holds:
// the measured combination, else the two profiles' Uf weighted by their face
// widths. Negative when the frame is unknown.
double ufOf(Catalogue& c, int frame, int sash) {
    double frameUf = -1, frameWidth = 0, sashUf = -1, sashWidth = 0;
    {
        Query q = c.query(Catalogue::ArticleById);
        q.bind(1, frame);
        if (!q.next()) return -1;
        const int konstType = q.integer(10);
        if (konstType != ks_konst::frame && konstType != ks_konst::mullion &&
            konstType != ks_konst::astragal)
            return -1;
        frameUf = q.real(6);
        frameWidth = q.real(8);
    }
    if (sash > 0) {
        {
            Query q = c.query(Catalogue::UfCombination);
            q.bind(1, frame).bind(2, sash);
            if (q.next()) return q.real(0);
        }
        Query q = c.query(Catalogue::ArticleById);
        q.bind(1, sash);
        if (q.next() && q.integer(10) == ks_konst::sash) {
            sashUf = q.real(6);
            sashWidth = q.real(8);
        }
    }
    if (sashUf <= 0 || frameWidth + sashWidth <= 0) return frameUf;
    const double uf = (frameUf * frameWidth + sashUf * sashWidth) / (frameWidth + sashWidth);
    return std::round(uf * 100.0) / 100.0;
}

// Every article of the three openings of a cut position, in order.
template <class F> void forEachArticle(const velmar_cutpos& position, F f) {
    for (const velmar_oeffnung_artikel* opening :
         {&position.opening1, &position.opening2, &position.opening3})
        for (const velmar_artikel& a : opening->artikel.items) f(a);
}

// The entry a list shows for a number: the entry with that id, else the
// default entry; null for an empty list.
const velmar_artikel* shownEntry(const std::vector<velmar_artikel>& list, int id) {
    const velmar_artikel* fallback = nullptr;
    for (const velmar_artikel& a : list) {
        if (a.nameId.id == id) return &a;
        if (!fallback && a.nameId.isDefault_) fallback = &a;
    }
    return fallback ? fallback : list.empty() ? nullptr : &list.front();
}

// Do the series' boxes sit on the frame (top-mounted boxes)?
bool boxesOnFrame(Catalogue& c, int series) {
    Query q = c.query(Catalogue::BoxesOfSeries);
    q.bind(1, series);
    while (q.next())
        if (q.utf8(13).rfind("aufsatz", 0) == 0) return true;
    return false;
}

// The element's cut positions as the article reload answers them: head,
// sill, left and right jamb, each with the element's frame (its depth in
// value1) and sash in opening 1. flag2 marks the head when the series'
// boxes sit on the frame there.
std::vector<velmar_cutpos> elementPositions(Catalogue& c, const Materialdaten& m) {
    std::vector<velmar_cutpos> out;
    const velmar_artikel* frame = shownEntry(m.frames, m.frameId);
    if (!frame) return out;
    const velmar_artikel* sash = shownEntry(m.sashes, m.sashId);
    const bool onFrame = boxesOnFrame(c, m.systemId);
    for (int number = 1; number <= 4; ++number) {
        velmar_cutpos p;
        p.number = number;
        velmar_artikel f = *frame;
        f.value1 = frame->value2; // depth
        p.opening1.artikel.items.push_back(std::move(f));
        if (sash) p.opening1.artikel.items.push_back(*sash);
        p.flag2 = number == 1 && onFrame;
        p.intValue = ks_konst::frame;
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace

std::vector<velmar_artikel> beads(Catalogue& c, int series, const char* side, bool special,
                                  double thickness) {
    std::vector<velmar_artikel> out;
    Query q = c.query(Catalogue::BeadsFor);
    q.bind(1, series).bind(2, side).bind(3, special ? 1 : 0).bind(4, thickness);
    while (q.next()) {
        velmar_artikel a;
        a.nameId = nameid(q.integer(0), q.text(2), q.flag(6), 0, 0.0, q.real(3));
        a.text1 = q.text(1);
        a.value1 = q.real(4);
        a.value2 = q.real(5);
        a.konstType = ks_konst::glazingBead;
        out.push_back(std::move(a));
    }
    oneDefault(out);
    return out;
}

void answerSystems(Session& s, Materialdaten& m) {
    m.systems.clear();
    Query q = s.catalogue->query(Catalogue::Series);
    while (q.next())
        m.systems.push_back(nameid(q.integer(0), q.text(1), q.flag(4), q.integer(2), q.real(3)));
    oneDefault(m.systems);
    // The reference service leaves the cladding choice to the user.
    *m.flagField(ks_request::claddingLock) = false;
}

void answerColours(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.colours.clear();
    Query series = c.query(Catalogue::SeriesById);
    series.bind(1, m.systemId);
    if (!series.next()) return;
    // Cladding colours only when the series takes cladding shells and the
    // host asked for them.
    const bool cladding = m.option1 && (series.integer(5) & ks_system::claddingOffered);
    Query q = c.query(Catalogue::ColoursOfSeries);
    q.bind(1, m.systemId).bind(2, cladding ? 1 : 0);
    while (q.next()) m.colours.push_back(nameid(q.integer(0), q.text(1), q.flag(3), q.integer(2)));
    oneDefault(m.colours);
}

void answerArticles(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.frames.clear();
    m.sashes.clear();
    m.mullions.clear();
    m.cutPositions.clear();
    if (!seriesExists(c, m.systemId)) return;
    m.frames = articles(c, m.systemId, ks_konst::frame, m.colourId);
    m.sashes = articles(c, m.systemId, ks_konst::sash, m.colourId);
    m.mullions = articles(c, m.systemId, ks_konst::mullion, m.colourId);
    m.cutPositions = elementPositions(c, m);
}

void answerAstragals(Session& s, Materialdaten& m) {
    m.astragals.clear();
    if (!seriesExists(*s.catalogue, m.systemId)) return;
    m.astragals = articles(*s.catalogue, m.systemId, ks_konst::astragal, m.colourId);
}

void answerCouplings(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.couplingsVertical.clear();
    m.couplingsHorizontal.clear();
    if (!seriesExists(c, m.systemId)) return;
    for (velmar_artikel& a : articles(c, m.systemId, ks_konst::coupling, m.colourId)) {
        // A reinforcement that fills both chambers sits in both.
        if (a.nameId.intValue & ks_coupling::bothChambers)
            a.steel2 = a.steel1;
        else
            a.steel2 = velmar_stahl{};
        a.nameId.isDefault_ = false;
        if (a.nameId.intValue & ks_coupling::vertical) m.couplingsVertical.push_back(a);
        if (a.nameId.intValue & ks_coupling::horizontal) m.couplingsHorizontal.push_back(a);
    }
    // The catalogue's default marks are per article, not per list: read them
    // again for each list.
    Query q = c.query(Catalogue::ArticlesOfKind);
    q.bind(1, m.systemId).bind(2, ks_konst::coupling);
    while (q.next()) {
        if (!q.flag(10)) continue;
        for (auto* list : {&m.couplingsVertical, &m.couplingsHorizontal})
            for (velmar_artikel& a : *list)
                if (a.nameId.id == q.integer(0)) a.nameId.isDefault_ = true;
    }
    oneDefault(m.couplingsVertical);
    oneDefault(m.couplingsHorizontal);
}

void answerGlasses(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    // The ornament the caller has chosen rides on its glass entry.
    std::vector<std::pair<int, int>> ornaments;
    for (const velmar_artikel& a : m.glasses)
        if (a.nameId.id > 0 && a.steel1.nameId.id > 0)
            ornaments.emplace_back(a.nameId.id, a.steel1.nameId.id);
    m.glasses.clear();
    if (!seriesExists(c, m.systemId)) return;

    Query q = c.query(Catalogue::GlassesOfSeries);
    q.bind(1, m.systemId);
    while (q.next()) {
        velmar_artikel a;
        const int flags = q.integer(3);
        a.nameId = nameid(q.integer(0), q.text(1), q.flag(9), flags, q.real(6),
                          (flags & ks_glass::noEdgeSeal) ? 0.0 : q.real(7));
        a.text1 = q.text(2);
        a.value1 = q.real(4); // nominal thickness
        a.value2 = q.real(5); // kg/m²
        a.intValue = (flags & ks_glass::noEdgeSeal) ? 0 : q.integer(8);
        // Shown with its ornament (velmar_artikel::getName).
        a.konstType = ks_konst::glass;
        m.glasses.push_back(std::move(a));
    }
    for (velmar_artikel& a : m.glasses) {
        for (const auto& [glass, ornament] : ornaments) {
            if (glass != a.nameId.id) continue;
            Query o = c.query(Catalogue::OrnamentOfGlass);
            o.bind(1, glass).bind(2, ornament);
            if (o.next()) a.steel1.nameId = nameid(ornament, o.text(0), false);
        }
    }
    // The element's own glasses, as the host last handed them over, come
    // before the catalogue's default.
    for (int glass : s.elementGlasses) {
        auto it = std::find_if(m.glasses.begin(), m.glasses.end(),
                               [&](const velmar_artikel& a) { return a.nameId.id == glass; });
        if (it == m.glasses.end()) continue;
        for (velmar_artikel& a : m.glasses) a.nameId.isDefault_ = false;
        it->nameId.isDefault_ = true;
        break;
    }
    oneDefault(m.glasses);
}

void answerBeads(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.beadsFrameSide.clear();
    m.beadsSashSide.clear();
    if (!seriesExists(c, m.systemId)) return;
    const int glass = glassOfSeries(c, m.systemId, m.glassId);
    Query g = c.query(Catalogue::GlassById);
    g.bind(1, glass);
    if (!g.next()) return;
    const double thickness = g.real(0);

    // Which rebate: the catalogue's flag of the frame and sash the request
    // names; for a profile the catalogue does not hold, the caller's flags
    // (84 frame, 120 sash), else the series' default profile.
    auto special = [&](int id, int konstType, bool asked, Catalogue::Statement fallback) {
        int flags = articleFlags(c, id, m.systemId, konstType);
        if (flags < 0 && asked) return true;
        if (flags < 0)
            flags = articleFlags(c, firstId(c, fallback, m.systemId), m.systemId, konstType);
        return flags > 0 && (flags & ks_profile::specialRebate) != 0;
    };
    const bool specialFrame =
        special(m.frameId, ks_konst::frame, m.frameSpecialRebate, Catalogue::DefaultFrameOfSeries);
    const bool specialSash =
        special(m.sashId, ks_konst::sash, m.sashSpecialRebate, Catalogue::DefaultSashOfSeries);
    m.beadsFrameSide = beads(c, m.systemId, "R", specialFrame, thickness);
    m.beadsSashSide = beads(c, m.systemId, "F", specialSash, thickness);
}

void answerBoxes(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.rollerShutterBoxes.clear();
    Query q = c.query(Catalogue::BoxesOfSeries);
    q.bind(1, m.systemId);
    std::vector<int> connection;
    while (q.next()) {
        velmar_rollkasten box;
        box.box = nameid(q.integer(0), q.text(1), q.flag(12), q.integer(2), q.real(3), q.real(4));
        box.part2 = nameid(q.integer(10), q.text(11), false);
        box.size1 = q.real(3); // box height
        box.size2 = q.real(4); // box depth
        box.size3 = q.real(7); // highest element
        box.size4 = q.real(6); // widest element
        box.size5 = q.real(5); // narrowest element
        box.size6 = q.real(8); // overhang per side
        connection.push_back(q.isNull(9) ? 0 : q.integer(9));
        m.rollerShutterBoxes.push_back(std::move(box));
    }
    for (std::size_t i = 0; i < m.rollerShutterBoxes.size(); ++i) {
        velmar_rollkasten& box = m.rollerShutterBoxes[i];
        box.part3 = defaultPart(c, Catalogue::DrivesOfBox, box.box.id);
        box.part4 = defaultPart(c, Catalogue::CurtainsOfBox, box.box.id);
        box.part5 = defaultPart(c, Catalogue::ColoursOfCurtain, box.part4.id);
        box.accessory1 = defaultGuideRail(c, box.box.id);
        box.accessory2 = connectionProfile(c, connection[i]);
    }
    oneDefault(m.rollerShutterBoxes);
}

void answerUfValue(Session& s, Materialdaten& m) {
    m.thermalValue = ufOf(*s.catalogue, m.frameId, m.sashId);
}

void answerFaceWidths(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.materials.clear();
    const int sash = m.sashId;
    const std::pair<int, int> asked[] = {{m.frameId, ks_konst::frame},
                                         {sash, ks_konst::sash},
                                         {m.mullionId, ks_konst::mullion},
                                         {m.astragalId, ks_konst::astragal}};
    for (const auto& [id, konstType] : asked) {
        if (id <= 0) continue;
        Query q = c.query("SELECT sichtbreite, uf FROM artikel WHERE id = ?1 AND konst_type = ?2");
        q.bind(1, id).bind(2, konstType);
        if (!q.next()) continue;
        KSP_MATERIAL entry;
        entry.int1 = id;
        entry.int2 = konstType;
        entry.double24 = q.real(0);
        entry.double12 = konstType == ks_konst::sash ? q.real(1) : ufOf(c, id, sash);
        m.materials.push_back(std::move(entry));
    }
}

void answerUfForCut(Session& s, Materialdaten& m) {
    // The cut's outer profile (frame, else mullion, else astragal) and the
    // sash it holds.
    int outer[3] = {0, 0, 0}, sash = 0;
    if (!m.cutPositions.empty()) {
        forEachArticle(m.cutPositions.front(), [&](const velmar_artikel& a) {
            const int id = a.nameId.id;
            if (a.konstType == ks_konst::frame && !outer[0]) outer[0] = id;
            if (a.konstType == ks_konst::mullion && !outer[1]) outer[1] = id;
            if (a.konstType == ks_konst::astragal && !outer[2]) outer[2] = id;
            if (a.konstType == ks_konst::sash && !sash) sash = id;
        });
    }
    const int frame = outer[0] ? outer[0] : outer[1] ? outer[1] : outer[2];
    m.thermalValue = frame ? ufOf(*s.catalogue, frame, sash) : -1.0;
}

void answerSetGlasses(Session& s, Materialdaten& m) {
    s.elementGlasses.clear();
    for (const velmar_artikel& a : m.glasses)
        if (a.nameId.id > 0) s.elementGlasses.push_back(a.nameId.id);
}

void answerSashSizeCheck(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    const double width = m.firstDimension, height = m.thermalValue;
    double glassWeight = m.glassWeight; // kg/m², when the caller knows it
    int sash = 0;
    if (!m.cutPositions.empty()) {
        forEachArticle(m.cutPositions.front(), [&](const velmar_artikel& a) {
            if (!sash && a.konstType == ks_konst::sash) sash = a.nameId.id;
            if (glassWeight <= 0) {
                Query g = c.query(Catalogue::GlassById);
                g.bind(1, a.nameId.id);
                if (g.next()) glassWeight = g.real(2);
            }
        });
    }
    if (sash <= 0) sash = m.sashId;
    m.thermalValue = -1.0; // the height travelled in the thermal-value field
    m.articleId = SashUnknown;
    Query q = c.query(Catalogue::SashLimits);
    q.bind(1, sash);
    if (!q.next() || width <= 0 || height <= 0) return;
    const double area = width * height * 1e-6;
    if (width < q.real(0))
        m.articleId = SashTooNarrow;
    else if (width > q.real(1))
        m.articleId = SashTooWide;
    else if (height < q.real(2))
        m.articleId = SashTooLow;
    else if (height > q.real(3))
        m.articleId = SashTooHigh;
    else if (area > q.real(4))
        m.articleId = SashTooLarge;
    else if (glassWeight > 0 && area * glassWeight > q.real(5))
        m.articleId = SashTooHeavy;
    else
        m.articleId = SashOk;
}

void answerFireProtection(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.fireProtectionOk = false;
    Query q = c.query(Catalogue::SeriesById);
    q.bind(1, m.systemId);
    if (!q.next() || !q.flag(4)) return;
    const int article = m.hostKey2;
    if (article <= 0) {
        m.fireProtectionOk = true;
        return;
    }
    Query a = c.query(Catalogue::ArticleById);
    a.bind(1, article);
    if (a.next()) {
        m.fireProtectionOk = a.flag(12);
        return;
    }
    Query g = c.query(Catalogue::GlassById);
    g.bind(1, article);
    m.fireProtectionOk = g.next() && g.flag(3);
}

void answerRollerShutterLimits(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    const int box = m.articleId, curtain = m.queryArgument;
    m.rollerShutterMax = 0;
    m.rollerShutterMin = 0;
    Query q = c.query(Catalogue::BoxById);
    q.bind(1, box);
    if (!q.next()) return;
    double widest = q.real(1);
    if (curtain > 0) {
        Query p = c.query(Catalogue::CurtainOfBox);
        p.bind(1, box).bind(2, curtain);
        if (p.next()) widest = std::min(widest, p.real(0));
    }
    m.rollerShutterMin = static_cast<int>(std::lround(q.real(0)));
    m.rollerShutterMax = static_cast<int>(std::lround(widest));
}

void answerReinforcements(Session& s, Materialdaten& m) {
    m.reinforcements.clear();
    const int chamber = m.elementSubcode == 2 ? 2 : 1;
    Query q = s.catalogue->query(Catalogue::ReinforcementsOf);
    q.bind(1, m.articleId).bind(2, chamber);
    while (q.next()) m.reinforcements.push_back(reinforcement(q));
    oneDefault(m.reinforcements);
}

void answerOrnaments(Session& s, Materialdaten& m) {
    m.articleTexts1.clear();
    if (m.glassId <= 0) return;
    velmar_artikel none;
    none.nameId = nameid(0, u"ohne Ornament", true);
    m.articleTexts1.push_back(none);
    Query q = s.catalogue->query(Catalogue::OrnamentsOfGlass);
    q.bind(1, m.glassId);
    while (q.next()) {
        velmar_artikel a;
        a.nameId = nameid(q.integer(0), q.text(1), false);
        a.text1 = q.text(2);
        m.articleTexts1.push_back(std::move(a));
    }
    // A glass without ornaments offers nothing to choose, not even "none".
    if (m.articleTexts1.size() == 1) m.articleTexts1.clear();
}

void answerBoxAccessories(Session& s, Materialdaten& m) {
    Catalogue& c = *s.catalogue;
    m.articleTexts1.clear();
    const int* box = m.intField(ks_request::boxId);
    const int* kind = m.intField(ks_request::boxAccessoryKind);
    const int* curtain = m.intField(ks_request::curtainId);
    if (!box || !kind || !curtain) return;
    Catalogue::Statement statement;
    int owner = *box;
    switch (*kind) {
    case ks_request::kindDrives:
        statement = Catalogue::DrivesOfBox;
        break;
    case ks_request::kindCurtains:
        statement = Catalogue::CurtainsOfBox;
        break;
    case ks_request::kindCurtainColours:
        statement = Catalogue::ColoursOfCurtain;
        owner = *curtain;
        break;
    default:
        return;
    }
    Query q = c.query(statement);
    q.bind(1, owner);
    while (q.next()) {
        velmar_artikel a;
        a.nameId = nameid(q.integer(0), q.text(1), q.flag(2));
        a.konstType = *kind;
        m.articleTexts1.push_back(std::move(a));
    }
    oneDefault(m.articleTexts1);
}

void answerGuideRails(Session& s, Materialdaten& m) {
    m.cutPositions.clear();
    const int* box = m.intField(ks_request::boxId);
    if (!box) return;
    Query q = s.catalogue->query(Catalogue::GuideRailsOfBox);
    q.bind(1, *box);
    velmar_cutpos position;
    while (q.next()) position.opening1.zusatz.push_back(guideRail(q));
    if (position.opening1.zusatz.empty()) return;
    oneDefault(position.opening1.zusatz);
    m.cutPositions.push_back(std::move(position));
}

void answerUnchanged(Session&, Materialdaten&) {}

bool realGlassThickness(Catalogue& c, int glassId, double& thickness) {
    Query q = c.query(Catalogue::GlassById);
    q.bind(1, glassId);
    if (!q.next()) return false;
    thickness = q.real(1);
    return true;
}

} // namespace kalksrv
