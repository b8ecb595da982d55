#include "pos/posjg.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "pos/poscart.h"
#include "pos/posdialogparts.h"
#include "pos/posmainform.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

Connection& holdDb()
{
    return F_DataModule->ADOConn;
}

// The colour-by-size rows of one line copied under another line's id.
void copyLineRows(const QString& from, const QString& to, const SqlParams& p, const QString& extraColumn)
{
    ExecBound(QStringLiteral("insert into ") + to + QStringLiteral(" (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid")
            + extraColumn + QStringLiteral(") select gl_djh,g_sn,cm_sn,color_sn,t_sl,:op,:id") + extraColumn
            + QStringLiteral(" from ") + from + QStringLiteral(" where tid=:tid and gl_djh=:n"),
        p);
}

}

void HoldPosSale(const PosHold& h)
{
    Transaction t(holdDb());
    const SqlParams key { { QStringLiteral("n"), h.number }, { QStringLiteral("op"), h.op } };
    const QString memberSn = h.memberNo.isEmpty()
        ? QString()
        : ScalarBound(
            QStringLiteral("select hy_sn from jxc_hyxx where hy_bh=:b"), { { QStringLiteral("b"), h.memberNo } });
    ExecBound(
        QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,tid,"
                       "pos_cbj,pos_zcb,pos_lsj,t_zp) select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,"
                       "id,ls_cbj,ls_zcb,ls_lsj,t_zp from jxc_lsxssp where gl_djh=:n and a_name=:op order by id"),
        key);
    ExecBound(QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_sfje,pos_note,a_name,u_sn,"
                             "ck_sn) values (:n,:hy,:rq,:total,0,'gd',:op,:u,:ck)"),
        { { QStringLiteral("n"), h.number }, { QStringLiteral("hy"), memberSn },
            { QStringLiteral("rq"), Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) },
            { QStringLiteral("total"), h.total.toDouble() }, { QStringLiteral("op"), h.op },
            { QStringLiteral("u"), h.salesman == QLatin1String("-1") ? QString() : h.salesman },
            { QStringLiteral("ck"), h.warehouse } });
    Query q(&holdDb());
    OpenWithParams(q,
        QStringLiteral("select distinct a.id,a.tid from jxc_posxssp a,jxc_lsxsspmx b where a.tid=b.tid and "
                       "a.gl_djh=:n and a.a_name=:op and b.gl_djh=:n and b.a_name=:op order by a.id"),
        key);
    for (q.First(); !q.Eof(); q.Next()) {
        SqlParams line = key;
        line.insert(QStringLiteral("id"), q.AsInteger(QStringLiteral("id")));
        line.insert(QStringLiteral("tid"), q.AsInteger(QStringLiteral("tid")));
        copyLineRows(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("jxc_posxsspmx"), line, QStringLiteral(",t_kc"));
        ExecBound(QStringLiteral("update jxc_posxssp set tid=id where id=:id"), line);
    }
    PosCart::DeleteAll(h.number, h.op);
    t.Commit();
}

