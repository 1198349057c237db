// SPDX-License-Identifier: GPL-3.0-or-later
// vz_corpus_expected [--write]: runs the computer's search over every
// position of tests/data/search_positions.txt at strengths 1..3 and prints
// the expected results as the search gives them now: the move, the piece
// placed, the whole-number best score and the unrounded score written as a
// hexadecimal floating literal, so that the test can hold the search to it
// bit for bit.
//
// With --write the file tests/data/search_expected.txt is rewritten.  Run it
// after a change to the evaluation that is meant to move the scores, then
// look at the diff: a change of rounding alone shows in the last hex digits
// of the scores only.
//
//   cmake --build build --target regen_corpus_expected
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tests/support/search_corpus.h"

int main(int argc, char** argv) {
    const std::string 表 = 探索集::期待の表();
    if (argc == 1) {
        std::cout << 表;
        return 0;
    }
    if (argc != 2 || std::string(argv[1]) != "--write") {
        std::cerr << "usage: vz_corpus_expected [--write]\n";
        return 2;
    }
    const std::string 名前 = 探索集::期待ファイル();
    std::ostringstream 元;
    元 << std::ifstream(名前, std::ios::binary).rdbuf();
    if (元.str() == 表) {
        std::cout << 名前 << ": unchanged\n";
        return 0;
    }
    std::ofstream out(名前, std::ios::binary | std::ios::trunc);
    out << 表;
    if (!out.flush()) {
        std::cerr << "vz_corpus_expected: cannot write " << 名前 << "\n";
        return 2;
    }
    std::cout << 名前 << ": rewritten\n";
    return 0;
}
