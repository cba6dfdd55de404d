// The main window as the player meets it: its look, compared picture by
// picture with committed references, and its keys and boxes, driven by
// synthesised key events and judged by what shows or what is saved.

#include "GameFixture.h"
#include "Release.h"
#include "ui/AccessibleRoles.h"
#include "ui/Countries.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/Spoken.h"
#include "ui/Translations.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The game's catalogues, as the program installs them.
Translations translations;

struct WindowTest : GameFixture {
    void open(const QString &scores = "40 30 20 10 5", const QString &origin = "Testland")
    {
        writePlayers({origin + ":Anna", "Denmark:Kristoffer Christensen Andersen", "Denmark:Kristoffer Andersen"});
        writeScores("Ann Ben Cy Di Ed", scores);
        window = std::make_unique<MainWindow>(files(), random);
        QObject::connect(window.get(), &MainWindow::ended, [this](int status) { endings.push_back(status); });
        window->show();
        QCoreApplication::processEvents();
    }
    const GameWidgets &w() const { return window->widgets(); }
    // The counters and the last place as they show, each with what a screen
    // reader's flat review reads from it.
    QString counters() const
    {
        QStringList shown;
        for (QLabel *label : {w().lives, w().score, w().secondsLeft, w().highScoreNames[4], w().highScorePoints[4]})
            shown << label->text() + " (" + label->accessibleName() + ')';
        return shown.join(", ");
    }
    void key(QEvent::Type type, int key, const QString &text = {}, bool repeat = false, QWidget *to = nullptr,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(type, key, modifiers, text, repeat);
        QApplication::sendEvent(to ? to : w().letterBox, &event);
    }
    void typeAndEnter(const QString &letter, int times = 1)
    {
        while (times-- > 0)
            key(QEvent::KeyPress, Qt::Key_unknown, letter), key(QEvent::KeyPress, Qt::Key_Return);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(w().clock, "timeout");
    }
    // Lets the window's short timers run out.
    static void settle(int milliseconds = 200) { QTest::qWait(milliseconds); }
    // Runs `act` in the next modal box, once it is open: the first event
    // loop to run after this is the box's own.
    template <typename Box>
    static void inNextBox(std::function<void(Box *)> act)
    {
        QTimer::singleShot(50, [act] { act(qobject_cast<Box *>(QApplication::activeModalWidget())); });
    }

    // How the window, as drawn now, differs from tests/reference/<release>/<name>.png
    // and, for the layout, from tests/reference/layout.txt: nothing when it
    // looks as designed. Within one release the drawing is exact, so every
    // pixel must match; between releases only the edges of glyphs differ (other
    // font files, another rasteriser), hence a set of pictures for each. The
    // layout catches what no pixel shows, such as a label grown under its
    // neighbour. On a difference, <name>-difference.png in the working folder
    // shows where, unless told not to.
    QString differenceFrom(const QString &name, bool showWhere = true)
    {
        const QString references = QStringLiteral(NOMILO_SOURCE_DIR "/tests/reference/");
        const QString picture
            = references + QSysInfo::productType() + u'-' + QSysInfo::productVersion() + u'/' + name + ".png";
        // Every widget's place and size (none is a window, whose place would
        // include a frame).
        QString layout;
        for (const QWidget *widget : window->findChildren<QWidget *>())
            layout += QString::asprintf("%s %s %d,%d %dx%d\n", widget->metaObject()->className(),
                                        qUtf8Printable(widget->objectName()), widget->x(), widget->y(), widget->width(),
                                        widget->height());
        const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("NOMILO_UPDATE_REFERENCES")) {
            QDir().mkpath(QFileInfo(picture).path());
            QFile file(references + "layout.txt");
            actual.save(picture) && file.open(QIODevice::WriteOnly) && file.write(layout.toUtf8());
        }
        QFile layoutFile(references + "layout.txt");
        if (!layoutFile.open(QIODevice::ReadOnly) || layout != QString::fromUtf8(layoutFile.readAll()))
            return "the layout differs from tests/reference/layout.txt:\n" + layout;
        const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
        if (actual.size() != expected.size())
            return picture + ": missing, or another size (tools/update-references makes it)";
        if (actual == expected)
            return {};
        QImage diff = actual; // black where the pictures agree
        QPainter painter(&diff);
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.drawImage(0, 0, expected);
        painter.end();
        if (showWhere)
            diff.save(name + "-difference.png");
        return picture + ": the window differs from it";
    }

    PlannedRandom random;
    std::unique_ptr<MainWindow> window;
    std::vector<int> endings; // exit statuses the window asked for
};

