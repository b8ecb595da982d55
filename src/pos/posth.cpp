#include "pos/posth.h"

#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/gridfilter.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"
#include "pos/posdialogparts.h"
#include "posting/memberposting.h"
#include "posting/posprint.h"
#include "posting/salesposting.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString kNoSale = QStringLiteral("该销售单不存在！");

Connection& returnDb()
{
    return F_DataModule->ADOConn;
}

double thNumber(const QString& text)
{
    return text.trimmed().toDouble();
}

QPushButton* thButton(QWidget* parent, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

}

QString FreeReturnNumber()
{
    const QString a = NextDocNoToday(QStringLiteral("jxc_xsthd"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
    const QString b = NextDocNoToday(QStringLiteral("jxc_xsthsp"), QStringLiteral("gl_djh"), QStringLiteral("XT"));
    return a > b ? a : b;
}

QString TakeSaleForReturn(QString* returnNo, const QString& saleNo, const QString& op, PosReturnSale* sale)
{
    Query h(&returnDb());
    OpenWithParams(h,
        QStringLiteral("select a.*,b.hy_bh from jxc_posxsd a left outer join jxc_hyxx b on a.hy_sn=b.hy_sn where "
                       "(a.pos_note<>'gd' or a.pos_note is null) and a.gl_djh=:n"),
        { { QStringLiteral("n"), SafeSqlText(saleNo.trimmed()) } });
    if (h.IsEmpty())
        return kNoSale;
    h.First();
    PosReturnSale s;
    s.number = h.AsString(QStringLiteral("gl_djh"));
    s.date = h.AsString(QStringLiteral("pos_xsrq"));
    s.memberNo = h.AsString(QStringLiteral("hy_bh"));
    s.memberSn = h.AsString(QStringLiteral("hy_sn"));
    s.salesman = h.AsString(QStringLiteral("u_sn"));
    s.warehouse = h.AsString(QStringLiteral("ck_sn"));
    s.customer = h.AsString(QStringLiteral("kh_sn"));
    *sale = s;
    if (h.AsString(QStringLiteral("pos_zftype")) == QLatin1String("1"))
        return QStringLiteral("该销售单使用了消费赠送金额，不能退货！");

    Transaction t(returnDb());
    if (DocNoExists(QStringLiteral("jxc_xsthsp"), QStringLiteral("gl_djh"), *returnNo))
        *returnNo = FreeReturnNumber();
    const SqlParams key { { QStringLiteral("n"), *returnNo }, { QStringLiteral("op"), op } };
    ExecBound(QStringLiteral("delete from jxc_xsthsp where gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_xsthspmx where gl_djh=:n and a_name=:op"), key);

    // Each sale line with what approved returns (till or back office) have not taken back.
    Query lines(&returnDb());
    OpenWithParams(lines,
        QStringLiteral("select a.id,a.tid,a.ls_sl,(select coalesce(sum(s.th_sl),0) from jxc_xsthsp s,jxc_xsthd d where "
                       "s.gl_djh=d.gl_djh and d.th_status=1 and s.gl_djh2=a.gl_djh and (s.id2=a.id or s.idck=a.id)) "
                       "as returned from jxc_lsxssp a where a.gl_djh=:s order by a.id"),
        { { QStringLiteral("s"), s.number } });
    int copied = 0;
    for (lines.First(); !lines.Eof(); lines.Next()) {
        const double sold = lines.AsFloat(QStringLiteral("ls_sl"));
        const double rest = std::round((sold - lines.AsFloat(QStringLiteral("returned"))) * 10000) / 10000;
        if (rest <= 0 || sold <= 0)
            continue;
        SqlParams p { { QStringLiteral("n"), *returnNo }, { QStringLiteral("op"), op },
            { QStringLiteral("s"), s.number }, { QStringLiteral("line"), lines.AsInteger(QStringLiteral("id")) },
            { QStringLiteral("q"), rest }, { QStringLiteral("f"), rest / sold } };
        const qint64 id = returnDb().Insert(
            QStringLiteral(
                "insert into jxc_xsthsp (gl_djh,th_dj,th_sl,th_zje,th_dzl,th_zhje,g_sn,a_name,tid,th_je,"
                "th_tax,th_taxdj,th_taxje,th_lsj,th_cbj,th_zcb,gl_djh2,id2) select :n,ls_dj,:q,ls_zje*:f,"
                "ls_dzl,ls_sl,g_sn,:op,tid,ls_je*:f,ls_tax,ls_taxdj,ls_taxje,ls_lsj,ls_cbj,ls_zcb*:f,:s,:line "
                "from jxc_lsxssp where id=:line"),
            p);
        p.insert(QStringLiteral("id"), id);
        p.insert(QStringLiteral("tid"), lines.AsInteger(QStringLiteral("tid")));
        ExecBound(QStringLiteral("insert into jxc_xsthspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,g_sn,"
                                 "cm_sn,color_sn,:q,:op,:id from jxc_lsxsspmx where tid=:tid and gl_djh=:s"),
            p);
        ExecBound(QStringLiteral("update jxc_xsthsp set tid=id where id=:id"), p);
        ++copied;
    }
    if (copied == 0
        && !ScalarBound(
            QStringLiteral("select 1 from jxc_lsxssp where gl_djh=:s limit 1"), { { QStringLiteral("s"), s.number } })
                .isEmpty()) {
        t.Rollback();
        return QStringLiteral("该销售单已全部退货，不能再次退货！");
    }
    t.Commit();
    return QString();
}

QString SetReturnQty(qint64 lineId, double qty, const QString& op)
{
    const SqlParams key { { QStringLiteral("id"), lineId }, { QStringLiteral("op"), op },
        { QStringLiteral("q"), qty } };
    const double current
        = ScalarBound(QStringLiteral("select th_sl from jxc_xsthsp where id=:id and a_name=:op"), key).toDouble();
    if (qty <= 0)
        return QStringLiteral("数量必须大于0！");
    if (qty > current + 1e-9)
        return QStringLiteral("退货数量不能大于销售数量！");
    Transaction t(returnDb());
    ExecBound(QStringLiteral("update jxc_xsthsp set th_sl=:q,th_zje=th_dj*th_dzl*:q,th_je=th_dj*th_dzl*:q,"
                             "th_zcb=th_cbj*:q where id=:id and a_name=:op"),
        key);
    ExecBound(QStringLiteral("update jxc_xsthspmx set t_sl=:q where tid=:id and a_name=:op"), key);
    t.Commit();
    return QString();
}

double PosRefund(double total, const QString& decimals)
{
    const int d = decimals.trimmed().toInt();
    const double unit = std::pow(10.0, -d);
    const double scaled = total / unit;
    // Floating error must not make an exact amount look cut.
    const double kept = std::floor(scaled + 1e-6);
    const double r = scaled - kept > 1e-6 ? kept + 1 : kept;
    return std::round(r) * unit;
}

void StorePosReturn(const PosReturn& r)
{
    Transaction t(returnDb());
    const QString n = r.number;
    const SqlParams key { { QStringLiteral("n"), n }, { QStringLiteral("op"), r.op } };
    ExecBound(
        QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,tid,t_zp,"
                       "pos_cbj,pos_zcb) select gl_djh,g_sn,th_dj,-1*th_sl,-1*th_zje,th_dzl,-1*th_zje,a_name,tid,'',"
                       "th_cbj,-1*th_zcb from jxc_xsthsp where gl_djh=:n and a_name=:op order by id"),
        key);
    Query q(&returnDb());
    OpenWithParams(q,
        QStringLiteral("select distinct a.id,a.tid from jxc_posxssp a,jxc_xsthspmx b where a.tid=b.tid and a.gl_djh=:n "
                       "and b.gl_djh=:n and a.a_name=:op order by a.id"),
        key);
    for (q.First(); !q.Eof(); q.Next()) {
        SqlParams line = key;
        line.insert(QStringLiteral("id"), q.AsInteger(QStringLiteral("id")));
        line.insert(QStringLiteral("tid"), q.AsInteger(QStringLiteral("tid")));
        ExecBound(
            QStringLiteral("insert into jxc_posxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,g_sn,"
                           "cm_sn,color_sn,t_sl,a_name,:id from jxc_xsthspmx where tid=:tid and gl_djh=:n"),
            line);
        ExecBound(QStringLiteral("update jxc_posxssp set tid=id where id=:id"), line);
    }
    const double discount = -ScalarBound(QStringLiteral("select sum(th_dj*th_sl-th_zje) as yhzkje from jxc_xsthsp "
                                                        "where gl_djh=:n and a_name=:op"),
        key)
                                 .toDouble();
    const QString now = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ExecBound(
        QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,kh_sn,ck_sn,u_sn,pos_xsrq,pos_yfje,pos_sfje,pos_mlje,"
                       "pos_yhje,pos_yhzkje,a_name,pos_note,pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_wxje,"
                       "pos_zfbje,pos_zlje,pos_zjf,pos_bcjf,pos_jfye) values (:n,:hy,:kh,:ck,:u,:rq,:r,:r,0,0,:yh,"
                       ":op,:note,1,:xj,:czk,:yhk,:djq,:wx,:zfb,:zl,0,0,0)"),
        { { QStringLiteral("n"), n }, { QStringLiteral("hy"), r.sale.memberSn },
            { QStringLiteral("kh"), r.sale.customer }, { QStringLiteral("ck"), r.sale.warehouse },
            { QStringLiteral("u"), r.sale.salesman }, { QStringLiteral("rq"), now }, { QStringLiteral("r"), -r.refund },
            { QStringLiteral("yh"), discount }, { QStringLiteral("op"), r.op },
            { QStringLiteral("note"), r.note.trimmed() }, { QStringLiteral("xj"), -r.tenders.cash },
            { QStringLiteral("czk"), -r.tenders.storedValue }, { QStringLiteral("yhk"), -r.tenders.bankCard },
            { QStringLiteral("djq"), -r.tenders.voucher }, { QStringLiteral("wx"), -r.tenders.wechat },
            { QStringLiteral("zfb"), -r.tenders.alipay }, { QStringLiteral("zl"), thNumber(r.change) } });
    ExecBound(
        QStringLiteral("insert into jxc_xsthd (gl_djh,hy_sn,kh_sn,ck_sn,u_sn,th_xsrq,th_yfje,th_sfje,th_fpje,th_note,"
                       "th_fpno,a_name,th_jsfs,th_hkje,th_kmmc,th_qk,th_status,th_checker,th_chkrq) values (:n,:hy,"
                       ":kh,:ck,:u,:rq,:r,:r,:r,'','',:op,1,0,:km,1,1,:op,:today)"),
        { { QStringLiteral("n"), n }, { QStringLiteral("hy"), r.sale.memberSn },
            { QStringLiteral("kh"), r.sale.customer }, { QStringLiteral("ck"), r.sale.warehouse },
            { QStringLiteral("u"), r.sale.salesman },
            { QStringLiteral("rq"), Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm")) },
            { QStringLiteral("r"), -r.refund }, { QStringLiteral("op"), r.op },
            { QStringLiteral("km"), QStringLiteral("现金") },
            { QStringLiteral("today"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) } });
    if (!r.sale.memberSn.isEmpty()) {
        PostPosDocument(n, r.sale.memberSn, QStringLiteral("XT"));
        if (r.tenders.storedValue != 0)
            ExecBound(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+:v where hy_sn=:s"),
                { { QStringLiteral("v"), r.tenders.storedValue }, { QStringLiteral("s"), r.sale.memberSn } });
    }
    ApproveSalesReturn(n);
    ExecBound(QStringLiteral("update jxc_goodslist set gl_fdmc='99' where gl_djh=:n"), key);
    t.Commit();
}

// ---- refund dialog ----

TF_Posxs_Thje::TF_Posxs_Thje(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Thje"));
    setWindowTitle(QStringLiteral("退货金额"));
    resize(400, 420);
    auto* box = new QVBoxLayout(this);
    PosFieldGrid fields(this, box);
    tspje = fields.AddAmount(QStringLiteral("商品总额："), 16);
    QLineEdit* edits[6] = {};
    fields.AddTenders(edits);
    tfkje = edits[0];
    tczk = edits[1];
    tyhk = edits[2];
    tdjq = edits[3];
    twxje = edits[4];
    tzfbje = edits[5];
    for (QLineEdit* e : edits)
        connect(e, &QLineEdit::textEdited, this, &TF_Posxs_Thje::tenderChange);
    zlje = new QLabel(this);
    fields.Add(QStringLiteral("找零金额："), zlje);
    tnote = new QLineEdit(this);
    fields.Add(QStringLiteral("单据备注："), tnote);
    auto* buttons = new QHBoxLayout;
    chkXp = new QCheckBox(QStringLiteral("打印小票(F4)"), this);
    buttons->addWidget(chkXp);
    buttons->addStretch(1);
    btnOK = thButton(this, QStringLiteral("确定(F5)"));
    btnExit = thButton(this, QStringLiteral("退出(Esc)"));
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    box->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Thje::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F4:
            chkXp->setChecked(!chkXp->isChecked());
            return true;
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return true;
        default:
            return false;
        }
    });
}

