<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="es">
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
        <translation>Exporter le puzzle...</translation>
    </message>
    <message>
        <source>Importar puzzle...</source>
        <translation>Importer un puzzle...</translation>
    </message>
    <message>
        <source>Imagen anterior</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Imagen siguiente</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Elegir un dibujo</source>
        <translation>Choisir un dessin</translation>
    </message>
    <message>
        <source>Borrar los dibujos</source>
        <translation>Effacer les dessins</translation>
    </message>
    <message>
        <source>Guardar el puzzle</source>
        <translation>Enregistrer le puzzle</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No hay ninguna carpeta de dibujos dentro de la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Il n&apos;y a aucun dossier de dessins dans le dossier gifs.</translation>
    </message>
    <message>
        <source>La carpeta de dibujos %1 está vacía.</source>
        <translation>Le dossier de dessins %1 est vide.</translation>
    </message>
    <message>
        <source>No hay imágenes en la carpeta imagenes.</source>
        <extracomment>The second &quot;imagenes&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Il n&apos;y a pas d&apos;images dans le dossier imagenes.</translation>
    </message>
    <message>
        <source>El archivo %1 no es una imagen.</source>
        <translation>Le fichier %1 n&apos;est pas une image.</translation>
    </message>
    <message>
        <source>No hay dibujos en la carpeta gifs.</source>
        <extracomment>&quot;gifs&quot; is the data folder&apos;s name on disk: keep it as it is.</extracomment>
        <translation>Il n&apos;y a pas de dessins dans le dossier gifs.</translation>
    </message>
    <message>
        <source>Nombre de dibujo</source>
        <translation>Nom de l&apos;image</translation>
    </message>
    <message>
        <source>Guarda el puzzle antes de exportarlo.</source>
        <translation>Enregistrez le puzzle avant de l&apos;exporter.</translation>
    </message>
    <message>
        <source>No hay ningún puzzle que exportar.</source>
        <translation>Il n&apos;y a aucun puzzle à exporter.</translation>
    </message>
    <message>
        <source>El puzzle se ha exportado a %1.</source>
        <translation>Le puzzle a été exporté vers %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One refused file: %1 its name, %2 why it was refused.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>¿Quieres salir?</source>
        <translation>Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>VUD editor - Editor de puzzles</source>
        <translation>VUD editor - Éditeur de puzzles</translation>
    </message>
    <message>
        <source>Dibujos puestos</source>
        <translation>Dessins placés</translation>
    </message>
</context>
<context>
    <name>Editor::Form2</name>
    <message>
        <source>Más dibujos</source>
        <translation>Plus de dessins</translation>
    </message>
    <message>
        <source>Dibujos anteriores</source>
        <translation>Dessins précédents</translation>
    </message>
    <message>
        <source>Este dibujo no se puede usar: su nombre lleva una coma. Cámbiale el nombre al archivo.</source>
        <translation>Ce dessin ne peut pas être utilisé&#xa0;: son nom contient une virgule. Renommez le fichier.</translation>
    </message>
    <message>
        <source>VUD editor - Elegir un dibujo</source>
        <translation>VUD editor - Choisir un dessin</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Pas de dessin</translation>
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
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Hecho por el equipo VUD</source>
        <translation>Fait par l&apos;équipe VUD</translation>
    </message>
    <message>
        <source>Escríbenos: equipo.vud@correo.es</source>
        <translation>Écrivez-nous&#xa0;: equipo.vud@correo.es</translation>
    </message>
    <message>
        <source>Versión 1.0, 2024</source>
        <translation>Version 1.0, 2024</translation>
    </message>
    <message>
        <source>Empezar</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Progreso de los niños</source>
        <translation>Progrès des enfants</translation>
    </message>
    <message>
        <source>Partidas, tiempos y movimientos de cada niño</source>
        <translation>Parties, temps et coups de chaque enfant</translation>
    </message>
