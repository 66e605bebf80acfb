-- Glasses and panels. Ug per EN 673, PsiG per spacer as EN ISO 10077-1
-- tabulates it (aluminium 0.07/0.08, stainless steel 0.05, warm edge
-- 0.03–0.041). Spacer codes: 1 Alu, 2 Alu/Stahl, 3 Edelstahl, 4 ITS,
-- 5/6 SWISS / SWISS V, 7 THERMIX, 8 TGI, 9 TIS, 10 TPS, 11 warme Kante.
-- dicke_real counts laminated panes with their foils (33.1 = 6.76 mm).
--  id,   name,                                                  aufbau,              schichten, flags, dicke, dicke_real, ug, psig, abstandhalter, gewicht, brandschutz
INSERT INTO glas VALUES
 (6001, '2-fach Wärmeschutzglas 4/16/4, Ug 1,1, Alu',            '4/16/4',             2, 0, 24, 24.0,  1.1, 0.07,  1, 20.0, 0),
 (6002, '2-fach Wärmeschutzglas 4/16/4, Ug 1,0, warme Kante',    '4/16/4',             2, 0, 24, 24.0,  1.0, 0.041, 11, 20.0, 0),
 (6003, '2-fach Sicherheitsglas ESG 6/16/4, Ug 1,1',             'ESG 6/16/4',         2, 0, 26, 26.0,  1.1, 0.041, 11, 25.0, 0),
 (6004, '2-fach Sicherheitsglas VSG 33.1/16/4, Ug 1,1',          'VSG 33.1/16/4',      2, 0, 27, 26.76, 1.1, 0.041, 11, 26.9, 0),
 (6005, '2-fach Schallschutzglas VSG 44.2S/16/6, Ug 1,1',        'VSG 44.2S/16/6',     2, 0, 31, 30.76, 1.1, 0.05,  3, 36.9, 0),
 (6006, '3-fach Wärmeschutzglas 4/12/4/12/4, Ug 0,7, Alu',       '4/12/4/12/4',        3, 0, 36, 36.0,  0.7, 0.08,  2, 30.0, 0),
 (6007, '3-fach Wärmeschutzglas 4/12/4/12/4, Ug 0,7, warme Kante', '4/12/4/12/4',      3, 0, 36, 36.0,  0.7, 0.04,  8, 30.0, 0),
 (6008, '3-fach Wärmeschutzglas 4/14/4/14/4, Ug 0,6',            '4/14/4/14/4',        3, 0, 40, 40.0,  0.6, 0.04, 10, 30.0, 0),
 (6009, '3-fach Wärmeschutzglas 4/16/4/16/4, Ug 0,5',            '4/16/4/16/4',        3, 0, 44, 44.0,  0.5, 0.03,  6, 30.0, 0),
 (6010, '3-fach Sicherheitsglas VSG 33.1/14/4/14/4, Ug 0,6',     'VSG 33.1/14/4/14/4', 3, 0, 43, 42.76, 0.6, 0.04,  8, 36.9, 0),
 (6011, '3-fach Schallschutzglas VSG 44.2S/14/4/14/6, Ug 0,6',   'VSG 44.2S/14/4/14/6',3, 0, 47, 46.76, 0.6, 0.05,  3, 46.9, 0),
 (6012, '3-fach Wärmeschutzglas 4/18/4/18/4, Ug 0,5',            '4/18/4/18/4',        3, 0, 48, 48.0,  0.5, 0.041, 11, 30.0, 0),
 (6013, '3-fach einbruchhemmend P4A VSG 44.4/14/4/14/6, Ug 0,6', 'VSG 44.4/14/4/14/6', 3, 0, 48, 47.52, 0.6, 0.041, 11, 48.8, 0),
 (6014, 'Brandschutz-Isolierglas EI 30, 4/16/11, Ug 1,1',        'EI30 4/16/11',       2, 0, 31, 30.9,  1.1, 0.05,  3, 41.0, 1),
 (6015, 'Paneel 24 mm, beidseitig glatt, weiß',                  'Paneel 24',          1, 2, 24, 24.0,  0.9, 0.0,   0,  6.0, 0),
 (6016, 'Paneel 36 mm, wärmegedämmt',                            'Paneel 36',          1, 2, 36, 36.0,  0.6, 0.0,   0,  8.5, 0),
 (6017, '2-fach Wärmeschutzglas 4/16/4, Ug 1,14, Edelstahl',     '4/16/4',             2, 0, 24, 24.0,  1.14, 0.05, 3, 20.0, 0);

-- Glasses per series: every glass whose thickness the series' rebates take;
-- fire-protection glass only in a fire-protection series.
INSERT INTO serie_glas (serie_id, glas_id, standard, sortierung)
SELECT s.id, g.id, 0, g.id FROM serie s JOIN glas g
    ON g.dicke BETWEEN s.glas_min AND s.glas_max AND (g.brandschutz = 0 OR s.brandschutz = 1);
UPDATE serie_glas SET standard = 1
 WHERE (serie_id, glas_id) IN (VALUES (8830, 6002), (10222, 6008), (8404, 6007));

-- Ornament and function glasses.
INSERT INTO ornament VALUES
 (6501, 'Ornamentglas Riffel, weiß',        'Ornament', 0xE6ECEE),
 (6502, 'Ornamentglas Punktraster, weiß',   'Ornament', 0xE2E9EC),
 (6503, 'Ornamentglas Kathedral klein',     'Ornament', 0xDCE4E6),
 (6504, 'Ornamentglas Streifen, bronze',    'Ornament', 0xB89B74),
 (6505, 'Satinato, geätzt',                 'Ornament', 0xEEF2F3),
 (6506, 'Sonnenschutz 50/25, neutral',      'Funktion', 0xA9B7BD),
 (6507, 'Sonnenschutz 30/17, blau',         'Funktion', 0x7E9BB3),
 (6508, 'Selbstreinigende Beschichtung',    'Funktion', 0xEAF3F7);

-- Ornaments are offered for every real glass (not for panels and not for
-- fire-protection glass); function glasses only for the thermal glasses.
INSERT INTO glas_ornament (glas_id, ornament_id, sortierung)
SELECT g.id, o.id, o.id FROM glas g JOIN ornament o
 WHERE (g.flags & 2) = 0 AND g.brandschutz = 0
   AND (o.art = 'Ornament' OR g.name LIKE '%Wärmeschutzglas%');
