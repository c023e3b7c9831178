#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The section of an aircraft's kneeboard that the player goes into.
enum class KneeboardSection { Checklist, Reference };

// "Checklist" or "Reference", as the window's File Option names it.
inline QString sectionTitle(KneeboardSection section)
{
    return section == KneeboardSection::Checklist
        ? QCoreApplication::translate("KneeboardSection", "Checklist")
        : QCoreApplication::translate("KneeboardSection", "Reference");
}

// "checklist" or "reference", within a sentence ("the checklist page").
inline QString sectionNoun(KneeboardSection section)
{
    return section == KneeboardSection::Checklist
        ? QCoreApplication::translate("KneeboardSection", "checklist")
        : QCoreApplication::translate("KneeboardSection", "reference");
}

// The word that names the section in a page's name: "check" or "ref".
inline QString sectionWord(KneeboardSection section)
{
    return section == KneeboardSection::Checklist ? QStringLiteral("check") : QStringLiteral("ref");
}

// The key of the entry an install writes: "kb_checklists" or "kb_reference".
inline QByteArray entryKeyOf(KneeboardSection section)
{
    return section == KneeboardSection::Checklist ? QByteArrayLiteral("kb_checklists")
                                                  : QByteArrayLiteral("kb_reference");
}
