<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsoleProgram</name>
    <message>
        <source>See skylyre --help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Installer</name>
    <message>
        <source>Aircraft.cfg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR Files (*.air)|*.air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KneeboardSection</name>
    <message>
        <source>Checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageTitles</name>
    <message>
        <source>Skylyre Configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
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
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
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
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
