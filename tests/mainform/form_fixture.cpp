#include "tests/mainform/form_fixture.h"

#include <QApplication>

#include "service/service_client.h"

void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "mainform_test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

std::unique_ptr<TForm1> MakeForm(const velmar_data& data, ChangeRecorder* recorder, int elementCode,
                                 bool rollerShutterAllowed) {
    EnsureApplication();
    serviceClient.ensureLoaded();
    return std::make_unique<TForm1>(
        serviceClient, nullptr, 7, 8, elementCode, 0, rollerShutterAllowed, 0.0, cfDefault, false,
        data, recorder != nullptr ? &ChangeRecorder::Callback : nullptr, recorder);
}

void UseServiceIn(const std::string& directory) {
    serviceClient.unload();
    serviceClient.setLibraryDirectory(directory);
}
