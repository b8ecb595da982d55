#include "warehouse/stockadd.h"

#include "documents/browserparts.h"
#include "documents/docdrafts.h"
#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "masterdata/keyfilter.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "warehouse/stocksele.h"

#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace posting;

namespace {

struct AddSpec {
    const char* objectName;
    const char* caption;
    const char* entryTag;
    const char* pendingTag;
    const char* prefix; // of the DocHost; the production and loss members pick theirs
    const char* dialog;
    const char* modeBase;
    const char* closeQuestion;
    bool stayWhenEmpty; // OK without picks does nothing and the browser stays
};

const AddSpec kAddSpecs[] = {
    { "TF_Kcdb_Add", "增加商品(库存调拨)", "kcdb", "kcdbsh", "DB", "TF_Kcdb_Sele", "kcdb",
        "所选商品还未保存，是否保存？", false },
    { "TF_Bsby_Add", "增加商品(商品报损)", "bsby", "bsby_sh", "BS", "TF_Bsby_Sele", "bsby",
        "所选商品还未保存，是否保存？", false },
    { "TF_Kcpd_Add", "盘点商品添加", "kcpd", "kcpd_wsh", "PD", "TF_Kcpd_Sele", "kcpd", "所选商品还未保存，是否保存？",
        true },
    { "TF_Bmly_Add", "领用商品添加", "bmly", "bmlysh", "LY", "TF_Bmly_Sele", "bmly", "当前单据还未保存，是否保存？",
        false },
    { "TF_Bmth_Add", "退回商品添加", "bmth", "bmthsh", "LT", "TF_Bmth_Sele", "bmly", "当前单据还未保存，是否保存？",
        false },
    { "TF_Scrk_Add", "添加商品", "scrk", "scrk_wsh", "SC", "TF_Scrk_Sele", "scrk", "当前单据还未保存，是否保存？",
        true },
};

const AddSpec& AddSpecOf(StockAdd::Member m)
{
    return kAddSpecs[static_cast<int>(m)];
}

QString AU(const char* s)
{
    return QString::fromUtf8(s);
}

// The tables of a stock document's lines by its number prefix.
struct LineTables {
    QString lines;
    QString detail;
};

LineTables TablesOfPrefix(const QString& prefix)
{
    static const QHash<QString, LineTables> tables {
        { QStringLiteral("DB"), { QStringLiteral("jxc_dbsp"), QStringLiteral("jxc_dbspmx") } },
        { QStringLiteral("BS"), { QStringLiteral("jxc_bssp"), QStringLiteral("jxc_bsspmx") } },
        { QStringLiteral("BY"), { QStringLiteral("jxc_bysp"), QStringLiteral("jxc_byspmx") } },
        { QStringLiteral("PD"), { QStringLiteral("jxc_kcpdsp"), QStringLiteral("jxc_kcpdspmx") } },
        { QStringLiteral("LY"), { QStringLiteral("jxc_bmlysp"), QStringLiteral("jxc_bmlyspmx") } },
        { QStringLiteral("LT"), { QStringLiteral("jxc_bmlysp"), QStringLiteral("jxc_bmlyspmx") } },
        { QStringLiteral("SC"), { QStringLiteral("jxc_scrksp"), QStringLiteral("jxc_scrkspmx") } },
        { QStringLiteral("ST"), { QStringLiteral("jxc_scrksp"), QStringLiteral("jxc_scrkspmx") } },
    };
    return tables.value(prefix);
}

DataGrid* AddGrid(QWidget* parent, const char* name, const QString& source)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(source));
    return g;
}

} // namespace

