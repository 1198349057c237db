// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/cli/players.h"
#include "view/course.h"

#include <atomic>

#include "front/cli/numbers.h"
#include "engine/turn.h"
#include "core/game_state.h"
#include "play/com_turn.h"

namespace {

class 元のCOM final : public 対局者 {
public:
    explicit 元のCOM(int レベル) : レベル_(レベル), 記憶_(std::make_unique<COM表>()) {}
    bool 選ぶ(const 対局& g, 対局の手& 手, double& 秒) override {
        秒 = 0;
        return 元のCOMの手(g, レベル_, *記憶_, 手);
    }

private:
    int レベル_;
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
    w = s.重み ? *s.重み : 標準の重み();
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

対局 序盤(std::uint64_t 種, int 手数) {
    対局 g = 対局::初期局面();
    std::uint64_t r = 種;
    std::vector<対局の手> 手, 良い;
    for (int i = 0; i < 手数; ++i) {
        g.手を列挙(手);
        良い.clear();
        for (const auto& m : 手) {
            if (m.打ち() || g.駒(m.先X, m.先Y) != 空) continue;
            g.指す(m);
            if (!g.王を取れる()) 良い.push_back(m);
            g.戻す();
        }
        if (良い.empty()) break;
        r = 混ぜる(r);
        g.指す(良い[r % 良い.size()]);
    }
    return g;
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
