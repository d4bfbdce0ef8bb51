#include "shell/Hulppagina.h"

#include "storage/Heelbestand.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringDecoder>

namespace {

// A page beyond this is not laid out: the browser needs a second or two per
// megabyte, and the supplied page is some 10 KB. Its pictures and style
// sheets get the same bound: none that belongs to a help page comes near it.
constexpr qint64 MaxHulppagina = qint64(2) << 20;

} // namespace

Hulppagina::Hulppagina(QWidget* ouder) : QTextBrowser(ouder) {}

void Hulppagina::Toon(const QString& pad)
{
    const QFileInfo pagina(pad);
    map = pagina.absolutePath();
    const QUrl url = QUrl::fromLocalFile(pagina.absoluteFilePath());
    clear();
    setSource(url);
}

QVariant Hulppagina::loadResource(int type, const QUrl& naam)
{
    // A data: address holds its bytes in the page, which was bounded.
    if (naam.scheme() == QStringLiteral("data"))
        return {};
    const auto data = naam.isLocalFile() ? LeesBegin(naam.toLocalFile(), MaxHulppagina + 1) : std::nullopt;
    const bool gelezen = data && data->size() <= MaxHulppagina;
    // Every refusal is still an answer: given none, the document would open
    // the file itself, unchecked. A picture is answered decoded, as one
    // transparent pixel when it cannot be: given bytes that do not decode,
    // the document opens the name itself, relative to the working folder.
    if (type == QTextDocument::ImageResource) {
        QImage beeld;
        if (!gelezen || !beeld.loadFromData(*data)) {
            beeld = QImage(1, 1, QImage::Format_ARGB32);
            beeld.fill(Qt::transparent);
        }
        return beeld;
    }
    if (type == QTextDocument::StyleSheetResource)
        return gelezen ? *data : QByteArray();
    if (!gelezen)
        return data ? QStringLiteral("De hulppagina is te groot om te tonen.") : QString();
    // The encoding as the browser itself would choose it: a BOM or the
    // page's charset, else UTF-8.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(*data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return QString(decoder(*data));
}

void Hulppagina::doSetSource(const QUrl& naam, QTextDocument::ResourceType type)
{
    if (!naam.isLocalFile() && !naam.isRelative()) {
        QDesktopServices::openUrl(naam);
        return;
    }
    if (!map.isEmpty() && QDir::cleanPath(naam.toLocalFile()).startsWith(map + u'/'))
        QTextBrowser::doSetSource(naam, type);
}
