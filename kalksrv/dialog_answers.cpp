#include "kalksrv/dialog_answers.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "kalksrv/sections/article_profile.h"
#include "kalksrv/sections/section.h"
#include "model/ks_lists.h"

namespace kalksrv {

namespace {

// --- catalogue rows -----------------------------------------------------------

// One catalogue row by its id; none for an id of 0 or less, or one the
// catalogue lacks. `fill` reads the columns of `sql` into the row.
template <class Row, class Fill>
std::optional<Row> readById(Catalogue& c, int id, const char* sql, Fill fill) {
    if (id <= 0) return std::nullopt;
    Query q = c.query(sql);
    q.bind(1, id);
    if (!q.next()) return std::nullopt;
    Row row;
    row.id = id;
    fill(q, row);
    return row;
}

struct Article {
    int id = 0;
    int series = 0;
    std::string name; // as the drawing writes it
    WideText wideName, number;
    double uf = 0, weight = 0;
    sections::ArticleRow row;
};

std::optional<Article> readArticle(Catalogue& c, int id) {
    return readById<Article>(
        c, id,
        "SELECT a.konst_type, a.name, a.ansichtsbreite, a.bautiefe, a.falzhoehe, a.glasfalz, "
        "a.ueberschlag, a.kammern, a.wandstaerke, a.dichtungen, a.flags, a.kontur, "
        "COALESCE(s.material, 'PVC'), a.artikelnr, a.uf, a.gewicht, COALESCE(a.serie_id, 0) "
        "FROM artikel a LEFT JOIN serie s ON s.id = a.serie_id WHERE a.id = ?1",
        [](const Query& q, Article& a) {
            a.row.konstType = q.integer(0);
            a.row.name = a.name = q.utf8(1);
            a.row.ansichtsbreite = q.real(2);
            a.row.bautiefe = q.real(3);
            a.row.falzhoehe = q.real(4);
            a.row.glasfalz = q.real(5);
            a.row.ueberschlag = q.real(6);
            a.row.kammern = q.integer(7);
            a.row.wandstaerke = q.real(8);
            a.row.dichtungen = q.integer(9);
            a.row.flags = q.integer(10);
            a.row.kontur = q.utf8(11);
            a.row.material = q.utf8(12);
            a.wideName = q.text(1);
            a.number = q.text(13);
            a.uf = q.real(14);
            a.weight = q.real(15);
            a.series = q.integer(16);
        });
}

struct SteelInfo {
    int id = 0;
    WideText name, number;
    double weight = 0;
    sections::SteelRow row;
};

std::optional<SteelInfo> readSteel(Catalogue& c, int id) {
    return readById<SteelInfo>(c, id,
                               "SELECT form, breite, hoehe, wandstaerke, name, artikelnr, gewicht "
                               "FROM stahl WHERE id = ?1",
                               [](const Query& q, SteelInfo& s) {
                                   s.row = {q.utf8(0), q.real(1), q.real(2), q.real(3)};
                                   s.name = q.text(4);
                                   s.number = q.text(5);
                                   s.weight = q.real(6);
                               });
}

int defaultSteelId(Catalogue& c, int article, int chamber) {
    Query q = c.query("SELECT stahl_id FROM artikel_stahl WHERE artikel_id = ?1 AND kammer = ?2 "
                      "ORDER BY standard DESC, sortierung, stahl_id LIMIT 1");
    q.bind(1, article).bind(2, chamber);
    return q.next() ? q.integer(0) : 0;
}

struct BoxInfo {
    int id = 0;
    std::string number;
    int connection = 0;
    sections::BoxRow row;
};

std::optional<BoxInfo> readBox(Catalogue& c, int id) {
    return readById<BoxInfo>(
        c, id,
        "SELECT k.name, k.form, k.bauart_id, k.hoehe, k.tiefe, COALESCE((SELECT p.lamelle FROM "
        "rk_kasten_panzer kp JOIN rk_panzer p ON p.id = kp.panzer_id WHERE kp.rollkasten_id = "
        "k.id ORDER BY kp.standard DESC, kp.sortierung LIMIT 1), 39), k.artikelnr, "
        "COALESCE(k.anschluss_id, 0) FROM rollkasten k WHERE k.id = ?1",
        [](const Query& q, BoxInfo& b) {
            b.row = {q.utf8(0), q.utf8(1), q.integer(2), q.real(3), q.real(4), q.real(5)};
            b.number = q.utf8(6);
            b.connection = q.integer(7);
        });
}

struct GlassInfo {
    int id = 0;
    WideText name;
    std::string buildUp;
    WideText wideBuildUp;
    double thickness = 0, realThickness = 0, ug = 0, psig = 0, weight = 0;
    int flags = 0, layers = 0, spacer = 0;
    bool fire = false;
};

std::optional<GlassInfo> readGlass(Catalogue& c, int id) {
    return readById<GlassInfo>(c, id,
                               "SELECT name, aufbau, dicke, dicke_real, ug, psig, gewicht, flags, "
                               "schichten, abstandhalter, brandschutz FROM glas WHERE id = ?1",
                               [](const Query& q, GlassInfo& g) {
                                   g.name = q.text(0);
                                   g.buildUp = q.utf8(1);
                                   g.wideBuildUp = q.text(1);
                                   g.thickness = q.real(2);
                                   g.realThickness = q.real(3);
                                   g.ug = q.real(4);
                                   g.psig = q.real(5);
                                   g.weight = q.real(6);
                                   g.flags = q.integer(7);
                                   g.layers = q.integer(8);
                                   g.spacer = q.integer(9);
                                   g.fire = q.flag(10);
                               });
}

sections::Glass toGlass(const GlassInfo& g) {
    return sections::GlassFromRow({g.buildUp, g.thickness, g.flags, g.layers});
}

// The bead of a series for a side and glass thickness: the list's default.
int beadFor(Catalogue& c, int series, const char* side, bool special, double thickness) {
    for (const velmar_artikel& a : beads(c, series, side, special, thickness))
        if (a.nameId.isDefault_) return a.nameId.id;
    return 0;
}

// A profile with the reinforcements a cut or the catalogue gives it.
sections::Profile profileWithSteel(Catalogue& c, const Article& a, int steel1, int steel2) {
    sections::Profile p = sections::ProfileFromArticle(a.row);
    for (int chamber : {1, 2}) {
        int id = chamber == 1 ? steel1 : steel2;
        if (id <= 0) id = defaultSteelId(c, a.id, chamber);
        if (const auto s = readSteel(c, id))
            (chamber == 1 ? p.steel1 : p.steel2) = sections::SteelFromRow(s->row);
    }
    return p;
}

// --- the articles named by a request --------------------------------------------

struct Named {
    int id = 0;
    int konstType = 0;
    int steel1 = 0, steel2 = 0;
};

std::vector<velmar_oeffnung_artikel*> openings(velmar_cutpos& p) {
    return {&p.opening1, &p.opening2, &p.opening3};
}

std::vector<Named> namedIn(std::vector<velmar_cutpos>& positions) {
    std::vector<Named> out;
    for (velmar_cutpos& p : positions)
        for (velmar_oeffnung_artikel* o : openings(p))
            for (const velmar_artikel& a : o->artikel.items)
                if (a.nameId.id > 0)
                    out.push_back(
                        {a.nameId.id, a.konstType, a.steel1.nameId.id, a.steel2.nameId.id});
    return out;
}

// What one cut shows, resolved against the catalogue.
struct CutPlan {
    int series = 0;
    std::optional<Article> carrier, sash, bead, coupling, addOn, single;
    Named carrierSteel, sashSteel, couplingSteel, singleSteel;
    std::optional<BoxInfo> box;
    std::optional<GlassInfo> glass;
};

bool isCarrier(int k) {
    return k == ks_konst::frame || k == ks_konst::mullion || k == ks_konst::barGlassDividing;
}

void completeGlazing(Catalogue& c, CutPlan& plan, const Materialdaten& r) {
    if (!plan.glass) plan.glass = readGlass(c, r.glassId);
    if (!plan.glass)
        plan.glass = readGlass(c, firstId(c, Catalogue::DefaultGlassOfSeries, plan.series));
    if (plan.bead || !plan.carrier) return;
    const bool sashSide = plan.sash.has_value();
    plan.bead = readArticle(c, sashSide ? r.beadSashSideId : r.beadFrameSideId);
    if (plan.bead && plan.bead->row.konstType != ks_konst::glazingBead) plan.bead.reset();
    if (!plan.bead && plan.glass) {
        const Article& holder = sashSide ? *plan.sash : *plan.carrier;
        plan.bead = readArticle(c, beadFor(c, plan.series, sashSide ? "F" : "R",
                                           (holder.row.flags & ks_profile::specialRebate) != 0,
                                           plan.glass->thickness));
    }
}

CutPlan planCut(Catalogue& c, Materialdaten& r) {
    CutPlan plan;
    plan.series = r.systemId;
    std::vector<Named> named = namedIn(r.cutPositions);
    for (Named& n : named)
        if (n.konstType == 0 || n.konstType == ks_konst::rollerShutterBox) {
            if (const auto a = readArticle(c, n.id)) n.konstType = a->row.konstType;
        }

    if (r.elementCode == ks_element::oneArticle) {
        // The article of the cut position; tag 63 where it names one of the
        // positions' articles or there are none (the request may be a form's
        // shared record whose tag 63 still holds an earlier query's number).
        // A box among the positions is what the roller-shutter dialog draws.
        int target = 0;
        for (const Named& n : named)
            if (!target && n.konstType == ks_konst::rollerShutterBox) target = n.id;
        const bool named63 = std::any_of(named.begin(), named.end(),
                                         [&](const Named& n) { return n.id == r.articleId; });
        // Positions that name no article (the box dialog's no-box entry)
        // ask for nothing, whatever tag 63 still holds.
        if (!target && !named.empty())
            target = named63 ? r.articleId : named.front().id;
        else if (!target && r.cutPositions.empty())
            target = r.articleId;
        Named steel;
        for (const Named& n : named)
            if (n.id == target) steel = n;
        if (auto a = readArticle(c, target)) {
            if (!plan.series) plan.series = a->series;
            if (a->row.konstType == ks_konst::glazingBead) {
                // A bead is shown holding the glass in the profile it is for.
                // A frame-side bead sits on the frame, a sash-side one in
                // the sash.
                plan.bead = a;
                Query side = c.query("SELECT seite FROM glasleiste WHERE serie_id = ?1 AND "
                                     "artikel_id = ?2 LIMIT 1");
                side.bind(1, a->series).bind(2, a->id);
                const bool frameSide = side.next() && side.utf8(0) == "R";
                if (!frameSide) plan.sash = readArticle(c, r.sashId);
                plan.carrier = readArticle(c, r.frameId);
                if (!plan.carrier && (plan.sash || frameSide))
                    plan.carrier =
                        readArticle(c, firstId(c, Catalogue::DefaultFrameOfSeries, plan.series));
                if (!plan.carrier) plan.single = a;
            } else {
                plan.single = a;
                plan.singleSteel = steel;
            }
        } else if (auto b = readBox(c, target)) {
            plan.box = b;
            plan.addOn = readArticle(c, b->connection);
            plan.carrier = readArticle(
                c, r.frameId > 0 ? r.frameId
                                 : firstId(c, Catalogue::DefaultFrameOfSeries, plan.series));
            plan.sash = readArticle(
                c,
                r.sashId > 0 ? r.sashId : firstId(c, Catalogue::DefaultSashOfSeries, plan.series));
        }
        if (!plan.single) completeGlazing(c, plan, r);
        return plan;
    }

    // A cut of the element: the positions say what is cut; without
    // positions the element's frame and sash.
    for (const Named& n : named) {
        if (isCarrier(n.konstType) && !plan.carrier) {
            plan.carrier = readArticle(c, n.id);
            plan.carrierSteel = n;
        } else if (n.konstType == ks_konst::sash && !plan.sash) {
            plan.sash = readArticle(c, n.id);
            plan.sashSteel = n;
        } else if (n.konstType == ks_konst::glazingBead && !plan.bead) {
            plan.bead = readArticle(c, n.id);
        } else if (n.konstType == ks_konst::coupling && !plan.coupling) {
            plan.coupling = readArticle(c, n.id);
            plan.couplingSteel = n;
        } else if (!plan.box && !readArticle(c, n.id)) {
            if (auto b = readBox(c, n.id))
                plan.box = b;
            else if (!plan.glass)
                plan.glass = readGlass(c, n.id);
        }
    }
    if (!plan.carrier && named.empty()) {
        plan.carrier = readArticle(c, r.frameId > 0 ? r.frameId : r.mullionId);
        plan.sash = readArticle(c, r.sashId);
    }
    if (plan.carrier && !plan.series) plan.series = plan.carrier->series;
    if (plan.box) plan.addOn = readArticle(c, plan.box->connection);
    completeGlazing(c, plan, r);
    return plan;
}

// --- answers of a cut -----------------------------------------------------------

KSP_MATERIAL material(const Article& a, const char* role, const char* layer, int position,
                      bool reinforced) {
    KSP_MATERIAL m;
    m.int1 = a.id;
    m.int2 = a.row.konstType;
    m.text3 = a.wideName;
    m.text4 = a.number;
    m.text5 = a.row.material == "ALU"    ? u"Aluminium"
              : a.row.material == "HOLZ" ? u"Holz"
                                         : u"PVC-U";
    m.narrow6 = layer;
    m.narrow7 = role;
    m.double11 = a.weight;
    m.double12 = a.uf;
    m.flag13 = reinforced;
    m.flag14 = true;
    m.int15 = position;
    m.double24 = a.row.ansichtsbreite;
    m.double25 = a.row.bautiefe;
    return m;
}

KSP_MATERIAL glassMaterial(const GlassInfo& g) {
    KSP_MATERIAL m;
    m.int1 = g.id;
    m.int2 = g.layers;
    m.text3 = g.name;
    m.text4 = g.wideBuildUp;
    m.text5 = u"Glas";
    m.narrow6 = sections::kLayerGlass;
    m.narrow7 = "Verglasung";
    m.double11 = g.realThickness;
    m.double12 = g.ug;
    m.flag13 = (g.flags & ks_glass::noEdgeSeal) != 0;
    m.flag14 = g.fire;
    m.int15 = g.spacer;
    m.double24 = g.psig;
    m.double25 = g.weight;
    return m;
}

KSP_MATERIAL steelMaterial(const SteelInfo& s, int chamber) {
    KSP_MATERIAL m;
    m.int1 = s.id;
    m.int2 = chamber;
    m.text3 = s.name;
    m.text4 = s.number;
    m.text5 = u"Stahl verzinkt";
    m.narrow6 = sections::kLayerSteel;
    m.narrow7 = "Aussteifung";
    m.double11 = s.weight;
    m.flag14 = true;
    m.double24 = s.row.breite;
    m.double25 = s.row.hoehe;
    return m;
}

std::vector<KSP_WANDANSCHLUSS> wallConnections(Catalogue& c, int series) {
    std::vector<KSP_WANDANSCHLUSS> out;
    Query q = c.query("SELECT id, name FROM wandanschluss WHERE serie_id = ?1 "
                      "ORDER BY sortierung, id LIMIT 1000");
    q.bind(1, series);
    while (q.next()) {
        KSP_WANDANSCHLUSS w;
        w.nameId = nameid(q.integer(0), q.text(1), out.empty());
        out.push_back(std::move(w));
    }
    for (KSP_WANDANSCHLUSS& w : out) {
        Query p = c.query("SELECT a.id, a.name FROM wandanschluss_profil wp JOIN artikel a ON "
                          "a.id = wp.artikel_id WHERE wp.wandanschluss_id = ?1 "
                          "ORDER BY wp.sortierung, a.id LIMIT 1000");
        p.bind(1, w.nameId.id);
        while (p.next()) {
            KSP_WA_NAMEID e;
            e.number = p.integer(0);
            e.name = p.text(1);
            w.entries.push_back(std::move(e));
        }
    }
    return out;
}

velmar_artikel listed(const Article& a, int konstType) {
    velmar_artikel v;
    v.nameId = nameid(a.id, a.wideName, false);
    v.text1 = a.number;
    v.value1 = a.row.ansichtsbreite;
    v.value2 = a.row.bautiefe;
    v.konstType = konstType;
    return v;
}

std::string drawCut(Catalogue& c, const CutPlan& plan) {
    if (plan.single) {
        const auto& s = plan.singleSteel;
        return sections::DrawProfile(profileWithSteel(c, *plan.single, s.steel1, s.steel2)).dxf;
    }
    if (!plan.carrier) return {};
    sections::Cut cut;
    cut.carrier =
        profileWithSteel(c, *plan.carrier, plan.carrierSteel.steel1, plan.carrierSteel.steel2);
    if (plan.sash)
        cut.sash = profileWithSteel(c, *plan.sash, plan.sashSteel.steel1, plan.sashSteel.steel2);
    if (plan.bead) cut.bead = sections::ProfileFromArticle(plan.bead->row);
    if (plan.glass) cut.glass = toGlass(*plan.glass);
    if (plan.coupling)
        cut.coupling = profileWithSteel(c, *plan.coupling, plan.couplingSteel.steel1,
                                        plan.couplingSteel.steel2);
    if (plan.box) cut.box = sections::ProfileFromBox(plan.box->row);
    if (plan.addOn) cut.addOn = sections::ProfileFromArticle(plan.addOn->row);
    return sections::DrawCut(cut).dxf;
}

void setDrawing(Materialdaten& r, const std::string& dxf) {
    r.drawing.assign(dxf.begin(), dxf.end());
}

// --- accessories ----------------------------------------------------------------

velmar_zusatzartikel accessoryEntry(Catalogue& c, int article, int group, WideText typeName,
                                    int konstType) {
    velmar_zusatzartikel z;
    if (const auto a = readArticle(c, article)) {
        z.artikel = listed(*a, konstType ? konstType : a->row.konstType);
        if (const auto s = readSteel(c, defaultSteelId(c, article, 1)))
            z.artikel.steel1.nameId = nameid(s->id, s->name, true);
    } else {
        z.artikel.nameId.id = article;
    }
    z.nameId = nameid(z.artikel.konstType, std::move(typeName));
    z.intValue1 = group;
    z.intValue2 = 1;
    return z;
}

WideText typeName(Catalogue& c, int konstType) {
    Query q = c.query("SELECT name FROM konst_typ WHERE id = ?1");
    q.bind(1, konstType);
    return q.next() ? q.text(0) : WideText();
}

// The accessory tree offered for one profile kind of a series.
std::vector<velmar_zusatzartikel> offered(Catalogue& c, int series, int forKind) {
    const auto key = std::make_pair(series, forKind);
    if (const auto it = c.accessoryLists.find(key); it != c.accessoryLists.end()) return it->second;
    struct Row {
        int id, group, article, konstType, parent, count;
        std::string key, excluded;
        bool isDefault;
        WideText name, type, number;
        double width, depth;
    };
    std::vector<Row> rows;
    Query q = c.query(
        "SELECT z.id, z.gruppe, COALESCE(z.artikel_id, 0), z.konst_type, z.eltern_id, z.anzahl, "
        "z.ausschluss_key, z.ausschluss_liste, z.standard, z.name, COALESCE(t.name, ''), "
        "COALESCE(a.artikelnr, ''), COALESCE(a.ansichtsbreite, 0), COALESCE(a.bautiefe, 0) "
        "FROM zubehoer z LEFT JOIN artikel a ON a.id = z.artikel_id LEFT JOIN konst_typ t ON "
        "t.id = z.konst_type WHERE z.serie_id = ?1 AND z.fuer_konst_type = ?2 "
        "ORDER BY z.gruppe, z.sortierung, z.id LIMIT 1000");
    q.bind(1, series).bind(2, forKind);
    while (q.next())
        rows.push_back({q.integer(0), q.integer(1), q.integer(2), q.integer(3), q.integer(4),
                        q.integer(5), q.utf8(6), q.utf8(7), q.flag(8), q.text(9), q.text(10),
                        q.text(11), q.real(12), q.real(13)});
    std::map<int, const Row*> byId;
    std::map<int, std::string> children; // ";a;b" of each parent, built in one pass
    for (const Row& row : rows) {
        byId[row.id] = &row;
        if (row.parent && !row.key.empty()) children[row.parent] += ";" + row.key;
    }
    std::vector<velmar_zusatzartikel> out;
    for (const Row& row : rows) {
        velmar_zusatzartikel z;
        z.artikel.nameId = nameid(row.article, row.name, row.isDefault);
        z.artikel.text1 = row.number;
        z.artikel.value1 = row.width;
        z.artikel.value2 = row.depth;
        z.artikel.konstType = row.konstType;
        // An accessory that takes steel comes with its default per chamber.
        for (int chamber : {1, 2})
            if (const auto st = readSteel(c, defaultSteelId(c, row.article, chamber)))
                (chamber == 1 ? z.artikel.steel1 : z.artikel.steel2).nameId =
                    nameid(st->id, st->name, true);
        z.nameId = nameid(row.konstType, row.type);
        z.intValue1 = row.group;
        z.intValue2 = row.count;
        z.text1 = row.key;
        z.text3 = row.excluded;
        if (const auto c = children.find(row.id); c != children.end()) z.text2 = c->second + ";";
        const auto parent = byId.find(row.parent);
        z.intValue3 = parent != byId.end() ? parent->second->article : 0;
        z.intValue4 = row.id;
        out.push_back(std::move(z));
    }
    c.accessoryLists.emplace(key, out);
    return out;
}

std::vector<velmar_oeffnung_artikel*> chosenOpenings(velmar_cutpos& p, int side) {
    switch (side) {
    case ks_side::opening1:
        return {&p.opening1};
    case ks_side::opening2:
        return {&p.opening2};
    case ks_side::opening3:
        return {&p.opening3};
    default:
        return openings(p);
    }
}

int konstTypeOf(Catalogue& c, int id) {
    if (const auto a = readArticle(c, id)) return a->row.konstType;
    if (readBox(c, id)) return ks_konst::rollerShutterBox;
    return 0;
}

} // namespace

// --- entry points -------------------------------------------------------------------

std::string catalogueDrawing(Catalogue& c, int id) {
    if (const auto a = readArticle(c, id))
        return sections::DrawProfile(profileWithSteel(c, *a, 0, 0)).dxf;
    if (const auto b = readBox(c, id))
        return sections::DrawProfile(sections::ProfileFromBox(b->row)).dxf;
    return {};
}

void answerCut(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    const CutPlan plan = planCut(c, r);
    setDrawing(r, drawCut(c, plan));
    r.materials.clear();
    r.wallConnections.clear();
    if (r.drawing.empty()) return;

    // The positions drawn: the request's, or one naming what was drawn.
    if (r.cutPositions.empty()) {
        velmar_cutpos p;
        p.number = 1;
        for (const auto* a :
             {&plan.carrier, &plan.sash, &plan.bead, &plan.coupling, &plan.addOn, &plan.single})
            if (*a) p.opening1.artikel.items.push_back(listed(**a, (*a)->row.konstType));
        if (plan.glass) {
            velmar_artikel g;
            g.nameId = nameid(plan.glass->id, plan.glass->name);
            g.konstType = ks_konst::glass;
            p.opening1.artikel.items.push_back(g);
        }
        r.cutPositions.push_back(std::move(p));
    }
    int n = 0;
    const auto add = [&](const std::optional<Article>& a, const char* role, const char* layer,
                         const Named& steel) {
        if (!a) return;
        const int s1 = steel.steel1 > 0 ? steel.steel1 : defaultSteelId(c, a->id, 1);
        const int s2 = steel.steel2 > 0 ? steel.steel2 : defaultSteelId(c, a->id, 2);
        r.materials.push_back(material(*a, role, layer, n++, s1 > 0 || s2 > 0));
        for (int chamber : {1, 2})
            if (const auto st = readSteel(c, chamber == 1 ? s1 : s2))
                r.materials.push_back(steelMaterial(*st, chamber));
    };
    add(plan.single, "Profil", sections::kLayerProfile, plan.singleSteel);
    add(plan.carrier, "Rahmen", sections::kLayerProfile, plan.carrierSteel);
    add(plan.sash, "Flügel", sections::kLayerProfile, plan.sashSteel);
    add(plan.coupling, "Kopplung", sections::kLayerProfile, plan.couplingSteel);
    if (plan.bead && !plan.single)
        r.materials.push_back(material(*plan.bead, "Glasleiste", sections::kLayerBead, n++, false));
    if (plan.addOn)
        r.materials.push_back(
            material(*plan.addOn, "Anschlussprofil", sections::kLayerProfile, n++, false));
    if (plan.glass && !plan.single) r.materials.push_back(glassMaterial(*plan.glass));
    r.wallConnections = wallConnections(c, plan.series);
}

void answerGlassMaterial(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    r.materials.clear();
    std::optional<GlassInfo> g = readGlass(c, r.glassId);
    for (const Named& n : namedIn(r.cutPositions))
        if (!g) g = readGlass(c, n.id);
    if (g) r.materials.push_back(glassMaterial(*g));
}

void answerArticleDrawing(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    r.drawing.clear();
    if (r.articleId <= 0) return;
    Query q = c.query("SELECT dxf FROM zeichnung WHERE artikel_id = ?1");
    q.bind(1, r.articleId);
    if (q.next()) {
        r.drawing = q.blob(0);
        return;
    }
    // Articles added after the catalogue was built (or copies in the scaled
    // catalogue) are drawn from their dimensions.
    setDrawing(r, catalogueDrawing(c, r.articleId));
}

void answerColourPicture(Session& s, Materialdaten& r) {
    r.drawing.clear();
    if (r.articleId <= 0) return;
    Query q = s.catalogue->query("SELECT jpeg FROM farbbild WHERE farbe_id = ?1");
    q.bind(1, r.articleId);
    if (q.next()) r.drawing = q.blob(0);
}

void answerGlazingBars(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    int series = r.systemId;
    if (series <= 0)
        if (const auto a = readArticle(c, r.articleId)) series = a->series;
    const auto glass = readGlass(c, r.glassId);
    const double thickness = glass ? glass->thickness : -1;
    const bool panel = glass && (glass->flags & ks_glass::noEdgeSeal) && glass->layers <= 1;
    const std::pair<int, std::vector<velmar_artikel>*> kinds[] = {
        {ks_konst::barGlassDividing, &r.barsGlassDividing},
        {ks_konst::barAdhesive, &r.barsAdhesive},
        {ks_konst::barInternal, &r.barsInternal},
        {ks_konst::barViennese, &r.barsViennese}};
    for (const auto& [kind, list] : kinds) {
        list->clear();
        if (panel && kind != ks_konst::barGlassDividing) continue; // nothing to stick on or between
        Query q = c.query(
            "SELECT a.id, a.artikelnr, a.name, a.beschreibung, a.flags, a.ansichtsbreite, "
            "a.bautiefe, a.gewicht, sp.standard FROM sprosse sp JOIN artikel a ON a.id = "
            "sp.artikel_id WHERE sp.serie_id = ?1 AND a.konst_type = ?2 AND (?3 < 0 OR ?3 "
            "BETWEEN sp.dicke_min AND sp.dicke_max) ORDER BY sp.sortierung, a.id LIMIT 1000");
        q.bind(1, series).bind(2, kind).bind(3, thickness);
        while (q.next()) {
            velmar_artikel a;
            a.nameId = nameid(q.integer(0), q.text(2), q.flag(8), q.integer(4));
            a.nameId.value1 = q.real(7);
            a.text1 = q.text(1);
            a.text2 = q.text(3);
            a.value1 = q.real(5);
            a.value2 = q.real(6);
            a.konstType = kind;
            list->push_back(std::move(a));
        }
        bool seen = false;
        for (velmar_artikel& a : *list) {
            if (const auto st = readSteel(c, defaultSteelId(c, a.nameId.id, 1)))
                a.steel1.nameId = nameid(st->id, st->name, true);
            if (a.nameId.isDefault_ && seen) a.nameId.isDefault_ = false;
            seen = seen || a.nameId.isDefault_;
        }
        if (!seen && !list->empty()) list->front().nameId.isDefault_ = true;
    }
}

void answerAccessories(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    const int series = r.systemId;
    std::set<int> kinds;
    if (const int k = konstTypeOf(c, r.articleId); k > 0) kinds.insert(k);
    if (kinds.empty())
        for (const Named& n : namedIn(r.cutPositions))
            if (const int k = n.konstType ? n.konstType : konstTypeOf(c, n.id); k > 0)
                kinds.insert(k);
    const std::vector<int> all = {ks_konst::frame, ks_konst::sash, ks_konst::mullion,
                                  ks_konst::astragal, ks_konst::coupling};
    std::vector<velmar_zusatzartikel> offer;
    for (int k : all)
        if (kinds.empty() || kinds.count(k))
            for (velmar_zusatzartikel& z : offered(c, series, k)) offer.push_back(std::move(z));

    if (r.cutPositions.empty()) {
        velmar_cutpos p;
        p.number = 1;
        r.cutPositions.push_back(std::move(p));
    }
    for (velmar_cutpos& p : r.cutPositions)
        for (velmar_oeffnung_artikel* o : openings(p)) o->zusatz = offer;

    // The selection keeps what the catalogue offers for the series, with
    // the catalogue's data; the chosen reinforcements stay.
    std::map<std::pair<int, int>, velmar_zusatzartikel> every; // by id and group
    for (int k : all)
        for (velmar_zusatzartikel& z : offered(c, series, k))
            every.emplace(std::make_pair(z.getId(), z.intValue1), std::move(z));
    for (velmar_cutpos& p : r.accessoryPositions)
        for (velmar_oeffnung_artikel* o : openings(p)) {
            std::vector<velmar_zusatzartikel> kept;
            for (const velmar_zusatzartikel& chosen : o->zusatz) {
                const auto match = every.find({chosen.getId(), chosen.intValue1});
                if (match == every.end()) continue;
                velmar_zusatzartikel z = match->second;
                z.artikel.steel1 = chosen.artikel.steel1;
                z.artikel.steel2 = chosen.artikel.steel2;
                kept.push_back(std::move(z));
            }
            o->zusatz = std::move(kept);
        }
}

void answerAdditionalProfile(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    const auto a = readArticle(c, r.articleId);
    if (!a) return;
    // The group the series offers it in; a profile it does not offer
    // belongs to the frame.
    int group = ks_konst::frame;
    Query q =
        c.query("SELECT gruppe FROM zubehoer WHERE serie_id = ?1 AND artikel_id = ?2 LIMIT 1");
    q.bind(1, r.systemId > 0 ? r.systemId : a->series).bind(2, a->id);
    if (q.next()) group = q.integer(0);
    const velmar_zusatzartikel entry =
        accessoryEntry(c, a->id, group, typeName(c, a->row.konstType), a->row.konstType);
    if (r.cutPositions.empty()) r.cutPositions.emplace_back().number = 1;
    for (velmar_cutpos& p : r.cutPositions)
        for (velmar_oeffnung_artikel* o : chosenOpenings(p, r.queryArgument)) {
            const bool present =
                std::any_of(o->zusatz.begin(), o->zusatz.end(), [&](const auto& z) {
                    return z.getId() == entry.getId() && z.intValue1 == entry.intValue1;
                });
            if (!present) o->zusatz.push_back(entry);
        }
}

void answerWallProfiles(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    std::set<int> wallProfiles;
    {
        Query q = c.query("SELECT wp.artikel_id FROM wandanschluss w JOIN wandanschluss_profil wp "
                          "ON wp.wandanschluss_id = w.id WHERE w.serie_id = ?1");
        q.bind(1, r.systemId);
        while (q.next()) wallProfiles.insert(q.integer(0));
    }
    std::vector<velmar_zusatzartikel> added;
    {
        Query q = c.query("SELECT wp.artikel_id FROM wandanschluss_profil wp JOIN wandanschluss w "
                          "ON w.id = wp.wandanschluss_id WHERE wp.wandanschluss_id = ?1 AND "
                          "w.serie_id = ?2 ORDER BY wp.sortierung, wp.artikel_id LIMIT 1000");
        q.bind(1, r.articleId).bind(2, r.systemId);
        std::vector<int> ids;
        while (q.next()) ids.push_back(q.integer(0));
        for (int id : ids)
            added.push_back(accessoryEntry(c, id, ks_konst::frame,
                                           typeName(c, ks_konst::connectionProfile), 0));
    }
    if (added.empty()) return; // not a wall connection of this series: unchanged
    if (r.accessoryPositions.empty()) r.accessoryPositions.emplace_back().number = 1;
    for (velmar_cutpos& p : r.accessoryPositions)
        for (velmar_oeffnung_artikel* o : chosenOpenings(p, r.elementCode)) {
            std::erase_if(o->zusatz, [&](const velmar_zusatzartikel& z) {
                return wallProfiles.count(z.getId()) != 0;
            });
            o->zusatz.insert(o->zusatz.end(), added.begin(), added.end());
        }
}

void answerDefaultBaseProfile(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    Query q = c.query("SELECT artikel_id FROM aufbauprofil WHERE serie_id = ?1 AND lage = 'B' "
                      "ORDER BY standard DESC, sortierung LIMIT 1");
    q.bind(1, r.systemId);
    if (!q.next()) return;
    const int id = q.integer(0);
    const velmar_zusatzartikel entry =
        accessoryEntry(c, id, ks_konst::frame, typeName(c, ks_konst::additionalProfile), 0);
    if (r.accessoryPositions.empty()) r.accessoryPositions.emplace_back().number = 1;
    for (velmar_cutpos& p : r.accessoryPositions) {
        auto& z = p.opening1.zusatz;
        if (std::none_of(z.begin(), z.end(), [&](const auto& e) { return e.getId() == id; }))
            z.push_back(entry);
    }
}

namespace {

void buildOn(Catalogue& c, Materialdaten& r, const char* lage) {
    std::vector<velmar_artikel>& list = r.articleTexts1; // ks_list::buildOnProfiles
    list.clear();
    Query q = c.query("SELECT artikel_id, standard FROM aufbauprofil WHERE serie_id = ?1 AND "
                      "lage = ?2 ORDER BY sortierung, artikel_id LIMIT 1000");
    q.bind(1, r.systemId).bind(2, lage);
    std::vector<std::pair<int, bool>> rows;
    while (q.next()) rows.emplace_back(q.integer(0), q.flag(1));
    for (const auto& [id, isDefault] : rows)
        if (const auto a = readArticle(c, id)) {
            velmar_artikel v = listed(*a, a->row.konstType);
            v.nameId.isDefault_ = isDefault;
            if (const auto st = readSteel(c, defaultSteelId(c, id, 1)))
                v.steel1.nameId = nameid(st->id, st->name, true);
            list.push_back(std::move(v));
        }
}

} // namespace

void answerBuildOnTop(Session& s, Materialdaten& r) {
    buildOn(*s.catalogue, r, "O");
}
void answerBuildOnBottom(Session& s, Materialdaten& r) {
    buildOn(*s.catalogue, r, "U");
}

void answerProfileTypes(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    for (velmar_cutpos& p : r.cutPositions) {
        for (velmar_oeffnung_artikel* o : openings(p)) {
            for (velmar_artikel& a : o->artikel.items)
                if (const int k = konstTypeOf(c, a.nameId.id); k > 0) a.konstType = k;
            for (velmar_zusatzartikel& z : o->zusatz)
                if (const int k = konstTypeOf(c, z.getId()); k > 0) z.artikel.konstType = k;
        }
        if (!p.opening1.artikel.items.empty())
            p.intValue = p.opening1.artikel.items.front().konstType;
    }
}

void answerArticleTexts(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    std::vector<velmar_artikel>& shortTexts = r.articleTexts1;
    std::vector<velmar_artikel>& lines = r.articleTexts2();
    shortTexts.clear();
    lines.clear();
    std::vector<int> ids;
    for (velmar_cutpos& p : r.cutPositions)
        for (velmar_oeffnung_artikel* o : openings(p)) {
            for (const velmar_artikel& a : o->artikel.items) ids.push_back(a.nameId.id);
            for (const velmar_zusatzartikel& z : o->zusatz) ids.push_back(z.getId());
        }
    std::set<int> seen;
    for (int id : ids) {
        if (id <= 0 || !seen.insert(id).second) continue;
        Query q = c.query("SELECT zeile, text FROM artikel_text WHERE artikel_id = ?1 "
                          "ORDER BY zeile LIMIT 100");
        q.bind(1, id);
        while (q.next()) {
            velmar_artikel t;
            t.nameId = nameid(id, q.text(1), false, q.integer(0));
            t.konstType = 0;
            (q.integer(0) == 1 ? shortTexts : lines).push_back(std::move(t));
            if (shortTexts.size() >= 1000 || lines.size() >= 1000) return;
        }
    }
}

void answerEquipment(Session& s, Materialdaten& r) {
    Catalogue& c = *s.catalogue;
    std::vector<velmar_zusatzartikel> list;
    Query q = c.query("SELECT a.id, a.gruppe, a.artikelnr, a.name, a.standard, "
                      "COALESCE(g.name, '') FROM ausstattung a LEFT JOIN ausstattung_gruppe g ON "
                      "g.id = a.gruppe WHERE a.serie_id = ?1 AND a.element IN (0, ?2) "
                      "ORDER BY a.sortierung, a.id LIMIT 1000");
    q.bind(1, r.systemId).bind(2, r.elementCode);
    while (q.next()) {
        velmar_zusatzartikel z;
        const int group = q.integer(1);
        z.artikel.nameId = nameid(q.integer(0), q.text(3), q.flag(4));
        z.artikel.text1 = q.text(2);
        z.nameId = nameid(group, q.text(5));
        z.intValue1 = group;
        z.intValue2 = 1;
        list.push_back(std::move(z));
    }
    r.cutPositions.clear();
    velmar_cutpos p;
    p.number = 1;
    p.opening3.zusatz = std::move(list);
    r.cutPositions.push_back(std::move(p));
}

} // namespace kalksrv
