// vz_corpus_expected [--write FILE]: runs the computer's search over every
// position of bench/corpus.h at strengths 1..3 and prints the table of
// expected results (期待) as the search gives it now: the move, the piece
// placed, the whole-number best score and the unrounded score written as a
// hexadecimal floating literal, so that the test can hold the search to it
// bit for bit.
//
// With --write FILE the table in FILE (bench/corpus.h) is replaced in place;
// the rest of the file is left as it is.  Run it after a change to the
// evaluation that is meant to move the scores, then look at the diff: a
// change of rounding alone shows in the last hex digits of the scores only.
//
//   cmake --build build --target regen_corpus_expected
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "bench/corpus.h"
#include "com/turn.h"

namespace {

std::string 表を作る() {
    std::string 表 = "inline constexpr 結果 期待[3][局面数] = {\n";
    for (int L = 1; L <= 3; ++L) {
        表 += "    {\n";
        for (int i = 0; i < 探索集::局面数; ++i) {
            auto s = std::make_unique<状態>();
            探索集::置く(*s, 探索集::局面集[i], L);
            const COM候補 c = COM探索(*s, nullptr);
            char 行[160];
            std::snprintf(行, sizeof 行, "        {%d, %d, %d, %d, %d, %d, %a},\n", c.元X, c.元Y, c.先X, c.先Y,
                          c.置駒, s->最高点, c.点);
            表 += 行;
        }
        表 += "    },\n";
    }
    表 += "};\n";
    return 表;
}

int 書き換える(const std::string& 名前, const std::string& 表) {
    std::ifstream in(名前, std::ios::binary);
    if (!in) {
        std::cerr << "vz_corpus_expected: cannot read " << 名前 << "\n";
        return 2;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    std::string 全体 = buf.str();
    in.close();

    const std::string 頭 = "inline constexpr 結果 期待[3][局面数] = {\n";
    const std::string 尾 = "\n};\n";
    const auto a = 全体.find(頭);
    const auto b = a == std::string::npos ? a : 全体.find(尾, a);
    if (a == std::string::npos || b == std::string::npos || 全体.find(頭, a + 1) != std::string::npos) {
        std::cerr << "vz_corpus_expected: no single table of expected results in " << 名前 << "\n";
        return 2;
    }
    const std::string 新 = 全体.substr(0, a) + 表 + 全体.substr(b + 尾.size());
    if (新 == 全体) {
        std::cout << 名前 << ": unchanged\n";
        return 0;
    }
    std::ofstream out(名前, std::ios::binary | std::ios::trunc);
    out << 新;
    if (!out.flush()) {
        std::cerr << "vz_corpus_expected: cannot write " << 名前 << "\n";
        return 2;
    }
    std::cout << 名前 << ": table rewritten\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) {
        std::cout << 表を作る();
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--write") return 書き換える(argv[2], 表を作る());
    std::cerr << "usage: vz_corpus_expected [--write FILE]\n";
    return 2;
}
