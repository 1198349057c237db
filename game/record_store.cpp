// SPDX-License-Identifier: GPL-3.0-or-later
// Record files on the disk: reading one by name and saving the game's
// record.  The format itself is in record_file.cpp, which touches no file.
#include <cerrno>
#include <istream>
#include <utility>

#include "game/record_file.h"
#include "game/safe_file.h"
#include "game/tr.h"

std::string 書込_棋譜(const 状態& s, const std::string& パス, const std::string& 対局名, const std::string& 上の名前,
                      const std::string& 下の名前, std::string* 注意) {
    if (注意) 注意->clear();
    if (s.棋譜最終手数 < 1) return QT_TRANSLATE_NOOP("Game", "保存するデータがありません");
    const std::string 頭 = "棋譜ファイル「" + パス + "」を書き込めませんでした。\r";
    std::string エラー;
    const std::string バイト列 = 変換_棋譜バイト列(s, 対局名, 上の名前, 下の名前, エラー, 注意);
    if (!エラー.empty()) {
        if (注意) 注意->clear();
        return 頭 + エラー;
    }
    エラー = 書込_原子的(パス, バイト列);
    if (!エラー.empty()) {
        if (注意) 注意->clear();
        return 頭 + エラー;
    }
    return "";
}

std::string 書込_原子的(const std::string& パス, const std::string& バイト列) {
    const int e = 書込_置換(パス, バイト列);
    return e == 0 ? "" : 変換_エラー理由(e);
}

int 読込_棋譜(const std::string& パス, 棋譜内容& 内容, std::string& エラー) {
    エラー.clear();
    読込ファイル f;
    if (const int e = f.開く(パス); e != 0) {
        エラー = 変換_エラー理由(e);
        return 偽;
    }
    読込ファイルバッファ 窓(f);
    std::istream in(&窓);
    棋譜内容 k = 解析_棋譜(in);
    if (窓.誤り() != 0 || in.bad()) {
        エラー = 変換_エラー理由(窓.誤り() != 0 ? 窓.誤り() : EIO);
        return 偽;
    }
    内容 = std::move(k);
    return 真;
}
