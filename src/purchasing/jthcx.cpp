#include "purchasing/jthcx.h"

#include "documents/docpayment.h"
#include "documents/docwindow.h"
#include "documents/tradequery.h"
#include "documents/viewdocument.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridmodel.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/tradereversal.h"
#include "purchasing/modidate.h"
#include "purchasing/querygrids.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

QString TF_Jthcx::KindFilter;
QString TF_Jthcx::AdvWarehouse;
QString TF_Jthcx::AdvOperator;
QString TF_Jthcx::AdvClass;
QString TF_Jthcx::ContinuousPrint;
QString TF_Jthcx::DirectPrint;

namespace {

QString Day(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

bool HasRows(const Query& q)
{
    return q.Active() && q.RecordCount() > 0;
}

} // namespace

TF_Jthcx::TF_Jthcx(QWidget* parent)
    : Form(parent), Q_Jhd(F_DataModule->Q(QStringLiteral("Q_Jhd"))),
      Q_Jhsp2(F_DataModule->Q(QStringLiteral("Q_Jhsp2"))), Q_GoodsHZ(F_DataModule->Q(QStringLiteral("Q_GoodsHZ"))),
      Q_GoodsList(F_DataModule->Q(QStringLiteral("Q_GoodsList")))
{
    setObjectName(QStringLiteral("TF_Jthcx"));
    setWindowTitle(QStringLiteral("进退货查询"));
    resize(1024, 680);
    auto* box = new QVBoxLayout(this);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    search->addWidget(tdate1);
    search->addWidget(new QLabel(QStringLiteral("至"), this));
    search->addWidget(tdate2);
    btnMenu = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    search->addWidget(btnMenu);
    search->addWidget(new QLabel(QStringLiteral("关键字："), this));
    tkey = NamedEdit(this, "tkey", 64);
    InstallGoodsTextFilter(tkey);
    tkey->setMinimumWidth(140);
    search->addWidget(tkey);
    search->addWidget(new QLabel(QStringLiteral("日期排列："), this));
    comSort = new QComboBox(this);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("倒序"), QStringLiteral("顺序") });
    search->addWidget(comSort);
    comDate = new QComboBox(this);
    comDate->setObjectName(QStringLiteral("comDate"));
    comDate->addItems({ QStringLiteral("开单日期"), QStringLiteral("审核日期") });
    search->addWidget(comDate);
    rDjb = new QRadioButton(QStringLiteral("单据表"), this);
    rHzb = new QRadioButton(QStringLiteral("汇总表"), this);
    rMxb = new QRadioButton(QStringLiteral("明细表"), this);
    rDjb->setChecked(true);
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        search->addWidget(r);
    btnFilter = NamedButton(this, "btnFilter", "数据过滤", search);
    PopupMenu_Filter = new QMenu(btnFilter);
    const std::pair<const char*, const char*> filters[]
        = { { "所有单据(&W)", "" }, { "进货单(&X)", "cj" }, { "退货单(&Y)", "ct" }, { "欠款单据查询(&Z)", "qk" } };
    for (const auto& f : filters)
        PopupMenu_Filter->addAction(
            QString::fromUtf8(f.first), this, [this, k = QString::fromLatin1(f.second)] { SetKindFilter(k); });
    btnFilter->setMenu(PopupMenu_Filter);
    btnSearch = NamedButton(this, "btnSearch", "查询(F2)", search);
    btnAdvance = NamedButton(this, "btnAdvance", "高级查询", search);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btnUnChk = NamedButton(this, "btnUnChk", "取消审核", bar);
    btnUnChkAll = NamedButton(this, "btnUnChkAll", "全部取消", bar);
    btnFk = NamedButton(this, "btnFk", "采购付款", bar);
    btnModi = NamedButton(this, "btnModi", "修改", bar);
    btnChakan = NamedButton(this, "btnChakan", "查看单据", bar);
    btnLxdy = NamedButton(this, "btnLxdy", "连续打印", bar);
    btnPrin = NamedButton(this, "btnPrin", "打印", bar);
    btnExport = NamedButton(this, "btnExport", "导出", bar);
    btnZdth = NamedButton(this, "btnZdth", "整单退货", bar);
    bar->addStretch(1);
    btnExit = NamedButton(this, "btnExit", "退出", bar);
    box->addLayout(bar);

    views = new QStackedWidget(this);
    box->addWidget(views, 1);
    auto* docs = new QWidget;
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGridDjView = NewQueryGrid(docs, "cxGridDjView", "D_Jhd");
    AddDocumentColumns(cxGridDjView, true);
    cxGridDjView->SetCellStyler([this](int row, int column, CellStyle& style) {
        const QString field = cxGridDjView->ColumnField(column);
        const int source = cxGridDjView->SourceRow(row);
        const auto value = [&](const char* f) { return Q_Jhd.TextAt(source, Q_Jhd.FieldIndex(QLatin1String(f))); };
        if (field == QLatin1String("gtype") && value("j_th") == QLatin1String("1"))
            style.text = Qt::red;
        else if (field == QLatin1String("hkje") && value("hkje").toDouble() != 0)
            style.text = Qt::blue;
        else if (field == QLatin1String("wfje") && value("wfje").toDouble() != 0)
            style.text = Qt::red;
    });
    docsBox->addWidget(cxGridDjView, 1);
    ldjmsg = NamedLabel(docs, "", "ldjmsg");
    docsBox->addWidget(ldjmsg);
    cxGridSpView = NewQueryGrid(docs, "cxGridSpView", "D_Jhsp2");
    AddLedgerColumns(cxGridSpView);
    docsBox->addWidget(cxGridSpView, 1);
    views->addWidget(docs);

    auto* sums = new QWidget;
    auto* sumsBox = new QVBoxLayout(sums);
    sumsBox->setContentsMargins(0, 0, 0, 0);
    cxGridHzView = NewQueryGrid(sums, "cxGridHzView", "D_GoodsHZ");
    AddGoodsSummaryColumns(cxGridHzView);
    sumsBox->addWidget(cxGridHzView, 1);
    gname = NamedLabel(sums, "", "gname");
    sumsBox->addWidget(gname);
    cxGridHzMxView = NewQueryGrid(sums, "cxGridHzMxView", "D_GoodsList");
    AddLedgerColumns(cxGridHzMxView);
    sumsBox->addWidget(cxGridHzMxView, 1);
    views->addWidget(sums);
    cxGridMxView = NewQueryGrid(nullptr, "cxGridMxView", "D_GoodsList");
    AddLedgerColumns(cxGridMxView);
    views->addWidget(cxGridMxView);

    PopupMenu_Dj = new QMenu(this);
    PopupMenu_Dj->addAction(QStringLiteral("取消审核(&W)"), this, &TF_Jthcx::btnUnChkClick);
    PopupMenu_Dj->addAction(QStringLiteral("整单退货(&X)"), this, &TF_Jthcx::btnZdthClick);
    btnRFk = PopupMenu_Dj->addAction(QStringLiteral("单据付款(&Y)"), this, &TF_Jthcx::btnFkClick);
    PopupMenu_Sp = new QMenu(this);
    btnRZdth = PopupMenu_Sp->addAction(QStringLiteral("退货(&Z)"), this, &TF_Jthcx::btnZdthClick);
    connect(cxGridDjView, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(PopupMenu_Dj, *cxGridDjView, at); });
    for (DataGrid* g : { cxGridSpView, cxGridHzMxView, cxGridMxView })
        connect(g, &DataGrid::rightClicked, this, [this, g](const QPoint& at) {
            btnRZdth->setEnabled(g->RowCount() > 0);
            PopupMenu_Sp->popup(at);
        });
    for (DataGrid* g : { cxGridDjView, cxGridSpView, cxGridHzMxView, cxGridMxView })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btnChakanClick(); });
    connect(cxGridDjView, &DataGrid::currentRowChanged, this, [this] { setJhspList(); });
    connect(cxGridHzView, &DataGrid::currentRowChanged, this, [this] { setGoodsMx(); });
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            views->setCurrentIndex(rDjb->isChecked() ? 0 : rHzb->isChecked() ? 1 : 2);
            btnSearchClick();
        });
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Jthcx::btnSearchClick);
    connect(comDate, &QComboBox::currentIndexChanged, this, &TF_Jthcx::btnSearchClick);
    connect(tkey, &QLineEdit::returnPressed, this, &TF_Jthcx::btnSearchClick);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Jthcx::btnSearchClick);
    connect(btnAdvance, &QPushButton::clicked, this, &TF_Jthcx::btnAdvanceClick);
    connect(btnUnChk, &QPushButton::clicked, this, &TF_Jthcx::btnUnChkClick);
    connect(btnUnChkAll, &QPushButton::clicked, this, &TF_Jthcx::btnUnChkAllClick);
    connect(btnFk, &QPushButton::clicked, this, &TF_Jthcx::btnFkClick);
    connect(btnModi, &QPushButton::clicked, this, &TF_Jthcx::btnModiClick);
    connect(btnChakan, &QPushButton::clicked, this, &TF_Jthcx::btnChakanClick);
    connect(btnLxdy, &QPushButton::clicked, this, &TF_Jthcx::btnLxdyClick);
    connect(btnPrin, &QPushButton::clicked, this, &TF_Jthcx::btnPrinClick);
    connect(btnExport, &QPushButton::clicked, this, [this] {
        if (rMxb->isChecked()) {
            btnExportClick();
            return;
        }
        QMenu menu;
        const bool docsView = rDjb->isChecked();
        menu.addAction(docsView ? QStringLiteral("采购单据表(&Y)") : QStringLiteral("汇总表(&Y)"), this,
            [this] { btnExportClick(false); });
        menu.addAction(docsView ? QStringLiteral("单据的详细信息(&Z)") : QStringLiteral("商品采购明细表(&Z)"), this,
            [this] { btnExportClick(true); });
        menu.exec(btnExport->mapToGlobal(QPoint(0, btnExport->height())));
    });
    connect(btnZdth, &QPushButton::clicked, this, &TF_Jthcx::btnZdthClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
}

