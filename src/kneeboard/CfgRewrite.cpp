#include "kneeboard/CfgRewrite.h"

#include "files/LineScanner.h"

#include <array>

namespace {

constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsWithKey(QByteArrayView line, QByteArrayView lowerCaseKey)
{
    if (line.size() < lowerCaseKey.size())
        return false;
    for (qsizetype i = 0; i < lowerCaseKey.size(); ++i) {
        if (asciiLower(line[i]) != lowerCaseKey[i])
            return false;
    }
    return true;
}

enum class Entry { None, Checklist, Reference };

// The keys of the entries, lower-case.
struct EntryKey
{
    QByteArrayView key;
    Entry entry;
};
// An entry is known by its first characters alone, as FS2004's own tools
// have always told them: "checklis" takes in "checklists=", and
// "reference=" the old key without "kb_".
constexpr EntryKey entryKeys[] = {
    {"kb_check", Entry::Checklist},
    {"checklis", Entry::Checklist},
    {"kb_reference", Entry::Reference},
    {"reference=", Entry::Reference},
};

// The bytes an entry can start with, in either case: most lines are told
// apart from the entries by their first byte alone.
constexpr std::array<bool, 256> entryStarts = [] {
    std::array<bool, 256> starts{};
    for (int byte = 0; byte < 256; ++byte) {
        for (const EntryKey &key : entryKeys)
            starts[byte] = starts[byte] || asciiLower(char(byte)) == key.key[0];
    }
    return starts;
}();

Entry entryOf(QByteArrayView line)
{
    if (line.isEmpty() || !entryStarts[uchar(line[0])])
        return Entry::None;
    for (const EntryKey &key : entryKeys) {
        if (startsWithKey(line, key.key))
            return key.entry;
    }
    return Entry::None;
}

// What a pass makes of a line that passes its test: the line itself, or
// nothing, followed by `added` and the page stem.
struct PassAction
{
    bool keepsLine;
    QByteArrayView added;
};

PassAction actionOf(CfgPass pass)
{
    switch (pass) {
    case CfgPass::Checklist:
        return {false, "kb_checklists="};
    case CfgPass::Reference:
        return {false, "kb_reference="};
    case CfgPass::Insertion:
        return {true, "\r\nkb_reference="};
    }
    Q_UNREACHABLE();
}

} // namespace

bool isChecklistEntry(QByteArrayView line)
{
    return entryOf(line) == Entry::Checklist;
}

bool isReferenceEntry(QByteArrayView line)
{
    return entryOf(line) == Entry::Reference;
}

bool passMatches(CfgPass pass, QByteArrayView line)
{
    return pass == CfgPass::Reference ? isReferenceEntry(line) : isChecklistEntry(line);
}

bool applyPass(CfgPass pass, QByteArray &line, const QByteArray &pageStem)
{
    if (!passMatches(pass, line))
        return false;
    const PassAction action = actionOf(pass);
    if (!action.keepsLine)
        line.resize(0);
    line += action.added;
    line += pageStem;
    return true;
}

QByteArray rewriteCfg(CfgPass pass, QByteArrayView cfg, const QByteArray &pageStem,
                      QList<QByteArray> *matchedLines)
{
    QByteArray out;
    // Room for the entries a pass adds and the CR that LF ends gain: a buffer
    // that has to grow is copied whole.
    out.reserve(cfg.size() + cfg.size() / 8 + 2);
    // A line that passes no test and ends in CR LF comes out as it went in:
    // runs of such lines are copied whole, from `unchanged` on.
    const char *unchanged = cfg.data();
    LineScanner lines(cfg);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.nextLine();
        const char *const next = cfg.data() + lines.position();
        const bool matches = passMatches(pass, line);
        const bool endsInCrLf = next - line.end() == 2; // the only terminator of two bytes
        if (!matches && endsInCrLf)
            continue;
        out += QByteArrayView(unchanged, line.begin());
        if (matches) {
            if (matchedLines)
                matchedLines->append(line.toByteArray());
            QByteArray changed = line.toByteArray();
            applyPass(pass, changed, pageStem);
            out += changed;
        } else {
            out += line;
        }
        out += "\r\n";
        unchanged = next;
    }
    out += QByteArrayView(unchanged, cfg.end());
    out += "\r\n";
    return out;
}

CfgPass installPass(KneeboardSection section, QByteArrayView cfg)
{
    if (section == KneeboardSection::Checklist)
        return CfgPass::Checklist;
    LineScanner lines(cfg);
    while (!lines.atEnd()) {
        if (isReferenceEntry(lines.nextLine()))
            return CfgPass::Reference;
    }
    return CfgPass::Insertion;
}

bool namesPage(KneeboardSection section, QByteArrayView line, QByteArrayView pageStem)
{
    const QByteArrayView key = section == KneeboardSection::Checklist ? "kb_checklists=" : "kb_reference=";
    return line.size() == key.size() + pageStem.size() && startsWithKey(line, key)
        && line.sliced(key.size()) == pageStem;
}

QByteArray withoutEntriesNaming(KneeboardSection section, QByteArrayView cfg, QByteArrayView pageStem)
{
    QByteArray kept;
    kept.reserve(cfg.size());
    const char *unchanged = cfg.data();
    LineScanner lines(cfg);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.nextLine();
        const char *const next = cfg.data() + lines.position();
        if (namesPage(section, line, pageStem)) {
            kept += QByteArrayView(unchanged, line.begin());
            unchanged = next;
        }
    }
    kept += QByteArrayView(unchanged, cfg.end());
    return kept;
}