StockAdd::StockAdd(Member member, QWidget* parent)
    : Form(parent), Q_Goods(F_DataModule->Q(QStringLiteral("Q_StockGoods"))),
      Q_Goods2(F_DataModule->Q(QStringLiteral("Q_StockGoods2"))), Q_Spxf(F_DataModule->Q(BrowserLinesDataset())),
      Q_Class(F_DataModule->Q(QStringLiteral("Q_StockGoodsClass"))), member_(member)
{
    const AddSpec& s = AddSpecOf(member);
    setObjectName(AU(s.objectName));
    setWindowTitle(AU(s.caption));
    resize(1200, 640);
    auto* box = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    box->addLayout(left, 1);
    auto* search = new QHBoxLayout;
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    search->addWidget(Label5);
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setPlaceholderText(QStringLiteral("可以输入商品编号、商品名称、名称简码进行查询"));
    if (member == Member::Transfer || member == Member::LossOverflow)
        DiscardSearchPunctuation(tkey);
    search->addWidget(tkey, 1);
    btnSele = NamedButton(this, "btnSele", "加入所选商品", search);
    left->addLayout(search);

    const CatalogueTabs tabs = BuildCatalogueTabs(this, left,
        { "cxGridView", "DBTreeView", "cxGridGoods2View", QStringLiteral("D_StockGoods"),
            QStringLiteral("D_StockGoodsClass"), QStringLiteral("D_StockGoods2") },
        AddGrid);
    cxPage = tabs.page;
    cxTab1 = tabs.tab1;
    cxTab2 = tabs.tab2;
    cxGridView = tabs.list1;
    DBTreeView = tabs.tree;
    cxGridGoods2View = tabs.list2;
    for (DataGrid* g : { cxGridView, cxGridGoods2View }) {
        if (member == Member::DeptReturn)
            AddGridColumns(*g,
                { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "u_name", "经办人", "60" },
                    { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "ly_sl", "领用数", "60" },
                    { "ly_hhsl", "退回数", "60" }, { "gl_djh", "单据号", "110" }, { "color_name", "颜色", "60" } });
        else
            AddGridColumns(*g,
                { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "160" }, { "dw_name", "单位", "50" },
                    { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "kc_cbj", "单价", "70" },
                    { "g_jj", "单价", "70" }, { "g_sj", "售价", "70" }, { "kc_sl", "库存量", "60" } });
        g->SetFooterVisible(true);
        g->SetFooterText(0, QStringLiteral("商品数"));
        g->SetFooterCount(1);
    }

    auto* right = new QVBoxLayout;
    box->addLayout(right);
    right->addWidget(new QLabel(QStringLiteral("所选商品"), this));
    cxGrid1View = AddGrid(this, "cxGrid1View", QStringLiteral("D_Spxf"));
    cxGrid1View->setFixedWidth(476);
    AddGridColumns(*cxGrid1View,
        { { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" }, { "ts_dj", "单价", "70" },
            { "ts_dzl", "售价", "70" }, { "ts_sl", "数量", "60" }, { "ts_zje", "总金额", "80" },
            { "ts_note", "备注", "100" } });
    cxGrid1View->SetFooterVisible(true);
    cxGrid1View->SetFooterCount(0, QStringLiteral("商品数:"));
    cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QStringLiteral("ts_sl")));
    right->addWidget(cxGrid1View, 1);
    auto* bar = new QHBoxLayout;
    btnModi = NamedButton(this, "btnModi", "修改(F9)", bar);
    btnDel = NamedButton(this, "btnDel", "删除(Del)", bar);
    btnZdrk = NamedButton(this, "btnZdrk", "整单退回", bar);
    btnZdrk->setVisible(member == Member::DeptReturn);
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
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btnModiClick(); });
    connect(btnSele, &QPushButton::clicked, this, &StockAdd::btnSeleClick);
    connect(btnModi, &QPushButton::clicked, this, &StockAdd::btnModiClick);
    connect(btnDel, &QPushButton::clicked, this, &StockAdd::btnDelClick);
    connect(btnZdrk, &QPushButton::clicked, this, &StockAdd::btnZdrkClick);
    connect(btnOK, &QPushButton::clicked, this, &StockAdd::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &StockAdd::btnCancelClick);
}

bool StockAdd::Pending() const
{
    if (member_ == Member::Production)
        return ActiveDocKind.endsWith(QLatin1String("_wsh"));
    return ActiveDocKind == AU(AddSpecOf(member_).pendingTag);
}

