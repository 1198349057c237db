// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/about.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

TEST(その他, 版と連絡先を音とともに見せる) {
    状態 s;
    s.表示.音_その他 = 1;
    FakePlatform p;
    p.パネル見える[static_cast<int>(パネル部品::Dir1)] = true;
    VER_Click(s, p);
    EXPECT_FALSE(p.パネル見える[static_cast<int>(パネル部品::Dir1)]);
    ASSERT_EQ(p.音.size(), 1u);
    EXPECT_EQ(p.音[0], "play 1");
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    const auto& m = p.メッセージ履歴[0];
    EXPECT_EQ(m.題, "Vezuvire");
    EXPECT_EQ(m.b, ボタン::OK);
    EXPECT_EQ(m.本文, std::string("Vezuvire  Version ") + VZ_VERSION + "  (" + VZ_RELEASE_DATE + ")\r\r" +
                          ホームページ + "\r" + 連絡先メール);
}
