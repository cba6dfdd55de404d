#include "data/DataFiles.h"
#include "engine/RandomSource.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application name is the title of every box that gives none. The
    // display name stays unset: Qt would append it to the window's title.
    QApplication::setApplicationName(Game::kAppTitle);

    ClockRandom random;
    Form1 window(locateDataFiles(QCoreApplication::applicationDirPath()), random);
    QObject::connect(&window, &Form1::ended, &app, [](int status) { QCoreApplication::exit(status); });
    window.show();
    return QApplication::exec();
}
