<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation>no existe ese archivo .air</translation>
    </message>
</context>
<context>
    <name>AircraftBatch</name>
    <message>
        <source>Aircraft %1 of %2: %3</source>
        <translation>Avión %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>AircraftListing</name>
    <message>
        <source>its name is not in the encoding of file names (UTF-8), so it cannot be read; rename it</source>
        <translation>su nombre no está en la codificación de los nombres de archivo (UTF-8), así que no se puede leer; cámbiele el nombre</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation>No se puede escribir en el archivo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation>Sitio web del desarrollador: %1</translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation>Idioma del programa: %1 (por defecto, el del sistema o, si no está disponible, el inglés).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation>Muestra los aviones de FS2004 que tienen el reproductor de música Skylyre en su tablilla de rodilla, lo instala en cualquier número de aviones y vuelve a quitarlo.</translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation>Instala el reproductor de música Skylyre en la tablilla de rodilla de un avión de FS2004 y edita sus listas de reproducción.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation>install, remove: la sección Lista de comprobación.</translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation>install, remove: la sección Referencia.</translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation>install: una página propia (Archivo nuevo).</translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation>install: añadido a la página del avión (Añadir al existente).</translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation>install: copia de seguridad de aircraft.cfg en aircraft.bak (opción predeterminada).</translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation>install: sin copia de seguridad de aircraft.cfg.</translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation>install: solo la página; aircraft.cfg se deja como está.</translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation>list: JSON, para scripts.</translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation>list, install o remove.</translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation>list: las carpetas en las que buscar (por defecto, todas las carpetas Aircraft de FS2004 que se encuentren); install, remove: los archivos .air.</translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation>No se ha indicado ningún comando: list, install o remove.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation>Comando desconocido &apos;%1&apos;: list, install o remove.</translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 no admite --%2.</translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation>%1 necesita el archivo .air de al menos un avión.</translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation>install necesita --checklist o --reference.</translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation>install necesita --new o --add.</translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation>install admite --backup o --no-backup, pero no ambas.</translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation>install --no-cfg deja aircraft.cfg como está: no hay ninguna copia de seguridad que hacer.</translation>
    </message>
</context>
<context>
    <name>ConsoleProgram</name>
    <message>
        <source>See skylyre --help.</source>
        <translation>Consulte skylyre --help.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>No se pudo leer &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>No se pudo escribir &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>No se pudo eliminar &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>No se pudo sincronizar &quot;%1&quot; con el disco:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>HangarModel</name>
    <message>
        <source>(No manufacturer)</source>
        <translation>(Sin fabricante)</translation>
    </message>
    <message>
        <source>holds the player</source>
        <translation>contiene el reproductor</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>sin reproductor</translation>
    </message>
    <message>
        <source>page missing</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>sin entrada</translation>
    </message>
    <message>
        <source>aircraft.cfg names no page</source>
        <translation>aircraft.cfg no nombra ninguna página</translation>
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
        <translation>Avión</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de comprobación</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
</context>
<context>
    <name>HangarWindow</name>
    <message>
        <source>All Aircraft</source>
        <translation>Todos los aviones</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter by title, manufacturer or folder</source>
        <translation>Filtrar por título, fabricante o carpeta</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aviones</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Flight model</source>
        <translation>Modelo de vuelo</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Variantes</translation>
    </message>
    <message>
        <source>Reading aircraft %v of %m</source>
        <translation>Leyendo el avión %v de %m</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>A&amp;viones</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Añadir carpeta…</translation>
    </message>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Instalar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>A&amp;brir carpeta</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the Skylyre</source>
        <translation>Aviones: %1; con el Skylyre: %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message>
        <source>Flight model: %1</source>
        <translation>Modelo de vuelo: %1</translation>
    </message>
    <message>
        <source>Variations:
%1</source>
        <translation>Variantes:
%1</translation>
    </message>
    <message>
        <source>No thumbnail</source>
        <translation>Sin miniatura</translation>
    </message>
    <message>
        <source>The thumbnail cannot be shown</source>
        <translation>No se puede mostrar la miniatura</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Remove the Skylyre from %1 aircraft?</source>
        <translation>¿Desea quitar el Skylyre? Aviones seleccionados: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Install into %1 aircraft</source>
        <translation>Instalar en aviones: %1</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opción de archivo</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Lista de comprobación</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referencia</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>Archivo &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Add to existing</source>
        <translation>Añadir al &amp;existente</translation>
    </message>
    <message>
        <source>C&amp;onfigure aircraft.cfg</source>
        <translation>C&amp;onfigurar aircraft.cfg</translation>
    </message>
    <message>
        <source>&amp;Backup aircraft.cfg (Recommended)</source>
        <translation>&amp;Hacer copia de seguridad de aircraft.cfg (recomendado)</translation>
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
        <translation>Archivos AIR (*.air)|*.air</translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation>No se ha abierto ningún archivo AIR.</translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation>Elija una opción de archivo.</translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation>Elija una ubicación.</translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation>¿Está seguro de que desea añadir el Skylyre? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation>¿Configurar aircraft.cfg?</translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation>Tendrá que configurar a mano el archivo aircraft.cfg del avión correspondiente. Consulte la Ayuda para obtener más información.</translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation>¿Hacer copia de seguridad de aircraft.cfg? (Recomendado)</translation>
    </message>
