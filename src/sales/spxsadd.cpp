#include "sales/spxsadd.h"

#include "documents/browserparts.h"
#include "documents/docdrafts.h"
#include "documents/docwindow.h"
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

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Spxs_Add* F_Spxs_Add = nullptr;

namespace {

} // namespace

GoodsListQuery SalesGoodsList(bool byCustomer, bool zeroStockAllowed, bool onlyWarehouse, const QString& warehouse,
    const QString& customer, const QString& category)
{
    GoodsListQuery q;
    q.params.insert(QStringLiteral("ck"), warehouse);
    QString sql;
    if (zeroStockAllowed)
        sql = QStringLiteral("select ") + ListedGoodsColumns()
            + QStringLiteral(",coalesce(b.kc_sl,0) as kc_sl from jxc_goods a ")
            + (onlyWarehouse ? QStringLiteral("inner") : QStringLiteral("left outer"))
            + QStringLiteral(" join jxc_kcsp b on b.g_sn=a.g_sn and b.ck_sn=:ck where a.g_jy=0 "
                             "and a.g_sn<>'00000000'");
    else
        sql = QStringLiteral("select ") + ListedGoodsColumns()
            + QStringLiteral(",b.kc_sl from jxc_goods a,jxc_kcsp b where b.g_sn=a.g_sn and b.ck_sn=:ck "
                             "and b.kc_sl>0 and a.g_jy=0 and a.g_sn<>'00000000'");
    if (byCustomer) {
        q.params.insert(QStringLiteral("kh"), customer);
        sql += QStringLiteral(" and a.g_sn in (select x.g_sn from jxc_lsxssp x,jxc_lsxsd y where x.gl_djh=y.gl_djh "
                              "and y.ls_status=1 and y.kh_sn=:kh")
            + (zeroStockAllowed ? QStringLiteral(")") : QStringLiteral(" and y.ck_sn=:ck)"));
    }
    if (!category.isEmpty()) {
        q.params.insert(QStringLiteral("gc"), category);
        sql += QStringLiteral(" and a.gc_sn=:gc");
    }
    q.sql = sql + QStringLiteral(" order by a.g_xspl desc,a.g_sn");
    return q;
}

GoodsListQuery GiftGoodsList(bool zeroStockAllowed, const QString& warehouse, const QString& category)
{
    GoodsListQuery q;
    q.params.insert(QStringLiteral("ck"), warehouse);
    QString sql = QStringLiteral("select ") + ListedGoodsColumns()
        + QStringLiteral(",b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 "
                         "and a.g_iszp<>0 and b.ck_sn=:ck");
    if (!category.isEmpty()) {
        q.params.insert(QStringLiteral("gc"), category);
        sql += QStringLiteral(" and a.gc_sn=:gc");
    }
    if (!zeroStockAllowed)
        sql += QStringLiteral(" and b.kc_sl>0");
    q.sql = sql + QStringLiteral(" order by a.g_xspl desc");
    return q;
}

int SelectedGoodsWidth(int windowWidth)
{
    return windowWidth <= 1300 ? 509 : windowWidth / 2 - 100;
}

namespace {

DataGrid* AddSalesGoodsGrid(QWidget* parent, const char* name, const QString& source)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    AddGridColumns(*g,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "g_sj", "预设售价", "70" }, { "kc_sl", "库存数", "60" } });
    g->SetFooterVisible(true);
    g->SetFooterText(0, QStringLiteral("商品数："));
    g->SetFooterCount(1);
    return g;
}

} // namespace

TF_Spxs_Add::TF_Spxs_Add(QWidget* parent)
    : TF_Spxs_Add(Variant { &SalesDeliveryKind(), QStringLiteral("TF_Spxs_Sele") }, parent)
{
}

TF_Spdd_Add::TF_Spdd_Add(QWidget* parent)
    : TF_Spxs_Add(Variant { &SalesOrderKind(), QStringLiteral("TF_Spdd_Sele") }, parent)
{
    setObjectName(QStringLiteral("TF_Spdd_Add"));
}

