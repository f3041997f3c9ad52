<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="es">
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
        <translation>Esporta il puzzle...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Importa un puzzle...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Disegno precedente</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Disegno successivo</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Scegli un disegno animato</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Cancella i disegni animati</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Salva il puzzle</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non c&apos;è nessuna cartella di disegni animati nella cartella gifs.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>La cartella di disegni animati %1 è vuota.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non ci sono disegni nella cartella imagenes.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>Il file %1 non è un&apos;immagine.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non ci sono disegni animati nella cartella gifs.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Nome del disegno</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Salva il puzzle prima di esportarlo.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Non c&apos;è nessun puzzle da esportare.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>Il puzzle è stato esportato in %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Editor di puzzle</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Disegni animati posati</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Altri disegni animati</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Disegni animati precedenti</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Questo disegno animato non si può usare: il suo nome contiene una virgola. Cambia il nome al file.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Scegli un disegno animato</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Nessun disegno animato</translation>
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
        <translation>Autore</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>Fatto dalla squadra VUD</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Scrivici: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Versione 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Progressi dei bambini</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Partite, tempi e mosse di ogni bambino</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Non ci sono ancora partite finite.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pezzi</translation>
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
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Finita</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Pezzi</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Progressi dei bambini</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Esporta le sue partite...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Esporta quelle di tutti...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Cancella questo bambino...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>Il file dei risultati era rovinato: è stato messo da parte come %1 (non è stato cancellato) e se n&apos;è cominciato uno nuovo.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 partita</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 partite</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, l&apos;ultima il %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(ha un tabellone a metà)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Esporta i risultati</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fogli di calcolo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>Esportata 1 partita in %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>Esportate %1 partite in %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Cancellare le %1 partite di %2 e il suo tabellone non finito? Non si può annullare.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Cancellare il tabellone non finito di %1? Non si può annullare.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Cancellare la partita di %1 e il suo tabellone non finito? Non si può annullare.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Cancellare la partita di %1? Non si può annullare.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Cancellare le %1 partite di %2? Non si può annullare.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Questo nome non va bene per un file.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Esiste già un puzzle con questo nome.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Non è stato possibile salvare il puzzle.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Cerca in:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>Puzzle di VUD (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Tipo di licenza Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Autore</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD è un programma gratuito. Puoi usarlo, copiarlo e regalarlo a chi vuoi, sempre senza farti pagare niente e senza cambiarlo.</translation>
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
        <translation>Versione 2.0</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Fatto dal laboratorio VUD</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Scrivici dal sito di VUD</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Primavera 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Un puzzle per i più piccoli di casa</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Ciao! Scrivi il tuo nome qui sotto e premi CONTINUA per giocare.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Scrivi il tuo nome</translation>
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
        <translation>%1 pezzi</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Altri disegni</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Disegni di prima</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Nessun disegno</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Vedi il disegno intero</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Vedi i pezzi non ancora messi</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Metti o togli i bordi</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Scegli un altro disegno</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Secondi: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Tabellone</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>I TUOI RISULTATI</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Risultati</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Pezzo %1</translation>
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
        <translation>RIPRENDI</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Scegli un altro disegno</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  ECCO I TUOI RISULTATI</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) LIVELLO : %2 PEZZI - TEMPO * %3 * SECONDI - MOSSE ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>Il file dei risultati %1 è rovinato: verrà messo da parte e se ne comincerà uno nuovo. Impossibile: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Un altro programma tiene occupato il file dei risultati %1 da un po&apos;. Impossibile: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>Il file dei risultati %1 è in sola lettura. Impossibile: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>Il disco è pieno. Impossibile: %1 (in %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Impossibile aprire o creare il file dei risultati %1. Controlla che la cartella esista e che vi si possa scrivere.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Errore del disco con il file dei risultati %1 (disco pieno?). Impossibile: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Errore con il file dei risultati %1 (%2). Impossibile: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>Il file dei risultati %1 %2 e non si può mettere da parte: nella cartella non si può scrivere.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 non è un file normale e non si può mettere da parte.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>Il file dei risultati %1 non si può leggere.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>non è un database</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>è rovinato</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Non c&apos;è una cartella dei dati dove salvare i risultati.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>La cartella dei dati %1 non esiste e non si può creare: i risultati non vengono salvati.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>aprire i risultati</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>leggere i risultati</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>Il file dei risultati %1 è di una versione più recente di VUD: questa versione non lo legge né lo cambia.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>preparare i risultati</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>Il tabellone da salvare non ha senso; non è stato salvato.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>salvare il tabellone non finito</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>leggere il tabellone non finito</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>dimenticare il tabellone non finito</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>Il risultato da salvare non ha senso; non è stato salvato.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>salvare il risultato</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>leggere l&apos;elenco dei bambini</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>leggere le partite</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>cancellare i risultati del bambino</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang vuole un codice di lingua come fr o pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: lingua sconosciuta %2, una tra: %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>uso: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace vuole i secondi da 0.2 a 60: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opzione sconosciuta: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Non è stato possibile leggere il file del puzzle.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>Il file non è un puzzle di VUD.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>Il file del puzzle è rovinato o incompleto.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>Il file del puzzle è troppo grande.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>Il file del puzzle contiene qualcosa che non fa parte di un puzzle: «%1».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>Il file del puzzle è di una versione più recente del programma.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>Il file del puzzle deve contenere un solo disegno.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>Il disegno «%1» del file del puzzle non è un&apos;immagine valida.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>Il disegno animato «%1» del file del puzzle non è un disegno animato valido.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>Manca il disegno animato «%1» nel file del puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Non è stato possibile salvare il puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Non è stato possibile salvare il puzzle: manca «%1».</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>uso: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%1 partite da %2 esportate in %3</translation>
    </message>
</context>
</TS>
