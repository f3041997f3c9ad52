#include "core/language.h"

#include <QtTest>

// Which language the programs speak, from the desktop's languages and an
// explicit choice.
class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseLanguage_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("explicitChoice");
        QTest::addColumn<QString>("expected");
        const QStringList none;
        QTest::newRow("nothing asked: Spanish") << none << QString() << "es";
        QTest::newRow("C locale: Spanish") << QStringList{"C"} << QString() << "es";
        QTest::newRow("POSIX locale: Spanish") << QStringList{"POSIX"} << QString() << "es";
        QTest::newRow("exact") << QStringList{"fr"} << QString() << "fr";
        QTest::newRow("region falls back to its language") << QStringList{"pt-BR"} << QString() << "pt";
        QTest::newRow("shipped region wins over its language") << QStringList{"en-GB"} << QString() << "en_GB";
        QTest::newRow("glibc form with codeset") << QStringList{"de_DE.UTF-8"} << QString() << "de";
        QTest::newRow("glibc form with modifier") << QStringList{"ca_ES@valencia"} << QString() << "ca";
        QTest::newRow("case and separator ignored") << QStringList{"EN_gb"} << QString() << "en_GB";
        QTest::newRow("first shipped in order") << QStringList{"ja", "eu-ES", "fr"} << QString() << "eu";
        QTest::newRow("Spanish first beats a later one") << QStringList{"es-MX", "en"} << QString() << "es";
        QTest::newRow("unknown languages only: Spanish") << QStringList{"ja", "zh-Hans"} << QString() << "es";
        QTest::newRow("explicit choice overrides the desktop") << QStringList{"fr"} << "gl" << "gl";
        QTest::newRow("explicit Spanish") << QStringList{"fr"} << "es" << "es";
        QTest::newRow("explicit region falls back") << QStringList{"fr"} << "it_CH" << "it";
        QTest::newRow("unknown explicit choice: the desktop's") << QStringList{"fr"} << "xx" << "fr";
        QTest::newRow("explicit C: the desktop's") << QStringList{"de"} << "C" << "de";
    }

    void chooseLanguage()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, explicitChoice);
        QFETCH(QString, expected);
        const QStringList shipped{"es", "en", "en_GB", "ca", "gl", "eu", "fr", "pt", "it", "de"};
        QCOMPARE(vud::chooseLanguage(desktop, shipped, explicitChoice), expected);
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
