<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combo</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% di equity</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL del file non valido o non locale</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Percorso del file vuoto</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Impossibile salvare il file: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Nessuna configurazione di risoluzione precedente (risolvi prima una volta)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON non valido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato di progetto non riconosciuto</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versione del progetto non supportata</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Non pronto: inserisci prima un board valido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Non pronto: seleziona almeno una mano in entrambi i range</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Non pronto: compila le puntate di OOP e IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>RAM insufficiente per risolvere (dopo aver cancellato i risultati precedenti)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Già in esecuzione</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Risoluzione non riuscita: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iter. %2 | sfrutt.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Più di %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Non pronto: serve almeno 1 iterazione</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Il file del progetto è danneggiato</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>L&apos;apertura del progetto è stata annullata</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Apertura del progetto...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Salvataggio del progetto...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Un altro file di progetto è in fase di apertura o salvataggio</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Puntate di %1 al flop: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Rilanci di %1 al flop: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Puntate di %1 al turn: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Rilanci di %1 al turn: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Puntate di %1 al river: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Rilanci di %1 al river: &apos;%2&apos; non è una dimensione valida</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range OOP: di &apos;%1&apos; non resta alcuna mano una volta tolte le carte del board</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range IP: di &apos;%1&apos; non resta alcuna mano una volta tolte le carte del board</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; non è un range: scrivi le mani separate da virgole (AA, KK, AKs) o una quota come 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>Il nome del file non è valido.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; non è un file di questo computer: si possono leggere solo file locali.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Il nome del file è vuoto.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Il file &apos;%1&apos; non esiste.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; non è un file normale.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Impossibile aprire il file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>Il file &apos;%1&apos; è troppo grande (%2 byte; al massimo %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Questo testo è troppo lungo per un range: un testo di range contiene al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>Range OOP: %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>Range IP: %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>RAM insufficiente (l&apos;apertura richiede circa %1, %2 disponibili)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Progetto caricato (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n nodo di strategia</numerusform>
            <numerusform>%n nodi di strategia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n nodo di combo</numerusform>
            <numerusform>%n nodi di combo</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>dichiara di contenere un risultato di risoluzione, ma il risultato manca</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>il suo risultato di risoluzione non contiene alcun albero di gioco</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>le tabelle dei nodi del suo risultato di risoluzione non corrispondono tra loro</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 contiene %2, che un nodo %3 non ha</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 è false, ma il nodo %2 ha delle azioni</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 è true, ma il nodo %2 non ha azioni</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 è %2, non il piatto iniziale più quanto messo dai due giocatori (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 è %2, non %3 come nel nodo 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 è %2, ma lì il board ha %3 carte</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>il nodo %1 termina allo showdown con %2 carte sul board</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>le azioni radice del suo risultato di risoluzione non sono quelle del suo albero di gioco</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Il file del progetto è danneggiato: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 contiene %2, non %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 è %2, una carta già sul board</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 è %2, un nodo in cui nessun giocatore agisce</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 è %2, ma il nodo %3 è l’ultimo nodo dell’albero di gioco</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 è %2, che non è un nodo dell’albero di gioco</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 è %2, che non è un’azione del suo nodo</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 è %2, fuori dall’intervallo da %3 a %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 ripete la carta %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: %2 voci per %3 azioni</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; dell’azione %2 del nodo %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; del nodo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; del blocco di nodo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; dell’azione radice %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; della riga %2 in %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>un board da 3 a 5 carte diverse</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>una carta</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>una classe di mani</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>una categoria di mano</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 somma a %2, non a 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 ripete la combo %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 è %2, dove l&apos;albero di gioco ha %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un testo</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un numero intero</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>l’azione %1 del nodo %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un oggetto</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>un tipo di azione</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>il nodo %1 è raggiunto da più di un’azione</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>nessuna azione raggiunge il nodo %1</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>il blocco di nodo %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno tra %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>l’azione radice %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>la riga %1 in %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>le frequenze delle azioni del nodo %1 sommano a %2, non a 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>le azioni del nodo %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>il record del nodo %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>combo IP salvate del nodo %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>combo OOP salvate del nodo %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>dati delle azioni salvati del nodo %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>categorie salvate del nodo %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>combo salvate del nodo %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>strategia salvata del nodo %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 è fuori dall’intervallo da %3 a %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Piatto iniziale</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack effettivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Tetto rake</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Sfruttabilità obiettivo (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in se il jam è sotto (OOP, % piatto)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in se il jam è sotto (IP, % piatto)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>RAM disponibile per questo programma insufficiente per risolvere (dopo aver cancellato i risultati precedenti)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>RAM insufficiente per risolvere questo spot e tenerne il risultato: risolverlo, consultare il risultato, salvarlo e riaprirlo richiede circa %1, %2 disponibili per questo programma</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>RAM insufficiente per risolvere questo spot e tenerne il risultato: risolverlo, consultare il risultato, salvarlo e riaprirlo richiede circa %1, %2 disponibili</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>RAM insufficiente per salvare il progetto (servono circa %1, %2 disponibili)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>RAM insufficiente per salvare il progetto: la memoria si è esaurita durante il salvataggio</translation>
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
        <translation>Carica profilo</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Impossibile leggere i profili salvati. Sono stati messi da parte senza modifiche; i nuovi profili vengono salvati in un nuovo elenco.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Scegli carta</translation>
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
        <translation>Rimuovi carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Importazione non riuscita: appController.readTextFile non disponibile.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Importazione non riuscita: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Importazione non riuscita: il file non contiene mani riconoscibili.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Nessun range da importare.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Importazione non riuscita: il file non è un file di testo.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Inserisci un nome per la cartella.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Il range attuale è vuoto.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>Il range attuale è troppo lungo.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Giocatore sconosciuto.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Tralasciato, non letto come mani: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e altri %n</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Impostazioni gioco</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Piatto iniziale</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>es. 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack effettivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>es. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Tetto rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>es. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Sfruttabilità obiettivo (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>es. 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>scala colore</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>poker</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>colore</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>scala</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>tris</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>doppia coppia</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>coppia massima</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>coppia media</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>coppia bassa</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>coppia secca</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>progetto colore</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>colore mancato</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>scala bilaterale</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>bilaterale mancata</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>scala interna</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>interna mancata</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>colore backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aria</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 mostrate</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 combo</translation>
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
        <translation>Dettaglio mani</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Cerca (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Caricamento combo…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Nessuna combo per questo nodo.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Nessuna combo corrisponde ai filtri.</translation>
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
        <translation>Un solver di hold&apos;em moderno e ad alte prestazioni</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nuova risoluzione</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Impossibile salvare il progetto in %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Impossibile aprire il progetto: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponibili</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 liberi)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Progetto Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Cancella statistiche Gioca contro la soluzione</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Cancellare tutte le statistiche Gioca contro la soluzione (oggi + totale)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gioca contro la soluzione</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mani (oggi / totale)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisione (oggi / totale)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perdita EV media (oggi / totale)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Caldirune Core</source>
        <translation>Caldirune Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome progetto</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Impossibile salvare il progetto in %1: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Nuova risoluzione</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configura board, range e albero</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Risoluzione rapida</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Usa le impostazioni predefinite</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Carica da file</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Azioni rapide</translation>
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
        <translation>Predefinita di sistema</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Carica profilo impostazioni</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Scegli un profilo salvato:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Ancora nessun profilo salvato.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Impossibile leggere i profili salvati. Sono stati messi da parte senza modifiche; i nuovi profili vengono salvati in un nuovo elenco.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Questo nome è troppo lungo: un nome può avere al massimo %n carattere.</numerusform>
            <numerusform>Questo nome è troppo lungo: un nome può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Blocco nodi</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Il blocco è possibile solo nei nodi decisionali.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Azzera pesi</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Suggerimento: scegli un’azione sopra, poi clicca una mano nella matrice per bloccarla.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Impossibile avviare la risoluzione</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>La risoluzione è terminata senza risultato</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Inserisci un peso da 0 a 1 per bloccare le mani.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>Il peso deve essere un numero da 0 a 1, ad esempio 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>Il peso è una probabilità da 0 a 1: scrivi 50 % come 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gioca contro la soluzione</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Ruolo: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Scegli un ruolo per iniziare</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Entrambi i posti</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Sbagliato — migliore: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corretto</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>Non è stato possibile distribuire una mano a %1 in questo nodo, quindi non c'è alcuna decisione da prendere. Risolvi di nuovo lo spot per giocarlo.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>Non è stato possibile distribuire una mano a %1: i dettagli di questo nodo non sono stati salvati con il progetto. Risolvi di nuovo lo spot per giocarlo.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Non valutato: la mano %1 qui non incontra alcuna mano del range avversario, quindi non ha EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Non valutato: questa mano qui non ha EV</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Dettagli della mano</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Mani</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Vincitore: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Vinto: %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Rake: %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perso: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Errata: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Corretta: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Interrotta all'errore sul flop: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Interrotta all'errore sul turn: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Interrotta all'errore sul river: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Registro mani</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mani</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfetto</translation>
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
        <translation>Piatto: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Gioca come OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Gioca entrambi</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Gioca come IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Altra mano</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Clicca turn/river per cambiare</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Ferma esercizio</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Esercita spot</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Azione OOP: %1</translation>
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
        <translation>Esportazione non riuscita: appController.saveTextFile non disponibile.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Salva profilo impostazioni</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome del profilo:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>es. 100bb senza rake (veloce)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Elimina profilo impostazioni</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Eliminare davvero questo profilo salvato?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
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
        <translation>Configurazione progetto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Configurazione richiesta</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM per la soluzione: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponibile: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Vai alla soluzione →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Richiede più memoria di quella disponibile</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Memoria libera insufficiente per questo spot: chiudi altri programmi o usa meno dimensioni</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>In attesa della stima di memoria di questo spot</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Puntate di %1 al flop: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Rilanci di %1 al flop: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Puntate di %1 al turn: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Rilanci di %1 al turn: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Puntate di %1 al river: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Rilanci di %1 al river: inserisci almeno una dimensione</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Range %1: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Range %1: seleziona almeno una mano</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board: per partire dal river serve la carta del river</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board: per partire dal turn serve la carta del turn</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board: scegli le tre carte del flop (turn e river possono seguire)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board: scegli la carta del turn prima del river, o togli il river</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Memoria disponibile per questo programma insufficiente per questo spot: usa meno dimensioni</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: inserisci un valore</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: inserisci un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: le fiche sono numeri interi, inserisci solo cifre</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: inserisci i decimali con il punto (0.5), senza virgola</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: al massimo %2 cifre dopo il punto</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: inserisci un numero da %2 a %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Inserisci un nome.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Seleziona un profilo.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>OOP Range</source>
        <translation>Range OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Range IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
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
        <translation>Eliminare davvero questa cartella?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Eliminare davvero questo range?</translation>
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
        <translation>Salva range OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Salva range IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nome del range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>es. BTN vs BB (predefinito)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Aggiungi cartella (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Aggiungi cartella (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nome della cartella:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>es. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importa range</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>es. BTN open (personale)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Elimina range</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Verranno eliminati anche %1 elementi. L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Testo del range (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Esporta range standard</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Esporta range di popolazione</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Cancella modifiche standard</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Cancellare tutti i range standard modificati localmente per %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Cancella modifiche di popolazione</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Cancellare tutti i range di popolazione modificati localmente per %1?</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mani</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Senza rake</translation>
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
        <translation>Chiama</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passa</translation>
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
        <translation>Limp-chiama</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Chiama il raise</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Check</translation>
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
        <translation>Chiama 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Chiama 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>Cold call del 3b</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Reg più deboli</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg più tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg più loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passivo</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passivo tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passivo neutro</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passivo loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Estremamente loose</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose aggressivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG standard</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniaco</translation>
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
        <translation>Range standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Range di popolazione</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Range personali</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>vs RFI di %1</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3bet di %2</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs 4bet di %2</translation>
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
        <translation>Range standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Range di popolazione</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Range personali</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Ancora nessun range.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Esporta standard…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Esporta popolazione…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Cancella modifiche…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Salva range attuale…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importa range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Aggiungi cartella…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Elimina selezione…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Impossibile leggere i range salvati. Sono stati messi da parte senza modifiche; i nuovi range vengono salvati in un nuovo elenco.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Impossibile leggere le modifiche a questi range predefiniti. Sono state messe da parte senza modifiche; vengono mostrati i range originali.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>es. AA, KK, AKs, QQ+ o 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategia per mano</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Blocco nodo</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Piatto</translation>
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
        <translation>Da chiamare</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>River casuale</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Turn casuale</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>I dettagli di questo nodo non sono stati salvati con il progetto. Risolvi di nuovo lo spot per vederli.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Scegli la carta del turn</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Scegli la carta del river</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Vista strategia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Vista range</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Contro soluzione</translation>
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
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Risoluzione...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Frequenze delle azioni</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Azioni disponibili</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opzioni</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Distribuisci %1</translation>
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
        <translation>Bloccate: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Blocchi impostati: %1 — usa «Risolvi» per applicarli</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Blocchi impostati: %1 — non si sa se questi risultati li usano; usa «Risolvi» per applicarli</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Albero di gioco</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>È in corso una risoluzione. L&apos;albero apparirà al termine.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Licenze</translation>
    </message>
    <message>
        <source>oneTBB</source>
        <translation>oneTBB</translation>
    </message>
    <message>
        <source>Threading</source>
        <translation>Multithreading</translation>
    </message>
    <message>
        <source>Apache 2.0</source>
        <translation>Apache 2.0</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Le note e i testi di licenza di terze parti si trovano nella cartella &apos;licenses&apos; accanto all&apos;eseguibile.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Apri la cartella delle licenze</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Apri le note</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>La cartella delle licenze %1 non esiste.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Nessun programma di questo computer apre le cartelle, quindi non è stato possibile mostrare la cartella delle licenze. Si trova in %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>Il file delle note %1 non esiste.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Nessun programma di questo computer apre i file di testo, quindi non è stato possibile mostrare le note. Si trovano nel file %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modalità scura</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usa lo schema di colori scuro in tutta l&apos;interfaccia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Cambia la lingua dell&apos;app (effetto immediato)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Colore di accento</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personalizza il colore di evidenziazione (pulsanti, accenti, fiori/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Versione attuale: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Ultimo controllo: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Aggiornamento disponibile: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Controllo...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Scarica aggiornamento</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Panoramica e azioni rapide</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, range, albero</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Avvia il solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Sfoglia le strategie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
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
        <translation>Solver di poker</translation>
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
        <translation>Size OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Size IP</translation>
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
        <translation>Puntate (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Rilanci (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Aggiungi all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Niente donk</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in se il jam è sotto</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>es. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% piatto</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Soglia jam OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Soglia jam IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Attività di risoluzione</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Ultime 52 settimane</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
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
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
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
        <translation>Risoluzioni: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iter. medie: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Sfrutt. media: %1</translation>
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
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sab</translation>
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
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisione</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Piatto / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Puntate</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opzioni attive</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Risoluzione...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Avvia risoluzione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Vedi risultati →</translation>
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
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Pronto per risolvere</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizzazione…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iterazione %1 | sfruttabilità=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: niente donk al flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: niente donk al turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: niente donk al river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: aggiungi all-in al river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: aggiungi all-in al flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: aggiungi all-in al turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: aggiungi all-in al river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: all-in se jam &lt; %1% piatto</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: all-in se jam &lt; %1% piatto</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (tetto %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterazioni %1 • Obiettivo %2% (≈ %3) • Thread %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Avvia il solver CFR e segui i progressi in tempo reale.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Init: creazione dell&apos;oggetto di gioco...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Init: costruzione dell&apos;albero di gioco...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Init: avvio del solver...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizzazione: calcolo dei risultati...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizzazione: creazione dell&apos;istantanea dei risultati...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Iterazioni %1 / %2 • Obiettivo %3% (≈ %4) • Thread %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Fatto: obiettivo non raggiunto, %1 contro %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non raggiunto</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Fatto: obiettivo non raggiunto, %1 contro %2 • Iterazioni %3 / %4 • Thread %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver a convergenza — finalizzazione dei risultati…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Finestra %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterazioni: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metriche</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Trascorso</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Rimanente</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Sfruttabilità</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Misurazione...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Iterazioni: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Risolto per una configurazione diversa da quella riassunta qui</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Esecuzioni recenti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Nessuna esecuzione — fai clic su Avvia risoluzione per registrarne una qui.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Avvia un nuovo progetto (o caricane uno) dalla Home per abilitare Progetto</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Compila board, range e puntate per abilitare Risolvi</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Esegui una risoluzione per abilitare Risultati</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Questo spot richiede più memoria di quella disponibile su questo computer</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Questo spot richiede più memoria di quella disponibile per questo programma</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Distribuzione</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Piatto: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Freq.: %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Freq.: —</translation>
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
        <translation>L&apos;URL di aggiornamento non è configurato.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Controllo aggiornamenti non riuscito: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Risposta di aggiornamento non valida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Nessun URL di download disponibile.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>la risposta supera %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SettingsProblemText</name>
    <message>
        <source>Part of your settings file %1 is damaged and could not be read; the program uses the defaults in its place.</source>
        <translation>Una parte del file delle impostazioni %1 è danneggiata e non è stato possibile leggerla; il programma usa al suo posto i valori predefiniti.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Non è stato possibile leggere le impostazioni da %1, quindi il programma è partito con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Non è stato possibile salvare la modalità scura e il colore di accento in %1; al prossimo avvio si vedranno quelli precedenti.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>Non è stato possibile salvare la lingua scelta in %1; al prossimo avvio non sarà mantenuta.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Non è stato possibile salvare le statistiche di Gioca contro la soluzione in %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>Non è stato possibile aggiungere la risoluzione terminata all&apos;attività di risoluzione in %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Non è stato possibile salvare le impostazioni in %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>Il file non può essere letto (controllarne i permessi); resta com&apos;è e non si potrà salvare nulla finché non sarà leggibile.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>Non è possibile scrivere nel file o nella sua cartella (controllarne i permessi).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>Il disco che contiene il file è pieno (liberare spazio sul disco e salvare di nuovo).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Impossibile scrivere il file per intero: una quota del disco o un limite alla dimensione dei file non lascia spazio.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Impossibile acquisire il suo blocco %1: un&apos;altra copia di Caldirune in esecuzione lo mantiene, oppure con quel nome c&apos;è qualcos&apos;altro (rimuoverlo se non è in esecuzione nessun&apos;altra copia).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
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
        <translation>I profili impostazioni non sono stati salvati: un&apos;altra copia di Caldirune in esecuzione teneva bloccato il file delle impostazioni %1. La modifica resta in questa finestra e viene salvata con la prossima modifica.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>I range non sono stati salvati: un&apos;altra copia di Caldirune in esecuzione teneva bloccato il file delle impostazioni %1. La modifica resta in questa finestra e viene salvata con la prossima modifica.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Le modifiche a questi range predefiniti non sono state salvate: un&apos;altra copia di Caldirune in esecuzione teneva bloccato il file delle impostazioni %1. La modifica resta in questa finestra e viene salvata con la prossima modifica.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Impossibile leggere i profili impostazioni: il file delle impostazioni %1 non è leggibile. Non vi viene salvato nulla finché non può essere letto.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Impossibile leggere i range salvati: il file delle impostazioni %1 non è leggibile. Non vi viene salvato nulla finché non può essere letto.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Impossibile leggere le modifiche a questi range predefiniti: il file delle impostazioni %1 non è leggibile. Non vi viene salvato nulla finché non può essere letto.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Impossibile salvare i profili impostazioni: non è possibile scrivere nel file delle impostazioni %1 o nella sua cartella. La modifica resta solo in questa finestra.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare i profili impostazioni: il disco che contiene il file delle impostazioni %1 è pieno. Liberare spazio sul disco; la modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare i profili impostazioni: impossibile scrivere per intero il file delle impostazioni %1 (una quota del disco o un limite alla dimensione dei file non lascia spazio). La modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Impossibile salvare i range: non è possibile scrivere nel file delle impostazioni %1 o nella sua cartella. La modifica resta solo in questa finestra.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare i range: il disco che contiene il file delle impostazioni %1 è pieno. Liberare spazio sul disco; la modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare i range: impossibile scrivere per intero il file delle impostazioni %1 (una quota del disco o un limite alla dimensione dei file non lascia spazio). La modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Impossibile salvare le modifiche a questi range predefiniti: non è possibile scrivere nel file delle impostazioni %1 o nella sua cartella. La modifica resta solo in questa finestra.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare le modifiche a questi range predefiniti: il disco che contiene il file delle impostazioni %1 è pieno. Liberare spazio sul disco; la modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Impossibile salvare le modifiche a questi range predefiniti: impossibile scrivere per intero il file delle impostazioni %1 (una quota del disco o un limite alla dimensione dei file non lascia spazio). La modifica resta in questa finestra e viene salvata con la modifica successiva.</translation>
    </message>
</context>
</TS>
