#include "pos/poshb.h"

#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/numberedit.h"
#include "platform/ui/prompt.h"
#include "posting/printvars.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

const QString kAllOperators = QStringLiteral("所有操作员");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

Query& handOvers()
{
    return F_DataModule->Q(QStringLiteral("Q_Jbgl"));
}

// The first row of a bound statement as numbers by column name; empty sums give 0.
QHash<QString, double> sums(const QString& sql, const SqlParams& params)
{
    const ResultSet r = F_DataModule->ADOConn.Fetch(sql, params);
    QHash<QString, double> out;
    if (!r.rows.empty())
        for (int c = 0; c < r.names.size(); ++c)
            out.insert(r.names[c].toLower(), ValueNumber(r.rows.front()[c]));
    return out;
}

// The money columns of a hand-over and where each stands in the totals.
struct HandOverColumn {
    const char* column;
    double ShiftTotals::*total;
};
const HandOverColumn kHandOverColumns[] = {
    { "jb_xjje", &ShiftTotals::cash },
    { "jb_czkje", &ShiftTotals::storedValue },
    { "jb_yhkje", &ShiftTotals::bankCard },
    { "jb_djqje", &ShiftTotals::voucher },
    { "jb_wxje", &ShiftTotals::weChat },
    { "jb_zfbje", &ShiftTotals::alipay },
    { "jb_mlje", &ShiftTotals::writtenOff },
    { "jb_zlje", &ShiftTotals::change },
    { "jb_xsje", &ShiftTotals::sales },
    { "jb_thje", &ShiftTotals::returns },
    { "jb_rkje", &ShiftTotals::cashIn },
    { "jb_ckje", &ShiftTotals::cashOut },
    { "jb_xjje2", &ShiftTotals::memberCash },
    { "jb_yhkje2", &ShiftTotals::memberCard },
    { "jb_wxje2", &ShiftTotals::memberWeChat },
    { "jb_zfbje2", &ShiftTotals::memberAlipay },
    { "jb_zlje2", &ShiftTotals::memberChange },
    { "jb_xfje", &ShiftTotals::memberAmount },
};

// The receipt's variable for each stored column.
const std::pair<const char*, const char*> kReceiptVariables[] = {
    { "aname", "a_name" },
    { "czk", "jb_czkje" },
    { "xj", "jb_xjje" },
    { "thje", "jb_thje" },
    { "yhk", "jb_yhkje" },
    { "rkje", "jb_rkje" },
    { "djq", "jb_djqje" },
    { "ckje", "jb_ckje" },
    { "wx", "jb_wxje" },
    { "zfb", "jb_zfbje" },
    { "xsje", "jb_xsje" },
    { "mlje", "jb_mlje" },
    { "zlje", "jb_zlje" },
    { "xj2", "jb_xjje2" },
    { "yhk2", "jb_yhkje2" },
    { "wx2", "jb_wxje2" },
    { "zfb2", "jb_zfbje2" },
    { "xsje2", "jb_xfje" },
    { "zlje2", "jb_zlje2" },
    { "yjje", "jb_yjje" },
    { "sjje", "jb_sjje" },
    { "stime", "jb_begintime" },
    { "etime", "jb_endtime" },
    { "note", "jb_note" },
};

// A shown amount: the plain number, cents at most.
QString amountText(double v)
{
    return PrintNumber(std::round(v * 100) / 100);
}

QString joined(const QDateEdit* d, const QTimeEdit* t)
{
    return QDateTime(d->date(), t->time()).toString(kTimeFormat);
}

QLabel* totalLabel(QWidget* parent, QGridLayout* grid, int row, int col, const QString& caption)
{
    grid->addWidget(new QLabel(caption, parent), row, col * 2);
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setMinimumWidth(90);
    grid->addWidget(l, row, col * 2 + 1);
    return l;
}

} // namespace

