// Ending the program with unsaved work: save, don't save, cancel, and a save that fails.
#include "WindowTestSupport.h"

#include "app/core/Analysis.h"

namespace qv::test {
namespace {

class ExitPrompt : public WindowFixture {};

TEST_F(ExitPrompt, TheThreeAnswersAndAFailingSave)
{
    struct Case {
        const char* Name;
        TSaveAnswer Answer;
        bool BlockSave; // sy.dat cannot be replaced
        bool Closed;
        bool Saved;
    };
    const Case cases[] = {
        {"save", TSaveAnswer::Save, false, true, true},
        {"don't save", TSaveAnswer::Discard, false, true, false},
        {"cancel", TSaveAnswer::Cancel, false, false, false},
        {"save fails", TSaveAnswer::Save, true, false, false},
    };
    int figure = 100;
    for (const Case& c : cases) {
        for (const char* name : {"sy.dat", FinancialDocument::kSettingsFile})
            std::filesystem::remove_all(m_data / name);
        m_dialogs = RecordingDialogs();
        Start();
        if (c.BlockSave)
            std::filesystem::create_directory(m_data / "sy.dat");
        SetLine(Document().Sheet(fsBalanceSheet), kBsCash, 1, std::to_string(++figure)); // differs from the saved
        m_dialogs.Answer = c.Answer;
        EXPECT_EQ(m_window->close(), c.Closed) << c.Name;
        EXPECT_EQ(m_dialogs.Questions, 1) << c.Name;
        // The settings are written last: they exist only when everything was saved.
        EXPECT_EQ(std::filesystem::exists(m_data / FinancialDocument::kSettingsFile), c.Saved) << c.Name;
        EXPECT_EQ(ErrorCount(), c.BlockSave ? 1 : 0) << c.Name;
        EXPECT_EQ(m_window->isVisible(), !c.Closed) << c.Name;
        Stop();
    }
}

TEST_F(ExitPrompt, NothingChangedOrOnlyComputedEndsWithoutAQuestion)
{
    CopyExampleData();
    Start();
    ShowPage(fpRatios);
    ShowPage(fpRatioChart);
    ShowPage(fpDuPont);
    Button("Cmd_ExportExcel").click();
    EXPECT_TRUE(m_window->close());
    EXPECT_EQ(m_dialogs.Questions, 0);
}

TEST_F(ExitPrompt, ThePeriodCountAndTheDisplayModeCount)
{
    Start();
    Button("RadioButton1").click();
    m_dialogs.Answer = TSaveAnswer::Cancel;
    EXPECT_FALSE(m_window->close());
    EXPECT_EQ(m_dialogs.Questions, 1);
}

} // namespace
} // namespace qv::test
