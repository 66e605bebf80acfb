-- Tables of the dialogs' lists: glazing bars, add-on and wall-connection
-- profiles, article texts and equipment, with the names of the construction
-- types that the accessory tree shows. Accessories themselves live in
-- zubehoer (schema.sql). Loaded after the sample's series and articles; the
-- id columns follow the catalogue's conventions, so the scaled catalogue
-- copies these tables like the others.

-- Names of construction types (artikel.konst_type) as lists show them.
CREATE TABLE konst_typ (
    id   INTEGER PRIMARY KEY,
    name TEXT NOT NULL
);

-- Glazing bars offered in a series (artikel rows of kind 1295 glass-dividing,
-- 1296 adhesive, 1297 internal, 8377 Viennese) for glasses of a thickness
-- dicke_min..dicke_max. Panels (glas.flags 2) take none.
CREATE TABLE sprosse (
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    artikel_id INTEGER NOT NULL REFERENCES artikel (id),
    dicke_min  REAL    NOT NULL,
    dicke_max  REAL    NOT NULL,
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, artikel_id)
);
CREATE INDEX sprosse_liste ON sprosse (serie_id, sortierung);

-- Add-on profiles of a series: lage 'O' on top of the frame (below a box or
-- a transom), 'U' under the frame (sill connection), 'B' the base profile
-- every element of the series stands on unless the host chose another.
CREATE TABLE aufbauprofil (
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    lage       TEXT    NOT NULL CHECK (lage IN ('O', 'U', 'B')),
    artikel_id INTEGER NOT NULL REFERENCES artikel (id),
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (serie_id, lage, artikel_id)
);
CREATE INDEX aufbauprofil_liste ON aufbauprofil (serie_id, lage, sortierung);

-- Wall connections of a series and the profiles each one adds to a cut.
CREATE TABLE wandanschluss (
    id         INTEGER PRIMARY KEY,
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    name       TEXT    NOT NULL,
    sortierung INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX wandanschluss_liste ON wandanschluss (serie_id, sortierung);
CREATE TABLE wandanschluss_profil (
    wandanschluss_id INTEGER NOT NULL REFERENCES wandanschluss (id),
    artikel_id       INTEGER NOT NULL REFERENCES artikel (id),
    sortierung       INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (wandanschluss_id, artikel_id)
);

-- Tender texts of an article, line by line.
CREATE TABLE artikel_text (
    artikel_id INTEGER NOT NULL REFERENCES artikel (id),
    zeile      INTEGER NOT NULL,
    text       TEXT    NOT NULL,
    PRIMARY KEY (artikel_id, zeile)
);

-- Equipment (fittings, handles, ventilation, security) of a series.
-- element: the element code it is offered for, 0 for every element.
-- gruppe: 1 Beschlag, 2 Griff, 3 Lüftung, 4 Sicherheit, 5 Sonstiges.
CREATE TABLE ausstattung (
    id         INTEGER PRIMARY KEY,
    serie_id   INTEGER NOT NULL REFERENCES serie (id),
    element    INTEGER NOT NULL DEFAULT 0,
    gruppe     INTEGER NOT NULL,
    artikelnr  TEXT    NOT NULL,
    name       TEXT    NOT NULL,
    standard   INTEGER NOT NULL DEFAULT 0,
    sortierung INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ausstattung_liste ON ausstattung (serie_id, sortierung);
CREATE TABLE ausstattung_gruppe (
    id   INTEGER PRIMARY KEY,
    name TEXT NOT NULL
);
INSERT INTO ausstattung_gruppe VALUES
 (1, 'Beschlag'), (2, 'Griff'), (3, 'Lüftung'), (4, 'Sicherheit'), (5, 'Sonstiges');

-- Accessory trees are read per series and profile kind; children are found
-- through their parent.
CREATE INDEX zubehoer_kinder ON zubehoer (eltern_id);

INSERT INTO konst_typ VALUES
 (11, 'Rahmen'), (16, 'Rollladenzubehör'), (18, 'Kopplung'), (23, 'Flügel'), (24, 'Pfosten'),
 (25, 'Stulp'), (26, 'Glasleiste'), (30, 'Zusatzprofile'), (31, 'Anschlussprofile'),
 (32, 'Schwellen'), (33, 'Dichtungen und Kleinteile'), (170, 'Rollladenkasten'),
 (171, 'Führungsschiene'), (1295, 'glasteilende Sprosse'), (1296, 'Klebesprosse'),
 (1297, 'innenliegende Sprosse'), (8377, 'Wiener Sprosse');
