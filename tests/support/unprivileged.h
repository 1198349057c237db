// SPDX-License-Identifier: GPL-3.0-or-later
// Permission tests need an ordinary user: root may write any file.  When
// the tests run as root, the check runs in a child process that first gives
// root up for the traditional "nobody" (65534); otherwise it runs as it is.
#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

inline constexpr uid_t 一般ユーザー = 65534;

// Makes パス (a file or folder made by the test) belong to the user the
// check runs as, so that only the permissions decide.
inline void 一般ユーザーのものに(const std::filesystem::path& パス) {
    if (::geteuid() == 0) (void)!::lchown(パス.c_str(), 一般ユーザー, 一般ユーザー);
}

// Runs 検査 as an ordinary user and answers its result (0 meaning all was
// as expected); 255 when the child could not give up root.
inline int 一般ユーザーで(const std::function<int()>& 検査) {
    if (::geteuid() != 0) return 検査();
    const pid_t pid = ::fork();
    if (pid < 0) return 255;
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(一般ユーザー) != 0 || ::setuid(一般ユーザー) != 0) ::_exit(255);
        ::_exit(検査() & 0xFF);
    }
    int 状態値 = 0;
    if (::waitpid(pid, &状態値, 0) != pid || !WIFEXITED(状態値)) return 254;
    return WEXITSTATUS(状態値);
}
