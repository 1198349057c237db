// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/cli/text_game.h"
#include "view/course.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "engine/influence.h"
#include "play/com_game.h"
#include "play/com_turn.h"
#include "play/mouse.h"
#include "core/rules.h"
#include "core/setup.h"

namespace {

// The computer, writing each of its moves out as it makes it.
class 書き出すCOM final : public 応手 {
public:
    書き出すCOM(std::ostream& out, const COMの手番* 手番) : out_(out), 手番_(手番) {}
    bool 満杯 = false;

    void 局面更新(状態& s) override { 記憶を更新(s, *s.COM記憶); }
    void 指す(状態& s, Platform& p) override {
        const COM手番結果 r = 手番_ ? (*手番_)(s, p) : com_ban_指す(s, *s.COM記憶, p);
        switch (r.結果) {
            case COM手番::指した:
                out_ << "COM " << r.手.元X << ' ' << r.手.元Y << ' ' << r.手.先X << ' ' << r.手.先Y << ' ' << r.手.置駒
                     << ' ' << s.COM記憶->最高点 << '\n';
                break;
            case COM手番::指し手なし: out_ << "none\n"; break;
            case COM手番::記録満杯:
                out_ << "full\n";
                満杯 = true;
                break;
            case COM手番::何もせず: break;
        }
    }

private:
    std::ostream& out_;
    const COMの手番* 手番_;
};

void 終局を書く(const 状態& s, std::ostream& out) {
    if (s.勝者 == s.手番_MAN) out << "あなたの勝ちです\n";
    else if (s.勝者 == s.手番_COM) out << "ｺﾝﾋﾟｭｰﾀの勝ちです\n";
}

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
        return MANの駒(s.盤[手.元X][手.元Y]) ? s.盤[手.元X][手.元Y] : 0;
    if (手.元X == 持駒列_MAN && 手.元Y >= 3 && 手.元Y <= 9 && s.持駒_MAN[持駒種_MAN(手.元Y)] > 0)
        return -(持駒種_MAN(手.元Y) * 100 + 2);  // a drop leaves the hand facing up
    return 0;
}

bool 人の合法手(const 状態& s, const 入力手& 手) {
    if (s.手番 != s.手番_MAN || s.勝者 != 手番_なし) return false;
    const int 駒 = 動かす駒(s, 手);
    if (駒 == 0) return false;
    return 移動チェック(s, 手.元X, 手.元Y, 手.先X, 手.先Y, 駒) == 真;
}

}  // namespace

void 文字対局_開始(状態& s, Platform& p, std::ostream& out, bool 後手で, const COMの手番* 手番) {
    書き出すCOM com(out, 手番);
    if (後手で) GOTE_Click(s, p, com);
    else SENTE_Click(s, p, com);
    終局を書く(s, out);
}

bool 文字対局_一行(状態& s, Platform& p, const std::string& 行, std::ostream& out, const COMの手番* 手番) {
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

    書き出すCOM com(out, 手番);
    s.操作.選択状態 = 0;
    人の手を指す(s, p, com, 手.元X, 手.元Y, 手.先X, 手.先Y, 動かす駒(s, 手), 手.右 ? 2 : 1);
    終局を書く(s, out);
    return !com.満杯;
}
