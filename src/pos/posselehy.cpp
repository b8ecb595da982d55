#include "pos/posselehy.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/ui/prompt.h"
#include "pos/posdialogparts.h"
#include "pos/posmainform.h"
#include "pos/pospricing.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kGift = QStringLiteral("(赠品)");

// Jet's datediff of months and days between a stored date and today.
int monthsSince(const QDate& from, const QDate& today)
{
    return (today.year() - from.year()) * 12 + today.month() - from.month();
}

}

QString FindPosMember(const QString& text, const QString& password, PosMember* m)
{
    const QString x = text.trimmed();
    const QString no = ScalarBound(
        QStringLiteral("select hy_bh from jxc_hyxx where hy_status<>0 and (hy_bh=:x or hy_tele=:x or hy_mobile=:x "
                       "or hy_jm=:x or hy_name=:x) and coalesce(hy_mm,'')=:p order by id limit 1"),
        { { QStringLiteral("x"), x }, { QStringLiteral("p"), ToFullWidthText(password.trimmed()) } });
    if (no.isEmpty())
        return QStringLiteral("会员不存在或密码错误，请重新输入！");
    Query q(&F_DataModule->ADOConn);
    OpenWithParams(q,
        QStringLiteral("select a.*,b.hl_zk,b.hl_name from jxc_hyxx a,jxc_hyfl b where a.hl_sn=b.hl_sn and a.hy_bh=:b"),
        { { QStringLiteral("b"), no } });
    if (q.IsEmpty())
        return QStringLiteral("会员不存在或密码错误，请重新输入！");
    q.First();
    const QString expiry = q.AsString(QStringLiteral("hy_dqrq")).trimmed();
    // The expiry day itself is still valid.
    if (!expiry.isEmpty() && Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) > expiry)
        return QStringLiteral("该会员已到期，不能使用！");
    m->sn = q.AsString(QStringLiteral("hy_sn"));
    m->no = no;
    m->name = q.AsString(QStringLiteral("hy_name"));
    m->points = q.AsString(QStringLiteral("hy_jf"));
    m->level = q.AsString(QStringLiteral("hl_name"));
    m->levelSn = q.AsString(QStringLiteral("hl_sn"));
    m->rate = q.AsString(QStringLiteral("hl_zk"));
    m->balance = NumberText(q.AsFloat(QStringLiteral("hy_zhje")) + PendingInstalment(m->sn));
    return QString();
}

double PendingInstalment(const QString& memberSn)
{
    const QDate today = Clock::Today();
    Query q(&F_DataModule->ADOConn);
    for (const int kind : { 2, 4 }) {
        OpenWithParams(q,
            QStringLiteral("select hs_myje,xf_zsrq from jxc_hyxf where hs_zsfs=:k and hs_zsje>=hs_myje and hy_sn=:s "
                           "order by id"),
            { { QStringLiteral("k"), kind }, { QStringLiteral("s"), memberSn } });
        for (q.First(); !q.Eof(); q.Next()) {
            const QDate last
                = QDate::fromString(q.AsString(QStringLiteral("xf_zsrq")).left(10), QStringLiteral("yyyy-MM-dd"));
            const bool due = last.isValid() && (kind == 2 ? monthsSince(last, today) >= 1 : last.daysTo(today) >= 1);
            if (!due)
                continue;
            const double amount = q.AsFloat(QStringLiteral("hs_myje"));
            if (amount != 0)
                return amount;
            break;
        }
    }
    return 0;
}

