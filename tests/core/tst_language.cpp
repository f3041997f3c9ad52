#include "core/language.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The start screen's button caption as a language's catalogue translates it,
// or the source's while the catalogue leaves it untranslated.
QString catalogueCaption(const QString &code)
{
    const QString source = QStringLiteral("CONTINUAR");
    QFile file(QStringLiteral(VUD_TRANSLATIONS_SOURCE "/vud_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return source;
    QXmlStreamReader xml(&file);
    QString context;
    QString text;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            text = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && context == QLatin1String("Form1")
                   && text == source) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString translation = xml.readElementText();
            return unfinished || translation.isEmpty() ? source : translation;
        }
    }
    return source;
}

} // namespace

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

    // The whole loading as the programs run it: the locale's variables and
    // --lang to the language chosen, the program's translation and Qt's own
    // loaded from the build's translations, and a text translated by them.
    void loadLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("qtFile");
        QTest::addColumn<QString>("vudQtFile");
        QTest::addColumn<QString>("save"); // a file dialog's save button
        QTest::addColumn<bool>("warns");
        const QStringList none;
        const QString noFile;
        QTest::newRow("LANGUAGE before LANG") << QStringList{"LANGUAGE=de", "LANG=fr_FR.UTF-8"} << none << "de"
                                              << "qtbase_de.qm" << noFile << "S&peichern" << false;
        QTest::newRow("LANG") << QStringList{"LANG=fr_FR.UTF-8"} << none << "fr" << "qtbase_fr.qm" << noFile
                              << "&Enregistrer" << false;
        QTest::newRow("LC_ALL before LANG") << QStringList{"LC_ALL=it_IT.UTF-8", "LANG=fr_FR.UTF-8"} << none << "it"
                                            << "qtbase_it.qm" << noFile << "&Salva" << false;
        QTest::newRow("LC_MESSAGES before LANG, VUD's Basque over Qt's Spanish")
            << QStringList{"LC_MESSAGES=eu_ES.UTF-8", "LANG=fr_FR.UTF-8"} << none << "eu" << "qtbase_es.qm"
            << "qt_eu.qm" << "&Gorde" << false;
        QTest::newRow("region falls back, Qt's Brazilian") << QStringList{"LANGUAGE=pt_BR", "LANG=pt_BR.UTF-8"}
                                                           << none << "pt" << "qtbase_pt_BR.qm" << noFile
                                                           << "&Salvar" << false;
        QTest::newRow("C locale: Spanish") << QStringList{"LANG=C"} << none << "es" << "qtbase_es.qm" << noFile
                                           << "&Guardar" << false;
        QTest::newRow("nothing set: Spanish") << none << none << "es" << "qtbase_es.qm" << noFile << "&Guardar"
                                              << false;
        QTest::newRow("unknown language: Spanish") << QStringList{"LANG=xx_XX.UTF-8"} << none << "es"
                                                   << "qtbase_es.qm" << noFile << "&Guardar" << false;
        QTest::newRow("first shipped of a list") << QStringList{"LANGUAGE=xx:it", "LANG=xx_XX.UTF-8"} << none << "it"
                                                 << "qtbase_it.qm" << noFile << "&Salva" << false;
        QTest::newRow("Qt without Galician: VUD's Galician over Qt's Spanish")
            << QStringList{"LANG=gl_ES.UTF-8"} << none << "gl" << "qtbase_es.qm" << "qt_gl.qm" << "&Gardar" << false;
        QTest::newRow("--lang overrides the desktop")
            << QStringList{"LANGUAGE=de", "LANG=de_DE.UTF-8"} << QStringList{"--lang", "eu"} << "eu"
            << "qtbase_es.qm" << "qt_eu.qm" << "&Gorde" << false;
        QTest::newRow("--lang=CODE with a region") << QStringList{"LANG=fr_FR.UTF-8"} << QStringList{"--lang=ca_ES"}
                                                   << "ca" << "qtbase_ca.qm" << noFile << "De&sa" << false;
        QTest::newRow("--lang unknown: warned, the desktop's")
            << QStringList{"LANG=en_GB.UTF-8"} << QStringList{"--lang", "xx"} << "en" << "qtbase_en.qm" << noFile
            << "&Save" << true;
    }

    void loadLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, code);
        QFETCH(QString, qtFile);
        QFETCH(QString, vudQtFile);
        QFETCH(QString, save);
        QFETCH(bool, warns);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QString::fromLatin1(name));
        for (const QString &setting : environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(VUD_LANGUAGE_PROBE), QStringList{QStringLiteral(VUD_PROGRAM_FOLDER)} + arguments);
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], code);
        QCOMPARE(lines[1], code == QLatin1String("es") ? QString() : QStringLiteral("vud_%1.qm").arg(code));
        QCOMPARE(lines[2], qtFile);
        QCOMPARE(lines[3], vudQtFile);
        QCOMPARE(lines[4], catalogueCaption(code));
        QCOMPARE(lines[5], save);
        const QString errors = QString::fromUtf8(probe.readAllStandardError());
        QCOMPARE(errors.contains(QLatin1String("xx")), warns);
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