TF_Jthcx::~TF_Jthcx() = default;

void TF_Jthcx::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    if (ContinuousPrint == QLatin1String("1"))
        return;
    WholeReturnDocNo.clear();
    DirectPrint.clear();
    KindFilter.clear();
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    {
        const QSignalBlocker quiet(rDjb);
        rDjb->setChecked(true);
    }
    views->setCurrentIndex(0);
    const QString cg = QStringLiteral("cggl");
    btnUnChk->setEnabled(HasRight(cg, 10) || HasRight(cg, 11));
    btnUnChkAll->setEnabled(HasRight(cg, 10) && HasRight(cg, 11));
    // The right of the return window's own whole-document return.
    btnZdth->setEnabled(HasRight(cg, 4));
    btnModi->setEnabled(CanChangeDocDate);
    const bool payment = IsTrue(UseDocPayment) && HasRight(QStringLiteral("wlzk"), 5);
    btnFk->setVisible(payment);
    btnRFk->setVisible(payment);
    const auto show = [](DataGrid* g, const char* field, bool on) {
        const int col = g->ColumnByField(QLatin1String(field));
        if (col >= 0)
            g->SetColumnVisible(col, on);
    };
    show(cxGridDjView, "hkje", payment);
    btnSearchClick();
    const bool freight = IsTrue(UseFreightFees);
    for (const char* f : { "j_yf", "j_bzf", "j_yffs" })
        show(cxGridDjView, f, freight);
    const bool tax = IsTrueFor(UseTaxPrice, QStringLiteral("cj"));
    for (DataGrid* g : { cxGridSpView, cxGridHzMxView, cxGridMxView }) {
        show(g, "gl_dj", ShowCostPrice);
        show(g, "gl_zje", ShowCostPrice);
        for (const char* f : { "gl_tax", "gl_taxdj", "gl_je", "gl_taxje" })
            show(g, f, tax);
    }
    show(cxGridMxView, "gl_djh2", IsTrue(UseOriginalDocNo));
    show(cxGridHzView, "zje", ShowCostPrice);
    show(cxGridHzView, "je", tax);
    show(cxGridHzView, "taxje", tax);
    for (const char* f : { "yfje", "sfje", "wfje", "yhje" })
        show(cxGridDjView, f, ShowCostPrice);
    btnPrin->setVisible(ShowCostPrice);
    show(cxGridDjView, "ht_sn", IsTrue(UseContracts));
}