ShiftTotals ComputeShiftTotals(const QString& cashier, const QString& start, const QString& end)
{
    const SqlParams p { { QStringLiteral("a"), cashier }, { QStringLiteral("s"), start },
        { QStringLiteral("e"), end } };
    ShiftTotals t;
    // Held sales still waiting carry their cart total but are no sales yet.
    const QString tickets = QStringLiteral(" from jxc_posxsd where a_name=:a and pos_xsrq>=:s and pos_xsrq<=:e "
                                           "and coalesce(pos_note,'')<>'gd'");
    auto s = sums(QStringLiteral("select sum(pos_yfje) as xsje,sum(pos_xj) as xj,sum(pos_czk) as czk,"
                                 "sum(pos_yhk) as yhk,sum(pos_djq) as djq,sum(pos_mlje) as mlje,sum(pos_zlje) as zlje,"
                                 "sum(pos_wxje) as wxje,sum(pos_zfbje) as zfbje")
            + tickets + QStringLiteral(" and pos_yfje>0"),
        p);
    t.sales = s.value(QStringLiteral("xsje"));
    t.cash = s.value(QStringLiteral("xj"));
    t.storedValue = s.value(QStringLiteral("czk"));
    t.bankCard = s.value(QStringLiteral("yhk"));
    t.voucher = s.value(QStringLiteral("djq"));
    t.writtenOff = s.value(QStringLiteral("mlje"));
    t.change = s.value(QStringLiteral("zlje"));
    t.weChat = s.value(QStringLiteral("wxje"));
    t.alipay = s.value(QStringLiteral("zfbje"));
    t.returns = sums(QStringLiteral("select sum(pos_yfje) as thje") + tickets + QStringLiteral(" and pos_yfje<0"), p)
                    .value(QStringLiteral("thje"));
    s = sums(QStringLiteral("select sum(case when crk_flag='r' then crk_je else 0 end) as rk,"
                            "sum(case when crk_flag='c' then crk_je else 0 end) as ck from jxc_crk "
                            "where crk_rq>=:s and crk_rq<=:e and a_name=:a"),
        p);
    t.cashIn = s.value(QStringLiteral("rk"));
    t.cashOut = s.value(QStringLiteral("ck"));
    // Every member money row booked under the cashier in the shift, whatever its kind.
    s = sums(QStringLiteral("select sum(xf_je) as xfje,sum(xf_xj) as xj,sum(xf_wxje) as wxje,sum(xf_xyk) as yhk,"
                            "sum(xf_zfbje) as zfbje,sum(xf_zlje) as zlje from jxc_hyxf "
                            "where a_name=:a and xf_rq>=:s and xf_rq<=:e"),
        p);
    t.memberAmount = s.value(QStringLiteral("xfje"));
    t.memberCash = s.value(QStringLiteral("xj"));
    t.memberWeChat = s.value(QStringLiteral("wxje"));
    t.memberCard = s.value(QStringLiteral("yhk"));
    t.memberAlipay = s.value(QStringLiteral("zfbje"));
    t.memberChange = s.value(QStringLiteral("zlje"));
    return t;
}

qint64 StoreHandOver(const HandOver& h)
{
    QString columns = QStringLiteral("jb_begintime,jb_endtime,a_name,jb_yjje,jb_sjje,jb_note");
    QString values = QStringLiteral(":b,:e,:a,:yj,:sj,:note");
    SqlParams p { { QStringLiteral("b"), h.begin }, { QStringLiteral("e"), h.end }, { QStringLiteral("a"), h.cashier },
        { QStringLiteral("yj"), h.totals.Due() }, { QStringLiteral("sj"), h.handedIn },
        { QStringLiteral("note"), h.note.trimmed() } };
    for (const HandOverColumn& c : kHandOverColumns) {
        const QString name = QString::fromLatin1(c.column);
        columns += QLatin1Char(',') + name;
        values += QStringLiteral(",:") + name;
        p.insert(name, h.totals.*c.total);
    }
    Transaction t(F_DataModule->ADOConn);
    const qint64 id = F_DataModule->ADOConn.Insert(
        QStringLiteral("insert into jxc_poshb (") + columns + QStringLiteral(") values (") + values + QLatin1Char(')'),
        p);
    t.Commit();
    return id;
}

