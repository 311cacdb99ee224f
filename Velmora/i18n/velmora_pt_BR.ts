<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de arquivo inválida ou não local</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Caminho de arquivo vazio</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Não foi possível salvar o arquivo: %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Nenhuma configuração de resolução anterior (resolva uma vez primeiro)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON inválido</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Formato de projeto não reconhecido</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Versão de projeto não suportada</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Não está pronto: insira primeiro um board válido</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Não está pronto: selecione pelo menos uma mão nos dois ranges</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Não está pronto: preencha os tamanhos de OOP e IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>RAM insuficiente para resolver (após limpar os resultados anteriores)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Já está em execução</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>A resolução falhou: %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | iter. %2 | expl.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Mais de %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Não está pronto: informe pelo menos 1 iteração</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>O arquivo do projeto está danificado</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>A abertura do projeto foi cancelada</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Abrindo o projeto...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Salvando o projeto...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Outro arquivo de projeto está sendo aberto ou salvo</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apostas de %1 no flop: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Aumentos de %1 no flop: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apostas de %1 no turn: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Aumentos de %1 no turn: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Apostas de %1 no river: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Aumentos de %1 no river: &apos;%2&apos; não é um tamanho válido</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range OOP: nenhuma mão de &apos;%1&apos; resta depois de remover as cartas do board</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range IP: nenhuma mão de &apos;%1&apos; resta depois de remover as cartas do board</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; não é um range: escreva mãos separadas por vírgulas (AA, KK, AKs) ou uma fração como 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>O nome do arquivo não é válido.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; não é um arquivo deste computador: só é possível ler arquivos locais.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>O nome do arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>O arquivo &apos;%1&apos; não existe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Não foi possível abrir o arquivo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>O arquivo &apos;%1&apos; é grande demais (%2 bytes; no máximo %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Este texto é longo demais para um range: um texto de range tem no máximo %1 caracteres</translation>
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
        <translation>RAM insuficiente (abrir requer cerca de %1; %2 disponíveis)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projeto carregado (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n nó de estratégia</numerusform>
            <numerusform>%n nós de estratégia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n nó de combos</numerusform>
            <numerusform>%n nós de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>ele diz conter um resultado de resolução, mas o resultado está ausente</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>seu resultado de resolução não contém nenhuma árvore do jogo</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>as tabelas de nós do seu resultado de resolução não se correspondem</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 contém %2, que um nó %3 não tem</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 é false, mas o nó %2 tem ações</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 é true, mas o nó %2 não tem ações</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 é %2, não o pote inicial mais o que os dois jogadores colocaram (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 é %2, não %3 como no nó 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 é %2, mas ali o board tem %3 cartas</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>o nó %1 termina em showdown com %2 cartas no board</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>as ações da raiz do seu resultado de resolução não são as da sua árvore do jogo</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>O arquivo do projeto está danificado: %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 contém %2, não %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 é %2, uma carta que já está no board</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 é %2, um nó em que nenhum jogador age</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 é %2, mas o nó %3 é o último nó da árvore do jogo</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 é %2, que não é um nó da árvore do jogo</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 é %2, que não é uma ação do seu nó</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 é %2, fora do intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 repete a carta %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1: %2 entradas para %3 ações</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; em %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; da ação %2 do nó %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; do nó %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; do travamento de nó %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; da ação da raiz %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; da linha %2 em %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>um board de 3 a 5 cartas diferentes</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>uma carta</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>uma classe de mãos</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>uma categoria de mão</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 soma %2, não 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 repete o combo %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 é %2, onde a árvore de jogo tem %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>um texto</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>a ação %1 do nó %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>um tipo de ação</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>o nó %1 é alcançado por mais de uma ação</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>nenhuma ação alcança o nó %1</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>o travamento de nó %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>a ação da raiz %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>a linha %1 em %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>as frequências das ações do nó %1 somam %2, não 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>as ações do nó %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>o registro do nó %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>combos de IP salvos do nó %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>combos de OOP salvos do nó %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>números das ações salvos do nó %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>categorias salvas do nó %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>combos salvos do nó %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>estratégia salva do nó %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1: %2 está fora do intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pote inicial</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efetivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Teto de rake</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explorabilidade alvo (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in se o jam for menor que (OOP, % pote)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in se o jam for menor que (IP, % pote)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>RAM disponível para este programa insuficiente para resolver (após limpar os resultados anteriores)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>RAM insuficiente para resolver este spot e manter seu resultado: resolvê-lo, ver o resultado, salvá-lo e abri-lo de novo requer cerca de %1; %2 disponíveis para este programa</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>RAM insuficiente para resolver este spot e manter seu resultado: resolvê-lo, ver o resultado, salvá-lo e abri-lo de novo requer cerca de %1; %2 disponíveis</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>RAM insuficiente para salvar o projeto (requer cerca de %1; %2 disponíveis)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>RAM insuficiente para salvar o projeto: a memória acabou durante o salvamento</translation>
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
        <translation>Carregar perfil</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Não foi possível ler os perfis salvos. Eles foram guardados à parte sem alterações, e os novos perfis são salvos em uma nova lista.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Escolher carta</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carta do flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carta do turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carta do river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Limpar carta</translation>
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
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Falha na importação: appController.readTextFile indisponível.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Falha na importação: %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Falha na importação: o arquivo não contém mãos reconhecíveis.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Nenhum range para importar.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Falha na importação: o arquivo não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Digite um nome para a pasta.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>O range atual está vazio.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>O range atual é longo demais.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Jogador desconhecido.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Deixado de fora, não lido como mãos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Ajustes de jogo</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pote inicial</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>ex.: 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Stack efetivo</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>ex.: 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Teto de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>ex.: 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Explorabilidade alvo (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>ex.: 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>straight flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>quadra</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full house</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>flush</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>sequência</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>trinca</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>dois pares</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>par máximo</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>par do meio</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>par baixo</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>par seco</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>projeto de flush</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>flush perdido</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>sequência aberta</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>sequência aberta perdida</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>gutshot</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>gutshot perdido</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>flush backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>ar</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 exibidas</translation>
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
        <translation>Detalhes das mãos</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Buscar (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Carregando combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Nenhum combo para este nó.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Nenhum combo corresponde aos filtros.</translation>
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
        <translation>Um solver de hold&apos;em moderno e de alto desempenho</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nova resolução</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Não foi possível salvar o projeto em %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Não foi possível abrir o projeto: %1</translation>
    </message>
    <message>
        <source>%1 available</source>
        <translation>%1 disponíveis</translation>
    </message>
    <message>
        <source>%1 (%2 free)</source>
        <translation>%1 (%2 livres)</translation>
    </message>
    <message>
        <source>Velmora Project (*.velmoraproj)</source>
        <translation>Projeto Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Limpar estatísticas de Jogar contra a solução</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Limpar todas as estatísticas de Jogar contra a solução (hoje + total)?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jogar contra a solução</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mãos (hoje / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Precisão (hoje / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perda média de EV (hoje / total)</translation>
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
        <translation>Threads</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome do projeto</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Não foi possível salvar o projeto em %1: %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Nova resolução</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configure board, ranges e árvore</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Resolução rápida</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Usar configurações padrão</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Carregar de arquivo</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Ações rápidas</translation>
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
        <translation>Padrão do sistema</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Carregar perfil de configurações</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Escolha um perfil salvo:</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Nenhum perfil salvo ainda.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Não foi possível ler os perfis salvos. Eles foram guardados à parte sem alterações, e os novos perfis são salvos em uma nova lista.</translation>
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
            <numerusform>Este nome é longo demais: um nome pode ter no máximo %n caractere.</numerusform>
            <numerusform>Este nome é longo demais: um nome pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Travamento de nós</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>O travamento só é possível em nós de decisão.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Dica: escolha uma ação acima e clique em uma mão da matriz para travá-la.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Não foi possível iniciar a resolução</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>A resolução terminou sem resultado</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Digite um peso de 0 a 1 para travar mãos.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>O peso deve ser um número de 0 a 1, como 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>O peso é uma probabilidade de 0 a 1: escreva 50 % como 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jogar contra a solução</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Papel: %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Escolha um papel para começar</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Ambos os lugares</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Errado — melhor: %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>Não foi possível distribuir uma mão para %1 neste nó, então não há decisão a tomar. Resolva o spot novamente para jogá-lo.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>Não foi possível distribuir uma mão para %1: os detalhes deste nó não foram salvos com o projeto. Resolva o spot novamente para jogá-lo.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Não avaliado: a mão %1 não encontra aqui nenhuma mão do range do oponente, então não tem EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Não avaliado: esta mão não tem EV aqui</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Detalhes da mão</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Vencedor: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganho: %1</translation>
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
        <translation>Incorreta: %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correta: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Interrompida no erro do flop: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Interrompida no erro do turn: %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Interrompida no erro do river: %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Registro de mãos</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mãos</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mão</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfeito</translation>
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
        <translation>Pote: —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pote: %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jogar como OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jogar ambos</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jogar como IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Outra mão</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Clique no turn/river para mudar</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Parar treino</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Treinar spot</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Ação do OOP: %1</translation>
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
        <translation>Falha na exportação: appController.saveTextFile indisponível.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Falha na exportação: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Salvar perfil de configurações</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nome do perfil:</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>ex.: 100bb sem rake (rápido)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Excluir perfil de configurações</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Tem certeza de que deseja excluir este perfil salvo?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta ação não pode ser desfeita.</translation>
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
        <translation>Configuração do projeto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Configuração pendente</translation>
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
        <translation>RAM disponível: %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Continuar para resolver →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Precisa de mais memória do que a disponível</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Memória livre insuficiente para este spot: feche outros programas ou use menos tamanhos</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>Aguardando a estimativa de memória deste spot</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Apostas de %1 no flop: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Aumentos de %1 no flop: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Apostas de %1 no turn: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Aumentos de %1 no turn: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Apostas de %1 no river: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Aumentos de %1 no river: informe pelo menos um tamanho</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Range %1: %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Range %1: selecione pelo menos uma mão</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board: para começar no river falta a carta do river</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board: para começar no turn falta a carta do turn</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board: escolha as três cartas do flop (o turn e o river podem vir depois)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board: escolha a carta do turn antes do river, ou remova o river</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Memória disponível para este programa insuficiente para este spot: use menos tamanhos</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1: informe um valor</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1: informe um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1: fichas são números inteiros, digite apenas algarismos</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1: digite os decimais com ponto (0.5), sem vírgula</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1: no máximo %2 casas decimais</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1: informe um número de %2 a %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Selecione um perfil.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Acima</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Range OOP</translation>
    </message>
    <message>
        <source>IP Range</source>
        <translation>Range IP</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
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
        <translation>Tem certeza de que deseja excluir esta pasta?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Tem certeza de que deseja excluir este range?</translation>
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
        <translation>Salvar range OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Salvar range IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nome do range:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>ex.: BTN vs BB (padrão)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Adicionar pasta (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Adicionar pasta (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nome da pasta:</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>ex.: BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importar range</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>ex.: BTN open (próprio)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Excluir range</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Isto também excluirá %1 item(ns). Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Texto de range (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exportar ranges padrão</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exportar ranges de população</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Limpar substituições padrão</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Limpar todos os ranges padrão substituídos localmente de %1?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Limpar substituições de população</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Limpar todos os ranges de população substituídos localmente de %1?</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex.: AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mãos</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Sem rake</translation>
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
        <translation>Limp-call</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Pagar raise</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Dar check</translation>
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
        <translation>Regs mais fracos</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg mais tight</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg mais loose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
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
        <translation>Extremamente loose</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Loose agressivo</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG padrão</translation>
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
        <translation>Ranges padrão</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges de população</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Ranges próprios</translation>
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
        <translation>Ranges padrão</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges de população</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Ranges próprios</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Nenhum range ainda.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exportar padrão…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exportar população…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Limpar substituições…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Salvar range atual…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importar range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Excluir seleção…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Não foi possível ler os ranges salvos. Eles foram guardados à parte sem alterações, e os novos ranges são salvos em uma nova lista.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Não foi possível ler as alterações destes ranges embutidos. Elas foram guardadas à parte sem alterações, e os ranges originais são exibidos.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex.: AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Estratégia por mão</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Travar nó</translation>
    </message>
</context>
<context>
    <name>ResultsNodeFigures</name>
    <message>
        <source>Pot</source>
        <translation>Pote</translation>
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
        <translation>Para pagar</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>River aleatório</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Turn aleatório</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Os detalhes deste nó não foram salvos com o projeto. Resolva o spot novamente para vê-los.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Escolher a carta do turn</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Escolher a carta do river</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Visão da estratégia</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>%1 age</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Ver ranges</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Contra solução</translation>
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
        <translation>Explorabilidade</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolvendo...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Frequências das ações</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Ações disponíveis</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 opções</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Distribuir %1</translation>
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
        <translation>Travadas: %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Travas definidas: %1 — use “Resolver” para aplicá-las</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Travas definidas: %1 — não se sabe se estes resultados as usam; use “Resolver” para aplicá-las</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Árvore do jogo</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Uma resolução está em andamento. A árvore aparecerá quando ela terminar.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Licenças</translation>
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
        <translation>Avisos e textos de licença de terceiros estão na pasta &apos;licenses&apos; ao lado do executável.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Abrir pasta de licenças</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Abrir avisos</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>A pasta de licenças %1 não existe.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Nenhum programa deste computador abre pastas, então a pasta de licenças não pôde ser mostrada. Ela está em %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>O arquivo de avisos %1 não existe.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Nenhum programa deste computador abre arquivos de texto, então os avisos não puderam ser mostrados. Eles estão no arquivo %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Modo escuro</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Usar o esquema de cores escuro em toda a interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Altere o idioma do aplicativo (efeito imediato)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Cor de destaque</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personalize a cor de destaque (botões, acentos, paus/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar configurações</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Versão atual: %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Última verificação: %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Atualização disponível: %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Baixar atualização</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Visão geral e ações rápidas</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Preparação</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, ranges, árvore</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Executar solver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Explorar estratégias</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
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
        <translation>Solver de pôquer</translation>
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
        <translation>Tamanhos OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Tamanhos IP</translation>
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
        <translation>Apostas (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Aumentos (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Adicionar all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Sem donk</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in se o jam for menor que</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>ex. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% pote</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Limite de jam do OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Limite de jam do IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Atividade de resolução</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>Últimas 52 semanas</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>fev</translation>
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
        <translation>mai</translation>
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
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dez</translation>
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
        <translation>Resoluções: %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Iter. médias: %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. média: %1</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>sex</translation>
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
        <translation>Processamento</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisão</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pote / Stack</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Apostas</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Opções ativas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolvendo...</translation>
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
        <translation>Pronto para resolver</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Iteração %1 | explorabilidade=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP: sem donk no flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP: sem donk no turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP: sem donk no river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP: adicionar all-in no flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP: adicionar all-in no turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP: adicionar all-in no river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP: adicionar all-in no flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP: adicionar all-in no turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP: adicionar all-in no river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP: all-in se jam &lt; %1% do pote</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP: all-in se jam &lt; %1% do pote</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1% (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1% (teto %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Iterações %1 • Alvo %2% (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Execute o solver CFR e acompanhe o progresso em tempo real.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Início: criando o objeto de jogo...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Início: construindo a árvore de jogo...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Início: iniciando o solver...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalizando: calculando resultados...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalizando: criando o instantâneo dos resultados...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Iterações %1 / %2 • Alvo %3% (≈ %4) • Threads %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Concluído: alvo não atingido, %1 contra %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Não atingido</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Concluído: alvo não atingido, %1 contra %2 • Iterações %3 / %4 • Threads %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Solver convergiu — finalizando resultados…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Janela %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Iterações: %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Decorrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Explorabilidade</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Medindo...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Iterações: %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Resolvido para outra configuração que não a resumida aqui</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Execuções recentes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Nenhuma execução ainda — clique em Iniciar cálculo para registrar uma aqui.</translation>
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
        <translation>Resolvendo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Preparação</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Inicie um novo projeto (ou carregue um) no Início para ativar Projeto</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Preencha board, ranges e tamanhos para ativar Resolver</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Execute uma resolução para ativar Resultados</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Este spot precisa de mais memória do que esta máquina tem disponível</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Este spot precisa de mais memória do que a disponível para este programa</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Distribuição</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pote: %1</translation>
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
        <translation>A URL de atualização não está configurada.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Falha ao verificar atualizações: %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Resposta de atualização inválida (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Nenhuma URL de download disponível.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>a resposta é maior que %1</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SettingsProblemText</name>
    <message>
        <source>Part of your settings file %1 is damaged and could not be read; the program uses the defaults in its place.</source>
        <translation>Parte do seu arquivo de configurações %1 está danificada e não pôde ser lida; o programa usa os valores padrão no lugar.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Não foi possível ler suas configurações de %1, então o programa iniciou com as configurações padrão.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Não foi possível salvar o modo escuro e a cor de destaque em %1; a próxima inicialização mostrará os anteriores.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>Não foi possível salvar o idioma escolhido em %1; a próxima inicialização não o manterá.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Não foi possível salvar as estatísticas de Jogar contra a solução em %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>Não foi possível adicionar a resolução concluída à atividade de resolução em %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Não foi possível salvar suas configurações em %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>O arquivo não pode ser lido (verifique as permissões); ele fica como está, e nada poderá ser salvo até que possa ser lido.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>Não é possível gravar no arquivo ou em sua pasta (verifique as permissões).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>O disco que contém o arquivo está cheio (libere espaço nele e salve novamente).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Não foi possível gravar o arquivo por completo: uma cota de disco ou um limite de tamanho de arquivos não deixa espaço para ele.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Não é possível obter o bloqueio %1: outra cópia do Caldirune em execução o mantém, ou há outra coisa com esse nome (remova-a se nenhuma outra cópia estiver em execução).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Fechar</translation>
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
        <translation>Os perfis de configurações não foram salvos: outra cópia do Caldirune em execução manteve o arquivo de configurações %1 bloqueado. A alteração permanece nesta janela e será salva com a próxima alteração.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Os ranges não foram salvos: outra cópia do Caldirune em execução manteve o arquivo de configurações %1 bloqueado. A alteração permanece nesta janela e será salva com a próxima alteração.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>As alterações destes ranges embutidos não foram salvas: outra cópia do Caldirune em execução manteve o arquivo de configurações %1 bloqueado. A alteração permanece nesta janela e será salva com a próxima alteração.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Não foi possível ler os perfis de configurações: o arquivo de configurações %1 não pode ser lido. Nada é salvo nele até que possa ser lido.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Não foi possível ler os ranges salvos: o arquivo de configurações %1 não pode ser lido. Nada é salvo nele até que possa ser lido.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Não foi possível ler as alterações destes ranges embutidos: o arquivo de configurações %1 não pode ser lido. Nada é salvo nele até que possa ser lido.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Não foi possível salvar os perfis de configurações: não é possível gravar no arquivo de configurações %1 ou na sua pasta. A alteração permanece apenas nesta janela.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar os perfis de configurações: o disco que contém o arquivo de configurações %1 está cheio. Libere espaço nele; a alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar os perfis de configurações: não foi possível gravar por completo o arquivo de configurações %1 (uma cota de disco ou um limite de tamanho de arquivos não deixa espaço para ele). A alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Não foi possível salvar os ranges: não é possível gravar no arquivo de configurações %1 ou na sua pasta. A alteração permanece apenas nesta janela.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar os ranges: o disco que contém o arquivo de configurações %1 está cheio. Libere espaço nele; a alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar os ranges: não foi possível gravar por completo o arquivo de configurações %1 (uma cota de disco ou um limite de tamanho de arquivos não deixa espaço para ele). A alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Não foi possível salvar as alterações destes ranges embutidos: não é possível gravar no arquivo de configurações %1 ou na sua pasta. A alteração permanece apenas nesta janela.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar as alterações destes ranges embutidos: o disco que contém o arquivo de configurações %1 está cheio. Libere espaço nele; a alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Não foi possível salvar as alterações destes ranges embutidos: não foi possível gravar por completo o arquivo de configurações %1 (uma cota de disco ou um limite de tamanho de arquivos não deixa espaço para ele). A alteração permanece nesta janela e será salva com a sua próxima alteração.</translation>
    </message>
</context>
</TS>
