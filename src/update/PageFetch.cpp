#include "update/PageFetch.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

// More hops than any real site needs; a loop fails long before the deadline.
constexpr int maxRedirects = 10;

bool isWebScheme(const QUrl &url)
{
    return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
        || url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

PageFetch::PageFetch(const FetchLimits &limits)
    : limits(limits)
{
}

PageFetch::Outcome PageFetch::get(const QUrl &url, QByteArray &body)
{
    // Every fetch uses the system's Internet and proxy settings, whatever else
    // in the process says.
    QNetworkProxyFactory::setUseSystemConfiguration(true);

    cancelled = false;
    failed = false;
    // One deadline for the whole fetch, redirects included.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, [this] { fail(); });
    deadline.start(limits.deadlineMs);

    QUrl target = url;
    for (int hop = 0;; ++hop) {
        QUrl location;
        switch (request(target, body, location)) {
        case Hop::Page:
            return Outcome::Fetched;
        case Hop::Cancelled:
            return Outcome::Cancelled;
        case Hop::Failed:
            return Outcome::Failed;
        case Hop::Redirect:
            break;
        }
        target = target.resolved(location);
        if (hop >= maxRedirects || !isWebScheme(target))
            return Outcome::Failed;
    }
}

PageFetch::Hop PageFetch::request(const QUrl &url, QByteArray &body, QUrl &location)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.transferTimeoutMs);
    // Redirects are followed by get(), one hop at a time, so that each
    // target's scheme is checked before anything is asked of it.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    current = reply.get();
    // Bounds what Qt holds for us, so that an oversize body is not read far
    // beyond the limit before it is seen.
    reply->setReadBufferSize(limits.maxBodyBytes + 1);

    QByteArray received;
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (status >= 200 && status < 300 && length.isValid() && length.toLongLong() > limits.maxBodyBytes)
            fail();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        received += reply->readAll();
        if (received.size() > limits.maxBodyBytes)
            fail();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    current = nullptr;
    QObject::disconnect(reply.get(), nullptr, &loop, nullptr);

    if (cancelled)
        return Hop::Cancelled;
    if (failed || !reply->isFinished())
        return Hop::Failed;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (isRedirect(status)) {
        location = QUrl::fromEncoded(reply->rawHeader("Location"));
        return location.isValid() ? Hop::Redirect : Hop::Failed;
    }
    if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300)
        return Hop::Failed;
    received += reply->readAll();
    if (received.size() > limits.maxBodyBytes)
        return Hop::Failed;
    body = received;
    return Hop::Page;
}

void PageFetch::fail()
{
    failed = true;
    if (current)
        current->abort();
}

void PageFetch::cancel()
{
    if (!current)
        return;
    cancelled = true;
    current->abort();
}
