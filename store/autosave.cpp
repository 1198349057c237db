// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/autosave.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "store/safe_file.h"
#include "view/course.h"
#include "view/tr.h"

namespace {

constexpr double 時間の最大 = 1e9;
constexpr int 手数の最大 = 履歴最大 + 1;
constexpr int 持駒の最大 = 18;

bool 範囲内(int v, int 下, int 上) { return v >= 下 && v <= 上; }
bool 時間として正しい(double v) { return std::isfinite(v) && v >= 0 && v <= 時間の最大; }

bool 局面として正しい(const 局面& k) {
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) {
            const int v = k.盤[x][y];
            if (盤上(x, y) ? !有効な駒コード(v) : v != 空) return false;
        }
    if (k.持駒_MAN[0] != 0 || k.持駒_COM[0] != 0) return false;
    for (int i = 1; i <= 7; ++i)
        if (!範囲内(k.持駒_MAN[i], 0, 持駒の最大) || !範囲内(k.持駒_COM[i], 0, 持駒の最大)) return false;
    return true;
}

bool 両方の王がいる(const 局面& k) {
    bool 上 = false, 下 = false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            上 = 上 || COMの王(k.盤[x][y]);
            下 = 下 || MANの王(k.盤[x][y]);
        }
    return 上 && 下;
}

// ---- writing ------------------------------------------------------------------

void 数を足す(std::string& o, int v) { o += std::to_string(v); }
// Seconds without an exponent, in the fewest digits that read back as the
// same double.
void 数を足す(std::string& o, double v) {
    char b[400];
    const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed);
    o.append(b, r.ec == std::errc() ? r.ptr : b);
}

template <class T>
void 行(std::string& o, const char* 鍵, T v) {
    o += 鍵;
    o += '=';
    数を足す(o, v);
    o += '\n';
}

// A logged position as values of a line, each after a space.
void 局面を足す(std::string& o, const 局面& k) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            o += ' ';
            数を足す(o, k.盤[x][y]);
        }
    for (int i = 1; i <= 7; ++i) {
        o += ' ';
        数を足す(o, k.持駒_MAN[i]);
    }
    for (int i = 1; i <= 7; ++i) {
        o += ' ';
        数を足す(o, k.持駒_COM[i]);
    }
}

// ---- reading ------------------------------------------------------------------

// The lines of a file one after another, each cut into its values.
class 読み手 {
public:
    explicit 読み手(std::string_view b) : 残り_(b) {}

    // The next line exactly.
    bool そのまま(std::string_view 期待) {
        std::string_view l;
        return 次の行(l) && l == 期待;
    }
    // The next line, "鍵=" and n values separated by single spaces.
    bool 値(std::string_view 鍵, std::size_t n) {
        std::string_view l;
        if (!次の行(l) || !l.starts_with(鍵) || l.size() <= 鍵.size() || l[鍵.size()] != '=') return false;
        l.remove_prefix(鍵.size() + 1);
        欄_.clear();
        for (;;) {
            const std::size_t p = l.find(' ');
            欄_.push_back(l.substr(0, p));
            if (欄_.size() > n) return false;
            if (p == std::string_view::npos) break;
            l.remove_prefix(p + 1);
        }
        位置_ = 0;
        return 欄_.size() == n;
    }
    // The next value of the line, only in the form the writer gives it.
    bool 整数(int& v) {
        const std::string_view t = 欄_[位置_++];
        int r = 0;
        const auto [p, e] = std::from_chars(t.data(), t.data() + t.size(), r);
        if (e != std::errc() || p != t.data() + t.size() || std::to_string(r) != t) return false;
        v = r;
        return true;
    }
    bool 実数(double& v) {
        const std::string_view t = 欄_[位置_++];
        double r = 0;
        const auto [p, e] = std::from_chars(t.data(), t.data() + t.size(), r, std::chars_format::fixed);
        if (e != std::errc() || p != t.data() + t.size() || !std::isfinite(r)) return false;
        std::string 書いた;
        数を足す(書いた, r);
        if (書いた != t) return false;
        v = r;
        return true;
    }
    bool 局面を読む(局面& k) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!整数(k.盤[x][y])) return false;
        for (int i = 1; i <= 7; ++i)
            if (!整数(k.持駒_MAN[i])) return false;
        for (int i = 1; i <= 7; ++i)
            if (!整数(k.持駒_COM[i])) return false;
        return true;
    }
    bool 一つの整数(std::string_view 鍵, int& v) { return 値(鍵, 1) && 整数(v); }
    // Passes over the lines that start with 頭.
    void 飛ばす(std::string_view 頭) {
        while (残り_.starts_with(頭)) {
            std::string_view l;
            if (!次の行(l)) return;
        }
    }
    bool 一つの実数(std::string_view 鍵, double& v) { return 値(鍵, 1) && 実数(v); }
    bool 終わった() const { return 残り_.empty(); }

