// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game.h"

#include <array>
#include <bit>
#include <memory>

#include "core/rules.h"
#include "core/state.h"

namespace {

// The sixteen single steps a piece can make (the eight neighbours, then the
// eight knight's jumps); the first eight are also the eight lines.
constexpr int 歩DX[16] = {-1, -1, -1, 0, 0, 1, 1, 1, -1, 1, -2, 2, -2, 2, -1, 1};
constexpr int 歩DY[16] = {-1, 0, 1, -1, 1, -1, 0, 1, -2, -2, -1, -1, 1, 1, 2, 2};

// How each code moves: a bit per single step that is not the first square
// of a line, a bit per line.  Taken once from the movement rule itself, on
// an empty board, so that the two can never disagree.
struct 動き {
    std::uint16_t 歩 = 0;
    std::uint8_t 線 = 0;
};
constexpr int 表長 = 814;

std::array<動き, 表長> 動き表を作る() {
    std::array<動き, 表長> t{};
    auto s = std::make_unique<盤面状態>();
    for (int a = 100; a < 表長; ++a) {
        if (!有効な駒コード(a)) continue;
        動き m;
        for (int i = 0; i < 16; ++i) {
            const bool 一歩 = 移動チェック(*s, 5, 5, 5 + 歩DX[i], 5 + 歩DY[i], a) == 真;
            const bool 二歩 = i < 8 && 移動チェック(*s, 5, 5, 5 + 2 * 歩DX[i], 5 + 2 * 歩DY[i], a) == 真;
            if (二歩) m.線 |= static_cast<std::uint8_t>(1u << i);
            else if (一歩) m.歩 |= static_cast<std::uint16_t>(1u << i);
        }
        t[static_cast<std::size_t>(a)] = m;
    }
    return t;
}

const std::array<動き, 表長>& 動き表() {
    static const std::array<動き, 表長> t = 動き表を作る();
    return t;
}

// ---- Zobrist keys -------------------------------------------------------------
// The hash is a sum of keys (modulo 2^64): one per piece per square, one per
// piece in hand counted as many times as it is held, one for the bottom
// side to move.

// The next key of the sequence that starts at x.
std::uint64_t 次の鍵(std::uint64_t& x) {
    const std::uint64_t k = 混ぜる(x);
    x += 0x9E3779B97F4A7C15ull;
    return k;
}

struct 鍵表 {
    std::uint64_t 盤[100][128];
    std::uint64_t 持駒[2][8];
    std::uint64_t 下手番;
    鍵表() {
        std::uint64_t x = 0x5645'5A55'5649'5245ull;
        for (auto& sq : 盤)
            for (auto& k : sq) k = 次の鍵(x);
        for (auto& side : 持駒)
            for (auto& k : side) k = 次の鍵(x);
        下手番 = 次の鍵(x);
    }
};
const 鍵表 鍵;

int 鍵番号(int 駒) {
    const int a = 駒絶対(駒);
    const int i = ((a / 100 - 1) * 2 + (a / 10) % 10) * 4 + a % 10;
    return 駒 < 0 ? 64 + i : i;
}
std::uint64_t 駒鍵(int x, int y, int 駒) { return 鍵.盤[x * 10 + y][鍵番号(駒)]; }
int 側番(int 側) { return 側 > 0 ? 0 : 1; }

}  // namespace

// ---- Building -------------------------------------------------------------------

対局 対局::初期局面() {
    対局 g;
    constexpr int 一段[9] = {200, 300, 400, 500, 800, 500, 400, 300, 200};
    for (int x = 1; x <= 9; ++x) {
        g.盤_[x][1] = 一段[x - 1];
        g.盤_[x][3] = 100;
        g.盤_[x][7] = -102;
        g.盤_[x][9] = -(一段[x - 1] + 2);
    }
    g.盤_[2][2] = 700;
    g.盤_[8][2] = 600;
    g.盤_[2][8] = -602;
    g.盤_[8][8] = -702;
    g.手番_ = 下手;
    g.整える();
    return g;
}

void 対局::置く(int x, int y, int 駒) { 盤_[x][y] = 駒; }
void 対局::持駒を置く(int 側, int 種, int 数) { 持駒_[側番(側)][種] = 数; }
void 対局::手番を置く(int 側) { 手番_ = 側 > 0 ? 上手 : 下手; }

