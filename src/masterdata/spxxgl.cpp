#include "masterdata/spxxgl.h"

#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "masterdata/boundsql.h"
#include "masterdata/goodsclasstree.h"
#include "masterdata/goodsops.h"
#include "masterdata/inform.h"
#include "masterdata/keyfilter.h"
#include "masterdata/spxxgldialogs.h"
#include "masterdata/spxxglmove.h"
#include "platform/base/displayformat.h"
#include "platform/base/programfolder.h"
#include "platform/base/textsearch.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

TF_Spxxgl* F_Spxxgl = nullptr;

namespace {

const QString kDispCondition = QStringLiteral(" and a.g_jy=0 and a.g_sn<>'00000000' ");
const QString kOrder = QStringLiteral(" order by a.g_sn");

// The text search of the statement and of the footer total, over the columns the
// operator knows goods by.
QString TextCondition(const QString& prefix)
{
    QStringList parts;
    for (const char* col : { "g_sn", "g_name", "g_jm", "g_sptm", "gg_name", "color_name" })
        parts << prefix + QLatin1String(col) + QStringLiteral(" like :t");
    return QStringLiteral(" and (") + parts.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

// The columns that rights and settings may hide.
enum class Shown { Always, CostPrice, SalePrice, CostAndSale, RetailPrice, GradePrices, Shelves };
enum class Format { None, Amount, Qty, Commission, Discount };

struct ColumnSpec {
    const char* field;
    const char* caption;
    int width;
    Shown shown;
    Format format;
    bool check;
};

const ColumnSpec kColumns[] = {
    { "g_sn", "商品编号", 90, Shown::Always, Format::None, false },
    { "g_name", "商品名称", 150, Shown::Always, Format::None, false },
    { "gc_name", "商品类别", 90, Shown::Always, Format::None, false },
    { "dw_name", "单位", 50, Shown::Always, Format::None, false },
    { "gg_name", "款型说明", 80, Shown::Always, Format::None, false },
    { "color_name", "颜色组", 70, Shown::Always, Format::None, false },
    { "cmz_name", "尺码组", 70, Shown::Always, Format::None, false },
    { "g_zdkc", "最低库存", 64, Shown::Always, Format::None, false },
    { "g_kc", "当前库存", 70, Shown::Always, Format::Qty, false },
    { "g_jy", "禁用", 40, Shown::Always, Format::None, true },
    { "g_iszp", "赠品", 40, Shown::Always, Format::None, true },
    { "g_jj", "预设进价", 70, Shown::CostPrice, Format::Amount, false },
    { "g_sj", "预设售价", 70, Shown::SalePrice, Format::Amount, false },
    { "g_lsj", "零售价", 70, Shown::RetailPrice, Format::Amount, false },
    { "g_sj1", "一级价格", 70, Shown::GradePrices, Format::Amount, false },
    { "g_sj2", "二级价格", 70, Shown::GradePrices, Format::Amount, false },
    { "g_sj3", "三级价格", 70, Shown::GradePrices, Format::Amount, false },
    { "g_sj4", "四级价格", 70, Shown::GradePrices, Format::Amount, false },
    { "g_sj5", "五级价格", 70, Shown::GradePrices, Format::Amount, false },
    { "hj_name", "所在货架", 70, Shown::Shelves, Format::None, false },
    { "g_gdcbj", "销售成本价", 70, Shown::CostAndSale, Format::None, true },
    { "g_tc", "提成", 60, Shown::Always, Format::Commission, false },
    { "g_dzll", "打折率", 60, Shown::Always, Format::Discount, false },
    { "g_jm", "名称简码", 80, Shown::Always, Format::None, false },
    { "g_sptm", "商品条码", 100, Shown::Always, Format::None, false },
    { "g_sccs", "品牌厂商", 90, Shown::Always, Format::None, false },
    { "g_bz", "备注", 120, Shown::Always, Format::None, false },
};

bool IsShown(Shown s)
{
    switch (s) {
    case Shown::Always:
        return true;
    case Shown::CostPrice:
        return ShowCostPrice;
    case Shown::SalePrice:
        return ShowSalePrice;
    case Shown::CostAndSale:
        return ShowCostPrice && ShowSalePrice;
    case Shown::RetailPrice:
        return IsTrue(UseRetailPrice);
    case Shown::GradePrices:
        return IsTrue(UseGradePrices);
    case Shown::Shelves:
        return IsTrue(UseShelves);
    }
    return true;
}

bool Confirm(const QString& text)
{
    return Prompt::YesNo(text) == Prompt::Answer::Yes;
}

}

QString GoodsListHead()
{
    return QStringLiteral("select a.*,b.gc_name,round(g_kc/g_zhxs+0.000000001,") + QString::number(QtyDecimals)
        + QStringLiteral(") as fzkc from jxc_goods a,jxc_goodsclass b where a.gc_sn=b.gc_sn ");
}

TF_Spxxgl::TF_Spxxgl(QWidget* parent)
    : Form(parent), Q_Goods(F_DataModule->Q(QStringLiteral("Q_Goods"))),
      ADOQueryGoodsClass(F_DataModule->Q(QStringLiteral("ADOQueryGoodsClass")))
{
    setObjectName(QStringLiteral("TF_Spxxgl"));
    setWindowTitle(QStringLiteral("商品信息管理"));
    resize(1100, 680);

    auto* split = new QSplitter(this);
    classTree = new GoodsClassTree(split);
    classTree->SetQuery(ADOQueryGoodsClass);

    auto* right = new QWidget(split);
    auto* rbox = new QVBoxLayout(right);
    rbox->setContentsMargins(2, 2, 2, 2);
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption, void (TF_Spxxgl::*handler)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), right);
        connect(b, &QPushButton::clicked, this, handler);
        bar->addWidget(b);
        return b;
    };
    btnAdd2 = button("增加", &TF_Spxxgl::btnAdd2Click);
    btnModi2 = button("修改", &TF_Spxxgl::btnModi2Click);
    btnDele2 = button("删除", &TF_Spxxgl::btnDele2Click);
    btnExport2 = button("导出", &TF_Spxxgl::btnExport2Click);
    btnImport2 = button("导入", &TF_Spxxgl::btnImport2Click);
    btnOtherImport = new QToolButton(right);
    btnOtherImport->setText(QStringLiteral("其他导入操作"));
    btnOtherImport->setPopupMode(QToolButton::InstantPopup);
    auto* importMenu = new QMenu(btnOtherImport);
    auto importItem = [&](const char* caption, const QString& windowClass) {
        return importMenu->addAction(QString::fromUtf8(caption), this, [this, windowClass] {
            if (HasRows())
                OpenFreed(windowClass);
        });
    };
    miImportFzdw = importItem("导入辅助单位(&X)", QStringLiteral("TF_Spxxgl_ImportFzdw"));
    miImportDj = importItem("导入商品单价(&Y)", QStringLiteral("TF_Spxxgl_ImportDj"));
    miImportKw = importItem("导入商品库位(&Z)", QStringLiteral("TF_Spxxgl_ImportKw"));
    btnOtherImport->setMenu(importMenu);
    bar->addWidget(btnOtherImport);
    btnTmgl = button("条码", &TF_Spxxgl::btnTmglClick);
    btn_Prin = button("打印", &TF_Spxxgl::btn_PrinClick);
    btnExit2 = button("退出", &TF_Spxxgl::btnExit2Click);
    bar->addStretch(1);
    rbox->addLayout(bar);

    auto* search = new QHBoxLayout;
    lKey = new QLabel(QStringLiteral("输入商品相关信息查询商品(F6)："), right);
    search->addWidget(lKey);
    tkey = new QLineEdit(right);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    DiscardSearchPunctuation(tkey);
    search->addWidget(tkey, 1);
    btnKeySearch = new QPushButton(QStringLiteral("查询"), right);
    search->addWidget(btnKeySearch);
    chkDisp = new QCheckBox(QStringLiteral("显示禁用商品"), right);
    search->addWidget(chkDisp);
    chkPic = new QCheckBox(QStringLiteral("单击显示图片"), right);
    search->addWidget(chkPic);
    rbox->addLayout(search);

    cxGridView = new DataGrid(right);
    cxGridView->setObjectName(QStringLiteral("cxGridView"));
    rbox->addWidget(cxGridView, 1);
    lGridHint = new QLabel(QStringLiteral("在右键菜单中禁用商品信息，打印商品信息"), right);
    rbox->addWidget(lGridHint);
    Image_Pic = new QLabel(cxGridView);
    Image_Pic->setFrameShape(QFrame::Box);
    Image_Pic->setScaledContents(true);
    Image_Pic->setGeometry(40, 40, 240, 240);
    Image_Pic->hide();
    Image_Pic->installEventFilter(this);

    split->addWidget(classTree);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({ 220, 880 });
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    box->addWidget(split);

    BuildGrid();

    goodsMenu = new QMenu(this);
    auto item = [&](const char* caption, void (TF_Spxxgl::*handler)()) {
        return goodsMenu->addAction(QString::fromUtf8(caption), this, handler);
    };
    miAdd = item("增加(&L)", &TF_Spxxgl::btnAdd2Click);
    miModi = item("修改(&M)", &TF_Spxxgl::btnModi2Click);
    miDele = item("删除(&N)", &TF_Spxxgl::btnDele2Click);
    goodsMenu->addSeparator();
    miCopy = item("复制(&O)", &TF_Spxxgl::miCopyClick);
    miPaste = item("粘贴(&P)", &TF_Spxxgl::miPasteClick);
    goodsMenu->addSeparator();
    miChangeClass = item("修改类别(&Q)", &TF_Spxxgl::miChangeClassClick);
    miBulkDelete = item("批量删除(&R)", &TF_Spxxgl::miBulkDeleteClick);
    miMinStock = item("修改最低库存(&I)", &TF_Spxxgl::miMinStockClick);
    goodsMenu->addSeparator();
    miDisable = item("禁用(&S)", &TF_Spxxgl::miDisableClick);
    miDisable->setCheckable(true);
    miBulkDisable = item("批量禁用(&T)", &TF_Spxxgl::miBulkDisableClick);
    goodsMenu->addSeparator();
    miShortCode = item("修改简码(&U)", &TF_Spxxgl::miShortCodeClick);
    miShowClassGoods = item("显示该类别商品(&V)", &TF_Spxxgl::miShowClassGoodsClick);
    miWholesale = item("批量定义批发价(&W)", &TF_Spxxgl::miWholesaleClick);
    miPresetCost = item("预设进价作为销售成本价(&G)", &TF_Spxxgl::miPresetCostClick);
    miCancelPresetCost = item("取消预设进价作为销售成本价(&H)", &TF_Spxxgl::miCancelPresetCostClick);
    goodsMenu->addSeparator();
    miPrintSelectedLabels = item("打印被选择商品的标价签(&X)", &TF_Spxxgl::miPrintSelectedLabelsClick);
    miPrintAllLabels = item("打印所有商品的标价签(&Y)", &TF_Spxxgl::miPrintAllLabelsClick);
    miPrintList = item("打印商品信息(&Z)", &TF_Spxxgl::btn_PrinClick);
    miViewPicture = item("查看图片(&D)", &TF_Spxxgl::miViewPictureClick);
    miLayout = item("定义列表布局(&B)", &TF_Spxxgl::miLayoutClick);

    connect(cxGridView, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        PrepareGoodsMenu();
        goodsMenu->popup(at);
    });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] {
        if (btnModi2->isEnabled())
            btnModi2Click();
    });
    connect(cxGridView, &QAbstractItemView::clicked, this, &TF_Spxxgl::ShowRowPicture);
    connect(classTree, &GoodsClassTree::classClicked, this, [this](const QString& code) {
        tkey->clear();
        Q_Goods.SetFiltered(false);
        filterGoods(code);
    });
    connect(classTree, &GoodsClassTree::classRenamed, this, &TF_Spxxgl::selectGoods);
    connect(classTree, &GoodsClassTree::moveRequested, this, &TF_Spxxgl::OpenClassMove);
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Spxxgl::hcjSx);
    connect(tkey, &QLineEdit::textChanged, this, [this] {
        if (!SearchByStatement())
            hcjSx();
    });
    connect(btnKeySearch, &QPushButton::clicked, this, [this] {
        if (!SearchByStatement())
            hcjSx();
    });
    connect(chkDisp, &QCheckBox::toggled, this, &TF_Spxxgl::selectGoods);
    connect(chkPic, &QCheckBox::clicked, Image_Pic, &QWidget::hide);
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, tkey, [this] { tkey->setFocus(); });
}

