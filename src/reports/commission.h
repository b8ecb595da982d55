#pragma once
#include <QDate>
#include <QString>

// Salesman commission: the summary, kept per operator in jxc_jxchz, and the
// detail as one statement. The amounts are not rounded.

// comTcfs: which commission categories are worked out.
enum class CommissionCategory {
    All = 0,
    Collection = 1,     // 业务员按销售额提成
    Profit = 2,         // 业务员按毛利提成
    GoodsPerItem = 3,   // 商品按件数提成
    GoodsPerAmount = 4, // 商品按销售额提成
    GoodsPerProfit = 5, // 商品按毛利提成
};

struct CommissionChoice {
    QDate from;
    QDate to;
    QString staff; // u_sn; empty or "-1" for every salesman
    CommissionCategory category = CommissionCategory::All;
    bool giftsOut = false; // 赠品不参与提成
    // The till's rule for profit-method salesmen: the unit profit is taken without
    // the line discount, and the document-discount and gift lines count once, with
    // their own profit, for every such salesman.
    bool tillProfit = false;
};

// Replaces the operator's summary rows (a_name = operator) with the result of the
// choice: '1001', '1002', '2001', '3001', '4001', '5001' per salesman. Other
// operators' rows stay. One transaction.
void ComputeCommissionSummary(const CommissionChoice& choice, const QString& operatorName);
// The operator's summary rows as the grid shows them.
QString CommissionSummarySql(const QString& operatorName);
// The detail lines of the chosen categories (Q_Ckjth1).
QString CommissionDetailSql(const CommissionChoice& choice);
