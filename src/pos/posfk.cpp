#include "pos/posfk.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/staffcounters.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "pos/poscart.h"
#include "pos/posdialogparts.h"
#include "pos/posmainform.h"
#include "posting/colorsizestock.h"
#include "posting/memberposting.h"
#include "posting/posprint.h"
#include "posting/salesposting.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

double cents(double v)
{
    return std::round(v * 100) / 100;
}

double fkNumber(const QString& text)
{
    return text.trimmed().toDouble();
}

QString changeText(double v)
{
    return QString::number(cents(v + (v >= 0 ? 1e-9 : -1e-9)), 'f', 2);
}

const QString kShortBalance
    = QStringLiteral("该会员卡余额不足，请收取现金，\r\n\r\n或使用联合结账完成结算。\r\n\r\n确认结账吗？");

}

QString PosDueText(const QString& total, const QString& decimals)
{
    const QString t = total.trimmed();
    const int dot = t.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return t;
    if (decimals.trimmed() == QLatin1String("0"))
        return t.left(dot);
    return t.left(dot + 1 + decimals.trimmed().toInt());
}

PosTenders OpeningTenders(double due, double balance)
{
    PosTenders t;
    t.cash = due;
    if (cents(balance) >= cents(due)) {
        t.cash = 0;
        t.storedValue = due;
    } else if (cents(balance) > 0) {
        t.storedValue = balance;
        t.cash = cents(due - balance);
    }
    return t;
}

QString CheckPosPayment(const PosTenders& t, double due, double rounding, double maxRounding, double change)
{
    if (t.cash < 0 || t.bankCard < 0 || t.voucher < 0 || t.storedValue < 0 || t.wechat < 0 || t.alipay < 0)
        return QStringLiteral("付款金额不能为负数，不能保存！");
    if (cents(change) < 0)
        return QStringLiteral("付款金额不足，不能保存！");
    if (cents(rounding) > cents(maxRounding))
        return QStringLiteral("您的最大抹零金额为：") + NumberText(maxRounding)
            + QStringLiteral("元，不能超过这一数值！");
    if (cents(t.cash) > cents(due) && cents(t.cash) > 99999)
        return QStringLiteral("付款金额太高，不能保存！");
    return QString();
}

