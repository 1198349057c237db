<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>Game</name>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>このフォルダーは読み取り専用です。</source>
        <translation>This folder is read-only.</translation>
    </message>
    <message>
        <source>このフォルダーに書き込む権限がありません。</source>
        <translation>You may not write to this folder.</translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが起きました。</source>
        <translation>The disk reported an error.</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>It&apos;s your move</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>思考中</source>
        <extracomment>Shown beside the board while the computer thinks; letters that reach below the line touch the clock.</extracomment>
        <translation>THINKING</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Black&apos;s move (先手)</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>White&apos;s move (後手)</translation>
    </message>
    <message>
        <source>今の対局を終わりにしますか？</source>
        <translation>End the game in progress?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not while a record is loaded</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not during a game</translation>
    </message>
    <message>
        <source>局面→最初にして下さい</source>
        <translation>Choose Position → Start over first</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Black (先手) wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>White (後手) wins</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with Forward</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>新規に対局してください</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>終局</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>１</source>
        <extracomment>Files of a move text, full-width digits; in English plain digits.</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>一</source>
        <extracomment>Ranks of a move text, kanji numerals; in English plain digits (7 6 P is 7六歩).</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <source>三</source>
        <translation>3</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4</translation>
    </message>
    <message>
        <source>五</source>
        <translation>5</translation>
    </message>
    <message>
        <source>六</source>
        <translation>6</translation>
    </message>
    <message>
        <source>七</source>
        <translation>7</translation>
    </message>
    <message>
        <source>八</source>
        <translation>8</translation>
    </message>
    <message>
        <source>九</source>
        <translation>9</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>P</translation>
    </message>
    <message>
        <source>と</source>
        <translation>+P</translation>
    </message>
    <message>
        <source>香</source>
        <translation>L</translation>
    </message>
    <message>
        <source>香成</source>
        <translation>+L</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>N</translation>
    </message>
    <message>
        <source>桂成</source>
        <translation>+N</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>S</translation>
    </message>
    <message>
        <source>銀成</source>
        <translation>+S</translation>
    </message>
    <message>
        <source>金</source>
        <translation>G</translation>
    </message>
    <message>
        <source>角</source>
        <translation>B</translation>
    </message>
    <message>
        <source>角成</source>
        <translation>+B</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>R</translation>
    </message>
    <message>
        <source>飛成</source>
        <translation>+R</translation>
    </message>
    <message>
        <source>王</source>
        <translation>K</translation>
    </message>
    <message>
        <source>ファイル名が空です。</source>
        <translation>The file name is empty.</translation>
    </message>
    <message>
        <source>「.」と「..」はファイル名に使えません。</source>
        <translation>&quot;.&quot; and &quot;..&quot; cannot be file names.</translation>
    </message>
    <message>
        <source>ファイル名に「/」は使えません。</source>
        <translation>A file name cannot contain &quot;/&quot;.</translation>
    </message>
    <message>
        <source>ファイル名に制御文字は使えません。</source>
        <translation>A file name cannot contain control characters.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>A handicap game cannot be saved</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>Enter a file name</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>Record saved</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>Record loaded</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <extracomment>The handicap grade shown above the board (21 steps; 段 dan and 級 kyu are grades, 名人 Meijin the highest): keep it short, it has about three cells.</extracomment>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12 kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <extracomment>After the number of moves played, in a small space: keep it under five narrow letters.</extracomment>
        <translation>ply</translation>
    </message>
    <message>
        <source>前回の対局はそのままにして、次の起動のときにもう一度お聞きします。</source>
        <translation>The last game is kept; you will be asked again at the next start.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>フォルダです。</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>書き込みが許されていないファイルです。</source>
        <translation>The file may not be written to.</translation>
    </message>
    <message>
        <source>アクセスする権限がありません。</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダが見つかりません。</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder of that name exists.</translation>
    </message>
    <message>
        <source>フォルダの指定が正しくありません。</source>
        <translation>The folder path is not valid.</translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation>The location is read-only.</translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>入出力エラーが起きました。</source>
        <translation>An input/output error occurred.</translation>
    </message>
    <message>
        <source>シンボリックリンクが多すぎます。</source>
        <translation>Too many symbolic links.</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます。</source>
        <translation>Too many open files.</translation>
    </message>
    <message>
        <source>名前「%1」に改行が含まれています。</source>
        <extracomment>%1 is the name a player typed for the game or a player.</extracomment>
        <translation>The name &quot;%1&quot; contains a line break.</translation>
    </message>
    <message>
        <source>名前「%1」にShift_JISで書けない文字があります。</source>
        <extracomment>%1 is a name; a record file keeps names in the Shift_JIS encoding.</extracomment>
        <translation>The name &quot;%1&quot; has characters that Shift_JIS cannot hold.</translation>
    </message>
    <message>
        <source>%1手目の盤（%2, %3）の駒 %4 は棋譜ファイルに書けません。</source>
        <extracomment>%1 move number, %2 and %3 the square (column, row), %4 the piece&apos;s code number.</extracomment>
        <translation>Move %1: the piece %4 on square (%2, %3) cannot be written to a record file.</translation>
    </message>
    <message>
        <source>%1手目の%2の持駒の%3が%4枚あり、棋譜ファイルには書けません（1種類%5枚まで）。</source>
        <extracomment>%1 move number, %2 the side (上 top / 下 bottom), %3 a piece, %4 how many, %5 the most a record file holds.</extracomment>
        <translation>Move %1: the %2 hand holds %4 × %3; a record file holds at most %5 of a kind.</translation>
    </message>
    <message>
        <source>0〜%1秒に収まらない時間は、%2秒（負の時間は0秒）として書きました。</source>
        <extracomment>%1 and %2 are the longest time a record file holds, in seconds.</extracomment>
        <translation>Times outside 0 to %1 seconds were saved as %2 seconds (negative times as 0).</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」を書き込めませんでした。</source>
        <extracomment>%1 is a file&apos;s name (a record file, 棋譜ファイル).</extracomment>
        <translation>Could not write the record file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」を開けませんでした。</source>
        <translation>Could not open the record file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」には壊れた項目がありました。</source>
        <translation>The record file &quot;%1&quot; has damaged entries.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」は500手を超えています。</source>
        <translation>The record file &quot;%1&quot; has more than 500 moves.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の行は途中で切れていて、王がそろっていません。</source>
        <extracomment>%1 file name, %2 the move whose line is cut short.</extracomment>
        <translation>In the record file &quot;%1&quot;, the line of move %2 is cut short and a king is missing.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の行は駒の欄が壊れていて、王がそろっていません。</source>
        <translation>In the record file &quot;%1&quot;, the pieces of move %2 are damaged and a king is missing.</translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の局面には王がありません。</source>
        <translation>In the record file &quot;%1&quot;, the position after move %2 has no king.</translation>
    </message>
    <message>
        <source>ファイル名「%1」では保存できません。</source>
        <extracomment>%1 is the file name the player typed.</extracomment>
        <translation>Cannot save as &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>システムエラー（番号 %1）が起きました。</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation>System error %1.</translation>
    </message>
    <message>
        <source>音声ファイル「%1」を読み込めませんでした。</source>
        <extracomment>%1 is the name of a sound file.</extracomment>
        <translation>Could not read the sound file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」は書き込み禁止のファイルです。</source>
        <extracomment>%1 is the name of the file that keeps the game between runs.</extracomment>
        <translation>&quot;%1&quot; is write-protected.</translation>
    </message>
    <message>
        <source>「%1」という名前のフォルダーがあります。</source>
        <translation>There is a folder named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」はシンボリックリンクです。リンクの先には書き込みません。</source>
        <translation>&quot;%1&quot; is a symbolic link; the game does not write through links.</translation>
    </message>
    <message>
        <source>「%1」は通常のファイルではありません。</source>
        <translation>&quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>「%1」はシンボリックリンクなので、前回の対局として読みませんでした。</source>
        <translation>&quot;%1&quot; is a symbolic link, so the last game was not read from it.</translation>
    </message>
    <message>
        <source>「%1」はそのままにして、次の起動のときにもう一度読みます。</source>
        <translation>&quot;%1&quot; is left as it is and will be read again at the next start.</translation>
    </message>
    <message>
        <source>「%1」を移せなかったので、そのままにしてあります。</source>
        <translation>&quot;%1&quot; could not be moved and is left as it is.</translation>
    </message>
    <message>
        <source>「%1」に移しました。</source>
        <translation>It was moved to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>前回の対局を「%1」に移せませんでした。</source>
        <translation>Could not move the last game to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>「%1」はそのままにしてあります。</source>
        <translation>&quot;%1&quot; is left as it is.</translation>
    </message>
    <message>
        <source>読めない項目は 0（空）として読み込みました。</source>
        <translation>Unreadable entries were read as 0 (empty).</translation>
    </message>
    <message>
        <source>501手目から後は読み込みませんでした。</source>
        <translation>Moves from 501 on were not read.</translation>
    </message>
    <message>
        <source>その前の局面までを読み込みました。</source>
        <translation>The positions before it were read.</translation>
    </message>
    <message>
        <source>リンクの先には書き込まないので、この対局は自動保存されません。</source>
        <translation>The game does not write through links, so this game is not saved automatically.</translation>
    </message>
    <message>
        <source>棋譜の記録が上限（500手）に達しました。</source>
        <translation>The record is full (500 moves).</translation>
    </message>
    <message>
        <source>これ以上は指せません。</source>
        <translation>No more moves can be played.</translation>
    </message>
    <message>
        <source>下</source>
        <extracomment>The lower player, in a sentence about a record file&apos;s hands.</extracomment>
        <translation>lower</translation>
    </message>
    <message>
        <source>上</source>
        <extracomment>The upper player.</extracomment>
        <translation>upper</translation>
    </message>
    <message>
        <source>自動保存</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>この対局は自動保存されていません。</source>
        <translation>This game is not being saved automatically.</translation>
    </message>
    <message>
        <source>対局はこのまま続けられます。一手ごとに保存を試みます。</source>
        <translation>You can go on playing; the game tries again after every move.</translation>
    </message>
    <message>
        <source>自動保存できるようになりました。<byte value="xd"/>この対局はいまの局面から保存されています。</source>
        <translation>Autosave works again.<byte value="xd"/>This game is saved from the current position.</translation>
    </message>
    <message>
        <source>前の対局の自動保存ファイルを消せませんでした。</source>
        <translation>Could not remove the autosave file of the last game.</translation>
    </message>
    <message>
        <source>次の起動のとき、その対局を続けるか聞かれます。</source>
        <translation>At the next start you will be asked whether to continue it.</translation>
    </message>
    <message>
        <source>前回の対局を続けますか？</source>
        <translation>Continue the last game?</translation>
    </message>
    <message>
        <source>再開</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>前回の対局の自動保存ファイルを読めませんでした。</source>
        <translation>Could not read the autosave file of the last game.</translation>
    </message>
    <message>
        <source>今回は対局を自動保存しません。</source>
        <translation>This time the game is not saved automatically.</translation>
    </message>
    <message>
        <source>このフォルダーでは別の Vezuvire が動いています。<byte value="xd"/>この対局は自動保存しません。</source>
        <translation>Another Vezuvire is running in this folder.<byte value="xd"/>This game is not saved automatically.</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>Sound could not be started.</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>先手</source>
        <extracomment>A side in the move list: 先手 moves first (sente), 後手 second (gote).</extracomment>
        <translation>Black</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>White</translation>
    </message>
    <message>
        <source>打</source>
        <extracomment>A drop in the move list: the piece came from the hand.</extracomment>
        <translation>drop</translation>
    </message>
    <message>
        <source>成</source>
        <extracomment>The move list: the piece promoted on this move.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>指し手なし</source>
        <extracomment>The move list: a step of the log with no move in it.</extracomment>
        <translation>no move</translation>
    </message>
    <message>
        <source>歩で金を取りましょう。</source>
        <translation>Take the gold with the pawn.</translation>
    </message>
    <message>
        <source>歩は向いている方へ一マス進みます。駒を取った駒は向きを変えません。</source>
        <translation>A pawn steps one square the way it faces. A piece that captures keeps its facing.</translation>
    </message>
    <message>
        <source>横を向いた歩</source>
        <translation>A pawn facing sideways</translation>
    </message>
    <message>
        <source>右を向いた歩で金を取りましょう。</source>
        <translation>Take the gold with the pawn that faces right.</translation>
    </message>
    <message>
        <source>駒の動きは駒の向きと一緒に回ります。右を向いた歩は右へ進みます。</source>
        <translation>A piece&apos;s moves turn with its facing: a pawn facing right steps right.</translation>
    </message>
    <message>
        <source>左を向いた香で銀を取りましょう。</source>
        <translation>Take the silver with the lance that faces left.</translation>
    </message>
    <message>
        <source>香は向いている方へ、何マスでもまっすぐ進みます。</source>
        <translation>A lance goes straight the way it faces, as far as it likes.</translation>
    </message>
    <message>
        <source>桂で金を取りましょう。</source>
        <translation>Take the gold with the knight.</translation>
    </message>
    <message>
        <source>桂は向いている方へ二マス、横へ一マスの所へ跳びます。間の駒は跳び越えます。</source>
        <translation>A knight jumps two squares the way it faces and one to the side, over any piece between.</translation>
    </message>
    <message>
        <source>下を向いた銀で金を取りましょう。</source>
        <translation>Take the gold with the silver that faces down.</translation>
    </message>
    <message>
        <source>銀は前と斜め四方へ一マス。下を向いた銀の「前」は下です。</source>
        <translation>A silver steps forward or to any of the four diagonals. For a silver facing down, forward is down.</translation>
    </message>
    <message>
        <source>右を向いた金で銀を取りましょう。</source>
        <translation>Take the silver with the gold that faces right.</translation>
    </message>
    <message>
        <source>金は前、斜め前、横、後ろへ一マス。右を向けば右が前、右下は斜め前です。</source>
        <translation>A gold steps forward, diagonally forward, sideways or back. Facing right, right is forward and down-right is diagonally forward.</translation>
    </message>
    <message>
        <source>角で飛を取りましょう。</source>
        <translation>Take the rook with the bishop.</translation>
    </message>
    <message>
        <source>角は斜めに何マスでも進みます。どちらを向いても同じです。</source>
        <translation>A bishop goes diagonally as far as it likes, whichever way it faces.</translation>
    </message>
    <message>
        <source>飛で角を取りましょう。</source>
        <translation>Take the bishop with the rook.</translation>
    </message>
    <message>
        <source>飛は縦横に何マスでも進みます。どちらを向いても同じです。</source>
        <translation>A rook goes along rows and columns as far as it likes, whichever way it faces.</translation>
    </message>
    <message>
        <source>王で金を取りましょう。</source>
        <translation>Take the gold with the king.</translation>
    </message>
    <message>
        <source>王は周りの八マスのどこへでも一マス進みます。</source>
        <translation>A king steps to any of the eight squares around it.</translation>
    </message>
    <message>
        <source>緑のマス</source>
        <translation>Green squares</translation>
    </message>
    <message>
        <source>歩を右に向けましょう。</source>
        <translation>Make the pawn face right.</translation>
    </message>
    <message>
        <source>空いたマスに着いた駒は四分の一回ります。緑のマスでは時計回りで、上向きは右向きになります。</source>
        <translation>A piece landing on an empty square turns a quarter turn: clockwise on green, so up becomes right.</translation>
    </message>
    <message>
        <source>水色のマス</source>
        <translation>Teal squares</translation>
    </message>
    <message>
        <source>歩を左に向けましょう。</source>
        <translation>Make the pawn face left.</translation>
    </message>
    <message>
        <source>水色のマスでは反時計回りに回ります。上向きは左向きになります。</source>
        <translation>On teal it turns anticlockwise: up becomes left.</translation>
    </message>
    <message>
        <source>回って狙う</source>
        <translation>Turn to aim</translation>
    </message>
    <message>
        <source>二手で金を取りましょう。</source>
        <translation>Take the gold in two moves.</translation>
    </message>
    <message>
        <source>緑のマスで右を向いた歩は、次の手で右の金を取れます。</source>
        <translation>On green the pawn turned right, so its next move takes the gold beside it.</translation>
    </message>
    <message>
        <source>取っても回らない</source>
        <translation>Captures keep the facing</translation>
    </message>
    <message>
        <source>香で歩と金を両方取りましょう。</source>
        <translation>Take both the pawn and the gold with the lance.</translation>
    </message>
    <message>
        <source>駒を取った駒は向きを変えません。香は上を向いたまま、もう一度まっすぐ進めます。</source>
        <translation>A piece that captures does not turn: the lance still faces up and can go straight on.</translation>
    </message>
    <message>
        <source>打つ</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>持駒の金を打って、次の手で銀を取りましょう。</source>
        <translation>Drop the gold from your hand, then take the silver with it.</translation>
    </message>
    <message>
        <source>打った駒は相手の方を向いて盤に入り、それから四分の一回ります。緑のマスに打った金は右を向きます。</source>
        <translation>A dropped piece enters facing the other side, then makes its quarter turn: a gold dropped on green faces right.</translation>
    </message>
    <message>
        <source>香を打つ</source>
        <translation>Dropping a lance</translation>
    </message>
    <message>
        <source>持駒の香を王の方へ向けて打ち、王を取りましょう。</source>
        <translation>Drop the lance so that it faces the king, then take the king.</translation>
    </message>
    <message>
        <source>上向きで入った香は緑のマスで右を、水色のマスで左を向きます。王と同じ段の緑のマスに打てば、王を狙えます。</source>
        <translation>A lance enters facing up and turns right on green, left on teal. Dropped on green in the king&apos;s row, it aims at the king.</translation>
    </message>
    <message>
        <source>成る</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>銀を敵陣に入れて成りましょう。</source>
        <translation>Move the silver into the far three rows and promote it.</translation>
    </message>
    <message>
        <source>相手側の三段(敵陣)に入る手、その中の手、出る手で駒は成れます。成ると金と同じ動きになります。向きはそのままです。</source>
        <translation>A piece may promote moving into, within or out of the other side&apos;s three rows. A promoted silver moves like a gold and keeps its facing.</translation>
    </message>
    <message>
        <source>歩を成って、二手で金を取りましょう。</source>
        <translation>Promote the pawn and take the gold in two moves.</translation>
    </message>
    <message>
        <source>成った歩(と)は金と同じ動きをします。成らなければ、左を向いた歩は左の一マスにしか行けません。</source>
        <translation>A promoted pawn (tokin) moves like a gold. Unpromoted, a pawn facing left could only step left.</translation>
    </message>
    <message>
        <source>王を取る</source>
        <translation>Taking the king</translation>
    </message>
    <message>
        <source>飛で王を取りましょう。</source>
        <translation>Take the king with the rook.</translation>
    </message>
    <message>
        <source>王を取った方の勝ちです。王手という決まりはありません。</source>
        <translation>Whoever takes the king wins. There is no rule of check.</translation>
    </message>
    <message>
        <source>向きで狙う</source>
        <translation>Aim with a turn</translation>
    </message>
    <message>
        <source>二手で王を取りましょう。</source>
        <translation>Take the king in two moves.</translation>
    </message>
    <message>
        <source>上を向いた香を緑のマスへ進めると右を向き、同じ段の王をまっすぐ狙えます。</source>
        <translation>The lance facing up moves onto green and turns right, aiming straight at the king in its row.</translation>
    </message>
    <message>
        <source>歩の動き</source>
        <translation>How the pawn moves</translation>
    </message>
    <message>
        <source>香の動き</source>
        <translation>How the lance moves</translation>
    </message>
    <message>
        <source>桂の動き</source>
        <translation>How the knight moves</translation>
    </message>
    <message>
        <source>銀の動き</source>
        <translation>How the silver moves</translation>
    </message>
    <message>
        <source>金の動き</source>
        <translation>How the gold moves</translation>
    </message>
    <message>
        <source>角の動き</source>
        <translation>How the bishop moves</translation>
    </message>
    <message>
        <source>飛の動き</source>
        <translation>How the rook moves</translation>
    </message>
    <message>
        <source>王の動き</source>
        <translation>How the king moves</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Resign this game?</translation>
    </message>
    <message>
        <source>選んだ設定は、今回の起動のあいだだけ使われます。</source>
        <translation>The choice holds only until the program ends.</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>そのファイルは空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>そのファイルは読めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>そのファイルの中身は錠の形をしていません。</source>
        <translation>The file does not hold a lock.</translation>
    </message>
    <message>
        <source>それはフォルダーです。</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>それはシンボリックリンクです。</source>
        <translation>It is a symbolic link.</translation>
    </message>
    <message>
        <source>それは通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>それは別のコンピューターの錠です。</source>
        <translation>It is a lock taken on another computer.</translation>
    </message>
    <message>
        <source>「%1」は、このコンピューターで動いている Vezuvire の錠だとは確かめられません。</source>
        <extracomment>%1 is the name of the lock file of the folder&apos;s kept game.</extracomment>
        <translation>&quot;%1&quot; cannot be shown to be the lock of a Vezuvire running on this computer.</translation>
    </message>
    <message>
        <source>このフォルダーを使っている Vezuvire がほかになければ、「%1」を消してください。</source>
        <extracomment>%1 is the lock file&apos;s name; the player may delete it.</extracomment>
        <translation>If no other Vezuvire uses this folder, delete &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>それは別のコンピューター「%1」の錠です。</source>
        <extracomment>%1 is the name of the computer that the lock file names.</extracomment>
        <translation>It is a lock taken on another computer, &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>設定を「%1」に保存できませんでした。</source>
        <extracomment>%1 is the preferences file&apos;s name (Vezuvire.prefs).</extracomment>
        <translation>The choice could not be stored in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>前回の対局は続けられますが、この対局は自動保存しません。</source>
        <translation>The last game can be taken up, but this game is not saved automatically.</translation>
    </message>
    <message>
        <source>と金</source>
        <translation>The tokin</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>歩</source>
        <extracomment>Piece name in the help&apos;s table of moves: the English name with the kanji in brackets.</extracomment>
        <translation>Pawn (歩)</translation>
    </message>
    <message>
        <source>と</source>
        <translation>Promoted pawn (と)</translation>
    </message>
    <message>
        <source>香</source>
        <translation>Lance (香)</translation>
    </message>
    <message>
        <source>香成</source>
        <translation>Promoted lance (香成)</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>Knight (桂)</translation>
    </message>
    <message>
        <source>桂成</source>
        <translation>Promoted knight (桂成)</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>Silver (銀)</translation>
    </message>
    <message>
        <source>銀成</source>
        <translation>Promoted silver (銀成)</translation>
    </message>
    <message>
        <source>金</source>
        <translation>Gold (金)</translation>
    </message>
    <message>
        <source>角</source>
        <translation>Bishop (角)</translation>
    </message>
    <message>
        <source>角成</source>
        <translation>Promoted bishop (角成)</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>Rook (飛)</translation>
    </message>
    <message>
        <source>飛成</source>
        <translation>Promoted rook (飛成)</translation>
    </message>
    <message>
        <source>王</source>
        <translation>King (王)</translation>
    </message>
    <message>
        <source>Vezuvire の遊び方</source>
        <translation>How to play Vezuvire</translation>
    </message>
    <message>
        <source>Vezuvire は将棋の一種です。盤の上の駒はどれも下・左・上・右のどれかを向いていて、向いている方を前にして、ふつうの将棋の駒と同じ形に動きます。そして空いている桝に着くたびに、その桝の色で決まる向きへ90度回ります。</source>
        <translation>Vezuvire is a kind of shogi (Japanese chess). Every piece on the board faces down, left, up or right, and moves like its shogi counterpart with the way it faces as its front. Each time it lands on an empty square it turns a quarter turn, in the direction set by that square&apos;s colour.</translation>
    </message>
    <message>
        <source>対局の始め方</source>
        <translation>Starting a game</translation>
    </message>
    <message>
        <source>盤と桝の色</source>
        <translation>The board and its colours</translation>
    </message>
    <message>
        <source>盤は緑と水色の桝が交互に並んだ市松模様です。駒が空いている桝に動くか打たれると、着いた桝の色で向きを変えます。
