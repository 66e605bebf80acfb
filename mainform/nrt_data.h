#pragma once
// Certification data of an element (test certificates and the classes they
// grant). The main form holds one, constructed empty, for the element it
// shows; nothing fills it yet.

#include <string>
#include <vector>

struct NRT_DATA {
    struct Certificate {
        std::u16string number; // certificate number
        std::u16string issuer; // testing institute
        std::u16string rating; // class granted, e.g. a resistance class
    };

    std::vector<Certificate> certificates;

    bool empty() const { return certificates.empty(); }
    bool operator==(const NRT_DATA&) const = default;
};
