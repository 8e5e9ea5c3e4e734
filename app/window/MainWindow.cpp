// The main window: menus, the workbook's sub-window, the first-paint reports and the exit question.
#include "app/window/MainWindow.h"

#include "app/window/Dialogs.h"
#include "app/window/FinancialWindow.h"
#include "app/window/UiTexts.h"
#include "app/window/UserForm.h"
#include "app/window/UserSettings.h"
#include "app/window/WebPages.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace qv {

TFrmMain::TFrmMain(const std::string& dataDirectory, const WindowServices& services) : m_services(services)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(kMainCaption);
    resize(700, 575);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    m_area = new QMdiArea(this);
    setCentralWidget(m_area);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    m_workbook = new TEnFinancial(dataDirectory, m_services);
    QMdiSubWindow* sub =
        m_area->addSubWindow(m_workbook, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setSystemMenu(nullptr);
    sub->showMaximized();
    m_workbook->OnStatus = [this](const QString& text) { statusBar()->showMessage(text); };
    m_workbook->OnFirstPaint = [this] { AfterFirstPaint(); };
    BuildMenus();
}

void TFrmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* save = file->addAction(QStringLiteral("保存数据"), m_workbook, &TEnFinancial::Cmd_SaveClick);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addAction(QStringLiteral("导出Excel"), m_workbook, &TEnFinancial::Cmd_ExportExcelClick);
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("退出"), this, &TFrmMain::Menu_QuitClick);
    quit->setObjectName(QStringLiteral("Menu_Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // "企业财务分析" is a menu item of its own that does nothing.
    menuBar()->addAction(QStringLiteral("企业财务分析"))->setObjectName(QStringLiteral("N2"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("N3"));
    help->addAction(QStringLiteral("联机支持"), this, &TFrmMain::Menu_HelpClick)
        ->setObjectName(QStringLiteral("Menu_Help"));
}

void TFrmMain::Menu_QuitClick()
{
    close();
}

void TFrmMain::Menu_HelpClick()
{
    OpenWebPage(WebPageUrl(m_services.Settings->WebBase(), TWebPage::Help));
}

void TFrmMain::AfterFirstPaint()
{
    m_workbook->ReportLoadProblems();
    if (m_services.FirstRun == TFirstRunPrompt::Ask)
        FirstRunPrompt();
    if (OnStarted)
        OnStarted();
}

void TFrmMain::FirstRunPrompt()
{
    UserSettings& settings = *m_services.Settings;
    // Written before the prompt opens, so it shows once whatever the user does; unwritable settings skip it.
    if (settings.HasFirstRunMarker() || !settings.WriteFirstRunMarker())
        return;
    auto* form = new TUserForm(settings.WebBase(), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    m_workbook->StoreEdits();
    if (m_workbook->Document().HasUnsavedChanges()) {
        switch (m_services.Messages->AskSaveChanges(this)) {
        case TSaveAnswer::Save:
            if (!m_workbook->Save(TSaveConfirm::Quiet)) {
                event->ignore();
                return;
            }
            break;
        case TSaveAnswer::Discard:
            break;
        case TSaveAnswer::Cancel:
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace qv