・緑の桝：右回り（時計回り）に90度
・水色の桝：左回り（反時計回り）に90度
相手の駒を取ってその桝に着いたときは、向きは変わりません。
下の図は、上を向いた歩が一つ前の桝へ進んだときの様子です（左が動く前、右が動いた後）。</source>
        <translation>The board is a chequerboard of green and teal squares. When a piece moves or is dropped onto an empty square, it turns according to the colour of that square:
• green square: a quarter turn clockwise
• teal square: a quarter turn anticlockwise
A piece that captures does not turn.
The pictures below show a pawn facing up moving one square forward (left: before the move, right: after it).</translation>
    </message>
    <message>
        <source>盤の上の印</source>
        <translation>Marks on the board</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ → 表示 で、盤の上に描く印を選べます。
・最後の手：最後に指された手の元の桝と行き先を桃色の太い枠で囲みます（打った駒は持駒の桝と行き先）。
・断りの説明：動けない桝をクリックしたとき、その桝を赤い太い枠で、選んでいた駒の動ける桝を白い枠で少しの間示します（移動指導がオフでも）。
・回転の矢印：桝の右下の小さな矢印が、そこに着いた駒の回る向きを示します。右回りの矢印は緑の桝、左回りの矢印は水色の桝です。色の見分けにくい人にも向きが分かります。
・手番の印：指す番の側の持駒の脇に黄色い三角（下側は▲、上側は▼）を描きます。</source>
        <translation>Options → Display chooses the marks drawn over the board.
