<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation>ce fichier .air n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>AircraftBatch</name>
    <message>
        <source>Aircraft %1 of %2: %3</source>
        <translation>Avion %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>AircraftListing</name>
    <message>
        <source>its name is not in the encoding of file names (UTF-8), so it cannot be read; rename it</source>
        <translation>son nom n&apos;utilise pas l&apos;encodage des noms de fichiers (UTF-8) et ne peut donc pas être lu&#xa0;; renommez-le</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation>Le fichier n&apos;est pas accessible en écriture</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation>Site de l&apos;éditeur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation>La langue à utiliser&#xa0;: %1 (par défaut celle du système, sinon l&apos;anglais).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation>Liste les avions de FS2004 dont la planchette contient le lecteur de musique Skylyre, l&apos;installe dans autant d&apos;avions que vous le souhaitez et l&apos;en retire.</translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation>Installe le lecteur de musique Skylyre dans la planchette d&apos;un avion de FS2004 et modifie ses listes de lecture.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation>install, remove&#xa0;: la section Check-list.</translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation>install, remove&#xa0;: la section Référence.</translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation>install&#xa0;: une page à part (Nouveau fichier).</translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation>install&#xa0;: ajouté à la fin de la page de l&apos;avion (Ajouter à l&apos;existant).</translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation>install&#xa0;: aircraft.cfg sauvegardé dans aircraft.bak (par défaut).</translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation>install&#xa0;: aucune sauvegarde de aircraft.cfg.</translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation>install&#xa0;: la page seule, aircraft.cfg laissé tel quel.</translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation>list&#xa0;: JSON, pour les scripts.</translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation>list, install ou remove.</translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation>list&#xa0;: les dossiers à parcourir (par défaut, chaque dossier Aircraft de FS2004 trouvé)&#xa0;; install, remove&#xa0;: les fichiers .air.</translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation>Aucune commande indiquée&#xa0;: list, install ou remove.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;»&#xa0;: list, install ou remove.</translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 n&apos;accepte pas --%2.</translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation>%1 demande le fichier .air d&apos;au moins un avion.</translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation>install demande --checklist ou --reference.</translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation>install demande --new ou --add.</translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation>install accepte --backup ou --no-backup, pas les deux.</translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation>install --no-cfg laisse aircraft.cfg tel quel&#xa0;: il n&apos;y a aucune sauvegarde à faire.</translation>
    </message>
</context>
<context>
    <name>ConsoleProgram</name>
    <message>
        <source>See skylyre --help.</source>
        <translation>Voir skylyre --help.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Impossible de synchroniser «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>HangarModel</name>
    <message>
        <source>(No manufacturer)</source>
        <translation>(Sans constructeur)</translation>
    </message>
    <message>
        <source>holds the player</source>
        <translation>contient le lecteur</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>pas de lecteur</translation>
    </message>
    <message>
        <source>page missing</source>
        <translation>page absente</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>pas d&apos;entrée</translation>
    </message>
    <message>
        <source>aircraft.cfg names no page</source>
        <translation>aircraft.cfg ne désigne aucune page</translation>
    </message>
    <message>
        <source>%1 (%2 variation)</source>
        <translation>%1 (%2 variante)</translation>
    </message>
    <message>
        <source>%1 (%2 variations)</source>
        <translation>%1 (%2 variantes)</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Check-list</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
</context>
<context>
    <name>HangarWindow</name>
    <message>
        <source>All Aircraft</source>
        <translation>Tous les avions</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Filter by title, manufacturer or folder</source>
        <translation>Filtrer par titre, constructeur ou dossier</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Avions</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Flight model</source>
        <translation>Modèle de vol</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Variantes</translation>
    </message>
    <message>
        <source>Reading aircraft %v of %m</source>
        <translation>Lecture de l&apos;avion %v sur %m</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Avions</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Installer…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the Skylyre</source>
        <translation>Avions&#xa0;: %1, dont %2 avec le Skylyre</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Flight model: %1</source>
        <translation>Modèle de vol&#xa0;: %1</translation>
    </message>
    <message>
        <source>Variations:
%1</source>
        <translation>Variantes&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No thumbnail</source>
        <translation>Aucune miniature</translation>
    </message>
    <message>
        <source>The thumbnail cannot be shown</source>
        <translation>Impossible d&apos;afficher la miniature</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Remove the Skylyre from %1 aircraft?</source>
        <translation>Retirer le Skylyre de chaque avion sélectionné (%1 au total)&#xa0;?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retrait</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Install into %1 aircraft</source>
        <translation>Installer dans chaque avion sélectionné (%1 au total)</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Option de fichier</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Check-list</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Add to existing</source>
        <translation>&amp;Ajouter à l&apos;existant</translation>
    </message>
    <message>
        <source>C&amp;onfigure aircraft.cfg</source>
        <translation>C&amp;onfigurer aircraft.cfg</translation>
    </message>
    <message>
        <source>&amp;Backup aircraft.cfg (Recommended)</source>
        <translation>&amp;Sauvegarder aircraft.cfg (recommandé)</translation>
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
        <translation>Fichiers AIR (*.air)|*.air</translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation>Aucun fichier AIR n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation>Veuillez choisir une option de fichier.</translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation>Veuillez choisir un emplacement.</translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation>Voulez-vous vraiment ajouter le Skylyre&#xa0;? Cette opération est irréversible.</translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation>Configurer aircraft.cfg&#xa0;?</translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation>Vous devrez configurer vous-même le fichier Aircraft.cfg de l&apos;avion concerné. Pour plus d&apos;informations, consultez l&apos;aide.</translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation>Sauvegarder aircraft.cfg&#xa0;? (Recommandé)</translation>
    </message>
