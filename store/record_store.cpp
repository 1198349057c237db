// SPDX-License-Identifier: GPL-3.0-or-later
// Record files on the disk: reading one by name and saving the game's
// record.  The format itself is in record_file.cpp, which touches no file.
#include <utility>

#include "store/record_file.h"
#include "store/safe_file.h"
#include "view/tr.h"

std::string 書込_棋譜(const 棋譜& 記録, int 最後, const std::string& パス, const std::string& 対局名, const std::string& 上の名前,
                      const std::string& 下の名前, std::string* 注意) {
    if (注意) 注意->clear();
    if (最後 < 1) return QT_TRANSLATE_NOOP("Game", "保存するデータがありません");
    const std::string 頭 = "棋譜ファイル「" + パス + "」を書き込めませんでした。\r";
    std::string エラー;
    const std::string バイト列 = 変換_棋譜バイト列(記録, 最後, 対局名, 上の名前, 下の名前, エラー, 注意);
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
    // The size is judged on the open file before a byte is read, so a
    // huge file costs the window nothing; and no more than one byte past
    // the limit is ever read, whatever size the file claims.
    std::string 中身;
    if (const int e = 読込_通常ファイル(パス, 棋譜の大きさの上限, 中身); e != 0) {
        エラー = 変換_エラー理由(e);
        return 偽;
    }
    内容 = 解析_棋譜(中身);
    return 真;
}
