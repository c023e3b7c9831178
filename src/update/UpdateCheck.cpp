#include "update/UpdateCheck.h"

#include "about/MessageTitles.h"
#include "about/ProgramVersion.h"
#include "dialogs/Dialogs.h"
#include "dialogs/FetchProgress.h"

#include <QUrl>

namespace {

// The page's bytes as text: characters of the system code page.
QString pageText(const QByteArray &page)
{
    return QString::fromLocal8Bit(page);
}

} // namespace

UpdateCheck::UpdateCheck(Dialogs &dialogs, FetchProgress &progress, const QString &host,
                         const FetchLimits &limits)
    : dialogs(dialogs)
    , progress(progress)
    , host(host)
    , fetch(limits)
{
}

void UpdateCheck::run()
{
    // Nothing is fetched on No.
    if (dialogs.messageBox(tr("Check the Internet for upgrades? An Internet connection is required."),
                           Dialogs::Buttons::YesNo, title())
        == Dialogs::Answer::No)
        return;

    // The version page holds exactly four characters.
    if (!fetchPage(MakerSite::versionPagePath))
        return;
    const QString version = pageText(fetchedPage);
    if (version.size() != 4) {
        connectionFailed();
        return;
    }

    // Exact and case-sensitive; versions are not ordered.
    if (version == ProgramVersion::programVersionText()) {
        dialogs.messageBox(tr("You have the latest version of Skylyre Configurator. No updates are needed."),
                           Dialogs::Buttons::Ok, title());
        return;
    }

    // Newer or older: offer the download.
    if (dialogs.messageBox(tr("You do not have the latest version. Would you like to download the latest "
                              "version? (%1)")
                               .arg(version),
                           Dialogs::Buttons::YesNo, title())
        == Dialogs::Answer::No)
        return;

    // The download address is handed to the shell unchanged, but only when it
    // is a web address.
    if (!fetchPage(MakerSite::downloadAddressPagePath))
        return;
    const QString address = pageText(fetchedPage);
    if (!isWebAddress(address)) {
        dialogs.messageBox(tr("The download address given by Velmora is not a web address, so it was not "
                              "opened. Please try again later."),
                           Dialogs::Buttons::Ok, title());
        return;
    }
    dialogs.shellOpen(address);
}

bool UpdateCheck::isWebAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool UpdateCheck::fetchPage(const QString &path)
{
    QByteArray page;
    progress.begin(tr("Checking for updates..."), title(), [this] { fetch.cancel(); });
    const PageFetch::Outcome outcome = fetch.get(QUrl(host + path), page);
    progress.end();

    switch (outcome) {
    case PageFetch::Outcome::Fetched:
        fetchedPage = page;
        return true;
    case PageFetch::Outcome::Cancelled:
        return false;
    case PageFetch::Outcome::Failed:
        break;
    }
    connectionFailed();
    return false;
}

void UpdateCheck::connectionFailed()
{
    dialogs.messageBox(tr("Connection to Velmora could not be established. Please try again later."),
                       Dialogs::Buttons::Ok, MessageTitles::error());
}

QString UpdateCheck::title()
{
    return tr("Update");
}
