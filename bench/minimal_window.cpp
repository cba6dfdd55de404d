// The yardstick for the game's start-up: the least a Qt Widgets program does
// to put a window of the game's size on screen. One QLabel with a title and
// no text, so nothing is measured before it is shown. bench/startup.sh
// compares the game against it.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Nomilo"));
    window.setWindowTitle(QStringLiteral("Nomilo yardstick"));
    window.resize(NOMILO_WINDOW_WIDTH, NOMILO_WINDOW_HEIGHT);
    window.show();
    return QApplication::exec();
}
