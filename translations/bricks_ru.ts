<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Стрелки перемещают курсор, Пробел или Enter убирает группу.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Пауза. Нажмите P или щёлкните, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Игра продолжена.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Пауза, столбец %1, строка %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Нажмите P или щёлкните, чтобы продолжить</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Убран %n кирпич, осталось: %1.</numerusform>
            <numerusform>Убрано %n кирпича, осталось: %1.</numerusform>
            <numerusform>Убрано %n кирпичей, осталось: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Ход отменён: возвращён %n кирпич, осталось: %1.</numerusform>
            <numerusform>Ход отменён: возвращено %n кирпича, осталось: %1.</numerusform>
            <numerusform>Ход отменён: возвращено %n кирпичей, осталось: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Ход повторён: убран %n кирпич, осталось: %1.</numerusform>
            <numerusform>Ход повторён: убрано %n кирпича, осталось: %1.</numerusform>
            <numerusform>Ход повторён: убрано %n кирпичей, осталось: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Пусто, столбец %1, строка %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n, нажат</numerusform>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n, нажат</numerusform>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n, нажат</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n</numerusform>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n</numerusform>
            <numerusform>%1 кирпич, столбец %2, строка %3, группа из %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Игра окончена!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Вы быстрее всех убрали %n кирпич.<byte value="xd"/>
Введите своё имя:</numerusform>
            <numerusform>Вы быстрее всех убрали %n кирпича.<byte value="xd"/>
Введите своё имя:</numerusform>
            <numerusform>Вы быстрее всех убрали %n кирпичей.<byte value="xd"/>
Введите своё имя:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Не удалось сохранить ваше время: невозможно записать файл настроек.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Ваше время не сохранено: тем временем другая игра сохранила время не хуже.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Вы убрали не все кирпичи.<byte value="xd"/>
Попробовать ещё раз?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Начать новую игру?</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
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
        <translation>Ост.:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Рекорды</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Рекорды: %1 × %2, %n цвет</numerusform>
            <numerusform>Рекорды: %1 × %2, %n цвета</numerusform>
            <numerusform>Рекорды: %1 × %2, %n цветов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Маленькое (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Обычное (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Большое (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Игра по но&amp;меру…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Начать &amp;заново</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>По&amp;ле</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n цвет</numerusform>
            <numerusform>&amp;%n цвета</numerusform>
            <numerusform>&amp;%n цветов</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Символы &amp;цветов</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Обычный размер</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Ход</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Кирпичи:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Осталось кирпичей</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Выйти из игры?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Номер игры, от 1 до %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Игра по номеру</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Это не номер игры: номер игры — целое число от 1 до %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Не удалось сохранить ваш выбор: невозможно записать файл настроек.</translation>
    </message>
</context>
</TS>
