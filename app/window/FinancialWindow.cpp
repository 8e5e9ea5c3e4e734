// The workbook window: its panels and pages, and the handlers that run the document's work.
#include "app/window/FinancialWindow.h"

#include "app/core/Analysis.h"
#include "app/window/Dialogs.h"
#include "app/window/FinancialChart.h"
#include "app/window/RatioExport.h"
#include "app/window/SpreadsheetLauncher.h"
#include "app/window/UiFonts.h"
#include "app/window/UiTexts.h"
#include "app/window/UserSettings.h"
#include "app/window/WebPages.h"
#include "grid/Grid.h"
#include "platform/Errors.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace qv {

namespace {

constexpr int kDuPontChartHeight = 137;

// The page captions, in page order.
const char* const kPageCaptions[kFinPageCount] = {"资产负债表", "损益表",   "现金流量表",
                                                  "财务分析",   "图表分析", "杜邦指标分析"};

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* ColouredLabel(const QString& text, const QColor& color, const char* name, QWidget* parent)
{
    auto* label = Named(new QLabel(text, parent), name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QString ProblemsText(const std::vector<LoadProblem>& problems)
{
    QString text = QStringLiteral("以下文件无法读取:");
    for (const LoadProblem& problem : problems) {
        const QString name = QString::fromStdString(problem.FileName);
        text += QStringLiteral("\n\n") + name + QStringLiteral(": ") + QString::fromStdString(problem.Message);
        if (problem.FileName != FinancialDocument::kSettingsFile)
            text += QStringLiteral("\n下次保存数据时，该文件将保留为 ") + name + QStringLiteral(".damaged。");
    }
    return text;
}

} // namespace

TEnFinancial::TEnFinancial(const std::string& dataDirectory, const WindowServices& services, QWidget* parent)
    : QWidget(parent), m_document(std::make_unique<FinancialDocument>()), m_directory(dataDirectory),
      m_services(services)
{
    setObjectName(QStringLiteral("TEnFinancial"));
    setWindowTitle(QStringLiteral("企业财务分析"));
    setFont(WorkbookFont());
    resize(785, 542);

    m_pages = Named(new QTabWidget(this), "FinPage");
    for (int page = 0; page < kFinPageCount; ++page) {
        QWidget* content = nullptr;
        switch (page) {
        case fpRatios:
            content = NewGridPage(fsRatios, NewRatioPanel());
            break;
        case fpRatioChart:
            content = new QWidget;
            m_ratioChart = Named(new FinancialChart(content), "Chart1");
            (new QVBoxLayout(content))->addWidget(m_ratioChart);
            content->layout()->setContentsMargins(0, 0, 0, 0);
            break;
        case fpDuPont:
            content = NewGridPage(fsDuPont, NewDuPontPanel());
            m_dupontChart = Named(new FinancialChart, "Chart_DuPont");
            m_dupontChart->setFixedHeight(kDuPontChartHeight);
            content->layout()->addWidget(m_dupontChart);
            break;
        default:
            content = NewGridPage(static_cast<TFinSheet>(page), nullptr);
        }
        content->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        m_pages->addTab(content, QString::fromUtf8(kPageCaptions[page]));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(NewSettingsPanel());
    layout->addWidget(m_pages, 1);

    auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    auto step = [this](int by) {
        m_pages->setCurrentIndex((m_pages->currentIndex() + by + kFinPageCount) % kFinPageCount);
    };
    shortcut(QKeySequence(Qt::Key_F5), [this] { RefreshCurrentPage(); });
    for (QKeySequence next : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        shortcut(next, [step] { step(1); });
    for (QKeySequence previous :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        shortcut(previous, [step] { step(-1); });

    FormCreate();
    connect(m_pages, &QTabWidget::currentChanged, this, &TEnFinancial::PageShown);
}

TEnFinancial::~TEnFinancial()
{
    // The grids are children and outlive the document member: they let go of its sheets first.
    for (TXLGrid* grid : m_grids)
        grid->SetSheet(nullptr);
}

QWidget* TEnFinancial::NewSettingsPanel()
{
    auto* panel = Named(new QFrame(this), "Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);

    m_periods = Named(new QSpinBox(panel), "se_max");
    m_periods->setRange(kMinPeriods, kMaxPeriods);
    m_periods->setValue(FinancialDocument::kInitialPeriods);
    // Arrows only: the count cannot be typed.
    if (auto* edit = m_periods->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    connect(m_periods, &QSpinBox::valueChanged, this, [this](int count) { m_document->SetPeriodCount(count); });

    auto* clear = Named(new QPushButton(QStringLiteral("清空重置"), panel), "Cmd_Clear");
    auto* save = Named(new QPushButton(QStringLiteral("保存数据"), panel), "Cmd_Save");
    connect(clear, &QPushButton::clicked, this, &TEnFinancial::Cmd_ClearClick);
    connect(save, &QPushButton::clicked, this, &TEnFinancial::Cmd_SaveClick);

    m_plain = Named(new QRadioButton(QStringLiteral("正常浮点"), panel), "RadioButton2");
    m_percent = Named(new QRadioButton(QStringLiteral("百分比%"), panel), "RadioButton1");
    m_plain->setChecked(true);
    connect(m_plain, &QRadioButton::clicked, this, &TEnFinancial::RadioButton2Click);
    connect(m_percent, &QRadioButton::clicked, this, &TEnFinancial::RadioButton1Click);

    grid->addWidget(ColouredLabel(QStringLiteral("红色字体为必填"), Qt::red, "StaticText1", panel), 0, 0);
    grid->addWidget(ColouredLabel(QStringLiteral("有效财务期数"), Qt::blue, "StaticText2", panel), 0, 1);
    grid->addWidget(m_periods, 0, 2);
    grid->addWidget(clear, 0, 3);
    grid->addWidget(save, 0, 4);
    grid->addWidget(Named(new QLabel(QStringLiteral("指标显示方式:"), panel), "StaticText4"), 1, 0);
    grid->addWidget(m_plain, 1, 1);
    grid->addWidget(m_percent, 1, 2);
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget* TEnFinancial::NewGridPage(TFinSheet sheet, QWidget* panel)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (panel)
        layout->addWidget(panel);
    auto* grid = new TXLGrid(page);
    grid->setObjectName(QStringLiteral("XLGrid%1").arg(sheet + 1));
    grid->SetOptions(kDefaultOptions | OptionBit(oColSizing));
    grid->SetColor(clBtnFace);
    // An amount too wide for its column shows as #s; resting the mouse on it shows it in full.
    grid->SetShowHint(true);
    grid->SetSheet(&m_document->Sheet(sheet));
    layout->addWidget(grid, 1);
    m_grids[sheet] = grid;
    return page;
}

QWidget* TEnFinancial::NewRatioPanel()
{
    auto* panel = Named(new QFrame, "Panel2");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* count = Named(new QPushButton(QStringLiteral("刷新分值"), panel), "Cmd_Count");
    auto* exportButton = Named(new QPushButton(QStringLiteral("导出Excel"), panel), "Cmd_ExportExcel");
    connect(count, &QPushButton::clicked, this, &TEnFinancial::Cmd_CountClick);
    connect(exportButton, &QPushButton::clicked, this, &TEnFinancial::Cmd_ExportExcelClick);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addStretch(1);
    layout->addWidget(count);
    layout->addWidget(exportButton);
    layout->addStretch(1);
    return panel;
}

QWidget* TEnFinancial::NewDuPontPanel()
{
    auto* panel = Named(new QFrame, "Panel3");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* show = Named(new QPushButton(QStringLiteral("杜邦指标在线知识"), panel), "Cmd_DuPontShow");
    auto* refresh = Named(new QPushButton(QStringLiteral("刷新指标"), panel), "Cmd_DuPontRefesh");
    connect(show, &QPushButton::clicked, this, &TEnFinancial::Cmd_DuPontShowClick);
    connect(refresh, &QPushButton::clicked, this, &TEnFinancial::DuPontCount);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addWidget(show);
    layout->addSpacing(24);
    layout->addWidget(refresh);
    layout->addStretch(1);
    return panel;
}

void TEnFinancial::FormCreate()
{
    m_problems = m_document->Load(m_directory);
    m_periods->setValue(m_document->PeriodCount());
    const bool percent = m_document->DisplayMode() == dmPercent;
    (percent ? m_percent : m_plain)->setChecked(true);
    // Checking the percent button computes both tables, as a click on it does.
    if (percent) {
        Guarded([this] {
            m_document->ComputeRatios();
            m_document->ComputeDuPont();
        });
        ShowDuPontChart();
    }
}

void TEnFinancial::ReportLoadProblems()
{
    if (m_problems.empty())
        return;
    const QString text = ProblemsText(m_problems);
    m_problems.clear();
    ShowError(text);
}

void TEnFinancial::PageShown(int index)
{
    StoreEdits();
    switch (index) {
    case fpRatios:
        Cmd_CountClick();
        break;
    case fpRatioChart:
        TabSheet5Show();
        break;
    case fpDuPont:
        DuPontCount();
        break;
    default:
        break;
    }
}

void TEnFinancial::RefreshCurrentPage()
{
    PageShown(m_pages->currentIndex());
}

void TEnFinancial::StoreEdits()
{
    for (TXLGrid* grid : m_grids)
        grid->SetEditMode(TXLEditMode::Closed);
}

bool TEnFinancial::Save(TSaveConfirm confirm)
{
    StoreEdits();
    try {
        m_document->Save(m_directory);
    } catch (const EPlatformError& e) {
        ShowError(QString::fromStdString(e.Message()));
        return false;
    }
    if (confirm == TSaveConfirm::Show)
        m_services.Messages->Information(this, QStringLiteral("系统提示"), QStringLiteral("保存成功"));
    return true;
}

void TEnFinancial::Cmd_SaveClick()
{
    Save(TSaveConfirm::Show);
}

void TEnFinancial::Cmd_ClearClick()
{
    StoreEdits();
    Guarded([this] { m_document->Clear(); });
}

void TEnFinancial::Cmd_CountClick()
{
    StoreEdits();
    Guarded([this] { m_document->ComputeRatios(); });
}

void TEnFinancial::DuPontCount()
{
    StoreEdits();
    Guarded([this] { m_document->ComputeDuPont(); });
    ShowDuPontChart();
}

void TEnFinancial::ShowDuPontChart()
{
    m_dupontChart->Fill(m_document->DuPontChart());
}

void TEnFinancial::TabSheet5Show()
{
    Guarded([this] { m_ratioChart->Fill(m_document->RatioChart()); });
}

void TEnFinancial::SelectMode(TDisplayMode mode)
{
    if (mode == m_document->DisplayMode())
        return;
    Guarded([this, mode] { m_document->SelectDisplayMode(mode); });
    ShowDuPontChart();
}

void TEnFinancial::RadioButton1Click()
{
    SelectMode(dmPercent);
}

void TEnFinancial::RadioButton2Click()
{
    SelectMode(dmPlain);
}

void TEnFinancial::Cmd_ExportExcelClick()
{
    const QString path = NewExportPath(QDateTime::currentDateTime());
    try {
        WriteRatioWorkbook(m_document->Sheet(fsRatios), m_document->PeriodCount(), path.toStdString());
    } catch (const EPlatformError& e) {
        ShowError(QString::fromStdString(e.Message()));
        return;
    }
    if (OnStatus)
        OnStatus(QStringLiteral("财务分析指标已导出到 ") + path);
    if (!OpenWorkbook(path, m_services.SpreadsheetSearchDirs))
        m_services.Messages->Error(this, QStringLiteral("错误提示"), QStringLiteral("Excel可能未安装好"));
}

void TEnFinancial::Cmd_DuPontShowClick()
{
    OpenWebPage(WebPageUrl(m_services.Settings->WebBase(), TWebPage::DuPont));
}

void TEnFinancial::Guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const EPlatformError& e) {
        ShowError(QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    }
}

void TEnFinancial::ShowError(const QString& text)
{
    m_services.Messages->Error(this, kAppTitle, text);
}

void TEnFinancial::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void TEnFinancial::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // Whatever follows the first paint (prompts, a benchmark's quit) runs after it, never inside it.
    QTimer::singleShot(0, this, [this] {
        if (OnFirstPaint)
            OnFirstPaint();
    });
}

} // namespace qv
