// Placeholder until the dialog is built.
#include "design/Invoer.h"

#include "shell/Bouwstenen.h"
#include "shell/Hoofdscherm.h"

Invoer::Invoer(Hoofdscherm& hoofd) : QDialog(hoofd.Venster()), hoofd(hoofd)
{
    MaakVenster(this, QSize(461, 272), QStringLiteral(" Puzzelwoord"));
}
