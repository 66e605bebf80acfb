#pragma once
// Whether an element of the given size can take a roller-shutter box: the
// curtain's width and area, and the box's own height and width limits. The
// box dialog checks every choice with them, and a host asks them through
// vm_checkPanzerGroesseWithRollkasten and vm_checkElementHoeheWithRollkasten.

#include "model/records.h"

namespace vm {

// The element's size in millimetres; 0 until the host sets it.
struct ElementSize {
    double width = 0.0;
    double height = 0.0;
};

// True when the box's curtain can cover an element of `width` x `height`
// millimetres: the width and the area (m²) stay within the limits of the
// box's construction type, curtain and box. No box (id 0 or less) and a
// construction type without limits always fit.
bool CheckPanzerGroesse(const velmar_rollkasten& box, double width, double height);

// True when the element is neither higher than the box's height limit
// (size3) nor wider than its width limit (size4). No box always fits.
bool CheckElementHoehe(const velmar_rollkasten& box, double width, double height);

} // namespace vm
