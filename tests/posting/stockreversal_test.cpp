#include "postingtest.h"
#include "stockdocfixture.h"

#include "foundation/globals.h"
#include "posting/stockreversal.h"
#include "posting/tradereversal.h"

#include <QMap>

using namespace fixture;
using namespace stockfixture;

namespace {

// One approved document of each kind, as its posting leaves it.
StockDoc Document(const QString& prefix, qint64 loanLine, qint64 requisitionLine)
{
    const QString no = prefix + QStringLiteral("240510001");
    const QString g1 = QStringLiteral("G1");
    const QString g2 = QStringLiteral("G2");
    if (prefix == QLatin1String("DB"))
        return { no, kDay, QStringLiteral("100001"), QStringLiteral("W2"), { { g1, 4, 50, { RS(2), BM(2) } } } };
    if (prefix == QLatin1String("PD"))
        // Blue M is not counted: the approval empties it, the cancel must give it back.
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, 9, 50, { RS(9) } } } };
    if (prefix == QLatin1String("CF"))
        return { no, kDay, QStringLiteral("100001"), {},
            { { g1, -2, 50, { RS(-1), BM(-1) } }, { g2, 4, 25, { Plain(4) } } } };
    if (prefix == QLatin1String("KB"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g2, -4, 30, { Plain(4) } }, { g1, 2, 60, {} } } };
    if (prefix == QLatin1String("BS"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, -3, 50, { RS(2), BM(1) } } } };
    if (prefix == QLatin1String("BY"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, 3, 50, { RS(3) } } } };
    if (prefix == QLatin1String("JH"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, 2, 50, {} } } };
    if (prefix == QLatin1String("HH"))
        return { no, kDay, QStringLiteral("100001"), {},
            { { g1, 2, 50, {}, {}, loanLine, QStringLiteral("hh") },
                { g1, 1, 50, {}, {}, loanLine, QStringLiteral("xs") } } };
    if (prefix == QLatin1String("SC"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, 5, 45, { RS(5) } } } };
    if (prefix == QLatin1String("ST"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, -2, 50, { RS(2) } } } };
    if (prefix == QLatin1String("LY"))
        return { no, kDay, QStringLiteral("100001"), {}, { { g1, 3, 50, { RS(3) } } } };
    // LT and LF: a return of 2 against the requisition line.
    return { no, kDay, QStringLiteral("100001"), {}, { { g1, -2, 50, { BM(2) }, {}, requisitionLine } } };
}

// The header table and status column of a prefix.
std::pair<QString, QString> HeaderOf(const QString& prefix)
{
    static const QMap<QString, std::pair<QString, QString>> headers {
        { QStringLiteral("DB"), { QStringLiteral("jxc_kcdbd"), QStringLiteral("db_status") } },
        { QStringLiteral("PD"), { QStringLiteral("jxc_kcpd"), QStringLiteral("pd_status") } },
        { QStringLiteral("CF"), { QStringLiteral("jxc_cfd"), QStringLiteral("cf_status") } },
        { QStringLiteral("KB"), { QStringLiteral("jxc_kbd"), QStringLiteral("kb_status") } },
        { QStringLiteral("BS"), { QStringLiteral("jxc_bsd"), QStringLiteral("bs_status") } },
        { QStringLiteral("BY"), { QStringLiteral("jxc_byd"), QStringLiteral("by_status") } },
        { QStringLiteral("JH"), { QStringLiteral("jxc_khjh"), QStringLiteral("jh_status") } },
        { QStringLiteral("SC"), { QStringLiteral("jxc_scrkd"), QStringLiteral("sc_status") } },
        { QStringLiteral("ST"), { QStringLiteral("jxc_scrkd"), QStringLiteral("sc_status") } },
        { QStringLiteral("LY"), { QStringLiteral("jxc_bmlyd"), QStringLiteral("ly_status") } },
        { QStringLiteral("LT"), { QStringLiteral("jxc_bmlyd"), QStringLiteral("ly_status") } },
        { QStringLiteral("LF"), { QStringLiteral("jxc_bmlyd"), QStringLiteral("ly_status") } },
    };
    return headers.value(prefix);
}