void RepriceCart(const QString& number, const QString& op, const PosMember* m)
{
    Transaction t(F_DataModule->ADOConn);
    SqlParams key { { QStringLiteral("n"), number }, { QStringLiteral("op"), op } };
    const PosBuyer buyer = CurrentPosBuyer(m ? m->no : QString(), m ? m->rate : QString());
    if (m) {
        key.insert(QStringLiteral("r"), buyer.memberDay ? buyer.memberDayDiscount : buyer.levelDiscount);
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_dzl=:r,ls_zje=ls_sl*ls_dj*:r,ls_dhdj=ls_dj*:r "
                                 "where gl_djh=:n and a_name=:op"),
            key);
    } else {
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_dzl=1,ls_zje=ls_sl*ls_dj,ls_dhdj=ls_dj where "
                                 "coalesce(t_zp,'')='' and gl_djh=:n and a_name=:op"),
            key);
    }
    if (buyer.memberDay) {
        t.Commit();
        return;
    }
    key.insert(QStringLiteral("zp"), kGift);
    Query lines(&F_DataModule->ADOConn);
    OpenWithParams(lines,
        QStringLiteral(
            "select distinct g_sn from jxc_lsxssp where coalesce(t_zp,'')<>:zp and gl_djh=:n and a_name=:op"),
        key);
    Query goods(&F_DataModule->ADOConn);
    for (lines.First(); !lines.Eof(); lines.Next()) {
        const QString sn = lines.AsString(QStringLiteral("g_sn"));
        OpenWithParams(goods, QStringLiteral("select * from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), sn } });
        if (goods.IsEmpty())
            continue;
        goods.First();
        const PosPrice price = PricePosGoods(goods, buyer, Clock::Now(), true);
        SqlParams line = key;
        line.insert(QStringLiteral("g"), sn);
        line.insert(QStringLiteral("p"), price.price);
        line.insert(QStringLiteral("r"), price.rate);
        line.insert(QStringLiteral("dh"), price.price * price.rate);
        // Every line of the goods at once (all its colours); lines in a larger unit
        // keep their unit price and take only the rate.
        ExecBound(
            QStringLiteral("update jxc_lsxssp set ls_dj=:p,ls_dzl=:r,ls_dhdj=:dh,ls_zje=ls_sl*:dh where "
                           "coalesce(g_zhxs,1)=1 and g_sn=:g and coalesce(t_zp,'')<>:zp and gl_djh=:n and a_name=:op"),
            line);
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_dzl=:r,ls_dhdj=ls_dj*:r,ls_zje=ls_sl*ls_dj*:r where "
                                 "g_zhxs>1 and g_sn=:g and coalesce(t_zp,'')<>:zp and gl_djh=:n and a_name=:op"),
            line);
    }
    t.Commit();
}

TF_Posxs_SeleHy::TF_Posxs_SeleHy(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_SeleHy"));
    setWindowTitle(QStringLiteral("选择会员"));
    resize(380, 200);
    auto* box = new QVBoxLayout(this);
    box->addWidget(new QLabel(QStringLiteral("会员卡号或电话："), this));
    thybh = new QLineEdit(this);
    box->addWidget(thybh);
    box->addWidget(new QLabel(QStringLiteral("请输入会员密码："), this));
    tpwd = new QLineEdit(this);
    tpwd->setEchoMode(QLineEdit::Password);
    box->addWidget(tpwd);
    auto* hint = new QLabel(QStringLiteral("若会员编号为空，则删除已选会员"), this);
    hint->setStyleSheet(QStringLiteral("color: blue;"));
    box->addWidget(hint);
    box->addLayout(
        PosButtonRow(this, { &btnOK, &btnCancel }, { QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)") }));
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_SeleHy::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Posxs_SeleHy::btnCancelClick);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            btnOKClick();
            return true;
        }
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        return false;
    });
}

void TF_Posxs_SeleHy::FormActivate()
{
    thybh->clear();
    tpwd->clear();
    ActiveDocKind.clear();
    thybh->setFocus();
}

void TF_Posxs_SeleHy::btnOKClick()
{
    ActiveDocKind.clear();
    const QString number = till ? till->SaleNumber() : QString();
    if (!thybh->text().trimmed().isEmpty()) {
        PosMember m;
        const QString refusal = FindPosMember(thybh->text(), tpwd->text(), &m);
        if (!refusal.isEmpty()) {
            Prompt::Info(refusal);
            return;
        }
        if (till) {
            till->hy_bh->setText(m.no);
            till->hy_name->setText(m.name);
            till->hy_jf->setText(m.points);
            till->hl_name->setText(m.level);
            till->hl_zk->setText(m.rate);
            till->hy_zhye->setText(m.balance);
        }
        ActiveDocKind = m.balance;
        RepriceCart(number, CurrentAdminName, &m);
    } else {
        if (till)
            for (QLabel* l : { till->hy_bh, till->hy_name, till->hy_jf, till->hl_name, till->hl_zk, till->hy_zhye })
                l->clear();
        RepriceCart(number, CurrentAdminName, nullptr);
    }
    accept();
}

void TF_Posxs_SeleHy::btnCancelClick()
{
    reject();
}

void posHy(TF_PosMainForm& till)
{
    TF_Posxs_SeleHy dialog;
    dialog.till = &till;
    dialog.ShowModal();
}
