#include "engine/Game.h"

void Game::LoadPlayers()
{
    // A fresh list every game: names from an earlier, longer file must not
    // linger in slots the file no longer fills.
    Players = loadPlayerDatabase(playerDatabasePath());
}

void Game::LoadScores()
{
    HighScores = readHighScoreFile(highScorePath());
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        screen_.setCaption(highScoreNameLabel(place), HighScores[place].Name);
    for (int place = 1; place <= HighScoreTable::kPlaces; ++place)
        screen_.setCaption(highScoreLabel(place), HighScores[place].Score);
}

void Game::SaveScores()
{
    writeHighScoreFile(highScorePath(), HighScores);
}

QString Game::playerDatabasePath() const
{
    return appPath_ + QStringLiteral("/database/data.txt");
}

QString Game::highScorePath() const
{
    return appPath_ + QStringLiteral("/database/hscores.txt");
}
