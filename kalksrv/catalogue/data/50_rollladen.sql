-- Roller-shutter boxes with their drives, curtains, curtain colours and
-- guide rails. The width and area limits of each box and curtain pairing
-- are those the component checks before it accepts a box.

INSERT INTO rk_bauart VALUES
 (7401, 'Aufsatzkasten'),
 (7405, 'Aufsatzkasten mit Insektenschutz'),
 (8708, 'Vorbaukasten'),
 (8715, 'Vorbaukasten Großanlage');

-- guide rails (171) and the profiles joining box and frame (30); no series
INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, gewicht, ansichtsbreite, bautiefe, sortierung) VALUES
 (9401, NULL, 171, 'RF.5322', 'Führungsschiene PVC 53 x 22',                   'mit Bürstendichtung',  0.45, 53, 22, 10),
 (9402, NULL, 171, 'RF.5323', 'Führungsschiene Alu 53 x 22',                   'pulverbeschichtet',    0.62, 53, 22, 20),
 (9403, NULL, 171, 'RF.5324', 'Führungsschiene Alu 53 x 34, Insektenschutz',   'mit Rollo-Nut',        0.88, 53, 34, 30),
 (9404, NULL, 171, 'RF.6530', 'Führungsschiene Alu 65 x 30, Großanlage',       'verstärkt',            1.12, 65, 30, 40),
 (9405, NULL, 171, 'RF.4522', 'Führungsschiene Alu 45 x 22, Vorbau',           'schmale Ansicht',      0.55, 45, 22, 50),
 (9421, NULL, 30,  'RK.0101', 'Kastenanschlussprofil Aufsatzkasten',           'PVC, clipsbar',        0.38, 20, 70, 10),
 (9422, NULL, 30,  'RK.0201', 'Montageprofil Vorbaukasten',                    'Aluminium',            0.52, 30, 40, 20);

--  id,   bauart, artikelnr, name,                                      form,              flags, hoehe, tiefe, min_breite, max_breite, max_hoehe, ueberstand, anschluss
INSERT INTO rollkasten VALUES
 (9279, 7401, 'AK.175', 'Aufsatzkasten AK 175',                            'aufsatz',         3, 175, 232, 500, 2510, 1700, 100, 9421),
 (9280, 7401, 'AK.176', 'Aufsatzkasten AK 175 schmal',                     'aufsatz',         0, 175, 200, 500, 2800, 1700, 100, 9421),
 (9283, 7401, 'AK.211', 'Aufsatzkasten AK 210 kurz, bis 2000 mm',          'aufsatz',         1, 210, 200, 500, 2000, 2300, 100, 9421),
 (9284, 7401, 'AK.210', 'Aufsatzkasten AK 210',                            'aufsatz',         3, 210, 232, 500, 2510, 2300, 100, 9421),
 (9286, 7401, 'AK.245', 'Aufsatzkasten AK 245',                            'aufsatz',         3, 245, 232, 500, 2510, 2900, 100, 9421),
 (9287, 7405, 'AI.210', 'Aufsatzkasten AK-I 210 mit Insektenschutzrollo',  'aufsatz_insekt',  1, 210, 262, 600, 2500, 2100, 100, 9421),
 (9289, 7405, 'AI.245', 'Aufsatzkasten AK-I 245 mit Insektenschutzrollo',  'aufsatz_insekt',  2, 245, 262, 600, 2500, 2700, 100, 9421),
 (9291, 7405, 'AI.280', 'Aufsatzkasten AK-I 280 mit Insektenschutzrollo',  'aufsatz_insekt',  3, 280, 262, 600, 3000, 3200, 100, 9421),
 (9301, 8708, 'VK.137', 'Vorbaukasten VK 137, 45° abgeschrägt',            'vorbau_schraeg',  0, 137, 137, 450, 4000, 2000, 0,   9422),
 (9302, 8708, 'VK.165', 'Vorbaukasten VK 165, rund',                       'vorbau_rund',     0, 165, 165, 450, 4000, 2600, 0,   9422),
 (9311, 8715, 'VG.205', 'Vorbaukasten VK 205 Großanlage',                  'vorbau_eckig',    0, 205, 205, 800, 5000, 3500, 0,   9422);

-- Top-mounted boxes sit on the PVC frames; the aluminium series takes
-- front-mounted boxes only.
INSERT INTO serie_rollkasten (serie_id, rollkasten_id, standard, sortierung)
SELECT s.id, k.id, (s.id = 8830 AND k.id = 9284) OR (s.id = 10222 AND k.id = 9286), k.id
  FROM serie s JOIN rollkasten k
 WHERE s.material = 'PVC' OR k.bauart_id IN (8708, 8715);
UPDATE serie_rollkasten SET standard = 1 WHERE serie_id = 8404 AND rollkasten_id = 9301;

