#include "posfixture.h"

#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "pos/posxsph.h"
#include "pos/posxstj.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QValueAxis>

namespace {

class GoodsStatsTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        fixture::AddGoods({ "G2", "长裙", { "01:红" }, { "01:S" }, 50, 50 });
        fixture::AddGoods({ "G3", "西裤", { "01:红" }, { "01:S" }, 50, 50 });
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                "('100002','admin2','100002','',0,0,0)");
        // 女装 with its 连衣裙, and 男装.
        ExecSQL("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) values "
                "('女装',1,3,'1001','NZ',3),('连衣裙',3,4,'100101','LYQ',4),('男装',1,5,'1002','MZ',5)");
        ExecSQL("update jxc_goods set gc_sn='1001' where g_sn='G1'");
        ExecSQL("update jxc_goods set gc_sn='100101' where g_sn='G2'");
        ExecSQL("update jxc_goods set gc_sn='1002' where g_sn='G3'");
    }
    void TearDown() override
    {
        ShowSalePrice = true;
        ShowCostPrice = true;
        PosTest::TearDown();
    }
    // A ticket with one line.
    void Ticket(const QString& number, const QString& time, const QString& goods, double qty, double amount,
        const QString& cashier = "admin", const QString& note = "")
    {
        dm->ADOConn.Exec("insert into jxc_posxsd (gl_djh,pos_xsrq,ck_sn,pos_yfje,pos_sfje,a_name,u_sn,pos_note) "
                         "values (:n,:t,'100001',:z,:z,:a,'100001',:note)",
            { { "n", number }, { "t", time }, { "z", amount }, { "a", cashier }, { "note", note } });
        dm->ADOConn.Exec("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,a_name,pos_dzl,pos_zhje) "
                         "values (:n,:g,100,:q,:z,'',:a,1,:z)",
            { { "n", number }, { "g", goods }, { "q", qty }, { "z", amount }, { "a", cashier } });
    }
    // A stock ledger row as the till's retail documents post them ("99").
    void Ledger(const QString& flag, const QString& day, const QString& goods, double qty, double amount, double profit,
        const QString& cashier = "admin", const QString& fdmc = "99")
    {
        const QString name = QueryScalar("select g_name from jxc_goods where g_sn='" + goods + "'");
        dm->ADOConn.Exec("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,gl_sl,gl_zje,gl_lr,"
                         "a_name,ck_sn,gl_fdmc) values (:f,'LS1',:d,:g,:n,:g,:q,:z,:l,:a,'100001',:m)",
            { { "f", flag }, { "d", day }, { "g", goods }, { "n", name }, { "q", qty }, { "z", amount },
                { "l", profit }, { "a", cashier }, { "m", fdmc } });
    }
    QStringList Rows(Query& q, std::initializer_list<const char*> fields) const
    {
        QStringList out;
        if (!q.Active())
            return out;
        for (q.First(); !q.Eof(); q.Next()) {
            QStringList row;
            for (const char* f : fields)
                row << NumberOrText(q, f);
            out << row.join('|');
        }
        return out;
    }
    static QString NumberOrText(Query& q, const char* f)
    {
        bool number = false;
        const double v = q.AsString(f).toDouble(&number);
        return number ? NumberText(std::round(v * 100) / 100) : q.AsString(f);
    }
    void CopyTemplate(const QString& name)
    {
        const QDir source(QFileInfo(QStringLiteral(__FILE__))
                              .absoluteDir()
                              .absoluteFilePath(QStringLiteral("../../resources/report")));
        QDir().mkpath(Folder() + QStringLiteral("report"));
        ASSERT_TRUE(QFile::copy(source.filePath(name), Folder() + QStringLiteral("report/") + name));
    }
    // The sales and returns of the ranking tests: G1 sold and fully returned, G2's
    // amounts cancelling out in floating point while its profit does not, G3 plain.
    void RankedSales()
    {
        Ledger("xs", "2024-03-01 10:00", "G1", 2, 200, 120);
        Ledger("xt", "2024-03-02 10:00", "G1", -2, -200, -120);
        Ledger("xs", "2024-03-03 10:00", "G2", 1, 0.1, 5, "admin2");
        Ledger("xs", "2024-03-03 11:00", "G2", 1, 0.2, 5, "admin2");
        Ledger("xt", "2024-03-03 12:00", "G2", -1, -0.3, -5, "admin2");
        Ledger("xs", "2024-03-05 23:59:40", "G3", 1, 100, 30, "admin2");
        Ledger("xs", "2024-03-04 10:00", "G3", 3, 300, 150, "ghost");
        // Not the till's: a wholesale delivery, a purchase.
        Ledger("xs", "2024-03-04 10:00", "G3", 5, 500, 400, "admin", "");
        Ledger("jh", "2024-03-04 10:00", "G3", 5, 250, 0, "admin", "99");
    }
};

