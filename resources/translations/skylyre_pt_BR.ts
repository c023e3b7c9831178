<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AirFile</name>
    <message>
        <source>there is no such .air file</source>
        <translation>esse arquivo .air não existe</translation>
    </message>
</context>
<context>
    <name>AircraftBatch</name>
    <message>
        <source>Aircraft %1 of %2: %3</source>
        <translation>Aeronave %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>AircraftListing</name>
    <message>
        <source>its name is not in the encoding of file names (UTF-8), so it cannot be read; rename it</source>
        <translation>o nome não está na codificação dos nomes de arquivo (UTF-8), o que impede a leitura; renomeie o item</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a folder</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>The file is not writable</source>
        <translation>O arquivo não permite gravação</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Maker&apos;s site: %1</source>
        <translation>Site do desenvolvedor: %1</translation>
    </message>
    <message>
        <source>The language to speak: %1 (by default the system&apos;s, else English).</source>
        <translation>O idioma a usar: %1 (por padrão, o do sistema; se não houver, inglês).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Lists the FS2004 aircraft that hold the Skylyre music player in their kneeboard, installs it into any number of aircraft and removes it again.</source>
        <translation>Lista as aeronaves do FS2004 que têm o reprodutor de música Skylyre na prancheta, instala-o em qualquer número de aeronaves e o remove de novo.</translation>
    </message>
    <message>
        <source>Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, and edits its playlists.</source>
        <translation>Instala o reprodutor de música Skylyre na prancheta de uma aeronave do FS2004 e edita as listas de reprodução dele.</translation>
    </message>
</context>
<context>
    <name>CommandLineRequest</name>
    <message>
        <source>install, remove: the Checklist section.</source>
        <translation>install, remove: a seção Checklist.</translation>
    </message>
    <message>
        <source>install, remove: the Reference section.</source>
        <translation>install, remove: a seção Referência.</translation>
    </message>
    <message>
        <source>install: a page of its own (New File).</source>
        <translation>install: uma página própria (Novo arquivo).</translation>
    </message>
    <message>
        <source>install: added to the aircraft&apos;s page (Add to existing).</source>
        <translation>install: adicionado à página da aeronave (Adicionar ao existente).</translation>
    </message>
    <message>
        <source>install: aircraft.cfg backed up to aircraft.bak (the default).</source>
        <translation>install: backup do aircraft.cfg no aircraft.bak (o padrão).</translation>
    </message>
    <message>
        <source>install: no backup of aircraft.cfg.</source>
        <translation>install: sem backup do aircraft.cfg.</translation>
    </message>
    <message>
        <source>install: the page alone, aircraft.cfg left as it is.</source>
        <translation>install: só a página; o aircraft.cfg fica como está.</translation>
    </message>
    <message>
        <source>list: JSON, for scripts.</source>
        <translation>list: JSON, para scripts.</translation>
    </message>
    <message>
        <source>list, install or remove.</source>
        <translation>list, install ou remove.</translation>
    </message>
    <message>
        <source>list: the folders to search (by default every FS2004 Aircraft folder found); install, remove: the .air files.</source>
        <translation>list: as pastas em que procurar (por padrão, cada pasta Aircraft do FS2004 encontrada); install, remove: os arquivos .air.</translation>
    </message>
    <message>
        <source>No command given: list, install or remove.</source>
        <translation>Nenhum comando informado: list, install ou remove.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;: list, install or remove.</source>
        <translation>Comando desconhecido &apos;%1&apos;: list, install ou remove.</translation>
    </message>
    <message>
        <source>%1 does not take --%2.</source>
        <translation>%1 não aceita --%2.</translation>
    </message>
    <message>
        <source>%1 needs the .air file of at least one aircraft.</source>
        <translation>%1 precisa do arquivo .air de pelo menos uma aeronave.</translation>
    </message>
    <message>
        <source>install needs --checklist or --reference.</source>
        <translation>install precisa de --checklist ou --reference.</translation>
    </message>
    <message>
        <source>install needs --new or --add.</source>
        <translation>install precisa de --new ou --add.</translation>
    </message>
    <message>
        <source>install takes --backup or --no-backup, not both.</source>
        <translation>install aceita --backup ou --no-backup, não os dois.</translation>
    </message>
    <message>
        <source>install --no-cfg leaves aircraft.cfg as it is: there is no backup to make.</source>
        <translation>install --no-cfg deixa o aircraft.cfg como está: não há backup a fazer.</translation>
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
        <translation>Não foi possível ler &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Não foi possível gravar &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Não foi possível excluir &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Could not sync &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <translation>Não foi possível sincronizar &quot;%1&quot; com o disco:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>HangarModel</name>
    <message>
        <source>(No manufacturer)</source>
        <translation>(Sem fabricante)</translation>
    </message>
    <message>
        <source>holds the player</source>
        <translation>contém o reprodutor</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>sem reprodutor</translation>
    </message>
    <message>
        <source>page missing</source>
        <translation>página ausente</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>sem entrada</translation>
    </message>
    <message>
        <source>aircraft.cfg names no page</source>
        <translation>o aircraft.cfg não indica nenhuma página</translation>
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
        <translation>Aeronave</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
