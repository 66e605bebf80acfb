// JSON form of the records: shape, texts and bytes, and packet round trips by
// type name.

#include <gtest/gtest.h>

#include "model/json_codec.h"

using vmjson::json;

TEST(JsonCodec, ShapeUsesMemberNames) {
    velmar_data d;
    d.zusatzartikel.items.resize(1);
    d.zusatzartikel.items[0].text1 = std::string("a\0\xff", 3);
    d.rahmen.nameId.isDefault_ = true;
    d.text = u"Fl\u00fcgel \U0001F600";
    const json j = vmjson::toJson(d);
    EXPECT_EQ(j["farbe"]["id"], -1);
    EXPECT_EQ(j["rahmen"]["nameId"]["isDefault"], true);
    EXPECT_EQ(j["option3"], false);
    EXPECT_EQ(j["zusatzartikel"][0]["text1"], std::string("a\0\xc3\xbf", 4));
    EXPECT_EQ(j["text"], "Fl\u00fcgel \U0001F600");
    EXPECT_TRUE(vmjson::toJson(velmar_oeffnung_artikel{})["artikel"].is_array());

    velmar_data back;
    vmjson::fromJson(j, back);
    EXPECT_EQ(back, d);
}

TEST(JsonCodec, MissingMembersKeepDefaultsAndBadOnesAreNamed) {
    velmar_data d;
    vmjson::fromJson(json::parse(R"({"system": {"id": 4}})"), d);
    EXPECT_EQ(d.system.id, 4);
    EXPECT_EQ(d.farbe.id, -1);

    auto errorOf = [](const char* text) {
        velmar_data r;
        try {
            vmjson::fromJson(json::parse(text), r);
        } catch (const vmjson::JsonCodecError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_NE(errorOf(R"({"rahmen": {"nameId": {"idd": 1}}})").find("rahmen.nameId.idd"),
              std::string::npos);
    EXPECT_NE(errorOf(R"({"option1": 1})").find("option1"), std::string::npos);
    EXPECT_NE(errorOf(R"({"systemValue": "x"})"), "");
    EXPECT_NE(errorOf(R"({"rahmen": {"konstType": 1.5}})"), "");
    EXPECT_NE(errorOf(R"({"rahmen": {"konstType": 3000000000}})"), "");
    EXPECT_NE(errorOf(R"({"zusatzartikel": [{"text1": "\u0100"}]})"), "");
    EXPECT_EQ(errorOf(R"({"zusatzartikel": [{"text1": "\u00ff"}]})"), "");
}

TEST(JsonCodec, ExchangeRecordKeys) {
    Materialdaten m;
    m.requestKind = 2;
    m.frameSpecialRebate = true;
    m.drawing = {0, 1, 2, 250};
    m.cutPositions.resize(1);
    const json j = vmjson::toJson(m);
    EXPECT_EQ(j["t9"], 2);
    EXPECT_EQ(j["t84"], true);
    EXPECT_EQ(j["t2"], -1.0);
    EXPECT_EQ(j["t80"], "AAEC+g==");
    EXPECT_EQ(j["l40000"].size(), 1u);

    Materialdaten back;
    vmjson::fromJson(j, back);
    EXPECT_EQ(back, m);
    EXPECT_THROW(vmjson::fromJson(json::parse(R"({"t9999": 1})"), back), vmjson::JsonCodecError);
    EXPECT_THROW(vmjson::fromJson(json::parse(R"({"t09": 1})"), back), vmjson::JsonCodecError);
    EXPECT_THROW(vmjson::fromJson(json::parse(R"({"t80": "A"})"), back), vmjson::JsonCodecError);
}

TEST(JsonCodec, TextConversions) {
    for (std::size_t n = 0; n < 8; ++n) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 77));
        EXPECT_EQ(vmjson::base64Decode(vmjson::base64Encode(bytes)), bytes);
    }
    EXPECT_EQ(vmjson::utf8FromWide(u"a\xd800z"), "a\xef\xbf\xbdz");         // lone surrogate
    EXPECT_THROW(vmjson::wideFromUtf8("\xc0\x80"), vmjson::JsonCodecError); // overlong
    EXPECT_THROW(vmjson::wideFromUtf8("\xe2\x82"), vmjson::JsonCodecError); // truncated
    EXPECT_EQ(vmjson::wideFromUtf8("\xf0\x9f\x98\x80"), u"\U0001F600");
}

TEST(JsonCodec, EncodeThenDecodeGivesTheSameJsonForEveryType) {
    for (std::string_view type : vmjson::recordTypes()) {
        std::string error;
        const auto first = vmjson::encodePacket(type, json::object(), &error);
        ASSERT_TRUE(first) << type << ": " << error;
        const auto decoded = vmjson::decodePacket(type, *first, &error);
        ASSERT_TRUE(decoded) << type << ": " << error;
        EXPECT_TRUE(decoded->read) << type;
        const auto second = vmjson::encodePacket(type, decoded->record, &error);
        ASSERT_TRUE(second) << type << ": " << error;
        EXPECT_EQ(*second, *first) << type;
    }
    std::string error;
    EXPECT_FALSE(vmjson::encodePacket("velmar_glas", json::object(), &error));
    EXPECT_FALSE(error.empty());
    const std::vector<std::uint8_t> junk{1, 2, 3};
    EXPECT_FALSE(vmjson::decodePacket("velmar_data", junk, &error));
    EXPECT_NE(error.find("malformed"), std::string::npos);
}