QString TF_Jthcx::DateColumn(bool ledger) const
{
    const bool approval = comDate->currentIndex() == 1;
    if (ledger)
        return approval ? QStringLiteral("gl_chkrq") : QStringLiteral("gl_kdrq");
    return approval ? QStringLiteral("chkrq") : QStringLiteral("rq");
}

QString TF_Jthcx::KindCondition(const QString& alias) const
{
    // The arrears filter is about documents: the ledger views show both kinds.
    if (KindFilter == QLatin1String("cj") || KindFilter == QLatin1String("ct"))
        return QStringLiteral(" and ") + alias + QStringLiteral("gl_flag='") + KindFilter + QStringLiteral("' ");
    return QStringLiteral(" and (") + alias + QStringLiteral("gl_flag='cj' or ") + alias
        + QStringLiteral("gl_flag='ct') ");
}

void TF_Jthcx::SetKindFilter(const QString& kind)
{
    KindFilter = kind;
    btnSearchClick();
}

void TF_Jthcx::btnSearchClick()
{
    const QString key = SafeSqlText(tkey->text().trimmed());
    const QDate from = tdate1->date();
    const QDate to = tdate2->date();
    const bool descending = comSort->currentIndex() == 0;
    const QString like = QStringLiteral(" like '%") + key + QStringLiteral("%'");
    const QString wh = SafeSqlText(AdvWarehouse);
    const QString op = SafeSqlText(AdvOperator);
    const QString cls = SafeSqlText(AdvClass);
    if (rDjb->isChecked()) {
        const QString date = DateColumn(false);
        QStringList arms;
        if (KindFilter != QLatin1String("ct"))
            arms << QStringLiteral(
                        "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.j_jhrq as rq,a.j_yfje as yfje,a.j_sfje as sfje,"
                        "(a.j_yfje-a.j_sfje-a.j_yhje-a.j_hkje) as wfje,a.j_yhje as yhje,'采购进货' as gtype,a.u_sn,"
                        "a.j_note as dnote,a.a_name,a.gl_djh2,cast(a.j_th as varchar(8)) as j_th,b.ghs_name,b.ghs_jm,"
                        "c.u_name,d.ck_name,'1' as dsort,a.ht_sn,a.j_checker as checker,a.j_chkrq as chkrq,"
                        "a.j_hkje as hkje,a.j_yf,a.j_bzf,a.j_yffs from jxc_jhd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d "
                        "where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn and a.j_status=1 ")
                    + WarehouseBindingCondition(QStringLiteral("d"));
        if (KindFilter != QLatin1String("cj"))
            arms << QStringLiteral(
                        "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.th_thrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
                        "(a.th_yfje-a.th_sfje-a.th_hkje) as wfje,0 as yhje,'采购退货' as gtype,a.u_sn,"
                        "a.th_note as dnote,a.a_name,'' as gl_djh2,'' as j_th,b.ghs_name,b.ghs_jm,c.u_name,d.ck_name,"
                        "'2' as dsort,'' as ht_sn,a.th_checker as checker,a.th_chkrq as chkrq,a.th_hkje as hkje,"
                        "0 as j_yf,0 as j_bzf,'' as j_yffs from jxc_thd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d "
                        "where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn and a.th_status=1 ")
                    + WarehouseBindingCondition(QStringLiteral("d"));
        QString sql = QStringLiteral("select * from (") + arms.join(QStringLiteral(" union all "))
            + QStringLiteral(") derivedtbl where ") + PeriodCondition(date, from, to) + QStringLiteral(" and (ghs_sn")
            + like + QStringLiteral(" or ghs_name") + like + QStringLiteral(" or ghs_jm") + like
            + QStringLiteral(" or djh") + like + QStringLiteral(" or gl_djh2") + like + QStringLiteral(" or dnote")
            + like + QStringLiteral(") ");
        if (KindFilter == QLatin1String("qk"))
            sql += QStringLiteral(" and wfje>0 ");
        if (!wh.isEmpty())
            sql += QStringLiteral(" and ck_sn='") + wh + QStringLiteral("'");
        if (!op.isEmpty())
            sql += QStringLiteral(" and a_name='") + op + QStringLiteral("'");
        sql += descending ? QStringLiteral(" order by ") + date + QStringLiteral(" desc,dsort,djh desc")
                          : QStringLiteral(" order by ") + date + QStringLiteral(",dsort,djh");
        OpenQuery(Q_Jhd, sql);
        setJhspList();
        return;
    }
    const QString date = DateColumn(true);
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_ghsxx d,jxc_ckxx e "
            "where c.ghs_sn=d.ghs_sn and c.ck_sn=e.ck_sn ");
        sql += WarehouseBindingCondition(QStringLiteral("e")) + KindCondition(QStringLiteral("c."))
            + QStringLiteral(" and ") + PeriodCondition(QStringLiteral("c.") + date, from, to)
            + QStringLiteral(" and (c.gl_djh") + like + QStringLiteral(" or d.ghs_name") + like
            + QStringLiteral(" or d.ghs_jm") + like + QStringLiteral(" or d.ghs_sn") + like
            + QStringLiteral(" or c.gl_note") + like + QStringLiteral(")");
        if (!wh.isEmpty())
            sql += QStringLiteral(" and c.ck_sn='") + wh + QStringLiteral("'");
        if (!op.isEmpty())
            sql += QStringLiteral(" and c.a_name='") + op + QStringLiteral("'");
        sql += QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn ");
        if (!cls.isEmpty())
            sql += QStringLiteral(" and g.gc_sn like '") + cls + QStringLiteral("%' ");
        OpenQuery(Q_GoodsHZ, sql + QStringLiteral(" order by a.id"));
        setGoodsMx();
        return;
    }
    QString sql = QStringLiteral("select a.*,c.gc_name from jxc_goodslist a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d "
                                 "where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn ");
    sql += WarehouseBindingCondition(QStringLiteral("d")) + KindCondition(QStringLiteral("a."))
        + QStringLiteral(" and a.gl_djh<>'' and (a.gl_djh") + like + QStringLiteral(" or a.ghs_name") + like
        + QStringLiteral(" or a.gl_note") + like + QStringLiteral(") and ")
        + PeriodCondition(QStringLiteral("a.") + date, from, to);
    if (!wh.isEmpty())
        sql += QStringLiteral(" and a.ck_sn='") + wh + QStringLiteral("'");
    if (!op.isEmpty())
        sql += QStringLiteral(" and a.a_name='") + op + QStringLiteral("'");
    if (!cls.isEmpty())
        sql += QStringLiteral(" and b.gc_sn like '") + cls + QStringLiteral("%'");
    sql += descending
        ? QStringLiteral(" order by a.") + date + QStringLiteral(" desc,a.gl_flag,a.gl_djh desc,a.id desc")
        : QStringLiteral(" order by a.") + date + QStringLiteral(",a.gl_flag,a.gl_djh,a.id");
    OpenQuery(Q_GoodsList, sql);
}