• Last move: the square the last move came from and the square it went to are framed in thick pink (for a drop, the hand slot and the destination).
• Explain refused moves: when you click a square the piece cannot reach, that square is framed in thick red and, for a moment, every square the selected piece can reach is framed in white (even with Show moves off).
• Turn arrows: a small arrow in the lower right corner of each square shows which way a piece landing there turns: clockwise on green squares, anticlockwise on teal ones. The arrows tell the squares apart without relying on colour.
• Side to move: a yellow triangle beside the hand of the side to move (▲ for the bottom side, ▼ for the top side).</translation>
    </message>
    <message>
        <source>指し方</source>
        <translation>Making a move</translation>
    </message>
    <message>
        <source>自分の番に自分の駒をクリックすると、赤い枠で囲まれます（ｵﾌﾟｼｮﾝ → 移動指導 がオンなら、動ける桝が白い枠で示されます）。続けて行き先をクリックすると駒が動きます。別の自分の駒をクリックすると選び直せます。動けない桝をクリックすると音が鳴り、選択が取り消されます。相手の駒をクリックすると、その駒の動ける桝が示されます。</source>
        <translation>On your move, click one of your pieces: a red outline marks it (with Options → Show moves on, white outlines mark the squares it can reach). Then click the destination and the piece moves. Click another of your pieces to choose again. Clicking a square the piece cannot reach sounds a warning and cancels the choice. Clicking an opponent&apos;s piece shows the squares it can reach.</translation>
    </message>
    <message>
        <source>駒の動き</source>
        <translation>How the pieces move</translation>
    </message>
    <message>
        <source>下の図は、それぞれの駒とその成り駒が下・左・上・右を向いているときに動ける桝です。赤い枠が駒のいる桝、白い枠と点が動ける桝です（盤の中ほどの5×5桝だけを描いています）。
