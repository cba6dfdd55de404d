<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Country</name>
    <message>
        <source>Algeria</source>
        <translation>Argélia</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Áustria</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolívia</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bósnia e Herzegovina</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgária</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Camarões</translation>
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
        <translation>Colômbia</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croácia</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>República Tcheca</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Equador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egito</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Inglaterra</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlândia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabão</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Geórgia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Gana</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grécia</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hungria</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islândia</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Índia</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Irã</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation>Iraque</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Ivory Coast</source>
        <translation>Costa do Marfim</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaica</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Libéria</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Mali</translation>
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
        <translation>Marrocos</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Holanda</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nova Zelândia</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigéria</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda do Norte</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguai</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polônia</translation>
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
        <translation>Romênia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rússia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arábia Saudita</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Escócia</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Sérvia</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Eslováquia</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Eslovênia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>África do Sul</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Coreia do Sul</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanha</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suécia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suíça</translation>
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
        <translation>Tunísia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquia</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucrânia</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguai</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Wales</source>
        <translation>País de Gales</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation>Zâmbia</translation>
    </message>
</context>
<context>
    <name>DataError</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, linha %2: %3</translation>
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
        <translation>Uma cópia portátil usa a lista de jogadores da própria pasta database: copie de volta para lá o data.txt do jogo.</translation>
    </message>
    <message>
        <source>To play the shipped list again, move this file away.</source>
        <translation>Para voltar a jogar com a lista que vem com o jogo, mova este arquivo para outro lugar.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Congratulations!!!</source>
        <translation>Parabéns!!!</translation>
    </message>
    <message numerus="yes">
        <source>Game Over.. You scored %n
It was %1</source>
        <translation>
            <numerusform>Fim de jogo.. Você marcou %n
Era %1</numerusform>
            <numerusform>Fim de jogo.. Você marcou %n
Era %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations, you&apos;re place number %1 with %2.
Last answer was %3</source>
        <extracomment>%2: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Parabéns, você ficou em %1º lugar com %2.
A última resposta era %3</translation>
    </message>
    <message>
        <source>I&apos;m Stupid</source>
        <extracomment>The name kept for a player who gave none: a joke at their expense.</extracomment>
        <translation>Sou uma Anta</translation>
    </message>
    <message numerus="yes">
        <source>Other games took the high-score places meanwhile: %n points no longer earn a place.</source>
        <translation>
            <numerusform>Enquanto isso, outras partidas ocuparam a tabela de recordes: %n ponto já não garante um lugar nela.</numerusform>
            <numerusform>Enquanto isso, outras partidas ocuparam a tabela de recordes: %n pontos já não garantem um lugar nela.</numerusform>
        </translation>
    </message>
    <message>
        <source>The high-score table changed meanwhile: %1 took place number %2.</source>
        <extracomment>%1: a number of points, such as &quot;5 points&quot;</extracomment>
        <translation>Enquanto isso, a tabela de recordes mudou: sua pontuação de %1 ficou em %2º lugar.</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>in a box</comment>
        <extracomment>Within a sentence of the boxes at the end of a game</extracomment>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
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
        <translation>Como pontuar:
Cada letra certa = %1
Próximo nível = %2, %3

O tempo começa em %4s e cai %5s a cada nível vencido</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <comment>the rules box</comment>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
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
        <translation>Chutar</translation>
    </message>
    <message>
        <source>This player is from</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Number of lives</source>
        <translation>Vidas</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
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
        <translation>Para começar uma tabela nova, mova este arquivo para outro lugar ou apague-o: o jogo cria um arquivo novo quando a próxima pontuação entrar na tabela.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask the owner of its folder to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Para começar uma tabela nova, peça ao dono da pasta deste arquivo que o mova para outro lugar ou o apague (você não tem permissão para isso): o jogo cria um arquivo novo quando a próxima pontuação entrar na tabela.</translation>
    </message>
    <message>
        <source>To start a fresh table, ask %1, who owns its folder, to move this file away or delete it (you may not): the game makes a new one at the next placement.</source>
        <translation>Para começar uma tabela nova, peça a %1, a quem pertence a pasta deste arquivo, que o mova para outro lugar ou o apague (você não tem permissão para isso): o jogo cria um arquivo novo quando a próxima pontuação entrar na tabela.</translation>
    </message>
    <message>
        <source>Or, as you may write it, mend it in a text editor, or make it a fresh table yourself: five empty lines, then five lines of 0.</source>
        <translation>Ou, como você tem permissão para alterar este arquivo, corrija-o num editor de texto ou transforme-o por conta própria numa tabela nova: cinco linhas vazias e depois cinco linhas com 0.</translation>
    </message>
    <message>
        <source>another copy of the game keeps it locked</source>
        <translation>outra cópia do jogo está com o arquivo bloqueado</translation>
    </message>
    <message>
        <source>the file ends here, but a high-score file has %1 lines: five names, then five scores.</source>
        <translation>o arquivo termina aqui, mas um arquivo de recordes tem %1 linhas: cinco nomes e depois cinco pontuações.</translation>
    </message>
    <message>
        <source>the score %1 is not a number.</source>
        <translation>a pontuação %1 não é um número.</translation>
    </message>
    <message>
        <source>place %1 holds a line break</source>
        <translation>o %1º lugar contém uma quebra de linha</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>a pasta do arquivo não pode ser criada</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>o arquivo de bloqueio não pode ser criado</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nomilo cannot go on.