void TF_Posxs_Thje::FormActivate()
{
    tspje->setText(NumberText(refund));
    tfkje->setText(NumberText(refund));
    for (QLineEdit* e : { tczk, tyhk, tdjq, twxje, tzfbje })
        e->setText(QStringLiteral("0"));
    zlje->setText(QStringLiteral("0"));
    tnote->clear();
    // Only a member's sale can be refunded to stored value.
    tczk->setEnabled(withMember);
    tfkje->setFocus();
    tfkje->selectAll();
}

PosTenders TF_Posxs_Thje::Tenders() const
{
    PosTenders t;
    t.cash = thNumber(tfkje->text());
    t.storedValue = tczk->isEnabled() ? thNumber(tczk->text()) : 0;
    t.bankCard = thNumber(tyhk->text());
    t.voucher = thNumber(tdjq->text());
    t.wechat = thNumber(twxje->text());
    t.alipay = thNumber(tzfbje->text());
    return t;
}

void TF_Posxs_Thje::tenderChange()
{
    if (thNumber(tczk->text()) > refund)
        tczk->setText(tspje->text());
    const double change = Tenders().Sum() - refund;
    zlje->setText(QString::number(std::round(change * 100 + (change >= 0 ? 1e-7 : -1e-7)) / 100, 'f', 2));
}

