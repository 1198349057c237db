// SPDX-License-Identifier: GPL-3.0-or-later
// Vezuvire: shogi in which every piece faces a direction and turns a
// quarter turn whenever it lands on an empty square.
//
// The game keeps its settings file and finds its sounds in the working
// directory, and the record panel opens there; the installed launcher
// (dist/vezuvire.sh.in) starts it in the player's own folder.
//
//   vezuvire [QT-OPTIONS] [RECORD]   the window; RECORD (a ".棋譜" file, as
//                                    the file manager hands it over) is
//                                    loaded as "棋譜" → "読込" loads it
//   vezuvire --help | --version
//   vezuvire --show-message TEXT     only the launcher's message box, for a
//                                    launcher that cannot start the game
//
// One switch exists for the tests of the installed game only, read here and
// nowhere else: VEZUVIRE_QUIT_AFTER_MS=n closes the window (or the
// launcher's message box) n milliseconds after start-up, by the same road
// as the window's close box, so that the game ends the way a player ends it.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "front/qt/icon.h"
#include "front/qt/window.h"

// The application's reverse-domain name and the window class, set with the
// install rules (cmake/install.cmake): the desktop entry and the icon carry
// the one, the desktop entry's StartupWMClass the other.
#ifndef VZ_APP_ID
#error "VZ_APP_ID is set by the build"
#endif
#ifndef VZ_WM_CLASS
#error "VZ_WM_CLASS is set by the build"
#endif

namespace {

void 使い方(std::ostream& o) {
    o << "usage: vezuvire [QT-OPTIONS] [RECORD]\n"
         "\n"
         "Opens the game window.  RECORD, a game record file (.棋譜), is loaded\n"
         "for replay as the record menu's 読込 loads it; a file that cannot be\n"
         "read is reported and the game starts as usual.\n"
         "\n"
         "The game keeps its settings (Vezuvire.ini), its sounds and the game in\n"
         "progress in its working directory; the launcher starts it in\n"
         "$XDG_DATA_HOME/vezuvire (~/.local/share/vezuvire by default).\n"
         "Qt's own options, such as -platform, are passed on to the window system.\n"
         "\n"
         "  --help      this text\n"
         "  --version   the version and its release date\n";
}

// Prints with 書く on standard output: 0, or 1 when it cannot be written.
template <class F>
int 出力(F 書く) {
    書く(std::cout);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vezuvire: cannot write the output\n";
        return 1;
    }
    return 0;
}

// Closes 相手 after VEZUVIRE_QUIT_AFTER_MS milliseconds, when that is set.
void 試験の終わり(QWidget* 相手) {
    const char* 待ち = std::getenv("VEZUVIRE_QUIT_AFTER_MS");
    if (!待ち) return;
    char* 末尾 = nullptr;
    const long ms = std::strtol(待ち, &末尾, 10);
    if (末尾 != 待ち && *末尾 == '\0' && ms >= 0 && ms <= 600000)
        QTimer::singleShot(static_cast<int>(ms), 相手, &QWidget::close);
}

}  // namespace

int main(int argc, char** argv) {
    // Asked before the window system is reached, so that they work anywhere.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return 出力(使い方);
        if (std::strcmp(argv[i], "--version") == 0)
            return 出力([](std::ostream& o) { o << "vezuvire " VZ_VERSION " (" VZ_RELEASE_DATE ")\n"; });
    }

    QApplication app(argc, argv);  // takes Qt's own options out of argv
    QApplication::setApplicationName(VZ_WM_CLASS);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(VZ_APP_ID);

    if (argc == 3 && std::strcmp(argv[1], "--show-message") == 0) {
        QMessageBox box(QMessageBox::Critical, "Vezuvire", QString::fromLocal8Bit(argv[2]), QMessageBox::Ok);
        box.setWindowIcon(アイコン());
        試験の終わり(&box);
        box.exec();
        return 0;
    }
    std::string 棋譜;
    if (argc == 2 && argv[1][0] != '-' && argv[1][0] != '\0') {
        棋譜 = argv[1];
    } else if (argc != 1) {
        std::cerr << "vezuvire: unknown argument '" << argv[1] << "'\n";
        使い方(std::cerr);
        return 2;
    }

    // The window keeps the game in progress in the working directory and
    // offers it back at the next start, asking over the board once the
    // window is on the screen; a record given on the command line comes
    // after that question.
    窓 w(false);
    // The language and the pieces' labels as the player left them (or, the
    // first time, the system's language), before the first text appears.
    w.好み設定を読む();
    w.起動だけ();
    w.setWindowIcon(アイコン());
    w.show();
    QTimer::singleShot(0, &w, [&w, 棋譜] {
        w.自動保存を始める();
        if (!棋譜.empty()) w.棋譜を開く(棋譜);
    });
    試験の終わり(&w);
    const int 結果 = app.exec();
    // However the loop came to an end (the session ending, the window
    // destroyed by others), the game ends as closing the window ends it.
    if (!w.終わった()) w.close();
    return 結果;
}
