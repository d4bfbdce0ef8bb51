// Start: the new-puzzle dialog. The maker types the search word; the
// dialog hands back an accepted one, which the main window makes a puzzle of.
#pragma once

#include "shell/Bouwstenen.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Start : public QDialog
{
    Q_OBJECT
public:
    Start(QWidget* ouder, Infolijn info);

    // The accepted search word.
    QString Woord() const { return woord; }

    QLineEdit* Text1 = nullptr;
    QLabel* CountLabel = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;

    void Text1_Change();
    void OkKnop_Click();
    void CancelKnop_Click();

protected:
    // Neither Enter nor Escape runs a button: only a click does.
    void keyPressEvent(QKeyEvent* e) override;

private:
    Infolijn info;
    QString woord;
};

// The search word as typed, without leading and trailing blanks.
QString ZonderBlanco(const QString& s);
