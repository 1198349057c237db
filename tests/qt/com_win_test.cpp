// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's move that takes the king is shown in its move slot, as
// any other move of it, and not left under the thinking caption.
#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QTest>

#include "tests/qt/window_fixture.h"
#include "front/qt/window_canvas.h"

namespace {

// The computer's move slot, left of the board, low, in canvas pixels.
QImage 指し手欄(const QImage& 絵) {
    return 絵.copy(QRect((盤原点X - 2 * 桝幅) / 画素, (盤原点Y + 8 * 桝高) / 画素, 3 * 桝幅 / 画素, 桝高 / 画素));
}

// Remembers the slot each time the canvas is painted while the computer
// thinks (it is to move and has not moved yet).
class 思考中の欄 : public QObject {
public:
    思考中の欄(窓& w, int 手数) : w_(w), 手数_(手数) {}
    QImage 欄;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const 状態& s = w_.状態参照();
        if (e->type() == QEvent::Paint && s.手番 == s.手番_COM && s.手数 == 手数_) 欄 = 指し手欄(w_.画像());
        return false;
    }

private:
    窓& w_;
    int 手数_;
};

}  // namespace

TEST_F(窓の試験, 計算機が王を取った手は指し手欄に出る) {
    w->メニュー("LEVEL1")->trigger();
    w->メニュー("SENTE")->trigger();
    // Only the two kings, the computer's gold right above the human's
    // king, and a pawn of the human's to move.
    for (auto& 列 : s().盤)
        for (auto& v : 列) v = 空;
    s().盤[5][1] = 800;
    s().盤[5][9] = -802;
    s().盤[5][8] = 500;
    s().盤[1][7] = -102;
    思考中の欄 見張り(*w, 1);
    w->キャンバス()->installEventFilter(&見張り);
    QImage 告げたとき;
    w->自動応答 = [&](const std::string& 本文, const std::string&, ボタン) {
        告知.push_back(本文);
        告げたとき = 指し手欄(w->画像());
        return 応答::OK;
    };
    for (int 行 : {7, 6})
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * 1 + 307, 盤原点Y + 桝高 * 行 + 307));
    ASSERT_FALSE(告知.empty());
    EXPECT_EQ(告知.back(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
    ASSERT_EQ(s().手数, 2);
    ASSERT_FALSE(見張り.欄.isNull()) << "the thinking caption was never painted";
    EXPECT_NE(告げたとき, 見張り.欄) << "the slot still shows the thinking caption";
    EXPECT_EQ(指し手欄(w->画像()), 告げたとき) << "the slot changed after OK";
}
