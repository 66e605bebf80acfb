#include "model/json_codec.h"

#include "model/record_fields.h"

#include <climits>
#include <cmath>
#include <type_traits>

namespace vmjson {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw JsonCodecError((path.empty() ? std::string("record") : path) + ": " + what);
}

// Calls f(name, member) for every member of a record, in declaration order,
// from the record's field table.
template <class R, class F> void forEachField(R& r, F&& f) {
    rpc_fields::forEach<std::remove_const_t<R>>(
        [&](const auto& field) { f(field.name, r.*field.member); });
}

template <class T> struct IsVector : std::false_type {};
template <class T> struct IsVector<std::vector<T>> : std::true_type {};
template <class T> struct IsVelmarVector : std::false_type {};
template <class T> struct IsVelmarVector<velmar_vector<T>> : std::true_type {};

// ---- to JSON -------------------------------------------------------------------

template <class T> json valueToJson(const T& v) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int>) {
        return json(v);
    } else if constexpr (std::is_same_v<T, double>) {
        return std::isfinite(v) ? json(v) : json(nullptr);
    } else if constexpr (std::is_same_v<T, WideText>) {
        return json(utf8FromWide(v));
    } else if constexpr (std::is_same_v<T, NarrowText>) {
        return json(utf8FromBytes(v));
    } else if constexpr (IsVector<T>::value) {
        json a = json::array();
        for (const auto& e : v) a.push_back(valueToJson(e));
        return a;
    } else if constexpr (IsVelmarVector<T>::value || std::is_same_v<T, velmar_vec_artikel>) {
        return valueToJson(v.items);
    } else {
        json o = json::object();
        forEachField(v,
                     [&](const char* name, const auto& member) { o[name] = valueToJson(member); });
        return o;
    }
}

// ---- from JSON -----------------------------------------------------------------

std::string typeName(const json& j) {
    return j.type_name();
}

template <class T> void valueFromJson(const json& j, T& v, const std::string& path) {
    if constexpr (std::is_same_v<T, bool>) {
        if (!j.is_boolean()) fail(path, "expected true or false, got " + typeName(j));
        v = j.get<bool>();
    } else if constexpr (std::is_same_v<T, int>) {
        if (j.is_number_integer()) {
            const auto n = j.get<std::int64_t>();
            if (j.is_number_unsigned() ? j.get<std::uint64_t>() > INT_MAX
                                       : n < INT_MIN || n > INT_MAX)
                fail(path, "integer out of range");
            v = static_cast<int>(n);
        } else {
            fail(path, "expected an integer, got " + typeName(j));
        }
    } else if constexpr (std::is_same_v<T, double>) {
        if (j.is_null())
            v = 0.0;
        else if (j.is_number())
            v = j.get<double>();
        else
            fail(path, "expected a number, got " + typeName(j));
    } else if constexpr (std::is_same_v<T, WideText> || std::is_same_v<T, NarrowText>) {
        if (!j.is_string()) fail(path, "expected a string, got " + typeName(j));
        try {
            if constexpr (std::is_same_v<T, WideText>)
                v = wideFromUtf8(j.get_ref<const std::string&>());
            else
                v = bytesFromUtf8(j.get_ref<const std::string&>());
        } catch (const JsonCodecError& e) {
            fail(path, e.what());
        }
    } else if constexpr (IsVector<T>::value) {
        if (!j.is_array()) fail(path, "expected an array, got " + typeName(j));
        T out;
        out.reserve(j.size());
        for (std::size_t i = 0; i < j.size(); ++i) {
            typename T::value_type e{};
            valueFromJson(j[i], e, path + "[" + std::to_string(i) + "]");
            out.push_back(std::move(e));
        }
        v = std::move(out);
    } else if constexpr (IsVelmarVector<T>::value || std::is_same_v<T, velmar_vec_artikel>) {
        valueFromJson(j, v.items, path);
    } else {
        if (!j.is_object()) fail(path, "expected an object, got " + typeName(j));
        std::size_t known = 0;
        forEachField(v, [&](const char* name, auto& member) {
            const auto it = j.find(name);
            if (it == j.end()) return;
            ++known;
            valueFromJson(*it, member, path.empty() ? name : path + "." + name);
        });
        if (known != j.size()) {
            for (auto it = j.begin(); it != j.end(); ++it) {
                const std::string& key = it.key();
                bool found = false;
                forEachField(v, [&](const char* name, auto&) { found = found || key == name; });
                if (!found) fail(path.empty() ? key : path + "." + key, "unknown member");
            }
        }
    }
}

