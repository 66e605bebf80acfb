-- Add-on profiles above and below the frame, the base profile, and the wall
-- connections with the profiles they add to a cut.

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, gewicht,
                     ansichtsbreite, bautiefe, kammern, wandstaerke, sortierung) VALUES
 (27071, NULL, 30, 'ZP.1101', 'Aufbauprofil oben 30 mm',        'für Rollladen und Oberlicht', 0.55, 30, 70, 2, 2.2, 300),
 (27072, NULL, 30, 'ZP.1102', 'Aufbauprofil oben 40 mm, Alu',   'thermisch getrennt',          0.74, 40, 75, 2, 2.0, 310),
 (27073, NULL, 30, 'ZP.1201', 'Sockelprofil 20 mm',             'unter dem Rahmen',            0.41, 20, 82, 2, 2.2, 320),
 (27074, NULL, 30, 'ZP.1301', 'Basisprofil 20 mm',              'Montagesockel',               0.38, 20, 70, 1, 2.2, 330),
 (27075, NULL, 30, 'ZP.1302', 'Basisprofil Alu 25 mm',          'Montagesockel',               0.49, 25, 75, 1, 2.0, 340),
 (27081, NULL, 31, 'ZP.2101', 'WDVS-Anschlussprofil 60 mm',     'für Wärmedämmverbundsystem',  0.18, 60, 12, 0, 1.5, 350),
 (27082, NULL, 31, 'ZP.2102', 'Kompribandprofil 15 mm',         'Fuge zum Mauerwerk',          0.05, 15, 15, 0, 1.2, 360),
 (27083, NULL, 31, 'ZP.2103', 'Dichtfolie innen, 100 mm',       'luftdicht, überputzbar',      0.02, 100, 1, 0, 0.5, 370);

--  serie, lage, artikel, standard, sortierung
INSERT INTO aufbauprofil VALUES
 (8830,  'O', 27071, 1, 10), (8830,  'U', 27008, 1, 10), (8830,  'B', 27074, 1, 10),
 (10222, 'O', 27071, 1, 10), (10222, 'U', 27008, 1, 10), (10222, 'U', 27073, 0, 20),
 (10222, 'B', 27074, 1, 10),
 (8404,  'O', 27072, 1, 10), (8404,  'U', 27008, 1, 10), (8404,  'B', 27075, 1, 10);

INSERT INTO wandanschluss VALUES
 (34001, 8830, 'Putzanschluss innen und außen', 10),
 (34002, 8830, 'Wärmedämmverbundsystem',        20),
 (34003, 8830, 'Klinker mit Kompriband',        30);
INSERT INTO wandanschluss SELECT id + o.d, o.serie, name, sortierung
  FROM wandanschluss, (SELECT 10222 serie, 10 d UNION ALL SELECT 8404, 20) o WHERE serie_id = 8830;

INSERT INTO wandanschluss_profil
SELECT w.id, p.artikel, p.sortierung
  FROM wandanschluss w JOIN (SELECT 34001 k, 27006 artikel, 10 sortierung UNION ALL
                             SELECT 34001, 27007, 20 UNION ALL SELECT 34002, 27081, 10 UNION ALL
                             SELECT 34002, 27083, 20 UNION ALL SELECT 34003, 27082, 10 UNION ALL
                             SELECT 34003, 27083, 20) p
    ON p.k = 34001 + (w.id - 34001) % 10;
