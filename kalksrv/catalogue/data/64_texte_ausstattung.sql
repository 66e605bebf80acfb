-- Tender texts of the profiles and the equipment offered per series.

-- Texts follow from the catalogue's own data: what the profile is, its
-- dimensions and its thermal value.
INSERT INTO artikel_text (artikel_id, zeile, text)
SELECT a.id, 1, a.artikelnr || ' ' || a.name FROM artikel a WHERE a.konst_type IN (11, 18, 23, 24, 25, 26, 30, 31, 32, 171, 1295, 1296, 1297, 8377);
INSERT INTO artikel_text (artikel_id, zeile, text)
SELECT a.id, 2,
       CASE s.material WHEN 'ALU' THEN 'Aluminium-Profil, thermisch getrennt durch Isolierstege aus Polyamid, '
                       ELSE 'Mehrkammerprofil aus PVC-U, ' END ||
       a.kammern || ' Kammern, Bautiefe ' || CAST(a.bautiefe AS INTEGER) || ' mm, Ansichtsbreite ' ||
       CAST(a.ansichtsbreite AS INTEGER) || ' mm'
  FROM artikel a JOIN serie s ON s.id = a.serie_id WHERE a.konst_type IN (11, 18, 23, 24, 25);
INSERT INTO artikel_text (artikel_id, zeile, text)
SELECT a.id, 3, 'Uf = ' || replace(printf('%.2f', a.uf), '.', ',') || ' W/(m²K) nach EN ISO 10077-2'
  FROM artikel a WHERE a.konst_type IN (11, 23, 24, 25) AND a.uf > 0;
INSERT INTO artikel_text (artikel_id, zeile, text)
SELECT a.id, 4, 'Dichtungen: ' || a.dichtungen || ' Ebenen, EPDM, umlaufend'
  FROM artikel a WHERE a.konst_type IN (11, 23) AND a.dichtungen > 0;
INSERT INTO artikel_text (artikel_id, zeile, text)
SELECT a.id, 2, CASE WHEN a.beschreibung <> '' THEN a.beschreibung ELSE 'Zubehörprofil' END ||
       ', ' || CAST(a.ansichtsbreite AS INTEGER) || ' x ' || CAST(a.bautiefe AS INTEGER) || ' mm'
  FROM artikel a WHERE a.konst_type IN (26, 30, 31, 32, 171, 1295, 1296, 1297, 8377);

--  id, serie, element, gruppe, artikelnr, name, standard, sortierung
INSERT INTO ausstattung VALUES
 (33001, 8830, 0, 1, 'BS.1001', 'Dreh-Kipp-Beschlag, verdeckt liegend',        1, 10),
 (33002, 8830, 0, 1, 'BS.1002', 'Dreh-Kipp-Beschlag, aufliegend',              0, 20),
 (33003, 8830, 0, 1, 'BS.1003', 'Kipp-vor-Dreh-Beschlag (Kinderschutz)',       0, 30),
 (33004, 8830, 0, 2, 'GR.2001', 'Fenstergriff Alu, weiß',                      1, 40),
 (33005, 8830, 0, 2, 'GR.2002', 'Fenstergriff Alu, Edelstahl-Optik',           0, 50),
 (33006, 8830, 0, 2, 'GR.2003', 'Fenstergriff abschließbar, 100 Nm',           0, 60),
 (33007, 8830, 0, 3, 'LU.3001', 'Spaltlüftung über Beschlag',                  0, 70),
 (33008, 8830, 0, 3, 'LU.3002', 'Fensterfalzlüfter, selbstregelnd',            0, 80),
 (33009, 8830, 0, 4, 'SI.4001', 'Pilzkopfverriegelung RC 2, umlaufend',        0, 90),
 (33010, 8830, 0, 4, 'SI.4002', 'Öffnungs- und Verschlussüberwachung',         0, 100),
 (33011, 8830, 2, 1, 'BS.1101', 'Mehrfachverriegelung Haustür, Automatik',     1, 110),
 (33012, 8830, 2, 5, 'SO.5001', 'Türschließer, obenliegend',                   0, 120),
 (33013, 8830, 0, 5, 'SO.5002', 'Kippbegrenzer, abschaltbar',                  0, 130);
INSERT INTO ausstattung SELECT id + o.d, o.serie, element, gruppe, artikelnr, name, standard, sortierung
  FROM ausstattung, (SELECT 10222 serie, 100 d UNION ALL SELECT 8404, 200) o WHERE serie_id = 8830;
-- Aluminium sashes take no surface-mounted fittings.
DELETE FROM ausstattung WHERE serie_id = 8404 AND artikelnr = 'BS.1002';
