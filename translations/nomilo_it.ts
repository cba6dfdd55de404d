<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation>Algeria</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnia ed Erzegovina</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasile</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Camerun</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Cile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
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
        <translation>Croazia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Repubblica Ceca</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danimarca</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egitto</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Inghilterra</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabon</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungheria</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islanda</translation>
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
        <translation>Iraq</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>Costa d&apos;Avorio</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Giamaica</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Giappone</translation>
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
        <translation>Messico</translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Marocco</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nuova Zelanda</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Nord</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvegia</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perù</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portogallo</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Republic of Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Romania</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudita</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Scozia</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Serbia</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Slovacchia</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slovenia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudafrica</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sud</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Svezia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Svizzera</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation>Trinidad e Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Tunisia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turchia</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucraina</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stati Uniti</translation>
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
        <translation>Galles</translation>
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
        <translation>%1, riga %2: %3</translation>
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
        <translation>Una copia portatile usa l&apos;elenco dei giocatori della sua cartella database: rimetti lì il file data.txt del gioco.</translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation>Per tornare all&apos;elenco fornito con il gioco, sposta altrove questo file.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation>Complimenti!!!</translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Game Over.. Hai fatto %n punto
Era %1</numerusform>
            <numerusform>Game Over.. Hai fatto %n punti
Era %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Complimenti, sei al %1º posto con %2.
L&apos;ultima risposta era %3</translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation>Sono una Capra</translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Nel frattempo altre partite si sono prese i posti in classifica: con %n punto non si entra più.</numerusform>
            <numerusform>Nel frattempo altre partite si sono prese i posti in classifica: con %n punti non si entra più.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Nel frattempo la classifica è cambiata: con %1 sei al %2º posto.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
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
        <translation>Come si fanno punti:
Ogni lettera indovinata = %1
Livello superato = %2, %3

Tempo iniziale: %4 sec, -%5 sec per ogni livello superato</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n vita</numerusform>
            <numerusform>%n vite</numerusform>
        </translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Enter letter</source>
        <translation>Indovina</translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation>Provenienza:</translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation>Vite rimaste</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>To start a fresh table, move this file away or delete it: the game makes a new one at the next placement.</source>
        <translation>Per ripartire da una classifica vuota, sposta altrove questo file o eliminalo: il gioco ne crea uno nuovo la prossima volta che un punteggio entra in classifica.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Per ripartire da una classifica vuota, chiedi a chi possiede la sua cartella di spostarlo altrove o di eliminarlo (tu non puoi farlo): il gioco ne crea uno nuovo la prossima volta che un punteggio entra in classifica.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Per ripartire da una classifica vuota, chiedi a %1, a cui appartiene la sua cartella, di spostarlo altrove o di eliminarlo (tu non puoi farlo): il gioco ne crea uno nuovo la prossima volta che un punteggio entra in classifica.</translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation>Oppure, visto che puoi modificarlo, correggilo con un editor di testo o trasformalo in una classifica vuota: cinque righe vuote, poi cinque righe con 0.</translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation>un&apos;altra copia del gioco lo tiene bloccato</translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation>il file finisce qui, ma un file dei punteggi ha %1 righe: cinque nomi, poi cinque punteggi.</translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation>il punteggio %1 non è un numero.</translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation>il nome in posizione %1 contiene un ritorno a capo</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>impossibile creare il suo file di blocco</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation>Nomilo non può continuare.

%1</translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation>posizione %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 punto</numerusform>
            <numerusform>%1 punti</numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation>Provenienza: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation>
            <numerusform>%n vita</numerusform>
            <numerusform>%n vite</numerusform>
        </translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>punteggio %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation>
            <numerusform>%n secondo rimasto</numerusform>
            <numerusform>%n secondi rimasti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation>il nome %1 contiene un carattere che nessuno può digitare</translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation>non contiene nomi di giocatori; il gioco ne richiede almeno uno</translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation>Impossibile salvare i migliori punteggi in %1: %2</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n vuoto</numerusform>
            <numerusform>%n vuoti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>trattino</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrofo</translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation>%1. %2. Punteggio %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n lettera nascosta</numerusform>
            <numerusform>%n lettere nascoste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>%n vita rimasta</numerusform>
            <numerusform>%n vite rimaste</numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation>giusta</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>already tried</source>
        <translation>già provata</translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation>%1: %2. %3. %4</translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation>Nuovo nome: %1. %2. %3</translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation>Nuovo nome, provenienza %1: %2. %3. %4</translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation>%1: già provata in questo livello.</translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation>Tempo scaduto: perdi una vita ogni secondo finché non trovi il nome.</translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation>Il tempo sta per scadere: ancora %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation>non si può aprire: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
</context>
</TS>
