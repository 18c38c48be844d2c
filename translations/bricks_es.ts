<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <translation>Las flechas mueven, Espacio o Intro quita un grupo.</translation>
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
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
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
        <translation>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n, pulsado</numerusform>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n, pulsado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <translation>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n</numerusform>
            <numerusform>Ladrillo %1, columna %2, fila %3, grupo de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed,</source>
        <translation>
            <numerusform>%n ladrillo quitado,</numerusform>
            <numerusform>%n ladrillos quitados,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left.</source>
        <translation>
            <numerusform>Queda %n.</numerusform>
            <numerusform>Quedan %n.</numerusform>
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
        <translation>¿No ha eliminado todos los ladrillos?<byte value="xd"/>
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
            <numerusform>Ha eliminado %n ladrillo en un tiempo récord.<byte value="xd"/>
Escriba su nombre:</numerusform>
            <numerusform>Ha eliminado %n ladrillos en un tiempo récord.<byte value="xd"/>
Escriba su nombre:</numerusform>
        </translation>
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
        <extracomment>Bricks left; the column is 35 pixels wide, about five letters in bold.</extracomment>
        <translation>N.º:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Name:</source>
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
        <translation>Bloques:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <translation>Ladrillos restantes</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Time</source>
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
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ale&amp;jar</translation>
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
        <translation>&amp;Pequeño (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <translation>&amp;Normal (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
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
