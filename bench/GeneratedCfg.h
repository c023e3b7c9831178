#pragma once

#include <QByteArray>

// An aircraft.cfg of exactly `lines` lines (CR LF), as a large add-on
// package has it: many [fltsim.N] variations, each with a kb_checklists entry
// and no reference entry (so that a Reference install runs the insertion
// pass), and long flight-model sections with lines of many lengths.
// The same `lines` always gives the same bytes.
QByteArray realisticCfg(int lines);

// The number of kb_checklists lines in realisticCfg(lines).
int checklistLines(int lines);
