<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES" sourcelanguage="es">
<context>
    <name>Editor</name>
    <message>
        <source>VUD editor</source>
        <extracomment>The editor&apos;s name, usually kept as it is.</extracomment>
        <translation>VUD editor</translation>
    </message>
</context>
<context>
    <name>Editor::Form1</name>
    <message>
        <source>Exportar puzzle...</source>
        <translation>Esportatu puzzlea...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Inportatu puzzlea...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Aurreko irudia</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Hurrengo irudia</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Aukeratu marrazki bat</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Ezabatu marrazkiak</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Gorde puzzlea</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Ez dago marrazki-karpetarik gifs karpetaren barruan.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>%1 marrazki-karpeta hutsik dago.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Ez dago irudirik imagenes karpetan.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>%1 fitxategia ez da irudi bat.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Ez dago marrazkirik gifs karpetan.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Puzzlearen izena</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Gorde puzzlea esportatu aurretik.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Ez dago esportatzeko puzzlerik.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>Puzzlea hona esportatu da: %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Irten nahi duzu?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Puzzle-editorea</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Jarritako marrazkiak</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Marrazki gehiago</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Aurreko marrazkiak</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Marrazki hau ezin da erabili: izenak koma bat du. Aldatu fitxategiaren izena.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Aukeratu marrazki bat</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Marrazkirik ez</translation>
    </message>