QString ResumeHeldSale(const QString& number, const QString& op)
{
    Transaction t(holdDb());
    const SqlParams key { { QStringLiteral("n"), number }, { QStringLiteral("op"), op } };
    const QString memberSn
        = ScalarBound(QStringLiteral("select hy_sn from jxc_posxsd where gl_djh=:n and pos_note='gd'"), key);
    Query held(&holdDb());
    OpenWithParams(held, QStringLiteral("select id,tid from jxc_posxssp where gl_djh=:n order by id"), key);
    for (held.First(); !held.Eof(); held.Next()) {
        SqlParams line = key;
        line.insert(QStringLiteral("hid"), held.AsInteger(QStringLiteral("id")));
        // The resuming cashier takes the lines over, so his till shows and pays them.
        const qint64 id = holdDb().Insert(
            QStringLiteral(
                "insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,ls_je,"
                "ls_tax,ls_taxdj,ls_taxje,ls_lsj,ls_cksl,ls_cbj,ls_zcb,ls_dhdj,t_yxq,t_ph,t_scrq,ls_zsl,"
                "dw_name,g_sptm,g_zhxs,gl_djh2,idck) select gl_djh,pos_dj,pos_sl,pos_zje,g_sn,:op,pos_dzl,"
                "pos_zje,t_zp,pos_zje,0,pos_dj,0,pos_lsj,pos_sl,pos_cbj,pos_zcb,pos_dj*pos_dzl,t_yxq,t_ph,"
                "t_scrq,pos_zsl,dw_name,g_sptm,coalesce(g_zhxs,1),gl_djh3,idck from jxc_posxssp where id=:hid"),
            line);
        line.insert(QStringLiteral("id"), id);
        line.insert(QStringLiteral("tid"), held.AsInteger(QStringLiteral("tid")));
        ExecBound(QStringLiteral("update jxc_lsxssp set tid=id where id=:id"), line);
        copyLineRows(QStringLiteral("jxc_posxsspmx"), QStringLiteral("jxc_lsxsspmx"), line, QStringLiteral(",t_kc"));
    }
    for (const char* table : { "jxc_posxsspmx", "jxc_posxssp", "jxc_posxsd" })
        ExecBound(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where gl_djh=:n"), key);
    t.Commit();
    return memberSn;
}

void DeleteHeldSale(const QString& number)
{
    const SqlParams key { { QStringLiteral("n"), number } };
    Transaction t(holdDb());
    if (ScalarBound(QStringLiteral("select 1 from jxc_posxsd where gl_djh=:n and pos_note='gd'"), key).isEmpty())
        return;
    for (const char* table : { "jxc_posxsspmx", "jxc_posxssp", "jxc_posxsd" })
        ExecBound(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where gl_djh=:n"), key);
    t.Commit();
}

// ---- the window ----

TF_Posxs_Jg::TF_Posxs_Jg(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Jg"));
    setWindowTitle(QStringLiteral("解挂"));
    resize(900, 620);
    auto* box = new QVBoxLayout(this);
    const PosPeriodBar period = MakePosPeriodBar(
        this, QStringLiteral("查询时间："), QStringLiteral("按会员编号或姓名查询："), [this] { btnSearchClick(); });
    QHBoxLayout* bar = period.layout;
    tdate1 = period.from;
    tdate2 = period.to;
    btnDate = period.presets;
    tkey = period.key;
    tkey->setPlaceholderText(QStringLiteral("回车键开始查询"));
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnJg = new QPushButton(QStringLiteral("解挂F5"), this);
    btnDelete = new QPushButton(QStringLiteral("删除F3"), this);
    btnPrint = new QPushButton(QStringLiteral("打印"), this);
    btnExit = new QPushButton(QStringLiteral("退出Esc"), this);
    auto* printMenu = new QMenu(btnPrint);
    connect(printMenu->addAction(QStringLiteral("汇总表(&Y)")), &QAction::triggered, this, &TF_Posxs_Jg::N_HzbClick);
    connect(printMenu->addAction(QStringLiteral("明细表(&Z)")), &QAction::triggered, this, &TF_Posxs_Jg::N_MxbClick);
    btnPrint->setMenu(printMenu);
    for (QPushButton* b : { btnSearch, btnJg, btnDelete, btnPrint, btnExit }) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    bar->addStretch(1);
    box->addLayout(bar);

    cxGrid1 = new DataGrid(this);
    cxGrid1->AddColumn(QStringLiteral("gl_djh"), QStringLiteral("单据编号"), 130);
    cxGrid1->AddColumn(QStringLiteral("pos_xsrq"), QStringLiteral("挂单日期"), 150);
    cxGrid1->AddColumn(QStringLiteral("hybh"), QStringLiteral("会员编号"), 100);
    cxGrid1->AddColumn(QStringLiteral("hyname"), QStringLiteral("会员姓名"), 100);
    cxGrid1->AddColumn(QStringLiteral("pos_yfje"), QStringLiteral("应付金额"), 100, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("a_name"), QStringLiteral("操作员"), 90);
    cxGrid1->SetFooterVisible(true);
    SetRecordCount(*cxGrid1, 0);
    cxGrid1->SetFooterSum(4);
    box->addWidget(cxGrid1, 1);
    lDetail = new QLabel(QStringLiteral("单据的详细信息"), this);
    box->addWidget(lDetail);
    cxGrid2 = new DataGrid(this);
    cxGrid2->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid2->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGrid2->AddColumn(QStringLiteral("pos_dj"), QStringLiteral("单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("pos_dzl"), QStringLiteral("折扣"), 60, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("dhdj"), QStringLiteral("折后单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("pos_sl"), QStringLiteral("数量"), 70, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("pos_zje"), QStringLiteral("金额"), 90, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->SetFooterVisible(true);
    SetRecordCount(*cxGrid2, 0);
    cxGrid2->SetFooterSum(5);
    cxGrid2->SetFooterSum(6);
    box->addWidget(cxGrid2, 1);

    connect(btnSearch, &QPushButton::clicked, this, &TF_Posxs_Jg::btnSearchClick);
    connect(btnJg, &QPushButton::clicked, this, &TF_Posxs_Jg::btnJgClick);
    connect(btnDelete, &QPushButton::clicked, this, &TF_Posxs_Jg::btnDeleteClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cxGrid1, &DataGrid::currentRowChanged, this, [this](int) { cxGrid1Click(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F2:
            btnSearchClick();
            return true;
        case Qt::Key_F3:
            btnDeleteClick();
            return true;
        case Qt::Key_F5:
            btnJgClick();
            return true;
        default:
            return false;
        }
    });
}

void TF_Posxs_Jg::FormActivate()
{
    SetPeriod(tdate1, tdate2, Period { Clock::Today(), Clock::Today() });
    SetQtyColumnFormat(GridColumnFormat(*cxGrid1, 4));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid1, 4));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 2));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 4));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2, 5));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid2, 5));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 6));
    SetAmountSummaryFormat(GridFooterFormat(*cxGrid2, 6));
    btnSearchClick();
}

