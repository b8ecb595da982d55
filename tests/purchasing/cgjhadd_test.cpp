#include "cgjhtest.h"

#include "documents/docwindow.h"
#include "foundation/functionwindows.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/keyedcombo.h"
#include "purchasing/cgjhadd.h"
#include "purchasing/cgjhsele.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTreeWidgetItem>

namespace {

// The goods browser of the goods-in window with goods G1 and G2; each pick enters
// the quantity given in the colour-by-size dialog's first cell.
class BrowserTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        fixture::AddGoods({ QStringLiteral("G2"), U8("长裤"), { U8("R:红") }, { U8("S:小码") }, 20, 20 });
        FunctionWindows::Register<TF_Cgjh_Sele>(QStringLiteral("TF_Cgjh_Sele"));
        ActiveDocKind = QStringLiteral("cgjh");
        b = std::make_unique<TF_Cgjh_Add>();
        b->Activate();
    }
    void TearDown() override
    {
        b.reset();
        FunctionWindows::Unregister(QStringLiteral("TF_Cgjh_Sele"));
        ActiveDocKind.clear();
        CgjhTest::TearDown();
    }
    void Focus(DataGrid* grid, const QString& goods)
    {
        for (int r = 0; r < grid->RowCount(); ++r)
            if (grid->Value(r, QStringLiteral("g_sn")).toString() == goods)
                grid->SetCurrentRow(r);
    }
    void ExpectDialog(const QString& qty)
    {
        prompt.OnModal(QStringLiteral("TF_Cgjh_Sele"), [qty](QDialog* dlg) {
            auto* s = static_cast<TF_Cgjh_Sele*>(dlg);
            s->StringGridIn->CommitEdit(1, 1, qty);
            s->btnOKClick();
            return s->result();
        });
    }
    void Pick(const QString& goods, const QString& qty)
    {
        Focus(b->cxGrid1View, goods);
        ExpectDialog(qty);
        b->btnAddClick();
    }
    QStringList Listed(DataGrid* grid)
    {
        QStringList sns;
        for (int r = 0; r < grid->RowCount(); ++r)
            sns << grid->Value(r, QStringLiteral("g_sn")).toString() + QLatin1Char('=')
                    + grid->Value(r, QStringLiteral("kc_sl")).toString();
        return sns;
    }
    std::unique_ptr<TF_Cgjh_Add> b;
};