TF_Spxxgl::~TF_Spxxgl()
{
    if (F_Spxxgl == this)
        F_Spxxgl = nullptr;
}

bool TF_Spxxgl::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Image_Pic && e->type() == QEvent::MouseButtonPress)
        Image_Pic->hide();
    return Form::eventFilter(watched, e);
}

void TF_Spxxgl::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Spxxgl::BuildGrid()
{
    cxGridView->SetDataSource(&F_DataModule->D(QStringLiteral("D_Goods")));
    for (const ColumnSpec& c : kColumns) {
        const int col = cxGridView->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width);
        if (c.check)
            cxGridView->SetCheckColumn(col, false);
        if (c.format == Format::Commission)
            cxGridView->SetColumnFormat(col, QStringLiteral("0.0000;-0.0000"));
        else if (c.format == Format::Discount)
            cxGridView->SetColumnFormat(col, QStringLiteral("0.00;0.00"));
    }
    cxGridView->SetMultiSelect(true);
    cxGridView->SetFooterVisible(true);
    cxGridView->SetSortHook([this](int column, Qt::SortOrder order) { GridSortChanged(column, order); });
}

void TF_Spxxgl::ApplyColumns()
{
    for (const ColumnSpec& c : kColumns) {
        const int col = cxGridView->ColumnByField(QString::fromLatin1(c.field));
        cxGridView->SetColumnVisible(col, IsShown(c.shown));
        if (c.format == Format::Amount)
            SetAmountColumnFormat(GridColumnFormat(*cxGridView, col));
        else if (c.format == Format::Qty) {
            SetQtyColumnFormat(GridColumnFormat(*cxGridView, col));
            SetQtySummaryFormat([this](const QString& f) { stockFooterFormat_ = f; });
        }
    }
    lGridHint->show();
}

