#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests, answering each path with a
// canned behaviour. It runs on the test's thread: it serves while the code
// under test runs an event loop (as a synchronous fetch does). Paths without
// a behaviour are answered 404.
class LocalHttpServer : public QObject
{
public:
    LocalHttpServer();
    ~LocalHttpServer() override;

    // "http://127.0.0.1:<port>"
    QString baseAddress() const;
    quint16 port() const { return server.serverPort(); }

    // 200 (or `status`) with `body` and its Content-Length, then close.
    void serve(const QString &path, const QByteArray &body, int status = 200);
    // Reads the request and never answers.
    void staySilent(const QString &path);
    // Announces `body` with its Content-Length, then sends it one byte every
    // `intervalMs`.
    void drip(const QString &path, const QByteArray &body, int intervalMs);
    // 200 without Content-Length, then 8 KiB every millisecond for as long as
    // the client listens.
    void sendEndlessly(const QString &path);
    // A redirect (`status`, 302 by default) to `location`, as written.
    void redirect(const QString &path, const QByteArray &location, int status = 302);

    // Whether answers of serve() and redirect() close the connection
    // ("Connection: close") or keep it open for the client's next request.
    bool closeAfterAnswer = false;

    // The paths asked for, in order.
    QStringList requests;
    // Body bytes sent by drip and sendEndlessly so far.
    qint64 streamedBytes = 0;

private:
    struct Behaviour
    {
        enum Kind { Serve, Silent, Drip, Endless, Redirect } kind = Serve;
        int status = 200;
        QByteArray body; // or the redirect's location
        int intervalMs = 0;
    };

    void accept();
    void answer(QTcpSocket *socket, const QString &path);
    void stream(QTcpSocket *socket, const QByteArray &head, const QByteArray &body, int intervalMs,
                int chunkBytes);

    QTcpServer server;
    QHash<QString, Behaviour> behaviours;
};
