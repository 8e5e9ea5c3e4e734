// Start-up of the application: the engine, the Qt canvas and fonts, the data directory, then the main window.
#include "app/window/DataDirectory.h"
#include "app/window/Dialogs.h"
#include "app/window/MainWindow.h"
#include "app/window/ScreenshotTour.h"
#include "app/window/StartOptions.h"
#include "app/window/UiFonts.h"
#include "app/window/UserSettings.h"
#include "editors/EditorClasses.h"
#include "formula/Engine.h"
#include "grid/QtCanvas.h"
#include "platform/Errors.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    std::optional<qv::StartOptions> options;
    try {
        options = qv::ParseStartOptions(argc, argv);
    } catch (const qv::StartOptionsError& e) {
        std::cerr << "quorvane: " << e.Message << '\n' << qv::kStartUsage;
        return 1;
    }
    if (!options) {
        std::cout << qv::kStartUsage;
        return 0;
    }
    // Screenshots render off screen unless the caller chose a platform.
    if (options->Action == qv::TStartAction::Screenshots && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("quorvane"));
    QApplication::setFont(qv::MainWindowFont());
    // Qt's own texts (context menus of the edits, standard buttons) in Chinese, where the translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    qv::InitEngine();
    qv::InitEditors();
    qv::InstallQtMeasureCanvas();

    std::string directory;
    try {
        directory = qv::ResolveDataDirectory(options->DataDir);
    } catch (const qv::EPlatformError& e) {
        std::cerr << "quorvane: " << e.Message() << '\n';
        return 2;
    }

    qv::MessageBoxDialogs dialogs;
    qv::UserSettings settings(qv::UserSettings::DefaultPath());
    qv::WindowServices services;
    services.Messages = &dialogs;
    services.Settings = &settings;
    services.FirstRun = options->SkipFirstRun || options->Action != qv::TStartAction::Run ? qv::TFirstRunPrompt::Skip
                                                                                          : qv::TFirstRunPrompt::Ask;
    qv::TFrmMain window(directory, services);
    int status = 0;
    switch (options->Action) {
    case qv::TStartAction::Run:
        break;
    case qv::TStartAction::Quit:
        window.OnStarted = [] { QApplication::quit(); };
        break;
    case qv::TStartAction::Screenshots:
        window.OnStarted = [&] {
            if (!qv::SaveScreenshots(window, QString::fromStdString(options->ScreenshotDir))) {
                std::cerr << "quorvane: cannot write the screenshots into " << options->ScreenshotDir << '\n';
                status = 1;
            }
            QApplication::quit();
        };
        break;
    }
    window.show();
    const int result = app.exec();
    return status ? status : result;
}
