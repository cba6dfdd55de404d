<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation>Algérie</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentine</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivie</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnie-Herzégovine</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgarie</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Cameroun</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation>Colombie</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croatie</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>République tchèque</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danemark</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Équateur</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Égypte</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Angleterre</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabon</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Géorgie</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grèce</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hongrie</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islande</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Inde</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>Côte d’Ivoire</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaïque</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Mali</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation>Monténégro</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Maroc</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlande du Nord</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Republic of Ireland</source>
        <translation>République d’Irlande</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roumanie</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabie saoudite</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Écosse</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Sénégal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Serbie</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Slovaquie</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slovénie</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Afrique du Sud</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corée du Sud</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation>Trinité-et-Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Tunisie</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Wales</source>
        <translation>pays de Galles</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation>Zambie</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>A portable copy plays the player list in its database folder: copy the game&apos;s data.txt back there.</source>
        <translation>Une copie portable du jeu lit la liste des joueurs dans son dossier database&#xa0;: remettez-y le fichier data.txt du jeu.</translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation>Pour revenir à la liste fournie avec le jeu, déplacez ce fichier ailleurs.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation>Bravo&#xa0;!!!</translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Partie terminée… Vous avez marqué %n point
C’était %1</numerusform>
            <numerusform>Partie terminée… Vous avez marqué %n points
C’était %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Bravo, vous prenez la place numéro %1 avec %2.
La dernière réponse était %3</translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation>Je suis un boulet</translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Entre-temps, d’autres parties ont pris les places du tableau&#xa0;: %n point ne suffit plus pour y entrer.</numerusform>
            <numerusform>Entre-temps, d’autres parties ont pris les places du tableau&#xa0;: %n points ne suffisent plus pour y entrer.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Le tableau des meilleurs scores a changé entre-temps&#xa0;: votre score de %1 a pris la place numéro %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameWidgets</name>
    <message>
        <source>Scoring points:
If you guess the right letter = %1
Next level = %2, %3

Starting time is %4sec -%5sec for every level passed</source>
        <extracomment>%1: &quot;1 point&quot;; %2 and %3: &quot;2 points&quot;, &quot;2 lives&quot;; %4 and %5: seconds</extracomment>
        <translation>Comment marquer des points&#xa0;:
Chaque bonne lettre trouvée = %1
Niveau suivant = %2, %3

Temps de départ&#xa0;: %4&#xa0;s, puis %5&#xa0;s de moins par niveau réussi</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n vie</numerusform>
            <numerusform>%n vies</numerusform>
        </translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>Enter letter</source>
        <translation>Proposer</translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation>Origine&#xa0;:</translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation>Nombre de vies</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>To start a fresh table, move this file away or delete it: the game makes a new one at the next placement.</source>
        <translation>Pour repartir d’un tableau vierge, déplacez ce fichier ailleurs ou supprimez-le&#xa0;: le jeu en créera un nouveau la prochaine fois qu’un score entrera au tableau.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Pour repartir d’un tableau vierge, demandez au propriétaire du dossier qui le contient de déplacer ce fichier ailleurs ou de le supprimer (vous n’en avez pas le droit)&#xa0;: le jeu en créera un nouveau la prochaine fois qu’un score entrera au tableau.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Pour repartir d’un tableau vierge, demandez à %1, propriétaire du dossier qui le contient, de déplacer ce fichier ailleurs ou de le supprimer (vous n’en avez pas le droit)&#xa0;: le jeu en créera un nouveau la prochaine fois qu’un score entrera au tableau.</translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation>Ou bien, puisque vous avez le droit de le modifier, réparez-le dans un éditeur de texte, ou faites-en vous-même un tableau vierge&#xa0;: cinq lignes vides, puis cinq lignes contenant 0.</translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation>une autre copie du jeu le garde verrouillé</translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation>le fichier s’arrête ici, alors qu’un fichier de meilleurs scores compte %1 lignes&#xa0;: cinq noms, puis cinq scores.</translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation>le score %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation>la place %1 contient un saut de ligne</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation>Nomilo ne peut pas continuer.

%1</translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation>place %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 point</numerusform>
            <numerusform>%1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation>Origine&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation>
            <numerusform>%n vie</numerusform>
            <numerusform>%n vies</numerusform>
        </translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation>
            <numerusform>%n seconde restante</numerusform>
            <numerusform>%n secondes restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation>le nom %1 contient un caractère que personne ne peut taper au clavier</translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation>ne contient aucun nom de joueur&#xa0;; il en faut au moins un pour jouer</translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n trou</numerusform>
            <numerusform>%n trous</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>trait d’union</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation>%1 à trouver. Il reste %2. Score&#xa0;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n lettre</numerusform>
            <numerusform>%n lettres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>%n vie</numerusform>
            <numerusform>%n vies</numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>raté</translation>
    </message>
    <message>
        <source>already tried</source>
        <translation>déjà essayé</translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation>%1&#xa0;: %2. %3. %4</translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation>Nouveau nom&#xa0;: %1. %2. %3</translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation>Nouveau nom, origine %1&#xa0;: %2. %3. %4</translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation>%1&#xa0;: déjà essayé dans ce niveau.</translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation>Temps écoulé&#xa0;: une vie perdue chaque seconde jusqu’à ce que le nom soit trouvé.</translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation>Le temps presse&#xa0;: plus que %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
</context>
</TS>
