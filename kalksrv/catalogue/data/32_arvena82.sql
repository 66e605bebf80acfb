-- Series 10222: Arvena 82 MD, PVC, 82 mm depth, 6 chambers, centre gasket
-- (three gasket levels). Uf per profile as measured in its standard
-- combination (EN ISO 10077-2).

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, flags, farbmaske,
                     uf, gewicht, ansichtsbreite, bautiefe, falzhoehe, glasfalz, ueberschlag,
                     kammern, wandstaerke, dichtungen, brandschutz, standard, sortierung) VALUES
 -- frames (11)
 (24001, 10222, 11, '82.101', 'Blendrahmen 82 MD, 70 mm',                 'Standardrahmen',          0, -1, 1.0, 1.71,  70, 82, 22, 56, 0, 6, 3.0, 3, 0, 1, 10),
 (24002, 10222, 11, '82.102', 'Blendrahmen 82 MD, 84 mm',                 'verstärkter Rahmen',      0, -1, 1.0, 1.93,  84, 82, 22, 56, 0, 6, 3.0, 3, 0, 0, 20),
 (24003, 10222, 11, '82.103', 'Blendrahmen 82 MD, 70 mm, Sonderglasfalz', 'für Sonderglasleiste',    4, -1, 1.0, 1.73,  70, 82, 22, 56, 0, 6, 3.0, 3, 0, 0, 30),
 (24004, 10222, 11, '82.110', 'Renovierungsrahmen 82 MD, 100 mm',         'Altbau, nicht in KOLORIN, TEXELA, Dekor', 0, 0x07000D, 1.1, 2.38, 100, 100, 22, 56, 0, 6, 3.0, 3, 0, 0, 40),
 (24005, 10222, 11, '82.105', 'Blendrahmen 82 MD, 63 mm, Passivhaus',     'mit Dämmkern',            0, -1, 0.8, 1.62,  63, 82, 22, 56, 0, 6, 3.0, 3, 0, 0, 50),
 -- sashes (23)
 (24011, 10222, 23, '82.201', 'Flügel 82 MD, 80 mm, Z-Form',              'Standardflügel',          0, -1, 0.95, 1.66, 80, 90, 22, 58, 8, 6, 3.0, 3, 0, 1, 10),
 (24012, 10222, 23, '82.202', 'Flügel 82 MD, 80 mm, Softline',            'gerundete Kanten',        0, -1, 0.95, 1.68, 80, 90, 22, 58, 8, 6, 3.0, 3, 0, 0, 20),
 (24013, 10222, 23, '82.203', 'Flügel 82 MD, 100 mm, T-Form',             'für Stulpelemente',       0, -1, 1.0, 2.02, 100, 90, 22, 58, 8, 6, 3.0, 3, 0, 0, 30),
 (24014, 10222, 23, '82.204', 'Flügel 82 MD, 80 mm, Sonderglasfalz',      'für Sonderglasleiste',    4, -1, 0.95, 1.69, 80, 90, 22, 58, 8, 6, 3.0, 3, 0, 0, 40),
 (24015, 10222, 23, '82.205', 'Flügel 82 MD, 66 mm, flächenbündig',       'schmale Ansicht',         0, -1, 0.9, 1.58,  66, 82, 22, 58, 0, 6, 3.0, 3, 0, 0, 50),
 -- mullions (24)
 (24021, 10222, 24, '82.301', 'Pfosten 82 MD, 84 mm',                     'Standardpfosten',         0, -1, 1.1, 1.98,  84, 82, 22, 56, 0, 6, 3.0, 3, 0, 1, 10),
 (24022, 10222, 24, '82.302', 'Pfosten 82 MD, 120 mm',                    'verstärkter Pfosten',     0, -1, 1.1, 2.51, 120, 82, 22, 56, 0, 6, 3.0, 3, 0, 0, 20),
 -- astragals (25)
 (24031, 10222, 25, '82.401', 'Stulp 82 MD, 66 mm, flach',                'Stulpprofil flach',       0, -1, 1.1, 1.27,  66, 82, 0, 0, 0, 4, 2.5, 3, 0, 1, 10),
 (24032, 10222, 25, '82.402', 'Stulp 82 MD, 78 mm, mit Schlagleiste',     'Stulpprofil mit Schlagleiste', 0, -1, 1.1, 1.45, 78, 82, 0, 0, 0, 4, 2.5, 3, 0, 0, 20),
 -- couplings (18): 0x20 vertical, 0x40 horizontal, 0x10 reinforcement in both chambers
 (24041, 10222, 18, '82.501', 'Kopplungsprofil 82, 6 mm',                 'Stoßkopplung',         0x60, -1, 0, 0.36,   6, 82, 0, 0, 0, 1, 2.0, 0, 0, 0, 10),
 (24042, 10222, 18, '82.502', 'Statikkopplung 82, 50 mm, senkrecht',      'mit Stahlrohr',        0x30, -1, 0, 1.21,  50, 82, 0, 0, 0, 2, 2.5, 0, 0, 1, 20),
 (24043, 10222, 18, '82.503', 'Statikkopplung 82, 50 mm, waagerecht',     'mit Stahlrohr',        0x50, -1, 0, 1.21,  50, 82, 0, 0, 0, 2, 2.5, 0, 0, 1, 30),
 (24044, 10222, 18, '82.504', 'Eckkopplung 90° 82',                       'Eckverbindung',        0x20, -1, 0, 1.72,  82, 82, 0, 0, 0, 3, 2.5, 0, 0, 0, 40),
 (24045, 10222, 18, '82.505', 'Verbreiterung 82, 40 mm',                  'Verbreiterungsprofil', 0x40, -1, 0, 0.82,  40, 82, 0, 0, 0, 2, 2.5, 0, 0, 0, 50);