QString TF_Posxs_Jg::current() const
{
    const Query& q = F_DataModule->Q(QStringLiteral("Q_PosJg"));
    return q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("gl_djh")) : QString();
}

void TF_Posxs_Jg::btnSearchClick()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosJg"));
    q.Close();
    q.ClearParams();
    // Held sales of every cashier; the period takes in the whole end day.
    q.SetSQL(
        QStringLiteral("select * from (select a.*,coalesce(b.hy_name,'') as hyname,coalesce(b.hy_bh,'') as hybh "
                       "from jxc_posxsd a left outer join jxc_hyxx b on a.hy_sn=b.hy_sn) t where pos_note='gd' and ")
        + PeriodCondition(QStringLiteral("pos_xsrq"), tdate1->date(), tdate2->date())
        + QStringLiteral(" and (hyname like :k or hybh like :k) order by id"));
    q.SetParam(QStringLiteral("k"), QStringLiteral("%") + SafeSqlText(tkey->text().trimmed()) + QStringLiteral("%"));
    q.Open();
    if (!cxGrid1->GetDataSource())
        cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosJg")));
    cxGrid1Click();
}

void TF_Posxs_Jg::cxGrid1Click()
{
    const QString number = current();
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosJg2"));
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral("select a.*,(coalesce(b.g_name,'')||coalesce(a.t_zp,'')) as g_name,a.pos_dj*a.pos_dzl as "
                            "dhdj from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:n order by a.id"));
    q.SetParam(QStringLiteral("n"), number);
    q.Open();
    if (!cxGrid2->GetDataSource())
        cxGrid2->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosJg2")));
    lDetail->setText(QStringLiteral("单据 ") + number + QStringLiteral(" 的详细信息"));
}

void TF_Posxs_Jg::btnDeleteClick()
{
    const QString number = current();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除单据信息吗！")) != Prompt::Answer::Yes)
        return;
    DeleteHeldSale(number);
    btnSearchClick();
}