void TF_Spxxgl::UpdateWiredActions()
{
    // The goods record, pictures, barcodes and imports come with their own windows;
    // until these are there their commands stay off.
    const bool add = FunctionWindows::Available(QStringLiteral("TF_Spxxgl_Add"));
    btnAdd2->setEnabled(add);
    miAdd->setEnabled(add);
    const bool modi = FunctionWindows::Available(QStringLiteral("TF_Spxxgl_Modi"));
    btnModi2->setEnabled(modi);
    miModi->setEnabled(modi);
    miViewPicture->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxxgl_Pic2")));
    btnTmgl->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Tmgl")));
    btnImport2->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxxgl_Import")));
    miImportFzdw->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxxgl_ImportFzdw")));
    miImportDj->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxxgl_ImportDj")));
    miImportKw->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Spxxgl_ImportKw")));
    btnOtherImport->setEnabled(miImportFzdw->isEnabled() || miImportDj->isEnabled() || miImportKw->isEnabled());
}

void TF_Spxxgl::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    footerSearch_.clear();
    copiedId_ = 0;
    copyPending_ = false;
    {
        const QSignalBlocker block(tkey);
        tkey->clear();
    }
    Image_Pic->hide();
    chkPic->setChecked(false);
    LoadGridLayout(QStringLiteral("spxxgl"), cxGridView);
    lKey->setText(SearchByStatement() ? QStringLiteral("输入商品相关信息,回车查询(F6)：")
                                      : QStringLiteral("输入商品相关信息查询商品(F6)："));
    miImportFzdw->setVisible(IsTrue(UseSecondUnits));
    miImportKw->setVisible(false);
    UpdateWiredActions();
    cxGridView->ClearFilter();
    cxGridView->ClearSort();
    classTree->Open();
    selectGoods();
    ApplyColumns();
    UpdateFooter();
}

