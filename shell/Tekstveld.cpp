// A validator that rewrites the text at once instead of refusing a paste
// whole, so a pasted clue with one curly character still arrives.
#include "shell/Tekstveld.h"

#include "storage/Ansi.h"

#include <QLineEdit>
#include <QValidator>

namespace {

class BestandstekstValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& tekst, int& pos) const override
    {
        const QString voor = Ansi::Bestandstekst(tekst.left(pos));
        const QString heel = Ansi::Bestandstekst(tekst);
        if (heel != tekst) {
            tekst = heel;
            pos = int(voor.size());
        }
        return Acceptable;
    }
};

} // namespace

void MaakBestandsveld(QLineEdit* veld, int maxLengte)
{
    if (maxLengte > 0)
        veld->setMaxLength(maxLengte);
    veld->setValidator(new BestandstekstValidator(veld));
}
