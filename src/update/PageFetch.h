#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QPointer>

class QNetworkReply;
class QUrl;

// The bounds of one fetch.
struct FetchLimits
{
    // Fails once nothing arrives for this long (the request time-out).
    int transferTimeoutMs = 60'000;
    // Fails once the whole fetch, redirects included, has taken this long, so
    // that a server dripping a byte at a time cannot hold the check.
    int deadlineMs = 60'000;
    // A body longer than this is a failure, read no further.
    qint64 maxBodyBytes = 64 * 1024;
};

// An HTTP GET that is synchronous for its caller: get() runs a local event
// loop until the page is there, has failed or timed out, or cancel() is
// called from within that loop (by the waiting box's Cancel).
class PageFetch
{
public:
    enum class Outcome { Fetched, Failed, Cancelled };

    explicit PageFetch(const FetchLimits &limits = {});

    // Fetches `url` with the system's proxy settings, following redirects to
    // http and https addresses only. A failure is anything but a 2xx answer
    // with a body of at most `maxBodyBytes`. On Fetched, `body` holds the bytes
    // of the page as they came; otherwise it is left untouched.
    Outcome get(const QUrl &url, QByteArray &body);

    // Ends the fetch under way, if any, as Cancelled.
    void cancel();

private:
    // One request, without following a redirect: the page into `body`, or
    // the address a redirect points to into `location`.
    enum class Hop { Page, Redirect, Failed, Cancelled };
    Hop request(const QUrl &url, QByteArray &body, QUrl &location);
    // Ends the fetch under way, if any, as Failed.
    void fail();

    FetchLimits limits;
    QNetworkAccessManager manager;
    QPointer<QNetworkReply> current;
    bool cancelled = false;
    bool failed = false;
};
