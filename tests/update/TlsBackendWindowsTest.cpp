#include <QSslSocket>

#include <gtest/gtest.h>

// An update address may be https, or redirect there, as most sites now do. On
// Windows, Qt speaks TLS only through its Schannel plugin (tls\ beside the exe).
TEST(TlsBackendWindows, WindowsOwnTlsIsOffered)
{
    EXPECT_TRUE(QSslSocket::availableBackends().contains(QStringLiteral("schannel")));
    EXPECT_TRUE(QSslSocket::supportsSsl());
}