・自分の駒がいる桝には動けません。相手の駒がいる桝に動くと、その駒を取ります。
・桂は間の駒を跳び越えます。香・角・飛・角成・飛成の線は盤の端まで続きますが、途中に駒があるとその先へは進めません。
・王手や詰みの決まりはありません。王も、相手に取られる桝へ動けます。</source>
        <translation>The pictures below show the squares each piece and its promoted form can reach when facing down, left, up and right. The red outline is the piece&apos;s square; white outlines and dots are the squares it can reach (only the 5 × 5 squares around it are drawn).
• A piece cannot move onto a square held by one of your own pieces. Moving onto an opponent&apos;s piece captures it.
• The knight jumps over pieces in between. The lines of the lance, bishop, rook and promoted bishop and rook run to the edge of the board but stop at the first piece in the way.
• There is no check or checkmate rule. The king may move onto a square where it can be captured.</translation>
    </message>
    <message>
        <source>持駒と打ち方</source>
        <translation>Pieces in hand and drops</translation>
    </message>
    <message>
        <source>取った駒は自分の持駒になります。成った駒は元の駒に戻って持駒になります。盤の下側の持駒は盤の右に、上側の持駒は盤の左に並びます。
自分の番に持駒をクリックし、続けて空いている桝をクリックすると、そこに打てます。打った駒は、下側の駒なら上向き、上側の駒なら下向きで置かれ、すぐに着いた桝の色の向きへ回ります。
打てる桝に決まりはありません（二歩も、行き所のない桝への駒も打てます）。</source>
        <translation>A captured piece joins your pieces in hand; a promoted piece goes back to its unpromoted form. The lower player&apos;s pieces in hand stand to the right of the board, the upper player&apos;s to the left.
On your move, click a piece in hand and then an empty square to drop it there. A dropped piece is placed facing up (lower player) or down (upper player) and at once turns by the colour of its square.
A piece may be dropped on any empty square (two pawns in a column and pieces that can never move again are allowed).</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>歩・香・桂は相手の陣（相手側の3段）で止まる手（陣に入る手も陣の中で動く手も）で、銀・角・飛は相手の陣に入る手、陣の中で動く手、陣から出る手で成ることができます。駒の向きは関係ありません。成るのはいつでも選べることで、成らずに進めても構いません。
ｵﾌﾟｼｮﾝ → 操作 → 成るか聞く がオン（初めはオン）なら、成れる手では行き先の横に 成る／成らない が出ます。行き先の右ボタンでのクリック、Ctrl を押しながらの左クリック、キーボードのカーソルでの Shift＋Enter では、聞かれずにすぐ成ります。
金と王は成りません。成った駒は盤では と（歩成）・杏（香成）・圭（桂成）・全（銀成）・馬（角成）・龍（飛成）と書かれます。と・杏・圭・全は金と同じ動きになり、馬・龍は元の動きに加えて周りの8桝へも動けます。</source>
        <translation>A pawn, lance or knight may promote on a move that ends in the opponent&apos;s camp (the opponent&apos;s three rows), whether it enters the camp or moves within it; a silver, bishop or rook on a move into, within or out of it. The way the piece faces does not matter. Promotion is always a choice: you may decline.
With Options → Play → Ask before promoting on (it is on at first), a move that may promote shows Promote / Don&apos;t promote beside the destination. Clicking the destination with the right mouse button, Ctrl with a left click, or Shift+Enter with the keyboard cursor promotes at once without asking.
Gold and king never promote. On the board a promoted piece is written with its own kanji: promoted pawn (と), promoted lance (杏), promoted knight (圭), promoted silver (全), promoted bishop or horse (馬) and promoted rook or dragon (龍); with Letters labels +P, +L, +N, +S, +B and +R. A promoted pawn, lance, knight or silver moves like a gold; a promoted bishop or rook keeps its own moves and may also move to any of the eight squares around it.</translation>
    </message>
    <message>
        <source>勝ち負け</source>
        <translation>Winning</translation>
    </message>
    <message>
        <source>相手の王を取ったほうが勝ちです。コンピュータに指せる手がなくなったときも、あなたの勝ちです。勝負がついた後は、対局 メニューから新しい対局を始めてください。
一つの対局で記録できるのは500手までです。</source>
        <translation>Whoever captures the opponent&apos;s king wins. You also win when the computer has no move left. After the game is decided, start a new one from the Game menu.
