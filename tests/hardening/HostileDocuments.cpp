#include "HostileDocuments.h"

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

} // namespace

QByteArray HostileDocuments::unit(const QByteArray &id, const QByteArray &source,
                                  const QByteArray &target)
{
    return declaration +
           "<xliff version=\"1.2\">\n  <file original=\"a.strings\">\n    <body>\n"
           "      <trans-unit id=\"" +
           id + "\" xml:space=\"preserve\">\n        <source>" + source +
           "</source>\n        <target>" + target +
           "</target>\n      </trans-unit>\n    </body>\n  </file>\n</xliff>\n";
}

std::vector<HostileDocuments::Refused> HostileDocuments::refused()
{
    QByteArray utf16("\xFF\xFE", 2);
    for (const char c : unit("k", "a", "b"))
        utf16.append(c).append('\0');
    QByteArray utf16be("\xFE\xFF", 2);
    for (const char c : unit("k", "a", "b"))
        utf16be.append('\0').append(c);
    QByteArray utf16bare;
    for (const char c : unit("k", "a", "b"))
        utf16bare.append(c).append('\0');
    QByteArray latin1 = unit("k", "caf\xE9", "b");
    latin1.replace("UTF-8", "ISO-8859-1");

    return {
        {"billion laughs", billionLaughs(), 2, 17},
        {"quadratic blow-up", quadraticBlowUp(), 2, 17},
        {"undefined entity", unit("k", "a &nope; b", "b"), 6, 19},
        {"invalid UTF-8", unit("k", "a \xC3\x28 b", "b"), 6, 19},
        {"overlong UTF-8", unit("k", "a \xC0\xAF b", "b"), 6, 19},
        {"UTF-8 surrogate", unit("k", "a \xED\xA0\x80 b", "b"), 6, 19},
        {"Latin-1 declared", latin1, 6, 20},
        {"UTF-16 with BOM", utf16, 1, 1},
        {"UTF-16 big-endian with BOM", utf16be, 1, 1},
        {"UTF-16 without BOM", utf16bare, 1, 2},
        {"NUL byte", unit("k", QByteArray("a \0 b", 5), "b"), 6, 19},
        {"control character", unit("k", "a \x01 b", "b"), 6, 19},
        {"unclosed element", unit("k", "a", "b").replace("</source>", ""), 8, 9},
        {"cut short", unit("k", "a", "b").left(150), 6, 2},
        {"empty file", QByteArray(), 1, 1},
        {"two roots", unit("k", "a", "b") + "<xliff/>\n", 12, 1},
    };
}

QByteArray HostileDocuments::externalEntity(const QByteArray &systemId)
{
    return declaration + "<!DOCTYPE xliff [<!ENTITY e SYSTEM \"" + systemId + "\">]>\n" +
           unit("k", "a", "&e;").sliced(declaration.size());
}

QByteArray HostileDocuments::externalParameterEntity(const QByteArray &systemId)
{
    return declaration + "<!DOCTYPE xliff [<!ENTITY % p SYSTEM \"" + systemId + "\"> %p;]>\n" +
           unit("k", "a", "b").sliced(declaration.size());
}

QByteArray HostileDocuments::externalDtd(const QByteArray &systemId, const QByteArray &reference)
{
    return declaration + "<!DOCTYPE xliff SYSTEM \"" + systemId + "\">\n" +
           unit("k", "a", reference).sliced(declaration.size());
}
