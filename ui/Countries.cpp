#include "ui/Countries.h"

#include <QCoreApplication>

namespace {

// The origins of database/data.txt, for the catalogue of translations: a
// country added there is added here too (`tools/translations check` compares
// the two).
constexpr const char *kCountries[] = {
    QT_TRANSLATE_NOOP("Country", "Algeria"),
    QT_TRANSLATE_NOOP("Country", "Argentina"),
    QT_TRANSLATE_NOOP("Country", "Australia"),
    QT_TRANSLATE_NOOP("Country", "Austria"),
    QT_TRANSLATE_NOOP("Country", "Belgium"),
    QT_TRANSLATE_NOOP("Country", "Bolivia"),
    QT_TRANSLATE_NOOP("Country", "Bosnia and Herzegovina"),
    QT_TRANSLATE_NOOP("Country", "Brazil"),
    QT_TRANSLATE_NOOP("Country", "Bulgaria"),
    QT_TRANSLATE_NOOP("Country", "Cameroon"),
    QT_TRANSLATE_NOOP("Country", "Canada"),
    QT_TRANSLATE_NOOP("Country", "Chile"),
    QT_TRANSLATE_NOOP("Country", "China"),
    QT_TRANSLATE_NOOP("Country", "Colombia"),
    QT_TRANSLATE_NOOP("Country", "Costa Rica"),
    QT_TRANSLATE_NOOP("Country", "Croatia"),
    QT_TRANSLATE_NOOP("Country", "Czech Republic"),
    QT_TRANSLATE_NOOP("Country", "Denmark"),
    QT_TRANSLATE_NOOP("Country", "Ecuador"),
    QT_TRANSLATE_NOOP("Country", "Egypt"),
    QT_TRANSLATE_NOOP("Country", "England"),
    QT_TRANSLATE_NOOP("Country", "Finland"),
    QT_TRANSLATE_NOOP("Country", "France"),
    QT_TRANSLATE_NOOP("Country", "Gabon"),
    QT_TRANSLATE_NOOP("Country", "Georgia"),
    QT_TRANSLATE_NOOP("Country", "Germany"),
    QT_TRANSLATE_NOOP("Country", "Ghana"),
    QT_TRANSLATE_NOOP("Country", "Greece"),
    QT_TRANSLATE_NOOP("Country", "Honduras"),
    QT_TRANSLATE_NOOP("Country", "Hungary"),
    QT_TRANSLATE_NOOP("Country", "Iceland"),
    QT_TRANSLATE_NOOP("Country", "India"),
    QT_TRANSLATE_NOOP("Country", "Iran"),
    QT_TRANSLATE_NOOP("Country", "Iraq"),
    QT_TRANSLATE_NOOP("Country", "Italy"),
    QT_TRANSLATE_NOOP("Country", "Ivory Coast"),
    QT_TRANSLATE_NOOP("Country", "Jamaica"),
    QT_TRANSLATE_NOOP("Country", "Japan"),
    QT_TRANSLATE_NOOP("Country", "Liberia"),
    QT_TRANSLATE_NOOP("Country", "Mali"),
    QT_TRANSLATE_NOOP("Country", "Mexico"),
    QT_TRANSLATE_NOOP("Country", "Montenegro"),
    QT_TRANSLATE_NOOP("Country", "Morocco"),
    QT_TRANSLATE_NOOP("Country", "Netherlands"),
    QT_TRANSLATE_NOOP("Country", "New Zealand"),
    QT_TRANSLATE_NOOP("Country", "Nigeria"),
    QT_TRANSLATE_NOOP("Country", "Northern Ireland"),
    QT_TRANSLATE_NOOP("Country", "Norway"),
    QT_TRANSLATE_NOOP("Country", "Paraguay"),
    QT_TRANSLATE_NOOP("Country", "Peru"),
    QT_TRANSLATE_NOOP("Country", "Poland"),
    QT_TRANSLATE_NOOP("Country", "Portugal"),
    QT_TRANSLATE_NOOP("Country", "Qatar"),
    QT_TRANSLATE_NOOP("Country", "Republic of Ireland"),
    QT_TRANSLATE_NOOP("Country", "Romania"),
    QT_TRANSLATE_NOOP("Country", "Russia"),
    QT_TRANSLATE_NOOP("Country", "Saudi Arabia"),
    QT_TRANSLATE_NOOP("Country", "Scotland"),
    QT_TRANSLATE_NOOP("Country", "Senegal"),
    QT_TRANSLATE_NOOP("Country", "Serbia"),
    QT_TRANSLATE_NOOP("Country", "Slovakia"),
    QT_TRANSLATE_NOOP("Country", "Slovenia"),
    QT_TRANSLATE_NOOP("Country", "South Africa"),
    QT_TRANSLATE_NOOP("Country", "South Korea"),
    QT_TRANSLATE_NOOP("Country", "Spain"),
    QT_TRANSLATE_NOOP("Country", "Sweden"),
    QT_TRANSLATE_NOOP("Country", "Switzerland"),
    QT_TRANSLATE_NOOP("Country", "Togo"),
    QT_TRANSLATE_NOOP("Country", "Trinidad and Tobago"),
    QT_TRANSLATE_NOOP("Country", "Tunisia"),
    QT_TRANSLATE_NOOP("Country", "Turkey"),
    QT_TRANSLATE_NOOP("Country", "Ukraine"),
    QT_TRANSLATE_NOOP("Country", "United States"),
    QT_TRANSLATE_NOOP("Country", "Uruguay"),
    QT_TRANSLATE_NOOP("Country", "Venezuela"),
    QT_TRANSLATE_NOOP("Country", "Wales"),
    QT_TRANSLATE_NOOP("Country", "Zambia"),
};

} // namespace

QString countryName(const QString &origin)
{
    return QCoreApplication::translate("Country", origin.toUtf8().constData());
}

QStringList shippedCountries()
{
    QStringList names;
    for (const char *name : kCountries)
        names << QString::fromUtf8(name);
    return names;
}
