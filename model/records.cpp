#include "model/records.h"

namespace {

// A set that a record writer fills: version 1.
RpcPropertySet newRecordSet() {
    RpcPropertySet set;
    set.version = 1;
    return set;
}

// Reads a packet for a record reader; false when the record must reject it
// (version 2 or higher). A malformed packet reads as one without items.
bool readRecordSet(RpcPropertySet& set, TStream& stream) {
    set.readFrom(stream);
    return set.version < 2;
}

// One link of a read chain: reads the nested member only while the chain holds.
void chain(bool& ok, const RpcPropertySet& set, RpcReadWrite& member, std::uint32_t id) {
    if (ok) ok = set.getRecord(member, id);
}

} // namespace

// --- velmar_nameid -----------------------------------------------------------

void velmar_nameid::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.addInt(1, id);
    set.addWideText(2, name);
    set.addBool(3, isDefault_);
    set.addInt(4, intValue);
    set.addDouble(5, value1);
    set.addDouble(6, value2);
    set.writeTo(stream);
}

bool velmar_nameid::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    id = set.getInt(1);
    name = set.getWideText(2);
    isDefault_ = set.getBool(3);
    intValue = set.getInt(4);
    value1 = set.getDouble(5);
    value2 = set.getDouble(6);
    return true;
}

// --- velmar_stahl ------------------------------------------------------------

void velmar_stahl::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putRecord(nameId, 1);
    set.addBool(2, flag);
    set.addDouble(3, value1);
    set.addDouble(4, value2);
    set.addDouble(5, value3);
    set.addWideText(6, text);
    set.writeTo(stream);
}

bool velmar_stahl::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    bool ok = true;
    chain(ok, set, nameId, 1);
    flag = set.getBool(2);
    value1 = set.getDouble(3);
    value2 = set.getDouble(4);
    value3 = set.getDouble(5);
    text = set.getWideText(6);
    return ok;
}

// --- velmar_artikel ----------------------------------------------------------

void velmar_artikel::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putRecord(nameId, 1);
    set.putRecord(steel1, 2);
    set.putRecord(steel2, 3);
    set.putRecord(steel3, 4);
    set.addWideText(5, text1);
    set.addDouble(6, value1);
    set.addInt(7, intValue);
    set.addDouble(8, value2);
    set.addInt(9, konstType);
    set.addWideText(10, text2);
    set.writeTo(stream);
}

bool velmar_artikel::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    bool ok = true;
    chain(ok, set, nameId, 1);
    chain(ok, set, steel1, 2);
    chain(ok, set, steel2, 3);
    chain(ok, set, steel3, 4);
    text1 = set.getWideText(5);
    value1 = set.getDouble(6);
    intValue = set.getInt(7);
    value2 = set.getDouble(8);
    konstType = set.getInt(9);
    text2 = set.getWideText(10);
    return ok;
}

WideText velmar_artikel::getName() const {
    // Type 43 articles are shown with their first reinforcement.
    if (konstType == 43 && steel1.nameId.id > 0 && !steel1.nameId.name.empty())
        return nameId.name + u", " + steel1.nameId.name;
    return nameId.name;
}

// --- velmar_zusatzartikel ----------------------------------------------------

void velmar_zusatzartikel::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putRecord(artikel, 1);
    set.putRecord(nameId, 2);
    set.addInt(3, intValue1);
    set.addInt(4, intValue2);
    set.addText(5, text1);
    set.addText(6, text2);
    set.addText(7, text3);
    set.addInt(8, intValue3);
    set.addInt(9, intValue4);
    set.writeTo(stream);
}

bool velmar_zusatzartikel::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    bool ok = true;
    chain(ok, set, artikel, 1);
    chain(ok, set, nameId, 2);
    intValue1 = set.getInt(3);
    intValue2 = set.getInt(4);
    text1 = set.getText(5);
    text2 = set.getText(6);
    text3 = set.getText(7);
    intValue3 = set.getInt(8);
    intValue4 = set.getInt(9);
    return ok;
}

// --- velmar_rollkasten -------------------------------------------------------

void velmar_rollkasten::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putRecord(box, 1);
    set.putRecord(part2, 2);
    set.addDouble(5, size1);
    set.addDouble(6, size2);
    set.addDouble(7, size3);
    set.addDouble(8, size5);
    set.addDouble(9, size6);
    set.putRecord(accessory1, 10);
    set.putRecord(accessory2, 11);
    set.putRecord(part3, 12);
    set.putRecord(part4, 13);
    set.addBool(14, flag1);
    set.addBool(15, flag2);
    set.putRecord(part5, 16);
    set.addDouble(17, size4);
    set.addInt(18, intValue);
    set.writeTo(stream);
}

