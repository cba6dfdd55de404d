<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>England</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>India</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Republic of Ireland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Togo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United States</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>A portable copy plays the player list in its database folder: copy the game&apos;s data.txt back there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>To start a fresh table, move this file away or delete it: the game makes a new one at the next placement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
