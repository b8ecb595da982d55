#include "sales/xsthadd.h"

#include "documents/browserparts.h"
#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "documents/goodsbrowser.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "sales/xsthrules.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

TF_Xsth_Add* F_Xsth_Add = nullptr;

namespace {

DataGrid* XsthGoodsGrid(QWidget* parent, const char* name, const QString& source)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    AddGridColumns(*g,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "g_sj", "预设售价", "70" }, { "kc_sl", "库存数", "60" } });
    g->SetFooterVisible(true);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    return g;
}

} // namespace

TF_Xsth_Add::TF_Xsth_Add(QWidget* parent)
    : Form(parent), Q_GoodsTh(F_DataModule->Q(QStringLiteral("Q_GoodsTh"))),
      Q_Goods2(F_DataModule->Q(QStringLiteral("Q_Goods2"))), Q_Tempspxf(F_DataModule->Q(QStringLiteral("Q_Tempspxf"))),
      Q_GoodsClassXsth(F_DataModule->Q(QStringLiteral("Q_GoodsClassXsth")))
{
    setObjectName(QStringLiteral("TF_Xsth_Add"));
    setWindowTitle(QStringLiteral("增加商品(销售退货)"));
    resize(1100, 568);
    auto* box = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    box->addLayout(left, 1);
    left->addWidget(new QLabel(QStringLiteral("请输入商品编号或名称查询商品,双击列表可以直接选择商品"), this));
    auto* search = new QHBoxLayout;
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    search->addWidget(Label5);
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    search->addWidget(tkey, 1);
    btnSele = NamedButton(this, "btnSele", "加入所选商品", search);
    left->addLayout(search);
    const CatalogueTabs tabs = BuildCatalogueTabs(this, left,
        { "cxGridView", "DBTreeView", "cxGridGoods2View", QStringLiteral("D_GoodsTh"),
            QStringLiteral("Q_GoodsClassXsth"), QStringLiteral("D_Goods2") },
        XsthGoodsGrid);
    cxPage = tabs.page;
    cxTab1 = tabs.tab1;
    cxTab2 = tabs.tab2;
    cxGridView = tabs.list1;
    DBTreeView = tabs.tree;
    cxGridGoods2View = tabs.list2;

    auto* right = new QVBoxLayout;
    box->addLayout(right);
    right->addWidget(new QLabel(QStringLiteral("所选商品"), this));
    cxGrid3View = new DataGrid(this);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->setFixedWidth(498);
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Tempspxf")));
    AddGridColumns(*cxGrid3View,
        { { "g_name", "商品名称", "120" }, { "dw_name", "单位", "40" }, { "ts_dj", "价格", "72" },
            { "ts_dzl", "打折率", "50" }, { "ts_taxdj", "含税单价", "60" }, { "ts_sl", "数量", "50" },
            { "ts_zje", "总金额", "70" } });
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*cxGrid3View, { "ts_sl" }, false);
    SumGridColumns(*cxGrid3View, { "ts_zje", "ts_taxdj" }, true);
    right->addWidget(cxGrid3View, 1);
    auto* bar = new QHBoxLayout;
    btnModi = NamedButton(this, "btnModi", "修改(F9)", bar);
    btnDel = NamedButton(this, "btnDel", "删除(Del)", bar);
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnCancel = NamedButton(this, "btnCancel", "取消(Esc)", bar);
    right->addLayout(bar);

    ConnectSearchKey(
        tkey, this, [this] { hcjSx(); }, [this] { hcjSx(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    connect(DBTreeView, &QTreeWidget::itemClicked, this, [this] { cxPageChange(); });
    for (DataGrid* g : { cxGridView, cxGridGoods2View }) {
        g->SetSortHook([this, g](int column, Qt::SortOrder order) { cxGridSortChange(g, column, order); });
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btnSeleClick(); });
    }
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnSele, &QPushButton::clicked, this, &TF_Xsth_Add::btnSeleClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Xsth_Add::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Xsth_Add::btnDelClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Xsth_Add::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Xsth_Add::btnCancelClick);
    F_Xsth_Add = this;
}

