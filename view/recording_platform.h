// SPDX-License-Identifier: GPL-3.0-or-later
// The one platform that needs no screen: every call answered the neutral
// way, and, while 記録中, remembered.  The tests, the golden sessions and the
// command-line tool all run the game on it (or on a class that changes an
// answer or two); only the window implements the platform anew.
//
// Neutral answers: message boxes answer from a script (応答予定), OK or はい
// when it is empty; the time of day is 現在時刻 and pauses take no time; the
// panel gives back what was put in it; the sound library answers 装置値 to
// its initialisation and numbers its buffers 1, 2, ...
//
// The records: 呼出履歴 keeps every call of every kind as one text line, in
// order (the golden traces are these lines); besides it, lists by kind.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "view/platform.h"

struct 描画記録 {
    enum 種類 { 絵, 枠, 塗り, 文字, 再描画 } 種類 = 絵;
    int 番号 = 0;      // picture id (絵)
    int x = 0, y = 0;  // twips
    int x2 = 0, y2 = 0;
    int 色 = 0;
    std::string 文字列;
    int 大きさ = 0;
    bool 太字 = false;
};

struct メッセージ記録 {
    std::string 本文, 題;
    ボタン b;
    bool 警告;
};

// Names used in the call lines.
const char* 部品名(パネル部品 部品);
const char* 応答名(応答 r);
// A text in double quotes with \\, \", \r, \n, \t and other control
// characters escaped, so that one call stays on one line.
std::string 引用(const std::string& t);
// Shortest text that reads back as the same double.
std::string 数値文字(double v);

class 記録の場 : public Platform {
public:
    // Off: nothing is remembered (no lines, no lists), the answers stay the
    // same.  What a long run of games without a screen wants.
    bool 記録中 = true;

    // Every call, one line each, in order: the call's name, then its
    // arguments separated by spaces (texts quoted by 引用), then for calls
    // that answer something " -> " and the answer.  For example
    //   絵 1001 1665 715
    //   文字 8800 6350 12 0 15 "▲７六歩"
    //   メッセージ "先手の番です" " " OK 0 -> OK
    //   時刻 -> 1000
    std::vector<std::string> 呼出履歴;
    std::vector<描画記録> 描画;
    std::vector<メッセージ記録> メッセージ履歴;
    std::vector<std::string> 音;  // "play 3", "loop 4", "stop 4", "free 3", "create ...", ...
    std::vector<double> 待ち;
    std::vector<bool> タイマー履歴;
    int 一覧更新回数 = 0;

    // The answers, and what the calls leave behind.
    std::deque<応答> 応答予定;
    bool タイマー有効 = false;
    double 現在時刻 = 1000.0;
    bool チェック[メニュー項目数] = {};
    bool パネル見える[パネル部品数] = {};
    std::string パネル文字列[パネル部品数];
    std::string フォルダ = ".";
    long 装置値 = 1;  // what dsInitialize answers
    long 次の音 = 1;
    bool 終了済み = false;

    void 全消去() {
        呼出履歴.clear();
        描画.clear();
        メッセージ履歴.clear();
        音.clear();
        待ち.clear();
    }

    void 絵(int 絵番号, int x, int y) override;
    void 枠(int x1, int y1, int x2, int y2, int 色) override;
    void 塗り(int x1, int y1, int x2, int y2, int 色) override;
    void 文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) override;
    void 再描画() override;

    応答 メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) override;

    void タイマー(bool 有効) override;
    double 時刻() override;
    void 待つ(double 秒) override;

    void チェック表示(メニュー項目 項目, bool 付ける) override;

    void パネル表示(パネル部品 部品, bool 見える) override;
    std::string パネル文字(パネル部品 部品) override;
    void パネル文字設定(パネル部品 部品, const std::string& t) override;
    std::string パネルフォルダ() override;
    void パネルフォルダ設定(const std::string& f) override;
    void パネル一覧更新() override;

    long dsInitialize() override;
    long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) override;
    void dsPlay(long h) override;
    void dsPlayLooping(long h) override;
    void dsStop(long h) override;
    void dsFree(long h) override;
    void dsTerminate(long d) override;

    void 終了() override;

private:
    void 行(std::string t) { 呼出履歴.push_back(std::move(t)); }
    void 図形(enum 描画記録::種類 k, int x1, int y1, int x2, int y2, int 色);
    void 音の記録(const std::string& 短く, const char* 呼出, long v);
};
