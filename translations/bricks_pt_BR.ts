<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>As setas movem o cursor; Espaço ou Enter remove um grupo.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Jogo pausado. Pressione P ou clique para continuar.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Jogo retomado.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Pausado, coluna %1, linha %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Pressione P ou clique para continuar</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>cinza</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>azul</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>roxo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n tijolo removido, %1 no tabuleiro.</numerusform>
            <numerusform>%n tijolos removidos, %1 no tabuleiro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Jogada desfeita: %n tijolo de volta, %1 no tabuleiro.</numerusform>
            <numerusform>Jogada desfeita: %n tijolos de volta, %1 no tabuleiro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Jogada refeita: %n tijolo removido, %1 no tabuleiro.</numerusform>
            <numerusform>Jogada refeita: %n tijolos removidos, %1 no tabuleiro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Vazio, coluna %1, linha %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Tijolo %1, coluna %2, linha %3, grupo de %n, pressionado</numerusform>
            <numerusform>Tijolo %1, coluna %2, linha %3, grupo de %n, pressionado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Tijolo %1, coluna %2, linha %3, grupo de %n</numerusform>
            <numerusform>Tijolo %1, coluna %2, linha %3, grupo de %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Você removeu %n tijolo no melhor tempo até agora.<byte value="xd"/>
Digite seu nome:</numerusform>
            <numerusform>Você removeu %n tijolos no melhor tempo até agora.<byte value="xd"/>
Digite seu nome:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Não foi possível salvar seu tempo: o arquivo de configurações não pode ser gravado.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Seu tempo não foi salvo: enquanto isso, outro jogo salvou um tempo tão bom quanto o seu.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Você não removeu todos os tijolos.<byte value="xd"/>
Deseja tentar novamente?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Deseja começar um novo jogo?</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar panel&apos;s name and value, as a screen reader reads them: &quot;Time: 00:02:54&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>frmHighScore</name>
    <message>
        <source>Left:</source>
        <extracomment>The heading of the column of the numbers of bricks left, narrow as the numbers.</extracomment>
        <translation>Restam:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Recordes</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Recordes: %1 × %2, %n cor</numerusform>
            <numerusform>Recordes: %1 × %2, %n cores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Pequeno (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Grande (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Novo jogo n&amp;umerado…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Tentar novamente</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>Ta&amp;buleiro</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n cor</numerusform>
            <numerusform>&amp;%n cores</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Símbolos de &amp;cor</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>R&amp;eduzir</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Tamanho &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Jogada</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Tijolos:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Tijolos restantes</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Número do tabuleiro, de 1 a %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Novo jogo numerado</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Isso não é um número de tabuleiro: um número de tabuleiro é um número inteiro de 1 a %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Não foi possível guardar sua escolha: o arquivo de configurações não pode ser gravado.</translation>
    </message>
</context>
</TS>
