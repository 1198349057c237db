#include "tests/support/fake_platform.h"

#include "ui/render.h"

std::vector<int> FakePlatform::絵の履歴(int c, int r) const {
    std::vector<int> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::絵 && d.x == セルX(c) && d.y == セルY(r)) out.push_back(d.番号);
    return out;
}

std::vector<std::string> FakePlatform::文字の履歴() const {
    std::vector<std::string> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::文字) out.push_back(d.文字列);
    return out;
}

void FakePlatform::絵(int 絵番号, int x, int y) {
    描画記録 d;
    d.種類 = 描画記録::絵;
    d.番号 = 絵番号;
    d.x = x;
    d.y = y;
    描画.push_back(d);
}

void FakePlatform::枠(int x1, int y1, int x2, int y2, int 色) {
    描画記録 d;
    d.種類 = 描画記録::枠;
    d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.色 = 色;
    描画.push_back(d);
}

void FakePlatform::塗り(int x1, int y1, int x2, int y2, int 色) {
    描画記録 d;
    d.種類 = 描画記録::塗り;
    d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.色 = 色;
    描画.push_back(d);
}

void FakePlatform::文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) {
    描画記録 d;
    d.種類 = 描画記録::文字;
    d.x = x, d.y = y, d.文字列 = t, d.大きさ = 大きさ, d.太字 = 太字, d.色 = 色;
    描画.push_back(d);
}

void FakePlatform::再描画() { 描画記録 d;
    d.種類 = 描画記録::再描画;
    描画.push_back(d); }

応答 FakePlatform::メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    メッセージ履歴.push_back({本文, 題, b, 警告});
    if (!応答予定.empty()) {
        応答 r = 応答予定.front();
        応答予定.pop_front();
        return r;
    }
    return b == ボタン::OK ? 応答::OK : 応答::はい;
}

void FakePlatform::タイマー(bool 有効) {
    タイマー有効 = 有効;
    タイマー履歴.push_back(有効);
}

long FakePlatform::dsInitialize() {
    音.push_back("init");
    return 装置値;
}

long FakePlatform::dsCreateDSB(long 装置, const unsigned char*, std::size_t 長さ, int フラグ) {
    const long h = 次の音++;
    音.push_back("create " + std::to_string(装置) + " " + std::to_string(長さ) + " " + std::to_string(フラグ) +
                " -> " + std::to_string(h));
    return h;
}