</context>
<context>
    <name>Editor::ProgressChart</name>
    <message>
        <source>Todavía no hay partidas terminadas.</source>
        <translation>Aucune partie terminée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1 piezas</source>
        <translation>%1 pièces</translation>
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
        <translation>(sans prénom)</translation>
    </message>
    <message>
        <source>Terminada</source>
        <extracomment>The headings of the table of a child&apos;s games.</extracomment>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Piezas</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>VUD editor - Progreso de los niños</source>
        <translation>VUD editor - Progrès des enfants</translation>
    </message>
    <message>
        <source>Exportar sus partidas...</source>
        <translation>Exporter ses parties...</translation>
    </message>
    <message>
        <source>Exportar las de todos...</source>
        <translation>Exporter celles de tous...</translation>
    </message>
    <message>
        <source>Borrar este niño...</source>
        <translation>Supprimer cet enfant...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Niños</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Progreso</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Mostrar:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) y se ha empezado uno nuevo.</source>
        <translation>Le fichier des résultats était abîmé&#xa0;: il a été mis de côté sous le nom %1 (il n&apos;a pas été supprimé) et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>1 partida</source>
        <extracomment>A child&apos;s count of games, on its own line below the name in the list of children.</extracomment>
        <translation>1 partie</translation>
    </message>
    <message>
        <source>%1 partidas</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <source>, la última el %1</source>
        <extracomment>Follows the count of games on the same line: %1 the date and time of the last game.</extracomment>
        <translation>, la dernière le %1</translation>
    </message>
    <message>
        <source>(tiene un tablero a medias)</source>
        <extracomment>On its own line below the count of games in the list of children.</extracomment>
        <translation>(a un plateau en cours)</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Feuilles de calcul CSV (*.csv)</translation>
    </message>
    <message>
        <source>Se exportó 1 partida a %1.</source>
        <translation>1 partie exportée vers %1.</translation>
    </message>
    <message>
        <source>Se exportaron %1 partidas a %2.</source>
        <translation>%1 parties exportées vers %2.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Supprimer les %1 parties de %2 et son plateau inachevé&#xa0;? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>¿Borrar el tablero sin terminar de %1? No se puede deshacer.</source>
        <translation>Supprimer le plateau inachevé de %1&#xa0;? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.</source>
        <translation>Supprimer la partie de %1 et son plateau inachevé&#xa0;? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>¿Borrar la partida de %1? No se puede deshacer.</source>
        <translation>Supprimer la partie de %1&#xa0;? C&apos;est irréversible.</translation>
    </message>
    <message>
        <source>¿Borrar las %1 partidas de %2? No se puede deshacer.</source>
        <translation>Supprimer les %1 parties de %2&#xa0;? C&apos;est irréversible.</translation>
    </message>
</context>
<context>
    <name>Editor::PuzzleSave</name>
    <message>
        <source>Ese nombre no sirve para un archivo.</source>
        <translation>Ce nom ne convient pas pour un fichier.</translation>
    </message>
    <message>
        <source>Ya existe un puzzle con ese nombre.</source>
        <translation>Un puzzle porte déjà ce nom.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Impossible d&apos;enregistrer le puzzle.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Regarder dans&#xa0;:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Puzzles de VUD (*.vud)</source>
        <extracomment>A file type in the file dialog; keep &quot;(*.vud)&quot; as it is.</extracomment>
        <translation>Puzzles VUD (*.vud)</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tipo de licencia Freeware</source>
        <extracomment>The caption of a small square button that shows the licence notice.</extracomment>
        <translation>Type de licence Freeware</translation>
    </message>
    <message>
        <source>Autor</source>
        <extracomment>The caption of a small square button that shows the credits again.</extracomment>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a quien quieras, siempre sin cobrar nada por él y sin cambiarlo.</source>
        <translation>VUD est un programme gratuit. Tu peux l&apos;utiliser, le copier et l&apos;offrir à qui tu veux, toujours sans rien faire payer et sans le modifier.</translation>
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
        <translation>Fait par l&apos;atelier VUD</translation>
    </message>
    <message>
        <source>Escríbenos desde la web de VUD</source>
        <translation>Écris-nous depuis le site de VUD</translation>
    </message>
    <message>
        <source>Primavera de 2024</source>
        <translation>Printemps 2024</translation>
    </message>
    <message>
        <source>Un puzzle para los más pequeños de la casa</source>
        <translation>Un puzzle pour les tout-petits de la maison</translation>
    </message>
    <message>
        <source>¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar.</source>
        <extracomment>A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.</extracomment>
        <translation>Coucou&#xa0;! Écris ton prénom et appuie sur CONTINUER pour jouer.</translation>
    </message>
    <message>
        <source>Introduce tu nombre</source>
        <translation>Écris ton prénom</translation>
    </message>
    <message>
        <source>CONTINUAR</source>
        <extracomment>The large button that starts the game; the speech bubble names it.</extracomment>
        <translation>CONTINUER</translation>
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
        <translation>%1 pièces</translation>
    </message>
    <message>
        <source>Más dibujos</source>
        <translation>Plus d&apos;images</translation>
    </message>
    <message>
        <source>Dibujos de antes</source>
        <translation>Images d&apos;avant</translation>
    </message>
    <message>
        <source>Sin dibujo</source>
        <translation>Pas d&apos;image</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Ver el dibujo entero</source>
        <translation>Voir l&apos;image entière</translation>
    </message>
    <message>
        <source>Ver las piezas sin colocar</source>
        <translation>Voir les pièces pas encore posées</translation>
    </message>
    <message>
        <source>Poner o quitar los bordes</source>
        <translation>Mettre ou enlever les bords</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Choisir une autre image</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Movimientos</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Seg</source>
        <extracomment>Short for &quot;Segundos&quot;, under the clock in a box as narrow as a button.</extracomment>
        <translation>Sec</translation>
    </message>
    <message>
        <source>Mov</source>
        <extracomment>Short for &quot;Movimientos&quot;, under the move counter in a box as narrow as a button.</extracomment>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Segundos: %1</source>
        <translation>Secondes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Movimientos: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>VUD 2.0 - Tablero</source>
        <translation>VUD 2.0 - Plateau</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>TUS RESULTADOS</source>
        <translation>TES RÉSULTATS</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Résultats</translation>
    </message>
