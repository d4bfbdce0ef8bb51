// The new-puzzle dialog: the maker types the search word.
#pragma once

#include <QDialog>

class Hoofdscherm;

class Start : public QDialog
{
    Q_OBJECT
public:
    explicit Start(Hoofdscherm& hoofd);

private:
    Hoofdscherm& hoofd;
};
