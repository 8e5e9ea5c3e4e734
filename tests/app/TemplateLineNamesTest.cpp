// Every line name of the five templates, row by row, as the statement and table layouts list them.
#include "AppTestSupport.h"
#include "app/core/SheetTemplates.h"
#include "cells/StringCell.h"

#include <algorithm>
#include <span>
#include <vector>

namespace qv {
namespace {

using test::kIndent;

// From row 1 on (the ratio table from row 0); nullptr: the row holds no cell in that column.
const char* const kBalanceSheetNames[] = {"货币资金",
                                          "短期投资",
                                          "减：短期投资跌价准备",
                                          "短期投资净额",
                                          "应收票据",
                                          "应收股利",
                                          "应收利息",
                                          "应收帐款",
                                          "坏帐准备",
                                          "应收帐款净额",
                                          "预付帐款",
                                          "应收关联企业款",
                                          "应收补贴款",
                                          "其它应收款",
                                          "存货",
                                          "存货跌价准备",
                                          "存货变现损失",
                                          "存货净额",
                                          "待摊费用",
                                          "待处理流动资产净损失",
                                          "一年内到期长期债券投资",
                                          "其它流动资产",
                                          "内部往来",
                                          "流动资产合计",
                                          "长期股权投资",
                                          "其中：合并差价",
                                          "长期债权投资",
                                          "长期投资合计",
                                          "减：长期投资减值准备",
                                          "长期投资净额",
                                          "固定资产原价",
                                          "减：累计折旧",
                                          "固定资产净值",
                                          "工程物资",
                                          "在建工程",
                                          "固定资产清理",
                                          "待处理固定资产净损失",
                                          "固定资产合计",
                                          "无形资产",
                                          "开办费",
                                          "长期待摊费用",
                                          "递延资产",
                                          "其他长期资产",
                                          "无形资产及递延资产合计",
                                          "递延税款借项",
                                          "资产总计",
                                          "短期借款",
                                          "应付票据",
                                          "应付帐款",
                                          "预收帐款",
                                          "代销商品款",
                                          "应付工资",
                                          "应付福利费",
                                          "应付股利",
                                          "未交税金",
                                          "其他未交款",
                                          "其他应付款",
                                          "预提费用",
                                          "一年内到期的长期负债",
                                          "其他流动负债",
                                          "待扣税金",
                                          "应付关联企业款",
                                          "职工奖励及福利基金",
                                          "流动负债合计",
                                          "长期借款",
                                          "应付债券",
                                          "长期应付款",
                                          "住房周转金",
                                          "其他长期负债",
                                          "长期负债合计",
                                          "递延税款贷项",
                                          "递延收益",
                                          "负债合计",
                                          "少数股东权益",
                                          "股本",
                                          "资本公积",
                                          "盈余公积",
                                          "其中：公益金",
                                          "任意公积金",
                                          "集体福利基金",
                                          "未分配利润",
                                          "货币换算差额",
                                          "股东权益合计",
                                          "负债及股东权益总计"};
const char* const kIncomeStatementNames[] = {"主营业务收入",
                                             "减：折扣与折让",
                                             "主营业务收入净额",
                                             "减：主营业务成本",
                                             "减：主营业务税金及附加",
                                             "主营业务利润",
                                             "加：其他业务利润",
                                             "减：存货跌价损失",
                                             "营业费用",
                                             "管理费用",
                                             "财务费用",
                                             "进货费用",
                                             "营业利润",
                                             "加：投资收益",
                                             "补贴收入",
                                             "营业外收入",
                                             "减：营业外支出",
                                             "加：以前年度损益调整",
                                             "利润总额",
                                             "减：所得税",
                                             "减：少数股东损益",
                                             "净利润",
                                             "加：年初未分配利润",
                                             "盈余公积转入",
                                             "减：职工奖励及福利基金",
                                             "可供分配的利润",
                                             "减：提取法定盈余公积",
                                             "提取法定公益金",
                                             "转入盈余公积",
                                             "职工福利奖金",
                                             "可供股东分配的利润",
                                             "减：已分配优先股股利",
                                             "提取任意盈余公积",
                                             "已分配普通股股利",
                                             "转作股本的普通股股利",
                                             "未分配利润"};
const char* const kCashFlowNames[] = {"经营活动产生的现金流量",
                                      "销售商品、提供劳务收到的现金",
                                      "收到的租金",
                                      "收到的增值税销项税额和退回的增值税款",
                                      "收到的除增值税以外的其他税费返还",
                                      "收到的与其他经营活动有关的现金",
                                      "现金流入小计",
                                      "购买商品、接受劳务支付的现金",
                                      "经营租赁所支付的现金",
                                      "支付给职工以及为职工支付的现金",
                                      "支付的所得税款",
                                      "支付的增值税款",
                                      "支付的除增值税、所得税以外的其他税费",
                                      "支付的其他与经营活动有关的现金",
                                      "现金流出小计",
                                      "经营活动产生的现金流量净额",
                                      "投资活动产生的现金流量",
                                      "收回投资所收到的现金",
                                      "分得股利或利润所收到的现金",
                                      "取得债券利息收入所收到的现金",
                                      "处置固定资产、无形资产和其他长期资产而收到的现金净额",
                                      "收到的其他与投资活动有关的现金",
                                      "现金流入小计",
                                      "购建固定资产、无形资产和其他长期资产所支付的现金",
                                      "权益性投资所支付的现金",
                                      "债权性投资所支付的现金",
                                      "支付的其他与投资活动有关的现金",
                                      "现金流出小计",
                                      "投资活动所产生的现金流量净额",
                                      "筹资活动产生的现金流量",
                                      "吸收权益性投资所收到的现金",
                                      "子公司吸收少数股东权益性投资收到的现金",
                                      "发行债券所收到的现金",
                                      "借款所收到的现金",
                                      "收到的其他与筹资活动有关的现金",
                                      "现金流入小计",
                                      "偿还债务所支付的现金",
                                      "发生筹资费用所支付的现金",
                                      "分配股利或利润所支付的现金",
                                      "子公司支付给少数股东的股利",
                                      "偿付利息所支付的现金",
                                      "融资租赁所支付的现金",
                                      "减少注册资本所支付的现金",
                                      "子公司依法减资支付给少数股东的现金",
                                      "支付的其他与筹资活动有关的现金",
                                      "现金流出小计",
                                      "筹资活动产生的现金流量净额",
                                      "汇率变动对现金的影响",
                                      "现金及现金等价物净增加",
                                      "以投资偿还债务",
                                      "以固定资产偿还债务",
                                      "以固定资产进行长期投资",
                                      "以存货偿还债务",
                                      "融资租赁固定资产",
                                      "净利润",
                                      "少数股东净利润",
                                      "加：计提的坏帐准备或转销的坏帐",
                                      "固定资产折旧",
                                      "无形资产摊销",
                                      "待摊费用摊销",
                                      "处置固定资产、无形资产和其他长期资产的损失（减：收益）",
                                      "固定资产报废损失",
                                      "财务费用",
                                      "投资损失（减：收益）",
                                      "递延税款贷项（减：借项）",
                                      "存货的减少（减：增加）",
                                      "待摊费用摊销（减：增加）",
                                      "经营性应收项目的减少（减：增加）",
                                      "经营性应付项目的增加（减：减少）",
                                      "增值税增加净额（减：减少）",
                                      "其他",
                                      "经营活动产生的现金流量净额",
                                      "货币资金的期末余额",
                                      "减：货币资金的期初余额",
                                      "现金等价物的期末余额",
                                      "减：现金等价物的期初余额",
                                      "现金及现金等价物净增加额"};
const char* const kRatioNames[] = {
    "偿债能力分析",   "流动比率",           "速动比率",     "现金比率",     "资产负债率(负债比率)", "有形资产负债率",
    "产权比率",       "有形净资产负债比率", nullptr,        "营运能力分析", "应收帐款周转率",       "存货周转率",
    "流动资产周转率", "固定资产周转率",     "总资产周转率", "赢利能力分析", "销售利润率",           "毛利率",
    "营业利润率",     "销售净利润率"};
const char* const kRatioExplanations[] = {"指标说明",
                                          "不得低于1：1，2：1较合适",
                                          "安全边际为１",
                                          "現金比率越高，表示現金資產占流動資產越高，變現損失風險較小。",
                                          "越低越好,暂无行业标准",
                                          "较资产负债率更加稳健、切实可靠",
                                          "产权比率越高,资产结构越健全，长期债权能力越强",
                                          "与有形资产负债率性质相同",
                                          nullptr,
                                          nullptr,
                                          "率高，短期偿债能力强、减少收帐费用坏帐损失",
                                          "率高变现快资金占用越底",
                                          "率高周转次数越多，周转额越多资产利用效果越好",
                                          "率高固定资产充分利用",
                                          "率低最终影响盈利能力",
                                          nullptr,
                                          "越大越好",
                                          "越大越好",
                                          "越大越好",
                                          "越大越好"};
const char* const kDuPontNames[] = {"资产负债率", "资产净利率", "销售净利率", "资产周转率", "净资产收益率"};

struct NameColumn {
    TFinSheet Sheet;
    int Col;
    int FirstRow;
    std::span<const char* const> Names; // rows FirstRow to the sheet's last
    std::vector<int> Indented;          // names that begin with the indenting blank
    std::vector<int> TrailingBlank;     // names that end with an ASCII blank
};

bool Holds(const std::vector<int>& rows, int row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST(TemplateLineNames, EveryRowOfEveryTemplateHoldsItsListedName)
{
    const NameColumn columns[] = {
        {fsBalanceSheet, 1, 1, kBalanceSheetNames, {3, 26, 29, 32, 78, 79}, {1, 25, 31}},
        {fsIncomeStatement, 1, 1, kIncomeStatementNames, {}, {}},
        {fsCashFlow, 1, 1, kCashFlowNames, {}, {}},
        {fsRatios, 1, 0, kRatioNames, {}, {}},
        {fsRatios, 0, 0, kRatioExplanations, {}, {}},
        {fsDuPont, 1, 1, kDuPontNames, {}, {}},
    };
    int compared = 0;
    for (const NameColumn& column : columns) {
        const std::unique_ptr<TXLSheet> sheet = CreateTemplateSheet(column.Sheet);
        SCOPED_TRACE(std::string(SheetComponentName(column.Sheet)) + " column " + std::to_string(column.Col));
        ASSERT_EQ(column.FirstRow + int(column.Names.size()), sheet->RowCount()) << "every line is listed";
        for (int row = column.FirstRow; row < sheet->RowCount(); ++row) {
            const char* listed = column.Names[std::size_t(row - column.FirstRow)];
            TXLCell* cell = sheet->FindCell(column.Col, row);
            if (!listed) {
                EXPECT_TRUE(!cell || cell->GetAsString().empty()) << "row " << row;
                continue;
            }
            ASSERT_NE(cell, nullptr) << "row " << row;
            const std::string expected = (Holds(column.Indented, row) ? kIndent : "") + std::string(listed) +
                                         (Holds(column.TrailingBlank, row) ? " " : "");
            EXPECT_EQ(cell->GetCellClass(), &TXLCString::Class()) << "row " << row;
            EXPECT_EQ(cell->GetAsString(), expected) << "row " << row;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 84 + 36 + 77 + 19 + 17 + 5);
}

} // namespace
} // namespace qv
