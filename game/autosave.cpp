#include "game/autosave.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include "game/safe_file.h"

namespace {

// The computer's tables, by the names the file gives them.  A change to
// COM表 must be followed here (and the version in 自動保存の頭 raised):
// the size check below stops the build until it is.
struct 表の欄 {
    const char* 名;
    int (COM表::*表)[10][10];
};
const 表の欄 表一覧[] = {
    {"勢MAN", &COM表::勢MAN},
    {"勢COM", &COM表::勢COM},
    {"弱MAN駒", &COM表::弱MAN駒},
    {"弱MAN_X", &COM表::弱MAN_X},
    {"弱MAN_Y", &COM表::弱MAN_Y},
    {"弱COM駒", &COM表::弱COM駒},
    {"弱COM_X", &COM表::弱COM_X},
    {"弱COM_Y", &COM表::弱COM_Y},
    {"弱COM攻駒", &COM表::弱COM攻駒},
    {"弱COM攻_X", &COM表::弱COM攻_X},
    {"弱COM攻_Y", &COM表::弱COM攻_Y},
    {"守MAN駒", &COM表::守MAN駒},
    {"王手COM", &COM表::王手COM},
    {"盤_保存", &COM表::盤_保存},
    {"勢MAN_保存", &COM表::勢MAN_保存},
    {"勢COM_保存", &COM表::勢COM_保存},
    {"弱COM攻_X_保存", &COM表::弱COM攻_X_保存},
    {"弱COM攻_Y_保存", &COM表::弱COM攻_Y_保存},
    {"移動不可駒", &COM表::移動不可駒},
    {"持角狙座標_MAN", &COM表::持角狙座標_MAN},
};
struct 値の欄 {
    const char* 名;
    int COM表::*値;
};
const 値の欄 値一覧[] = {
    {"王X_COM", &COM表::王X_COM},           {"王Y_COM", &COM表::王Y_COM}, {"逃道数_MAN王", &COM表::逃道数_MAN王},
    {"移動元王距離", &COM表::移動元王距離}, {"候補駒", &COM表::候補駒},   {"最高点", &COM表::最高点},
    {"移動不可あり", &COM表::移動不可あり},
};
constexpr int 表の数 = sizeof(表一覧) / sizeof(表一覧[0]);
constexpr int 値の数 = sizeof(値一覧) / sizeof(値一覧[0]);
static_assert(sizeof(COM表) == sizeof(int) * (表の数 * 100 + 値の数),
              "COM表 changed: list its members in the autosave and raise the autosave version");

bool 表が等しい(const COM表& a, const COM表& b) {
    for (const auto& e : 表一覧)
        if (std::memcmp(a.*e.表, b.*e.表, sizeof(a.*e.表)) != 0) return false;
    for (const auto& e : 値一覧)
        if (a.*e.値 != b.*e.値) return false;
    return true;
}

constexpr double 時間の最大 = 1e9;
constexpr int 手数の最大 = 履歴最大 + 1;
constexpr int 持駒の最大 = 18;

bool 範囲内(int v, int 下, int 上) { return v >= 下 && v <= 上; }
bool 二値(int v) { return v == 偽 || v == 真; }
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

bool 自動保存内容::operator==(const 自動保存内容& o) const {
    return 対局種別 == o.対局種別 && レベル == o.レベル && 手番_MAN == o.手番_MAN && 手番_COM == o.手番_COM &&
           手番 == o.手番 && 手数 == o.手数 && 棋譜手数 == o.棋譜手数 && 棋譜最終手数 == o.棋譜最終手数 &&
           棋譜モード == o.棋譜モード && ハンデ設定中 == o.ハンデ設定中 && ハンデレベル == o.ハンデレベル &&
           再開待ち == o.再開待ち && 所有時間_MAN == o.所有時間_MAN && 所有時間_COM == o.所有時間_COM &&
           経過秒 == o.経過秒 && 王X_MAN == o.王X_MAN && 王Y_MAN == o.王Y_MAN && 現在 == o.現在 && 履歴 == o.履歴 &&
           表が等しい(表, o.表);
}

bool 調査_対局中(const 状態& s) { return s.手番 != 手番_なし && s.勝者 == 手番_なし; }

自動保存内容 取得_自動保存(const 状態& s) {
    自動保存内容 d;
    d.対局種別 = s.対局種別;
    d.レベル = s.レベル;
    d.手番_MAN = s.手番_MAN;
    d.手番_COM = s.手番_COM;
    d.手番 = s.手番;
    d.手数 = s.手数;
    d.棋譜手数 = s.棋譜手数;
    d.棋譜最終手数 = s.棋譜最終手数;
    d.棋譜モード = s.棋譜モード;
    d.ハンデ設定中 = s.ハンデ設定中;
    d.ハンデレベル = s.ハンデレベル;
    d.再開待ち = s.再開待ち;
    d.所有時間_MAN = s.所有時間_MAN;
    d.所有時間_COM = s.所有時間_COM;
    d.経過秒 = s.経過秒;
    d.王X_MAN = s.王X_MAN;
    d.王Y_MAN = s.王Y_MAN;
    d.現在 = 局面_取得(s);
    const int n = s.棋譜最終手数 < 0 ? -1 : (s.棋譜最終手数 > 履歴最大 ? 履歴最大 : s.棋譜最終手数);
    for (int i = 0; i <= n; ++i) {
        自動保存記録 r;
        r.k = 局面_履歴(s, i);
        r.先X = s.先X履歴[i];
        r.先Y = s.先Y履歴[i];
        r.前秒M = s.前秒M履歴[i];
        r.後秒M = s.後秒M履歴[i];
        r.前秒C = s.前秒C履歴[i];
        r.後秒C = s.後秒C履歴[i];
        d.履歴.push_back(r);
    }
    d.表 = static_cast<const COM表&>(s);
    return d;
}

void 適用_自動保存(状態& s, const 自動保存内容& d) {
    局面_設定(s, d.現在);
    s.対局種別 = d.対局種別;
    s.レベル = d.レベル;
    s.手番_MAN = d.手番_MAN;
    s.手番_COM = d.手番_COM;
    s.手番 = d.手番;
    s.勝者 = 手番_なし;
    s.手数 = d.手数;
    s.棋譜手数 = d.棋譜手数;
    s.棋譜最終手数 = d.棋譜最終手数;
    s.棋譜モード = d.棋譜モード;
    s.ハンデ設定中 = d.ハンデ設定中;
    s.ハンデレベル = d.ハンデレベル;
    s.再開待ち = d.再開待ち;
    s.所有時間_MAN = d.所有時間_MAN;
    s.所有時間_COM = d.所有時間_COM;
    s.経過秒 = d.経過秒;
    // Where the human's king was last seen: the computer reads this, and
    // until the king first moves it is not where the board has it.
    s.王X_MAN = d.王X_MAN;
    s.王Y_MAN = d.王Y_MAN;
    for (int i = 0; i < static_cast<int>(d.履歴.size()) && i <= 履歴最大; ++i) {
        const 自動保存記録& r = d.履歴[i];
        局面_履歴設定(s, i, r.k);
        s.先X履歴[i] = r.先X;
        s.先Y履歴[i] = r.先Y;
        s.前秒M履歴[i] = r.前秒M;
        s.後秒M履歴[i] = r.後秒M;
        s.前秒C履歴[i] = r.前秒C;
        s.後秒C履歴[i] = r.後秒C;
    }
    // Last: the computer's own idea of where its king stands is what it was,
    // not what the board says.
    static_cast<COM表&>(s) = d.表;
}

bool 調査_自動保存内容(const 自動保存内容& d) {
    if (!範囲内(d.対局種別, 対局_人間, 対局_COM) || !範囲内(d.レベル, 1, 最強レベル)) return false;
    if ((d.手番_MAN != 先手 && d.手番_MAN != 後手) || d.手番_COM != -d.手番_MAN) return false;
    if (d.手番 != 先手 && d.手番 != 後手) return false;
    if (!範囲内(d.手数, 0, 手数の最大) || !範囲内(d.棋譜手数, 0, 手数の最大) || !範囲内(d.棋譜最終手数, 0, 履歴最大))
        return false;
    if (!二値(d.棋譜モード) || !二値(d.ハンデ設定中) || !二値(d.再開待ち) || !範囲内(d.ハンデレベル, -10, 10))
        return false;
    if (!時間として正しい(d.所有時間_MAN) || !時間として正しい(d.所有時間_COM) || !時間として正しい(d.経過秒))
        return false;
    if (!範囲内(d.王X_MAN, 0, 9) || !範囲内(d.王Y_MAN, 0, 9)) return false;
    if (!局面として正しい(d.現在) || !両方の王がいる(d.現在)) return false;
    if (d.履歴.size() != static_cast<std::size_t>(d.棋譜最終手数) + 1) return false;
    for (const auto& r : d.履歴) {
        if (!局面として正しい(r.k) || !範囲内(r.先X, 0, 9) || !範囲内(r.先Y, 0, 9)) return false;
        if (!時間として正しい(r.前秒M) || !時間として正しい(r.後秒M) || !時間として正しい(r.前秒C) ||
            !時間として正しい(r.後秒C))
            return false;
    }
    return true;
}

std::string 変換_自動保存(const 自動保存内容& d) {
    std::string o;
    o.reserve(64 * 1024);
    o += 自動保存の頭;
    o += '\n';
    行(o, "対局種別", d.対局種別);
    行(o, "レベル", d.レベル);
    行(o, "手番_MAN", d.手番_MAN);
    行(o, "手番_COM", d.手番_COM);
    行(o, "手番", d.手番);
    行(o, "手数", d.手数);
    行(o, "棋譜手数", d.棋譜手数);
    行(o, "棋譜最終手数", d.棋譜最終手数);
    行(o, "棋譜モード", d.棋譜モード);
    行(o, "ハンデ設定中", d.ハンデ設定中);
    行(o, "ハンデレベル", d.ハンデレベル);
    行(o, "再開待ち", d.再開待ち);
    行(o, "所有時間_MAN", d.所有時間_MAN);
    行(o, "所有時間_COM", d.所有時間_COM);
    行(o, "経過秒", d.経過秒);
    行(o, "王X_MAN", d.王X_MAN);
    行(o, "王Y_MAN", d.王Y_MAN);

    // The board and the two hands on three lines.
    o += "盤=";
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (x > 1 || y > 1) o += ' ';
            数を足す(o, d.現在.盤[x][y]);
        }
    o += "\n持駒_MAN=";
    for (int i = 1; i <= 7; ++i) {
        if (i > 1) o += ' ';
        数を足す(o, d.現在.持駒_MAN[i]);
    }
    o += "\n持駒_COM=";
    for (int i = 1; i <= 7; ++i) {
        if (i > 1) o += ' ';
        数を足す(o, d.現在.持駒_COM[i]);
    }
    o += '\n';

