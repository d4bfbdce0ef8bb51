// Hulppagina: the help page over the board. The page and everything it
// reaches, its pictures, its style sheets and the pages its links lead to,
// are read here, each as a plain file of bounded size: the browser itself
// would open a pipe and wait on it for ever, and read a device without end.
#pragma once

#include <QTextBrowser>

class Hulppagina : public QTextBrowser
{
    Q_OBJECT
public:
    explicit Hulppagina(QWidget* ouder);

    // Shows the page at pad, read anew each time, so an edited page shows at
    // once. Its folder is the help folder from then on.
    void Toon(const QString& pad);

    QVariant loadResource(int type, const QUrl& naam) override;

protected:
    // A followed link: a page in the help folder is shown here, a web
    // address goes to the desktop's browser, another file is not opened.
    void doSetSource(const QUrl& naam, QTextDocument::ResourceType type) override;

private:
    QString map;
};