PosSaved SavePosPayment(const PosPayment& p)
{
    Transaction tr(F_DataModule->ADOConn);
    PosSaved out;
    const QString n = PosCart::EnsureOwnNumber(p.number, p.op);
    out.number = n;
    const SqlParams key { { QStringLiteral("n"), n }, { QStringLiteral("op"), p.op } };
    const QString salesman = p.salesman == QLatin1String("-1") ? QString() : p.salesman;
    IncUserSalesCount(salesman);
    ExecBound(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl,ls_zcb=ls_cbj*ls_sl,ls_je=ls_zje,ls_taxdj=ls_dj,"
                             "ls_cbj2=ls_cbj where gl_djh=:n and a_name=:op"),
        key);
    if (!p.memberNo.isEmpty())
        out.memberSn = ScalarBound(
            QStringLiteral("select hy_sn from jxc_hyxx where hy_bh=:b"), { { QStringLiteral("b"), p.memberNo } });

    // A clean slate for the number; zero-quantity lines leave the sale.
    ExecBound(QStringLiteral("delete from jxc_posxsspmx where gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_posxssp where gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_posxsd where gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_lsxsspmx where gl_djh=:n and a_name=:op and tid in "
                             "(select id from jxc_lsxssp where ls_sl=0 and gl_djh=:n and a_name=:op)"),
        key);
    ExecBound(QStringLiteral("delete from jxc_lsxssp where ls_sl=0 and gl_djh=:n and a_name=:op"), key);
    ExecBound(QStringLiteral("delete from jxc_lsxsd where gl_djh=:n"), key);

    ExecBound(
        QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,tid,t_zp) "
                       "select gl_djh,g_sn,ls_dj,ls_sl,ls_zje,ls_dzl,ls_zhje,a_name,tid,t_zp from jxc_lsxssp "
                       "where gl_djh=:n and a_name=:op order by id"),
        key);
    ExecBound(QStringLiteral("update jxc_posxssp set t_zp='' where t_zp is null and gl_djh=:n and a_name=:op"), key);
    {
        Query q(&F_DataModule->ADOConn);
        OpenWithParams(q,
            QStringLiteral("select distinct a.id,a.tid from jxc_posxssp a,jxc_lsxsspmx b where a.tid=b.tid and "
                           "a.gl_djh=:n and a.a_name=:op and b.gl_djh=:n and b.a_name=:op order by a.id"),
            key);
        for (q.First(); !q.Eof(); q.Next()) {
            const SqlParams line { { QStringLiteral("n"), n }, { QStringLiteral("op"), p.op },
                { QStringLiteral("id"), q.AsInteger(QStringLiteral("id")) },
                { QStringLiteral("tid"), q.AsInteger(QStringLiteral("tid")) } };
            ExecBound(QStringLiteral("insert into jxc_posxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                     "select :n,g_sn,cm_sn,color_sn,t_sl,a_name,:id from jxc_lsxsspmx where tid=:tid "
                                     "and gl_djh=:n and a_name=:op"),
                line);
            ExecBound(QStringLiteral("update jxc_posxssp set tid=id where id=:id"), line);
        }
    }
    const double lineDiscount
        = ScalarBound(QStringLiteral("select sum(ls_dj*ls_sl-ls_zje) as yhzkje from jxc_lsxssp where gl_djh=:n "
                                     "and a_name=:op"),
            key)
              .toDouble();
    const double paid = p.due - p.rounding;
    const QString now = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    ExecBound(
        QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,kh_sn,ck_sn,pos_yfje,pos_sfje,pos_mlje,"
                       "pos_yhje,pos_yhzkje,a_name,u_sn,pos_note,pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_wxje,"
                       "pos_zfbje,pos_zlje,pos_rjid,pos_bcjf,pos_zjf,pos_jfye) values (:n,:hy,:rq,:kh,:ck,:paid,"
                       ":paid,:ml,:ml,:yhzk,:op,:u,:note,5,:xj,:czk,:yhk,:djq,:wx,:zfb,:zl,'',0,0,0)"),
        { { QStringLiteral("n"), n }, { QStringLiteral("hy"), out.memberSn }, { QStringLiteral("rq"), now },
            { QStringLiteral("kh"), DefaultCustomerSn() }, { QStringLiteral("ck"), p.warehouse },
            { QStringLiteral("paid"), paid }, { QStringLiteral("ml"), p.rounding },
            { QStringLiteral("yhzk"), lineDiscount + p.rounding }, { QStringLiteral("op"), p.op },
            { QStringLiteral("u"), salesman },
            { QStringLiteral("note"), p.shortNote + QStringLiteral(" ") + p.note.trimmed() },
            { QStringLiteral("xj"), p.tenders.cash }, { QStringLiteral("czk"), p.tenders.storedValue },
            { QStringLiteral("yhk"), p.tenders.bankCard }, { QStringLiteral("djq"), p.tenders.voucher },
            { QStringLiteral("wx"), p.tenders.wechat }, { QStringLiteral("zfb"), p.tenders.alipay },
            { QStringLiteral("zl"), fkNumber(p.change) } });
    if (!out.memberSn.isEmpty())
        PostPosDocument(n, out.memberSn, QStringLiteral("XS"));
    const double profit = ScalarBound(
        QStringLiteral("select sum(a.pos_zje-a.pos_sl*b.g_pjjj) as lr from jxc_posxssp a,jxc_goods b "
                       "where a.g_sn=b.g_sn and a.gl_djh=:n"),
        { { QStringLiteral("n"),
            n } }).toDouble();
    const QString d = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    // Stored as settled in cash and approved by the cashier, marked as the till's.
    ExecBound(
        QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,"
                       "ls_yhje,ls_th,ls_qk,ls_lr,hy_sn,pos_zffs,pos_xj,pos_czk,pos_yhk,pos_djq,pos_rjid,ls_jsfs,"
                       "ls_kmmc,ls_status,ls_checker,ls_chkrq,ls_dhbz,ls_zt,ls_hkje,ls_fpno,ls_fpje,ls_yf,ls_bzf) "
                       "select gl_djh,kh_sn,ck_sn,:d,:due,pos_sfje,u_sn,pos_note,a_name,:ml,0,0,:lr,:hy,pos_zffs,"
                       "pos_xj,pos_czk,pos_yhk,pos_djq,pos_rjid,0,:km,1,a_name,:d,1,'pos',0,'',0,0,0 "
                       "from jxc_posxsd where gl_djh=:n"),
        { { QStringLiteral("n"), n }, { QStringLiteral("d"), d }, { QStringLiteral("due"), p.due },
            { QStringLiteral("ml"), p.rounding }, { QStringLiteral("lr"), profit },
            { QStringLiteral("hy"), out.memberSn }, { QStringLiteral("km"), QStringLiteral("现金") } });
    if (cents(p.rounding) != 0)
        ApplyDocDiscount(n, paid, p.due);
    ApproveSalesDoc(n);
    if (IsTrue(UseStockOut))
        ExecBound(
            QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl where gl_djh=:n"), { { QStringLiteral("n"), n } });
    ExecBound(QStringLiteral("update jxc_goodslist set gl_fdmc='99' where gl_djh=:n"), { { QStringLiteral("n"), n } });
    tr.Commit();
    return out;
}

