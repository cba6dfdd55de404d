#pragma once

#include <QTranslator>

class QLocale;

// The game's texts in the player's language, and Qt's own (the boxes'
// buttons) in the same; English where the game has no catalogue for it.
class Translations {
public:
    // Installs the catalogues for `locale`, in place of any used before;
    // widgets made afterwards show them.
    void use(const QLocale &locale);

private:
    QTranslator game_;
    QTranslator qt_;
};
