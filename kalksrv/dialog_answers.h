#pragma once
// The answers behind the section drawings, the colour pictures and the
// dialogs' lists. Like the main form's answers (answers.h) each turns the
// request record into the answer from the catalogue; fields it does not
// answer travel back as the request held it.
//
// What the requests carry (record fields by tag) and what comes back:
//
//   _KS_getCut              the element's numbers (4 series, 60 frame, 62 sash,
//                           61 mullion, 15 glass, 65/114 beads) and the cut
//                           positions (40000) whose articles name what is cut;
//                           tag 5 = 151 asks for the drawing of one article
//                           (tag 63, else the first article of the positions):
//                           a profile alone, a glazing bead in its profile with
//                           the glass, a roller-shutter box on the element's
//                           head. Answer: the DXF in tag 80, the positions drawn
//                           (40000), one KSP_MATERIAL per part (20000) and the
//                           series' wall connections (49000).
//   _KS_getGlasMaterial     the glass (tag 15, else the glass of the positions):
//                           its KSP_MATERIAL in 20000.
//   _KS_getArtikelDwgKatalog  article or box 63: its catalogue drawing (DXF) in 80.
//   _KS_getColorBlob        colour 63: its picture (JPEG) in 80.
//   _KS_getSprossen         series 4 (else that of article 63), glass 15: bars by
//                           kind in 41000 (1295), 42000 (1296), 43000 (1297),
//                           50000 (8377), each with its default reinforcement.
//   _KS_getArtikelZusatz    series 4, profile 63 (else the profiles of the
//                           positions; 0: every kind): offered accessories in
//                           the openings of 40000; 17000 keeps the entries the
//                           catalogue offers, with their data completed.
//   _KS_getZusatzProfilInfo profile 63 added, with its data, to the openings of
//                           the positions in 40000 (tag 110: 151, 152, 153 one
//                           opening, 0 all three).
//   _KS_addWallProfileToAccessoryForCut  wall connection 63 of series 4: its
//                           profiles replace earlier wall profiles in the
//                           openings (tag 5 as tag 110 above) of 17000.
//   _KS_addDefaultBasisProfile  the series' base profile added to opening 1 of
//                           every position of 17000.
//   _KS_getAufbauprofilOben/-Unten  add-on profiles above / below the frame of
//                           series 4 in the build-on list (ks_list::buildOnProfiles).
//   _KS_getProfileTypesForCut  positions 40000 with every article's
//                           construction type from the catalogue.
//   _KS_getArtikelTextForCut  articles of position 40000: short texts (article
//                           number and name) in 38000, tender text lines in 39000.
//   _KS_getAusstattung      series 4, element code 5: equipment as the zusatz
//                           list of opening 3 of the one position in 40000.

#include "kalksrv/answers.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kalksrv {

void answerCut(Session&, Materialdaten&);
void answerGlassMaterial(Session&, Materialdaten&);
void answerArticleDrawing(Session&, Materialdaten&);
void answerColourPicture(Session&, Materialdaten&);
void answerGlazingBars(Session&, Materialdaten&);
void answerAccessories(Session&, Materialdaten&);
void answerAdditionalProfile(Session&, Materialdaten&);
void answerWallProfiles(Session&, Materialdaten&);
void answerDefaultBaseProfile(Session&, Materialdaten&);
void answerBuildOnTop(Session&, Materialdaten&);
void answerBuildOnBottom(Session&, Materialdaten&);
void answerProfileTypes(Session&, Materialdaten&);
void answerArticleTexts(Session&, Materialdaten&);
void answerEquipment(Session&, Materialdaten&);

// The catalogue drawing of an article or box as the catalogue build stores
// it; empty for an id the catalogue does not hold.
std::string catalogueDrawing(Catalogue& catalogue, int id);

} // namespace kalksrv
