-- Article catalogue of the calculation service (kalksrv.dll).
--
-- One SQLite file holds everything the service answers from: profile series,
-- colours, profile articles with their dimensions, steel reinforcements,
-- glasses, glazing beads and roller-shutter boxes with their parts. The
-- service opens it read-only and answers every request through prepared
-- statements on the indexes below, so an answer costs index look-ups plus the
-- rows it returns, whatever the size of the catalogue.
--
-- Conventions
-- - Ids are the numbers the component and the host see; they are unique per
--   table and, by convention, across the whole catalogue (so an article id
--   never doubles as a colour id). They must stay below 100000: the scaled
--   benchmark catalogue adds multiples of 100000.
-- - Columns referring to another table end in "_id". Lengths in millimetres,
--   areas in square metres, masses in kilograms, thermal transmittances in
--   W/(m²K) and linear ones (PsiG) in W/(mK), as EN ISO 10077-1 uses them.
-- - "sortierung" orders a list as the component shows it; "standard" (0/1)
--   marks the preselected entry of a list (at most one per list).
-- - Texts are German, UTF-8.

-- Catalogue identification. The service refuses a file whose 'format' is not
-- the one it was built for.
CREATE TABLE katalog_info (
    schluessel TEXT PRIMARY KEY,
    wert       TEXT NOT NULL
);

