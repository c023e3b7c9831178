<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