void 対局::整える() {
    for (auto& k : 王_) k[0] = k[1] = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = 盤_[x][y];
            if (COMの王(v)) 王_[0][0] = x, 王_[0][1] = y;
            if (MANの王(v)) 王_[1][0] = x, 王_[1][1] = y;
        }
    勝者_ = 0;
    if (王_[0][0] == 0 && 王_[1][0] != 0) 勝者_ = 下手;
    if (王_[1][0] == 0 && 王_[0][0] != 0) 勝者_ = 上手;
    履歴_.clear();
    ハッシュ_ = 計算したハッシュ();
}

std::uint64_t 対局::計算したハッシュ() const {
    std::uint64_t h = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (盤_[x][y] != 空) h += 駒鍵(x, y, 盤_[x][y]);
    for (int s = 0; s < 2; ++s)
        for (int k = 1; k <= 7; ++k) h += 鍵.持駒[s][k] * static_cast<std::uint64_t>(持駒_[s][k]);
    if (手番_ == 下手) h += 鍵.下手番;
    return h;
}

bool 対局::盤が同じ(const 対局& o) const {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (盤_[x][y] != o.盤_[x][y]) return false;
    for (int s = 0; s < 2; ++s)
        for (int k = 1; k <= 7; ++k)
            if (持駒_[s][k] != o.持駒_[s][k]) return false;
    return 手番_ == o.手番_ && 勝者_ == o.勝者_;
}

// ---- Listing moves ----------------------------------------------------------------

// Calls f(x, y, x2, y2, 取駒) for every board move of side 向.
template <int 向, class F>
void 対局::盤の手を巡る(F&& f) const {
    const auto& 表 = 動き表();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = 盤_[x][y];
            if (v * 向 < 100) continue;
            const 動き m = 表[static_cast<std::size_t>(v * 向)];
            for (unsigned b = m.歩; b != 0; b &= b - 1) {
                const int i = std::countr_zero(b);
                const int x2 = x + 歩DX[i], y2 = y + 歩DY[i];
                if (!盤上(x2, y2)) continue;
                const int t = 盤_[x2][y2];
                if (t * 向 >= 100) continue;
                f(x, y, x2, y2, t);
            }
            for (unsigned b = m.線; b != 0; b &= b - 1) {
                const int i = std::countr_zero(b);
                for (int x2 = x + 歩DX[i], y2 = y + 歩DY[i]; 盤上(x2, y2); x2 += 歩DX[i], y2 += 歩DY[i]) {
                    const int t = 盤_[x2][y2];
                    if (t * 向 >= 100) break;
                    f(x, y, x2, y2, t);
                    if (t != 空) break;
                }
            }
        }
}

void 対局::手を列挙(std::vector<対局の手>& 手, bool 劣る手を省く) const {
    手.clear();
    if (勝者_ != 0) return;
    auto 加える = [&](int x, int y, int x2, int y2, int) {
        const int v = 盤_[x][y];
        対局の手 m{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y), static_cast<std::int8_t>(x2),
                   static_cast<std::int8_t>(y2), 0, false};
        if (成れる(v, y, y2)) {
            const int t = 駒型(v);
            const bool 成るだけ = 劣る手を省く && (t == 10 || t == 60 || t == 70);
            if (!成るだけ) 手.push_back(m);
            m.成 = true;
        }
        手.push_back(m);
    };
    if (手番_ > 0) 盤の手を巡る<1>(加える);
    else 盤の手を巡る<-1>(加える);
    const int* 手駒 = 持駒_[側番(手番_)];
    for (int k = 1; k <= 7; ++k) {
        if (手駒[k] <= 0) continue;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (盤_[x][y] == 空)
                    手.push_back({0, 0, static_cast<std::int8_t>(x), static_cast<std::int8_t>(y),
                                  static_cast<std::int8_t>(k), false});
    }
}