void TF_Posxs_Jg::btnJgClick()
{
    const QString h = current();
    if (h.isEmpty() || !till)
        return;
    till->setInitValue(h);
    const QString memberSn = ResumeHeldSale(h, CurrentAdminName);
    if (!memberSn.isEmpty()) {
        Query m(&F_DataModule->ADOConn);
        OpenWithParams(m,
            QStringLiteral(
                "select a.*,b.hl_name,b.hl_zk from jxc_hyxx a,jxc_hyfl b where a.hl_sn=b.hl_sn and a.hy_sn=:s"),
            { { QStringLiteral("s"), memberSn } });
        if (!m.IsEmpty()) {
            m.First();
            ActiveDocKind = m.AsString(QStringLiteral("hy_zhje"));
            till->hy_bh->setText(m.AsString(QStringLiteral("hy_bh")));
            till->hy_name->setText(m.AsString(QStringLiteral("hy_name")));
            till->hy_jf->setText(m.AsString(QStringLiteral("hy_jf")));
            till->hl_name->setText(m.AsString(QStringLiteral("hl_name")));
            till->hl_zk->setText(m.AsString(QStringLiteral("hl_zk")));
            till->hy_zhye->setText(ActiveDocKind);
        }
    }
    accept();
}

void TF_Posxs_Jg::N_HzbClick()
{
    PrintSearchedList(
        QStringLiteral("posjghzb"), F_DataModule->Q(QStringLiteral("Q_PosJg")), tdate1->date(), tdate2->date());
}

void TF_Posxs_Jg::N_MxbClick()
{
    // The lines of every held sale listed, under their sale.
    Query& lines = F_DataModule->Q(QStringLiteral("Q_PosJgMx"));
    lines.Close();
    lines.ClearParams();
    lines.SetSQL(QStringLiteral("select t.gl_djh,t.pos_xsrq,t.hybh,t.hyname,t.a_name,a.g_sn,(coalesce(g.g_name,'')||"
                                "coalesce(a.t_zp,'')) as g_name,a.pos_dj,a.pos_dzl,a.pos_dj*a.pos_dzl as dhdj,a.pos_sl,"
                                "a.pos_zje from (select h.*,coalesce(b.hy_name,'') as hyname,coalesce(b.hy_bh,'') as "
                                "hybh from jxc_posxsd h left outer join jxc_hyxx b on h.hy_sn=b.hy_sn) t,jxc_posxssp a,"
                                "jxc_goods g where t.gl_djh=a.gl_djh and a.g_sn=g.g_sn and t.pos_note='gd' and ")
        + PeriodCondition(QStringLiteral("t.pos_xsrq"), tdate1->date(), tdate2->date())
        + QStringLiteral(" and (t.hyname like :k or t.hybh like :k) order by t.id,a.id"));
    lines.SetParam(
        QStringLiteral("k"), QStringLiteral("%") + SafeSqlText(tkey->text().trimmed()) + QStringLiteral("%"));
    lines.Open();
    PrintSearchedList(QStringLiteral("posjgmxb"), lines, tdate1->date(), tdate2->date());
}

void posGD(TF_PosMainForm& till)
{
    PosHold h;
    h.number = till.SaleNumber();
    h.op = CurrentAdminName;
    h.memberNo = till.hy_bh->text();
    h.salesman = till.comUser->count() > 0 && till.comUser->currentIndex() >= 0
        ? GetComboCode(*till.comUser, till.comUser->currentIndex())
        : QString();
    h.warehouse = till.comCk->count() > 0 && till.comCk->currentIndex() >= 0
        ? GetComboCode(*till.comCk, till.comCk->currentIndex())
        : QString();
    h.total = till.hjje->text();
    HoldPosSale(h);
    till.openGridViewData(h.number);
    Prompt::Info(QStringLiteral("挂单成功！"));
    // The held number stays with the held sale.
    till.setInitValue(PosCart::FreeSaleNumber());
}

void posJG(TF_PosMainForm& till)
{
    if (!till.CartEmpty()) {
        Prompt::Info(QStringLiteral("系统处于销售状态，不能解挂??"));
        return;
    }
    ActiveDocKind.clear();
    TF_Posxs_Jg window;
    window.till = &till;
    window.ShowModal();
    till.openGridViewData(till.SaleNumber());
    till.updateBottomHjje();
    till.bottomPanel->show();
    till.bottomPanel->setCurrentIndex(ActiveDocKind.isEmpty() ? 0 : 1);
}
