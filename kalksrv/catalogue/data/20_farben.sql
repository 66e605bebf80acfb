-- Colours with the group, base-body and gasket bits of the colour dialog
-- (see schema.sql, table farbe).
--  id,   name,                                          flags,    kennung,    rgb,      bild
INSERT INTO farbe VALUES
 -- ohne Folierung (0x1)
 (1001, 'Weiß',                                          0x000211, 'RAL 9016', 0xF4F4F0, 'uni'),
 (1002, 'Cremeweiß',                                     0x100011, 'RAL 9001', 0xEFE8D4, 'uni'),
 (1003, 'Braun, durchgefärbt',                           0x0000A1, NULL,       0x4E3B2E, 'uni'),
 (1004, 'Weiß, Dichtung weiß',                           0x000111, 'RAL 9016', 0xF4F4F0, 'uni'),
 -- two base-body bits (white and ochre) and two gasket bits (white and
 -- black): the later bit of the dialog's order names the colour
 (1005, 'Cremeweiß, Grundkörper ocker',                  0x000251, 'RAL 9001', 0xEFE8D4, 'uni'),
 (1006, 'Weiß, Dichtung schwarz',                        0x000191, 'RAL 9016', 0xF4F4F0, 'uni'),
 -- norel LUMERA, außen foliert (0x4)
 (1011, 'Eiche golden, außen foliert',                   0x000094, 'LU 1011',  0xA8692F, 'holz'),
 (1012, 'Nussbaum, außen foliert',                       0x000094, 'LU 1012',  0x5C3A21, 'holz'),
 (1013, 'Mahagoni, außen foliert',                       0x000094, 'LU 1013',  0x6B2E1E, 'holz'),
 (1014, 'Anthrazitgrau glatt, außen foliert',            0x000094, 'LU 1014',  0x383E42, 'uni'),
 (1015, 'Weinrot, außen foliert',                        0x000094, 'LU 1015',  0x5E2028, 'uni'),
 -- norel LUMERA, beidseitig foliert (0x8)
 (1021, 'Eiche golden, beidseitig foliert',              0x0000C8, 'LU 1021',  0xA8692F, 'holz'),
 (1022, 'Nussbaum, beidseitig foliert',                  0x0000A8, 'LU 1022',  0x5C3A21, 'holz'),
 (1023, 'Mahagoni, beidseitig foliert',                  0x0000A8, 'LU 1023',  0x6B2E1E, 'holz'),
 (1024, 'Anthrazitgrau glatt, beidseitig foliert',       0x080088, 'LU 1024',  0x383E42, 'uni'),
 (1025, 'Eiche hell, beidseitig foliert',                0x0000C8, 'LU 1025',  0xC8A06A, 'holz'),
 -- norel KOLORIN, außen foliert (0x800)
 (1031, 'Basaltgrau, außen foliert',                     0x000A10, 'KO 1031',  0x575D5E, 'uni'),
 (1032, 'Quarzgrau, außen foliert',                      0x000A10, 'KO 1032',  0x6C6960, 'uni'),
 (1033, 'Moosgrün, außen foliert',                       0x000890, 'KO 1033',  0x2F4538, 'uni'),
 (1034, 'Stahlblau, außen foliert',                      0x000890, 'KO 1034',  0x232C3F, 'uni'),
 -- norel KOLORIN, beidseitig foliert (0x1000)
 (1041, 'Basaltgrau, beidseitig foliert',                0x081080, 'KO 1041',  0x575D5E, 'uni'),
 (1042, 'Schiefergrau, beidseitig foliert',              0x081080, 'KO 1042',  0x50535A, 'uni'),
 (1043, 'Tannengrün, beidseitig foliert',                0x0010A0, 'KO 1043',  0x31372B, 'uni'),
 -- norel TEXELA, außen foliert (0x400)
 (1051, 'Aluminium gebürstet, außen foliert',            0x000610, 'TX 1051',  0xA5A5A5, 'metall'),
 (1052, 'Eisenglimmer, außen foliert',                   0x000490, 'TX 1052',  0x4C4A48, 'struktur'),
 (1053, 'Betongrau strukturiert, außen foliert',         0x000490, 'TX 1053',  0x8A8C86, 'struktur'),
 -- norel TEXELA, beidseitig foliert (0x2000)
 (1061, 'Aluminium gebürstet, beidseitig foliert',       0x082200, 'TX 1061',  0xA5A5A5, 'metall'),
 (1062, 'Eisenglimmer, beidseitig foliert',              0x082080, 'TX 1062',  0x4C4A48, 'struktur'),
 -- Dekor, außen foliert (0x400000)
 (1071, 'Douglasie, außen foliert',                      0x400090, 'DK 1071',  0xB87A4B, 'holz'),
 (1072, 'Bergkiefer, außen foliert',                     0x400090, 'DK 1072',  0xC9955C, 'holz'),
 -- Dekor, beidseitig foliert (0x200000)
 (1081, 'Douglasie, beidseitig foliert',                 0x2000C0, 'DK 1081',  0xB87A4B, 'holz'),
 (1082, 'Sapeli, beidseitig foliert',                    0x2000A0, 'DK 1082',  0x7A3B25, 'holz'),
 -- RAL-Standard (0x10000)
 (1101, 'RAL 9016 Verkehrsweiß',                         0x010210, 'RAL 9016', 0xF1F0EA, 'uni'),
 (1102, 'RAL 7016 Anthrazitgrau',                        0x010090, 'RAL 7016', 0x383E42, 'uni'),
 (1103, 'RAL 9005 Tiefschwarz',                          0x010090, 'RAL 9005', 0x0E0E10, 'uni'),
 (1104, 'RAL 8017 Schokoladenbraun',                     0x0100A0, 'RAL 8017', 0x442F29, 'uni'),
 (1105, 'RAL 9006 Weißaluminium',                        0x010090, 'RAL 9006', 0xA1A1A0, 'metall'),
 (1106, 'RAL 7035 Lichtgrau',                            0x010210, 'RAL 7035', 0xCBD0CC, 'uni'),
 -- RAL-Sonder (0x20000)
 (1111, 'RAL 3004 Purpurrot',                            0x020090, 'RAL 3004', 0x6B1C23, 'uni'),
 (1112, 'RAL 5010 Enzianblau',                           0x020090, 'RAL 5010', 0x13447C, 'uni'),
 (1113, 'RAL 6005 Moosgrün',                             0x020090, 'RAL 6005', 0x0F4336, 'uni'),
 -- RAL-Premium (0x40000)
 (1121, 'DB 703 Eisenglimmer',                           0x040090, 'DB 703',   0x4C4A48, 'struktur'),
 (1122, 'RAL 9007 Graualuminium',                        0x040090, 'RAL 9007', 0x878581, 'metall'),
 -- RAL 1-farbig, außen + innen (0x4000) and RAL 2-farbig (0x8000)
 (1131, 'RAL nach Wahl, 1-farbig',                       0x004090, NULL,       0xBFBFBF, 'uni'),
 (1132, 'RAL nach Wahl, 2-farbig',                       0x008090, NULL,       0xBFBFBF, 'uni');