TEST_F(WindowTest, LooksAsDesignedFromTheStartToTheTimeUpAndWithALongName)
{
    random.picks = {0, 1, 2};
    open();
    EXPECT_EQ(window->windowTitle() + (window->minimumSize() == window->maximumSize() ? " fixed" : ""),
              "Nomilo v1.05  [03-06-27] fixed");
    EXPECT_LE((window->geometry().center() - window->screen()->availableGeometry().center()).manhattanLength(), 8);
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>({{32, 32}, {48, 48}, {64, 64}})) << "the trophy";
    EXPECT_EQ(differenceFrom("start"), "");
    key(QEvent::KeyPress, Qt::Key_Tab); // the keyboard's way to the button
    EXPECT_EQ(differenceFrom("focused-button"), "");
    typeAndEnter("a");
    EXPECT_EQ(counters(), "10 (10 lives), 1 (score 1), 100 (100 seconds left), Ed (place 5, Ed), 5 (5 points)");
    key(QEvent::KeyPress, Qt::Key_A, "A");
    EXPECT_EQ(differenceFrom("repeated-letter"), "");
    key(QEvent::KeyPress, Qt::Key_Backspace);
    ticks(95);
    EXPECT_EQ(differenceFrom("last-five-seconds"), "");
    EXPECT_EQ(counters(), "10 (10 lives), 1 (score 1), 5 (5 seconds left), Ed (place 5, Ed), 5 (5 points)");
    ticks(5);
    EXPECT_EQ(differenceFrom("time-up"), "");
    // Anna found, a name too long for two lines shows whole in smaller letters, for itself alone.
    inNextBox<QMessageBox>([](QMessageBox *box) { box->accept(); });
    for (const char *letter : {"n", "k", "r", "i", "s", "t", "o", "f", "e", "c", "h", "a", "n"})
        typeAndEnter(letter);
    ticks(1);
    EXPECT_EQ(differenceFrom("long-name"), "");
    // The next name, two lines that fit, is back at the normal size.
    inNextBox<QMessageBox>([](QMessageBox *box) { box->accept(); });
    typeAndEnter("d");
    EXPECT_EQ(w().maskedName->text() + w().maskedName->font().toString(),
              ".......... ........" + fonts::maskedName().toString());
    window->close();
    EXPECT_EQ(endings, std::vector<int>({0})) << "closing the window ends the program";
}

// The comparison above is trusted because it fails on each kind of fault a
// player could see, made in a real window and drawn again.
TEST_F(WindowTest, TheLookComparisonCatchesAPixelAColourAWordAndAFontSize)
{
    const std::vector<std::pair<const char *, std::function<void()>>> faults = {
        {"a name label a pixel wider, under its neighbour",
         [&] { w().highScoreNames[0]->resize(w().highScoreNames[0]->size() + QSize(1, 0)); }},
        {"the button a pixel lower", [&] { w().guessButton->move(w().guessButton->pos() + QPoint(0, 1)); }},
        {"the counters' grey a shade bluer", [&] { setBackground(w().lives, qRgb(224, 224, 225)); }},
        {"a word", [&] { w().origin->setText(w().origin->text().replace("from", "form")); }},
        {"a word missing", [&] { w().origin->setText(w().origin->text().remove(" player")); }},
        {"the counters' letters a pixel smaller",
         [&] {
             QFont font = w().score->font();
             font.setPixelSize(font.pixelSize() - 1);
             w().score->setFont(font);
         }},
    };
    for (const auto &[fault, make] : faults) {
        open();
        make();
        EXPECT_NE(differenceFrom("start", false), "") << fault;
    }
}