bool velmar_rollkasten::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    bool ok = true;
    chain(ok, set, box, 1);
    chain(ok, set, part2, 2);
    size1 = set.getDouble(5);
    size2 = set.getDouble(6);
    size3 = set.getDouble(7);
    size5 = set.getDouble(8);
    size6 = set.getDouble(9);
    chain(ok, set, accessory1, 10);
    chain(ok, set, accessory2, 11);
    chain(ok, set, part3, 12);
    chain(ok, set, part4, 13);
    flag1 = set.getBool(14);
    flag2 = set.getBool(15);
    // The curtain colour came later to the box: read whatever the chain gave,
    // without effect on the result.
    set.getRecord(part5, 16);
    size4 = set.getDouble(17);
    intValue = set.getInt(18);
    return ok;
}

// --- velmar_vec_artikel ------------------------------------------------------

void velmar_vec_artikel::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putList(items, 1);
    set.writeTo(stream);
}

bool velmar_vec_artikel::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    return set.getList(items, 1);
}

// --- velmar_oeffnung_artikel -------------------------------------------------

void velmar_oeffnung_artikel::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.addInt(1, number);
    set.putRecord(artikel, 2);
    set.putList(zusatz, 1000);
    set.writeTo(stream);
}

bool velmar_oeffnung_artikel::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    number = set.getInt(1);
    bool ok = true;
    chain(ok, set, artikel, 2);
    if (ok) ok = set.getList(zusatz, 1000);
    return ok;
}

// --- velmar_cutpos -----------------------------------------------------------

void velmar_cutpos::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.addInt(1, number);
    set.putRecord(opening1, 2);
    set.putRecord(opening2, 3);
    set.putRecord(opening3, 4);
    set.addBool(5, flag1);
    set.addDouble(6, value1);
    set.addDouble(7, value2);
    set.addBool(8, flag2);
    set.addInt(9, intValue);
    set.writeTo(stream);
}

bool velmar_cutpos::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    number = set.getInt(1);
    bool ok = true;
    chain(ok, set, opening1, 2);
    chain(ok, set, opening2, 3);
    chain(ok, set, opening3, 4);
    flag1 = set.getBool(5);
    value1 = set.getDouble(6);
    value2 = set.getDouble(7);
    flag2 = set.getBool(8);
    intValue = set.getInt(9);
    return ok;
}

// --- velmar_data -------------------------------------------------------------

velmar_data::velmar_data() {
    farbe.id = -1;
}

void velmar_data::write(TStream& stream) const {
    RpcPropertySet set = newRecordSet();
    set.putRecord(rahmen, 1);
    set.putRecord(fluegel, 2);
    set.putRecord(pfosten, 3);
    set.putRecord(stulp, 4);
    set.putRecord(system, 5);
    set.putRecord(glas, 6);
    set.putRecord(glasleisteF, 7);
    set.putRecord(selection2, 8);
    set.addDouble(9, systemValue);
    set.addDouble(13, ufValue);
    set.putRecord(profile6, 15);
    set.putRecord(profile7, 16);
    set.putRecord(profile9, 17);
    set.putRecord(glasleisteR, 18);
    set.putRecord(farbe, 19);
    set.addBool(20, option1);
    set.putRecord(kopplungSenk, 21);
    set.putRecord(kopplungWaag, 22);
    set.addBool(23, option2);
    set.putRecord(rollkasten, 24);
    set.addWideText(25, text);
    set.putRecord(profile8, 26);
    set.putRecord(zusatzartikel, 27);
    set.writeTo(stream);
}

bool velmar_data::read(TStream& stream) {
    RpcPropertySet set;
    if (!readRecordSet(set, stream)) return false;
    bool ok = true;
    chain(ok, set, rahmen, 1);
    chain(ok, set, fluegel, 2);
    chain(ok, set, pfosten, 3);
    chain(ok, set, stulp, 4);
    chain(ok, set, system, 5);
    chain(ok, set, glas, 6);
    chain(ok, set, glasleisteF, 7);
    chain(ok, set, selection2, 8);
    systemValue = set.getDouble(9);
    ufValue = set.getDouble(13);
    chain(ok, set, profile6, 15);
    chain(ok, set, profile7, 16);
    chain(ok, set, profile9, 17);
    chain(ok, set, glasleisteR, 18);
    chain(ok, set, farbe, 19);
    option1 = set.getBool(20);
    chain(ok, set, kopplungSenk, 21);
    chain(ok, set, kopplungWaag, 22);
    option2 = set.getBool(23);
    chain(ok, set, rollkasten, 24);
    text = set.getWideText(25);
    // Later additions to the record: read whatever the chain gave, without
    // effect on the result, so older packets still read as complete.
    set.getRecord(profile8, 26);
    set.getRecord(zusatzartikel, 27);
    return ok;
}
