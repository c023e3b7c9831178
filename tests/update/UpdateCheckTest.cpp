#include "update/UpdateCheck.h"
#include "about/MakerSite.h"
#include "about/ProgramVersion.h"

#include "LocalHttpServer.h"
#include "ScriptedDialogs.h"
#include "ScriptedFetchProgress.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkProxyFactory>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

// Readable failures: texts as text, not as their UTF-16 code units.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString versionPage = MakerSite::versionPagePath;
const QString addressPage = MakerSite::downloadAddressPagePath;

const QString askToCheck = "Check the Internet for upgrades? An Internet connection is required.";
const QString connectionMessage = "Connection to Velmora could not be established. Please try again later.";
const QString latestVersion = "You have the latest version of Skylyre Configurator. No updates are needed.";
const QString askToDownload =
    "You do not have the latest version. Would you like to download the latest version? (";
const QString notWebAddress =
    "The download address given by Velmora is not a web address, so it was not opened. "
    "Please try again later.";
const QString waitingBox = "Update: Checking for updates...";

const QByteArray downloadAddress = "http://velmora.example/velmora/orvalin/skylyre160.zip";

// Every byte this process has taken from files and sockets so far (the
// server's part of that is the requests), as the kernel counts them.
std::optional<qint64> bytesReadByThisProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar: "))
            return line.sliced(7).toLongLong();
    }
    return std::nullopt;
}

// Long enough never to end a fetch that works, even on a busy machine.
FetchLimits relaxed()
{
    FetchLimits limits;
    limits.transferTimeoutMs = 20'000;
    limits.deadlineMs = 30'000;
    return limits;
}

class UpdateCheckTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The check follows the system's proxy settings; the local server is
        // to be reached directly whatever the machine running the tests says.
        for (const char *name :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    UpdateCheck &check(const FetchLimits &limits = relaxed())
    {
        if (!updateCheck)
            updateCheck = std::make_unique<UpdateCheck>(dialogs, progress, server.baseAddress(), limits);
        return *updateCheck;
    }

    // Runs one check and returns how long it took in milliseconds.
    qint64 run(const FetchLimits &limits = relaxed())
    {
        QElapsedTimer clock;
        clock.start();
        check(limits).run();
        return clock.elapsed();
    }

    void expectMessage(size_t index, const QString &text, BoxStyle style, const QString &title)
    {
        const std::vector<DialogCall> messages = dialogs.messages();
        ASSERT_LT(index, messages.size());
        EXPECT_EQ(messages[index].text, text);
        EXPECT_EQ(messages[index].style, style);
        EXPECT_EQ(messages[index].title, title);
    }

    // The first question answered Yes, then the connection message once, and
    // nothing handed to the shell.
    void expectConnectionFailure()
    {
        EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, connectionMessage}));
        expectMessage(1, connectionMessage, okBox, "Error");
        expectNothingOpened();
    }

    void expectNothingOpened()
    {
        for (const DialogCall &call : dialogs.calls)
            EXPECT_NE(call.kind, DialogCall::Shell) << call.text.toStdString();
    }

    QStringList shellOpened() const
    {
        QStringList result;
        for (const DialogCall &call : dialogs.calls) {
            if (call.kind == DialogCall::Shell)
                result << call.text;
        }
        return result;
    }

    LocalHttpServer server;
    ScriptedDialogs dialogs;
    ScriptedFetchProgress progress{dialogs};
    std::unique_ptr<UpdateCheck> updateCheck;
};

TEST_F(UpdateCheckTest, NoAtTheFirstQuestionFetchesNothing)
{
    server.serve(versionPage, "1.60");
    dialogs.answer(Answer::No);
    run();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    expectMessage(0, askToCheck, yesNoBox, "Update");
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_TRUE(progress.shown.isEmpty());
}

TEST_F(UpdateCheckTest, EqualVersionSaysItIsTheLatest)
{
    ASSERT_EQ(ProgramVersion::programVersionText(), "1.50");
    server.serve(versionPage, "1.50");
    dialogs.answer(Answer::Yes);
    run();
    ASSERT_EQ(dialogs.calls.size(), 2u);
    expectMessage(0, askToCheck, yesNoBox, "Update");
    expectMessage(1, latestVersion, okBox, "Update");
    EXPECT_EQ(server.requests, QStringList{versionPage});
    EXPECT_EQ(progress.shown, QStringList{waitingBox});
    EXPECT_EQ(progress.ended, 1);
    EXPECT_EQ(check().lastPage(), "1.50");
}

