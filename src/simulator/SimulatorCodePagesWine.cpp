#include "simulator/SimulatorCodePages.h"

#include "simulator/WinePrefix.h"
#include "simulator/WinePrefixes.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRegularExpression>

#include <cerrno>

#include <iconv.h>

// What is learnt of the user's Wine prefixes, once.
struct SimulatorCodePages::Known
{
    // The folders that the drives of the prefixes point to, each with its prefix.
    struct Drive
    {
        QString folder;
        QString prefix;
    };
    QList<Drive> drives;
    bool drivesListed = false;
    QHash<QString, int> codePages; // of each prefix met

    void listDrives();
    int codePageOfPrefix(const QString &prefix);
};

namespace {

bool isBelow(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The prefix whose drive_c holds `path`: the folder of a drive_c with a
// system.reg beside it; empty when there is none.
QString prefixByDriveC(const QString &path)
{
    for (QFileInfo folder(path); !folder.isRoot(); folder.setFile(folder.path())) {
        if (folder.fileName().compare(QLatin1String("drive_c"), Qt::CaseInsensitive) == 0
            && QFileInfo(folder.path() + QStringLiteral("/system.reg")).isFile())
            return folder.path();
    }
    return {};
}

} // namespace

void SimulatorCodePages::Known::listDrives()
{
    drivesListed = true;
    static const QRegularExpression driveName(QStringLiteral("^[a-z]:$"),
                                              QRegularExpression::CaseInsensitiveOption);
    for (const HomePrefix &prefix : winePrefixesOf(userWineHome())) {
        const QDir dosDevices(prefix.path + QStringLiteral("/dosdevices"));
        for (const QString &entry :
             dosDevices.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString folder = QFileInfo(dosDevices.filePath(entry)).canonicalFilePath();
            // Drive Z, the root, would take in every folder of the computer.
            if (driveName.match(entry).hasMatch() && !folder.isEmpty() && !QDir(folder).isRoot())
                drives.append({folder, QFileInfo(prefix.path).canonicalFilePath()});
        }
    }
}

int SimulatorCodePages::Known::codePageOfPrefix(const QString &prefix)
{
    const auto found = codePages.constFind(prefix);
    if (found != codePages.cend())
        return *found;
    return *codePages.insert(prefix, WinePrefix(prefix).codePage());
}

SimulatorCodePages::SimulatorCodePages()
    : known(std::make_unique<Known>())
{
}

SimulatorCodePages::~SimulatorCodePages() = default;

int SimulatorCodePages::codePageOf(const QString &aircraftFolder)
{
    const QFileInfo folder(aircraftFolder);
    const QString path =
        folder.exists() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath());
    const QString prefix = prefixByDriveC(path);
    if (!prefix.isEmpty())
        return known->codePageOfPrefix(prefix);
    if (!known->drivesListed)
        known->listDrives();
    const Known::Drive *nearest = nullptr;
    for (const Known::Drive &drive : known->drives) {
        if (isBelow(path, drive.folder) && (!nearest || drive.folder.size() > nearest->folder.size()))
            nearest = &drive;
    }
    return nearest ? known->codePageOfPrefix(nearest->prefix) : 0;
}

namespace {

// Windows' number for UTF-8 as an ANSI code page, which glibc's iconv does not
// know as "CP65001".
constexpr int utf8CodePage = 65001;

// `bytes` converted by iconv, `from` one encoding `to` another; nothing when
// one of the encodings is unknown or a character has no place in `to`
// (EILSEQ).
std::optional<QByteArray> converted(QByteArrayView bytes, const char *to, const char *from,
                                    qsizetype roomPerByte)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray in = bytes.toByteArray();
    QByteArray result(in.size() * roomPerByte, '\0');
    char *inNext = in.data();
    size_t inLeft = size_t(in.size());
    char *outNext = result.data();
    size_t outLeft = size_t(result.size());
    const size_t count = iconv(converter, &inNext, &inLeft, &outNext, &outLeft);
    iconv_close(converter);
    if (count == size_t(-1))
        return std::nullopt;
    result.resize(result.size() - qsizetype(outLeft));
    return result;
}

QByteArray iconvName(int codePage)
{
    return QStringLiteral("CP%1").arg(codePage).toLatin1();
}

} // namespace

std::optional<QByteArray> SimulatorCodePages::encode(const QString &text, int codePage)
{
    if (codePage == 0)
        return text.toLocal8Bit();
    if (codePage == utf8CodePage)
        return text.toUtf8();
    // A code page has at most one byte for each of UTF-8's.
    return converted(text.toUtf8(), iconvName(codePage).constData(), "UTF-8", 1);
}

QString SimulatorCodePages::decode(QByteArrayView bytes, int codePage)
{
    if (codePage == 0)
        return QString::fromLocal8Bit(bytes);
    if (codePage == utf8CodePage)
        return QString::fromUtf8(bytes);
    // UTF-8 has at most three bytes for each byte of a code page (four for
    // the pairs of bytes of some, which are two).
    const std::optional<QByteArray> utf8 = converted(bytes, "UTF-8", iconvName(codePage).constData(), 3);
    return utf8 ? QString::fromUtf8(*utf8) : QString::fromLatin1(bytes);
}
