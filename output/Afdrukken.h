// The print dialog: options, copies, miniature, and the print command.
#pragma once

#include <QDialog>

class Hoofdscherm;

class Afdrukken : public QDialog
{
    Q_OBJECT
public:
    explicit Afdrukken(Hoofdscherm& hoofd);

private:
    Hoofdscherm& hoofd;
};
