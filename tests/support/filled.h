// Records with every member set to a value of its own, for round trips and
// golden packets: ints and doubles count up, flags are true, texts carry an
// umlaut (narrow ones a byte above 0x7f), lists hold two elements.
#pragma once

#include "model/materialdaten.h"
#include "model/record_fields.h"

#include <string>
#include <type_traits>
#include <variant>

namespace test_support {

struct Filler {
    int next = 1;
    template <class T> void fill(T& v) {
        if constexpr (std::is_same_v<T, int>)
            v = next++;
        else if constexpr (std::is_same_v<T, double>)
            v = next++ + 0.25;
        else if constexpr (std::is_same_v<T, bool>)
            v = true;
        else if constexpr (std::is_same_v<T, WideText>)
            v = u"\u00e4" + WideText(1, static_cast<char16_t>(u'A' + next++ % 26));
        else if constexpr (std::is_same_v<T, NarrowText>)
            v = std::string("\xfc") + static_cast<char>('a' + next++ % 26);
        else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>)
            return; // answer-only blocks are never sent
        else if constexpr (requires { v.items; })
            fill(v.items);
        else if constexpr (requires { v.push_back(v[0]); }) {
            v.resize(2);
            for (auto& e : v) fill(e);
        } else
            rpc_fields::forEach<T>([&](const auto& f) { fill(v.*f.member); });
    }
};

template <class T> T filled() {
    T r{};
    Filler{}.fill(r);
    return r;
}

// A request with every scalar and list it carries set.
inline Materialdaten filledRequest() {
    Materialdaten m;
    Filler filler;
    for (const Materialdaten::ScalarField& f : Materialdaten::scalarFields())
        std::visit([&](auto member) { filler.fill(m.*member); }, f.member);
    for (const Materialdaten::ListField& f : Materialdaten::listFields())
        std::visit([&](auto member) { filler.fill(m.*member); }, f.member);
    return m;
}

} // namespace test_support
