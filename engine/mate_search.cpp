// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/mate_search.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int 最大の深さ = 16;

// What the table knows of one position, for its attacker: the least n
// proved to win and the greatest n proved not to win.
struct 表の値 {
    std::int8_t 勝ち = 127;
    std::int8_t 負け = 0;
};

}  // namespace

struct 詰み探索::中身 {
    std::unordered_map<std::uint64_t, 表の値> 表;
    int 攻め方 = 0;
    std::uint64_t 節点 = 0;
    std::vector<対局の手> 手[最大の深さ + 2];
    対局の手 先に[最大の深さ + 2][2];  // moves that decided a node at this ply before

    void 攻め方にする(int 側) {
        if (側 != 攻め方) {
            表.clear();
            攻め方 = 側;
        }
        if (表.size() > 4'000'000) 表.clear();
    }

    // Puts the remembered moves of this ply first.
    void 並べる(std::vector<対局の手>& v, int ply) {
        std::size_t 前 = 0;
        for (const 対局の手& k : 先に[ply]) {
            auto it = std::find(v.begin() + static_cast<std::ptrdiff_t>(前), v.end(), k);
            if (it != v.end()) {
                std::iter_swap(v.begin() + static_cast<std::ptrdiff_t>(前), it);
                ++前;
            }
        }
    }
    void 覚える(const 対局の手& m, int ply) {
        if (先に[ply][0] == m) return;
        先に[ply][1] = 先に[ply][0];
        先に[ply][0] = m;
    }

    // The attacker to move: a win within n?
    bool 攻め(対局& g, int n, int ply) {
        ++節点;
        if (g.勝者() != 0) return g.勝者() == 攻め方;
        if (g.王を取れる()) return true;
        if (n <= 1) return false;
        const std::uint64_t h = g.ハッシュ();
        if (auto it = 表.find(h); it != 表.end()) {
            if (it->second.勝ち <= n) return true;
            if (it->second.負け >= n) return false;
        }
        std::vector<対局の手>& v = 手[ply];
        g.手を列挙(v, true);
        並べる(v, ply);
        bool 勝ち = false;
        for (std::size_t i = 0; i < v.size() && !勝ち; ++i) {
            const 対局の手 m = v[i];
            g.指す(m);
            勝ち = 受け(g, n - 1, ply + 1);
            g.戻す();
            if (勝ち) 覚える(m, ply);
        }
        表の値& e = 表[h];
        if (勝ち) e.勝ち = static_cast<std::int8_t>(std::min<int>(e.勝ち, n));
        else e.負け = static_cast<std::int8_t>(std::max<int>(e.負け, n));
        return 勝ち;
    }

    // The defender to move: does the attacker win within n whatever he does?
    bool 受け(対局& g, int n, int ply) {
        ++節点;
        if (g.勝者() != 0) return g.勝者() == 攻め方;
        if (g.王を取れる()) return false;
        const std::uint64_t h = g.ハッシュ();
        if (auto it = 表.find(h); it != 表.end()) {
            if (it->second.勝ち <= n) return true;
            if (it->second.負け >= n) return false;
        }
        std::vector<対局の手>& v = 手[ply];
        g.手を列挙(v, true);
        bool 勝ち = !v.empty();
        並べる(v, ply);
        for (std::size_t i = 0; i < v.size() && 勝ち; ++i) {
            const 対局の手 m = v[i];
            g.指す(m);
            勝ち = 攻め(g, n, ply + 1);
            g.戻す();
            if (!勝ち) 覚える(m, ply);
        }
        表の値& e = 表[h];
        if (勝ち) e.勝ち = static_cast<std::int8_t>(std::min<int>(e.勝ち, n));
        else e.負け = static_cast<std::int8_t>(std::max<int>(e.負け, n));
        return 勝ち;
    }

    // The least n ≤ 最大 within which the attacker to move wins, or 0.
    int 手数(対局& g, int 最大, int ply) {
        for (int n = 1; n <= 最大; ++n)
            if (攻め(g, n, ply)) return n;
        return 0;
    }
};

詰み探索::詰み探索() : 中_(std::make_unique<中身>()) {}
詰み探索::~詰み探索() = default;

std::uint64_t 詰み探索::節点数() const { return 中_->節点; }

bool 詰み探索::勝てる(const 対局& g0, int n) {
    対局 g = g0;
    中_->攻め方にする(g.手番());
    return 中_->攻め(g, n, 0);
}

std::vector<対局の手> 詰み探索::勝ち手(const 対局& g0, int n) {
    std::vector<対局の手> 答え;
    if (n < 1 || g0.勝者() != 0) return 答え;
    対局 g = g0;
    中_->攻め方にする(g.手番());
    std::vector<対局の手> v;
    g.手を列挙(v);
    const int 敵 = -g.手番();
    for (const 対局の手& m : v) {
        bool 勝ち;
        if (!m.打ち() && m.先X == g.王X(敵) && m.先Y == g.王Y(敵)) {
            勝ち = true;
        } else if (n == 1) {
            勝ち = false;
        } else {
            g.指す(m);
            勝ち = 中_->受け(g, n - 1, 1);
            g.戻す();
        }
        if (勝ち) 答え.push_back(m);
    }
    return 答え;
}

詰みの答え 詰み探索::解く(const 対局& g0, int 最大) {
    詰みの答え r;
    const std::uint64_t 始め = 中_->節点;
    対局 g = g0;
    中_->攻め方にする(g.手番());
    r.手数 = 中_->手数(g, 最大, 0);
    if (r.手数 > 0) {
        r.勝ち手 = 勝ち手(g, r.手数);
        if (r.手数 > 1 && !r.勝ち手.empty()) {
            std::vector<対局の手> v;
            g.指す(r.勝ち手.front());
            g.手を列挙(v);
            r.応手数 = static_cast<int>(v.size());
            g.戻す();
        }
    }
    r.節点数 = 中_->節点 - 始め;
    return r;
}

bool 詰み探索::最善の受け(const 対局& g0, int n, 対局の手& 手) {
    対局 g = g0;
    中_->攻め方にする(-g.手番());
    std::vector<対局の手> v;
    g.手を列挙(v);
    if (v.empty()) return false;
    int 最良 = -1;
    for (const 対局の手& m : v) {
        g.指す(m);
        const int k = 中_->手数(g, n, 1);
        g.戻す();
        const int 値 = k == 0 ? n + 1 : k;  // longer is better for the defender
        if (値 > 最良) {
            最良 = 値;
            手 = m;
        }
        if (値 > n) break;
    }
    return true;
}

int 詰みの手数(const 対局& g, int 最大) {
    詰み探索 s;
    return s.解く(g, 最大).手数;
}
