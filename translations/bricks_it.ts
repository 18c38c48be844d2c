<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Le frecce spostano il cursore, Spazio o Invio rimuove un gruppo.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>In pausa. Premi P o fai clic per continuare.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Partita ripresa.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>In pausa, colonna %1, riga %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Premi P o fai clic per continuare</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>grigio</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>blu</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>giallo</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>viola</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n mattone rimosso, %1 sul tabellone.</numerusform>
            <numerusform>%n mattoni rimossi, %1 sul tabellone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Mossa annullata: %n mattone rimesso, %1 sul tabellone.</numerusform>
            <numerusform>Mossa annullata: %n mattoni rimessi, %1 sul tabellone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Mossa rifatta: %n mattone rimosso, %1 sul tabellone.</numerusform>
            <numerusform>Mossa rifatta: %n mattoni rimossi, %1 sul tabellone.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Vuoto, colonna %1, riga %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Mattone %1, colonna %2, riga %3, gruppo di %n, premuto</numerusform>
            <numerusform>Mattone %1, colonna %2, riga %3, gruppo di %n, premuto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Mattone %1, colonna %2, riga %3, gruppo di %n</numerusform>
            <numerusform>Mattone %1, colonna %2, riga %3, gruppo di %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Partita terminata!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Hai rimosso %n mattone nel miglior tempo finora.<byte value="xd"/>
Inserisci il tuo nome:</numerusform>
            <numerusform>Hai rimosso %n mattoni nel miglior tempo finora.<byte value="xd"/>
Inserisci il tuo nome:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Impossibile salvare il tempo: il file delle impostazioni non è scrivibile.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Il tempo non è stato salvato: nel frattempo un&apos;altra partita ha salvato un tempo altrettanto buono.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Non hai rimosso tutti i mattoni.<byte value="xd"/>
Vuoi riprovare?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Vuoi iniziare una nuova partita?</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
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
        <translation>Rimasti:</translation>
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
        <translation>Classifica</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Classifica: %1 × %2, %n colore</numerusform>
            <numerusform>Classifica: %1 × %2, %n colori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Piccolo (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normale (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Grande (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Nuova partita n&amp;umerata…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tabellone</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n colore</numerusform>
            <numerusform>&amp;%n colori</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>C&amp;lassifica</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Simboli dei &amp;colori</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Rimpicciolisci</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Dimensione &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mossa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Mattoni:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Mattoni rimasti</translation>
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
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Numero del tabellone, da 1 a %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Nuova partita numerata</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Questo non è un numero di tabellone: un numero di tabellone è un numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Impossibile conservare la scelta: il file delle impostazioni non è scrivibile.</translation>
    </message>
</context>
</TS>
