<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Die Pfeiltasten bewegen den Cursor, Leertaste oder Eingabe entfernt eine Gruppe.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Pausiert. Drücken Sie P oder klicken Sie, um fortzufahren.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Fortgesetzt.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Pausiert, Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>P drücken oder klicken, um fortzufahren</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Grauer</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Blauer</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Grüner</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Roter</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Gelber</translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Leeres Feld, Spalte %1, Zeile %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 Stein, Spalte %2, Zeile %3, Gruppe von %n, gedrückt</numerusform>
            <numerusform>%1 Stein, Spalte %2, Zeile %3, Gruppe von %n, gedrückt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 Stein, Spalte %2, Zeile %3, Gruppe von %n</numerusform>
            <numerusform>%1 Stein, Spalte %2, Zeile %3, Gruppe von %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Zug zurückgenommen: %n Stein zurück, %1 übrig.</numerusform>
            <numerusform>Zug zurückgenommen: %n Steine zurück, %1 übrig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Zug wiederholt: %n Stein entfernt, %1 übrig.</numerusform>
            <numerusform>Zug wiederholt: %n Steine entfernt, %1 übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Violetter</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n Stein entfernt, %1 übrig.</numerusform>
            <numerusform>%n Steine entfernt, %1 übrig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Ihre Zeit konnte nicht gespeichert werden: Die Einstellungsdatei ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Ihre Zeit wurde nicht gespeichert: Ein anderes Spiel hat inzwischen eine ebenso gute Zeit gespeichert.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Nicht alle Steine abgeräumt?<byte value="xd"/>
Möchten Sie es noch einmal versuchen?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Möchten Sie ein neues Spiel beginnen?</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Sie haben %n Stein in Bestzeit abgeräumt.<byte value="xd"/>
Geben Sie Ihren Namen ein:</numerusform>
            <numerusform>Sie haben %n Steine in Bestzeit abgeräumt.<byte value="xd"/>
Geben Sie Ihren Namen ein:</numerusform>
        </translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
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
        <source>High score</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Left:</source>
        <extracomment>The heading of the column of the numbers of bricks left, narrow as the numbers.</extracomment>
        <translation>Rest:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Name:</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Bestenliste: %1 × %2, %n Farbe</numerusform>
            <numerusform>Bestenliste: %1 × %2, %n Farben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>&amp;Farbsymbole</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Steine:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Verbleibende Steine</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie das Spiel beenden?</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Ihre Auswahl konnte nicht gespeichert werden: Die Einstellungsdatei ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Klein (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Groß (%1 × %2)</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Neues Spiel mit Nu&amp;mmer…</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Spielfeld</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n Farbe</numerusform>
            <numerusform>&amp;%n Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Spielnummer, von 1 bis %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Neues Spiel mit Nummer</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Das ist keine Spielnummer: Eine Spielnummer ist eine ganze Zahl von 1 bis %1.</translation>
    </message>
</context>
</TS>
