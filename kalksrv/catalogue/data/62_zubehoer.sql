-- Additional profiles and accessories of a cut, as the additional-profiles
-- dialog offers them: grouped by the part of the element (gruppe 11 Rahmen,
-- 18 Kopplung, 23 Flügel, 24 Pfosten, 25 Stulp, 91 and 92 Schwelle). Entries
-- with the same ausschluss_key exclude one another; ausschluss_liste names
-- further keys as ";a;b;"; an entry with children (eltern_id pointing at
-- it) offers them below itself when checked. anzahl above 2 marks parts the
-- fabricator counts per element (screws, caps): not offered for choice.
-- Articles with konst_type 16 belong to a roller shutter and are left out
-- of cuts with a box.

-- The accessory articles; they fit every series.
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, gewicht,
                     ansichtsbreite, bautiefe, kammern, wandstaerke, sortierung) VALUES
 (27001, NULL, 30, 'ZP.1001', 'Verbreiterung 10 mm',                  'clipsbar',                 0.31, 10, 70, 1, 2.2, 10),
 (27002, NULL, 30, 'ZP.1002', 'Verbreiterung 20 mm',                  'clipsbar',                 0.45, 20, 70, 2, 2.2, 20),
 (27003, NULL, 30, 'ZP.1003', 'Verbreiterung 30 mm',                  'clipsbar',                 0.58, 30, 70, 2, 2.2, 30),
 (27004, NULL, 30, 'ZP.1004', 'Verbreiterung 50 mm, statisch',        'mit Stahlkammer',          0.92, 50, 70, 3, 2.5, 40),
 (27005, NULL, 30, 'ZP.1005', 'Kopplungsleiste zur Verbreiterung 50', 'verschraubt',              0.18, 8, 40, 1, 1.8, 50),
 (27006, NULL, 31, 'ZP.2001', 'Anputzleiste 6 mm',                    'mit Schutzlasche',         0.08, 6, 9, 0, 1.2, 60),
 (27007, NULL, 31, 'ZP.2002', 'Putzanschlussprofil mit Gewebe',       'für Innenputz',            0.11, 9, 12, 0, 1.2, 70),
 (27008, NULL, 30, 'ZP.3001', 'Fensterbankanschlussprofil 30 mm',     'unter dem Rahmen',         0.52, 30, 70, 2, 2.2, 80),
 (27009, NULL, 33, 'ZP.3002', 'Endkappe Fensterbankanschluss',        'Paar',                     0.02, 30, 70, 0, 1.5, 90),
 (27010, NULL, 33, 'ZP.9001', 'Montageschrauben 7,5 x 112',           'je Befestigungspunkt',     0.01, 8, 112, 0, 0, 100),
 (27011, NULL, 16, 'ZP.4001', 'Führungsschienenadapter',              'für Rollladenführung',     0.21, 22, 30, 1, 1.8, 110),
 (27012, NULL, 16, 'ZP.4002', 'Kastenanschluss-Dichtband',            'vorkomprimiert',           0.03, 15, 20, 0, 0, 120),
 (27021, NULL, 30, 'ZP.5001', 'Regenschutzschiene Alu',               'eloxiert',                 0.19, 25, 18, 0, 1.5, 130),
 (27022, NULL, 30, 'ZP.5002', 'Regenschutzschiene PVC, kurz',         'weiß',                     0.12, 20, 14, 0, 1.5, 140),
 (27023, NULL, 30, 'ZP.5003', 'Flügelverbreiterung 10 mm',            'clipsbar',                 0.29, 10, 60, 1, 2.0, 150),
 (27024, NULL, 33, 'ZP.5004', 'Beschlagnutabdeckung',                 'je Flügelseite',           0.01, 16, 6, 0, 1.0, 160),
 (27031, NULL, 33, 'ZP.6001', 'Pfostenverbinder mechanisch',          'verschraubt',              0.15, 40, 60, 0, 3.0, 170),
 (27032, NULL, 33, 'ZP.6002', 'Pfostenverbindung geschweißt',         'T-Stoß geschweißt',        0.00, 40, 60, 0, 3.0, 180),
 (27033, NULL, 33, 'ZP.6003', 'Pfostenabdeckkappe',                   'Paar, zum Verbinder',      0.01, 40, 10, 0, 1.5, 190),
 (27041, NULL, 33, 'ZP.7001', 'Stulpdichtung zusätzlich',             'EPDM schwarz',             0.04, 8, 8, 0, 0, 200),
 (27042, NULL, 30, 'ZP.7002', 'Stulpabdeckprofil',                    'Alu, außen',               0.22, 40, 12, 0, 1.5, 210),
 (27051, NULL, 33, 'ZP.8001', 'Kopplungsdichtung',                    'Kompriband',               0.03, 10, 15, 0, 0, 220),
 (27052, NULL, 30, 'ZP.8002', 'Abdeckleiste innen 30 mm',             'clipsbar',                 0.14, 30, 8, 0, 1.5, 230),
 (27053, NULL, 30, 'ZP.8003', 'Abdeckleiste innen 50 mm',             'clipsbar',                 0.21, 50, 8, 0, 1.5, 240),
 (27061, NULL, 32, 'ZP.9101', 'Türschwelle Alu 20 mm, thermisch getrennt', 'für Türen',           1.45, 20, 70, 2, 2.0, 250),
 (27062, NULL, 32, 'ZP.9102', 'Türschwelle Alu 50 mm, barrierearm',   'für Türen',                1.96, 50, 90, 3, 2.0, 260),
 (27063, NULL, 32, 'ZP.9103', 'Schwellenanschlussprofil',             'zur Türschwelle 20 mm',    0.34, 20, 40, 1, 1.8, 270),
 (27064, NULL, 30, 'ZP.9201', 'Bodeneinstandsprofil 30 mm',           'unter der Schwelle',       0.61, 30, 70, 2, 2.2, 280),
 (27065, NULL, 30, 'ZP.9202', 'Bodeneinstandsprofil 60 mm',           'unter der Schwelle',       0.88, 60, 70, 3, 2.2, 290);

