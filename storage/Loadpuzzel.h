// The load dialog: lists the saved puzzles; its Ok reads the chosen one and
// hands it to the main window, which puts it on the board. It stays open.
#pragma once

#include "shell/Bouwstenen.h"
#include "storage/Puzzelbestand.h"

#include <QDialog>
#include <QString>

class QListWidget;

using Laden = std::function<void(const Geladen&)>;

class Loadpuzzel : public QDialog
{
    Q_OBJECT
public:
    Loadpuzzel(QWidget* ouder, Infolijn info, Laden laden);

    // What a click on an entry has chosen; empty until then.
    QString Basisnaam() const { return basisnaam; }

    QListWidget* File1;
    QLabel* Label2;
    PlaatjesKnop* OkKnop;
    PlaatjesKnop* ExitKnop;

private:
    void VulLijst();
    void File1_Click();
    void OkKnop_Click();
    void ExitKnop_Click();

    Infolijn info;
    Laden laden;
    QString basisnaam;
    QString bestandsnaam;
};
