<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Flytta med piltangenterna, ta bort en grupp med Blanksteg eller Retur.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Pausat. Tryck på P eller klicka för att fortsätta.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Återupptaget.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Pausat, kolumn %1, rad %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Pausat</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Tryck på P eller klicka för att fortsätta</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Lila</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n kloss borttagen, %1 kvar.</numerusform>
            <numerusform>%n klossar borttagna, %1 kvar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Draget ångrat: %n kloss tillbaka, %1 kvar.</numerusform>
            <numerusform>Draget ångrat: %n klossar tillbaka, %1 kvar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Draget omgjort: %n kloss borttagen, %1 kvar.</numerusform>
            <numerusform>Draget omgjort: %n klossar borttagna, %1 kvar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Tom ruta, kolumn %1, rad %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 kloss, kolumn %2, rad %3, grupp om %n, nedtryckt</numerusform>
            <numerusform>%1 kloss, kolumn %2, rad %3, grupp om %n, nedtryckt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 kloss, kolumn %2, rad %3, grupp om %n</numerusform>
            <numerusform>%1 kloss, kolumn %2, rad %3, grupp om %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Spelet är slut!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Du har tagit bort %n kloss snabbare än någon tidigare.<byte value="xd"/>
Ange ditt namn:</numerusform>
            <numerusform>Du har tagit bort %n klossar snabbare än någon tidigare.<byte value="xd"/>
Ange ditt namn:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Din tid kunde inte sparas: det går inte att skriva till inställningsfilen.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Din tid sparades inte: ett annat spel har under tiden sparat en lika bra tid.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Du har inte tagit bort alla klossar.<byte value="xd"/>
Vill du försöka igen?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Vill du spela ett nytt spel?</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
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
        <translation>Kvar:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Tid:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Bästa resultat</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Bästa resultat: %1 × %2, %n färg</numerusform>
            <numerusform>Bästa resultat: %1 × %2, %n färger</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Liten (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Stor (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Nytt spel med n&amp;ummer…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Försök igen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Paus</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Spelplan</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n färg</numerusform>
            <numerusform>&amp;%n färger</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusrad</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Bästa resultat</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>&amp;Färgsymboler</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zooma &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zooma &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normal storlek</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Drag</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Klossar:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Klossar kvar</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Tid:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Vill du avsluta?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Spelplansnummer, från 1 till %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Nytt spel med nummer</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Det är inget spelplansnummer: ett spelplansnummer är ett heltal från 1 till %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Ditt val kunde inte sparas: det går inte att skriva till inställningsfilen.</translation>
    </message>
</context>
</TS>
