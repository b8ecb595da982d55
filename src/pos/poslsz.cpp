#include "pos/poslsz.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "pos/posstats.h"
#include "posting/posprint.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Posxs_Lsz* F_Posxs_Lsz = nullptr;

namespace {

const QString kAllCashiers = QStringLiteral("所有收银员");
const QString kAllStaff = QStringLiteral("所有经办人");

Query& tickets()
{
    return F_DataModule->Q(QStringLiteral("Q_Poslsz"));
}

Query& ticketLines()
{
    return F_DataModule->Q(QStringLiteral("Q_Poslsz2"));
}

QString day(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

DataGrid* dayBookGrid(QWidget* parent, const char* name, const QString& source,
    std::initializer_list<std::pair<const char*, const char*>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(source));
    g->SetFooterVisible(true);
    for (const auto& [field, caption] : columns) {
        // The time and the ticket number are read whole.
        const bool wide = qstrcmp(field, "pos_xsrq") == 0 || qstrcmp(field, "gl_djh") == 0;
        g->AddColumn(QString::fromLatin1(field), QString::fromUtf8(caption), wide ? 135 : 90);
    }
    SetRecordCount(*g, 0);
    return g;
}

QPushButton* button(QWidget* parent, const QString& caption)
{
    return new QPushButton(caption, parent);
}

} // namespace

QString DayBookTicketsSql(const DayBookFilter& f)
{
    QString sql = QStringLiteral("select e.*,f.hy_bh,f.hy_name from (select a.*,b.u_name,c.ck_name from jxc_posxsd a "
                                 "left join jxc_user b on a.u_sn=b.u_sn,jxc_ckxx c where a.ck_sn=c.ck_sn and ")
        + PeriodCondition(QStringLiteral("a.pos_xsrq"), f.from, f.to) + WarehouseBindingCondition(QStringLiteral("c"));
    if (!f.staff.isEmpty())
        sql += QStringLiteral(" and a.u_sn=") + SqlQuoted(f.staff);
    if (!f.cashier.isEmpty())
        sql += QStringLiteral(" and a.a_name=") + SqlQuoted(f.cashier);
    return sql
        + QStringLiteral(") e left outer join (select hy_sn,hy_bh,hy_name from jxc_hyxx) f on e.hy_sn=f.hy_sn "
                         "order by e.pos_xsrq desc,e.gl_djh desc");
}

QString DayBookLinesSql(const QDate& from, const QDate& to, const QString& key)
{
    QString sql
        = QStringLiteral("select e.*,c.hy_bh,c.hy_name from (select a.gl_djh,a.g_sn,a.pos_dj,a.pos_sl,a.pos_zje,"
                         "a.a_name,a.pos_dzl,a.pos_zhje,coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.dw_name,"
                         "b.gg_name,b.color_name,d.pos_xsrq,d.hy_sn,a.id as line_id from jxc_posxssp a,jxc_goods b,"
                         "jxc_posxsd d,jxc_ckxx k where a.g_sn=b.g_sn and a.gl_djh=d.gl_djh and d.ck_sn=k.ck_sn ")
        + WarehouseBindingCondition(QStringLiteral("k"))
        + QStringLiteral(") e left outer join (select hy_sn,hy_bh,hy_name from jxc_hyxx) c on e.hy_sn=c.hy_sn where ")
        + PeriodCondition(QStringLiteral("e.pos_xsrq"), from, to);
    const QString k = SafeSqlText(key.trimmed());
    if (!k.isEmpty()) {
        const QString like = QStringLiteral(" like '%") + k + QStringLiteral("%'");
        sql += QStringLiteral(" and (e.gl_djh") + like + QStringLiteral(" or c.hy_bh") + like
            + QStringLiteral(" or c.hy_name") + like + QStringLiteral(" or e.g_sn") + like
            + QStringLiteral(" or e.g_name") + like + QLatin1Char(')');
    }
    return sql + QStringLiteral(" order by e.pos_xsrq desc,e.line_id");
}