A game can record up to 500 moves.</translation>
    </message>
    <message>
        <source>戻と進</source>
        <translation>Back and Forward</translation>
    </message>
    <message>
        <source>メニューの 戻 で一手戻り、進 で戻した手をもう一度進めます（キーボードでは Ctrl＋Z が 戻、Ctrl＋Y または Ctrl＋Shift＋Z が 進 です）。戻したところで盤をクリックすると、そこから対局が続きます。コンピュータとの対局でコンピュータの番になっていれば、コンピュータがすぐに指します（二回戻すとあなたの番になります）。新しく指すと、戻した先の手は消えます。
局面 → 最初 で初めの局面に戻ります。</source>
        <translation>Back in the menu bar takes back one move, and Forward plays a taken-back move again (on the keyboard, Ctrl+Z is Back; Ctrl+Y or Ctrl+Shift+Z is Forward). Click the board after going back to play on from there. Against the computer, if it is the computer&apos;s move, it moves at once (go back twice to reach your own move). A new move discards the moves after it.
Position → Start over returns to the starting position.</translation>
    </message>
    <message>
        <source>ハンディキャップ</source>
        <translation>Handicaps</translation>
    </message>
    <message>
        <source>対局の最初の一手より前に、メニューの △ と ▽ で21段階のハンディキャップを選べます。△ を押すたびに上側の駒が、▽ を押すたびに下側の駒が、角・飛・香・香・桂・桂・銀・銀・金・金の順に一つずつ減ります（反対を押すと戻ります）。段階の名前は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人 から ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級 まで盤の上に表示され、互角は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級 です。
△ や ▽ を使った対局は棋譜に書き込めません（局面 → 最初 で元に戻ります）。</source>
        <translation>Before the first move of a game, △ and ▽ in the menu bar choose one of 21 handicaps. Each △ takes away one of the upper player&apos;s pieces, each ▽ one of the lower player&apos;s, in this order: bishop, rook, lance, lance, knight, knight, silver, silver, gold, gold (the other button puts it back). The handicap&apos;s name, from Handicap: Meijin to Handicap: 12 kyu, is shown above the board; an even game is Handicap: 2 kyu.
A game played with △ or ▽ cannot be saved as a record (Position → Start over undoes the handicap).</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>棋譜 → 書込 で対局を棋譜ファイル（拡張子 .棋譜）に保存し、棋譜 → 読込 で読み込みます。盤の上に出る欄でフォルダとファイルを選び、書き込むときは対局名と両者の名前も入れられます。
読み込んだ棋譜は 進 と 戻 で一手ずつ見られます。途中で 対局 → 対局(COM) → 先手／後手 を選ぶと、その局面からコンピュータとの対局を続けられます。</source>
        <translation>Record → Save keeps the game in a record file (ending .棋譜); Record → Load reads one. Choose the folder and the file in the panel that opens over the board; when saving you can also enter names for the game and both players.
Step through a loaded record with Forward and Back. Choose Game → Against the computer → Move first / Move second at any point to play the computer from that position.</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ メニューの設定は Vezuvire.ini に保存され、次に起動したときにも使われます。
・背景画：緑・畳・竹・宇宙・煉瓦から選びます。
・移動指導：駒を選んだとき、動ける桝を白い枠で示します。
・経過時間：両者の使った時間を表示します。
・BGM：音楽を流します。</source>
        <translation>The choices of the Options menu are kept in Vezuvire.ini and used again at the next start.
• Background: green, tatami, bamboo, space or brick.
• Show moves: when you choose a piece, white outlines mark the squares it can reach.
• Clocks: shows the time each player has used.
• BGM: plays music.</translation>
    </message>
    <message>
        <source>キーボード</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>対局の自動保存</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>対局中のゲームは自動で保存されます。途中でゲームを終えても、次に起動したときに「前回の対局を続けますか？」と聞かれ、「はい」を選ぶとその局面から続けられます。</source>
        <translation>A game in progress is saved automatically. If you quit in the middle of a game, the next start asks &quot;Continue the last game?&quot;; choose Yes to go on from where you left off.</translation>
    </message>
    <message>
        <source>緑の桝に着く：右回り</source>
        <translation>Lands on green: turns clockwise</translation>
    </message>
    <message>
        <source>水色の桝に着く：左回り</source>
        <translation>Lands on teal: turns anticlockwise</translation>
    </message>
    <message>
        <source>駒を取る：回らない</source>
        <translation>Captures: does not turn</translation>
    </message>
    <message>
        <source>下向き</source>
        <translation>Facing down</translation>
    </message>
    <message>
        <source>左向き</source>
        <translation>Facing left</translation>
    </message>
    <message>
        <source>上向き</source>
        <translation>Facing up</translation>
    </message>
    <message>
        <source>右向き</source>
        <translation>Facing right</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>待った・投了・ヒント・効果音</source>
        <translation>Take back, resign, hint, sound effects</translation>
    </message>
    <message>
        <source>コンピュータとの対局では、局面 → 待った（Ctrl＋Z）で自分の最後の手とコンピュータの応手をまとめて戻し、あなたの番にします。盤をクリックすると、そこから対局が続きます。
局面 → ヒント（H キー）は、あなたの番に、強さ4のコンピュータが選ぶ手を2秒間だけ示します。動かす駒と行き先の桝が黄色い枠で囲まれ、あなたの指し手の欄に行き先と駒が出ます。手は指されません。
対局 → 投了 で今の対局を投げます。王を取られたときと同じく、相手の勝ちで終わります。
ｵﾌﾟｼｮﾝ → 効果音 で駒の音と禁止の音を消したり戻したりできます（音楽は BGM で切り替えます）。この設定は Vezuvire.prefs に保存されます。</source>
        <translation>Against the computer, Position → Take back move (Ctrl+Z) takes back your last move and the computer&apos;s answer together and leaves you to move. Click the board to play on from there.
Position → Hint (the H key) shows, on your move, the move the computer at strength 4 would choose, for two seconds: the piece to move and its destination are outlined in yellow, and your move slot shows the destination and the piece. Nothing is played.
Game → Resign gives up the game in progress. It ends as when a king is taken, the other side winning.
Options → Sound effects turns the sounds of the pieces and of refused moves off and on (the music has its own option, BGM). This choice is kept in Vezuvire.prefs.</translation>
    </message>
    <message>
        <source>・矢印キー：盤と自分の持駒の上でカーソルを動かします。
・Enter または Space：カーソルの桝を左クリックしたのと同じです。
・Shift＋Enter：カーソルの桝を右クリックしたのと同じです（成る）。
・Ctrl＋Z：戻（コンピュータとの対局中は 待った）&#x3000;Ctrl＋Y または Ctrl＋Shift＋Z：進
・H：ヒント（コンピュータとの対局で、あなたの番に）
・Ctrl＋L：棋譜一覧 を開きます（棋譜 → 棋譜一覧 でも開けます）。
・F1：この 遊び方 を開きます（その他 → 遊び方 でも開けます）。
・Esc：ゲームを終わります（対局 → 終わり や窓を閉じても終わります）。この 遊び方 の窓では、Esc はこの窓を閉じるだけです。</source>
        <translation>• Arrow keys: move the cursor over the board and your pieces in hand.
• Enter or Space: the same as a left click on the cursor&apos;s square.
• Shift+Enter: the same as a right click on the cursor&apos;s square (promote).
• Ctrl+Z: Back (Take back move in a game against the computer)   Ctrl+Y or Ctrl+Shift+Z: Forward
• H: Hint (against the computer, on your move)
• Ctrl+L: opens the move list (also Record → Move list).
• F1: opens this help (also Help → How to play).
• Esc: quits the game (so do Game → Quit and closing the window). In this help window, Esc only closes the help.</translation>
    </message>
    <message>
        <source>動きを見せている間</source>
        <translation>While a move is being shown</translation>
    </message>
    <message>
        <source>コンピュータの指し手が点滅している間も、駒が回る前の一瞬も、動けない桝が赤く光っている間も、ヒントを示している2秒間も、窓は止まりません。メニューを開く、窓の大きさを変える、遊び方・棋譜一覧・ｵﾌﾟｼｮﾝ を使う、矢印キーでカーソルを動かす、はすぐにできます。