void PrintHandOverReceipt(Report& report, qint64 id)
{
    const ResultSet settings
        = F_DataModule->ADOConn.Fetch(QStringLiteral("select pp_kd,pp_bzxx from jxc_posprint order by id limit 1"));
    QString width, preview;
    if (!settings.rows.empty()) {
        width = ValueText(settings.rows.front()[0], settings.bit.value(0));
        preview = ValueText(settings.rows.front()[1], settings.bit.value(1));
    }
    report.LoadFromFile(ProgramFolder::File(
        width == QLatin1String("0") ? QStringLiteral("report/jbxp58.fr3") : QStringLiteral("report/jbxp.fr3")));
    const ResultSet row = F_DataModule->ADOConn.Fetch(
        QStringLiteral("select * from jxc_poshb where id=:id"), { { QStringLiteral("id"), id } });
    if (row.rows.empty())
        return;
    for (const auto& [variable, column] : kReceiptVariables) {
        const int c = row.names.indexOf(QLatin1String(column));
        const QVariant v = c < 0 ? QVariant() : row.rows.front()[c];
        const bool text = qstrncmp(column, "jb_", 3) != 0 || qstrcmp(column, "jb_note") == 0
            || qstrcmp(column, "jb_begintime") == 0 || qstrcmp(column, "jb_endtime") == 0;
        report.SetVariable(QLatin1String(variable), text ? ValueText(v) : amountText(ValueNumber(v)));
    }
    if (IsTrue(preview)) {
        report.ShowReport();
    } else {
        report.PrepareReport();
        report.Print(PrintOptions {}); // the default printer, no dialog
    }
}

QString HandOverHistorySql(const QDate& from, const QDate& to, const QString& cashier)
{
    QString sql
        = QStringLiteral("select * from jxc_poshb where ") + PeriodCondition(QStringLiteral("jb_begintime"), from, to);
    if (!cashier.isEmpty())
        sql += QStringLiteral(" and a_name=") + SqlQuoted(cashier);
    return sql + QStringLiteral(" order by id");
}

// ---- the window ----

