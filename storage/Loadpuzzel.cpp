// Placeholder until the dialog is built.
#include "storage/Loadpuzzel.h"

#include "shell/Bouwstenen.h"
#include "shell/Hoofdscherm.h"

Loadpuzzel::Loadpuzzel(Hoofdscherm& hoofd) : QDialog(hoofd.Venster()), hoofd(hoofd)
{
    MaakVenster(this, QSize(218, 329), QStringLiteral(" Load puzzel"));
}
