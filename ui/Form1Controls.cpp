#include "ui/Form1Controls.h"

#include "ui/Colours.h"

#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include <optional>

namespace {

// How a label looks; each look is one row of the window's style table.
struct LabelLook {
    std::optional<Bgr> background; // none: transparent, the picture shows through
    std::optional<Bgr> text;       // none: the system's window text colour
    Qt::Alignment alignment;
    bool framed;
};

constexpr LabelLook kHeading{colour::kDuskyBlue, colour::kPaleText, Qt::AlignHCenter | Qt::AlignTop, false};
constexpr LabelLook kRules{colour::kDuskyBlue, colour::kPaleText, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kOrigin{colour::kDeepBlue, colour::kPaleText, Qt::AlignHCenter | Qt::AlignTop, false};
constexpr LabelLook kMaskedName{std::nullopt, std::nullopt, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kCounter{colour::kLightGrey, std::nullopt, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kEnteredLine{colour::kGrey, std::nullopt, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kFirstName{colour::kPaleGreen, colour::kBlack, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kFirstScore{colour::kPaleGreen, colour::kBlack, Qt::AlignHCenter | Qt::AlignTop, true};
constexpr LabelLook kPlaceName{colour::kWhite, colour::kBlack, Qt::AlignLeft | Qt::AlignTop, true};
constexpr LabelLook kPlaceScore{colour::kWhite, colour::kBlack, Qt::AlignHCenter | Qt::AlignTop, true};

constexpr int kFramedIndent = 2;

// The letter box holds one character. A character outside the Basic
// Multilingual Plane takes two UTF-16 units; a length limit of 1 would keep
// only the first half of it.
class OneCharacter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        const bool pair = input.size() == 2 && input[0].isHighSurrogate() && input[1].isLowSurrogate();
        return input.size() <= 1 || pair ? Acceptable : Invalid;
    }
};

// A font by its face's name or, where that face is not installed, by the
// name of its metric twin. Fontconfig would find the twin for the missing
// name too, but only after sorting every installed font by likeness, which
// cost more than the rest of the window's start.
QFont namedFont(const QString &face, const QString &twin, QFont::StyleHint hint, int pixelSize, bool bold)
{
    static const QStringList installed = QFontDatabase::families();
    QFont font(installed.contains(face) || !installed.contains(twin) ? face : twin);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont courierBold(int pixelSize)
{
    return namedFont(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QFont::Monospace, pixelSize,
                     true);
}

QFont arial(int pixelSize, bool bold)
{
    return namedFont(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QFont::SansSerif, pixelSize, bold);
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
    label->setText(displayText(text));
    label->setWordWrap(true);
    label->setAlignment(look.alignment);
    label->setFocusPolicy(Qt::NoFocus);
    QPalette palette = label->palette();
    if (look.background) {
        palette.setColor(QPalette::Window, fromBgr(*look.background));
        label->setAutoFillBackground(true);
    }
    if (look.text)
        palette.setColor(QPalette::WindowText, fromBgr(*look.text));
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

QFont defaultControlFont()
{
    return arial(11, false);
}

QString displayText(const QString &text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString scoringRulesText()
{
    return QStringLiteral("Scoring points:\r\n"
                          "If you guess the right letter = 1 point\r\n"
                          "Next level = 2 points, 2 lives\r\n"
                          "\r\n"
                          "Starting time is 100sec -5sec for every level passed");
}

void setBackground(QWidget *widget, Bgr colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fromBgr(colour));
    widget->setPalette(palette);
}

Form1Controls createForm1Controls(QWidget *window)
{
    Form1Controls c;
    // First, so the controls are made with it rather than changed to it.
    window->setFont(defaultControlFont());
    // Created in tab-index order, so the focus chain runs as the table says.
    c.LabelNameHiden = makeLabel(window, "LabelNameHiden", {8, 8, 473, 105}, QString(), kMaskedName);
    c.LabelNameHiden->setFont(courierBold(form1font::kMaskedNamePx));
    c.LabelNameHiden->setIndent(0); // a long name needs every pixel for its second line

    // The letter box's flat frame and colour belong to a frame around it:
    // the box itself draws only the letter, on no background of its own.
    c.TextEnterFrame = new QFrame(window);
    c.TextEnterFrame->setGeometry(8, 136, 81, 19);
    c.TextEnterFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    c.TextEnterFrame->setAutoFillBackground(true);
    setBackground(c.TextEnterFrame, colour::kGrey);
    c.TextEnter = makeLineEdit(c.TextEnterFrame, arial(form1font::kLetterBoxPx, true));
    c.TextEnter->setObjectName(QStringLiteral("TextEnter"));
    c.TextEnter->setGeometry(1, 1, 79, 17);
    c.TextEnter->setFrame(false);
    QPalette transparent = c.TextEnter->palette();
    transparent.setColor(QPalette::Base, Qt::transparent);
    c.TextEnter->setPalette(transparent);
    c.TextEnter->setValidator(new OneCharacter(c.TextEnter));
    c.TextEnter->setAlignment(Qt::AlignCenter);
    c.TextEnter->setAccessibleName(QStringLiteral("Letter"));

    c.CheckLetter = new QPushButton(QStringLiteral("Enter letter"), window);
    c.CheckLetter->setObjectName(QStringLiteral("CheckLetter"));
    c.CheckLetter->setGeometry(8, 120, 81, 17);
    c.CheckLetter->setDefault(true);

    c.Entered = makeLabel(window, "Entered", {96, 136, 385, 17}, QString(), kEnteredLine);
    c.LabelNameFrom
        = makeLabel(window, "LabelNameFrom", {96, 120, 385, 17}, QStringLiteral("This player is from"), kOrigin);
    c.Label1 = makeLabel(window, "Label1", {248, 240, 233, 97}, scoringRulesText(), kRules);
    c.Label2 = makeLabel(window, "Label2", {8, 160, 81, 17}, QStringLiteral("Number of lives"), kHeading);
    c.LabelLives = makeLabel(window, "LabelLives", {8, 176, 81, 57}, QStringLiteral("10"), kCounter);
    c.Label3 = makeLabel(window, "Label3", {8, 240, 233, 17}, QStringLiteral("High Scores"), kHeading);
    c.LabelScore = makeLabel(window, "LabelScore", {96, 176, 265, 57}, QStringLiteral("0"), kCounter);
    c.Label7 = makeLabel(window, "Label7", {96, 160, 265, 17}, QStringLiteral("Score"), kHeading);
    for (int row = 0; row < 5; ++row) {
        const int y = 256 + 16 * row;
        const bool first = row == 0;
        c.Hn[row] = makeLabel(window, QStringLiteral("Hn%1").arg(row + 1).toLatin1().constData(), {8, y, 177, 17},
                              QString(), first ? kFirstName : kPlaceName);
        c.Hs[row] = makeLabel(window, QStringLiteral("Hs%1").arg(row + 1).toLatin1().constData(), {184, y, 57, 17},
                              QString(), first ? kFirstScore : kPlaceScore);
    }
    c.LabelTime = makeLabel(window, "LabelTime", {368, 176, 113, 57}, QStringLiteral("100"), kCounter);
    c.Label5 = makeLabel(window, "Label5", {368, 160, 113, 17}, QStringLiteral("Time"), kHeading);

    for (QLabel *counter : {c.LabelLives, c.LabelScore, c.LabelTime})
        counter->setFont(courierBold(form1font::kCounterPx));
    c.LabelLives->setAccessibleDescription(QStringLiteral("Lives"));
    c.LabelScore->setAccessibleDescription(QStringLiteral("Score"));
    c.LabelTime->setAccessibleDescription(QStringLiteral("Seconds left"));

    QWidget::setTabOrder(c.TextEnter, c.CheckLetter);

    c.Timer1 = new QTimer(window);
    c.Timer1->setObjectName(QStringLiteral("Timer1"));
    return c;
}
