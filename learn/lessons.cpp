// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/lessons.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "learn/puzzle_file.h"
#include "view/tr.h"

namespace {

// Kings out of the way unless a task places its own.
constexpr const char* 王たち = "K2@99 k0@11 ";

const std::vector<課題> 一覧 = {
    {QT_TRANSLATE_NOOP("Game", "歩の動き"), QT_TRANSLATE_NOOP("Game", "歩で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "歩は向いている方へ一マス進みます。駒を取った駒は向きを変えません。"), "P2@57 g0@56", 1,
     課題の型::取る, "56", 0, 0, "5756"},
    {QT_TRANSLATE_NOOP("Game", "横を向いた歩"), QT_TRANSLATE_NOOP("Game", "右を向いた歩で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "駒の動きは駒の向きと一緒に回ります。右を向いた歩は右へ進みます。"), "P3@55 g0@65", 1,
     課題の型::取る, "65", 0, 0, "5565"},
    {QT_TRANSLATE_NOOP("Game", "香の動き"), QT_TRANSLATE_NOOP("Game", "左を向いた香で銀を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "香は向いている方へ、何マスでもまっすぐ進みます。"), "L1@85 s0@25", 1, 課題の型::取る,
     "25", 0, 0, "8525"},
    {QT_TRANSLATE_NOOP("Game", "桂の動き"), QT_TRANSLATE_NOOP("Game", "桂で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "桂は向いている方へ二マス、横へ一マスの所へ跳びます。間の駒は跳び越えます。"),
     "N2@57 p0@56 g0@45", 1, 課題の型::取る, "45", 0, 0, "5745"},
    {QT_TRANSLATE_NOOP("Game", "銀の動き"), QT_TRANSLATE_NOOP("Game", "下を向いた銀で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "銀は前と斜め四方へ一マス。下を向いた銀の「前」は下です。"), "S0@55 g0@56", 1,
     課題の型::取る, "56", 0, 0, "5556"},
    {QT_TRANSLATE_NOOP("Game", "金の動き"), QT_TRANSLATE_NOOP("Game", "右を向いた金で銀を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "金は前、斜め前、横、後ろへ一マス。右を向けば右が前、右下は斜め前です。"), "G3@55 s0@66",
     1, 課題の型::取る, "66", 0, 0, "5566"},
    {QT_TRANSLATE_NOOP("Game", "角の動き"), QT_TRANSLATE_NOOP("Game", "角で飛を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "角は斜めに何マスでも進みます。どちらを向いても同じです。"), "B2@77 r0@33", 1,
     課題の型::取る, "33", 0, 0, "7733"},
    {QT_TRANSLATE_NOOP("Game", "飛の動き"), QT_TRANSLATE_NOOP("Game", "飛で角を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "飛は縦横に何マスでも進みます。どちらを向いても同じです。"), "R2@28 b0@22", 1,
     課題の型::取る, "22", 0, 0, "2822"},
    {QT_TRANSLATE_NOOP("Game", "王の動き"), QT_TRANSLATE_NOOP("Game", "王で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "王は周りの八マスのどこへでも一マス進みます。"), "K2@55 k0@11 g0@44", 1, 課題の型::取る,
     "44", 0, 0, "5544"},
    {QT_TRANSLATE_NOOP("Game", "緑のマス"), QT_TRANSLATE_NOOP("Game", "歩を右に向けましょう。"),
     QT_TRANSLATE_NOOP("Game",
                       "空いたマスに着いた駒は四分の一回ります。緑のマスでは時計回りで、上向きは右向きになります。"),
     "P2@58", 1, 課題の型::向く, "", 1, 3, "5857"},
    {QT_TRANSLATE_NOOP("Game", "水色のマス"), QT_TRANSLATE_NOOP("Game", "歩を左に向けましょう。"),
     QT_TRANSLATE_NOOP("Game", "水色のマスでは反時計回りに回ります。上向きは左向きになります。"), "P2@57", 1,
     課題の型::向く, "", 1, 1, "5756"},
    {QT_TRANSLATE_NOOP("Game", "回って狙う"), QT_TRANSLATE_NOOP("Game", "二手で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "緑のマスで右を向いた歩は、次の手で右の金を取れます。"), "P2@58 g0@67", 2,
     課題の型::取る, "67", 0, 0, "5857,5767"},
    {QT_TRANSLATE_NOOP("Game", "取っても回らない"), QT_TRANSLATE_NOOP("Game", "香で歩と金を両方取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "駒を取った駒は向きを変えません。香は上を向いたまま、もう一度まっすぐ進めます。"),
     "L2@59 p0@55 g0@52", 2, 課題の型::取る, "5552", 0, 0, "5955,5552"},
    {QT_TRANSLATE_NOOP("Game", "打つ"), QT_TRANSLATE_NOOP("Game", "持駒の金を打って、次の手で銀を取りましょう。"),
     QT_TRANSLATE_NOOP(
         "Game", "打った駒は相手の方を向いて盤に入り、それから四分の一回ります。緑のマスに打った金は右を向きます。"),
     "s0@65 hand:G", 2, 課題の型::取る, "65", 0, 0, "G*55,5565"},
    {QT_TRANSLATE_NOOP("Game", "香を打つ"),
     QT_TRANSLATE_NOOP("Game", "持駒の香を王の方へ向けて打ち、王を取りましょう。"),
     QT_TRANSLATE_NOOP(
         "Game",
         "上向きで入った香は緑のマスで右を、水色のマスで左を向きます。王と同じ段の緑のマスに打てば、王を狙えます。"),
     "K2@99 k0@95 hand:L", 2, 課題の型::王を取る, "", 0, 0, "L*55,5595"},
    {QT_TRANSLATE_NOOP("Game", "成る"), QT_TRANSLATE_NOOP("Game", "銀を敵陣に入れて成りましょう。"),
     QT_TRANSLATE_NOOP(
         "Game",
         "相手側の三段(敵陣)"
         "に入る手、その中の手、出る手で駒は成れます。成ると金と同じ動きになります。向きはそのままです。"),
     "S2@64", 1, 課題の型::成る, "", 4, 0, "6463+"},
    {QT_TRANSLATE_NOOP("Game", "と金"), QT_TRANSLATE_NOOP("Game", "歩を成って、二手で金を取りましょう。"),
     QT_TRANSLATE_NOOP("Game",
                       "成った歩(と)は金と同じ動きをします。成らなければ、左を向いた歩は左の一マスにしか行けません。"),
     "P2@64 g0@52", 2, 課題の型::取る, "52", 0, 0, "6463+,6352"},
    {QT_TRANSLATE_NOOP("Game", "王を取る"), QT_TRANSLATE_NOOP("Game", "飛で王を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "王を取った方の勝ちです。王手という決まりはありません。"), "K2@99 k0@52 R2@58", 1,
     課題の型::王を取る, "", 0, 0, "5852"},
    {QT_TRANSLATE_NOOP("Game", "向きで狙う"), QT_TRANSLATE_NOOP("Game", "二手で王を取りましょう。"),
     QT_TRANSLATE_NOOP("Game", "上を向いた香を緑のマスへ進めると右を向き、同じ段の王をまっすぐ狙えます。"),
     "K2@99 k0@97 L2@38", 2, 課題の型::王を取る, "", 0, 0, "3837,3797"},
};

int 字の種(char c) {
    const char* 字 = " PLNSGBRK";
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int k = 1; k <= 8; ++k)
        if (字[k] == u) return k;
    return 0;
}

}  // namespace

const std::vector<課題>& 課題一覧() { return 一覧; }

対局 課題の局面(const 課題& t) {
    対局 g;
    std::string 駒 = t.駒;
    if (駒.find('K') == std::string::npos) 駒 = 王たち + 駒;
    std::istringstream in(駒);
    std::string w;
    while (in >> w) {
        if (w.rfind("hand:", 0) == 0) {
            for (char c : w.substr(5)) g.持駒を置く(下手, 字の種(c), g.持駒(下手, 字の種(c)) + 1);
            continue;
        }
        const bool 成 = w[0] == '+';
        if (成) w.erase(0, 1);
        // "P2@57": letter, facing, '@', column, row.
        const int k = 字の種(w[0]);
        const int a = k * 100 + (成 ? 10 : 0) + (w[1] - '0');
        g.置く(w[3] - '0', w[4] - '0', std::isupper(static_cast<unsigned char>(w[0])) ? -a : a);
    }
    g.手番を置く(下手);
    g.整える();
    return g;
}

bool 課題ができた(const 課題& t, const 対局& g) {
    const std::string 標的 = t.標的;
    switch (t.型) {
        case 課題の型::取る:
            for (std::size_t i = 0; i + 1 < 標的.size(); i += 2)
                if (g.駒(標的[i] - '0', 標的[i + 1] - '0') > 0) return false;
            return true;
        case 課題の型::王を取る: return g.勝者() == 下手;
        case 課題の型::向く:
        case 課題の型::成る:
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const int v = g.駒(x, y);
                    if (v >= 0 || 駒種(v) != t.種) continue;
                    if (t.型 == 課題の型::成る ? 成り駒(v) : 駒向き(v) == t.向き) return true;
                }
            return false;
    }
    return false;
}

bool 課題に届く(const 課題& t, 対局& g, int n) {
    if (課題ができた(t, g)) return true;
    if (n <= 0 || g.勝者() != 0) return false;
    std::vector<対局の手> v;
    g.手を列挙(v);
    for (const auto& m : v) {
        g.指す(m);
        bool 届く = 課題ができた(t, g);
        if (!届く && n > 1 && g.勝者() == 0) {
            g.パス();
            届く = 課題に届く(t, g, n - 1);
            g.パスを戻す();
        }
        g.戻す();
        if (届く) return true;
    }
    return false;
}

void 課題の進行::始める(int 番号) {
    const int 数 = static_cast<int>(課題一覧().size());
    番号_ = 番号 < 0 ? 0 : 番号 >= 数 ? 数 - 1 : 番号;
    g_ = 課題の局面(今の課題());
    残り_ = 今の課題().手数;
    終わり_ = できた_ = false;
}

課題の手 課題の進行::指す(const 対局の手& m) {
    課題の手 r;
    r.手 = m;
    if (終わり_ || !g_.合法(m)) return r;
    r.取った = !m.打ち() && g_.駒(m.先X, m.先Y) != 空;
    g_.指す(m);
    r.駒 = g_.駒(m.先X, m.先Y);
    r.回り = r.取った ? 0 : (m.先X + m.先Y) % 2 == 0 ? 1 : -1;
    --残り_;
    if (課題ができた(今の課題(), g_)) {
        r.結果 = 課題の手::できた;
        終わり_ = できた_ = true;
        return r;
    }
    if (g_.勝者() == 0) g_.パス();
    if (残り_ > 0 && 課題に届く(今の課題(), g_, 残り_)) {
        r.結果 = 課題の手::続く;
    } else {
        r.結果 = 課題の手::違う;
        終わり_ = true;
    }
    return r;
}

std::vector<bool> 入門の記録を読む(const std::string& 値) {
    std::vector<bool> 済み(課題一覧().size(), false);
    std::istringstream in(値);
    std::string w;
    while (std::getline(in, w, ',')) {
        const int n = std::atoi(w.c_str());
        if (n >= 1 && n <= static_cast<int>(済み.size())) 済み[static_cast<std::size_t>(n - 1)] = true;
    }
    return 済み;
}

std::string 入門の記録(const std::vector<bool>& 済み) {
    std::string s;
    for (std::size_t i = 0; i < 済み.size(); ++i)
        if (済み[i]) s += (s.empty() ? "" : ",") + std::to_string(i + 1);
    return s;
}
