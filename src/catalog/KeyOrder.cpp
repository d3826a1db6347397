#include "catalog/KeyOrder.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

struct KeyOrder::Collation
{
    std::unique_ptr<icu::Collator> collator;
};

KeyOrder::KeyOrder() : m_collation(std::make_unique<Collation>())
{
    std::unique_ptr<icu::Collator> &collator = m_collation->collator;
    UErrorCode status = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) {
        collator.reset();
        return;
    }
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
}

KeyOrder::~KeyOrder() = default;

bool KeyOrder::less(QStringView a, QStringView b) const
{
    if (const auto &collator = m_collation->collator) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult order = collator->compare(
            reinterpret_cast<const char16_t *>(a.utf16()), int32_t(a.size()),
            reinterpret_cast<const char16_t *>(b.utf16()), int32_t(b.size()), status);
        if (U_SUCCESS(status) && order != UCOL_EQUAL)
            return order == UCOL_LESS;
    }
    return a < b;
}
