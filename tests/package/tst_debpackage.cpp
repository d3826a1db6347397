// The Debian package as `make package` builds it: its name, its files and its control fields.
#include "ProgramRun.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDebPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contents();
    void control_data();
    void control();

private:
    QTemporaryDir m_dir;
    QString m_architecture;
    QString m_deb;
    QHash<QString, QString> m_fields;
};

void TestDebPackage::initTestCase()
{
    if (QStandardPaths::findExecutable(u"dpkg-deb"_s).isEmpty())
        QSKIP("dpkg-deb is not installed, so the Debian package is neither built nor checked");
    QVERIFY(m_dir.isValid());
    const ProgramRun cpack =
        runProgram(QStringLiteral(TARNWICK_CPACK),
                   {u"--config"_s, QStringLiteral(TARNWICK_CPACK_CONFIG), u"-B"_s, m_dir.path()});
    QVERIFY2(cpack.exitCode == 0, (cpack.out + cpack.err).constData());

    m_architecture =
        QString::fromUtf8(runProgram(u"dpkg"_s, {u"--print-architecture"_s}).out).trimmed();
    m_deb = m_dir.filePath(
        u"tarnwick_%1_%2.deb"_s.arg(QStringLiteral(TARNWICK_VERSION), m_architecture));
    QVERIFY2(QFile::exists(m_deb),
             qPrintable(QDir(m_dir.path()).entryList(QDir::Files).join(u' ')));

    // "Key: value" lines; a line that starts with a blank continues the field before it.
    const ProgramRun fields = runProgram(u"dpkg-deb"_s, {u"--field"_s, m_deb});
    QCOMPARE(fields.exitCode, 0);
    QString key;
    for (const QString &line : QString::fromUtf8(fields.out).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u' ')) {
            m_fields[key] += u'\n' + line;
            continue;
        }
        key = line.section(u':', 0, 0);
        m_fields.insert(key, line.section(u':', 1).trimmed());
    }
}

void TestDebPackage::contents()
{
    const ProgramRun listing = runProgram(u"dpkg-deb"_s, {u"--contents"_s, m_deb});
    QCOMPARE(listing.exitCode, 0);
    // Mode, owner and path of every file, folders left out: nothing else may slip in.
    QStringList files;
    for (const QString &line : QString::fromUtf8(listing.out).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        if (!line.startsWith(u'd'))
            files.append(columns.first() + u' ' + columns.at(1) + u' ' + columns.last());
    }
    files.sort();
    const QStringList expected{
        u"-rw-r--r-- root/root ./usr/share/applications/tarnwick.desktop"_s,
        u"-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/tarnwick.svg"_s,
        u"-rw-r--r-- root/root ./usr/share/mime/packages/tarnwick-xliff.xml"_s,
        u"-rwxr-xr-x root/root ./usr/bin/tarnwick"_s,
        u"-rwxr-xr-x root/root ./usr/bin/tarnwick-cli"_s,
    };
    QCOMPARE(files, expected);
}

void TestDebPackage::control_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("package") << u"Package"_s << u"^tarnwick$"_s;
    QTest::newRow("version") << u"Version"_s
                             << u"^%1$"_s.arg(
                                    QRegularExpression::escape(QStringLiteral(TARNWICK_VERSION)));
    QTest::newRow("architecture") << u"Architecture"_s << u"^%1$"_s.arg(m_architecture);
    // dpkg-shlibdeps names each library's package with the lowest version the programs need.
    for (const char *library : {"libc6", "libstdc\\+\\+6", "libqt6core6", "libqt6gui6",
                                "libqt6widgets6", "libqt6network6", "libicu[0-9]+", "libexpat1"})
        QTest::newRow(library) << u"Depends"_s
                               << u"(^|, )%1 \\(>= [^)]+\\)(,|$)"_s.arg(QLatin1StringView(library));
    QTest::newRow("Qt's Japanese") << u"Recommends"_s << u"^qt6-translations-l10n$"_s;
}

void TestDebPackage::control()
{
    QFETCH(QString, field);
    QFETCH(QString, pattern);
    const QString value = m_fields.value(field);
    QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(),
             qPrintable(u"%1: %2"_s.arg(field, value)));
}

QTEST_GUILESS_MAIN(TestDebPackage)
#include "tst_debpackage.moc"
