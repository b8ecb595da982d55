#include "members/smsops.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "members/smssend.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"

QString InitialSmsText()
{
    return QStringLiteral("尊敬的{hyname}您好：");
}

void AddSmsRecipients(const QString& number, const QStringList& memberSns)
{
    Transaction t(F_DataModule->ADOConn);
    for (const QString& sn : memberSns)
        ExecBound(
            QStringLiteral("insert into jxc_smshy (gl_djh,hy_sn,hy_mobile,a_name) select :djh,hy_sn,hy_mobile,:who "
                           "from jxc_hyxx where hy_sn=:sn"),
            { { QStringLiteral("djh"), number }, { QStringLiteral("who"), CurrentAdminName },
                { QStringLiteral("sn"), sn } });
    t.Commit();
}

QString RenumberSmsBatch(const QString& number, const QDate& date)
{
    const QString renumbered = NextDocNo(QStringLiteral("jxc_smshy"), QStringLiteral("gl_djh"), QStringLiteral("SM"),
        date.toString(QStringLiteral("yyyy-MM-dd")));
    Transaction t(F_DataModule->ADOConn);
    // Only this operator's prepared rows: another operator may share the number.
    ExecBound(QStringLiteral("update jxc_smshy set gl_djh=:new where gl_djh=:old and a_name=:who and "
                             "coalesce(sms_rq,'')=''"),
        { { QStringLiteral("new"), renumbered }, { QStringLiteral("old"), number },
            { QStringLiteral("who"), CurrentAdminName } });
    ExecBound(QStringLiteral("update jxc_sms set gl_djh=:new where gl_djh=:old and a_name=:who"),
        { { QStringLiteral("new"), renumbered }, { QStringLiteral("old"), number },
            { QStringLiteral("who"), CurrentAdminName } });
    t.Commit();
    return renumbered;
}

QString SmsBatchRefusal(int recipients, const QString& text)
{
    if (recipients <= 0)
        return QStringLiteral("单据中会员信息，不能保存！");
    const QString t = text.trimmed();
    if (t.isEmpty() || t == InitialSmsText())
        return QStringLiteral("请输入短信内容！");
    if (SmsUser.isEmpty() || SmsPassword.isEmpty())
        return QStringLiteral("您还没有定义短信参数，\r\n\r\n请在“已发短信”界面定义短信参数！");
    return QString();
}

int SendSmsBatch(const QString& number, const QDate& date, const QString& text)
{
    const QString typed = text.trimmed();
    Query rows(&F_DataModule->ADOConn);
    rows.SetSQL(QStringLiteral("select a.id,a.hy_mobile,b.hy_name,b.hy_bh,b.hy_sr,b.hy_zhje,b.hy_jf from jxc_smshy a,"
                               "jxc_hyxx b where a.hy_sn=b.hy_sn and a.gl_djh=:djh and a.a_name=:who order by a.id"));
    rows.SetParam(QStringLiteral("djh"), number);
    rows.SetParam(QStringLiteral("who"), CurrentAdminName);
    rows.Open();
    const int count = rows.RecordCount();
    ExecBound(QStringLiteral("insert into jxc_sms (gl_djh,sms_rq,sms_note,a_name) values (:djh,:rq,:note,:who)"),
        { { QStringLiteral("djh"), number }, { QStringLiteral("rq"), date.toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("note"), typed }, { QStringLiteral("who"), CurrentAdminName } });
    WriteLog(QStringLiteral("增加短信单") + number + QStringLiteral("，共") + QString::number(count)
        + QStringLiteral("个会员"));
    SmsAction sms;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const QString now = SmsTimeNow();
        const QString message = SignedSms(FillSmsTemplate(typed,
            { { QStringLiteral("{hyname}"), rows.AsString(QStringLiteral("hy_name")) },
                { QStringLiteral("{hybh}"), rows.AsString(QStringLiteral("hy_bh")) },
                { QStringLiteral("{hysr}"), rows.AsString(QStringLiteral("hy_sr")) },
                { QStringLiteral("{czkje}"), rows.AsString(QStringLiteral("hy_zhje")) },
                { QStringLiteral("{zjf}"), rows.AsString(QStringLiteral("hy_jf")) } }));
        sms.Send(message, rows.AsString(QStringLiteral("hy_mobile")));
        ExecBound(QStringLiteral("update jxc_smshy set sms_rq=:rq,sms_note=:note where id=:id"),
            { { QStringLiteral("rq"), now }, { QStringLiteral("note"), message },
                { QStringLiteral("id"), rows.AsInteger(QStringLiteral("id")) } });
    }
    sms.Report();
    return count;
}

void DiscardSmsBatch(const QString& number)
{
    const SqlParams p { { QStringLiteral("djh"), number }, { QStringLiteral("who"), CurrentAdminName } };
    ExecBound(QStringLiteral("delete from jxc_smshy where gl_djh=:djh and a_name=:who"), p);
    ExecBound(QStringLiteral("delete from jxc_sms where gl_djh=:djh and a_name=:who"), p);
}

QString SmsLogSql()
{
    return QStringLiteral("select a.*,b.hy_name,b.hy_bh,b.hy_address,b.hy_sr from jxc_smshy a,jxc_hyxx b "
                          "where a.hy_sn=b.hy_sn and a.sms_rq>=:d1 and a.sms_rq<:d2 and (:k='' or a.gl_djh like :pat "
                          "or a.sms_note like :pat or b.hy_sn like :pat or b.hy_jm like :pat or b.hy_name like :pat "
                          "or b.hy_bh like :pat or a.hy_mobile like :pat) order by a.gl_djh desc,a.hy_sn");
}

void DeleteSmsLogRow(qint64 id)
{
    const QString number
        = ScalarBound(QStringLiteral("select gl_djh from jxc_smshy where id=:id"), { { QStringLiteral("id"), id } });
    Transaction t(F_DataModule->ADOConn);
    ExecBound(QStringLiteral("delete from jxc_smshy where id=:id"), { { QStringLiteral("id"), id } });
    const QString left = ScalarBound(
        QStringLiteral("select count(*) from jxc_smshy where gl_djh=:djh"), { { QStringLiteral("djh"), number } });
    if (left.isEmpty() || left == QLatin1String("0"))
        ExecBound(QStringLiteral("delete from jxc_sms where gl_djh=:djh"), { { QStringLiteral("djh"), number } });
    t.Commit();
}

void ResendSms(qint64 id)
{
    Query row(&F_DataModule->ADOConn);
    row.SetSQL(QStringLiteral("select hy_sn,hy_mobile,sms_note from jxc_smshy where id=:id"));
    row.SetParam(QStringLiteral("id"), id);
    row.Open();
    if (row.IsEmpty())
        return;
    const QString text = row.AsString(QStringLiteral("sms_note"));
    const QString mobile = row.AsString(QStringLiteral("hy_mobile"));
    SmsAction sms;
    const QString now = SmsTimeNow();
    sms.Send(text, mobile);
    LogMemberSms(NextSmsNumber(), row.AsString(QStringLiteral("hy_sn")), mobile, now, text);
    sms.Report();
}
