-- Profile series. Uf values per EN ISO 10077-1 (frame and sash together, as
-- measured on the series' standard combination).
--  id,    name,                                                   material, bautiefe, kammern, dichtungen, flags, system_wert, glas_min, glas_max, brandschutz, standard, sortierung
INSERT INTO serie VALUES
 (10222, 'Arvena 82 MD – PVC 82 mm, 6 Kammern, Mitteldichtung',   'PVC', 82, 6, 3, 1, 0.95, 24, 52, 0, 1, 10),
 (8830,  'Arvena 70 AD – PVC 70 mm, 5 Kammern, Anschlagdichtung', 'PVC', 70, 5, 2, 1, 1.3,  24, 44, 0, 0, 20),
 (8404,  'Corvalu 75 TB – Aluminium 75 mm, thermisch getrennt',   'ALU', 75, 3, 3, 0, 1.6,  24, 52, 1, 0, 30);