TEST_F(UpdateCheckTest, DifferentVersionAnsweredNoEndsTheCheck)
{
    server.serve(versionPage, "1.60");
    server.serve(addressPage, downloadAddress);
    dialogs.answer(Answer::Yes).answer(Answer::No);
    run();
    ASSERT_EQ(dialogs.calls.size(), 2u);
    expectMessage(1, askToDownload + "1.60)", yesNoBox, "Update");
    EXPECT_EQ(server.requests, QStringList{versionPage});
    EXPECT_EQ(progress.shown.size(), 1);
    EXPECT_EQ(check().lastPage(), "1.60");
}

TEST_F(UpdateCheckTest, DifferentVersionAnsweredYesOpensTheDownloadAddress)
{
    server.closeAfterAnswer = true;
    server.serve(versionPage, "1.60");
    server.serve(addressPage, downloadAddress);
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)"}));
    EXPECT_EQ(shellOpened(), QStringList{QString::fromLatin1(downloadAddress)});
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls.back().kind, DialogCall::Shell);
    EXPECT_EQ(server.requests, QStringList({versionPage, addressPage}));
    EXPECT_EQ(progress.shown, QStringList({waitingBox, waitingBox}));
    EXPECT_EQ(progress.ended, 2);
    EXPECT_EQ(check().lastPage(), downloadAddress);
}

class AnyOtherFourCharacters : public UpdateCheckTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(AnyOtherFourCharacters, AsksToDownloadWithThePageText)
{
    const QByteArray page = GetParam();
    ASSERT_EQ(page.size(), 4);
    server.serve(versionPage, page);
    dialogs.answer(Answer::Yes).answer(Answer::No);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + QString::fromLatin1(page) + ')'}));
    expectNothingOpened();
}

// Older, newer, and pages that only look alike: no ordering, exact and
// case-sensitive.
INSTANTIATE_TEST_SUITE_P(UpdateCheck, AnyOtherFourCharacters,
                         testing::Values("1.40", "1.05", "1.51", "2.00", "1,50", "1.5 ", " 1.5", "<br>"));

class NotFourCharacters : public UpdateCheckTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(NotFourCharacters, GivesTheConnectionMessage)
{
    server.serve(versionPage, GetParam());
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
}

// The version followed by CR LF is six characters: no comparison is made.
INSTANTIATE_TEST_SUITE_P(UpdateCheck, NotFourCharacters,
                         testing::Values("1.50\r\n", "1.50\n", "", "1.5", "1.500",
                                         "<html><body>Not here</body></html>"));

TEST_F(UpdateCheckTest, NotFoundIsAFailureWhateverItsBody)
{
    server.serve(versionPage, "1.50", 404);
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
}

TEST_F(UpdateCheckTest, ServerErrorIsAFailureWhateverItsBody)
{
    server.serve(versionPage, "1.60", 500);
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
}

