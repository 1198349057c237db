// SPDX-License-Identifier: GPL-3.0-or-later
// vz_icongen <folder> <name> <size>...: draws the game's icon into an
// icon-theme tree, <folder>/<N>x<N>/apps/<name>.png for every size given,
// and <folder>/scalable/apps/<name>.svg for the size "scalable".
// The picture is the one the window shows (front/qt/icon.cpp); drawing text
// needs a GUI application, so the tool runs one on the off-screen platform.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "front/qt/icon.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: vz_icongen FOLDER NAME SIZE...\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    const QString 出力先 = QString::fromLocal8Bit(argv[1]);
    const QString 名前 = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "scalable") == 0) {
            // drawn on a 256-unit square, the size of the largest picture
            const QByteArray svg = アイコンSVG(256);
            const QString dir = 出力先 + "/scalable/apps";
            const QString file = dir + "/" + 名前 + ".svg";
            QFile f(file);
            if (svg.isEmpty() || !QDir().mkpath(dir) || !f.open(QIODevice::WriteOnly) || f.write(svg) != svg.size() ||
                !f.flush()) {
                std::fprintf(stderr, "vz_icongen: cannot write the scalable icon %s\n", qPrintable(file));
                return 1;
            }
            continue;
        }
        const int 辺 = std::atoi(argv[i]);
        const QImage img = アイコン画像(辺);
        const QString dir = 出力先 + QString("/%1x%1/apps").arg(辺);
        const QString file = dir + "/" + 名前 + ".png";
        if (img.isNull() || !QDir().mkpath(dir) || !img.save(file, "PNG")) {
            std::fprintf(stderr, "vz_icongen: cannot draw a %s-pixel icon into %s\n", argv[i], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
