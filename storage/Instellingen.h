// The settings file: banner, three colours and header text between runs.
#pragma once

#include <QString>

// Reads the file at pad into the model; rewrites it when it cannot be read.
void InstellingenLezen(const QString& pad);

// Writes the model's settings to pad; false when the write failed.
bool InstellingenSchrijven(const QString& pad);
