<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation>Argelia</translation>
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
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnia y Herzegovina</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Camerún</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
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
        <translation>Croacia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>República Checa</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egipto</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Inglaterra</translation>
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
        <translation>Gabón</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
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
        <translation>Hungría</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <source>India</source>
        <translation>India</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Irán</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>Costa de Marfil</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaica</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Malí</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Marruecos</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Norte</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Catar</translation>
    </message>
    <message>
        <source>Republic of Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudí</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Escocia</translation>
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
        <translation>Eslovaquia</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Eslovenia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudáfrica</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sur</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation>Trinidad y Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Túnez</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucrania</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
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
        <translation>Gales</translation>
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
        <translation>%1, línea %2: %3</translation>
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
        <translation>Una copia portátil juega con la lista de jugadores de su carpeta database: vuelve a copiar allí el data.txt del juego.</translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation>Para volver a jugar con la lista que trae el juego, mueve este archivo a otro sitio.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation>¡¡¡Enhorabuena!!!</translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Game Over.. Has conseguido %n punto
Era %1</numerusform>
            <numerusform>Game Over.. Has conseguido %n puntos
Era %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>¡Enhorabuena! Has quedado en el puesto número %1 con %2.
La última respuesta era %3</translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation>Soy idiota</translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Mientras tanto, otras partidas se han quedado con los puestos de la tabla: %n punto ya no basta para entrar.</numerusform>
            <numerusform>Mientras tanto, otras partidas se han quedado con los puestos de la tabla: %n puntos ya no bastan para entrar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>La tabla de puntuaciones ha cambiado mientras tanto: con %1 has quedado en el puesto número %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
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
        <translation>Cómo se puntúa:
Si aciertas una letra = %1
Pasar de nivel = %2, %3

Tiempo inicial: %4 s, %5 s menos por cada nivel superado</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n vida</numerusform>
            <numerusform>%n vidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Enter letter</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation>Procedencia:</translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation>Vidas</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>HighScoreFile</name>
    <message>
        <source>To start a fresh table, move this file away or delete it: the game makes a new one at the next placement.</source>
        <translation>Para empezar una tabla nueva, mueve este archivo a otro sitio o bórralo: el juego creará uno nuevo la próxima vez que una puntuación entre en la tabla.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Para empezar una tabla nueva, pide a la persona propietaria de la carpeta del archivo que lo mueva a otro sitio o lo borre (tú no tienes permiso): el juego creará uno nuevo la próxima vez que una puntuación entre en la tabla.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Para empezar una tabla nueva, pide a %1, a quien pertenece la carpeta del archivo, que lo mueva a otro sitio o lo borre (tú no tienes permiso): el juego creará uno nuevo la próxima vez que una puntuación entre en la tabla.</translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation>O bien, ya que tú sí puedes modificarlo, arréglalo con un editor de texto o conviértelo tú en una tabla nueva: cinco líneas vacías y después cinco líneas con un 0.</translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation>otra copia del juego lo tiene bloqueado</translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation>el archivo termina aquí, pero un archivo de puntuaciones tiene %1 líneas: cinco nombres y después cinco puntuaciones.</translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation>la puntuación %1 no es un número.</translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation>el puesto %1 contiene un salto de línea</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation>Nomilo no puede continuar.

%1</translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation>puesto %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 punto</numerusform>
            <numerusform>%1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation>Procedencia: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <comment>the lives counter</comment>
        <translation>
            <numerusform>%n vida</numerusform>
            <numerusform>%n vidas</numerusform>
        </translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntuación %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation>
            <numerusform>queda %n segundo</numerusform>
            <numerusform>quedan %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation>el nombre %1 contiene un carácter que nadie puede escribir</translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation>no contiene ningún nombre de jugador; el juego necesita al menos uno</translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation>No se han podido guardar las puntuaciones en %1: %2</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n hueco</numerusform>
            <numerusform>%n huecos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>guion</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation>%1. %2. Puntuación: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>%n letra oculta</numerusform>
            <numerusform>%n letras ocultas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>Queda %n vida</numerusform>
            <numerusform>Quedan %n vidas</numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation>acierto</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallo</translation>
    </message>
    <message>
        <source>already tried</source>
        <translation>ya probada</translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation>%1: %2. %3. %4</translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation>Nuevo nombre: %1. %2. %3</translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation>Nuevo nombre, de %1: %2. %3. %4</translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation>%1: ya probada en este nivel.</translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation>Se acabó el tiempo: pierdes una vida cada segundo hasta que aciertes el nombre.</translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation>Se acaba el tiempo: solo %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
</context>
</TS>
