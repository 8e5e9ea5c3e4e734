// Writes two workbooks through the application's export for check_export.py: three periods plain, eight in percent.
#include "app/core/Analysis.h"
#include "app/core/FinancialDocument.h"
#include "app/window/RatioExport.h"
#include "formula/Engine.h"
#include "platform/Errors.h"
#include "sheet/Manager.h"

#include <QCoreApplication>

#include <iostream>

namespace {

// Current assets 300 over current liabilities 100 in the first period: "流动比率" 3, or 300 in percent.
void FillStatements(qv::FinancialDocument& document)
{
    qv::TXLSheet& balance = document.Sheet(qv::fsBalanceSheet);
    balance.GetCell(qv::kFirstPeriodColumn, qv::kBsCurrentAssets).SetAsCurrency(qv::Currency::FromInteger(300));
    balance.GetCell(qv::kFirstPeriodColumn, qv::kBsCurrentLiabilities).SetAsCurrency(qv::Currency::FromInteger(100));
}

void Export(qv::TDisplayMode mode, int periods, const std::string& path)
{
    qv::FinancialDocument document;
    FillStatements(document);
    document.SetPeriodCount(periods);
    document.SetDisplayMode(mode);
    document.ComputeRatios();
    // The heading is typed after computing, which clears row 0.
    document.Sheet(qv::fsRatios).GetCell(qv::kFirstPeriodColumn, 0).SetAsString("2024年");
    qv::WriteRatioWorkbook(document.Sheet(qv::fsRatios), periods, path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: export_fixture DIR\n";
        return 1;
    }
    qv::InitEngine();
    const std::string dir = argv[1];
    try {
        Export(qv::dmPlain, 3, dir + "/plain-3.xlsx");
        Export(qv::dmPercent, 8, dir + "/percent-8.xlsx");
    } catch (const qv::EPlatformError& e) {
        std::cerr << "export_fixture: " << e.Message() << '\n';
        return 2;
    }
    return 0;
}