-- Profile series (systems).
-- flags: bit value 1 = aluminium cladding shells can be fitted.
-- system_wert: numeric property handed to the host with the series (the
--   series' typical Uf, written into the configuration's systemValue).
-- glas_min/glas_max: glass thicknesses the glazing rebates take.
CREATE TABLE serie (
    id          INTEGER PRIMARY KEY,
    name        TEXT    NOT NULL,
    material    TEXT    NOT NULL CHECK (material IN ('PVC', 'ALU', 'HOLZ')),
    bautiefe    REAL    NOT NULL,
    kammern     INTEGER NOT NULL,
    dichtungen  INTEGER NOT NULL,
    flags       INTEGER NOT NULL DEFAULT 0,
    system_wert REAL    NOT NULL DEFAULT 0,
    glas_min    REAL    NOT NULL,
    glas_max    REAL    NOT NULL,
    brandschutz INTEGER NOT NULL DEFAULT 0,
    standard    INTEGER NOT NULL DEFAULT 0,
    sortierung  INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX serie_sortierung ON serie (sortierung, id);

-- Colours.
-- flags: group, base-body and gasket bits of the colour dialog:
--   groups  0x1 ohne Folierung, 0x4/0x8 LUMERA außen/beidseitig,
--           0x800/0x1000 KOLORIN außen/beidseitig, 0x400/0x2000 TEXELA
--           außen/beidseitig, 0x400000/0x200000 Dekor außen/beidseitig,
--           0x4000 RAL 1-farbig, 0x8000 RAL 2-farbig, 0x10000 RAL-Standard,
--           0x20000 RAL-Sonder, 0x40000 RAL-Premium;
--   body    0x10 weiß, 0x20 braun, 0x40 ocker, 0x80000 dunkelgrau;
--   gasket  0x100 weiß, 0x200 grau, 0x80 schwarz, 0x100000 papyrusweiß.
-- ral: RAL number or the foil line's decor code; rgb: colour of the swatch (0xRRGGBB);
-- bild: how the colour picture is made: 'uni' plain, 'holz' woodgrain,
--   'struktur' textured surface, 'metall' brushed metal.
CREATE TABLE farbe (
    id     INTEGER PRIMARY KEY,
    name   TEXT    NOT NULL,
    flags  INTEGER NOT NULL,
    ral    TEXT,
    rgb    INTEGER NOT NULL,
    bild   TEXT    NOT NULL DEFAULT 'uni' CHECK (bild IN ('uni', 'holz', 'struktur', 'metall'))
);

-- Colours a series is supplied in.
-- nur_alu: 1 = only with aluminium cladding shells (the request's option1).
CREATE TABLE serie_farbe (
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    farbe_id   INTEGER NOT NULL REFERENCES farbe (id),
    nur_alu    INTEGER NOT NULL DEFAULT 0,
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, farbe_id)
);
CREATE INDEX serie_farbe_liste ON serie_farbe (serie_id, sortierung, farbe_id);

-- Profile articles of every kind: frames, sashes, mullions, astragals,
-- couplings, glazing beads, glazing bars, additional profiles, guide rails.
-- konst_type: 11 Rahmen, 23 Flügel, 24 Pfosten, 25 Stulp, 26 Glasleiste,
--   18 Kopplung, 1295/1296/1297/8377 Sprossen by kind, 170 Rollladenkasten,
--   171 Führungsschiene, 30 Zusatzprofil.
-- flags (the article's nameId.intValue):
--   0x4  takes the special glazing bead (frame, sash);
--   0x10 coupling whose reinforcement fills both chambers;
--   0x20 vertical coupling, 0x40 horizontal coupling.
-- farbmaske: colour group bits (see farbe.flags) the article is supplied in;
--   the lists of a colour show only the articles whose mask shares a group
--   bit with the colour.
-- Dimensions, also the input of the section drawings:
--   ansichtsbreite face width, bautiefe depth, falzhoehe glazing rebate
--   height, glasfalz free rebate width for glass plus bead, ueberschlag sash
--   overlap, kammern chambers, wandstaerke outer wall, dichtungen gasket
--   levels; kontur the shape variant: '' plain, 'softline' rounded edges
--   (beads, sashes), 'ecke' a coupling that joins at 90°.
-- sichtbreite: visible face width in the element, what Uw is computed from
--   (EN ISO 10077-1, the projected frame as the cuts show it): a frame,
--   mullion or astragal from its edge to the glass it holds itself, a sash
--   the width it adds beyond the glass stop of the profile that holds it
--   (its face width less its lap over the frame and the stop's height).
--   0: unknown, the element then has no Uw.
-- serie_id is NULL for articles that belong to no series (guide rails, box
-- connection profiles).
CREATE TABLE artikel (
    id             INTEGER PRIMARY KEY,
    serie_id       INTEGER REFERENCES serie (id),
    konst_type     INTEGER NOT NULL,
    artikelnr      TEXT    NOT NULL,
    name           TEXT    NOT NULL,
    beschreibung   TEXT    NOT NULL DEFAULT '',
    flags          INTEGER NOT NULL DEFAULT 0,
    farbmaske      INTEGER NOT NULL DEFAULT -1,
    uf             REAL    NOT NULL DEFAULT 0,
    gewicht        REAL    NOT NULL DEFAULT 0,
    ansichtsbreite REAL    NOT NULL DEFAULT 0,
    bautiefe       REAL    NOT NULL DEFAULT 0,
    falzhoehe      REAL    NOT NULL DEFAULT 0,
    glasfalz       REAL    NOT NULL DEFAULT 0,
    ueberschlag    REAL    NOT NULL DEFAULT 0,
    kammern        INTEGER NOT NULL DEFAULT 0,
    wandstaerke    REAL    NOT NULL DEFAULT 0,
    dichtungen     INTEGER NOT NULL DEFAULT 0,
    kontur         TEXT    NOT NULL DEFAULT '' CHECK (kontur IN ('', 'softline', 'ecke')),
    brandschutz    INTEGER NOT NULL DEFAULT 0,
    standard       INTEGER NOT NULL DEFAULT 0,
    sortierung     INTEGER NOT NULL DEFAULT 0,
    sichtbreite    REAL    NOT NULL DEFAULT 0
);
CREATE INDEX artikel_liste ON artikel (serie_id, konst_type, sortierung, id);

-- Steel reinforcements. ix/iy: moments of inertia (cm⁴).
CREATE TABLE stahl (
    id          INTEGER PRIMARY KEY,
    artikelnr   TEXT    NOT NULL,
    name        TEXT    NOT NULL,
    form        TEXT    NOT NULL CHECK (form IN ('U', 'C', 'L', 'Rohr', 'Z')),
    breite      REAL    NOT NULL,
    hoehe       REAL    NOT NULL,
    wandstaerke REAL    NOT NULL,
    gewicht     REAL    NOT NULL,
    ix          REAL    NOT NULL,
    iy          REAL    NOT NULL
);

-- Reinforcements that fit a profile, per chamber (1 main chamber, 2 second).
CREATE TABLE artikel_stahl (
    artikel_id INTEGER NOT NULL REFERENCES artikel (id),
    kammer     INTEGER NOT NULL CHECK (kammer IN (1, 2)),
    stahl_id   INTEGER NOT NULL REFERENCES stahl (id),
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (artikel_id, kammer, stahl_id)
);
CREATE INDEX artikel_stahl_liste ON artikel_stahl (artikel_id, kammer, sortierung);

-- Size and weight limits of a sash profile (fittings' load included).
CREATE TABLE fluegel_grenze (
    artikel_id  INTEGER PRIMARY KEY REFERENCES artikel (id),
    min_breite  REAL NOT NULL,
    max_breite  REAL NOT NULL,
    min_hoehe   REAL NOT NULL,
    max_hoehe   REAL NOT NULL,
    max_flaeche REAL NOT NULL,
    max_gewicht REAL NOT NULL
);

-- Measured Uf of a frame and sash combination. Without a row the service
-- weights the two profiles' Uf by their face widths; a frame without sash
-- (fixed glazing) has the frame's own Uf.
CREATE TABLE uf_kombination (
    rahmen_id  INTEGER NOT NULL REFERENCES artikel (id),
    fluegel_id INTEGER NOT NULL REFERENCES artikel (id),
    uf         REAL    NOT NULL,
    PRIMARY KEY (rahmen_id, fluegel_id)
);

-- Glasses and panels.
-- flags (nameId.intValue): bit value 2 = no edge seal (panels, single glass).
-- aufbau: build-up as written on the order ("4/16/4").
-- dicke: nominal thickness (chooses the glazing bead); dicke_real: measured.
-- abstandhalter: spacer code 1..11 (0 none), psig its edge-seal value.
-- gewicht: kg/m²; schichten: 2 double, 3 triple, 1 panel or single glass.
CREATE TABLE glas (
    id            INTEGER PRIMARY KEY,
    name          TEXT    NOT NULL,
    aufbau        TEXT    NOT NULL,
    schichten     INTEGER NOT NULL,
    flags         INTEGER NOT NULL DEFAULT 0,
    dicke         REAL    NOT NULL,
    dicke_real    REAL    NOT NULL,
    ug            REAL    NOT NULL,
    psig          REAL    NOT NULL,
    abstandhalter INTEGER NOT NULL DEFAULT 0,
    gewicht       REAL    NOT NULL,
    brandschutz   INTEGER NOT NULL DEFAULT 0
);

-- Glasses offered in a series.
CREATE TABLE serie_glas (
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    glas_id    INTEGER NOT NULL REFERENCES glas (id),
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, glas_id)
);
CREATE INDEX serie_glas_liste ON serie_glas (serie_id, sortierung, glas_id);

-- Ornament and function glasses that a glass can be ordered with.
CREATE TABLE ornament (
    id    INTEGER PRIMARY KEY,
    name  TEXT NOT NULL,
    art   TEXT NOT NULL CHECK (art IN ('Ornament', 'Funktion')),
    rgb   INTEGER NOT NULL DEFAULT 0xE8F0F4
);
CREATE TABLE glas_ornament (
    glas_id     INTEGER NOT NULL REFERENCES glas (id),
    ornament_id INTEGER NOT NULL REFERENCES ornament (id),
    sortierung  INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (glas_id, ornament_id)
);
CREATE INDEX glas_ornament_liste ON glas_ornament (glas_id, sortierung);

-- Which glazing bead (an artikel with konst_type 26) holds which glass
-- thickness in a series, on which side and in which rebate.
-- seite: 'R' frame and mullion side, 'F' sash and bar side.
-- sonder: 1 = for profiles with the special rebate (artikel.flags 0x4).
-- A bead fits a glass when dicke_min <= glas.dicke <= dicke_max.
CREATE TABLE glasleiste (
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    seite      TEXT    NOT NULL CHECK (seite IN ('R', 'F')),
    sonder     INTEGER NOT NULL DEFAULT 0,
    artikel_id INTEGER NOT NULL REFERENCES artikel (id),
    dicke_min  REAL    NOT NULL,
    dicke_max  REAL    NOT NULL,
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, seite, sonder, artikel_id)
);
CREATE INDEX glasleiste_liste ON glasleiste (serie_id, seite, sonder, sortierung);

-- Roller shutters -----------------------------------------------------------

-- Construction types of boxes (7401, 7405, 8708, 8715, ...).
CREATE TABLE rk_bauart (
    id   INTEGER PRIMARY KEY,
    name TEXT NOT NULL
);

-- Boxes. flags: bit value 1 left, 2 right overhang allowed.
-- hoehe/tiefe: box height and depth; max_hoehe: highest element the box
-- winds up (velmar_rollkasten.size3), max_breite: widest element
-- (size4), min_breite: narrowest (size5), ueberstand: overhang per side
-- (size6). anschluss_id: the profile that joins box and frame (accessory2).
-- form: the box's section: 'aufsatz' on the frame, 'aufsatz_insekt' the same
-- with an insect-screen roll, 'vorbau_schraeg' in front of the wall with a
-- 45° chamfer, 'vorbau_rund' rounded, 'vorbau_eckig' square.
CREATE TABLE rollkasten (
    id           INTEGER PRIMARY KEY,
    bauart_id    INTEGER NOT NULL REFERENCES rk_bauart (id),
    artikelnr    TEXT    NOT NULL,
    name         TEXT    NOT NULL,
    form         TEXT    NOT NULL CHECK (form IN ('aufsatz', 'aufsatz_insekt', 'vorbau_schraeg',
                                                  'vorbau_rund', 'vorbau_eckig')),
    flags        INTEGER NOT NULL DEFAULT 0,
    hoehe        REAL    NOT NULL,
    tiefe        REAL    NOT NULL,
    min_breite   REAL    NOT NULL,
    max_breite   REAL    NOT NULL,
    max_hoehe    REAL    NOT NULL,
    ueberstand   REAL    NOT NULL DEFAULT 100,
    anschluss_id INTEGER REFERENCES artikel (id)
);

-- Boxes offered on a series (the box sits on the series' frame).
CREATE TABLE serie_rollkasten (
    serie_id      INTEGER NOT NULL REFERENCES serie (id),
    rollkasten_id INTEGER NOT NULL REFERENCES rollkasten (id),
    standard      INTEGER NOT NULL DEFAULT 0,
    sortierung    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, rollkasten_id)
);
CREATE INDEX serie_rollkasten_liste ON serie_rollkasten (serie_id, sortierung);

-- Drives (kind 182 of the roller-shutter dialog).
-- art: 'Gurt', 'Kurbel', 'Motor'; max_flaeche: largest curtain it moves.
CREATE TABLE rk_antrieb (
    id          INTEGER PRIMARY KEY,
    name        TEXT NOT NULL,
    art         TEXT NOT NULL CHECK (art IN ('Gurt', 'Kurbel', 'Motor')),
    max_flaeche REAL NOT NULL
);
CREATE TABLE rk_kasten_antrieb (
    rollkasten_id INTEGER NOT NULL REFERENCES rollkasten (id),
    antrieb_id    INTEGER NOT NULL REFERENCES rk_antrieb (id),
    standard      INTEGER NOT NULL DEFAULT 0,
    sortierung    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (rollkasten_id, antrieb_id)
);
CREATE INDEX rk_kasten_antrieb_liste ON rk_kasten_antrieb (rollkasten_id, sortierung);

-- Curtains (kind 254). lamelle: slat height; gewicht: kg/m².
CREATE TABLE rk_panzer (
    id       INTEGER PRIMARY KEY,
    name     TEXT NOT NULL,
    material TEXT NOT NULL CHECK (material IN ('PVC', 'ALU')),
    lamelle  REAL NOT NULL,
    gewicht  REAL NOT NULL
);
-- Curtains a box takes, with the limits of that pairing.
CREATE TABLE rk_kasten_panzer (
    rollkasten_id INTEGER NOT NULL REFERENCES rollkasten (id),
    panzer_id     INTEGER NOT NULL REFERENCES rk_panzer (id),
    max_breite    REAL    NOT NULL,
    max_flaeche   REAL    NOT NULL,
    standard      INTEGER NOT NULL DEFAULT 0,
    sortierung    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (rollkasten_id, panzer_id)
);
CREATE INDEX rk_kasten_panzer_liste ON rk_kasten_panzer (rollkasten_id, sortierung);

-- Curtain colours (kind 269); which colours depends on the curtain.
CREATE TABLE rk_panzerfarbe (
    id   INTEGER PRIMARY KEY,
    name TEXT    NOT NULL,
    rgb  INTEGER NOT NULL
);
CREATE TABLE rk_panzer_farbe (
    panzer_id      INTEGER NOT NULL REFERENCES rk_panzer (id),
    panzerfarbe_id INTEGER NOT NULL REFERENCES rk_panzerfarbe (id),
    standard       INTEGER NOT NULL DEFAULT 0,
    sortierung     INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (panzer_id, panzerfarbe_id)
);
CREATE INDEX rk_panzer_farbe_liste ON rk_panzer_farbe (panzer_id, sortierung);

-- Guide rails of a box (artikel rows with konst_type 171).
CREATE TABLE rk_kasten_fuehrung (
    rollkasten_id INTEGER NOT NULL REFERENCES rollkasten (id),
    artikel_id    INTEGER NOT NULL REFERENCES artikel (id),
    standard      INTEGER NOT NULL DEFAULT 0,
    sortierung    INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (rollkasten_id, artikel_id)
);
CREATE INDEX rk_kasten_fuehrung_liste ON rk_kasten_fuehrung (rollkasten_id, sortierung);

-- Accessories of a cut ------------------------------------------------------
-- Accessory articles offered for a profile kind of a series, grouped by the
-- group codes of the additional-profiles dialog (11, 18, 23, 24, 25, 91, 92).
-- ausschluss_key: entries with the same key exclude one another;
-- ausschluss_liste: ids this entry excludes, as ";a;b;";
-- eltern_id: parent accessory (child lists), 0 at the top level;
-- anzahl: default count (intValue2).
CREATE TABLE zubehoer (
    id               INTEGER PRIMARY KEY,
    serie_id         INTEGER NOT NULL REFERENCES serie (id),
    fuer_konst_type  INTEGER NOT NULL,
    gruppe           INTEGER NOT NULL,
    artikel_id       INTEGER REFERENCES artikel (id),
    name             TEXT    NOT NULL,
    konst_type       INTEGER NOT NULL DEFAULT 0,
    ausschluss_key   TEXT    NOT NULL DEFAULT '',
    ausschluss_liste TEXT    NOT NULL DEFAULT '',
    eltern_id        INTEGER NOT NULL DEFAULT 0,
    anzahl           INTEGER NOT NULL DEFAULT 1,
    standard         INTEGER NOT NULL DEFAULT 0,
    sortierung       INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX zubehoer_liste ON zubehoer (serie_id, fuer_konst_type, gruppe, sortierung);

-- Drawings and pictures made when the catalogue is built ---------------------
-- Section drawing (DXF) of an article, and the colour pictures (JPEG).
CREATE TABLE zeichnung (
    artikel_id INTEGER PRIMARY KEY,
    dxf        BLOB NOT NULL
);
CREATE TABLE farbbild (
    farbe_id INTEGER PRIMARY KEY REFERENCES farbe (id),
    jpeg     BLOB NOT NULL
);
