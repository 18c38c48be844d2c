<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Las flechas mueven el cursor; Espacio o Intro quita un grupo.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>En pausa. Pulse P o haga clic para continuar.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Reanudado.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>En pausa, columna %1, fila %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Pulse P o haga clic para continuar</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>gris</translation>
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
        <translation>rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Casilla vacía, columna %1, fila %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n, pulsado</numerusform>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n, pulsado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n</numerusform>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Movimiento deshecho: %n ladrillo de vuelta, %1 en el tablero.</numerusform>
            <numerusform>Movimiento deshecho: %n ladrillos de vuelta, %1 en el tablero.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Movimiento rehecho: %n ladrillo quitado, %1 en el tablero.</numerusform>
            <numerusform>Movimiento rehecho: %n ladrillos quitados, %1 en el tablero.</numerusform>
        </translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>violeta</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n ladrillo quitado, %1 en el tablero.</numerusform>
            <numerusform>%n ladrillos quitados, %1 en el tablero.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>No se pudo guardar su tiempo: no se puede escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>No se ha guardado su tiempo: otra partida logró entretanto uno igual de bueno.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>¿No ha quitado todos los ladrillos?<byte value="xd"/>
¿Desea volver a intentarlo?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>¿Desea jugar una nueva partida?</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Ha quitado %n ladrillo en un tiempo récord.<byte value="xd"/>
Escriba su nombre:</numerusform>
            <numerusform>Ha quitado %n ladrillos en un tiempo récord.<byte value="xd"/>
Escriba su nombre:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
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
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Left:</source>
        <extracomment>The heading of the column of the numbers of bricks left, narrow as the numbers.</extracomment>
        <translation>Quedan:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Nombre:</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Mejores tiempos: %1 × %2, %n color</numerusform>
            <numerusform>Mejores tiempos: %1 × %2, %n colores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Mejores tiempos</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Símbolos de &amp;color</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Ladrillos:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Ladrillos restantes</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>¿Desea salir?</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>No se pudo guardar su elección: no se puede escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Tamaño normal</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Pequeño (%1 × %2)</translation>
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
        <source>New n&amp;umbered game…</source>
        <translation>Partida nu&amp;merada…</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n color</numerusform>
            <numerusform>&amp;%n colores</numerusform>
        </translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Número de partida, de 1 a %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Partida numerada</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Eso no es un número de partida: un número de partida es un número entero de 1 a %1.</translation>
    </message>
</context>
</TS>