TF_Xsth_Add::~TF_Xsth_Add()
{
    if (F_Xsth_Add == this)
        F_Xsth_Add = nullptr;
}

bool TF_Xsth_Add::Pending() const
{
    return ActiveDocKind == QLatin1String("xsthsh");
}

bool TF_Xsth_Add::OnlyCustomerGoods() const
{
    return !(ReturnOnlyCustomerGoods == QLatin1String("0") || ReturnOnlyCustomerGoods == QLatin1String("False"));
}

void TF_Xsth_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    {
        const QSignalBlocker block(tkey);
        tkey->clear();
    }
    tkey->setFocus();
    cxGridView->ClearFilter();
    cxGridGoods2View->ClearFilter();
    Label5->setText(IsTrue(EnterStartsSearch) ? QStringLiteral("输入商品编号或名称,回车查询：")
                                              : QStringLiteral("输入商品编号或名称查询商品："));
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (Pending() && shdj.Active() && !shdj.IsEmpty()) {
        // The pending return's own customer; the program-wide one stays as it was.
        BrowseWarehouseSn = shdj.AsString(QStringLiteral("ck_sn"));
        BrowseCustomerSn = shdj.AsString(QStringLiteral("kh_sn"));
    } else {
        DocHost* host = FindDocHost(SalesReturnKind().prefix);
        BrowseWarehouseSn = host ? host->warehouse() : QString();
        BrowseCustomerSn = CurrentCustomerSn;
    }
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    OpenGoodsClasses(Q_GoodsClassXsth, DBTreeView);
    cxPageChange();
    ClearTempLines();
    Q_Tempspxf.SetSQL(QStringLiteral("select b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sj,a.* "
                                     "from jxc_tempspxf a,jxc_goods b where a.g_sn=b.g_sn and a.a_name=:aname "
                                     "order by a.id"));
    Q_Tempspxf.SetParam(QStringLiteral("aname"), CurrentAdminName);
    Q_Tempspxf.Open();
    const bool sale = ShowSalePrice;
    for (DataGrid* g : { cxGridView, cxGridGoods2View })
        g->SetColumnVisible(g->ColumnByField(QStringLiteral("g_sj")), sale);
    for (const char* f : { "ts_dj", "ts_zje" })
        cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QLatin1String(f)), sale);
    // The tax price shows where tax prices are used and sale prices may be seen.
    cxGrid3View->SetColumnVisible(
        cxGrid3View->ColumnByField(QStringLiteral("ts_taxdj")), sale && IsTrueFor(UseTaxPrice, QStringLiteral("xs")));
    cxGrid3View->SetColumnVisible(
        cxGrid3View->ColumnByField(QStringLiteral("ts_dzl")), sale && IsTrueFor(UseDiscount, QStringLiteral("xs")));
    SetLineGridFormats(*cxGrid3View, { "ts_dj", "ts_taxdj", "ts_zje" }, "ts_sl");
}

DataGrid* TF_Xsth_Add::ActiveList() const
{
    return cxPage->currentWidget() == cxTab2 ? cxGridGoods2View : cxGridView;
}

Query& TF_Xsth_Add::ActiveQuery() const
{
    return cxPage->currentWidget() == cxTab2 ? Q_Goods2 : Q_GoodsTh;
}

void TF_Xsth_Add::cxPageChange()
{
    QString category;
    if (cxPage->currentWidget() == cxTab2) {
        if (!Q_GoodsClassXsth.Active() || Q_GoodsClassXsth.IsEmpty())
            return;
        category = Q_GoodsClassXsth.AsString(QStringLiteral("gc_sn"));
    }
    const GoodsListQuery list
        = CustomerReturnGoodsList(OnlyCustomerGoods(), BrowseWarehouseSn, BrowseCustomerSn, category);
    OpenGoodsList(ActiveQuery(), list, kGoodsListPage);
    loading_ = true;
    ActiveList()->ClearSort();
    loading_ = false;
    hcjSx();
}

