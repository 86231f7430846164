// Saves a picture of the whole X screen, for looking at the program's windows
// while it runs under Xvfb:
//   screengrab out.png [delay-ms]
// Run it on the same DISPLAY as the program.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screengrab out.png [delay-ms]\n");
        return 2;
    }
    if (argc > 2)
        QThread::msleep(static_cast<unsigned long>(QString::fromLocal8Bit(argv[2]).toInt()));
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not grab the screen\n");
        return 1;
    }
    return 0;
}
