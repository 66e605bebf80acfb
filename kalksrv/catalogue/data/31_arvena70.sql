-- Series 8830: Arvena 70 AD, PVC, 70 mm depth, 5 chambers, two gasket levels.
-- Uf per profile as measured in its standard combination (EN ISO 10077-2).

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, flags, farbmaske,
                     uf, gewicht, ansichtsbreite, bautiefe, falzhoehe, glasfalz, ueberschlag,
                     kammern, wandstaerke, dichtungen, brandschutz, standard, sortierung) VALUES
 -- frames (11)
 (23001, 8830, 11, '70.101', 'Blendrahmen 70 AD, 64 mm',                 'Standardrahmen',             0, -1, 1.3, 1.42,  64, 70, 20, 46, 0, 5, 2.8, 2, 0, 1, 10),
 (23002, 8830, 11, '70.102', 'Blendrahmen 70 AD, 78 mm',                 'verstärkter Rahmen',         0, -1, 1.3, 1.61,  78, 70, 20, 46, 0, 5, 2.8, 2, 0, 0, 20),
 (23003, 8830, 11, '70.103', 'Blendrahmen 70 AD, 64 mm, Sonderglasfalz', 'für Sonderglasleiste',       4, -1, 1.3, 1.44,  64, 70, 20, 46, 0, 5, 2.8, 2, 0, 0, 30),
 (23004, 8830, 11, '70.110', 'Renovierungsrahmen 70 AD, 100 mm',         'Altbau, nicht in KOLORIN, TEXELA, Dekor', 0, 0x07000D, 1.4, 2.05, 100, 70, 20, 46, 0, 5, 2.8, 2, 0, 0, 40),
 (23005, 8830, 11, '70.104', 'Blendrahmen 70 AD, 58 mm, flach',          'schmale Ansicht',            0, -1, 1.3, 1.31,  58, 70, 20, 46, 0, 5, 2.8, 2, 0, 0, 50),
 -- sashes (23)
 (23011, 8830, 23, '70.201', 'Flügel 70 AD, 77 mm, Z-Form',              'Standardflügel',             0, -1, 1.3, 1.38,  77, 78, 20, 46, 8, 5, 2.8, 2, 0, 1, 10),
 (23012, 8830, 23, '70.202', 'Flügel 70 AD, 77 mm, halbflächenversetzt', 'halbflächenversetzt',        0, -1, 1.3, 1.40,  77, 78, 20, 46, 8, 5, 2.8, 2, 0, 0, 20),
 (23013, 8830, 23, '70.203', 'Flügel 70 AD, 97 mm, T-Form',              'für Stulpelemente',          0, -1, 1.4, 1.72,  97, 78, 20, 46, 8, 5, 2.8, 2, 0, 0, 30),
 (23014, 8830, 23, '70.204', 'Flügel 70 AD, 77 mm, Sonderglasfalz',      'für Sonderglasleiste',       4, -1, 1.3, 1.40,  77, 78, 20, 46, 8, 5, 2.8, 2, 0, 0, 40),
 (23015, 8830, 23, '70.210', 'Haustürflügel 70 AD, 118 mm',              'nicht in TEXELA',            0, 0x67D80D, 1.5, 2.46, 118, 70, 20, 46, 0, 5, 3.0, 2, 0, 0, 50),
 -- mullions (24)
 (23021, 8830, 24, '70.301', 'Pfosten 70 AD, 82 mm',                     'Standardpfosten',            0, -1, 1.4, 1.66,  82, 70, 20, 46, 0, 5, 2.8, 2, 0, 1, 10),
 (23022, 8830, 24, '70.302', 'Pfosten 70 AD, 116 mm',                    'verstärkter Pfosten',        0, -1, 1.4, 2.12, 116, 70, 20, 46, 0, 5, 2.8, 2, 0, 0, 20),
 -- astragals (25)
 (23031, 8830, 25, '70.401', 'Stulp 70 AD, 64 mm, flach',                'Stulpprofil flach',          0, -1, 1.4, 1.18,  64, 70, 0, 0, 0, 3, 2.5, 2, 0, 1, 10),
 (23032, 8830, 25, '70.402', 'Stulp 70 AD, 76 mm, mit Schlagleiste',     'Stulpprofil mit Schlagleiste', 0, -1, 1.4, 1.34, 76, 70, 0, 0, 0, 3, 2.5, 2, 0, 0, 20),
 -- couplings (18): 0x20 vertical, 0x40 horizontal, 0x10 reinforcement in both chambers
 (23041, 8830, 18, '70.501', 'Kopplungsprofil 70, 6 mm',                 'Stoßkopplung',            0x60, -1, 0, 0.31,   6, 70, 0, 0, 0, 1, 2.0, 0, 0, 0, 10),
 (23042, 8830, 18, '70.502', 'Statikkopplung 70, 42 mm, senkrecht',      'mit Stahlrohr',           0x30, -1, 0, 1.05,  42, 70, 0, 0, 0, 2, 2.5, 0, 0, 1, 20),
 (23043, 8830, 18, '70.503', 'Statikkopplung 70, 42 mm, waagerecht',     'mit Stahlrohr',           0x50, -1, 0, 1.05,  42, 70, 0, 0, 0, 2, 2.5, 0, 0, 1, 30),
 (23044, 8830, 18, '70.504', 'Eckkopplung 90° 70',                       'Eckverbindung',           0x20, -1, 0, 1.48,  70, 70, 0, 0, 0, 3, 2.5, 0, 0, 0, 40),
 (23045, 8830, 18, '70.505', 'Verbreiterung 70, 30 mm',                  'Verbreiterungsprofil',    0x40, -1, 0, 0.64,  30, 70, 0, 0, 0, 2, 2.5, 0, 0, 0, 50);

