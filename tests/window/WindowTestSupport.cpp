// The widget tests' fixture: starting and stopping the main window on temporary directories.
#include "WindowTestSupport.h"

#include "platform/IniFile.h"

#include <QDesktopServices>
#include <QTest>

namespace qv::test {

UrlCatcher::UrlCatcher()
{
    for (const char* scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
}

UrlCatcher::~UrlCatcher()
{
    for (const char* scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

WindowFixture::WindowFixture()
    : m_settings(std::make_unique<UserSettings>(QString::fromStdString((m_config / "quorvane.ini").string())))
{
}

WindowFixture::~WindowFixture()
{
    Stop();
}

void WindowFixture::CopyExampleData()
{
    for (const char* name : {"zcfz.dat", "sy.dat", "xjll.dat", "cwfx.dat"})
        std::filesystem::copy_file(std::filesystem::path(QV_EXAMPLE_DATA_DIR) / name, m_data / name,
                                   std::filesystem::copy_options::overwrite_existing);
}

void WindowFixture::WriteSettings(int periods, int displayMode)
{
    IniFile ini((m_data / FinancialDocument::kSettingsFile).string());
    ini.WriteInteger("SYSSET", "FC", periods);
    ini.WriteInteger("SYSSET", "DisplayMode", displayMode);
    ini.UpdateFile();
}

TFrmMain& WindowFixture::Start(TFirstRunPrompt prompt)
{
    WindowServices services;
    services.Messages = &m_dialogs;
    services.Settings = m_settings.get();
    services.SpreadsheetSearchDirs = {QString::fromStdString(m_noPrograms.Str())};
    services.FirstRun = prompt;
    m_window = std::make_unique<TFrmMain>(m_data.Str(), services);
    bool started = false;
    m_window->OnStarted = [&started] { started = true; };
    m_window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return started; }, 5000)) << "no first paint";
    m_window->OnStarted = nullptr;
    return *m_window;
}

void WindowFixture::Stop()
{
    if (!m_window)
        return;
    m_dialogs.Answer = TSaveAnswer::Discard;
    m_window->close();
    m_window.reset();
}

QAbstractButton& WindowFixture::Button(const char* name)
{
    auto* button = m_window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return *button;
}

QTabWidget& WindowFixture::Pages()
{
    return *m_window->findChild<QTabWidget*>(QStringLiteral("FinPage"));
}

int WindowFixture::ErrorCount() const
{
    int count = 0;
    for (const RecordingDialogs::Shown& box : m_dialogs.Boxes)
        count += box.Kind == RecordingDialogs::kError;
    return count;
}

} // namespace qv::test
