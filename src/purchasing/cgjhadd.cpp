#include "purchasing/cgjhadd.h"

#include "documents/browserparts.h"
#include "documents/docdrafts.h"
#include "documents/docwindow.h"
#include "documents/goodsbrowser.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "masterdata/keyfilter.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DataGrid* AddGoodsGrid(QWidget* parent, const char* name, const QString& source)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    AddGridColumns(*g,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "g_jj", "参考进价", "70" },
            { "kc_sl", "库存数", "60" } });
    g->SetFooterVisible(true);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    return g;
}

QPushButton* AddButton(QWidget* parent, QBoxLayout* row, const char* name, const char* caption)
{
    return NamedButton(parent, name, caption, row);
}

} // namespace

TF_Cgjh_Add::TF_Cgjh_Add(QWidget* parent)
    : TF_Cgjh_Add(Variant { &GoodsInKind(), QStringLiteral("采购进货"), QStringLiteral("TF_Cgjh_Sele"),
                      QStringLiteral("cgjh"), QStringLiteral("cgjhsh"), false, false },
        parent)
{
}

TF_Cgd_Add::TF_Cgd_Add(QWidget* parent)
    : TF_Cgjh_Add(Variant { &PurchaseOrderKind(), QStringLiteral("采购订单"), QStringLiteral("TF_Cgd_Sele"),
                      QStringLiteral("cgjh"), QStringLiteral("cgjhsh"), true, false },
        parent)
{
}

TF_Cgth_Add::TF_Cgth_Add(QWidget* parent)
    : TF_Cgjh_Add(Variant { &PurchaseReturnKind(), QStringLiteral("采购退货"), QStringLiteral("TF_Cgth_Sele"),
                      QStringLiteral("cgth"), QStringLiteral("cgthsh"), false, true },
        parent)
{
}

