<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="es">
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
        <translation>Exportar puzzle...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Importar puzzle...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Imagem anterior</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Imagem seguinte</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Escolher um desenho</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Apagar os desenhos</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Guardar o puzzle</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Não há nenhuma pasta de desenhos dentro da pasta gifs.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>A pasta de desenhos %1 está vazia.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Não há imagens na pasta imagenes.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>O ficheiro %1 não é uma imagem.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Não há desenhos na pasta gifs.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Nome do puzzle</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Guarde o puzzle antes de o exportar.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Não há nenhum puzzle para exportar.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>O puzzle foi exportado para %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Editor de puzzles</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Desenhos colocados</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Mais desenhos</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Desenhos anteriores</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Este desenho não pode ser usado: o seu nome tem uma vírgula. Mude o nome do ficheiro.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Escolher um desenho</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sem desenho</translation>
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
        <translation>Feito pelo grupo VUD</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>E-mail: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Versão 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Progresso das crianças</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Jogos, tempos e movimentos de cada criança</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Ainda não há jogos terminados.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 peças</translation>
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
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Peças</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Movimentos</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Progresso das crianças</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Exportar jogos desta criança...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Exportar todos os jogos...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Apagar esta criança...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Crianças</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>O ficheiro de resultados estava danificado: foi posto de parte como %1 (não foi apagado) e começou-se um novo.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 jogo</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 jogos</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, o último em %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(tem um tabuleiro inacabado)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Folhas de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>Foi exportado 1 jogo para %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>Foram exportados %1 jogos para %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Apagar os %1 jogos de %2 e o seu tabuleiro inacabado? Não se pode desfazer.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Apagar o tabuleiro inacabado de %1? Não se pode desfazer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Apagar o jogo de %1 e o seu tabuleiro inacabado? Não se pode desfazer.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Apagar o jogo de %1? Não se pode desfazer.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Apagar os %1 jogos de %2? Não se pode desfazer.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Esse nome não serve para um ficheiro.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Já existe um puzzle com esse nome.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Não foi possível guardar o puzzle.</translation>
    </message>
</context>
<context>
    <name>Editor::QtDialogs</name>
    <message>
        <source>Aceptar</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Procurar em:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>Puzzles do VUD (*.vud)</translation>
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
        <translation>Tipo de licença Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>O VUD é um programa gratuito. Podes usá-lo, copiá-lo e oferecê-lo a quem quiseres, sempre sem cobrar nada por ele e sem o alterar.</translation>
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
        <translation>Versão 2.0</translation>
    </message>
    <message>
        <source>Hecho por el taller VUD</source>
        <extracomment>Each line of the credits sits on one line of a fixed box.</extracomment>
        <translation>Feito pela oficina VUD</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Escreve-nos no site do VUD</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Primavera de 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Um puzzle para os pequenos da casa</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Olá! Escreve o teu nome e clica em CONTINUAR para jogar.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Escreve o teu nome</translation>
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
        <translation>%1 peças</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Mais desenhos</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Desenhos de antes</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Sem desenho</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Ver o desenho inteiro</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Ver as peças fora do lugar</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Pôr ou tirar os contornos</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Escolher outro desenho</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Movimentos</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
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
        <translation>Movimentos: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Tabuleiro</translation>
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
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Escolher outro desenho</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  OS TEUS RESULTADOS SÃO</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) NÍVEL : %2 PEÇAS - TEMPO * %3 * SEGUNDOS - MOVIMENTOS ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Não foi possível escrever %1: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>O ficheiro de resultados %1 está danificado: vai ser posto de parte e começa-se um novo. Não foi possível: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Outro programa tem o ficheiro de resultados %1 ocupado há algum tempo. Não foi possível: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>O ficheiro de resultados %1 é só de leitura. Não foi possível: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>O disco está cheio. Não foi possível: %1 (em %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Não é possível abrir nem criar o ficheiro de resultados %1. Verifique se a pasta existe e se é possível escrever nela.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Erro de disco com o ficheiro de resultados %1 (disco cheio?). Não foi possível: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Erro com o ficheiro de resultados %1 (%2). Não foi possível: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>O ficheiro de resultados %1 %2 e não pode ser posto de parte: não é possível escrever na pasta.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 não é um ficheiro normal e não pode ser posto de parte.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>Não é possível ler o ficheiro de resultados %1.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>não é uma base de dados</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Não há pasta de dados onde guardar os resultados.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>A pasta de dados %1 não existe e não pode ser criada: os resultados não são guardados.</translation>
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
        <translation>O ficheiro de resultados %1 é de uma versão mais recente do VUD: esta versão não o lê nem o altera.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>preparar os resultados</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>O tabuleiro a guardar não faz sentido; não foi guardado.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>guardar o tabuleiro inacabado</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler o tabuleiro inacabado</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>esquecer o tabuleiro inacabado</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>O resultado a guardar não faz sentido; não foi guardado.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>guardar o resultado</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler a lista de crianças</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ler os jogos</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>apagar os resultados da criança</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang recebe um código de língua como fr ou pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1: língua desconhecida %2; as disponíveis são: %3</translation>
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
        <translation>--scan-pace recebe segundos de 0.2 a 60: %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opção desconhecida: %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Não foi possível ler o ficheiro do puzzle.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>O ficheiro não é um puzzle do VUD.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>O ficheiro do puzzle está danificado ou incompleto.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>O ficheiro do puzzle é demasiado grande.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>O ficheiro do puzzle contém algo que não pertence a um puzzle: «%1».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>O ficheiro do puzzle é de uma versão mais recente do programa.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>O ficheiro do puzzle deve conter uma só imagem.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>A imagem «%1» do ficheiro do puzzle não é uma imagem válida.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>O desenho «%1» do ficheiro do puzzle não é um desenho válido.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>Falta o desenho «%1» no ficheiro do puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Não foi possível guardar o puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Não foi possível guardar o puzzle: falta «%1».</translation>
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
        <translation>%1 jogos de %2 exportados para %3</translation>
    </message>
</context>
</TS>
