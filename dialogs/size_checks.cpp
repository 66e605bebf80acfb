#include "dialogs/size_checks.h"

#include <optional>

namespace vm {

namespace {

// Rounding of the stored limits: a size equal to a limit fits.
constexpr double kMargin = 0.000001;

// Construction types of the boxes whose curtains have limits.
constexpr int kAufsatzkasten = 7401;
constexpr int kAufsatzkastenInsekt = 7405;
constexpr int kVorbaukasten = 8708;
constexpr int kVorbaukastenGross = 8715;

// Curtains with limits of their own.
constexpr int kAluPanzer39 = 7948;
constexpr int kAluPanzer55 = 8749;

struct CurtainLimits {
    double width; // mm
    double area;  // m²
    double margin;
};

// The limits for box `box` of construction type `type` with curtain
// `curtain`; none for a type without limits. The front-mounted boxes' limits
// carry their margin already.
std::optional<CurtainLimits> LimitsOf(int box, int type, int curtain) {
    const bool alu = curtain == kAluPanzer39;
    switch (type) {
    case kAufsatzkasten:
        switch (box) {
        case 9279:
            return CurtainLimits{2510, alu ? 4.4 : 4.7, kMargin};
        case 9284:
            return CurtainLimits{2510, alu ? 6.0 : 6.8, kMargin};
        case 9286:
            return CurtainLimits{2510, alu ? 9.6 : 10.3, kMargin};
        default:
            return CurtainLimits{alu ? 2800.0 : 2000.0, alu ? 6.2 : 2.9, kMargin};
        }
    case kAufsatzkastenInsekt:
        if (box == 9287 || box == 9289) return CurtainLimits{2500, 6.8, kMargin};
        return CurtainLimits{alu ? 3000.0 : 2200.0, alu ? 8.0 : 4.6, kMargin};
    case kVorbaukasten:
        if (curtain == kAluPanzer55) return CurtainLimits{4000.000001, 9.000001, 0.0};
        return CurtainLimits{2500.000001, 4.900001, 0.0};
    case kVorbaukastenGross:
        return CurtainLimits{5000.000001, 15.000001, 0.0};
    default:
        return std::nullopt;
    }
}

} // namespace

bool CheckPanzerGroesse(const velmar_rollkasten& box, double width, double height) {
    if (box.box.id <= 0) return true;
    const auto limits = LimitsOf(box.box.id, box.part2.id, box.part4.id);
    if (!limits) return true;
    const double area = width * height * 0.000001;
    return !(width > limits->width + limits->margin) && !(area > limits->area + limits->margin);
}

bool CheckElementHoehe(const velmar_rollkasten& box, double width, double height) {
    if (box.box.id <= 0) return true;
    return !(height > box.size3 + kMargin) && !(width > box.size4 + kMargin);
}

} // namespace vm
