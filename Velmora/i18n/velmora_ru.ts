<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ActionBar</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 комбо</translation>
    </message>
    <message>
        <source>%1% equity</source>
        <translation>%1% эквити</translation>
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
        <translation>Готово</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>Недопустимый или нелокальный URL файла</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Пустой путь к файлу</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Не удалось сохранить файл: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Нет предыдущей конфигурации расчёта (сначала выполните расчёт)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Не удалось открыть файл</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>Недопустимый JSON</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Неизвестный формат проекта</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Неподдерживаемая версия проекта</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Не готово: сначала введите корректный борд</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Не готово: выберите хотя бы одну руку в обоих диапазонах</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Не готово: заполните размеры ставок OOP и IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Недостаточно ОЗУ для расчёта (после очистки предыдущих результатов)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Уже выполняется</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Расчёт не выполнен: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Борд %1 | итер. %2 | эксплуат.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Более %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Не готово: нужна хотя бы 1 итерация</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Файл проекта повреждён</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>Открытие проекта отменено</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Открытие проекта...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Сохранение проекта...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Другой файл проекта уже открывается или сохраняется</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Ставки %1 на флопе: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Рейзы %1 на флопе: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Ставки %1 на тёрне: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Рейзы %1 на тёрне: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Ставки %1 на ривере: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Рейзы %1 на ривере: &apos;%2&apos; — недопустимый размер</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Диапазон OOP: от &apos;%1&apos; не остаётся ни одной руки после удаления карт борда</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Диапазон IP: от &apos;%1&apos; не остаётся ни одной руки после удаления карт борда</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; — не диапазон: перечислите руки через запятую (AA, KK, AKs) или укажите долю, например 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>Недопустимое имя файла.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; — не файл на этом компьютере: читать можно только локальные файлы.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Имя файла пустое.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Файл &apos;%1&apos; не существует.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; — не обычный файл.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Не удалось открыть файл &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>Файл &apos;%1&apos; слишком велик (%2 байт; не более %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Этот текст слишком длинный для диапазона: текст диапазона содержит не более %1 символов</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>Диапазон OOP: %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>Диапазон IP: %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>Недостаточно ОЗУ (для открытия нужно около %1, доступно %2)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Проект загружен (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n узел стратегии</numerusform>
            <numerusform>%n узла стратегии</numerusform>
            <numerusform>%n узлов стратегии</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n узел комбо</numerusform>
            <numerusform>%n узла комбо</numerusform>
            <numerusform>%n узлов комбо</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>в нём указано, что он содержит результат решения, но результат отсутствует</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>его результат решения не содержит дерева игры</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>таблицы узлов его результата решения не согласуются между собой</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 содержит %2, чего у узла %3 не бывает</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 — false, но у узла %2 есть действия</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 — true, но у узла %2 нет действий</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 — %2, а не начальный банк плюс вложенное обоими игроками (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 — %2, а не %3, как в узле 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 — %2, но карт на борде там: %3</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>узел %1 заканчивается шоудауном, а карт на борде: %2</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>действия в корне его результата решения не совпадают с действиями его дерева игры</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Файл проекта повреждён: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 содержит %2, а не %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 — %2, карта, которая уже лежит на борде</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 — %2, узел, в котором не действует ни один игрок</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 — %2, но узел %3 — последний узел дерева игры</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 — %2, это не узел дерева игры</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 — %2, это не действие её узла</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 — %2, вне диапазона от %3 до %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 отсутствует</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 повторяет карту %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: записей %2, действий %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; в %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; действия %2 узла %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; узла %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; блокировки узла %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; корневого действия %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; строки %2 в %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>борд из 3–5 разных карт</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>карту</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>класс рук</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>категорию руки</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 в сумме даёт %2, а не 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 повторяет комбо %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 равно %2, а в дереве игры там %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>список</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>целое число</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>действие %1 узла %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>тип действия</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>к узлу %1 ведёт больше одного действия</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>к узлу %1 не ведёт ни одно действие</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>блокировка узла %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>одно из значений %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>корневое действие %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>строка %1 в %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>частоты действий узла %1 в сумме дают %2, а не 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>действия узла %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>запись узла %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>сохранённых комбо IP узла %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>сохранённых комбо OOP узла %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>сохранённых показателях действий узла %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>сохранённых категориях узла %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>сохранённых комбо узла %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>сохранённой стратегии узла %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true или false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 вне диапазона от %3 до %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Начальный банк</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Эффективный стек</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Рейк (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Лимит рейка</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Цель эксплуатир. (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>Олл-ин, если пуш меньше (OOP, % банка)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>Олл-ин, если пуш меньше (IP, % банка)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>Недостаточно ОЗУ, доступной этой программе, для расчёта (после очистки предыдущих результатов)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>Недостаточно ОЗУ, чтобы рассчитать этот спот и сохранить результат: расчёт, просмотр результата, сохранение и повторное открытие требуют около %1, доступно этой программе %2</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>Недостаточно ОЗУ, чтобы рассчитать этот спот и сохранить результат: расчёт, просмотр результата, сохранение и повторное открытие требуют около %1, доступно %2</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>Недостаточно ОЗУ для сохранения проекта (нужно около %1, доступно %2)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>Недостаточно ОЗУ для сохранения проекта: память закончилась во время сохранения</translation>
    </message>
</context>
<context>
    <name>BoardColumn</name>
    <message>
        <source>Board</source>
        <translation>Борд</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Загрузить профиль</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить профиль</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Не удалось прочитать сохранённые профили. Они отложены без изменений, а новые профили сохраняются в новый список.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Выбор карты</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Карта флопа</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Карта тёрна</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Карта ривера</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Убрать карту</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Ошибка импорта: appController.readTextFile недоступен.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Ошибка импорта: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Ошибка импорта: в файле нет распознаваемых рук.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Введите имя.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Нет диапазона для импорта.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Ошибка импорта: файл не является текстовым.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Введите имя папки.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>Текущий диапазон пуст.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>Текущий диапазон слишком длинный.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Неизвестный игрок.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Пропущено, не прочитано как руки: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
            <numerusform>%1 и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Начальный банк</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>напр. 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Эффективный стек</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Рейк (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>напр. 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Лимит рейка</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>напр. 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Цель эксплуатир. (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>напр. 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>стрит-флеш</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>каре</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>фулл-хаус</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>флеш</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>стрит</translation>
    </message>
    <message>
        <source>set</source>
        <translation>сет</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>трипс</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>две пары</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>топ-пара</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>оверпара</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>средняя пара</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>нижняя пара</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>сухая пара</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>флеш-дро</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>мимо флеша</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>двустороннее дро</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>мимо OESD</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>гатшот</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>мимо гатшота</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>бэкдор флеш-дро</translation>
    </message>
    <message>
        <source>air</source>
        <translation>воздух</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>Показано: %1</translation>
    </message>
    <message>
        <source>%1 combos</source>
        <translation>%1 комбо</translation>
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
        <translation>Комбинации</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Поиск (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Загрузка комбинаций…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Нет комбинаций для этого узла.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Фильтр: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Нет комбинаций под эти фильтры.</translation>
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
        <translation>Современный высокопроизводительный солвер холдема</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Новый расчёт</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Не удалось сохранить проект в %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Не удалось открыть проект: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 доступно</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 свободно)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Проект Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Очистить статистику «Игра против решения»</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Очистить всю статистику «Игра против решения» (сегодня + всего)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Раздачи (сегодня / всего)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Точность (сегодня / всего)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Ср. потеря EV (сегодня / всего)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Движок</translation>
    </message>
    <message>
        <source>Caldirune Core</source>
        <translation>Caldirune Core</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Имя проекта</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Не удалось сохранить проект в %1: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Новый расчёт</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Настроить борд, диапазоны и дерево</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Быстрый расчёт</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Использовать настройки по умолчанию</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Загрузить из файла</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Быстрые действия</translation>
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
        <translation>Как в системе</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Загрузить профиль настроек</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Выберите сохранённый профиль:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Сохранённых профилей пока нет.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Не удалось прочитать сохранённые профили. Они отложены без изменений, а новые профили сохраняются в новый список.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Это имя слишком длинное: имя может содержать не более %n символа.</numerusform>
            <numerusform>Это имя слишком длинное: имя может содержать не более %n символов.</numerusform>
            <numerusform>Это имя слишком длинное: имя может содержать не более %n символов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Блокировка узла</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Блокировка возможна только в узлах решений.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Пересчитать</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Совет: выберите действие выше, затем нажмите на руку в матрице, чтобы заблокировать её.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Не удалось начать пересчёт</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>Пересчёт завершился без результата</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Введите вес от 0 до 1, чтобы блокировать руки.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>Вес должен быть числом от 0 до 1, например 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>Вес — это вероятность от 0 до 1: запишите 50 % как 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Игра против решения</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Роль: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Выберите роль, чтобы начать</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Оба места</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Неверно — лучшее: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>В этом узле не удалось раздать руку для %1, поэтому принимать решение не нужно. Решите спот заново, чтобы сыграть его.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>Не удалось раздать руку для %1: подробности этого узла не были сохранены в проекте. Решите спот заново, чтобы сыграть его.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Без оценки: рука %1 здесь не встречает ни одной руки из диапазона соперника, поэтому у неё нет EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Без оценки: у этой руки здесь нет EV</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Подробности раздачи</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Руки</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Победитель: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Выигрыш: %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Рейк: %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>Потеря EV: %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Верно: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Остановлена на ошибке на флопе: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Остановлена на ошибке на тёрне: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Остановлена на ошибке на ривере: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Журнал раздач</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>Раздач: %1</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 раздача</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Идеально</translation>
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
        <translation>Стек: —</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Стек: %1</translation>
    </message>
</context>
<context>
    <name>PlayTable</name>
    <message>
        <source>Pot: —</source>
        <translation>Банк: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Банк: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Играть за OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Играть за обоих</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Играть за IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Ещё раздача</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Нажмите тёрн/ривер для замены</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Стоп тренировка</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Тренировать спот</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Действие OOP: %1</translation>
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
        <translation>Ошибка экспорта: appController.saveTextFile недоступен.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Ошибка экспорта: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Сохранить профиль настроек</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Имя профиля:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>напр., 100bb без рейка (быстро)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Удалить профиль настроек</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Удалить этот сохранённый профиль?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
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
        <translation>Настройка проекта</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Требуется настройка</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>ОЗУ для решения: %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>Доступно ОЗУ: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Перейти к решению →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Нужно больше памяти, чем доступно</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Недостаточно свободной памяти для этого спота: закройте другие программы или используйте меньше размеров</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>Ожидание оценки памяти для этого спота</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Ставки %1 на флопе: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Рейзы %1 на флопе: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Ставки %1 на тёрне: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Рейзы %1 на тёрне: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Ставки %1 на ривере: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Рейзы %1 на ривере: укажите хотя бы один размер</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Диапазон %1: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Диапазон %1: выберите хотя бы одну руку</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Борд: для старта с ривера нужна карта ривера</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Борд: для старта с тёрна нужна карта тёрна</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Борд: выберите три карты флопа (тёрн и ривер можно добавить позже)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Борд: выберите карту тёрна перед ривером или уберите ривер</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Недостаточно памяти, доступной этой программе, для этого спота: используйте меньше размеров</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: укажите значение</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: укажите целое число от %2 до %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: фишки — целые числа, вводите только цифры</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: дробную часть вводите через точку (0.5), без запятой</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: не более %2 знаков после точки</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: укажите число от %2 до %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Введите имя.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Выберите профиль.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>OOP Range</source>
        <translation>Диапазон OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Диапазон IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
</context>
<context>
    <name>RangeDialogs</name>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Удалить эту папку?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Удалить этот диапазон?</translation>
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
        <translation>Сохранить диапазон OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Сохранить диапазон IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Имя диапазона:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>напр., BTN vs BB (базовый)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Добавить папку (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Добавить папку (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Имя папки:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>напр., BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Импорт диапазона</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>напр., BTN open (свой)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Удалить диапазон</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Также будет удалено элементов: %1. Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Текст диапазона (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Экспорт стандартных диапазонов</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Экспорт диапазонов популяции</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Сбросить замены стандартных</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Сбросить все локально заменённые стандартные диапазоны для %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Сбросить замены популяции</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Сбросить все локально заменённые диапазоны популяции для %1?</translation>
    </message>
</context>
<context>
    <name>RangeEditor</name>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр. AA, KK, AKs, QQ+ или 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 рук</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Без рейка</translation>
    </message>
    <message>
        <source>50nl rake</source>
        <translation>Рейк 50nl</translation>
    </message>
    <message>
        <source>100nl rake</source>
        <translation>Рейк 100nl</translation>
    </message>
    <message>
        <source>200nl rake</source>
        <translation>Рейк 200nl</translation>
    </message>
    <message>
        <source>500nl rake</source>
        <translation>Рейк 500nl</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Колл</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Фолд</translation>
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
        <translation>Хедз-ап</translation>
    </message>
    <message>
        <source>vs RFI</source>
        <translation>против RFI</translation>
    </message>
    <message>
        <source>vs 3bet</source>
        <translation>против 3bet</translation>
    </message>
    <message>
        <source>vs 4bet</source>
        <translation>против 4bet</translation>
    </message>
    <message>
        <source>Limp</source>
        <translation>Limp</translation>
    </message>
    <message>
        <source>Limp-call</source>
        <translation>Лимп-колл</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Колл рейза</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Чек</translation>
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
        <translation>Колл 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Колл 4b</translation>
    </message>
    <message>
        <source>3b cold call</source>
        <translation>Колд-колл 3b</translation>
    </message>
    <message>
        <source>Bomb pot</source>
        <translation>Бомб-пот</translation>
    </message>
    <message>
        <source>Weaker regs</source>
        <translation>Слабые регуляры</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Тайтовый регуляр</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Лузовый регуляр</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Пассивный</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Пассивный тайт</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Пассивный нейтральный</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Пассивный лузовый</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Крайне лузовый</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Лузово-агрессивный</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>Стандартный LAG</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Маньяк</translation>
    </message>
    <message>
        <source>Overfolder</source>
        <translation>Оверфолдер</translation>
    </message>
    <message>
        <source>Nit</source>
        <translation>Нит</translation>
    </message>
    <message>
        <source>Standard Ranges</source>
        <translation>Стандартные диапазоны</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Диапазоны популяции</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Свои диапазоны</translation>
    </message>
    <message>
        <source>vs %1 RFI</source>
        <translation>против RFI %1</translation>
    </message>
    <message>
        <source>%1 vs %2 3bet</source>
        <translation>%1 против 3bet %2</translation>
    </message>
    <message>
        <source>%1 3bet vs %2 4bet</source>
        <translation>%1 3bet против 4bet %2</translation>
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
        <translation>Стандартные диапазоны</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Диапазоны популяции</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Свои диапазоны</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Диапазонов пока нет.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Экспорт стандартных…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Экспорт популяции…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Сбросить замены…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Сохранить диапазон…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Импорт диапазона…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Добавить папку…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Удалить выбранное…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Не удалось прочитать сохранённые диапазоны. Они отложены без изменений, а новые диапазоны сохраняются в новый список.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Не удалось прочитать изменения этих встроенных диапазонов. Они отложены без изменений, показаны исходные диапазоны.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>напр. AA, KK, AKs, QQ+ или 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Случайная</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Стратегия по рукам</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Блокировка</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Банк</translation>
    </message>
    <message>
        <source>Stack (%1)</source>
        <translation>Стек (%1)</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Стек</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>К коллу</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>Случайный ривер</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Случайный тёрн</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Подробности этого узла не были сохранены в проекте. Решите спот заново, чтобы их увидеть.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Выберите карту тёрна</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Выберите карту ривера</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Обзор стратегии</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>Ход: %1</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Диапазоны</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Против решения</translation>
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
        <translation>Эксплуатируемость</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Расчёт...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Частоты действий</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Доступные действия</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>Вариантов: %1</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Раздача: %1</translation>
    </message>
    <message>
        <source>River</source>
        <translation>ривер</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>тёрн</translation>
    </message>
    <message>
        <source>Locked: %1</source>
        <translation>Заблокированы: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Заданы блокировки: %1 — нажмите «Пересчитать», чтобы применить</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Заданы блокировки: %1 — неизвестно, учтены ли они в этих результатах; нажмите «Пересчитать», чтобы применить</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Дерево игры</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Идёт расчёт. Дерево появится, когда он завершится.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Лицензии</translation>
    </message>
    <message>
        <source>oneTBB</source>
        <translation>oneTBB</translation>
    </message>
    <message>
        <source>Threading</source>
        <translation>Многопоточность</translation>
    </message>
    <message>
        <source>Apache 2.0</source>
        <translation>Apache 2.0</translation>
    </message>
    <message>
        <source>Third-party notices and license texts are included in the &apos;licenses&apos; folder next to the executable.</source>
        <translation>Уведомления и тексты лицензий сторонних компонентов находятся в папке «licenses» рядом с исполняемым файлом.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Открыть папку лицензий</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Открыть уведомления</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>Папка лицензий %1 не существует.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>На этом компьютере нет программы, открывающей папки, поэтому папку лицензий не удалось показать. Она находится здесь: %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>Файл уведомлений %1 не существует.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>На этом компьютере нет программы, открывающей текстовые файлы, поэтому уведомления не удалось показать. Они находятся в файле %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Использовать тёмную цветовую схему во всём интерфейсе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Изменить язык приложения (применяется сразу)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Цвет акцента</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Настроить цвет выделения (кнопки, акценты, трефы/чек).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Сбросить по умолчанию</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Текущая версия: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Последняя проверка: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Доступно обновление: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Скачать обновление</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Обзор и быстрые действия</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Борд, диапазоны, дерево</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Запустить солвер</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Просмотр стратегий</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Предпочтения</translation>
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
        <translation>Покерный солвер</translation>
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
        <translation>Размеры OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Размеры IP</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <source>Bet sizes (%)</source>
        <translation>Ставки (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Рейзы (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Олл-ин</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Без донка</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>Олл-ин, если пуш меньше</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>напр. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% банка</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Порог пуша OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Порог пуша IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Активность расчётов</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Последние 52 недели</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>май</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>дек</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (будущее)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Расчётов: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Ср. итераций: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Ср. эксплуат.: %1</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>вс</translation>
    </message>
</context>
<context>
    <name>SolveComputeCard</name>
    <message>
        <source>Compute</source>
        <translation>Вычисления</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Потоки</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Точность</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Банк / Стек</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Рейк</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Размеры ставок</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Включённые опции</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Расчёт...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Начать расчёт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Результаты →</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
</context>
<context>
    <name>SolvePage</name>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Готово к расчёту</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Завершение…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Итерация %1 | эксплуатируемость=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Идёт</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершён</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменён</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: без донка на флопе</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: без донка на тёрне</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: без донка на ривере</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: олл-ин на флопе</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: олл-ин на тёрне</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: олл-ин на ривере</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: олл-ин на флопе</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: олл-ин на тёрне</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: олл-ин на ривере</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: олл-ин, если джем &lt; %1% банка</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: олл-ин, если джем &lt; %1% банка</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (лимит %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>Ф %1/%2 • Т %3/%4 • Р %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Итерации %1 • Цель %2% (≈ %3) • Потоки %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Запустите CFR-солвер и следите за ходом расчёта в реальном времени.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Инициализация: создание объекта игры...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Инициализация: построение дерева игры...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Инициализация: запуск солвера...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Завершение: расчёт результатов...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Завершение: создание снимка результатов...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Итерации %1 / %2 • Цель %3% (≈ %4) • Потоки %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Готово: цель не достигнута, %1 вместо %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Не достигнута</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Готово: цель не достигнута, %1 вместо %2 • Итерации %3 / %4 • Потоки %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Солвер сошёлся — подготовка результатов…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Окно %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Итерации: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Показатели</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>ит/с</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Эксплуатируемость</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Измерение...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Итерации: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Решено для другой настройки, чем показанная здесь</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Последние запуски</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Запусков пока нет — нажмите «Начать расчёт», чтобы добавить запуск.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Создайте новый проект (или загрузите) на главной, чтобы включить проект</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Заполните борд, диапазоны и размеры ставок, чтобы включить расчёт</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Выполните расчёт, чтобы включить результаты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Этому споту нужно больше памяти, чем доступно на этом компьютере</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Этому споту нужно больше памяти, чем доступно этой программе</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Раздача</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Терминал</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Банк: %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Част.: %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Част.: —</translation>
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
        <translation>Адрес обновлений не настроен.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Не удалось проверить обновления: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Недопустимый ответ сервера обновлений (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Адрес загрузки недоступен.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>ответ больше %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SettingsProblemText</name>
    <message>
        <source>Part of your settings file %1 is damaged and could not be read; the program uses the defaults in its place.</source>
        <translation>Часть файла настроек %1 повреждена и не читается; вместо неё программа использует значения по умолчанию.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Настройки не удалось прочитать из %1, поэтому программа запущена с настройками по умолчанию.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Тёмную тему и цвет акцента не удалось сохранить в %1; при следующем запуске будут прежние.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>Выбранный язык не удалось сохранить в %1; при следующем запуске он не сохранится.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Статистику игры против решения не удалось сохранить в %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>Завершённый расчёт не удалось добавить в активность расчётов в %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Настройки не удалось сохранить в %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>Файл не читается (проверьте права доступа); он остаётся как есть, и ничего нельзя сохранить, пока его нельзя прочитать.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>В файл или его папку нельзя записать (проверьте права доступа).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>Диск, на котором находится файл, заполнен (освободите на нём место и сохраните снова).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Не удалось записать файл целиком: дисковая квота или ограничение размера файлов не оставляет для него места.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Не удаётся занять его блокировку %1: её удерживает другая запущенная копия Caldirune, или под этим именем находится что-то другое (удалите это, если другие копии не запущены).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>BoardDisplay</name>
    <message>
        <source>Preflop</source>
        <translation>Префлоп</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
</context>
<context>
    <name>PageStores</name>
    <message>
        <source>Your settings profiles were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Профили настроек не сохранены: другая запущенная копия Caldirune держала файл настроек %1 заблокированным. Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Диапазоны не сохранены: другая запущенная копия Caldirune держала файл настроек %1 заблокированным. Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Изменения этих встроенных диапазонов не сохранены: другая запущенная копия Caldirune держала файл настроек %1 заблокированным. Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Не удалось прочитать профили настроек: файл настроек %1 не читается. В него ничего не сохраняется, пока его нельзя прочитать.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Не удалось прочитать сохранённые диапазоны: файл настроек %1 не читается. В него ничего не сохраняется, пока его нельзя прочитать.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Не удалось прочитать изменения этих встроенных диапазонов: файл настроек %1 не читается. В него ничего не сохраняется, пока его нельзя прочитать.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Не удалось сохранить профили настроек: нет доступа на запись к файлу настроек %1 или к его папке. Изменение остаётся только в этом окне.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить профили настроек: диск, на котором находится файл настроек %1, заполнен. Освободите на нём место; изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить профили настроек: не удалось записать файл настроек %1 целиком (дисковая квота или ограничение размера файлов не оставляет для него места). Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Не удалось сохранить диапазоны: нет доступа на запись к файлу настроек %1 или к его папке. Изменение остаётся только в этом окне.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить диапазоны: диск, на котором находится файл настроек %1, заполнен. Освободите на нём место; изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить диапазоны: не удалось записать файл настроек %1 целиком (дисковая квота или ограничение размера файлов не оставляет для него места). Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Не удалось сохранить изменения этих встроенных диапазонов: нет доступа на запись к файлу настроек %1 или к его папке. Изменение остаётся только в этом окне.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить изменения этих встроенных диапазонов: диск, на котором находится файл настроек %1, заполнен. Освободите на нём место; изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Не удалось сохранить изменения этих встроенных диапазонов: не удалось записать файл настроек %1 целиком (дисковая квота или ограничение размера файлов не оставляет для него места). Изменение остаётся в этом окне и будет сохранено при следующем изменении.</translation>
    </message>
</context>
</TS>
