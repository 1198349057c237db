#include "records/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/sjis.h"

namespace {

// Right-aligned decimal in a field of 幅 columns.
std::string 右寄せ(int v, int 幅) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%*d", 幅, v);
    return buf;
}

int 時間欄(double 秒) {
    if (!(秒 > 0)) return 0;  // also NaN
    if (秒 >= 時間の上限) return 時間の上限;
    return static_cast<int>(std::floor(秒));
}

char 持駒の字(int n) {
    if (n <= 0) return '0';
    if (n <= 9) return static_cast<char>('0' + n);
    if (n > 持駒の上限) n = 持駒の上限;
    return static_cast<char>('A' + (n - 10));
}

// One hand field; missing fields read as 0 without complaint.
int 持駒の値(std::string_view 欄, bool& 損傷) {
    if (欄.empty()) return 0;
    const char c = 欄[0];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'I') return 10 + (c - 'A');
    損傷 = true;
    return 0;
}

std::string_view 欄(std::string_view 行, std::size_t 位置, std::size_t 幅) {
    if (位置 >= 行.size()) return {};
    return 行.substr(位置, 幅);
}

bool 王がいる(const 棋譜局面& r, int 符号) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = r.盤[x][y] * 符号;
            if (v >= 800 && v <= 803) return true;
        }
    return false;
}

std::string 見出しをSJISへ(const std::string& t, std::string& エラー) {
    if (t.find_first_of("\r\n") != std::string::npos) {
        エラー = "名前「" + t + "」に改行が含まれています。";
        return {};
    }
    auto sj = UTF8からSJIS(t);
    if (!sj) {
        エラー = "名前「" + t + "」にShift_JISで書けない文字があります。";
        return {};
    }
    return *sj;
}

bool 空白(unsigned char c) { return c == ' ' || c == '\t'; }

}  // namespace

// ---- writing ----------------------------------------------------------------

棋譜局面 取得_記録局面(const 状態& s, int n) {
    棋譜局面 r;
    if (n < 0 || n > 履歴最大) return r;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) r.盤[x][y] = s.盤履歴[n][x][y];
    for (int k = 1; k <= 7; ++k) {
        r.持駒_MAN[k] = s.持駒履歴_MAN[n][k];
        r.持駒_COM[k] = s.持駒履歴_COM[n][k];
    }
    r.前秒M = 時間欄(s.前秒M履歴[n]);
    r.後秒M = 時間欄(s.後秒M履歴[n]);
    r.前秒C = 時間欄(s.前秒C履歴[n]);
    r.後秒C = 時間欄(s.後秒C履歴[n]);
    return r;
}

std::string 変換_指し手行(const 棋譜局面& r) {
    std::string 行;
    行.reserve(指し手行の長さ);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            // A code the game cannot hold would spill out of its columns.
            const int v = 有効な駒コード(r.盤[x][y]) ? r.盤[x][y] : 空;
            行 += 右寄せ(v, 4);
        }
    for (int k = 1; k <= 7; ++k) {
        行 += 持駒の字(r.持駒_MAN[k]);
        行 += 持駒の字(r.持駒_COM[k]);
    }
    for (int v : {r.前秒M, r.後秒M, r.前秒C, r.後秒C}) 行 += 右寄せ(時間欄(v), 5);
    return 行;
}

std::string 変換_棋譜バイト列(const 状態& s, const std::string& 対局名, const std::string& 上の名前,
                               const std::string& 下の名前, std::string& エラー) {
    エラー.clear();
    std::string out;
    for (const std::string* t : {&対局名, &上の名前, &下の名前}) {
        const std::string sj = 見出しをSJISへ(*t, エラー);
        if (!エラー.empty()) return {};
        out += sj + "\r\n";
    }
    const int 最後 = s.棋譜最終手数 > 履歴最大 ? 履歴最大 : s.棋譜最終手数;
    out.reserve(out.size() + static_cast<std::size_t>(最後 > 0 ? 最後 : 0) * (指し手行の長さ + 2));
    for (int n = 1; n <= 最後; ++n) out += 変換_指し手行(取得_記録局面(s, n)) + "\r\n";
    return out;
}