void TF_Posxs_Thje::btnOKClick()
{
    tenderChange();
    if (thNumber(zlje->text()) < 0) {
        Prompt::Info(QStringLiteral("付款金额不足，不能保存！"));
        return;
    }
    ActiveDocKind = QStringLiteral("1");
    accept();
}

// ---- sale finder ----

TF_Posxs_ThImport::TF_Posxs_ThImport(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_ThImport"));
    setWindowTitle(QStringLiteral("POS销售信息"));
    resize(1000, 640);
    auto* box = new QVBoxLayout(this);
    const PosPeriodBar period = MakePosPeriodBar(this, QStringLiteral("查询时间"),
        QStringLiteral("请输入单据号/会员编号或姓名查询："), [this] { btnSearchClick(); });
    QHBoxLayout* bar = period.layout;
    tdate1 = period.from;
    tdate2 = period.to;
    btnDate = period.presets;
    tkey = period.key;
    btnSearch = thButton(this, QStringLiteral("查询(F2)"));
    btnOK = thButton(this, QStringLiteral("确定(F5)"));
    btnExport = thButton(this, QStringLiteral("导出"));
    btnExit = thButton(this, QStringLiteral("退出"));
    for (QPushButton* b : { btnSearch, btnOK, btnExport, btnExit })
        bar->addWidget(b);
    bar->addStretch(1);
    box->addLayout(bar);
    cxGrid1 = new DataGrid(this);
    const char* const upper[][2] = { { "pos_xsrq", "销售日期" }, { "gl_djh", "单据号" }, { "pos_sfje", "总金额" },
        { "pos_xj", "现金" }, { "pos_czk", "储值卡" }, { "pos_yhk", "银行卡" }, { "pos_djq", "兑金券" },
        { "pos_mlje", "抹零金额" }, { "pos_wxje", "微信" }, { "pos_zfbje", "支付宝" }, { "pos_yhzkje", "优惠金额" },
        { "hy_bh", "会员卡号" }, { "hy_name", "会员名称" } };
    for (const auto& c : upper)
        cxGrid1->AddColumn(QLatin1String(c[0]), QString::fromUtf8(c[1]), 90);
    cxGrid1->SetFooterVisible(true);
    SetRecordCount(*cxGrid1, 0);
    box->addWidget(cxGrid1, 1);
    lDetail = new QLabel(QStringLiteral("单据详细信息："), this);
    box->addWidget(lDetail);
    cxGrid2 = new DataGrid(this);
    cxGrid2->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid2->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGrid2->AddColumn(QStringLiteral("pos_dj"), QStringLiteral("单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("pos_sl"), QStringLiteral("数量"), 70, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->AddColumn(QStringLiteral("pos_zje"), QStringLiteral("总金额"), 90, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid2->setFixedHeight(245);
    box->addWidget(cxGrid2);
    connect(btnSearch, &QPushButton::clicked, this, &TF_Posxs_ThImport::btnSearchClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_ThImport::btnOKClick);
    connect(btnExport, &QPushButton::clicked, this, &TF_Posxs_ThImport::btnExportClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cxGrid1, &DataGrid::currentRowChanged, this, [this](int) { cxGrid1Click(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { btnOKClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F2) {
            btnSearchClick();
            return true;
        }
        if (e->key() == Qt::Key_F5) {
            btnOKClick();
            return true;
        }
        return false;
    });
}

void TF_Posxs_ThImport::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    cxGrid2->setFixedHeight(height() > 650 ? (height() - 260) / 2 : 245);
}

void TF_Posxs_ThImport::FormActivate()
{
    chosen.clear();
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    tkey->clear();
    cxGrid1->SetColumnVisible(2, ShowSalePrice);
    cxGrid2->SetColumnVisible(2, ShowSalePrice);
    cxGrid2->SetColumnVisible(4, ShowSalePrice);
    for (int c : { 2, 3, 4, 5, 6, 7, 8, 9, 10 })
        SetAmountColumnFormat(GridColumnFormat(*cxGrid1, c));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 2));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid2, 4));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2, 3));
    btnSearchClick();
}