</context>
<context>
    <name>KneeboardSection</name>
    <message>
        <source>Checklist</source>
        <translation>Check-list</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>checklist</source>
        <translation>check-list</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>référence</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation>lecteur</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>pas de lecteur</translation>
    </message>
    <message>
        <source>no page</source>
        <translation>page absente</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation>check-list %1&#xa0;; référence %2</translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation>Aucun dossier Aircraft de FS2004 n&apos;a été trouvé&#xa0;: indiquez les dossiers à lister.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation>Avions&#xa0;: %1, dont %2 avec le lecteur.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation>Visiter le site de Velmora</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Option de fichier</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Check-list</translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation>Ajouter le Skylyre à une check-list</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation>Ajouter le Skylyre à une page de référence</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation>Créer un nouveau fichier ne contenant que le Skylyre</translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation>Ajouter à la fin</translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation>Ajouter le Skylyre à la fin d&apos;un fichier existant</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation>Ouvrir un avion à modifier</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation>Ajouter le Skylyre à l&apos;avion</translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation>&amp;Playlist</translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation>Lancer l&apos;éditeur de liste de lecture</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mise à jour</translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation>Rechercher sur Internet une nouvelle version du logiciel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation>Quitter Skylyre Configurator</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Avions</translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation>&amp;Tous les avions…</translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation>Skylyre pour FS2004 %1 9/13/03 par Arandel</translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation>Fichier d&apos;aide introuvable<byte value="xd"/>L&apos;aide ne sera pas disponible.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation>Voulez-vous vraiment quitter Skylyre Configurator&#xa0;? Toutes les modifications non enregistrées seront perdues.</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation>Éditeur de liste de lecture</translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation>«&#xa0;%1&#xa0;» est trop court pour nommer un avion. Veuillez choisir le fichier .air de l&apos;avion.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation>Le nom de «&#xa0;%1&#xa0;» contient des caractères que FS2004 ne peut pas lire dans aircraft.cfg, qu&apos;il lit dans la page de codes Windows-%2. Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
        <translation>La boîte de dialogue de fichiers n&apos;a pas pu être affichée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation>Avions où le lecteur est installé&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation>Avions dont le lecteur a été retiré&#xa0;: %1 sur %2&#xa0;; sans rien à retirer&#xa0;: %3</translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation>&#xa0;; en échec&#xa0;: %1</translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation> Opération annulée&#xa0;; avions laissés tels quels&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu retrouver son contenu d&apos;avant l&apos;installation&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation>aircraft.cfg restauré à partir de aircraft.bak</translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation>entrées retirées du fichier aircraft.cfg</translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation>page %1 supprimée</translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation>lecteur retiré de la page %1</translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation>La page de %1 contient encore le lecteur&#xa0;: relancez le retrait une fois qu&apos;aucun autre programme ne l&apos;a plus ouverte.</translation>
    </message>
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation>La page de %1 «&#xa0;%2&#xa0;» contient le lecteur parmi d&apos;autres lignes, ou a été modifiée après l&apos;installation&#xa0;: elle a été laissée telle quelle, de même que son entrée dans aircraft.cfg.</translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation>aircraft.bak ne correspondait pas à aircraft.cfg</translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation>il n&apos;existe aucun fichier aircraft.bak</translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation>L&apos;entrée de %1 que l&apos;installation avait remplacée n&apos;a pas pu être restaurée&#xa0;: %2. Seules les entrées désignant %3 ont été retirées.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation>L&apos;ajout de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>L&apos;ouverture de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation>%1 porterait la liste de lecture à %2 morceaux, alors qu&apos;elle ne peut en contenir que %3 au plus.<byte value="xd"/>
Rien n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Nouvelle liste de lecture</translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation>Ouvrir une liste de lecture</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Ajouter un morceau</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Enregistrer la liste de lecture</translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation>Enregistrer la liste de lecture en texte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation>Enregistrer les modifications de la liste de lecture&#xa0;?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation>Fichiers MP3 (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation>Aucune liste de lecture à enregistrer.</translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation>Fichiers M3U (*.m3u)|*.m3u</translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation>Voulez-vous vraiment fermer la liste de lecture&#xa0;? Toutes les modifications non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation>Éditeur de liste de lecture 1.0 par Arandel</translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Web&#xa0;: </translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-mail&#xa0;: </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation>page %1 écrite</translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation>lecteur ajouté à la page %1</translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation>page %1 créée avec le lecteur</translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation>page %1 contenant déjà le lecteur</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation>pas d&apos;entrée %1 à remplacer</translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation>entrée %1 désignant déjà la page</translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation>aircraft.cfg mis à jour</translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation>aircraft.cfg laissé tel quel</translation>
    </message>
    <message>
        <source>backup made</source>
        <translation>sauvegarde effectuée</translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation>aircraft.bak conservé, car il contient aircraft.cfg tel qu&apos;il était avant le lecteur</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>rien à retirer</translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation> Effectué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation>La page %1 contient déjà le lecteur&#xa0;: elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation>L&apos;entrée %1 du fichier aircraft.cfg désigne déjà la page&#xa0;: elle a été laissée telle quelle.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation>Rechercher une nouvelle version sur Internet&#xa0;? Une connexion Internet est nécessaire.</translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation>Vous disposez de la dernière version de Skylyre Configurator. Aucune mise à jour n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation>Vous ne disposez pas de la dernière version. Voulez-vous télécharger la dernière version&#xa0;? (%1)</translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation>L&apos;adresse de téléchargement fournie par Velmora n&apos;est pas une adresse web&#xa0;: elle n&apos;a donc pas été ouverte. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation>Impossible d&apos;établir la connexion avec Velmora. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
</context>
</TS>
