<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>Game</name>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このフォルダーは読み取り専用です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このフォルダーに書き込む権限がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが起きました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>思考中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今の対局を終わりにしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>局面→最初にして下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規に対局してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終局</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終わり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>進む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>３</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>４</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>５</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>６</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>７</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>８</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>９</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>六</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>七</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>八</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歩</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>と</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>香</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>香成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桂</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桂成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銀成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>飛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>飛成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>王</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「.」と「..」はファイル名に使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名に「/」は使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名に制御文字は使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の対局はそのままにして、次の起動のときにもう一度お聞きします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込みが許されていないファイルです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセスする権限がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルまたはフォルダが見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダの指定が正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入出力エラーが起きました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シンボリックリンクが多すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前「%1」に改行が含まれています。</source>
        <extracomment>%1 is the name a player typed for the game or a player.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前「%1」にShift_JISで書けない文字があります。</source>
        <extracomment>%1 is a name; a record file keeps names in the Shift_JIS encoding.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1手目の盤（%2, %3）の駒 %4 は棋譜ファイルに書けません。</source>
        <extracomment>%1 move number, %2 and %3 the square (column, row), %4 the piece&apos;s code number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1手目の%2の持駒の%3が%4枚あり、棋譜ファイルには書けません（1種類%5枚まで）。</source>
        <extracomment>%1 move number, %2 the side (上 top / 下 bottom), %3 a piece, %4 how many, %5 the most a record file holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0〜%1秒に収まらない時間は、%2秒（負の時間は0秒）として書きました。</source>
        <extracomment>%1 and %2 are the longest time a record file holds, in seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」を書き込めませんでした。</source>
        <extracomment>%1 is a file&apos;s name (a record file, 棋譜ファイル).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」を開けませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」には壊れた項目がありました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」は500手を超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の行は途中で切れていて、王がそろっていません。</source>
        <extracomment>%1 file name, %2 the move whose line is cut short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の行は駒の欄が壊れていて、王がそろっていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜ファイル「%1」の%2手目の局面には王がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名「%1」では保存できません。</source>
        <extracomment>%1 is the file name the player typed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムエラー（番号 %1）が起きました。</source>
        <extracomment>%1 is the system&apos;s error number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイル「%1」を読み込めませんでした。</source>
        <extracomment>%1 is the name of a sound file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は書き込み禁止のファイルです。</source>
        <extracomment>%1 is the name of the file that keeps the game between runs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」という名前のフォルダーがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はシンボリックリンクです。リンクの先には書き込みません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は通常のファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はシンボリックリンクなので、前回の対局として読みませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はそのままにして、次の起動のときにもう一度読みます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」を移せなかったので、そのままにしてあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」に移しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の対局を「%1」に移せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はそのままにしてあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めない項目は 0（空）として読み込みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>501手目から後は読み込みませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その前の局面までを読み込みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンクの先には書き込まないので、この対局は自動保存されません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜の記録が上限（500手）に達しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>これ以上は指せません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下</source>
        <extracomment>The lower player, in a sentence about a record file&apos;s hands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上</source>
        <extracomment>The upper player.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この対局は自動保存されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局はこのまま続けられます。一手ごとに保存を試みます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動保存できるようになりました。<byte value="xd"/>この対局はいまの局面から保存されています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前の対局の自動保存ファイルを消せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の起動のとき、その対局を続けるか聞かれます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の対局を続けますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再開</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の対局の自動保存ファイルを読めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今回は対局を自動保存しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このフォルダーでは別の Vezuvire が動いています。<byte value="xd"/>この対局は自動保存しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>歩</source>
        <extracomment>Piece name in the help&apos;s table of moves: the English name with the kanji in brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>と</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>香</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>香成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桂</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>桂成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銀成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>角成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>飛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>飛成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>王</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vezuvire の遊び方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vezuvire は将棋の一種です。盤の上の駒はどれも下・左・上・右のどれかを向いていて、向いている方を前にして、ふつうの将棋の駒と同じ形に動きます。そして空いている桝に着くたびに、その桝の色で決まる向きへ90度回ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局の始め方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局 → 対局(人間) → スタート：二人で一つの盤を使って指します（下側が先手です）。
