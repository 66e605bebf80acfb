#pragma once
// The article and coupling dialogs as the rows and the host's article query
// open them: on the form's service and request, with the candidate's
// reinforcements preselected.

#include <optional>
#include <vector>

#include "dialogs/Artikeldlg.h"
#include "dialogs/Kopplungdlg.h"

class QWidget;

namespace vm {

class FormState;

// The article dialog on `list` (article type `konstType`) with `number`
// current.
std::optional<TArtikelForm::Result> AskArticle(FormState& state, QWidget* owner,
                                               const std::vector<velmar_artikel>& list,
                                               int konstType, int number, bool withReinforcement);
// The coupling dialog on `list` with `number` current.
std::optional<TKopplungForm::Result>
AskCoupling(FormState& state, QWidget* owner, const std::vector<velmar_artikel>& list, int number);

} // namespace vm
