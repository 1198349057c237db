// SPDX-License-Identifier: GPL-3.0-or-later
// Every scripted session in tests/golden/sessions is played and its trace
// compared, line by line, with the recorded one in tests/data/golden.  A
// difference means the game now does something else somewhere: a different
// drawing, sound, message, timer switch or file.
//
// When a change of behaviour is intended, run the test with
// VZ_UPDATE_GOLDEN=1 to rewrite the recorded traces, and read the diff
// before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/golden/session.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path 台本の場所 = VZ_GOLDEN_SESSIONS;
const fs::path 記録の場所 = VZ_GOLDEN_TRACES;

bool 書き直す() {
    const char* v = std::getenv("VZ_UPDATE_GOLDEN");
    return v && *v && std::string(v) != "0";
}

std::string 読む(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> 行に分ける(const std::string& t) {
    std::vector<std::string> out;
    std::istringstream in(t);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

std::vector<std::string> 台本の名前() {
    std::vector<std::string> out;
    if (fs::is_directory(台本の場所))
        for (const auto& e : fs::directory_iterator(台本の場所))
            if (e.path().extension() == ".txt") out.push_back(e.path().stem().string());
    std::sort(out.begin(), out.end());
    return out;
}

// Plays a script in a fresh folder of its own.
台本結果 演じる(const std::string& 名前) {
    一時フォルダ 場所;
    return 台本を実行(読む(台本の場所 / (名前 + ".txt")));
}

// The first difference with a few lines of context and the command that
// was being played there.
std::string 違いの説明(const std::vector<std::string>& 期待, const std::vector<std::string>& 実際) {
    std::size_t i = 0;
    while (i < 期待.size() && i < 実際.size() && 期待[i] == 実際[i]) ++i;
    std::ostringstream o;
    o << "first difference at line " << i + 1 << " (recorded " << 期待.size() << " lines, played " << 実際.size()
      << ")\n";
    for (std::size_t j = i; j-- > 0;)
        if (実際[j].rfind("> ", 0) == 0) {
            o << "while playing line " << j + 1 << ": " << 実際[j] << "\n";
            break;
        }
    const std::size_t 前 = i >= 5 ? i - 5 : 0;
    for (std::size_t j = 前; j < i; ++j) o << "    " << j + 1 << "  " << 実際[j] << "\n";
    o << "  - " << i + 1 << "  " << (i < 期待.size() ? 期待[i] : "<end of recorded trace>") << "\n";
    o << "  + " << i + 1 << "  " << (i < 実際.size() ? 実際[i] : "<end of played trace>") << "\n";
    for (std::size_t j = i + 1; j < std::min(i + 4, 実際.size()); ++j) o << "  + " << j + 1 << "  " << 実際[j] << "\n";
    return o.str();
}

class 記録と比べる : public ::testing::TestWithParam<std::string> {};

TEST_P(記録と比べる, 同じ呼び出しが同じ順に起きる) {
    const std::string 名前 = GetParam();
    const 台本結果 r = 演じる(名前);
    ASSERT_TRUE(r.エラー.empty()) << r.エラー;
    const fs::path 記録 = 記録の場所 / (名前 + ".trace");

    std::string 本文;
    for (const auto& l : r.行) 本文 += l + "\n";
    if (書き直す()) {
        fs::create_directories(記録の場所);
        std::ofstream(記録, std::ios::binary) << 本文;
        std::cout << "rewrote " << 記録 << " (" << r.行.size() << " lines)\n";
        return;
    }
    ASSERT_TRUE(fs::exists(記録)) << 記録 << " is missing; run with VZ_UPDATE_GOLDEN=1 to record it";
    const auto 期待 = 行に分ける(読む(記録));
    if (期待 != r.行) FAIL() << 名前 << ": " << 違いの説明(期待, r.行);
}

INSTANTIATE_TEST_SUITE_P(台本, 記録と比べる, ::testing::ValuesIn(台本の名前()),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                             // Test names must be plain identifiers.
                             std::string n;
                             for (char c : i.param) n += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return n;
                         });

TEST(記録の一覧, どの記録にも台本がありどの台本にも記録がある) {
    const auto 台本 = 台本の名前();
    EXPECT_GE(台本.size(), 10u);
    if (書き直す()) return;
    std::vector<std::string> 記録;
    for (const auto& e : fs::directory_iterator(記録の場所))
        if (e.path().extension() == ".trace") 記録.push_back(e.path().stem().string());
    std::sort(記録.begin(), 記録.end());
    EXPECT_EQ(記録, 台本);
}

// The same session played twice in one run gives the same trace: nothing
// in it depends on the real clock, the folder or what ran before.
TEST(記録の一覧, 二度演じても同じ) {
    const auto 台本 = 台本の名前();
    ASSERT_FALSE(台本.empty());
    const 台本結果 a = 演じる(台本.front());
    const 台本結果 b = 演じる(台本.front());
    ASSERT_TRUE(a.エラー.empty()) << a.エラー;
    EXPECT_EQ(a.行, b.行);
}

}  // namespace
