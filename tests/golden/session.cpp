// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/golden/session.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "play/com_game.h"
#include "play/com_turn.h"
#include "play/commands.h"
#include "play/handicap.h"
#include "play/mouse.h"
#include "play/start.h"
#include "core/clock.h"
#include "core/setup.h"
#include "play/navigation.h"
#include "play/record_io.h"
#include "store/sjis.h"
#include "view/about.h"
#include "view/clock_view.h"
#include "view/recording_platform.h"
#include "store/settings.h"

namespace {

using 操作 = std::function<void(状態&, Platform&)>;

// The menu bar as the player sees it: caption, the caption of the menu it
// sits in, what a click does, what opening it does.
struct 項目 {
    const char* 表題;
    const char* 親;
    操作 クリック;
    操作 開く;
};

// The computer, as the window hands it to the commands that need it; a new
// one, with a fresh memory, comes with every fresh state.
std::unique_ptr<COMの応手> コンピュータ;

const std::vector<項目>& メニュー表() {
    static const std::vector<項目> 表 = {
        {"対局", "", {}, TAIKYOKU_Click},
        {"対局(人間)", "対局", {}, {}},
        {"スタート", "対局(人間)", START_Click, {}},
        {"対局(COM)", "対局", {}, {}},
        {"先手", "対局(COM)", [](状態& s, Platform& p) { SENTE_Click(s, p, *コンピュータ); }, {}},
        {"後手", "対局(COM)", [](状態& s, Platform& p) { GOTE_Click(s, p, *コンピュータ); }, {}},
        {"COM対局ﾚﾍﾞﾙ", "対局", {}, {}},
        {"LEVEL1", "COM対局ﾚﾍﾞﾙ", LEVEL1_Click, {}},
        {"LEVEL2", "COM対局ﾚﾍﾞﾙ", LEVEL2_Click, {}},
        {"LEVEL3", "COM対局ﾚﾍﾞﾙ", LEVEL3_Click, {}},
        {"終わり", "対局", OWARI_Click, {}},
        {"局面", "", {}, STOP_Click},
        {"最初", "局面", CANCEL_Click, {}},
        {"戻", "", REPLAY_Click, {}},
        {"進", "", AFTER_Click, {}},
        {"△", "", LBEL_UP_Click, {}},
        {"▽", "", LEBEL_DOWN_Click, {}},
        {"棋譜", "", {}, {}},
        {"読込", "棋譜", KIFU_READ_Click, {}},
        {"書込", "棋譜", KIFU_WRITE_Click, {}},
        {"ｵﾌﾟｼｮﾝ", "", {}, OPTION_Click},
        {"背景画", "ｵﾌﾟｼｮﾝ", {}, {}},
        {"緑", "背景画", MIDORI_Click, {}},
        {"畳", "背景画", TATAMI_Click, {}},
        {"竹", "背景画", TAKE_Click, {}},
        {"宇宙", "背景画", UCHU_Click, {}},
        {"煉瓦", "背景画", RENGA_Click, {}},
        {"移動指導", "ｵﾌﾟｼｮﾝ", SIDOU_Click, {}},
        {"経過時間", "ｵﾌﾟｼｮﾝ", KEIKA_Click, {}},
        {"BGM", "ｵﾌﾟｼｮﾝ", BGM_Click, {}},
        {"その他", "", {}, {}},
        {"バージョン情報", "その他", VER_Click, {}},
    };
    return 表;
}

const 項目* 項目を探す(const std::string& 表題) {
    for (const auto& m : メニュー表())
        if (表題 == m.表題) return &m;
    return nullptr;
}

const std::pair<const char*, パネル部品> 部品表[] = {
    {"入力_対局名", パネル部品::入力_対局名},
    {"入力_上", パネル部品::入力_上},
    {"入力_下", パネル部品::入力_下},
    {"入力_ファイル名", パネル部品::入力_ファイル名},
};

// Splits a command line into words; quoted words lose their quotes and
// have their escapes resolved.
bool 語に分ける(const std::string& 行, std::vector<std::string>& 語, std::string& エラー) {
    std::size_t i = 0;
    while (i < 行.size()) {
        if (行[i] == ' ' || 行[i] == '\t') {
            ++i;
            continue;
        }
        std::string w;
        if (行[i] != '"') {
            while (i < 行.size() && 行[i] != ' ' && 行[i] != '\t') w += 行[i++];
            語.push_back(w);
            continue;
        }
        ++i;
        bool 閉じた = false;
        while (i < 行.size()) {
            const char c = 行[i++];
            if (c == '"') {
                閉じた = true;
                break;
            }
            if (c != '\\') {
                w += c;
                continue;
            }
            if (i >= 行.size()) break;
            const char e = 行[i++];
            switch (e) {
                case 'r': w += '\r'; break;
                case 'n': w += '\n'; break;
                case 't': w += '\t'; break;
                case 'x':
                    if (i + 2 > 行.size()) {
                        エラー = "\\x needs two hex digits";
                        return false;
                    }
                    w += static_cast<char>(std::stoi(行.substr(i, 2), nullptr, 16));
                    i += 2;
                    break;
                default: w += e;
            }
        }
        if (!閉じた) {
            エラー = "unclosed quote";
            return false;
        }
        語.push_back(w);
    }
    return true;
}

bool 整数(const std::string& w, int& v) {
    if (w.empty()) return false;
    char* end = nullptr;
    const long n = std::strtol(w.c_str(), &end, 10);
    if (*end != '\0') return false;
    v = static_cast<int>(n);
    return true;
}

bool 実数(const std::string& w, double& v) {
    if (w.empty()) return false;
    char* end = nullptr;
    v = std::strtod(w.c_str(), &end);
    return *end == '\0';
}

// The platform's clock is the time of day: it starts again at midnight.
double 時刻を回す(double t) { return t >= 86400 ? t - 86400 : t; }

// The middle of cell (c, r) in twips, as a press on it arrives.
int 中央X(int c) { return 盤原点X + 桝幅 * c + 桝幅 / 2; }
int 中央Y(int r) { return 盤原点Y + 桝高 * r + 桝高 / 2; }

std::string 全部読む(const std::filesystem::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class 台本の場 {
public:
    台本結果 結果;

    台本の場() {
        // The four sounds of the game, each a different length so that the
        // trace tells them apart.
        const char* 名[4] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
        for (int i = 0; i < 4; ++i) std::ofstream(名[i], std::ios::binary) << "RIFF" << std::string(i + 1, '-');
        新しい場();
    }

    bool 一行(const std::string& 行) {
        const std::size_t 頭 = 行.find_first_not_of(" \t");
        if (頭 == std::string::npos || 行[頭] == '#') return true;
        std::vector<std::string> 語;
        std::string エラー;
        if (!語に分ける(行, 語, エラー)) return 失敗(行, エラー);
        結果.行.push_back("> " + 行);
        if (!実行(語, エラー)) return 失敗(行, エラー);
        取り込む();
        return true;
    }

    bool 終わり() {
        if (!p_->応答予定.empty()) return 失敗("", "answers left over at the end of the script");
        return true;
    }

private:
    std::unique_ptr<状態> s_;
    std::unique_ptr<記録の場> p_;
    long 次の装置値 = 1;
    double 時計 = 36000.0;  // 10:00:00

    void 新しい場() {
        if (p_) 時計 = p_->現在時刻;
        s_ = std::make_unique<状態>();
        コンピュータ = std::make_unique<COMの応手>();
        コンピュータ->受け持つ(*s_);
        p_ = std::make_unique<記録の場>();
        p_->装置値 = 次の装置値;
        p_->現在時刻 = 時計;
    }

    void 取り込む() {
        for (auto& l : p_->呼出履歴) 結果.行.push_back(std::move(l));
        p_->呼出履歴.clear();
    }

    bool 失敗(const std::string& 行, const std::string& 何) {
        結果.エラー = "script line \"" + 行 + "\": " + 何;
        return false;
    }

    void 押下(int c, int r, int ボタン) { Form_MouseDown(*s_, *p_, *コンピュータ, ボタン, 0, 中央X(c), 中央Y(r)); }

    bool メニュー(const std::string& 道, std::string& エラー) {
        std::vector<std::string> 段;
        std::size_t pos = 0;
        for (std::size_t e; (e = 道.find('/', pos)) != std::string::npos; pos = e + 1)
            段.push_back(道.substr(pos, e - pos));
        段.push_back(道.substr(pos));
        std::string 親;
        for (std::size_t i = 0; i < 段.size(); ++i) {
            const 項目* m = 項目を探す(段[i]);
            if (!m || 親 != m->親) {
                エラー = "no menu item " + 段[i] + " in " + (親.empty() ? "the menu bar" : 親);
                return false;
            }
            const bool 最後 = i + 1 == 段.size();
            if (!最後) {
                if (m->開く) m->開く(*s_, *p_);
            } else {
                if (!m->クリック) {
                    エラー = 段[i] + " is a menu, not an item";
                    return false;
                }
                m->クリック(*s_, *p_);
            }
            親 = 段[i];
        }
        return true;
    }

    void ファイルを見せる(const std::string& 名前) {
        if (!std::filesystem::exists(名前)) {
            結果.行.push_back("ファイル " + 名前 + " なし");
            return;
        }
        const std::string b = 全部読む(名前);
        std::size_t pos = 0, n = 0;
        while (pos < b.size()) {
            std::size_t e = b.find('\n', pos);
            const std::string l = b.substr(pos, e == std::string::npos ? std::string::npos : e + 1 - pos);
            結果.行.push_back("ファイル " + 名前 + " " + std::to_string(++n) + " " + 引用(SJISからUTF8(l)));
            pos = e == std::string::npos ? b.size() : e + 1;
        }
        結果.行.push_back("ファイル " + 名前 + " " + std::to_string(b.size()) + "バイト");
    }

    bool 実行(const std::vector<std::string>& w, std::string& エラー) {
        const std::string& c = w[0];
        const std::size_t n = w.size();
        auto 数を読む = [&](std::size_t from, std::size_t count, int* out) {
            if (n < from + count) return false;
            for (std::size_t i = 0; i < count; ++i)
                if (!整数(w[from + i], out[i])) return false;
            return true;
        };
        int a[4] = {};
        if (c == "起動" && n == 1) {
            新しい場();
            起動(*s_, *p_);
            return true;
        }
        if (c == "メニュー" && n == 2) return メニュー(w[1], エラー);
        if (c == "押す" && (n == 3 || n == 4) && 数を読む(1, n - 1, a)) {
            押下(a[0], a[1], n == 4 ? a[2] : 1);
            return true;
        }
        if ((c == "指す" || c == "成る") && n == 5 && 数を読む(1, 4, a)) {
            押下(a[0], a[1], 1);
            押下(a[2], a[3], c == "成る" ? 2 : 1);
            return true;
        }
        if (c == "押す位置" && (n == 3 || n == 4) && 数を読む(1, n - 1, a)) {
            Form_MouseDown(*s_, *p_, *コンピュータ, n == 4 ? a[2] : 1, 0, a[0], a[1]);
            return true;
        }
        if (c == "キー" && n == 2 && 数を読む(1, 1, a)) {
            Form_KeyPress(*s_, *p_, a[0]);
            return true;
        }
        if (c == "閉じる" && n == 1) {
            Form_Unload(*s_, *p_);
            return true;
        }
        if (c == "答え" && n == 2) {
            if (w[1] == "OK") p_->応答予定.push_back(応答::OK);
            else if (w[1] == "はい") p_->応答予定.push_back(応答::はい);
            else if (w[1] == "いいえ") p_->応答予定.push_back(応答::いいえ);
            else if (w[1] == "なし") p_->応答予定.push_back(応答::なし);
            else return false;
            return true;
        }
        double 秒 = 0;
        if (c == "時間" && n == 2) {
            const bool 足す = w[1][0] == '+';
            if (!実数(足す ? w[1].substr(1) : w[1], 秒)) return false;
            p_->現在時刻 = 時刻を回す(足す ? p_->現在時刻 + 秒 : 秒);
            return true;
        }
        if (c == "経過" && n == 2 && 実数(w[1], 秒) && 秒 >= 0) {
            while (秒 > 0) {
                const double 一歩 = 秒 >= 1 ? 1.0 : 秒;
                p_->現在時刻 = 時刻を回す(p_->現在時刻 + 一歩);
                秒 -= 一歩;
                if (p_->タイマー有効) Timer1_Timer(*s_, *p_);
            }
            return true;
        }
        if (c == "入力" && n == 3) {
            for (const auto& [名, 部品] : 部品表)
                if (w[1] == 名) {
                    p_->パネル文字列[static_cast<int>(部品)] = w[2];
                    return true;
                }
            エラー = "no text box " + w[1];
            return false;
        }
        if (c == "フォルダ" && n == 2) {
            Dir1_Change(*p_, w[1]);
            return true;
        }
        if (c == "ファイル選択" && n == 2) {
            File1_Click(*s_, *p_, w[1]);
            return true;
        }
        if (c == "RETURN" && n == 1) {
            Command1_Click(*s_, *p_);
            return true;
        }
        if (c == "装置" && n == 2 && 数を読む(1, 1, a)) {
            次の装置値 = a[0];
            return true;
        }
        if (c == "ファイル作成" && n == 3) {
            const auto sj = UTF8からSJIS(w[2]);
            if (!sj) {
                エラー = "no Shift_JIS form";
                return false;
            }
            std::ofstream(w[1], std::ios::binary) << *sj;
            return true;
        }
        if (c == "ファイル作成_生" && n == 3) {
            std::ofstream(w[1], std::ios::binary) << w[2];
            return true;
        }
        if (c == "ファイル削除" && n == 2) {
            std::filesystem::remove(w[1]);
            return true;
        }
        if (c == "フォルダ作成" && n == 2) {
            std::filesystem::create_directories(w[1]);
            return true;
        }
        if (c == "ファイル表示" && n == 2) {
            ファイルを見せる(w[1]);
            return true;
        }
        if (エラー.empty()) エラー = "unknown command or wrong arguments";
        return false;
    }
};

}  // namespace

台本結果 台本を実行(const std::string& 台本) {
    台本の場 場;
    std::istringstream in(台本);
    for (std::string 行; std::getline(in, 行);) {
        if (!行.empty() && 行.back() == '\r') 行.pop_back();
        if (!場.一行(行)) return 場.結果;
    }
    場.終わり();
    return 場.結果;
}
