#include "spddtest.h"

#include "platform/grid/datagrid.h"
#include "posting/salesposting.h"
#include "sales/spxs.h"
#include "sales/spxsimportdd.h"

#include <QItemSelectionModel>
#include <QRadioButton>

namespace {

// An approved order of G1 in two lines: 10 pieces at 100 (red S 6, red M 4) and a
// gift line of 2 pieces (blue S), and a delivery draft "XS2405100001" of the operator
// with one line and its colour-by-size row.
class SpddTakeOver : public SpddTest {
protected:
    void SetUp() override
    {
        SpddTest::SetUp();
        const QString ck = Warehouse();
        Sql(QStringLiteral("insert into jxc_xsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_status,ls_qk,ls_jsfs,ls_kmmc,"
                           "ls_note,a_name) values ('XD2405090001','K1','%1','100001','2024-05-09 09:00',1,0,1,'',"
                           "'ORDER NOTE','admin')")
                .arg(ck));
        first = AddOrderLine(10, QString(), { { "R", "S", 6 }, { "R", "M", 4 } });
        gift = AddOrderLine(2, U8d("(赠品)"), { { "B", "S", 2 } });
        Sql(QStringLiteral("update jxc_xssp set ls_cksl=4 where id=%1").arg(first));
        Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,ls_dj,ls_zje,a_name,tid,ls_cksl,gl_djh2) "
                           "values ('XS2405100001','G1',1,80,80,'admin',0,0,'')"));
        const QString old = Scalar(QStringLiteral("select max(id) from jxc_lsxssp"));
        Sql(QStringLiteral("update jxc_lsxssp set tid=id"));
        Sql(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                           "('XS2405100001','G1','S','B',1,'admin',%1)")
                .arg(old));
    }
    struct Row {
        const char* color;
        const char* size;
        double qty;
    };
    qint64 AddOrderLine(double qty, const QString& gift, std::initializer_list<Row> rows)
    {
        Sql(QStringLiteral("insert into jxc_xssp (gl_djh,g_sn,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_zje,ls_cksl,ls_bz,t_zp,"
                           "a_name) values ('XD2405090001','G1',%1,100,100,1,%2,0,'note','%3','admin')")
                .arg(qty)
                .arg(qty * 100)
                .arg(gift));
        const qint64 id = Scalar(QStringLiteral("select max(id) from jxc_xssp")).toLongLong();
        Sql(QStringLiteral("update jxc_xssp set tid=id where id=%1").arg(id));
        for (const Row& r : rows)
            Sql(QStringLiteral("insert into jxc_xsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                               "('XD2405090001','G1','%1','%2',%3,'admin',%4)")
                    .arg(QLatin1String(r.size), QLatin1String(r.color))
                    .arg(r.qty)
                    .arg(id));
        return id;
    }
    TakeOverTarget Target() const { return { QStringLiteral("XS2405100001"), QStringLiteral("2024-05-10") }; }
    // Each delivery line with the sum of its colour-by-size rows, linked by tid = id.
    QStringList DeliveryLines() const
    {
        return Rows(
            QStringLiteral("select a.ls_sl,a.ls_cksl,coalesce(a.t_zp,''),a.gl_djh2,(select sum(b.t_sl) from "
                           "jxc_lsxsspmx b where b.tid=a.id and b.gl_djh=a.gl_djh),a.tid-a.id from jxc_lsxssp a "
                           "where a.gl_djh='XS2405100001' order by a.id"));
    }
    qint64 first = 0;
    qint64 gift = 0;
};

TEST_F(SpddTakeOver, TheWholeOrderReplacesTheDraftWithTheFullQuantities)
{
    EXPECT_EQ(TakeOverWholeOrder(QStringLiteral("XD2405090001"), Target()), QStringLiteral("XS2405100001"));
    EXPECT_EQ(DeliveryLines(),
        (QStringList { QStringLiteral("10 10  XD2405090001 10 0"), QStringLiteral("2 2  XD2405090001 2 0") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("gl_djh='XS2405100001'")), 3)
        << "the replaced line's row went with it";
    EXPECT_EQ(Number(QStringLiteral("select sum(ls_zje) from jxc_lsxssp where gl_djh='XS2405100001'")), 1200);
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("ls_cksl=4")), 1) << "the order is not written to";
}

TEST_F(SpddTakeOver, ChosenLinesAreAddedInTheOrderChosen)
{
    UseStockOut = QStringLiteral("1");
    TakeOverOrderLines({ gift, first }, Target());
    EXPECT_EQ(DeliveryLines(),
        (QStringList { QStringLiteral("1 0   1 0"), QStringLiteral("2 0  XD2405090001 2 0"),
            QStringLiteral("10 0  XD2405090001 10 0") }));
}