-- Accessories that take steel; the static extension and the deep floor
-- profile have a second chamber.
INSERT INTO artikel_stahl VALUES (27004, 1, 31001, 1, 10), (27004, 1, 31003, 0, 20),
                                 (27004, 2, 31006, 1, 10), (27004, 2, 31007, 0, 20),
                                 (27002, 1, 31007, 1, 10), (27003, 1, 31014, 1, 10),
                                 (27065, 1, 31014, 1, 10), (27065, 2, 31007, 1, 10);

-- The accessory tree of series 8830; the other series offer the same
-- (below, with ids moved by 1000 and 2000).
--  id, serie, fuer_konst_type, gruppe, artikel, name, konst_type, key, ausschluss, eltern, anzahl, standard, sortierung
INSERT INTO zubehoer VALUES
 (35001, 8830, 11, 11, 27001, 'Verbreiterung 10 mm',                 30, 'VB',  '',        0,     1, 0, 10),
 (35002, 8830, 11, 11, 27002, 'Verbreiterung 20 mm',                 30, 'VB',  '',        0,     1, 0, 20),
 (35003, 8830, 11, 11, 27003, 'Verbreiterung 30 mm',                 30, 'VB',  '',        0,     1, 0, 30),
 (35004, 8830, 11, 11, 27004, 'Verbreiterung 50 mm, statisch',       30, 'VB',  '',        0,     1, 0, 40),
 (35005, 8830, 11, 11, 27005, 'Kopplungsleiste zur Verbreiterung 50', 30, 'VBK', '',       35004, 1, 0, 50),
 (35006, 8830, 11, 11, 27006, 'Anputzleiste 6 mm',                   31, 'AP',  ';PUTZ;',  0,     1, 1, 60),
 (35007, 8830, 11, 11, 27007, 'Putzanschlussprofil mit Gewebe',      31, 'PUTZ', ';AP;',   0,     1, 0, 70),
 (35008, 8830, 11, 11, 27008, 'Fensterbankanschlussprofil 30 mm',    30, 'FB',  '',        0,     1, 1, 80),
 (35009, 8830, 11, 11, 27009, 'Endkappe Fensterbankanschluss',       33, 'FBE', '',        35008, 2, 0, 90),
 (35010, 8830, 11, 11, 27010, 'Montageschrauben 7,5 x 112',          33, 'MS',  '',        0,     8, 1, 100),
 (35011, 8830, 11, 11, 27011, 'Führungsschienenadapter',             16, 'RFA', '',        0,     2, 0, 110),
 (35012, 8830, 11, 11, 27012, 'Kastenanschluss-Dichtband',           16, 'RKD', '',        0,     1, 0, 120),
 (35021, 8830, 23, 23, 27021, 'Regenschutzschiene Alu',              30, 'RS',  ';RSK;',   0,     1, 1, 10),
 (35022, 8830, 23, 23, 27022, 'Regenschutzschiene PVC, kurz',        30, 'RSK', ';RS;',    0,     1, 0, 20),
 (35023, 8830, 23, 23, 27023, 'Flügelverbreiterung 10 mm',           30, 'FV',  '',        0,     1, 0, 30),
 (35024, 8830, 23, 23, 27024, 'Beschlagnutabdeckung',                33, 'BN',  '',        0,     4, 0, 40),
 (35031, 8830, 24, 24, 27031, 'Pfostenverbinder mechanisch',         33, 'PV',  ';PVS;',   0,     2, 1, 10),
 (35032, 8830, 24, 24, 27032, 'Pfostenverbindung geschweißt',        33, 'PVS', ';PV;',    0,     1, 0, 20),
 (35033, 8830, 24, 24, 27033, 'Pfostenabdeckkappe',                  33, 'PK',  '',        35031, 2, 0, 30),
 (35041, 8830, 25, 25, 27041, 'Stulpdichtung zusätzlich',            33, 'SD',  '',        0,     1, 0, 10),
 (35042, 8830, 25, 25, 27042, 'Stulpabdeckprofil',                   30, 'SA',  '',        0,     1, 0, 20),
 (35051, 8830, 18, 18, 27051, 'Kopplungsdichtung',                   33, 'KD',  '',        0,     1, 1, 10),
 (35052, 8830, 18, 18, 27052, 'Abdeckleiste innen 30 mm',            30, 'KA',  ';KA2;',   0,     1, 0, 20),
 (35053, 8830, 18, 18, 27053, 'Abdeckleiste innen 50 mm',            30, 'KA2', ';KA;',    0,     1, 0, 30),
 (35061, 8830, 11, 91, 27061, 'Türschwelle Alu 20 mm, thermisch getrennt', 32, 'TS', '',  0,     1, 0, 130),
 (35062, 8830, 11, 91, 27062, 'Türschwelle Alu 50 mm, barrierearm',  32, 'TS',  '',        0,     1, 0, 140),
 (35063, 8830, 11, 91, 27063, 'Schwellenanschlussprofil',            32, 'TSA', '',        35061, 1, 0, 150),
 (35064, 8830, 11, 92, 27064, 'Bodeneinstandsprofil 30 mm',          30, 'BE',  ';TS;',    0,     1, 0, 160),
 (35065, 8830, 11, 92, 27065, 'Bodeneinstandsprofil 60 mm',          30, 'BE',  ';TS;',    0,     1, 0, 170);

INSERT INTO zubehoer
SELECT z.id + o.d, o.serie, z.fuer_konst_type, z.gruppe, z.artikel_id, z.name, z.konst_type,
       z.ausschluss_key, z.ausschluss_liste, CASE z.eltern_id WHEN 0 THEN 0 ELSE z.eltern_id + o.d END,
       z.anzahl, z.standard, z.sortierung
  FROM zubehoer z, (SELECT 10222 serie, 1000 d UNION ALL SELECT 8404, 2000) o
 WHERE z.serie_id = 8830;
-- Aluminium: no PVC rain guard and no welded mullion joint.
DELETE FROM zubehoer WHERE serie_id = 8404 AND artikel_id IN (27022, 27032);
UPDATE zubehoer SET ausschluss_liste = '' WHERE serie_id = 8404 AND ausschluss_key IN ('RS', 'PV');