private:
    bool 次の行(std::string_view& l) {
        const std::size_t p = 残り_.find('\n');
        if (p == std::string_view::npos) return false;
        l = 残り_.substr(0, p);
        残り_.remove_prefix(p + 1);
        return true;
    }
    std::string_view 残り_;
    std::vector<std::string_view> 欄_;
    std::size_t 位置_ = 0;
};

constexpr std::size_t 局面の値数 = 81 + 7 + 7;

}  // namespace

namespace {

// ---- the members of the file -------------------------------------------------------
//
// One table names every member of the file in its order: the game, its log
// and the computer's memory.  The writer, the reader, the range checks,
// the comparison and the passage between the game and 自動保存内容 all walk
// it, so a member is added in one place.

enum class 種類 {
    整数,    // one integer of the game
    時間,    // one clock of the game, in seconds
    盤,      // the board: 81 codes
    持駒,    // a hand: 7 counts
    履歴,    // the log, one line per slot
    記憶,    // the computer's memory, as the computer lists it
    記憶値,  // version 1: one integer of the computer's memory with the game
};

// Which versions of the file hold a member (version 3 is version 2's
// items, its level on the longer ladder).
constexpr unsigned 版1 = 1, 版2 = 2, 版4 = 4, 全版 = 版1 | 版2 | 版4;

struct 欄 {
    const char* 名;
    種類 k;
    unsigned 版 = 全版;
    int 自動保存内容::*内容整数 = nullptr;  // 整数: the member of the content ...
    int 状態::*進行整数 = nullptr;          // ... and of the game: of its course
    int 操作状態::*操作整数 = nullptr;      //     or of the controller's part
    double 自動保存内容::*内容時間 = nullptr;
    double 時計状態::*時計時間 = nullptr;
    int (局面::*持駒)[8] = nullptr;
    int COM表::*値 = nullptr;
    int 下 = std::numeric_limits<int>::min(), 上 = std::numeric_limits<int>::max();
};

constexpr 欄 整数欄(const char* 名, int 自動保存内容::*c, int 状態::*s, int 下, int 上) {
    欄 e{名, 種類::整数};
    e.内容整数 = c;
    e.進行整数 = s;
    e.下 = 下;
    e.上 = 上;
    return e;
}
constexpr 欄 整数欄(const char* 名, int 自動保存内容::*c, int 操作状態::*s, int 下, int 上) {
    欄 e = 整数欄(名, c, static_cast<int 状態::*>(nullptr), 下, 上);
    e.操作整数 = s;
    return e;
}
constexpr 欄 時間欄(const char* 名, double 自動保存内容::*c, double 時計状態::*s) {
    欄 e{名, 種類::時間};
    e.内容時間 = c;
    e.時計時間 = s;
    return e;
}

// The game's integer that an 整数 member stands for.
int& 整数の場所(const 欄& e, 状態& s) { return e.進行整数 ? s.*e.進行整数 : s.操作.*e.操作整数; }
int 整数の値(const 欄& e, const 状態& s) { return e.進行整数 ? s.*e.進行整数 : s.操作.*e.操作整数; }
constexpr 欄 持駒欄(const char* 名, int (局面::*h)[8]) {
    欄 e{名, 種類::持駒};
    e.持駒 = h;
    return e;
}
constexpr 欄 記憶値欄(const char* 名, int COM表::*v, unsigned 版, int 下, int 上) {
    欄 e{名, 種類::記憶値, 版};
    e.値 = v;
    e.下 = 下;
    e.上 = 上;
    return e;
}

// Version 1 kept the human king's square with the game; later versions
// keep it with the rest of the computer's memory, which is where it lives.
constexpr 欄 欄一覧[] = {
    整数欄("対局種別", &自動保存内容::対局種別, &操作状態::対局種別, 対局_人間, 対局_COM),
    整数欄("レベル", &自動保存内容::レベル, &状態::レベル, 1, 最強レベル),
    整数欄("手番_MAN", &自動保存内容::手番_MAN, &状態::手番_MAN, 後手, 先手),
    整数欄("手番_COM", &自動保存内容::手番_COM, &状態::手番_COM, 後手, 先手),
    整数欄("手番", &自動保存内容::手番, &状態::手番, 後手, 先手),
    整数欄("手数", &自動保存内容::手数, &状態::手数, 0, 手数の最大),
    整数欄("棋譜手数", &自動保存内容::棋譜手数, &状態::棋譜手数, 0, 手数の最大),
    整数欄("棋譜最終手数", &自動保存内容::棋譜最終手数, &状態::棋譜最終手数, 0, 履歴最大),
    整数欄("棋譜モード", &自動保存内容::棋譜モード, &操作状態::棋譜モード, 偽, 真),
    整数欄("ハンデ設定中", &自動保存内容::ハンデ設定中, &操作状態::ハンデ設定中, 偽, 真),
    整数欄("ハンデレベル", &自動保存内容::ハンデレベル, &操作状態::ハンデレベル, -10, 10),
    整数欄("再開待ち", &自動保存内容::再開待ち, &操作状態::再開待ち, 偽, 真),
    時間欄("所有時間_MAN", &自動保存内容::所有時間_MAN, &時計状態::所有時間_MAN),
    時間欄("所有時間_COM", &自動保存内容::所有時間_COM, &時計状態::所有時間_COM),
    時間欄("経過秒", &自動保存内容::経過秒, &時計状態::経過秒),
    記憶値欄("王X_MAN", &COM表::王X_MAN, 版1, 0, 9),
    記憶値欄("王Y_MAN", &COM表::王Y_MAN, 版1, 0, 9),
    {"盤", 種類::盤},
    持駒欄("持駒_MAN", &局面::持駒_MAN),
    持駒欄("持駒_COM", &局面::持駒_COM),
    {"履歴", 種類::履歴},
    {"COM", 種類::記憶},
};

// Version 3 held version 2's items, its level (above 3) counted on a ladder
// of fifteen; versions 1 and 2 counted five strengths, and their 4 and 5
// resume at 旧レベルの段.  Version 4 gives the computer's memory under the
// memory's own version, its level counted on a ladder of sixteen; version 5
// is version 4 on today's ladder.  A former top is the top now (今の段).
const char* const 頭[] = {nullptr, "Vezuvire autosave 1", "Vezuvire autosave 2", "Vezuvire autosave 3",
                          "Vezuvire autosave 4", 自動保存の頭};
constexpr unsigned 版の印(int 番) { return 番 == 1 ? 版1 : 番 >= 4 ? 版4 : 版2; }
// The strengths of the ladder a version counted its level on.
constexpr int 版の段数(int 番) { return 番 == 3 ? 15 : 番 == 4 ? 16 : 最強レベル; }

// The memory's items in a file of version 番: version 1 kept the human
// king's square elsewhere (記憶値 above).
bool 記憶の項目か(const COM表の項目& m, unsigned 版) {
    return 版 != 版1 || (m.値 != &COM表::王X_MAN && m.値 != &COM表::王Y_MAN);
}

bool 記録が正しい(const 自動保存記録& r) {
    return 局面として正しい(r.面) && 範囲内(r.先X, 0, 9) && 範囲内(r.先Y, 0, 9) && 時間として正しい(r.前秒M) &&
           時間として正しい(r.後秒M) && 時間として正しい(r.前秒C) && 時間として正しい(r.後秒C);
}

void 値を並べる(std::string& o, const int* v, int n) {
    for (int i = 0; i < n; ++i) {
        if (i > 0) o += ' ';
        数を足す(o, v[i]);
    }
}

// One member written as the file holds it.
void 書く(std::string& o, const 欄& e, const 自動保存内容& d, unsigned 版) {
    if (e.k == 種類::履歴) {
        for (std::size_t n = 0; n < d.履歴.size(); ++n) {
            const 自動保存記録& r = d.履歴[n];
            o += "履歴=";
            数を足す(o, static_cast<int>(n));
            局面を足す(o, r.面);
            for (int v : {r.先X, r.先Y}) {
                o += ' ';
                数を足す(o, v);
            }
            for (double v : {r.前秒M, r.後秒M, r.前秒C, r.後秒C}) {
                o += ' ';
                数を足す(o, v);
            }
            o += '\n';
        }
        return;
    }
    if (e.k == 種類::記憶) {
        if (版 == 版4) {
            o += "COM=";
            数を足す(o, d.記憶の版);
            o += '\n';
        }
        if (d.記憶の版 != COM表の版) return;
        for (const COM表の項目& m : COM表の項目一覧()) {
            if (!記憶の項目か(m, 版)) continue;
            o += m.名;
            o += '=';
            if (m.表)
                for (int x = 0; x <= 9; ++x) 値を並べる(o, (d.表.*m.表)[x], 10), o += x < 9 ? " " : "";
            else
                数を足す(o, d.表.*m.値);
            o += '\n';
        }
        return;
    }
    o += e.名;
    o += '=';
    switch (e.k) {
        case 種類::整数: 数を足す(o, d.*e.内容整数); break;
        case 種類::時間: 数を足す(o, d.*e.内容時間); break;
        case 種類::盤:
            for (int x = 1; x <= 9; ++x) 値を並べる(o, d.現在.盤[x] + 1, 9), o += x < 9 ? " " : "";
            break;
        case 種類::持駒: 値を並べる(o, (d.現在.*e.持駒) + 1, 7); break;
        case 種類::記憶値: 数を足す(o, d.表.*e.値); break;
        case 種類::記憶:
        case 種類::履歴: break;
    }
    o += '\n';
}

// One member read, only in the form the writer gives it.
bool 読む(読み手& r, const 欄& e, 自動保存内容& d, unsigned 版) {
    switch (e.k) {
        case 種類::整数: return r.一つの整数(e.名, d.*e.内容整数);
        case 種類::時間: return r.一つの実数(e.名, d.*e.内容時間);
        case 種類::記憶値: return r.一つの整数(e.名, d.表.*e.値);
        case 種類::盤:
            if (!r.値(e.名, 81)) return false;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y)
                    if (!r.整数(d.現在.盤[x][y])) return false;
            return true;
        case 種類::持駒:
            if (!r.値(e.名, 7)) return false;
            for (int i = 1; i <= 7; ++i)
                if (!r.整数((d.現在.*e.持駒)[i])) return false;
            return true;
        case 種類::記憶: {
            // Versions 1 to 3 hold the memory as it was when they were
            // written, the first layout.
            int 記憶の版 = 1;
            if (版 == 版4 && (!r.一つの整数("COM", 記憶の版) || 記憶の版 < 0)) return false;
            if (記憶の版 != COM表の版) {
                // Another computer's memory: passed over, and the game goes
                // on with a fresh one.
                r.飛ばす("COM.");
                d.記憶の版 = 0;
                return true;
            }
            d.記憶の版 = 記憶の版;
            for (const COM表の項目& m : COM表の項目一覧()) {
                if (!記憶の項目か(m, 版)) continue;
                if (m.表) {
                    if (!r.値(m.名, 100)) return false;
                    for (int x = 0; x <= 9; ++x)
                        for (int y = 0; y <= 9; ++y)
                            if (!r.整数((d.表.*m.表)[x][y])) return false;
                } else if (!r.一つの整数(m.名, d.表.*m.値)) {
                    return false;
                }
            }
            return true;
        }
        case 種類::履歴:
            // The log's length comes from the file's own count, checked
            // before anything is read by it.
            if (!範囲内(d.棋譜最終手数, 0, 履歴最大)) return false;
            for (int n = 0; n <= d.棋譜最終手数; ++n) {
                自動保存記録 k;
                int 番号 = -1;
                if (!r.値("履歴", 1 + 局面の値数 + 2 + 4) || !r.整数(番号) || 番号 != n || !r.局面を読む(k.面) ||
                    !r.整数(k.先X) || !r.整数(k.先Y) || !r.実数(k.前秒M) || !r.実数(k.後秒M) || !r.実数(k.前秒C) ||
                    !r.実数(k.後秒C))
                    return false;
                d.履歴.push_back(k);
            }
            return true;
    }
    return false;
}