TEST_F(UpdateCheckTest, UnreachablePortGivesTheConnectionMessageOnce)
{
    // A port that was free a moment ago and that nothing listens on now.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();

    UpdateCheck unreachable(dialogs, progress, QStringLiteral("http://127.0.0.1:%1").arg(port), relaxed());
    dialogs.answer(Answer::Yes);
    QElapsedTimer clock;
    clock.start();
    unreachable.run();
    EXPECT_LT(clock.elapsed(), 10'000);
    expectConnectionFailure();
    EXPECT_EQ(progress.ended, 1);
    EXPECT_TRUE(unreachable.lastPage().isEmpty());
}

TEST_F(UpdateCheckTest, ServerThatNeverAnswersTimesOut)
{
    server.staySilent(versionPage);
    FetchLimits limits = relaxed();
    limits.transferTimeoutMs = 300;
    dialogs.answer(Answer::Yes);
    const qint64 elapsed = run(limits);
    expectConnectionFailure();
    EXPECT_EQ(server.requests, QStringList{versionPage});
    EXPECT_GE(elapsed, 250);
    EXPECT_LT(elapsed, 10'000);
}

TEST_F(UpdateCheckTest, DrippingServerIsCutOffAtTheDeadline)
{
    // A 1000-byte page, a byte every 50 ms: each byte comes well
    // within the transfer time-out, the whole page only after 50 seconds.
    server.drip(versionPage, QByteArray(1000, ' '), 50);
    FetchLimits limits;
    limits.transferTimeoutMs = 20'000;
    limits.deadlineMs = 500;
    dialogs.answer(Answer::Yes);
    const qint64 elapsed = run(limits);
    expectConnectionFailure();
    EXPECT_GE(elapsed, 450);
    EXPECT_LT(elapsed, 10'000);
    EXPECT_LT(server.streamedBytes, 1000);
}

TEST_F(UpdateCheckTest, OversizeBodyIsAFailure)
{
    server.serve(versionPage, QByteArray(64 * 1024 + 1, '1'));
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
}

// A server that sends for ever (a gigabyte in two minutes, and on): the check
// stops reading at the size limit, long before the deadline.
TEST_F(UpdateCheckTest, EndlessBodyIsCutOffAtTheSizeLimitNotTheDeadline)
{
    server.sendEndlessly(versionPage);
    dialogs.answer(Answer::Yes);
    const std::optional<qint64> readBefore = bytesReadByThisProcess();
    const qint64 elapsed = run();
    const std::optional<qint64> readAfter = bytesReadByThisProcess();
    expectConnectionFailure();
    EXPECT_LT(elapsed, 10'000);
    if (!readBefore || !readAfter)
        GTEST_SKIP() << "/proc/self/io cannot be read here, so the bytes read are not checked";
    // The 64 KiB limit, plus the chunk or two on their way when the check
    // stopped, the request the server read and Qt's own small reads.
    EXPECT_LE(*readAfter - *readBefore, 2 * 64 * 1024) << server.streamedBytes << " bytes were sent";
}

TEST_F(UpdateCheckTest, BodyOfExactly64KiBIsRead)
{
    server.serve(versionPage, "1.60");
    server.serve(addressPage, QByteArray(64 * 1024, 'a'));
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    // Fetched, then refused as an address: not the connection message.
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)", notWebAddress}));
    EXPECT_EQ(check().lastPage().size(), 64 * 1024);
    expectNothingOpened();
}

TEST_F(UpdateCheckTest, DownloadAddressPageOver64KiBIsAFailure)
{
    server.serve(versionPage, "1.60");
    server.serve(addressPage, downloadAddress + QByteArray(64 * 1024, ' '));
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)", connectionMessage}));
    expectMessage(2, connectionMessage, okBox, "Error");
    expectNothingOpened();
}

TEST_F(UpdateCheckTest, DownloadAddressPageNotFoundIsAFailure)
{
    server.serve(versionPage, "1.60");
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)", connectionMessage}));
    expectNothingOpened();
    EXPECT_EQ(server.requests, QStringList({versionPage, addressPage}));
}

class NotAWebAddress : public UpdateCheckTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(NotAWebAddress, OpensNothingAndSaysSo)
{
    server.serve(versionPage, "1.60");
    server.serve(addressPage, GetParam());
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)", notWebAddress}));
    expectMessage(2, notWebAddress, okBox, "Update");
    expectNothingOpened();
    EXPECT_EQ(check().lastPage(), QByteArray(GetParam()));
}

// Local files and programs, other schemes, an empty body, and an address
// followed by a line break (the text is taken untrimmed).
INSTANTIATE_TEST_SUITE_P(UpdateCheck, NotAWebAddress,
                         testing::Values("file:///C:/Windows/System32/calc.exe", "file:///usr/bin/xterm",
                                         "C:\\Windows\\System32\\calc.exe", "C:/Windows/System32/calc.exe",
                                         "\\\\server\\share\\setup.exe", "/usr/bin/xterm", "calc.exe",
                                         "skylyre160.zip", "", "javascript:alert(1)",
                                         "mailto:arandel@velmora.example",
                                         "ftp://velmora.example/skylyre160.zip", "http:skylyre160.zip",
                                         "http://", "http://velmora.example/skylyre 160.zip",
                                         "http://velmora.example/skylyre160.zip\r\n",
                                         " http://velmora.example/skylyre160.zip"));

class WebAddress : public UpdateCheckTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(WebAddress, IsHandedToTheShellUnchanged)
{
    server.serve(versionPage, "1.60");
    server.serve(addressPage, GetParam());
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)"}));
    EXPECT_EQ(shellOpened(), QStringList{QString::fromLatin1(GetParam())});
}

INSTANTIATE_TEST_SUITE_P(UpdateCheck, WebAddress,
                         testing::Values("http://velmora.example/velmora/orvalin/skylyre160.zip",
                                         "https://velmora.example/velmora/",
                                         "HTTPS://VELMORA.EXAMPLE/SKYLYRE160.ZIP",
                                         "http://127.0.0.1:8080/get?file=skylyre160.zip#top",
                                         "https://[::1]/skylyre160.zip"));

TEST_F(UpdateCheckTest, RedirectToAnHttpAddressIsFollowed)
{
    server.redirect(versionPage, server.baseAddress().toLatin1() + "/moved/ver.htm");
    server.serve("/moved/ver.htm", "1.50");
    dialogs.answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, latestVersion}));
    EXPECT_EQ(server.requests, QStringList({versionPage, "/moved/ver.htm"}));
}

class RedirectChain : public UpdateCheckTest, public testing::WithParamInterface<bool>
{
};

