-- Glazing bars. Glass-dividing bars are small mullions of their series with
-- glazing rebates on both sides; adhesive and Viennese bars sit on the
-- glass faces (Viennese with a spacer between the panes) and internal bars
-- lie in the cavity, so those fit every series.
-- ansichtsbreite: visible width; bautiefe: depth (glass-dividing) or the
-- bar's thickness.

INSERT INTO artikel (id, serie_id, konst_type, artikelnr, name, beschreibung, gewicht,
                     ansichtsbreite, bautiefe, falzhoehe, glasfalz, kammern, wandstaerke,
                     dichtungen, standard, sortierung) VALUES
 (26001, 8830,  1295, '70.701', 'Glasteilende Sprosse 70, 52 mm',      'mit Stahl',        0.98, 52, 70, 16, 46, 3, 2.5, 2, 1, 10),
 (26002, 8830,  1295, '70.702', 'Glasteilende Sprosse 70, 64 mm',      'mit Stahl',        1.12, 64, 70, 16, 46, 3, 2.5, 2, 0, 20),
 (26011, 10222, 1295, '82.701', 'Glasteilende Sprosse 82, 56 mm',      'mit Stahl',        1.16, 56, 82, 18, 56, 4, 2.8, 3, 1, 10),
 (26012, 10222, 1295, '82.702', 'Glasteilende Sprosse 82, 68 mm',      'mit Stahl',        1.31, 68, 82, 18, 56, 4, 2.8, 3, 0, 20),
 (26021, 8404,  1295, '75.701', 'Glasteilende Sprosse Alu 75, 60 mm',  'thermisch getrennt', 1.24, 60, 75, 20, 60, 2, 2.0, 3, 1, 10),
 (26101, NULL,  1296, 'SP.2608', 'Klebesprosse 26 mm, Softline',       'beidseitig, mit Klebeband',  0.16, 26, 8, 0, 0, 0, 1.2, 0, 1, 10),
 (26102, NULL,  1296, 'SP.4510', 'Klebesprosse 45 mm, profiliert',     'beidseitig, mit Klebeband',  0.24, 45, 10, 0, 0, 0, 1.2, 0, 0, 20),
 (26103, NULL,  1296, 'SP.2010', 'Klebesprosse 20 mm, schmal',         'beidseitig, mit Klebeband',  0.12, 20, 10, 0, 0, 0, 1.2, 0, 0, 30),
 (26201, NULL,  1297, 'SI.1808', 'Innenliegende Sprosse 18 mm, weiß',  'im Scheibenzwischenraum',   0.09, 18, 8, 0, 0, 0, 0.5, 0, 1, 10),
 (26202, NULL,  1297, 'SI.2608', 'Innenliegende Sprosse 26 mm, goldfarben', 'im Scheibenzwischenraum', 0.11, 26, 8, 0, 0, 0, 0.5, 0, 0, 20),
 (26203, NULL,  1297, 'SI.0808', 'Innenliegende Sprosse 8 mm, Bleiprofil', 'im Scheibenzwischenraum', 0.07, 8, 8, 0, 0, 0, 0.5, 0, 0, 30),
 (26301, NULL,  8377, 'SW.2608', 'Wiener Sprosse 26 mm, mit Distanzkreuz', 'Klebesprosse mit Abstandhalter', 0.22, 26, 8, 0, 0, 0, 1.2, 0, 1, 10),
 (26302, NULL,  8377, 'SW.4510', 'Wiener Sprosse 45 mm, mit Distanzkreuz', 'Klebesprosse mit Abstandhalter', 0.31, 45, 10, 0, 0, 0, 1.2, 0, 0, 20);

UPDATE artikel SET kontur = 'softline' WHERE id IN (26101, 26301);

-- Glass-dividing bars take the glasses their rebates hold: the narrow bar of
-- a PVC series the thinner glasses, the wide one the thicker. Adhesive bars
-- fit every glass; internal bars need a cavity of 12 mm and more, the lead
-- profile one of at most 16 mm (glasses up to 36 mm); Viennese bars carry a
-- spacer that fits only the wider cavities of glasses from 36 mm.
INSERT INTO sprosse (serie_id, artikel_id, dicke_min, dicke_max, standard, sortierung)
SELECT a.serie_id, a.id,
       CASE a.id WHEN 26002 THEN 32 WHEN 26012 THEN 36 ELSE s.glas_min END,
       CASE a.id WHEN 26001 THEN 36 WHEN 26011 THEN 40 ELSE s.glas_max END,
       a.standard, a.sortierung
  FROM artikel a JOIN serie s ON s.id = a.serie_id WHERE a.konst_type = 1295;
INSERT INTO sprosse (serie_id, artikel_id, dicke_min, dicke_max, standard, sortierung)
SELECT s.id, a.id,
       CASE WHEN a.konst_type = 1297 THEN 20 WHEN a.id = 26302 THEN 36 ELSE s.glas_min END,
       CASE a.id WHEN 26203 THEN 36 ELSE s.glas_max END,
       a.standard, a.sortierung
  FROM serie s JOIN artikel a ON a.konst_type IN (1296, 1297, 8377) AND a.serie_id IS NULL;

-- Reinforcements of the glass-dividing bars.
INSERT INTO artikel_stahl VALUES
 (26001, 1, 31007, 1, 10), (26001, 1, 31014, 0, 20),
 (26002, 1, 31014, 1, 10), (26002, 1, 31001, 0, 20),
 (26011, 1, 31014, 1, 10), (26011, 1, 31001, 0, 20),
 (26012, 1, 31001, 1, 10), (26012, 1, 31002, 0, 20);