void TF_Xsth_Add::hcjSx()
{
    FilterGoodsList(*ActiveList(), tkey->text(), { "g_name", "g_jm", "g_sn", "g_sptm", "gg_name", "color_name" });
}

void TF_Xsth_Add::cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order)
{
    if (loading_)
        return;
    if (column < 0) {
        // Every sort removed: the list comes back in its own order.
        cxPageChange();
        return;
    }
    Query& q = grid == cxGridGoods2View ? Q_Goods2 : Q_GoodsTh;
    q.Close();
    q.SetSQL(ResortGoodsList(q.SQL(), OnlyCustomerGoods() ? QStringLiteral("2") : QStringLiteral("1"),
        grid->ColumnField(column), order == Qt::DescendingOrder));
    q.Open();
}

void TF_Xsth_Add::btnSeleClick()
{
    DataGrid* g = ActiveList();
    const int row = g->CurrentRow();
    if (g->RowCount() == 0 || row < 0)
        return;
    SelectedSn = g->Value(row, QStringLiteral("g_sn")).toString();
    OpenMode = QStringLiteral("xsth_add");
    FunctionWindows::Open(QStringLiteral("TF_Xsth_Sele"), FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
    tkey->setFocus();
}

void TF_Xsth_Add::btnModiClick()
{
    if (!Q_Tempspxf.Active() || Q_Tempspxf.IsEmpty())
        return;
    const int row = cxGrid3View->CurrentRow();
    if (row >= 0)
        Q_Tempspxf.SetRecNo(cxGrid3View->SourceRow(row));
    OpenMode = QStringLiteral("xsth_modi");
    SelectedSn = Q_Tempspxf.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(QStringLiteral("TF_Xsth_Sele"), FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
    tkey->setFocus();
}

void TF_Xsth_Add::btnDelClick()
{
    if (!Q_Tempspxf.Active() || Q_Tempspxf.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    const int row = cxGrid3View->CurrentRow();
    if (row >= 0)
        Q_Tempspxf.SetRecNo(cxGrid3View->SourceRow(row));
    DeletePick(Q_Tempspxf.AsInteger(QStringLiteral("id")));
    Q_Tempspxf.Requery();
}

void TF_Xsth_Add::btnOKClick()
{
    const DocKind& kind = SalesReturnKind();
    DocHost* host = FindDocHost(kind.prefix);
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    QString number;
    if (Pending())
        number = shdj.Active() && !shdj.IsEmpty() ? shdj.AsString(QStringLiteral("gl_djh")) : QString();
    else if (host)
        number = host->number();
    if (number.isEmpty())
        return;
    const QString shown = number;
    Transaction t(posting::Db());
    if (!Pending() && host)
        number = RedrawIfHeld(kind, number, host->date());
    CopyPickedLines(kind, number, false,
        { { QStringLiteral("th_zhje"), QStringLiteral("ts_zje") },
            { QStringLiteral("th_lsj"), QStringLiteral("ts_lsj") } });
    if (Pending())
        UpdateReturnPendingAmounts(number);
    ClearTempLines();
    t.Commit();
    if (host) {
        if (number != shown)
            host->showNumber(number);
        if (Pending())
            host->reloadPending();
        else
            host->reloadDraft();
    }
    Q_Tempspxf.Requery();
    accept();
}

bool TF_Xsth_Add::FormCloseQuery()
{
    if (!Q_Tempspxf.Active() || Q_Tempspxf.IsEmpty())
        return true;
    return ClosePicksQuery(
        QStringLiteral("当前单据还未保存，是否保存？"), [this] { btnOKClick(); },
        [this] {
            ClearTempLines();
            Q_Tempspxf.Requery();
        });
}

void TF_Xsth_Add::btnCancelClick()
{
    close();
}

void TF_Xsth_Add::keyPressEvent(QKeyEvent* e)
{
    if (!HandleBrowserKey(
            e->key(), [this] { btnDelClick(); }, [this] { btnModiClick(); }, [this] { btnSeleClick(); },
            [this] { btnOKClick(); }))
        Form::keyPressEvent(e);
}
