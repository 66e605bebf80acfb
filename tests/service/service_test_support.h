#pragma once
// Shared pieces of the service-client tests. Each test executable lives in a
// directory of its own beside the "kalksrv.dll" under test (or none), as the
// component's library lives beside the real service.

#include "model/materialdaten.h"
#include "platform/os/message.h"
#include "platform/os/module.h"
#include "tests/support/fake_kalksrv.h"
#include "tests/support/filled.h"

#include <QCursor>
#include <QGuiApplication>

#include <dlfcn.h>

#include <string>

namespace service_test {

// The service library beside this test executable.
inline std::string fakePath() {
    return ModuleDirectory() + "kalksrv.dll";
}

// A GUI application, so that the hourglass can be watched. Not a
// QApplication: without one, a message that no recorder catches goes to
// stderr instead of waiting for a click.
inline QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "service_test";
    static char* argv[] = {name, nullptr};
    static auto* app = new QGuiApplication(argc, argv);
    return *app;
}

inline Qt::CursorShape cursorShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// Whether the fake service is mapped at all (by anyone).
inline bool fakeIsLoaded() {
    void* handle = dlopen(fakePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

using test_support::filledRequest;

using Messages = std::vector<os::MessageRecorder::Message>;

} // namespace service_test