// One member within its range.
bool 範囲に合う(const 欄& e, const 自動保存内容& d) {
    switch (e.k) {
        case 種類::整数: return 範囲内(d.*e.内容整数, e.下, e.上);
        case 種類::時間: return 時間として正しい(d.*e.内容時間);
        case 種類::記憶値: return 範囲内(d.表.*e.値, e.下, e.上);
        case 種類::盤: return 局面として正しい(d.現在) && 両方の王がいる(d.現在);
        case 種類::持駒: return true;  // with the board
        case 種類::記憶:
            if (d.記憶の版 == 0) return true;
            if (d.記憶の版 != COM表の版) return false;
            for (const COM表の項目& m : COM表の項目一覧())
                if (m.値 && !範囲内(d.表.*m.値, m.下, m.上)) return false;
            return true;
        case 種類::履歴:
            if (d.履歴.size() != static_cast<std::size_t>(d.棋譜最終手数) + 1) return false;
            for (const auto& r : d.履歴)
                if (!記録が正しい(r)) return false;
            return true;
    }
    return false;
}

bool 等しい(const 欄& e, const 自動保存内容& a, const 自動保存内容& b) {
    switch (e.k) {
        case 種類::整数: return a.*e.内容整数 == b.*e.内容整数;
        case 種類::時間: return a.*e.内容時間 == b.*e.内容時間;
        case 種類::記憶値: return a.表.*e.値 == b.表.*e.値;
        case 種類::盤: return std::memcmp(a.現在.盤, b.現在.盤, sizeof a.現在.盤) == 0;
        case 種類::持駒: return std::memcmp(a.現在.*e.持駒, b.現在.*e.持駒, sizeof(int[8])) == 0;
        case 種類::記憶:
            // Integers only: the bytes say it all.
            return a.記憶の版 == b.記憶の版 && std::memcmp(&a.表, &b.表, sizeof(COM表)) == 0;
        case 種類::履歴: return a.履歴 == b.履歴;
    }
    return false;
}

}  // namespace

