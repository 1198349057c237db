// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/puzzles.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

問題の進行::問題の進行(std::vector<問題> 集) : 集_(std::move(集)), 解いた_(集_.size(), false) {
    if (!集_.empty()) 始める(0);
}

void 問題の進行::始める(int 番号) {
    if (集_.empty()) return;
    番号_ = std::clamp(番号, 0, 数() - 1);
    g_ = 今の問題().局面;
    側_ = g_.手番();
    残り_ = 今の問題().手数;
    終わり_ = false;
    助け_ = false;
}

問題の手 問題の進行::指す(const 対局の手& m) {
    問題の手 r;
    if (終わり_ || 集_.empty() || !g_.合法(m)) return r;
    g_.指す(m);
    --残り_;
    auto 終える = [&](bool 解けた) {
        終わり_ = true;
        if (解けた) {
            r.結果 = 問題の手::解けた;
            解いた_[static_cast<std::size_t>(番号_)] = true;
            if (!助け_) 最高_ = std::max(最高_, ++連続_);
        } else {
            r.結果 = 問題の手::違う;
            助け_ = true;
            連続_ = 0;
        }
    };
    if (g_.勝者() == 側_) {
        終える(true);
        return r;
    }
    if (残り_ == 0 || g_.勝者() != 0) {
        終える(false);
        return r;
    }
    // The defender's best reply: one that refutes a wrong move, else the
    // one that holds out longest.
    r.受けあり = 探索_.最善の受け(g_, 残り_, r.受け);
    if (r.受けあり) g_.指す(r.受け);
    if (!r.受けあり || g_.勝者() != 0 || !探索_.勝てる(g_, 残り_)) {
        終える(false);
        return r;
    }
    r.結果 = 問題の手::続く;
    return r;
}

bool 問題の進行::ヒント(対局の手& m) {
    if (終わり_ || 集_.empty()) return false;
    const auto v = 探索_.勝ち手(g_, 残り_);
    if (v.empty()) return false;
    m = v.front();
    助け_ = true;
    連続_ = 0;
    return true;
}

std::vector<対局の手> 問題の進行::答え() {
    if (終わり_ || 集_.empty()) return {};
    助け_ = true;
    連続_ = 0;
    return 探索_.勝ち手(g_, 残り_);
}

int 問題の進行::解いた数() const { return static_cast<int>(std::count(解いた_.begin(), 解いた_.end(), true)); }

void 問題の進行::記録を読む(const 好み設定& p) {
    std::fill(解いた_.begin(), 解いた_.end(), false);
    std::istringstream in(p.値(好み_問題_解いた));
    std::string w;
    while (std::getline(in, w, ',')) {
        const int n = std::atoi(w.c_str());
        if (n >= 1 && n <= 数()) 解いた_[static_cast<std::size_t>(n - 1)] = true;
    }
    連続_ = std::max(0, std::atoi(p.値(好み_問題_連続, "0").c_str()));
    最高_ = std::max(連続_, std::atoi(p.値(好み_問題_最高, "0").c_str()));
    if (!集_.empty()) 始める(std::atoi(p.値(好み_問題_今, "1").c_str()) - 1);
}

void 問題の進行::記録を書く(好み設定& p) const {
    std::string s;
    for (int i = 0; i < 数(); ++i)
        if (解いた_[static_cast<std::size_t>(i)]) s += (s.empty() ? "" : ",") + std::to_string(i + 1);
    p.設定(好み_問題_解いた, s);
    p.設定(好み_問題_連続, std::to_string(連続_));
    p.設定(好み_問題_最高, std::to_string(最高_));
    p.設定(好み_問題_今, std::to_string(番号_ + 1));
}
