#include "tests/service/service_test_support.h"

#include <dlfcn.h>

#include <type_traits>

namespace service_test {

bool fakeIsLoaded() {
    void* handle = dlopen(fakePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

namespace {

velmar_nameid nameid(int k) {
    velmar_nameid n;
    n.id = k;
    n.name = u"Eintrag \u00e4\u00f6\u00fc " + std::u16string(1, char16_t(u'A' + k % 26));
    n.isDefault_ = k % 2 == 1;
    n.intValue = k * 3;
    n.value1 = k + 0.25;
    n.value2 = k + 0.5;
    return n;
}

template <class T> T element(int k) {
    T e{};
    if constexpr (std::is_same_v<T, velmar_nameid>) {
        e = nameid(k);
    } else if constexpr (std::is_same_v<T, velmar_stahl>) {
        e.nameId = nameid(k);
        e.flag = true;
        e.value3 = k * 1.5;
        e.text = u"Stahl";
    } else if constexpr (std::is_same_v<T, velmar_artikel>) {
        e.nameId = nameid(k);
        e.text1 = u"Artikel";
        e.value1 = k * 2.0;
        e.intValue = k;
        e.steel1.nameId = nameid(k + 1);
        e.konstType = 23;
    } else if constexpr (std::is_same_v<T, velmar_rollkasten>) {
        e.box = nameid(k);
        e.part3 = nameid(k + 2);
        e.size1 = 175.0;
        e.intValue = 1;
        e.accessory1.artikel.nameId = nameid(k + 3);
        e.accessory1.text1 = "narrow";
        e.flag2 = true;
    } else if constexpr (std::is_same_v<T, velmar_cutpos>) {
        e.number = k;
        e.opening1.number = k + 1;
        e.opening1.artikel.items.push_back(element<velmar_artikel>(k + 4));
        e.opening2.zusatz.emplace_back().artikel.nameId = nameid(k + 5);
        e.value2 = 12.5;
        e.flag2 = false;
        e.intValue = 7;
    } else if constexpr (std::is_same_v<T, KSP_MATERIAL>) {
        e.int1 = k;
        e.text3 = u"Material";
        e.narrow6 = "PVC";
        e.double11 = 0.75;
        e.flag14 = true;
        e.int22 = k + 9;
        e.text23 = u"\u00dc";
    } else if constexpr (std::is_same_v<T, KSP_WANDANSCHLUSS>) {
        e.nameId = nameid(k);
        e.entries.push_back({});
        e.entries.back().number = k;
        e.entries.back().name = u"Wand";
    }
    return e;
}

} // namespace

Materialdaten fullRecord() {
    Materialdaten m;
    int n = 1;
    for (const Materialdaten::ScalarField& field : Materialdaten::scalarFields()) {
        std::visit(
            [&](auto member) {
                auto& value = m.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, int>)
                    value = 100 + n;
                else if constexpr (std::is_same_v<T, double>)
                    value = n + 0.125;
                else if constexpr (std::is_same_v<T, bool>)
                    value = true;
                else if constexpr (std::is_same_v<T, WideText>)
                    value = u"Text \u00df " + std::u16string(1, char16_t(u'a' + n % 26));
                // The blocks are answer-only and never sent.
            },
            field.member);
        ++n;
    }
    for (const Materialdaten::ListField& field : Materialdaten::listFields()) {
        std::visit(
            [&](auto member) {
                auto& list = m.*member;
                using T = typename std::remove_cvref_t<decltype(list)>::value_type;
                for (int k = 0; k < 3; ++k) list.push_back(element<T>(field.base / 1000 + k));
            },
            field.member);
    }
    return m;
}

Materialdaten emptyAnswer() {
    Materialdaten m;
    m.read();
    return m;
}

} // namespace service_test