TEST_F(WindowTest, KeysWorkAsThePlayerMeansThem)
{
    open();
    w().guessButton->setFocus();
    w().guessButton->click(); // with an empty box: only the focus goes back to it
    EXPECT_EQ(QApplication::focusWidget(), w().letterBox);
    typeAndEnter("a");
    key(QEvent::KeyPress, Qt::Key_Z, "z");
    key(QEvent::KeyPress, Qt::Key_B, "b");
    EXPECT_EQ(w().letterBox->text(), "z") << "the box holds one character";
    key(QEvent::KeyPress, Qt::Key_Return, {}, true);
    key(QEvent::KeyPress, Qt::Key_Enter, {}, true, nullptr, Qt::KeypadModifier);
    key(QEvent::KeyPress, Qt::Key_Return, {}, true, w().guessButton); // on the default button too
    EXPECT_EQ(w().triedLetters->text() + w().lives->text(), "a,10") << "held Enter keys repeat no guess";
    key(QEvent::KeyPress, Qt::Key_Enter, {}, false, nullptr, Qt::KeypadModifier);
    typeAndEnter("\U0001F642");                    // outside the Basic Multilingual Plane
    for (const char *typed : {"e", "\u0301", "b"}) // an accent after its letter is still one letter
        key(QEvent::KeyPress, Qt::Key_unknown, typed);
    key(QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(w().triedLetters->text() + w().lives->text() + w().letterBox->text(), "a,z,\U0001F642,e\u0301,7");
    // Shown again, no new game; the letter box's name for a screen reader;
    // plain text (0), never markup.
    window->hide();
    window->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w().lives->text() + w().letterBox->accessibleName() + QString::number(w().origin->textFormat()),
              "7Letter0");

    // An Escape released just before a box opens is forgotten. The box
    // shows a name from a file never as markup, in the desktop's font; then
    // the next level.
    inNextBox<QMessageBox>([](QMessageBox *box) {
        settle(150);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
        box->accept();
    });
    key(QEvent::KeyPress, Qt::Key_Escape);
    key(QEvent::KeyRelease, Qt::Key_Escape);
    typeAndEnter("n");
    settle();
    EXPECT_EQ(counters(), "9 (9 lives), 4 (score 4), 95 (95 seconds left), Ed (place 5, Ed), 5 (5 points)");

    // Only an Escape pressed and released in the window ends the program: not
    // a release whose press closed a box, then still held there (repeated
    // presses); nor, held down here, releases marked as repeats or not, each
    // followed at once by a press. R: a release, P: a press; lower case: a
    // repeat.
    for (const QByteArray steps : {"RpR", "PrpRP"}) {
        for (const char step : steps)
            key(step == 'R' || step == 'r' ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_Escape, {}, step > 'Z');
        settle();
    }
    EXPECT_TRUE(endings.empty());
    key(QEvent::KeyRelease, Qt::Key_Escape, {}, false, w().guessButton, Qt::ShiftModifier);
    settle();
    ticks(1);
    window->close();
    EXPECT_EQ(endings, std::vector<int>({0})) << "ended once";
    // No event reaches the game once it has ended.
    EXPECT_EQ(w().secondsLeft->text() + (w().clock->isActive() ? " ticking" : " stopped"), "95 stopped");
}

