#include "tests/support/form_fixture.h"

#include "platform/drawing/planview.h"
#include "service/service_client.h"

std::unique_ptr<TForm1> MakeForm(const velmar_data& data, ChangeRecorder* recorder, int elementCode,
                                 bool rollerShutterAllowed) {
    serviceClient.ensureLoaded();
    return std::make_unique<TForm1>(
        serviceClient, nullptr, 7, 8, elementCode, 0, rollerShutterAllowed, 0.0, cfDefault, false,
        data, recorder != nullptr ? &ChangeRecorder::Callback : nullptr, recorder);
}

void UseServiceIn(const std::string& directory) {
    serviceClient.unload();
    serviceClient.setLibraryDirectory(directory);
}

velmar_data RecordOfSeries(int series) {
    velmar_data data;
    data.system.id = series;
    return data;
}

velmar_data DataOf(TForm1& form) {
    velmar_data data;
    form.GetData(data);
    return data;
}

bool ShowsDrawing(const QWidget* dialog) {
    const auto* panel = dialog->findChild<QWidget*>(QStringLiteral("Panel2"));
    const auto* viewer = panel != nullptr ? panel->findChild<PlanviewWidget*>() : nullptr;
    return viewer != nullptr && viewer->HasPicture();
}
