-- Series 8404: Corvalu 75 TB, aluminium, 75 mm depth, thermally broken with
-- polyamide bars, three gasket levels. No steel: aluminium profiles carry
-- their own loads. Approved as a fire-protection series (EI 30 glazing).

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, flags, farbmaske,
                     uf, gewicht, ansichtsbreite, bautiefe, falzhoehe, glasfalz, ueberschlag,
                     kammern, wandstaerke, dichtungen, brandschutz, standard, sortierung) VALUES
 -- frames (11)
 (25001, 8404, 11, '75.101', 'Blendrahmen Alu 75 TB, 56 mm',              'Standardrahmen',          0, -1, 1.6, 1.38,  56, 75, 25, 60, 0, 3, 2.0, 3, 1, 1, 10),
 (25002, 8404, 11, '75.102', 'Blendrahmen Alu 75 TB, 76 mm',              'verstärkter Rahmen',      0, -1, 1.6, 1.67,  76, 75, 25, 60, 0, 3, 2.0, 3, 1, 0, 20),
 (25003, 8404, 11, '75.103', 'Blendrahmen Alu 75 TB, 56 mm, Sonderglasfalz', 'für Sonderglasleiste', 4, -1, 1.6, 1.40,  56, 75, 25, 60, 0, 3, 2.0, 3, 0, 0, 30),
 (25004, 8404, 11, '75.110', 'Renovierungsrahmen Alu 75 TB, 100 mm',      'Altbausanierung',         0, -1, 1.6, 2.11, 100, 75, 25, 60, 0, 3, 2.0, 3, 0, 0, 40),
 (25005, 8404, 11, '75.120', 'Blendrahmen Alu 75 TB, 56 mm, Hi',          'verbreiterte Isolierstege', 0, -1, 1.4, 1.42, 56, 75, 25, 60, 0, 3, 2.0, 3, 0, 0, 50),
 -- sashes (23)
 (25011, 8404, 23, '75.201', 'Flügel Alu 75 TB, 80 mm, verdeckt',         'Standardflügel',          0, -1, 1.6, 1.52,  80, 85, 25, 62, 10, 3, 2.0, 3, 1, 1, 10),
 (25012, 8404, 23, '75.202', 'Flügel Alu 75 TB, 80 mm, flächenbündig',    'flächenbündig',           0, -1, 1.6, 1.55,  80, 75, 25, 62, 0, 3, 2.0, 3, 0, 0, 20),
 (25013, 8404, 23, '75.203', 'Flügel Alu 75 TB, 96 mm, T-Form',           'für Stulpelemente',       0, -1, 1.6, 1.83,  96, 85, 25, 62, 10, 3, 2.0, 3, 0, 0, 30),
 (25014, 8404, 23, '75.204', 'Flügel Alu 75 TB, 80 mm, Sonderglasfalz',   'für Sonderglasleiste',    4, -1, 1.6, 1.54,  80, 85, 25, 62, 10, 3, 2.0, 3, 0, 0, 40),
 (25015, 8404, 23, '75.210', 'Türflügel Alu 75 TB, 110 mm',               'Nebeneingangstür',        0, -1, 1.6, 2.34, 110, 75, 25, 62, 0, 3, 2.5, 3, 0, 0, 50),
 -- mullions (24)
 (25021, 8404, 24, '75.301', 'Pfosten Alu 75 TB, 84 mm',                  'Standardpfosten',         0, -1, 1.6, 1.78,  84, 75, 25, 60, 0, 3, 2.0, 3, 1, 1, 10),
 (25022, 8404, 24, '75.302', 'Pfosten Alu 75 TB, 124 mm',                 'statisch verstärkt',      0, -1, 1.6, 2.44, 124, 75, 25, 60, 0, 3, 2.5, 3, 0, 0, 20),
 -- astragals (25)
 (25031, 8404, 25, '75.401', 'Stulp Alu 75 TB, 60 mm',                    'Stulpprofil',             0, -1, 1.6, 1.05,  60, 75, 0, 0, 0, 2, 2.0, 3, 0, 1, 10),
 (25032, 8404, 25, '75.402', 'Stulp Alu 75 TB, 76 mm, Schlagleiste',      'Stulpprofil mit Schlagleiste', 0, -1, 1.6, 1.22, 76, 75, 0, 0, 0, 2, 2.0, 3, 0, 0, 20),
 -- couplings (18)
 (25041, 8404, 18, '75.501', 'Kopplungsprofil Alu 75, 10 mm',             'Stoßkopplung',         0x60, -1, 0, 0.42,  10, 75, 0, 0, 0, 1, 2.0, 0, 0, 0, 10),
 (25042, 8404, 18, '75.502', 'Statikkopplung Alu 75, 60 mm, senkrecht',   'Rohrkopplung',         0x20, -1, 0, 1.64,  60, 75, 0, 0, 0, 2, 3.0, 0, 0, 1, 20),
 (25043, 8404, 18, '75.503', 'Statikkopplung Alu 75, 60 mm, waagerecht',  'Rohrkopplung',         0x40, -1, 0, 1.64,  60, 75, 0, 0, 0, 2, 3.0, 0, 0, 1, 30),
 (25044, 8404, 18, '75.504', 'Eckkopplung 90° Alu 75',                    'Eckverbindung',        0x20, -1, 0, 1.95,  75, 75, 0, 0, 0, 2, 2.5, 0, 0, 0, 40);