void TF_Jthcx::setJhspList()
{
    Q_Jhsp2.Close();
    ldjmsg->clear();
    if (!HasRows(Q_Jhd))
        return;
    const QString number = Q_Jhd.AsString(QStringLiteral("djh"));
    ldjmsg->setText(number + QStringLiteral("  ") + Q_Jhd.AsString(QStringLiteral("ghs_name")));
    Q_Jhsp2.SetSQL(QStringLiteral("select * from jxc_goodslist where gl_djh=:djh order by id"));
    Q_Jhsp2.SetParam(QStringLiteral("djh"), number);
    Q_Jhsp2.Open();
}

void TF_Jthcx::setGoodsMx()
{
    Q_GoodsList.Close();
    gname->clear();
    if (!HasRows(Q_GoodsHZ))
        return;
    gname->setText(Q_GoodsHZ.AsString(QStringLiteral("g_name")));
    const QString key = SafeSqlText(tkey->text().trimmed());
    const QString like = QStringLiteral(" like '%") + key + QStringLiteral("%'");
    const QString date = DateColumn(true);
    QString sql = QStringLiteral("select a.*,d.gc_name from jxc_goodslist a,jxc_ghsxx b,jxc_goods c,jxc_goodsclass d,"
                                 "jxc_ckxx e where a.ghs_sn=b.ghs_sn and a.g_sn=c.g_sn and c.gc_sn=d.gc_sn "
                                 "and a.ck_sn=e.ck_sn ");
    sql += WarehouseBindingCondition(QStringLiteral("e")) + KindCondition(QStringLiteral("a."))
        + QStringLiteral(" and a.g_sn=:g and (b.ghs_sn") + like + QStringLiteral(" or b.ghs_name") + like
        + QStringLiteral(" or b.ghs_jm") + like + QStringLiteral(" or a.gl_djh") + like
        + QStringLiteral(" or a.gl_note") + like + QStringLiteral(") and ")
        + PeriodCondition(QStringLiteral("a.") + date, tdate1->date(), tdate2->date());
    if (!AdvWarehouse.isEmpty())
        sql += QStringLiteral(" and a.ck_sn='") + SafeSqlText(AdvWarehouse) + QStringLiteral("'");
    if (!AdvOperator.isEmpty())
        sql += QStringLiteral(" and a.a_name='") + SafeSqlText(AdvOperator) + QStringLiteral("'");
    if (!AdvClass.isEmpty())
        sql += QStringLiteral(" and c.gc_sn like '") + SafeSqlText(AdvClass) + QStringLiteral("%'");
    sql += comSort->currentIndex() == 0
        ? QStringLiteral(" order by a.") + date + QStringLiteral(" desc,a.gl_flag,a.gl_djh desc,a.id desc")
        : QStringLiteral(" order by a.") + date + QStringLiteral(",a.gl_flag,a.gl_djh,a.id");
    Q_GoodsList.SetSQL(sql);
    Q_GoodsList.SetParam(QStringLiteral("g"), Q_GoodsHZ.AsString(QStringLiteral("g_sn")));
    Q_GoodsList.Open();
}