-- glazing beads (26): bautiefe is the bead's width, falzhoehe its height
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, flags, gewicht, ansichtsbreite, bautiefe, falzhoehe, sortierung) VALUES
 (23101, 8830, 26, '70.601', 'Glasleiste 70 R, eckig, Glas 23–26 mm',       0, 0.21, 20, 21, 20, 10),
 (23106, 8830, 26, '70.651', 'Glasleiste 70 R, Softline, Glas 23–26 mm',    0, 0.21, 20, 21, 20, 11),
 (23102, 8830, 26, '70.602', 'Glasleiste 70 R, eckig, Glas 27–31 mm',       0, 0.18, 20, 17, 20, 20),
 (23103, 8830, 26, '70.603', 'Glasleiste 70 R, eckig, Glas 32–37 mm',       0, 0.15, 20, 12, 20, 30),
 (23104, 8830, 26, '70.604', 'Glasleiste 70 R, eckig, Glas 38–41 mm',       0, 0.12, 20,  8, 20, 40),
 (23105, 8830, 26, '70.605', 'Glasleiste 70 R, eckig, Glas 42–45 mm',       0, 0.10, 20,  5, 20, 50),
 (23111, 8830, 26, '70.611', 'Glasleiste 70 F, eckig, Glas 23–26 mm',       0, 0.23, 20, 24, 20, 10),
 (23116, 8830, 26, '70.661', 'Glasleiste 70 F, Softline, Glas 23–26 mm',    0, 0.23, 20, 24, 20, 11),
 (23112, 8830, 26, '70.612', 'Glasleiste 70 F, eckig, Glas 27–31 mm',       0, 0.20, 20, 20, 20, 20),
 (23113, 8830, 26, '70.613', 'Glasleiste 70 F, eckig, Glas 32–37 mm',       0, 0.17, 20, 15, 20, 30),
 (23114, 8830, 26, '70.614', 'Glasleiste 70 F, eckig, Glas 38–41 mm',       0, 0.14, 20, 11, 20, 40),
 (23115, 8830, 26, '70.615', 'Glasleiste 70 F, eckig, Glas 42–45 mm',       0, 0.12, 20,  8, 20, 50),
 (23121, 8830, 26, '70.621', 'Sonderglasleiste 70 R, Glas 23–31 mm',        0, 0.22, 24, 19, 24, 10),
 (23122, 8830, 26, '70.622', 'Sonderglasleiste 70 R, Glas 32–45 mm',        0, 0.16, 24, 10, 24, 20),
 (23131, 8830, 26, '70.631', 'Sonderglasleiste 70 F, Glas 23–31 mm',        0, 0.24, 24, 22, 24, 10),
 (23132, 8830, 26, '70.632', 'Sonderglasleiste 70 F, Glas 32–45 mm',        0, 0.18, 24, 13, 24, 20);

