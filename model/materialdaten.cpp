#include "model/materialdaten.h"

#include <array>
#include <type_traits>

namespace {

using M = Materialdaten;
using R = Materialdaten::WriteRule;

// Every scalar field of the exchange record: member, tag, write rule. The one
// place where tags of scalar fields are named.
const std::array<M::ScalarField, 58> kScalars{{
    {"hostKey1", 1, &M::hostKey1, R::Always},
    {"hostKey2", 3, &M::hostKey2, R::Always},
    {"requestKind", 9, &M::requestKind, R::Always},
    {"psiG", 2, &M::psiG, R::Always},
    {"systemId", 4, &M::systemId, R::Positive},
    {"elementForm", 7, &M::elementForm, R::Positive},
    {"spareInt1", 8, &M::spareInt1, R::Positive},
    {"elementCode", 5, &M::elementCode, R::Positive},
    {"elementSubcode", 123, &M::elementSubcode, R::Positive},
    {"glassId", 15, &M::glassId, R::Positive},
    {"colourId", 10, &M::colourId, R::Positive},
    {"queryColour", 11, &M::queryColour, R::Positive},
    {"spareInt2", 6, &M::spareInt2, R::PositiveOrSeries},
    {"spareInt3", 27, &M::spareInt3, R::Positive},
    {"spareInt4", 67, &M::spareInt4, R::Positive},
    {"frameId", 60, &M::frameId, R::Positive},
    {"mullionId", 61, &M::mullionId, R::Positive},
    {"sashId", 62, &M::sashId, R::Positive},
    {"astragalId", 64, &M::astragalId, R::Positive},
    {"articleId", 63, &M::articleId, R::Positive},
    {"beadSashSideId", 65, &M::beadSashSideId, R::Positive},
    {"beadFrameSideId", 114, &M::beadFrameSideId, R::Positive},
    {"curtainId", 66, &M::curtainId, R::Positive},
    {"profile6Id", 111, &M::profile6Id, R::Positive},
    {"profile7Id", 112, &M::profile7Id, R::Positive},
    {"profile9Id", 113, &M::profile9Id, R::Positive},
    {"couplingVerticalId", 119, &M::couplingVerticalId, R::Positive},
    {"couplingHorizontalId", 121, &M::couplingHorizontalId, R::Positive},
    {"cutSecondValue", 122, &M::cutSecondValue, R::Positive},
    {"profile8Id", 124, &M::profile8Id, R::Positive},
    {"spareInt5", 104, &M::spareInt5, R::Positive},
    {"spareInt6", 105, &M::spareInt6, R::Always},
    {"rollerShutterMax", 81, &M::rollerShutterMax, R::Positive},
    {"rollerShutterMin", 82, &M::rollerShutterMin, R::Positive},
    {"spareInt7", 115, &M::spareInt7, R::Positive},
    {"cutText", 116, &M::cutText, R::NotEmpty},
    {"drawing", 80, &M::drawing, R::Never},
    {"spareBlock", 86, &M::spareBlock, R::Never},
    {"spareText1", 28, &M::spareText1, R::NotEmpty},
    {"spareText2", 87, &M::spareText2, R::NotEmpty},
    {"spareText3", 88, &M::spareText3, R::NotEmpty},
    {"spareText4", 89, &M::spareText4, R::NotEmpty},
    {"spareText5", 90, &M::spareText5, R::NotEmpty},
    {"spareText6", 91, &M::spareText6, R::NotEmpty},
    {"spareText7", 92, &M::spareText7, R::NotEmpty},
    {"spareText8", 93, &M::spareText8, R::NotEmpty},
    {"thermalValue", 14, &M::thermalValue, R::Positive},
    {"firstDimension", 12, &M::firstDimension, R::Positive},
    {"secondDimension", 13, &M::secondDimension, R::Positive},
    {"glassWeight", 19, &M::glassWeight, R::Positive},
    {"queryArgument", 110, &M::queryArgument, R::Always},
    {"frameSpecialRebate", 84, &M::frameSpecialRebate, R::Always},
    {"fireProtectionOk", 83, &M::fireProtectionOk, R::Always},
    {"option1", 106, &M::option1, R::Always},
    {"serviceFlag", 117, &M::serviceFlag, R::Always},
    {"option2", 118, &M::option2, R::Always},
    {"sashSpecialRebate", 120, &M::sashSpecialRebate, R::Always},
    {"option3", 125, &M::option3, R::Always},
}};

// Order in which write() appends the scalar items; the service's own copy of
// this record writes the same order, so packets compare byte for byte.
const std::array<int, 56> kScalarWriteOrder{
    1,   9,   3,  2,   4,   8,   7,   5,   123, 15, 10, 11, 6,  27, 60, 62,  61,  64,  63,
    65,  114, 67, 119, 121, 122, 66,  104, 105, 81, 82, 14, 12, 13, 19, 111, 112, 113, 115,
    124, 83,  84, 106, 117, 118, 120, 125, 28,  87, 88, 89, 90, 91, 92, 93,  110, 116};

// Every list: member and base tag.
const std::array<M::ListField, 26> kLists{{
    {"systems", ks_list::systems, &M::systems},
    {"colours", ks_list::colours, &M::colours},
    {"ornaments", ks_list::ornaments, &M::ornaments},
    {"spareNameIds1", ks_list::spareNameIds1, &M::spareNameIds1},
    {"spareNameIds2", ks_list::spareNameIds2, &M::spareNameIds2},
    {"reinforcements", ks_list::reinforcements, &M::reinforcements},
    {"frames", ks_list::frames, &M::frames},
    {"sashes", ks_list::sashes, &M::sashes},
    {"mullions", ks_list::mullions, &M::mullions},
    {"astragals", ks_list::astragals, &M::astragals},
    {"articleTexts1", ks_list::articleTexts1, &M::articleTexts1},
    {"beadsSashSide", ks_list::beadsSashSide, &M::beadsSashSide},
    {"beadsFrameSide", ks_list::beadsFrameSide, &M::beadsFrameSide},
    {"barsGlassDividing", ks_list::barsGlassDividing, &M::barsGlassDividing},
    {"barsAdhesive", ks_list::barsAdhesive, &M::barsAdhesive},
    {"barsInternal", ks_list::barsInternal, &M::barsInternal},
    {"barsViennese", ks_list::barsViennese, &M::barsViennese},
    {"glasses", ks_list::glasses, &M::glasses},
    {"couplingsVertical", ks_list::couplingsVertical, &M::couplingsVertical},
    {"couplingsHorizontal", ks_list::couplingsHorizontal, &M::couplingsHorizontal},
    {"rollerShutterBoxes", ks_list::rollerShutterBoxes, &M::rollerShutterBoxes},
    {"spareNameIds3", ks_list::spareNameIds3, &M::spareNameIds3},
    {"cutPositions", ks_list::cutPositions, &M::cutPositions},
    {"accessoryPositions", ks_list::accessoryPositions, &M::accessoryPositions},
    {"materials", ks_list::materials, &M::materials},
    {"wallConnections", ks_list::wallConnections, &M::wallConnections},
}};

const std::array<int, 26> kListWriteOrder{
    1000, 2000,  3000,  18000, 38000, 39000, 44000, 45000, 47000, 48000, 51000, 4000,  7000,
    5000, 16000, 13000, 6000,  46000, 17000, 20000, 49000, 40000, 41000, 42000, 43000, 50000};

// Systems whose requests always carry tag 6.
bool seriesSendsSpareInt2(int systemId) {
    return systemId == 8404 || systemId == 10089 || systemId == 9541;
}

template <class T> T* fieldAs(Materialdaten& m, const M::ScalarField* f) {
    if (!f) return nullptr;
    if (auto p = std::get_if<T M::*>(&f->member)) return &(m.**p);
    return nullptr;
}

template <class T> std::vector<T>* listAs(Materialdaten& m, const M::ListField* f) {
    if (!f) return nullptr;
    if (auto p = std::get_if<std::vector<T> M::*>(&f->member)) return &(m.**p);
    return nullptr;
}

} // namespace