盤をクリックするか（Enter・Space・H キーも同じです）、対局・局面・戻・進・△・▽・棋譜 のコマンドを選ぶと、見せている動きはその場で終わり（残りはすぐに描かれます）、それからそのクリックやコマンドが働きます。ヒントもクリック一つで消えます。
コンピュータが考えている間は、盤のクリックと対局を変えるコマンドは禁止の音とともに断られます。
Esc・対局 → 終わり・窓を閉じる、のどれでも、見せている動きを終えてからゲームを終わります。コンピュータが考えている途中なら考えるのをやめ、コンピュータが指す前の局面が保存されます。</source>
        <translation>The window never stops: not while the computer&apos;s move blinks, nor in the moment before a piece turns, nor while a refused square shows red, nor during the two seconds of a hint. Opening a menu, resizing the window, How to play, the Move list, the Options and moving the cursor with the arrow keys all work at once.
A click on the board (Enter, Space and the H key alike) or a command of Game, Position, Back, Forward, △, ▽ or Record ends what is being shown there and then (the rest is drawn straight away), and then the click or command takes effect. A hint too goes with a single click.
While the computer is thinking, clicks on the board and commands that change the game are refused with the refusal sound.
Esc, Game → Quit and closing the window all finish what is being shown and then end the game. If the computer is thinking, it stops, and the position before its move is the one kept.</translation>
    </message>
    <message>
        <source>対局 → 対局(人間) → スタート：二人で一つの盤を使って指します（下側が先手です）。
対局 → 対局(COM) → 先手／後手：コンピュータと対局します。あなたはいつも盤の下側の駒を持ちます。
コンピュータの強さは 対局 → COM対局ﾚﾍﾞﾙ で LEVEL1〜LEVEL17 から選べます（対局の途中でも変えられます）。LEVEL4 から上では、一つ上のレベルがコンピュータどうしの対局ですぐ下のレベルに6割から8割ほど勝ちます。
・LEVEL1〜LEVEL3：一手先だけを読んですぐに指します。初めての対局に。
・LEVEL4：一手先を読み、よく少し悪い手を指します。LEVEL3 に勝てたら、初めての勝利の次に。
・LEVEL5：一手先を読み、ときどき少し悪い手を指します。駒の取り合いで損をしなくなったら。
・LEVEL6：二手先まで読み、よく少し悪い手を指します。相手の狙いも考えるようになったら。
・LEVEL7：二手先まで読み、わりとよく少し悪い手を指します。
・LEVEL8：二手先まで読み、ときどき少し悪い手を指します。
・LEVEL9：二手先まで読み、ごくたまに少し悪い手を指します。
・LEVEL10：三手先まで読み、ときどき少し悪い手を指します。腕に自信がついたら。
・LEVEL11：三手先まで読み、たまに少し悪い手を指します。
・LEVEL12：四手先まで読み、ときどき少し悪い手を指します。
・LEVEL13：四手先まで読み、まれに少し悪い手を指します。
・LEVEL14：五手先まで読み、たまに少し悪い手を指します。
・LEVEL15：五手先まで読み、まれに少し悪い手を指します。
・LEVEL16：六手先まで読み（読む局面が多すぎるときは五手まで）、まれに少し悪い手を指します。
・LEVEL17：一手に1秒、二つの核で考えます。いちばん強いレベルです。
LEVEL4 から上は何手も先まで読むので、考えている間も窓は動きますが、盤とメニューはコンピュータが指すまで待たされます。LEVEL4 から上は同じ局面でも指し手が変わることがあります。</source>
        <translation>Game → Two players → Start: two people play at one board (the lower player moves first).
Game → Against the computer → Move first / Move second: play the computer. You always hold the pieces at the bottom of the board.
Choose the computer&apos;s strength, LEVEL1 to LEVEL17, under Game → Computer level (also during a game). From LEVEL4 up, in games between computers each level wins about 60 % to 80 % of its games against the level just below it.
• LEVEL1 to LEVEL3: look one move ahead and answer at once. For a first game.
• LEVEL4: looks one move ahead and often plays a slightly weaker move. The next step once you have beaten LEVEL3.
• LEVEL5: looks one move ahead and sometimes plays a slightly weaker move. Once you no longer lose material in exchanges.
• LEVEL6: looks two moves ahead and often plays a slightly weaker move. Once you think about your opponent&apos;s threats too.
• LEVEL7: looks two moves ahead and fairly often plays a slightly weaker move.
• LEVEL8: looks two moves ahead and sometimes plays a slightly weaker move.
• LEVEL9: looks two moves ahead and seldom plays a slightly weaker move.
• LEVEL10: looks three moves ahead and sometimes plays a slightly weaker move. Once you feel sure of your play.
• LEVEL11: looks three moves ahead and now and then plays a slightly weaker move.
• LEVEL12: looks four moves ahead and sometimes plays a slightly weaker move.
• LEVEL13: looks four moves ahead and rarely plays a slightly weaker move.
• LEVEL14: looks five moves ahead and now and then plays a slightly weaker move.
• LEVEL15: looks five moves ahead and rarely plays a slightly weaker move.
• LEVEL16: looks six moves ahead (five where that would mean too many positions) and rarely plays a slightly weaker move.
• LEVEL17: thinks for 1 s a move on two cores. The strongest level.
From LEVEL4 up the computer reads many moves ahead: the window stays alive while it thinks, but the board and the menus wait for its move. From LEVEL4 up it may play different moves in the same position.</translation>
    </message>
    <message>
        <source>遊びやすくする設定</source>
        <translation>Making play easier</translation>
    </message>
    <message>
        <source>先手は盤の下側で、先に指します。駒の字が読みにくいときは ｵﾌﾟｼｮﾝ → 駒の表記 → 英字 でローマ字の記号（K R B G S N L P、成った駒は +R など）にできます。
対局 → 新しい対局…（Ctrl＋N）：相手（人間か、コンピュータとその LEVEL）、手番、ﾊﾝﾃﾞｨｷｬｯﾌﾟを一度に選びます。前に選んだものを覚えています。
次の設定は ｵﾌﾟｼｮﾝ → 操作 と ｵﾌﾟｼｮﾝ → 表示 にあり、初めはどれも入っています。
・ドラッグで指す：駒を押したまま行き先まで運んで離しても指せます。指せない桝で離すと断られ、盤の外で離すと駒は元に戻ります。
・成るか聞く：成れる手では行き先の横に 成る／成らない が出ます（Y と N のキーでも選べます）。右クリックや Ctrl＋クリックではすぐに成ります。
・投了・終局を確かめる：投了の前に確かめ、対局を終わらせる問いは いいえ が選ばれた状態で出ます。
・状況行：手番、できません とその理由、勝ち負け、思考中 を、箱を出さずに盤の下の行に示します。
・太い枠：選んだ駒、キーボードのカーソル、ヒントの駒と行き先を太い枠で示し、回転の矢印を大きくします。
次の二つは初めは切ってあります。
・盤を回す：盤と持駒を半回転して、上の側から見たように示します。棋譜は変わりません。
・後手の番は盤を回す：二人の対局で、後手の番のときだけ盤を回します。
問いの箱が出ている間の時間は、指す人の時間に数えません。</source>
        <translation>Black (先手) is the bottom side and moves first. If the kanji on the pieces are hard to read, Options → Piece labels → Letters (英字) shows them with letters instead (K R B G S N L P; a promoted piece +R and so on).
