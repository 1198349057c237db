#include "control/com_game.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "com/influence.h"
#include "com/turn.h"
#include "control/mouse.h"
#include "core/clock.h"
#include "core/rules.h"
#include "core/setup.h"
#include "ui/render.h"

namespace {

// Shared opening of both commands: a finished game is thrown away, the
// record panel's leftovers wiped, the strength shown and the grid redrawn.
void 盤を整える(状態& s, Platform& p) {
    if (s.勝者 != 手番_なし) 初期設定(s, p);
    描画_棋譜読込み部分消去(s, p);
    描画_レベル(s, p, s.レベル);
    描画_将棋盤桝(s, p);
}

// A record being stepped through is cut at the position shown.
void COM対局にする(状態& s) {
    s.選択状態 = 0;
    s.対局種別 = 対局_COM;
    s.棋譜モード = 偽;
    s.棋譜最終手数 = s.手数;
}

// The computer moves through the registered hook when there is one, so that
// whoever registered it (the window, the text game) sees every move.
void COMの番(状態& s, Platform& p) {
    if (COM手番フック.com_ban) COM手番フック.com_ban(s, p);
    else com_ban(s, p);
}

}  // namespace

void SENTE_Click(状態& s, Platform& p) {
    盤を整える(s, p);
    COM対局にする(s);
    s.開始時刻 = p.時刻();
    Timer1_有効(s, p, true);

    if (s.手番 == 手番_なし || s.手数 == 0) {
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = s.手番_MAN;
        p.メッセージ("MANの番です", " ", ボタン::OK);
        s.再開待ち = 偽;
    } else if (s.手番 == s.手番_MAN) {
        // The human takes the first player's side from here on.
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = 先手;
        p.メッセージ("MANの番です", "対局", ボタン::OK);
        s.再開待ち = 偽;
    } else if (s.手番 == s.手番_COM) {
        COMの番(s, p);
    }
}

void GOTE_Click(状態& s, Platform& p) {
    盤を整える(s, p);
    Timer1_有効(s, p, true);
    COM対局にする(s);

    if (s.手番 == 手番_なし || s.手数 == 0) {
        s.手番_MAN = 後手;
        s.手番_COM = 先手;
        s.手番 = 先手;
        COMの番(s, p);
    } else if (s.手番 == s.手番_MAN) {
        p.メッセージ("MANの番です", "対局", ボタン::OK);
        s.再開待ち = 偽;
    } else if (s.手番 == s.手番_COM) {
        COMの番(s, p);
    }
}

void COM対局を登録() {
    COM手番フック.勢力調査 = [](状態& s) { 勢力調査(s); };
    COM手番フック.com_ban = [](状態& s, Platform& p) { com_ban(s, p); };
}

// ---- the text game ------------------------------------------------------------