std::span<const M::ScalarField> Materialdaten::scalarFields() {
    return kScalars;
}
std::span<const int> Materialdaten::scalarWriteOrder() {
    return kScalarWriteOrder;
}
std::span<const M::ListField> Materialdaten::listFields() {
    return kLists;
}
std::span<const int> Materialdaten::listWriteOrder() {
    return kListWriteOrder;
}

const M::ScalarField* Materialdaten::scalarField(int tag) {
    for (const ScalarField& f : kScalars)
        if (f.tag == tag) return &f;
    return nullptr;
}

const M::ListField* Materialdaten::listField(int base) {
    for (const ListField& f : kLists)
        if (f.base == base) return &f;
    return nullptr;
}

int* Materialdaten::intField(int tag) {
    return fieldAs<int>(*this, scalarField(tag));
}
double* Materialdaten::doubleField(int tag) {
    return fieldAs<double>(*this, scalarField(tag));
}
bool* Materialdaten::flagField(int tag) {
    return fieldAs<bool>(*this, scalarField(tag));
}
WideText* Materialdaten::textField(int tag) {
    return fieldAs<WideText>(*this, scalarField(tag));
}
std::vector<std::uint8_t>* Materialdaten::blockField(int tag) {
    return fieldAs<std::vector<std::uint8_t>>(*this, scalarField(tag));
}
std::vector<velmar_nameid>* Materialdaten::nameidList(int base) {
    return listAs<velmar_nameid>(*this, listField(base));
}
std::vector<velmar_stahl>* Materialdaten::stahlList(int base) {
    return listAs<velmar_stahl>(*this, listField(base));
}
std::vector<velmar_artikel>* Materialdaten::artikelList(int base) {
    return listAs<velmar_artikel>(*this, listField(base));
}
std::vector<velmar_rollkasten>* Materialdaten::rollkastenList(int base) {
    return listAs<velmar_rollkasten>(*this, listField(base));
}
std::vector<velmar_cutpos>* Materialdaten::cutposList(int base) {
    return listAs<velmar_cutpos>(*this, listField(base));
}
std::vector<KSP_MATERIAL>* Materialdaten::materialList(int base) {
    return listAs<KSP_MATERIAL>(*this, listField(base));
}
std::vector<KSP_WANDANSCHLUSS>* Materialdaten::wallConnectionList(int base) {
    return listAs<KSP_WANDANSCHLUSS>(*this, listField(base));
}

