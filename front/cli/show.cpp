// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli show [--lines] FILE: a record file as text.
#include <cstdio>
#include <iostream>
#include <string>

#include "front/cli/commands.h"
#include "front/cli/one_line.h"
#include "store/record_file.h"

namespace {

constexpr const char* 使い方 = "使い方: vezuvire-cli show [--lines] FILE";

// One glyph per piece type, promoted pieces included, so that the diagram
// keeps its columns.
const char* 駒の字(int 種) {
    switch (種) {
        case 10: return "歩";
        case 11: return "と";
        case 20: return "香";
        case 21: return "杏";
        case 30: return "桂";
        case 31: return "圭";
        case 40: return "銀";
        case 41: return "全";
        case 50: return "金";
        case 60: return "角";
        case 61: return "馬";
        case 70: return "飛";
        case 71: return "龍";
        case 80: return "王";
        default: return "？";
    }
}

constexpr const char* 向きの字[4] = {"↓", "←", "↑", "→"};
constexpr const char* 持駒の名[8] = {"", "歩", "香", "桂", "銀", "金", "角", "飛"};

// "v" marks the top side's pieces, "^" the bottom side's; the arrow is the
// way the piece faces on the screen.
std::string 桝の字(int v) {
    if (v == 0) return " ・ ";
    return std::string(v > 0 ? "v" : "^") + 駒の字(駒型(v)) + 向きの字[駒向き(v)];
}

std::string 持駒の字(const int (&手)[8]) {
    std::string t;
    for (int k = 7; k >= 1; --k)
        if (手[k] > 0) t += std::string(t.empty() ? "" : " ") + 持駒の名[k] + std::to_string(手[k]);
    return t.empty() ? "なし" : t;
}

void 図を書く(std::ostream& o, int n, const 棋譜局面& r) {
    o << "\n記録 " << n << "\n   ";
    for (int x = 1; x <= 9; ++x) o << "  " << x << " ";
    o << "\n";
    for (int y = 1; y <= 9; ++y) {
        o << (y < 10 ? " " : "") << y << " ";
        for (int x = 1; x <= 9; ++x) o << " " << 桝の字(r.盤[x][y]);
        o << "\n";
    }
    o << "上の持駒: " << 持駒の字(r.持駒_COM) << "\n";
    o << "下の持駒: " << 持駒の字(r.持駒_MAN) << "\n";
    o << "時間(秒): 下 " << r.前秒M << " → " << r.後秒M << "  上 " << r.前秒C << " → " << r.後秒C << "\n";
}

}  // namespace

int cli_show(int argc, char** argv) {
    // argv[0] is the sub-command's own name.
    int i = 1;
    bool 行で = false;
    const char* ファイル = nullptr;
    bool 以降は名前 = false;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (!以降は名前 && a == "--lines") {
            行で = true;
        } else if (!以降は名前 && a == "--") {
            以降は名前 = true;
        } else if (!以降は名前 && a.size() > 1 && a[0] == '-') {
            std::cerr << "vezuvire-cli show: 知らないオプション " << a << "\n" << 使い方 << "\n";
            return 2;
        } else if (ファイル == nullptr) {
            ファイル = argv[i];
        } else {
            std::cerr << "vezuvire-cli show: ファイルは一つだけ指定してください\n" << 使い方 << "\n";
            return 2;
        }
    }
    if (ファイル == nullptr) {
        std::cerr << 使い方 << "\n";
        return 2;
    }

    棋譜内容 内容;
    std::string エラー;
    const std::string 名 = 一行に(ファイル);
    if (読込_棋譜(ファイル, 内容, エラー) != 真) {
        std::cerr << "vezuvire-cli show: " << 名 << ": 読めません: " << 一行に(エラー) << "\n";
        return 2;
    }
    if (内容.損傷) std::cerr << "vezuvire-cli show: " << 名 << ": 壊れた項目を 0（空）として読みました\n";
    if (内容.超過)
        std::cerr << "vezuvire-cli show: " << 名 << ": 500手を超えています。501手目から後は読みませんでした\n";
    if (内容.王なし手 > 0)
        std::cerr << "vezuvire-cli show: " << 名 << ": " << 一行に(説明_切断(内容)) << "その前の局面までを読みました\n";

    std::ostream& o = std::cout;
    if (行で) {
        o << 内容.対局名 << "\n" << 内容.上の名前 << "\n" << 内容.下の名前 << "\n";
        for (const auto& r : 内容.局面) o << 変換_指し手行(r) << "\n";
    } else {
        o << "対局名: " << 内容.対局名 << "\n";
        o << "上: " << 内容.上の名前 << "\n";
        o << "下: " << 内容.下の名前 << "\n";
        o << "記録数: " << 内容.局面.size() << "（v 上の駒, ^ 下の駒, 矢印は駒の向き）\n";
        int n = 0;
        for (const auto& r : 内容.局面) 図を書く(o, ++n, r);
    }
    o.flush();
    if (!o) {
        std::cerr << "vezuvire-cli show: 出力に失敗しました\n";
        return 1;
    }
    return 0;
}