-- Colours per series, one row per colour a series is supplied in, so that
-- each series fills the colour dialog's group boxes without one covering
-- another. PVC series: the foil lines of the three product lines, RAL price
-- classes only with aluminium cladding shells (nur_alu 1; they take the place
-- of the foil groups). Aluminium series: RAL finishes in one or two colours
-- and the decors on aluminium. A colour added in a file of its own names its
-- series there.
--  serie, farbe, nur_alu, standard, sortierung
INSERT INTO serie_farbe (serie_id, farbe_id, nur_alu, standard, sortierung) VALUES
 (8830, 1001, 0, 1, 1001), (8830, 1002, 0, 0, 1002), (8830, 1003, 0, 0, 1003), (8830, 1004, 0, 0, 1004), (8830, 1005, 0, 0, 1005),
 (8830, 1006, 0, 0, 1006), (8830, 1011, 0, 0, 1011), (8830, 1012, 0, 0, 1012), (8830, 1013, 0, 0, 1013), (8830, 1014, 0, 0, 1014),
 (8830, 1015, 0, 0, 1015), (8830, 1021, 0, 0, 1021), (8830, 1022, 0, 0, 1022), (8830, 1023, 0, 0, 1023), (8830, 1024, 0, 0, 1024),
 (8830, 1025, 0, 0, 1025), (8830, 1031, 0, 0, 1031), (8830, 1032, 0, 0, 1032), (8830, 1033, 0, 0, 1033), (8830, 1034, 0, 0, 1034),
 (8830, 1041, 0, 0, 1041), (8830, 1042, 0, 0, 1042), (8830, 1043, 0, 0, 1043), (8830, 1051, 0, 0, 1051), (8830, 1052, 0, 0, 1052),
 (8830, 1053, 0, 0, 1053), (8830, 1061, 0, 0, 1061), (8830, 1062, 0, 0, 1062), (8830, 1101, 1, 0, 1101), (8830, 1102, 1, 0, 1102),
 (8830, 1103, 1, 0, 1103), (8830, 1104, 1, 0, 1104), (8830, 1105, 1, 0, 1105), (8830, 1106, 1, 0, 1106), (8830, 1111, 1, 0, 1111),
 (8830, 1112, 1, 0, 1112), (8830, 1113, 1, 0, 1113), (8830, 1121, 1, 0, 1121), (8830, 1122, 1, 0, 1122), (10222, 1001, 0, 1, 1001),
 (10222, 1002, 0, 0, 1002), (10222, 1003, 0, 0, 1003), (10222, 1005, 0, 0, 1005), (10222, 1006, 0, 0, 1006), (10222, 1011, 0, 0, 1011),
 (10222, 1012, 0, 0, 1012), (10222, 1013, 0, 0, 1013), (10222, 1014, 0, 0, 1014), (10222, 1015, 0, 0, 1015), (10222, 1021, 0, 0, 1021),
 (10222, 1022, 0, 0, 1022), (10222, 1023, 0, 0, 1023), (10222, 1024, 0, 0, 1024), (10222, 1025, 0, 0, 1025), (10222, 1031, 0, 0, 1031),
 (10222, 1032, 0, 0, 1032), (10222, 1033, 0, 0, 1033), (10222, 1034, 0, 0, 1034), (10222, 1041, 0, 0, 1041), (10222, 1042, 0, 0, 1042),
 (10222, 1043, 0, 0, 1043), (10222, 1051, 0, 0, 1051), (10222, 1052, 0, 0, 1052), (10222, 1053, 0, 0, 1053), (10222, 1061, 0, 0, 1061),
 (10222, 1062, 0, 0, 1062), (10222, 1101, 1, 0, 1101), (10222, 1102, 1, 0, 1102), (10222, 1103, 1, 0, 1103), (10222, 1104, 1, 0, 1104),
 (10222, 1105, 1, 0, 1105), (10222, 1106, 1, 0, 1106), (10222, 1111, 1, 0, 1111), (10222, 1112, 1, 0, 1112), (10222, 1113, 1, 0, 1113),
 (10222, 1121, 1, 0, 1121), (10222, 1122, 1, 0, 1122), (8404, 1071, 0, 0, 1071), (8404, 1072, 0, 0, 1072), (8404, 1081, 0, 0, 1081),
 (8404, 1082, 0, 0, 1082), (8404, 1131, 0, 1, 1131), (8404, 1132, 0, 0, 1132);