TF_Posxs_Hb::TF_Posxs_Hb(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Hb"));
    setWindowTitle(QStringLiteral("交班小票"));
    resize(900, 560);
    cxPage = new QTabWidget(this);
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("当前交班信息"));
    cxPage->addTab(cxTab2, QStringLiteral("历次交班记录"));
    (new QVBoxLayout(this))->addWidget(cxPage);

    // The shift.
    auto* page1 = new QVBoxLayout(cxTab1);
    lsyy = new QLabel(cxTab1);
    page1->addWidget(lsyy);
    auto* span = new QHBoxLayout;
    tdate1 = MakeDateEdit(cxTab1, "tdate1");
    tdate2 = MakeDateEdit(cxTab1, "tdate2");
    ttime1 = new QTimeEdit(cxTab1);
    ttime2 = new QTimeEdit(cxTab1);
    for (QTimeEdit* t : { ttime1, ttime2 })
        t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    span->addWidget(new QLabel(QStringLiteral("当班时间："), cxTab1));
    for (QWidget* w : std::initializer_list<QWidget*> { tdate1, ttime1 })
        span->addWidget(w);
    span->addWidget(new QLabel(QStringLiteral("至"), cxTab1));
    for (QWidget* w : std::initializer_list<QWidget*> { tdate2, ttime2 })
        span->addWidget(w);
    span->addStretch(1);
    page1->addLayout(span);
    auto* g = new QGridLayout;
    ljb_xjje = totalLabel(cxTab1, g, 0, 0, QStringLiteral("现金金额："));
    ljb_czkje = totalLabel(cxTab1, g, 0, 1, QStringLiteral("储值卡额："));
    ljb_yhkje = totalLabel(cxTab1, g, 0, 2, QStringLiteral("信用卡额："));
    ljb_djqje = totalLabel(cxTab1, g, 1, 0, QStringLiteral("代金券额："));
    ljb_wxje = totalLabel(cxTab1, g, 1, 1, QStringLiteral("微信金额："));
    ljb_zfbje = totalLabel(cxTab1, g, 1, 2, QStringLiteral("支付宝："));
    ljb_mlje = totalLabel(cxTab1, g, 2, 0, QStringLiteral("抹零金额："));
    ljb_zlje = totalLabel(cxTab1, g, 2, 1, QStringLiteral("找零金额："));
    ljb_xsje = totalLabel(cxTab1, g, 2, 2, QStringLiteral("销售金额："));
    ljb_thje = totalLabel(cxTab1, g, 3, 0, QStringLiteral("退货金额："));
    ljb_rkje = totalLabel(cxTab1, g, 3, 1, QStringLiteral("入款金额："));
    ljb_ckje = totalLabel(cxTab1, g, 3, 2, QStringLiteral("已出款额："));
    g->addWidget(new QLabel(QStringLiteral("会员充值："), cxTab1), 4, 0);
    ljb_xjje2 = totalLabel(cxTab1, g, 5, 0, QStringLiteral("现金金额："));
    ljb_yhkje2 = totalLabel(cxTab1, g, 5, 1, QStringLiteral("信用卡额："));
    ljb_wxje2 = totalLabel(cxTab1, g, 5, 2, QStringLiteral("微信金额："));
    ljb_zfbje2 = totalLabel(cxTab1, g, 6, 0, QStringLiteral("支付宝："));
    ljb_xfje = totalLabel(cxTab1, g, 6, 1, QStringLiteral("充值金额："));
    ljb_zlje2 = totalLabel(cxTab1, g, 6, 2, QStringLiteral("找零金额："));
    ljb_yjje = totalLabel(cxTab1, g, 7, 0, QStringLiteral("应交款额："));
    g->addWidget(new QLabel(QStringLiteral("实交款额："), cxTab1), 7, 2);
    tsjje = new NumberEdit(cxTab1);
    tsjje->SetDecimals(2);
    tsjje->setMaxLength(10);
    g->addWidget(tsjje, 7, 3);
    g->addWidget(new QLabel(QStringLiteral("备注："), cxTab1), 8, 0);
    tnote = new QLineEdit(cxTab1);
    tnote->setMaxLength(64);
    g->addWidget(tnote, 8, 1, 1, 5);
    g->addWidget(new QLabel(QStringLiteral("单位：（元）"), cxTab1), 9, 0);
    page1->addLayout(g);
    chkPrint = new QCheckBox(QStringLiteral("打印交班小票(F4)"), cxTab1);
    page1->addWidget(chkPrint);
    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(QStringLiteral("确定交班(F5)"), cxTab1);
    btnCancel = new QPushButton(QStringLiteral("取消交班(Esc)"), cxTab1);
    btnTj = new QPushButton(QStringLiteral("重新统计(F3)"), cxTab1);
    for (QPushButton* b : { btnOK, btnCancel, btnTj })
        buttons->addWidget(b);
    buttons->addStretch(1);
    page1->addLayout(buttons);
    page1->addStretch(1);

    // The history.
    tdate3 = MakeDateEdit(cxTab2, "tdate3");
    tdate4 = MakeDateEdit(cxTab2, "tdate4");
    btnDate = MakePresetButton(cxTab2, tdate3, tdate4, [this] { btnSearchClick(); });
    comAdmin = new KeyedCombo(cxTab2);
    comAdmin->setMinimumWidth(120);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), cxTab2);
    btnView = new QPushButton(QStringLiteral("查看单据"), cxTab2);
    btnExport = new QPushButton(QStringLiteral("导出"), cxTab2);
    btnExit = new QPushButton(QStringLiteral("退出"), cxTab2);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("交班时间："), cxTab2));
    bar->addWidget(tdate3);
    bar->addWidget(new QLabel(QStringLiteral("至"), cxTab2));
    bar->addWidget(tdate4);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("操作员："), cxTab2));
    bar->addWidget(comAdmin);
    for (QPushButton* b : { btnSearch, btnView, btnExport, btnExit })
        bar->addWidget(b);
    bar->addStretch(1);
    cxGrid = new DataGrid(cxTab2);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Jbgl")));
    cxGrid->SetFooterVisible(true);
    struct Band {
        const char* caption;
        std::initializer_list<std::pair<const char*, const char*>> columns;
    };
    const Band bands[] = {
        { "交班时间", { { "a_name", "操作员" }, { "jb_begintime", "开始时间" }, { "jb_endtime", "结束时间" } } },
        { "销售信息",
            { { "jb_xjje", "现金" }, { "jb_czkje", "储值卡" }, { "jb_yhkje", "银行卡" }, { "jb_djqje", "代金券" },
                { "jb_wxje", "微信金额" }, { "jb_zfbje", "支付宝金额" }, { "jb_mlje", "抹零金额" },
                { "jb_zlje", "找零金额" }, { "jb_xsje", "销售金额" }, { "jb_thje", "退货金额" },
                { "jb_rkje", "入款金额" }, { "jb_ckje", "出款金额" } } },
        { "会员充值情况",
            { { "jb_xjje2", "现金金额" }, { "jb_yhkje2", "银行卡" }, { "jb_wxje2", "微信" }, { "jb_zfbje2", "支付宝" },
                { "jb_xfje", "充值金额" }, { "jb_zlje2", "找零金额" } } },
        { "交款情况", { { "jb_yjje", "应交金额" }, { "jb_sjje", "实交金额" }, { "jb_note", "备注" } } },
    };
    for (const Band& b : bands) {
        const int band = cxGrid->AddBand(QString::fromUtf8(b.caption));
        for (const auto& [field, caption] : b.columns) {
            const QString f = QString::fromLatin1(field);
            const bool wide = f.endsWith(QLatin1String("time"));
            const int col = cxGrid->AddColumn(f, QString::fromUtf8(caption), wide ? 135 : 80);
            cxGrid->SetColumnBand(col, band);
            if (f.endsWith(QLatin1String("je")) || f.endsWith(QLatin1String("je2"))) {
                SetAmountColumnFormat(GridColumnFormat(*cxGrid, col));
                cxGrid->SetFooterSum(col);
                SetAmountSummaryFormat(GridFooterFormat(*cxGrid, col));
            }
        }
    }
    SetRecordCount(*cxGrid, 0);
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(bar);
    page2->addWidget(cxGrid, 1);

    connect(btnTj, &QPushButton::clicked, this, [this] { btnTjClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnView, &QPushButton::clicked, this, [this] { btnViewClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this](int) { cxPageChange(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_F3:
            btnTjClick();
            return true;
        case Qt::Key_F2:
            btnSearchClick();
            return true;
        case Qt::Key_F4:
            chkPrint->toggle();
            return true;
        case Qt::Key_Escape:
            btnCancelClick();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (qobject_cast<QPushButton*>(focusWidget()))
                return false;
            focusNextChild();
            return true;
        default:
            return false;
        }
    });
}