対局 → 対局(COM) → 先手／後手：コンピュータと対局します。あなたはいつも盤の下側の駒を持ちます。
コンピュータの強さは 対局 → COM対局ﾚﾍﾞﾙ で LEVEL1〜LEVEL5 から選べます（対局の途中でも変えられます）。
LEVEL1〜LEVEL3 は一手先だけを読んですぐに指します。初めての人はここから始めましょう。LEVEL4 と LEVEL5 は何手も先まで読み、一手に LEVEL4 は0.3秒、LEVEL5 は1秒ほど考えます。考えている間も窓は動きますが、盤とメニューはコンピュータが指すまで待たされます。コンピュータどうしの対局では、LEVEL4 は LEVEL3 にほぼ全勝し、LEVEL5 は LEVEL4 に9割ほど勝ちます。LEVEL4 と LEVEL5 は同じ局面でも指し手が変わることがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>盤と桝の色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>盤は緑と水色の桝が交互に並んだ市松模様です。駒が空いている桝に動くか打たれると、着いた桝の色で向きを変えます。
・緑の桝：右回り（時計回り）に90度
・水色の桝：左回り（反時計回り）に90度
相手の駒を取ってその桝に着いたときは、向きは変わりません。
下の図は、上を向いた歩が一つ前の桝へ進んだときの様子です（左が動く前、右が動いた後）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指し方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自分の番に自分の駒をクリックすると、赤い枠で囲まれます（ｵﾌﾟｼｮﾝ → 移動指導 がオンなら、動ける桝が白い枠で示されます）。続けて行き先をクリックすると駒が動きます。別の自分の駒をクリックすると選び直せます。動けない桝をクリックすると音が鳴り、選択が取り消されます。相手の駒をクリックすると、その駒の動ける桝が示されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>駒の動き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下の図は、それぞれの駒とその成り駒が下・左・上・右を向いているときに動ける桝です。赤い枠が駒のいる桝、白い枠と点が動ける桝です（盤の中ほどの5×5桝だけを描いています）。
・自分の駒がいる桝には動けません。相手の駒がいる桝に動くと、その駒を取ります。
・桂は間の駒を跳び越えます。香・角・飛・角成・飛成の線は盤の端まで続きますが、途中に駒があるとその先へは進めません。
・王手や詰みの決まりはありません。王も、相手に取られる桝へ動けます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>持駒と打ち方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取った駒は自分の持駒になります。成った駒は元の駒に戻って持駒になります。盤の下側の持駒は盤の右に、上側の持駒は盤の左に並びます。
自分の番に持駒をクリックし、続けて空いている桝をクリックすると、そこに打てます。打った駒は、下側の駒なら上向き、上側の駒なら下向きで置かれ、すぐに着いた桝の色の向きへ回ります。
打てる桝に決まりはありません（二歩も、行き所のない桝への駒も打てます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歩・香・桂は相手の陣（相手側の3段）に入る手で、銀・角・飛は相手の陣に入る手、陣の中で動く手、陣から出る手で成ることができます。駒の向きは関係ありません。
成るときは、行き先を右ボタンでクリックします。Ctrl を押しながらの左クリックや、キーボードのカーソルで Shift＋Enter でも成れます。ふつうの左クリックでは成りません（成るかどうかは聞かれず、成らずに進めても構いません）。
金と王は成りません。と・香成・桂成・銀成は金と同じ動きになり、角成・飛成は元の動きに加えて周りの8桝へも動けます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>勝ち負け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相手の王を取ったほうが勝ちです。コンピュータに指せる手がなくなったときも、あなたの勝ちです。勝負がついた後は、対局 メニューから新しい対局を始めてください。
一つの対局で記録できるのは500手までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻と進</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メニューの 戻 で一手戻り、進 で戻した手をもう一度進めます（キーボードでは Ctrl＋Z が 戻、Ctrl＋Y または Ctrl＋Shift＋Z が 進 です）。戻したところで盤をクリックすると、そこから対局が続きます。コンピュータとの対局でコンピュータの番になっていれば、コンピュータがすぐに指します（二回戻すとあなたの番になります）。新しく指すと、戻した先の手は消えます。
局面 → 最初 で初めの局面に戻ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハンディキャップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局の最初の一手より前に、メニューの △ と ▽ で21段階のハンディキャップを選べます。△ を押すたびに上側の駒が、▽ を押すたびに下側の駒が、角・飛・香・香・桂・桂・銀・銀・金・金の順に一つずつ減ります（反対を押すと戻ります）。段階の名前は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人 から ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級 まで盤の上に表示され、互角は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級 です。
△ や ▽ を使った対局は棋譜に書き込めません（局面 → 最初 で元に戻ります）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜 → 書込 で対局を棋譜ファイル（拡張子 .棋譜）に保存し、棋譜 → 読込 で読み込みます。盤の上に出る欄でフォルダとファイルを選び、書き込むときは対局名と両者の名前も入れられます。
読み込んだ棋譜は 進 と 戻 で一手ずつ見られます。途中で 対局 → 対局(COM) → 先手／後手 を選ぶと、その局面からコンピュータとの対局を続けられます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ メニューの設定は Vezuvire.ini に保存され、次に起動したときにも使われます。
・背景画：緑・畳・竹・宇宙・煉瓦から選びます。
・移動指導：駒を選んだとき、動ける桝を白い枠で示します。
・経過時間：両者の使った時間を表示します。
・BGM：音楽を流します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キーボード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・矢印キー：盤と自分の持駒の上でカーソルを動かします。
・Enter または Space：カーソルの桝を左クリックしたのと同じです。
・Shift＋Enter：カーソルの桝を右クリックしたのと同じです（成る）。
・Ctrl＋Z：戻&#x3000;Ctrl＋Y または Ctrl＋Shift＋Z：進
・F1：この 遊び方 を開きます（その他 → 遊び方 でも開けます）。
・Esc：ゲームを終わります（対局 → 終わり や窓を閉じても終わります）。この 遊び方 の窓では、Esc はこの窓を閉じるだけです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局の自動保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局中のゲームは自動で保存されます。途中でゲームを終えても、次に起動したときに「前回の対局を続けますか？」と聞かれ、「はい」を選ぶとその局面から続けられます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑の桝に着く：右回り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水色の桝に着く：左回り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>駒を取る：回らない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下向き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左向き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上向き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右向き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終わり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>局面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>進</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読込</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書込</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景画</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>畳</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>漢字</source>
        <extracomment>Pieces labelled with their kanji.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>英字</source>
        <extracomment>Pieces labelled with Latin letters: K, R, B, G, S, N, L, P; promoted +R …</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>対 局 名：</source>
        <extracomment>Label of the box for the name of the game, in the record panel.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <extracomment>The player who moves first (先手, sente).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <extracomment>The player who moves second (後手, gote).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
