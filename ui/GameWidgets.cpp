#include "ui/GameWidgets.h"

#include "engine/Game.h"
#include "ui/AccessibleRoles.h"
#include "ui/Colours.h"
#include "ui/FocusMarkedButton.h"
#include "ui/Fonts.h"
#include "ui/OneLetterValidator.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <optional>

namespace {

// How a label looks; each look is one row of the window's style table.
struct LabelLook {
    std::optional<QRgb> background; // none: transparent, the picture shows through
    std::optional<QRgb> text;       // none: the system's window text colour
    Qt::Alignment alignment;
    bool framed;
};

constexpr LabelLook kHeading{colour::kDuskyBlue, colour::kPaleText, Qt::AlignHCenter | Qt::AlignTop, false};
constexpr LabelLook kRules{colour::kDuskyBlue, colour::kPaleText, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kOrigin{colour::kDeepBlue, colour::kPaleText, Qt::AlignHCenter | Qt::AlignTop, false};
constexpr LabelLook kMaskedName{std::nullopt, std::nullopt, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kCounter{colour::kLightGrey, std::nullopt, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kTriedLetters{colour::kGrey, std::nullopt, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kFirstName{colour::kPaleGreen, colour::kBlack, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kFirstScore{colour::kPaleGreen, colour::kBlack, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kPlaceName{colour::kWhite, colour::kBlack, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kPlaceScore{colour::kWhite, colour::kBlack, Qt::AlignHCenter | Qt::AlignTop, true};

constexpr int kFramedIndent = 2;

// The rules box, told from the rules the game plays by.
QString rulesText()
{
    const int perLetter = Game::kPointsPerLetter, levelPoints = Game::kLevelBonusPoints,
              levelLives = Game::kLevelBonusLives;
    //: %1: "1 point"; %2 and %3: "2 points", "2 lives"; %4 and %5: seconds
    return QCoreApplication::translate("GameWidgets",
                                       "Scoring points:\n"
                                       "If you guess the right letter = %1\n"
                                       "Next level = %2, %3\n"
                                       "\n"
                                       "Starting time is %4sec -%5sec for every level passed")
        .arg(QCoreApplication::translate("GameWidgets", "%n points", "the rules box", perLetter),
             QCoreApplication::translate("GameWidgets", "%n points", "the rules box", levelPoints),
             QCoreApplication::translate("GameWidgets", "%n lives", "the rules box", levelLives))
        .arg(Game::kFirstLevelSeconds)
        .arg(Game::kSecondsCutPerLevel);
}

// A QLineEdit lays out its empty text with the application's font before it
// takes its own; made while the application's font is its own, it loads no
// font the window never shows (the desktop's: 5 % of the window's start).
QLineEdit *makeLineEdit(QWidget *parent, const QFont &font)
{
    const QFont desktop = QGuiApplication::font();
    QGuiApplication::setFont(font);
    auto *edit = new QLineEdit(parent);
    QGuiApplication::setFont(desktop);
    edit->setFont(font);
    return edit;
}

QLabel *makeLabel(QWidget *window, const char *name, QRect geometry, const QString &text, const LabelLook &look)
{
    auto *label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    // Names come from an editable file: never let one be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(look.alignment);
    QPalette palette = label->palette();
    if (look.background) {
        palette.setColor(QPalette::Window, QColor(*look.background));
        label->setAutoFillBackground(true);
    }
    if (look.text)
        palette.setColor(QPalette::WindowText, QColor(*look.text));
    label->setPalette(palette);
    if (look.framed) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        // A framed label otherwise indents by half an "x" of its own font,
        // which pushes the large counter digits out through the bottom.
        label->setIndent(kFramedIndent);
    }
    return label;
}

} // namespace

void setBackground(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    widget->setPalette(palette);
}

void setMaskedName(QLabel *label, const QString &masked, QFont largest)
{
    // Measured as the label lays it out: wrapped at spaces and after hyphens,
    // a word wider than a line left whole (and so too wide).
    const QRect area = label->contentsRect();
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    const int normalSize = fonts::maskedName().pixelSize();
    for (; largest.pixelSize() > 1; largest.setPixelSize(largest.pixelSize() - 1)) {
        const QFontMetrics metrics(largest, label);
        const QRect wrapped = metrics.boundingRect(area, flags, masked);
        // At the normal size the area holds two lines, the second's descent
        // reaching past it as it always has; smaller letters stand inside it.
        const int room = area.height() + (largest.pixelSize() == normalSize ? metrics.descent() : 0);
        if (wrapped.width() <= area.width() && wrapped.height() <= room)
            break;
    }
    label->setFont(largest);
    label->setText(masked);
}

GameWidgets createGameWidgets(QWidget *window)
{
    GameWidgets w;
    // First, so the widgets are made with it rather than changed to it.
    window->setFont(fonts::window());
    // Made in focus order (where the keyboard focus goes on Tab), which is
    // also the order they are painted in, overlapping by a pixel.
    w.maskedName = makeLabel(window, "maskedName", {8, 8, 473, 105}, QString(), kMaskedName);
    w.maskedName->setFont(fonts::maskedName());
    w.maskedName->setIndent(0); // a long name needs every pixel for its second line

    // The letter box's flat frame and colour belong to a frame around it:
    // the box itself draws only the letter, on no background of its own.
    w.letterBoxFrame = new LetterBoxFrame(window);
    w.letterBoxFrame->setGeometry(8, 136, 81, 19);
    w.letterBoxFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    w.letterBoxFrame->setAutoFillBackground(true);
    setBackground(w.letterBoxFrame, colour::kGrey);
    w.letterBox = makeLineEdit(w.letterBoxFrame, fonts::letterBox());
    w.letterBox->setObjectName(QStringLiteral("letterBox"));
    w.letterBox->setGeometry(1, 1, 79, 17);
    w.letterBox->setFrame(false);
    QPalette transparent = w.letterBox->palette();
    transparent.setColor(QPalette::Base, Qt::transparent);
    w.letterBox->setPalette(transparent);
    w.letterBox->setValidator(new OneLetterValidator(w.letterBox));
    w.letterBox->setAlignment(Qt::AlignCenter);
    w.letterBox->setAccessibleName(QCoreApplication::translate("GameWidgets", "Letter"));

    w.guessButton = new FocusMarkedButton(QCoreApplication::translate("GameWidgets", "Enter letter"), window);
    w.guessButton->setObjectName(QStringLiteral("guessButton"));
    w.guessButton->setGeometry(8, 120, 81, 17);
    w.guessButton->setDefault(true);

    w.triedLetters = makeLabel(window, "triedLetters", {96, 136, 385, 17}, QString(), kTriedLetters);
    w.origin = makeLabel(window, "origin", {96, 120, 385, 17},
                         QCoreApplication::translate("GameWidgets", "This player is from"), kOrigin);
    makeLabel(window, "rules", {248, 240, 233, 97}, rulesText(), kRules);
    makeLabel(window, "livesHeading", {8, 160, 81, 17}, QCoreApplication::translate("GameWidgets", "Number of lives"),
              kHeading);
    w.lives = makeLabel(window, "lives", {8, 176, 81, 57}, QString::number(Game::kStartingLives), kCounter);
    makeLabel(window, "highScoresHeading", {8, 240, 233, 17}, QCoreApplication::translate("GameWidgets", "High Scores"),
              kHeading);
    w.score = makeLabel(window, "score", {96, 176, 265, 57}, QStringLiteral("0"), kCounter);
    makeLabel(window, "scoreHeading", {96, 160, 265, 17}, QCoreApplication::translate("GameWidgets", "Score"),
              kHeading);
    for (int row = 0; row < HighScoreTable::kPlaces; ++row) {
        const int y = 256 + 16 * row;
        const bool first = row == 0;
        w.highScoreNames[row]
            = makeLabel(window, "highScoreName", {8, y, 177, 17}, QString(), first ? kFirstName : kPlaceName);
        w.highScorePoints[row]
            = makeLabel(window, "highScorePoints", {184, y, 57, 17}, QString(), first ? kFirstScore : kPlaceScore);
    }
    w.secondsLeft
        = makeLabel(window, "secondsLeft", {368, 176, 113, 57}, QString::number(Game::kFirstLevelSeconds), kCounter);
    makeLabel(window, "timeHeading", {368, 160, 113, 17}, QCoreApplication::translate("GameWidgets", "Time"), kHeading);

    for (QLabel *counter : {w.lives, w.score, w.secondsLeft})
        counter->setFont(fonts::counter());

    QWidget::setTabOrder(w.letterBox, w.guessButton);

    w.clock = new QTimer(window);
    w.clock->setObjectName(QStringLiteral("clock"));
    return w;
}