TF_Posxs_Hb::~TF_Posxs_Hb()
{
    handOvers().Close();
}

void TF_Posxs_Hb::FormActivate()
{
    ApplyFontSize(FontSize);
    lsyy->setText(QStringLiteral("收  银  员：") + CurrentAdminName);
    // The till hands over the start of the shift; the end is now.
    const QDateTime start = QDateTime::fromString(ShiftStartTime, kTimeFormat);
    const QDateTime now = Clock::Now();
    tdate1->setDate(start.isValid() ? start.date() : now.date());
    ttime1->setTime(start.isValid() ? start.time() : QTime(0, 0));
    tdate2->setDate(now.date());
    ttime2->setTime(now.time());
    SetPeriod(tdate3, tdate4, CurrentMonth(now.date()));
    comAdmin->clear();
    if (CurrentRoleSn == QLatin1String("100001")) {
        comAdmin->AddKeyed(kAllOperators, QString());
        Query q(&F_DataModule->ADOConn);
        q.SetSQL(QStringLiteral("select a_sn,a_name from jxc_admin order by id"));
        q.Open();
        for (q.First(); !q.Eof(); q.Next())
            comAdmin->AddKeyed(q.AsString(QStringLiteral("a_name")), q.AsString(QStringLiteral("a_sn")));
    } else {
        comAdmin->AddKeyed(CurrentAdminName, CurrentAdminSn);
    }
    comAdmin->setCurrentIndex(std::max(0, comAdmin->findText(CurrentAdminName)));
    {
        const QSignalBlocker quiet(cxPage);
        cxPage->setCurrentWidget(cxTab1);
    }
    btnTjClick();
}