    for (std::size_t n = 0; n < d.履歴.size(); ++n) {
        const 自動保存記録& r = d.履歴[n];
        o += "履歴=";
        数を足す(o, static_cast<int>(n));
        局面を足す(o, r.k);
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

    for (const auto& e : 表一覧) {
        o += "COM.";
        o += e.名;
        o += '=';
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y) {
                if (x > 0 || y > 0) o += ' ';
                数を足す(o, (d.表.*e.表)[x][y]);
            }
        o += '\n';
    }
    for (const auto& e : 値一覧) 行(o, (std::string("COM.") + e.名).c_str(), d.表.*e.値);
    o += "終わり\n";
    return o;
}

bool 解析_自動保存(std::string_view バイト列, 自動保存内容& 結果) {
    読み手 r(バイト列);
    auto d = std::make_unique<自動保存内容>();
    if (!r.そのまま(自動保存の頭)) return false;
    if (!r.一つの整数("対局種別", d->対局種別) || !r.一つの整数("レベル", d->レベル) ||
        !r.一つの整数("手番_MAN", d->手番_MAN) || !r.一つの整数("手番_COM", d->手番_COM) ||
        !r.一つの整数("手番", d->手番) || !r.一つの整数("手数", d->手数) || !r.一つの整数("棋譜手数", d->棋譜手数) ||
        !r.一つの整数("棋譜最終手数", d->棋譜最終手数) || !r.一つの整数("棋譜モード", d->棋譜モード) ||
        !r.一つの整数("ハンデ設定中", d->ハンデ設定中) || !r.一つの整数("ハンデレベル", d->ハンデレベル) ||
        !r.一つの整数("再開待ち", d->再開待ち) || !r.一つの実数("所有時間_MAN", d->所有時間_MAN) ||
        !r.一つの実数("所有時間_COM", d->所有時間_COM) || !r.一つの実数("経過秒", d->経過秒) ||
        !r.一つの整数("王X_MAN", d->王X_MAN) || !r.一つの整数("王Y_MAN", d->王Y_MAN))
        return false;
    // The log's length comes from the file's own count, checked before
    // anything is read by it.
    if (!範囲内(d->棋譜最終手数, 0, 履歴最大)) return false;

    if (!r.値("盤", 81)) return false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!r.整数(d->現在.盤[x][y])) return false;
    if (!r.値("持駒_MAN", 7)) return false;
    for (int i = 1; i <= 7; ++i)
        if (!r.整数(d->現在.持駒_MAN[i])) return false;
    if (!r.値("持駒_COM", 7)) return false;
    for (int i = 1; i <= 7; ++i)
        if (!r.整数(d->現在.持駒_COM[i])) return false;

    for (int n = 0; n <= d->棋譜最終手数; ++n) {
        自動保存記録 k;
        int 番号 = -1;
        if (!r.値("履歴", 1 + 局面の値数 + 2 + 4) || !r.整数(番号) || 番号 != n || !r.局面を読む(k.k) ||
            !r.整数(k.先X) || !r.整数(k.先Y) || !r.実数(k.前秒M) || !r.実数(k.後秒M) || !r.実数(k.前秒C) ||
            !r.実数(k.後秒C))
            return false;
        d->履歴.push_back(k);
    }

    for (const auto& e : 表一覧) {
        if (!r.値(std::string("COM.") + e.名, 100)) return false;
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y)
                if (!r.整数((d->表.*e.表)[x][y])) return false;
    }
    for (const auto& e : 値一覧)
        if (!r.一つの整数(std::string("COM.") + e.名, d->表.*e.値)) return false;
    if (!r.そのまま("終わり") || !r.終わった()) return false;
    if (!調査_自動保存内容(*d)) return false;
    結果 = std::move(*d);
    return true;
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
        case EDQUOT: return "ディスクの空きが足りません。";
        case EROFS: return "このフォルダーは読み取り専用です。";
        case EACCES:
        case EPERM: return "このフォルダーに書き込む権限がありません。";
        case 誤り_書込禁止: return 名 + "は書き込み禁止のファイルです。";
        case EISDIR:
        case ENOTEMPTY:
        case 誤り_フォルダ: return 名 + "という名前のフォルダーがあります。";
        case EIO: return "ディスクの読み書きでエラーが起きました。";
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
    if (!s.自動保存) return;
    if (!調査_対局中(s)) {
        if (!s.自動保存_自分) return;
        // Tried once: a file that stays is offered at the next start.
        s.自動保存_自分 = false;
        if (const int e = 削除_自動保存(); e != 0)
            p.メッセージ(std::string(自動保存消せない本文) + "\r" + 自動保存の理由(e, 自動保存ファイル) + "\r" +
                             自動保存消せない結び,
                         自動保存の題, ボタン::OK, true);
        return;
    }
    const int e = 書込_自動保存(s);
    // After a failure the file is no longer this game as it stands: an
    // earlier move of it at best, or something else, which stays.
    s.自動保存_自分 = e == 0;
    if (e != 0 && !s.自動保存_不調) {
        s.自動保存_不調 = true;
        p.メッセージ(std::string(自動保存できない本文) + "\r" + 自動保存の理由(e, 自動保存ファイル) + "\r" +
                         自動保存できない結び,
                     自動保存の題, ボタン::OK, true);
    } else if (e == 0 && s.自動保存_不調) {
        s.自動保存_不調 = false;
        p.メッセージ(自動保存回復の本文, 自動保存の題, ボタン::OK);
    }
}

void 自動保存_新しい対局(状態& s) { s.自動保存_不調 = false; }

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