TF_Cgjh_Add::TF_Cgjh_Add(const Variant& variant, QWidget* parent)
    : Form(parent), Q_GoodsJh(F_DataModule->Q(QStringLiteral("Q_GoodsJh"))),
      Q_Goods2(F_DataModule->Q(QStringLiteral("Q_Goods2"))), Q_Tempspxf(F_DataModule->Q(QStringLiteral("Q_Tempspxf"))),
      ADOQueryGoodsClass2(F_DataModule->Q(QStringLiteral("ADOQueryGoodsClass2"))), variant_(variant),
      kind_(*variant.kind)
{
    setObjectName(QString(variant.dialog).replace(QStringLiteral("_Sele"), QStringLiteral("_Add")));
    setWindowTitle(QStringLiteral("增加商品(") + variant.caption + QStringLiteral(")"));
    resize(1200, 640);
    auto* box = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    box->addLayout(left, 1);
    auto* search = new QHBoxLayout;
    lkey = new QLabel(this);
    search->addWidget(lkey);
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    search->addWidget(tkey, 1);
    chkCk = new QCheckBox(QStringLiteral("只显示所选仓库的商品信息"), this);
    chkCk->setObjectName(QStringLiteral("chkCk"));
    search->addWidget(chkCk);
    chkGhs = new QCheckBox(QStringLiteral("只显示当前供货商的商品信息"), this);
    chkGhs->setObjectName(QStringLiteral("chkGhs"));
    search->addWidget(chkGhs);
    left->addLayout(search);

    const CatalogueTabs tabs = BuildCatalogueTabs(this, left,
        { "cxGrid1View", "TreeView", "cxGrid2View", QStringLiteral("D_GoodsJh"), QStringLiteral("ADOQueryGoodsClass2"),
            QStringLiteral("D_Goods2") },
        AddGoodsGrid);
    cxPage = tabs.page;
    cxTab1 = tabs.tab1;
    cxTab2 = tabs.tab2;
    cxGrid1View = tabs.list1;
    TreeView = tabs.tree;
    cxGrid2View = tabs.list2;
    auto* bar = new QHBoxLayout;
    btnAdd = AddButton(this, bar, "btnAdd", "加入所选商品");
    btnNew = AddButton(this, bar, "btnNew", "添加新商品");
    bar->addStretch(1);
    left->addLayout(bar);

    auto* right = new QVBoxLayout;
    box->addLayout(right);
    right->addWidget(new QLabel(QStringLiteral("所选商品"), this));
    cxGrid3View = new DataGrid(this);
    cxGrid3View->setObjectName(QStringLiteral("cxGrid3View"));
    cxGrid3View->setFixedWidth(PickedPanelWidth(width(), variant.order ? 509 : 457));
    cxGrid3View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Tempspxf")));
    AddGridColumns(*cxGrid3View,
        { { "g_name", "商品名称", "110" }, { "dw_name", "单位", "40" }, { "color_name", "颜色", "50" },
            { "ts_dj", "进价", "60" }, { "ts_tax", "税率", "40" }, { "ts_taxdj", "含税单价", "60" },
            { "ts_dzl", "折扣", "40" }, { "g_sj", "折后价", "60" }, { "ts_sl", "数量", "50" },
            { "ts_zje", "总金额", "70" } });
    cxGrid3View->SetFooterVisible(true);
    cxGrid3View->SetFooterCount(0, QStringLiteral("记录数："));
    cxGrid3View->SetFooterSum(cxGrid3View->ColumnByField(QStringLiteral("ts_sl")));
    cxGrid3View->SetFooterSum(cxGrid3View->ColumnByField(QStringLiteral("ts_zje")));
    if (variant_.ret)
        cxGrid3View->SetColumnCaption(cxGrid3View->ColumnByField(QStringLiteral("ts_dzl")), QStringLiteral("打折率"));
    right->addWidget(cxGrid3View, 1);
    auto* bar2 = new QHBoxLayout;
    btnModi = AddButton(this, bar2, "btnModi", "修改(F9)");
    btnDel = AddButton(this, bar2, "btnDel", "删除(Del)");
    btnOK = AddButton(this, bar2, "btnOK", "确定(F5)");
    btnCancel = AddButton(this, bar2, "btnCancel", "取消(Esc)");
    right->addLayout(bar2);

    PopupMenu1 = AddGridMenu(
        this, { cxGrid1View, cxGrid2View }, { { QStringLiteral("加入选中商品(&Z)"), [this] { btnAddClick(); } } });
    PopupMenu2 = AddGridMenu(this, { cxGrid3View },
        { { QStringLiteral("修改(&X)"), [this] { btnModiClick(); } },
            { QStringLiteral("删除(&Y)"), [this] { btnDelClick(); } },
            { QStringLiteral("删除全部(&Z)"), [this] { btnDelAllClick(); } } });

    DiscardSearchPunctuation(tkey);
    ConnectSearchKey(
        tkey, this, [this] { hcjSx(); },
        [this] {
            if (IsTrue(EnterStartsSearch))
                hcjSx();
            ActiveList()->setFocus();
        });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] { openGoodsList(); });
    connect(chkCk, &QCheckBox::clicked, this, [this] { openGoodsList(); });
    connect(chkGhs, &QCheckBox::clicked, this, [this] { openGoodsList(); });
    connect(TreeView, &QTreeWidget::itemClicked, this, [this] { openGoodsList(); });
    for (DataGrid* g : { cxGrid1View, cxGrid2View }) {
        g->SetSortHook([this, g](int column, Qt::SortOrder order) { cxGridSortChange(g, column, order); });
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btnAddClick(); });
        connect(g, &DataGrid::enterPressed, this, [this] { btnAddClick(); });
    }
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnAdd, &QPushButton::clicked, this, &TF_Cgjh_Add::btnAddClick);
    connect(btnNew, &QPushButton::clicked, this, &TF_Cgjh_Add::btnNewClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Cgjh_Add::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &TF_Cgjh_Add::btnDelClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgjh_Add::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Cgjh_Add::btnCancelClick);
}

