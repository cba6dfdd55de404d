#include "engine/Game.h"

void Game::LoadPlayers()
{
    // A fresh list every game: names from an earlier, longer file must not
    // linger in slots the file no longer fills.
    Players = loadPlayerDatabase(files_.players);
}

void Game::LoadScores()
{
    HighScores = files_.scores.read();
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        screen_.setCaption(highScoreNameLabel(place), HighScores[place].Name);
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        screen_.setCaption(highScoreLabel(place), HighScores[place].Score);
}
