#pragma once
// The element's Uw from what the form holds: its record (profiles, glass
// with Ug and PsiG), the element's size and cut positions, and the face
// widths the service answers for the profiles. No Qt.

struct velmar_uw;

namespace vm {

class FormState;

// Fills `result` and returns true; false (with `result` untouched) where a
// value is missing or the service does not answer face widths.
bool FormUw(FormState& form, velmar_uw& result);

} // namespace vm
