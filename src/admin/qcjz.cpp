#include "admin/qcjz.h"

#include "admin/admin.h"
#include "admin/listparts.h"
#include "admin/openingstock.h"
#include "foundation/colorsize.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

Query& goodsList()
{
    return F_DataModule->Q(QStringLiteral("Q_Goods1"));
}

Query& stockList()
{
    return F_DataModule->Q(QStringLiteral("Q_Kcsp"));
}

const QString kGoodsOrder = QStringLiteral("order by a.g_sn");
const QString kStockOrder = QStringLiteral("order by a.gc_sn,a.id");

// The statement with its order replaced: from the last "order" on.
QString withOrder(const QString& statement, const QString& order)
{
    return statement.left(statement.lastIndexOf(QLatin1String("order"))) + order;
}

QString sortOrder(DataGrid* grid, int col, Qt::SortOrder order, const QString& first)
{
    if (col < 0)
        return first;
    return QStringLiteral("order by a.") + grid->ColumnField(col)
        + (order == Qt::DescendingOrder ? QStringLiteral(" desc") : QString());
}

// Keeps the rows whose fields contain the text, or every row for an empty text.
void filterRows(DataGrid* grid, const QString& typed, const QStringList& fields)
{
    const QString key = SafeSqlText(typed.trimmed().toUpper());
    grid->ClearFilter();
    if (key.isEmpty()) {
        grid->SetFilterActive(false);
        return;
    }
    grid->SetFilterJoin(GridFilter::Join::Or);
    for (const QString& f : fields)
        grid->AddFilter(f, QLatin1Char('%') + key + QLatin1Char('%'));
    grid->SetFilterActive(true);
}

DataGrid* makeGrid(QWidget* parent, const char* name, const QString& source)
{
    auto* grid = MakeListGrid(parent, source);
    grid->setObjectName(QLatin1String(name));
    return grid;
}

} // namespace