QString StockAdd::Prefix() const
{
    if (member_ == Member::Production)
        return ActiveDocKind.startsWith(QLatin1String("scrk")) ? QStringLiteral("SC") : QStringLiteral("ST");
    return AU(AddSpecOf(member_).prefix);
}

QString StockAdd::Number() const
{
    DocHost* host = FindDocHost(Prefix());
    if (!host)
        return QString();
    if (Pending())
        return host->pendingHeader ? host->pendingHeader(QStringLiteral("gl_djh")) : QString();
    return host->number ? host->number() : QString();
}

void StockAdd::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    {
        const QSignalBlocker block(tkey);
        tkey->clear();
    }
    tkey->setFocus();
    cxGridView->ClearFilter();
    cxGridGoods2View->ClearFilter();
    Label5->setText(GoodsSearchHint());
    DocHost* host = FindDocHost(Prefix());
    BrowseWarehouseSn.clear();
    BrowseDeptSn.clear();
    if (host) {
        if (Pending() && host->pendingHeader) {
            BrowseWarehouseSn
                = host->pendingHeader(member_ == Member::Transfer ? QStringLiteral("ck_out") : QStringLiteral("ck_sn"));
            BrowseDeptSn = host->pendingHeader(QStringLiteral("de_sn"));
        } else if (host->warehouse) {
            BrowseWarehouseSn = host->warehouse();
        }
    }
    if (member_ == Member::DeptReturn && !Pending())
        BrowseDeptSn = CurrentDeptSn;
    order_[0].clear();
    order_[1].clear();
    {
        const QSignalBlocker block(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    OpenGoodsClasses(Q_Class, DBTreeView);
    cxPageChange();
    ClearTempLines();
    Q_Spxf.Close();
    Q_Spxf.ClearParams();
    Q_Spxf.SetSQL(QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name from jxc_tempspxf a,jxc_goods b "
                                 "where a.g_sn=b.g_sn and a.a_name=:a order by a.id")
        + (member_ == Member::DeptIssue ? QStringLiteral(" desc") : QString()));
    Q_Spxf.SetParam(QStringLiteral("a"), CurrentAdminName);
    Q_Spxf.Open();

    // Prices by the transfer's price mode; the other members show cost only.
    const bool cost = ShowCostPrice;
    const QString mode = TransferPriceMode;
    auto show = [](DataGrid* g, const char* field, bool on) {
        const int c = g->ColumnByField(QLatin1String(field));
        if (c >= 0)
            g->SetColumnVisible(c, on);
    };
    for (DataGrid* g : { cxGridView, cxGridGoods2View }) {
        const bool transfer = member_ == Member::Transfer;
        show(g, "kc_cbj", transfer ? mode == QLatin1String("0") && cost : cost && member_ != Member::StockTake);
        show(g, "g_sj", transfer && mode == QLatin1String("1") && ShowSalePrice);
        show(g, "g_jj", transfer && mode == QLatin1String("2") && cost);
    }
    const bool transfer = member_ == Member::Transfer;
    show(cxGrid1View, "ts_dj", transfer ? mode != QLatin1String("1") && cost : cost);
    show(cxGrid1View, "ts_dzl", transfer && mode == QLatin1String("1") && ShowSalePrice);
    show(cxGrid1View, "ts_zje", cost);
}

DataGrid* StockAdd::ActiveList() const
{
    return cxPage->currentWidget() == cxTab2 ? cxGridGoods2View : cxGridView;
}

Query& StockAdd::ActiveQuery() const
{
    return cxPage->currentWidget() == cxTab2 ? Q_Goods2 : Q_Goods;
}