void TF_Jthcx::btnAdvanceClick()
{
    PickerCaller = QStringLiteral("cgth_zdth");
    SelectedSn.clear();
    AuxTag.clear();
    {
        TF_Cgth_Zdth_Search dialog(this);
        dialog.ShowModal();
        if (AuxTag == QLatin1String("1")) {
            AuxTag.clear();
            SetPeriod(tdate1, tdate2, { dialog.tdate1->date(), dialog.tdate2->date() });
            tkey->setText(dialog.tghs->text().trimmed());
            const QString wh = dialog.comCk->currentIndex() >= 0
                ? GetComboCode(*dialog.comCk, dialog.comCk->currentIndex())
                : QString();
            AdvWarehouse = wh == QLatin1String("-1") ? QString() : wh;
            const QString op = dialog.comAdmin->currentText();
            AdvOperator = op == QStringLiteral("所有操作员") ? QString() : op;
            AdvClass = SelectedSn;
            btnSearchClick();
        }
    }
    SelectedSn.clear();
    PickerCaller.clear();
}

void TF_Jthcx::btnUnChkClick()
{
    if (!btnUnChk->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!HasRows(Q_Jhd))
        return;
    UnapproveResult.clear();
    UnapproveDocument(Q_Jhd.AsString(QStringLiteral("djh")));
    if (UnapproveResult == QLatin1String("ok")) {
        Q_Jhd.Requery();
        setJhspList();
    }
}

