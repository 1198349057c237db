// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as an autosave file, read in memory.
// The reader must never crash and must take only what the writer writes:
// whatever it accepts is a game the file may hold, writing it again gives
// the same bytes, and putting it into a state and taking it out again
// changes nothing.  The same bytes then pick the values of a game (kept
// within the ranges the file allows) that must go through the writer and
// back unchanged.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/autosave.h"

namespace {

[[noreturn]] void 失敗(const char* 理由, std::string_view バイト列) {
    std::fprintf(stderr, "autosave_fuzz: %s\n--- input (%zu bytes) ---\n", 理由, バイト列.size());
    std::fwrite(バイト列.data(), 1, バイト列.size(), stderr);
    std::fprintf(stderr, "\n---\n");
    std::abort();
}

void 読んで確かめる(std::string_view b) {
    auto d = std::make_unique<自動保存内容>();
    if (!解析_自動保存(b, *d)) return;
    if (!調査_自動保存内容(*d)) 失敗("accepted a game out of range", b);
    // A file of any version is exactly what the writer writes in it, but
    // for the former strengths 4 and 5 and a former ladder's top, which come
    // back on today's ladder, and a computer's memory of another layout,
    // which is passed over.
    const int 版 = b.starts_with("Vezuvire autosave 1\n")   ? 1
                   : b.starts_with("Vezuvire autosave 4\n") ? 4
                   : b.starts_with("Vezuvire autosave 5\n") ? 5
                                                             : 2;
    const bool 旧の段 = d->レベル > 3 && ((版 < 4 && !b.starts_with("Vezuvire autosave 3\n")) ||
                                          (版 < 5 && d->レベル == 最強レベル));
    if (!旧の段 && d->記憶の版 != 0 && 変換_自動保存(*d, 版) != b) 失敗("accepted bytes the writer does not write", b);
    auto s = std::make_unique<状態>();
    auto 記憶 = std::make_unique<COM表>();  // the computer answering in the game
    s->COM記憶 = 記憶.get();
    適用_自動保存(*s, *d);
    // A memory passed over leaves the computer's own, fresh one.
    if (d->記憶の版 == 0) {
        if (!std::all_of(std::begin(記憶->勢MAN[0]), std::end(記憶->勢MAN[9]), [](int v) { return v == 0; }))
            失敗("a memory passed over was used", b);
        d->記憶の版 = COM表の版;
        d->表 = *記憶;
    }
    if (!(取得_自動保存(*s) == *d)) 失敗("the state does not give back the game it was given", b);
    if (!調査_対局中(*s)) 失敗("a restored game is not running", b);
}

// Values taken from the front of the bytes; zeros once they run out.
class 取り出し {
public:
    explicit 取り出し(std::string_view b) : b_(b) {}
    unsigned 一つ() {
        if (b_.empty()) return 0;
        const unsigned char c = static_cast<unsigned char>(b_[0]);
        b_.remove_prefix(1);
        return c;
    }
    int 範囲(int 下, int 上) { return 下 + static_cast<int>(一つ() % static_cast<unsigned>(上 - 下 + 1)); }
    int 整数() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | 一つ();
        int r;
        std::memcpy(&r, &v, sizeof r);
        return r;
    }
    double 時間() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = v << 8 | 一つ();
        double r;
        std::memcpy(&r, &v, sizeof r);
        if (!std::isfinite(r)) return 0;
        r = std::fabs(r);
        return r > 1e9 ? std::fmod(r, 1e9) : r;
    }

private:
    std::string_view b_;
};

const std::vector<int>& 駒コード() {
    static const std::vector<int> 一覧 = [] {
        std::vector<int> v;
        for (int c = -803; c <= 803; ++c)
            if (有効な駒コード(c)) v.push_back(c);
        return v;
    }();
    return 一覧;
}

局面 局面を作る(取り出し& t, bool 王を置く) {
    局面 k;
    const auto& 駒 = 駒コード();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) k.盤[x][y] = 駒[t.一つ() % 駒.size()];
    if (王を置く) {
        k.盤[5][1] = 800;
        k.盤[5][9] = -802;
    }
    for (int i = 1; i <= 7; ++i) {
        k.持駒_MAN[i] = t.範囲(0, 18);
        k.持駒_COM[i] = t.範囲(0, 18);
    }
    return k;
}

void 書いて読む(std::string_view b) {
    取り出し t(b);
    auto d = std::make_unique<自動保存内容>();
    d->対局種別 = t.範囲(0, 1);
    d->レベル = t.範囲(1, 最強レベル);
    d->手番_MAN = t.範囲(0, 1) ? 先手 : 後手;
    d->手番_COM = -d->手番_MAN;
    d->手番 = t.範囲(0, 1) ? 先手 : 後手;
    d->手数 = t.範囲(0, 501);
    d->棋譜手数 = t.範囲(0, 501);
    d->棋譜最終手数 = t.範囲(0, 3);
    d->棋譜モード = t.範囲(0, 1);
    d->ハンデ設定中 = t.範囲(0, 1);
    d->ハンデレベル = t.範囲(-10, 10);
    d->再開待ち = t.範囲(0, 1);
    d->所有時間_MAN = t.時間();
    d->所有時間_COM = t.時間();
    d->経過秒 = t.時間();
    d->現在 = 局面を作る(t, true);
    for (int n = 0; n <= d->棋譜最終手数; ++n) {
        自動保存記録 r;
        r.面 = 局面を作る(t, false);
        r.先X = t.範囲(0, 9);
        r.先Y = t.範囲(0, 9);
        r.前秒M = t.時間();
        r.後秒M = t.時間();
        r.前秒C = t.時間();
        r.後秒C = t.時間();
        d->履歴.push_back(r);
    }
    int* 表 = reinterpret_cast<int*>(&d->表);
    for (std::size_t i = 0; i < sizeof(COM表) / sizeof(int); ++i) 表[i] = t.整数();
    d->表.王X_MAN = t.範囲(0, 9);  // the human king's square as last seen
    d->表.王Y_MAN = t.範囲(0, 9);

    if (!調査_自動保存内容(*d)) 失敗("built a game out of range", b);
    const std::string 書いた = 変換_自動保存(*d);
    auto r = std::make_unique<自動保存内容>();
    if (!解析_自動保存(書いた, *r)) 失敗("the writer's bytes are not read back", 書いた);
    if (!(*r == *d)) 失敗("the game read back differs from the one written", 書いた);
    const std::string 第1版 = 変換_自動保存(*d, 1);
    auto r1 = std::make_unique<自動保存内容>();
    if (d->レベル <= 3 && (!解析_自動保存(第1版, *r1) || !(*r1 == *d)))
        失敗("the first version's bytes are not read back", 第1版);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view b(reinterpret_cast<const char*>(data), size);
    読んで確かめる(b);
    書いて読む(b);
    return 0;
}
