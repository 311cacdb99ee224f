<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 Kombos</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1 % Equity</translation>
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
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Ungültige oder nicht lokale Datei-URL</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Leerer Dateipfad</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Keine vorherige Solve-Konfiguration (zuerst einmal lösen)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Ungültiges JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Unbekanntes Projektformat</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Nicht unterstützte Projektversion</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Nicht bereit: zuerst ein gültiges Board eingeben</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Nicht bereit: in beiden Ranges mindestens eine Hand wählen</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Nicht bereit: Einsatzgrößen für OOP und IP ausfüllen</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Nicht genug Arbeitsspeicher zum Lösen (auch nach dem Löschen früherer Ergebnisse)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Läuft bereits</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Lösen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | Iter. %2 | Expl.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Mehr als %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Nicht bereit: mindestens 1 Iteration angeben</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Die Projektdatei ist beschädigt</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>Das Öffnen des Projekts wurde abgebrochen</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Projekt wird geöffnet...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Projekt wird gespeichert...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Eine andere Projektdatei wird gerade geöffnet oder gespeichert</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 Flop-Bet-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 Flop-Raise-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 Turn-Bet-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 Turn-Raise-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 River-Bet-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>%1 River-Raise-Größen: &apos;%2&apos; ist keine gültige Größe</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>OOP-Range: Von &apos;%1&apos; bleibt keine Hand übrig, wenn die Karten des Boards entfernt werden</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>IP-Range: Von &apos;%1&apos; bleibt keine Hand übrig, wenn die Karten des Boards entfernt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; ist keine Range: Hände durch Kommas getrennt schreiben (AA, KK, AKs) oder einen Anteil wie 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>Der Dateiname ist ungültig.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; ist keine Datei auf diesem Computer: Nur lokale Dateien können gelesen werden.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Der Dateiname ist leer.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Die Datei &apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>Die Datei &apos;%1&apos; ist zu groß (%2 Bytes; höchstens %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Dieser Text ist zu lang für eine Range: ein Range-Text hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>OOP-Range: %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>IP-Range: %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>Nicht genug Arbeitsspeicher (zum Öffnen werden etwa %1 benötigt, %2 verfügbar)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projekt geladen (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n Strategieknoten</numerusform>
            <numerusform>%n Strategieknoten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n Kombo-Knoten</numerusform>
            <numerusform>%n Kombo-Knoten</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>sie gibt an, ein Lösungsergebnis zu enthalten, doch das Ergebnis fehlt</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>ihr Lösungsergebnis enthält keinen Spielbaum</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>die Knotentabellen ihres Lösungsergebnisses passen nicht zusammen</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 enthält %2, was ein %3-Knoten nicht hat</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 ist false, aber Knoten %2 hat Aktionen</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 ist true, aber Knoten %2 hat keine Aktionen</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 ist %2, nicht der Startpot plus die Chips beider Spieler (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 ist %2, nicht %3 wie an Knoten 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 ist %2, aber dort liegen %3 Karten auf dem Board</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>Knoten %1 endet im Showdown mit %2 Karten auf dem Board</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>die Wurzelaktionen ihres Lösungsergebnisses passen nicht zu ihrem Spielbaum</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Die Projektdatei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 enthält %2 statt %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 ist %2, eine Karte, die schon auf dem Board liegt</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 ist %2, ein Knoten, an dem kein Spieler handelt</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 ist %2, aber Knoten %3 ist der letzte Knoten des Spielbaums</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 ist %2, kein Knoten des Spielbaums</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 ist %2, keine Aktion ihres Knotens</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 ist %2, außerhalb des Bereichs %3 bis %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 wiederholt die Karte %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: %2 Einträge für %3 Aktionen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; von Aktion %2 von Knoten %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; von Knoten %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; von Knotensperre %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; von Wurzelaktion %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; von Zeile %2 in %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>eines Boards aus 3 bis 5 verschiedenen Karten</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>einer Karte</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>einer Handklasse</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>einer Handkategorie</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 ergibt zusammen %2, nicht 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 wiederholt die Kombo %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 ist %2, wo der Spielbaum %3 hat</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>einer Liste</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>einer Zahl</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>eines Textes</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>einer ganzen Zahl</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>Aktion %1 von Knoten %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>eines Objekts</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>eines Aktionstyps</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>Knoten %1 wird von mehr als einer Aktion erreicht</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>Knoten %1 wird von keiner Aktion erreicht</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>Knotensperre %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>eines der Werte %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>Wurzelaktion %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>Zeile %1 in %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>die Aktionshäufigkeiten von Knoten %1 ergeben zusammen %2, nicht 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>die Aktionen von Knoten %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>der Datensatz von Knoten %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>den gespeicherten IP-Kombos von Knoten %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>den gespeicherten OOP-Kombos von Knoten %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>den gespeicherten Aktionskennzahlen von Knoten %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>den gespeicherten Kategorien von Knoten %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>den gespeicherten Kombos von Knoten %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>der gespeicherten Strategie von Knoten %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 liegt außerhalb des Bereichs %3 bis %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Startpot</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Effektiver Stack</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Rake-Limit</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Ziel-Exploitability (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in, wenn Jam unter (OOP, % Pot)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in, wenn Jam unter (IP, % Pot)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>Diesem Programm steht nicht genug Arbeitsspeicher zum Lösen zur Verfügung (auch nach dem Löschen früherer Ergebnisse)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>Nicht genug Arbeitsspeicher, um diesen Spot zu lösen und sein Ergebnis zu behalten: Lösen, Ansehen, Speichern und erneutes Öffnen des Ergebnisses benötigen etwa %1, diesem Programm stehen %2 zur Verfügung</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>Nicht genug Arbeitsspeicher, um diesen Spot zu lösen und sein Ergebnis zu behalten: Lösen, Ansehen, Speichern und erneutes Öffnen des Ergebnisses benötigen etwa %1, verfügbar sind %2</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>Nicht genug Arbeitsspeicher zum Speichern des Projekts (es werden etwa %1 benötigt, %2 verfügbar)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>Nicht genug Arbeitsspeicher zum Speichern des Projekts: Der Speicher ist beim Speichern ausgegangen</translation>
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
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Die gespeicherten Profile konnten nicht gelesen werden. Sie wurden unverändert beiseitegelegt; neue Profile werden in einer neuen Liste gespeichert.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Karte wählen</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Flop-Karte</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Turn-Karte</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>River-Karte</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Karte leeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import fehlgeschlagen: appController.readTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Import fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import fehlgeschlagen: Die Datei enthält keine erkennbaren Hände.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Keine Range zum Importieren.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Import fehlgeschlagen: Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Bitte einen Ordnernamen eingeben.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Die aktuelle Range ist leer.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>Die aktuelle Range ist zu lang.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Unbekannter Spieler.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Ausgelassen, nicht als Hände gelesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Startpot</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>z. B. 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Effektiver Stack</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>z. B. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Rake-Limit</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>z. B. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Ziel-Exploitability (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>z. B. 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>Top Pair</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>Overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>Mittleres Paar</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>Unteres Paar</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>Trockenes Paar</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>Flush-Draw</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>Verpasster FD</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>Beidseitiger Straßen-Draw</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>Verpasster OESD</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>Gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>Verpasster Gutshot</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>Backdoor-Flush-Draw</translation>
    </message>
    <message>
        <source>air</source>
        <translation>Luft</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 angezeigt</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 Kombos</translation>
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
        <translation>Hand-Details</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Suche (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Kombos werden geladen…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Keine Kombos für diesen Knoten.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Keine Kombos passen zu den Filtern.</translation>
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
        <translation>Ein moderner, leistungsstarker Hold&apos;em-Solver</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Neue Berechnung</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Das Projekt konnte nicht unter %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Das Projekt konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 verfügbar</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 frei)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Velmora-Projekt (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Statistik „Spiel gegen Lösung“ löschen</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Alle Statistiken „Spiel gegen Lösung“ löschen (heute + gesamt)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Spiel gegen Lösung</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Hände (heute / gesamt)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Genauigkeit (heute / gesamt)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ø EV-Verlust (heute / gesamt)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Caldirune Core</source>
        <translation>Caldirune Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Das Projekt konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Neue Berechnung</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Board, Ranges und Baum einrichten</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Schnell lösen</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Standardeinstellungen verwenden</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Schnellaktionen</translation>
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
        <translation>Systemstandard</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Einstellungsprofil laden</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Gespeichertes Profil wählen:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Noch keine gespeicherten Profile.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Die gespeicherten Profile konnten nicht gelesen werden. Sie wurden unverändert beiseitegelegt; neue Profile werden in einer neuen Liste gespeichert.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Dieser Name ist zu lang: Ein Name darf höchstens %n Zeichen haben.</numerusform>
            <numerusform>Dieser Name ist zu lang: Ein Name darf höchstens %n Zeichen haben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Node-Locking</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Node-Locking gibt es nur an Entscheidungsknoten.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Neu lösen</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Tipp: Oben eine Aktion wählen, dann eine Hand in der Matrix anklicken, um sie zu sperren.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Neu lösen konnte nicht starten</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>Neu lösen endete ohne Ergebnis</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Ein Gewicht von 0 bis 1 eingeben, um Hände zu sperren.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>Das Gewicht muss eine Zahl von 0 bis 1 sein, etwa 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>Das Gewicht ist eine Wahrscheinlichkeit von 0 bis 1: 50 % als 0,5 schreiben.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Spiel gegen Lösung</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rolle: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Rolle wählen, um zu beginnen</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Beide Plätze</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Falsch — beste: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>%1 konnte an diesem Knoten keine Hand zugeteilt werden, daher gibt es keine Entscheidung zu treffen. Löse den Spot erneut, um ihn zu spielen.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>%1 konnte keine Hand zugeteilt werden: Die Details dieses Knotens wurden nicht mit dem Projekt gespeichert. Löse den Spot erneut, um ihn zu spielen.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Nicht bewertet: Die Hand %1 trifft hier auf keine Hand der Range des Gegners, daher hat sie keinen EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Nicht bewertet: Diese Hand hat hier keinen EV</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Handdetails</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Hände</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gewinner: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Rake: %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV verloren: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Beim Fehler auf dem Flop beendet: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Beim Fehler auf dem Turn beendet: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Beim Fehler auf dem River beendet: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 Hände</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 Hand</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
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
        <translation>Pot: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Als OOP spielen</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Beide spielen</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Als IP spielen</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Nächste Hand</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Turn/River anklicken zum Ändern</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Drill beenden</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Spot drillen</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>OOP-Aktion: %1</translation>
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
        <translation>Export fehlgeschlagen: appController.saveTextFile nicht verfügbar.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Einstellungsprofil speichern</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>z. B. 100bb ohne Rake (schnell)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Einstellungsprofil löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Dieses gespeicherte Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
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
        <translation>Projekteinrichtung</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Einrichtung nötig</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM für Lösung: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Verfügbarer RAM: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Weiter zum Lösen →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Benötigt mehr Speicher als verfügbar</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Nicht genug freier Speicher für diesen Spot: andere Programme schließen oder weniger Größen verwenden</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>Warte auf die Speicherschätzung für diesen Spot</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>%1 Flop-Bet-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>%1 Flop-Raise-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>%1 Turn-Bet-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>%1 Turn-Raise-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>%1 River-Bet-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>%1 River-Raise-Größen: mindestens eine Größe eingeben</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>%1-Range: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>%1-Range: mindestens eine Hand wählen</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board: Für einen Start am River fehlt die River-Karte</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board: Für einen Start am Turn fehlt die Turn-Karte</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board: die drei Flop-Karten wählen (Turn und River können folgen)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board: zuerst die Turn-Karte wählen oder den River leeren</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Diesem Programm steht nicht genug Speicher für diesen Spot zur Verfügung: weniger Größen verwenden</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: Wert eingeben</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: ganze Zahl von %2 bis %3 eingeben</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: Chips sind ganze Zahlen, nur Ziffern eingeben</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: Dezimalstellen mit Punkt eingeben (0.5), kein Komma</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: höchstens %2 Nachkommastellen</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: Zahl von %2 bis %3 eingeben</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Bitte ein Profil auswählen.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>OOP Range</source>
        <translation>OOP-Range</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>IP-Range</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
</context>
<context>
    <name>RangeDialogs</name>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Diesen Ordner wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Diese Range wirklich löschen?</translation>
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
        <translation>OOP-Range speichern</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>IP-Range speichern</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Name der Range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>z. B. BTN vs BB (Standard)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Ordner hinzufügen (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Ordner hinzufügen (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>z. B. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Range importieren</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>z. B. BTN Open (eigene)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Range löschen</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Dabei werden auch %1 Einträge gelöscht. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Range-Text (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Standard-Ranges exportieren</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Populations-Ranges exportieren</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Standard-Überschreibungen löschen</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Alle lokal überschriebenen Standard-Ranges für %1 löschen?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Populations-Überschreibungen löschen</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Alle lokal überschriebenen Populations-Ranges für %1 löschen?</translation>
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
        <translation>Leeren</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 Hände</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Kein Rake</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>50NL-Rake</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>100NL-Rake</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>200NL-Rake</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>500NL-Rake</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
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
        <translation>gegen RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>gegen 3bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>gegen 4bet</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Limp-Call</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Raise callen</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Checken</translation>
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
        <translation>3b callen</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>4b callen</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>3b Cold Call</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb Pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Schwächere Regs</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Tighter Reg</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Looser Reg</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passiv</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passiv tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passiv neutral</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passiv loose</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Extrem loose</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose-aggressiv</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Standard-LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniac</translation>
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
        <translation>Standard-Ranges</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Populations-Ranges</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Eigene Ranges</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>gegen %1 RFI</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 gegen %2 3bet</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet gegen %2 4bet</translation>
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
        <translation>Standard-Ranges</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Populations-Ranges</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Eigene Ranges</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Noch keine Ranges.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Standard exportieren…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Population exportieren…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Überschreibungen löschen…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Aktuelle Range speichern…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Range importieren…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Auswahl löschen…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Die gespeicherten Ranges konnten nicht gelesen werden. Sie wurden unverändert beiseitegelegt; neue Ranges werden in einer neuen Liste gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges konnten nicht gelesen werden. Sie wurden unverändert beiseitegelegt; die mitgelieferten Ranges werden angezeigt.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>z. B. AA, KK, AKs, QQ+ oder 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategie nach Hand</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Node-Lock</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
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
        <translation>Zu callen</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>Zufällige River-Karte</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Zufällige Turn-Karte</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Die Details dieses Knotens wurden nicht mit dem Projekt gespeichert. Den Spot erneut lösen, um sie zu sehen.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Turn-Karte wählen</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>River-Karte wählen</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Strategieansicht</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>%1 am Zug</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Range-Ansicht</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Gegen Lösung</translation>
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
        <translation>Ausnutzbarkeit</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Wird gelöst...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Aktionshäufigkeiten</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Verfügbare Aktionen</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 Optionen</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>%1 geben</translation>
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
        <translation>Fixiert: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Fixierungen gesetzt: %1 — mit „Neu lösen“ anwenden</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Fixierungen gesetzt: %1 — unbekannt, ob diese Ergebnisse sie enthalten; mit „Neu lösen“ anwenden</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Spielbaum</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Eine Berechnung läuft. Der Baum erscheint, wenn sie endet.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>oneTBB</source>
        <translation>oneTBB</translation>
    </message>
    <message>
        <source>Threading</source>
        <translation>Threading</translation>
    </message>
    <message>
        <source>Apache 2.0</source>
        <translation>Apache 2.0</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Hinweise und Lizenztexte von Drittanbietern liegen im Ordner „licenses“ neben der ausführbaren Datei.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Lizenzordner öffnen</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Hinweise öffnen</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>Der Lizenzordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Auf diesem Computer gibt es kein Programm, das Ordner öffnet, daher konnte der Lizenzordner nicht angezeigt werden. Er liegt unter %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>Die Hinweisdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Auf diesem Computer gibt es kein Programm, das Textdateien öffnet, daher konnten die Hinweise nicht angezeigt werden. Sie stehen in der Datei %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Dunkelmodus</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Dunkles Farbschema in der gesamten Oberfläche verwenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Sprache der App ändern (wirkt sofort)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Hervorhebungsfarbe der App anpassen (Schaltflächen, Akzente, Kreuz/Check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Aktuelle Version: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Update verfügbar: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Update herunterladen</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Übersicht &amp; Schnellaktionen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, Ranges, Baum</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Solver starten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Strategien ansehen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Präferenzen</translation>
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
        <translation>Poker-Solver</translation>
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
        <translation>OOP-Größen</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>IP-Größen</translation>
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
        <translation>Bet-Größen (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Raise-Größen (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>All-In dazu</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Kein Donk</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in, wenn Jam unter</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>z. B. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% Pot</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>OOP-Jam-Schwelle</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>IP-Jam-Schwelle</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Berechnungsaktivität</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Letzte 52 Wochen</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (Zukunft)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Berechnungen: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Ø Iterationen: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Ø Expl.: %1</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>SolveComputeCard</name>
    <message>
        <source>Compute</source>
        <translation>Rechenleistung</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pot / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Einsatzgrößen</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Aktive Optionen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Wird gelöst...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Lösen starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Ergebnisse ansehen →</translation>
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
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Bereit zum Lösen</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Wird abgeschlossen…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteration %1 | Ausnutzbarkeit=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: kein Donk am Flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: kein Donk am Turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: kein Donk am River</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: All-in am Flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: All-in am Turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: All-in am River</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: All-in am Flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: All-in am Turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: All-in am River</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: All-in, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: All-in, wenn Jam &lt; %1% Pot</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (Cap %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterationen %1 • Ziel %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>CFR-Solver starten und den Fortschritt live verfolgen.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Init: Spielobjekt wird erstellt...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Init: Spielbaum wird aufgebaut...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Init: Solver wird gestartet...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Abschluss: Ergebnisse werden berechnet...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Abschluss: Ergebnis-Snapshot wird erstellt...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Iterationen %1 / %2 • Ziel %3% (≈ %4) • Threads %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Fertig: Ziel nicht erreicht, %1 statt %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nicht erreicht</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Fertig: Ziel nicht erreicht, %1 statt %2 • Iterationen %3 / %4 • Threads %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver konvergiert — Ergebnisse werden abgeschlossen…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Fenster %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterationen: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Verstrichen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>It./s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Ausnutzbarkeit</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Messung...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Iterationen: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Für ein anderes Setup gelöst als das hier zusammengefasste</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Letzte Läufe</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Noch keine Läufe — mit „Lösen starten“ wird hier ein Lauf erfasst.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Abschließen</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Wird gelöst</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Auf der Startseite ein neues Projekt beginnen (oder laden), um Projekt zu aktivieren</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Board, Ranges und Einsatzgrößen ausfüllen, um Lösen zu aktivieren</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Zuerst lösen, um Ergebnisse zu aktivieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Dieser Spot benötigt mehr Arbeitsspeicher, als dieser Rechner frei hat</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Dieser Spot benötigt mehr Arbeitsspeicher, als diesem Programm zur Verfügung steht</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Austeilen</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Endknoten</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Häuf.: %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Häuf.: —</translation>
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
        <translation>Keine Update-Adresse konfiguriert.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Update-Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Ungültige Update-Antwort (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Keine Download-Adresse verfügbar.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>die Antwort ist größer als %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Ein Teil Ihrer Einstellungsdatei %1 ist beschädigt und konnte nicht gelesen werden; das Programm verwendet dafür die Standardwerte.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Ihre Einstellungen konnten nicht aus %1 gelesen werden; das Programm wurde daher mit den Standardeinstellungen gestartet.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Dunkelmodus und Akzentfarbe konnten nicht in %1 gespeichert werden; beim nächsten Start gelten die bisherigen.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>Die gewählte Sprache konnte nicht in %1 gespeichert werden; beim nächsten Start gilt sie nicht mehr.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Die Statistik von Spiel gegen Lösung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>Die abgeschlossene Berechnung konnte nicht zur Berechnungsaktivität in %1 hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>Die Datei kann nicht gelesen werden (prüfen Sie ihre Zugriffsrechte); sie bleibt unverändert, und bis sie lesbar ist, kann nichts gespeichert werden.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>Die Datei oder ihr Ordner kann nicht beschrieben werden (prüfen Sie die Zugriffsrechte).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>Der Datenträger mit der Datei ist voll (schaffen Sie dort Platz und speichern Sie erneut).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden: Ein Speicherkontingent oder eine Größenbeschränkung für Dateien lässt keinen Platz dafür.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Die Sperrdatei %1 lässt sich nicht belegen: Eine andere laufende Kopie von Caldirune hält sie, oder unter diesem Namen steht etwas anderes (entfernen Sie es, wenn keine andere Kopie läuft).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
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
        <translation>Die Einstellungsprofile wurden nicht gespeichert: Eine andere laufende Caldirune-Instanz hielt die Einstellungsdatei %1 gesperrt. Die Änderung bleibt in diesem Fenster und wird mit der nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Die Ranges wurden nicht gespeichert: Eine andere laufende Caldirune-Instanz hielt die Einstellungsdatei %1 gesperrt. Die Änderung bleibt in diesem Fenster und wird mit der nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges wurden nicht gespeichert: Eine andere laufende Caldirune-Instanz hielt die Einstellungsdatei %1 gesperrt. Die Änderung bleibt in diesem Fenster und wird mit der nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Die Einstellungsprofile konnten nicht gelesen werden: Die Einstellungsdatei %1 ist nicht lesbar. Bis sie lesbar ist, wird nichts in ihr gespeichert.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Die gespeicherten Ranges konnten nicht gelesen werden: Die Einstellungsdatei %1 ist nicht lesbar. Bis sie lesbar ist, wird nichts in ihr gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges konnten nicht gelesen werden: Die Einstellungsdatei %1 ist nicht lesbar. Bis sie lesbar ist, wird nichts in ihr gespeichert.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Die Einstellungsprofile konnten nicht gespeichert werden: Die Einstellungsdatei %1 oder ihr Ordner ist nicht beschreibbar. Die Änderung bleibt nur in diesem Fenster.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Die Einstellungsprofile konnten nicht gespeichert werden: Der Datenträger mit der Einstellungsdatei %1 ist voll. Schaffen Sie dort Platz; die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Die Einstellungsprofile konnten nicht gespeichert werden: Die Einstellungsdatei %1 konnte nicht vollständig geschrieben werden (ein Speicherkontingent oder eine Größenbeschränkung für Dateien lässt keinen Platz dafür). Die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Die Ranges konnten nicht gespeichert werden: Die Einstellungsdatei %1 oder ihr Ordner ist nicht beschreibbar. Die Änderung bleibt nur in diesem Fenster.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Die Ranges konnten nicht gespeichert werden: Der Datenträger mit der Einstellungsdatei %1 ist voll. Schaffen Sie dort Platz; die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Die Ranges konnten nicht gespeichert werden: Die Einstellungsdatei %1 konnte nicht vollständig geschrieben werden (ein Speicherkontingent oder eine Größenbeschränkung für Dateien lässt keinen Platz dafür). Die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges konnten nicht gespeichert werden: Die Einstellungsdatei %1 oder ihr Ordner ist nicht beschreibbar. Die Änderung bleibt nur in diesem Fenster.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges konnten nicht gespeichert werden: Der Datenträger mit der Einstellungsdatei %1 ist voll. Schaffen Sie dort Platz; die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Die Änderungen an diesen eingebauten Ranges konnten nicht gespeichert werden: Die Einstellungsdatei %1 konnte nicht vollständig geschrieben werden (ein Speicherkontingent oder eine Größenbeschränkung für Dateien lässt keinen Platz dafür). Die Änderung bleibt in diesem Fenster und wird mit Ihrer nächsten Änderung gespeichert.</translation>
    </message>
</context>
</TS>