void TF_Posxs_ThImport::btnSearchClick()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosThImport"));
    q.Close();
    q.ClearParams();
    const QString k = SafeSqlText(tkey->text().trimmed());
    // A sale whose salesman row is gone is still listed; the period takes in the whole end day.
    QString sql = QStringLiteral("select e.*,f.hy_bh,f.hy_name from (select a.*,b.u_name,c.ck_name from jxc_posxsd a "
                                 "left outer join jxc_user b on a.u_sn=b.u_sn,jxc_ckxx c where a.ck_sn=c.ck_sn and ")
        + PeriodCondition(QStringLiteral("a.pos_xsrq"), tdate1->date(), tdate2->date())
        + QStringLiteral(" and (a.pos_note<>'gd' or a.pos_note is null)")
        + WarehouseBindingCondition(QStringLiteral("c"))
        + QStringLiteral(") e left outer join (select hy_sn,hy_bh,hy_name from jxc_hyxx) f on e.hy_sn=f.hy_sn ");
    if (!k.isEmpty()) {
        sql += QStringLiteral(" where (e.gl_djh like :k or f.hy_name like :k or f.hy_bh like :k or f.hy_sn like :k) ");
        q.SetParam(QStringLiteral("k"), QStringLiteral("%") + k + QStringLiteral("%"));
    }
    q.SetSQL(sql + QStringLiteral(" order by e.gl_djh desc"));
    q.Open();
    if (!cxGrid1->GetDataSource())
        cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosThImport")));
    cxGrid1Click();
}

