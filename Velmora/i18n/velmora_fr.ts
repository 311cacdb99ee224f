<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>%1 % d&apos;équité</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Invalid/non-local file URL</source>
        <translation>URL de fichier invalide ou non locale</translation>
    </message>
    <message>
        <source>Empty file path</source>
        <translation>Chemin de fichier vide</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Failed to save file: %1</source>
        <translation>Impossible d&apos;enregistrer le fichier : %1</translation>
    </message>
    <message>
        <source>No previous solve config (solve once first)</source>
        <translation>Aucune configuration de résolution précédente (lancez d&apos;abord une résolution)</translation>
    </message>
    <message>
        <source>Failed to open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Invalid JSON</source>
        <translation>JSON invalide</translation>
    </message>
    <message>
        <source>Unrecognized project format</source>
        <translation>Format de projet non reconnu</translation>
    </message>
    <message>
        <source>Unsupported project version</source>
        <translation>Version de projet non prise en charge</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Not ready: enter a valid board first</source>
        <translation>Pas prêt : saisissez d&apos;abord un board valide</translation>
    </message>
    <message>
        <source>Not ready: select at least one hand in both ranges</source>
        <translation>Pas prêt : sélectionnez au moins une main dans les deux ranges</translation>
    </message>
    <message>
        <source>Not ready: fill out both OOP and IP sizing</source>
        <translation>Pas prêt : renseignez les tailles de mise OOP et IP</translation>
    </message>
    <message>
        <source>Not enough RAM to solve (after clearing previous results)</source>
        <translation>Pas assez de RAM pour résoudre (après effacement des résultats précédents)</translation>
    </message>
    <message>
        <source>Already running</source>
        <translation>Déjà en cours</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Solve failed: %1</source>
        <translation>Échec de la résolution : %1</translation>
    </message>
    <message>
        <source>Board %1 | iters %2 | expl≈%3 | EV(oop)=%4 EV(ip)=%5</source>
        <translation>Board %1 | itér. %2 | expl.≈%3 | EV(OOP)=%4 EV(IP)=%5</translation>
    </message>
    <message>
        <source>More than %1</source>
        <translation>Plus de %1</translation>
    </message>
    <message>
        <source>Not ready: the iteration count must be at least 1</source>
        <translation>Pas prêt : au moins 1 itération requise</translation>
    </message>
    <message>
        <source>The project file is damaged</source>
        <translation>Le fichier du projet est endommagé</translation>
    </message>
    <message>
        <source>Opening the project was cancelled</source>
        <translation>L&apos;ouverture du projet a été annulée</translation>
    </message>
    <message>
        <source>Opening project...</source>
        <translation>Ouverture du projet...</translation>
    </message>
    <message>
        <source>Saving project...</source>
        <translation>Enregistrement du projet...</translation>
    </message>
    <message>
        <source>Another project file is being opened or saved</source>
        <translation>Un autre fichier de projet est en cours d&apos;ouverture ou d&apos;enregistrement</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Mises de %1 au flop : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Relances de %1 au flop : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Mises de %1 au turn : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Relances de %1 au turn : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>%1 river bet sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Mises de %1 à la river : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>%1 river raise sizes: &apos;%2&apos; is not a valid size</source>
        <translation>Relances de %1 à la river : &apos;%2&apos; n&apos;est pas une taille valide</translation>
    </message>
    <message>
        <source>OOP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range OOP : aucune main de &apos;%1&apos; ne reste une fois les cartes du board retirées</translation>
    </message>
    <message>
        <source>IP range: no hand of &apos;%1&apos; is left once the board&apos;s cards are removed</source>
        <translation>Range IP : aucune main de &apos;%1&apos; ne reste une fois les cartes du board retirées</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a range: write hands separated by commas (AA, KK, AKs) or a share such as 50%</source>
        <translation>&apos;%1&apos; n&apos;est pas une range : écrivez des mains séparées par des virgules (AA, KK, AKs) ou une part comme 50%</translation>
    </message>
    <message>
        <source>The file name is not valid.</source>
        <translation>Le nom du fichier n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be read.</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de cet ordinateur : seuls les fichiers locaux peuvent être lus.</translation>
    </message>
    <message>
        <source>The file name is empty.</source>
        <translation>Le nom du fichier est vide.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file.</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large (%2 bytes; at most %3).</source>
        <translation>Le fichier &apos;%1&apos; est trop volumineux (%2 octets ; au plus %3).</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>This text is too long for a range: a range text holds at most %1 characters</source>
        <translation>Ce texte est trop long pour une range : un texte de range compte au plus %1 caractères</translation>
    </message>
    <message>
        <source>OOP range: %1</source>
        <translation>Range OOP : %1</translation>
    </message>
    <message>
        <source>IP range: %1</source>
        <translation>Range IP : %1</translation>
    </message>
    <message>
        <source>Not enough RAM (opening it needs about %1, %2 available)</source>
        <translation>Pas assez de RAM (l&apos;ouverture demande environ %1, %2 disponibles)</translation>
    </message>
    <message>
        <source>Loaded project (%1, %2)</source>
        <translation>Projet chargé (%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n strategy nodes</source>
        <translation>
            <numerusform>%n nœud de stratégie</numerusform>
            <numerusform>%n nœuds de stratégie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n combo nodes</source>
        <translation>
            <numerusform>%n nœud de combos</numerusform>
            <numerusform>%n nœuds de combos</numerusform>
        </translation>
    </message>
    <message>
        <source>it says it holds a solve result, but the result is missing</source>
        <translation>il indique contenir un résultat de résolution, mais ce résultat est absent</translation>
    </message>
    <message>
        <source>its solve result holds no game tree</source>
        <translation>son résultat de résolution ne contient aucun arbre de jeu</translation>
    </message>
    <message>
        <source>the node tables of its solve result do not fit together</source>
        <translation>les tables de nœuds de son résultat de résolution ne concordent pas</translation>
    </message>
    <message>
        <source>%1 holds %2, which a %3 node does not have</source>
        <translation>%1 contient %2, ce qu’un nœud %3 n’a pas</translation>
    </message>
    <message>
        <source>%1 is false, but node %2 has actions</source>
        <translation>%1 vaut false, mais le nœud %2 a des actions</translation>
    </message>
    <message>
        <source>%1 is true, but node %2 has no actions</source>
        <translation>%1 vaut true, mais le nœud %2 n’a aucune action</translation>
    </message>
    <message>
        <source>%1 is %2, not the starting pot plus what both players put in (%3)</source>
        <translation>%1 vaut %2, et non le pot de départ plus ce que les deux joueurs ont misé (%3)</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 as at node 0</source>
        <translation>%1 vaut %2, et non %3 comme au nœud 0</translation>
    </message>
    <message>
        <source>%1 is %2, but the board holds %3 cards there</source>
        <translation>%1 vaut %2, mais le board y compte %3 cartes</translation>
    </message>
    <message>
        <source>node %1 ends in a showdown with %2 cards on the board</source>
        <translation>le nœud %1 se termine par un showdown avec %2 cartes sur le board</translation>
    </message>
    <message>
        <source>the root actions of its solve result are not those of its game tree</source>
        <translation>les actions racines de son résultat de résolution ne sont pas celles de son arbre de jeu</translation>
    </message>
    <message>
        <source>The project file is damaged: %1</source>
        <translation>Le fichier du projet est endommagé : %1</translation>
    </message>
    <message>
        <source>%1 holds %2, not %3</source>
        <translation>%1 contient %2, et non %3</translation>
    </message>
    <message>
        <source>%1 is %2, a card already on the board</source>
        <translation>%1 vaut %2, une carte déjà sur le board</translation>
    </message>
    <message>
        <source>%1 is %2, a node where no player acts</source>
        <translation>%1 vaut %2, un nœud où aucun joueur n’agit</translation>
    </message>
    <message>
        <source>%1 is %2, but node %3 is the last node of the game tree</source>
        <translation>%1 vaut %2, mais le nœud %3 est le dernier nœud de l’arbre de jeu</translation>
    </message>
    <message>
        <source>%1 is %2, not a node of the game tree</source>
        <translation>%1 vaut %2, qui n’est pas un nœud de l’arbre de jeu</translation>
    </message>
    <message>
        <source>%1 is %2, not an action of its node</source>
        <translation>%1 vaut %2, qui n’est pas une action de son nœud</translation>
    </message>
    <message>
        <source>%1 is %2, outside the range %3 to %4</source>
        <translation>%1 vaut %2, hors de la plage %3 à %4</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 repeats the card %2</source>
        <translation>%1 répète la carte %2</translation>
    </message>
    <message>
        <source>%1: %2 entries for %3 actions</source>
        <translation>%1 : %2 entrées pour %3 actions</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2</source>
        <translation>&quot;%1&quot; dans %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of action %2 of node %3</source>
        <translation>&quot;%1&quot; de l’action %2 du nœud %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node %2</source>
        <translation>&quot;%1&quot; du nœud %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of node lock %2</source>
        <translation>&quot;%1&quot; du verrou de nœud %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of root action %2</source>
        <translation>&quot;%1&quot; de l’action racine %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of row %2 in %3</source>
        <translation>&quot;%1&quot; de la ligne %2 dans %3</translation>
    </message>
    <message>
        <source>a board of 3 to 5 different cards</source>
        <translation>un board de 3 à 5 cartes différentes</translation>
    </message>
    <message>
        <source>a card</source>
        <translation>une carte</translation>
    </message>
    <message>
        <source>a hand class</source>
        <translation>une classe de mains</translation>
    </message>
    <message>
        <source>a hand category</source>
        <translation>une catégorie de main</translation>
    </message>
    <message>
        <source>%1 adds up to %2, not 1</source>
        <translation>%1 totalise %2, et non 1</translation>
    </message>
    <message>
        <source>%1 repeats the combo %2</source>
        <translation>%1 répète le combo %2</translation>
    </message>
    <message>
        <source>%1 is %2, where the game tree has %3</source>
        <translation>%1 vaut %2, là où l&apos;arbre de jeu a %3</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>action %1 of node %2</source>
        <translation>l’action %1 du nœud %2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>an action type</source>
        <translation>un type d’action</translation>
    </message>
    <message>
        <source>node %1 is reached by more than one action</source>
        <translation>le nœud %1 est atteint par plus d’une action</translation>
    </message>
    <message>
        <source>node %1 is reached by no action</source>
        <translation>aucune action n’atteint le nœud %1</translation>
    </message>
    <message>
        <source>node lock %1</source>
        <translation>le verrou de nœud %1</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l’une des valeurs %1</translation>
    </message>
    <message>
        <source>root action %1</source>
        <translation>l’action racine %1</translation>
    </message>
    <message>
        <source>row %1 in %2</source>
        <translation>la ligne %1 dans %2</translation>
    </message>
    <message>
        <source>the action frequencies of node %1 add up to %2, not 1</source>
        <translation>les fréquences des actions du nœud %1 totalisent %2, et non 1</translation>
    </message>
    <message>
        <source>the actions of node %1</source>
        <translation>les actions du nœud %1</translation>
    </message>
    <message>
        <source>the record of node %1</source>
        <translation>l’enregistrement du nœud %1</translation>
    </message>
    <message>
        <source>the saved IP combos of node %1</source>
        <translation>les combos IP enregistrés du nœud %1</translation>
    </message>
    <message>
        <source>the saved OOP combos of node %1</source>
        <translation>les combos OOP enregistrés du nœud %1</translation>
    </message>
    <message>
        <source>the saved action figures of node %1</source>
        <translation>les chiffres des actions enregistrés du nœud %1</translation>
    </message>
    <message>
        <source>the saved buckets of node %1</source>
        <translation>les catégories enregistrées du nœud %1</translation>
    </message>
    <message>
        <source>the saved combos of node %1</source>
        <translation>les combos enregistrés du nœud %1</translation>
    </message>
    <message>
        <source>the saved strategy of node %1</source>
        <translation>la stratégie enregistrée du nœud %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>%1: %2 is outside the range %3 to %4</source>
        <translation>%1 : %2 est hors de la plage %3 à %4</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pot de départ</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Tapis effectif</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Plafond de rake</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Exploitabilité cible (%)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (OOP, % pot)</source>
        <translation>All-in si le jam est sous (OOP, % pot)</translation>
    </message>
    <message>
        <source>Add all-in if jam less than (IP, % pot)</source>
        <translation>All-in si le jam est sous (IP, % pot)</translation>
    </message>
    <message>
        <source>Not enough RAM available to this program to solve (after clearing previous results)</source>
        <translation>Pas assez de RAM disponible pour ce programme pour résoudre (après effacement des résultats précédents)</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available to this program</source>
        <translation>Pas assez de RAM pour résoudre ce spot et garder son résultat : le résoudre, consulter le résultat, l&apos;enregistrer et le rouvrir demande environ %1, %2 disponibles pour ce programme</translation>
    </message>
    <message>
        <source>Not enough RAM to solve this spot and keep its result: solving it, looking at the result, saving and opening it again needs about %1, %2 available</source>
        <translation>Pas assez de RAM pour résoudre ce spot et garder son résultat : le résoudre, consulter le résultat, l&apos;enregistrer et le rouvrir demande environ %1, %2 disponibles</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project (it needs about %1, %2 available)</source>
        <translation>Pas assez de RAM pour enregistrer le projet (il demande environ %1, %2 disponibles)</translation>
    </message>
    <message>
        <source>Not enough RAM to save the project: the memory ran out while saving it</source>
        <translation>Pas assez de RAM pour enregistrer le projet : la mémoire a manqué pendant l&apos;enregistrement</translation>
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
        <translation>Charger profil</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer profil</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Les profils enregistrés n&apos;ont pas pu être lus. Ils ont été mis de côté sans modification ; les nouveaux profils sont enregistrés dans une nouvelle liste.</translation>
    </message>
</context>
<context>
    <name>CardPickerDialog</name>
    <message>
        <source>Select card</source>
        <translation>Choisir une carte</translation>
    </message>
    <message>
        <source>Flop card</source>
        <translation>Carte du flop</translation>
    </message>
    <message>
        <source>Turn card</source>
        <translation>Carte du turn</translation>
    </message>
    <message>
        <source>River card</source>
        <translation>Carte de la river</translation>
    </message>
    <message>
        <source>Clear card</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CustomRangeActions</name>
    <message>
        <source>Import failed: appController.readTextFile unavailable.</source>
        <translation>Échec de l&apos;import : appController.readTextFile indisponible.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Import failed: %1</source>
        <translation>Échec de l&apos;import : %1</translation>
    </message>
    <message>
        <source>Import failed: file contained no recognizable hands.</source>
        <translation>Échec de l&apos;import : le fichier ne contient aucune main reconnaissable.</translation>
    </message>
    <message>
        <source>Please enter a name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>No range content to import.</source>
        <translation>Aucune range à importer.</translation>
    </message>
    <message>
        <source>Import failed: the file is not a text file.</source>
        <translation>Échec de l&apos;import : le fichier n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>Please enter a folder name.</source>
        <translation>Veuillez saisir un nom de dossier.</translation>
    </message>
    <message>
        <source>Current range is empty.</source>
        <translation>La range actuelle est vide.</translation>
    </message>
    <message>
        <source>Current range is too long.</source>
        <translation>La range actuelle est trop longue.</translation>
    </message>
    <message>
        <source>Unknown player.</source>
        <translation>Joueur inconnu.</translation>
    </message>
    <message>
        <source>Left out, not read as hands: %1</source>
        <translation>Laissé de côté, non lu comme des mains : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n de plus</numerusform>
            <numerusform>%1 et %n de plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameSettingsCard</name>
    <message>
        <source>Game Settings</source>
        <translation>Réglages de jeu</translation>
    </message>
    <message>
        <source>Starting Pot</source>
        <translation>Pot de départ</translation>
    </message>
    <message>
        <source>e.g., 100</source>
        <translation>ex. : 100</translation>
    </message>
    <message>
        <source>Effective Stack</source>
        <translation>Tapis effectif</translation>
    </message>
    <message>
        <source>Rake (%)</source>
        <translation>Rake (%)</translation>
    </message>
    <message>
        <source>e.g., 5.0</source>
        <translation>ex. : 5.0</translation>
    </message>
    <message>
        <source>Rake Cap</source>
        <translation>Plafond de rake</translation>
    </message>
    <message>
        <source>e.g., 0</source>
        <translation>ex. : 0</translation>
    </message>
    <message>
        <source>Target Exploitability (%)</source>
        <translation>Exploitabilité cible (%)</translation>
    </message>
    <message>
        <source>e.g., 0.10</source>
        <translation>ex. : 0.10</translation>
    </message>
</context>
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>quinte flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>brelan</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>deux paires</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>top paire</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpaire</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>paire moyenne</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>petite paire</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>paire sèche</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>tirage couleur</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>couleur ratée</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>tirage quinte bilatéral</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>bilatéral raté</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>ventrale</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>ventrale ratée</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>couleur backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>rien</translation>
    </message>
</context>
<context>
    <name>HandBucketsCard</name>
    <message>
        <source>Buckets</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 affichées</translation>
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
        <translation>EV :</translation>
    </message>
</context>
<context>
    <name>HandDetailsCard</name>
    <message>
        <source>Hand Details</source>
        <translation>Détail des mains</translation>
    </message>
    <message>
        <source>Search (JJ, 56s, JcJd, ...)</source>
        <translation>Rechercher (JJ, 56s, JcJd, ...)</translation>
    </message>
    <message>
        <source>Loading hand combos…</source>
        <translation>Chargement des combos…</translation>
    </message>
    <message>
        <source>No hand combos to display for this node.</source>
        <translation>Aucun combo pour ce nœud.</translation>
    </message>
    <message>
        <source>Filter: %1</source>
        <translation>Filtre : %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No combos match the current filters.</source>
        <translation>Aucun combo ne correspond aux filtres.</translation>
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
        <translation>Un solveur de hold&apos;em moderne et performant</translation>
    </message>
    <message>
        <source>New Solve</source>
        <translation>Nouvelle résolution</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Could not save the project to %1</source>
        <translation>Impossible d&apos;enregistrer le projet dans %1</translation>
    </message>
    <message>
        <source>Could not open the project: %1</source>
        <translation>Impossible d&apos;ouvrir le projet : %1</translation>
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
        <translation>Projet Velmora (*.velmoraproj)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Clear Play vs. Solution Stats</source>
        <translation>Effacer les statistiques Jouer contre la solution</translation>
    </message>
    <message>
        <source>Clear all Play vs. Solution statistics (today + total)?</source>
        <translation>Effacer toutes les statistiques Jouer contre la solution (aujourd&apos;hui + total) ?</translation>
    </message>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jouer contre la solution</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Hands (Today / Total)</source>
        <translation>Mains (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <source>Accuracy (Today / Total)</source>
        <translation>Précision (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <source>Avg EV Loss (Today / Total)</source>
        <translation>Perte d&apos;EV moy. (aujourd&apos;hui / total)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
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
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Could not save the project to %1: %2</source>
        <translation>Impossible d&apos;enregistrer le projet dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>HomeQuickActions</name>
    <message>
        <source>New Solve</source>
        <translation>Nouvelle résolution</translation>
    </message>
    <message>
        <source>Configure board, ranges, tree</source>
        <translation>Configurer board, ranges et arbre</translation>
    </message>
    <message>
        <source>Quick Solve</source>
        <translation>Résolution rapide</translation>
    </message>
    <message>
        <source>Use default settings</source>
        <translation>Utiliser les réglages par défaut</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <source>Load from file</source>
        <translation>Charger depuis un fichier</translation>
    </message>
    <message>
        <source>Quick Actions</source>
        <translation>Actions rapides</translation>
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
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>LoadProfileDialog</name>
    <message>
        <source>Load Settings Profile</source>
        <translation>Charger un profil de réglages</translation>
    </message>
    <message>
        <source>Choose a saved profile:</source>
        <translation>Choisissez un profil enregistré :</translation>
    </message>
    <message>
        <source>No saved profiles yet.</source>
        <translation>Aucun profil enregistré.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Your saved profiles could not be read. They were kept aside unchanged, and new profiles are saved to a fresh list.</source>
        <translation>Les profils enregistrés n&apos;ont pas pu être lus. Ils ont été mis de côté sans modification ; les nouveaux profils sont enregistrés dans une nouvelle liste.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>This name is too long: a name can have at most %n characters.</source>
        <translation>
            <numerusform>Ce nom est trop long : un nom peut comporter au plus %n caractère.</numerusform>
            <numerusform>Ce nom est trop long : un nom peut comporter au plus %n caractères.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NodeLockPanel</name>
    <message>
        <source>Node-Locking</source>
        <translation>Verrouillage de nœud</translation>
    </message>
    <message>
        <source>Node-locking is only available on decision nodes.</source>
        <translation>Le verrouillage n’est possible qu’aux nœuds de décision.</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Reset weights</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Re-solve</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Tip: select an action above, then click a hand cell in the matrix to lock it.</source>
        <translation>Astuce : choisissez une action ci-dessus, puis cliquez sur une main de la matrice pour la verrouiller.</translation>
    </message>
    <message>
        <source>Re-solve could not start</source>
        <translation>Le recalcul n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>Re-solve ended without a result</source>
        <translation>Le recalcul s&apos;est terminé sans résultat</translation>
    </message>
    <message>
        <source>Enter a weight from 0 to 1 to lock hands.</source>
        <translation>Saisissez un poids de 0 à 1 pour verrouiller des mains.</translation>
    </message>
    <message>
        <source>The weight must be a number from 0 to 1, such as 0.5.</source>
        <translation>Le poids doit être un nombre de 0 à 1, par exemple 0,5.</translation>
    </message>
    <message>
        <source>The weight is a probability from 0 to 1: write 50 % as 0.5.</source>
        <translation>Le poids est une probabilité de 0 à 1 : écrivez 50 % sous la forme 0,5.</translation>
    </message>
</context>
<context>
    <name>PlayArea</name>
    <message>
        <source>Play vs. Solution</source>
        <translation>Jouer contre la solution</translation>
    </message>
    <message>
        <source>Role: %1</source>
        <translation>Rôle : %1</translation>
    </message>
    <message>
        <source>Choose a role to start</source>
        <translation>Choisissez un rôle pour commencer</translation>
    </message>
    <message>
        <source>Both seats</source>
        <translation>Les deux places</translation>
    </message>
</context>
<context>
    <name>PlayEngine</name>
    <message>
        <source>Wrong — best: %1 (EV -%2)</source>
        <translation>Faux — meilleure : %1 (EV -%2)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1 at this node, so there is no decision to take. Solve the spot again to play it.</source>
        <translation>Aucune main n'a pu être distribuée à %1 à ce nœud : il n'y a donc aucune décision à prendre. Résolvez à nouveau le spot pour le jouer.</translation>
    </message>
    <message>
        <source>No hand could be dealt to %1: this node&apos;s details were not saved with the project. Solve the spot again to play it.</source>
        <translation>Aucune main n&apos;a pu être distribuée à %1 : les détails de ce nœud n&apos;ont pas été enregistrés avec le projet. Résolvez à nouveau le spot pour le jouer.</translation>
    </message>
    <message>
        <source>Not graded: the hand %1 meets no hand of the opponent's range here, so it has no EV.</source>
        <translation>Non évalué : la main %1 ne rencontre ici aucune main de la range adverse, elle n'a donc pas d'EV.</translation>
    </message>
    <message>
        <source>Not graded: this hand has no EV here</source>
        <translation>Non évalué : cette main n'a pas d'EV ici</translation>
    </message>
</context>
<context>
    <name>PlayHandDetailsPanel</name>
    <message>
        <source>Hand details</source>
        <translation>Détails de la main</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Mains</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gagnant : %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagné : %1</translation>
    </message>
    <message>
        <source>Rake: %1</source>
        <translation>Rake : %1</translation>
    </message>
    <message>
        <source>EV lost: %1</source>
        <translation>EV perdue : %1</translation>
    </message>
    <message>
        <source>Incorrect: %1</source>
        <translation>Incorrecte : %1</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Correcte : %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the flop: %1</source>
        <translation>Arrêtée à l'erreur au flop : %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the turn: %1</source>
        <translation>Arrêtée à l'erreur au turn : %1</translation>
    </message>
    <message>
        <source>Stopped at the mistake on the river: %1</source>
        <translation>Arrêtée à l'erreur à la river : %1</translation>
    </message>
</context>
<context>
    <name>PlayHandLogPanel</name>
    <message>
        <source>Hand Log</source>
        <translation>Historique des mains</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mains</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 main</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Parfait</translation>
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
        <translation>Tapis : —</translation>
    </message>
    <message>
        <source>Stack: %1</source>
        <translation>Tapis : %1</translation>
    </message>
</context>
<context>
    <name>PlayTable</name>
    <message>
        <source>Pot: —</source>
        <translation>Pot : —</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot : %1</translation>
    </message>
    <message>
        <source>Play as OOP</source>
        <translation>Jouer OOP</translation>
    </message>
    <message>
        <source>Play as both</source>
        <translation>Jouer les deux</translation>
    </message>
    <message>
        <source>Play as IP</source>
        <translation>Jouer IP</translation>
    </message>
    <message>
        <source>Another hand</source>
        <translation>Autre main</translation>
    </message>
    <message>
        <source>Click Turn/River to change</source>
        <translation>Cliquez turn/river pour changer</translation>
    </message>
    <message>
        <source>Stop drill</source>
        <translation>Arrêter l&apos;exercice</translation>
    </message>
    <message>
        <source>Drill spot</source>
        <translation>Exercer le spot</translation>
    </message>
    <message>
        <source>OOP action: %1</source>
        <translation>Action OOP : %1</translation>
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
        <translation>Échec de l&apos;export : appController.saveTextFile indisponible.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Échec de l&apos;export : %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialogs</name>
    <message>
        <source>Save Settings Profile</source>
        <translation>Enregistrer un profil de réglages</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nom du profil :</translation>
    </message>
    <message>
        <source>e.g., 100bb rake-free (fast)</source>
        <translation>p. ex. 100bb sans rake (rapide)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete settings profile</source>
        <translation>Supprimer le profil de réglages</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this saved profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil enregistré ?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
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
        <translation>Configuration du projet</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Setup Required</source>
        <translation>Configuration requise</translation>
    </message>
    <message>
        <source>Solve RAM: %1</source>
        <translation>RAM de résolution : %1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Available RAM: %1</source>
        <translation>RAM disponible : %1</translation>
    </message>
    <message>
        <source>Continue to Solve →</source>
        <translation>Passer à la résolution →</translation>
    </message>
    <message>
        <source>Needs more memory than available</source>
        <translation>Nécessite plus de mémoire que disponible</translation>
    </message>
    <message>
        <source>Not enough free memory for this spot: close other programs or use fewer sizes</source>
        <translation>Pas assez de mémoire libre pour ce spot : fermez d&apos;autres programmes ou utilisez moins de tailles</translation>
    </message>
    <message>
        <source>Waiting for the memory estimate of this spot</source>
        <translation>En attente de l&apos;estimation de mémoire de ce spot</translation>
    </message>
    <message>
        <source>%1 flop bet sizes: enter at least one size</source>
        <translation>Mises de %1 au flop : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 flop raise sizes: enter at least one size</source>
        <translation>Relances de %1 au flop : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 turn bet sizes: enter at least one size</source>
        <translation>Mises de %1 au turn : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 turn raise sizes: enter at least one size</source>
        <translation>Relances de %1 au turn : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 river bet sizes: enter at least one size</source>
        <translation>Mises de %1 à la river : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 river raise sizes: enter at least one size</source>
        <translation>Relances de %1 à la river : saisissez au moins une taille</translation>
    </message>
    <message>
        <source>%1 range: %2</source>
        <translation>Range %1 : %2</translation>
    </message>
    <message>
        <source>%1 range: select at least one hand</source>
        <translation>Range %1 : sélectionnez au moins une main</translation>
    </message>
    <message>
        <source>Board: a river start needs a river card</source>
        <translation>Board : un départ à la river demande la carte de la river</translation>
    </message>
    <message>
        <source>Board: a turn start needs a turn card</source>
        <translation>Board : un départ au turn demande la carte du turn</translation>
    </message>
    <message>
        <source>Board: choose the three flop cards (the turn and the river may follow)</source>
        <translation>Board : choisissez les trois cartes du flop (le turn et la river peuvent suivre)</translation>
    </message>
    <message>
        <source>Board: choose the turn card before the river, or clear the river</source>
        <translation>Board : choisissez la carte du turn avant la river, ou retirez la river</translation>
    </message>
    <message>
        <source>Not enough memory available to this program for this spot: use fewer sizes</source>
        <translation>Pas assez de mémoire disponible pour ce programme pour ce spot : utilisez moins de tailles</translation>
    </message>
</context>
<context>
    <name>ProjectTextField</name>
    <message>
        <source>%1: enter a value</source>
        <translation>%1 : saisissez une valeur</translation>
    </message>
    <message>
        <source>%1: enter a whole number from %2 to %3</source>
        <translation>%1 : saisissez un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1: chips are whole numbers, type digits only</source>
        <translation>%1 : les jetons sont des nombres entiers, saisissez uniquement des chiffres</translation>
    </message>
    <message>
        <source>%1: type a point for decimals (0.5), no comma</source>
        <translation>%1 : saisissez les décimales avec un point (0.5), pas de virgule</translation>
    </message>
    <message>
        <source>%1: at most %2 digits after the point</source>
        <translation>%1 : au plus %2 chiffres après le point</translation>
    </message>
    <message>
        <source>%1: enter a number from %2 to %3</source>
        <translation>%1 : saisissez un nombre de %2 à %3</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>Please enter a name.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>Please select a profile.</source>
        <translation>Veuillez choisir un profil.</translation>
    </message>
</context>
<context>
    <name>AppFileDialog</name>
    <message>
        <source>Up</source>
        <translation>Remonter</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
</context>
<context>
    <name>RangeDialogs</name>
    <message>
        <source>Are you sure you want to delete this folder?</source>
        <translation>Voulez-vous vraiment supprimer ce dossier ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this range?</source>
        <translation>Voulez-vous vraiment supprimer cette range ?</translation>
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
        <translation>Enregistrer la range OOP</translation>
    </message>
    <message>
        <source>Save IP range</source>
        <translation>Enregistrer la range IP</translation>
    </message>
    <message>
        <source>Name this range:</source>
        <translation>Nom de la range :</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB (default)</source>
        <translation>p. ex. BTN vs BB (défaut)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add folder (OOP)</source>
        <translation>Ajouter un dossier (OOP)</translation>
    </message>
    <message>
        <source>Add folder (IP)</source>
        <translation>Ajouter un dossier (IP)</translation>
    </message>
    <message>
        <source>Folder name:</source>
        <translation>Nom du dossier :</translation>
    </message>
    <message>
        <source>e.g., BTN vs BB</source>
        <translation>p. ex. BTN vs BB</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Import Range</source>
        <translation>Importer une range</translation>
    </message>
    <message>
        <source>e.g., BTN open (custom)</source>
        <translation>p. ex. BTN open (perso)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Delete range</source>
        <translation>Supprimer la range</translation>
    </message>
    <message>
        <source>This will also delete %1 range(s). This cannot be undone.</source>
        <translation>Cela supprimera aussi %1 élément(s). Cette action est irréversible.</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Range text (*.txt)</source>
        <translation>Texte de range (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Standard Ranges</source>
        <translation>Exporter les ranges standard</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>Export Population Ranges</source>
        <translation>Exporter les ranges de population</translation>
    </message>
    <message>
        <source>Clear standard overrides</source>
        <translation>Effacer les remplacements standard</translation>
    </message>
    <message>
        <source>Clear all locally overridden standard ranges for %1?</source>
        <translation>Effacer toutes les ranges standard remplacées localement pour %1 ?</translation>
    </message>
    <message>
        <source>Clear population overrides</source>
        <translation>Effacer les remplacements de population</translation>
    </message>
    <message>
        <source>Clear all locally overridden population ranges for %1?</source>
        <translation>Effacer toutes les ranges de population remplacées localement pour %1 ?</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>p. ex. AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mains</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>No rake</source>
        <translation>Sans rake</translation>
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
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Coucher</translation>
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
        <translation>Limp-suivre</translation>
    </message>
    <message>
        <source>Limp-3b</source>
        <translation>Limp-3b</translation>
    </message>
    <message>
        <source>Call raise</source>
        <translation>Suivre la relance</translation>
    </message>
    <message>
        <source>Check back</source>
        <translation>Checker</translation>
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
        <translation>Suivre 3b</translation>
    </message>
    <message>
        <source>Call 4b</source>
        <translation>Suivre 4b</translation>
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
        <translation>Regs plus faibles</translation>
    </message>
    <message>
        <source>Tighter reg</source>
        <translation>Reg plus serré</translation>
    </message>
    <message>
        <source>Looser reg</source>
        <translation>Reg plus large</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passif</translation>
    </message>
    <message>
        <source>Passive tight</source>
        <translation>Passif serré</translation>
    </message>
    <message>
        <source>Passive neutral</source>
        <translation>Passif neutre</translation>
    </message>
    <message>
        <source>Passive loose</source>
        <translation>Passif large</translation>
    </message>
    <message>
        <source>Extreme loose</source>
        <translation>Très large</translation>
    </message>
    <message>
        <source>Loose aggressive</source>
        <translation>Large agressif</translation>
    </message>
    <message>
        <source>Standard LAG</source>
        <translation>LAG standard</translation>
    </message>
    <message>
        <source>Maniac</source>
        <translation>Maniaque</translation>
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
        <translation>Ranges standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges de population</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Ranges perso</translation>
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
        <translation>Ranges standard</translation>
    </message>
    <message>
        <source>Population Ranges</source>
        <translation>Ranges de population</translation>
    </message>
    <message>
        <source>Custom Ranges</source>
        <translation>Ranges perso</translation>
    </message>
    <message>
        <source>No ranges yet.</source>
        <translation>Aucune range.</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Export standard…</source>
        <translation>Exporter standard…</translation>
    </message>
    <message>
        <source>Export population…</source>
        <translation>Exporter population…</translation>
    </message>
    <message>
        <source>Clear overrides…</source>
        <translation>Effacer les remplacements…</translation>
    </message>
    <message>
        <source>Save current range…</source>
        <translation>Enregistrer la range…</translation>
    </message>
    <message>
        <source>Import range…</source>
        <translation>Importer une range…</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Delete selected…</source>
        <translation>Supprimer la sélection…</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read. They were kept aside unchanged, and new ranges are saved to a fresh list.</source>
        <translation>Les ranges enregistrées n&apos;ont pas pu être lues. Elles ont été mises de côté sans modification ; les nouvelles ranges sont enregistrées dans une nouvelle liste.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read. They were kept aside unchanged, and the shipped ranges are shown.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas pu être lues. Elles ont été mises de côté sans modification ; les ranges d&apos;origine sont affichées.</translation>
    </message>
</context>
<context>
    <name>RangeTextField</name>
    <message>
        <source>e.g., AA, KK, AKs, QQ+ or 50%</source>
        <translation>ex. : AA, KK, AKs, QQ+ ou 50%</translation>
    </message>
</context>
<context>
    <name>ResultsChancePicker</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
</context>
<context>
    <name>ResultsHandMatrixColumn</name>
    <message>
        <source>Strategy by Hand</source>
        <translation>Stratégie par main</translation>
    </message>
    <message>
        <source>Standard mode</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Node-lock mode</source>
        <translation>Verrouillage</translation>
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
        <translation>Tapis (%1)</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>To call</source>
        <translation>À suivre</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Random river card</source>
        <translation>River aléatoire</translation>
    </message>
    <message>
        <source>Random turn card</source>
        <translation>Turn aléatoire</translation>
    </message>
    <message>
        <source>This node&apos;s details were not saved with the project. Solve the spot again to see them.</source>
        <translation>Les détails de ce nœud n&apos;ont pas été enregistrés avec le projet. Résolvez à nouveau le spot pour les voir.</translation>
    </message>
    <message>
        <source>Choose Turn Card</source>
        <translation>Choisir la carte du turn</translation>
    </message>
    <message>
        <source>Choose River Card</source>
        <translation>Choisir la carte de la river</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyHeader</name>
    <message>
        <source>Strategy View</source>
        <translation>Vue stratégie</translation>
    </message>
    <message>
        <source>%1 to act</source>
        <translation>%1 doit agir</translation>
    </message>
    <message>
        <source>Range view</source>
        <translation>Vue des ranges</translation>
    </message>
    <message>
        <source>Play vs solution</source>
        <translation>Contre solution</translation>
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
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Résolution...</translation>
    </message>
</context>
<context>
    <name>ResultsStrategyPanel</name>
    <message>
        <source>Action Frequencies</source>
        <translation>Fréquences des actions</translation>
    </message>
</context>
<context>
    <name>ResultsTreeLevel</name>
    <message>
        <source>Available actions</source>
        <translation>Actions disponibles</translation>
    </message>
    <message>
        <source>%1 options</source>
        <translation>%1 options</translation>
    </message>
    <message>
        <source>Deal %1</source>
        <translation>Distribuer %1</translation>
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
        <translation>Verrouillées : %1</translation>
    </message>
    <message>
        <source>Locks set: %1 — Re-solve to apply</source>
        <translation>Verrous définis : %1 — « Recalculer » pour les appliquer</translation>
    </message>
    <message>
        <source>Locks set: %1 — not known if these results use them; Re-solve to apply</source>
        <translation>Verrous définis : %1 — on ne sait pas si ces résultats en tiennent compte ; « Recalculer » pour les appliquer</translation>
    </message>
</context>
<context>
    <name>ResultsTreePanel</name>
    <message>
        <source>Game Tree</source>
        <translation>Arbre de jeu</translation>
    </message>
    <message>
        <source>A solve is running. The tree appears when it ends.</source>
        <translation>Un calcul est en cours. L&apos;arbre apparaîtra à la fin.</translation>
    </message>
</context>
<context>
    <name>SettingsLicensesCard</name>
    <message>
        <source>Licenses</source>
        <translation>Licences</translation>
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
        <translation>Les mentions et textes de licence tiers se trouvent dans le dossier « licenses » à côté de l&apos;exécutable.</translation>
    </message>
    <message>
        <source>Open licenses folder</source>
        <translation>Ouvrir le dossier des licences</translation>
    </message>
    <message>
        <source>Open notices</source>
        <translation>Ouvrir les mentions</translation>
    </message>
    <message>
        <source>The licenses folder %1 does not exist.</source>
        <translation>Le dossier des licences %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No program on this computer opens folders, so the licenses folder could not be shown. It is %1.</source>
        <translation>Aucun programme de cet ordinateur n&apos;ouvre les dossiers : le dossier des licences n&apos;a pas pu être affiché. Il se trouve ici : %1.</translation>
    </message>
    <message>
        <source>The notices file %1 does not exist.</source>
        <translation>Le fichier des mentions %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No program on this computer opens text files, so the notices could not be shown. They are in the file %1.</source>
        <translation>Aucun programme de cet ordinateur n&apos;ouvre les fichiers texte : les mentions n&apos;ont pas pu être affichées. Elles se trouvent dans le fichier %1.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Dark Mode</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <source>Use dark color scheme throughout the interface</source>
        <translation>Utiliser le thème sombre dans toute l&apos;interface</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Change the app language (takes effect immediately)</source>
        <translation>Changer la langue de l&apos;application (effet immédiat)</translation>
    </message>
    <message>
        <source>Accent Color</source>
        <translation>Couleur d&apos;accent</translation>
    </message>
    <message>
        <source>Customize the app highlight color (buttons, accents, clubs/check).</source>
        <translation>Personnaliser la couleur de mise en avant (boutons, accents, trèfles/check).</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
</context>
<context>
    <name>SettingsUpdatesCard</name>
    <message>
        <source>Current version: %1</source>
        <translation>Version actuelle : %1</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Dernière vérification : %1</translation>
    </message>
    <message>
        <source>Update available: %1</source>
        <translation>Mise à jour disponible : %1</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Download update</source>
        <translation>Télécharger la mise à jour</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Overview &amp; quick actions</source>
        <translation>Aperçu et actions rapides</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Board, ranges, tree</source>
        <translation>Board, ranges, arbre</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Run solver</source>
        <translation>Lancer le solveur</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Browse strategies</source>
        <translation>Parcourir les stratégies</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
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
        <translation>Solveur de poker</translation>
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
        <translation>Tailles OOP</translation>
    </message>
    <message>
        <source>IP Sizing</source>
        <translation>Tailles IP</translation>
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
        <translation>Mises (%)</translation>
    </message>
    <message>
        <source>33, 75, 125</source>
        <translation>33, 75, 125</translation>
    </message>
    <message>
        <source>Raise sizes (%)</source>
        <translation>Relances (%)</translation>
    </message>
    <message>
        <source>75, 125, 200</source>
        <translation>75, 125, 200</translation>
    </message>
    <message>
        <source>Add All-In</source>
        <translation>Ajouter all-in</translation>
    </message>
    <message>
        <source>Don&apos;t donk</source>
        <translation>Pas de donk</translation>
    </message>
    <message>
        <source>Add all-in if jam less than</source>
        <translation>All-in si le jam est sous</translation>
    </message>
    <message>
        <source>e.g. 30</source>
        <translation>ex. 30</translation>
    </message>
    <message>
        <source>% pot</source>
        <translation>% pot</translation>
    </message>
    <message>
        <source>OOP jam threshold</source>
        <translation>Seuil de jam OOP</translation>
    </message>
    <message>
        <source>IP jam threshold</source>
        <translation>Seuil de jam IP</translation>
    </message>
</context>
<context>
    <name>SolveActivityGrid</name>
    <message>
        <source>Solve Activity</source>
        <translation>Activité de résolution</translation>
    </message>
    <message>
        <source>Last 52 weeks</source>
        <translation>52 dernières semaines</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> (future)</source>
        <translation> (futur)</translation>
    </message>
    <message>
        <source>Solves: %1</source>
        <translation>Résolutions : %1</translation>
    </message>
    <message>
        <source>Avg iters: %1</source>
        <translation>Itér. moy. : %1</translation>
    </message>
    <message>
        <source>Avg expl: %1</source>
        <translation>Expl. moy. : %1</translation>
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
        <translation>jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim</translation>
    </message>
</context>
<context>
    <name>SolveComputeCard</name>
    <message>
        <source>Compute</source>
        <translation>Calcul</translation>
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
        <translation>Précision</translation>
    </message>
</context>
<context>
    <name>SolveConfigCard</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Pot / Stack</source>
        <translation>Pot / Tapis</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Rake</source>
        <translation>Rake</translation>
    </message>
    <message>
        <source>Bet sizes</source>
        <translation>Tailles de mise</translation>
    </message>
    <message>
        <source>Options enabled</source>
        <translation>Options activées</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Résolution...</translation>
    </message>
    <message>
        <source>Start Solve</source>
        <translation>Lancer la résolution</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>View Results →</source>
        <translation>Voir les résultats →</translation>
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
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Prêt à résoudre</translation>
    </message>
    <message>
        <source>Finalizing…</source>
        <translation>Finalisation…</translation>
    </message>
    <message>
        <source>Iteration %1 | exploitability=%2</source>
        <translation>Itération %1 | exploitabilité=%2</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on flop</source>
        <translation>OOP : pas de donk au flop</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on turn</source>
        <translation>OOP : pas de donk au turn</translation>
    </message>
    <message>
        <source>OOP: don&apos;t donk on river</source>
        <translation>OOP : pas de donk à la river</translation>
    </message>
    <message>
        <source>OOP: add all-in on flop</source>
        <translation>OOP : ajouter tapis au flop</translation>
    </message>
    <message>
        <source>OOP: add all-in on turn</source>
        <translation>OOP : ajouter tapis au turn</translation>
    </message>
    <message>
        <source>OOP: add all-in on river</source>
        <translation>OOP : ajouter tapis à la river</translation>
    </message>
    <message>
        <source>IP: add all-in on flop</source>
        <translation>IP : ajouter tapis au flop</translation>
    </message>
    <message>
        <source>IP: add all-in on turn</source>
        <translation>IP : ajouter tapis au turn</translation>
    </message>
    <message>
        <source>IP: add all-in on river</source>
        <translation>IP : ajouter tapis à la river</translation>
    </message>
    <message>
        <source>OOP: add all-in if jam &lt; %1% pot</source>
        <translation>OOP : tapis si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <source>IP: add all-in if jam &lt; %1% pot</source>
        <translation>IP : tapis si jam &lt; %1% du pot</translation>
    </message>
    <message>
        <source>%1% (= %2)</source>
        <translation>%1 % (= %2)</translation>
    </message>
    <message>
        <source>%1% (cap %2)</source>
        <translation>%1 % (plafond %2)</translation>
    </message>
    <message>
        <source>F %1/%2 • T %3/%4 • R %5/%6</source>
        <translation>F %1/%2 • T %3/%4 • R %5/%6</translation>
    </message>
    <message>
        <source>Iterations %1 • Target %2% (≈ %3) • Threads %4</source>
        <translation>Itérations %1 • Cible %2 % (≈ %3) • Threads %4</translation>
    </message>
    <message>
        <source>Run the CFR solver and monitor progress in real-time.</source>
        <translation>Lancez le solveur CFR et suivez la progression en temps réel.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Init: building game object...</source>
        <translation>Init : création de l&apos;objet de jeu...</translation>
    </message>
    <message>
        <source>Init: building game tree structures...</source>
        <translation>Init : construction de l&apos;arbre de jeu...</translation>
    </message>
    <message>
        <source>Init: starting solver...</source>
        <translation>Init : démarrage du solveur...</translation>
    </message>
    <message>
        <source>Finalizing: computing results...</source>
        <translation>Finalisation : calcul des résultats...</translation>
    </message>
    <message>
        <source>Finalizing: building result snapshot...</source>
        <translation>Finalisation : création de l&apos;instantané des résultats...</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Iterations %1 / %2 • Target %3% (≈ %4) • Threads %5</source>
        <translation>Itérations %1 / %2 • Cible %3 % (≈ %4) • Threads %5</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2</source>
        <translation>Terminé : cible non atteinte, %1 pour %2</translation>
    </message>
    <message>
        <source>Not reached</source>
        <translation>Non atteinte</translation>
    </message>
    <message>
        <source>Done: target not reached, %1 against %2 • Iterations %3 / %4 • Threads %5</source>
        <translation>Terminé : cible non atteinte, %1 pour %2 • Itérations %3 / %4 • Threads %5</translation>
    </message>
</context>
<context>
    <name>SolveProgressCard</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Solver converged — finalizing results…</source>
        <translation>Solveur convergé — finalisation des résultats…</translation>
    </message>
    <message>
        <source>Window %1/%2</source>
        <translation>Fenêtre %1/%2</translation>
    </message>
    <message>
        <source>Iterations: %1</source>
        <translation>Itérations : %1</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>it/s</source>
        <translation>it/s</translation>
    </message>
    <message>
        <source>Exploitability</source>
        <translation>Exploitabilité</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>Mesure...</translation>
    </message>
    <message>
        <source>Iterations: %1 / %2</source>
        <translation>Itérations : %1 / %2</translation>
    </message>
    <message>
        <source>Solved for another setup than the one summarised here</source>
        <translation>Résolu pour une autre configuration que celle résumée ici</translation>
    </message>
</context>
<context>
    <name>SolveRunsCard</name>
    <message>
        <source>Recent Runs</source>
        <translation>Exécutions récentes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>No runs yet — click Start Solve to record a run here.</source>
        <translation>Aucune exécution — cliquez sur Lancer la résolution pour en enregistrer une ici.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
    <message>
        <source>Finalizing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Start a new project (or load one) from Home to enable Project</source>
        <translation>Démarrez un nouveau projet (ou chargez-en un) depuis l&apos;accueil pour activer Projet</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Fill board, ranges, and sizings to enable Solve</source>
        <translation>Renseignez board, ranges et tailles de mise pour activer Résoudre</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Run a solve to enable Results</source>
        <translation>Lancez une résolution pour activer Résultats</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>This spot needs more memory than this machine has available</source>
        <translation>Ce spot nécessite plus de mémoire que cette machine n&apos;en a de disponible</translation>
    </message>
    <message>
        <source>This spot needs more memory than is available to this program</source>
        <translation>Ce spot nécessite plus de mémoire qu&apos;il n&apos;y en a de disponible pour ce programme</translation>
    </message>
</context>
<context>
    <name>TreeNode</name>
    <message>
        <source>Deal</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>Pot : %1</translation>
    </message>
    <message>
        <source>Freq: %1%</source>
        <translation>Fréq. : %1%</translation>
    </message>
    <message>
        <source>Freq: —</source>
        <translation>Fréq. : —</translation>
    </message>
    <message>
        <source>EV: %1%2</source>
        <translation>EV : %1%2</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>L&apos;adresse de mise à jour n&apos;est pas configurée.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Réponse de mise à jour invalide (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Aucune adresse de téléchargement disponible.</translation>
    </message>
    <message>
        <source>the answer is larger than %1</source>
        <translation>la réponse dépasse %1</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Une partie de votre fichier de paramètres %1 est endommagée et n&apos;a pas pu être lue ; le programme utilise les valeurs par défaut à la place.</translation>
    </message>
    <message>
        <source>Your settings could not be read from %1, so the program started with the default settings.</source>
        <translation>Vos paramètres n&apos;ont pas pu être lus depuis %1 ; le programme a donc démarré avec les paramètres par défaut.</translation>
    </message>
    <message>
        <source>The dark mode and accent color could not be saved to %1; the next start will show the previous ones.</source>
        <translation>Le mode sombre et la couleur d&apos;accent n&apos;ont pas pu être enregistrés dans %1 ; le prochain démarrage affichera les précédents.</translation>
    </message>
    <message>
        <source>The language choice could not be saved to %1; the next start will not keep it.</source>
        <translation>La langue choisie n&apos;a pas pu être enregistrée dans %1 ; le prochain démarrage ne la conservera pas.</translation>
    </message>
    <message>
        <source>The play vs. solution statistics could not be saved to %1.</source>
        <translation>Les statistiques de Jouer contre la solution n&apos;ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>The finished solve could not be added to the solve activity in %1.</source>
        <translation>La résolution terminée n&apos;a pas pu être ajoutée à l&apos;activité de résolution dans %1.</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.</source>
        <translation>Vos paramètres n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>The file cannot be read (check its permissions); it is left as it is, and nothing can be saved until it can be read.</source>
        <translation>Le fichier ne peut pas être lu (vérifiez ses droits d&apos;accès) ; il est laissé tel quel, et rien ne peut être enregistré tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written (check their permissions).</source>
        <translation>Le fichier ou son dossier n&apos;est pas accessible en écriture (vérifiez les droits d&apos;accès).</translation>
    </message>
    <message>
        <source>The disk that holds the file is full (free some space there and save again).</source>
        <translation>Le disque qui contient le fichier est plein (libérez-y de l&apos;espace et enregistrez à nouveau).</translation>
    </message>
    <message>
        <source>The file could not be written in full: a disk quota or a limit on the size of files leaves no room for it.</source>
        <translation>Le fichier n&apos;a pas pu être écrit en entier : un quota de disque ou une limite de taille des fichiers ne lui laisse pas la place.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be taken: another running copy of Caldirune keeps it, or something else stands at that name (remove it if no other copy is running).</source>
        <translation>Son verrou %1 ne peut pas être pris : une autre copie de Caldirune en cours d&apos;exécution le détient, ou autre chose porte ce nom (supprimez-le si aucune autre copie n&apos;est en cours d&apos;exécution).</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
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
        <translation>Les profils de réglages n&apos;ont pas été enregistrés : une autre copie de Caldirune en cours d&apos;exécution gardait le fichier de réglages %1 verrouillé. La modification reste dans cette fenêtre et sera enregistrée avec la prochaine modification.</translation>
    </message>
    <message>
        <source>Your ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Les ranges n&apos;ont pas été enregistrées : une autre copie de Caldirune en cours d&apos;exécution gardait le fichier de réglages %1 verrouillé. La modification reste dans cette fenêtre et sera enregistrée avec la prochaine modification.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges were not saved: another running copy of Caldirune kept the settings file %1 locked. The change stays in this window and is saved with your next change.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas été enregistrées : une autre copie de Caldirune en cours d&apos;exécution gardait le fichier de réglages %1 verrouillé. La modification reste dans cette fenêtre et sera enregistrée avec la prochaine modification.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Les profils de réglages n&apos;ont pas pu être lus : le fichier de réglages %1 est illisible. Rien n&apos;y est enregistré tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Your saved ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Les ranges enregistrées n&apos;ont pas pu être lues : le fichier de réglages %1 est illisible. Rien n&apos;y est enregistré tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be read: the settings file %1 cannot be read. Nothing is saved to it until it can be read.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas pu être lues : le fichier de réglages %1 est illisible. Rien n&apos;y est enregistré tant qu&apos;il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Les profils de réglages n&apos;ont pas pu être enregistrés : impossible d&apos;écrire dans le fichier de réglages %1 ou dans son dossier. La modification reste uniquement dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Les profils de réglages n&apos;ont pas pu être enregistrés : le disque qui contient le fichier de réglages %1 est plein. Libérez-y de l&apos;espace ; la modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
    <message>
        <source>Your settings profiles could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Les profils de réglages n&apos;ont pas pu être enregistrés : le fichier de réglages %1 n&apos;a pas pu être écrit en entier (un quota de disque ou une limite de taille des fichiers ne lui laisse pas la place). La modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Les ranges n&apos;ont pas pu être enregistrées : impossible d&apos;écrire dans le fichier de réglages %1 ou dans son dossier. La modification reste uniquement dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Les ranges n&apos;ont pas pu être enregistrées : le disque qui contient le fichier de réglages %1 est plein. Libérez-y de l&apos;espace ; la modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
    <message>
        <source>Your ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Les ranges n&apos;ont pas pu être enregistrées : le fichier de réglages %1 n&apos;a pas pu être écrit en entier (un quota de disque ou une limite de taille des fichiers ne lui laisse pas la place). La modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 or its folder cannot be written. The change stays in this window only.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas pu être enregistrées : impossible d&apos;écrire dans le fichier de réglages %1 ou dans son dossier. La modification reste uniquement dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the disk that holds the settings file %1 is full. Free some space there; the change stays in this window and is saved with your next change.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas pu être enregistrées : le disque qui contient le fichier de réglages %1 est plein. Libérez-y de l&apos;espace ; la modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
    <message>
        <source>Your changes to these built-in ranges could not be saved: the settings file %1 could not be written in full (a disk quota or a limit on the size of files leaves no room for it). The change stays in this window and is saved with your next change.</source>
        <translation>Les modifications de ces ranges intégrées n&apos;ont pas pu être enregistrées : le fichier de réglages %1 n&apos;a pas pu être écrit en entier (un quota de disque ou une limite de taille des fichiers ne lui laisse pas la place). La modification reste dans cette fenêtre et sera enregistrée avec votre prochaine modification.</translation>
    </message>
</context>
</TS>
