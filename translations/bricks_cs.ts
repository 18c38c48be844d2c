<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Šipky posouvají kurzor, mezerník nebo Enter odstraní skupinu.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Pozastaveno. Pokračujte stisknutím P nebo kliknutím.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Hra pokračuje.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Pozastaveno, sloupec %1, řádek %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Pokračujte stisknutím P nebo kliknutím</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Fialová</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Odstraněna %n kostka, zbývá: %1.</numerusform>
            <numerusform>Odstraněny %n kostky, zbývá: %1.</numerusform>
            <numerusform>Odstraněno %n kostek, zbývá: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Tah vrácen: %n kostka zpět, zbývá: %1.</numerusform>
            <numerusform>Tah vrácen: %n kostky zpět, zbývá: %1.</numerusform>
            <numerusform>Tah vrácen: %n kostek zpět, zbývá: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Tah zopakován: odstraněna %n kostka, zbývá: %1.</numerusform>
            <numerusform>Tah zopakován: odstraněny %n kostky, zbývá: %1.</numerusform>
            <numerusform>Tah zopakován: odstraněno %n kostek, zbývá: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Prázdné pole, sloupec %1, řádek %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostka, stisknutá</numerusform>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostky, stisknutá</numerusform>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostek, stisknutá</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostka</numerusform>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostky</numerusform>
            <numerusform>%1 kostka, sloupec %2, řádek %3, ve skupině %n kostek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Konec hry!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Máte nejlepší čas: odstraněna %n kostka.<byte value="xd"/>
Zadejte své jméno:</numerusform>
            <numerusform>Máte nejlepší čas: odstraněny %n kostky.<byte value="xd"/>
Zadejte své jméno:</numerusform>
            <numerusform>Máte nejlepší čas: odstraněno %n kostek.<byte value="xd"/>
Zadejte své jméno:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Váš čas nelze uložit: do souboru nastavení nelze zapisovat.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Váš čas nebyl uložen: jiná hra mezitím uložila stejně dobrý čas.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Nepodařilo se odstranit všechny kostky.<byte value="xd"/>
Chcete to zkusit znovu?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Chcete začít novou hru?</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
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
        <translation>Zbývá:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Jméno:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Nejlepší výsledky: %1 × %2, %n barva</numerusform>
            <numerusform>Nejlepší výsledky: %1 × %2, %n barvy</numerusform>
            <numerusform>Nejlepší výsledky: %1 × %2, %n barev</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Malá (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normální (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Velká (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Nová hra podle &amp;čísla…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opakovat hru</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pozastavit</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Hrací plocha</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n barva</numerusform>
            <numerusform>&amp;%n barvy</numerusform>
            <numerusform>&amp;%n barev</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Nejlepší výsledky</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Symboly &amp;barev</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Zvětšit</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Z&amp;menšit</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Normální &amp;velikost</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Tah</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Kostky:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Zbývající kostky</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Chcete ukončit hru?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Číslo hrací plochy, od 1 do %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Nová hra podle čísla</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>To není číslo hrací plochy: číslo hrací plochy je celé číslo od 1 do %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Vaši volbu nelze uložit: do souboru nastavení nelze zapisovat.</translation>
    </message>
</context>
</TS>
