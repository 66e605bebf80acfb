#pragma once
// The element's Uw from what the form holds: its record (profiles, glass
// with Ug and PsiG), the element's size and cut positions, and the face
// widths the service answers for the profiles.

struct velmar_uw;
class TForm1;

namespace vm {

// Fills `result` and returns true; false (with `result` untouched) where a
// value is missing or the service does not answer face widths.
bool FormUw(TForm1& form, velmar_uw& result);

} // namespace vm
