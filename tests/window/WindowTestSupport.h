// Helpers of the widget tests: recorded message boxes, captured web pages, a started main window on a data directory.
#pragma once

#include "AppTestSupport.h"
#include "app/window/Dialogs.h"
#include "app/window/FinancialWindow.h"
#include "app/window/MainWindow.h"
#include "app/window/UserSettings.h"

#include <QAbstractButton>
#include <QObject>
#include <QTabWidget>
#include <QUrl>

#include <memory>
#include <string>
#include <vector>

namespace qv::test {

// Message boxes as a list; the exit question answers with Answer.
class RecordingDialogs final : public Dialogs {
public:
    enum TKind : uint8_t { kError, kInformation };
    struct Shown {
        TKind Kind;
        QString Caption;
        QString Text;
    };

    void Error(QWidget*, const QString& caption, const QString& text) override
    {
        Boxes.push_back({kError, caption, text});
    }
    void Information(QWidget*, const QString& caption, const QString& text) override
    {
        Boxes.push_back({kInformation, caption, text});
    }
    TSaveAnswer AskSaveChanges(QWidget*) override
    {
        ++Questions;
        return Answer;
    }

    std::vector<Shown> Boxes;
    int Questions = 0;
    TSaveAnswer Answer = TSaveAnswer::Cancel;
};

// Takes the addresses the program hands to the desktop's browser while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    std::vector<QUrl> Urls;

public slots:
    void Open(const QUrl& url) { Urls.push_back(url); }
};

// A data directory, settings of its own, no spreadsheet application; the window is started by Start.
class WindowFixture : public testing::Test {
protected:
    WindowFixture();
    ~WindowFixture() override;

    // Copies the example enterprise's four files into the data directory.
    void CopyExampleData();
    // Writes the settings file of the data directory.
    void WriteSettings(int periods, int displayMode);
    // Creates and shows the main window and waits until its first paint has been handled.
    TFrmMain& Start(TFirstRunPrompt prompt = TFirstRunPrompt::Skip);
    // Closes and destroys the window (answering the exit question with Discard).
    void Stop();

    TEnFinancial& Workbook() { return m_window->Workbook(); }
    FinancialDocument& Document() { return Workbook().Document(); }
    QAbstractButton& Button(const char* name);
    QTabWidget& Pages();
    void ShowPage(TFinPage page) { Pages().setCurrentIndex(page); }
    int ErrorCount() const;

    TempDir m_data;
    TempDir m_config;
    TempDir m_noPrograms;
    RecordingDialogs m_dialogs;
    std::unique_ptr<UserSettings> m_settings;
    std::unique_ptr<TFrmMain> m_window;
};

} // namespace qv::test
