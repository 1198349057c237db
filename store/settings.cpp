// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/settings.h"

#include <string>
#include <vector>

#include "view/clock_view.h"
#include "view/panel.h"
#include "store/safe_file.h"
#include "store/sjis.h"
#include "view/render.h"
#include "view/screen.h"

namespace {

// A settings file is four short lines; anything bigger is not ours.
constexpr std::size_t 最大長 = 4096;

struct 背景行 {
    const char* 行;
    int 種類;
    メニュー項目 項目;
};
// In the order the writer looks at the check marks.
const 背景行 背景表[5] = {
    {"背景画=緑", 背景_緑, メニュー項目::MIDORI},    {"背景画=竹", 背景_竹, メニュー項目::TAKE},
    {"背景画=畳", 背景_畳, メニュー項目::TATAMI},    {"背景画=宇宙", 背景_宇宙, メニュー項目::UCHU},
    {"背景画=煉瓦", 背景_煉瓦, メニュー項目::RENGA},
};

// Reads up to four CR LF lines (in UTF-8).  Fewer lines than four, an
// unreadable, oversized or non-Shift_JIS file all count as a failure, but
// the lines before the failure are still handed back.  Only a regular file
// is read: a FIFO or a device by that name is unreadable, never waited on.
bool 行を読む(std::vector<std::string>& 行) {
    std::string raw;
    if (読込_通常ファイル(設定ファイル名, 最大長, raw) != 0) return false;
    if (raw.find('\0') != std::string::npos) return false;
    std::size_t pos = 0;
    while (行.size() < 4) {
        if (pos >= raw.size()) return false;
        std::size_t e = raw.find('\n', pos);
        std::string line = raw.substr(pos, e == std::string::npos ? std::string::npos : e - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        auto u = SJISからUTF8_厳密(line);
        if (!u) return false;
        行.push_back(*u);
        if (e == std::string::npos) pos = raw.size();
        else pos = e + 1;
    }
    return true;
}

// Replaces the file as a whole, the way records are saved: never half a
// file, never through a link planted in its place, never over a file this
// user may not write.
bool 行を書く(const std::vector<std::string>& 行) {
    std::string data;
    for (const auto& l : 行) {
        auto sj = UTF8からSJIS(l);
        if (!sj) return false;
        data += *sj + "\r\n";
    }
    return 書込_置換(設定ファイル名, data) == 0;
}

void 背景を適用(状態& s, Platform& p, int 種類) {
    チェック設定(s, p, 種類);
    描画_背景(s, p, 種類);
    s.表示.背景種類 = 種類;
}

void 指導を適用(状態& s, Platform& p, bool on) {
    s.表示.移動指導色 = on ? 色_白 : 2;
    チェック変更(s, p, メニュー項目::SIDOU, on);
    s.操作.移動指導 = on ? 1 : 0;
}

void 背景クリック(状態& s, Platform& p, int 種類, メニュー項目 項目) {
    if (!s.操作.checked(項目)) {
        チェック設定(s, p, 種類);
        s.表示.背景種類 = 種類;
    }
    書込_環境設定ファイル(s, p);
    画面_再描画(s, p);
}

}  // namespace

void チェック変更(状態& s, メニュー窓口& p, メニュー項目 項目, bool 付ける) {
    s.操作.チェック[static_cast<int>(項目)] = 付ける;
    p.チェック表示(項目, 付ける);
}

void チェック設定(状態& s, Platform& p, int IN_背景種類) {
    const メニュー項目 全部[5] = {メニュー項目::MIDORI, メニュー項目::TATAMI, メニュー項目::TAKE, メニュー項目::UCHU,
                                  メニュー項目::RENGA};
    for (auto m : 全部) チェック変更(s, p, m, false);
    for (const auto& b : 背景表)
        if (b.種類 == IN_背景種類) チェック変更(s, p, b.項目, true);
}

void 読込_環境設定ファイル(状態& s, Platform& p) {
    std::vector<std::string> 行;
    const bool ok = 行を読む(行);
    // Apply what was read, line by line, as far as it goes.
    if (行.size() >= 1)
        for (const auto& b : 背景表)
            if (行[0] == b.行) 背景を適用(s, p, b.種類);
    if (行.size() >= 2) 指導を適用(s, p, 行[1] == "移動指導=ON");
    if (行.size() >= 3) チェック変更(s, p, メニュー項目::KEIKA, 行[2] == "経過時間=ON");
    if (行.size() >= 4) {
        const bool on = 行[3] == "BGM=ON";
        チェック変更(s, p, メニュー項目::BGM, on);
        if (on) p.dsPlayLooping(s.表示.音_BGM);
    }
    if (ok) return;

    // No file, too few lines or unreadable: write the defaults and apply
    // them, replacing whatever was applied above.
    行を書く({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"});
    背景を適用(s, p, 背景_緑);
    指導を適用(s, p, false);
    チェック変更(s, p, メニュー項目::KEIKA, true);
    チェック変更(s, p, メニュー項目::BGM, true);
    p.dsPlayLooping(s.表示.音_BGM);
}

void 書込_環境設定ファイル(状態& s, Platform& p) {
    std::vector<std::string> 行;
    for (const auto& b : 背景表)
        if (s.操作.checked(b.項目)) {
            行.push_back(b.行);
            break;
        }
    行.push_back(s.操作.checked(メニュー項目::SIDOU) ? "移動指導=ON" : "移動指導=OFF");
    行.push_back(s.操作.checked(メニュー項目::KEIKA) ? "経過時間=ON" : "経過時間=OFF");
    行.push_back(s.操作.checked(メニュー項目::BGM) ? "BGM=ON" : "BGM=OFF");
    if (行を書く(行)) return;
    // The write failed: try the defaults once more, and show them in the menu.
    行を書く({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"});
    チェック設定(s, p, 背景_緑);
    チェック変更(s, p, メニュー項目::SIDOU, false);
    チェック変更(s, p, メニュー項目::KEIKA, true);
    チェック変更(s, p, メニュー項目::BGM, true);
}

void MIDORI_Click(状態& s, Platform& p) { 背景クリック(s, p, 背景_緑, メニュー項目::MIDORI); }
void TATAMI_Click(状態& s, Platform& p) { 背景クリック(s, p, 背景_畳, メニュー項目::TATAMI); }
void TAKE_Click(状態& s, Platform& p) { 背景クリック(s, p, 背景_竹, メニュー項目::TAKE); }
void UCHU_Click(状態& s, Platform& p) { 背景クリック(s, p, 背景_宇宙, メニュー項目::UCHU); }
void RENGA_Click(状態& s, Platform& p) { 背景クリック(s, p, 背景_煉瓦, メニュー項目::RENGA); }

void SIDOU_Click(状態& s, Platform& p) {
    if (s.操作.checked(メニュー項目::SIDOU)) {
        // Guidance off: wipe any highlight still on screen.
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) 描画_桝輪郭(p, 2, x, y);
        for (int r = 1; r <= 7; ++r) 描画_桝輪郭(p, 2, -1, r);
        for (int r = 3; r <= 9; ++r) 描画_桝輪郭(p, 2, 11, r);
        指導を適用(s, p, false);
    } else {
        指導を適用(s, p, true);
    }
    書込_環境設定ファイル(s, p);
}

void BGM_Click(状態& s, Platform& p) {
    if (s.操作.checked(メニュー項目::BGM)) {
        チェック変更(s, p, メニュー項目::BGM, false);
        p.dsStop(s.表示.音_BGM);
    } else {
        チェック変更(s, p, メニュー項目::BGM, true);
        p.dsPlayLooping(s.表示.音_BGM);
    }
    書込_環境設定ファイル(s, p);
}

void OPTION_Click(状態&, Platform& p) {
    パネルを閉じる(p);
}

void KEIKA_Click(状態& s, Platform& p) {
    if (s.操作.checked(メニュー項目::KEIKA)) {
        チェック変更(s, p, メニュー項目::KEIKA, false);
        Timer1_有効(s, p, false);
        消去_所有時間(s, p, s.手番_MAN);
        消去_所有時間(s, p, s.手番_COM);
    } else {
        チェック変更(s, p, メニュー項目::KEIKA, true);
        Timer1_有効(s, p, true);
        描画_所有時間(s, p, s.手番_COM, s.時計.所有時間_COM);
        描画_所有時間(s, p, s.手番_MAN, s.時計.所有時間_MAN);
    }
    書込_環境設定ファイル(s, p);
}