TEST_F(GoodsStatsTest, GoodsSalesFromTheTicketLines)
{
    Ticket("XS1", "2024-03-01 09:00:00", "G1", 2, 200);
    Ticket("XT1", "2024-03-02 09:00:00", "G1", -2, -200);
    Ticket("XS2", "2024-03-05 23:59:40", "G2", 1, 50);
    Ticket("XS3", "2024-03-04 09:00:00", "G2", 1, 80, "admin", "gd");
    Ticket("XS4", "2024-02-29 23:59:59", "G2", 1, 70);

    TF_Posxs_Tj w;
    w.Activate();
    Query& q = dm->Q("Q_Postj");
    EXPECT_EQ(Rows(q, { "g_sn", "gname", "sl", "zje" }), (QStringList { "G1|衬衫|0|0", "G2|长裙|1|50" }))
        << "a waiting held sale is no sale; the end day counts whole";
    w.tkey->setText(" 长 ");
    w.btnSearchClick();
    EXPECT_EQ(Rows(q, { "g_sn" }), QStringList { "G2" });
    OpenQuery(q, PosGoodsSalesSql(QDate(2000, 1, 1), QDate(9999, 12, 31), "x' or '1'='1"));
    EXPECT_EQ(q.RecordCount(), 0) << "the search text stays text";

    ShowSalePrice = false;
    w.Activate();
    EXPECT_FALSE(w.cxGrid1View->ColumnVisible(w.cxGrid1View->ColumnByField("zje")));
    EXPECT_FALSE(w.btnPrin->isEnabled());
}

TEST_F(GoodsStatsTest, DetailOfOneGoodsWithItsCashiers)
{
    Ticket("XS1", "2024-03-01 09:00:00", "G2", 1, 100);
    Ticket("XS2", "2024-03-02 09:00:00", "G2", 2, 200, "admin2");
    Ticket("XS3", "2024-03-03 09:00:00", "G1", 1, 100);
    Ticket("XS4", "2024-03-03 10:00:00", "G2", 1, 100, "admin", "gd");

    TF_Posxs_Tj w;
    w.Activate();
    w.tdate1->setDate(QDate(2024, 2, 1));
    w.btnSearchClick();
    ASSERT_TRUE(dm->Q("Q_Postj").Locate("g_sn", "G2"));
    QStringList seen;
    prompt.OnModal("TF_Posxs_Tjmx", [&](QDialog* d) {
        auto* mx = static_cast<TF_Posxs_Tjmx*>(d);
        Query& lines = dm->Q("Q_Postjmx");
        seen << mx->lgname->text() << mx->tdate1->date().toString("yyyy-MM-dd") << Rows(lines, { "gl_djh" }).join(',');
        // A cashier is a containment test: "admin" takes in "admin2".
        mx->comAdmin->setCurrentIndex(mx->comAdmin->findText("admin"));
        mx->btnSearchClick();
        seen << Rows(lines, { "gl_djh" }).join(',');
        mx->comAdmin->setCurrentIndex(mx->comAdmin->findText("admin2"));
        mx->btnSearchClick();
        seen << Rows(lines, { "gl_djh", "pos_sl", "a_name", "pos_xsrq" }).join(',');
        return 0;
    });
    w.btnViewClick();
    EXPECT_EQ(SelectedSn, "G2");
    EXPECT_EQ(seen, (QStringList { "长裙", "2024-02-01", "XS2,XS1", "XS2,XS1", "XS2|2|admin2|2024-03-02 09:00:00" }));
    EXPECT_FALSE(dm->Q("Q_Postjmx").Active()) << "closing the detail closes its query";
}

