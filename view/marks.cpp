// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/marks.h"

#include "core/rules.h"

最終手 最終手を調べる(const 状態& s) {
    最終手 m;
    const int n = s.棋譜手数;
    if (n < 1 || n > 履歴最大 || n - 1 > s.棋譜最終手数) return m;
    const auto& 前 = s.記録[n - 1].面.盤;
    int 空いた = 0, 置いた = 0;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            if (前[c][r] == s.盤[c][r]) continue;
            if (s.盤[c][r] == 空 && 前[c][r] != 空) {
                if (空いた++ == 0) m.元列 = c, m.元行 = r;
            } else if (s.盤[c][r] != 空) {
                if (置いた++ == 0) m.先列 = c, m.先行 = r;
            } else {
                return m;
            }
        }
    if (置いた != 1 || 空いた > 1) return m;
    if (空いた == 1) {
        m.ある = true;
        return m;
    }
    // A drop: the hand it came from holds one piece of some kind fewer.
    const int 駒 = s.盤[m.先列][m.先行];
    for (int k = 1; k <= 7; ++k) {
        if (MANの駒(駒) && s.記録[n - 1].面.持駒_MAN[k] == s.持駒_MAN[k] + 1) {
            m.元列 = 持駒列_MAN;
            m.元行 = 持駒行_MAN(k);
        } else if (COMの駒(駒) && s.記録[n - 1].面.持駒_COM[k] == s.持駒_COM[k] + 1) {
            m.元列 = 持駒列_COM;
            m.元行 = 持駒行_COM(k);
        } else {
            continue;
        }
        m.ある = m.打 = true;
        return m;
    }
    return m;
}

std::vector<盤の印> 盤の印一覧(const 状態& s) {
    using 種類 = 盤の印::種類;
    std::vector<盤の印> v;
    const 表示状態& d = s.表示;
    if (d.回転印)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if (s.桝色[c][r] == 桝色_緑) v.push_back({種類::右回り, c, r, 色_黒, true});
                else if (s.桝色[c][r] == 桝色_水) v.push_back({種類::左回り, c, r, 色_黒, true});
            }
    if (d.最終手表示 && s.手番 != 手番_なし) {
        const 最終手 m = 最終手を調べる(s);
        if (m.ある) {
            v.push_back({種類::枠, m.元列, m.元行, 色_最終手, true});
            v.push_back({種類::枠, m.先列, m.先行, 色_最終手, true});
        }
    }
    if (d.手番印 && s.手番 != 手番_なし && s.勝者 == 手番_なし) {
        if (s.手番 == s.手番_MAN) v.push_back({種類::手番, 手番印列_MAN, 手番印行_MAN, 色_黄, true});
        else if (s.手番 == s.手番_COM) v.push_back({種類::手番, 手番印列_COM, 手番印行_COM, 色_黄, false});
    }
    if (d.太い枠 && s.操作.選択状態 == 1 && !d.断り中 && s.手番 != 手番_なし) {
        // The piece the side to move picked up, in the red of its own
        // outline; a piece only looked at keeps the thin one.
        const 操作状態& o = s.操作;
        const bool 手番の手 = o.選択元X >= 1 && o.選択元X <= 9
                                  ? (MANの駒(o.選択駒) && s.手番 == s.手番_MAN) || (COMの駒(o.選択駒) && s.手番 == s.手番_COM)
                                  : (o.選択元X == 持駒列_MAN && s.手番 == s.手番_MAN) ||
                                        (o.選択元X == 持駒列_COM && s.手番 == s.手番_COM);
        if (手番の手) v.push_back({種類::枠, o.選択元X, o.選択元Y, 色_赤, true});
    }
    if (d.太い枠 && d.ヒント中) {
        v.push_back({種類::枠, d.ヒント元列, d.ヒント元行, 色_黄, true});
        v.push_back({種類::枠, d.ヒント先列, d.ヒント先行, 色_黄, true});
    }
    if (d.断り中) {
        // Everywhere the selected piece may go, then the refused square.
        const 操作状態& o = s.操作;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (移動チェック(s, o.選択元X, o.選択元Y, c, r, o.選択駒) == 真)
                    v.push_back({種類::枠, c, r, 色_白, true});
        v.push_back({種類::枠, d.断り列, d.断り行, 色_赤, true});
    }
    return v;
}
