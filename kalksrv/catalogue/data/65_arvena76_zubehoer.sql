-- Series 8850 (34_arvena76_alu.sql) takes the accessories, add-on profiles,
-- wall connections and equipment of the PVC 70 series, under ids of its own.

INSERT INTO zubehoer
SELECT id + 3000, 8850, fuer_konst_type, gruppe, artikel_id, name, konst_type, ausschluss_key,
       ausschluss_liste, CASE eltern_id WHEN 0 THEN 0 ELSE eltern_id + 3000 END, anzahl,
       standard, sortierung
  FROM zubehoer WHERE serie_id = 8830;

INSERT INTO aufbauprofil
SELECT 8850, lage, artikel_id, standard, sortierung FROM aufbauprofil WHERE serie_id = 8830;

INSERT INTO wandanschluss SELECT id + 30, 8850, name, sortierung FROM wandanschluss WHERE serie_id = 8830;
INSERT INTO wandanschluss_profil
SELECT p.wandanschluss_id + 30, p.artikel_id, p.sortierung
  FROM wandanschluss_profil p JOIN wandanschluss w ON w.id = p.wandanschluss_id
 WHERE w.serie_id = 8830;

INSERT INTO ausstattung
SELECT id + 300, 8850, element, gruppe, artikelnr, name, standard, sortierung
  FROM ausstattung WHERE serie_id = 8830;
