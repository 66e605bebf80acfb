#pragma once
// Shared set-up of the main-form and dialog tests: the service the form talks
// to, a recorder of the host notifications and a form on the sample
// catalogue. The application object comes from the widget tests' shared main.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mainform/vm_mainform.h"
#include "tests/support/change_recorder.h"

// A form as vm_create builds it, reporting to `recorder` (may be null).
std::unique_ptr<TForm1> MakeForm(const velmar_data& data = velmar_data(),
                                 ChangeRecorder* recorder = nullptr, int elementCode = 1,
                                 bool rollerShutterAllowed = true);

// Loads the service from `directory` from the next request on (empty: beside
// the test, where the reference service and its catalogue lie).
void UseServiceIn(const std::string& directory);

// A record that names only its profile series.
velmar_data RecordOfSeries(int series);

// What the form hands the host.
velmar_data DataOf(TForm1& form);

// Whether the section viewer of a dialog (in its Panel2) shows a drawing.
bool ShowsDrawing(const QWidget* dialog);

// A form on the sample catalogue beside the test, reporting to `recorder`.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override { UseServiceIn(""); }
    TForm1& Open(const velmar_data& data = velmar_data()) {
        form = MakeForm(data, &recorder);
        return *form;
    }
    // The report of one chosen row: its `code` first, the summary 1 last.
    void ExpectReport(int code) const {
        const std::vector<int>& c = recorder.codes;
        EXPECT_TRUE(c.size() >= 2 && c.front() == code && c.back() == 1)
            << ::testing::PrintToString(c);
    }
    ChangeRecorder recorder;
    std::unique_ptr<TForm1> form;
};