void TF_Spxxgl::FormClose()
{
    ADOQueryGoodsClass.Close();
    F_DataModule->Q(QStringLiteral("ADOQueryGoodsClass2")).Close();
    Q_Goods.Close();
}

bool TF_Spxxgl::SearchByStatement() const
{
    return IsTrue(EnterStartsSearch);
}

void TF_Spxxgl::OpenGoods(const QString& sql)
{
    Q_Goods.Close();
    Q_Goods.ClearParams();
    Q_Goods.SetSQL(sql);
}

void TF_Spxxgl::selectGoods()
{
    const QString t = tkey->text().trimmed().toUpper();
    QString sql = GoodsListHead();
    if (!chkDisp->isChecked())
        sql += kDispCondition;
    if (!t.isEmpty())
        sql += TextCondition(QStringLiteral("a."));
    OpenGoods(sql + kOrder);
    if (!t.isEmpty())
        Q_Goods.SetParam(QStringLiteral("t"), QLatin1Char('%') + t + QLatin1Char('%'));
    Q_Goods.Open();
    UpdateFooter();
}

void TF_Spxxgl::filterGoods(const QString& classCode)
{
    footerSearch_.clear();
    if (SearchByStatement()) {
        QString sql = GoodsListHead();
        if (!chkDisp->isChecked())
            sql += kDispCondition;
        if (!classCode.isEmpty())
            sql += QStringLiteral(" and a.gc_sn like :c ");
        OpenGoods(sql + kOrder);
        if (!classCode.isEmpty())
            Q_Goods.SetParam(QStringLiteral("c"), classCode + QLatin1Char('%'));
        Q_Goods.Open();
    } else {
        cxGridView->ClearFilter();
        if (!classCode.isEmpty()) {
            cxGridView->AddFilter(QStringLiteral("gc_sn"), classCode + QLatin1Char('%'));
            cxGridView->SetFilterActive(true);
        }
    }
    UpdateFooter();
}

