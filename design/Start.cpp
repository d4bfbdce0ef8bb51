// Placeholder until the dialog is built.
#include "design/Start.h"

#include "shell/Bouwstenen.h"
#include "shell/Hoofdscherm.h"

Start::Start(Hoofdscherm& hoofd) : QDialog(hoofd.Venster()), hoofd(hoofd)
{
    MaakVenster(this, QSize(360, 120), QStringLiteral(" Nieuwe puzzel ontwerpen"));
}