bool 自動保存内容::operator==(const 自動保存内容& o) const {
    for (const 欄& e : 欄一覧)
        if (!等しい(e, *this, o)) return false;
    return true;
}

bool 調査_対局中(const 状態& s) { return s.手番 != 手番_なし && s.勝者 == 手番_なし; }

自動保存内容 取得_自動保存(const 状態& s) {
    自動保存内容 d;
    for (const 欄& e : 欄一覧) {
        if (e.k == 種類::整数) d.*e.内容整数 = 整数の値(e, s);
        if (e.k == 種類::時間) d.*e.内容時間 = s.時計.*e.時計時間;
    }
    d.現在 = 局面_取得(s);
    const int n = s.棋譜最終手数 < 0 ? -1 : (s.棋譜最終手数 > 履歴最大 ? 履歴最大 : s.棋譜最終手数);
    for (int i = 0; i <= n; ++i) d.履歴.push_back(s.記録[i]);
    if (s.COM記憶 != nullptr) d.表 = *s.COM記憶;
    return d;
}

void 適用_自動保存(状態& s, const 自動保存内容& d) {
    局面_設定(s, d.現在);
    for (const 欄& e : 欄一覧) {
        if (e.k == 種類::整数) 整数の場所(e, s) = d.*e.内容整数;
        if (e.k == 種類::時間) s.時計.*e.時計時間 = d.*e.内容時間;
    }
    s.勝者 = 手番_なし;
    for (int i = 0; i < static_cast<int>(d.履歴.size()) && i <= 履歴最大; ++i) s.記録.書く(i) = d.履歴[static_cast<std::size_t>(i)];
    // Last: the computer's memory is what it was, not what the board says
    // (where it last saw both kings, among the rest).
    if (s.COM記憶 != nullptr && d.記憶の版 == COM表の版) *s.COM記憶 = d.表;
}

