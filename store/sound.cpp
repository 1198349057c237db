// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sound.h"

#include <sys/stat.h>

#include "store/safe_file.h"

void サウンドエラー表示(対話窓口& p, const std::string& 本文) { p.メッセージ(本文, サウンド題, ボタン::OK, true); }

void サウンド初期化(状態& s, Platform& p) {
    s.表示.サウンド装置 = p.dsInitialize();
    if (s.表示.サウンド装置 == 0) サウンドエラー表示(p, サウンド装置なし);
}

long サウンド読込(状態& s, Platform& p, const std::string& ファイル名, int フラグ) {
    if (s.表示.サウンド装置 == 0) return 0;
    struct stat st {};
    if (::stat(ファイル名.c_str(), &st) != 0) return 0;  // a missing sound is silence
    std::string 画像;
    if (const int e = 読込_通常ファイル(ファイル名, サウンドの上限, 画像); e != 0) {
        サウンドエラー表示(p, "音声ファイル「" + ファイル名 + "」を読み込めませんでした。\r" + 変換_エラー理由(e));
        return 0;
    }
    return p.dsCreateDSB(s.表示.サウンド装置, reinterpret_cast<const unsigned char*>(画像.data()), 画像.size(), フラグ);
}

void サウンド終了(状態& s, 音窓口& p) {
    if (s.表示.サウンド装置 != 0) p.dsTerminate(s.表示.サウンド装置);
}

bool 効果音を鳴らす(const 状態& s, long 音) { return !s.表示.効果音を消す || (音 != 0 && 音 == s.表示.音_BGM); }
