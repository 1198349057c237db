#include "ui/about.h"

#include "records/panel.h"

#ifndef VZ_VERSION
#define VZ_VERSION "0.0.0"
#endif
#ifndef VZ_RELEASE_DATE
#define VZ_RELEASE_DATE "2026-12-07"
#endif

std::string バージョン表示文() {
    return std::string("Vezuvire  Version ") + VZ_VERSION + "  (" + VZ_RELEASE_DATE + ")\r\r" + ホームページ + "\r" +
           連絡先メール;
}

void VER_Click(状態& s, Platform& p) {
    描画_可視(s, p, 偽, 偽, 偽);
    描画_棋譜_IO(s, p, 1);
    p.dsPlay(s.音_その他);
    p.メッセージ(バージョン表示文(), "Vezuvire", ボタン::OK);
}
