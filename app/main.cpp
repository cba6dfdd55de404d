#include "Release.h"
#include "data/DataFiles.h"
#include "engine/ClockRandom.h"
#include "ui/AccessibleRoles.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

// The options QApplication takes off the command line itself (Qt 6.4 with the
// xcb platform), known here so that the command line is checked before any
// display is needed: --help must work on a text console too. First those that
// take a value, then those that take none.
constexpr char kQtValueOptions[] = "platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
                                   "qwindowicon icon qwindowtitle title session style stylesheet display name "
                                   "visual qmljsdebugger";
constexpr char kQtFlagOptions[] = "reverse testability widgetcount nograb dograb";

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Answers --help, --version and a wrong command line, with no window and no
// display. Returns the exit status then, and nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are words after a single dash, like -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Guess football players' names letter by letter, against the clock.\n"
                       "Qt's own options, such as -platform or -style, are taken too. See nomilo(6)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the name and version and exit."));
    parser.addOptions({help, version});
    auto addQtOptions = [&parser](const char *names, const QString &valueName) {
        for (const QString &name : QString::fromLatin1(names).split(u' ')) {
            QCommandLineOption option(name, QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    addQtOptions(kQtValueOptions, QStringLiteral("value"));
    addQtOptions(kQtFlagOptions, QString());

    if (!parser.parse(arguments)) {
        const QString program = QFileInfo(arguments.value(0)).fileName();
        print(stderr,
              QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was started.
        const QCoreApplication console(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(
            stdout,
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // The application name is the title of every box that gives none, and
    // X11's window class, which the desktop entry's StartupWMClass names. The
    // display name stays unset: Qt would append it to the window's title.
    QCoreApplication::setApplicationName(QString::fromUtf8(release::kName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(release::kVersion));
    // Wayland's app id, matching the desktop entry's name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(release::kAppId));
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    Translations translations;
    translations.use(QLocale());
    installAccessibleRoles();
    ClockRandom random;
    MainWindow window(locateDataFiles(QCoreApplication::applicationDirPath()), random);
    QObject::connect(&window, &MainWindow::ended, &app, [](int status) { QCoreApplication::exit(status); });
    window.show();
    return QApplication::exec();
}
