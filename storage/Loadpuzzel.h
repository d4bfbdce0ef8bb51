// The load dialog: lists the saved puzzles and loads one onto the board.
#pragma once

#include <QDialog>
#include <QString>

class Hoofdscherm;
class PlaatjesKnop;
class QLabel;
class QListWidget;

// Loads puzzels/<basisnaam>.bmp and puzzels/<bestandsnaam> into the model
// and onto the main window. Both are read and checked first; when either
// fails, nothing changes and the result is the message to show (the empty
// text on success).
QString PuzzelLezen(Hoofdscherm& hoofd, const QString& basisnaam, const QString& bestandsnaam);

class Loadpuzzel : public QDialog
{
    Q_OBJECT
public:
    explicit Loadpuzzel(Hoofdscherm& hoofd);

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

    Hoofdscherm& hoofd;
    QString basisnaam;
    QString bestandsnaam;
    bool bezig = false;  // a handler waits in its press animation
};