</context>
<context>
    <name>KneeboardSection</name>
    <message>
        <source>Checklist</source>
        <translation>Lista de comprobación</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>checklist</source>
        <translation>lista de comprobación</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>referencia</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation>con reproductor</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>sin reproductor</translation>
    </message>
    <message>
        <source>no page</source>
        <translation>sin página</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation>lista de comprobación: %1; referencia: %2</translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation>No se ha encontrado ninguna carpeta Aircraft de FS2004: indique las carpetas que desea listar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; no es una carpeta.</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation>Aviones: %1; con el reproductor: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation>Visitar el sitio web de Velmora</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opción de archivo</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation>Añadir el Skylyre a una lista de comprobación</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation>Añadir el Skylyre a una hoja de referencia</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation>Crear un archivo nuevo que solo contenga el Skylyre</translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation>Añadir el Skylyre a un archivo existente</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation>Abrir un avión para modificarlo</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation>Añadir el Skylyre al avión</translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation>Abrir el editor de listas de reproducción</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation>Buscar en Internet actualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation>Ver la documentación de ayuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation>Salir de Skylyre Configurator</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>A&amp;viones</translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation>&amp;Todos los aviones…</translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation>Skylyre para FS2004 %1 9/13/03 por Arandel</translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation>No se ha encontrado el archivo de ayuda<byte value="xd"/>La ayuda no estará disponible.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation>¿Está seguro de que desea salir de Skylyre Configurator? Se perderán todos los cambios no guardados.</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation>Editor de listas de reproducción</translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation>El nombre &quot;%1&quot; es demasiado corto para identificar un avión. Elija el archivo .air del avión.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation>El nombre de &quot;%1&quot; contiene caracteres que FS2004 no puede leer en aircraft.cfg, que lee con la página de códigos Windows-%2. No se ha escrito nada.</translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
        <translation>No se pudo mostrar el cuadro de diálogo de archivos: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation>Aviones en los que se instaló: %1 de %2</translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation>Aviones de los que se quitó: %1 de %2; sin nada que quitar: %3</translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation>; con error: %1</translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation> Cancelado; aviones que se dejaron como estaban: %1.</translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation>No se pudo devolver a &quot;%1&quot; el contenido que tenía antes de la instalación: %2</translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation>aircraft.cfg restaurado a partir de aircraft.bak</translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation>entradas quitadas de aircraft.cfg</translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation>página de %1 eliminada</translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation>reproductor quitado de la página de %1</translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation>La página de %1 todavía contiene el reproductor: vuelva a quitarlo cuando ningún otro programa la tenga abierta.</translation>
    </message>
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation>La página de %1 &quot;%2&quot; contiene el reproductor entre otras líneas, o se modificó después de la instalación: se dejó como estaba, igual que su entrada en aircraft.cfg.</translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation>aircraft.bak no coincidía con aircraft.cfg</translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation>no existe aircraft.bak</translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation>No se pudo restaurar la entrada de %1 que la instalación sustituyó: %2. Solo se quitaron las entradas que nombran %3.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation>Añadir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>Abrir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation>%1 dejaría la lista de reproducción con %2 canciones, pero admite como máximo %3.<byte value="xd"/>
No se ha añadido nada.</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Nueva lista de reproducción</translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation>Abrir lista de reproducción</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Añadir canción</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Guardar lista de reproducción</translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation>Guardar lista de reproducción como texto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation>¿Desea guardar los cambios en la lista de reproducción?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation>Archivos MP3 (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation>No hay ninguna lista de reproducción que guardar.</translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation>Archivos M3U (*.m3u)|*.m3u</translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation>¿Está seguro de que desea cerrar la lista de reproducción? Se perderán todos los cambios no guardados.</translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation>Editor de listas de reproducción 1.0, por Arandel</translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Web: </translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>Correo electrónico: </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation>página de %1 escrita</translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation>reproductor añadido a la página de %1</translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation>página de %1 creada con el reproductor</translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation>la página de %1 ya contiene el reproductor</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation>no hay ninguna entrada %1 que sustituir</translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation>la entrada %1 ya nombra la página</translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation>aircraft.cfg actualizado</translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation>aircraft.cfg sin cambios</translation>
    </message>
    <message>
        <source>backup made</source>
        <translation>copia de seguridad creada</translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation>aircraft.bak conservado, porque contiene el aircraft.cfg de antes del reproductor</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nada que quitar</translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation> Hecho: %1.</translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation>La página de %1 ya contiene el reproductor: se dejó como estaba.</translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation>La entrada %1 de aircraft.cfg ya nombra la página: se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation>¿Desea buscar actualizaciones en Internet? Se necesita una conexión a Internet.</translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation>Tiene la versión más reciente de Skylyre Configurator. No es necesario actualizar.</translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation>No tiene la versión más reciente. ¿Desea descargar la versión más reciente? (%1)</translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation>La dirección de descarga que indica Velmora no es una dirección web, así que no se ha abierto. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation>No se pudo establecer la conexión con Velmora. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
</TS>