class StockReversalProperty : public StockDocTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(StockReversalProperty, ApproveThenCancelRestoresEveryLedger)
{
    const QString prefix = QLatin1String(GetParam());
    const StockDoc doc = Document(prefix, loanLine, requisitionLine);
    // A manual expense row that merely names the number is no row of the posting.
    Sql(QStringLiteral("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,fy_note) values ('FY1','2024-05-12','费用',-8,'")
        + doc.number + QStringLiteral("的运费')"));
    const Snapshot before = TakeSnapshot();
    const QStringList counters = Counters();
    PostStockDoc(doc);
    ASSERT_NE(before, TakeSnapshot());
    const int lines = Number(
        QStringLiteral("select count(*) from jxc_goodslist where gl_djh='") + doc.number + QStringLiteral("'"));
    ASSERT_GT(lines, 0);
    if (prefix == QLatin1String("HH") || prefix == QLatin1String("LT"))
        ASSERT_NE(Counters(), counters);

    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_EQ(Cancel(doc.number), QStringLiteral("ok"));
    const Snapshot after = TakeSnapshot();
    EXPECT_EQ(before, after) << Difference(before, after).toStdString();
    EXPECT_EQ(Counters(), counters);
    EXPECT_TRUE(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")).endsWith(doc.number));

    if (prefix == QLatin1String("HH")) {
        // A loan back is deleted, not kept pending.
        EXPECT_EQ(
            Number(QStringLiteral("select count(*) from jxc_khjh where gl_djh='") + doc.number + QStringLiteral("'"))
                + Number(QStringLiteral("select count(*) from jxc_khjhsp where gl_djh='") + doc.number
                    + QStringLiteral("'")),
            0);
    } else {
        const auto [header, column] = HeaderOf(prefix);
        EXPECT_EQ(Rows(QStringLiteral("select ") + column + QStringLiteral(",") + column.left(3)
                      + QStringLiteral("checker from ") + header + QStringLiteral(" where gl_djh='") + doc.number
                      + QStringLiteral("'")),
            QStringList { QStringLiteral("0 ") });
    }

    // A second cancel finds no approved header: no question, nothing changed.
    EXPECT_EQ(Cancel(doc.number), QString());
    EXPECT_EQ(after, TakeSnapshot());
    EXPECT_TRUE(prompt.AllAnswersUsed());
    EXPECT_EQ(prompt.Questions().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, StockReversalProperty,
    ::testing::Values("DB", "PD", "CF", "KB", "BS", "BY", "JH", "HH", "SC", "ST", "LY", "LT", "LF"));

} // namespace

namespace {

TEST_F(StockDocTest, RefusalsAndNoChangeNothing)
{
    const StockDoc doc = Document(QStringLiteral("DB"), loanLine, requisitionLine);
    PostStockDoc(doc);
    // A pending duplicate of the number stays with every refusal.
    Sql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_status) values ('") + doc.number
        + QStringLiteral("','100001','W2',0)"));
    Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,kcgl) values ('R2','店员','0000000000000000')"));
    const Snapshot approved = TakeSnapshot();
    const int logLines = Number(QStringLiteral("select count(*) from jxc_log"));
    const double received = Number(QStringLiteral("select t_sl from jxc_tkc where ck_sn='W2' and color_sn='R'"));

    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString message; // empty: the question, answered No
    };
    const QList<Case> cases {
        { "no right", [] { CurrentRoleSn = QStringLiteral("R2"); }, S("您没有取消审核库存调拨单的权限！") },
        // The receiving warehouse no longer holds what came in.
        { "receiving colour-by-size stock would go negative",
            [&] { Sql(QStringLiteral("update jxc_tkc set t_sl=1 where ck_sn='W2' and color_sn='R'")); },
            S("G1 衬衫 颜色：红 尺码：小码\r\n\r\n库存出现负数，不能调拨") },
        { "answered No", [] {}, QString() },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurrentRoleSn = QStringLiteral("100001");
        prompt.Clear();
        c.arrange();
        const Snapshot arranged = TakeSnapshot();
        if (c.message.isEmpty())
            prompt.Answer(Prompt::Answer::No);
        UnapproveResult = QStringLiteral("untouched");
        UnapproveTransfer(doc.number);
        EXPECT_EQ(UnapproveResult, QStringLiteral("untouched"));
        if (!c.message.isEmpty())
            EXPECT_EQ(prompt.LastMessage(), c.message);
        else
            EXPECT_EQ(prompt.Questions(),
                QStringList { S("您的操作将取消当前选中的已审核单据：") + doc.number + S("，确认吗？") });
        EXPECT_EQ(arranged, TakeSnapshot());
        EXPECT_EQ(
            Number(QStringLiteral("select count(*) from jxc_kcdbd where gl_djh='") + doc.number + QStringLiteral("'")),
            2);
        EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_log")), logLines);
        Sql(QStringLiteral("update jxc_tkc set t_sl=%1 where ck_sn='W2' and color_sn='R'").arg(received));
    }
    EXPECT_EQ(approved, TakeSnapshot());
}

