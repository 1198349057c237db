// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/window_thinking.h"

#include <QMetaObject>

窓の思考::窓の思考(QObject* 相手先, std::function<std::optional<bool>()> 待たせる, std::function<void()> 済んだ)
    : 相手先_(相手先), 待たせる_(std::move(待たせる)), 済んだ_(std::move(済んだ)) {}

窓の思考::~窓の思考() { 止める(); }

bool 窓の思考::任せる(const 考える仕事& 仕事) {
    止める();
    止め_ = false;
    考え中_ = true;
    const unsigned 番 = ++番_;
    糸_ = std::thread([this, 仕事, 番] {
        仕事(止め_);
        // Back on the window's thread; thinking stopped meanwhile (or
        // followed by another) answers nothing.
        QMetaObject::invokeMethod(
            相手先_,
            [this, 番] {
                if (番 != 番_ || !考え中_) return;
                if (糸_.joinable()) 糸_.join();
                考え中_ = false;
                済んだ_();
            },
            Qt::QueuedConnection);
    });
    if (const std::optional<bool> 続けた = 待たせる_()) return *続けた;
    // Nobody to stop: the answer is waited for here.
    if (糸_.joinable()) 糸_.join();
    考え中_ = false;
    return true;
}

void 窓の思考::止める() {
    止め_ = true;
    if (糸_.joinable()) 糸_.join();
    考え中_ = false;
}
