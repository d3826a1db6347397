#pragma once

#include "catalog/CatalogReader.h"
#include "catalog/JsonScanner.h"
#include "catalog/XcodeJsonWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTest>

/// The real catalogs kept with the tests.
inline QStringList catalogFiles()
{
    const QDir folder(QStringLiteral(TARNWICK_TEST_DATA "/catalogs"));
    QStringList files;
    for (const QString &name :
         folder.entryList({QStringLiteral("*.xcstrings")}, QDir::Files, QDir::Name))
        files.append(folder.filePath(name));
    return files;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qWarning() << "cannot read" << path;
    return file.readAll();
}

/// The test's oracle: Qt's own JSON parser, which shares no code with the catalog room.
inline QJsonObject oracle(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "oracle cannot parse:" << error.errorString();
    return document.object();
}

/// The path below a localization that a unit id names, following Xcode's export ids:
/// "key|==|device.mac.plural.one", "key|==|substitutions.count.plural.few".
inline QStringList pathOfId(const QString &id)
{
    const qsizetype cut = id.lastIndexOf(QStringLiteral("|==|"));
    if (cut < 0)
        return {};
    const QStringList parts = id.mid(cut + 4).split(u'.');
    QStringList path;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i] == QStringLiteral("substitutions")) {
            path << parts[i] << parts[i + 1];
            continue;
        }
        path << QStringLiteral("variations") << parts[i] << parts[i + 1];
    }
    return path;
}

inline QString keyOfId(const QString &id)
{
    const qsizetype cut = id.lastIndexOf(QStringLiteral("|==|"));
    return cut < 0 ? id : id.left(cut);
}

/// The object at `path` below `object`, or an empty one.
inline QJsonObject descend(QJsonObject object, const QStringList &path)
{
    for (const QString &key : path)
        object = object.value(key).toObject();
    return object;
}

/// Two languages worth reading in a catalog: its source language and the one with the
/// fewest localizations (one it lacks entirely, "de", where it has only one).
inline QStringList twoLanguages(const QByteArray &bytes)
{
    const CatalogRead read = CatalogReader::read(bytes, QStringLiteral("en"), QStringLiteral("x"));
    QString other = QStringLiteral("de");
    qsizetype fewest = -1;
    const QJsonObject strings = oracle(bytes).value(QStringLiteral("strings")).toObject();
    for (const QString &language : read.languages) {
        if (language == read.sourceLanguage)
            continue;
        qsizetype count = 0;
        for (const QJsonValue &entry : strings)
            count += entry.toObject()
                         .value(QStringLiteral("localizations"))
                         .toObject()
                         .contains(language);
        if (fewest < 0 || count < fewest) {
            fewest = count;
            other = language;
        }
    }
    return {read.sourceLanguage, other};
}

/// The bytes as Xcode would write them, the final newline (or its absence) kept.
inline QByteArray xcodeLayout(const QByteArray &bytes)
{
    const JsonScanner::Result parsed = JsonScanner::parse(bytes);
    if (!parsed.root)
        return {};
    QByteArray out = XcodeJsonWriter().write(*parsed.root, 0);
    return bytes.endsWith('\n') ? out + '\n' : out;
}

/// The units of one language.
inline std::vector<UnitRecord> unitsOf(const QByteArray &bytes, const QString &language)
{
    return CatalogReader::read(bytes, language, QStringLiteral("L.xcstrings")).result.units;
}

/// A catalog in Xcode's layout around the members of `strings` given.
inline QByteArray catalog(const QByteArray &strings)
{
    return "{\n  \"sourceLanguage\" : \"en\",\n  \"strings\" : {\n" + strings +
           "\n  },\n  \"version\" : \"1.0\"\n}";
}