TF_Spxs_Add2::TF_Spxs_Add2(QWidget* parent)
    : TF_Spxs_Add(Variant { &SalesDeliveryKind(), QStringLiteral("TF_Spxs_Sele2"), true }, parent)
{
    setObjectName(QStringLiteral("TF_Spxs_Add2"));
}

TF_Spxs_Add::TF_Spxs_Add(const Variant& variant, QWidget* parent)
    : Form(parent), Q_GoodsXs(F_DataModule->Q(variant.gift ? QStringLiteral("Q_Dhxsd") : QStringLiteral("Q_GoodsXs"))),
      Q_Goods2(F_DataModule->Q(variant.gift ? QStringLiteral("Q_Dhxssp") : QStringLiteral("Q_Goods2"))),
      Q_GCSpxs(F_DataModule->Q(QStringLiteral("Q_GCSpxs"))), Q_Tempspxf(F_DataModule->Q(QStringLiteral("Q_Tempspxf"))),
      variant_(variant)
{
    setObjectName(QStringLiteral("TF_Spxs_Add"));
    setWindowTitle(QStringLiteral("增加商品(商品销售)"));
    resize(1100, 568);
    auto* box = new QHBoxLayout(this);
    auto* browse = new QGroupBox(QStringLiteral("查询商品列表"), this);
    auto* left = new QVBoxLayout(browse);
    box->addWidget(browse, 1);
    left->addWidget(
        new QLabel(variant.gift ? QStringLiteral("请输入商品编号或名称查询商品,双击列表可以直接选择商品")
                                : QStringLiteral("请输入商品编号或名称查询商品,双击列表或按回车键可以直接选择商品"),
            browse));
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(
        variant.gift ? QStringLiteral("输入商品编号或名称查询：") : QStringLiteral("输入商品编号或名称,回车查询："),
        browse));
    tkey = new QLineEdit(browse);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    search->addWidget(tkey, 1);
    btnSele = NamedButton(browse, "btnSele", "加入所选商品", search);
    QFont bold = btnSele->font();
    bold.setBold(true);
    btnSele->setFont(bold);
    left->addLayout(search);
    auto* boxes = new QHBoxLayout;
    chkCk = new QCheckBox(QStringLiteral("显示当前仓库的商品"), browse);
    chkCk->setObjectName(QStringLiteral("chkCk"));
    chkKh = new QCheckBox(QStringLiteral("只显示当前客户的商品信息"), browse);
    chkKh->setObjectName(QStringLiteral("chkKh"));
    boxes->addWidget(chkCk);
    boxes->addWidget(chkKh);
    boxes->addStretch(1);
    left->addLayout(boxes);
    const CatalogueTabs tabs = BuildCatalogueTabs(browse, left,
        { "cxGridView", "DBTreeView", "cxGridGoods2View",
            variant.gift ? QStringLiteral("D_Dhxsd") : QStringLiteral("D_GoodsXs"), QStringLiteral("D_GCSpxs"),
            variant.gift ? QStringLiteral("D_Dhxssp") : QStringLiteral("D_Goods2") },
        AddSalesGoodsGrid);
    cxPage = tabs.page;
    cxTab1 = tabs.tab1;
    cxTab2 = tabs.tab2;
    cxGridView = tabs.list1;
    DBTreeView = tabs.tree;
    cxGridGoods2View = tabs.list2;
    cxGridView->SetAutoColumnWidth(true);

    RzGroupBox_Sele = new QGroupBox(QStringLiteral("所选商品"), this);
    RzGroupBox_Sele->setObjectName(QStringLiteral("RzGroupBox_Sele"));
    RzGroupBox_Sele->setFixedWidth(SelectedGoodsWidth(width()));
    auto* right = new QVBoxLayout(RzGroupBox_Sele);
    box->addWidget(RzGroupBox_Sele);
    cxGrid1View = new DataGrid(RzGroupBox_Sele);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Tempspxf")));
    AddGridColumns(*cxGrid1View,
        { { "g_name", "商品名称", "110" }, { "dw_name", "单位", "40" }, { "ts_dj", "单价", "60" },
            { "ts_taxdj", "含税单价", "60" }, { "ts_dzl", "打折率", "50" }, { "g_sj", "折后价", "60" },
            { "ts_sl", "数量", "50" }, { "ts_zje", "总金额", "70" } });
    cxGrid1View->SetColumnFormat(
        cxGrid1View->ColumnByField(QStringLiteral("ts_dzl")), QStringLiteral("0.0000;-0.0000"));
    cxGrid1View->SetColumnFormat(
        cxGrid1View->ColumnByField(QStringLiteral("g_sj")), QStringLiteral("￥,0.00;￥-,0.00"));
    cxGrid1View->SetFooterVisible(true);
    cxGrid1View->SetFooterCount(0, QStringLiteral("记录数："));
    right->addWidget(cxGrid1View, 1);
    auto* bar = new QHBoxLayout;
    btnModi = NamedButton(RzGroupBox_Sele, "btnModi", "修改(F9)", bar);
    btnDel = NamedButton(RzGroupBox_Sele, "btnDel", "删除(Del)", bar);
    btnOK = NamedButton(RzGroupBox_Sele, "btnOK", "确定(F5)", bar);
    btnCancel = NamedButton(RzGroupBox_Sele, "btnCancel", "取消(Esc)", bar);
    right->addLayout(bar);

    // The gift browser searches at every change, whatever EnterStartsSearch says.
    if (variant.gift)
        connect(tkey, &QLineEdit::textChanged, this, [this] { hcjSx(); });
    else
        ConnectSearchKey(
            tkey, this, [this] { hcjSx(); }, [this] { tkeyKeyPress(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { cxPageChange(); });
    connect(DBTreeView, &QTreeWidget::itemClicked, this, [this] { cxPageChange(); });
    for (DataGrid* g : { cxGridView, cxGridGoods2View })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btnSeleClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    if (variant.gift) {
        // Gifts: the loaded rows are sorted in the grid, Enter picks nothing, no menus.
        chkCk->hide();
        chkKh->hide();
        cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("ts_taxdj")), false);
    } else {
        for (DataGrid* g : { cxGridView, cxGridGoods2View }) {
            g->SetSortHook([this, g](int column, Qt::SortOrder order) { cxGridSortChange(g, column, order); });
            connect(g, &DataGrid::enterPressed, this, [this] { btnSeleClick(); });
        }
        auto* goodsMenu = new QMenu(this);
        goodsMenu->addAction(QStringLiteral("加入选中商品(&Z)"), this, &TF_Spxs_Add::btnSeleClick);
        for (DataGrid* g : { cxGridView, cxGridGoods2View })
            connect(g, &DataGrid::rightClicked, this, [goodsMenu](const QPoint& at) { goodsMenu->popup(at); });
        auto* pickedMenu = new QMenu(this);
        pickedMenu->addAction(QStringLiteral("修改(&X)"), this, &TF_Spxs_Add::btnModiClick);
        pickedMenu->addAction(QStringLiteral("删除(&Y)"), this, &TF_Spxs_Add::btnDelClick);
        pickedMenu->addAction(QStringLiteral("删除全部(&Z)"), this, &TF_Spxs_Add::btnRDelAllClick);
        connect(cxGrid1View, &DataGrid::rightClicked, this, [pickedMenu](const QPoint& at) { pickedMenu->popup(at); });
    }
    connect(btnSele, &QPushButton::clicked, this, &TF_Spxs_Add::btnSeleClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Spxs_Add::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Spxs_Add::btnDelClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Spxs_Add::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Spxs_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    ResetGoodsSearch(tkey, { cxGridView, cxGridGoods2View });
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (Pending()) {
        const bool listed = shdj.Active() && !shdj.IsEmpty();
        BrowseWarehouseSn = listed ? shdj.AsString(QStringLiteral("ck_sn")) : QString();
        BrowseCustomerSn = listed ? shdj.AsString(QStringLiteral("kh_sn")) : QString();
    } else {
        DocHost* host = FindDocHost(variant_.kind->prefix);
        BrowseWarehouseSn = host ? host->warehouse() : QString();
        BrowseCustomerSn = CurrentCustomerSn;
    }
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    OpenGoodsClasses(Q_GCSpxs, DBTreeView);
    chkCk->setVisible(!variant_.gift && IsTrue(AllowZeroStockOut));
    chkKh->setChecked(false);
    cxPageChange();
    ClearTempLines();
    OpenPickedLines(Q_Tempspxf);
    for (DataGrid* g : { cxGridView, cxGridGoods2View }) {
        const int price = g->ColumnByField(QStringLiteral("g_sj"));
        SetAmountColumnFormat(GridColumnFormat(*g, price));
        SetQtyColumnFormat(GridColumnFormat(*g, g->ColumnByField(QStringLiteral("kc_sl"))));
        g->SetColumnVisible(price, ShowSalePrice);
    }
    SumGridColumns(*cxGrid1View, { "ts_sl" }, false);
    SumGridColumns(*cxGrid1View, { "ts_zje" }, true);
    for (const char* f : { "ts_dj", "ts_taxdj" })
        SetAmountColumnFormat(GridColumnFormat(*cxGrid1View, cxGrid1View->ColumnByField(QLatin1String(f))));
    const auto show = [this](const char* f, bool on) {
        cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QLatin1String(f)), on);
    };
    show("ts_taxdj", !variant_.gift && IsTrue(UseTaxPrice));
    show("ts_dj", ShowSalePrice);
    show("ts_zje", ShowSalePrice);
    show("ts_dzl", IsTrue(UseDiscount) && ShowSalePrice);
    show("g_sj", IsTrue(UseDiscount) && ShowSalePrice);
}

