<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation>diese .air-Datei gibt es nicht</translation>
    </message>
</context>
<context>
    <name>AircraftBatch</name>
    <message>
        <source>Aircraft %1 of %2: %3</source>
        <translation>Flugzeug %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>AircraftListing</name>
    <message>
        <source>its name is not in the encoding of file names (UTF-8), so it cannot be read; rename it</source>
        <translation>der Name ist nicht in der Kodierung für Dateinamen (UTF-8) geschrieben und kann daher nicht gelesen werden; bitte umbenennen</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation>Es handelt sich um einen Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es handelt sich nicht um eine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation>Website des Entwicklers: %1</translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation>Die Sprache des Programms: %1 (standardmäßig die des Systems, sonst Englisch).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Sprachcode</translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation>Listet die FS2004-Flugzeuge auf, deren Kniebrett den Musikplayer Skylyre enthält, installiert ihn in beliebig viele Flugzeuge und entfernt ihn wieder.</translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation>Installiert den Musikplayer Skylyre auf dem Kniebrett eines FS2004-Flugzeugs und bearbeitet seine Playlists.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation>install, remove: der Bereich Checkliste.</translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation>install, remove: der Bereich Referenz.</translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation>install: eine eigene Seite (Neue Datei).</translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation>install: an die Seite des Flugzeugs angehängt (Zu vorhandener hinzufügen).</translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation>install: aircraft.cfg wird in aircraft.bak gesichert (Standard).</translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation>install: keine Sicherung von aircraft.cfg.</translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation>install: nur die Seite, aircraft.cfg bleibt unverändert.</translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation>list: JSON, für Skripte.</translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation>list, install oder remove.</translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation>list: die zu durchsuchenden Ordner (standardmäßig jeder gefundene FS2004-Ordner Aircraft); install, remove: die .air-Dateien.</translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation>Kein Befehl angegeben: list, install oder remove.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation>Unbekannter Befehl &apos;%1&apos;: list, install oder remove.</translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 kennt keine Option --%2.</translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation>%1 benötigt die .air-Datei mindestens eines Flugzeugs.</translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation>install benötigt --checklist oder --reference.</translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation>install benötigt --new oder --add.</translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation>install akzeptiert --backup oder --no-backup, nicht beides.</translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation>install --no-cfg lässt aircraft.cfg unverändert: Es gibt nichts zu sichern.</translation>
    </message>
</context>
<context>
    <name>ConsoleProgram</name>
    <message>
        <source>See skylyre --help.</source>
        <translation>Siehe skylyre --help.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>&quot;%1&quot; konnte nicht gelesen werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>&quot;%1&quot; konnte nicht gelöscht werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>&quot;%1&quot; konnte nicht mit dem Datenträger synchronisiert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>HangarModel</name>
    <message>
        <source>(No manufacturer)</source>
        <translation>(Ohne Hersteller)</translation>
    </message>
    <message>
        <source>holds the player</source>
        <translation>enthält den Player</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>kein Player</translation>
    </message>
    <message>
        <source>page missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <source>aircraft.cfg names no page</source>
        <translation>aircraft.cfg nennt keine Seite</translation>
    </message>
    <message>
        <source>%1 (%2 variation)</source>
        <translation>%1 (%2 Variante)</translation>
    </message>
    <message>
        <source>%1 (%2 variations)</source>
        <translation>%1 (%2 Varianten)</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
</context>
<context>
    <name>HangarWindow</name>
    <message>
        <source>All Aircraft</source>
        <translation>Alle Flugzeuge</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter by title, manufacturer or folder</source>
        <translation>Nach Titel, Hersteller oder Ordner filtern</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Flugzeuge</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Flight model</source>
        <translation>Flugmodell</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Varianten</translation>
    </message>
    <message>
        <source>Reading aircraft %v of %m</source>
        <translation>Flugzeuge werden gelesen: %v von %m</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Flugzeuge</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Ordner &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Installieren…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the Skylyre</source>
        <translation>Flugzeuge: %1, davon mit dem Skylyre: %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>Flight model: %1</source>
        <translation>Flugmodell: %1</translation>
    </message>
    <message>
        <source>Variations:
%1</source>
        <translation>Varianten:
%1</translation>
    </message>
    <message>
        <source>No thumbnail</source>
        <translation>Kein Vorschaubild</translation>
    </message>
    <message>
        <source>The thumbnail cannot be shown</source>
        <translation>Das Vorschaubild kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Remove the Skylyre from %1 aircraft?</source>
        <translation>Den Skylyre entfernen? Ausgewählte Flugzeuge: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Install into %1 aircraft</source>
        <translation>Installieren (Flugzeuge: %1)</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Dateioption</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Checkliste</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referenz</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Neue Datei</translation>
    </message>
    <message>
        <source>&amp;Add to existing</source>
        <translation>&amp;Zu vorhandener hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;onfigure aircraft.cfg</source>
        <translation>aircraft.cfg &amp;konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Backup aircraft.cfg (Recommended)</source>
        <translation>aircraft.cfg &amp;sichern (Empfohlen)</translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Aircraft.cfg</source>
        <translation>Aircraft.cfg</translation>
    </message>
    <message>
        <source>AIR Files (*.air)|*.air</source>
        <translation>AIR-Dateien (*.air)|*.air</translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation>Es wurde keine AIR-Datei geöffnet.</translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation>Bitte wählen Sie eine Dateioption.</translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation>Bitte wählen Sie einen Speicherort.</translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation>Möchten Sie den Skylyre wirklich hinzufügen? Dieser Vorgang kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation>aircraft.cfg konfigurieren?</translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation>Sie müssen Aircraft.cfg für das betreffende Flugzeug von Hand konfigurieren. Weitere Informationen finden Sie in der Hilfe.</translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation>aircraft.cfg sichern? (Empfohlen)</translation>
    </message>
