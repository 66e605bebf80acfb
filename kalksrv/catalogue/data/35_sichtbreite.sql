-- Visible face widths (artikel.sichtbreite) of the series' frames, sashes,
-- mullions and astragals, as the cuts draw them.
--
-- Frames, mullions and astragals hold the glass at the top of their face:
-- their face width.
UPDATE artikel SET sichtbreite = ansichtsbreite
 WHERE konst_type IN (11, 24, 25) AND serie_id IS NOT NULL AND sichtbreite = 0;

-- Sashes: face width less the lap over the frame and the frame's stop
-- (8830: 20 mm, 10222: 22 mm, 8404: 25 mm, 8850: 21 mm); a sash without lap sits on the
-- rebate air instead (4 mm with two gasket levels, 5 mm with three).
--  id, sichtbreite
WITH sash (id, breite) AS (VALUES
 (23011, 49), (23012, 49), (23013, 69), (23014, 49), (23015, 102),
 (24011, 50), (24012, 50), (24013, 70), (24014, 50), (24015, 49),
 (25011, 45), (25012, 60), (25013, 61), (25014, 45), (25015, 90),
 (28011, 51), (28012, 71))
UPDATE artikel SET sichtbreite = (SELECT breite FROM sash WHERE sash.id = artikel.id)
 WHERE id IN (SELECT id FROM sash);
