#pragma once

#include "kneeboard/KneeboardSection.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

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

// What a rewrite needs to know of a file before it starts: its lines (as
// LineScanner splits them) and those that pass each test, counted with their
// bytes (terminators not included).
struct CfgCensus
{
    qsizetype lines = 0;
    qsizetype lineBytes = 0;
    qsizetype checklistLines = 0;
    qsizetype checklistBytes = 0;
    qsizetype referenceLines = 0;
    qsizetype referenceBytes = 0;
};

CfgCensus censusOf(QByteArrayView cfg);

// The new content of aircraft.cfg after `pass` over the lines of `cfg`: each
// line (changed by applyPass) followed by CR LF, and one more CR LF at the
// end. `census` is censusOf(cfg). The result is made in one buffer of the size
// the census gives, and each line is copied once. Nothing, when the lines do
// not fill that buffer exactly: a census that disagrees with the passes.
std::optional<QByteArray> rewriteCfg(CfgPass pass, QByteArrayView cfg, const CfgCensus &census,
                                     const QByteArray &pageStem);

// The pass an install into `section` runs over a file of `census`: the
// checklist pass; for the reference section the reference pass, or, where it
// would meet no reference entry, the insertion pass in its place.
CfgPass installPass(KneeboardSection section, const CfgCensus &census);

// Whether `line` is the entry an install into `section` writes for the page
// `pageStem` ("kb_checklists=cessna172_check"), its key in any case.
bool namesPage(KneeboardSection section, QByteArrayView line, QByteArrayView pageStem);

// `cfg` without the lines that name the page `pageStem` in `section`
// (namesPage), each with its line end; every other byte as it was.
QByteArray withoutEntriesNaming(KneeboardSection section, QByteArrayView cfg, QByteArrayView pageStem);
