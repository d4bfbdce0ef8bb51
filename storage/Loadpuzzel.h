// The load dialog: lists the saved puzzles and loads one.
#pragma once

#include <QDialog>

class Hoofdscherm;

class Loadpuzzel : public QDialog
{
    Q_OBJECT
public:
    explicit Loadpuzzel(Hoofdscherm& hoofd);

private:
    Hoofdscherm& hoofd;
};
