// From the catalogue's article rows to what the section generator draws.
// The catalogue build (stored drawings) and the service (cuts) both map
// through here, so a stored drawing and a cut show a profile alike.
#pragma once

#include "kalksrv/sections/section.h"

#include <string>

namespace sections {

// The columns of an artikel row the drawing uses (names as in the schema).
struct ArticleRow {
    int konstType = 0;
    std::string name; // UTF-8
    double ansichtsbreite = 0, bautiefe = 0, falzhoehe = 0, glasfalz = 0, ueberschlag = 0;
    int kammern = 0;
    double wandstaerke = 0;
    int dichtungen = 0;
    int flags = 0;
    std::string kontur;   // '', 'softline', 'ecke'
    std::string material; // of the series: 'PVC', 'ALU', 'HOLZ'
};

// A stahl row.
struct SteelRow {
    std::string form; // 'U', 'C', 'L', 'Rohr', 'Z'
    double breite = 0, hoehe = 0, wandstaerke = 0;
};

// A rollkasten row with the slat height of its default curtain.
struct BoxRow {
    std::string name;
    std::string
        form; // 'aufsatz', 'aufsatz_insekt', 'vorbau_schraeg', 'vorbau_rund', 'vorbau_eckig'
    int bauart = 0;
    double hoehe = 0, tiefe = 0, lamelle = 39;
};

// A glas row.
struct GlassRow {
    std::string aufbau;
    double dicke = 0;
    int flags = 0;
    int schichten = 2;
};

Profile ProfileFromArticle(const ArticleRow& row);
Steel SteelFromRow(const SteelRow& row);
Profile ProfileFromBox(const BoxRow& row);
Glass GlassFromRow(const GlassRow& row);

} // namespace sections
