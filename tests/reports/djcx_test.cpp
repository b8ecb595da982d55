#include "reportsfixture.h"

#include "reports/djcx.h"
#include "reports/djcxrules.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

class DocumentQueryTest : public ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        Goods(QStringLiteral("A"));
        fixture::AddSupplier(QStringLiteral("S1"), S("海岸制衣"));
        fixture::AddCustomer(QStringLiteral("K1"), S("丽人服饰"));
    }
    void Trade(fixture::Trade kind, const QString& number, const QString& date, int status,
        const QString& warehouse = QStringLiteral("100001"))
    {
        const QString partner = kind == fixture::Trade::GoodsIn ? QStringLiteral("S1") : QStringLiteral("K1");
        fixture::AddDocument({ kind, number, date, partner, warehouse, QStringLiteral("100001"), status,
            { { QStringLiteral("A"), 2, 10 } } });
    }
    void Transfer(const QString& number, const QString& from, const QString& to, int status)
    {
        Sql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,db_status,u_sn,db_note,a_name) "
                           "values ('%1','%2','%3','2024-03-05 10:00',%4,'100001','','admin')")
                .arg(number, from, to)
                .arg(status));
    }
    void Requisition(const QString& number, const QString& warehouse, int status)
    {
        Sql(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,ly_rq,ly_status,u_sn,ly_note,a_name) "
                           "values ('%1','%2','',  '2024-03-06 10:00',%3,'100001','','admin')")
                .arg(number, warehouse)
                .arg(status));
    }
    QStringList Numbers(const QDate& from, const QDate& to, const QString& text = QString())
    {
        return Column(QStringLiteral("select djh from (") + DocumentQueryStatement(from, to, text)
            + QStringLiteral(") t order by dsort,djh"));
    }
    QStringList March(const QString& text = QString()) { return Numbers(QDate(2024, 3, 1), QDate(2024, 3, 15), text); }
};

