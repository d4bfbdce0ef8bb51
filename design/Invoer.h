// The puzzle-word dialog: fills one row of the puzzle.
#pragma once

#include <QDialog>

class Hoofdscherm;

class Invoer : public QDialog
{
    Q_OBJECT
public:
    explicit Invoer(Hoofdscherm& hoofd);

private:
    Hoofdscherm& hoofd;
};
