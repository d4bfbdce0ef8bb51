// The last few puzzles opened or saved anywhere, newest first, kept between
// runs in a small file of their own beside the settings: Wendolo.ini holds
// a fixed set of records that older copies must go on reading.
#pragma once

#include <QString>
#include <QStringList>

constexpr int MaxRecent = 5;

// The paths as kept; a file since removed stays until it falls off the end.
QStringList RecenteBestanden();
// Puts pad (made absolute) first; false when the list could not be written.
bool OnthoudBestand(const QString& pad);