DataGrid* TF_Spxs_Add::ActiveList() const
{
    return cxPage->currentWidget() == cxTab2 ? cxGridGoods2View : cxGridView;
}

Query& TF_Spxs_Add::ActiveQuery() const
{
    return cxPage->currentWidget() == cxTab2 ? Q_Goods2 : Q_GoodsXs;
}

bool TF_Spxs_Add::Pending() const
{
    return ActiveDocKind == QLatin1String("spxssh");
}

QString TF_Spxs_Add::Number() const
{
    if (Pending()) {
        Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
        return shdj.Active() && !shdj.IsEmpty() ? shdj.AsString(QStringLiteral("gl_djh")) : QString();
    }
    DocHost* host = FindDocHost(variant_.kind->prefix);
    return host ? host->number() : QString();
}

void TF_Spxs_Add::cxPageChange()
{
    QString category;
    if (cxPage->currentWidget() == cxTab2) {
        if (!Q_GCSpxs.Active() || Q_GCSpxs.IsEmpty())
            return;
        category = Q_GCSpxs.AsString(QStringLiteral("gc_sn"));
    }
    const GoodsListQuery list = variant_.gift
        ? GiftGoodsList(IsTrue(AllowZeroStockOut), BrowseWarehouseSn, category)
        : SalesGoodsList(chkKh->isChecked(), IsTrue(AllowZeroStockOut), !chkCk->isHidden() && chkCk->isChecked(),
            BrowseWarehouseSn, BrowseCustomerSn, category);
    // The gift list's order has ties, so it is fetched whole.
    OpenGoodsList(ActiveQuery(), list, variant_.gift ? 0 : kGoodsListPage);
    // The list's default order is no sort of the grid; the hook ignores this reset.
    loading_ = true;
    ActiveList()->ClearSort();
    loading_ = false;
    hcjSx();
}

