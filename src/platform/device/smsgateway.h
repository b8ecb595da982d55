#pragma once
#include <QByteArray>
#include <QString>

// SMS over HTTP: one form POST to the gateway's "/shortMessage?" and the outcome.
// Knows nothing of members or settings; callers hand in the account and the gateway.
namespace SmsGateway {

struct Endpoint {
    QString host;
    quint16 port = 8500;
};

struct Message {
    QString user;
    QString password;
    QString mobile;
    QString text;
};

// Whether the gateway took the request, and otherwise why not.
struct Outcome {
    bool sent = false;
    QString reason;
};

// The form encoding of one name or value: A-Z, a-z, 0-9 and * - . _ stay, a space
// becomes "+", every other byte of the UTF-8 text becomes "%XX" in upper case.
QByteArray FormEncode(const QString& text);
// The request body: the seven fields in the gateway's order, joined by "&".
QByteArray FormBody(const Message& m);

// Posts the message and waits for the answer (a 2xx status counts as sent) or the
// time-out. Never throws.
Outcome Post(const Endpoint& endpoint, const Message& m);

// The time-out of one request: 10 s unless a test shortens it.
int TimeoutMs();
void SetTimeoutMs(int ms);

}
