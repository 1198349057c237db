// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "view/tr.h"

読込関数 ファイル読込関数 = ::read;
書込関数 ファイル書込関数 = ::write;
改名関数 ファイル改名関数 = ::rename;
削除関数 ファイル削除関数 = ::unlink;

namespace {

// Closes a descriptor without losing the error number of what went before.
void 閉じる(int fd) {
    const int e = errno;
    ::close(fd);
    errno = e;
}

std::string フォルダ部分(const std::string& パス) {
    const std::size_t i = パス.rfind('/');
    if (i == std::string::npos) return ".";
    if (i == 0) return "/";
    return パス.substr(0, i);
}

bool 書き切る(int fd, std::string_view b, int& 番号) {
    const char* p = b.data();
    std::size_t 残り = b.size();
    while (残り > 0) {
        const ssize_t n = ファイル書込関数(fd, p, 残り);
        if (n < 0) {
            if (errno == EINTR) continue;
            番号 = errno;
            return false;
        }
        p += n;
        残り -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string 変換_エラー理由(int 番号) {
    switch (番号) {
        case 誤り_通常でない: return QT_TRANSLATE_NOOP("Game", "通常のファイルではありません。");
        case 誤り_フォルダ: return QT_TRANSLATE_NOOP("Game", "フォルダです。");
        case 誤り_大きすぎる: return QT_TRANSLATE_NOOP("Game", "ファイルが大きすぎます。");
        case 誤り_書込禁止: return QT_TRANSLATE_NOOP("Game", "書き込みが許されていないファイルです。");
        case EACCES:
        case EPERM: return QT_TRANSLATE_NOOP("Game", "アクセスする権限がありません。");
        case ENOENT: return QT_TRANSLATE_NOOP("Game", "ファイルまたはフォルダが見つかりません。");
        case EISDIR: return QT_TRANSLATE_NOOP("Game", "同じ名前のフォルダがあります。");
        case ENOTDIR: return QT_TRANSLATE_NOOP("Game", "フォルダの指定が正しくありません。");
        case ENOSPC:
        case EDQUOT: return QT_TRANSLATE_NOOP("Game", "ディスクの空きが足りません。");
        case EROFS: return QT_TRANSLATE_NOOP("Game", "読み取り専用の場所です。");
        case ENAMETOOLONG: return QT_TRANSLATE_NOOP("Game", "名前が長すぎます。");
        case EIO: return QT_TRANSLATE_NOOP("Game", "入出力エラーが起きました。");
        case EFBIG: return QT_TRANSLATE_NOOP("Game", "ファイルが大きすぎます。");
        case ELOOP: return QT_TRANSLATE_NOOP("Game", "シンボリックリンクが多すぎます。");
        case EMFILE:
        case ENFILE: return QT_TRANSLATE_NOOP("Game", "開いているファイルが多すぎます。");
        default: return "システムエラー（番号 " + std::to_string(番号) + "）が起きました。";
    }
}

// ---- reading ------------------------------------------------------------------

読込ファイル::~読込ファイル() {
    if (fd_ >= 0) ::close(fd_);
}

int 読込ファイル::開く(const std::string& パス) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    誤り_ = 0;
    大きさ_ = 0;
    // Look before opening: opening a device can have effects of its own.
    struct stat st;
    if (::stat(パス.c_str(), &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return 誤り_フォルダ;
    if (!S_ISREG(st.st_mode)) return 誤り_通常でない;
    // Without O_NONBLOCK a FIFO put in the file's place between the look
    // and the open would hold the program here for ever.
    const int fd = ::open(パス.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno;
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return e;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? 誤り_フォルダ : 誤り_通常でない;
    }
    fd_ = fd;
    大きさ_ = st.st_size;
    return 0;
}

long long 読込ファイル::読む(char* 先, std::size_t n) {
    if (fd_ < 0) {
        誤り_ = EBADF;
        return -1;
    }
    for (;;) {
        const ssize_t r = ファイル読込関数(fd_, 先, n);
        if (r >= 0) return r;
        if (errno == EINTR) continue;
        誤り_ = errno != 0 ? errno : EIO;
        return -1;
    }
}

int 読込_通常ファイル(const std::string& パス, std::size_t 上限, std::string& 中身) {
    中身.clear();
    読込ファイル f;
    if (const int e = f.開く(パス); e != 0) return e;
    if (f.大きさ() < 0 || static_cast<unsigned long long>(f.大きさ()) > 上限) return 誤り_大きすぎる;
    // The size can be wrong (files of the system report 0): read until the
    // end, but never more than one byte past the limit.
    中身.reserve(static_cast<std::size_t>(f.大きさ()));
    char 窓[16384];
    for (;;) {
        const std::size_t 欲しい = 上限 - 中身.size() + 1 < sizeof 窓 ? 上限 - 中身.size() + 1 : sizeof 窓;
        const long long n = f.読む(窓, 欲しい);
        if (n < 0) {
            中身.clear();
            return f.誤り();
        }
        if (n == 0) return 0;
        中身.append(窓, static_cast<std::size_t>(n));
        if (中身.size() > 上限) {
            中身.clear();
            return 誤り_大きすぎる;
        }
    }
}

読込ファイルバッファ::int_type 読込ファイルバッファ::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (f_.誤り() != 0) return traits_type::eof();
    const long long n = f_.読む(窓_, sizeof 窓_);
    if (n <= 0) return traits_type::eof();
    setg(窓_, 窓_, 窓_ + n);
    return traits_type::to_int_type(*gptr());
}

// ---- writing ------------------------------------------------------------------

bool 調査_一時ファイル名(std::string_view 名前) {
    const std::string_view 頭 = 一時ファイルの頭;
    if (名前.size() != 頭.size() + 6 || 名前.substr(0, 頭.size()) != 頭) return false;
    for (char c : 名前.substr(頭.size()))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

int 掃除_一時ファイル(const std::string& フォルダ, int 古さ秒) {
    DIR* d = ::opendir(フォルダ.c_str());
    if (d == nullptr) return 0;
    const int dfd = ::dirfd(d);
    const std::time_t 境 = std::time(nullptr) - 古さ秒;
    int 数 = 0;
    while (const dirent* e = ::readdir(d)) {
        if (!調査_一時ファイル名(e->d_name)) continue;
        struct stat st;
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_mtime > 境) continue;
        if (::unlinkat(dfd, e->d_name, 0) == 0) ++数;
    }
    ::closedir(d);
    return 数;
}

int 書込_置換(const std::string& パス, std::string_view バイト列) {
    if (パス.empty()) return ENOENT;
    const std::string フォルダ = フォルダ部分(パス);
    掃除_一時ファイル(フォルダ);

    // What is there now decides whether it may be replaced and how the new
    // file is made.
    bool ある = false;
    struct stat 元;
    if (::lstat(パス.c_str(), &元) == 0) {
        ある = true;
        if (S_ISDIR(元.st_mode)) return EISDIR;
        if (!S_ISREG(元.st_mode)) return 誤り_通常でない;
        // The rename needs only the folder's permission; the file's own
        // must be asked for separately.
        if (::faccessat(AT_FDCWD, パス.c_str(), W_OK, AT_EACCESS) != 0)
            return errno == EACCES || errno == EPERM ? 誤り_書込禁止 : errno;
    } else if (errno != ENOENT) {
        return errno;
    }

    std::string 一時 = フォルダ + "/" + 一時ファイルの頭 + "XXXXXX";
    const int fd = ::mkostemp(一時.data(), O_CLOEXEC);
    if (fd < 0) return errno;

    mode_t 権限;
    if (ある) {
        // Best effort: only the owner's own group changes are allowed to a
        // user; the permissions below are what matters.
        if (元.st_uid != ::geteuid() || 元.st_gid != ::getegid()) {
            if (::fchown(fd, 元.st_uid, 元.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), 元.st_gid);
        }
        権限 = 元.st_mode & 0777;
    } else {
        const mode_t m = ::umask(0);
        ::umask(m);
        権限 = 0666 & ~m;
    }

    int 番号 = 0;
    if (::fchmod(fd, 権限) != 0) 番号 = errno;
    if (番号 == 0) 書き切る(fd, バイト列, 番号);
    if (番号 == 0 && ::fsync(fd) != 0) 番号 = errno;
    if (::close(fd) != 0 && 番号 == 0) 番号 = errno;
    if (番号 == 0 && ファイル改名関数(一時.c_str(), パス.c_str()) != 0) 番号 = errno;
    if (番号 != 0) {
        ::unlink(一時.c_str());
        return 番号;
    }
    // The new name itself reaches the disk with the folder.
    const int dfd = ::open(フォルダ.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        閉じる(dfd);
    }
    return 0;
}
