#pragma once

#include <QStringView>

#include <memory>

/// The order Xcode gives the keys of every object in a String Catalog: ICU's root collation
/// with numbers compared by value ("5 FPS" before "10 FPS"); keys it finds equal fall back
/// to their code units, so the order is total.
class KeyOrder
{
public:
    KeyOrder();
    ~KeyOrder();
    KeyOrder(const KeyOrder &) = delete;
    KeyOrder &operator=(const KeyOrder &) = delete;

    bool less(QStringView a, QStringView b) const;

private:
    struct Collation; ///< ICU's collator, kept out of this header
    std::unique_ptr<Collation> m_collation;
};
