#pragma once

#include <QString>
#include <QStringList>

// The countries of the shipped player list, in the player's language.
QString countryName(const QString &origin);
// Every country of the shipped player list, as the list writes it.
QStringList shippedCountries();
