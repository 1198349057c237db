#include "ui/sound.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <vector>

void サウンドエラー表示(Platform& p, const std::string& 本文) {
    p.メッセージ(本文, サウンド題, ボタン::OK, true);
}

void サウンド初期化(状態& s, Platform& p) {
    s.サウンド装置 = p.dsInitialize();
    if (s.サウンド装置 == 0) サウンドエラー表示(p, サウンド装置なし);
}

long サウンド読込(状態& s, Platform& p, const std::string& ファイル名, int フラグ) {
    if (s.サウンド装置 == 0) return 0;
    struct stat st {};
    if (::stat(ファイル名.c_str(), &st) != 0) return 0;  // a missing sound is silence
    errno = 0;
    std::ifstream f(ファイル名, std::ios::binary);
    std::vector<unsigned char> buf;
    if (f) {
        buf.resize(static_cast<std::size_t>(st.st_size));
        if (!buf.empty()) f.read(reinterpret_cast<char*>(buf.data()), static_cast<std::streamsize>(buf.size()));
    }
    if (!f) {
        const int e = errno;
        サウンドエラー表示(p, ファイル名 + ": 読み込めません（" +
                                  std::string(e ? std::strerror(e) : "読み込みエラー") + "）");
        return 0;
    }
    return p.dsCreateDSB(s.サウンド装置, buf.data(), buf.size(), フラグ);
}

void サウンド終了(状態& s, Platform& p) {
    if (s.サウンド装置 != 0) p.dsTerminate(s.サウンド装置);
}