void TF_Spxxgl::hcjSx()
{
    footerSearch_.clear();
    const QString t = tkey->text().trimmed().toUpper();
    if (SearchByStatement()) {
        cxGridView->ClearFilter();
        selectGoods();
        return;
    }
    footerSearch_ = t;
    cxGridView->SetFilterActive(false);
    cxGridView->ClearFilter();
    if (!t.isEmpty()) {
        for (const char* col : { "g_jm", "g_name", "g_sn", "gg_name", "g_sptm", "color_name" })
            cxGridView->AddFilter(QString::fromLatin1(col), QLatin1Char('%') + t + QLatin1Char('%'));
        cxGridView->SetFilterActive(true);
    }
    UpdateFooter();
}

void TF_Spxxgl::GridSortChanged(int column, Qt::SortOrder order)
{
    if (Q_Goods.SQL().isEmpty())
        return;
    Q_Goods.Close();
    QString sql = Q_Goods.SQL();
    const int at = PosAfterNth(QStringLiteral("order"), sql, 4);
    if (at > 0)
        sql.truncate(at - 1);
    if (column < 0) {
        // No sort left: the list goes back to its own order rather than staying empty.
        sql += QStringLiteral("order by a.g_sn");
    } else {
        QString field = cxGridView->ColumnField(column);
        if (field == QLatin1String("fzkc"))
            field = QStringLiteral("g_kc/g_zhxs");
        sql += QStringLiteral("order by ") + field;
        if (order == Qt::DescendingOrder)
            sql += QStringLiteral(" desc");
    }
    Q_Goods.SetSQL(sql);
    Q_Goods.Open();
    UpdateFooter();
}

void TF_Spxxgl::UpdateFooter()
{
    if (!Q_Goods.Active())
        return;
    cxGridView->SetFooterText(cxGridView->ColumnByField(QStringLiteral("g_sn")), QStringLiteral("商品合计:"));
    cxGridView->SetFooterText(
        cxGridView->ColumnByField(QStringLiteral("g_name")), QString::number(cxGridView->RowCount()));
    try {
        QString sql = QStringLiteral("select sum(g_kc) as gkc from jxc_goods where g_jy=0 ");
        SqlParams params;
        if (!footerSearch_.isEmpty()) {
            sql += TextCondition(QString());
            params.insert(QStringLiteral("t"), QLatin1Char('%') + footerSearch_ + QLatin1Char('%'));
        }
        const QString code = classTree->CurrentCode();
        if (!code.isEmpty()) {
            sql += QStringLiteral(" and gc_sn like :c ");
            params.insert(QStringLiteral("c"), code + QLatin1Char('%'));
        }
        const QString total = ScalarBound(sql, params);
        cxGridView->SetFooterText(cxGridView->ColumnByField(QStringLiteral("g_kc")),
            total.isEmpty() ? QStringLiteral("0") : FormatFloat(stockFooterFormat_, total.toDouble()));
    } catch (const std::exception&) {
        // The total is a courtesy; a failure leaves the last one shown.
    }
}

