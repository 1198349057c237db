// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/window_thinking.h"

#include <QMetaObject>

窓の思考::窓の思考(QObject* 相手先, std::function<void(const 深い探索の結果&)> 答え)
    : 相手先_(相手先), 答え_(std::move(答え)) {}

窓の思考::~窓の思考() { 止める(); }

void 窓の思考::始める(const 対局& g, const 探索設定& 設定) {
    止める();
    探索設定 s = 設定;
    if (設定の手直し) 設定の手直し(s);
    止め_ = false;
    考え中_ = true;
    const unsigned 番 = ++番_;
    糸_ = std::thread([this, g, s, 番] {
        const 深い探索の結果 r = 探索_.探す(g, s, 止め_);
        // Back on the window's thread; a search stopped meanwhile (or
        // followed by another) answers nothing.
        QMetaObject::invokeMethod(
            相手先_,
            [this, r, 番] {
                if (番 != 番_ || !考え中_) return;
                if (糸_.joinable()) 糸_.join();
                考え中_ = false;
                答え_(r);
            },
            Qt::QueuedConnection);
    });
}

void 窓の思考::止める() {
    止め_ = true;
    if (糸_.joinable()) 糸_.join();
    考え中_ = false;
}