void StockAdd::OpenList(Query& q, const QString& category)
{
    const bool byCategory = &q == &Q_Goods2;
    QString sql;
    QString order;
    posting::Params params;
    if (!(member_ == Member::Production && Prefix() == QLatin1String("SC")))
        params.insert(QStringLiteral("ck"), BrowseWarehouseSn);
    const QString stocked = QStringLiteral(
        "select a.*,b.kc_sl,b.ck_sn,b.kc_cbj from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and a.g_jy=0 and "
        "a.g_sn<>'00000000' and b.ck_sn=:ck");
    switch (member_) {
    case Member::DeptReturn:
        sql = QStringLiteral("select b.*,a.g_name,a.g_jm,a.g_sptm,a.dw_name,a.gg_name,a.color_name,d.u_name "
                             "from jxc_bmlysp b inner join jxc_goods a on a.g_sn=b.g_sn inner join jxc_bmlyd c on "
                             "b.gl_djh=c.gl_djh left join jxc_user d on c.u_sn=d.u_sn where a.g_jy=0 and "
                             "c.ly_status=1 and b.ly_sl>b.ly_hhsl+b.ly_qxsl and c.ly_flag=1 and c.ck_sn=:ck and "
                             "c.de_sn=:de");
        params.insert(QStringLiteral("de"), BrowseDeptSn);
        order = QStringLiteral("b.gl_djh,b.g_sn");
        break;
    case Member::Production:
        if (Prefix() == QLatin1String("SC")) {
            sql = QStringLiteral("select a.*,a.g_kc as kc_sl,a.g_jj as kc_cbj from jxc_goods a where a.g_jy=0 and "
                                 "a.g_sn<>'00000000'");
            order = QStringLiteral("a.g_cgpl desc,a.g_sn");
        } else {
            sql = stocked
                + QStringLiteral(" and a.g_sn in (select x.g_sn from jxc_scrksp x,jxc_scrkd c where "
                                 "x.gl_djh=c.gl_djh and c.sc_status=1 and c.ck_sn=:ck2 and c.gl_djh like 'SC%')");
            params.insert(QStringLiteral("ck2"), BrowseWarehouseSn);
            order = QStringLiteral("a.g_sn");
        }
        break;
    default:
        sql = stocked;
        if (member_ == Member::DeptIssue && !IsTrue(AllowZeroStockOut))
            sql += QStringLiteral(" and b.kc_sl>0");
        order = member_ == Member::Transfer && !byCategory ? QStringLiteral("b.id")
            : member_ == Member::Transfer                  ? QStringLiteral("a.g_sn desc")
                                                           : QStringLiteral("a.g_sn");
        break;
    }
    if (byCategory) {
        sql += QStringLiteral(" and a.gc_sn=:gc");
        params.insert(QStringLiteral("gc"), category);
    }
    const QString& sorted = order_[byCategory ? 1 : 0];
    q.Close();
    q.ClearParams();
    q.SetSQL(sql + QStringLiteral(" order by ") + (sorted.isEmpty() ? order : sorted));
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.Open();
}

void StockAdd::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2) {
        if (!Q_Class.Active() || Q_Class.IsEmpty())
            return;
        OpenList(Q_Goods2, Q_Class.AsString(QStringLiteral("gc_sn")));
    } else {
        OpenList(Q_Goods, QString());
    }
    hcjSx();
}

void StockAdd::hcjSx()
{
    FilterGoodsList(*ActiveList(), tkey->text(), { "g_name", "g_jm", "g_sn", "g_sptm", "gg_name" });
}

void StockAdd::cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order)
{
    const bool byCategory = grid == cxGridGoods2View;
    QString& sorted = order_[byCategory ? 1 : 0];
    if (column < 0) {
        sorted.clear();
    } else {
        // Only the list's own columns sort; the stock table's are b.
        const QString field = grid->ColumnField(column);
        const bool stock = field == QLatin1String("kc_sl") || field == QLatin1String("kc_cbj");
        const bool known = ActiveQuery().HasField(field);
        if (!known)
            return;
        sorted = (stock && member_ != Member::Production ? QStringLiteral("b.") : QStringLiteral("a.")) + field
            + (order == Qt::DescendingOrder ? QStringLiteral(" desc") : QString());
        if (member_ == Member::DeptReturn && field.startsWith(QLatin1String("ly_")))
            sorted.replace(0, 2, QStringLiteral("b."));
    }
    cxPageChange();
}