template <class R> void recordFromJson(const json& j, R& r) {
    valueFromJson(j, r, std::string());
}

// ---- Materialdaten ---------------------------------------------------------------

json materialdatenToJson(const Materialdaten& m) {
    json o = json::object();
    for (const auto& f : Materialdaten::scalarFields()) {
        const std::string key = "t" + std::to_string(f.tag);
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(m.*member)>;
                if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>)
                    o[key] = base64Encode(m.*member);
                else
                    o[key] = valueToJson(m.*member);
            },
            f.member);
    }
    for (const auto& f : Materialdaten::listFields())
        std::visit([&](auto member) { o["l" + std::to_string(f.base)] = valueToJson(m.*member); },
                   f.member);
    return o;
}

// The tag of a "t<tag>" / "l<base>" key; -1 when the key has another form.
int keyNumber(const std::string& key, char prefix) {
    if (key.size() < 2 || key.size() > 7 || key[0] != prefix) return -1;
    int n = 0;
    for (std::size_t i = 1; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return -1;
        n = n * 10 + (key[i] - '0');
    }
    return std::to_string(n) == key.substr(1) ? n : -1;
}

void materialdatenFromJson(const json& j, Materialdaten& m) {
    if (!j.is_object()) fail("", "expected an object, got " + typeName(j));
    // (No structured bindings: lambdas below capture key and value.)
    for (auto it = j.begin(); it != j.end(); ++it) {
        const std::string& key = it.key();
        const json& value = it.value();
        if (const auto* f = Materialdaten::scalarField(keyNumber(key, 't'))) {
            std::visit(
                [&](auto member) {
                    using T = std::remove_cvref_t<decltype(m.*member)>;
                    if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
                        if (!value.is_string()) fail(key, "expected a base64 string");
                        try {
                            m.*member = base64Decode(value.template get_ref<const std::string&>());
                        } catch (const JsonCodecError& e) {
                            fail(key, e.what());
                        }
                    } else {
                        valueFromJson(value, m.*member, key);
                    }
                },
                f->member);
        } else if (const auto* l = Materialdaten::listField(keyNumber(key, 'l'))) {
            std::visit([&](auto member) { valueFromJson(value, m.*member, key); }, l->member);
        } else {
            fail(key, "unknown member (expected t<tag> or l<base>)");
        }
    }
}

} // namespace

// ---- typed entry points ------------------------------------------------------------

#define VMJSON_RECORD(T)                                                                           \
    json toJson(const T& r) {                                                                      \
        return valueToJson(r);                                                                     \
    }                                                                                              \
    void fromJson(const json& j, T& r) {                                                           \
        recordFromJson(j, r);                                                                      \
    }

VMJSON_RECORD(velmar_nameid)
VMJSON_RECORD(velmar_stahl)
VMJSON_RECORD(velmar_artikel)
VMJSON_RECORD(velmar_zusatzartikel)
VMJSON_RECORD(velmar_rollkasten)
VMJSON_RECORD(velmar_vec_artikel)
VMJSON_RECORD(velmar_oeffnung_artikel)
VMJSON_RECORD(velmar_cutpos)
VMJSON_RECORD(velmar_data)
VMJSON_RECORD(velmar_cut)
VMJSON_RECORD(velmar_CutInfo)
VMJSON_RECORD(KSP_MATERIAL)
VMJSON_RECORD(KSP_WA_NAMEID)
VMJSON_RECORD(KSP_WANDANSCHLUSS)
#undef VMJSON_RECORD