TEST_F(DocumentQueryTest, ListsApprovedDocumentsOfThePeriodAndGiftExchangesAlways)
{
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-03-02 09:00"), 1);
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ2"), QStringLiteral("2024-03-02 09:00"), 0);
    Trade(fixture::Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-03-15 23:59"), 1);
    Trade(fixture::Trade::Sale, QStringLiteral("XS2"), QStringLiteral("2024-03-16 00:00"), 1);
    Trade(fixture::Trade::SalesReturn, QStringLiteral("XT1"), QStringLiteral("2024-03-03 09:00"), 1);
    Transfer(QStringLiteral("DB1"), QStringLiteral("100001"), QStringLiteral("W2"), 1);
    Transfer(QStringLiteral("DB2"), QStringLiteral("100001"), QStringLiteral("W2"), 0);
    Requisition(QStringLiteral("LY1"), QStringLiteral("100001"), 1);
    Requisition(QStringLiteral("LT1"), QStringLiteral("100001"), 1);
    Sql(QStringLiteral("insert into jxc_dhd (gl_djh,hy_sn,dh_dhrq,dh_sl,dh_jf,dh_note,a_name,ck_sn) "
                       "values ('DH1','','2024-03-04 10:00',1,10,'','admin','100001')"));

    EXPECT_EQ(March(),
        (QStringList { QStringLiteral("CJ1"), QStringLiteral("XS1"), QStringLiteral("XT1"), QStringLiteral("DB1"),
            QStringLiteral("DH1"), QStringLiteral("LT1"), QStringLiteral("LY1") }));

    const auto rows = Keyed(QStringLiteral("select * from (")
            + DocumentQueryStatement(QDate(2024, 3, 1), QDate(2024, 3, 15), QString()) + QStringLiteral(") t"),
        QStringLiteral("djh"));
    EXPECT_EQ(rows.at(QStringLiteral("CJ1")).at(QStringLiteral("zflx")).toString(), S("采购进货单"));
    EXPECT_EQ(rows.at(QStringLiteral("CJ1")).at(QStringLiteral("ghskh")).toString(), S("海岸制衣"));
    EXPECT_DOUBLE_EQ(N(rows.at(QStringLiteral("CJ1")), "dsort"), 1);
    EXPECT_EQ(rows.at(QStringLiteral("XS1")).at(QStringLiteral("ghskh")).toString(), S("丽人服饰"));
    EXPECT_EQ(rows.at(QStringLiteral("DB1")).at(QStringLiteral("ghskh")).toString(), S("---------"));
    EXPECT_EQ(rows.at(QStringLiteral("DB1")).at(QStringLiteral("djh2")).toString(), S("------"));
    EXPECT_EQ(rows.at(QStringLiteral("LT1")).at(QStringLiteral("zflx")).toString(), S("部门退回单"));
    EXPECT_EQ(rows.at(QStringLiteral("DH1")).at(QStringLiteral("u_name")).toString(), QString());
}

TEST_F(DocumentQueryTest, TextAndWarehouseBinding)
{
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-03-02 09:00"), 1);
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ2"), QStringLiteral("2024-03-02 09:00"), 1, QStringLiteral("W2"));
    Trade(fixture::Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-03-03 09:00"), 1);
    Trade(fixture::Trade::PurchaseReturn, QStringLiteral("CT1"), QStringLiteral("2024-03-03 09:00"), 1);
    Transfer(QStringLiteral("DB1"), QStringLiteral("100001"), QStringLiteral("W2"), 1);
    Transfer(QStringLiteral("DB2"), QStringLiteral("W2"), QStringLiteral("100001"), 1);
    Requisition(QStringLiteral("LY1"), QStringLiteral("W2"), 1);
    Sql(QStringLiteral("update jxc_jhd set gl_djh2='R77' where gl_djh='CJ1'"));
    Sql(QStringLiteral("update jxc_lsxsd set gl_djh2='R77' where gl_djh='XS1'"));
    Sql(QStringLiteral("update jxc_thd set th_note='R77 back' where gl_djh='CT1'"));

    EXPECT_EQ(March(QStringLiteral("R77")),
        (QStringList { QStringLiteral("CJ1"), QStringLiteral("CT1"), QStringLiteral("XS1") }));
    EXPECT_EQ(March(QStringLiteral("'")), QStringList());

    // The operator keeps the main warehouse only.
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='x%1x' where ck_sn='100001'").arg(CurrentAdminSn));
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='' where ck_sn='W2'"));
    BindOperatorWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100002");
    EXPECT_EQ(March(),
        (QStringList { QStringLiteral("CJ1"), QStringLiteral("CT1"), QStringLiteral("XS1"), QStringLiteral("DB1"),
            QStringLiteral("LY1") }));
}

TEST_F(DocumentQueryTest, LinesTakeTheLineUnitOrTheGoodsUnit)
{
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-03-02 09:00"), 1);
    Sql(QStringLiteral("update jxc_goods set dw_name='pc' where g_sn='A'"));
    const auto units = [this](const QString& number) {
        return Column(QStringLiteral("select dw_name from (") + DocumentLinesStatement(number) + QStringLiteral(") t"));
    };
    EXPECT_EQ(units(QStringLiteral("CJ1")), QStringList { QStringLiteral("pc") });
    Sql(QStringLiteral("update jxc_jhsp set dw_name='box'"));
    EXPECT_EQ(units(QStringLiteral("CJ1")), QStringList { QStringLiteral("box") });
    Sql(QStringLiteral("insert into jxc_dhzp (gl_djh,g_sn,dh_zpjf,dh_sl,dh_jf,a_name) values ('DH1','A',5,3,15,'a')"));
    EXPECT_DOUBLE_EQ(ValueNumber(QueryScalar(QStringLiteral("select sl from (")
                         + DocumentLinesStatement(QStringLiteral("DH1")) + QStringLiteral(") t"))),
        3);
    EXPECT_TRUE(DocumentLinesStatement(QStringLiteral("PD1")).isEmpty());
    EXPECT_FALSE(ViewQueriedDocument(QStringLiteral("DH1")));
}

TEST_F(DocumentQueryTest, WindowFollowsTheCurrentDocument)
{
    Trade(fixture::Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-03-02 09:00"), 1);
    Trade(fixture::Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-03-03 09:00"), 1);
    Sql(QStringLiteral("update jxc_lsxssp set ls_sl=5"));
    TF_Djcx w;
    w.FormActivate();
    EXPECT_EQ(w.tdate1->date(), QDate(2024, 3, 1));
    Query& list = dm->Q(QStringLiteral("Q_Djcx1"));
    ASSERT_EQ(list.RecordCount(), 2);
    EXPECT_EQ(w.xxnr->text(), S("单据CJ1的详细内容："));
    EXPECT_DOUBLE_EQ(dm->Q(QStringLiteral("Q_Djcx2")).AsFloat(QStringLiteral("sl")), 2);
    list.Locate(QStringLiteral("djh"), QStringLiteral("XS1"));
    w.setDjDetail();
    EXPECT_EQ(w.xxnr->text(), S("单据XS1的详细内容："));
    EXPECT_DOUBLE_EQ(dm->Q(QStringLiteral("Q_Djcx2")).AsFloat(QStringLiteral("sl")), 5);

    w.tname->setText(QStringLiteral("nothing"));
    w.btnSearch3Click();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(w.xxnr->text().isEmpty());
    w.btnChakan2Click();
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
}

} // namespace