void TF_Posxs_ThImport::cxGrid1Click()
{
    const Query& h = F_DataModule->Q(QStringLiteral("Q_PosThImport"));
    const QString number = h.Active() && !h.IsEmpty() ? h.AsString(QStringLiteral("gl_djh")) : QString();
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosThImport2"));
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral("select a.*,(coalesce(b.g_name,'')||coalesce(a.t_zp,'')) as g_name,b.dw_name,b.gg_name "
                            "from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:n order by a.id"));
    q.SetParam(QStringLiteral("n"), number);
    q.Open();
    if (!cxGrid2->GetDataSource())
        cxGrid2->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosThImport2")));
    lDetail->setText(QStringLiteral("单据详细信息：") + number);
}

void TF_Posxs_ThImport::btnOKClick()
{
    const Query& h = F_DataModule->Q(QStringLiteral("Q_PosThImport"));
    if (!h.Active() || h.IsEmpty())
        return;
    chosen = h.AsString(QStringLiteral("gl_djh"));
    accept();
}

void TF_Posxs_ThImport::btnExportClick()
{
    ExportList(*cxGrid1);
}

// ---- return window ----

TF_Posxs_Th::TF_Posxs_Th(QWidget* parent) : Form(parent), report(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TF_Posxs_Th"));
    setWindowTitle(QStringLiteral("退货"));
    resize(960, 600);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("退货单号："), this));
    lthdh = new QLabel(this);
    lthdh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    top->addWidget(lthdh);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("销售单号(F6)："), this));
    tdjh = new QLineEdit(this);
    tdjh->setPlaceholderText(QStringLiteral("回车键确认"));
    InstallGoodsTextFilter(tdjh);
    top->addWidget(tdjh);
    btnFind = thButton(this, QStringLiteral("查找(F8)"));
    top->addWidget(btnFind);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("销售日期："), this));
    lxsrq = new QLabel(this);
    top->addWidget(lxsrq);
    top->addWidget(new QLabel(QStringLiteral("会员编号："), this));
    lhybh = new QLabel(this);
    top->addWidget(lhybh);
    top->addStretch(1);
    box->addLayout(top);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("商品编号/名称/简码(F2)："), this));
    tfilter = new QLineEdit(this);
    bar->addWidget(tfilter);
    btnDelete = thButton(this, QStringLiteral("删除(F3)"));
    btnQty = thButton(this, QStringLiteral("数量(F4)"));
    btnOK = thButton(this, QStringLiteral("确定(F5)"));
    btnExit = thButton(this, QStringLiteral("退出(Esc)"));
    for (QPushButton* b : { btnDelete, btnQty, btnOK, btnExit })
        bar->addWidget(b);
    bar->addStretch(1);
    box->addLayout(bar);
    cxGrid1 = new DataGrid(this);
    cxGrid1->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid1->AddColumn(QStringLiteral("g_name"), QStringLiteral("商品名称"), 200);
    cxGrid1->AddColumn(QStringLiteral("th_dj"), QStringLiteral("单价"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("th_zhje"), QStringLiteral("销售数量"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("th_sl"), QStringLiteral("退货数量"), 80, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("th_zje"), QStringLiteral("总金额"), 90, Qt::AlignRight | Qt::AlignVCenter);
    cxGrid1->AddColumn(QStringLiteral("cm_name"), QStringLiteral("尺码"), 60);
    cxGrid1->AddColumn(QStringLiteral("color_name"), QStringLiteral("颜色"), 60);
    cxGrid1->SetFooterVisible(true);
    SetRecordCount(*cxGrid1, 0);
    cxGrid1->SetFooterSum(3);
    cxGrid1->SetFooterSum(4);
    cxGrid1->SetFooterSum(5);
    box->addWidget(cxGrid1, 1);

    panelQty = new QFrame(this);
    panelQty->setFrameShape(QFrame::StyledPanel);
    auto* pq = new QGridLayout(panelQty);
    lSpName = new QLabel(panelQty);
    pq->addWidget(lSpName, 0, 0, 1, 2);
    pq->addWidget(new QLabel(QStringLiteral("原  数  量"), panelQty), 1, 0);
    eOldSl = new QLineEdit(panelQty);
    eOldSl->setReadOnly(true);
    pq->addWidget(eOldSl, 1, 1);
    pq->addWidget(new QLabel(QStringLiteral("新  数  量"), panelQty), 2, 0);
    eNewSl = new QLineEdit(panelQty);
    pq->addWidget(eNewSl, 2, 1);
    btnQtyOK = thButton(panelQty, QStringLiteral("确定(F7)"));
    btnQtyExit = thButton(panelQty, QStringLiteral("退出(Esc)"));
    pq->addWidget(btnQtyOK, 3, 0);
    pq->addWidget(btnQtyExit, 3, 1);
    panelQty->setGeometry(300, 180, 300, 160);
    panelQty->hide();

    connect(tdjh, &QLineEdit::returnPressed, this, &TF_Posxs_Th::tdjhEnter);
    connect(btnFind, &QPushButton::clicked, this, &TF_Posxs_Th::btnFindClick);
    connect(tfilter, &QLineEdit::textChanged, this, &TF_Posxs_Th::tfilterChange);
    connect(btnDelete, &QPushButton::clicked, this, &TF_Posxs_Th::btnDeleteClick);
    connect(btnQty, &QPushButton::clicked, this, &TF_Posxs_Th::btnQtyClick);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Th::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(btnQtyOK, &QPushButton::clicked, this, &TF_Posxs_Th::btnQtyOKClick);
    connect(btnQtyExit, &QPushButton::clicked, this, &TF_Posxs_Th::btnQtyExitClick);
    SetEscCloses(false);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        const int key = e->key();
        if (!panelQty->isHidden()) {
            if (key == Qt::Key_F7 || key == Qt::Key_Return || key == Qt::Key_Enter)
                btnQtyOKClick();
            else if (key == Qt::Key_Escape)
                btnQtyExitClick();
            else
                return false;
            return true;
        }
        switch (key) {
        case Qt::Key_F2:
            tfilter->setFocus();
            return true;
        case Qt::Key_F3:
            btnDeleteClick();
            return true;
        case Qt::Key_F4:
            btnQtyClick();
            return true;
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_F6:
            tdjh->setFocus();
            return true;
        case Qt::Key_F8:
            btnFindClick();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
        }
    });
}

