<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Strzałki przesuwają kursor, spacja lub Enter usuwa grupę.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Wstrzymano. Naciśnij P lub kliknij, aby kontynuować.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Wznowiono.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Wstrzymano, kolumna %1, wiersz %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Naciśnij P lub kliknij, aby kontynuować</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Usunięto %n klocek, pozostało: %1.</numerusform>
            <numerusform>Usunięto %n klocki, pozostało: %1.</numerusform>
            <numerusform>Usunięto %n klocków, pozostało: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Cofnięto ruch: przywrócono %n klocek, pozostało: %1.</numerusform>
            <numerusform>Cofnięto ruch: przywrócono %n klocki, pozostało: %1.</numerusform>
            <numerusform>Cofnięto ruch: przywrócono %n klocków, pozostało: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Ponowiono ruch: usunięto %n klocek, pozostało: %1.</numerusform>
            <numerusform>Ponowiono ruch: usunięto %n klocki, pozostało: %1.</numerusform>
            <numerusform>Ponowiono ruch: usunięto %n klocków, pozostało: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Puste pole, kolumna %1, wiersz %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocek, wciśnięty</numerusform>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocki, wciśnięty</numerusform>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocków, wciśnięty</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocek</numerusform>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocki</numerusform>
            <numerusform>%1 klocek, kolumna %2, wiersz %3, w grupie %n klocków</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Koniec gry!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Masz najlepszy czas: usunięto %n klocek.<byte value="xd"/>
Podaj swoje imię:</numerusform>
            <numerusform>Masz najlepszy czas: usunięto %n klocki.<byte value="xd"/>
Podaj swoje imię:</numerusform>
            <numerusform>Masz najlepszy czas: usunięto %n klocków.<byte value="xd"/>
Podaj swoje imię:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Nie można zapisać twojego czasu: nie można zapisać pliku ustawień.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Twój czas nie został zapisany: w międzyczasie inna gra zapisała równie dobry czas.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Nie udało się usunąć wszystkich klocków.<byte value="xd"/>
Czy chcesz spróbować ponownie?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Czy chcesz rozpocząć nową grę?</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
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
        <translation>Zostało:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Najlepsze wyniki: %1 × %2, %n kolor</numerusform>
            <numerusform>Najlepsze wyniki: %1 × %2, %n kolory</numerusform>
            <numerusform>Najlepsze wyniki: %1 × %2, %n kolorów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Mała (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normalna (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Duża (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Nowa gra z n&amp;umerem…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Spróbuj ponownie</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Wstrzymaj</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Plansza</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n kolor</numerusform>
            <numerusform>&amp;%n kolory</numerusform>
            <numerusform>&amp;%n kolorów</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Pasek stanu</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>&amp;Symbole kolorów</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Normalny &amp;rozmiar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Ruch</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Klocki:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Pozostałe klocki</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Czy chcesz zakończyć grę?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Numer planszy, od 1 do %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Nowa gra z numerem</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>To nie jest numer planszy: numer planszy to liczba całkowita od 1 do %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Nie można zachować wyboru: nie można zapisać pliku ustawień.</translation>
    </message>
</context>
</TS>
