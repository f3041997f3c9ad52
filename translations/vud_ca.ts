<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es">
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
        <translation>Exporta el trencaclosques...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Importa un trencaclosques...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Imatge anterior</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Imatge següent</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Tria un dibuix</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Esborra els dibuixos</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Desa el trencaclosques</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>No hi ha cap carpeta de dibuixos dins de la carpeta gifs.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>La carpeta de dibuixos %1 és buida.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>No hi ha imatges a la carpeta imagenes.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>El fitxer %1 no és una imatge.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>No hi ha dibuixos a la carpeta gifs.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Nom del trencaclosques</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Desa el trencaclosques abans d&apos;exportar-lo.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>No hi ha cap trencaclosques per exportar.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>El trencaclosques s&apos;ha exportat a %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Vols sortir?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Editor de trencaclosques</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Dibuixos col·locats</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Més dibuixos</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Dibuixos anteriors</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Aquest dibuix no es pot fer servir: el seu nom porta una coma. Canvia el nom del fitxer.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Tria un dibuix</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sense dibuix</translation>
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
        <translation>Autor</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>Fet per l&apos;equip VUD</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Escriu-nos: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Versió 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Comença</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Progrés dels infants</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Partides, temps i moviments de cada infant</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Encara no hi ha cap partida acabada.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 peces</translation>
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
        <translation>(sense nom)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Acabada</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Peces</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segons</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Moviments</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Progrés dels infants</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Exporta les seves partides...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Exporta les de tothom...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Esborra aquest infant...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Infants</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progrés</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Partides</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>El fitxer de resultats estava malmès: s&apos;ha apartat com a %1 (no s&apos;ha esborrat) i se n&apos;ha començat un de nou.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 partida</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 partides</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, l&apos;última el %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(té un tauler a mitges)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Exporta els resultats</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fulls de càlcul CSV (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>S&apos;ha exportat 1 partida a %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>S&apos;han exportat %1 partides a %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Vols esborrar les %1 partides de %2 i el seu tauler sense acabar? No es pot desfer.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Vols esborrar el tauler sense acabar de %1? No es pot desfer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Vols esborrar la partida de %1 i el seu tauler sense acabar? No es pot desfer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Vols esborrar la partida de %1? No es pot desfer.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Vols esborrar les %1 partides de %2? No es pot desfer.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Aquest nom no serveix per a un fitxer.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Ja hi ha un trencaclosques amb aquest nom.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>No s&apos;ha pogut desar el trencaclosques.</translation>
    </message>
</context>
<context>
    <name>Editor::QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Cerca a:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Tipus:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>Trencaclosques de VUD (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Obre</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Llicència Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD és un programa gratuït. Pots fer-lo servir, copiar-lo i regalar-lo a qui vulguis, sempre sense cobrar res per ell i sense canviar-lo.</translation>
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
        <translation>Versió 2.0</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Fet pel taller VUD</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Escriu-nos des del web de VUD</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Primavera de 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Un trencaclosques per als més petits de casa</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Hola! Escriu el teu nom a sota i prem CONTINUA per jugar.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escriu el teu nom</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>CONTINUA</translation>
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
        <translation>%1 peces</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Més dibuixos</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Dibuixos d&apos;abans</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sense dibuix</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Mostra el dibuix sencer</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Mostra les peces sense col·locar</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Posa o treu les vores</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Tria un altre dibuix</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segons</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Moviments</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Mov</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Segons: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Moviments: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Tauler</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>ELS TEUS RESULTATS</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultats</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Peça %1</translation>
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
        <translation>SEGUEIX</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Tria un altre dibuix</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  ELS TEUS RESULTATS SÓN</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) NIVELL : %2 PECES - TEMPS * %3 * SEGONS - MOVIMENTS ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>No s&apos;ha pogut escriure %1: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>El fitxer de resultats %1 està malmès: s&apos;apartarà i se&apos;n començarà un de nou. No s&apos;ha pogut: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Un altre programa té ocupat el fitxer de resultats %1 des de fa estona. No s&apos;ha pogut: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>El fitxer de resultats %1 és només de lectura. No s&apos;ha pogut: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>El disc és ple. No s&apos;ha pogut: %1 (a %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>No es pot obrir ni crear el fitxer de resultats %1. Comprova que la carpeta existeixi i s&apos;hi pugui escriure.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Error de disc amb el fitxer de resultats %1 (disc ple?). No s&apos;ha pogut: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Error amb el fitxer de resultats %1 (%2). No s&apos;ha pogut: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>El fitxer de resultats %1 %2 i no es pot apartar: no es pot escriure a la carpeta.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 no és un fitxer normal i no es pot apartar.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>El fitxer de resultats %1 no es pot llegir.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>no és una base de dades</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>està malmès</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>No hi ha cap carpeta de dades on desar els resultats.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>La carpeta de dades %1 no existeix i no es pot crear: els resultats no es desen.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>obrir els resultats</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>llegir els resultats</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>El fitxer de resultats %1 és d&apos;una versió més nova de VUD: aquesta versió no el llegeix ni el canvia.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>preparar els resultats</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>El tauler que s&apos;havia de desar no té sentit; no s&apos;ha desat.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>desar el tauler sense acabar</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>llegir el tauler sense acabar</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>oblidar el tauler sense acabar</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>El resultat que s&apos;havia de desar no té sentit; no s&apos;ha desat.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>desar el resultat</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>llegir la llista d&apos;infants</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>llegir les partides</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>esborrar els resultats de l&apos;infant</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang necessita un codi de llengua com fr o pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: llengua desconeguda %2, ha de ser una de: %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>ús: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace accepta de 0.2 a 60 segons: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opció desconeguda: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>No s&apos;ha pogut llegir el fitxer del trencaclosques.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>El fitxer no és un trencaclosques de VUD.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>El fitxer del trencaclosques està malmès o incomplet.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>El fitxer del trencaclosques és massa gran.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>El fitxer del trencaclosques conté una cosa que no és d&apos;un trencaclosques: «%1».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>El fitxer del trencaclosques és d&apos;una versió més nova del programa.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>El fitxer del trencaclosques ha de contenir una sola imatge.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>La imatge «%1» del fitxer del trencaclosques no és una imatge vàlida.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>El dibuix «%1» del fitxer del trencaclosques no és un dibuix vàlid.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>Falta el dibuix «%1» al fitxer del trencaclosques.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>No s&apos;ha pogut desar el trencaclosques.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>No s&apos;ha pogut desar el trencaclosques: falta «%1».</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>ús: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%1 partides de %2 exportades a %3</translation>
    </message>
</context>
</TS>