void 対局::取る手を列挙(std::vector<対局の手>& 手) const {
    手.clear();
    if (勝者_ != 0) return;
    auto 加える = [&](int x, int y, int x2, int y2, int 取) {
        if (取 == 空) return;
        const int v = 盤_[x][y];
        対局の手 m{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y), static_cast<std::int8_t>(x2),
                   static_cast<std::int8_t>(y2), 0, false};
        if (成れる(v, y, y2)) {
            const int t = 駒型(v);
            if (t != 10 && t != 60 && t != 70) 手.push_back(m);
            m.成 = true;
        }
        手.push_back(m);
    };
    if (手番_ > 0) 盤の手を巡る<1>(加える);
    else 盤の手を巡る<-1>(加える);
}

bool 対局::合法(const 対局の手& m) const {
    if (勝者_ != 0) return false;
    if (!盤上(m.先X, m.先Y)) return false;
    const int 向 = 手番_;
    if (m.打ち()) {
        if (m.打 < 1 || m.打 > 7 || m.成) return false;
        return 持駒_[側番(向)][m.打] > 0 && 盤_[m.先X][m.先Y] == 空;
    }
    if (!盤上(m.元X, m.元Y)) return false;
    const int v = 盤_[m.元X][m.元Y];
    if (v * 向 < 100) return false;
    if (m.成 && !成れる(v, m.元Y, m.先Y)) return false;
    const int t = 盤_[m.先X][m.先Y];
    if (t * 向 >= 100) return false;
    const 動き d = 動き表()[static_cast<std::size_t>(v * 向)];
    const int dx = m.先X - m.元X, dy = m.先Y - m.元Y;
    for (int i = 0; i < 16; ++i)
        if (((d.歩 >> i) & 1) && dx == 歩DX[i] && dy == 歩DY[i]) return true;
    for (int i = 0; i < 8; ++i) {
        if (!((d.線 >> i) & 1)) continue;
        for (int x2 = m.元X + 歩DX[i], y2 = m.元Y + 歩DY[i]; 盤上(x2, y2); x2 += 歩DX[i], y2 += 歩DY[i]) {
            if (x2 == m.先X && y2 == m.先Y) return true;
            if (盤_[x2][y2] != 空) break;
        }
    }
    return false;
}

int 対局::置く駒(const 対局の手& m) const {
    if (m.打ち()) return 打つ駒(手番_, m.打);
    const int v = 盤_[m.元X][m.元Y];
    if (!m.成) return v;
    return 成った駒(v);
}

// ---- Making and taking back moves -----------------------------------------------

void 対局::指す(const 対局の手& m) {
    記録 r;
    r.手 = m;
    r.ハッシュ = ハッシュ_;
    r.勝者 = 勝者_;
    for (int i = 0; i < 2; ++i) r.王[i][0] = 王_[i][0], r.王[i][1] = 王_[i][1];
    const int 側 = 側番(手番_);
    const int 置 = 置く駒(m);
    if (m.打ち()) {
        持駒_[側][m.打] -= 1;
        ハッシュ_ -= 鍵.持駒[側][m.打];
    } else {
        r.元駒 = 盤_[m.元X][m.元Y];
        ハッシュ_ -= 駒鍵(m.元X, m.元Y, r.元駒);
        盤_[m.元X][m.元Y] = 空;
    }
    const int 取 = 盤_[m.先X][m.先Y];
    r.取駒 = 取;
    int 着;
    if (取 != 空) {
        ハッシュ_ -= 駒鍵(m.先X, m.先Y, 取);
        if (王(取)) {
            勝者_ = 手番_;
            王_[側 ^ 1][0] = 王_[側 ^ 1][1] = 0;
        } else {
            持駒_[側][駒種(取)] += 1;
            ハッシュ_ += 鍵.持駒[側][駒種(取)];
        }
        着 = 置;
    } else {
        着 = 着いた駒(置, m.先X, m.先Y);
    }
    盤_[m.先X][m.先Y] = 着;
    ハッシュ_ += 駒鍵(m.先X, m.先Y, 着);
    if (王(着)) 王_[側][0] = m.先X, 王_[側][1] = m.先Y;
    手番_ = -手番_;
    ハッシュ_ += 手番_ == 下手 ? 鍵.下手番 : -鍵.下手番;
    手数_ += 1;
    履歴_.push_back(r);
}