bool TF_Spxxgl::HasRows() const
{
    return Q_Goods.Active() && cxGridView->RowCount() > 0;
}

QString TF_Spxxgl::FocusedValue(const QString& field) const
{
    // The grid's current row is the dataset's current row.
    return cxGridView->CurrentRow() < 0 || Q_Goods.RecNo() < 0 ? QString() : Q_Goods.AsString(field);
}

QList<int> TF_Spxxgl::SelectedRows() const
{
    QList<int> rows = cxGridView->SelectedRows();
    if (rows.isEmpty() && cxGridView->CurrentRow() >= 0)
        rows << cxGridView->CurrentRow();
    return rows;
}

QList<qint64> TF_Spxxgl::SelectedIds() const
{
    QList<qint64> ids;
    for (int row : SelectedRows())
        ids << cxGridView->Value(row, QStringLiteral("id")).toLongLong();
    return ids;
}

void TF_Spxxgl::FocusRow(int row)
{
    cxGridView->SetCurrentRow(row);
}

void TF_Spxxgl::ReopenGoods()
{
    if (Q_Goods.SQL().isEmpty())
        return;
    Q_Goods.Requery();
    UpdateFooter();
}

void TF_Spxxgl::OpenFreed(const QString& windowClass)
{
    FunctionWindows::Open(windowClass, FunctionWindows::Lifetime::Freed);
}

void TF_Spxxgl::btnAdd2Click()
{
    if (QueryScalar(QStringLiteral("select ck_sn from jxc_ckxx limit 1")).isEmpty()) {
        Inform(QStringLiteral("请先添加仓库信息！"));
        return;
    }
    ActiveDocKind = QStringLiteral("spxxgl");
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Add"), FunctionWindows::Lifetime::Kept);
    ActiveDocKind.clear();
    ReopenGoods();
}

void TF_Spxxgl::btnModi2Click()
{
    if (!HasRows())
        return;
    OpenMode = FocusedValue(QStringLiteral("g_sn"));
    OpenFreed(QStringLiteral("TF_Spxxgl_Modi"));
    ReopenGoods();
    if (Q_Goods.Locate(QStringLiteral("g_sn"), OpenMode)) {
        for (int r = 0; r < cxGridView->RowCount(); ++r)
            if (cxGridView->Value(r, QStringLiteral("g_sn")).toString() == OpenMode)
                cxGridView->SetCurrentRow(r);
    }
    OpenMode.clear();
}

void TF_Spxxgl::btnDele2Click()
{
    if (!HasRows())
        return;
    const QString code = FocusedValue(QStringLiteral("g_sn"));
    const QString refusal = GoodsDeleteRefusal(code);
    if (!refusal.isEmpty()) {
        Inform(refusal);
        return;
    }
    if (!Confirm(QStringLiteral("您确定要删除该商品信息吗！")))
        return;
    DeleteGoods({ code });
    ReopenGoods();
}

void TF_Spxxgl::btnExport2Click()
{
    if (HasRows())
        ExportGridList(*cxGridView);
}

void TF_Spxxgl::btnImport2Click()
{
    OpenFreed(QStringLiteral("TF_Spxxgl_Import"));
}

void TF_Spxxgl::btnTmglClick()
{
    OpenFreed(QStringLiteral("TF_Tmgl"));
}

void TF_Spxxgl::btn_PrinClick()
{
    if (HasRows())
        PrintGridList(QStringLiteral("spxxgl.fr3"), QStringLiteral("frxDB_Goods"), *cxGridView,
            { { QStringLiteral("goodsclass"), classTree->CurrentName() } });
}