TEST_F(BrowserTest, PickingAGoodsTwiceAsksFirst)
{
    Pick(QStringLiteral("G1"), QStringLiteral("2"));
    ASSERT_EQ(b->Q_Tempspxf.RecordCount(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select tid from jxc_tempspxfmx")),
        Scalar(QStringLiteral("select id from jxc_tempspxf")));
    Focus(b->cxGrid1View, QStringLiteral("G1"));
    prompt.Answer(Prompt::Answer::No);
    b->btnAddClick();
    EXPECT_EQ(prompt.Questions().value(0), U8("该商品已添加，需要重复添加吗？"));
    EXPECT_EQ(b->Q_Tempspxf.RecordCount(), 1);

    // A goods already on the document asks too, whoever entered its line.
    Line(No(), QStringLiteral("other"), 10, 0, 1, {});
    Sql(QStringLiteral("update jxc_jhsp set g_sn='G2'"));
    Focus(b->cxGrid1View, QStringLiteral("G2"));
    prompt.Answer(Prompt::Answer::Yes);
    ExpectDialog(QStringLiteral("1"));
    b->btnAddClick();
    EXPECT_EQ(prompt.Questions().size(), 2);
    EXPECT_EQ(b->Q_Tempspxf.RecordCount(), 2);
}

TEST_F(BrowserTest, ConfirmingCopiesPickedLinesAndRelinksOnlyTheNewOnes)
{
    const qint64 old = Line(No(), CurrentAdminName, 10, 0, 1, { 1, 1 });
    Pick(QStringLiteral("G2"), QStringLiteral("3"));
    prompt.Answer(Prompt::Answer::Yes); // G1 is on the document already
    Pick(QStringLiteral("G1"), QStringLiteral("4"));
    // A scratch row whose tid equals the old line's id must not reach that line.
    Sql(QStringLiteral("update jxc_tempspxf set id=id+100"));
    Sql(QStringLiteral("update jxc_tempspxfmx set tid=tid+100"));
    b->btnOKClick();
    EXPECT_EQ(b->result(), int(QDialog::Accepted));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_tempspxf")), 0);
    Query lines(&dm->ADOConn);
    lines.SetSQL(QStringLiteral("select id,g_sn,jh_sl,jh_rksl,tid,gl_djh from jxc_jhsp order by id"));
    lines.Open();
    ASSERT_EQ(lines.RecordCount(), 3);
    lines.SetRecNo(1);
    EXPECT_EQ(lines.AsString(QStringLiteral("g_sn")), QStringLiteral("G2")) << "picked order";
    for (int r = 1; r < 3; ++r) {
        lines.SetRecNo(r);
        const qint64 id = lines.AsInteger(QStringLiteral("id"));
        EXPECT_EQ(lines.AsInteger(QStringLiteral("tid")), id);
        EXPECT_EQ(lines.AsString(QStringLiteral("gl_djh")), No());
        EXPECT_EQ(lines.AsFloat(QStringLiteral("jh_rksl")), lines.AsFloat(QStringLiteral("jh_sl")));
        EXPECT_EQ(Number(QStringLiteral("select sum(t_sl) from jxc_jhspmx where tid=%1").arg(id)),
            lines.AsFloat(QStringLiteral("jh_sl")));
    }
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhspmx where tid=%1").arg(old)), 2);
    EXPECT_GT(w->Q_Jhsp.RecordCount(), 2) << "the window reloaded its lines";
}

TEST_F(BrowserTest, AddingToAPendingDocumentReceivedAsZeroKeepsEveryLineAtZero)
{
    Pending(QStringLiteral("CJ-20240510-0001"), QStringLiteral("admin"), 20, 20, 0);
    Sql(QStringLiteral("update jxc_jhsp set jh_rksl=0"));
    ShowPending();
    ActiveDocKind = QStringLiteral("cgjhsh");
    b->Activate();
    Pick(QStringLiteral("G2"), QStringLiteral("2"));
    b->btnOKClick();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp where gl_djh='CJ-20240510-0001'")), 2);
    EXPECT_EQ(Number(QStringLiteral("select max(jh_rksl) from jxc_jhsp")), 0);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select j_yfje from jxc_jhd")), 60);
}

TEST_F(BrowserTest, TheWarehouseBoxFollowsTheOperatorBinding)
{
    const QString ck = w->comCk->Code(w->comCk->currentIndex());
    fixture::SetWarehouseStock(QStringLiteral("G1"), ck, 5, 10, 5);
    BindOperatorWarehouse = QStringLiteral("1");
    b->Activate();
    EXPECT_FALSE(b->chkCk->isEnabled());
    EXPECT_EQ(Listed(b->cxGrid1View), (QStringList { QStringLiteral("G1=5"), QStringLiteral("G2=") }));
    BindOperatorWarehouse = QStringLiteral("0");
    b->Activate();
    b->chkCk->setChecked(true);
    b->openGoodsList();
    EXPECT_EQ(Listed(b->cxGrid1View), QStringList { QStringLiteral("G1=5") });
}

TEST_F(BrowserTest, RightClickMenusPickChangeAndDrop)
{
    auto captions = [](QMenu* m) {
        QStringList texts;
        for (const QAction* a : m->actions())
            texts << a->text();
        return texts;
    };
    EXPECT_EQ(captions(b->PopupMenu1), QStringList { U8("加入选中商品(&Z)") });
    EXPECT_EQ(captions(b->PopupMenu2), (QStringList { U8("修改(&X)"), U8("删除(&Y)"), U8("删除全部(&Z)") }));
    b->show();
    for (auto [grid, menu] :
        { std::pair { b->cxGrid1View, b->PopupMenu1 }, std::pair { b->cxGrid3View, b->PopupMenu2 } }) {
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_TRUE(menu->isVisible()) << grid->objectName().toStdString();
        menu->hide();
    }

    Focus(b->cxGrid1View, QStringLiteral("G2"));
    ExpectDialog(QStringLiteral("2"));
    b->PopupMenu1->actions().at(0)->trigger();
    ASSERT_EQ(b->Q_Tempspxf.RecordCount(), 1);
    ExpectDialog(QStringLiteral("5"));
    b->PopupMenu2->actions().at(0)->trigger();
    EXPECT_EQ(prompt.ModalNames().size(), 2);
    EXPECT_EQ(Number(QStringLiteral("select ts_sl from jxc_tempspxf")), 5) << "the picked line changed in place";
    prompt.Answer(Prompt::Answer::Yes);
    b->PopupMenu2->actions().at(2)->trigger();
    EXPECT_EQ(prompt.Questions().value(0), U8("您确定要删除当前全部商品吗！"));
    EXPECT_EQ(b->Q_Tempspxf.RecordCount(), 0);
}

TEST_F(BrowserTest, ColoursShowInTheOrderBrowserAndReturnsShowTheRateAlone)
{
    UseColors = QStringLiteral("1");
    UseDiscount = QStringLiteral("1");
    b->Activate();
    auto shown
        = [](DataGrid* g, const char* field) { return !g->isColumnHidden(g->ColumnByField(QLatin1String(field))); };
    EXPECT_FALSE(shown(b->cxGrid1View, "color_name"));
    EXPECT_TRUE(shown(b->cxGrid3View, "g_sj"));
    TF_Cgd_Add o;
    o.Activate();
    for (DataGrid* g : { o.cxGrid1View, o.cxGrid2View, o.cxGrid3View })
        EXPECT_TRUE(shown(g, "color_name")) << g->objectName().toStdString();
    UseColors = QStringLiteral("0");
    o.Activate();
    EXPECT_FALSE(shown(o.cxGrid1View, "color_name"));

    ActiveDocKind = QStringLiteral("cgth");
    TF_Cgth_Add r;
    r.Activate();
    const int rate = r.cxGrid3View->ColumnByField(QStringLiteral("ts_dzl"));
    EXPECT_EQ(r.cxGrid3View->ColumnCaption(rate), U8("打折率"));
    EXPECT_TRUE(shown(r.cxGrid3View, "ts_dzl"));
    EXPECT_FALSE(shown(r.cxGrid3View, "g_sj"));

    // The picked lines take half the width of a wide window, less 100.
    for (auto [width, panel] : { std::pair { 1200, 509 }, std::pair { 1600, 700 } }) {
        o.resize(width, 600);
        o.show();
        EXPECT_EQ(o.cxGrid3View->width(), panel) << width;
    }
}

TEST_F(BrowserTest, SearchingSortingAndClearingTheSort)
{
    QTest::keyClicks(b->tkey, QStringLiteral("g!'2"));
    EXPECT_EQ(b->tkey->text(), QStringLiteral("g2")) << "punctuation is dropped as it is typed";
    EXPECT_EQ(b->cxGrid1View->RowCount(), 1);
    b->tkey->clear();
    EXPECT_EQ(b->cxGrid1View->RowCount(), 2);
    b->cxGrid1View->SortByColumn(b->cxGrid1View->ColumnByField(QStringLiteral("g_sn")), Qt::DescendingOrder);
    EXPECT_EQ(b->cxGrid1View->Value(0, QStringLiteral("g_sn")).toString(), QStringLiteral("G2"));
    b->cxGrid1View->ClearSort();
    ASSERT_EQ(b->cxGrid1View->RowCount(), 2) << "reloaded, not left empty";
    EXPECT_EQ(b->cxGrid1View->Value(0, QStringLiteral("g_sn")).toString(), QStringLiteral("G1"));
}

TEST_F(BrowserTest, ClosingWithPickedLinesCanBeCancelled)
{
    Pick(QStringLiteral("G1"), QStringLiteral("1"));
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(b->FormCloseQuery());
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_tempspxf")), 1);
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(b->FormCloseQuery());
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_tempspxf")), 0);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 0);
}

TEST_F(BrowserTest, TheOrderBrowserWritesOrderLinesReceivedInFull)
{
    QString number = QStringLiteral("CD-20240510-0001");
    DocHost host { [&] { return number; }, [&](const QString& n) { number = n; },
        [] { return QStringLiteral("2024-05-10"); }, [] { return QStringLiteral("100001"); }, [] {}, [] {} };
    SetDocHost(QStringLiteral("CD"), &host);
    FunctionWindows::Register<TF_Cgd_Sele>(QStringLiteral("TF_Cgd_Sele"));
    UseStockIn = QStringLiteral("1");
    TF_Cgd_Add o;
    o.Activate();
    Focus(o.cxGrid1View, QStringLiteral("G1"));
    prompt.OnModal(QStringLiteral("TF_Cgd_Sele"), [](QDialog* dlg) {
        auto* s = static_cast<TF_Cgd_Sele*>(dlg);
        s->StringGridIn->CommitEdit(2, 1, QStringLiteral("3"));
        s->btnOKClick();
        return s->result();
    });
    o.btnAddClick();
    o.btnOKClick();
    SetDocHost(QStringLiteral("CD"), nullptr);
    FunctionWindows::Unregister(QStringLiteral("TF_Cgd_Sele"));
    EXPECT_EQ(Number(QStringLiteral("select jh_rksl from jxc_cgsp where gl_djh='CD-20240510-0001'")), 3);
    EXPECT_EQ(Scalar(QStringLiteral("select cm_sn || color_sn from jxc_cgspmx")), QStringLiteral("MR"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhsp")), 0);
}

TEST_F(BrowserTest, TheReturnBrowserRefusesGoodsWithoutStock)
{
    ReturnOnlySupplierGoods = QStringLiteral("0");
    AllowZeroStockOut = QStringLiteral("1");
    ActiveDocKind = QStringLiteral("cgth");
    TF_Cgth_Add r;
    r.Activate();
    EXPECT_TRUE(r.chkCk->isHidden());
    ASSERT_EQ(Listed(r.cxGrid1View), (QStringList { QStringLiteral("G1=0"), QStringLiteral("G2=0") }));
    AllowZeroStockOut = QStringLiteral("0");
    r.openGoodsList();
    EXPECT_EQ(r.cxGrid1View->RowCount(), 0) << "only goods in stock";
    // Listed while zero-stock returns were allowed, refused once they are not.
    AllowZeroStockOut = QStringLiteral("1");
    r.openGoodsList();
    AllowZeroStockOut = QStringLiteral("0");
    Focus(r.cxGrid1View, QStringLiteral("G2"));
    r.btnAddClick();
    EXPECT_EQ(prompt.LastMessage(), U8("库存为零不能退货！"));
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
}

} // namespace

namespace {

void CollectNodes(QTreeWidgetItem* node, QList<QTreeWidgetItem*>& into)
{
    into << node;
    for (int i = 0; i < node->childCount(); ++i)
        CollectNodes(node->child(i), into);
}

}

TEST_F(BrowserTest, TheCategoryTreeShowsAFolderForBranchesAndASheetForLeaves)
{
    Sql(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) values "
                       "('上衣',2,3,'1000001','SY',3)"));
    b = std::make_unique<TF_Cgjh_Add>();
    b->Activate();
    QList<QTreeWidgetItem*> nodes;
    for (int i = 0; i < b->TreeView->topLevelItemCount(); ++i)
        CollectNodes(b->TreeView->topLevelItem(i), nodes);
    QSet<qint64> branchImages;
    QSet<qint64> leafImages;
    for (QTreeWidgetItem* n : nodes) {
        ASSERT_FALSE(n->icon(0).isNull()) << n->text(0).toStdString();
        (n->childCount() > 0 ? branchImages : leafImages) << n->icon(0).cacheKey();
    }
    ASSERT_EQ(branchImages.size(), 1);
    ASSERT_EQ(leafImages.size(), 1);
    EXPECT_NE(*branchImages.begin(), *leafImages.begin());
}