std::string 書込_棋譜(const 状態& s, const std::string& パス, const std::string& 対局名,
                     const std::string& 上の名前, const std::string& 下の名前) {
    if (s.棋譜最終手数 < 1) return "保存するデータがありません";
    const std::string 頭 = "棋譜ファイル「" + パス + "」を書き込めませんでした。\r";
    std::string エラー;
    const std::string バイト列 = 変換_棋譜バイト列(s, 対局名, 上の名前, 下の名前, エラー);
    if (!エラー.empty()) return 頭 + エラー;
    エラー = 書込_原子的(パス, バイト列);
    if (!エラー.empty()) return 頭 + エラー;
    return "";
}

std::string 書込_原子的(const std::string& パス, const std::string& バイト列) {
    namespace fs = std::filesystem;
    fs::path フォルダ = fs::path(パス).parent_path();
    if (フォルダ.empty()) フォルダ = ".";
    std::string 一時 = (フォルダ / ".vezuvire_tmp_XXXXXX").string();

    const int fd = ::mkstemp(一時.data());
    if (fd < 0) return 変換_エラー理由(errno);

    // Keep the permissions of a file being replaced; a new file gets the
    // usual ones rather than mkstemp's private 0600.
    mode_t 権限;
    struct stat st;
    if (::stat(パス.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        権限 = st.st_mode & 07777;
    } else {
        const mode_t m = ::umask(0);
        ::umask(m);
        権限 = 0666 & ~m;
    }

    int 番号 = 0;
    if (::fchmod(fd, 権限) != 0) 番号 = errno;
    const char* p = バイト列.data();
    std::size_t 残り = バイト列.size();
    while (番号 == 0 && 残り > 0) {
        const ssize_t n = ::write(fd, p, 残り);
        if (n < 0) {
            if (errno == EINTR) continue;
            番号 = errno;
            break;
        }
        p += n;
        残り -= static_cast<std::size_t>(n);
    }
    if (番号 == 0 && ::fsync(fd) != 0) 番号 = errno;
    if (::close(fd) != 0 && 番号 == 0) 番号 = errno;
    if (番号 == 0 && ::rename(一時.c_str(), パス.c_str()) != 0) 番号 = errno;
    if (番号 != 0) {
        ::unlink(一時.c_str());
        return 変換_エラー理由(番号);
    }
    return "";
}

// ---- file names ---------------------------------------------------------------

std::string 整形_ファイル名(const std::string& 名前) {
    static const std::string 全角空白 = "\xE3\x80\x80";  // U+3000
    std::string_view v = 名前;
    for (;;) {
        if (!v.empty() && 空白(static_cast<unsigned char>(v.front()))) v.remove_prefix(1);
        else if (v.substr(0, 3) == 全角空白) v.remove_prefix(3);
        else break;
    }
    for (;;) {
        if (!v.empty() && 空白(static_cast<unsigned char>(v.back()))) v.remove_suffix(1);
        else if (v.size() >= 3 && v.substr(v.size() - 3) == 全角空白) v.remove_suffix(3);
        else break;
    }
    return std::string(v);
}

std::string 調査_ファイル名(const std::string& フォルダ, const std::string& 名前) {
    if (名前.empty()) return "ファイル名が空です。";
    if (名前 == "." || 名前 == "..") return "「.」と「..」はファイル名に使えません。";
    if (名前.find('/') != std::string::npos) return "ファイル名に「/」は使えません。";
    for (unsigned char c : 名前)
        if (c < 0x20 || c == 0x7F) return "ファイル名に制御文字は使えません。";
    long 最大 = ::pathconf(フォルダ.empty() ? "." : フォルダ.c_str(), _PC_NAME_MAX);
    if (最大 <= 0) 最大 = 255;
    if (名前.size() + std::strlen(棋譜拡張子) > static_cast<std::size_t>(最大)) return "ファイル名が長すぎます。";
    return "";
}

// ---- reading ------------------------------------------------------------------

int 読込_棋譜ファイル(std::istream& f, std::string& 文字列, std::size_t 上限) {
    using T = std::char_traits<char>;
    文字列.clear();
    std::streambuf* sb = f.rdbuf();
    if (!f.good() || sb == nullptr) return 偽;
    bool 何か = false;
    for (;;) {
        const int c = sb->sbumpc();
        if (c == T::eof()) {
            f.setstate(std::ios::eofbit);
            return 何か ? 真 : 偽;
        }
        何か = true;
        if (c == '\n') return 真;
        if (c == '\r') {
            if (sb->sgetc() == '\n') sb->sbumpc();
            return 真;
        }
        if (文字列.size() < 上限) 文字列.push_back(static_cast<char>(c));
    }
}

int 変換_数値(std::string_view 欄) {
    std::size_t i = 0;
    while (i < 欄.size() && 欄[i] == ' ') ++i;
    bool 負 = false;
    if (i < 欄.size() && 欄[i] == '-') {
        負 = true;
        ++i;
    }
    long v = 0;
    for (; i < 欄.size() && 欄[i] >= '0' && 欄[i] <= '9'; ++i) {
        v = v * 10 + (欄[i] - '0');
        if (v > INT_MAX / 10) break;  // no field is that wide; stay defined anyway
    }
    return static_cast<int>(負 ? -v : v);
}

棋譜局面 解析_指し手行(std::string_view 行, bool& 損傷) {
    if (行.size() > 指し手行の長さ) 行 = 行.substr(0, 指し手行の長さ);
    棋譜局面 r;
    std::size_t p = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y, p += 4) {
            const int v = 変換_数値(欄(行, p, 4));
            if (有効な駒コード(v)) {
                r.盤[x][y] = v;
            } else {
                損傷 = true;
                r.盤[x][y] = 空;
            }
        }
    for (int k = 1; k <= 7; ++k) {
        r.持駒_MAN[k] = 持駒の値(欄(行, p++, 1), 損傷);
        r.持駒_COM[k] = 持駒の値(欄(行, p++, 1), 損傷);
    }
    for (int* t : {&r.前秒M, &r.後秒M, &r.前秒C, &r.後秒C}) {
        int v = 変換_数値(欄(行, p, 5));
        p += 5;
        if (v < 0) {  // thinking time is never negative
            損傷 = true;
            v = 0;
        }
        *t = v;
    }
    return r;
}