</context>
<context>
    <name>HangarWindow</name>
    <message>
        <source>All Aircraft</source>
        <translation>Todas as aeronaves</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter by title, manufacturer or folder</source>
        <translation>Filtrar por título, fabricante ou pasta</translation>
    </message>
    <message>
        <source>Aircraft</source>
        <translation>Aeronaves</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Flight model</source>
        <translation>Modelo de voo</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Variantes</translation>
    </message>
    <message>
        <source>Reading aircraft %v of %m</source>
        <translation>Lendo as aeronaves: %v de %m</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Aeronaves</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Adicionar &amp;pasta…</translation>
    </message>
    <message>
        <source>&amp;Install…</source>
        <translation>&amp;Instalar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>A&amp;brir pasta</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the Skylyre</source>
        <translation>Aeronaves: %1; com o Skylyre: %2</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Pasta: %1</translation>
    </message>
    <message>
        <source>Flight model: %1</source>
        <translation>Modelo de voo: %1</translation>
    </message>
    <message>
        <source>Variations:
%1</source>
        <translation>Variantes:
%1</translation>
    </message>
    <message>
        <source>No thumbnail</source>
        <translation>Sem miniatura</translation>
    </message>
    <message>
        <source>The thumbnail cannot be shown</source>
        <translation>Não é possível exibir a miniatura</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Remove the Skylyre from %1 aircraft?</source>
        <translation>Remover o Skylyre? Aeronaves selecionadas: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>InstallDialog</name>
    <message>
        <source>Install into %1 aircraft</source>
        <translation>Instalar o Skylyre (aeronaves: %1)</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opção de arquivo</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Checklist</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Referência</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Novo arquivo</translation>
    </message>
    <message>
        <source>&amp;Add to existing</source>
        <translation>&amp;Adicionar ao existente</translation>
    </message>
    <message>
        <source>C&amp;onfigure aircraft.cfg</source>
        <translation>C&amp;onfigurar o aircraft.cfg</translation>
    </message>
    <message>
        <source>&amp;Backup aircraft.cfg (Recommended)</source>
        <translation>Fazer &amp;backup do aircraft.cfg (Recomendado)</translation>
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
        <translation>Arquivos AIR (*.air)|*.air</translation>
    </message>
    <message>
        <source>No AIR file has been opened.</source>
        <translation>Nenhum arquivo AIR foi aberto.</translation>
    </message>
    <message>
        <source>Please choose a File Option.</source>
        <translation>Escolha uma Opção de arquivo.</translation>
    </message>
    <message>
        <source>Pleae choose a Location.</source>
        <translation>Escolha um Local.</translation>
    </message>
    <message>
        <source>Are you sure you want to add the Skylyre? This option is not reversible.</source>
        <translation>Tem certeza de que deseja adicionar o Skylyre? Esta operação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Configure aircraft.cfg?</source>
        <translation>Configurar o aircraft.cfg?</translation>
    </message>
    <message>
        <source>You will have to manually configure Aircraft.cfg for the respective aircraft. See Help for more information.</source>
        <translation>Você terá de configurar manualmente o Aircraft.cfg da aeronave. Consulte a Ajuda para obter mais informações.</translation>
    </message>
    <message>
        <source>Backup aircraft.cfg? (Recommended)</source>
        <translation>Fazer backup do aircraft.cfg? (Recomendado)</translation>
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
        <translation>Referência</translation>
    </message>
    <message>
        <source>checklist</source>
        <translation>checklist</translation>
    </message>
    <message>
        <source>reference</source>
        <translation>referência</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>player</source>
        <translation>contém o reprodutor</translation>
    </message>
    <message>
        <source>no player</source>
        <translation>sem reprodutor</translation>
    </message>
    <message>
        <source>no page</source>
        <translation>sem página</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegível: %1</translation>
    </message>
    <message>
        <source>checklist %1; reference %2</source>
        <translation>checklist %1; referência %2</translation>
    </message>
    <message>
        <source>No FS2004 Aircraft folder was found: name the folders to list.</source>
        <translation>Nenhuma pasta Aircraft do FS2004 foi encontrada: indique as pastas a listar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; não é uma pasta.</translation>
    </message>
    <message>
        <source>%1 aircraft, %2 with the player.</source>
        <translation>Aeronaves: %1; com o reprodutor: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Visit Velmora</source>
        <translation>Visitar o site Velmora</translation>
    </message>
    <message>
        <source>File Option</source>
        <translation>Opção de arquivo</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Add the Skylyre to a checklist</source>
        <translation>Adicionar o Skylyre a uma página de checklist</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Add the Skylyre to a reference sheet</source>
        <translation>Adicionar o Skylyre a uma página de referência</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Create a new file with only the Skylyre</source>
        <translation>Criar um novo arquivo contendo apenas o Skylyre</translation>
    </message>
    <message>
        <source>Add to existing</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add the Skylyre to an existing file</source>
        <translation>Adicionar o Skylyre a um arquivo existente</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Open aircraft for editing</source>
        <translation>Abrir uma aeronave para edição</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Add Skylyre to aircraft</source>
        <translation>Adicionar o Skylyre à aeronave</translation>
    </message>
    <message>
        <source>&amp;Playlist Editor</source>
        <translation>Editar &amp;listas</translation>
    </message>
    <message>
        <source>Launch the Playlist Editor</source>
        <translation>Abrir o Editor de listas de reprodução</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>Check the Internet for software upgrades</source>
        <translation>Procurar atualizações do programa na Internet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>View the Help documentation</source>
        <translation>Exibir a documentação da Ajuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit Skylyre Configurator</source>
        <translation>Sair do Skylyre Configurator</translation>
    </message>
    <message>
        <source>&amp;Aircraft</source>
        <translation>&amp;Aeronaves</translation>
    </message>
    <message>
        <source>&amp;All Aircraft…</source>
        <translation>&amp;Todas as aeronaves…</translation>
    </message>
    <message>
        <source>Skylyre for FS2004 %1 9/13/03 By Arandel</source>
        <translation>Skylyre para FS2004 %1 9/13/03 por Arandel</translation>
    </message>
    <message>
        <source>Help file not found<byte value="xd"/>Help will not be available.</source>
        <translation>Arquivo de ajuda não encontrado<byte value="xd"/>A Ajuda não estará disponível.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Skylyre Configurator? All unsaved changes will be lost.</source>
        <translation>Tem certeza de que deseja sair do Skylyre Configurator? Todas as alterações não salvas serão perdidas.</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Playlist Editor</source>
        <translation>Editor de listas de reprodução</translation>
    </message>
