<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation>il file .air non esiste</translation>
    </message>
</context>
<context>
    <name>AircraftBatch</name>
    <message>
        <source>Aircraft %1 of %2: %3</source>
        <translation>Aereo %1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>AircraftListing</name>
    <message>
        <source>its name is not in the encoding of file names (UTF-8), so it cannot be read; rename it</source>
        <translation>il nome di questo elemento non usa la codifica dei nomi di file (UTF-8), quindi non è possibile leggerlo; rinominarlo</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation>Il file non è scrivibile</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation>Sito dello sviluppatore: %1</translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation>La lingua da usare: %1 (per impostazione predefinita quella del sistema, altrimenti l&apos;inglese).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation>Elenca gli aerei di FS2004 che hanno il lettore musicale Skylyre nel cosciale, lo installa in un numero qualsiasi di aerei e lo rimuove.</translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation>Installa il lettore musicale Skylyre nel cosciale di un aereo di FS2004 e ne modifica le playlist.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation>install, remove: la sezione Checklist.</translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation>install, remove: la sezione Riferimento.</translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation>install: una pagina a sé (Nuovo file).</translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation>install: aggiunto alla pagina dell&apos;aereo (Aggiungi a esistente).</translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation>install: backup di aircraft.cfg in aircraft.bak (impostazione predefinita).</translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation>install: nessun backup di aircraft.cfg.</translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation>install: solo la pagina, aircraft.cfg resta com&apos;è.</translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation>list: JSON, per gli script.</translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation>list, install o remove.</translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation>list: le cartelle in cui cercare (per impostazione predefinita ogni cartella Aircraft di FS2004 trovata); install, remove: i file .air.</translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation>Nessun comando indicato: list, install o remove.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation>Comando sconosciuto &apos;%1&apos;: list, install o remove.</translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 non accetta --%2.</translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation>%1 richiede il file .air di almeno un aereo.</translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation>install richiede --checklist o --reference.</translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation>install richiede --new o --add.</translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation>install accetta --backup o --no-backup, non entrambi.</translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation>install --no-cfg lascia aircraft.cfg com&apos;è: non c&apos;è alcun backup da eseguire.</translation>
    </message>
</context>
<context>
    <name>ConsoleProgram</name>
    <message>
        <source>See skylyre --help.</source>
        <translation>Vedere skylyre --help.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossibile leggere &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossibile scrivere &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossibile eliminare &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossibile sincronizzare &quot;%1&quot; con il disco:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
</context>
<context>
    <name>HangarModel</name>
    <message>
        <source>(No manufacturer)</source>
        <translation>(Nessun costruttore)</translation>
    </message>
    <message>
        <source>holds the player</source>
        <translation>contiene il lettore</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>nessun lettore</translation>
    </message>
    <message>
        <source>page missing</source>
        <translation>pagina mancante</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>nessuna voce</translation>
    </message>
    <message>
        <source>aircraft.cfg names no page</source>
        <translation>aircraft.cfg non indica alcuna pagina</translation>
    </message>
    <message>
        <source>%1 (%2 variation)</source>
        <translation>%1 (%2 variante)</translation>
    </message>
    <message>
        <source>%1 (%2 variations)</source>
        <translation>%1 (%2 varianti)</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aereo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
</context>
<context>
    <name>HangarWindow</name>
    <message>
        <source>All Aircraft</source>
        <translation>Tutti gli aerei</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter by title, manufacturer or folder</source>
        <translation>Filtra per titolo, costruttore o cartella</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aerei</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Flight model</source>
        <translation>Modello di volo</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Varianti</translation>
    </message>
    <message>
        <source>Reading aircraft %v of %m</source>
        <translation>Lettura dell&apos;aereo %v di %m</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>A&amp;erei</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>A&amp;ggiungi cartella…</translation>
    </message>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Installa…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Apri cartella</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the Skylyre</source>
        <translation>Aerei: %1, con lo Skylyre: %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Cartella: %1</translation>
    </message>
    <message>
        <source>Flight model: %1</source>
        <translation>Modello di volo: %1</translation>
    </message>
    <message>
        <source>Variations:
%1</source>
        <translation>Varianti:
%1</translation>
    </message>
    <message>
        <source>No thumbnail</source>
        <translation>Nessuna miniatura</translation>
    </message>
    <message>
        <source>The thumbnail cannot be shown</source>
        <translation>Impossibile visualizzare la miniatura</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>Remove the Skylyre from %1 aircraft?</source>
        <translation>Rimuovere lo Skylyre? Aerei selezionati: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimozione</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Install into %1 aircraft</source>
        <translation>Installazione dello Skylyre (aerei: %1)</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opzione file</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Checklist</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Riferimento</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Nuovo file</translation>
    </message>
    <message>
        <source>&amp;Add to existing</source>
        <translation>&amp;Aggiungi a esistente</translation>
    </message>
    <message>
        <source>C&amp;onfigure aircraft.cfg</source>
        <translation>C&amp;onfigura aircraft.cfg</translation>
    </message>
    <message>
        <source>&amp;Backup aircraft.cfg (Recommended)</source>
        <translation>Esegui il &amp;backup di aircraft.cfg (consigliato)</translation>
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
        <translation>File AIR (*.air)|*.air</translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation>Non è stato aperto alcun file AIR.</translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation>Scegliere un&apos;opzione nel riquadro Opzione file.</translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation>Scegliere un&apos;opzione nel riquadro Posizione.</translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation>Aggiungere lo Skylyre? Questa operazione non è reversibile.</translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation>Configurare aircraft.cfg?</translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation>Sarà necessario configurare a mano il file Aircraft.cfg dell&apos;aereo. Per ulteriori informazioni, vedere la Guida.</translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation>Eseguire il backup di aircraft.cfg? (Consigliato)</translation>
    </message>