void TF_Cgjh_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    ResetGoodsSearch(tkey, { cxGrid1View, cxGrid2View });
    lkey->setText(GoodsSearchHint());
    if (!variant_.ret)
        SelectedLineId = QStringLiteral("1");
    DocHost* host = FindDocHost(kind_.prefix);
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (Pending() && shdj.Active() && !shdj.IsEmpty()) {
        warehouse_ = shdj.AsString(QStringLiteral("ck_sn"));
        supplier_ = shdj.AsString(QStringLiteral("ghs_sn"));
        if (variant_.ret)
            CurrentSupplierSn = supplier_;
    } else {
        warehouse_ = host ? host->warehouse() : QString();
        supplier_ = CurrentSupplierSn;
    }
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    OpenGoodsClasses(ADOQueryGoodsClass2, TreeView);
    chkCk->setChecked(IsTrue(BindOperatorWarehouse));
    chkCk->setEnabled(!IsTrue(BindOperatorWarehouse));
    chkGhs->setChecked(false);
    chkCk->setVisible(!variant_.ret);
    chkGhs->setVisible(!variant_.ret);
    openGoodsList();
    ClearTempLines();
    OpenPickedLines(Q_Tempspxf);
    btnNew->setVisible(!variant_.ret && HasRight(QStringLiteral("qtcz"), 1));
    const bool cost = ShowCostPrice;
    for (DataGrid* g : { cxGrid1View, cxGrid2View })
        g->SetColumnVisible(g->ColumnByField(QStringLiteral("g_jj")), cost);
    for (const char* f : { "ts_dj", "ts_zje" })
        cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QLatin1String(f)), cost);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    for (const char* f : { "ts_tax", "ts_taxdj" })
        cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QLatin1String(f)), tax);
    const bool discount = IsTrueFor(UseDiscount, QStringLiteral("cj"));
    cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QStringLiteral("ts_dzl")), discount);
    // Returns show the rate alone, without the discounted price.
    cxGrid3View->SetColumnVisible(cxGrid3View->ColumnByField(QStringLiteral("g_sj")), discount && !variant_.ret);
    const bool colors = variant_.order && IsTrue(UseColors);
    for (DataGrid* g : { cxGrid1View, cxGrid2View, cxGrid3View })
        g->SetColumnVisible(g->ColumnByField(QStringLiteral("color_name")), colors);
}

DataGrid* TF_Cgjh_Add::ActiveList() const
{
    return cxPage->currentWidget() == cxTab2 ? cxGrid2View : cxGrid1View;
}

Query& TF_Cgjh_Add::ActiveQuery() const
{
    return cxPage->currentWidget() == cxTab2 ? Q_Goods2 : Q_GoodsJh;
}

void TF_Cgjh_Add::openGoodsList()
{
    const QString mode = chkCk->isChecked() ? QStringLiteral("2")
        : chkGhs->isChecked()               ? QStringLiteral("3")
                                            : QStringLiteral("1");
    if (!variant_.ret)
        SelectedLineId = mode;
    const bool categories = cxPage->currentWidget() == cxTab2;
    QString category;
    if (categories) {
        if (!ADOQueryGoodsClass2.Active() || ADOQueryGoodsClass2.IsEmpty())
            return;
        category = ADOQueryGoodsClass2.AsString(QStringLiteral("gc_sn"));
    }
    const GoodsListQuery list = variant_.ret
        ? ReturnGoodsList(
            !(ReturnOnlySupplierGoods == QLatin1String("0") || ReturnOnlySupplierGoods == QLatin1String("False")),
            IsTrue(AllowZeroStockOut), warehouse_, supplier_, category)
        : PurchaseGoodsList(
            kind_, mode, IsTrue(BindOperatorWarehouse), chkGhs->isChecked(), warehouse_, supplier_, category);
    OpenGoodsList(ActiveQuery(), list);
    // The list's default order is no sort of the grid; the hook ignores this reset.
    loading_ = true;
    ActiveList()->ClearSort();
    loading_ = false;
    hcjSx();
}

void TF_Cgjh_Add::hcjSx()
{
    FilterGoodsList(*ActiveList(), tkey->text(), { "g_name", "g_jm", "g_sn", "g_sptm", "gg_name", "color_name" });
}

void TF_Cgjh_Add::cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order)
{
    if (loading_)
        return;
    Query& q = grid == cxGrid2View ? Q_Goods2 : Q_GoodsJh;
    if (column < 0) {
        // No sorted column left: the list comes back in its default order.
        openGoodsList();
        return;
    }
    const QString field = grid->ColumnField(column);
    q.Close();
    q.SetSQL(ResortGoodsList(
        q.SQL(), variant_.ret ? QStringLiteral("2") : SelectedLineId, field, order == Qt::DescendingOrder));
    q.Open();
}

bool TF_Cgjh_Add::Pending() const
{
    return ActiveDocKind == variant_.pendingKind;
}

QString TF_Cgjh_Add::Number() const
{
    if (Pending()) {
        Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
        return shdj.Active() && !shdj.IsEmpty() ? shdj.AsString(QStringLiteral("gl_djh")) : QString();
    }
    DocHost* host = FindDocHost(kind_.prefix);
    return host ? host->number() : QString();
}