TF_Posxs_Lsz::TF_Posxs_Lsz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Lsz"));
    setWindowTitle(QStringLiteral("POS销售流水账"));
    resize(1040, 620);
    cxPage = new QTabWidget(this);
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("单据流水表"));
    cxPage->addTab(cxTab2, QStringLiteral("商品明细表"));
    (new QVBoxLayout(this))->addWidget(cxPage);

    // Tickets.
    tdate1 = MakeDateEdit(cxTab1, "tdate1");
    tdate2 = MakeDateEdit(cxTab1, "tdate2");
    btnDate1 = MakePresetButton(cxTab1, tdate1, tdate2, [this] { btnSearch1Click(); });
    comAdmin = new KeyedCombo(cxTab1);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    btnSearch1 = button(cxTab1, QStringLiteral("查询(F2)"));
    btnView1 = button(cxTab1, QStringLiteral("查看单据"));
    btnPrin1 = button(cxTab1, QStringLiteral("打印"));
    btnExport1 = button(cxTab1, QStringLiteral("导出"));
    btnExit1 = button(cxTab1, QStringLiteral("退出"));
    cxGrid1View = dayBookGrid(cxTab1, "cxGrid1View", QStringLiteral("D_Poslsz"),
        { { "pos_xsrq", "销售日期" }, { "gl_djh", "单据号" }, { "hy_bh", "会员卡号" }, { "hy_name", "会员名称" },
            { "pos_sfje", "总金额" }, { "pos_xj", "现金" }, { "pos_czk", "储值卡" }, { "pos_yhk", "银行卡" },
            { "pos_djq", "代金券" }, { "pos_mlje", "抹零金额" }, { "pos_wxje", "微信" }, { "pos_zfbje", "支付宝" },
            { "pos_yhzkje", "优惠金额" }, { "pos_zlje", "找零金额" }, { "a_name", "收银员" }, { "u_name", "经办人" },
            { "pos_note", "备注" } });
    auto* bar1 = new QHBoxLayout;
    bar1->addWidget(new QLabel(QStringLiteral("查询时间："), cxTab1));
    bar1->addWidget(tdate1);
    bar1->addWidget(new QLabel(QStringLiteral("至"), cxTab1));
    bar1->addWidget(tdate2);
    bar1->addWidget(btnDate1);
    bar1->addWidget(new QLabel(QStringLiteral("收银员："), cxTab1));
    bar1->addWidget(comAdmin);
    bar1->addWidget(new QLabel(QStringLiteral("经办人："), cxTab1));
    bar1->addWidget(comUser);
    bar1->addWidget(btnSearch1);
    bar1->addStretch(1);
    auto* tools1 = new QHBoxLayout;
    for (QPushButton* b : { btnView1, btnPrin1, btnExport1, btnExit1 })
        tools1->addWidget(b);
    tools1->addStretch(1);
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addLayout(bar1);
    page1->addLayout(tools1);
    page1->addWidget(cxGrid1View, 1);

    // Lines.
    tdate3 = MakeDateEdit(cxTab2, "tdate3");
    tdate4 = MakeDateEdit(cxTab2, "tdate4");
    btnDate2 = MakePresetButton(cxTab2, tdate3, tdate4, [this] { btnSearch2Click(); });
    tkey = new QLineEdit(cxTab2);
    tkey->setObjectName(QStringLiteral("tkey"));
    InstallGoodsTextFilter(tkey);
    btnSearch2 = button(cxTab2, QStringLiteral("查询(F2)"));
    btnView2 = button(cxTab2, QStringLiteral("查看单据"));
    btnPrin2 = button(cxTab2, QStringLiteral("打印"));
    btnExport2 = button(cxTab2, QStringLiteral("导出"));
    btnExit2 = button(cxTab2, QStringLiteral("退出"));
    cxGrid2View = dayBookGrid(cxTab2, "cxGrid2View", QStringLiteral("D_Poslsz2"),
        { { "pos_xsrq", "销售时间" }, { "gl_djh", "单据号" }, { "hy_bh", "会员编号" }, { "hy_name", "会员名称" },
            { "g_sn", "商品编号" }, { "g_name", "商品名称" }, { "pos_dj", "单价" }, { "pos_dzl", "打折率" },
            { "pos_sl", "数量" }, { "pos_zje", "总金额" }, { "dw_name", "单位" }, { "gg_name", "款型说明" } });
    auto* bar2 = new QHBoxLayout;
    bar2->addWidget(new QLabel(QStringLiteral("查询时间："), cxTab2));
    bar2->addWidget(tdate3);
    bar2->addWidget(new QLabel(QStringLiteral("至"), cxTab2));
    bar2->addWidget(tdate4);
    bar2->addWidget(btnDate2);
    bar2->addWidget(new QLabel(QStringLiteral("单据号/会员编号姓名/商品名称编号："), cxTab2));
    bar2->addWidget(tkey, 1);
    bar2->addWidget(btnSearch2);
    auto* tools2 = new QHBoxLayout;
    for (QPushButton* b : { btnView2, btnPrin2, btnExport2, btnExit2 })
        tools2->addWidget(b);
    tools2->addStretch(1);
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(bar2);
    page2->addLayout(tools2);
    page2->addWidget(cxGrid2View, 1);

    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(btnView1, &QPushButton::clicked, this, [this] { btnView1Click(); });
    connect(btnView2, &QPushButton::clicked, this, [this] { btnView2Click(); });
    connect(btnPrin1, &QPushButton::clicked, this, [this] { btnPrin1Click(); });
    connect(btnPrin2, &QPushButton::clicked, this, [this] { btnPrin2Click(); });
    connect(btnExport1, &QPushButton::clicked, this, [this] { btnExport1Click(); });
    connect(btnExport2, &QPushButton::clicked, this, [this] { btnExport2Click(); });
    connect(btnExit1, &QPushButton::clicked, this, [this] { close(); });
    connect(btnExit2, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { btnView1Click(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this](int) { btnView2Click(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this](int) { cxPageChange(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() != Qt::Key_F2)
            return false;
        if (cxPage->currentWidget() == cxTab1)
            btnSearch1Click();
        else
            btnSearch2Click();
        return true;
    });
}

TF_Posxs_Lsz::~TF_Posxs_Lsz()
{
    tickets().Close();
    ticketLines().Close();
}

void TF_Posxs_Lsz::FormActivate()
{
    ApplyFontSize(FontSize);
    const Period month = CurrentMonth(Clock::Today());
    SetPeriod(tdate1, tdate2, month);
    SetPeriod(tdate3, tdate4, month);
    tkey->clear();
    {
        const QSignalBlocker quiet(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    FillAdminCombo(*comAdmin, kAllCashiers);
    comAdmin->setCurrentIndex(0);
    FillStaffCombo(*comUser, QStringLiteral("u_xs"), kAllStaff);
    comUser->setCurrentIndex(0);
    btnSearch1Click();
    for (const char* field : { "pos_yhzkje", "pos_sfje", "pos_mlje", "pos_xj", "pos_czk", "pos_yhk", "pos_djq",
             "pos_wxje", "pos_zfbje", "pos_zlje" }) {
        const int col = cxGrid1View->ColumnByField(QString::fromLatin1(field));
        SetAmountColumnFormat(GridColumnFormat(*cxGrid1View, col));
        cxGrid1View->SetFooterSum(col);
        SetAmountSummaryFormat(GridFooterFormat(*cxGrid1View, col));
    }
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2View, cxGrid2View->ColumnByField(QStringLiteral("pos_dj"))));
    const int amount = cxGrid2View->ColumnByField(QStringLiteral("pos_zje"));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2View, amount));
    cxGrid2View->SetFooterSum(amount);
    SetAmountSummaryFormat(GridFooterFormat(*cxGrid2View, amount));
    const int qty = cxGrid2View->ColumnByField(QStringLiteral("pos_sl"));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2View, qty));
    cxGrid2View->SetFooterSum(qty);
    SetQtySummaryFormat(GridFooterFormat(*cxGrid2View, qty));
    // Operators who may not see sale prices see no prices on the lines and cannot print them.
    for (const char* field : { "pos_dj", "pos_dzl", "pos_zje" })
        cxGrid2View->SetColumnVisible(cxGrid2View->ColumnByField(QString::fromLatin1(field)), ShowSalePrice);
    btnPrin2->setEnabled(ShowSalePrice);
}