void TF_Spxs_Add::hcjSx()
{
    FilterGoodsList(*ActiveList(), tkey->text(), { "g_name", "g_jm", "g_sn", "g_sptm", "gg_name", "color_name" });
}

void TF_Spxs_Add::tkeyKeyPress()
{
    if (variant_.gift)
        return;
    if (IsTrue(EnterStartsSearch))
        hcjSx();
    ActiveList()->setFocus();
}

void TF_Spxs_Add::cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order)
{
    if (loading_)
        return;
    if (column < 0) {
        // No sorted column left: the list comes back in its default order.
        cxPageChange();
        return;
    }
    Query& q = grid == cxGridGoods2View ? Q_Goods2 : Q_GoodsXs;
    q.Close();
    q.SetSQL(ResortGoodsList(q.SQL(), QStringLiteral("2"), grid->ColumnField(column), order == Qt::DescendingOrder));
    q.Open();
}

void TF_Spxs_Add::RunPicker(const QString& mode)
{
    OpenMode = mode;
    FunctionWindows::Open(variant_.dialog, FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
    tkey->setFocus();
}

void TF_Spxs_Add::btnSeleClick()
{
    DataGrid* g = ActiveList();
    const int row = g->CurrentRow();
    if (g->RowCount() == 0 || row < 0)
        return;
    SelectedSn = g->Value(row, QStringLiteral("g_sn")).toString();
    if (!variant_.gift && GoodsAlreadyAdded(*variant_.kind, Number(), SelectedSn)
        && Prompt::YesNo(QStringLiteral("该商品已添加，需要重复添加吗？")) == Prompt::Answer::No) {
        SelectedSn.clear();
        return;
    }
    RunPicker(QStringLiteral("spxs_add"));
}

void TF_Spxs_Add::btnModiClick()
{
    if (!ToCurrentPick(Q_Tempspxf, *cxGrid1View))
        return;
    SelectedSn = Q_Tempspxf.AsString(QStringLiteral("g_sn"));
    RunPicker(QStringLiteral("spxs_modi"));
}

void TF_Spxs_Add::btnDelClick()
{
    DropCurrentPick(Q_Tempspxf, *cxGrid1View);
}

void TF_Spxs_Add::btnRDelAllClick()
{
    if (!Q_Tempspxf.Active() || Q_Tempspxf.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前全部商品吗！")) == Prompt::Answer::No)
        return;
    ClearTempLines();
    Q_Tempspxf.Requery();
}

void TF_Spxs_Add::btnOKClick()
{
    PickConfirmation c;
    c.pending = Pending();
    c.number = Number();
    c.stockQtyZero = IsTrue(UseStockOut);
    // Once a line of a pending document ships nothing, none of its lines does.
    c.zeroAllColumn = QStringLiteral("ls_cksl");
    ConfirmPicks(*variant_.kind, c);
    Q_Tempspxf.Requery();
    Q_GoodsXs.Close();
    Q_Goods2.Close();
    Q_GCSpxs.Close();
    accept();
}

bool TF_Spxs_Add::FormCloseQuery()
{
    const bool picked = Q_Tempspxf.Active() && !Q_Tempspxf.IsEmpty();
    if (picked
        && !ClosePicksQuery(
            QStringLiteral("所选商品还未保存，是否保存？"), [this] { btnOKClick(); },
            [this] {
                ClearTempLines();
                Q_Tempspxf.Requery();
            }))
        return false;
    Q_GoodsXs.Close();
    Q_Goods2.Close();
    Q_GCSpxs.Close();
    return true;
}

void TF_Spxs_Add::FormResize()
{
    RzGroupBox_Sele->setFixedWidth(SelectedGoodsWidth(width()));
}

void TF_Spxs_Add::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}

void TF_Spxs_Add::keyPressEvent(QKeyEvent* e)
{
    if (!HandleBrowserKey(
            e->key(), [this] { btnDelClick(); }, [this] { btnModiClick(); }, {}, [this] { btnOKClick(); }))
        Form::keyPressEvent(e);
}