void StockAdd::Pick(const QString& selected, const QString& mode)
{
    SelectedSn = selected;
    OpenMode = mode;
    QString dialog = AU(AddSpecOf(member_).dialog);
    if (member_ == Member::Production && Prefix() == QLatin1String("ST"))
        dialog = QStringLiteral("TF_Sctk_Sele");
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    tkey->setFocus();
    OpenMode.clear();
    SelectedSn.clear();
}

void StockAdd::btnSeleClick()
{
    DataGrid* g = ActiveList();
    const int row = g->CurrentRow();
    if (g->RowCount() == 0 || row < 0)
        return;
    if (member_ == Member::DeptReturn) {
        Pick(g->Value(row, QStringLiteral("id")).toString(), QStringLiteral("bmly_add"));
        return;
    }
    const QString goods = g->Value(row, QStringLiteral("g_sn")).toString();
    if (member_ == Member::StockTake
        && First(QStringLiteral("select g_sn from jxc_tempspxf where g_sn=:g and a_name=:a limit 1"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("a"), CurrentAdminName } })
               .isValid()) {
        Prompt::Info(QStringLiteral("该商品已加入，不能重复加入！"));
        return;
    }
    Pick(goods, AU(AddSpecOf(member_).modeBase) + QStringLiteral("_add"));
}

void StockAdd::btnModiClick()
{
    if (!Q_Spxf.Active() || Q_Spxf.IsEmpty())
        return;
    const int row = cxGrid1View->CurrentRow();
    if (row >= 0)
        Q_Spxf.SetRecNo(cxGrid1View->SourceRow(row));
    Pick(Q_Spxf.AsString(member_ == Member::DeptReturn ? QStringLiteral("ghs_sn") : QStringLiteral("g_sn")),
        AU(AddSpecOf(member_).modeBase) + QStringLiteral("_modi"));
}

void StockAdd::btnDelClick()
{
    if (!Q_Spxf.Active() || Q_Spxf.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) != Prompt::Answer::Yes)
        return;
    const int row = cxGrid1View->CurrentRow();
    if (row >= 0)
        Q_Spxf.SetRecNo(cxGrid1View->SourceRow(row));
    DeletePick(Q_Spxf.AsInteger(QStringLiteral("id")));
    ReopenPicks();
}