%1</source>
        <translation>O Nomilo não pode continuar.

%1</translation>
    </message>
    <message>
        <source>place %1, %2</source>
        <translation>posição %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <comment>a place&apos;s score</comment>
        <translation>
            <numerusform>%1 ponto</numerusform>
            <numerusform>%1 pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>This player is from %1</source>
        <extracomment>%1: the player&apos;s country; the line must suit every country and players of either sex</extracomment>
        <translation>Origem: %1</translation>
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
        <translation>pontuação %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <comment>the clock</comment>
        <translation>
            <numerusform>%n segundo restante</numerusform>
            <numerusform>%n segundos restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerDatabase</name>
    <message>
        <source>the name %1 holds a character nobody can type</source>
        <translation>o nome %1 contém um caractere que ninguém consegue digitar</translation>
    </message>
    <message>
        <source>holds no player names; the game needs at least one</source>
        <translation>não contém nenhum nome de jogador; o jogo precisa de pelo menos um</translation>
    </message>
</context>
<context>
    <name>SaveError</name>
    <message>
        <source>The high scores could not be saved to %1: %2</source>
        <translation>Não foi possível salvar os recordes em %1: %2</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n blanks</source>
        <extracomment>Hidden letters in a row, as read out: &quot;2 blanks&quot;</extracomment>
        <translation>
            <numerusform>%n lacuna</numerusform>
            <numerusform>%n lacunas</numerusform>
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
        <translation>espaço</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>hífen</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>%1 hidden. %2 left. Score %3.</source>
        <extracomment>%1: &quot;2 letters&quot;, %2: &quot;9 lives&quot;, %3: the score</extracomment>
        <translation>%1. %2. Pontuação: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n letters</source>
        <translation>
            <numerusform>Letras ocultas: %n</numerusform>
            <numerusform>Letras ocultas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lives</source>
        <translation>
            <numerusform>Vidas: %n</numerusform>
            <numerusform>Vidas: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>found</source>
        <translation>acertou</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>errou</translation>
    </message>
    <message>
        <source>already tried</source>
        <translation>já tentada</translation>
    </message>
    <message>
        <source>%1: %2. %3. %4</source>
        <extracomment>&quot;z: missed. A, 2 blanks, a. 2 letters hidden. 9 lives left. Score 1.&quot;</extracomment>
        <translation>%1: %2. %3. %4</translation>
    </message>
    <message>
        <source>New name: %1. %2. %3</source>
        <translation>Novo nome: %1. %2. %3</translation>
    </message>
    <message>
        <source>New name, from %1: %2. %3. %4</source>
        <extracomment>%1: the country, %2: the name as read out, %3: &quot;95 seconds&quot;, %4: what is hidden and where the game stands</extracomment>
        <translation>Novo nome, origem: %1. %2. %3. %4</translation>
    </message>
    <message>
        <source>%1: already tried in this level.</source>
        <translation>%1: já tentada neste nível.</translation>
    </message>
    <message>
        <source>Time is up: a life lost every second until the name is found.</source>
        <translation>Acabou o tempo: você perde uma vida a cada segundo até descobrir o nome.</translation>
    </message>
    <message>
        <source>Time is running out: %1 left.</source>
        <translation>O tempo está acabando: só mais %1.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>cannot be opened: %1</source>
        <translation>não pode ser aberto: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
</context>
</TS>
