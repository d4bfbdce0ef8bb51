// Portable folder or installed copy: which one a layout on disk is, where
// each reads its word library and writes its files, and that an installed
// copy never writes into its own tree, whoever runs it.
#include "shell/Programmamap.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

class TestProgrammamap : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> t;
    QString Pad(const QString& relatief) const { return t->filePath(relatief); }
    Mappen Voor(const QString& exe) const
    {
        return Mappen::Voor(Pad(exe), Pad(QStringLiteral("thuis/.config/wendolo")),
                            Pad(QStringLiteral("thuis/.local/share/wendolo")));
    }

private slots:
    void init() { t = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        // A read-only folder left by a row would keep its tree from going.
        for (const char* map : {"ro", "usr/bin"})
            QFile::setPermissions(Pad(map), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void indeling_data()
    {
        QTest::addColumn<QStringList>("bestanden");  // made first; a name ending in / is a read-only folder
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("bibliotheek");    // where library.lib is read
        QTest::addColumn<QString>("schrijfmap");     // where puzzels/ and the export go; settings beside them
        const QString eigen = QStringLiteral("thuis/.local/share/wendolo");
        QTest::newRow("portable folder") << QStringList{"app/library.lib"} << "app" << "app" << "app";
        QTest::newRow("bin/ without a tree is a portable folder")
            << QStringList{"x/bin/library.lib"} << "x/bin" << "x/bin" << "x/bin";
        QTest::newRow("installed tree, writable (as root sees it)")
            << QStringList{"usr/bin/x", "usr/share/wendolo/library.lib"} << "usr/bin" << "usr/share/wendolo" << eigen;
        QTest::newRow("installed tree, the user's own library")
            << QStringList{"usr/share/wendolo/library.lib", eigen + "/library.lib", "usr/bin/"} << "usr/bin" << eigen
            << eigen;
        QTest::newRow("read-only folder without a tree")
            << QStringList{"ro/library.lib", "ro/"} << "ro" << "ro" << eigen;
    }
    void indeling()
    {
        QFETCH(QStringList, bestanden);
        QFETCH(QString, exe);
        QFETCH(QString, bibliotheek);
        QFETCH(QString, schrijfmap);
        if (exe == QStringLiteral("ro") && geteuid() == 0)
            QSKIP("root writes read-only folders");
        for (const QString& b : bestanden) {
            QVERIFY(QDir().mkpath(QFileInfo(Pad(b)).path()));
            if (!b.endsWith(u'/')) {
                QFile f(Pad(b));
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        }
        if (bestanden.last().endsWith(u'/'))
            QVERIFY(QFile::setPermissions(Pad(exe), QFile::ReadOwner | QFile::ExeOwner));

        const Mappen m = Voor(exe);
        const bool geinstalleerd = schrijfmap != exe;
        QCOMPARE(m.Geinstalleerd, geinstalleerd);
        QCOMPARE(m.Lees(QStringLiteral("library.lib")), Pad(bibliotheek + "/library.lib"));
        QCOMPARE(m.Schrijf(QStringLiteral("wendolo.pdf")), Pad(schrijfmap + "/wendolo.pdf"));
        QCOMPARE(m.Schrijf(QStringLiteral("Wendolo.ini")),
                 Pad((geinstalleerd ? QStringLiteral("thuis/.config/wendolo") : exe) + "/Wendolo.ini"));
        QCOMPARE(m.Map(QStringLiteral("puzzels")), Pad(schrijfmap + "/puzzels"));
        // An installed copy makes its folders when asked; a portable one
        // keeps the folder the build laid out, and reports a missing one.
        QCOMPARE(QFileInfo(Pad(schrijfmap + "/puzzels")).isDir(), geinstalleerd);
        QCOMPARE(QFileInfo(Pad("thuis/.config/wendolo")).isDir(), geinstalleerd);
    }
};

QTEST_GUILESS_MAIN(TestProgrammamap)
#include "tst_programmamap.moc"