TF_Qcjz::TF_Qcjz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Qcjz"));
    setWindowTitle(QStringLiteral("库存商品期初建帐"));
    SetEscCloses(false);

    auto* left = new QGroupBox(QStringLiteral("未建账商品信息"), this);
    tKey = new QLineEdit(left);
    tKey->setObjectName(QStringLiteral("tKey"));
    tKey->installEventFilter(this);
    btnAdd = MakeButton(left, "btnAdd", QStringLiteral("增加到仓库(F2)"));
    cxGridGoods1View = makeGrid(left, "cxGridGoods1View", QStringLiteral("D_Goods1"));
    const int colGoods = cxGridGoods1View->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGridGoods1View->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    cxGridGoods1View->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridGoods1View->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    cxGridGoods1View->AddColumn(QStringLiteral("g_sccs"), QStringLiteral("品牌厂商"), 90);
    cxGridGoods1View->SetFooterCount(colGoods, QStringLiteral("商品合计："));
    auto* leftTop = new QHBoxLayout;
    leftTop->addWidget(new QLabel(QStringLiteral("商品编号或名称："), left));
    leftTop->addWidget(tKey, 1);
    leftTop->addWidget(btnAdd);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addLayout(leftTop);
    leftLayout->addWidget(cxGridGoods1View, 1);

    GroupBox2 = new QGroupBox(QStringLiteral("库存商品"), this);
    comCkxx = new KeyedCombo(GroupBox2);
    comCkxx->setObjectName(QStringLiteral("comCkxx"));
    tkey2 = new QLineEdit(GroupBox2);
    tkey2->setObjectName(QStringLiteral("tkey2"));
    tkey2->installEventFilter(this);
    btnSearch = MakeButton(GroupBox2, "btnSearch", QStringLiteral("商品查询(F4)"));
    btnModi = MakeButton(GroupBox2, "btnModi", QStringLiteral("修改数量或成本价(F3)"));
    btnExit = MakeButton(GroupBox2, "btnExit", QStringLiteral("退出(Esc)"));
    cxGridView = makeGrid(GroupBox2, "cxGridView", QStringLiteral("D_Kcsp"));
    cxGridView->SetMultiSelect(true);
    const int colStock = cxGridView->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 90);
    cxGridView->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 140);
    cxGridView->AddColumn(QStringLiteral("gc_name"), QStringLiteral("类别"), 70);
    cxGridView->AddColumn(QStringLiteral("dw_name"), QStringLiteral("单位"), 50);
    cxGridView->AddColumn(QStringLiteral("gg_name"), QStringLiteral("款型说明"), 90);
    const int colQty = cxGridView->AddColumn(
        QStringLiteral("kc_sl"), QStringLiteral("库存数量"), 70, Qt::AlignRight | Qt::AlignVCenter);
    cxGridView->SetColumnFormat(colQty, QStringLiteral("0.00;-0.00"));
    const int colCost = cxGridView->AddColumn(
        QStringLiteral("kc_cbj"), QStringLiteral("成本价"), 70, Qt::AlignRight | Qt::AlignVCenter);
    cxGridView->SetColumnFormat(colCost, AmountFormatText(AmountDecimals, CurrencySign));
    cxGridView->SetFooterCount(colStock, QStringLiteral("合计："));
    auto* rightTop = new QHBoxLayout;
    rightTop->addWidget(new QLabel(QStringLiteral("选择仓库："), GroupBox2));
    rightTop->addWidget(comCkxx);
    rightTop->addWidget(new QLabel(QStringLiteral("商品相关信息："), GroupBox2));
    rightTop->addWidget(tkey2, 1);
    rightTop->addWidget(btnSearch);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addStretch();
    rightButtons->addWidget(btnModi);
    rightButtons->addWidget(btnExit);
    auto* rightLayout = new QVBoxLayout(GroupBox2);
    rightLayout->addLayout(rightTop);
    rightLayout->addWidget(cxGridView, 1);
    rightLayout->addLayout(rightButtons);

    PopupMenu1 = new QMenu(this);
    mnuModi = PopupMenu1->addAction(QStringLiteral("修改数量或成本价(&W)"));
    mnuClass = PopupMenu1->addAction(QStringLiteral("显示该类别商品(&X)"));
    mnuDele = PopupMenu1->addAction(QStringLiteral("删除所选商品(&Y)"));
    mnuAll = PopupMenu1->addAction(QStringLiteral("显示所有商品(&Z)"));

    auto* root = new QHBoxLayout(this);
    root->addWidget(left, 1);
    root->addWidget(GroupBox2);
    resize(1180, 620);

    // Sorting re-queries in the chosen order; no sort gives the list's own order back.
    cxGridGoods1View->SetSortHook([this](int col, Qt::SortOrder order) {
        goodsOrder_ = sortOrder(cxGridGoods1View, col, order, kGoodsOrder);
        OpenGoodsList();
    });
    cxGridView->SetSortHook([this](int col, Qt::SortOrder order) {
        stockOrder_ = sortOrder(cxGridView, col, order, kStockOrder);
        OpenStockList();
    });
    // Goods already set up in the warehouse in red on the left; goods with business in green on the right.
    cxGridGoods1View->SetCellStyler([this](int row, int, CellStyle& style) {
        if (!cxGridGoods1View->Value(row, QStringLiteral("gsn")).toString().isEmpty())
            style.text = Qt::red;
    });
    cxGridView->SetCellStyler([this](int row, int, CellStyle& style) {
        if (!cxGridView->Value(row, QStringLiteral("ggsn")).toString().isEmpty())
            style.text = QColor(0, 128, 0);
    });

    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnModi, &QPushButton::clicked, this, [this] { btnModiClick(); });
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(tKey, &QLineEdit::textChanged, this, [this] { tKeyChange(); });
    connect(comCkxx, &QComboBox::currentIndexChanged, this, [this] { comCkxxChange(); });
    connect(mnuModi, &QAction::triggered, this, [this] { btnModiClick(); });
    connect(mnuClass, &QAction::triggered, this, [this] { mnuClassClick(); });
    connect(mnuDele, &QAction::triggered, this, [this] { mnuDeleClick(); });
    connect(mnuAll, &QAction::triggered, this, [this] { mnuAllClick(); });
    connect(cxGridGoods1View, &DataGrid::rowDoubleClicked, this, [this] { btnAddClick(); });
    connect(cxGridView, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(cxGridView, &DataGrid::rightClicked, this, [this](const QPoint& at) { PopupMenu1->popup(at); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_Qcjz::FormActivate()
{
    ApplyFontSize(FontSize);
    resetting_ = true;
    FillCombo(
        *comCkxx, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"));
    if (comCkxx->count() == 0) {
        resetting_ = false;
        Prompt::Info(QStringLiteral("没有仓库信息，需要先添加仓库信息！"));
        close();
        FunctionWindows::Open(QStringLiteral("TF_Ckgl"), FunctionWindows::Lifetime::Freed);
        return;
    }
    comCkxx->setCurrentIndex(0);
    goodsOrder_ = kGoodsOrder;
    stockOrder_ = kStockOrder;
    open_ = true;
    OpenGoodsList();
    OpenStockList();
    resetting_ = false;
}

QString TF_Qcjz::WarehouseSn() const
{
    return comCkxx->currentIndex() >= 0 ? GetComboCode(*comCkxx, comCkxx->currentIndex()) : QString();
}

QString TF_Qcjz::WarehouseName() const
{
    return comCkxx->currentText();
}

void TF_Qcjz::OpenGoodsList()
{
    // The fields the list shows, searches and sorts by and the entry dialog takes: a
    // shop's catalogue is large and the goods have some ninety fields.
    const QString w = SafeSqlText(WarehouseSn());
    OpenQuery(goodsList(),
        QStringLiteral("select a.*,b.g_sn as gsn from (select id,g_sn,g_name,g_jm,dw_name,gg_name,g_sccs,g_sptm,"
                       "cmz_sn,colorz_sn,g_jj from jxc_goods where g_jy=0 and g_sn<>'00000000') a "
                       "left outer join (select g_sn from jxc_kcsp where ck_sn='")
            + w + QStringLiteral("') b on a.g_sn=b.g_sn ") + goodsOrder_);
}

void TF_Qcjz::OpenStockList()
{
    const QString w = SafeSqlText(WarehouseSn());
    // Business is looked up per goods through the ledger's goods-and-warehouse index
    // rather than by gathering every numbered row of the warehouse first.
    OpenQuery(stockList(),
        QStringLiteral("select a.*,(select max(x.g_sn) from jxc_goodslist x where x.g_sn=a.g_sn and x.ck_sn='") + w
            + QStringLiteral("' and x.gl_djh<>'') as ggsn from (select m.id,n.gc_sn,m.g_sn,m.g_name,n.gc_name,"
                             "m.dw_name,m.gg_name,m.color_name,p.kc_sl,p.kc_cbj,m.g_jm,m.g_bzq,m.g_sccs,m.g_jj,"
                             "m.cmz_name,m.colorz_sn,m.cmz_sn from jxc_goods m,jxc_goodsclass n,jxc_kcsp p where "
                             "m.gc_sn=n.gc_sn and m.g_sn=p.g_sn and m.g_jy=0 and m.g_sn<>'00000000' and p.ck_sn='")
            + w + QStringLiteral("') a ") + stockOrder_);
}

void TF_Qcjz::FormClose()
{
    if (!open_)
        return;
    open_ = false;
    goodsList().Close();
    stockList().Close();
}

void TF_Qcjz::done(int result)
{
    FormClose();
    Form::done(result);
}

void TF_Qcjz::comCkxxChange()
{
    if (resetting_ || !open_)
        return;
    OpenGoodsList();
    OpenStockList();
}

void TF_Qcjz::tKeyChange()
{
    filterRows(cxGridGoods1View, tKey->text(),
        { QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"), QStringLiteral("gg_name"),
            QStringLiteral("g_sptm") });
}

void TF_Qcjz::btnSearchClick()
{
    filterRows(cxGridView, tkey2->text(),
        { QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"), QStringLiteral("gg_name") });
}

void TF_Qcjz::mnuClassClick()
{
    const int row = cxGridView->CurrentRow();
    if (row < 0)
        return;
    const QString cls = cxGridView->Value(row, QStringLiteral("gc_sn")).toString();
    tkey2->clear();
    cxGridView->ClearFilter();
    cxGridView->AddFilter(QStringLiteral("gc_sn"), QLatin1Char('%') + cls + QLatin1Char('%'));
    cxGridView->SetFilterActive(true);
}

void TF_Qcjz::mnuAllClick()
{
    tkey2->clear();
    cxGridView->ClearFilter();
    cxGridView->SetFilterActive(false);
}

void TF_Qcjz::openEntry(DataGrid* grid, int row, const QString& flag)
{
    const auto value = [&](const char* f) { return grid->Value(row, QLatin1String(f)).toString(); };
    const QString g = value("g_sn");
    const bool change = flag == QLatin1String("2");
    TF_Qcjz_Add dialog(this);
    dialog.btnFlag = flag;
    if (change) {
        dialog.oldSl = value("kc_sl");
        dialog.OldCbj = value("kc_cbj");
    }
    dialog.goodsSn = g;
    dialog.goodsName = value("g_name");
    dialog.unitName = value("dw_name");
    dialog.warehouseSn = WarehouseSn();
    dialog.warehouseName = WarehouseName();
    dialog.sizeGroup = value("cmz_sn");
    dialog.colorGroup = value("colorz_sn");
    dialog.startCost = value("g_jj");
    dialog.startQty = change ? value("kc_sl") : QStringLiteral("0");
    dialog.ShowModal();
    OpenGoodsList();
    OpenStockList();
    // Back on the goods in the list it was opened from.
    (change ? stockList() : goodsList()).Locate(QStringLiteral("g_sn"), g);
}

void TF_Qcjz::btnAddClick()
{
    const int row = cxGridGoods1View->CurrentRow();
    if (row < 0 || cxGridGoods1View->RowCount() == 0)
        return;
    const QString g = cxGridGoods1View->Value(row, QStringLiteral("g_sn")).toString();
    if (!QueryScalar(QStringLiteral("select g_sn from jxc_kcsp where g_sn='") + SafeSqlText(g)
            + QStringLiteral("' and ck_sn='") + SafeSqlText(WarehouseSn()) + QStringLiteral("'"))
             .isEmpty()) {
        Prompt::Info(QStringLiteral("当前仓库中已存在该商品，不能重复建账！"));
        return;
    }
    openEntry(cxGridGoods1View, row, QStringLiteral("1"));
}

void TF_Qcjz::btnModiClick()
{
    const int row = cxGridView->CurrentRow();
    if (row < 0 || cxGridView->RowCount() == 0)
        return;
    if (!cxGridView->Value(row, QStringLiteral("ggsn")).toString().isEmpty()) {
        Prompt::Info(QStringLiteral("该商品发生过业务，不能修改建账信息！"));
        return;
    }
    openEntry(cxGridView, row, QStringLiteral("2"));
}

void TF_Qcjz::mnuDeleClick()
{
    if (cxGridView->RowCount() == 0)
        return;
    TF_Qcjz_Dele dialog(this);
    dialog.ShowModal();
}

bool TF_Qcjz::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_F2:
        btnAddClick();
        return true;
    case Qt::Key_F3:
        btnModiClick();
        return true;
    case Qt::Key_F4:
        btnSearchClick();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool TF_Qcjz::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == tKey || watched == tkey2) && event->type() == QEvent::KeyPress
        && TF_Admin::tkeyRefuses(static_cast<QKeyEvent*>(event)->text()))
        return true;
    return Form::eventFilter(watched, event);
}

void TF_Qcjz::resizeEvent(QResizeEvent* event)
{
    GroupBox2->setFixedWidth(width() <= 1300 ? 569 : width() / 2 + 100);
    Form::resizeEvent(event);
}

// ---- the quantity dialog ----

TF_Qcjz_Add::TF_Qcjz_Add(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Qcjz_Add"));
    setWindowTitle(QStringLiteral("库存商品期初建帐"));
    SetEscCloses(false);
    auto* info = new QGroupBox(QStringLiteral("商品情况"), this);
    lsn = new QLabel(info);
    lname = new QLabel(info);
    ldw = new QLabel(info);
    lck = new QLabel(info);
    auto* infoForm = new QFormLayout(info);
    infoForm->addRow(QStringLiteral("商品编号："), lsn);
    infoForm->addRow(QStringLiteral("商品名称："), lname);
    infoForm->addRow(QStringLiteral("单        位："), ldw);
    infoForm->addRow(QStringLiteral("存入仓库："), lck);
    tcbj = new QLineEdit(this);
    tcbj->setObjectName(QStringLiteral("tcbj"));
    tcbj->setMaxLength(9);
    tcbj->setValidator(new QDoubleValidator(0, 999999999, 8, tcbj));
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(new QLabel(QStringLiteral("成本单价："), this));
    costRow->addWidget(tcbj);
    costRow->addWidget(new QLabel(QStringLiteral("(元)"), this));
    costRow->addStretch();
    auto* note = new QLabel(QStringLiteral("说明：成本单价在计算毛利时会用到，建议您正确填写！"), this);
    note->setStyleSheet(QStringLiteral("color: #b00000;"));
    StringGridIn = new MatrixGrid(this);
    StringGridIn->setObjectName(QStringLiteral("StringGridIn"));
    StringGridIn->SetQuantityEditor(true, 7);
    tsl = new QLineEdit(this);
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setReadOnly(true);
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch();
    totalRow->addWidget(new QLabel(QStringLiteral("合计数量："), this));
    totalRow->addWidget(tsl);
    const DialogButtons buttons
        = MakeDialogButtons(this, "btnOK", QStringLiteral("确定(F5)"), "btnCancel", QStringLiteral("取消(Esc)"));
    btnOK = buttons.ok;
    btnCancel = buttons.cancel;
    auto* root = new QVBoxLayout(this);
    root->addWidget(info);
    root->addLayout(costRow);
    root->addWidget(note);
    root->addWidget(new QLabel(QStringLiteral("在下面表格中输入期初数量："), this));
    root->addWidget(StringGridIn, 1);
    root->addLayout(totalRow);
    root->addLayout(buttons.layout);
    resize(620, 460);

    connect(StringGridIn, &MatrixGrid::cellEdited, this, [this](int c, int r) { StringGridInChange(c, r); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { close(); });
    InstallActionKeys(this, [this] { btnOKClick(); });
}

void TF_Qcjz_Add::FormActivate()
{
    ApplyFontSize(FontSize);
    lsn->setText(goodsSn);
    lname->setText(goodsName);
    ldw->setText(unitName);
    lck->setText(warehouseName);
    tcbj->setText(startCost);
    tsl->setText(startQty);
    const QStringList sizes = SelectColumn(F_DataModule->ADOConn,
        QStringLiteral("select a.cm_name from jxc_cm a,jxc_cmz2 b where a.cm_sn=b.cm_sn and b.cmz_sn=:g order by a.id"),
        { { QStringLiteral("g"), sizeGroup } });
    const QStringList colors = SelectColumn(F_DataModule->ADOConn,
        QStringLiteral("select a.color_name from jxc_color a,jxc_colorz2 b where a.color_sn=b.color_sn and "
                       "b.colorz_sn=:g order by a.id"),
        { { QStringLiteral("g"), colorGroup } });
    StringGridIn->Build(QStringLiteral("颜色/尺码"), sizes, colors, QStringLiteral("合计"));
    if (btnFlag != QLatin1String("2"))
        return;
    const ResultSet rows = F_DataModule->ADOConn.Fetch(
        QStringLiteral("select c.color_name,b.cm_name,a.t_sl from jxc_tkc a,jxc_cm b,jxc_color c where "
                       "a.cm_sn=b.cm_sn and a.color_sn=c.color_sn and a.g_sn=:g and a.ck_sn=:w"),
        { { QStringLiteral("g"), goodsSn }, { QStringLiteral("w"), warehouseSn } });
    for (const auto& r : rows.rows) {
        const int row = int(colors.indexOf(r[0].toString())) + 1;
        const int col = int(sizes.indexOf(r[1].toString())) + 1;
        if (row > 0 && col > 0) {
            StringGridIn->SetCell(col, row, QString::number(r[2].toDouble(), 'g', 15));
            StringGridIn->UpdateTotals(col, row);
        }
    }
    tsl->setText(StringGridIn->GrandTotal().isEmpty() ? QStringLiteral("0") : StringGridIn->GrandTotal());
}

void TF_Qcjz_Add::StringGridInChange(int, int)
{
    tsl->setText(StringGridIn->GrandTotal().isEmpty() ? QStringLiteral("0") : StringGridIn->GrandTotal());
}

void TF_Qcjz_Add::btnOKClick()
{
    saveValue();
}

void TF_Qcjz_Add::saveValue()
{
    OpeningStockInput in;
    in.goodsSn = goodsSn;
    in.warehouseSn = warehouseSn;
    in.warehouseName = warehouseName;
    in.cost = tcbj->text().toDouble();
    // Every data cell, the last row and column being the totals.
    for (int r = 1; r < StringGridIn->RowCount() - 1; ++r)
        for (int c = 1; c < StringGridIn->ColCount() - 1; ++c)
            in.cells.append({ ColorSnByName(StringGridIn->Cell(0, r)), SizeSnByName(StringGridIn->Cell(c, 0)),
                StringGridIn->Cell(c, r).toDouble() });
    const QString refusal = btnFlag == QLatin1String("2") ? ChangeOpeningStock(in, oldSl.toDouble(), OldCbj.toDouble())
                                                          : AddOpeningStock(in);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    close();
}

// ---- bulk delete ----

TF_Qcjz_Dele::TF_Qcjz_Dele(TF_Qcjz* owner) : Form(owner), owner_(owner)
{
    setObjectName(QStringLiteral("TF_Qcjz_Dele"));
    setWindowTitle(QStringLiteral("批量删除期初建账商品"));
    SetEscCloses(false);
    auto* confirm = new QGroupBox(QStringLiteral("确认信息"), this);
    lcount = new QLabel(confirm);
    lcount->setObjectName(QStringLiteral("lcount"));
    auto* confirmLayout = new QVBoxLayout(confirm);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("选择商品个数："), confirm));
    countRow->addWidget(lcount);
    countRow->addStretch();
    confirmLayout->addLayout(countRow);
    confirmLayout->addWidget(new QLabel(QStringLiteral("已经发生业务的商品不会删除，"), confirm));
    confirmLayout->addWidget(new QLabel(QStringLiteral("请确认无误后点击“确认删除”按钮。"), confirm));
    auto* result = new QGroupBox(QStringLiteral("删除结果提示"), this);
    mResult = new QPlainTextEdit(result);
    mResult->setObjectName(QStringLiteral("mResult"));
    mResult->setReadOnly(true);
    (new QVBoxLayout(result))->addWidget(mResult);
    const DialogButtons buttons
        = MakeDialogButtons(this, "btnOK", QStringLiteral("确认删除(F5)"), "btnExit", QStringLiteral("退出(Esc)"));
    btnOK = buttons.ok;
    btnExit = buttons.cancel;
    auto* root = new QVBoxLayout(this);
    root->addWidget(confirm);
    root->addWidget(result, 1);
    root->addLayout(buttons.layout);
    resize(460, 360);
    const auto quit = [this] {
        SelectedSn.clear();
        close();
    };
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, quit);
    InstallActionKeys(
        this, [this] { btnOKClick(); }, quit);
}

void TF_Qcjz_Dele::FormActivate()
{
    ApplyFontSize(FontSize);
    lcount->setText(QString::number(owner_->cxGridView->SelectedRows().size()));
    mResult->clear();
}

void TF_Qcjz_Dele::btnOKClick()
{
    if (Prompt::YesNo(QStringLiteral("您确定要删除选中期初建账商品信息吗！")) != Prompt::Answer::Yes)
        return;
    mResult->clear();
    QList<OpeningGoods> goods;
    DataGrid* grid = owner_->cxGridView;
    for (int row : grid->SelectedRows()) {
        const auto value = [&](const char* f) { return grid->Value(row, QLatin1String(f)); };
        goods.append({ value("g_sn").toString(), value("g_name").toString(), value("kc_sl").toDouble(),
            value("kc_cbj").toDouble() });
    }
    const OpeningDeleteResult r = DeleteOpeningStock(owner_->WarehouseSn(), goods);
    for (const QString& line : r.lines)
        mResult->appendPlainText(line);
    owner_->OpenStockList();
    Prompt::Info(QStringLiteral("成功删除：") + QString::number(r.deleted) + QStringLiteral("  个商品信息。"));
}
