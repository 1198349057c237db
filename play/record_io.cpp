// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/record_io.h"

#include <climits>

#include "core/setup.h"
#include "play/commands.h"
#include "view/panel.h"
#include "play/start.h"
#include "view/tr.h"

namespace {

constexpr const char* 題_書込 = QT_TRANSLATE_NOOP("Game", "棋譜保存");
constexpr const char* 題_読込 = QT_TRANSLATE_NOOP("Game", "棋譜");

void 告知(Platform& p, const std::string& 本文, const char* 題, bool 警告 = false) {
    p.メッセージ(本文, 題, ボタン::OK, 警告);
}

std::string 現在のフォルダ(Platform& p) {
    std::string f = p.パネルフォルダ();
    return f.empty() ? "." : f;
}

// Characters of a UTF-8 text (continuation bytes are not counted).
long long 文字数(const std::string& t) {
    long long n = 0;
    for (unsigned char c : t) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

void KIFU_READ_Click(状態&, Platform& p) {
    描画_可視(p, 真, 真, 真);
    描画_棋譜_IO(p, 1);
    p.パネル一覧更新();  // files may have come and gone since the list was read
}

void KIFU_WRITE_Click(状態& s, Platform& p) {
    if (s.操作.ハンデ設定中 == 真) {
        告知(p, QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"),
             QT_TRANSLATE_NOOP("Game", "棋譜書込"));
        return;
    }
    描画_可視(p, 真, 真, 偽);
    描画_棋譜_IO(p, 0);
}

void Dir1_Change(Platform& p, const std::string& フォルダ) {
    p.パネルフォルダ設定(フォルダ);
    p.パネル一覧更新();
}

void Command1_Click(状態& s, Platform& p) {
    const std::string 名前 = 整形_ファイル名(p.パネル文字(パネル部品::入力_ファイル名));
    if (名前.empty()) {
        告知(p, QT_TRANSLATE_NOOP("Game", "ﾌｧｲﾙ名が入力されていません"), "  ");
        return;
    }
    if (s.棋譜最終手数 < 1) {
        告知(p, QT_TRANSLATE_NOOP("Game", "保存するデータがありません"), 題_書込);
        return;
    }
    const std::string フォルダ = 現在のフォルダ(p);
    const std::string 理由 = 調査_ファイル名(フォルダ, 名前);
    if (!理由.empty()) {
        告知(p, "ファイル名「" + 名前 + "」では保存できません。\r" + 理由, 題_書込, true);
        return;
    }

    // Header line 2 is the player at the top, line 3 the one at the bottom;
    // the bottom side is the first player when the human moves first.
    const std::string 先手名 = p.パネル文字(パネル部品::入力_上);
    const std::string 後手名 = p.パネル文字(パネル部品::入力_下);
    const bool 下が先手 = s.手番_MAN == 先手;
    std::string 注意;
    const std::string エラー = 書込_棋譜(s.記録, s.棋譜最終手数, フォルダ + "/" + 名前 + 棋譜拡張子, p.パネル文字(パネル部品::入力_対局名),
                                         下が先手 ? 後手名 : 先手名, 下が先手 ? 先手名 : 後手名, &注意);
    if (!エラー.empty()) {
        告知(p, エラー, 題_書込, true);
        return;
    }

    パネルを閉じる(p);
    p.パネル一覧更新();
    告知(p, QT_TRANSLATE_NOOP("Game", "棋譜を書き込みました"), "  ");
    if (!注意.empty()) 告知(p, 注意, 題_書込, true);
}

int 取得_棋譜のX座標(const std::string& IN_文字列) {
    const long long x = 盤原点X + (13 - 文字数(IN_文字列)) * (桝幅 / 5) + 3LL * 桝幅;
    if (x < INT_MIN / 2) return INT_MIN / 2;
    return static_cast<int>(x);
}

void 描画_棋譜見出し(状態& s, Platform& p, const 棋譜内容& 内容) {
    p.名前の文字(取得_棋譜のX座標(内容.対局名) - 3000, 6350, 内容.対局名, 12, s.表示.フォント太字, 色_赤);
    p.名前の文字(取得_棋譜のX座標(内容.上の名前), 100, 内容.上の名前, 12, s.表示.フォント太字, 色_白);
    p.名前の文字(取得_棋譜のX座標(内容.下の名前), 6350, 内容.下の名前, 12, s.表示.フォント太字, 色_白);
}

int 設定_棋譜履歴(状態& s, const 棋譜内容& 内容) {
    int n = 0;
    for (const auto& r : 内容.局面) {
        if (++n > 履歴最大) break;
        s.記録.書く(n) = 記録の欄(r);
    }
    if (n > 履歴最大) n = 履歴最大;
    s.棋譜最終手数 = n;
    return n;
}

namespace {

// Loads the record at パス (ファイル名 in the panel's folder when パス is
// empty), naming it ファイル名 to the player: a click in the file list and a
// record handed to the program at start-up both come here.
void 読込_記録(状態& s, Platform& p, const std::string& パス, const std::string& ファイル名) {
    // A game in progress is asked about with the lists still open, so that
    // いいえ leaves the window exactly as it was.
    const bool 問う = 調査_対局途中(s);
    if (!問う) 描画_可視(p, 偽, 偽, 偽);

    // Read first: a file that cannot be read must not cost the game in play,
    // nor should the player be asked about a record that never comes.
    棋譜内容 内容;
    std::string エラー;
    const bool 読めた = 読込_棋譜(パス.empty() ? 現在のフォルダ(p) + "/" + ファイル名 : パス, 内容, エラー) == 真;
    if (問う && 読めた && !確認_対局終了(s, p)) return;
    if (問う) 描画_可視(p, 偽, 偽, 偽);
    if (!読めた) {
        告知(p, "棋譜ファイル「" + ファイル名 + "」を開けませんでした。\r" + エラー, 題_読込, true);
        return;
    }

    初期設定(s, p);
    s.操作.棋譜モード = 真;
    描画_棋譜見出し(s, p, 内容);
    const int N = 設定_棋譜履歴(s, 内容);
    s.棋譜手数 = 0;
    s.手数 = 0;

    if (内容.損傷)
        告知(p,
             "棋譜ファイル「" + ファイル名 +
                 "」には壊れた項目がありました。\r読めない項目は 0（空）として読み込みました。",
             題_読込, true);
    if (内容.超過)
        告知(p, "棋譜ファイル「" + ファイル名 + "」は500手を超えています。\r501手目から後は読み込みませんでした。",
             題_読込, true);
    if (内容.王なし手 > 0)
        告知(p, "棋譜ファイル「" + ファイル名 + "」の" + 説明_切断(内容) + "\rその前の局面までを読み込みました。",
             題_読込, true);

    if (N == 0) {
        告知(p, QT_TRANSLATE_NOOP("Game", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), 題_読込);
    } else {
        告知(p, QT_TRANSLATE_NOOP("Game", " 読み込みました"), 題_読込);
        告知(p, QT_TRANSLATE_NOOP("Game", "棋譜を '進 'で進めて下さい"), 題_読込);
        s.手番 = 先手;
    }
}

}  // namespace

void File1_Click(状態& s, Platform& p, const std::string& ファイル名) {
    読込_記録(s, p, "", ファイル名);
}

void 開く_棋譜(状態& s, Platform& p, const std::string& パス) {
    if (パス.empty()) return;
    const std::size_t 区切り = パス.find_last_of('/');
    読込_記録(s, p, パス, 区切り == std::string::npos ? パス : パス.substr(区切り + 1));
}