void TF_Cgjh_Add::Pick(bool askDuplicate)
{
    if (askDuplicate && !variant_.ret && GoodsAlreadyAdded(kind_, Number(), SelectedSn)
        && Prompt::YesNo(QStringLiteral("该商品已添加，需要重复添加吗？")) == Prompt::Answer::No)
        return;
    AuxTag.clear();
    OpenMode = variant_.modePrefix + QStringLiteral("_add");
    FunctionWindows::Open(variant_.dialog, FunctionWindows::Lifetime::Freed);
    tkey->setFocus();
    AuxTag.clear();
}

void TF_Cgjh_Add::btnAddClick()
{
    DataGrid* g = ActiveList();
    const int row = g->CurrentRow();
    if (g->RowCount() == 0 || row < 0)
        return;
    SelectedSn = g->Value(row, QStringLiteral("g_sn")).toString();
    if (variant_.ret && g->Value(row, QStringLiteral("kc_sl")).toDouble() <= 0
        && (AllowZeroStockOut == QLatin1String("0") || AllowZeroStockOut == QLatin1String("False"))) {
        Prompt::Info(QStringLiteral("库存为零不能退货！"));
        SelectedSn.clear();
        return;
    }
    Pick(true);
    SelectedSn.clear();
    OpenMode.clear();
}

void TF_Cgjh_Add::btnNewClick()
{
    if (btnNew->isHidden())
        return;
    SelectedSn.clear();
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Add"), FunctionWindows::Lifetime::Freed);
    if (!SelectedSn.isEmpty())
        Pick(false);
    SelectedSn.clear();
    OpenMode.clear();
    Q_GoodsJh.Requery();
    if (Q_Goods2.Active())
        Q_Goods2.Requery();
}

void TF_Cgjh_Add::btnModiClick()
{
    if (!ToCurrentPick(Q_Tempspxf, *cxGrid3View))
        return;
    OpenMode = variant_.modePrefix + QStringLiteral("_modi");
    SelectedSn = Q_Tempspxf.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(variant_.dialog, FunctionWindows::Lifetime::Freed);
    SelectedSn.clear();
    OpenMode.clear();
}

void TF_Cgjh_Add::btnDelClick()
{
    DropCurrentPick(Q_Tempspxf, *cxGrid3View);
}

void TF_Cgjh_Add::btnDelAllClick()
{
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前全部商品吗！")) == Prompt::Answer::No)
        return;
    ClearTempLines();
    ReopenPicked();
}

void TF_Cgjh_Add::ReopenPicked()
{
    Q_Tempspxf.Requery();
}

void TF_Cgjh_Add::btnOKClick()
{
    PickConfirmation c;
    c.pending = Pending();
    c.number = Number();
    c.dropEmpty = !variant_.ret;
    c.stockQtyZero = !variant_.order && IsTrue(UseStockIn);
    if (!variant_.order && !variant_.ret)
        c.zeroAllColumn = QStringLiteral("jh_rksl");
    ConfirmPicks(kind_, c);
    ReopenPicked();
    Q_GoodsJh.Close();
    Q_Goods2.Close();
    if (!variant_.ret)
        SelectedLineId.clear();
    accept();
}

bool TF_Cgjh_Add::FormCloseQuery()
{
    if (!Q_Tempspxf.Active() || Q_Tempspxf.IsEmpty()) {
        if (!variant_.ret)
            SelectedLineId.clear();
        return true;
    }
    return ClosePicksQuery(
        QStringLiteral("当前单据还未保存，是否保存？"), [this] { btnOKClick(); },
        [this] {
            ClearTempLines();
            ReopenPicked();
            if (!variant_.ret)
                SelectedLineId.clear();
        });
}

void TF_Cgjh_Add::btnCancelClick()
{
    close();
}

void TF_Cgjh_Add::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    cxGrid3View->setFixedWidth(PickedPanelWidth(width(), variant_.order ? 509 : 457));
}

void TF_Cgjh_Add::keyPressEvent(QKeyEvent* e)
{
    if (!HandleBrowserKey(
            e->key(), [this] { btnDelClick(); }, [this] { btnModiClick(); }, [this] { btnAddClick(); },
            [this] { btnOKClick(); }))
        Form::keyPressEvent(e);
}