--  serie, seite, sonder, artikel, dicke_min, dicke_max, standard, sortierung
INSERT INTO glasleiste VALUES
 (8830, 'R', 0, 23101, 23, 26, 1, 10), (8830, 'R', 0, 23106, 23, 26, 0, 11),
 (8830, 'R', 0, 23102, 27, 31, 0, 20), (8830, 'R', 0, 23103, 32, 37, 0, 30),
 (8830, 'R', 0, 23104, 38, 41, 0, 40), (8830, 'R', 0, 23105, 42, 45, 0, 50),
 (8830, 'F', 0, 23111, 23, 26, 1, 10), (8830, 'F', 0, 23116, 23, 26, 0, 11),
 (8830, 'F', 0, 23112, 27, 31, 0, 20), (8830, 'F', 0, 23113, 32, 37, 0, 30),
 (8830, 'F', 0, 23114, 38, 41, 0, 40), (8830, 'F', 0, 23115, 42, 45, 0, 50),
 (8830, 'R', 1, 23121, 23, 31, 0, 10), (8830, 'R', 1, 23122, 32, 45, 0, 20),
 (8830, 'F', 1, 23131, 23, 31, 0, 10), (8830, 'F', 1, 23132, 32, 45, 0, 20);

-- reinforcements per profile and chamber
--  artikel, kammer, stahl, standard, sortierung
INSERT INTO artikel_stahl VALUES
 (23001, 1, 31001, 1, 10), (23001, 1, 31002, 0, 20), (23001, 1, 31003, 0, 30),
 (23001, 2, 31006, 1, 10), (23001, 2, 31007, 0, 20),
 (23002, 1, 31003, 1, 10), (23002, 1, 31005, 0, 20),
 (23002, 2, 31006, 1, 10), (23002, 2, 31007, 0, 20),
 (23003, 1, 31001, 1, 10), (23003, 1, 31002, 0, 20),
 (23003, 2, 31006, 1, 10),
 (23004, 1, 31003, 1, 10), (23004, 1, 31005, 0, 20),
 (23004, 2, 31007, 1, 10),
 (23005, 1, 31001, 1, 10), (23005, 2, 31006, 1, 10),
 (23011, 1, 31011, 1, 10), (23011, 1, 31002, 0, 20),
 (23012, 1, 31011, 1, 10), (23012, 1, 31002, 0, 20),
 (23013, 1, 31003, 1, 10), (23013, 1, 31005, 0, 20),
 (23014, 1, 31011, 1, 10),
 (23015, 1, 31005, 1, 10), (23015, 1, 31009, 0, 20),
 (23021, 1, 31008, 1, 10), (23021, 1, 31009, 0, 20),
 (23022, 1, 31009, 1, 10), (23022, 1, 31013, 0, 20),
 (23031, 1, 31014, 1, 10), (23031, 1, 31001, 0, 20),
 (23032, 1, 31014, 1, 10), (23032, 1, 31001, 0, 20),
 (23042, 1, 31009, 1, 10), (23042, 1, 31010, 0, 20),
 (23043, 1, 31009, 1, 10), (23043, 1, 31010, 0, 20),
 (23044, 1, 31008, 1, 10),
 (23045, 1, 31001, 1, 10);

--  artikel, min_breite, max_breite, min_hoehe, max_hoehe, max_flaeche, max_gewicht
INSERT INTO fluegel_grenze VALUES
 (23011, 380, 1400, 420, 2400, 2.8, 100),
 (23012, 380, 1400, 420, 2400, 2.8, 100),
 (23013, 420, 1300, 450, 2400, 2.6, 100),
 (23014, 380, 1400, 420, 2400, 2.8, 100),
 (23015, 700, 1200, 1800, 2400, 2.6, 150);

INSERT INTO uf_kombination VALUES
 (23001, 23011, 1.3), (23001, 23012, 1.3), (23002, 23011, 1.3), (23003, 23014, 1.3),
 (23001, 23013, 1.4), (23004, 23011, 1.4), (23001, 23015, 1.5);

-- shape variants the section drawings show
UPDATE artikel SET kontur = 'softline' WHERE id IN (23106, 23116);
UPDATE artikel SET kontur = 'ecke' WHERE id = 23044;
