#pragma once

#include "kneeboard/KneeboardSection.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

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

// The new content of aircraft.cfg after `pass` over the lines of `cfg` (as
// LineScanner splits them): each line (changed by applyPass) followed by
// CR LF, and one more CR LF at the end. The lines the pass changed, as they
// were, go to `matchedLines` when given.
QByteArray rewriteCfg(CfgPass pass, QByteArrayView cfg, const QByteArray &pageStem,
                      QList<QByteArray> *matchedLines = nullptr);

// The pass an install into `section` runs over `cfg`: the checklist pass; for
// the reference section the reference pass, or, where it would meet no
// reference entry, the insertion pass in its place.
CfgPass installPass(KneeboardSection section, QByteArrayView cfg);

// Whether `line` is the entry an install into `section` writes for the page
// `pageStem` ("kb_checklists=cessna172_check"), its key in any case.
bool namesPage(KneeboardSection section, QByteArrayView line, QByteArrayView pageStem);

// `cfg` without the lines that name the page `pageStem` in `section`
// (namesPage), each with its line end; every other byte as it was.
QByteArray withoutEntriesNaming(KneeboardSection section, QByteArrayView cfg, QByteArrayView pageStem);