TEST_F(GoodsStatsTest, RankingsOfGoodsCashiersAndCategories)
{
    RankedSales();
    const QDate from(2024, 3, 1);
    const QDate to(2024, 3, 5);
    Query& q = dm->Q("Q_Posxsph1");

    // Sold and fully returned: 0 at rate 0; an amount of 0 beside a profit: rate 0.
    OpenQuery(q, PosGoodsRankingSql(from, to, ""));
    EXPECT_EQ(Rows(q, { "g_sn", "gname", "sl", "zje", "lr", "lrl" }),
        (QStringList { "G1|衬衫|0|0|0|0", "G2|长裙|1|0|5|0", "G3|西裤|4|400|180|45" }));
    OpenQuery(q, PosGoodsRankingSql(from, to, "西"));
    EXPECT_EQ(Rows(q, { "g_sn" }), QStringList { "G3" });

    // Per cashier by rate; the one without an operator row is left out.
    OpenQuery(q, PosCashierRankingSql(from, to, ""));
    EXPECT_EQ(
        Rows(q, { "a_sn", "a_name", "zje", "lrl" }), (QStringList { "100002|admin2|100|35", "100001|admin|0|0" }));
    OpenQuery(q, PosCashierRankingSql(from, to, "admin2"));
    EXPECT_EQ(Rows(q, { "a_name" }), QStringList { "admin2" });

    // A category with everything below it, one row per category code.
    OpenQuery(q, PosCategoryRankingSql(from, to, "1001"));
    EXPECT_EQ(Rows(q, { "gc_sn", "gcname", "sl" }), (QStringList { "1001|女装|0", "100101|连衣裙|1" }));
    OpenQuery(q, PosCategoryRankingSql(from, to, ""));
    EXPECT_EQ(Rows(q, { "gc_sn", "lrl" }), (QStringList { "1002|45", "1001|0", "100101|0" }));
}

