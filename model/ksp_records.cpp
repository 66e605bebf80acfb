#include "model/ksp_records.h"

// --- KSP_MATERIAL ------------------------------------------------------------

void KSP_MATERIAL::write(TStream& stream) const {
    RpcPropertySet set;
    set.version = 1;
    set.addInt(1, int1);
    set.addInt(2, int2);
    set.addWideText(3, text3);
    set.addWideText(4, text4);
    set.addWideText(5, text5);
    set.addText(6, narrow6);
    set.addText(7, narrow7);
    set.addText(8, narrow8);
    set.addText(9, narrow9);
    set.addText(10, narrow10);
    set.addDouble(11, double11);
    set.addDouble(12, double12);
    set.addBool(13, flag13);
    set.addBool(14, flag14);
    set.addInt(15, int15);
    set.addInt(16, int16);
    set.addInt(17, int17);
    set.addInt(18, int18);
    set.addInt(19, int19);
    set.addInt(20, int20);
    set.addInt(21, int21);
    set.addInt(22, int22);
    set.addWideText(23, text23);
    set.addDouble(24, double24);
    set.addDouble(25, double25);
    set.writeTo(stream);
}

bool KSP_MATERIAL::read(TStream& stream) {
    RpcPropertySet set;
    set.readFrom(stream);
    if (set.version >= 2) return false;
    int1 = set.getInt(1);
    int2 = set.getInt(2);
    text3 = set.getWideText(3);
    text4 = set.getWideText(4);
    text5 = set.getWideText(5);
    narrow6 = set.getText(6);
    narrow7 = set.getText(7);
    narrow8 = set.getText(8);
    narrow9 = set.getText(9);
    narrow10 = set.getText(10);
    double11 = set.getDouble(11);
    double12 = set.getDouble(12);
    flag13 = set.getBool(13);
    flag14 = set.getBool(14);
    int15 = set.getInt(15);
    int16 = set.getInt(16);
    int17 = set.getInt(17);
    int18 = set.getInt(18);
    int19 = set.getInt(19);
    int20 = set.getInt(20);
    int21 = set.getInt(21);
    int22 = set.getInt(22);
    text23 = set.getWideText(23);
    double24 = set.getDouble(24);
    double25 = set.getDouble(25);
    return true;
}

// --- KSP_WA_NAMEID -----------------------------------------------------------

void KSP_WA_NAMEID::write(TStream& stream) const {
    RpcPropertySet set;
    set.version = 1;
    set.addInt(1, number);
    set.addWideText(2, name);
    set.writeTo(stream);
}

bool KSP_WA_NAMEID::read(TStream& stream) {
    RpcPropertySet set;
    set.readFrom(stream);
    if (set.version >= 2) return false;
    number = set.getInt(1);
    name = set.getWideText(2);
    return true;
}

// --- KSP_WANDANSCHLUSS -------------------------------------------------------

void KSP_WANDANSCHLUSS::write(TStream& stream) const {
    RpcPropertySet list;
    list.version = 1;
    list.putList(entries, 1);
    TMemoryStream listPacket;
    list.writeTo(listPacket);

    RpcPropertySet set;
    set.version = 1;
    set.putRecord(nameId, 1);
    set.addBlock(2, listPacket.bytes());
    set.writeTo(stream);
}

bool KSP_WANDANSCHLUSS::read(TStream& stream) {
    RpcPropertySet set;
    set.readFrom(stream);
    if (set.version >= 2) return false;
    if (!set.getRecord(nameId, 1)) return false;
    const RpcProperty& item = set.findItem(2);
    if (!item.present) return false;
    RpcPropertySet list;
    TSpanStream listPacket(item.block);
    list.readFrom(listPacket);
    if (list.version >= 2) return false;
    return list.getList(entries, 1);
}
