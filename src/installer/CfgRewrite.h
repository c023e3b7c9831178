#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The passes over aircraft.cfg. Each looks only at the start of a line,
// regardless of case and without trimming blanks, anywhere in the file.
enum class CfgPass {
    Checklist, // replaces each checklist entry by the new checklist entry
    Reference, // replaces each reference entry by the new reference entry
    Insertion, // adds the new reference entry after each checklist entry
};

bool isChecklistEntry(QByteArrayView line);
bool isReferenceEntry(QByteArrayView line);
// Whether `line` passes the test of `pass` (and applyPass would change it).
bool passMatches(CfgPass pass, QByteArrayView line);

// When `line` passes the test of `pass`, applies its action to it and returns
// true. `pageStem` names the page without folder and extension
// ("cessna172_ref").
bool applyPass(CfgPass pass, QByteArray &line, const QByteArray &pageStem);