TF_Posxs_Th::~TF_Posxs_Th() = default;

void TF_Posxs_Th::FormActivate()
{
    SetAmountColumnFormat(GridColumnFormat(*cxGrid1, 2));
    SetAmountColumnFormat(GridColumnFormat(*cxGrid1, 5));
    SetAmountSummaryFormat(GridFooterFormat(*cxGrid1, 5));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid1, 3));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid1, 4));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid1, 3));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid1, 4));
    newReturn();
}

void TF_Posxs_Th::newReturn()
{
    sale_ = PosReturnSale();
    number_ = FreeReturnNumber();
    lthdh->setText(number_);
    const SqlParams key { { QStringLiteral("n"), number_ }, { QStringLiteral("op"), CurrentAdminName } };
    ExecBound(QStringLiteral("delete from jxc_xsthsp where gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_xsthspmx where gl_djh=:n and a_name=:op"), key);
    tdjh->clear();
    tfilter->clear();
    lxsrq->clear();
    lhybh->clear();
    panelQty->hide();
    openGrid();
    tdjh->setFocus();
}

void TF_Posxs_Th::openGrid()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosTh"));
    q.Close();
    q.ClearParams();
    q.SetSQL(QStringLiteral("select a.*,b.g_name,b.gg_name,b.dw_name,b.g_jm,c.cm_name,d.color_name from jxc_xsthsp a,"
                            "jxc_goods b,jxc_cm c,jxc_color d,jxc_xsthspmx e where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh "
                            "and a.id=e.tid and e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and a.gl_djh=:n and "
                            "a.a_name=:op order by a.id"));
    q.SetParam(QStringLiteral("n"), number_);
    q.SetParam(QStringLiteral("op"), CurrentAdminName);
    q.Open();
    if (!cxGrid1->GetDataSource())
        cxGrid1->SetDataSource(&F_DataModule->D(QStringLiteral("D_PosTh")));
}

