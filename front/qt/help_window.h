// SPDX-License-Identifier: GPL-3.0-or-later
// "遊び方": a window of its own that teaches the game — the board and its
// two square colours, every piece in its four facings with the squares it
// reaches, drops, promotion, winning, stepping back and forth, the handicap
// ladder, records, options and keys.  The rule pictures are worked out by the
// game's own rules (view/help_diagrams.h) and drawn with the game's own
// pictures at the screen's pixel ratio.  It does not stop the game: both
// windows stay usable, and Esc or "閉じる" close this one only.  It never
// reaches past the screen it opens on: the text scrolls inside it.
#pragma once

#include <QImage>
#include <QWidget>

class QScrollArea;
class QPushButton;

class 遊び方窓 : public QWidget {
public:
    explicit 遊び方窓(QWidget* 親 = nullptr);

    // The whole text and its pictures (not only the part scrolled into
    // view), rendered for 倍率 device pixels per logical pixel.
    QImage 画像(double 倍率) const;
    QWidget* 本文() const { return 本文_; }
    QScrollArea* 巻物() const { return 巻物_; }
    QPushButton* 閉じるボタン() const { return 閉じる_; }

    // Side of one square of the rule pictures, in logical pixels.
    static constexpr int 桝 = 30;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // Each time it opens, the window is fitted into the screen it opens on.
    void showEvent(QShowEvent* e) override;

private:
    QWidget* 本文_ = nullptr;
    QScrollArea* 巻物_ = nullptr;
    QPushButton* 閉じる_ = nullptr;
};

// The window's texts, in the order they appear (headings and paragraphs).
QStringList 遊び方の文();