void TF_Jthcx::btnUnChkAllClick()
{
    if (!btnUnChkAll->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核只能在单据表进行！"));
        return;
    }
    if (!HasRows(Q_Jhd))
        return;
    if (!DocWindow::UnapproveAll(ColumnTexts(Q_Jhd, QStringLiteral("djh")), this))
        return;
    Q_Jhd.Requery();
    setJhspList();
}

void TF_Jthcx::btnFkClick()
{
    if (btnFk->isHidden())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("付款只能在“单据表”进行！"));
        return;
    }
    if (!HasRows(Q_Jhd))
        return;
    if (SettleCurrentDocument(
            Q_Jhd, QStringLiteral("djh"), QStringLiteral("TF_Yfkgl_Fk"), QStringLiteral("该单据不需要付款！")))
        setJhspList();
}

void TF_Jthcx::btnModiClick()
{
    if (!btnModi->isEnabled() || !rDjb->isChecked() || !HasRows(Q_Jhd))
        return;
    OpenDateChange(QStringLiteral("jthcx"), Q_Jhd.AsString(QStringLiteral("djh")));
    setJhspList();
}

QString TF_Jthcx::CurrentDocNo() const
{
    if (rDjb->isChecked())
        return HasRows(Q_Jhd) ? Q_Jhd.AsString(QStringLiteral("djh")) : QString();
    return HasRows(Q_GoodsList) ? Q_GoodsList.AsString(QStringLiteral("gl_djh")) : QString();
}

