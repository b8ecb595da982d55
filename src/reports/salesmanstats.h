#pragma once
#include <QDate>
#include <QString>

// The statements of the salesman sales tab: approved sales and returns by salesman
// as documents, as sums per goods and salesman, and as goods lines.

struct SalesmanChoice {
    QDate from;
    QDate to;
    QString staffName; // empty for 所有员工
    QString customer;  // kh_sn; empty for all
    QString warehouse; // ck_name from the filter dialog; empty for all
    QString kind;      // "销售单", "退货单" or empty for both
    QString text;      // goods lines only
};

QString SalesmanDocumentsSql(const SalesmanChoice& c);
// The ledger lines of one document with their goods.
QString SalesmanDocumentLinesSql(const QString& number);
QString SalesmanGoodsSummarySql(const SalesmanChoice& c);
// The sales and returns of one goods in the period, by the combo's salesman.
QString SalesmanGoodsSalesSql(const SalesmanChoice& c, const QString& goods);
QString SalesmanGoodsLinesSql(const SalesmanChoice& c);

// The height of the panels below the documents and the goods summary.
int LowerPanelHeight(int windowHeight);
