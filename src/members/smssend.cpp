#include "members/smssend.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/ui/prompt.h"

#include <QFormLayout>
#include <QLabel>

TF_Sms_Send* F_Sms_Send = nullptr;

TF_Sms_Send::TF_Sms_Send(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Sms_Send"));
    setWindowTitle(QStringLiteral("短信发送"));
    auto* f = new QFormLayout(this);
    lGateway = new QLabel(this);
    f->addRow(QStringLiteral("短信网关："), lGateway);
    lUser = new QLabel(this);
    f->addRow(QStringLiteral("短信账号："), lUser);
    lState = new QLabel(this);
    f->addRow(QStringLiteral("短信发送："), lState);
}

void TF_Sms_Send::FormActivate()
{
    lGateway->setText(SmsHost + QLatin1Char(':') + SmsPort);
    lUser->setText(SmsUser);
    lState->setText(IsTrue(UseSms) ? QStringLiteral("已启用") : QStringLiteral("未启用"));
}

SmsGateway::Outcome TF_Sms_Send::sendSms(const QString& message, const QString& mobile)
{
    if (mobile.trimmed().isEmpty() || SmsUser.isEmpty() || SmsPassword.isEmpty() || !IsTrue(UseSms))
        return {};
    bool ok = false;
    const int port = SmsPort.trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        return { false, QStringLiteral("短信网关端口无效：") + SmsPort };
    return SmsGateway::Post({ SmsHost, quint16(port) }, { SmsUser, SmsPassword, mobile.trimmed(), message });
}

TF_Sms_Send& SmsSender()
{
    if (!F_Sms_Send)
        F_Sms_Send = new TF_Sms_Send;
    return *F_Sms_Send;
}

bool SmsAction::Send(const QString& text, const QString& mobile)
{
    const SmsGateway::Outcome outcome = SmsSender().sendSms(text, mobile);
    if (outcome.sent || outcome.reason.isEmpty())
        return true;
    if (failures_++ == 0)
        firstReason_ = outcome.reason;
    WriteLog(QStringLiteral("短信发送失败：") + outcome.reason + QStringLiteral("，手机：") + mobile);
    return false;
}

void SmsAction::Report()
{
    if (failures_ > 0)
        Prompt::Info(QStringLiteral("短信发送失败：") + firstReason_);
    failures_ = 0;
    firstReason_.clear();
}

QString FillSmsTemplate(QString text, const QList<QPair<QString, QString>>& values)
{
    for (const auto& [placeholder, value] : values)
        text.replace(placeholder, value, Qt::CaseInsensitive);
    return text;
}

QString SignedSms(const QString& text)
{
    return text + QStringLiteral("【") + SmsSign + QStringLiteral("】");
}

QString SmsTimeNow()
{
    return Clock::Now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void LogMemberSms(
    const QString& number, const QString& memberSn, const QString& mobile, const QString& sentAt, const QString& text)
{
    ExecBound(QStringLiteral("insert into jxc_smshy (gl_djh,hy_sn,hy_mobile,sms_rq,sms_note,a_name) "
                             "values (:djh,:hy,:mobile,:rq,:note,:who)"),
        { { QStringLiteral("djh"), number }, { QStringLiteral("hy"), memberSn }, { QStringLiteral("mobile"), mobile },
            { QStringLiteral("rq"), sentAt }, { QStringLiteral("note"), text },
            { QStringLiteral("who"), CurrentAdminName } });
}

QString NextSmsNumber()
{
    return NextDocNoToday(QStringLiteral("jxc_smshy"), QStringLiteral("gl_djh"), QStringLiteral("SM"));
}

QString DefaultTopUpSms()
{
    return QStringLiteral(
        "尊敬的{hyname} 您好：您已成功充值{czje}，您的储值卡当前余额为{czkje}。感谢您的支持，祝您生活愉快！");
}

QString DefaultSaleSms()
{
    return QStringLiteral(
        "尊敬的{hyname} "
        "您好：您的会员卡{hybh}，消费{xfje}元，本次消费积分{bcjf}，当前总积分{zjf}，您的储值卡当前余额为"
        "{czkje}。感谢您的支持，祝您生活愉快！");
}
