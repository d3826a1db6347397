#include "memory/TmxWriter.h"

#include <QCoreApplication>
#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

bool representable(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
            return false;
    }
    return true;
}

/// Text escaped for element content and double-quoted attributes alike; a carriage return
/// as a reference, since a parser reads a raw one as a line feed.
QByteArray escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;"_s;
            break;
        case u'<':
            out += u"&lt;"_s;
            break;
        case u'>':
            out += u"&gt;"_s;
            break;
        case u'"':
            out += u"&quot;"_s;
            break;
        case u'\r':
            out += u"&#13;"_s;
            break;
        default:
            out += c;
        }
    }
    return out.toUtf8();
}

} // namespace

TmxWriter::TmxWriter(const QString &sourceLanguage, qint64 now)
{
    const QByteArray version = QCoreApplication::applicationVersion().isEmpty()
                                   ? QByteArray(TARNWICK_VERSION)
                                   : QCoreApplication::applicationVersion().toUtf8();
    m_text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tmx version=\"1.4\">\n"
             "  <header creationtool=\"Tarnwick\" creationtoolversion=\"" +
             escaped(QString::fromUtf8(version)) +
             "\" segtype=\"sentence\" o-tmf=\"Tarnwick\" adminlang=\"en\" srclang=\"" +
             escaped(sourceLanguage.isEmpty() ? u"*all*"_s : sourceLanguage) +
             "\" datatype=\"plaintext\" creationdate=\"" + dateText(now).toUtf8() +
             "\"/>\n  <body>\n";
}

bool TmxWriter::add(const MemoryEntry &entry)
{
    for (const QString *text :
         {&entry.source, &entry.target, &entry.original, &entry.unitId, &entry.project}) {
        if (!representable(*text))
            return false;
    }
    m_text += "    <tu";
    if (!entry.unitId.isEmpty())
        m_text += " tuid=\"" + escaped(entry.unitId) + '"';
    m_text += " srclang=\"" + escaped(entry.sourceLanguage) + "\" creationdate=\"" +
              dateText(entry.created).toUtf8() + "\">\n";
    if (!entry.original.isEmpty())
        m_text += "      <prop type=\"x-file\">" + escaped(entry.original) + "</prop>\n";
    if (!entry.project.isEmpty())
        m_text += "      <prop type=\"x-project\">" + escaped(entry.project) + "</prop>\n";
    m_text += "      <tuv xml:lang=\"" + escaped(entry.sourceLanguage) + "\"><seg>" +
              escaped(entry.source) + "</seg></tuv>\n";
    m_text += "      <tuv xml:lang=\"" + escaped(entry.targetLanguage) + "\"><seg>" +
              escaped(entry.target) + "</seg></tuv>\n    </tu>\n";
    return true;
}

QByteArray TmxWriter::finish()
{
    m_text += "  </body>\n</tmx>\n";
    return std::move(m_text);
}

QString TmxWriter::dateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(u"yyyyMMdd'T'HHmmss'Z'"_s);
}
