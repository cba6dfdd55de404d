// The yardstick for the game's start-up: the least a Qt Widgets program does
// to put one window on screen. bench/startup.sh compares the game against it.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Nomilo start-up yardstick"));
    window.setWindowTitle(QStringLiteral("Nomilo minimal window"));
    window.show();
    return QApplication::exec();
}