bool TF_Posxs_Th::HasLines() const
{
    const Query& q = F_DataModule->Q(QStringLiteral("Q_PosTh"));
    return q.Active() && !q.IsEmpty();
}

void TF_Posxs_Th::tdjhEnter()
{
    PosReturnSale sale;
    const QString refusal = TakeSaleForReturn(&number_, tdjh->text(), CurrentAdminName, &sale);
    if (refusal == kNoSale) {
        Prompt::Info(refusal);
        tdjh->clear();
        lxsrq->clear();
        lhybh->clear();
        tdjh->setFocus();
        return;
    }
    lhybh->setText(sale.memberNo);
    lxsrq->setText(sale.date);
    sale_ = sale;
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    lthdh->setText(number_);
    openGrid();
}

void TF_Posxs_Th::btnFindClick()
{
    TF_Posxs_ThImport finder;
    finder.ShowModal();
    if (finder.chosen.isEmpty())
        return;
    tdjh->setText(finder.chosen);
    tdjhEnter();
}

void TF_Posxs_Th::tfilterChange()
{
    if (!HasLines())
        return;
    const QString t = tfilter->text().trimmed().toUpper();
    cxGrid1->ClearFilter();
    if (t.isEmpty()) {
        cxGrid1->SetFilterActive(false);
        return;
    }
    cxGrid1->SetFilterJoin(GridFilter::Join::Or);
    for (const char* field : { "g_jm", "g_name", "g_sn", "gg_name" })
        cxGrid1->AddFilter(QLatin1String(field), QStringLiteral("%") + t + QStringLiteral("%"));
    cxGrid1->SetFilterActive(true);
}