TEST_F(WindowTest, GameOverStopsTheClockAndADamagedFileEndsTheProgramNamingIt)
{
    open("40 30 20 10 0");
    typeAndEnter("a");
    QString inBox;
    inNextBox<QInputDialog>([&](QInputDialog *box) {
        ticks(3);
        inBox = box->windowTitle() + ' ' + w().secondsLeft->text() + (w().clock->isActive() ? " ticking" : " stopped");
        EXPECT_EQ(box->findChild<QLabel *>()->textFormat(), Qt::PlainText);
        box->setTextValue("Zed"); // typed, but cancelled
        box->reject();
    });
    typeAndEnter("z", 10);
    EXPECT_EQ(inBox, "Nomilo 100 stopped") << "no tick reaches the window or the rules while the box is open";
    // The new game, its clock running; the table, as read again from the
    // file, shows that a cancelled name box still took the place.
    EXPECT_EQ(counters() + (w().clock->isActive() ? "" : " stopped"),
              "10 (10 lives), 0 (score 0), 100 (100 seconds left), I'm Stupid (place 5, I'm Stupid), 1 (1 points)");

    inNextBox<QMessageBox>([&](QMessageBox *box) {
        inBox = box->text() + (w().clock->isActive() ? " ticking" : " stopped");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->accept();
    });
    writeFile("database/hscores.txt", "Ann\r\nBen\r\n");
    typeAndEnter("z", 10);
    EXPECT_THAT(inBox.toStdString(), testing::HasSubstr("hscores.txt, line 3: the file ends here"));
    EXPECT_TRUE(inBox.endsWith(" stopped")) << "no tick may reach the rules while the error shows";
    EXPECT_EQ(endings, std::vector<int>({1}));
}

// The window, its boxes with Qt's buttons, and the screen reader's words in
// the desktop's language (Brazil's Portuguese for Portugal's); a language
// the game lacks plays in English.
TEST_F(WindowTest, TheGameSpeaksTheDesktopsLanguage)
{
    const std::pair<const char *, const char *> languages[] = {
        {"de_AT",
         "Raten|Herkunft: Schweden|Leben|10 Leben|4 Lücken|Glückwunsch, du bist auf Platz 5 mit 1 Punkt.\n"
         "Die letzte Lösung war Anna|Abbrechen|Ich bin doof"},
        {"fr_CA",
         "Proposer|Origine\u00a0: Suède|Nombre de vies|10 vies|4 trous|Bravo, vous prenez la place numéro 5 "
         "avec 1 point.\nLa dernière réponse était Anna|Annuler|Je suis un boulet"},
        {"pt_PT",
         "Chutar|Origem: Suécia|Vidas|10 vidas|4 lacunas|Parabéns, você ficou em 5º lugar com 1 ponto.\nA "
         "última resposta era Anna|Cancelar|Sou uma Anta"},
        {"sv_SE",
         "Enter letter|This player is from Sweden|Number of lives|10 lives|4 blanks|Congratulations, you're "
         "place number 5 with 1 points.\nLast answer was Anna|Cancel|I'm Stupid"},
    };
    for (const auto &[locale, expected] : languages) {
        translations.use(QLocale(QString::fromLatin1(locale)));
        open("40 30 20 10 0", "Sweden");
        QStringList seen{w().guessButton->text(), w().origin->text(),
                         window->findChild<QLabel *>("livesHeading")->text(), w().lives->accessibleName(),
                         w().maskedName->accessibleDescription()};
        inNextBox<QInputDialog>([&](QInputDialog *box) {
            seen << box->labelText() << box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text();
            box->reject();
        });
        typeAndEnter("a");
        typeAndEnter("z", 10);
        EXPECT_EQ(seen.join(u'|') + u'|' + w().highScoreNames[4]->text(), QString::fromUtf8(expected)) << locale;
    }
    translations.use(QLocale(QLocale::English));
}

