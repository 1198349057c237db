// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/cli/players.h"

#include <atomic>

#include "engine/influence.h"
#include "front/cli/numbers.h"
#include "engine/turn.h"
#include "play/com_turn.h"
#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "core/setup.h"
#include "core/state.h"
#include "view/move_view.h"

namespace {

// The code after a half turn of the board: the other side's, facing the
// opposite way.
int 半回転(int v) {
    if (v == 空) return 空;
    const int a = 駒絶対(v);
    const int w = a / 10 * 10 + (a % 10 + 2) % 4;
    return v > 0 ? -w : w;
}

// The position as the side to move sees it from the top.
局面 上から見た局面(const 対局& g) {
    局面 k;
    const bool 回す = g.手番() == 下手;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = g.駒(x, y);
            if (回す) k.盤[10 - x][10 - y] = 半回転(v);
            else k.盤[x][y] = v;
        }
    for (int i = 1; i <= 7; ++i) {
        k.持駒_COM[i] = g.持駒(回す ? 下手 : 上手, i);
        k.持駒_MAN[i] = g.持駒(回す ? 上手 : 下手, i);
    }
    return k;
}

class 元のCOM final : public 対局者 {
public:
    explicit 元のCOM(int レベル) : s_(std::make_unique<状態>()), 記憶_(std::make_unique<COM表>()) {
        s_->COM記憶 = 記憶_.get();
        桝色設定(*s_);
        s_->レベル = レベル;
        s_->手番_MAN = 後手;
        s_->手番_COM = 先手;
        s_->操作.対局種別 = 対局_COM;
    }
    bool 選ぶ(const 対局& g, 対局の手& 手, double& 秒) override {
        秒 = 0;
        状態& s = *s_;
        局面_設定(s, 上から見た局面(g));
        s.勝者 = 手番_なし;
        s.手番 = s.手番_COM;
        記憶を更新(s, *記憶_);  // as the end of the other side's move leaves it
        const COM候補 c = COMの手を考える(s, *記憶_);
        if (!c.あり) return false;
        const bool 回す = g.手番() == 下手;
        auto X = [&](int x) { return static_cast<std::int8_t>(回す ? 10 - x : x); };
        手 = {};
        手.先X = X(c.先X);
        手.先Y = X(c.先Y);
        if (c.元X == 持駒列_COM) {
            手.打 = static_cast<std::int8_t>(c.元Y);
        } else {
            手.元X = X(c.元X);
            手.元Y = X(c.元Y);
            手.成 = 駒型(c.置駒) != 駒型(s.盤[c.元X][c.元Y]);
        }
        return g.合法(手);
    }

private:
    std::unique_ptr<状態> s_;
    std::unique_ptr<COM表> 記憶_;  // what the computer keeps from move to move
};

class 深いCOM final : public 対局者 {
public:
    explicit 深いCOM(const 対局者設定& o) : 探_(19) { 深い設定(o, 設定_, 重み_); }
    bool 選ぶ(const 対局& g, 対局の手& 手, double& 秒) override {
        const std::atomic<bool> 止め{false};
        const 深い探索の結果 r = 探_.探す(g, 設定_, 止め);
        秒 = r.秒;
        if (!r.あり) return false;
        手 = r.手;
        return true;
    }

private:
    探索設定 設定_;
    評価の重み 重み_;
    深い探索 探_;
};

}  // namespace

bool 深い設定(const 対局者設定& o, 探索設定& s, 評価の重み& w) {
    s = o.旧 ? 探索設定::旧レベル(o.レベル) : 探索設定::レベル(o.レベル);
    w = 標準の重み();
    s.重み = &w;
    // A time alone bounds the search: no depth (the level's own is dropped).
    if (o.持ち時間 >= 0) s.持ち時間 = o.持ち時間, s.最大深さ = 0;
    if (o.最大深さ > 0) s.最大深さ = o.最大深さ;
    // A depth alone bounds the search: no clock at all.
    if (o.最大深さ > 0 && o.持ち時間 < 0) s.持ち時間 = 0;
    if (o.スレッド数 > 0) s.スレッド数 = o.スレッド数;
    s.種 = o.種;
    for (const auto& k : o.調整)
        if (!探索設定を変える(s, w, k)) return false;
    return true;
}

bool レベルを読む(const std::string& w, int& レベル) {
    long long n = 0;
    if (!整数を読む(w, n) || n < 1 || n > 最強レベル || w[0] == '0') return false;
    レベル = static_cast<int>(n);
    return true;
}

std::unique_ptr<対局者> 対局者を作る(const 対局者設定& o) {
    if (o.レベル >= 4) return std::make_unique<深いCOM>(o);
    return std::make_unique<元のCOM>(o.レベル);
}

COMの手番 深いCOMの手番(const 対局者設定& o) {
    auto 探 = std::make_shared<深い探索>();
    auto 重み = std::make_shared<評価の重み>();
    探索設定 設定;
    深い設定(o, 設定, *重み);
    return [探, 設定, 重み](状態& s, Platform& p) -> COM手番結果 {
        if (s.勝者 != 手番_なし) return {};
        s.時計.開始時刻 = p.時刻();
        const 対局 g = 対局にする(s, 上手);
        const std::atomic<bool> 止め{false};
        const 深い探索の結果 r = 探->探す(g, 設定, 止め);
        COM表& 記憶 = *s.COM記憶;
        記憶.最高点 = static_cast<int>(r.点);  // the score the text game prints
        return com_ban_決めた手(s, 記憶, p, 候補にする(g, r));
    };
}