-- glazing beads (26): bautiefe is the bead's width, falzhoehe its height
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, flags, gewicht, ansichtsbreite, bautiefe, falzhoehe, sortierung) VALUES
 (24101, 10222, 26, '82.601', 'Glasleiste 82 R, eckig, Glas 23–27 mm',     0, 0.27, 22, 28, 22, 10),
 (24102, 10222, 26, '82.602', 'Glasleiste 82 R, eckig, Glas 28–33 mm',     0, 0.23, 22, 23, 22, 20),
 (24103, 10222, 26, '82.603', 'Glasleiste 82 R, eckig, Glas 34–38 mm',     0, 0.20, 22, 18, 22, 30),
 (24104, 10222, 26, '82.604', 'Glasleiste 82 R, eckig, Glas 39–43 mm',     0, 0.17, 22, 14, 22, 40),
 (24105, 10222, 26, '82.605', 'Glasleiste 82 R, eckig, Glas 44–48 mm',     0, 0.14, 22,  9, 22, 50),
 (24106, 10222, 26, '82.606', 'Glasleiste 82 R, eckig, Glas 49–53 mm',     0, 0.11, 22,  5, 22, 60),
 (24107, 10222, 26, '82.651', 'Glasleiste 82 R, Softline, Glas 39–43 mm',  0, 0.17, 22, 14, 22, 41),
 (24111, 10222, 26, '82.611', 'Glasleiste 82 F, eckig, Glas 23–27 mm',     0, 0.29, 22, 30, 22, 10),
 (24112, 10222, 26, '82.612', 'Glasleiste 82 F, eckig, Glas 28–33 mm',     0, 0.25, 22, 25, 22, 20),
 (24113, 10222, 26, '82.613', 'Glasleiste 82 F, eckig, Glas 34–38 mm',     0, 0.22, 22, 20, 22, 30),
 (24114, 10222, 26, '82.614', 'Glasleiste 82 F, eckig, Glas 39–43 mm',     0, 0.19, 22, 16, 22, 40),
 (24115, 10222, 26, '82.615', 'Glasleiste 82 F, eckig, Glas 44–48 mm',     0, 0.16, 22, 11, 22, 50),
 (24116, 10222, 26, '82.616', 'Glasleiste 82 F, eckig, Glas 49–53 mm',     0, 0.13, 22,  7, 22, 60),
 (24117, 10222, 26, '82.661', 'Glasleiste 82 F, Softline, Glas 39–43 mm',  0, 0.19, 22, 16, 22, 41),
 (24121, 10222, 26, '82.621', 'Sonderglasleiste 82 R, Glas 23–38 mm',      0, 0.26, 26, 24, 26, 10),
 (24122, 10222, 26, '82.622', 'Sonderglasleiste 82 R, Glas 39–53 mm',      0, 0.18, 26, 11, 26, 20),
 (24131, 10222, 26, '82.631', 'Sonderglasleiste 82 F, Glas 23–38 mm',      0, 0.28, 26, 26, 26, 10),
 (24132, 10222, 26, '82.632', 'Sonderglasleiste 82 F, Glas 39–53 mm',      0, 0.20, 26, 13, 26, 20);