bool 調査_自動保存内容(const 自動保存内容& d) {
    for (const 欄& e : 欄一覧)
        if (!範囲に合う(e, d)) return false;
    // The sides sit opposite each other.
    return d.手番_MAN != 手番_なし && d.手番_COM == -d.手番_MAN && d.手番 != 手番_なし;
}

std::string 変換_自動保存(const 自動保存内容& d, int 版) {
    const unsigned v = 版の印(版);
    std::string o;
    o.reserve(64 * 1024);
    o += 頭[版 == 2 && d.レベル > 3 ? 3 : 版];
    o += '\n';
    for (const 欄& e : 欄一覧)
        if (e.版 & v) 書く(o, e, d, v);
    o += "終わり\n";
    return o;
}

bool 解析_自動保存(std::string_view バイト列, 自動保存内容& 結果) {
    for (int 番 : {5, 4, 3, 2, 1}) {
        const unsigned 版 = 版の印(番);
        読み手 r(バイト列);
        if (!r.そのまま(頭[番])) continue;
        auto d = std::make_unique<自動保存内容>();
        for (const 欄& e : 欄一覧)
            if ((e.版 & 版) && !読む(r, e, *d, 版)) return false;
        if (!r.そのまま("終わり") || !r.終わった()) return false;
        if (!調査_自動保存内容(*d)) return false;
        if (番 == 3 && d->レベル <= 3) return false;
        if (番 < 3 ? d->レベル > 5 : d->レベル > 版の段数(番)) return false;
        d->レベル = 番 < 3 ? 旧レベルの段(d->レベル) : 今の段(版の段数(番), d->レベル);
        結果 = std::move(*d);
        return true;
    }
    return false;
}