PosSmsSender& PosSmsSend()
{
    static PosSmsSender sender;
    return sender;
}

void SendPosSaleSms(const QString& number, const QString& memberSn, double paid)
{
    if (memberSn.isEmpty() || !IsTrue(UseSms) || SmsUser.isEmpty() || SmsPassword.isEmpty())
        return;
    Query m(&F_DataModule->ADOConn);
    OpenWithParams(m, QStringLiteral("select * from jxc_hyxx where hy_sn=:s"), { { QStringLiteral("s"), memberSn } });
    if (m.IsEmpty())
        return;
    m.First();
    const QString mobile = m.AsString(QStringLiteral("hy_mobile"));
    if (mobile.isEmpty())
        return;
    const QString smsNo = NextDocNoToday(QStringLiteral("jxc_smshy"), QStringLiteral("gl_djh"), QStringLiteral("SM"));
    const QString points = ScalarBound(
        QStringLiteral("select pos_bcjf from jxc_posxsd where gl_djh=:n"), { { QStringLiteral("n"), number } });
    QString text = SmsSaleText;
    const QList<QPair<QString, QString>> fields { { QStringLiteral("{hyname}"), m.AsString(QStringLiteral("hy_name")) },
        { QStringLiteral("{hybh}"), m.AsString(QStringLiteral("hy_bh")) },
        { QStringLiteral("{hysr}"), m.AsString(QStringLiteral("hy_sr")) },
        { QStringLiteral("{xfje}"), NumberText(paid) }, { QStringLiteral("{bcjf}"), points },
        { QStringLiteral("{czkje}"), m.AsString(QStringLiteral("hy_zhje")) },
        { QStringLiteral("{zjf}"), m.AsString(QStringLiteral("hy_jf")) } };
    for (const auto& f : fields)
        text.replace(f.first, f.second, Qt::CaseInsensitive);
    text += QStringLiteral("【") + SmsSign + QStringLiteral("】");
    const QString failure = PosSmsSend() ? PosSmsSend()(text, mobile) : QStringLiteral("短信发送功能不可用");
    if (!failure.isEmpty()) {
        // The sale stands; the member simply gets no message.
        WriteLog(QStringLiteral("短信发送失败：") + number + QStringLiteral(" ") + failure);
        Prompt::Info(QStringLiteral("短信发送失败：") + failure);
        return;
    }
    ExecBound(QStringLiteral("insert into jxc_smshy (gl_djh,hy_sn,hy_mobile,sms_rq,sms_note,a_name) values "
                             "(:n,:s,:m,:rq,:t,:op)"),
        { { QStringLiteral("n"), smsNo }, { QStringLiteral("s"), memberSn }, { QStringLiteral("m"), mobile },
            { QStringLiteral("rq"), Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm")) },
            { QStringLiteral("t"), text }, { QStringLiteral("op"), CurrentAdminName } });
}

// ---- the window ----

TF_Posxs_Fk::TF_Posxs_Fk(QWidget* parent) : Form(parent), report(std::make_unique<Report>())
{
    setObjectName(QStringLiteral("TF_Posxs_Fk"));
    setWindowTitle(QStringLiteral("付款"));
    resize(460, 520);
    auto* box = new QVBoxLayout(this);
    PosFieldGrid fields(this, box);
    yfje = fields.AddAmount(QStringLiteral("应付金额："), 18);
    yfje->setStyleSheet(QStringLiteral("color: red;"));
    fields.AddTenders(tenders_);
    tfkje = tenders_[0];
    tczk = tenders_[1];
    tyhk = tenders_[2];
    tdjq = tenders_[3];
    twxje = tenders_[4];
    tzfbje = tenders_[5];
    tmlje = new QLineEdit(this);
    tmlje->setAlignment(Qt::AlignRight);
    fields.Add(QStringLiteral("抹零金额："), tmlje);
    tmlje2 = new QLineEdit(this);
    tmlje2->hide();
    zhje = new QLabel(this);
    fields.Add(QStringLiteral("账户余额："), zhje);
    zlje = fields.AddAmount(QStringLiteral("找零金额："), 18);
    tnote = new QLineEdit(this);
    fields.Add(QStringLiteral("单据备注："), tnote);
    auto* options = new QHBoxLayout;
    chkXp = new QCheckBox(QStringLiteral("打印小票(F4)"), this);
    txp = new QLineEdit(this);
    txp->setMaximumWidth(40);
    chkLh = new QCheckBox(QStringLiteral("使用联合结账(F8)"), this);
    options->addWidget(chkXp);
    options->addWidget(txp);
    options->addWidget(new QLabel(QStringLiteral("份"), this));
    options->addStretch(1);
    options->addWidget(chkLh);
    box->addLayout(options);
    box->addLayout(
        PosButtonRow(this, { &btnOK, &btnCancel }, { QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)") }));

    for (int i = 0; i < 6; ++i) {
        connect(tenders_[i], &QLineEdit::textEdited, this, [this, i] { tenderChange(tenders_[i]); });
    }
    for (QLineEdit* e : { tfkje, tczk, tyhk, tdjq, twxje, tzfbje, tmlje, txp })
        SetAmountEditFormat(NumberEditTarget { nullptr, nullptr, [e](int n) { e->setMaxLength(n); } });
    // The cashier entering a tender from another field of the window; the focus the
    // window gives its first edit on opening does not count.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && isAncestorOf(old))
            for (QLineEdit* e : tenders_)
                if (now == e)
                    tenderEnter(e);
    });
    connect(tmlje, &QLineEdit::textEdited, this, &TF_Posxs_Fk::tmljeChange);
    connect(chkLh, &QCheckBox::clicked, this, &TF_Posxs_Fk::chkLhToggle);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Fk::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Posxs_Fk::btnCancelClick);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        switch (e->key()) {
        case Qt::Key_F4:
            chkXpToggle();
            return true;
        case Qt::Key_F5:
            btnOKClick();
            return true;
        case Qt::Key_F8:
            chkLh->setChecked(!chkLh->isChecked());
            chkLhToggle();
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

TF_Posxs_Fk::~TF_Posxs_Fk() = default;

double TF_Posxs_Fk::due() const
{
    return fkNumber(yfje->text());
}

PosTenders TF_Posxs_Fk::readTenders() const
{
    PosTenders t;
    t.cash = fkNumber(tfkje->text());
    t.storedValue = fkNumber(tczk->text());
    t.bankCard = fkNumber(tyhk->text());
    t.voucher = fkNumber(tdjq->text());
    t.wechat = fkNumber(twxje->text());
    t.alipay = fkNumber(tzfbje->text());
    return t;
}

void TF_Posxs_Fk::setValue(QLineEdit* edit, double v)
{
    edit->setText(NumberText(cents(v)));
}

void TF_Posxs_Fk::FormActivate()
{
    filling_ = true;
    btnOK->setEnabled(true);
    chkLh->setChecked(false);
    yfje->setText(PosDueText(total, PosPayDecimals));
    zhje->setText(ActiveDocKind.isEmpty() ? QStringLiteral("0") : ActiveDocKind);
    tmlje->setText(QStringLiteral("0"));
    zlje->setText(QStringLiteral("0"));
    tnote->clear();
    const double balance = fkNumber(zhje->text());
    tczk->setEnabled(zhje->text() != QLatin1String("0"));
    const PosTenders t = OpeningTenders(due(), tczk->isEnabled() ? balance : 0);
    setValue(tfkje, t.cash);
    setValue(tczk, t.storedValue);
    for (QLineEdit* e : { tyhk, tdjq, twxje, tzfbje })
        e->setText(QStringLiteral("0"));
    tmlje2->setText(ScalarBound(QStringLiteral("select a_zreoje from jxc_admin where a_name=:a"),
        { { QStringLiteral("a"), sale.op.isEmpty() ? CurrentAdminName : sale.op } }));
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select pp_zjdy,pp_fs from jxc_posprint"));
    q.Open();
    chkXp->setChecked(!q.IsEmpty() && IsTrue(q.AsString(QStringLiteral("pp_zjdy"))));
    txp->setText(q.IsEmpty() ? QStringLiteral("1") : q.AsString(QStringLiteral("pp_fs")));
    filling_ = false;
    countZl();
    tfkje->setFocus();
    tfkje->selectAll();
}

void TF_Posxs_Fk::tenderEnter(QLineEdit* edit)
{
    if (filling_ || chkLh->isChecked())
        return;
    filling_ = true;
    for (QLineEdit* e : tenders_)
        e->setText(QStringLiteral("0"));
    setValue(edit, due());
    filling_ = false;
    countZl();
}

void TF_Posxs_Fk::tenderChange(QLineEdit* edit)
{
    if (filling_)
        return;
    filling_ = true;
    if (edit == tczk && fkNumber(tczk->text()) > fkNumber(zhje->text()))
        tczk->setText(zhje->text());
    if (!chkLh->isChecked() && fkNumber(edit->text()) > 0)
        for (QLineEdit* e : tenders_)
            if (e != edit)
                e->setText(QStringLiteral("0"));
    filling_ = false;
    countZl();
}

void TF_Posxs_Fk::tmljeChange()
{
    if (filling_)
        return;
    filling_ = true;
    const double max = fkNumber(tmlje2->text());
    if (fkNumber(tmlje->text()) > max)
        tmlje->setText(tmlje2->text().isEmpty() ? QStringLiteral("0") : tmlje2->text());
    const double rounding = fkNumber(tmlje->text());
    for (QLineEdit* e : tenders_) {
        if (fkNumber(e->text()) <= 0)
            continue;
        double others = 0;
        for (QLineEdit* o : tenders_)
            if (o != e)
                others += fkNumber(o->text());
        setValue(e, due() - rounding - others);
        break;
    }
    filling_ = false;
    countZl();
}

void TF_Posxs_Fk::countZl()
{
    if (filling_)
        return;
    bool ok = false;
    yfje->text().toDouble(&ok);
    if (!ok)
        return;
    zlje->setText(changeText(fkNumber(tmlje->text()) + readTenders().Sum() - due()));
}

void TF_Posxs_Fk::chkXpToggle()
{
    chkXp->setChecked(!chkXp->isChecked());
    txp->setFocus();
}

void TF_Posxs_Fk::chkLhToggle()
{
    countZl();
}

void TF_Posxs_Fk::btnOKClick()
{
    if (!saveToken || !btnOK->isEnabled())
        return;
    const PosTenders t = readTenders();
    const double rounding = fkNumber(tmlje->text());
    const QString refusal = CheckPosPayment(t, due(), rounding, fkNumber(tmlje2->text()), fkNumber(zlje->text()));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    QString shortNote;
    if (tczk->isEnabled() && !sale.memberNo.isEmpty() && cents(fkNumber(ActiveDocKind)) < cents(due())) {
        if (Prompt::YesNo(kShortBalance) != Prompt::Answer::Yes)
            return;
        shortNote = kShortBalance;
    }
    btnOK->setEnabled(false);
    QApplication::processEvents();
    saveToken = false;
    PosPayment p = sale;
    p.due = due();
    p.rounding = rounding;
    p.tenders = t;
    p.change = zlje->text();
    p.shortNote = shortNote;
    p.note = tnote->text();
    const PosSaved s = SavePosPayment(p);
    saved = true;
    sale.number = s.number;
    SendPosSaleSms(s.number, s.memberSn, p.due - p.rounding);
    accept();
    if (chkXp->isEnabled() && chkXp->isChecked())
        PrintPosReceipt(*report, s.number, int(fkNumber(txp->text())));
}

void TF_Posxs_Fk::btnCancelClick()
{
    reject();
}

void posFk(TF_PosMainForm& till)
{
    const QString warehouse = till.comCk->count() > 0 && till.comCk->currentIndex() >= 0
        ? GetComboCode(*till.comCk, till.comCk->currentIndex())
        : QString();
    const QString refusal = CheckNegativeSizeColorStock(
        QStringLiteral("jxc_lsxsspmx"), warehouse, till.SaleNumber(), QStringLiteral("销售"));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    ActiveDocKind = till.hy_bh->text().isEmpty() ? QStringLiteral("0") : till.hy_zhye->text();
    if (till.drawerOnPayment)
        till.openQx();
    TF_Posxs_Fk fk;
    fk.sale.number = till.SaleNumber();
    fk.sale.op = CurrentAdminName;
    fk.sale.memberNo = till.hy_bh->text();
    // An empty salesman combo is no salesman.
    fk.sale.salesman = till.comUser->count() > 0 && till.comUser->currentIndex() >= 0
        ? GetComboCode(*till.comUser, till.comUser->currentIndex())
        : QString();
    fk.sale.warehouse = warehouse;
    fk.total = till.hjje->text();
    fk.saveToken = true;
    fk.ShowModal();
    fk.saveToken = false;
    ActiveDocKind.clear();
    if (fk.saved)
        till.setInitValue();
}