void TF_Spxxgl::btnExit2Click()
{
    close();
}

void TF_Spxxgl::PrepareGoodsMenu()
{
    if (HasRows())
        miDisable->setChecked(FocusedValue(QStringLiteral("g_jy")) == QLatin1String("True"));
    miPaste->setEnabled(copyPending_ && FunctionWindows::Available(QStringLiteral("TF_Spxxgl_Add")));
    miLayout->setText(GridLayoutConfirmed == QLatin1String("1") ? QStringLiteral("保存当前列表布局(&B)")
                                                                : QStringLiteral("定义列表布局(&B)"));
}

void TF_Spxxgl::miCopyClick()
{
    if (!HasRows())
        return;
    copiedId_ = FocusedValue(QStringLiteral("id")).toLongLong();
    copyPending_ = true;
}

void TF_Spxxgl::miPasteClick()
{
    if (!copyPending_)
        return;
    AuxTag = QString::number(copiedId_);
    btnAdd2Click();
    AuxTag.clear();
    copyPending_ = false;
}

void TF_Spxxgl::miChangeClassClick()
{
    if (!HasRows())
        return;
    const QList<qint64> ids = SelectedIds();
    SelectedSn = QString::number(ids.size());
    {
        TF_Spxxgl_Class dialog(this);
        dialog.ShowModal();
    }
    if (!SelectedSn.isEmpty())
        SetGoodsClass(ids, SelectedSn);
    SelectedSn.clear();
    ReopenGoods();
}

void TF_Spxxgl::miBulkDeleteClick()
{
    if (!HasRows())
        return;
    TF_Spxxgl_Dele dialog(this);
    dialog.ShowModal();
}

void TF_Spxxgl::miMinStockClick()
{
    if (!HasRows())
        return;
    TF_Spxxgl_Zdkc dialog(this);
    dialog.ShowModal();
}

void TF_Spxxgl::RefreshAfterDisable()
{
    // The goods just disabled stays in view.
    if (chkDisp->isChecked())
        selectGoods();
    else
        chkDisp->setChecked(true);
}

void TF_Spxxgl::miDisableClick()
{
    if (!HasRows())
        return;
    SetGoodsDisabled(FocusedValue(QStringLiteral("id")).toLongLong(), miDisable->isChecked());
    RefreshAfterDisable();
}

void TF_Spxxgl::miBulkDisableClick()
{
    if (!HasRows())
        return;
    if (!Confirm(QStringLiteral("您的操作将禁用选中的所有商品，\r\n\r\n已禁用的商品将会解除禁用。\r\n\r\n确认吗？")))
        return;
    ToggleGoodsDisabled(SelectedIds());
    RefreshAfterDisable();
}

void TF_Spxxgl::miShortCodeClick()
{
    if (!HasRows())
        return;
    TF_Spxxgl_JmModi dialog(this);
    dialog.ShowModal();
}

void TF_Spxxgl::miShowClassGoodsClick()
{
    if (!HasRows())
        return;
    const QString code = FocusedValue(QStringLiteral("gc_sn"));
    cxGridView->ClearFilter();
    cxGridView->AddFilter(QStringLiteral("gc_sn"), QLatin1Char('%') + code + QLatin1Char('%'));
    cxGridView->SetFilterActive(true);
    UpdateFooter();
}

void TF_Spxxgl::miWholesaleClick()
{
    if (!HasRows())
        return;
    TF_Spxxgl_Pfj dialog(this);
    dialog.ShowModal();
}

void TF_Spxxgl::miPresetCostClick()
{
    if (!Confirm(QStringLiteral("您的操作将选中的商品预设进价作为销售成本价，确定修改吗？")))
        return;
    const QList<qint64> ids = SelectedIds();
    SetGoodsPresetCost(ids, true);
    ReopenGoods();
    Inform(QStringLiteral("成功设置：") + QString::number(ids.size())
        + QStringLiteral("  个商品预设进价作为销售成本价。"));
}

