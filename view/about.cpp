// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/about.h"

#include "view/panel.h"

// The version and the release date come from the build (CMakeLists.txt), the
// one place that also stamps them on the package and its metadata.
#if !defined(VZ_VERSION) || !defined(VZ_RELEASE_DATE)
#error "VZ_VERSION and VZ_RELEASE_DATE are set by the build"
#endif

std::string バージョン表示文() {
    return std::string("Vezuvire  Version ") + VZ_VERSION + "  (" + VZ_RELEASE_DATE + ")\r\r" + ホームページ + "\r" +
           連絡先メール;
}

void VER_Click(状態& s, Platform& p) {
    パネルを閉じる(p);
    p.dsPlay(s.表示.音_その他);
    p.メッセージ(バージョン表示文(), "Vezuvire", ボタン::OK);
}
