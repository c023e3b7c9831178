#include "installer/CfgRewrite.h"

namespace {

char asciiLower(char c)
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

} // namespace

bool isChecklistEntry(QByteArrayView line)
{
    return startsWithKey(line, "kb_check") || startsWithKey(line, "checklis");
}

bool isReferenceEntry(QByteArrayView line)
{
    return startsWithKey(line, "kb_reference") || startsWithKey(line, "reference=");
}

bool passMatches(CfgPass pass, QByteArrayView line)
{
    return pass == CfgPass::Reference ? isReferenceEntry(line) : isChecklistEntry(line);
}

bool applyPass(CfgPass pass, QByteArray &line, const QByteArray &pageStem)
{
    switch (pass) {
    case CfgPass::Checklist:
        if (!isChecklistEntry(line))
            return false;
        line = "kb_checklists=" + pageStem;
        return true;
    case CfgPass::Reference:
        if (!isReferenceEntry(line))
            return false;
        line = "kb_reference=" + pageStem;
        return true;
    case CfgPass::Insertion:
        if (!isChecklistEntry(line))
            return false;
        line += "\r\nkb_reference=" + pageStem;
        return true;
    }
    return false;
}