json toJson(const Materialdaten& r) {
    return materialdatenToJson(r);
}
void fromJson(const json& j, Materialdaten& r) {
    materialdatenFromJson(j, r);
}

// ---- by type name ----------------------------------------------------------------

namespace {

constexpr std::string_view kTypes[] = {
    "velmar_data",          "velmar_nameid",     "velmar_stahl",      "velmar_artikel",
    "velmar_zusatzartikel", "velmar_rollkasten", "velmar_cutpos",     "velmar_oeffnung_artikel",
    "Materialdaten",        "KSP_MATERIAL",      "KSP_WANDANSCHLUSS", "KSP_WA_NAMEID"};

// Calls f with a default-constructed record of the named type; false when the
// name is not a record type.
template <class F> bool withRecord(std::string_view type, F&& f) {
    if (type == "velmar_data") return f(velmar_data{}), true;
    if (type == "velmar_nameid") return f(velmar_nameid{}), true;
    if (type == "velmar_stahl") return f(velmar_stahl{}), true;
    if (type == "velmar_artikel") return f(velmar_artikel{}), true;
    if (type == "velmar_zusatzartikel") return f(velmar_zusatzartikel{}), true;
    if (type == "velmar_rollkasten") return f(velmar_rollkasten{}), true;
    if (type == "velmar_cutpos") return f(velmar_cutpos{}), true;
    if (type == "velmar_oeffnung_artikel") return f(velmar_oeffnung_artikel{}), true;
    if (type == "KSP_MATERIAL") return f(KSP_MATERIAL{}), true;
    if (type == "KSP_WANDANSCHLUSS") return f(KSP_WANDANSCHLUSS{}), true;
    if (type == "KSP_WA_NAMEID") return f(KSP_WA_NAMEID{}), true;
    if (type == "Materialdaten") return f(Materialdaten{}), true;
    return false;
}

void setError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

} // namespace

std::span<const std::string_view> recordTypes() {
    return kTypes;
}

bool isRecordType(std::string_view type) {
    for (std::string_view t : kTypes)
        if (t == type) return true;
    return false;
}

std::optional<Decoded> decodePacket(std::string_view type, std::span<const std::uint8_t> packet,
                                    std::string* error) {
    if (!isRecordType(type)) {
        setError(error, "unknown record type '" + std::string(type) + "'");
        return std::nullopt;
    }
    // The packet must parse as a whole before a record reads it; a record
    // reader would take a malformed packet for one without items.
    RpcPropertySet check;
    const int length = packet.size() > INT_MAX ? INT_MAX : static_cast<int>(packet.size());
    if (check.parse(packet.data(), length) != 0) {
        setError(error, "malformed packet (error " + std::to_string(check.lastError) + ")");
        return std::nullopt;
    }
    Decoded out;
    withRecord(type, [&](auto record) {
        using R = decltype(record);
        if constexpr (std::is_same_v<R, Materialdaten>) {
            record.parse(packet.data(), length);
            record.read();
            out.read = true;
        } else {
            out.read = record.fromPacket(packet);
        }
        out.record = toJson(record);
    });
    return out;
}

std::optional<std::vector<std::uint8_t>> encodePacket(std::string_view type, const json& j,
                                                      std::string* error) {
    std::optional<std::vector<std::uint8_t>> out;
    const bool known = withRecord(type, [&](auto record) {
        try {
            fromJson(j, record);
        } catch (const JsonCodecError& e) {
            setError(error, e.what());
            return;
        }
        using R = decltype(record);
        if constexpr (std::is_same_v<R, Materialdaten>) {
            record.write();
            out = record.toBytes();
        } else {
            TMemoryStream stream;
            if (!record.write(stream)) {
                setError(error, "a list holds more than " + std::to_string(kRpcMaxListElements) +
                                    " elements");
                return;
            }
            out = stream.takeBytes();
        }
    });
    if (!known) setError(error, "unknown record type '" + std::string(type) + "'");
    return out;
}

} // namespace vmjson
