// Placeholder until the dialog is built.
#include "storage/Tools.h"

#include "shell/Bouwstenen.h"
#include "shell/Hoofdscherm.h"

Tools::Tools(Hoofdscherm& hoofd) : QDialog(hoofd.Venster()), hoofd(hoofd)
{
    MaakVenster(this, QSize(360, 222), QStringLiteral(" Tools"));
}