</context>
<context>
    <name>PageName</name>
    <message>
        <source>&quot;%1&quot; is too short to name an aircraft. Please choose the aircraft&apos;s .air file.</source>
        <translation>&quot;%1&quot; é curto demais para dar nome a uma aeronave. Escolha o arquivo .air da aeronave.</translation>
    </message>
    <message>
        <source>The name of &quot;%1&quot; has characters that FS2004 cannot read in aircraft.cfg, which it reads in the code page Windows-%2. Nothing was written.</source>
        <translation>O nome de &quot;%1&quot; tem caracteres que o FS2004 não consegue ler no aircraft.cfg, que ele lê na página de código Windows-%2. Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>PlatformFileDialog</name>
    <message>
        <source>The file dialog could not be shown: %1</source>
        <translation>Não foi possível exibir a caixa de diálogo de arquivos: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBatch</name>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>Installed into %1 of %2 aircraft</source>
        <translation>Aeronaves com o Skylyre instalado: %1 de %2</translation>
    </message>
    <message>
        <source>Removed from %1 of %2 aircraft; %3 had nothing to remove</source>
        <translation>Aeronaves das quais o Skylyre foi removido: %1 de %2; sem nada a remover: %3</translation>
    </message>
    <message>
        <source>; %1 failed</source>
        <translation>; com falha: %1</translation>
    </message>
    <message>
        <source> Cancelled: %1 aircraft were left as they were.</source>
        <translation> Operação cancelada; aeronaves mantidas como estavam: %1.</translation>
    </message>
