#pragma once

// What the user chose for an install: the sections, where the player goes,
// and the two answers about aircraft.cfg.
struct InstallChoices
{
    bool checklist = false;
    bool reference = false;
    bool newFile = false;       // a page of its own
    bool addToExisting = false; // after the last byte of the aircraft's page
    bool configureCfg = true;
    bool backupCfg = true;
};