// Every language's texts fit their controls, the origin line with every
// country: none is cut or elided, none wraps where its control has no room.
TEST_F(WindowTest, EveryTextFitsInEveryLanguage)
{
    QStringList misfits;
    for (const QString &catalogue : QDir(QStringLiteral(":/i18n")).entryList()) {
        const QString language = catalogue.section(u'_', 1).section(u'.', 0, 0);
        translations.use(QLocale(language));
        open();
        const auto fits = [&](const QWidget *control, const QRect &room, int flags, const QString &text) {
            const QRect needed = control->fontMetrics().boundingRect(room, flags, text);
            if (needed.width() > room.width() || needed.height() > room.height())
                misfits << QStringLiteral("%1: \"%2\" in %3").arg(language, text, control->objectName());
        };
        for (const QString &country : shippedCountries()) {
            window->showLevel(Level(Player{QStringLiteral("Anna"), country}), 100, {10, 0});
            fits(w().origin, w().origin->contentsRect(), int(w().origin->alignment()), w().origin->text());
        }
        // Not the words of a language: the name, shown smaller when long, and the counters' digits.
        const QSet<const QLabel *> numbersAndName{w().maskedName, w().lives, w().score, w().secondsLeft};
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (!numbersAndName.contains(label))
                fits(label, label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        }
        QStyleOptionButton button;
        button.initFrom(w().guessButton);
        fits(w().guessButton, w().guessButton->style()->subElementRect(QStyle::SE_PushButtonContents, &button),
             Qt::AlignCenter, w().guessButton->text());
    }
    translations.use(QLocale(QLocale::English));
    EXPECT_THAT(misfits, testing::IsEmpty());
}

// Under a catalogue that marks each of its texts, no text the player reads
// or hears comes unmarked: each is in the catalogue.
TEST_F(WindowTest, EveryTextShownOrSaidIsInTheCatalogue)
{
    QTranslator marking;
    ASSERT_TRUE(marking.load(QStringLiteral(NOMILO_PSEUDO_CATALOGUE)));
    QCoreApplication::installTranslator(&marking);
    open("40 30 20 10 0");
    QStringList texts;
    const auto seeAll = [&] { // the labels', the button's and the letter box's texts, and what a screen reader reads
        for (const QWidget *widget : window->findChildren<QWidget *>())
            texts << widget->property("text").toString() << widget->accessibleName() << widget->accessibleDescription();
    };
    seeAll();
    typeAndEnter("a");
    key(QEvent::KeyPress, Qt::Key_A, "A");
    seeAll();
    key(QEvent::KeyPress, Qt::Key_Backspace);
    inNextBox<QMessageBox>([&](QMessageBox *box) { texts << box->windowTitle(), box->accept(); });
    typeAndEnter("n");
    seeAll();
    Level level(Player{"Ab Cd-E'f", "Sweden"});
    level.guess("a");
    texts << spoken::guess(GuessResult::Found, level, {1, 1}) << spoken::level(level, countryName("Sweden"), 1, {1, 1})
          << spoken::alreadyTried("-") << spoken::clockWarning(1, ClockWarning::LastSeconds)
          << spoken::clockWarning(0, ClockWarning::TimeUp);
    inNextBox<QInputDialog>([&](QInputDialog *box) { texts << box->labelText(), box->reject(); });
    typeAndEnter("z", 12);
    seeAll();
    inNextBox<QMessageBox>([&](QMessageBox *box) { texts << box->text(), box->accept(); });
    writeFile("database/hscores.txt", "Ann\r\nBen\r\n");
    typeAndEnter("z", 12);
    QCoreApplication::removeTranslator(&marking);

    // Left aside: what the files hold (names, a country not in the catalogue,
    // the file's path), the program's name, the letters of a name read out.
    const QRegularExpression data(QRegularExpression::escape(dir.path()) + "|Anna|Ann|Ben|Cy|Di|Ed|Testland|Nomilo"),
        innermostMark(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7")), loneLetter(QStringLiteral("\\b\\p{L}\\b"));
    QStringList unmarked;
    for (const QString &text : texts) {
        QString rest = QString(text).remove(data);
        while (rest.contains(innermostMark))
            rest.remove(innermostMark);
        if (rest.remove(loneLetter).contains(QRegularExpression(QStringLiteral("\\p{L}"))))
            unmarked << text;
    }
    EXPECT_THAT(unmarked, testing::IsEmpty());
}

} // namespace

int main(int argc, char **argv)
{
    // Widgets without a display, drawn as the reference pictures were: the
    // real window has a test of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(release::kName); // as the program does
    installAccessibleRoles();
    translations.use(QLocale(QLocale::English));
    // A steady text cursor, so every picture of the letter box is the same.
    QApplication::setCursorFlashTime(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