void StockAdd::btnRDelAllClick()
{
    if (!Q_Spxf.Active() || Q_Spxf.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前全部商品吗！")) != Prompt::Answer::Yes)
        return;
    ClearTempLines();
    ReopenPicks();
}

void StockAdd::ReopenPicks()
{
    Q_Spxf.Requery();
}

bool StockAdd::CopyPicks()
{
    const bool noPicks = !Q_Spxf.Active() || Q_Spxf.IsEmpty();
    if (noPicks && AddSpecOf(member_).stayWhenEmpty)
        return false;
    DocHost* host = FindDocHost(Prefix());
    QString prefix = Prefix();
    if (member_ == Member::LossOverflow) {
        const QString shown = Number();
        prefix = Pending() ? (shown.left(2) == QLatin1String("BY") ? QStringLiteral("BY") : QStringLiteral("BS"))
                           : (host && host->docType ? host->docType() : QStringLiteral("BS"));
    }
    const LineTables tables = TablesOfPrefix(prefix);
    DocKind kind;
    kind.lines = tables.lines;
    kind.detail = tables.detail;
    kind.prefix = prefix;

    Transaction t(Db());
    QString number = Number();
    const QString shown = number;
    if (!Pending() && host && host->date)
        number = RedrawIfHeld(kind, number, host->date());
    Query picks(&Db());
    OpenWithParams(picks, QStringLiteral("select * from jxc_tempspxf where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
    for (picks.First(); !picks.Eof(); picks.Next()) {
        const QString goods = picks.AsString(QStringLiteral("g_sn"));
        auto ts = [&](const char* c) { return picks.Value(QLatin1String(c)); };
        Row row { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods },
            { QStringLiteral("a_name"), ts("a_name") } };
        switch (member_) {
        case Member::Transfer:
            row += Row { { QStringLiteral("db_sl"), ts("ts_sl") }, { QStringLiteral("db_dj"), ts("ts_dj") },
                { QStringLiteral("db_zje"), ts("ts_zje") }, { QStringLiteral("db_sj"), ts("ts_dzl") } };
            break;
        case Member::LossOverflow: {
            double cost = 0;
            if (!FindNumber(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn=:g and ck_sn=:ck"),
                    { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), BrowseWarehouseSn } }, cost))
                continue; // a goods without a stock row here has no cost to book
            const QString x = prefix.toLower();
            row += Row { { x + QStringLiteral("_sl"), ts("ts_sl") }, { x + QStringLiteral("_dj"), cost },
                { x + QStringLiteral("_zje"), cost * picks.AsFloat(QStringLiteral("ts_sl")) },
                { x + QStringLiteral("_note"), ts("ts_note") } };
            break;
        }
        case Member::StockTake:
            if (First(QStringLiteral("select g_sn from jxc_kcpdsp where gl_djh=:n and a_name=:a and g_sn=:g limit 1"),
                    { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName },
                        { QStringLiteral("g"), goods } })
                    .isValid())
                continue;
            row += Row { { QStringLiteral("pd_sl"), ts("ts_sl") }, { QStringLiteral("kc_sl"), ts("ts_dj") },
                { QStringLiteral("pd_dj"), ts("ts_dzl") }, { QStringLiteral("pd_zje"), ts("ts_zje") },
                { QStringLiteral("kc_zsl"), ts("ts_je") } };
            break;
        case Member::DeptIssue:
        case Member::DeptReturn: {
            const bool ret = member_ == Member::DeptReturn;
            row += Row { { QStringLiteral("ly_sl"), ts("ts_sl") }, { QStringLiteral("ly_dj"), ts("ts_dj") },
                { QStringLiteral("ly_zje"), ts("ts_zje") }, { QStringLiteral("ly_flag"), ret ? -1 : 1 },
                { QStringLiteral("t_ph"), ts("ts_note") },
                { QStringLiteral("gl_djh2"), ret ? ts("t_zp") : ts("gl_djh2") } };
            if (ret)
                row += Row { { QStringLiteral("ly_hhsl"), 0 }, { QStringLiteral("ly_qxsl"), 0 },
                    { QStringLiteral("id2"), picks.AsString(QStringLiteral("ghs_sn")).toLongLong() } };
            break;
        }
        case Member::Production:
            row += Row { { QStringLiteral("sc_dj"), ts("ts_dj") }, { QStringLiteral("sc_sl"), ts("ts_sl") },
                { QStringLiteral("sc_zje"), ts("ts_zje") }, { QStringLiteral("sc_flag"), 1 },
                { QStringLiteral("sc_bz"), ts("ts_note") } };
            if (prefix == QLatin1String("ST"))
                row.append({ QStringLiteral("gl_djh2"), ts("gl_djh2") });
            break;
        }
        const qint64 lineId = InsertRow(tables.lines, row);
        const bool book = member_ == Member::StockTake;
        Run(QStringLiteral("insert into ") + tables.detail
                + QStringLiteral(" (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid")
                + (book ? QStringLiteral(",t_oldsl") : QString())
                + QStringLiteral(") select :n,g_sn,cm_sn,color_sn,t_sl,a_name,:line")
                + (book ? QStringLiteral(",t_oldsl") : QString())
                + QStringLiteral(" from jxc_tempspxfmx where tid=:pick order by id"),
            { { QStringLiteral("n"), number }, { QStringLiteral("line"), lineId },
                { QStringLiteral("pick"), picks.AsInteger(QStringLiteral("id")) } });
        Run(QStringLiteral("update ") + tables.lines + QStringLiteral(" set tid=id where id=:id"),
            { { QStringLiteral("id"), lineId } });
    }
    ClearTempLines();
    t.Commit();
    if (host) {
        if (!Pending() && number != shown && host->showNumber)
            host->showNumber(number);
        if (Pending()) {
            if (host->reloadPending)
                host->reloadPending();
        } else if (host->reloadDraft) {
            host->reloadDraft();
        }
    }
    ReopenPicks();
    return true;
}