// ---- on the disk ------------------------------------------------------------------

int 書込_自動保存(const 状態& s, const std::string& パス) {
    if (!調査_対局中(s)) return EINVAL;
    const auto d = std::make_unique<自動保存内容>(取得_自動保存(s));
    if (!調査_自動保存内容(*d)) return EINVAL;
    return 書込_置換(パス, 変換_自動保存(*d));
}

int 削除_自動保存(const std::string& パス) {
    if (ファイル削除関数(パス.c_str()) == 0 || errno == ENOENT) return 0;
    return errno;
}

自動保存状況 読込_自動保存(const std::string& パス, 自動保存内容& d, int* 番号) {
    // A link is never followed: what it points to is not this folder's.
    struct stat st;
    if (::lstat(パス.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return 自動保存状況::リンク;
    std::string 中身;
    const int e = 読込_通常ファイル(パス, 自動保存の上限, 中身);
    if (e == ENOENT) return 自動保存状況::なし;
    // Something that is no game file at all, or too large to be one.
    if (e == 誤り_フォルダ || e == 誤り_通常でない || e == 誤り_大きすぎる) return 自動保存状況::破損;
    if (e != 0) {
        if (番号) *番号 = e;
        return 自動保存状況::読めない;
    }
    return 解析_自動保存(中身, d) ? 自動保存状況::あり : 自動保存状況::破損;
}

std::string 自動保存の理由(int 番号, const std::string& 名前) {
    const std::string 名 = "「" + 名前 + "」";
    switch (番号) {
        case ENOSPC:
        case EDQUOT: return QT_TRANSLATE_NOOP("Game", "ディスクの空きが足りません。");
        case EROFS: return QT_TRANSLATE_NOOP("Game", "このフォルダーは読み取り専用です。");
        case EACCES:
        case EPERM: return QT_TRANSLATE_NOOP("Game", "このフォルダーに書き込む権限がありません。");
        case 誤り_書込禁止: return 名 + "は書き込み禁止のファイルです。";
        case EISDIR:
        case ENOTEMPTY:
        case 誤り_フォルダ: return 名 + "という名前のフォルダーがあります。";
        case EIO: return QT_TRANSLATE_NOOP("Game", "ディスクの読み書きでエラーが起きました。");
        case 誤り_通常でない: {
            struct stat st;
            if (::lstat(名前.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
                return 名 + "はシンボリックリンクです。リンクの先には書き込みません。";
            return 名 + "は通常のファイルではありません。";
        }
        default: return 変換_エラー理由(番号);
    }
}

void 自動保存_更新(状態& s, Platform& p) {
    if (!s.操作.自動保存) return;
    // A record being stepped through is only looked at: it is no game of
    // the player's to be offered at the next start.
    if (!調査_対局中(s) || s.操作.棋譜モード == 真) {
        if (!s.操作.自動保存_自分) return;
        // Tried once: a file that stays is offered at the next start.
        s.操作.自動保存_自分 = false;
        if (const int e = 削除_自動保存(); e != 0)
            p.メッセージ(std::string(自動保存消せない本文) + "\r" + 自動保存の理由(e, 自動保存ファイル) + "\r" +
                             自動保存消せない結び,
                         自動保存の題, ボタン::OK, true);
        return;
    }
    const int e = 書込_自動保存(s);
    // After a failure the file is no longer this game as it stands: an
    // earlier move of it at best, or something else, which stays.
    s.操作.自動保存_自分 = e == 0;
    if (e != 0 && !s.操作.自動保存_不調) {
        s.操作.自動保存_不調 = true;
        p.メッセージ(std::string(自動保存できない本文) + "\r" + 自動保存の理由(e, 自動保存ファイル) + "\r" +
                         自動保存できない結び,
                     自動保存の題, ボタン::OK, true);
    } else if (e == 0 && s.操作.自動保存_不調) {
        s.操作.自動保存_不調 = false;
        p.メッセージ(自動保存回復の本文, 自動保存の題, ボタン::OK);
    }
}

void 自動保存_新しい対局(状態& s) { s.操作.自動保存_不調 = false; }

std::string 退避_自動保存(const std::string& パス, const std::string& 先) {
    for (int i = 1; i < 100; ++i) {
        const std::string 名 = i == 1 ? 先 : 先 + "." + std::to_string(i);
        if (::renameat2(AT_FDCWD, パス.c_str(), AT_FDCWD, 名.c_str(), RENAME_NOREPLACE) == 0) return 名;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return "";
        // A file system that cannot refuse to replace: look first.
        struct stat st;
        if (::lstat(名.c_str(), &st) == 0) continue;
        return ::rename(パス.c_str(), 名.c_str()) == 0 ? 名 : "";
    }
    return "";
}
