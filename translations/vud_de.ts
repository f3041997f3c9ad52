<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="es">
<context>
    <name>Editor</name>
    <message>
        <source>VUD editor</source>
        <extracomment>The editor&apos;s name, usually kept as it is.</extracomment>
        <translation>VUD-Editor</translation>
    </message>
</context>
<context>
    <name>Editor::Form1</name>
    <message>
        <source>Exportar puzzle...</source>
        <translation>Puzzle exportieren...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Puzzle importieren...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Eine Animation wählen</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Die Animationen entfernen</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Das Puzzle speichern</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Im Ordner gifs gibt es keinen Ordner mit Animationen.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>Der Animationsordner %1 ist leer.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Im Ordner imagenes gibt es keine Bilder.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>Die Datei %1 ist kein Bild.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Im Ordner gifs gibt es keine Animationen.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Name des Puzzles</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Speichere das Puzzle, bevor du es exportierst.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Es gibt kein Puzzle zum Exportieren.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>Das Puzzle wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Möchtest du den Editor beenden?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD-Editor - Puzzle-Editor</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Gesetzte Animationen</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Weitere Animationen</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Vorige Animationen</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Diese Animation lässt sich nicht verwenden: ihr Name enthält ein Komma. Benenne die Datei um.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD-Editor - Animation wählen</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Keine Animation</translation>
    </message>
</context>
<context>
    <name>Editor::Form3</name>
    <message>
        <source>VUD editor 1.0</source>
        <extracomment>The editor&apos;s name and version, usually kept as they are.</extracomment>
        <translation>VUD-Editor 1.0</translation>
    </message>
    <message>
        <source>VUD editor</source>
        <translation>VUD-Editor</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>Gemacht vom VUD-Team</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Schreib uns: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Version 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Fortschritt der Kinder</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Spiele, Zeiten und Züge jedes Kindes</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Noch keine fertigen Spiele.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressWindow</name>
    <message>
        <source>(sin nombre)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD-Editor - Fortschritt der Kinder</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Spiele dieses Kindes exportieren...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Spiele aller exportieren...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Dieses Kind löschen...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>Die Ergebnisdatei war beschädigt: Sie wurde als %1 beiseitegelegt (nicht gelöscht), und eine neue wurde begonnen.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 Spiel</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 Spiele</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, zuletzt am %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(hat ein unfertiges Spielbrett)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>1 Spiel wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>%1 Spiele wurden nach %2 exportiert.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Die %1 Spiele von %2 und das unfertige Spielbrett löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Das unfertige Spielbrett von %1 löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Das Spiel von %1 und das unfertige Spielbrett löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Das Spiel von %1 löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Die %1 Spiele von %2 löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Dieser Name ist als Dateiname nicht möglich.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Es gibt schon ein Puzzle mit diesem Namen.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Das Puzzle konnte nicht gespeichert werden.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>VUD-Puzzles (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Lizenz: Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD ist ein kostenloses Programm. Du darfst es benutzen, kopieren und verschenken, an wen du willst, solange du nichts dafür verlangst und es nicht veränderst.</translation>
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
        <translation>Gemacht von der VUD-Werkstatt</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Schreib uns über die VUD-Website</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Frühjahr 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Ein Puzzle für die Kleinsten im Haus</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Hallo! Schreib unten deinen Namen und drück WEITER zum Spielen.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>WEITER</translation>
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
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Weitere Bilder</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Vorige Bilder</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Kein Bild</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Das ganze Bild ansehen</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Die noch nicht gelegten Teile ansehen</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Ränder zeigen oder verstecken</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Ein anderes Bild wählen</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Sekunden: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Spielbrett</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>DEINE ERGEBNISSE</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Teil %1</translation>
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
        <translation>WEITER</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Ein anderes Bild wählen</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  DEINE ERGEBNISSE SIND</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) STUFE : %2 TEILE - ZEIT * %3 * SEKUNDEN - ZÜGE ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>Die Ergebnisdatei %1 ist beschädigt: Sie wird beiseitegelegt und eine neue begonnen. Nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Ein anderes Programm belegt die Ergebnisdatei %1 schon eine Weile. Nicht möglich: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>Die Ergebnisdatei %1 ist schreibgeschützt. Nicht möglich: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>Der Datenträger ist voll. Nicht möglich: %1 (in %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Die Ergebnisdatei %1 lässt sich weder öffnen noch anlegen. Bitte prüfen, ob der Ordner existiert und beschreibbar ist.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Datenträgerfehler bei der Ergebnisdatei %1 (Datenträger voll?). Nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Fehler bei der Ergebnisdatei %1 (%2). Nicht möglich: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>Die Ergebnisdatei %1 %2 und lässt sich nicht beiseitelegen: Der Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 ist keine normale Datei und lässt sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>Die Ergebnisdatei %1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>ist keine Datenbank</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Es gibt keinen Datenordner, in dem die Ergebnisse gespeichert werden können.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>Der Datenordner %1 existiert nicht und lässt sich nicht anlegen: Die Ergebnisse werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Ergebnisse lesen</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>Die Ergebnisdatei %1 stammt von einer neueren Version von VUD: Diese Version liest und ändert sie nicht.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Ergebnisse vorbereiten</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>Das zu speichernde Spielbrett ergibt keinen Sinn; es wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>das unfertige Spielbrett speichern</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>das unfertige Spielbrett lesen</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>das unfertige Spielbrett verwerfen</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>Das zu speichernde Ergebnis ergibt keinen Sinn; es wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>das Ergebnis speichern</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Liste der Kinder lesen</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Spiele lesen</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>die Ergebnisse des Kindes löschen</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang erwartet einen Sprachcode wie fr oder pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: unbekannte Sprache %2, möglich sind: %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>Aufruf: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace erwartet Sekunden von 0.2 bis 60: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Die Puzzledatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>Die Datei ist kein VUD-Puzzle.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>Die Puzzledatei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>Die Puzzledatei ist zu groß.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>Die Puzzledatei enthält etwas, das nicht in ein Puzzle gehört: „%1“.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>Die Puzzledatei stammt von einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>Die Puzzledatei muss genau ein Bild enthalten.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>Das Bild „%1“ in der Puzzledatei ist kein gültiges Bild.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>Die Animation „%1“ in der Puzzledatei ist keine gültige Animation.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>In der Puzzledatei fehlt die Animation „%1“.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Das Puzzle konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Das Puzzle konnte nicht gespeichert werden: „%1“ fehlt.</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>Aufruf: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%1 Spiele aus %2 nach %3 exportiert</translation>
    </message>
</context>
</TS>
