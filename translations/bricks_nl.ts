<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Verplaats met de pijltoetsen, verwijder een groep met Spatie of Enter.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Gepauzeerd. Druk op P of klik om verder te gaan.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Hervat.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Gepauzeerd, kolom %1, rij %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Druk op P of klik om verder te gaan</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Grijze</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Blauwe</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Groene</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Rode</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Gele</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Paarse</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n steen verwijderd, nog %1 over.</numerusform>
            <numerusform>%n stenen verwijderd, nog %1 over.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Zet ongedaan gemaakt: %n steen terug, nog %1 over.</numerusform>
            <numerusform>Zet ongedaan gemaakt: %n stenen terug, nog %1 over.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Zet opnieuw gedaan: %n steen verwijderd, nog %1 over.</numerusform>
            <numerusform>Zet opnieuw gedaan: %n stenen verwijderd, nog %1 over.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Leeg vak, kolom %1, rij %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 steen, kolom %2, rij %3, groep van %n, ingedrukt</numerusform>
            <numerusform>%1 steen, kolom %2, rij %3, groep van %n, ingedrukt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 steen, kolom %2, rij %3, groep van %n</numerusform>
            <numerusform>%1 steen, kolom %2, rij %3, groep van %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Spel afgelopen!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>U hebt %n steen verwijderd in de snelste tijd tot nu toe.<byte value="xd"/>
Voer uw naam in:</numerusform>
            <numerusform>U hebt %n stenen verwijderd in de snelste tijd tot nu toe.<byte value="xd"/>
Voer uw naam in:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Uw tijd kon niet worden opgeslagen: het instellingenbestand kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Uw tijd is niet opgeslagen: een ander spel heeft intussen een even goede tijd opgeslagen.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>U hebt niet alle stenen verwijderd.<byte value="xd"/>
Wilt u het opnieuw proberen?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Wilt u een nieuw spel spelen?</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
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
        <translation>Over:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Topscores</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Topscores: %1 × %2, %n kleur</numerusform>
            <numerusform>Topscores: %1 × %2, %n kleuren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Klein (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normaal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Groot (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Nieuw spel met n&amp;ummer…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Opnieuw proberen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauzeren</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Speelbord</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n kleur</numerusform>
            <numerusform>&amp;%n kleuren</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>&amp;Kleursymbolen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normale grootte</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zet</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Stenen:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Stenen over</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Wilt u het spel afsluiten?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Speelbordnummer, van 1 tot en met %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Nieuw spel met nummer</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Dat is geen speelbordnummer: een speelbordnummer is een geheel getal van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Uw keuze kon niet worden bewaard: het instellingenbestand kan niet worden geschreven.</translation>
    </message>
</context>
</TS>