void TF_Jthcx::ShowDocument(const QString& number)
{
    if (DirectPrint == QLatin1String("1"))
        PrintDocument(number, ContinuousPrint != QLatin1String("1"));
    else
        ViewDocument(number);
}

void TF_Jthcx::btnChakanClick()
{
    const QString number = CurrentDocNo();
    if (!number.isEmpty())
        ShowDocument(number);
}

void TF_Jthcx::btnLxdyClick()
{
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("连续打印只能在“单据表”进行。"));
        return;
    }
    if (!HasRows(Q_Jhd))
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将打印当前查询中的所有单据，\r\n\r\n将直接打印不做预览，确认打印吗？"))
        != Prompt::Answer::Yes)
        return;
    const QStringList numbers = ColumnTexts(Q_Jhd, QStringLiteral("djh"));
    ContinuousPrint = QStringLiteral("1");
    DirectPrint = QStringLiteral("1");
    for (const QString& n : numbers)
        ShowDocument(n);
    ContinuousPrint.clear();
}

void TF_Jthcx::btnPrinClick()
{
    if (rDjb->isChecked())
        PrintSearchedList(QStringLiteral("jthcxdjb"), Q_Jhd, tdate1->date(), tdate2->date());
    else if (rHzb->isChecked())
        PrintSearchedList(QStringLiteral("jthcxhzb"), Q_GoodsHZ, tdate1->date(), tdate2->date());
    else
        PrintSearchedList(QStringLiteral("jthmxb"), Q_GoodsList, tdate1->date(), tdate2->date());
}

void TF_Jthcx::btnExportClick(bool lines)
{
    DataGrid* grid = rDjb->isChecked() ? (lines ? cxGridSpView : cxGridDjView)
        : rHzb->isChecked()            ? (lines ? cxGridHzMxView : cxGridHzView)
                                       : cxGridMxView;
    ExportList(*grid, ExportRows::OnlyWithRows);
}

void TF_Jthcx::btnZdthClick()
{
    if (!btnZdth->isEnabled())
        return;
    const QString number = CurrentDocNo();
    if (number.isEmpty())
        return;
    if (!WholeReturnAllowed(number, { "CJ", "jxc_jhd", "j_th" }))
        return;
    // The return window copies the lines and marks the goods-in returned.
    WholeReturnDocNo = number;
    close();
    ReopenSupplierQuery();
}

void TF_Jthcx::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F2) {
        btnSearchClick();
        return;
    }
    Form::keyPressEvent(e);
}

void TF_Jthcx::hideEvent(QHideEvent* e)
{
    for (Query* q : { &Q_Jhd, &Q_Jhsp2, &Q_GoodsHZ, &Q_GoodsList })
        q->Close();
    // The return window shows the lines a whole-document return copied.
    Query& returnLines = F_DataModule->Q(QStringLiteral("Q_Thsp"));
    if (returnLines.Active())
        returnLines.Requery();
    Form::hideEvent(e);
}

// ---- advanced search ----

