#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// An SMS gateway on 127.0.0.1 for tests: records every request as it arrived and
// answers as the case needs. Runs on the test's own thread; the client's wait for
// the answer drives it.
class TestSmsGateway : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Accept,      // 200 OK
        Refuse,      // nothing listens on the port
        ServerError, // 500
        Late,        // never answers (the client's time-out ends the wait)
    };
    explicit TestSmsGateway(Mode mode = Mode::Accept);
    ~TestSmsGateway() override;

    void SetMode(Mode mode);
    quint16 Port() const { return port_; }

    struct Request {
        QByteArray method, target, contentType, body;
    };
    const QList<Request>& Requests() const { return requests_; }
    QList<QByteArray> Bodies() const;

private:
    void Read(QTcpSocket* socket);

    Mode mode_;
    QTcpServer server_;
    quint16 port_ = 0;
    QList<Request> requests_;
};