namespace {

struct 文字対局の場 {
    std::ostream* out = nullptr;
    bool 満杯 = false;
};

// While a text game handles a line, the computer's moves are written out
// as they are made.
class 書き出し付きCOM {
public:
    書き出し付きCOM(文字対局の場& 場) : 元(COM手番フック) {
        COM手番フック.勢力調査 = [](状態& s) { 勢力調査(s); };
        COM手番フック.com_ban = [&場](状態& s, Platform& p) {
            const COM手番結果 r = com_ban_指す(s, p);
            std::ostream& o = *場.out;
            switch (r.結果) {
                case COM手番::指した:
                    o << "COM " << r.手.元X << ' ' << r.手.元Y << ' ' << r.手.先X << ' ' << r.手.先Y << ' '
                      << r.手.置駒 << ' ' << s.最高点 << '\n';
                    break;
                case COM手番::指し手なし: o << "none\n"; break;
                case COM手番::記録満杯:
                    o << "full\n";
                    場.満杯 = true;
                    break;
                case COM手番::何もせず: break;
            }
        };
    }
    ~書き出し付きCOM() { COM手番フック = 元; }
    書き出し付きCOM(const 書き出し付きCOM&) = delete;
    書き出し付きCOM& operator=(const 書き出し付きCOM&) = delete;

private:
    COM手番フック表 元;
};

void 終局を書く(const 状態& s, std::ostream& out) {
    if (s.勝者 == s.手番_MAN) out << "あなたの勝ちです\n";
    else if (s.勝者 == s.手番_COM) out << "ｺﾝﾋﾟｭｰﾀの勝ちです\n";
}

// The middle of a cell, in twips, as a press on it would arrive.
int 押す位置X(int 列) { return 盤原点X + 桝幅 * 列 + 桝幅 / 2; }
int 押す位置Y(int 行) { return 盤原点Y + 桝高 * 行 + 桝高 / 2; }

struct 入力手 {
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    bool 右 = false;
};

// "元X 元Y 先X 先Y" with an optional "+"; nothing else on the line.
bool 読む(const std::string& 行, 入力手& 手) {
    std::istringstream in(行);
    std::vector<std::string> 語;
    for (std::string w; in >> w;) 語.push_back(w);
    if (語.size() != 4 && 語.size() != 5) return false;
    if (語.size() == 5) {
        if (語[4] != "+") return false;
        手.右 = true;
    }
    int* 先[4] = {&手.元X, &手.元Y, &手.先X, &手.先Y};
    for (int i = 0; i < 4; ++i) {
        const std::string& w = 語[static_cast<std::size_t>(i)];
        std::size_t j = (w[0] == '-' || w[0] == '+') ? 1 : 0;
        if (j == w.size() || w.size() > 4) return false;
        for (std::size_t k = j; k < w.size(); ++k)
            if (w[k] < '0' || w[k] > '9') return false;
        *先[i] = std::stoi(w);
    }
    return true;
}

// The code the human would pick up from the source, or 0 when the source
// holds nothing the human may move.
int 動かす駒(const 状態& s, const 入力手& 手) {
    if (手.元X >= 1 && 手.元X <= 9 && 手.元Y >= 1 && 手.元Y <= 9)
        return s.盤[手.元X][手.元Y] <= -100 ? s.盤[手.元X][手.元Y] : 0;
    if (手.元X == 11 && 手.元Y >= 3 && 手.元Y <= 9 && s.持駒_MAN[手.元Y - 2] > 0) return -((手.元Y - 2) * 100 + 2);
    return 0;
}

bool 人の合法手(const 状態& s, const 入力手& 手) {
    if (s.手番 != s.手番_MAN || s.勝者 != 手番_なし) return false;
    const int 駒 = 動かす駒(s, 手);
    if (駒 == 0) return false;
    return 移動チェック(s, 手.元X, 手.元Y, 手.先X, 手.先Y, 駒) == 真;
}

}  // namespace

void 文字対局_開始(状態& s, Platform& p, std::ostream& out, bool 後手で) {
    文字対局の場 場{&out};
    書き出し付きCOM 差し替え(場);
    if (後手で) GOTE_Click(s, p);
    else SENTE_Click(s, p);
    終局を書く(s, out);
}

bool 文字対局_一行(状態& s, Platform& p, const std::string& 行, std::ostream& out) {
    if (行.find_first_not_of(" \t\r") == std::string::npos) return true;
    入力手 手;
    if (!読む(行, 手) || !人の合法手(s, 手)) {
        out << "illegal\n";
        return true;
    }
    if (調査_記録満杯(s) == 真) {
        out << "full\n";
        return false;
    }

    文字対局の場 場{&out};
    書き出し付きCOM 差し替え(場);
    s.選択状態 = 0;
    Form_MouseDown(s, p, 1, 0, 押す位置X(手.元X), 押す位置Y(手.元Y));
    Form_MouseDown(s, p, 手.右 ? 2 : 1, 0, 押す位置X(手.先X), 押す位置Y(手.先Y));
    終局を書く(s, out);
    return !場.満杯;
}
