#include "kalksrv/sections/article_profile.h"

#include "model/ks_lists.h"

namespace sections {

Profile ProfileFromArticle(const ArticleRow& row) {
    Profile p;
    p.name = row.name;
    p.faceWidth = row.ansichtsbreite;
    p.depth = row.bautiefe;
    p.chambers = row.kammern;
    p.wall = row.wandstaerke > 0 ? row.wandstaerke : 2.5;
    p.rebateHeight = row.falzhoehe;
    p.glassRebate = row.glasfalz;
    p.overlap = row.ueberschlag;
    p.gaskets = row.dichtungen > 0 ? row.dichtungen : 2;
    p.aluminium = row.material == "ALU";
    p.softline = row.kontur == "softline";
    switch (row.konstType) {
    case ks_konst::frame:
        p.kind = Kind::Frame;
        break;
    case ks_konst::sash:
        p.kind = Kind::Sash;
        break;
    case ks_konst::mullion:
        p.kind = Kind::Mullion;
        break;
    case ks_konst::astragal:
        p.kind = Kind::Astragal;
        break;
    case ks_konst::glazingBead:
        // A bead's catalogue width is its depth; its height the rebate it fills.
        p.kind = Kind::GlazingBead;
        p.faceWidth = row.falzhoehe > 0 ? row.falzhoehe : row.ansichtsbreite;
        break;
    case ks_konst::coupling:
        p.kind = Kind::Coupling;
        p.cornerCoupling = row.kontur == "ecke";
        break;
    case ks_konst::barGlassDividing:
    case ks_konst::barAdhesive:
    case ks_konst::barInternal:
    case ks_konst::barViennese:
        p.kind = Kind::GlazingBar;
        p.bar = static_cast<BarKind>(row.konstType);
        break;
    case ks_konst::guideRail:
        p.kind = Kind::GuideRail;
        p.wall = row.wandstaerke > 0 ? row.wandstaerke : 1.6;
        break;
    default:
        p.kind = Kind::AddOn;
        break;
    }
    return p;
}

Steel SteelFromRow(const SteelRow& row) {
    Steel s;
    s.present = row.breite > 0 && row.hoehe > 0;
    s.width = row.breite;
    s.height = row.hoehe;
    s.wall = row.wandstaerke > 0 ? row.wandstaerke : 1.5;
    if (row.form == "C")
        s.shape = SteelShape::C;
    else if (row.form == "L")
        s.shape = SteelShape::L;
    else if (row.form == "Rohr")
        s.shape = SteelShape::Tube;
    else if (row.form == "Z")
        s.shape = SteelShape::Z;
    else
        s.shape = SteelShape::U;
    return s;
}

Profile ProfileFromBox(const BoxRow& row) {
    Profile p;
    p.kind = Kind::RollerShutterBox;
    p.name = row.name;
    p.faceWidth = row.hoehe;
    p.depth = row.tiefe;
    p.curtainSlat = row.lamelle > 0 ? row.lamelle : 39;
    if (row.form == "aufsatz_insekt")
        p.box = BoxShape::TopMountedInsect;
    else if (row.form == "vorbau_schraeg")
        p.box = BoxShape::FrontChamfered;
    else if (row.form == "vorbau_rund")
        p.box = BoxShape::FrontRound;
    else if (row.form == "vorbau_eckig")
        p.box = BoxShape::FrontSquare;
    else if (row.form == "aufsatz")
        p.box = BoxShape::TopMounted;
    else // by construction type when the row names no form
        p.box = row.bauart == 8708   ? BoxShape::FrontChamfered
                : row.bauart == 8715 ? BoxShape::FrontSquare
                : row.bauart == 7405 ? BoxShape::TopMountedInsect
                                     : BoxShape::TopMounted;
    return p;
}

Glass GlassFromRow(const GlassRow& row) {
    Glass g;
    g.thickness = row.dicke;
    g.buildUp = row.aufbau;
    g.panel = (row.flags & 2) != 0 && row.schichten <= 1;
    return g;
}

} // namespace sections
