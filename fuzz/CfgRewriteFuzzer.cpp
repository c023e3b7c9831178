// Fuzzes the aircraft.cfg rewrite end to end: the real Installer, answering
// Yes to "Configure aircraft.cfg?", runs New File or Add to existing over an
// aircraft.cfg of arbitrary bytes in a folder of its own, and the files it
// leaves are compared with what the two installs are to leave.
//
// Input: the first byte chooses the install, the rest is aircraft.cfg.
//   bit 0  section: Reference ("ref") or Checklist ("check")
//   bit 1  install: Add to existing or New File
//   bit 2  answer Yes to the backup question
//   bit 3  an older page is there already
//   bits 4-5  the aircraft's name, one of four
//
// Invariants, on the lines as TextFile reads them (referenceLines):
// - every line that no test of the section's passes matches comes out byte
//   for byte, in order; a matched line becomes exactly the entry line (or,
//   in the insertion pass, stays and is followed by it); nothing else changes;
// - every line ends in CR LF, and the file ends with the extra CR LF, when an
//   entry line changes; else the file is left byte for byte, and backed up
//   only when it changes;
// - no message but the two questions (and, when the entries name the page
//   already, that it was left as it was); the page and the backup are as the
//   install routines write them; nothing else is left in the folder.

#include "gui/Installer.h"
#include "kneeboard/PlayerPage.h"

#include "FuzzSupport.h"

#include <QDir>

#include <cstddef>
#include <cstdint>

namespace {

// The line tests of the aircraft.cfg passes, written apart from CfgRewrite.cpp.
bool startsWith(const QByteArray &line, const char *lowerCaseKey)
{
    const QByteArray key(lowerCaseKey);
    if (line.size() < key.size())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
        if (c != key[i])
            return false;
    }
    return true;
}

bool isChecklistLine(const QByteArray &line)
{
    return startsWith(line, "kb_check") || startsWith(line, "checklis");
}

bool isReferenceLine(const QByteArray &line)
{
    return startsWith(line, "kb_reference") || startsWith(line, "reference=");
}

// What the rewrite must produce from `lines`.
// aircraft.cfg after the install: `before` when no entry line changes.
QByteArray expectedCfg(const QByteArray &before, const QList<QByteArray> &lines, bool reference,
                       const QByteArray &stem)
{
    const QByteArray checkEntry = "kb_checklists=" + stem;
    const QByteArray referenceEntry = "kb_reference=" + stem;
    bool anyReference = false;
    for (const QByteArray &line : lines)
        anyReference = anyReference || isReferenceLine(line);
    bool changes = false;
    for (const QByteArray &line : lines) {
        if (!reference)
            changes = changes || (isChecklistLine(line) && line != checkEntry);
        else if (anyReference)
            changes = changes || (isReferenceLine(line) && line != referenceEntry);
        else
            changes = changes || isChecklistLine(line);
    }
    if (!changes)
        return before;

    QByteArray out;
    for (const QByteArray &line : lines) {
        if (!reference) {
            out += (isChecklistLine(line) ? checkEntry : line) + "\r\n";
        } else if (anyReference) {
            out += (isReferenceLine(line) ? referenceEntry : line) + "\r\n";
        } else {
            out += line + "\r\n";
            if (isChecklistLine(line))
                out += referenceEntry + "\r\n";
        }
    }
    return out + "\r\n";
}

const char *const names[] = {"cessna172", "b", "x_y-1.2", "kb_reference"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QString folder = [] {
        const QString path = scratchFolder() + QStringLiteral("/aircraft");
        QDir().mkpath(path);
        return path;
    }();
    static const QByteArray playerPage = buildPlayerPage();

    const uint8_t options = data[0];
    const bool reference = options & 1;
    const bool append = options & 2;
    const bool backup = options & 4;
    const bool olderPage = options & 8;
    const QString name = QString::fromLatin1(names[(options >> 4) & 3]);
    const QString type = reference ? QStringLiteral("ref") : QStringLiteral("check");
    const QByteArray before(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const QString cfgPath = folder + QStringLiteral("/aircraft.cfg");
    const QString bakPath = folder + QStringLiteral("/aircraft.bak");
    const QString pagePath =
        folder + QLatin1Char('/') + name + QLatin1Char('_') + type + QStringLiteral(".htm");
    for (const QString &entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        removeIfThere(folder + QLatin1Char('/') + entry);
    writeFile(cfgPath, before);
    const QByteArray oldPage = "<html><body>older page</body></html>\r\n";
    if (olderPage)
        writeFile(pagePath, oldPage);

    FuzzDialogs dialogs;
    dialogs.answer(Dialogs::Answer::Yes);
    dialogs.answer(backup ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    Installer installer(dialogs);
    installer.chooseAircraft(folder + QLatin1Char('/') + name + QStringLiteral(".air"));
    const KneeboardSection section = reference ? KneeboardSection::Reference : KneeboardSection::Checklist;
    if (append)
        installer.addToExistingPage(section);
    else
        installer.installNewPage(section);

    const QByteArray stem = (name + QLatin1Char('_') + type).toLatin1();
    const QByteArray expected = expectedCfg(before, referenceLines(before), reference, stem);
    const bool backedUp = backup && expected != before;

    // An entry that names the page already is said to be left as it was.
    const QStringList questions{QStringLiteral("Aircraft.cfg"), QStringLiteral("Aircraft.cfg")};
    require(dialogs.titles == questions
                || (expected == before && dialogs.titles == questions + QStringList{"Skylyre Configurator"}),
            "the two questions are asked and no error is shown");
    const QByteArray after = readFile(cfgPath);
    if (after != expected)
        failDiffering("aircraft.cfg is rewritten as the passes say", after, expected);

    const QByteArray page = playerPage + "\r\n";
    const QByteArray expectedPage = append && olderPage ? oldPage + page : page;
    if (readFile(pagePath) != expectedPage)
        failDiffering("the page holds the player", readFile(pagePath), expectedPage);

    if (backedUp) {
        if (readFile(bakPath) != before)
            failDiffering("aircraft.bak is aircraft.cfg as it was", readFile(bakPath), before);
    } else {
        require(!exists(bakPath), "no backup unless asked for and aircraft.cfg changed");
    }
    const qsizetype files =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size();
    require(files == (backedUp ? 3 : 2), "no temporary or other file is left in the folder");
    return 0;
}
