#include "HostileDocuments.h"

#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

#include <QTest>

namespace {

const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

QByteArray billionLaughs()
{
    QByteArray subset = "  <!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        const QByteArray previous = level == 1 ? "lol" : "lol" + QByteArray::number(level - 1);
        subset += "  <!ENTITY lol" + QByteArray::number(level) + " \"" +
                  QByteArray("&" + previous + ";").repeated(10) + "\">\n";
    }
    return declaration + "<!DOCTYPE xliff [\n" + subset + "]>\n<xliff>&lol9;</xliff>\n";
}

QByteArray quadraticBlowUp()
{
    return declaration + "<!DOCTYPE xliff [<!ENTITY a \"" + QByteArray(50000, 'a') +
           "\">]>\n<xliff>" + QByteArray("&a;").repeated(50000) + "</xliff>\n";
}

/// The document as UTF-16, with the byte-order mark `bom` (which also gives the order).
QByteArray utf16(const QByteArray &document, const QByteArray &bom)
{
    const bool bigEndian = bom.startsWith('\xFE');
    QByteArray bytes = bom;
    for (const char c : document)
        bytes.append(bigEndian ? '\0' : c).append(bigEndian ? c : '\0');
    return bytes;
}

/// `document` with `doctype` in place of the XML declaration it begins with.
QByteArray withDoctype(const QByteArray &doctype, const QByteArray &document)
{
    return declaration + doctype + document.sliced(declaration.size());
}

} // namespace

QByteArray HostileDocuments::document(const QByteArray &units)
{
    return declaration + "<xliff version=\"1.2\">\n  <file original=\"a.strings\">\n    <body>\n" +
           units + "    </body>\n  </file>\n</xliff>\n";
}

QByteArray HostileDocuments::unitLines(const QByteArray &id, const QByteArray &inner)
{
    return "      <trans-unit id=\"" + id + "\" xml:space=\"preserve\">" + inner +
           "      </trans-unit>\n";
}

QByteArray HostileDocuments::unit(const QByteArray &id, const QByteArray &source,
                                  const QByteArray &target)
{
    return document(unitLines(id, "\n        <source>" + source + "</source>\n        <target>" +
                                      target + "</target>\n"));
}

ReadResult HostileDocuments::read(const QByteArray &bytes)
{
    ParseState state;
    return XliffReader(state).read(bytes);
}

void HostileDocuments::addRefusedRows()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<qint64>("column");
    const auto add = [](const char *name, const QByteArray &bytes, qint64 line, qint64 column) {
        QTest::newRow(name) << bytes << line << column;
    };
    const QByteArray plain = unit("k", "a", "b");
    QByteArray latin1 = unit("k", "caf\xE9", "b");
    latin1.replace("UTF-8", "ISO-8859-1");

    add("billion laughs", billionLaughs(), 2, 17);
    add("quadratic blow-up", quadraticBlowUp(), 2, 17);
    add("undefined entity", unit("k", "a &nope; b", "b"), 6, 19);
    add("invalid UTF-8", unit("k", "a \xC3\x28 b", "b"), 6, 19);
    add("overlong UTF-8", unit("k", "a \xC0\xAF b", "b"), 6, 19);
    add("UTF-8 surrogate", unit("k", "a \xED\xA0\x80 b", "b"), 6, 19);
    add("Latin-1 declared", latin1, 1, 1);
    add("UTF-16 with BOM", utf16(plain, "\xFF\xFE"), 1, 1);
    add("UTF-16 big-endian with BOM", utf16(plain, "\xFE\xFF"), 1, 1);
    add("UTF-16 without BOM", utf16(plain, {}), 1, 2);
    add("NUL byte", unit("k", QByteArray("a \0 b", 5), "b"), 6, 19);
    add("control character", unit("k", "a \x01 b", "b"), 6, 19);
    add("unclosed element", QByteArray(plain).replace("</source>", ""), 8, 9);
    add("cut short", plain.left(150), 6, 2);
    add("empty file", {}, 1, 1);
    add("two roots", plain + "<xliff/>\n", 12, 1);
}

QByteArray HostileDocuments::reaching(Reach how, const QByteArray &systemId)
{
    switch (how) {
    case Reach::Entity:
        return withDoctype("<!DOCTYPE xliff [<!ENTITY e SYSTEM \"" + systemId + "\">]>\n",
                           unit("k", "a", "&e;"));
    case Reach::ParameterEntity:
        return withDoctype("<!DOCTYPE xliff [<!ENTITY % p SYSTEM \"" + systemId + "\"> %p;]>\n",
                           unit("k", "a", "b"));
    case Reach::Dtd:
        return withDoctype("<!DOCTYPE xliff SYSTEM \"" + systemId + "\">\n", unit("k", "a", "b"));
    case Reach::EntityOfDtd:
        return withDoctype("<!DOCTYPE xliff SYSTEM \"" + systemId + "\">\n",
                           unit("k", "a", "&secret;"));
    }
    return {};
}
