#include "memory/Similarity.h"

#include "memory/CodePointReader.h"
#include "memory/EditDistance.h"

namespace Similarity {

QString comparable(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_C);
}

int codePoints(QStringView text)
{
    int count = 0;
    for (CodePointReader reader{text}; !reader.atEnd(); reader.next())
        ++count;
    return count;
}

int of(QStringView a, QStringView b)
{
    const QString left = comparable(a);
    const QString right = comparable(b);
    const int lengthA = codePoints(left);
    const int lengthB = codePoints(right);
    const int longer = lengthA > lengthB ? lengthA : lengthB;
    const EditDistance distance(left);
    return score(distance.within(right, lengthB, longer), lengthA, lengthB);
}

} // namespace Similarity
