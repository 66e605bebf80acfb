// The form's state without its widgets, on the sample catalogue: which rows
// each reload level shows again, what the host hears, and what a choice
// leaves behind.

#include <gtest/gtest.h>

#include <set>

#include "mainform/form_state.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"

namespace {

using vm::FormRow;
using vm::ReloadLevel;
using Rows = std::set<FormRow>;
using Codes = std::vector<int>;

class FormStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        serviceClient.ensureLoaded();
    }
    vm::FormState& Make(const velmar_data& data = velmar_data()) {
        vm::FormSetup setup;
        setup.elementCode = 1;
        setup.changeCallback = &ChangeRecorder::Callback;
        setup.callbackUser = &recorder;
        state = std::make_unique<vm::FormState>(serviceClient, setup, data);
        state->rowShown = [this](FormRow row) { shown.insert(row); };
        state->Load();
        shown.clear();
        return *state;
    }
    std::unique_ptr<vm::FormState> state;
    ChangeRecorder recorder;
    Rows shown;
};

TEST_F(FormStateTest, EachLevelShowsItsRowsAgainAndReportsOnlyWhatChanged) {
    const Rows beads = {FormRow::GlasleisteR, FormRow::GlasleisteF};
    Rows glass = beads;
    glass.insert({FormRow::Glas, FormRow::Stulp, FormRow::KopplungSenk, FormRow::KopplungWaag});
    Rows articles = glass;
    articles.insert({FormRow::Rahmen, FormRow::Fluegel, FormRow::Pfosten, FormRow::Roll});
    Rows colours = articles;
    colours.insert(FormRow::Farbe);
    Rows series = colours;
    series.insert(FormRow::System);
    const struct {
        ReloadLevel level;
        Rows rows;
        Codes codes;
    } cases[] = {
        {ReloadLevel::Series, series, {}},      {ReloadLevel::Colours, colours, {}},
        {ReloadLevel::Articles, articles, {}},  {ReloadLevel::Glass, glass, {}},
        {ReloadLevel::AfterProfile, beads, {}}, {ReloadLevel::AfterGlass, beads, {}},
        {ReloadLevel::Box, {}, {9, 1}},         {ReloadLevel::None, {}, {}},
    };
    vm::FormState& s = Make(RecordOfSeries(8830));
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.level));
        shown.clear();
        recorder.codes.clear();
        s.UpdateData(c.level, true, 0);
        EXPECT_EQ(shown, c.rows);
        EXPECT_EQ(recorder.codes, c.codes);
    }
}

TEST_F(FormStateTest, ChoicesReportTheirRowEvenUnchangedAndSeriesAlone) {
    vm::FormState& s = Make(RecordOfSeries(8830));
    // The frame shown again: reported, and the glass and below reloaded.
    s.ChooseArticle(FormRow::Rahmen, s.shown[static_cast<std::size_t>(FormRow::Rahmen)], nullptr,
                    nullptr);
    EXPECT_EQ(recorder.codes, (Codes{2, 1}));
    EXPECT_TRUE(shown.contains(FormRow::Glas));
    EXPECT_FALSE(shown.contains(FormRow::Farbe));

    // A bead reloads nothing else.
    recorder.codes.clear();
    shown.clear();
    s.ChooseArticle(FormRow::GlasleisteF, 0, nullptr, nullptr);
    EXPECT_EQ(recorder.codes, (Codes{6, 1}));
    EXPECT_EQ(shown, Rows{FormRow::GlasleisteF});

    // Another series: code 11 alone, the series' cladding, no box, no choice
    // left behind.
    s.rollkasten.box.id = 9279;
    int other = -1;
    for (std::size_t i = 0; i < s.request.systems.size(); ++i)
        if (s.request.systems[i].id == 10222) other = static_cast<int>(i);
    ASSERT_GE(other, 0);
    recorder.codes.clear();
    s.ChooseSeries(other, false, false);
    EXPECT_EQ(recorder.codes, Codes{11});
    EXPECT_TRUE(s.option1);
    EXPECT_EQ(s.rollkasten.box.id, 0);
    for (bool flag : s.userChoice) EXPECT_FALSE(flag);
}

} // namespace