TEST_F(GoodsStatsTest, RankingWindowTabsRightsAndPrints)
{
    RankedSales();
    CopyTemplate("posxsph1.fr3");
    CopyTemplate("posxsph3.fr3");
    TF_Posxs_Ph w;
    w.Activate();
    EXPECT_EQ(Rows(dm->Q("Q_Posxsph1"), { "g_sn" }), (QStringList { "G1", "G2", "G3" }));
    EXPECT_EQ(w.tsplb->text(), "所有类别");

    // The category tab starts afresh with its own period; the tree narrows it.
    auto& cat = w.pages[TF_Posxs_Ph::Categories];
    cat.tdate1->setDate(QDate(2024, 3, 5));
    cat.comNr->setCurrentIndex(2);
    w.cxPage->setCurrentIndex(TF_Posxs_Ph::Categories);
    EXPECT_EQ(cat.tdate1->date(), QDate(2024, 3, 1));
    EXPECT_EQ(cat.comNr->currentIndex(), 0);
    EXPECT_EQ(dm->Q("Q_Posxsph3").RecordCount(), 3);
    ASSERT_TRUE(w.RzPanel_GClass->Tree()->SelectKey(3));
    w.RzPanel_GClass->Confirm();
    EXPECT_EQ(w.tsplb->text(), "女装");
    EXPECT_EQ(Rows(dm->Q("Q_Posxsph3"), { "gc_sn" }), (QStringList { "1001", "100101" }));

    PrintLog::Clear();
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    w.btnPrinClick(TF_Posxs_Ph::Categories);
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_EQ(PrintLog::Records()[0].datasets.value("posxsph3").rows.size(), 2);
    EXPECT_EQ(PrintLog::Records()[0].variables.value("date1"), "2024-03-01");

    // Nothing to print or export on an empty ranking.
    auto& goods = w.pages[TF_Posxs_Ph::Goods];
    goods.tdate1->setDate(QDate(2023, 1, 1));
    goods.tdate2->setDate(QDate(2023, 1, 2));
    w.btnSearchClick(TF_Posxs_Ph::Goods);
    w.btnPrinClick(TF_Posxs_Ph::Goods);
    w.btnExportClick(TF_Posxs_Ph::Goods);
    EXPECT_EQ(PrintLog::Records().size(), 1);

    // Without the right to see cost prices: no profit, no print.
    ShowCostPrice = false;
    w.Activate();
    for (const auto& p : w.pages) {
        EXPECT_TRUE(p.cxGridView->ColumnVisible(p.cxGridView->ColumnByField("zje")));
        EXPECT_FALSE(p.cxGridView->ColumnVisible(p.cxGridView->ColumnByField("lr")));
        EXPECT_FALSE(p.cxGridView->ColumnVisible(p.cxGridView->ColumnByField("lrl")));
        EXPECT_FALSE(p.btnPrin->isEnabled());
    }
    w.btnPrinClick(TF_Posxs_Ph::Goods);
    EXPECT_EQ(PrintLog::Records().size(), 1);
}

TEST_F(GoodsStatsTest, ChartsDrawTheChosenContent)
{
    RankedSales();
    TF_Posxs_Ph w;
    w.resize(900, 600);
    w.Activate();
    auto& p = w.pages[TF_Posxs_Ph::Cashiers];
    w.cxPage->setCurrentIndex(TF_Posxs_Ph::Cashiers);
    p.cxView->setCurrentWidget(p.chartTab);
    p.comNr->setCurrentIndex(3); // 销售毛利率

    QChart* chart = p.DBChart->chart();
    ASSERT_EQ(chart->series().size(), 1);
    auto* bars = qobject_cast<QStackedBarSeries*>(chart->series()[0]);
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    auto* names = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->categories(), QStringList({ "admin2", "admin" }));
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(0), 35);
    EXPECT_DOUBLE_EQ(bars->barSets()[1]->at(1), 0);
    EXPECT_NE(bars->barSets()[0]->color(), bars->barSets()[1]->color());
    EXPECT_TRUE(bars->isLabelsVisible());
    EXPECT_FALSE(chart->legend()->isVisible());
    auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->titleText(), "销售毛利率");
    EXPECT_FALSE(p.DBChart->grab().toImage().isNull());

    p.rbPie->click();
    chart = p.DBChart->chart();
    auto* pie = qobject_cast<QPieSeries*>(chart->series().value(0));
    ASSERT_NE(pie, nullptr);
    ASSERT_EQ(pie->count(), 2);
    EXPECT_EQ(pie->slices()[0]->label(), "35");
    EXPECT_DOUBLE_EQ(pie->slices()[0]->value(), 35);
    EXPECT_TRUE(chart->legend()->isVisible());
    EXPECT_EQ(chart->legend()->markers(pie).value(0)->label(), "admin2");
    EXPECT_FALSE(p.DBChart->grab().toImage().isNull());

    // Switching back to this tab starts it afresh on bars and the table.
    w.cxPage->setCurrentIndex(TF_Posxs_Ph::Goods);
    w.cxPage->setCurrentIndex(TF_Posxs_Ph::Cashiers);
    EXPECT_TRUE(p.rbBar->isChecked());
    EXPECT_EQ(p.cxView->currentWidget(), p.tableTab);
}

} // namespace
