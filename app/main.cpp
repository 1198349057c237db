// Vezuvire: shogi in which every piece faces a direction and turns a
// quarter turn whenever it lands on an empty square.
#include <QApplication>

#include "ui/qt/window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vezuvire");
    窓 w;
    w.show();
    return app.exec();
}
