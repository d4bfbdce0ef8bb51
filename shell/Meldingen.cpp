// Message and input boxes on QMessageBox and QInputDialog, or a script.
#include "shell/Meldingen.h"

#include "shell/Tekstveld.h"
#include "storage/Ansi.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace Meldingen {

namespace {
Beantwoorder Antwoorden;
Vragenbeantwoorder Invullen;

QWidget* Ouder() { return QApplication::activeWindow(); }

// Qt breaks lines on LF; the CR of a CR LF would show as a blank.
QString Schermtekst(QString s) { return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
} // namespace

Antwoord MsgBox(const QString& tekst, Knoppen knoppen, const QString& titel, Pictogram pictogram)
{
    if (Antwoorden)
        return Antwoorden({tekst, titel, knoppen, pictogram});

    QMessageBox box(pictogram == Pictogram::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    titel, Schermtekst(tekst), QMessageBox::NoButton, Ouder());
    if (knoppen == Knoppen::JaNee) {
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Antwoord::Ja : Antwoord::Nee;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return Antwoord::Ok;
}

QString InputBox(const QString& prompt, const QString& titel, const QString& standaard, bool bestandstekst)
{
    if (Invullen) {
        const QString antwoord = Invullen({prompt, titel, standaard});
        return bestandstekst ? Ansi::Bestandstekst(antwoord) : antwoord;
    }

    QInputDialog dlg(Ouder());
    dlg.setWindowTitle(titel);
    dlg.setLabelText(Schermtekst(prompt));
    dlg.setTextValue(standaard);
    dlg.setInputMode(QInputDialog::TextInput);
    if (bestandstekst)
        if (auto* veld = dlg.findChild<QLineEdit*>())
            MaakBestandsveld(veld, 0);
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.textValue();
}

void BeantwoordMeldingen(Beantwoorder meldingen) { Antwoorden = std::move(meldingen); }

void BeantwoordVragen(Vragenbeantwoorder vragen) { Invullen = std::move(vragen); }

} // namespace Meldingen
