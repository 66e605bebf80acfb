#pragma once
// Shared set-up of the main-form tests: the service the form talks to and a
// recorder of the host notifications. The application object comes from the
// widget tests' shared main.

#include <memory>
#include <string>
#include <vector>

#include "mainform/vm_mainform.h"

// The host's side of the change callback.
struct ChangeRecorder {
    std::vector<int> codes;
    static void Callback(const int code, void* user) {
        static_cast<ChangeRecorder*>(user)->codes.push_back(code);
    }
};

// A form as vm_create builds it, reporting to `recorder` (may be null).
std::unique_ptr<TForm1> MakeForm(const velmar_data& data = velmar_data(),
                                 ChangeRecorder* recorder = nullptr, int elementCode = 1,
                                 bool rollerShutterAllowed = true);

// Loads the service from `directory` from the next request on (empty: beside
// the test, where the reference service and its catalogue lie).
void UseServiceIn(const std::string& directory);
