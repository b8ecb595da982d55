#pragma once
#include "postingtest.h"

#include "foundation/globals.h"
#include "platform/ui/scriptedprompt.h"
#include "posting/purchaseposting.h"
#include "posting/tradereversal.h"

#include <QList>
#include <QString>

// Stock documents in the state their approval leaves, for the reversal tests. The
// transfer, loss, overflow and stock-take are written pending and posted by their
// approval; for the other kinds, whose postings come with their windows, the
// fixture writes the header, lines, colour-by-size rows, ledger rows, stock, goods
// totals, monthly balances, moving averages, colour-by-size stock and money row.
namespace stockfixture {

struct SizeRow {
    QString color, size;
    double qty;
};
struct StockLine {
    QString goods;
    double qty = 0; // as the ledger row carries it, signed
    double price = 0;
    QList<SizeRow> rows;   // colour-by-size rows, quantities as the detail table holds them
    QString warehouse;     // split and bundle lines name their own; empty: the header's
    qint64 sourceLine = 0; // the loan-out or requisition line a loan back or return points at
    QString loanMove;      // loan back: "hh" given back, "xs" sold
};
struct StockDoc {
    QString number; // its prefix gives the kind
    QString date;
    QString warehouse = QStringLiteral("100001");
    QString receiving; // a transfer's receiving warehouse
    QList<StockLine> lines;
};

// Writes the approved document and its postings; answers the line ids.
QList<qint64> PostStockDoc(const StockDoc& doc);

// The documents' day, and the colour-by-size rows of goods G1 (red S, blue M) and G2.
inline const QString kDay = QStringLiteral("2024-05-10 11:00");
inline SizeRow RS(double q)
{
    return { QStringLiteral("R"), QStringLiteral("S"), q };
}
inline SizeRow BM(double q)
{
    return { QStringLiteral("B"), QStringLiteral("M"), q };
}
inline SizeRow Plain(double q)
{
    return { QStringLiteral("100001"), QStringLiteral("100001"), q };
}

} // namespace stockfixture

// Stock built by goods-in postings: G1 (red S, blue M) in both warehouses, G2 in
// the first, and a goods-in on the 20th so that a reversal on the 10th has later
// rows to recompute.
class StockDocTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        Prompt::Install(&prompt);
        fixture::AddSupplier(QStringLiteral("S1"), S("供应一"));
        fixture::AddGoods({ QStringLiteral("G2"), S("纽扣") });
        GoodsIn(QStringLiteral("CJ1"), QStringLiteral("2024-05-01 09:00"), QStringLiteral("100001"),
            { { QStringLiteral("G1"), 20, 50,
                  { { QStringLiteral("R"), QStringLiteral("S"), 10 },
                      { QStringLiteral("B"), QStringLiteral("M"), 10 } } },
                { QStringLiteral("G2"), 10, 30, {} } });
        GoodsIn(QStringLiteral("CJ2"), QStringLiteral("2024-05-02 09:00"), QStringLiteral("W2"),
            { { QStringLiteral("G1"), 8, 40,
                { { QStringLiteral("R"), QStringLiteral("S"), 4 },
                    { QStringLiteral("B"), QStringLiteral("M"), 4 } } } });
        GoodsIn(QStringLiteral("CJ3"), QStringLiteral("2024-05-20 09:00"), QStringLiteral("100001"),
            { { QStringLiteral("G1"), 4, 60,
                { { QStringLiteral("R"), QStringLiteral("S"), 2 },
                    { QStringLiteral("B"), QStringLiteral("M"), 2 } } } });
        // A loan-out line and a requisition line for the loan back and the department return to point at.
        Sql(QStringLiteral("insert into jxc_khjhsp (gl_djh,g_sn,jh_sl,jh_hhsl,jh_xssl) values ('JH0','G1',5,0,0)"));
        loanLine = static_cast<qint64>(Number(QStringLiteral("select max(id) from jxc_khjhsp")));
        Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_hhsl,ly_qxsl) values ('LY0','G1',5,0,0)"));
        requisitionLine = static_cast<qint64>(Number(QStringLiteral("select max(id) from jxc_bmlysp")));
        AllowZeroStockOut = QStringLiteral("0");
    }
    void TearDown() override
    {
        Prompt::Install(nullptr);
        AuxTag.clear();
        PostingTest::TearDown();
    }

    void GoodsIn(
        const QString& no, const QString& date, const QString& warehouse, const QList<fixture::LineSpec>& lines)
    {
        fixture::AddDocument(
            { fixture::Trade::GoodsIn, no, date, QStringLiteral("S1"), warehouse, QStringLiteral("100001"), 1, lines });
        Sql(QStringLiteral("update jxc_jhd set j_sfje=0,j_kmmc='现金',j_jsfs='1',j_checker='admin' where gl_djh='%1'")
                .arg(no));
        Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='%1'").arg(no));
        ApprovePurchaseDoc(no);
    }

    // Cancels through the prefix dispatch; answers UnapproveResult.
    QString Cancel(const QString& no)
    {
        UnapproveResult.clear();
        EXPECT_TRUE(UnapproveDocument(no));
        return UnapproveResult;
    }
    // What the posted-state snapshot leaves out: the loan and requisition counters.
    QStringList Counters()
    {
        return Rows(QStringLiteral("select jh_hhsl,jh_xssl from jxc_khjhsp where gl_djh='JH0'"))
            + Rows(QStringLiteral("select ly_hhsl from jxc_bmlysp where gl_djh='LY0'"));
    }

    ScriptedPrompt prompt;
    qint64 loanLine = 0;
    qint64 requisitionLine = 0;
};