棋譜内容 解析_棋譜(std::istream& f) {
    棋譜内容 k;
    std::string 行;
    for (std::string* 見出し : {&k.対局名, &k.上の名前, &k.下の名前})
        if (読込_棋譜ファイル(f, 行) == 真) *見出し = SJISからUTF8(行);

    while (読込_棋譜ファイル(f, 行, 指し手行の長さ) == 真) {
        if (k.局面.size() == static_cast<std::size_t>(履歴最大)) {
            k.超過 = true;
            break;
        }
        k.局面.push_back(解析_指し手行(行, k.損傷));
    }

    for (std::size_t i = 0; i < k.局面.size(); ++i)
        if (!王がいる(k.局面[i], +1) || !王がいる(k.局面[i], -1)) {
            k.王なし手 = static_cast<int>(i) + 1;
            k.局面.resize(i);
            break;
        }
    return k;
}

棋譜内容 解析_棋譜(std::string_view バイト列) {
    std::istringstream f{std::string(バイト列)};
    return 解析_棋譜(f);
}

int 読込_棋譜(const std::string& パス, 棋譜内容& 内容, std::string& エラー) {
    エラー.clear();
    struct stat st;
    if (::stat(パス.c_str(), &st) != 0) {
        エラー = 変換_エラー理由(errno);
        return 偽;
    }
    if (S_ISDIR(st.st_mode)) {
        エラー = "フォルダです。";
        return 偽;
    }
    if (!S_ISREG(st.st_mode)) {
        エラー = "通常のファイルではありません。";
        return 偽;
    }
    errno = 0;
    std::ifstream f(パス, std::ios::binary);
    if (!f) {
        エラー = 変換_エラー理由(errno != 0 ? errno : EIO);
        return 偽;
    }
    内容 = 解析_棋譜(f);
    if (f.bad()) {
        エラー = 変換_エラー理由(EIO);
        return 偽;
    }
    return 真;
}

std::string 変換_エラー理由(int 番号) {
    switch (番号) {
        case EACCES:
        case EPERM: return "アクセスする権限がありません。";
        case ENOENT: return "ファイルまたはフォルダが見つかりません。";
        case EISDIR: return "同じ名前のフォルダがあります。";
        case ENOTDIR: return "フォルダの指定が正しくありません。";
        case ENOSPC:
        case EDQUOT: return "ディスクの空きが足りません。";
        case EROFS: return "読み取り専用の場所です。";
        case ENAMETOOLONG: return "名前が長すぎます。";
        case EIO: return "入出力エラーが起きました。";
        case EFBIG: return "ファイルが大きすぎます。";
        case EMFILE:
        case ENFILE: return "開いているファイルが多すぎます。";
        default: return "システムエラー（番号 " + std::to_string(番号) + "）が起きました。";
    }
}