</context>
<context>
    <name>PieceBox</name>
    <message>
        <source>Pieza %1</source>
        <translation>Pièce %1</translation>
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
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>Elegir otro dibujo</source>
        <translation>Choisir une autre image</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1  TUS RESULTADOS SON</source>
        <extracomment>The results list&apos;s window title: %1 is the name the child typed, kept as typed.</extracomment>
        <translation>%1  VOICI TES RÉSULTATS</translation>
    </message>
</context>
<context>
    <name>boardlogic</name>
    <message>
        <source> %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - MOVIMIENTOS ** %4 **</source>
        <extracomment>One line of a child&apos;s results list: %1 the game&apos;s number, %2 the pieces, %3 the seconds, %4 the moves. Keep the spaces and signs around them and keep it as short as the Spanish: the list is as wide as its longest line.</extracomment>
        <translation> %1 ) NIVEAU : %2 PIÈCES - TEMPS * %3 * SECONDES - COUPS ** %4 **</translation>
    </message>
</context>
<context>
    <name>records::ResultsStore</name>
    <message>
        <source>No se pudo escribir %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 está dañado: se apartará y se empezará uno nuevo. No se pudo: %2.</source>
        <translation>Le fichier des résultats %1 est abîmé&#xa0;: il sera mis de côté et un nouveau sera commencé. Action impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. No se pudo: %2.</source>
        <translation>Un autre programme occupe le fichier des résultats %1 depuis un moment. Action impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de solo lectura. No se pudo: %2.</source>
        <translation>Le fichier des résultats %1 est en lecture seule. Action impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>El disco está lleno. No se pudo: %1 (en %2).</source>
        <translation>Le disque est plein. Action impossible&#xa0;: %1 (dans %2).</translation>
    </message>
    <message>
        <source>No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta exista y se pueda escribir.</source>
        <translation>Impossible d&apos;ouvrir ou de créer le fichier des résultats %1. Vérifiez que le dossier existe et qu&apos;on peut y écrire.</translation>
    </message>
    <message>
        <source>Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: %2.</source>
        <translation>Erreur de disque avec le fichier des résultats %1 (disque plein&#xa0;?). Action impossible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Error con el archivo de resultados %1 (%2). No se pudo: %3.</source>
        <translation>Erreur avec le fichier des résultats %1 (%2). Action impossible&#xa0;: %3.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se puede escribir.</source>
        <translation>Le fichier des résultats %1 %2 et ne peut pas être mis de côté&#xa0;: on ne peut pas écrire dans le dossier.</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 no es un archivo normal y no se puede apartar.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire et ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 no se puede leer.</source>
        <translation>Le fichier des résultats %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>no es una base de datos</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>está dañado</source>
        <extracomment>Why the results file is moved aside, put where %2 is in &quot;El archivo de resultados %1 %2 y no se puede apartar&quot;.</extracomment>
        <translation>est abîmé</translation>
    </message>
    <message>
        <source>No hay carpeta de datos donde guardar los resultados.</source>
        <translation>Il n&apos;y a pas de dossier de données où enregistrer les résultats.</translation>
    </message>
    <message>
        <source>La carpeta de datos %1 no existe y no se puede crear: los resultados no se guardan.</source>
        <translation>Le dossier de données %1 n&apos;existe pas et ne peut pas être créé&#xa0;: les résultats ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>abrir los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>ouvrir les résultats</translation>
    </message>
    <message>
        <source>leer los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>lire les résultats</translation>
    </message>
    <message>
        <source>El archivo de resultados %1 es de una versión más nueva de VUD: esta versión no lo lee ni lo cambia.</source>
        <translation>Le fichier des résultats %1 vient d&apos;une version plus récente de VUD&#xa0;: cette version ne le lit pas et ne le modifie pas.</translation>
    </message>
    <message>
        <source>preparar los resultados</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>préparer les résultats</translation>
    </message>
    <message>
        <source>El tablero a guardar no tiene sentido; no se guardó.</source>
        <translation>Le plateau à enregistrer n&apos;a pas de sens&#xa0;; il n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>guardar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>enregistrer le plateau inachevé</translation>
    </message>
    <message>
        <source>leer el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>lire le plateau inachevé</translation>
    </message>
    <message>
        <source>olvidar el tablero sin terminar</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>oublier le plateau inachevé</translation>
    </message>
    <message>
        <source>El resultado a guardar no tiene sentido; no se guardó.</source>
        <translation>Le résultat à enregistrer n&apos;a pas de sens&#xa0;; il n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>guardar el resultado</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>enregistrer le résultat</translation>
    </message>
    <message>
        <source>leer la lista de niños</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>lire la liste des enfants</translation>
    </message>
    <message>
        <source>leer las partidas</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>lire les parties</translation>
    </message>
    <message>
        <source>borrar los resultados del niño</source>
        <extracomment>What could not be done, put after &quot;No se pudo:&quot; in the results file&apos;s error messages.</extracomment>
        <translation>supprimer les résultats de l&apos;enfant</translation>
    </message>
</context>
<context>
    <name>vud</name>
    <message>
        <source>--lang takes a language code such as fr or pt_BR</source>
        <translation>--lang attend un code de langue comme fr ou pt_BR</translation>
    </message>
    <message>
        <source>%1: unknown language %2, one of: %3</source>
        <extracomment>A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.</extracomment>
        <translation>%1 : langue inconnue %2, au choix : %3</translation>
    </message>
</context>
<context>
    <name>vud2</name>
    <message>
        <source>usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>utilisation : vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]</translation>
    </message>
    <message>
        <source>--scan-pace takes seconds from 0.2 to 60: %1</source>
        <extracomment>A command-line error; --scan-pace is the option&apos;s name.</extracomment>
        <translation>--scan-pace attend un nombre de secondes de 0.2 à 60 : %1</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>option inconnue : %1</translation>
    </message>
