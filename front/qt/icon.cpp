// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/icon.h"

#include <QPainter>
#include <QPainterPath>

#include "view/state.h"
#include "front/qt/pictures.h"

QImage アイコン画像(int 辺) {
    if (辺 < 1 || 辺 > 1024) return {};
    // The piece picture is a 41-pixel cell; drawn at 辺 / 41 it fills the icon.
    const QImage 駒 = 絵を作る(MAN_王2, 辺 / 41.0);
    QImage img(辺, 辺, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Small icons keep sharper corners so that the square still reads.
    const double 角 = 辺 * (辺 <= 24 ? 0.12 : 0.18);
    QPainterPath 枠;
    枠.addRoundedRect(QRectF(0, 0, 辺, 辺), 角, 角);
    p.setClipPath(枠);
    p.drawImage(QRectF(0, 0, 辺, 辺), 駒, QRectF(0, 0, 駒.width(), 駒.height()));
    return img;
}

QIcon アイコン() {
    QIcon icon;
    for (int 辺 : アイコンの大きさ) icon.addPixmap(QPixmap::fromImage(アイコン画像(辺)));
    return icon;
}