TF_Cgth_Zdth_Search::TF_Cgth_Zdth_Search(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search"));
    setWindowTitle(QStringLiteral("高级查询"));
    auto* box = new QVBoxLayout(this);
    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    dates->addWidget(tdate1);
    dates->addWidget(new QLabel(QStringLiteral("至"), this));
    dates->addWidget(tdate2);
    box->addLayout(dates);
    auto* ghs = new QHBoxLayout;
    ghs->addWidget(new QLabel(QStringLiteral("供货商："), this));
    tghs = NamedEdit(this, "tghs", 64);
    ghs->addWidget(tghs, 1);
    btnGhs = NamedButton(this, "btnGhs", "…", ghs);
    box->addLayout(ghs);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("仓库："), this));
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    row->addWidget(comCk, 1);
    row->addWidget(new QLabel(QStringLiteral("操作员："), this));
    comAdmin = new KeyedCombo(this);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    row->addWidget(comAdmin, 1);
    box->addLayout(row);
    auto* cls = new QHBoxLayout;
    cls->addWidget(new QLabel(QStringLiteral("商品类别："), this));
    tclass = NamedEdit(this, "tclass", 64);
    tclass->setReadOnly(true);
    cls->addWidget(tclass, 1);
    box->addLayout(cls);
    RzPanel_GClass = new CategoryPanel(this, QStringLiteral("Q_GClass5"), tclass, [] {
        Query& q = F_DataModule->Q(QStringLiteral("Q_GClass5"));
        SelectedSn = q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("gc_sn")) : QString();
    });
    RzPanel_GClass->resize(300, 260);
    tclass->installEventFilter(RzPanel_GClass);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnSearch = NamedButton(this, "btnSearch", "查询(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(btnGhs, &QPushButton::clicked, this, &TF_Cgth_Zdth_Search::btnGhsClick);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Cgth_Zdth_Search::btnSearchClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Cgth_Zdth_Search::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    SetPeriod(tdate1, tdate2, PresetPeriod(DatePreset::LastMonth, Clock::Today()));
    FillWarehouseChoice(*comCk);
    FillCombo(*comAdmin, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("a_name"),
        QStringLiteral("id"), QStringLiteral("所有操作员"));
    comAdmin->setCurrentIndex(comAdmin->count() > 0 ? 0 : -1);
    RzPanel_GClass->Prepare();
}

void TF_Cgth_Zdth_Search::btnGhsClick()
{
    TF_Cgth_Zdth_Search_GhsSele picker(tghs, this);
    picker.ShowModal();
}

void TF_Cgth_Zdth_Search::btnSearchClick()
{
    AuxTag = QStringLiteral("1");
    close();
}

TF_Cgth_Zdth_Search_GhsSele::TF_Cgth_Zdth_Search_GhsSele(QLineEdit* target, QWidget* parent)
    : Form(parent), target_(target)
{
    setObjectName(QStringLiteral("TF_Cgth_Zdth_Search_GhsSele"));
    setWindowTitle(QStringLiteral("选择供货商"));
    resize(640, 400);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("查找："), this));
    tkey = NamedEdit(this, "tkey", 64);
    top->addWidget(tkey, 1);
    box->addLayout(top);
    cxGridGhsView = NewSupplierGrid(this, QStringLiteral("cxGridGhsView"));
    box->addWidget(cxGridGhsView, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnModi = NamedButton(this, "btnModi", "修改(F9)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(tkey, &QLineEdit::textChanged, this, &TF_Cgth_Zdth_Search_GhsSele::tkeyChange);
    connect(btnOK, &QPushButton::clicked, this, &TF_Cgth_Zdth_Search_GhsSele::btnOKClick);
    connect(cxGridGhsView, &DataGrid::rowDoubleClicked, this, [this] { btnOKClick(); });
    connect(btnModi, &QPushButton::clicked, this, &TF_Cgth_Zdth_Search_GhsSele::btnModiClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
}

void TF_Cgth_Zdth_Search_GhsSele::FormActivate()
{
    OpenSupplierList(QStringLiteral("0"));
    tkeyChange();
}

void TF_Cgth_Zdth_Search_GhsSele::tkeyChange()
{
    GhsFilter(*cxGridGhsView, tkey->text().trimmed());
}

void TF_Cgth_Zdth_Search_GhsSele::btnOKClick()
{
    const int row = cxGridGhsView->CurrentRow();
    if (row < 0 || cxGridGhsView->RowCount() == 0)
        return;
    if (target_)
        target_->setText(cxGridGhsView->Value(row, QStringLiteral("ghs_name")).toString());
    close();
}

void TF_Cgth_Zdth_Search_GhsSele::btnModiClick()
{
    if (cxGridGhsView->RowCount() == 0)
        return;
    FunctionWindows::Open(QStringLiteral("TF_Ghsgl_Modi"), FunctionWindows::Lifetime::Freed);
    OpenSupplierList(QStringLiteral("0"));
}

void TF_Cgth_Zdth_Search_GhsSele::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    if (e->key() == Qt::Key_F9) {
        btnModiClick();
        return;
    }
    Form::keyPressEvent(e);
}

void TF_Cgth_Zdth_Search_GhsSele::hideEvent(QHideEvent* e)
{
    F_DataModule->Q(QStringLiteral("Q_Ghsxx")).Close();
    Form::hideEvent(e);
}