</context>
<context>
    <name>vud::PuzzleFile</name>
    <message>
        <source>No se ha podido leer el archivo del puzzle.</source>
        <translation>Impossible de lire le fichier du puzzle.</translation>
    </message>
    <message>
        <source>El archivo no es un puzzle de VUD.</source>
        <translation>Ce fichier n&apos;est pas un puzzle VUD.</translation>
    </message>
    <message>
        <source>El archivo del puzzle está dañado o incompleto.</source>
        <translation>Le fichier du puzzle est abîmé ou incomplet.</translation>
    </message>
    <message>
        <source>El archivo del puzzle es demasiado grande.</source>
        <translation>Le fichier du puzzle est trop gros.</translation>
    </message>
    <message>
        <source>El archivo del puzzle contiene algo que no es de un puzzle: «%1».</source>
        <translation>Le fichier du puzzle contient quelque chose qui n&apos;appartient pas à un puzzle&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>El archivo del puzzle es de una versión más nueva del programa.</source>
        <translation>Le fichier du puzzle vient d&apos;une version plus récente du programme.</translation>
    </message>
    <message>
        <source>El archivo del puzzle debe contener una sola imagen.</source>
        <translation>Le fichier du puzzle doit contenir une seule image.</translation>
    </message>
    <message>
        <source>La imagen «%1» del archivo del puzzle no es una imagen válida.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» du fichier du puzzle n&apos;est pas une image valide.</translation>
    </message>
    <message>
        <source>El dibujo «%1» del archivo del puzzle no es un dibujo válido.</source>
        <translation>Le dessin «&#xa0;%1&#xa0;» du fichier du puzzle n&apos;est pas un dessin valide.</translation>
    </message>
    <message>
        <source>Falta el dibujo «%1» en el archivo del puzzle.</source>
        <translation>Le dessin «&#xa0;%1&#xa0;» manque dans le fichier du puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle.</source>
        <translation>Impossible d&apos;enregistrer le puzzle.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el puzzle: falta «%1».</source>
        <translation>Impossible d&apos;enregistrer le puzzle&#xa0;: «&#xa0;%1&#xa0;» manque.</translation>
    </message>
</context>
<context>
    <name>vudeditor</name>
    <message>
        <source>usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</source>
        <extracomment>The command line&apos;s help; the options and words in capitals are kept as they are.</extracomment>
        <translation>utilisation : vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]</translation>
    </message>
    <message>
        <source>%1 partidas de %2 exportadas a %3</source>
        <extracomment>Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.</extracomment>
        <translation>%1 parties de %2 exportées vers %3</translation>
    </message>
</context>
</TS>