</context>
<context>
    <name>Editor::Form3</name>
    <message>
        <source>VUD editor 1.0</source>
        <extracomment>The editor&apos;s name and version, usually kept as they are.</extracomment>
        <translation>VUD editor 1.0</translation>
    </message>
    <message>
        <source>VUD editor</source>
        <translation>VUD editor</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Egilea</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>VUD taldeak egina</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>E-posta: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>1.0 bertsioa, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Hasi</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Haurren aurrerapena</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Haur bakoitzaren partidak, denborak eta mugimenduak</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Oraindik ez dago amaitutako partidarik.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pieza</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressWindow</name>
    <message>
        <source>(sin nombre)</source>
        <translation>(izenik gabe)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Amaiera</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Irudia</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Piezak</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundoak</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Mugimenduak</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Haurren aurrerapena</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Esportatu haur honen partidak...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Esportatu partida guztiak...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Ezabatu haur hau...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Haurrak</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Aurrerapena</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Erakutsi:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Partidak</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>Emaitza-fitxategia hondatuta zegoen: alde batera utzi da %1 izenarekin (ez da ezabatu) eta berri bat hasi da.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 partida</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 partida</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, azkena: %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(amaitu gabeko taula bat du)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Esportatu emaitzak</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV kalkulu-orriak (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>1 partida esportatu da hona: %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>%1 partida esportatu dira hona: %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Ezabatu %2 haurraren %1 partidak eta haren amaitu gabeko taula? Ezin da desegin.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Ezabatu %1 haurraren amaitu gabeko taula? Ezin da desegin.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Ezabatu %1 haurraren partida eta haren amaitu gabeko taula? Ezin da desegin.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Ezabatu %1 haurraren partida? Ezin da desegin.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Ezabatu %2 haurraren %1 partidak? Ezin da desegin.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Izen hori ez da baliagarria fitxategi baterako.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Badago izen hori duen puzzle bat.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Ezin izan da puzzlea gorde.</translation>
    </message>
</context>
<context>
    <name>Editor::QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Bai</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ez</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Izena:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Bilatu hemen:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Mota:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>VUD puzzleak (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Ireki</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Lizentzia mota: Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Egilea</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD doako programa bat da. Erabil dezakezu, kopiatu eta nahi duzun edonori oparitu, beti ezer kobratu gabe eta aldatu gabe.</translation>
    </message>
    <message>
        <source>VUD 2.0</source>
        <extracomment>The program&apos;s name and version, usually kept as they are.</extracomment>
        <translation>VUD 2.0</translation>
    </message>
    <message>
        <source>V U D</source>
        <translation>V U D</translation>
    </message>
    <message>
        <source>Versión 2.0</source>
        <extracomment>The first line of the credits, large in a box above the title&apos;s drawing.</extracomment>
        <translation>2.0 bertsioa</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>VUD tailerrak egina</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Idatz iezaguzu VUDen webgunetik</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>2024ko udaberria</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Etxeko txikienentzako puzzle bat</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Kaixo! Idatzi zure izena behean eta sakatu AURRERA jolasteko.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Idatzi zure izena</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>AURRERA</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>VUD 2.0</source>
        <extracomment>The program&apos;s name and version, usually kept as they are.</extracomment>
        <translation>VUD 2.0</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pieza</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Marrazki gehiago</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Aurreko marrazkiak</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Marrazkirik ez</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Ikusi marrazki osoa</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Ikusi lekuz kanpoko piezak</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Jarri edo kendu ertzak</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Aukeratu beste marrazki bat</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundoak</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Mugimenduak</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Mug</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Segundoak: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Mugimenduak: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Taula</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>ZURE EMAITZAK</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Emaitzak</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>%1. pieza</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>VUD 2.0</source>
        <extracomment>The program&apos;s name and version, usually kept as they are.</extracomment>
        <translation>VUD 2.0</translation>
    </message>
    <message>
        <source>SEGUIR</source>
        <extracomment>The large button that takes up the unfinished board, in a fixed box.</extracomment>
        <translation>JARRAITU</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Aukeratu beste marrazki bat</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  HAUEK DIRA ZURE EMAITZAK</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) MAILA : %2 PIEZA - DENBORA * %3 * SEGUNDO - MUGIMENDUAK ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Ezin izan da %1 idatzi: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>%1 emaitza-fitxategia hondatuta dago: alde batera utziko da eta berri bat hasiko da. Ezin izan da: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Beste programa batek denbora luzez dauka hartuta %1 emaitza-fitxategia. Ezin izan da: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>%1 emaitza-fitxategia irakurtzeko soilik da. Ezin izan da: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>Diskoa beteta dago. Ezin izan da: %1 (%2 fitxategian).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Ezin da %1 emaitza-fitxategia ireki edo sortu. Egiaztatu karpeta badagoela eta bertan idatz daitekeela.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Disko-errorea %1 emaitza-fitxategiarekin (diskoa beteta?). Ezin izan da: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Errorea %1 emaitza-fitxategiarekin (%2). Ezin izan da: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>%1 emaitza-fitxategia %2, eta ezin da alde batera utzi: karpetan ezin da idatzi.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>ez da fitxategi arrunta</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 ez da fitxategi arrunta, eta ezin da alde batera utzi.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>Ezin da %1 emaitza-fitxategia irakurri.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>ez da datu-base bat</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>hondatuta dago</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Ez dago emaitzak gordetzeko datu-karpetarik.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>%1 datu-karpeta ez dago eta ezin da sortu: emaitzak ez dira gordetzen.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>emaitzak ireki</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>emaitzak irakurri</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>%1 emaitza-fitxategia VUDen bertsio berriago batekoa da: bertsio honek ez du irakurtzen, ezta aldatzen ere.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>emaitzak prestatu</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>Gorde beharreko taulak ez du zentzurik; ez da gorde.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>amaitu gabeko taula gorde</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>amaitu gabeko taula irakurri</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>amaitu gabeko taula ahaztu</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>Gorde beharreko emaitzak ez du zentzurik; ez da gorde.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>emaitza gorde</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>haurren zerrenda irakurri</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>partidak irakurri</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>haurraren emaitzak ezabatu</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang aukerak hizkuntza-kode bat behar du, adibidez fr edo pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: %2 hizkuntza ezezaguna; hauetako bat erabili: %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>erabilera: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace aukerak 0.2 eta 60 arteko segundoak behar ditu: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>aukera ezezaguna: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Ezin izan da puzzle-fitxategia irakurri.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>Fitxategia ez da VUD puzzle bat.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>Puzzle-fitxategia hondatuta edo osatu gabe dago.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>Puzzle-fitxategia handiegia da.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>Puzzle-fitxategiak puzzle batekoa ez den zerbait dauka: «%1».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>Puzzle-fitxategia programaren bertsio berriago batekoa da.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>Puzzle-fitxategiak irudi bakarra izan behar du.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>Puzzle-fitxategiko «%1» irudia ez da baliozko irudi bat.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>Puzzle-fitxategiko «%1» marrazkia ez da baliozko marrazki bat.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>«%1» marrazkia falta da puzzle-fitxategian.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Ezin izan da puzzlea gorde.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Ezin izan da puzzlea gorde: «%1» falta da.</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>erabilera: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%2 fitxategiko %1 partida esportatu dira hona: %3</translation>
    </message>
</context>
</TS>