</context>
<context>
    <name>KneeboardSection</name>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>checklist</source>
        <translation>checklist</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>riferimento</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation>lettore</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>nessun lettore</translation>
    </message>
    <message>
        <source>no page</source>
        <translation>pagina mancante</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna voce</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation>checklist: %1; riferimento: %2</translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation>Non è stata trovata alcuna cartella Aircraft di FS2004: indicare le cartelle da elencare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; non è una cartella.</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation>Aerei: %1, con il lettore: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation>Visita il sito di Velmora</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opzione file</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation>Aggiunge lo Skylyre a una checklist</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation>Aggiunge lo Skylyre a una pagina di riferimento</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nuovo file</translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation>Crea un nuovo file che contiene solo lo Skylyre</translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation>Aggiungi al file</translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation>Aggiunge lo Skylyre a un file esistente</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation>Apre un aereo da modificare</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation>Aggiunge lo Skylyre all&apos;aereo</translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation>Editor &amp;playlist</translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation>Avvia l&apos;editor playlist</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Aggi&amp;orna</translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation>Cerca aggiornamenti del software su Internet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation>Visualizza la guida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation>Chiude Skylyre Configurator</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>A&amp;erei</translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation>&amp;Tutti gli aerei…</translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation>Skylyre per FS2004 %1 9/13/03 di Arandel</translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation>File della guida non trovato<byte value="xd"/>La guida non sarà disponibile.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation>Uscire da Skylyre Configurator? Tutte le modifiche non salvate andranno perse.</translation>
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
        <translation>Errore</translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation>Editor playlist</translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation>Il nome &quot;%1&quot; è troppo corto per indicare un aereo. Scegliere il file .air dell&apos;aereo.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation>Il nome di &quot;%1&quot; contiene caratteri che FS2004 non può leggere in aircraft.cfg, perché legge questo file con la tabella codici Windows-%2. Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
        <translation>Impossibile visualizzare la finestra di dialogo per la scelta del file: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation>Installato in %1 su %2 aerei</translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation>Rimosso da %1 su %2 aerei; nulla da rimuovere in %3</translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation>; non riusciti: %1</translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation> Operazione annullata: %1 aerei lasciati com&apos;erano.</translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation>Impossibile riportare &quot;%1&quot; al contenuto che aveva prima dell&apos;installazione: %2</translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation>aircraft.cfg ripristinato da aircraft.bak</translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation>voci rimosse da aircraft.cfg</translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation>pagina %1 eliminata</translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation>lettore tolto dalla pagina %1</translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation>La pagina di %1 contiene ancora il lettore: ripetere la rimozione quando nessun altro programma la tiene aperta.</translation>
    </message>
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation>La pagina di %1 &quot;%2&quot; contiene il lettore insieme ad altre righe, oppure è stata modificata dopo l&apos;installazione: è stata lasciata com&apos;era, così come la sua voce in aircraft.cfg.</translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation>aircraft.bak non corrispondeva ad aircraft.cfg</translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation>aircraft.bak non esiste</translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation>Impossibile ripristinare la voce di %1 sostituita dall&apos;installazione: %2. Sono state rimosse solo le voci che indicano %3.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation>L&apos;aggiunta di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>L&apos;apertura di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation>%1 porterebbe la playlist a %2 brani, ma può contenerne al massimo %3.<byte value="xd"/>
Non è stato aggiunto nulla.</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Nuova playlist</translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation>Apri playlist</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Aggiungi brano</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Salva playlist</translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation>Salva playlist come testo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation>Salvare le modifiche alla playlist?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation>File MP3 (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation>File TXT (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation>Nessuna playlist da salvare.</translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation>File M3U (*.m3u)|*.m3u</translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation>Chiudere la playlist? Tutte le modifiche non salvate andranno perse.</translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation>Editor playlist 1.0 di Arandel</translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Web: </translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-mail: </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation>pagina %1 scritta</translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation>lettore aggiunto alla pagina %1</translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation>pagina %1 creata con il lettore</translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation>la pagina %1 contiene già il lettore</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation>nessuna voce %1 da sostituire</translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation>la voce %1 indica già la pagina</translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation>aircraft.cfg aggiornato</translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation>aircraft.cfg lasciato com&apos;era</translation>
    </message>
    <message>
        <source>backup made</source>
        <translation>backup eseguito</translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation>aircraft.bak conservato, perché contiene aircraft.cfg com&apos;era prima del lettore</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nulla da rimuovere</translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation> Operazioni eseguite: %1.</translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation>La pagina %1 contiene già il lettore: è stata lasciata com&apos;era.</translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation>La voce %1 di aircraft.cfg indica già la pagina: è stata lasciata com&apos;era.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation>Cercare aggiornamenti su Internet? È necessaria una connessione a Internet.</translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation>La versione di Skylyre Configurator in uso è la più recente. Non sono necessari aggiornamenti.</translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation>La versione in uso non è la più recente. Scaricare la versione più recente? (%1)</translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation>L&apos;indirizzo di download fornito da Velmora non è un indirizzo web, quindi non è stato aperto. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Ricerca di aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation>Impossibile stabilire la connessione con Velmora. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
</context>
</TS>
