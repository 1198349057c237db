// SPDX-License-Identifier: GPL-3.0-or-later
// A long game between two people in the real window, played with mouse
// presses on the canvas: each ply presses a piece of the side to move (the
// window shows where it can go) and then one of those squares.  The moves
// come from a fixed sequence of numbers, so every run plays the same game;
// a king is never taken, so the game goes on as long as it is asked to.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "core/pieces.h"
#include "core/rules.h"
#include "view/state.h"
#include "front/qt/window.h"

struct 台本の対局 {
    窓& w;
    std::uint32_t 種 = 20261207;

    explicit 台本の対局(窓& 窓_) : w(窓_) {}

    // The two-person game from the menu; its opening message is answered
    // by the window's 自動応答.
    void 始める() {
        w.メニュー("START")->trigger();
        QApplication::processEvents();
    }

    // A left press (and release) in the middle of cell (c, r).
    void 押す(int c, int r) {
        QWidget* 画 = w.キャンバス();
        const QPointF p(w.ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
        const QPointF g(画->mapToGlobal(p));
        QMouseEvent 押(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(画, &押);
        QMouseEvent 離(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(画, &離);
    }

    // The side to move owns the piece: the bottom side plays the negative
    // codes, the top side the positive ones.
    static bool 自駒(const 状態& s, int v) {
        return (MANの駒(v) && s.手番 == s.手番_MAN) || (COMの駒(v) && s.手番 == s.手番_COM);
    }

    // Every board move of the side to move that does not take a king.
    static std::vector<std::array<int, 4>> 指せる手(const 状態& s) {
        std::vector<std::array<int, 4>> 手;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int v = s.盤[x][y];
                if (!自駒(s, v)) continue;
                for (int x2 = 1; x2 <= 9; ++x2)
                    for (int y2 = 1; y2 <= 9; ++y2) {
                        const int t = s.盤[x2][y2];
                        if (自駒(s, t) || 王(t)) continue;
                        if (移動チェック(s, x, y, x2, y2, v) == 真) 手.push_back({x, y, x2, y2});
                    }
            }
        return 手;
    }

    // One ply, with the window's pending paints done; true when it was made.
    bool 一手() {
        状態& s = w.状態参照();
        const auto 手 = 指せる手(s);
        if (手.empty()) return false;
        種 = 種 * 1664525u + 1013904223u;
        const auto& m = 手[(種 >> 8) % 手.size()];
        const int 前 = s.棋譜手数;
        押す(m[0], m[1]);
        押す(m[2], m[3]);
        QApplication::processEvents();
        return s.棋譜手数 == 前 + 1;
    }
};
