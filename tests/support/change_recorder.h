#pragma once
// The host's side of the change callback: the codes in the order they came.

#include <vector>

struct ChangeRecorder {
    std::vector<int> codes;
    static void Callback(const int code, void* user) {
        static_cast<ChangeRecorder*>(user)->codes.push_back(code);
    }
};
