// Start: the new-puzzle dialog. The maker types the search word; an
// accepted word replaces the puzzle, clears the board and draws the column.
#pragma once

#include <QDialog>

class Hoofdscherm;
class QLabel;
class QLineEdit;
class QPushButton;

class Start : public QDialog
{
    Q_OBJECT
public:
    explicit Start(Hoofdscherm& hoofd);

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
    Hoofdscherm& hoofd;
};

// The search word as typed, without leading and trailing blanks.
QString ZonderBlanco(const QString& s);
