-- Series 8850: Arvena 76 AC, PVC, 76 mm depth, 6 chambers, with an aluminium
-- shell on the weather side that belongs to every profile. The shell is
-- powder-coated, so the series comes in the RAL price classes only (white or
-- decor base body inside, the shell optionally pre-anodised): the colour
-- dialog shows the RAL group box alone, in the place of the decor box.

INSERT INTO serie VALUES
 (8850, 'Arvena 76 AC – PVC 76 mm mit Aluminium-Deckschale, RAL', 'PVC', 76, 6, 2, 0, 1.1, 24, 48, 0, 0, 40);

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, flags, farbmaske,
                     uf, gewicht, ansichtsbreite, bautiefe, falzhoehe, glasfalz, ueberschlag,
                     kammern, wandstaerke, dichtungen, brandschutz, standard, sortierung) VALUES
 -- frames (11)
 (28001, 8850, 11, '76.101', 'Blendrahmen 76 AC, 68 mm',                 'Standardrahmen',             0, -1, 1.1, 1.71,  68, 76, 21, 50, 0, 6, 2.8, 2, 0, 1, 10),
 (28002, 8850, 11, '76.102', 'Blendrahmen 76 AC, 82 mm',                 'verstärkter Rahmen',         0, -1, 1.1, 1.93,  82, 76, 21, 50, 0, 6, 2.8, 2, 0, 0, 20),
 -- sashes (23)
 (28011, 8850, 23, '76.201', 'Flügel 76 AC, 80 mm, Z-Form',              'Standardflügel',             0, -1, 1.1, 1.62,  80, 84, 21, 50, 8, 6, 2.8, 2, 0, 1, 10),
 (28012, 8850, 23, '76.203', 'Flügel 76 AC, 100 mm, T-Form',             'für Stulpelemente',          0, -1, 1.2, 1.98, 100, 84, 21, 50, 8, 6, 2.8, 2, 0, 0, 20),
 -- mullions (24)
 (28021, 8850, 24, '76.301', 'Pfosten 76 AC, 84 mm',                     'Standardpfosten',            0, -1, 1.2, 1.94,  84, 76, 21, 50, 0, 6, 2.8, 2, 0, 1, 10),
 -- astragals (25)
 (28031, 8850, 25, '76.401', 'Stulp 76 AC, 66 mm',                       'Stulpprofil',                0, -1, 1.2, 1.36,  66, 76, 0, 0, 0, 3, 2.5, 2, 0, 1, 10),
 -- couplings (18)
 (28041, 8850, 18, '76.501', 'Kopplungsprofil 76, 6 mm',                 'Stoßkopplung',            0x60, -1, 0, 0.36,   6, 76, 0, 0, 0, 1, 2.0, 0, 0, 0, 10),
 (28042, 8850, 18, '76.502', 'Statikkopplung 76, 42 mm, senkrecht',      'mit Stahlrohr',           0x30, -1, 0, 1.18,  42, 76, 0, 0, 0, 2, 2.5, 0, 0, 1, 20),
 (28043, 8850, 18, '76.503', 'Statikkopplung 76, 42 mm, waagerecht',     'mit Stahlrohr',           0x50, -1, 0, 1.18,  42, 76, 0, 0, 0, 2, 2.5, 0, 0, 1, 30);

-- glazing beads (26): bautiefe is the bead's width, falzhoehe its height
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, flags, gewicht, ansichtsbreite, bautiefe, falzhoehe, sortierung) VALUES
 (28101, 8850, 26, '76.601', 'Glasleiste 76 R, Glas 23–28 mm',  0, 0.24, 21, 26, 21, 10),
 (28102, 8850, 26, '76.602', 'Glasleiste 76 R, Glas 29–36 mm',  0, 0.19, 21, 18, 21, 20),
 (28103, 8850, 26, '76.603', 'Glasleiste 76 R, Glas 37–44 mm',  0, 0.14, 21, 10, 21, 30),
 (28104, 8850, 26, '76.604', 'Glasleiste 76 R, Glas 45–49 mm',  0, 0.11, 21,  5, 21, 40),
 (28111, 8850, 26, '76.611', 'Glasleiste 76 F, Glas 23–28 mm',  0, 0.26, 21, 28, 21, 10),
 (28112, 8850, 26, '76.612', 'Glasleiste 76 F, Glas 29–36 mm',  0, 0.21, 21, 20, 21, 20),
 (28113, 8850, 26, '76.613', 'Glasleiste 76 F, Glas 37–44 mm',  0, 0.16, 21, 12, 21, 30),
 (28114, 8850, 26, '76.614', 'Glasleiste 76 F, Glas 45–49 mm',  0, 0.13, 21,  7, 21, 40);

--  serie, seite, sonder, artikel, dicke_min, dicke_max, standard, sortierung
INSERT INTO glasleiste VALUES
 (8850, 'R', 0, 28101, 23, 28, 1, 10), (8850, 'R', 0, 28102, 29, 36, 0, 20),
 (8850, 'R', 0, 28103, 37, 44, 0, 30), (8850, 'R', 0, 28104, 45, 49, 0, 40),
 (8850, 'F', 0, 28111, 23, 28, 1, 10), (8850, 'F', 0, 28112, 29, 36, 0, 20),
 (8850, 'F', 0, 28113, 37, 44, 0, 30), (8850, 'F', 0, 28114, 45, 49, 0, 40);

-- glass-dividing bar (1295); 61_sprossen.sql gives it the series' glasses
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, gewicht,
                     ansichtsbreite, bautiefe, falzhoehe, glasfalz, kammern, wandstaerke,
                     dichtungen, standard, sortierung) VALUES
 (26031, 8850, 1295, '76.701', 'Glasteilende Sprosse 76, 56 mm', 'mit Stahl', 1.08, 56, 76, 17, 50, 3, 2.5, 2, 1, 10);

--  artikel, kammer, stahl, standard, sortierung
INSERT INTO artikel_stahl VALUES
 (28001, 1, 31004, 1, 10), (28001, 1, 31005, 0, 20), (28001, 2, 31007, 1, 10),
 (28002, 1, 31005, 1, 10), (28002, 1, 31012, 0, 20), (28002, 2, 31007, 1, 10),
 (28011, 1, 31003, 1, 10), (28011, 1, 31004, 0, 20),
 (28012, 1, 31005, 1, 10),
 (28021, 1, 31012, 1, 10), (28021, 1, 31009, 0, 20),
 (28031, 1, 31001, 1, 10),
 (28042, 1, 31010, 1, 10), (28043, 1, 31010, 1, 10),
 (26031, 1, 31014, 1, 10), (26031, 1, 31001, 0, 20);

--  artikel, min_breite, max_breite, min_hoehe, max_hoehe, max_flaeche, max_gewicht
INSERT INTO fluegel_grenze VALUES
 (28011, 400, 1500, 450, 2500, 3.0, 130),
 (28012, 450, 1400, 480, 2500, 2.8, 130);

INSERT INTO uf_kombination VALUES
 (28001, 28011, 1.1), (28002, 28011, 1.15), (28001, 28012, 1.2);

-- The RAL price classes of the shell, each a picture of its own (farbbild).
--  serie, farbe, nur_alu, standard, sortierung
INSERT INTO serie_farbe (serie_id, farbe_id, nur_alu, standard, sortierung)
SELECT 8850, id, 0, id = 1101, id FROM farbe WHERE (flags & 0x70000) <> 0;
