// Placeholder until the dialog is built.
#include "output/Afdrukken.h"

#include "shell/Bouwstenen.h"
#include "shell/Hoofdscherm.h"

Afdrukken::Afdrukken(Hoofdscherm& hoofd) : QDialog(hoofd.Venster()), hoofd(hoofd)
{
    MaakVenster(this, QSize(320, 220), QStringLiteral(" Afdrukken"));
}