-- glazing beads (26)
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, flags, gewicht, ansichtsbreite, bautiefe, falzhoehe, sortierung) VALUES
 (25101, 8404, 26, '75.601', 'Glasleiste Alu 75 R, Glas 23–28 mm',        0, 0.31, 25, 32, 25, 10),
 (25102, 8404, 26, '75.602', 'Glasleiste Alu 75 R, Glas 29–36 mm',        0, 0.26, 25, 24, 25, 20),
 (25103, 8404, 26, '75.603', 'Glasleiste Alu 75 R, Glas 37–44 mm',        0, 0.20, 25, 16, 25, 30),
 (25104, 8404, 26, '75.604', 'Glasleiste Alu 75 R, Glas 45–53 mm',        0, 0.14, 25,  8, 25, 40),
 (25111, 8404, 26, '75.611', 'Glasleiste Alu 75 F, Glas 23–28 mm',        0, 0.33, 25, 34, 25, 10),
 (25112, 8404, 26, '75.612', 'Glasleiste Alu 75 F, Glas 29–36 mm',        0, 0.28, 25, 26, 25, 20),
 (25113, 8404, 26, '75.613', 'Glasleiste Alu 75 F, Glas 37–44 mm',        0, 0.22, 25, 18, 25, 30),
 (25114, 8404, 26, '75.614', 'Glasleiste Alu 75 F, Glas 45–53 mm',        0, 0.16, 25, 10, 25, 40),
 (25121, 8404, 26, '75.621', 'Sonderglasleiste Alu 75 R, Glas 23–53 mm',  0, 0.24, 28, 20, 28, 10),
 (25131, 8404, 26, '75.631', 'Sonderglasleiste Alu 75 F, Glas 23–53 mm',  0, 0.26, 28, 22, 28, 10);

INSERT INTO glasleiste VALUES
 (8404, 'R', 0, 25101, 23, 28, 0, 10), (8404, 'R', 0, 25102, 29, 36, 0, 20),
 (8404, 'R', 0, 25103, 37, 44, 0, 30), (8404, 'R', 0, 25104, 45, 53, 0, 40),
 (8404, 'F', 0, 25111, 23, 28, 0, 10), (8404, 'F', 0, 25112, 29, 36, 0, 20),
 (8404, 'F', 0, 25113, 37, 44, 0, 30), (8404, 'F', 0, 25114, 45, 53, 0, 40),
 (8404, 'R', 1, 25121, 23, 53, 0, 10),
 (8404, 'F', 1, 25131, 23, 53, 0, 10);

INSERT INTO fluegel_grenze VALUES
 (25011, 400, 1600, 450, 2600, 3.5, 160),
 (25012, 400, 1600, 450, 2600, 3.5, 160),
 (25013, 450, 1500, 480, 2600, 3.2, 160),
 (25014, 400, 1600, 450, 2600, 3.5, 160),
 (25015, 800, 1250, 1900, 2500, 3.0, 180);

INSERT INTO uf_kombination VALUES
 (25001, 25011, 1.6), (25005, 25011, 1.45), (25001, 25012, 1.6), (25003, 25014, 1.6);

-- shape variants the section drawings show
UPDATE artikel SET kontur = 'ecke' WHERE id = 25044;
