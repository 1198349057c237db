// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/texts.h"

#include "view/tr.h"

const std::vector<const char*>& 合成文の型() {
    static const std::vector<const char*> 型 = {
        // ---- record files (store/record_file.cpp, record_store.cpp, record_io.cpp)
        //: %1 is the name a player typed for the game or a player.
        QT_TRANSLATE_NOOP("Game", "名前「%1」に改行が含まれています。"),
        //: %1 is a name; a record file keeps names in the Shift_JIS encoding.
        QT_TRANSLATE_NOOP("Game", "名前「%1」にShift_JISで書けない文字があります。"),
        //: %1 move number, %2 and %3 the square (column, row), %4 the piece's code number.
        QT_TRANSLATE_NOOP("Game", "%1手目の盤（%2, %3）の駒 %4 は棋譜ファイルに書けません。"),
        //: %1 move number, %2 the side (上 top / 下 bottom), %3 a piece, %4 how many, %5 the most a record file holds.
        QT_TRANSLATE_NOOP("Game", "%1手目の%2の持駒の%3が%4枚あり、棋譜ファイルには書けません（1種類%5枚まで）。"),
        //: %1 and %2 are the longest time a record file holds, in seconds.
        QT_TRANSLATE_NOOP("Game", "0〜%1秒に収まらない時間は、%2秒（負の時間は0秒）として書きました。"),
        //: %1 is a file's name (a record file, 棋譜ファイル).
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」を書き込めませんでした。"),
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」を開けませんでした。"),
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」には壊れた項目がありました。"),
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」は500手を超えています。"),
        //: %1 file name, %2 the move whose line is cut short.
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」の%2手目の行は途中で切れていて、王がそろっていません。"),
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」の%2手目の行は駒の欄が壊れていて、王がそろっていません。"),
        QT_TRANSLATE_NOOP("Game", "棋譜ファイル「%1」の%2手目の局面には王がありません。"),
        //: %1 is the file name the player typed.
        QT_TRANSLATE_NOOP("Game", "ファイル名「%1」では保存できません。"),
        // ---- files in general (store/safe_file.cpp, store/sound.cpp)
        //: %1 is the system's error number.
        QT_TRANSLATE_NOOP("Game", "システムエラー（番号 %1）が起きました。"),
        //: %1 is the name of a sound file.
        QT_TRANSLATE_NOOP("Game", "音声ファイル「%1」を読み込めませんでした。"),
        // ---- the game kept between runs (store/autosave.cpp, play/resume.cpp)
        //: %1 is the name of the file that keeps the game between runs.
        QT_TRANSLATE_NOOP("Game", "「%1」は書き込み禁止のファイルです。"),
        QT_TRANSLATE_NOOP("Game", "「%1」という名前のフォルダーがあります。"),
        QT_TRANSLATE_NOOP("Game", "「%1」はシンボリックリンクです。リンクの先には書き込みません。"),
        QT_TRANSLATE_NOOP("Game", "「%1」は通常のファイルではありません。"),
        QT_TRANSLATE_NOOP("Game", "「%1」はシンボリックリンクなので、前回の対局として読みませんでした。"),
        QT_TRANSLATE_NOOP("Game", "「%1」はそのままにして、次の起動のときにもう一度読みます。"),
        QT_TRANSLATE_NOOP("Game", "「%1」を移せなかったので、そのままにしてあります。"),
        QT_TRANSLATE_NOOP("Game", "「%1」に移しました。"),
        QT_TRANSLATE_NOOP("Game", "前回の対局を「%1」に移せませんでした。"),
        QT_TRANSLATE_NOOP("Game", "「%1」はそのままにしてあります。"),
        //: %1 is the name of the lock file of the folder's kept game.
        QT_TRANSLATE_NOOP("Game", "「%1」は、このコンピューターで動いている Vezuvire の錠だとは確かめられません。"),
        //: %1 is the lock file's name; the player may delete it.
        QT_TRANSLATE_NOOP("Game", "このフォルダーを使っている Vezuvire がほかになければ、「%1」を消してください。"),
        //: %1 is the name of the computer that the lock file names.
        QT_TRANSLATE_NOOP("Game", "それは別のコンピューター「%1」の錠です。"),
        //: %1 is the preferences file's name (Vezuvire.prefs).
        QT_TRANSLATE_NOOP("Game", "設定を「%1」に保存できませんでした。"),
    };
    return 型;
}

// Whole lines of the messages above, and texts kept below the game layer
// (core/setup.h), which cannot mark their own.
[[maybe_unused]] static const char* const 行の一覧[] = {
    QT_TRANSLATE_NOOP("Game", "読めない項目は 0（空）として読み込みました。"),
    QT_TRANSLATE_NOOP("Game", "501手目から後は読み込みませんでした。"),
    QT_TRANSLATE_NOOP("Game", "その前の局面までを読み込みました。"),
    QT_TRANSLATE_NOOP("Game", "リンクの先には書き込まないので、この対局は自動保存されません。"),
    QT_TRANSLATE_NOOP("Game", "棋譜の記録が上限（500手）に達しました。"),
    QT_TRANSLATE_NOOP("Game", "これ以上は指せません。"),
    //: The lower player, in a sentence about a record file's hands.
    QT_TRANSLATE_NOOP("Game", "下"),
    //: The upper player.
    QT_TRANSLATE_NOOP("Game", "上"),
};
