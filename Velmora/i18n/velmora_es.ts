<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% de equity</translation>
    </message>
    <message>
        <source>%1 EV</source>
        <translation>%1 EV</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de archivo no válida o no local</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Ruta de archivo vacía</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>No se pudo guardar el archivo: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>No hay configuración de resolución previa (resuelve una vez primero)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON no válido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato de proyecto no reconocido</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versión de proyecto no compatible</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>No está listo: introduce primero un board válido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>No está listo: selecciona al menos una mano en ambos rangos</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>No está listo: completa los tamaños de OOP e IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>No hay suficiente RAM para resolver (tras borrar los resultados anteriores)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Ya está en ejecución</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>La resolución falló: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iter. %2 | expl.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Más de %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>No listo: indica al menos 1 iteración</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>El archivo del proyecto está dañado</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>Se canceló la apertura del proyecto</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Abriendo el proyecto...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Guardando el proyecto...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Ya se está abriendo o guardando otro archivo de proyecto</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apuestas de %1 en el flop: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Subidas de %1 en el flop: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apuestas de %1 en el turn: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Subidas de %1 en el turn: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apuestas de %1 en el river: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Subidas de %1 en el river: &apos;%2&apos; no es un tamaño válido</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Rango OOP: no queda ninguna mano de &apos;%1&apos; al quitar las cartas del board</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Rango IP: no queda ninguna mano de &apos;%1&apos; al quitar las cartas del board</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; no es un rango: escribe manos separadas por comas (AA, KK, AKs) o una proporción como 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>El nombre del archivo no es válido.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; no es un archivo de este equipo: solo se pueden leer archivos locales.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>El nombre del archivo está vacío.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>El archivo &apos;%1&apos; no existe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>No se pudo abrir el archivo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>El archivo &apos;%1&apos; es demasiado grande (%2 bytes; como máximo %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Este texto es demasiado largo para un rango: un texto de rango admite como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>Rango OOP: %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>Rango IP: %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>No hay suficiente RAM (abrirlo necesita unos %1; hay %2 disponibles)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Proyecto cargado (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n nodo de estrategia</numerusform>
            <numerusform>%n nodos de estrategia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n nodo de combos</numerusform>
            <numerusform>%n nodos de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>indica que contiene un resultado de resolución, pero falta el resultado</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>su resultado de resolución no contiene ningún árbol de juego</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>las tablas de nodos de su resultado de resolución no encajan entre sí</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 contiene %2, que un nodo %3 no tiene</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 es false, pero el nodo %2 tiene acciones</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 es true, pero el nodo %2 no tiene acciones</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 es %2, no el bote inicial más lo que pusieron ambos jugadores (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 es %2, no %3 como en el nodo 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 es %2, pero allí el board tiene %3 cartas</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>el nodo %1 termina en showdown con %2 cartas en el board</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>las acciones raíz de su resultado de resolución no son las de su árbol de juego</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>El archivo del proyecto está dañado: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 contiene %2, no %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 es %2, una carta que ya está en el board</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 es %2, un nodo en el que no actúa ningún jugador</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 es %2, pero el nodo %3 es el último nodo del árbol de juego</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 es %2, que no es un nodo del árbol de juego</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 es %2, que no es una acción de su nodo</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 es %2, fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 repite la carta %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: %2 entradas para %3 acciones</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; en %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; de la acción %2 del nodo %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; del nodo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; del bloqueo de nodo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; de la acción raíz %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; de la fila %2 en %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>un board de 3 a 5 cartas distintas</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>una carta</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>una clase de mano</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>una categoría de mano</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 suma %2, no 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 repite el combo %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 es %2, donde el árbol de juego tiene %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>la acción %1 del nodo %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>un tipo de acción</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>al nodo %1 llega más de una acción</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>ninguna acción llega al nodo %1</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>el bloqueo de nodo %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>la acción raíz %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>la fila %1 en %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>las frecuencias de las acciones del nodo %1 suman %2, no 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>las acciones del nodo %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>el registro del nodo %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>los combos de IP guardados del nodo %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>los combos de OOP guardados del nodo %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>las cifras de las acciones guardadas del nodo %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>las categorías guardadas del nodo %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>los combos guardados del nodo %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>la estrategia guardada del nodo %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 está fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Bote inicial</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efectivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Tope de rake</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explotabilidad obj. (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in si el jam es menor que (OOP, % bote)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in si el jam es menor que (IP, % bote)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>No hay suficiente RAM disponible para este programa para resolver (tras borrar los resultados anteriores)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>No hay suficiente RAM para resolver este spot y conservar su resultado: resolverlo, ver el resultado, guardarlo y volver a abrirlo necesita unos %1; hay %2 disponibles para este programa</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>No hay suficiente RAM para resolver este spot y conservar su resultado: resolverlo, ver el resultado, guardarlo y volver a abrirlo necesita unos %1; hay %2 disponibles</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>No hay suficiente RAM para guardar el proyecto (necesita unos %1; hay %2 disponibles)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>No hay suficiente RAM para guardar el proyecto: la memoria se agotó mientras se guardaba</translation>
    </message>
</context>
<context>
    <name>BoardColumn</name>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Cargar perfil</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>No se pudieron leer los perfiles guardados. Se apartaron sin cambios y los perfiles nuevos se guardan en una lista nueva.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Elegir carta</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carta del flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta del turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta del river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Quitar carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Chip</name>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>ConfirmDeleteDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Error al importar: appController.readTextFile no disponible.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Error al importar: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Error al importar: el archivo no contiene manos reconocibles.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Introduce un nombre.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>No hay rango que importar.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Error al importar: el archivo no es un archivo de texto.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Introduce un nombre de carpeta.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>El rango actual está vacío.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>El rango actual es demasiado largo.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Jugador desconocido.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Omitido, no se lee como manos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Ajustes de juego</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Bote inicial</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>p. ej., 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efectivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>p. ej., 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Tope de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>p. ej., 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explotabilidad obj. (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>p. ej., 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>escalera de color</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>póker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>color</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>escalera</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trío</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doble pareja</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>pareja máxima</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>sobrepareja</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>pareja media</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>pareja baja</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>pareja seca</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>proyecto de color</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>color fallido</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>escalera abierta</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>escalera abierta fallida</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>escalera interna</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>interna fallida</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>color backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 mostradas</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combos</translation>
    </message>
</context>
<context>
    <name>HandComboRow</name>
    <message>
        <source>EV:</source>
        <translation>EV:</translation>
    </message>
</context>
<context>
    <name>HandDetailsCard</name>
    <message>
        <source>Hand Details</source>
        <translation>Detalle de manos</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Buscar (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Cargando combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>No hay combos para este nodo.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Ningún combo coincide con los filtros.</translation>
    </message>
</context>
<context>
    <name>HomeHero</name>
    <message>
        <source>Caldirune</source>
        <translation>Caldirune</translation>
    </message>
    <message>
        <source>A modern, high-performance holdem solver</source>
        <translation>Un solver de hold&apos;em moderno y de alto rendimiento</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nueva resolución</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>No se pudo guardar el proyecto en %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>No se pudo abrir el proyecto: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponibles</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 libres)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Proyecto Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Borrar estadísticas de Jugar contra la solución</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>¿Borrar todas las estadísticas de Jugar contra la solución (hoy + total)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jugar contra la solución</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Manos (hoy / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisión (hoy / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Pérdida media de EV (hoy / total)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Caldirune Core</source>
        <translation>Caldirune Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>No se pudo guardar el proyecto en %1: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Nueva resolución</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, rangos y árbol</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Resolución rápida</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Usar la configuración predeterminada</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Cargar desde archivo</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Acciones rápidas</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
</context>
<context>
    <name>LanguageComboBox</name>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Cargar perfil de ajustes</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Elige un perfil guardado:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Aún no hay perfiles guardados.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>No se pudieron leer los perfiles guardados. Se apartaron sin cambios y los perfiles nuevos se guardan en una lista nueva.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Caldirune</source>
        <translation>Caldirune</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Este nombre es demasiado largo: un nombre puede tener como máximo %n carácter.</numerusform>
            <numerusform>Este nombre es demasiado largo: un nombre puede tener como máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Bloqueo de nodos</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>El bloqueo solo es posible en nodos de decisión.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Consejo: elige una acción arriba y haz clic en una mano de la matriz para bloquearla.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>No se pudo iniciar la resolución</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>La resolución terminó sin resultado</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Introduce un peso de 0 a 1 para bloquear manos.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>El peso debe ser un número de 0 a 1, por ejemplo 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>El peso es una probabilidad de 0 a 1: escribe 50 % como 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jugar contra la solución</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rol: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Elige un rol para empezar</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Ambos asientos</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Incorrecto — mejor: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>No se pudo repartir una mano a %1 en este nodo, así que no hay decisión que tomar. Resuelve el spot de nuevo para jugarlo.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>No se pudo repartir una mano a %1: los detalles de este nodo no se guardaron con el proyecto. Resuelve el spot de nuevo para jugarlo.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Sin evaluar: la mano %1 no se enfrenta aquí a ninguna mano del rango del rival, así que no tiene EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Sin evaluar: esta mano no tiene EV aquí</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Detalles de la mano</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Ganador: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganado: %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Rake: %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perdido: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Incorrecta: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correcta: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Detenida en el error del flop: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Detenida en el error del turn: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Detenida en el error del river: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Registro de manos</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 manos</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <source>EV -%1</source>
        <translation>EV -%1</translation>
    </message>
    <message>
        <source>EV —</source>
        <translation>EV —</translation>
    </message>
</context>
<context>
    <name>PlaySeat</name>
    <message>
        <source>Stack: —</source>
        <translation>Stack: —</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Stack: %1</translation>
    </message>
</context>
<context>
    <name>PlayTable</name>
    <message>
        <source>Pot: —</source>
        <translation>Bote: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jugar como OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jugar ambos</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jugar como IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Otra mano</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Haz clic en turn/river para cambiar</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Parar práctica</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Practicar spot</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Acción de OOP: %1</translation>
    </message>
</context>
<context>
    <name>PlayingCard</name>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>PresetOverrideActions</name>
    <message>
        <source>Export failed: appController.saveTextFile unavailable.</source>
        <translation>Error al exportar: appController.saveTextFile no disponible.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Error al exportar: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Guardar perfil de ajustes</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>p. ej., 100bb sin rake (rápido)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Borrar perfil de ajustes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>¿Seguro que quieres borrar este perfil guardado?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>ProgressRing</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>ProjectHeader</name>
    <message>
        <source>Project Setup</source>
        <translation>Configuración del proyecto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Falta configurar</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM para resolver: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponible: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Continuar a resolver →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Necesita más memoria de la disponible</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>No hay suficiente memoria libre para este spot: cierra otros programas o usa menos tamaños</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>Esperando la estimación de memoria de este spot</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Apuestas de %1 en el flop: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Subidas de %1 en el flop: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Apuestas de %1 en el turn: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Subidas de %1 en el turn: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Apuestas de %1 en el river: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Subidas de %1 en el river: introduce al menos un tamaño</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Rango %1: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Rango %1: selecciona al menos una mano</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board: para empezar en el river falta la carta del river</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board: para empezar en el turn falta la carta del turn</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board: elige las tres cartas del flop (el turn y el river pueden seguir)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board: elige la carta del turn antes del river, o quita el river</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>No hay suficiente memoria disponible para este programa para este spot: usa menos tamaños</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: introduce un valor</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: introduce un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: las fichas son números enteros, escribe solo dígitos</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: escribe los decimales con punto (0.5), sin coma</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: como máximo %2 decimales</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: introduce un número de %2 a %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Introduce un nombre.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Selecciona un perfil.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>OOP Range</source>
        <translation>Rango OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Rango IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
</context>
<context>
    <name>RangeDialogs</name>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>¿Seguro que quieres borrar esta carpeta?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>¿Seguro que quieres borrar este rango?</translation>
    </message>
    <message>
        <source>OOP</source>
        <translation>OOP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Save OOP range</source>
        <translation>Guardar rango OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Guardar rango IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nombre del rango:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>p. ej., BTN vs BB (estándar)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Añadir carpeta (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Añadir carpeta (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>p. ej., BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar rango</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>p. ej., BTN open (propio)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Borrar rango</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>También se borrarán %1 elementos. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Texto de rango (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exportar rangos estándar</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exportar rangos de población</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Borrar cambios estándar</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>¿Borrar todos los rangos estándar cambiados localmente de %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Borrar cambios de población</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>¿Borrar todos los rangos de población cambiados localmente de %1?</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 manos</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Sin rake</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>Rake 50nl</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>Rake 100nl</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>Rake 200nl</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>Rake 500nl</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Pagar</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>RFI</source>
        <translation>RFI</translation>
    </message>
    <message>
        <source>3bet</source>
        <translation>3bet</translation>
    </message>
    <message>
        <source>4bet</source>
        <translation>4bet</translation>
    </message>
    <message>
        <source>6-max</source>
        <translation>6-max</translation>
    </message>
    <message>
        <source>Heads up</source>
        <translation>Heads-up</translation>
    </message>
    <message>
        <source>vs RFI</source>
        <translation>vs RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>vs 3bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>vs 4bet</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Limp-pagar</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Pagar subida</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>3b</source>
        <translation>3b</translation>
    </message>
    <message>
        <source>4b</source>
        <translation>4b</translation>
    </message>
    <message>
        <source>Call 3b</source>
        <translation>Pagar 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Pagar 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>Cold call de 3b</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Regs débiles</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg más tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg más loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Pasivo</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Pasivo tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Pasivo neutral</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Pasivo loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Extremo loose</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose agresivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG estándar</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maníaco</translation>
    </message>
    <message>
        <source>Overfolder</source>
        <translation>Overfolder</translation>
    </message>
    <message>
        <source>Nit</source>
        <translation>Nit</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Rangos estándar</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Rangos de población</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Rangos propios</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>vs RFI de %1</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3bet de %2</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs 4bet de %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (VPIP %2)</source>
        <translation>%1 (VPIP %2)</translation>
    </message>
</context>
<context>
    <name>RangeSidebar</name>
    <message>
        <source>Standard Ranges</source>
        <translation>Rangos estándar</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Rangos de población</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Rangos propios</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Aún no hay rangos.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exportar estándar…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exportar población…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Borrar cambios…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Guardar rango actual…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importar rango…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Borrar selección…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>No se pudieron leer los rangos guardados. Se apartaron sin cambios y los rangos nuevos se guardan en una lista nueva.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>No se pudieron leer los cambios de estos rangos integrados. Se apartaron sin cambios y se muestran los rangos incluidos.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ej., AA, KK, AKs, QQ+ o 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Estrategia por mano</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Bloqueo de nodo</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Stack (%1)</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>Para igualar</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>River aleatorio</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Turn aleatorio</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Los detalles de este nodo no se guardaron con el proyecto. Vuelve a resolver el spot para verlos.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Elegir la carta del turn</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Elegir la carta del river</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Vista de estrategia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Actúa %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Ver rangos</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Contra solución</translation>
    </message>
    <message>
        <source>EV (OOP)</source>
        <translation>EV (OOP)</translation>
    </message>
    <message>
        <source>EV (IP)</source>
        <translation>EV (IP)</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolviendo...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Frecuencias de acción</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Acciones disponibles</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opciones</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Repartir %1</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Locked: %1</source>
        <translation>Bloqueadas: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Bloqueos definidos: %1 — pulsa «Resolver» para aplicarlos</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Bloqueos definidos: %1 — no se sabe si estos resultados los usan; pulsa «Resolver» para aplicarlos</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Árbol de juego</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Hay una resolución en curso. El árbol aparecerá cuando termine.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Licencias</translation>
    </message>
    <message>
        <source>oneTBB</source>
        <translation>oneTBB</translation>
    </message>
    <message>
        <source>Threading</source>
        <translation>Multihilo</translation>
    </message>
    <message>
        <source>Apache 2.0</source>
        <translation>Apache 2.0</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Los avisos y textos de licencia de terceros se incluyen en la carpeta &apos;licenses&apos; junto al ejecutable.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Abrir carpeta de licencias</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Abrir avisos</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>La carpeta de licencias %1 no existe.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Ningún programa de este equipo abre carpetas, así que no se pudo mostrar la carpeta de licencias. Está en %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>El archivo de avisos %1 no existe.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Ningún programa de este equipo abre archivos de texto, así que no se pudieron mostrar los avisos. Están en el archivo %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modo oscuro</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usar el esquema de color oscuro en toda la interfaz</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia el idioma de la aplicación (se aplica de inmediato)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Color de acento</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personaliza el color de resaltado (botones, acentos, tréboles/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar ajustes</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Versión actual: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Actualización disponible: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Descargar actualización</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Resumen y acciones rápidas</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, rangos, árbol</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Ejecutar solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Explorar estrategias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>♠</source>
        <translation>♠</translation>
    </message>
    <message>
        <source>Caldirune</source>
        <translation>Caldirune</translation>
    </message>
    <message>
        <source>Poker Solver</source>
        <translation>Solver de póker</translation>
    </message>
    <message>
        <source>v0.1.0 dev</source>
        <translation>v0.1.0 dev</translation>
    </message>
</context>
<context>
    <name>SizingCard</name>
    <message>
        <source>OOP Sizing</source>
        <translation>Tamaños OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Tamaños IP</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>Bet sizes (%)</source>
        <translation>Apuestas (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Subidas (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Añadir all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Sin donk</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in si el jam es menor que</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>p. ej. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% bote</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Umbral de jam de OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Umbral de jam de IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Actividad de resolución</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Últimas 52 semanas</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (futuro)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Resoluciones: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iter. medias: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. media: %1</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
</context>
<context>
    <name>SolveComputeCard</name>
    <message>
        <source>Compute</source>
        <translation>Cómputo</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Bote / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Apuestas</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opciones activas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolviendo...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Iniciar cálculo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Ver resultados →</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Listo para resolver</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteración %1 | explotabilidad=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: sin donk en el flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: sin donk en el turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: sin donk en el river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: añadir all-in en el flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: añadir all-in en el turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: añadir all-in en el river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: añadir all-in en el flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: añadir all-in en el turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: añadir all-in en el river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: all-in si el jam &lt; %1% del bote</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: all-in si el jam &lt; %1% del bote</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (tope %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteraciones %1 • Objetivo %2% (≈ %3) • Hilos %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Ejecuta el solver CFR y sigue el progreso en tiempo real.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Inicio: creando el objeto de juego...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Inicio: creando las estructuras del árbol...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Inicio: iniciando el solver...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizando: calculando resultados...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizando: creando la instantánea de resultados...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Iteraciones %1 / %2 • Objetivo %3% (≈ %4) • Hilos %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Listo: objetivo no alcanzado, %1 frente a %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>No alcanzado</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Listo: objetivo no alcanzado, %1 frente a %2 • Iteraciones %3 / %4 • Hilos %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>El solver convergió — finalizando resultados…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Ventana %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iteraciones: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explotabilidad</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Midiendo...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Iteraciones: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Resuelto para otra configuración distinta de la resumida aquí</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Ejecuciones recientes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aún no hay ejecuciones — pulsa Iniciar cálculo para registrar una aquí.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Resolviendo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Inicia un proyecto nuevo (o carga uno) desde Inicio para activar Proyecto</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Completa board, rangos y tamaños para activar Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Ejecuta una resolución para activar Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Este spot necesita más memoria de la que tiene disponible este equipo</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Este spot necesita más memoria de la que hay disponible para este programa</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Bote: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Frec.: %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Frec.: —</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV: %1%2</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>La URL de actualización no está configurada.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Respuesta de actualización no válida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>No hay URL de descarga disponible.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>la respuesta ocupa más de %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SettingsProblemText</name>
    <message>
        <source>Part of your settings file %1 is damaged and could not be read; the program uses the defaults in its place.</source>
        <translation>Una parte de su archivo de ajustes %1 está dañada y no se pudo leer; el programa usa en su lugar los valores predeterminados.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>No se pudieron leer sus ajustes de %1, así que el programa se inició con los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>El modo oscuro y el color de acento no se pudieron guardar en %1; el próximo inicio mostrará los anteriores.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>El idioma elegido no se pudo guardar en %1; el próximo inicio no lo conservará.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Las estadísticas de Jugar contra la solución no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>La resolución terminada no se pudo añadir a la actividad de resolución en %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Sus ajustes no se pudieron guardar en %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>El archivo no se puede leer (compruebe sus permisos); se deja como está y no se podrá guardar nada hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>No se puede escribir en el archivo o en su carpeta (compruebe los permisos).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>El disco que contiene el archivo está lleno (libere espacio en él y vuelva a guardar).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>El archivo no se pudo escribir por completo: una cuota de disco o un límite del tamaño de los archivos no deja espacio para él.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>No se puede tomar su bloqueo %1: otra copia de Caldirune en ejecución lo mantiene, o hay otra cosa con ese nombre (elimínela si no se está ejecutando ninguna otra copia).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <source>Preflop</source>
        <translation>Preflop</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
</context>
<context>
    <name>PageStores</name>
    <message>
        <source>Your settings profiles were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Los perfiles de ajustes no se guardaron: otra copia de Caldirune en ejecución mantenía bloqueado el archivo de ajustes %1. El cambio se conserva en esta ventana y se guarda con el próximo cambio.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Los rangos no se guardaron: otra copia de Caldirune en ejecución mantenía bloqueado el archivo de ajustes %1. El cambio se conserva en esta ventana y se guarda con el próximo cambio.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Los cambios de estos rangos integrados no se guardaron: otra copia de Caldirune en ejecución mantenía bloqueado el archivo de ajustes %1. El cambio se conserva en esta ventana y se guarda con el próximo cambio.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>No se pudieron leer los perfiles de ajustes: no se puede leer el archivo de ajustes %1. No se guarda nada en él hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>No se pudieron leer los rangos guardados: no se puede leer el archivo de ajustes %1. No se guarda nada en él hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>No se pudieron leer los cambios de estos rangos integrados: no se puede leer el archivo de ajustes %1. No se guarda nada en él hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>No se pudieron guardar los perfiles de ajustes: no se puede escribir en el archivo de ajustes %1 o en su carpeta. El cambio se conserva solo en esta ventana.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los perfiles de ajustes: el disco que contiene el archivo de ajustes %1 está lleno. Libere espacio en él; el cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los perfiles de ajustes: el archivo de ajustes %1 no se pudo escribir por completo (una cuota de disco o un límite del tamaño de los archivos no deja espacio para él). El cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>No se pudieron guardar los rangos: no se puede escribir en el archivo de ajustes %1 o en su carpeta. El cambio se conserva solo en esta ventana.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los rangos: el disco que contiene el archivo de ajustes %1 está lleno. Libere espacio en él; el cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los rangos: el archivo de ajustes %1 no se pudo escribir por completo (una cuota de disco o un límite del tamaño de los archivos no deja espacio para él). El cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>No se pudieron guardar los cambios de estos rangos integrados: no se puede escribir en el archivo de ajustes %1 o en su carpeta. El cambio se conserva solo en esta ventana.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los cambios de estos rangos integrados: el disco que contiene el archivo de ajustes %1 está lleno. Libere espacio en él; el cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>No se pudieron guardar los cambios de estos rangos integrados: el archivo de ajustes %1 no se pudo escribir por completo (una cuota de disco o un límite del tamaño de los archivos no deja espacio para él). El cambio se conserva en esta ventana y se guarda con su próximo cambio.</translation>
    </message>
</context>
</TS>
