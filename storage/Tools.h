// The colour and header dialog.
#pragma once

#include <QDialog>

class Hoofdscherm;

class Tools : public QDialog
{
    Q_OBJECT
public:
    explicit Tools(Hoofdscherm& hoofd);

private:
    Hoofdscherm& hoofd;
};
