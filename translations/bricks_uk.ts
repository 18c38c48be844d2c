<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>Стрілки переміщують курсор, Пробіл або Enter прибирає групу.</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>Пауза. Натисніть P або клацніть, щоб продовжити.</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>Гру продовжено.</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>Пауза, стовпчик %1, рядок %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>Натисніть P або клацніть, щоб продовжити</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Сіра</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Зелена</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Червона</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Жовта</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>Фіолетова</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Прибрано %n цеглину, залишилося: %1.</numerusform>
            <numerusform>Прибрано %n цеглини, залишилося: %1.</numerusform>
            <numerusform>Прибрано %n цеглин, залишилося: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>Хід скасовано: повернуто %n цеглину, залишилося: %1.</numerusform>
            <numerusform>Хід скасовано: повернуто %n цеглини, залишилося: %1.</numerusform>
            <numerusform>Хід скасовано: повернуто %n цеглин, залишилося: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>Хід повторено: прибрано %n цеглину, залишилося: %1.</numerusform>
            <numerusform>Хід повторено: прибрано %n цеглини, залишилося: %1.</numerusform>
            <numerusform>Хід повторено: прибрано %n цеглин, залишилося: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>Порожньо, стовпчик %1, рядок %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n, натиснута</numerusform>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n, натиснута</numerusform>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n, натиснута</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n</numerusform>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n</numerusform>
            <numerusform>%1 цеглина, стовпчик %2, рядок %3, група з %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>Гру закінчено!</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>Ви найшвидше прибрали %n цеглину.<byte value="xd"/>
Введіть своє ім’я:</numerusform>
            <numerusform>Ви найшвидше прибрали %n цеглини.<byte value="xd"/>
Введіть своє ім’я:</numerusform>
            <numerusform>Ви найшвидше прибрали %n цеглин.<byte value="xd"/>
Введіть своє ім’я:</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>Не вдалося зберегти ваш час: неможливо записати файл налаштувань.</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>Ваш час не збережено: тим часом інша гра зберегла не гірший час.</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>Ви прибрали не всі цеглини.<byte value="xd"/>
Спробувати ще раз?</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>Почати нову гру?</translation>
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
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Т&amp;ак</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторити</translation>
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
        <translation>Решта:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>Ім’я:</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Рекорди</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>Рекорди: %1 × %2, %n колір</numerusform>
            <numerusform>Рекорди: %1 × %2, %n кольори</numerusform>
            <numerusform>Рекорди: %1 × %2, %n кольорів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Мале (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>&amp;Звичайне (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>&amp;Велике (%1 × %2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>Гра за но&amp;мером…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>Почати &amp;знову</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>По&amp;ле</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n колір</numerusform>
            <numerusform>&amp;%n кольори</numerusform>
            <numerusform>&amp;%n кольорів</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Перегляд</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>Рядок &amp;стану</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>Символи &amp;кольорів</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>З&amp;більшити</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>З&amp;меншити</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Звичайний розмір</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Хід</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>Цеглини:</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>Залишилося цеглин</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>Час</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Вийти з гри?</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>Номер гри, від 1 до %1:</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>Гра за номером</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>Це не номер гри: номер гри — ціле число від 1 до %1.</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>Не вдалося зберегти ваш вибір: неможливо записати файл налаштувань.</translation>
    </message>
</context>
</TS>