// Each hop is asked for once, on a server that keeps its connections open and
// on one that closes each after its answer.
TEST_P(RedirectChain, IsFollowedHopByHop)
{
    server.closeAfterAnswer = GetParam();
    server.redirect(versionPage, "/moved/ver.htm", 301);
    server.redirect("/moved/ver.htm", "//127.0.0.1:" + QByteArray::number(server.port()) + "/again/ver.htm",
                    307);
    server.redirect("/again/ver.htm", "../last/ver.htm", 303);
    server.serve("/last/ver.htm", "1.60");
    server.redirect(addressPage, "/moved/url.htm", 308);
    server.serve("/moved/url.htm", downloadAddress);
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)"}));
    EXPECT_EQ(shellOpened(), QStringList{QString::fromLatin1(downloadAddress)});
    EXPECT_EQ(server.requests,
              QStringList({versionPage, "/moved/ver.htm", "/again/ver.htm", "/last/ver.htm", addressPage,
                           "/moved/url.htm"}));
}

INSTANTIATE_TEST_SUITE_P(UpdateCheck, RedirectChain, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) {
                             return info.param ? "ClosingServer" : "KeepAliveServer";
                         });

TEST_F(UpdateCheckTest, RedirectWithoutLocationIsAFailure)
{
    server.redirect(versionPage, "");
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
}

class RedirectToAnotherScheme : public UpdateCheckTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(RedirectToAnotherScheme, IsRefused)
{
    const QByteArray location = QByteArray(GetParam()).replace("PORT", QByteArray::number(server.port()));
    server.redirect(versionPage, location);
    server.serve("/moved/ver.htm", "1.50");
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();
    EXPECT_EQ(server.requests, QStringList{versionPage});
}

INSTANTIATE_TEST_SUITE_P(UpdateCheck, RedirectToAnotherScheme,
                         testing::Values("ftp://127.0.0.1:PORT/moved/ver.htm", "file:///etc/hostname",
                                         "data:text/plain,1.50"));

TEST_F(UpdateCheckTest, RedirectLoopIsAFailure)
{
    server.redirect(versionPage, "/loop/a");
    server.redirect("/loop/a", "/loop/b");
    server.redirect("/loop/b", "/loop/a");
    dialogs.answer(Answer::Yes);
    const qint64 elapsed = run();
    expectConnectionFailure();
    EXPECT_LT(elapsed, 10'000);
}

TEST_F(UpdateCheckTest, CancelWhileWaitingForTheVersionEndsTheCheckQuietly)
{
    server.staySilent(versionPage);
    progress.cancelAt(1, 150);
    dialogs.answer(Answer::Yes);
    const qint64 elapsed = run();
    EXPECT_EQ(dialogs.prompts(), QStringList{askToCheck});
    expectNothingOpened();
    EXPECT_EQ(progress.cancelsPressed, 1);
    EXPECT_EQ(progress.ended, 1);
    EXPECT_LT(elapsed, 10'000);
    EXPECT_TRUE(check().lastPage().isEmpty());
}

TEST_F(UpdateCheckTest, CancelWhileWaitingForTheDownloadAddressOpensNothing)
{
    server.serve(versionPage, "1.60");
    server.drip(addressPage, downloadAddress, 1000);
    progress.cancelAt(2, 150);
    dialogs.answer(Answer::Yes).answer(Answer::Yes);
    const qint64 elapsed = run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, askToDownload + "1.60)"}));
    expectNothingOpened();
    EXPECT_EQ(progress.cancelsPressed, 1);
    EXPECT_EQ(progress.ended, 2);
    EXPECT_LT(elapsed, 10'000);
    EXPECT_EQ(check().lastPage(), "1.60");
}

TEST_F(UpdateCheckTest, EachClickRunsAFreshCheck)
{
    dialogs.answer(Answer::Yes);
    run();
    expectConnectionFailure();

    server.serve(versionPage, "1.50");
    dialogs.answer(Answer::Yes);
    run();
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, connectionMessage, askToCheck, latestVersion}));
}

TEST_F(UpdateCheckTest, FetchUsesTheSystemProxySettings)
{
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    server.serve(versionPage, "1.50");
    dialogs.answer(Answer::Yes);
    run();
    EXPECT_TRUE(QNetworkProxyFactory::usesSystemConfiguration());
    EXPECT_EQ(dialogs.prompts(), QStringList({askToCheck, latestVersion}));
}

TEST(UpdateCheckDefaults, FetchLimitsAreThoseOfTheIssue)
{
    const FetchLimits limits;
    EXPECT_EQ(limits.transferTimeoutMs, 60'000);
    EXPECT_EQ(limits.deadlineMs, 60'000);
    EXPECT_EQ(limits.maxBodyBytes, 64 * 1024);
}

TEST(UpdateCheckDefaults, TheProgramAsksTheMakersHost)
{
    EXPECT_EQ(MakerSite::host, "http://velmora.example");
    EXPECT_EQ(versionPage, "/velmora/orvalin/ver.htm");
    EXPECT_EQ(addressPage, "/velmora/orvalin/url.htm");
}

} // namespace
