#pragma once
// The host's queries on one instance: each works on the configuration the
// form holds, with a request of the form's own, and leaves the form's rows
// and current numbers as they are unless its name says otherwise.

#include <string>
#include <vector>

#include "model/records.h"

class QV_C_DataBase;
class TForm1;

namespace vm {

int GetCut(TForm1& form, const velmar_cut& cut, QV_C_DataBase& database, velmar_CutInfo& info,
           std::string& text);
void CheckAccessoryForCut(TForm1& form, std::vector<velmar_cutpos>& positions);
int AddProfileToAccessoryForCut(TForm1& form, velmar_cutpos& position, int article, int side);
bool AddWallProfileToAccessoryForCut(TForm1& form, std::vector<velmar_cutpos>& positions,
                                     int wallConnection, int series, int side, int frame);
void RemoveProfileTypeFromAccessories(std::vector<velmar_cutpos>& positions, int konstType);
void GetProfileTypesForCut(TForm1& form, std::vector<velmar_cutpos>& positions, int elementCode);
int ChangeArtikel(TForm1& form, velmar_artikel& article, int konstType, bool withReinforcement);
int ChangeGlas(TForm1& form, velmar_artikel& glass, velmar_artikel& glazingBead,
               const velmar_artikel& profile, int series, int elementCode, bool showGlazingBeads);
void SetGlaeser(TForm1& form, const velmar_vector<velmar_glas>& glasses);
int CorrectGlas(TForm1& form, velmar_artikel& glass, velmar_artikel& glazingBead, int profile,
                int profileKonstType, bool withGlazingBead);
int CorrectGlasses(TForm1& form, std::vector<velmar_cutpos>& positions, int withGlazingBeads);
int GetAufbauprofil(TForm1& form, const velmar_cutpos& position, int sash, int series, bool top,
                    velmar_artikel& profile);
void AddDefaultBasisProfile(TForm1& form, std::vector<velmar_cutpos>& positions);

} // namespace vm
