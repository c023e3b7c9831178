#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

QByteArray head(int status, const QList<QByteArray> &fields, bool close)
{
    QByteArray result = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    for (const QByteArray &field : fields)
        result += field + "\r\n";
    if (close)
        result += "Connection: close\r\n";
    result += "\r\n";
    return result;
}

QByteArray contentLength(qint64 size)
{
    return "Content-Length: " + QByteArray::number(size);
}

} // namespace

LocalHttpServer::LocalHttpServer()
{
    EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0)) << server.errorString().toStdString();
    QObject::connect(&server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

LocalHttpServer::~LocalHttpServer()
{
    server.close();
}

QString LocalHttpServer::baseAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void LocalHttpServer::serve(const QString &path, const QByteArray &body, int status)
{
    behaviours.insert(path, {Behaviour::Serve, status, body, 0});
}

void LocalHttpServer::staySilent(const QString &path)
{
    behaviours.insert(path, {Behaviour::Silent, 0, {}, 0});
}

void LocalHttpServer::drip(const QString &path, const QByteArray &body, int intervalMs)
{
    behaviours.insert(path, {Behaviour::Drip, 200, body, intervalMs});
}

void LocalHttpServer::sendEndlessly(const QString &path)
{
    behaviours.insert(path, {Behaviour::Endless, 200, {}, 1});
}

void LocalHttpServer::redirect(const QString &path, const QByteArray &location, int status)
{
    behaviours.insert(path, {Behaviour::Redirect, status, location, 0});
}

void LocalHttpServer::accept()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        socket->setParent(this);
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll();
            // Each request in turn; a connection may carry several.
            qsizetype end;
            while ((end = received->indexOf("\r\n\r\n")) >= 0) {
                const QByteArray request = received->left(end);
                received->remove(0, end + 4);
                // "GET /path HTTP/1.1"
                const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
                const QString path =
                    requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
                requests << path;
                answer(socket, path);
            }
        });
    }
}

void LocalHttpServer::answer(QTcpSocket *socket, const QString &path)
{
    const Behaviour behaviour = behaviours.value(path, {Behaviour::Serve, 404, "Not Found", 0});
    switch (behaviour.kind) {
    case Behaviour::Serve:
        socket->write(head(behaviour.status,
                           {"Content-Type: text/html", contentLength(behaviour.body.size())},
                           closeAfterAnswer)
                      + behaviour.body);
        if (closeAfterAnswer)
            socket->disconnectFromHost();
        break;
    case Behaviour::Silent:
        break;
    case Behaviour::Redirect:
        socket->write(
            head(behaviour.status, {"Location: " + behaviour.body, contentLength(0)}, closeAfterAnswer));
        if (closeAfterAnswer)
            socket->disconnectFromHost();
        break;
    case Behaviour::Drip:
        stream(socket, head(200, {"Content-Type: text/html", contentLength(behaviour.body.size())}, true),
               behaviour.body, behaviour.intervalMs, 1);
        break;
    case Behaviour::Endless:
        stream(socket, head(200, {"Content-Type: text/html"}, true), {}, behaviour.intervalMs, 8 * 1024);
        break;
    }
}

// Sends `head` at once, then `chunkBytes` of `body` (or, when `body` is empty,
// of an endless run of 'x') every `intervalMs`, until the body is sent or the
// client goes away.
void LocalHttpServer::stream(QTcpSocket *socket, const QByteArray &head, const QByteArray &body,
                             int intervalMs, int chunkBytes)
{
    socket->write(head);
    auto *timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [this, socket, timer, body, chunkBytes, sent] {
        if (socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
            return;
        }
        const QByteArray chunk = body.isEmpty() ? QByteArray(chunkBytes, 'x') : body.mid(*sent, chunkBytes);
        socket->write(chunk);
        *sent += chunk.size();
        streamedBytes += chunk.size();
        if (!body.isEmpty() && *sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(intervalMs);
}
