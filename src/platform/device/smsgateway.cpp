#include "platform/device/smsgateway.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace SmsGateway {

namespace {

    constexpr int kDefaultTimeoutMs = 10000;
    int timeoutMs = kDefaultTimeoutMs;

    bool KeptAsIs(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' || c == '-'
            || c == '.' || c == '_';
    }

} // namespace

QByteArray FormEncode(const QString& text)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (KeptAsIs(c)) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0x0F];
        }
    }
    return out;
}

QByteArray FormBody(const Message& m)
{
    const QList<std::pair<QString, QString>> fields = { { QStringLiteral("username"), m.user },
        { QStringLiteral("passwd"), m.password }, { QStringLiteral("phone"), m.mobile },
        { QStringLiteral("msg"), m.text }, { QStringLiteral("needstatus"), QStringLiteral("true") },
        { QStringLiteral("port"), QString() }, { QStringLiteral("sendtime"), QString() } };
    QByteArray body;
    for (const auto& [name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += FormEncode(name) + '=' + FormEncode(value);
    }
    return body;
}

Outcome Post(const Endpoint& endpoint, const Message& m)
{
    if (endpoint.host.trimmed().isEmpty())
        return { false, QStringLiteral("未设置短信网关") };
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(endpoint.host.trimmed());
    url.setPort(endpoint.port);
    url.setPath(QStringLiteral("/shortMessage"));
    // The gateway expects the path followed by an empty query.
    url.setQuery(QString(""));
    if (!url.isValid())
        return { false, QStringLiteral("短信网关地址无效") };

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = manager.post(request, FormBody(m));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    Outcome outcome;
    if (timedOut && !reply->isFinished()) {
        reply->abort();
        outcome.reason = QStringLiteral("短信网关无应答（超时）");
    } else {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 200 && status < 300)
            outcome.sent = true;
        else if (status > 0)
            outcome.reason = QStringLiteral("短信网关返回 HTTP ") + QString::number(status);
        else
            outcome.reason = reply->errorString();
    }
    delete reply;
    return outcome;
}

int TimeoutMs()
{
    return timeoutMs;
}

void SetTimeoutMs(int ms)
{
    timeoutMs = ms > 0 ? ms : kDefaultTimeoutMs;
}

}
