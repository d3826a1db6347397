#include "xliff/UnitValues.h"

#include "xliff/ParseState.h"
#include "xliff/XliffReader.h"

const UnitRecord *UnitValues::unitOf(const UnitRecord &row)
{
    if (!m_units) {
        ParseState state;
        m_units = XliffReader(state).read(m_bytes).units;
    }
    if (row.port >= m_units->size())
        return nullptr;
    const UnitRecord &unit = (*m_units)[size_t(row.port)];
    return unit.name == row.name ? &unit : nullptr;
}