</context>
<context>
    <name>KneeboardSection</name>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>Referenz</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>kein Player</translation>
    </message>
    <message>
        <source>no page</source>
        <translation>keine Seite</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation>Checkliste: %1; Referenz: %2</translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation>Es wurde kein FS2004-Ordner Aircraft gefunden: Geben Sie die aufzulistenden Ordner an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation>Flugzeuge: %1, davon mit dem Player: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation>Velmora besuchen</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Dateioption</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation>Den Skylyre zu einer Checkliste hinzufügen</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation>Den Skylyre zu einer Referenzseite hinzufügen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation>Eine neue Datei anlegen, die nur den Skylyre enthält</translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation>Den Skylyre an eine vorhandene Datei anhängen</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation>Flugzeug zum Bearbeiten öffnen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation>Den Skylyre zum Flugzeug hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation>&amp;Playlist-Editor</translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation>Den Playlist-Editor starten</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation>Im Internet nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation>Die Hilfe anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation>Skylyre Configurator beenden</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Flugzeuge</translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation>&amp;Alle Flugzeuge…</translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation>Skylyre für FS2004 %1 9/13/03 von Arandel</translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation>Hilfedatei nicht gefunden<byte value="xd"/>Die Hilfe ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation>Möchten Sie Skylyre Configurator wirklich beenden? Alle nicht gespeicherten Änderungen gehen verloren.</translation>
    </message>
</context>
<context>
    <name>MessageTitles</name>
    <message>
        <source>Skylyre Configurator</source>
        <translation>Skylyre Configurator</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation>Playlist-Editor</translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation>&quot;%1&quot; ist zu kurz, um ein Flugzeug zu benennen. Bitte wählen Sie die .air-Datei des Flugzeugs.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation>Der Name von &quot;%1&quot; enthält Zeichen, die FS2004 in aircraft.cfg nicht lesen kann, da es diese Datei in der Codepage Windows-%2 liest. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
        <translation>Der Dateidialog konnte nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation>In %1 von %2 Flugzeugen installiert</translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation>Aus %1 von %2 Flugzeugen entfernt; bei %3 war nichts zu entfernen</translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation>; %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation> Abgebrochen: %1 unverändert gelassen.</translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation>&quot;%1&quot; konnte nicht in den Zustand vor der Installation zurückversetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation>aircraft.cfg aus aircraft.bak wiederhergestellt</translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation>Einträge aus aircraft.cfg entfernt</translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation>Seite im Bereich %1 gelöscht</translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation>Seite im Bereich %1 um den Player gekürzt</translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation>Die Seite im Bereich %1 enthält den Player noch: Führen Sie das Entfernen erneut aus, sobald kein anderes Programm die Seite geöffnet hat.</translation>
    </message>
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation>Die Seite &quot;%2&quot; im Bereich %1 enthält den Player zwischen anderen Zeilen oder wurde nach der Installation geändert: Sie blieb unverändert, ebenso ihr Eintrag in aircraft.cfg.</translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation>aircraft.bak passte nicht zu aircraft.cfg</translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation>es gibt keine aircraft.bak</translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation>Der Eintrag für den Bereich %1, den die Installation ersetzt hatte, konnte nicht wiederhergestellt werden: %2. Es wurden nur die Einträge entfernt, die %3 nennen.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation>Das Hinzufügen von &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>Das Öffnen von &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation>%1 würde die Playlist auf %2 Titel bringen, sie kann aber höchstens %3 aufnehmen.<byte value="xd"/>
Es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Neue Playlist</translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation>Playlist öffnen</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Titel hinzufügen</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Playlist speichern</translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation>Playlist als Text speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation>Änderungen an der Playlist speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation>MP3-Dateien (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation>Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation>Es gibt keine Playlist zum Speichern.</translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation>M3U-Dateien (*.m3u)|*.m3u</translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation>Möchten Sie die Playlist wirklich schließen? Alle nicht gespeicherten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation>Playlist-Editor 1.0 von Arandel</translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Web: </translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-Mail: </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation>Seite im Bereich %1 geschrieben</translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation>Player an die Seite im Bereich %1 angehängt</translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation>Seite im Bereich %1 mit dem Player angelegt</translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation>Seite im Bereich %1 enthält den Player bereits</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation>kein zu ersetzender Eintrag %1</translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation>Eintrag %1 nennt die Seite bereits</translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation>aircraft.cfg aktualisiert</translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation>aircraft.cfg unverändert</translation>
    </message>
    <message>
        <source>backup made</source>
        <translation>Sicherung angelegt</translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation>aircraft.bak beibehalten, da sie aircraft.cfg noch im Zustand vor dem Player enthält</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nichts zu entfernen</translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation> Erledigt: %1.</translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation>Die Seite im Bereich %1 enthält den Player bereits und wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation>Der Eintrag %1 in aircraft.cfg nennt die Seite bereits und wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation>Im Internet nach Updates suchen? Dafür ist eine Internetverbindung erforderlich.</translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation>Sie haben die neueste Version von Skylyre Configurator. Es sind keine Updates nötig.</translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation>Sie haben nicht die neueste Version. Möchten Sie die neueste Version herunterladen? (%1)</translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation>Die von Velmora angegebene Downloadadresse ist keine Webadresse und wurde deshalb nicht geöffnet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation>Die Verbindung zu Velmora konnte nicht hergestellt werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
</TS>
