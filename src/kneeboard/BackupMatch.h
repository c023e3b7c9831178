#pragma once

#include "kneeboard/KneeboardSection.h"

#include <QByteArray>
#include <QList>

// Installs of the player into one section of an aircraft: the page they name
// and how many there may have been.
struct SectionInstalls
{
    KneeboardSection section;
    QByteArray pageStem; // as the entry line names the page
    int times = 1;
};

// Whether installs into the sections of `installs`, in any order, each at
// most `times` times, make `cfg` of `backup`: aircraft.bak then still holds
// aircraft.cfg as it was before the player, every change since being the
// player's.
bool installsMake(const QList<SectionInstalls> &installs, const QByteArray &backup, const QByteArray &cfg);