TEST_F(SpddTakeOver, AnotherOperatorsNumberIsLeftAlone)
{
    Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,a_name) values ('XS2405100001','G1',5,'other')"));
    const QString number = TakeOverWholeOrder(QStringLiteral("XD2405090001"), Target());
    EXPECT_NE(number, QStringLiteral("XS2405100001"));
    EXPECT_EQ(Rows(QStringLiteral("select ls_sl,a_name from jxc_lsxssp where gl_djh='XS2405100001'")),
        QStringList { QStringLiteral("5 other") });
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh='%1'").arg(number)), 2);
}

TEST_F(SpddTakeOver, OnlyApprovedOpenNotVoidOrdersAreOffered)
{
    OrderListFilter f { QStringLiteral("2024-05-01"), QStringLiteral("2024-05-10") };
    auto count = [this, &f](bool lines) {
        SqlParams p;
        Query q(&dm->ADOConn);
        OpenWithParams(q, lines ? TakeOverLinesSql(f, p) : TakeOverOrdersSql(f, p), p);
        return q.RecordCount();
    };
    EXPECT_EQ(count(false), 1);
    EXPECT_EQ(count(true), 2);
    Sql(QStringLiteral("update jxc_xssp set ls_cksl=ls_sl"));
    EXPECT_EQ(count(false), 0) << "nothing left to deliver";
    f.showFinished = true;
    EXPECT_EQ(count(false), 1);
    Sql(QStringLiteral("update jxc_xssp set ls_cksl=0"));
    f.showFinished = false;
    SetSalesOrderVoid(QStringLiteral("XD2405090001"), true);
    EXPECT_EQ(count(false), 0);
    EXPECT_EQ(count(true), 0);
}

TEST_F(SpddTakeOver, ApprovingTheDeliveryTakesOnlyTheOrdersRowsFromStock)
{
    for (const char* color : { "R", "B" })
        for (const char* size : { "S", "M" })
            fixture::AddColorSizeStock(
                QStringLiteral("G1"), Warehouse(), QLatin1String(color), QLatin1String(size), 20);
    fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 80, 40, 80);
    const double before = Number(QStringLiteral("select sum(t_sl) from jxc_tkc"));
    const QString number = TakeOverWholeOrder(QStringLiteral("XD2405090001"), Target());
    Sql(QStringLiteral(
        "insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_status,ls_yfje,ls_sfje,ls_jsfs,"
        "a_name,ls_qk,ls_crk) values ('%1','K1','%2','100001','2024-05-10 10:20',0,1200,1200,0,'admin',1,1)")
            .arg(number, Warehouse()));
    ApproveSalesDoc(number);
    EXPECT_EQ(before - Number(QStringLiteral("select sum(t_sl) from jxc_tkc")), 12);
}

TEST_F(SpddTakeOver, TheWindowFillsTheDeliveryHeaderOrAddsTheLinesChosen)
{
    auto delivery = std::make_unique<TF_Spxs>();
    F_Spxs = delivery.get();
    delivery->Activate();
    Sql(QStringLiteral("update jxc_lsxssp set gl_djh='%1'").arg(delivery->DocNumber()));
    Sql(QStringLiteral("update jxc_lsxsspmx set gl_djh='%1'").arg(delivery->DocNumber()));
    {
        TF_Spxs_ImportDD d;
        d.Activate();
        ASSERT_EQ(d.Q_Cgd.RecordCount(), 1);
        d.btn_OK3Click();
    }
    EXPECT_EQ(delivery->tnote->text(), QStringLiteral("ORDER NOTE"));
    EXPECT_EQ(delivery->tsn2->text(), QStringLiteral("XD2405090001"));
    EXPECT_EQ(SourceDocNo, QStringLiteral("XD2405090001"));
    EXPECT_EQ(delivery->comJsfs->currentIndex(), 1);
    EXPECT_EQ(CurrentCustomerSn, QStringLiteral("K1"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh='%1'").arg(delivery->DocNumber())), 2);

    TF_Spxs_ImportDD d;
    d.Activate();
    d.rMxb->setChecked(true);
    ASSERT_EQ(d.Q_Zjjh.RecordCount(), 2);
    // The view lists the newest line first: choose the first line, then the gift.
    auto* model = d.cxGrid21View->selectionModel();
    for (int row : { 1, 0 })
        model->select(d.cxGrid21View->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    d.btn_OK3Click();
    EXPECT_EQ(
        Column(QStringLiteral("select ls_sl from jxc_lsxssp where gl_djh='%1' order by id").arg(delivery->DocNumber())),
        (QStringList { QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("2") }));
    F_Spxs = nullptr;
    SourceDocNo.clear();
}

} // namespace