--  serie, seite, sonder, artikel, dicke_min, dicke_max, standard, sortierung
INSERT INTO glasleiste VALUES
 (10222, 'R', 0, 24101, 23, 27, 0, 10), (10222, 'R', 0, 24102, 28, 33, 0, 20),
 (10222, 'R', 0, 24103, 34, 38, 0, 30), (10222, 'R', 0, 24104, 39, 43, 1, 40),
 (10222, 'R', 0, 24107, 39, 43, 0, 41), (10222, 'R', 0, 24105, 44, 48, 0, 50),
 (10222, 'R', 0, 24106, 49, 53, 0, 60),
 (10222, 'F', 0, 24111, 23, 27, 0, 10), (10222, 'F', 0, 24112, 28, 33, 0, 20),
 (10222, 'F', 0, 24113, 34, 38, 0, 30), (10222, 'F', 0, 24114, 39, 43, 1, 40),
 (10222, 'F', 0, 24117, 39, 43, 0, 41), (10222, 'F', 0, 24115, 44, 48, 0, 50),
 (10222, 'F', 0, 24116, 49, 53, 0, 60),
 (10222, 'R', 1, 24121, 23, 38, 0, 10), (10222, 'R', 1, 24122, 39, 53, 0, 20),
 (10222, 'F', 1, 24131, 23, 38, 0, 10), (10222, 'F', 1, 24132, 39, 53, 0, 20);

--  artikel, kammer, stahl, standard, sortierung
INSERT INTO artikel_stahl VALUES
 (24001, 1, 31004, 1, 10), (24001, 1, 31005, 0, 20), (24001, 1, 31012, 0, 30),
 (24001, 2, 31007, 1, 10), (24001, 2, 31014, 0, 20),
 (24002, 1, 31005, 1, 10), (24002, 1, 31012, 0, 20),
 (24002, 2, 31007, 1, 10), (24002, 2, 31014, 0, 20),
 (24003, 1, 31004, 1, 10), (24003, 1, 31005, 0, 20),
 (24003, 2, 31007, 1, 10),
 (24004, 1, 31012, 1, 10), (24004, 2, 31014, 1, 10),
 (24005, 1, 31004, 1, 10), (24005, 2, 31006, 1, 10),
 (24011, 1, 31003, 1, 10), (24011, 1, 31004, 0, 20),
 (24012, 1, 31003, 1, 10), (24012, 1, 31004, 0, 20),
 (24013, 1, 31005, 1, 10), (24013, 1, 31012, 0, 20),
 (24014, 1, 31003, 1, 10),
 (24015, 1, 31003, 1, 10),
 (24021, 1, 31012, 1, 10), (24021, 1, 31009, 0, 20),
 (24022, 1, 31009, 1, 10), (24022, 1, 31013, 0, 20),
 (24031, 1, 31001, 1, 10), (24031, 1, 31002, 0, 20),
 (24032, 1, 31001, 1, 10), (24032, 1, 31002, 0, 20),
 (24042, 1, 31010, 1, 10), (24042, 1, 31013, 0, 20),
 (24043, 1, 31010, 1, 10), (24043, 1, 31013, 0, 20),
 (24044, 1, 31012, 1, 10),
 (24045, 1, 31003, 1, 10);

--  artikel, min_breite, max_breite, min_hoehe, max_hoehe, max_flaeche, max_gewicht
INSERT INTO fluegel_grenze VALUES
 (24011, 400, 1500, 450, 2500, 3.0, 130),
 (24012, 400, 1500, 450, 2500, 3.0, 130),
 (24013, 450, 1400, 480, 2500, 2.8, 130),
 (24014, 400, 1500, 450, 2500, 3.0, 130),
 (24015, 400, 1300, 450, 2300, 2.5, 100);

INSERT INTO uf_kombination VALUES
 (24001, 24011, 0.95), (24001, 24012, 0.95), (24002, 24011, 0.97), (24003, 24014, 0.95),
 (24005, 24015, 0.82), (24001, 24013, 1.0), (24004, 24011, 1.05);

-- shape variants the section drawings show
UPDATE artikel SET kontur = 'softline' WHERE id IN (24012, 24107, 24117);
UPDATE artikel SET kontur = 'ecke' WHERE id = 24044;