</context>
<context>
    <name>PlayerInstall</name>
    <message>
        <source>&quot;%1&quot; could not be given its content of before the install: %2</source>
        <translation>Não foi possível devolver a &quot;%1&quot; o conteúdo que tinha antes da instalação: %2</translation>
    </message>
</context>
<context>
    <name>PlayerRemoval</name>
    <message>
        <source>aircraft.cfg restored from aircraft.bak</source>
        <translation>aircraft.cfg restaurado a partir do aircraft.bak</translation>
    </message>
    <message>
        <source>entries removed from aircraft.cfg</source>
        <translation>entradas removidas do aircraft.cfg</translation>
    </message>
    <message>
        <source>%1 page deleted</source>
        <translation>página de %1 excluída</translation>
    </message>
    <message>
        <source>player cut from the %1 page</source>
        <translation>reprodutor retirado da página de %1</translation>
    </message>
    <message>
        <source>The %1 page still holds the player: run the removal again once no other program has it open.</source>
        <translation>A página de %1 ainda contém o reprodutor: execute a remoção de novo quando nenhum outro programa estiver com ela aberta.</translation>
    </message>
    <message>
        <source>The %1 page &quot;%2&quot; holds the player among other lines, or was changed after the install: it was left as it was, and so was its entry in aircraft.cfg.</source>
        <translation>A página de %1 &quot;%2&quot; contém o reprodutor entre outras linhas ou foi alterada depois da instalação: ela foi mantida como estava, assim como a entrada dela no aircraft.cfg.</translation>
    </message>
    <message>
        <source>aircraft.bak did not match aircraft.cfg</source>
        <translation>o aircraft.bak não correspondia ao aircraft.cfg</translation>
    </message>
    <message>
        <source>there is no aircraft.bak</source>
        <translation>não existe aircraft.bak</translation>
    </message>
    <message>
        <source>The %1 entry that the install replaced could not be restored: %2. Only the entries naming %3 were removed.</source>
        <translation>A entrada de %1 que a instalação substituiu não pôde ser restaurada: %2. Só foram removidas as entradas que indicam %3.</translation>
    </message>
</context>
<context>
    <name>Playlist</name>
    <message>
        <source>Adding &quot;%1&quot;</source>
        <translation>Adicionar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;</source>
        <translation>Abrir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would give the playlist %2 songs, but it can hold at most %3.<byte value="xd"/>
Nothing was added.</source>
        <translation>%1 deixaria a lista de reprodução com %2 músicas, mas ela comporta no máximo %3.<byte value="xd"/>