void StockAdd::btnOKClick()
{
    if (!CopyPicks())
        return;
    Q_Goods.Close();
    Q_Goods2.Close();
    accept();
}

bool StockAdd::FormCloseQuery()
{
    if (!Q_Spxf.Active() || Q_Spxf.IsEmpty())
        return true;
    return ClosePicksQuery(
        AU(AddSpecOf(member_).closeQuestion), [this] { CopyPicks(); },
        [this] {
            ClearTempLines();
            ReopenPicks();
        });
}

void StockAdd::btnCancelClick()
{
    close();
}

void StockAdd::btnZdrkClick()
{
    if (member_ != Member::DeptReturn)
        return;
    DataGrid* g = ActiveList();
    const int row = g->CurrentRow();
    if (g->RowCount() == 0 || row < 0)
        return;
    const QString source = g->Value(row, QStringLiteral("gl_djh")).toString();
    DocHost* host = FindDocHost(QStringLiteral("LT"));
    DocKind kind;
    kind.lines = QStringLiteral("jxc_bmlysp");
    kind.detail = QStringLiteral("jxc_bmlyspmx");
    kind.prefix = QStringLiteral("LT");
    Transaction t(Db());
    QString number = host && host->number ? host->number() : QString();
    const QString shown = number;
    if (host && host->date)
        number = RedrawIfHeld(kind, number, host->date());
    Query open(&Db());
    OpenWithParams(open,
        QStringLiteral("select * from jxc_bmlysp where ly_sl>ly_hhsl+ly_qxsl and gl_djh=:s order by id"),
        { { QStringLiteral("s"), source } });
    for (open.First(); !open.Eof(); open.Next()) {
        const qint64 lineId = InsertRow(QStringLiteral("jxc_bmlysp"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("ly_sl"), open.Value(QStringLiteral("ly_sl")) },
                { QStringLiteral("ly_dj"), open.Value(QStringLiteral("ly_dj")) },
                { QStringLiteral("ly_zje"),
                    open.AsFloat(QStringLiteral("ly_sl")) * open.AsFloat(QStringLiteral("ly_dj")) },
                { QStringLiteral("g_sn"), open.Value(QStringLiteral("g_sn")) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("ly_flag"), -1 },
                { QStringLiteral("t_ph"), open.Value(QStringLiteral("t_ph")) }, { QStringLiteral("ly_hhsl"), 0 },
                { QStringLiteral("ly_qxsl"), 0 }, { QStringLiteral("gl_djh2"), source },
                { QStringLiteral("id2"), open.Value(QStringLiteral("id2")) } });
        // The copied line's rows, relinked to it at once.
        Run(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,g_sn,"
                           "cm_sn,color_sn,t_sl,:a,:line from jxc_bmlyspmx where gl_djh=:s and tid=:tid order by id"),
            { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName },
                { QStringLiteral("line"), lineId }, { QStringLiteral("s"), source },
                { QStringLiteral("tid"), open.AsInteger(QStringLiteral("tid")) } });
        Run(QStringLiteral("update jxc_bmlysp set tid=id where id=:id"), { { QStringLiteral("id"), lineId } });
    }
    t.Commit();
    if (host) {
        if (number != shown && host->showNumber)
            host->showNumber(number);
        if (host->reloadDraft)
            host->reloadDraft();
    }
    close();
}

void StockAdd::keyPressEvent(QKeyEvent* e)
{
    if (!HandleBrowserKey(
            e->key(), [this] { btnDelClick(); }, [this] { btnModiClick(); },
            member_ != Member::Transfer && member_ != Member::LossOverflow
                ? std::function<void()>([this] { btnSeleClick(); })
                : std::function<void()>(),
            [this] { btnOKClick(); }))
        Form::keyPressEvent(e);
}
