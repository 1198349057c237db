// Vezuvire: shogi in which every piece faces a direction and turns a
// quarter turn whenever it lands on an empty square.
//
// The game keeps its settings file and finds its sounds in the working
// directory, and the record panel opens there; the installed launcher
// (dist/vezuvire.sh.in) starts it in the player's own folder.
//
// One switch exists for the tests of the installed game only, read here and
// nowhere else: VEZUVIRE_QUIT_AFTER_MS=n closes the window n milliseconds
// after start-up, by the same road as the window's close box, so that the
// game ends the way a player ends it.
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "front/qt/icon.h"
#include "front/qt/window.h"

// The application's reverse-domain name, set with the install rules
// (cmake/install.cmake): the desktop entry and the icon carry it.
#ifndef VZ_APP_ID
#error "VZ_APP_ID is set by the build"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vezuvire");
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(VZ_APP_ID);
    // The window keeps the game in progress in the working directory and
    // offers it back at the next start, asking over the board once the
    // window is on the screen.
    窓 w(false);
    // The language and the pieces' labels as the player left them (or, the
    // first time, the system's language), before the first text appears.
    w.好み設定を読む();
    w.起動だけ();
    w.setWindowIcon(アイコン());
    w.show();
    QTimer::singleShot(0, &w, [&w] { w.自動保存を始める(); });
    if (const char* 待ち = std::getenv("VEZUVIRE_QUIT_AFTER_MS")) {
        char* 末尾 = nullptr;
        const long ms = std::strtol(待ち, &末尾, 10);
        if (末尾 != 待ち && *末尾 == '\0' && ms >= 0 && ms <= 600000)
            QTimer::singleShot(static_cast<int>(ms), &w, &QWidget::close);
    }
    const int 結果 = app.exec();
    // However the loop came to an end (the session ending, the window
    // destroyed by others), the game ends as closing the window ends it.
    if (!w.終わった()) w.close();
    return 結果;
}