void TF_Spxxgl::miCancelPresetCostClick()
{
    if (!Confirm(QStringLiteral("您的操作将取消选中的商品预设进价作为销售成本价，确定修改吗？")))
        return;
    const QList<qint64> ids = SelectedIds();
    SetGoodsPresetCost(ids, false);
    ReopenGoods();
    Inform(QStringLiteral("成功取消：") + QString::number(ids.size())
        + QStringLiteral("  个商品预设进价作为销售成本价。"));
}

void TF_Spxxgl::PrintLabels()
{
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/goodsprice.fr3")));
    report.SetDataset(QStringLiteral("frxDBDataset1"), &F_DataModule->Q_GoodsPrin);
    report.ShowReport();
}

void TF_Spxxgl::miPrintSelectedLabelsClick()
{
    if (!HasRows())
        return;
    QStringList ids;
    for (qint64 id : SelectedIds())
        ids << QString::number(id);
    Query& q = F_DataModule->Q_GoodsPrin;
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral("select a.*,b.gc_name,:company as company from jxc_goods a,jxc_goodsclass b "
                            "where a.gc_sn=b.gc_sn and a.id in (")
        + (ids.isEmpty() ? QStringLiteral("0") : ids.join(QLatin1Char(','))) + QStringLiteral(")"));
    q.SetParam(QStringLiteral("company"), CompanyShortName);
    q.Open();
    PrintLabels();
}

void TF_Spxxgl::miPrintAllLabelsClick()
{
    if (!HasRows())
        return;
    const QString k = classTree->CurrentCode();
    const QString t = tkey->text().trimmed();
    QString sql = QStringLiteral("select a.*,b.gc_name,:company as company from jxc_goods a,jxc_goodsclass b "
                                 "where a.gc_sn=b.gc_sn and g_sn<>'00000000' ");
    if (!t.isEmpty())
        sql += QStringLiteral(" and (g_name like :t or g_sn like :t or g_jm like :t or gg_name like :t) ");
    if (!k.isEmpty() && t.isEmpty())
        sql += QStringLiteral(" and a.gc_sn=:k ");
    if (!chkDisp->isChecked())
        sql += QStringLiteral(" and g_jy=0 ");
    sql += QStringLiteral(" order by a.g_sn");
    Query& q = F_DataModule->Q_GoodsPrin;
    q.Close();
    q.ClearParams();
    q.SetSQL(sql);
    q.SetParam(QStringLiteral("company"), CompanyShortName);
    if (!t.isEmpty())
        q.SetParam(QStringLiteral("t"), QLatin1Char('%') + t + QLatin1Char('%'));
    if (!k.isEmpty() && t.isEmpty())
        q.SetParam(QStringLiteral("k"), k);
    q.Open();
    PrintLabels();
}

void TF_Spxxgl::miViewPictureClick()
{
    if (!HasRows())
        return;
    PictureName = FocusedValue(QStringLiteral("g_sn")) + QStringLiteral(".jpg");
    OpenFreed(QStringLiteral("TF_Spxxgl_Pic2"));
    PictureName.clear();
}

void TF_Spxxgl::ShowRowPicture()
{
    if (!chkPic->isChecked() || !HasRows())
        return;
    Image_Pic->clear();
    const QString file = ProgramFolder::File(
        QStringLiteral("picture/") + FocusedValue(QStringLiteral("g_sn")) + QStringLiteral(".jpg"));
    QPixmap pm;
    if (QFile::exists(file) && pm.load(file)) {
        Image_Pic->setPixmap(pm);
        Image_Pic->show();
        Image_Pic->raise();
    } else {
        Image_Pic->hide();
    }
}

void TF_Spxxgl::miLayoutClick()
{
    if (GridLayoutConfirmed == QLatin1String("1"))
        SaveGridLayout(QStringLiteral("spxxgl"), cxGridView);
    else
        ShowGridLayoutHint(cxGridView);
}

void TF_Spxxgl::OpenClassMove()
{
    TF_Spxxgl_Move dialog(this);
    dialog.ShowModal();
}

void TF_Spxxgl::ReloadAfterClassMove()
{
    ADOQueryGoodsClass.Close();
    classTree->Open();
    // The codes the list was narrowed by may have changed: it follows the root again.
    tkey->clear();
    filterGoods(QString());
    ReopenGoods();
}
