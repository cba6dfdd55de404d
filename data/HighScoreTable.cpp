#include "data/HighScoreTable.h"

#include <algorithm>

HighScoreTable::HighScoreTable()
{
    for (HighScore &place : places_)
        place = {QString(), QStringLiteral("0"), 0};
}

HighScoreTable::HighScoreTable(const Places &places)
    : places_(places)
{
}

std::optional<int> HighScoreTable::placeFor(int score) const
{
    if (places_.back().points >= score)
        return std::nullopt;
    int index = kPlaces - 1;
    while (index > 0 && places_[index - 1].points < score)
        --index;
    return index + 1;
}

std::optional<int> HighScoreTable::place(const QString &name, int score)
{
    const std::optional<int> place = placeFor(score);
    if (place) {
        const auto at = places_.begin() + (*place - 1);
        std::move_backward(at, places_.end() - 1, places_.end());
        *at = {name, QString::number(score), static_cast<double>(score)};
    }
    return place;
}
