// A platform that remembers everything the game asks of it: every drawing,
// message, sound and timer call, in order.  Message boxes are answered from
// a script (OK / はい by default).  Pauses take no time.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/platform.h"

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

class FakePlatform : public Platform {
public:
    std::vector<描画記録> 描画;
    std::vector<メッセージ記録> メッセージ履歴;
    std::deque<応答> 応答予定;
    std::vector<std::string> 音;  // "play 3", "loop 4", "stop 4", "free 3", "create ...", ...
    std::vector<double> 待ち;
    std::vector<bool> タイマー履歴;
    bool タイマー有効 = false;
    double 現在時刻 = 1000.0;
    bool チェック[メニュー項目数] = {};
    bool 終了済み = false;

    long 装置値 = 1;  // what dsInitialize answers
    long 次の音 = 1;

    void 全消去() {
        描画.clear();
        メッセージ履歴.clear();
        音.clear();
        待ち.clear();
    }
    // Pictures drawn with their top-left corner at cell (c, r).
    std::vector<int> 絵の履歴(int c, int r) const;
    // Texts drawn, in order.
    std::vector<std::string> 文字の履歴() const;

    void 絵(int 絵番号, int x, int y) override;
    void 枠(int x1, int y1, int x2, int y2, int 色) override;
    void 塗り(int x1, int y1, int x2, int y2, int 色) override;
    void 文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) override;
    void 再描画() override;
    応答 メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) override;
    void タイマー(bool 有効) override;
    double 時刻() override { return 現在時刻; }
    void 待つ(double 秒) override { 待ち.push_back(秒); }
    void チェック表示(メニュー項目 項目, bool 付ける) override { チェック[static_cast<int>(項目)] = 付ける; }

    bool パネル見える[パネル部品数] = {};
    std::string パネル文字列[パネル部品数];
    std::string フォルダ = ".";
    void パネル表示(パネル部品 部品, bool 見える) override { パネル見える[static_cast<int>(部品)] = 見える; }
    std::string パネル文字(パネル部品 部品) override { return パネル文字列[static_cast<int>(部品)]; }
    void パネル文字設定(パネル部品 部品, const std::string& t) override { パネル文字列[static_cast<int>(部品)] = t; }
    std::string パネルフォルダ() override { return フォルダ; }
    void パネルフォルダ設定(const std::string& f) override { フォルダ = f; }
    int 一覧更新回数 = 0;
    void パネル一覧更新() override { ++一覧更新回数; }

    long dsInitialize() override;
    long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) override;
    void dsPlay(long h) override { 音.push_back("play " + std::to_string(h)); }
    void dsPlayLooping(long h) override { 音.push_back("loop " + std::to_string(h)); }
    void dsStop(long h) override { 音.push_back("stop " + std::to_string(h)); }
    void dsFree(long h) override { 音.push_back("free " + std::to_string(h)); }
    void dsTerminate(long d) override { 音.push_back("terminate " + std::to_string(d)); }

    void 終了() override { 終了済み = true; }
};