void 対局::戻す() {
    const 記録 r = 履歴_.back();
    履歴_.pop_back();
    手番_ = -手番_;
    手数_ -= 1;
    ハッシュ_ = r.ハッシュ;
    勝者_ = r.勝者;
    for (int i = 0; i < 2; ++i) 王_[i][0] = r.王[i][0], 王_[i][1] = r.王[i][1];
    if (r.パス) return;
    const 対局の手& m = r.手;
    const int 側 = 側番(手番_);
    if (r.取駒 != 空 && !王(r.取駒)) 持駒_[側][駒種(r.取駒)] -= 1;
    盤_[m.先X][m.先Y] = r.取駒;
    if (m.打ち()) 持駒_[側][m.打] += 1;
    else 盤_[m.元X][m.元Y] = r.元駒;
}

void 対局::パス() {
    記録 r;
    r.パス = true;
    r.ハッシュ = ハッシュ_;
    r.勝者 = 勝者_;
    for (int i = 0; i < 2; ++i) r.王[i][0] = 王_[i][0], r.王[i][1] = 王_[i][1];
    手番_ = -手番_;
    ハッシュ_ += 手番_ == 下手 ? 鍵.下手番 : -鍵.下手番;
    手数_ += 1;
    履歴_.push_back(r);
}

void 対局::パスを戻す() { 戻す(); }

// ---- Questions ----------------------------------------------------------------------

bool 対局::利いている(int 側, int x, int y) const {
    const auto& 表 = 動き表();
    const int 向 = 側 > 0 ? 1 : -1;
    // A piece at (x, y) − step reaches (x, y) when that step is one of its own.
    for (int i = 0; i < 16; ++i) {
        const int px = x - 歩DX[i], py = y - 歩DY[i];
        if (!盤上(px, py)) continue;
        const int v = 盤_[px][py] * 向;
        if (v < 100) continue;
        const 動き m = 表[static_cast<std::size_t>(v)];
        if ((m.歩 >> i) & 1) return true;
        if (i < 8 && ((m.線 >> i) & 1)) return true;
    }
    // Along each line, the first piece met reaches back when it runs that line.
    for (int i = 0; i < 8; ++i) {
        int px = x - 2 * 歩DX[i], py = y - 2 * 歩DY[i];
        if (!盤上(x - 歩DX[i], y - 歩DY[i]) || 盤_[x - 歩DX[i]][y - 歩DY[i]] != 空) continue;
        for (; 盤上(px, py); px -= 歩DX[i], py -= 歩DY[i]) {
            const int w = 盤_[px][py];
            if (w == 空) continue;
            const int v = w * 向;
            if (v >= 100 && ((表[static_cast<std::size_t>(v)].線 >> i) & 1)) return true;
            break;
        }
    }
    return false;
}

int 対局::行き先の数(int 側) const {
    int n = 0;
    auto 数える = [&n](int, int, int, int, int) { ++n; };
    if (側 > 0) 盤の手を巡る<1>(数える);
    else 盤の手を巡る<-1>(数える);
    return n;
}

bool 対局::王を取れる() const {
    if (勝者_ != 0) return false;
    const int 相手 = 側番(-手番_);
    if (王_[相手][0] == 0) return false;
    return 利いている(手番_, 王_[相手][0], 王_[相手][1]);
}

int 対局::同一局面数() const {
    int n = 1;
    for (const auto& r : 履歴_)
        if (r.ハッシュ == ハッシュ_) ++n;
    for (const auto h : 前の局面_)
        if (h == ハッシュ_) ++n;
    return n;
}

bool 対局::繰り返した() const {
    const int n = static_cast<int>(履歴_.size());
    for (int i = n - 1; i >= 0; --i) {
        const 記録& r = 履歴_[static_cast<std::size_t>(i)];
        if (((n - i) % 2) == 0 && r.ハッシュ == ハッシュ_) return true;
        if (r.取駒 != 空 || r.手.打ち()) return false;
    }
    const int m = static_cast<int>(前の局面_.size());
    for (int j = m - 1; j >= 0; --j)
        if (((n + m - j) % 2) == 0 && 前の局面_[static_cast<std::size_t>(j)] == ハッシュ_) return true;
    return false;
}
