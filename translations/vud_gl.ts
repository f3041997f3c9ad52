<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES" sourcelanguage="es">
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
        <translation>Exportar crebacabezas...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Importar crebacabezas...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Imaxe anterior</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Imaxe seguinte</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Escoller un debuxo</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Borrar os debuxos</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Gardar o crebacabezas</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non hai ningún cartafol de debuxos dentro do cartafol gifs.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>O cartafol de debuxos %1 está baleiro.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non hai imaxes no cartafol imagenes.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>O ficheiro %1 non é unha imaxe.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Non hai debuxos no cartafol gifs.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Nome do crebacabezas</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Garda o crebacabezas antes de exportalo.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Non hai ningún crebacabezas que exportar.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>O crebacabezas exportouse a %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Queres saír?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Editor de crebacabezas</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Debuxos colocados</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Máis debuxos</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Debuxos anteriores</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Este debuxo non se pode usar: o seu nome leva unha coma. Cámbialle o nome ao ficheiro.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Escoller un debuxo</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sen debuxo</translation>
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
        <translation>Feito polo equipo VUD</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Escríbenos: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Versión 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Comezar</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Progreso dos nenos</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Partidas, tempos e movementos de cada neno</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Aínda non hai partidas rematadas.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pezas</translation>
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
        <translation>(sen nome)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Rematada</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imaxe</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Pezas</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Movementos</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Progreso dos nenos</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Exportar as súas partidas...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Exportar as de todos...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Borrar este neno...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Nenos</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Amosar:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>O ficheiro de resultados estaba danado: apartouse como %1 (non se borrou) e comezouse un novo.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 partida</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 partidas</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, a última o %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(ten un taboleiro a medias)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Follas de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>Exportouse 1 partida a %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>Exportáronse %1 partidas a %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Queres borrar as %1 partidas de %2 e o seu taboleiro sen rematar? Non se pode desfacer.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Queres borrar o taboleiro sen rematar de %1? Non se pode desfacer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Queres borrar a partida de %1 e o seu taboleiro sen rematar? Non se pode desfacer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Queres borrar a partida de %1? Non se pode desfacer.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Queres borrar as %1 partidas de %2? Non se pode desfacer.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Ese nome non serve para un ficheiro.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Xa existe un crebacabezas con ese nome.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Non se puido gardar o crebacabezas.</translation>
    </message>
</context>
<context>
    <name>Editor::QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>Crebacabezas de VUD (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Licenza Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD é un programa gratuíto. Podes usalo, copialo e regalalo a quen queiras, sempre sen cobrar nada por el e sen cambialo.</translation>
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
        <translation>Versión 2.0</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Feito polo obradoiro VUD</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Escríbenos desde a web de VUD</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Primavera de 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Un crebacabezas para os máis pequenos da casa</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Ola! Escribe o teu nome abaixo e preme CONTINUAR para xogar.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escribe o teu nome</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>CONTINUAR</translation>
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
        <translation>%1 pezas</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Máis debuxos</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Debuxos de antes</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sen debuxo</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Ver o debuxo enteiro</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Ver as pezas sen colocar</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Poñer ou quitar os bordos</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Escoller outro debuxo</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Movementos</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
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
        <translation>Segundos: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Movementos: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Taboleiro</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>OS TEUS RESULTADOS</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Peza %1</translation>
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
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Escoller outro debuxo</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  OS TEUS RESULTADOS SON</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) NIVEL : %2 PEZAS - TEMPO * %3 * SEGUNDOS - MOVEMENTOS ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Non se puido escribir %1: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>O ficheiro de resultados %1 está danado: apartarase e comezarase un novo. Non se puido: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Outro programa ten ocupado o ficheiro de resultados %1 desde hai tempo. Non se puido: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>O ficheiro de resultados %1 é só de lectura. Non se puido: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>O disco está cheo. Non se puido: %1 (en %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Non se pode abrir nin crear o ficheiro de resultados %1. Comproba que o cartafol exista e que se poida escribir nel.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Erro de disco co ficheiro de resultados %1 (disco cheo?). Non se puido: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Erro co ficheiro de resultados %1 (%2). Non se puido: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>O ficheiro de resultados %1 %2 e non se pode apartar: non se pode escribir no cartafol.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>non é un ficheiro normal</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 non é un ficheiro normal e non se pode apartar.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>O ficheiro de resultados %1 non se pode ler.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>non é unha base de datos</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>está danado</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Non hai cartafol de datos onde gardar os resultados.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>O cartafol de datos %1 non existe e non se pode crear: os resultados non se gardan.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>abrir os resultados</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler os resultados</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>O ficheiro de resultados %1 é dunha versión máis nova de VUD: esta versión non o le nin o cambia.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>preparar os resultados</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>O taboleiro que se ía gardar non ten sentido; non se gardou.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>gardar o taboleiro sen rematar</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler o taboleiro sen rematar</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>esquecer o taboleiro sen rematar</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>O resultado que se ía gardar non ten sentido; non se gardou.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>gardar o resultado</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler a lista de nenos</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler as partidas</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>borrar os resultados do neno</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang precisa un código de idioma como fr ou pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: idioma descoñecido %2, debe ser un de: %3</translation>
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
        <translation>--scan-pace acepta de 0.2 a 60 segundos: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opción descoñecida: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Non se puido ler o ficheiro do crebacabezas.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>O ficheiro non é un crebacabezas de VUD.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>O ficheiro do crebacabezas está danado ou incompleto.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>O ficheiro do crebacabezas é demasiado grande.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>O ficheiro do crebacabezas contén algo que non é dun crebacabezas: «%1».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>O ficheiro do crebacabezas é dunha versión máis nova do programa.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>O ficheiro do crebacabezas debe conter unha soa imaxe.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>A imaxe «%1» do ficheiro do crebacabezas non é unha imaxe válida.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>O debuxo «%1» do ficheiro do crebacabezas non é un debuxo válido.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>Falta o debuxo «%1» no ficheiro do crebacabezas.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Non se puido gardar o crebacabezas.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Non se puido gardar o crebacabezas: falta «%1».</translation>
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
        <translation>%1 partidas de %2 exportadas a %3</translation>
    </message>
</context>
</TS>
