<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 kombinacji</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% equity</translation>
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
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Nieprawidłowy lub nielokalny adres pliku</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Pusta ścieżka pliku</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Nie można otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Brak poprzedniej konfiguracji (najpierw uruchom rozwiązywanie)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Nieprawidłowy JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Nierozpoznany format projektu</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Nieobsługiwana wersja projektu</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Nie gotowe: najpierw wprowadź poprawny board</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Nie gotowe: wybierz co najmniej jedną rękę w obu zakresach</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Nie gotowe: uzupełnij rozmiary zakładów OOP i IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Za mało pamięci RAM do rozwiązania (po usunięciu poprzednich wyników)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Już uruchomiono</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Anulowanie...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Rozwiązywanie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iter. %2 | eksploat.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Ponad %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Niegotowe: podaj co najmniej 1 iterację</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Plik projektu jest uszkodzony</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>Otwieranie projektu zostało anulowane</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Otwieranie projektu...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Zapisywanie projektu...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Trwa otwieranie lub zapisywanie innego pliku projektu</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Zakłady %1 na flopie: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Podbicia %1 na flopie: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Zakłady %1 na turnie: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Podbicia %1 na turnie: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Zakłady %1 na riverze: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Podbicia %1 na riverze: &apos;%2&apos; nie jest prawidłową wielkością</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Zakres OOP: z &apos;%1&apos; nie zostaje żadna ręka po usunięciu kart boardu</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Zakres IP: z &apos;%1&apos; nie zostaje żadna ręka po usunięciu kart boardu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; nie jest zakresem: wpisz ręce oddzielone przecinkami (AA, KK, AKs) lub udział, np. 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>Nazwa pliku jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; nie jest plikiem na tym komputerze: można odczytać tylko pliki lokalne.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Nazwa pliku jest pusta.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Plik &apos;%1&apos; nie istnieje.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Nie można otworzyć pliku &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>Plik &apos;%1&apos; jest za duży (%2 bajtów; najwyżej %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Ten tekst jest za długi na zakres: tekst zakresu może mieć najwyżej %1 znaków</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>Zakres OOP: %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>Zakres IP: %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>Za mało pamięci RAM (otwarcie wymaga około %1, dostępne %2)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Wczytano projekt (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n węzeł strategii</numerusform>
            <numerusform>%n węzły strategii</numerusform>
            <numerusform>%n węzłów strategii</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n węzeł kombinacji</numerusform>
            <numerusform>%n węzły kombinacji</numerusform>
            <numerusform>%n węzłów kombinacji</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>deklaruje wynik rozwiązania, ale tego wyniku brakuje</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>jego wynik rozwiązania nie zawiera drzewa gry</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>tabele węzłów jego wyniku rozwiązania do siebie nie pasują</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 zawiera %2, czego węzeł %3 nie ma</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 to false, ale węzeł %2 ma akcje</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 to true, ale węzeł %2 nie ma akcji</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 to %2, a nie pula startowa plus to, co wnieśli obaj gracze (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 to %2, a nie %3 jak w węźle 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 to %2, ale liczba kart na boardzie wynosi tam %3</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>węzeł %1 kończy się showdownem, a liczba kart na boardzie to %2</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>akcje korzenia jego wyniku rozwiązania nie są akcjami jego drzewa gry</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Plik projektu jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 zawiera %2, a nie %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 to %2, karta, która już leży na boardzie</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 to %2, węzeł, w którym nie działa żaden gracz</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 to %2, ale węzeł %3 jest ostatnim węzłem drzewa gry</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 to %2, co nie jest węzłem drzewa gry</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 to %2, co nie jest akcją jej węzła</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 to %2, poza zakresem od %3 do %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 powtarza kartę %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: wpisów %2, akcji %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; w %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; akcji %2 węzła %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; węzła %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; blokady węzła %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; akcji korzenia %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; wiersza %2 w %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>board z 3–5 różnych kart</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>kartę</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>klasę rąk</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>kategorię ręki</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 sumuje się do %2, a nie do 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 powtarza kombinację %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 to %2, a drzewo gry ma tam %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>listę</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>liczbę</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>liczbę całkowitą</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>akcja %1 węzła %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>obiekt</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>typ akcji</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>do węzła %1 prowadzi więcej niż jedna akcja</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>do węzła %1 nie prowadzi żadna akcja</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>blokada węzła %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>jedną z wartości %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>akcja korzenia %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>wiersz %1 w %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>częstości akcji węzła %1 sumują się do %2, a nie do 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>akcje węzła %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>rekord węzła %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>zapisanych kombinacjach IP węzła %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>zapisanych kombinacjach OOP węzła %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>zapisanych danych akcji węzła %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>zapisanych kategoriach węzła %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>zapisanych kombinacjach węzła %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>zapisanej strategii węzła %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 wykracza poza zakres od %3 do %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pula startowa</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Efektywny stack</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Limit rake</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Docelowa eksploatowalność (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in, gdy jam poniżej (OOP, % puli)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in, gdy jam poniżej (IP, % puli)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>Za mało pamięci RAM dostępnej dla tego programu do rozwiązania (po usunięciu poprzednich wyników)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>Za mało pamięci RAM, by rozwiązać ten spot i zachować wynik: rozwiązanie, przeglądanie wyniku, zapisanie i ponowne otwarcie wymaga około %1, dostępne dla tego programu %2</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>Za mało pamięci RAM, by rozwiązać ten spot i zachować wynik: rozwiązanie, przeglądanie wyniku, zapisanie i ponowne otwarcie wymaga około %1, dostępne %2</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>Za mało pamięci RAM do zapisania projektu (potrzeba około %1, dostępne %2)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>Za mało pamięci RAM do zapisania projektu: pamięć skończyła się podczas zapisywania</translation>
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
        <translation>Wczytaj profil</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Zapisz profil</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Nie udało się odczytać zapisanych profili. Zostały odłożone bez zmian, a nowe profile są zapisywane na nowej liście.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Wybierz kartę</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Karta flopa</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Karta turna</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Karta rivera</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Usuń kartę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Import nieudany: appController.readTextFile niedostępne.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Import nieudany: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Import nieudany: plik nie zawiera rozpoznawalnych rąk.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Wpisz nazwę.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Brak zakresu do zaimportowania.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Import nieudany: plik nie jest plikiem tekstowym.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Wpisz nazwę folderu.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Bieżący zakres jest pusty.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>Bieżący zakres jest za długi.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Nieznany gracz.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Pominięto, nie odczytano jako rąk: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
            <numerusform>%1 i jeszcze %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pula startowa</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>np. 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Efektywny stack</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>np. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Limit rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>np. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Docelowa eksploatowalność (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>np. 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>poker</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>kareta</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>kolor</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>strit</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dwie pary</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>top para</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpara</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>średnia para</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>niska para</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>sucha para</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>draw do koloru</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>chybiony kolor</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>obustronny strit</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>chybiony OESD</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>chybiony gutshot</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>backdoor do koloru</translation>
    </message>
    <message>
        <source>air</source>
        <translation>powietrze</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>Pokazano: %1</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 kombinacji</translation>
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
        <translation>Szczegóły rąk</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Szukaj (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Wczytywanie kombinacji…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Brak kombinacji dla tego węzła.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtr: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Żadna kombinacja nie pasuje do filtrów.</translation>
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
        <translation>Nowoczesny, wydajny solver hold&apos;em</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nowe rozwiązanie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Nie można zapisać projektu w %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Nie można otworzyć projektu: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 dostępnych</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 wolne)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Projekt Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Wyczyść statystyki Gra z rozwiązaniem</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Wyczyścić wszystkie statystyki Gra z rozwiązaniem (dziś + łącznie)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gra z rozwiązaniem</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Rozdania (dziś / łącznie)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Trafność (dziś / łącznie)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Śr. strata EV (dziś / łącznie)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Caldirune Core</source>
        <translation>Caldirune Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Nie można zapisać projektu w %1: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Nowe rozwiązanie</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Skonfiguruj board, zakresy i drzewo</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Szybkie rozwiązanie</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Użyj ustawień domyślnych</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Szybkie akcje</translation>
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
        <translation>Domyślny systemowy</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Wczytaj profil ustawień</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Wybierz zapisany profil:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Brak zapisanych profili.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Nie udało się odczytać zapisanych profili. Zostały odłożone bez zmian, a nowe profile są zapisywane na nowej liście.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Ta nazwa jest za długa: nazwa może mieć najwyżej %n znak.</numerusform>
            <numerusform>Ta nazwa jest za długa: nazwa może mieć najwyżej %n znaki.</numerusform>
            <numerusform>Ta nazwa jest za długa: nazwa może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Blokada węzłów</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Blokada jest możliwa tylko w węzłach decyzyjnych.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Resetuj wagi</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Przelicz</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Wskazówka: wybierz akcję powyżej, potem kliknij rękę w macierzy, aby ją zablokować.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Nie można rozpocząć przeliczania</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>Przeliczanie zakończyło się bez wyniku</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Wpisz wagę od 0 do 1, aby blokować ręce.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>Waga musi być liczbą od 0 do 1, np. 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>Waga to prawdopodobieństwo od 0 do 1: zapisz 50 % jako 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Gra przeciw rozwiązaniu</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rola: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Wybierz rolę, aby zacząć</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Oba miejsca</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Źle — najlepsza: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>Nie udało się rozdać ręki dla %1 w tym węźle, więc nie ma decyzji do podjęcia. Rozwiąż spot ponownie, aby go zagrać.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>Nie udało się rozdać ręki dla %1: szczegóły tego węzła nie zostały zapisane w projekcie. Rozwiąż spot ponownie, aby go zagrać.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Bez oceny: ręka %1 nie spotyka tu żadnej ręki z zakresu przeciwnika, więc nie ma EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Bez oceny: ta ręka nie ma tu EV</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Szczegóły rozdania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Ręce</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Zwycięzca: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Wygrana: %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Rake: %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>Utracone EV: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Błędna: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Poprawna: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Zatrzymana na błędzie na flopie: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Zatrzymana na błędzie na turnie: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Zatrzymana na błędzie na riverze: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Historia rozdań</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>Rozdania: %1</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 rozdanie</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Idealnie</translation>
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
        <translation>Pula: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pula: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Graj jako OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Graj oboma</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Graj jako IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Kolejne rozdanie</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Kliknij turn/river, by zmienić</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Zakończ trening</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Trenuj spot</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Akcja OOP: %1</translation>
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
        <translation>Eksport nieudany: appController.saveTextFile niedostępne.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Eksport nieudany: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Zapisz profil ustawień</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nazwa profilu:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>np. 100bb bez rake (szybki)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Usuń profil ustawień</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Czy na pewno usunąć ten zapisany profil?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Tej operacji nie można cofnąć.</translation>
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
        <translation>Konfiguracja projektu</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Wymaga konfiguracji</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM do rozwiązania: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Dostępna RAM: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Przejdź do rozwiązania →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Wymaga więcej pamięci niż dostępne</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Za mało wolnej pamięci dla tego spotu: zamknij inne programy lub użyj mniej wielkości</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>Oczekiwanie na oszacowanie pamięci dla tego spotu</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Zakłady %1 na flopie: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Podbicia %1 na flopie: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Zakłady %1 na turnie: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Podbicia %1 na turnie: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Zakłady %1 na riverze: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Podbicia %1 na riverze: wpisz co najmniej jedną wielkość</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Zakres %1: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Zakres %1: wybierz co najmniej jedną rękę</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board: start na riverze wymaga karty rivera</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board: start na turnie wymaga karty turna</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board: wybierz trzy karty flopa (turn i river mogą dojść później)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board: wybierz kartę turna przed riverem albo usuń river</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Za mało pamięci dostępnej dla tego programu dla tego spotu: użyj mniej wielkości</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: wpisz wartość</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: wpisz liczbę całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: żetony to liczby całkowite, wpisz same cyfry</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: część dziesiętną wpisz po kropce (0.5), bez przecinka</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: liczba cyfr po kropce – najwyżej %2</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: wpisz liczbę od %2 do %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Wpisz nazwę.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Wybierz profil.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>OOP Range</source>
        <translation>Zakres OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Zakres IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Waga</translation>
    </message>
</context>
<context>
    <name>RangeDialogs</name>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Czy na pewno usunąć ten folder?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Czy na pewno usunąć ten zakres?</translation>
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
        <translation>Zapisz zakres OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Zapisz zakres IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nazwa zakresu:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>np. BTN vs BB (domyślny)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Dodaj folder (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Dodaj folder (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nazwa folderu:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>np. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importuj zakres</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>np. BTN open (własny)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Usuń zakres</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Zostanie też usuniętych elementów: %1. Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Tekst zakresu (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Eksportuj zakresy standardowe</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Eksportuj zakresy populacji</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Usuń nadpisania standardowe</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Usunąć wszystkie lokalnie nadpisane zakresy standardowe dla %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Usuń nadpisania populacji</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Usunąć wszystkie lokalnie nadpisane zakresy populacji dla %1?</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 rąk</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Bez rake</translation>
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
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Pas</translation>
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
        <translation>Limp-sprawdź</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Sprawdź podbicie</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Czek</translation>
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
        <translation>Sprawdź 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Sprawdź 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>Cold call 3b</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Bomb pot</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Słabsi regularzy</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Ciaśniejszy regular</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Luźniejszy regular</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Pasywny</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Pasywny tight</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Pasywny neutralny</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Pasywny luźny</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Skrajnie luźny</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Luźno-agresywny</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Standardowy LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniak</translation>
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
        <translation>Zakresy standardowe</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Zakresy populacji</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Własne zakresy</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>vs RFI %1</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 vs 3bet %2</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet vs 4bet %2</translation>
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
        <translation>Zakresy standardowe</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Zakresy populacji</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Własne zakresy</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Brak zakresów.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Eksportuj standard…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Eksportuj populację…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Usuń nadpisania…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Zapisz bieżący zakres…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importuj zakres…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Dodaj folder…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Usuń zaznaczone…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Nie udało się odczytać zapisanych zakresów. Zostały odłożone bez zmian, a nowe zakresy są zapisywane na nowej liście.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Nie udało się odczytać zmian tych wbudowanych zakresów. Zostały odłożone bez zmian, a wyświetlane są zakresy dostarczone z programem.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>np. AA, KK, AKs, QQ+ lub 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Losowa</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Strategia według ręki</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Blokada węzła</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Pula</translation>
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
        <translation>Do sprawdzenia</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>Losowy river</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Losowy turn</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Szczegóły tego węzła nie zostały zapisane w projekcie. Rozwiąż spot ponownie, aby je zobaczyć.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Wybierz kartę turnu</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Wybierz kartę rivera</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Widok strategii</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Widok zakresu</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Gra z rozw.</translation>
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
        <translation>Eksploatowalność</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Rozwiązywanie...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Częstotliwości akcji</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Dostępne akcje</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>Opcje: %1</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Rozdaj %1</translation>
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
        <translation>Zablokowane: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Ustawione blokady: %1 — kliknij „Przelicz”, aby je zastosować</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Ustawione blokady: %1 — nie wiadomo, czy te wyniki je uwzględniają; kliknij „Przelicz”, aby je zastosować</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Drzewo gry</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Trwa rozwiązywanie. Drzewo pojawi się po jego zakończeniu.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Licencje</translation>
    </message>
    <message>
        <source>oneTBB</source>
        <translation>oneTBB</translation>
    </message>
    <message>
        <source>Threading</source>
        <translation>Wielowątkowość</translation>
    </message>
    <message>
        <source>Apache 2.0</source>
        <translation>Apache 2.0</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Informacje i teksty licencji stron trzecich znajdują się w folderze „licenses” obok pliku wykonywalnego.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Otwórz folder licencji</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Otwórz informacje</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>Folder licencji %1 nie istnieje.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Żaden program na tym komputerze nie otwiera folderów, więc nie można było pokazać folderu licencji. Znajduje się on w %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>Plik informacji %1 nie istnieje.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Żaden program na tym komputerze nie otwiera plików tekstowych, więc nie można było pokazać informacji. Znajdują się w pliku %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Tryb ciemny</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Używaj ciemnego schematu kolorów w całym interfejsie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Zmień język aplikacji (działa natychmiast)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Kolor akcentu</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Dostosuj kolor wyróżnienia (przyciski, akcenty, trefle/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Bieżąca wersja: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Ostatnio sprawdzono: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Dostępna aktualizacja: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Sprawdzanie...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Pobierz aktualizację</translation>
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
        <translation>Przegląd i szybkie akcje</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, zakresy, drzewo</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Uruchom solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Przeglądaj strategie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
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
        <translation>Solver pokerowy</translation>
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
        <translation>Rozmiary OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Rozmiary IP</translation>
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
        <translation>Zakłady (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Podbicia (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Dodaj all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Bez donka</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in, gdy jam poniżej</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>np. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% puli</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Próg jamu OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Próg jamu IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Aktywność rozwiązywania</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Ostatnie 52 tygodnie</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>kwi</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>gru</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (przyszłość)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Rozwiązania: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Śr. iteracji: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Śr. eksploat.: %1</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>pon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>czw</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sob</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>nd</translation>
    </message>
</context>
<context>
    <name>SolveComputeCard</name>
    <message>
        <source>Compute</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Wątki</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maks</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precyzja</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pula / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Zakłady</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Włączone opcje</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Rozwiązywanie...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Rozpocznij obliczenia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Pokaż wyniki →</translation>
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
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Gotowe do obliczeń</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizowanie…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteracja %1 | eksploatowalność=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizacja</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Trwa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: bez donka na flopie</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: bez donka na turnie</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: bez donka na riverze</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: dodaj all-in na flopie</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: dodaj all-in na turnie</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: dodaj all-in na riverze</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: dodaj all-in na flopie</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: dodaj all-in na turnie</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: dodaj all-in na riverze</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: all-in, gdy jam &lt; %1% puli</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: all-in, gdy jam &lt; %1% puli</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (limit %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iteracje %1 • Cel %2% (≈ %3) • Wątki %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Uruchom solver CFR i śledź postęp na bieżąco.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Init: tworzenie obiektu gry...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Init: budowanie drzewa gry...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Init: uruchamianie solvera...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizacja: obliczanie wyników...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizacja: tworzenie migawki wyników...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Iteracje %1 / %2 • Cel %3% (≈ %4) • Wątki %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Gotowe: cel nieosiągnięty, %1 zamiast %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Nieosiągnięty</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Gotowe: cel nieosiągnięty, %1 zamiast %2 • Iteracje %3 / %4 • Wątki %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver zbieżny — finalizowanie wyników…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Okno %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iteracje: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metryki</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Upłynęło</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Pozostało</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Eksploatowalność</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Pomiar...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Iteracje: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Rozwiązano dla innej konfiguracji niż podsumowana tutaj</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Ostatnie obliczenia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Brak obliczeń — kliknij Rozpocznij obliczenia, aby zapisać je tutaj.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Finalizowanie</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Rozwiązywanie</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Rozpocznij nowy projekt (lub wczytaj) na stronie Start, aby włączyć Projekt</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Uzupełnij board, zakresy i rozmiary zakładów, aby włączyć Rozwiąż</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Uruchom rozwiązywanie, aby włączyć Wyniki</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Ten spot wymaga więcej pamięci, niż ma dostępne ten komputer</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Ten spot wymaga więcej pamięci, niż jest dostępne dla tego programu</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Rozdanie</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Końcowy</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pula: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Częst.: %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Częst.: —</translation>
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
        <translation>Adres aktualizacji nie jest skonfigurowany.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Sprawdzanie aktualizacji nie powiodło się: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Nieprawidłowa odpowiedź aktualizacji (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Brak adresu pobierania.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>odpowiedź jest większa niż %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Część pliku ustawień %1 jest uszkodzona i nie dała się odczytać; program używa w jej miejsce ustawień domyślnych.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Nie udało się odczytać ustawień z %1, więc program uruchomił się z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Nie udało się zapisać trybu ciemnego i koloru akcentu w %1; przy następnym uruchomieniu będą poprzednie.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>Nie udało się zapisać wybranego języka w %1; przy następnym uruchomieniu nie zostanie zachowany.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Nie udało się zapisać statystyk gry z rozwiązaniem w %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>Nie udało się dodać zakończonego rozwiązania do aktywności rozwiązywania w %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Nie udało się zapisać ustawień w %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>Pliku nie można odczytać (sprawdź jego uprawnienia); pozostaje bez zmian i nic nie da się zapisać, dopóki nie będzie można go odczytać.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>Nie można zapisać pliku ani jego folderu (sprawdź uprawnienia).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>Dysk, na którym znajduje się plik, jest pełny (zwolnij na nim miejsce i zapisz ponownie).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Nie udało się zapisać całego pliku: limit miejsca na dysku lub limit rozmiaru plików nie zostawia na niego miejsca.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Nie można przejąć jego blokady %1: utrzymuje ją inna uruchomiona kopia Caldirune albo pod tą nazwą znajduje się coś innego (usuń to, jeśli nie działa żadna inna kopia).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Zamknij</translation>
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
        <translation>Profile ustawień nie zostały zapisane: inna uruchomiona kopia Caldirune trzymała zablokowany plik ustawień %1. Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Zakresy nie zostały zapisane: inna uruchomiona kopia Caldirune trzymała zablokowany plik ustawień %1. Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Zmiany tych wbudowanych zakresów nie zostały zapisane: inna uruchomiona kopia Caldirune trzymała zablokowany plik ustawień %1. Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Nie udało się odczytać profili ustawień: pliku ustawień %1 nie można odczytać. Nic nie jest w nim zapisywane, dopóki nie da się go odczytać.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Nie udało się odczytać zapisanych zakresów: pliku ustawień %1 nie można odczytać. Nic nie jest w nim zapisywane, dopóki nie da się go odczytać.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Nie udało się odczytać zmian tych wbudowanych zakresów: pliku ustawień %1 nie można odczytać. Nic nie jest w nim zapisywane, dopóki nie da się go odczytać.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Nie udało się zapisać profili ustawień: nie można zapisywać do pliku ustawień %1 ani do jego folderu. Zmiana pozostaje tylko w tym oknie.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać profili ustawień: dysk, na którym znajduje się plik ustawień %1, jest pełny. Zwolnij na nim miejsce; zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać profili ustawień: nie udało się zapisać całego pliku ustawień %1 (limit miejsca na dysku lub limit rozmiaru plików nie zostawia na niego miejsca). Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Nie udało się zapisać zakresów: nie można zapisywać do pliku ustawień %1 ani do jego folderu. Zmiana pozostaje tylko w tym oknie.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać zakresów: dysk, na którym znajduje się plik ustawień %1, jest pełny. Zwolnij na nim miejsce; zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać zakresów: nie udało się zapisać całego pliku ustawień %1 (limit miejsca na dysku lub limit rozmiaru plików nie zostawia na niego miejsca). Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Nie udało się zapisać zmian tych wbudowanych zakresów: nie można zapisywać do pliku ustawień %1 ani do jego folderu. Zmiana pozostaje tylko w tym oknie.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać zmian tych wbudowanych zakresów: dysk, na którym znajduje się plik ustawień %1, jest pełny. Zwolnij na nim miejsce; zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Nie udało się zapisać zmian tych wbudowanych zakresów: nie udało się zapisać całego pliku ustawień %1 (limit miejsca na dysku lub limit rozmiaru plików nie zostawia na niego miejsca). Zmiana pozostaje w tym oknie i zostanie zapisana przy następnej zmianie.</translation>
    </message>
</context>
</TS>