void TF_Posxs_Lsz::btnSearch1Click()
{
    DayBookFilter f { tdate1->date(), tdate2->date(), QString(), QString() };
    if (comUser->currentIndex() >= 0 && comUser->currentText() != kAllStaff)
        f.staff = comUser->Code(comUser->currentIndex());
    if (comAdmin->currentIndex() >= 0 && comAdmin->currentText() != kAllCashiers)
        f.cashier = comAdmin->currentText();
    OpenQuery(tickets(), DayBookTicketsSql(f));
}

void TF_Posxs_Lsz::btnSearch2Click()
{
    OpenQuery(ticketLines(), DayBookLinesSql(tdate3->date(), tdate4->date(), tkey->text()));
}

void TF_Posxs_Lsz::btnView1Click()
{
    ViewPosTicket(tickets());
}

void TF_Posxs_Lsz::btnView2Click()
{
    ViewPosTicket(ticketLines());
}

void TF_Posxs_Lsz::btnPrin1Click()
{
    if (!tickets().Active() || tickets().IsEmpty())
        return;
    PrintQueryReport(QStringLiteral("poslsz.fr3"), QStringLiteral("frxDBDataset3"), tickets(),
        { { QStringLiteral("date1"), day(tdate1->date()) }, { QStringLiteral("date2"), day(tdate2->date()) } });
}

void TF_Posxs_Lsz::btnPrin2Click()
{
    if (!btnPrin2->isEnabled() || !ticketLines().Active() || ticketLines().IsEmpty())
        return;
    PrintQueryReport(QStringLiteral("posmxb.fr3"), QStringLiteral("frxDBDataset4"), ticketLines(),
        { { QStringLiteral("date1"), day(tdate3->date()) }, { QStringLiteral("date2"), day(tdate4->date()) } });
}

void TF_Posxs_Lsz::btnExport1Click()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

void TF_Posxs_Lsz::btnExport2Click()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

void TF_Posxs_Lsz::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2)
        btnSearch2Click();
}
