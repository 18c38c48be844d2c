<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BoardSurface</name>
    <message>
        <source>Board</source>
        <extracomment>What screen readers call the board of bricks.</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return removes a group.</source>
        <extracomment>Said when the board first has the focus: the arrow keys move the keyboard&apos;s cursor from brick to brick.</extracomment>
        <translation>矢印キーで移動し、スペースキーまたは Enter キーでグループを消します。</translation>
    </message>
    <message>
        <source>Paused. Press P or click to continue.</source>
        <translation>一時停止中です。P キーを押すかクリックすると再開します。</translation>
    </message>
    <message>
        <source>Resumed.</source>
        <translation>再開しました。</translation>
    </message>
    <message>
        <source>Paused, column %1, row %2</source>
        <translation>一時停止中、%1 列目、%2 行目</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>The heading on the board, covered while the game is paused.</extracomment>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Press P or click to continue</source>
        <extracomment>Under the heading on the covered board; P is the key that pauses, and goes on.</extracomment>
        <translation>P キーかクリックで再開</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Grey</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>灰色の</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>青い</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>緑の</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>赤い</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>黄色い</translation>
    </message>
    <message>
        <source>Violet</source>
        <extracomment>The colour in &quot;%1 brick, column %2, ...&quot;, in the form that agrees with the word for a brick.</extracomment>
        <translation>紫の</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences said one after the other: what happened on the board, then what the cursor is on now.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message numerus="yes">
        <source>%n bricks removed, %1 left.</source>
        <translation>
            <numerusform>%n 個のブロックを消しました。残りは %1 個です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move undone: %n bricks back, %1 left.</source>
        <translation>
            <numerusform>一手戻しました。%n 個のブロックが戻り、残りは %1 個です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move done again: %n bricks removed, %1 left.</source>
        <translation>
            <numerusform>一手やり直しました。%n 個のブロックを消し、残りは %1 個です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty, column %1, row %2</source>
        <translation>空き、%1 列目、%2 行目</translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n, pressed</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1ブロック、%2 列目、%3 行目、%n 個のグループ、押下中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 brick, column %2, row %3, group of %n</source>
        <extracomment>%1 is the colour, as named above; columns and rows count from 1 at the top left.</extracomment>
        <translation>
            <numerusform>%1ブロック、%2 列目、%3 行目、%n 個のグループ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoveExecutor</name>
    <message>
        <source>Game over!</source>
        <translation>ゲームオーバー！</translation>
    </message>
    <message numerus="yes">
        <source>You are the fastest to clear %n.<byte value="xd"/>
Enter you&apos;re name:</source>
        <translation>
            <numerusform>%n 個のブロックを消した最速記録を達成しました。<byte value="xd"/>
名前を入力してください：</numerusform>
        </translation>
    </message>
    <message>
        <source>Your time could not be saved: the settings file cannot be written.</source>
        <translation>タイムを保存できませんでした：設定ファイルに書き込めません。</translation>
    </message>
    <message>
        <source>Your time was not saved: another game saved a time as good meanwhile.</source>
        <translation>タイムは保存されませんでした：その間に別のゲームが同等以上のタイムを保存しました。</translation>
    </message>
    <message>
        <source>You have not cleared all bricks?<byte value="xd"/>
Would you like to retry?</source>
        <translation>ブロックをすべて消すことはできませんでした。<byte value="xd"/>
もう一度挑戦しますか？</translation>
    </message>
    <message>
        <source>Would you like to play a new game?</source>
        <translation>新しいゲームを始めますか？</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar panel&apos;s name and value, as a screen reader reads them: &quot;Time: 00:02:54&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>frmHighScore</name>
    <message>
        <source>Left:</source>
        <extracomment>The heading of the column of the numbers of bricks left, narrow as the numbers.</extracomment>
        <translation>残り：</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The heading of the column of the best times.</extracomment>
        <translation>タイム：</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The heading of the column of the names of the players who set them.</extracomment>
        <translation>名前：</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>ハイスコア</translation>
    </message>
    <message numerus="yes">
        <source>High score: %1 × %2, %n colours</source>
        <translation>
            <numerusform>ハイスコア：%1 × %2、%n 色</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Small (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>小（%1 × %2）(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Normal (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows: the usual one.</extracomment>
        <translation>標準（%1 × %2）(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Large (%1 × %2)</source>
        <extracomment>A size of board, %1 columns by %2 rows.</extracomment>
        <translation>大（%1 × %2）(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>New n&amp;umbered game…</source>
        <translation>番号を指定して新しいゲーム(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>再挑戦(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>盤面(&amp;B)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;%n colours</source>
        <extracomment>How many colours the bricks of a board come in, 3 to 6, its access key on the number.</extracomment>
        <translation>
            <numerusform>&amp;%n 色</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;High score</source>
        <translation>ハイスコア(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Colour symbols</source>
        <translation>色の記号(&amp;C)</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>標準サイズ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>手(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Blocks:</source>
        <extracomment>The panel of the bricks left, before its first count: the bricks are meant.</extracomment>
        <translation>ブロック：</translation>
    </message>
    <message>
        <source>Bricks left</source>
        <extracomment>The name of the panel of the bricks left, as a screen reader says it before the count.</extracomment>
        <translation>残りのブロック</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>The panel of the time played, before its first reading.</extracomment>
        <translation>時間：</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The name of the panel of the time played, as a screen reader says it before the time.</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>ゲームを終了しますか？</translation>
    </message>
    <message>
        <source>Board number, from 1 to %1:</source>
        <translation>盤面の番号（1～%1）：</translation>
    </message>
    <message>
        <source>New numbered game</source>
        <translation>番号を指定して新しいゲーム</translation>
    </message>
    <message>
        <source>That is not a board number: a board number is a whole number from 1 to %1.</source>
        <translation>盤面の番号ではありません：盤面の番号は 1 から %1 までの整数です。</translation>
    </message>
    <message>
        <source>Your choice could not be kept: the settings file cannot be written.</source>
        <translation>選択を保存できませんでした：設定ファイルに書き込めません。</translation>
    </message>
</context>
</TS>