TEST_F(StockDocTest, StockTakeRefusedByLaterBusinessInItsWarehouseOnly)
{
    const StockDoc doc = Document(QStringLiteral("PD"), loanLine, requisitionLine);
    PostStockDoc(doc);
    AddLedgerRow({ QStringLiteral("xs"), QStringLiteral("XS240511001"), QStringLiteral("2024-05-11 09:00"),
        QStringLiteral("G1"), QStringLiteral("W2"), 1, 50, 50 });
    AuxTag = QStringLiteral("kcpd");
    EXPECT_EQ(Cancel(doc.number), QStringLiteral("ok")) << prompt.LastMessage().toStdString();
    EXPECT_TRUE(prompt.Questions().isEmpty());

    StockDoc second = doc;
    second.number = QStringLiteral("PD240510002");
    PostStockDoc(second);
    AddLedgerRow({ QStringLiteral("xs"), QStringLiteral("XS240510002"), kDay, QStringLiteral("G1"),
        QStringLiteral("100001"), 1, 50, 50 });
    const Snapshot approved = TakeSnapshot();
    EXPECT_EQ(Cancel(second.number), QString());
    EXPECT_EQ(prompt.LastMessage(),
        S("在【") + kDay + S("】日期之后盘点商品已发生业务，\r\n\r\n单号为：【XS240510002】，\r\n\r\n该盘点单 ")
            + second.number + S(" 不能撤销！"));
    EXPECT_EQ(approved, TakeSnapshot());
}

TEST_F(StockDocTest, LoanBackCountersNeverBelowZeroAndOverflowIgnoresNegativeStock)
{
    PostStockDoc(Document(QStringLiteral("HH"), loanLine, requisitionLine));
    // The loan-out line was corrected meanwhile to less than this document gave back.
    Sql(QStringLiteral("update jxc_khjhsp set jh_hhsl=1 where gl_djh='JH0'"));
    const StockDoc overflow = Document(QStringLiteral("BY"), loanLine, requisitionLine);
    PostStockDoc(overflow);
    Sql(QStringLiteral("update jxc_tkc set t_sl=1 where ck_sn='100001' and g_sn='G1' and color_sn='R'"));
    AuxTag = QStringLiteral("kcpd");

    EXPECT_EQ(Cancel(QStringLiteral("HH240510001")), QStringLiteral("ok"));
    EXPECT_EQ(Rows(QStringLiteral("select jh_hhsl,jh_xssl from jxc_khjhsp where gl_djh='JH0'")),
        QStringList { QStringLiteral("0 0") });

    EXPECT_EQ(Cancel(overflow.number), QStringLiteral("ok"));
    EXPECT_EQ(
        Number(QStringLiteral("select t_sl from jxc_tkc where ck_sn='100001' and g_sn='G1' and color_sn='R'")), -2);
}

} // namespace
