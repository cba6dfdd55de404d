<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation>Algerije</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentinië</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnië en Herzegovina</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brazilië</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgarije</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Kameroen</translation>
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
        <translation>China</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation>Colombia</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Kroatië</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tsjechië</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Denemarken</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egypte</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Engeland</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabon</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgië</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griekenland</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hongarije</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>IJsland</translation>
    </message>
    <message>
        <source>India</source>
        <translation>India</translation>
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
        <translation>Italië</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>Ivoorkust</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaica</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
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
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Marokko</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Noord-Ierland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noorwegen</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
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
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roemenië</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusland</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Saoedi-Arabië</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Schotland</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Servië</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Slowakije</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slovenië</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Zuid-Afrika</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Zuid-Korea</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Zwitserland</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation>Trinidad en Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Tunesië</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkije</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Oekraïne</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Verenigde Staten</translation>
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
        <translation>Wales</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation>Zambia</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>A portable copy plays the player list in its database folder: copy the game&apos;s data.txt back there.</source>
        <translation>Een portable versie speelt met de spelerslijst uit de eigen map database: zet het bestand data.txt van het spel daar terug.</translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation>Verplaats dit bestand om weer met de meegeleverde lijst te spelen.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation>Gefeliciteerd!!!</translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Game over.. Je scoorde %n punt
Het was %1</numerusform>
            <numerusform>Game over.. Je scoorde %n punten
Het was %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Gefeliciteerd, je staat op plaats %1 met %2.
Het laatste antwoord was %3</translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation>Ik ben dom</translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Andere spellen hebben intussen de plaatsen in de highscorelijst ingenomen: met %n punt kom je er niet meer in.</numerusform>
            <numerusform>Andere spellen hebben intussen de plaatsen in de highscorelijst ingenomen: met %n punten kom je er niet meer in.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>De highscorelijst is intussen veranderd: met %1 sta je op plaats %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
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
        <translation>Zo scoor je punten:
Letter goed geraden = %1
Level gehaald = %2, %3

Starttijd is %4 sec, -%5 sec voor elk gehaald level</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n leven</numerusform>
            <numerusform>%n levens</numerusform>
        </translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Enter letter</source>
        <translation>Raden</translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation>Herkomst:</translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation>Aantal levens</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Highscores</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>To start a fresh table, move this file away or delete it: the game makes a new one at the next placement.</source>
        <translation>Wil je met een nieuwe lijst beginnen, verplaats of verwijder dit bestand dan: het spel maakt een nieuw bestand aan zodra er weer een score in de lijst komt.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Wil je met een nieuwe lijst beginnen, vraag dan de eigenaar van de map waarin het staat om dit bestand te verplaatsen of te verwijderen (zelf mag je dat niet): het spel maakt een nieuw bestand aan zodra er weer een score in de lijst komt.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Wil je met een nieuwe lijst beginnen, vraag dan %1, de eigenaar van de map waarin het staat, om dit bestand te verplaatsen of te verwijderen (zelf mag je dat niet): het spel maakt een nieuw bestand aan zodra er weer een score in de lijst komt.</translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation>Het bestand zelf mag je wel wijzigen: herstel het in een teksteditor, of maak er zelf een nieuwe lijst van met vijf lege regels en daarna vijf regels met 0.</translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation>een ander exemplaar van het spel houdt het bestand vergrendeld</translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation>het bestand houdt hier op, maar een highscorebestand heeft %1 regels: vijf namen en daarna vijf scores.</translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation>de score %1 is geen getal.</translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation>plaats %1 bevat een regeleinde</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>de map van het bestand kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>het bijbehorende vergrendelingsbestand kan niet worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation>Nomilo kan niet verder.

%1</translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation>plaats %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 punt</numerusform>
            <numerusform>%1 punten</numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation>Herkomst: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation>
            <numerusform>%n leven</numerusform>
            <numerusform>%n levens</numerusform>
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
            <numerusform>nog %n seconde</numerusform>
            <numerusform>nog %n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation>de naam %1 bevat een teken dat niemand kan typen</translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation>bevat geen spelersnamen; het spel heeft er minstens één nodig</translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation>De highscores konden niet worden opgeslagen in %1: %2</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n open plek</numerusform>
            <numerusform>%n open plekken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>space</source>
        <translation>spatie</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>streepje</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrof</translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation>%1 verborgen. Nog %2. Score %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>%n leven</numerusform>
            <numerusform>%n levens</numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation>goed</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>already tried</source>
        <translation>al geprobeerd</translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation>%1: %2. %3. %4</translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation>Nieuwe naam: %1. %2. %3</translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation>Nieuwe naam, herkomst %1: %2. %3. %4</translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation>%1: al geprobeerd in dit level.</translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation>De tijd is om: elke seconde kost je een leven, tot de naam geraden is.</translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation>De tijd dringt: nog %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
</context>
</TS>
