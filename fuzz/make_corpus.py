#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed files of the fuzz targets into fuzz/corpus/<target>/.

Run from the repository root: python3 fuzz/make_corpus.py
The files are committed; run this again only to change them.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def sjis(t):
    return t.encode("cp932")


def start_position():
    """Board [x][y] of a plausible opening: the top side faces down (0), the
    bottom side up (2)."""
    b = [[0] * 10 for _ in range(10)]
    back = [2, 3, 4, 5, 8, 5, 4, 3, 2]
    for x in range(1, 10):
        b[x][1] = back[x - 1] * 100
        b[x][3] = 100
        b[x][7] = -102
        b[x][9] = -(back[x - 1] * 100 + 2)
    b[2][2], b[8][2] = 700, 600
    b[2][8], b[8][8] = -602, -702
    return b


def move_line(board, hands="00000000000000", clocks=(0, 0, 0, 0)):
    s = "".join("%4d" % board[x][y] for x in range(1, 10) for y in range(1, 10))
    s += hands
    s += "".join("%5d" % c for c in clocks)
    assert len(s) == 358
    return s.encode("ascii")


def write(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def records():
    crlf = b"\r\n"
    head = sjis("練習対局") + crlf + sjis("コンピュータ") + crlf + sjis("ﾀﾛｳ") + crlf
    b = start_position()
    lines = [move_line(b, clocks=(0, 0, 0, 0))]
    b[5][7], b[5][6] = 0, -101  # a pawn steps forward and turns
    lines.append(move_line(b, clocks=(0, 3, 3, 3)))
    b[5][3], b[5][4] = 0, 103
    lines.append(move_line(b, "1A0000000000I0", clocks=(3, 7, 1234, 12345)))
    seeds = {
        # an ordinary short game
        "start": head + crlf.join(lines) + crlf,
        # every line ended CR CR LF, as some editors save it
        "cr_cr_lf": head.replace(crlf, b"\r" + crlf) + (b"\r" + crlf).join(lines) + b"\r" + crlf,
        # damaged fields: a facing-4 king, a hand that is no count, a negative clock
        "damaged": head + lines[0] + crlf + lines[1][:4] + b"-804" + lines[1][8:324] + b"x" +
                   lines[1][325:338] + b"  -12" + lines[1][343:] + crlf + lines[2][:200] + crlf,
        # the third position has lost the bottom king
        "kingless": head + lines[0] + crlf + lines[1] + crlf + lines[2].replace(b"-802", b"   0") + crlf + lines[0] + crlf,
        # 501 short move lines (each only the two kings, the rest missing): one too many
        "over_500": b"\n\n\n" + b"".join(b" 800-802\n" for _ in range(501)),
        # exactly 500 of them, then an empty line
        "500_and_empty": b"\n\n\n" + b"".join(b" 800-802\r\n" for _ in range(500)) + crlf,
        # blank move lines (empty, spaces, a tab, a CR run before LF) between
        # and after the positions; none of them is a position
        "blank_lines": head + lines[0] + crlf + crlf + b"   " + crlf + b"\t \r\r\n" + lines[1] + b"\n\n" +
                       lines[2] + b"\r\r\r\n" + b" " * 400 + b"9" + crlf,
        # bare CRs around an empty header line, then CR CR LF ends
        "bare_cr": sjis("対局") + b"\r\r" + sjis("下") + b"\r\r\n" + lines[0] + b"\r\r\n" + lines[1] + b"\r",
        # the file cut off in the middle of the board of its third position
        "cut_short": head + lines[0] + crlf + lines[1] + crlf + lines[2][:150],
        # a kingless third position in a file of 502 move lines: both the cut
        # and the over-limit flag
        "over_500_kingless": b"\n\n\n" + b" 800-802\n" * 2 + b" 800   0\n" + b" 800-802\n" * 499,
        # (as a file-name box) blanks of all three kinds at both ends
        "name_blanks": " \t\u3000棋譜\u3000名 \u3000\t\u3000".encode("utf-8"),
        # headers that are not Shift_JIS, LF and lone CR line ends
        "bad_headers": b"\x82\xa0\x82\xff\x85\x40ok\n\x81\r\xa0\xfd\xfe\xff\n" + lines[0] + b"\r",
    }
    # A last byte that is no line end makes the saving target plant a value
    # into the log first: "0" a hand above 18, "1" a negative hand, "2" a
    # number that is no piece code, "3" a clock out of range.
    for c in b"0123":
        seeds["plant_" + chr(c)] = seeds["start"] + bytes([c])
    for target in ("record_fuzz", "record_file_fuzz"):
        for name, data in seeds.items():
            write(target, name, data)


def settings():
    def f(*lines, end="\r\n"):
        return b"".join(sjis(l) + end.encode() for l in lines)
    seeds = {
        "defaults": f("背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"),
        "all_other": f("背景画=煉瓦", "移動指導=ON", "経過時間=OFF", "BGM=OFF"),
        "lower_case": f("背景画=宇宙", "移動指導=on", "経過時間=ON", "BGM=off"),
        "unknown_background": f("背景画=青", "移動指導=ON", "経過時間=ON", "BGM=ON"),
        "two_lines": f("背景画=竹", "移動指導=ON"),
        "lf_only": f("背景画=畳", "移動指導=ON", "経過時間=OFF", "BGM=ON", end="\n"),
        "cr_only": f("背景画=畳", "移動指導=ON", "経過時間=OFF", "BGM=ON", end="\r"),
        "not_sjis": f("背景画=竹", "移動指導=ON") + b"\x85\x40\r\nBGM=OFF\r\n",
        "too_big": f("背景画=竹", "移動指導=ON", "経過時間=OFF", "BGM=OFF") + b" " * 4100,
    }
    for name, data in seeds.items():
        write("settings_fuzz", name, data)


# The computer's tables in the order the autosave writer lists them
# (store/autosave.cpp).
COM_TABLES = ["勢MAN", "勢COM", "弱MAN駒", "弱MAN_X", "弱MAN_Y", "弱COM駒", "弱COM_X", "弱COM_Y", "弱COM攻駒",
              "弱COM攻_X", "弱COM攻_Y", "守MAN駒", "王手COM", "盤_保存", "勢MAN_保存", "勢COM_保存",
              "弱COM攻_X_保存", "弱COM攻_Y_保存", "移動不可駒", "持角狙座標_MAN"]
COM_VALUES = ["王X_COM", "王Y_COM", "逃道数_MAN王", "移動元王距離", "候補駒", "最高点", "移動不可あり"]


def autosave_file(slots, clock="0", hands=(0,) * 7, level=3, table_value=0):
    """An autosave of a game at its start, its log holding `slots` copies of
    the opening position; clock values are given as the writer writes them."""
    b = start_position()
    board = " ".join(str(b[x][y]) for x in range(1, 10) for y in range(1, 10))
    hand = " ".join(str(h) for h in hands)
    lines = ["Vezuvire autosave 1", "対局種別=1", "レベル=%d" % level, "手番_MAN=1", "手番_COM=-1", "手番=1",
             "手数=%d" % (slots - 1), "棋譜手数=%d" % (slots - 1), "棋譜最終手数=%d" % (slots - 1),
             "棋譜モード=0", "ハンデ設定中=0", "ハンデレベル=0", "再開待ち=0",
             "所有時間_MAN=" + clock, "所有時間_COM=0", "経過秒=0", "王X_MAN=5", "王Y_MAN=9",
             "盤=" + board, "持駒_MAN=" + hand, "持駒_COM=0 0 0 0 0 0 0"]
    for n in range(slots):
        lines.append("履歴=%d %s %s 0 0 0 %s 0 0" % (n, board, " ".join(["0"] * 14), clock))
    for t in COM_TABLES:
        lines.append("COM.%s=%s" % (t, " ".join([str(table_value)] * 100)))
    for v in COM_VALUES:
        lines.append("COM.%s=%d" % (v, table_value))
    lines.append("終わり")
    return "".join(l + "\n" for l in lines).encode("utf-8")


def version_4(b):
    """The same game as the file the present writer writes: the human king's
    square with the computer's memory, which comes under its own version."""
    b = b.replace(b"autosave 1", b"autosave 4", 1).replace(b"\n\xe7\x8e\x8bX_MAN=5\n\xe7\x8e\x8bY_MAN=9\n", b"\n", 1)
    i = b.find(b"\nCOM.") + 1
    b = b[:i] + b"COM=1\n" + b[i:]
    end = "終わり\n".encode()
    return b[: -len(end)] + "COM.王X_MAN=5\nCOM.王Y_MAN=9\n".encode() + end


def autosaves():
    start = autosave_file(1)
    seeds = {
        "start": start,
        "three_slots": autosave_file(3, clock="12.5", hands=(18, 4, 4, 4, 4, 2, 2), level=1, table_value=-7),
        "future_version": start.replace(b"autosave 1", b"autosave 2", 1),
        "version_4": version_4(start),
        "version_5": version_4(start).replace(b"autosave 4", b"autosave 5", 1),
        "other_memory": version_4(start).replace(b"\nCOM=1\n", b"\nCOM=2\n", 1),
        "cut_short": start[: len(start) // 2],
        "crlf": start.replace(b"\n", b"\r\n"),
        "no_end": start[: start.rfind("終わり".encode())],
    }
    for name, data in seeds.items():
        write("autosave_fuzz", name, data)


if __name__ == "__main__":
    records()
    settings()
    autosaves()