// Whether a scalar travels in a request, by its write rule.
bool Materialdaten::sends(const ScalarField& f) const {
    return std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(this->*member)>;
            const T& v = this->*member;
            if constexpr (std::is_same_v<T, int>)
                return f.rule == WriteRule::Always || v > 0 ||
                       (f.rule == WriteRule::PositiveOrSeries && seriesSendsSpareInt2(systemId));
            else if constexpr (std::is_same_v<T, double>)
                return f.rule == WriteRule::Always || v > 0.0;
            else if constexpr (std::is_same_v<T, bool>)
                return true;
            else if constexpr (std::is_same_v<T, WideText>)
                return !v.empty();
            else
                return false; // blocks are answer-only
        },
        f.member);
}

bool Materialdaten::write() {
    std::size_t count = 0;
    for (int tag : kScalarWriteOrder) count += sends(*scalarField(tag)) ? 1 : 0;
    for (const ListField& f : kLists)
        std::visit(
            [&](auto member) { count += PacketWriter::listItems(this->*member, listCapacity); },
            f.member);
    return writeOwnPacket([&](PacketWriter& out) {
        const PacketWriter::Frame frame = out.open(count, version, header);
        for (int tag : kScalarWriteOrder) {
            const ScalarField& f = *scalarField(tag);
            if (!sends(f)) continue;
            const auto id = static_cast<std::uint32_t>(tag);
            std::visit(
                [&](auto member) {
                    using T = std::remove_cvref_t<decltype(this->*member)>;
                    const T& v = this->*member;
                    if constexpr (std::is_same_v<T, int>)
                        out.putInt(id, v);
                    else if constexpr (std::is_same_v<T, double>)
                        out.putDouble(id, v);
                    else if constexpr (std::is_same_v<T, bool>)
                        out.putBool(id, v);
                    else if constexpr (std::is_same_v<T, WideText>)
                        out.putWideText(id, v);
                },
                f.member);
        }
        for (int base : kListWriteOrder)
            std::visit(
                [&](auto member) {
                    out.putList(static_cast<std::uint32_t>(base), this->*member, listCapacity);
                },
                listField(base)->member);
        out.close(frame);
    });
}

void Materialdaten::read() {
    for (const ScalarField& f : kScalars) {
        const RpcProperty& item = findItem(static_cast<std::uint32_t>(f.tag));
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(this->*member)>;
                T& v = this->*member;
                if constexpr (std::is_same_v<T, int>)
                    v = item.getInt();
                else if constexpr (std::is_same_v<T, double>)
                    v = item.getDouble();
                else if constexpr (std::is_same_v<T, bool>)
                    v = item.getByte() != 0;
                else if constexpr (std::is_same_v<T, WideText>)
                    rpc_packet::assignWide(v, item.block);
                else
                    v.assign(item.block.begin(), item.block.end());
            },
            f.member);
    }
    for (const ListField& f : kLists) {
        std::visit(
            [&](auto member) {
                getList(this->*member, static_cast<std::uint32_t>(f.base), listCapacity);
            },
            f.member);
    }
}

void Materialdaten::fillFrom(const velmar_data& data) {
    systemId = data.system.getId();
    glassId = data.glas.getId();
    beadSashSideId = data.glasleisteF.getId();
    beadFrameSideId = data.glasleisteR.getId();
    frameId = data.rahmen.getId();
    sashId = data.fluegel.getId();
    mullionId = data.pfosten.getId();
    astragalId = data.stulp.getId();
    profile6Id = data.profile6.getId();
    profile7Id = data.profile7.getId();
    profile9Id = data.profile9.getId();
    couplingVerticalId = data.kopplungSenk.getId();
    couplingHorizontalId = data.kopplungWaag.getId();
    profile8Id = data.profile8.getId();
    colourId = data.farbe.getId();
}

bool Materialdaten::operator==(const Materialdaten& other) const {
    for (const ScalarField& f : kScalars) {
        const bool same =
            std::visit([&](auto member) { return this->*member == other.*member; }, f.member);
        if (!same) return false;
    }
    for (const ListField& f : kLists) {
        const bool same =
            std::visit([&](auto member) { return this->*member == other.*member; }, f.member);
        if (!same) return false;
    }
    return true;
}
