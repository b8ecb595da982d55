#include "support/platform/testsmsgateway.h"

#include <QHostAddress>
#include <QTcpSocket>

TestSmsGateway::TestSmsGateway(Mode mode) : mode_(mode)
{
    server_.listen(QHostAddress::LocalHost, 0);
    port_ = server_.serverPort();
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        }
    });
    SetMode(mode);
}

TestSmsGateway::~TestSmsGateway() = default;

void TestSmsGateway::SetMode(Mode mode)
{
    mode_ = mode;
    // A refusing gateway keeps its port number but stops listening on it.
    if (mode == Mode::Refuse)
        server_.close();
    else if (!server_.isListening())
        server_.listen(QHostAddress::LocalHost, port_);
}

QList<QByteArray> TestSmsGateway::Bodies() const
{
    QList<QByteArray> bodies;
    for (const Request& r : requests_)
        bodies << r.body;
    return bodies;
}

void TestSmsGateway::Read(QTcpSocket* socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", buffer);
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    Request r;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    r.method = first.value(0);
    r.target = first.value(1);
    qsizetype length = 0;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length")
            length = value.toLongLong();
        else if (name == "content-type")
            r.contentType = value;
    }
    if (buffer.size() < headerEnd + 4 + length)
        return;
    r.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", QByteArray());
    requests_ << r;
    if (mode_ == Mode::Late)
        return;
    const QByteArray status = mode_ == Mode::ServerError ? "500 Internal Server Error" : "200 OK";
    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    socket->disconnectFromHost();
}
