<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Les flèches déplacent le curseur, Espace ou Entrée retire un groupe.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>En pause. Appuyez sur P ou cliquez pour continuer.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Reprise.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>En pause, colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Appuyez sur P ou cliquez pour continuer</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>grise</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>bleue</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>verte</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>jaune</translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Case vide, colonne %1, ligne %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Brique %1, colonne %2, ligne %3, groupe de %n, enfoncée</numerusform>
            <numerusform>Brique %1, colonne %2, ligne %3, groupe de %n, enfoncée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Brique %1, colonne %2, ligne %3, groupe de %n</numerusform>
            <numerusform>Brique %1, colonne %2, ligne %3, groupe de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Coup annulé&#xa0;: %n brique remise, il en reste %1.</numerusform>
            <numerusform>Coup annulé&#xa0;: %n briques remises, il en reste %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Coup refait&#xa0;: %n brique retirée, il en reste %1.</numerusform>
            <numerusform>Coup refait&#xa0;: %n briques retirées, il en reste %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>violette</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n brique retirée, il en reste %1.</numerusform>
            <numerusform>%n briques retirées, il en reste %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Temps non enregistré&#xa0;: le fichier des paramètres n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Temps non enregistré&#xa0;: une autre partie a fait aussi bien entre-temps.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Vous n’avez pas retiré toutes les briques&#xa0;?<byte value="xd"/>
Voulez-vous réessayer&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Vous avez retiré %n brique en un temps record.<byte value="xd"/>
Saisissez votre nom&#xa0;:</numerusform>
            <numerusform>Vous avez retiré %n briques en un temps record.<byte value="xd"/>
Saisissez votre nom&#xa0;:</numerusform>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar panel&apos;s name and value, as a screen reader reads them: &quot;Time: 00:02:54&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmHighScore</name>
    <message>
        <source>High score</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Left:</source>
        <extracomment>The heading of the column of the numbers of bricks left, narrow as the numbers.</extracomment>
        <translation>Nb&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Meilleurs temps&#xa0;: %1 × %2, %n couleur</numerusform>
            <numerusform>Meilleurs temps&#xa0;: %1 × %2, %n couleurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Barre d’état</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Meilleurs temps</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Symboles de &amp;couleur</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Briques&#xa0;:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Briques restantes</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Choix non conservé&#xa0;: le fichier des paramètres n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Taille normale</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Coup</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Petit (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Normal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Grand (%1 × %2)</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Partie par n&amp;uméro…</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>Pla&amp;teau</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n couleur</numerusform>
            <numerusform>&amp;%n couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Numéro de la partie, de 1 à %1&#xa0;:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Partie par numéro</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Ce n’est pas un numéro de partie&#xa0;: un numéro de partie est un nombre entier de 1 à %1.</translation>
    </message>
</context>
</TS>