Nada foi adicionado.</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Nova lista de reprodução</translation>
    </message>
    <message>
        <source>Open Playlist</source>
        <translation>Abrir lista de reprodução</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Salvar lista de reprodução</translation>
    </message>
    <message>
        <source>Save Playlist as Text</source>
        <translation>Salvar lista de reprodução como texto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Save changes to playlist?</source>
        <translation>Salvar as alterações na lista de reprodução?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Salvar alterações</translation>
    </message>
    <message>
        <source>MP3 Files (*.mp3)|*.mp3</source>
        <translation>Arquivos MP3 (*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>TXT Files (*.txt)|*.txt</source>
        <translation>Arquivos TXT (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>No playlist to save.</source>
        <translation>Não há lista de reprodução para salvar.</translation>
    </message>
    <message>
        <source>M3U Files (*.m3u)|*.m3u</source>
        <translation>Arquivos M3U (*.m3u)|*.m3u</translation>
    </message>
    <message>
        <source>Are you sure you want to close the playlist? All unsaved changes will be lost.</source>
        <translation>Tem certeza de que deseja fechar a lista de reprodução? Todas as alterações não salvas serão perdidas.</translation>
    </message>
    <message>
        <source>Playlist Editor 1.0 by Arandel</source>
        <translation>Editor de listas de reprodução 1.0 por Arandel</translation>
    </message>
    <message>
        <source>Web: </source>
        <translation>Site: </translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1 page written</source>
        <translation>página de %1 gravada</translation>
    </message>
    <message>
        <source>player added to the %1 page</source>
        <translation>reprodutor adicionado à página de %1</translation>
    </message>
    <message>
        <source>%1 page created with the player</source>
        <translation>página de %1 criada com o reprodutor</translation>
    </message>
    <message>
        <source>%1 page already holds the player</source>
        <translation>página de %1 já contém o reprodutor</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>no %1 entry to replace</source>
        <translation>nenhuma entrada %1 para substituir</translation>
    </message>
    <message>
        <source>%1 entry already names the page</source>
        <translation>entrada %1 já indica a página</translation>
    </message>
    <message>
        <source>aircraft.cfg updated</source>
        <translation>aircraft.cfg atualizado</translation>
    </message>
    <message>
        <source>aircraft.cfg left as it was</source>
        <translation>aircraft.cfg mantido como estava</translation>
    </message>
    <message>
        <source>backup made</source>
        <translation>backup feito</translation>
    </message>
    <message>
        <source>aircraft.bak kept, as it holds aircraft.cfg from before the player</source>
        <translation>aircraft.bak mantido, pois contém o aircraft.cfg de antes do reprodutor</translation>
    </message>
    <message>
        <source>nothing to remove</source>
        <translation>nada a remover</translation>
    </message>
    <message>
        <source> Done: %1.</source>
        <translation> Concluído: %1.</translation>
    </message>
    <message>
        <source>The %1 page already holds the player: it was left as it was.</source>
        <translation>A página de %1 já contém o reprodutor: ela foi mantida como estava.</translation>
    </message>
    <message>
        <source>The %1 entry of aircraft.cfg already names the page: it was left as it was.</source>
        <translation>A entrada %1 do aircraft.cfg já indica a página: ela foi mantida como estava.</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Check the Internet for upgrades? An Internet connection is required.</source>
        <translation>Procurar atualizações na Internet? É necessária uma conexão com a Internet.</translation>
    </message>
    <message>
        <source>You have the latest version of Skylyre Configurator. No updates are needed.</source>
        <translation>Você tem a versão mais recente do Skylyre Configurator. Nenhuma atualização é necessária.</translation>
    </message>
    <message>
        <source>You do not have the latest version. Would you like to download the latest version? (%1)</source>
        <translation>Você não tem a versão mais recente. Deseja baixar a versão mais recente? (%1)</translation>
    </message>
    <message>
        <source>The download address given by Velmora is not a web address, so it was not opened. Please try again later.</source>
        <translation>O endereço de download informado pelo site Velmora não é um endereço da Web; por isso, não foi aberto. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Procurando atualizações...</translation>
    </message>
    <message>
        <source>Connection to Velmora could not be established. Please try again later.</source>
        <translation>Não foi possível estabelecer conexão com o site Velmora. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
</TS>
