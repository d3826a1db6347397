#include "files/JsonText.h"

QByteArray JsonText::escapeByteOrderMarks(QByteArray json)
{
    return json.replace("\xEF\xBB\xBF", "\\ufeff");
}