Game → New game… (Ctrl+N): the opponent (a person, or the computer and its LEVEL), the side and the handicap in one dialog, which remembers your last choice.
The settings below are under Options → Play and Options → Display, and all are on at first.
• Drag pieces: press a piece, carry it to its square and let go to play it. Let go on a square it cannot reach and the move is refused; let go off the board and the piece goes back.
• Ask before promoting: a move that may promote shows Promote / Don&apos;t promote (成る / 成らない) beside the destination (the keys Y and N choose too). The right button or Ctrl+click still promotes at once.
• Confirm resigning and ending: Resign asks first, and a question that would end a game has No ready as its answer.
• Status line: whose move it is, a refusal (Not possible) and its reason, the result and THINKING are shown in a line under the board instead of a box.
• Thick outlines: the piece you picked up, the keyboard cursor and a hint&apos;s piece and destination get thick frames, and the turn arrows are larger.
The next two are off at first.
• Turn the board: the board and the hands are shown turned half round, as the top side sees them. The record does not change.
• Turn the board for White (後手): in a two-person game the board is turned only while White is to move.
While a question box of the game is open, the clock does not charge the player to move.</translation>
    </message>
</context>
<context>
    <name>Learn</name>
    <message>
        <source>歩</source>
        <translation>pawn</translation>
    </message>
    <message>
        <source>と</source>
        <translation>tokin</translation>
    </message>
    <message>
        <source>香</source>
        <translation>lance</translation>
    </message>
    <message>
        <source>成香</source>
        <translation>promoted lance</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>knight</translation>
    </message>
    <message>
        <source>成桂</source>
        <translation>promoted knight</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>成銀</source>
        <translation>promoted silver</translation>
    </message>
    <message>
        <source>金</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>角</source>
        <translation>bishop</translation>
    </message>
    <message>
        <source>馬</source>
        <translation>horse</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>rook</translation>
    </message>
    <message>
        <source>竜</source>
        <translation>dragon</translation>
    </message>
    <message>
        <source>王</source>
        <translation>king</translation>
    </message>
    <message>
        <source>下</source>
        <translation>down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>up</translation>
    </message>
    <message>
        <source>右</source>
        <translation>right</translation>
    </message>
    <message>
        <source>%1を%2に打つ</source>
        <translation>%1 dropped on %2</translation>
    </message>
    <message>
        <source>%1 %2→%3</source>
        <translation>%1 %2 to %3</translation>
    </message>
    <message>
        <source>(成る)</source>
        <translation> promoting</translation>
    </message>
    <message>
        <source>%1. %2手 難しさ%3</source>
        <translation>%1. in %2, grade %3</translation>
    </message>
    <message>
        <source>練習問題 %1</source>
        <translation>Puzzle %1</translation>
    </message>
    <message>
        <source>%1手以内に王を取りましょう。</source>
        <translation>Take the king within %1 of your moves.</translation>
    </message>
    <message>
        <source>解いた問題 %1/%2 連続正解 %3(最高 %4)</source>
        <translation>Solved %1/%2, streak %3 (best %4)</translation>
    </message>
    <message>
        <source>済んだ課題 %1/%2</source>
        <translation>Lessons done %1/%2</translation>
    </message>
    <message>
        <source>ヒント: 持駒の%1を打ちましょう。</source>
        <translation>Hint: drop the %1 from your hand.</translation>
    </message>
    <message>
        <source>ヒント: %2の%1を動かしましょう。</source>
        <translation>Hint: move the %1 on %2.</translation>
    </message>
    <message>
        <source>答え: %1</source>
        <translation>Solution: %1</translation>
    </message>
    <message>
        <source>正解です。相手は%1と受けました。あと%2手です。</source>
        <translation>Right. The defender answers %1. %2 more to go.</translation>
    </message>
    <message>
        <source>%1では勝てません。相手は%2と受けて、もう王を取る手順はありません。</source>
        <translation>%1 does not win: the defender answers %2 and the king can no longer be taken by force.</translation>
    </message>
    <message>
        <source>%1では勝てません。</source>
        <translation>%1 does not win.</translation>
    </message>
    <message>
        <source>%1は%2で駒を取りました。駒を取った駒は回らず、%3を向いたままです。</source>
        <translation>The %1 captured on %2. A piece that captures does not turn: it still faces %3.</translation>
    </message>
    <message>
        <source>%1は%2に着き、%3のマスで%4に回って%5を向きました。</source>
        <translation>The %1 landed on %2 and, on a %3 square, turned %4: it now faces %5.</translation>
    </message>
    <message>
        <source>あと%1手です。</source>
        <translation>%1 more move(s).</translation>
    </message>
    <message>
        <source>学ぶ — 練習問題</source>
        <translation>Learn — Puzzles</translation>
    </message>
    <message>
        <source>練習問題がありません。</source>
        <translation>No puzzles.</translation>
    </message>
    <message>
        <source>下の側の番です。</source>
        <translation>Bottom to move.</translation>
    </message>
    <message>
        <source>上の側の番です。</source>
        <translation>Top to move.</translation>
    </message>
    <message>
        <source>学ぶ — 入門</source>
        <translation>Learn — Lessons</translation>
    </message>
    <message>
        <source>(相手は動きません。)</source>
        <translation>(The other side does not move.)</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>解けました! 王を取りました。</source>
        <translation>Solved! You took the king.</translation>
    </message>
    <message>
        <source>「やり直す」でもう一度。</source>
        <translation>Press Try again.</translation>
    </message>
    <message>
        <source>打った駒は相手の方を向いて入ります。</source>
        <translation>A dropped piece enters facing the other side.</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>green</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>時計回り</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>反時計回り</source>
        <translation>anticlockwise</translation>
    </message>
    <message>
        <source>できました!</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>これでは目標に届きません。「やり直す」でもう一度。</source>
        <translation>The goal is out of reach now. Press Try again.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <extracomment>Against the computer, moving first (先手, sente; the player at the bottom).</extracomment>
        <translation>Move first</translation>
    </message>
    <message>
        <source>後手</source>
        <extracomment>Against the computer, moving second (後手, gote).</extracomment>
        <translation>Move second</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>戻</source>
        <extracomment>A menu-bar item: take back one move (戻).</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <extracomment>A menu-bar item: play a taken-back move again (進).</extracomment>
        <translation>Forward</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <extracomment>Option: outline the squares the chosen piece can reach (移動指導, move guidance).</extracomment>
        <translation>Show moves</translation>
    </message>
    <message>
        <source>経過時間</source>
        <extracomment>Option: show each player&apos;s used time (経過時間, elapsed time).</extracomment>
        <translation>Clocks</translation>
    </message>
    <message>
        <source>漢字</source>
        <extracomment>Pieces labelled with their kanji.</extracomment>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>英字</source>
        <extracomment>Pieces labelled with Latin letters: K, R, B, G, S, N, L, P; promoted +R …</extracomment>
        <translation>Letters</translation>
    </message>
    <message>
        <source>表示</source>
        <extracomment>Submenu of display options (表示, display).</extracomment>
        <translation>Display</translation>
    </message>
    <message>
        <source>最後の手</source>
        <extracomment>Outline where the last move came from and went to.</extracomment>
        <translation>Last move</translation>
    </message>
    <message>
        <source>断りの説明</source>
        <extracomment>On a refused move, show for a moment every square the piece could go to.</extracomment>
        <translation>Explain refused moves</translation>
    </message>
    <message>
        <source>回転の矢印</source>
        <extracomment>A small arrow on every square: which way a piece turns when it lands there.</extracomment>
        <translation>Turn arrows</translation>
    </message>
    <message>
        <source>手番の印</source>
        <extracomment>A triangle by the hand of the side to move.</extracomment>
        <translation>Side to move</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Vezuvire</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>投了</source>
        <extracomment>Resign the game in progress (投了).</extracomment>
        <translation>Resign</translation>
    </message>
    <message>
        <source>待った</source>
        <extracomment>Take back one&apos;s own move and the computer&apos;s answer together (待った, &quot;wait!&quot;); Ctrl+Z.</extracomment>
        <translation>Take back move</translation>
    </message>
    <message>
        <source>ヒント</source>
        <extracomment>Show the move the computer would play in the player&apos;s place (ヒント, hint); key H.</extracomment>
        <translation>Hint</translation>
    </message>
    <message>
        <source>効果音</source>
        <extracomment>Option: the sounds of the pieces and of refused moves (効果音, sound effects); the music stays under BGM.</extracomment>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>棋譜一覧</source>
        <extracomment>Opens the move list window (Ctrl+L).</extracomment>
        <translation>Move list</translation>
    </message>
    <message>
        <source>学ぶ</source>
        <extracomment>A menu: learning the game (学ぶ, learn).</extracomment>
        <translation>Learn</translation>
    </message>
    <message>
        <source>入門</source>
        <extracomment>Short tasks teaching each rule of the game (入門, introduction).</extracomment>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>新しい対局…</source>
        <extracomment>Opens the new game dialog: opponent, side and handicap in one place (Ctrl+N).</extracomment>
        <translation>New game…</translation>
    </message>
    <message>
        <source>状況行</source>
        <extracomment>Option: notices that ask nothing (whose move, a refusal, the result) in a line under the board.</extracomment>
        <translation>Status line</translation>
    </message>
    <message>
        <source>太い枠</source>
        <extracomment>Option: thick outlines for the picked-up piece and the keyboard&apos;s cursor, larger turn arrows.</extracomment>
        <translation>Thick outlines</translation>
    </message>
    <message>
        <source>操作</source>
        <extracomment>Submenu of the options of play (操作, handling).</extracomment>
        <translation>Play</translation>
    </message>
    <message>
        <source>ドラッグで指す</source>
        <extracomment>Option: a piece may be dragged to its square as well as clicked there.</extracomment>
        <translation>Drag pieces</translation>
    </message>
    <message>
        <source>成るか聞く</source>
        <extracomment>Option: a move that may promote asks 成る (promote) or 成らない (do not).</extracomment>
        <translation>Ask before promoting</translation>
    </message>
    <message>
        <source>投了・終局を確かめる</source>
        <extracomment>Option: 投了 (resign) asks first, and questions that end a game default to いいえ (No).</extracomment>
        <translation>Confirm resigning and ending</translation>
    </message>
    <message>
        <source>盤を回す</source>
        <extracomment>Option: show the board turned half round (the top side&apos;s view).</extracomment>
        <translation>Turn the board</translation>
    </message>
    <message>
        <source>後手の番は盤を回す</source>
        <extracomment>Option: in a two-person game, turn the board half round while 後手 (the second player) is to move.</extracomment>
        <translation>Turn the board for White (後手)</translation>
    </message>
    <message>
        <source>練習問題</source>
        <extracomment>Positions where the side to move takes the king by force (練習問題, exercises).</extracomment>
        <translation>Puzzles</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>棋譜一覧</source>
        <extracomment>The move list window: its title and the headings of its columns.</extracomment>
        <translation>Move list</translation>
    </message>
    <message>
        <source>手</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>駒</source>
        <translation>Piece</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>成</source>
        <extracomment>The move list&apos;s column of promotions.</extracomment>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>取</source>
        <extracomment>The move list&apos;s column of captured pieces.</extracomment>
        <translation>Captured</translation>
    </message>
    <message>
        <source>向き</source>
        <extracomment>The move list&apos;s column of facings after landing (arrows).</extracomment>
        <translation>Facing</translation>
    </message>
    <message>
        <source>開始局面</source>
        <extracomment>The first row of the move list: the position before the first move.</extracomment>
        <translation>Start position</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>平手です。どちらも駒を落としません。</source>
        <extracomment>The handicap dialog: grade ２級 is an even game.</extracomment>
        <translation>An even game: neither side gives any piece.</translation>
    </message>
    <message numerus="yes">
        <source>下の側（あなた、二人なら先手）が駒を%n枚落とします。</source>
        <extracomment>The handicap dialog: the bottom side (the player against the computer; 先手 in a two-person game) gives n pieces.</extracomment>
        <translation>
            <numerusform>The bottom side (you, or 先手 Black) plays without %n piece.</numerusform>
            <numerusform>The bottom side (you, or 先手 Black) plays without %n pieces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>上の側（コンピュータ、二人なら後手）が駒を%n枚落とします。</source>
        <extracomment>The handicap dialog: the top side (the computer; 後手 in a two-person game) gives n pieces.</extracomment>
        <translation>
            <numerusform>The top side (the computer, or 後手 White) plays without %n piece.</numerusform>
            <numerusform>The top side (the computer, or 後手 White) plays without %n pieces.</numerusform>
        </translation>
    </message>
    <message>
        <source>新しい対局</source>
        <extracomment>Title of the new game dialog (対局 → 新しい対局…).</extracomment>
        <translation>New game</translation>
    </message>
    <message>
        <source>人間（二人で交互に指す）</source>
        <extracomment>Opponent: two people taking turns at one board.</extracomment>
        <translation>A person (two players take turns at one board)</translation>
    </message>
    <message>
        <source>コンピュータ LEVEL%1</source>
        <extracomment>Opponent: the computer at a level (LEVEL 1 the weakest).</extracomment>
        <translation>The computer, LEVEL%1</translation>
    </message>
    <message>
        <source>先手（先に指す）</source>
        <extracomment>Against the computer: the player moves first (先手, Black).</extracomment>
        <translation>Black (先手): move first</translation>
    </message>
    <message>
        <source>後手（後に指す）</source>
        <extracomment>Against the computer: the computer moves first, the player second (後手, White).</extracomment>
        <translation>White (後手): move second</translation>
    </message>
    <message>
        <source>段級は下の側の強さの目安です。名人がいちばん強く、８段…初段、１級…12級と下がります。２級が平手で、そこから一段ごとに駒を一枚ずつ落とします。</source>
        <extracomment>The handicap dialog: what the grades mean (段 dan, 級 kyu; 名人 Meijin the highest).</extracomment>
        <translation>The grade is the strength of the bottom player: Meijin (名人) is the strongest, then 8 dan down to 1 dan (段), then 1 kyu down to 12 kyu (級). 2 kyu is an even game; each grade away from it takes one more piece off one side.</translation>
    </message>
    <message>
        <source>相手</source>
        <extracomment>The new game dialog: who plays against the player.</extracomment>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>手番</source>
        <extracomment>The new game dialog: which side the player takes against the computer.</extracomment>
        <translation>Side</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ</source>
        <extracomment>The new game dialog: the handicap grade.</extracomment>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>対局開始</source>
        <extracomment>The new game dialog&apos;s button that starts the game.</extracomment>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>RETURN</source>
        <extracomment>The record panel&apos;s button that writes the record (&quot;RETURN&quot; in Japanese too).</extracomment>
        <translation>Write</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <extracomment>Label of the box for the name of the game, in the record panel.</extracomment>
        <translation>Game:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <extracomment>The player who moves first (先手, sente).</extracomment>
        <translation>Black:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <extracomment>The player who moves second (後手, gote).</extracomment>
        <translation>White:</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>駒の字が読みにくければ、ｵﾌﾟｼｮﾝ → 駒の表記 → 英字 で英字の駒にできます。</source>
        <extracomment>The status line at a first start in another language: the Letters labels of the pieces.</extracomment>
        <translation>Kanji hard to read? Options → Piece labels → Letters shows the pieces in letters.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>The status line under the board: the title of a notice (対局, 終了, 戻る…) and the notice.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>成る(&amp;Y)</source>
        <extracomment>The promotion chooser: promote the piece (成る); Y is its key.</extracomment>
        <translation>Promote (&amp;Y)</translation>
    </message>
    <message>
        <source>成らない(&amp;N)</source>
        <extracomment>The promotion chooser: leave the piece unpromoted (成らない); N is its key.</extracomment>
        <translation>Don&apos;t promote (&amp;N)</translation>
    </message>
    <message>
        <source>Vezuvire はフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）第3版またはそれ以降の版のもとで、再頒布や改変ができます。保証はありません。</source>
        <extracomment>The about box&apos;s last lines: the program&apos;s licence.</extracomment>
        <translation>Vezuvire is free software: you may share and change it under the GNU General Public License, version 3 or any later version. It comes with no warranty.</translation>
    </message>
</context>
</TS>
