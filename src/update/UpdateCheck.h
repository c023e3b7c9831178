#pragma once

#include "about/MakerSite.h"
#include "update/PageFetch.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class Dialogs;
class FetchProgress;

// The Update button's check: asks, fetches the version page from
// the maker's site, compares it with the program's version and, when the two
// differ and the user agrees, fetches the download-address page and hands the
// address to the shell. Every outcome is shown through `dialogs`; while a page
// is on its way `progress` shows the waiting box.
class UpdateCheck
{
    Q_DECLARE_TR_FUNCTIONS(UpdateCheck)

public:
    // `host` is the scheme and host the two page paths are appended to; the
    // program uses the maker's, tests a local server of their own.
    UpdateCheck(Dialogs &dialogs, FetchProgress &progress, const QString &host = MakerSite::host,
                const FetchLimits &limits = {});

    // The whole of the Update button's work.
    void run();

    // Only absolute http and https addresses are handed to the shell.
    static bool isWebAddress(const QString &text);

    // The bytes of the last page fetched, as they came.
    const QByteArray &lastPage() const { return fetchedPage; }

private:
    // Fetches the page at `path` of the host into lastPage(); false when the check
    // is to end (after the connection message, or quietly after Cancel).
    bool fetchPage(const QString &path);
    void connectionFailed();
    // The title of its boxes: "Update".
    static QString title();

    Dialogs &dialogs;
    FetchProgress &progress;
    QString host;
    PageFetch fetch;
    QByteArray fetchedPage;
};