INSERT INTO rk_antrieb VALUES
 (8101, 'Gurtzug 14 mm',                 'Gurt',    4.0),
 (8102, 'Kurbelantrieb',                 'Kurbel',  6.0),
 (8103, 'Elektromotor 10 Nm, Schalter',  'Motor',   6.0),
 (8104, 'Elektromotor 20 Nm, Schalter',  'Motor',  12.0),
 (8105, 'Funkmotor 20 Nm',               'Motor',  12.0),
 (8106, 'Elektromotor 40 Nm, Schalter',  'Motor',  20.0);

INSERT INTO rk_kasten_antrieb (rollkasten_id, antrieb_id, standard, sortierung)
SELECT k.id, a.id, a.id = CASE WHEN k.bauart_id = 8715 THEN 8104 ELSE 8101 END, a.id
  FROM rollkasten k JOIN rk_antrieb a
 WHERE (k.bauart_id IN (7401, 7405) AND a.id IN (8101, 8102, 8103, 8105))
    OR (k.bauart_id = 8708 AND a.id IN (8101, 8103, 8104, 8105))
    OR (k.bauart_id = 8715 AND a.id IN (8104, 8105, 8106));

INSERT INTO rk_panzer VALUES
 (7948, 'Alu-Panzer 39 mm, ausgeschäumt',             'ALU', 39, 3.6),
 (7950, 'PVC-Panzer 37 mm',                           'PVC', 37, 4.4),
 (8749, 'Alu-Panzer 55 mm, ausgeschäumt, Großanlage', 'ALU', 55, 4.3),
 (8751, 'Alu-Panzer 45 mm, ausgeschäumt',             'ALU', 45, 3.9);

--  kasten, panzer, max_breite, max_flaeche, standard, sortierung
INSERT INTO rk_kasten_panzer VALUES
 (9279, 7948, 2510, 4.4, 0, 20),  (9279, 7950, 2510, 4.7, 1, 10),
 (9280, 7948, 2800, 6.2, 0, 20),  (9280, 7950, 2000, 2.9, 1, 10),
 (9283, 7950, 2000, 4.2, 1, 10),
 (9284, 7948, 2510, 6.0, 0, 20),  (9284, 7950, 2510, 6.8, 1, 10),
 (9286, 7948, 2510, 9.6, 0, 20),  (9286, 7950, 2510, 10.3, 1, 10),
 (9287, 7948, 2500, 6.8, 1, 10),  (9287, 7950, 2500, 6.8, 0, 20),
 (9289, 7948, 2500, 6.8, 1, 10),  (9289, 7950, 2500, 6.8, 0, 20),
 (9291, 7948, 3000, 8.0, 1, 10),  (9291, 7950, 2200, 4.6, 0, 20),
 (9301, 8751, 2500, 4.9, 1, 10),  (9301, 8749, 4000, 9.0, 0, 20),
 (9302, 8751, 2500, 4.9, 1, 10),  (9302, 8749, 4000, 9.0, 0, 20),
 (9311, 8749, 5000, 15.0, 1, 10), (9311, 8751, 5000, 15.0, 0, 20);

INSERT INTO rk_panzerfarbe VALUES
 (8201, 'Weiß',                   0xF2F2EE),
 (8202, 'Grau',                   0x8E9291),
 (8203, 'Silber',                 0xB5B8B9),
 (8204, 'Anthrazit',              0x383E42),
 (8205, 'Braun',                  0x4E3B2E),
 (8206, 'Beige',                  0xD8C8A8),
 (8207, 'Eiche golden (Dekor)',   0xA8692F),
 (8208, 'Moosgrün',               0x2F4538);

--  panzer, farbe, standard, sortierung
INSERT INTO rk_panzer_farbe VALUES
 (7950, 8201, 1, 10), (7950, 8202, 0, 20), (7950, 8205, 0, 30), (7950, 8206, 0, 40),
 (7948, 8201, 1, 10), (7948, 8203, 0, 20), (7948, 8204, 0, 30), (7948, 8202, 0, 40),
 (7948, 8205, 0, 50), (7948, 8207, 0, 60),
 (8751, 8201, 1, 10), (8751, 8203, 0, 20), (8751, 8204, 0, 30), (8751, 8202, 0, 40),
 (8751, 8205, 0, 50),
 (8749, 8203, 1, 10), (8749, 8201, 0, 20), (8749, 8204, 0, 30), (8749, 8208, 0, 40);

INSERT INTO rk_kasten_fuehrung (rollkasten_id, artikel_id, standard, sortierung)
SELECT k.id, f.id, f.id = CASE k.bauart_id WHEN 7401 THEN 9401 WHEN 7405 THEN 9403
                                           WHEN 8708 THEN 9405 ELSE 9404 END, f.id
  FROM rollkasten k JOIN artikel f ON f.konst_type = 171
 WHERE (k.bauart_id = 7401 AND f.id IN (9401, 9402))
    OR (k.bauart_id = 7405 AND f.id = 9403)
    OR (k.bauart_id = 8708 AND f.id IN (9402, 9405))
    OR (k.bauart_id = 8715 AND f.id = 9404);
