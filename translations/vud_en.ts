<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es">
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
        <translation>Export puzzle...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Import puzzle...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Previous picture</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Next picture</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Choose a drawing</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Remove the drawings</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Save the puzzle</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>There is no drawings folder inside the gifs folder.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>The drawings folder %1 is empty.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>There are no pictures in the imagenes folder.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>The file %1 is not a picture.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>There are no drawings in the gifs folder.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Puzzle name</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Save the puzzle before exporting it.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>There is no puzzle to export.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>The puzzle was exported to %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Do you want to quit?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Puzzle editor</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Placed drawings</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>More drawings</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Previous drawings</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>This drawing cannot be used: its name has a comma in it. Rename the file.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Choose a drawing</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>No drawing</translation>
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
        <translation>Author</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>Made by the VUD team</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Write to us: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Version 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Children&apos;s progress</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Each child&apos;s games, times and moves</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>No finished games yet.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pieces</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressWindow</name>
    <message>
        <source>(sin nombre)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Children&apos;s progress</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Export this child&apos;s games...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Export everyone&apos;s games...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Delete this child...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Children</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>The results file was damaged: it has been set aside as %1 (not deleted) and a new one has been started.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 game</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 games</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, the last on %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(has an unfinished board)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>1 game was exported to %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>%1 games were exported to %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Delete the %1 games of %2 and their unfinished board? This cannot be undone.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Delete the unfinished board of %1? This cannot be undone.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Delete the game of %1 and their unfinished board? This cannot be undone.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Delete the game of %1? This cannot be undone.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Delete the %1 games of %2? This cannot be undone.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>That name cannot be used for a file.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>A puzzle with that name already exists.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>The puzzle could not be saved.</translation>
    </message>
</context>
<context>
    <name>Editor::QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>VUD puzzles (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Freeware license</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Author</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD is a free program. You may use it, copy it and give it to anyone you like, as long as you charge nothing for it and do not change it.</translation>
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
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Made by the VUD workshop</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Write to us on the VUD website</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Spring 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>A puzzle for the little ones at home</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Hello! Type your name below and press CONTINUE to play.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Type your name</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>CONTINUE</translation>
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
        <translation>%1 pieces</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>More pictures</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Previous pictures</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>No picture</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>See the whole picture</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>See the pieces not yet in place</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Show or hide the outlines</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Choose another picture</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Seconds: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Moves: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Board</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>YOUR RESULTS</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Piece %1</translation>
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
        <translation>GO ON</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Choose another picture</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  YOUR RESULTS ARE</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) LEVEL : %2 PIECES - TIME * %3 * SECONDS - MOVES ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>The results file %1 is damaged: it will be set aside and a new one started. Could not: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Another program has been holding the results file %1 for a while. Could not: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>The results file %1 is read-only. Could not: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>The disk is full. Could not: %1 (in %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>The results file %1 can be neither opened nor created. Check that the folder exists and can be written to.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Disk error with the results file %1 (disk full?). Could not: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Error with the results file %1 (%2). Could not: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>The results file %1 %2 and cannot be set aside: the folder cannot be written to.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 is not a regular file and cannot be set aside.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>The results file %1 cannot be read.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>is not a database</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>is damaged</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>There is no data folder to save the results in.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>The data folder %1 does not exist and cannot be created: the results are not saved.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>open the results</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>read the results</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>The results file %1 is from a newer version of VUD: this version neither reads nor changes it.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>prepare the results</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>The board to be saved makes no sense; it was not saved.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>save the unfinished board</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>read the unfinished board</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>forget the unfinished board</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>The result to be saved makes no sense; it was not saved.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>save the result</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>read the list of children</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>read the games</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>delete the child&apos;s results</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang takes a language code such as fr or pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: unknown language %2, one of: %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace takes seconds from 0.2 to 60: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unknown option: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>The puzzle file could not be read.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>The file is not a VUD puzzle.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>The puzzle file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>The puzzle file is too large.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>The puzzle file holds something that does not belong in a puzzle: “%1”.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>The puzzle file is from a newer version of the program.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>The puzzle file must hold exactly one picture.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>The picture “%1” in the puzzle file is not a valid picture.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>The drawing “%1” in the puzzle file is not a valid drawing.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>The drawing “%1” is missing from the puzzle file.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>The puzzle could not be saved.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>The puzzle could not be saved: “%1” is missing.</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%1 games from %2 exported to %3</translation>
    </message>
</context>
</TS>