void TF_Posxs_Hb::showTotals()
{
    const std::pair<QLabel*, double> shown[] = {
        { ljb_xjje, shown_.cash },
        { ljb_czkje, shown_.storedValue },
        { ljb_yhkje, shown_.bankCard },
        { ljb_djqje, shown_.voucher },
        { ljb_wxje, shown_.weChat },
        { ljb_zfbje, shown_.alipay },
        { ljb_mlje, shown_.writtenOff },
        { ljb_zlje, shown_.change },
        { ljb_xsje, shown_.sales },
        { ljb_thje, shown_.returns },
        { ljb_rkje, shown_.cashIn },
        { ljb_ckje, shown_.cashOut },
        { ljb_xjje2, shown_.memberCash },
        { ljb_yhkje2, shown_.memberCard },
        { ljb_wxje2, shown_.memberWeChat },
        { ljb_zfbje2, shown_.memberAlipay },
        { ljb_xfje, shown_.memberAmount },
        { ljb_zlje2, shown_.memberChange },
        { ljb_yjje, shown_.Due() },
    };
    for (const auto& [label, value] : shown)
        label->setText(amountText(value));
}

void TF_Posxs_Hb::btnTjClick()
{
    shown_ = ComputeShiftTotals(CurrentAdminName, joined(tdate1, ttime1), joined(tdate2, ttime2));
    showTotals();
    tsjje->SetValue(std::round(shown_.Due() * 100) / 100);
    tsjje->setFocus();
    tsjje->selectAll();
}

void TF_Posxs_Hb::btnOKClick()
{
    if (Prompt::YesNo(QStringLiteral("您确认要换班吗？")) != Prompt::Answer::Yes)
        return;
    // What is shown is stored, even when the span changed without a recount.
    const qint64 id = StoreHandOver(
        { joined(tdate1, ttime1), joined(tdate2, ttime2), CurrentAdminName, shown_, tsjje->Value(), tnote->text() });
    if (chkPrint->isChecked()) {
        Report report;
        PrintHandOverReceipt(report, id);
    }
    AuxTag = QStringLiteral("1");
    accept();
}

void TF_Posxs_Hb::btnCancelClick()
{
    reject();
}

void TF_Posxs_Hb::btnSearchClick()
{
    const QString op = comAdmin->currentText() == kAllOperators ? QString() : comAdmin->currentText();
    OpenQuery(handOvers(), HandOverHistorySql(tdate3->date(), tdate4->date(), op));
}

void TF_Posxs_Hb::btnViewClick()
{
    Query& q = handOvers();
    if (!q.Active() || q.IsEmpty())
        return;
    Report report;
    PrintHandOverReceipt(report, q.AsString(QStringLiteral("id")).toLongLong());
}

void TF_Posxs_Hb::btnExportClick()
{
    ExportList(*cxGrid, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

void TF_Posxs_Hb::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2)
        btnSearchClick();
}