void TF_Posxs_Th::btnDeleteClick()
{
    if (!HasLines())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除该商品信息吗！")) != Prompt::Answer::Yes)
        return;
    const SqlParams key { { QStringLiteral("id"),
                              F_DataModule->Q(QStringLiteral("Q_PosTh")).AsInteger(QStringLiteral("id")) },
        { QStringLiteral("op"), CurrentAdminName } };
    Transaction t(returnDb());
    ExecBound(QStringLiteral("delete from jxc_xsthsp where id=:id and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_xsthspmx where tid=:id and a_name=:op"), key);
    t.Commit();
    openGrid();
}

void TF_Posxs_Th::btnQtyClick()
{
    if (!HasLines())
        return;
    const Query& q = F_DataModule->Q(QStringLiteral("Q_PosTh"));
    lSpName->setText(q.AsString(QStringLiteral("g_name")));
    eOldSl->setText(q.AsString(QStringLiteral("th_sl")));
    eNewSl->setText(q.AsString(QStringLiteral("th_sl")));
    panelQty->show();
    panelQty->raise();
    eNewSl->setFocus();
    eNewSl->selectAll();
}

void TF_Posxs_Th::btnQtyOKClick()
{
    if (!HasLines())
        return;
    Query& q = F_DataModule->Q(QStringLiteral("Q_PosTh"));
    const qint64 id = q.AsInteger(QStringLiteral("id"));
    const QString refusal = SetReturnQty(id, thNumber(eNewSl->text()), CurrentAdminName);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    openGrid();
    q.LocateId(id);
    panelQty->hide();
}

void TF_Posxs_Th::btnQtyExitClick()
{
    panelQty->hide();
}

void TF_Posxs_Th::btnOKClick()
{
    if (!HasLines())
        return;
    ActiveDocKind.clear();
    const double total = ScalarBound(QStringLiteral("select sum(th_zje) as zje from jxc_xsthsp where gl_djh=:n and "
                                                    "a_name=:op"),
        { { QStringLiteral("n"), number_ }, { QStringLiteral("op"), CurrentAdminName } })
                             .toDouble();
    TF_Posxs_Thje refundDialog;
    refundDialog.refund = PosRefund(total, PosPayDecimals);
    refundDialog.withMember = !sale_.memberSn.isEmpty();
    refundDialog.ShowModal();
    if (ActiveDocKind != QLatin1String("1"))
        return;
    ActiveDocKind.clear();
    PosReturn r;
    r.number = number_;
    r.op = CurrentAdminName;
    r.sale = sale_;
    r.refund = refundDialog.refund;
    r.tenders = refundDialog.Tenders();
    r.change = refundDialog.zlje->text();
    r.note = refundDialog.tnote->text();
    StorePosReturn(r);
    if (refundDialog.chkXp->isChecked())
        PrintPosReceipt(*report, number_, 1);
    newReturn();
}

bool TF_Posxs_Th::FormCloseQuery()
{
    if (HasLines()) {
        const Prompt::Answer a = Prompt::YesNoCancel(QStringLiteral("列表中有退货商品，是否退货？"));
        if (a == Prompt::Answer::Cancel)
            return false;
        if (a == Prompt::Answer::Yes) {
            btnOKClick();
        } else {
            const SqlParams key { { QStringLiteral("n"), number_ }, { QStringLiteral("op"), CurrentAdminName } };
            Transaction t(returnDb());
            ExecBound(QStringLiteral("delete from jxc_xsthsp where gl_djh=:n and a_name=:op"), key);
            ExecBound(QStringLiteral("delete from jxc_xsthspmx where gl_djh=:n and a_name=:op"), key);
            t.Commit();
        }
    }
    ActiveDocKind.clear();
    return true;
}
