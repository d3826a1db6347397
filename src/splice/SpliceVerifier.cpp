#include "splice/SpliceVerifier.h"

#include "xliff/ExpatParser.h"
#include "xliff/ParallelParse.h"
#include "xliff/StateAttribute.h"
#include "xliff/XliffReader.h"

#include <QAnyStringView>
#include <QCoreApplication>

#include <algorithm>

#include <cstring>
#include <future>
#include <string>
#include <variant>

namespace {

/// How a row's target read back.
enum class Landed : quint8
{
    No,
    Yes,
    /// The target landed without the state the row holds: right only in a file that
    /// keeps no states, where the row's state is the window's own mark.
    UnlessStatesUsed
};

/// The rows with a target, by unit number, and the units whose rows have none.
struct RowsByUnit
{
    explicit RowsByUnit(std::span<const UnitRecord> rows)
    {
        // Rows come from reading the file, so their numbers stay below the number of
        // rows; one far beyond cannot be a unit of it and simply reads as not landed.
        const quint64 limit = quint64(rows.size()) + 1024;
        withoutTarget.resize(rows.size(), false);
        for (const UnitRecord &row : rows) {
            if (!row.tget && row.port < withoutTarget.size())
                withoutTarget[size_t(row.port)] = true;
            if (row.tget && row.port < limit) {
                if (row.port >= byUnit.size())
                    byUnit.resize(size_t(row.port) + 1, nullptr);
                byUnit[size_t(row.port)] = &row;
            }
        }
    }

    std::vector<const UnitRecord *> byUnit;
    std::vector<bool> withoutTarget;
};

/// Reads back what a save depends on, each unit's id, target and the target's state,
/// gathering text exactly as the reader does, and checks each against the row of that unit
/// as it goes, without keeping what it read or building the sources and notes the check
/// does not need. A check of the second part of a file cut in two starts at the unit the
/// cut comes before, inside the document's units.
class TargetCheck final : public ParallelParse::SecondPart
{
public:
    explicit TargetCheck(const RowsByUnit &rows)
        : m_rows(rows.byUnit), m_landed(rows.byUnit.size(), Landed::No),
          m_withoutTarget(rows.withoutTarget), m_targetKept(rows.withoutTarget.size(), false)
    {
    }

    void startAt(const DocumentCut &cut) override
    {
        m_unit = size_t(cut.unitsBefore);
        m_inside = true;
    }

    /// Whether some target of the part carries a state.
    bool statesUsed() const { return m_statesUsed; }

    /// Takes over what the check of the second part found, from the cut on.
    void join(const TargetCheck &second, size_t cut)
    {
        std::copy(second.m_landed.begin() + qsizetype(std::min(cut, m_landed.size())),
                  second.m_landed.end(),
                  m_landed.begin() + qsizetype(std::min(cut, m_landed.size())));
        const qsizetype from = qsizetype(std::min(cut, m_targetKept.size()));
        std::copy(second.m_targetKept.begin() + from, second.m_targetKept.end(),
                  m_targetKept.begin() + from);
        m_statesUsed = m_statesUsed || second.m_statesUsed;
    }

    /// Whether the row's target, and its state where the file keeps states, read back from
    /// its own unit.
    bool landed(const UnitRecord &row) const
    {
        if (row.port >= m_landed.size())
            return false;
        const Landed landed = m_landed[size_t(row.port)];
        return landed == Landed::Yes || (landed == Landed::UnlessStatesUsed && !m_statesUsed);
    }

    /// Whether the unit of a row without a target still holds one: a target the window
    /// took back (undone after a save) that the file keeps.
    bool targetKept(const UnitRecord &row) const
    {
        return row.port < m_targetKept.size() && m_targetKept[size_t(row.port)];
    }

    /// Whether the check stands between units, as a check that has read `units` units and
    /// starts on the next one stands: nothing gathered, nothing of the next unit seen.
    bool restsBetweenUnits(size_t units) const
    {
        return m_inside && m_unit == units && !m_hasName && !m_hasTarget && !m_hasState &&
               m_buffer.empty();
    }

    void startElement(const char *name, const char **attributes) override
    {
        if (std::strcmp(name, "target") == 0) {
            const char *state = ExpatParser::attribute(attributes, "state");
            m_hasState = state != nullptr;
            m_state.assign(state ? state : "");
            m_statesUsed = m_statesUsed || m_hasState;
            return;
        }
        if (std::strcmp(name, "trans-unit") != 0)
            return;
        const char *id = ExpatParser::attribute(attributes, "id");
        m_hasName = id != nullptr;
        m_name.assign(id ? id : "");
        m_inside = true;
    }

    void characters(const char *text, int length) override
    {
        if (!m_inside || length <= 0)
            return;
        // Leading ASCII white space is trimmed anyway; the indentation between elements
        // need not be gathered.
        if (m_buffer.empty() && ExpatParser::isBlank(text, length))
            return;
        m_buffer.append(text, size_t(length));
    }

    void endElement(const char *name) override
    {
        const bool target = std::strcmp(name, "target") == 0;
        if (target) {
            m_hasTarget = true;
            m_target.swap(m_buffer);
        }
        if (target || std::strcmp(name, "source") == 0 || std::strcmp(name, "note") == 0)
            m_buffer.clear(); // keeps the allocation for the next value
        if (std::strcmp(name, "trans-unit") == 0)
            finishUnit();
    }

private:
    /// How the target read back agrees with the row's state. A target whose text the
    /// writer changed is marked "translated" where its state was kept as read, so that
    /// value stands for any state the row holds.
    Landed stateCheck(const UnitRecord &row) const
    {
        if (!row.state)
            return Landed::Yes;
        // A mark for review is written in any file: nothing else tells which units need it.
        if (!m_hasState)
            return *row.state == StateAttribute::needsReview ? Landed::No
                                                             : Landed::UnlessStatesUsed;
        const QUtf8StringView read(m_state.data(), qsizetype(m_state.size()));
        return QAnyStringView::equal(read, *row.state) ||
                       QAnyStringView::equal(read, StateAttribute::translated)
                   ? Landed::Yes
                   : Landed::No;
    }

    /// Whether the gathered target, stored as the reader stores it, is the row's target.
    bool targetIs(const QString &expected) const
    {
        const QByteArrayView gathered(m_target.data(), qsizetype(m_target.size()));
        const QByteArrayView bytes = gathered.trimmed();
        const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
        // Where the ends are ASCII the bytes are the stored value and compare as they are;
        // other white space (a no-break space, an ideographic space) only decoding can tell.
        if (!bytes.isEmpty() && (!ascii(bytes.front()) || !ascii(bytes.back())))
            return XliffReader::storedValue(gathered) == expected;
        return QAnyStringView::equal(QUtf8StringView(bytes), expected);
    }

    void finishUnit()
    {
        if (m_unit < m_rows.size() && m_rows[m_unit]) {
            const UnitRecord &row = *m_rows[m_unit];
            const bool nameMatches =
                m_hasName == row.name.has_value() &&
                (!m_hasName ||
                 QAnyStringView::equal(QUtf8StringView(m_name.data(), qsizetype(m_name.size())),
                                       *row.name));
            m_landed[m_unit] = nameMatches && m_hasTarget && targetIs(row.tget->trimmed())
                                   ? stateCheck(row)
                                   : Landed::No;
        }
        if (m_unit < m_withoutTarget.size() && m_withoutTarget[m_unit])
            m_targetKept[m_unit] = m_hasTarget;
        // As the reader does: the next record starts empty at a unit's end, not at a start.
        m_hasName = false;
        m_hasTarget = false;
        m_hasState = false;
        ++m_unit;
    }

    const std::vector<const UnitRecord *> &m_rows;
    std::vector<Landed> m_landed;
    const std::vector<bool> &m_withoutTarget;
    std::vector<bool> m_targetKept;
    std::string m_name; ///< the current unit's id, as UTF-8
    bool m_hasName = false;
    std::string m_target; ///< the current unit's target as gathered, untrimmed
    bool m_hasTarget = false;
    std::string m_state; ///< the state of the current unit's last target, as UTF-8
    bool m_hasState = false;
    bool m_statesUsed = false; ///< some target of the file carries a state
    std::string m_buffer;
    size_t m_unit = 0;
    bool m_inside = false;
};

/// The check of the whole file: in two parts at once where it can be cut, else in one
/// parse, which alone reports an error.
std::variant<TargetCheck, SpliceResult> checkTargets(const QByteArray &bytes,
                                                     const RowsByUnit &rows, qsizetype parallelFrom)
{
    {
        TargetCheck first(rows);
        TargetCheck second(rows);
        const std::optional<DocumentCut> cut =
            ParallelParse::run(bytes, parallelFrom, first, second);
        if (cut && first.restsBetweenUnits(size_t(cut->unitsBefore))) {
            first.join(second, size_t(cut->unitsBefore));
            return first;
        }
    }
    TargetCheck check(rows);
    ExpatParser parser(check);
    if (parser.parse(bytes))
        return check;
    SpliceResult result;
    result.errorString =
        QCoreApplication::translate("SpliceVerifier", "the new text would not be well-formed XML "
                                                      "(line %1, column %2: %3)")
            .arg(parser.errorLine())
            .arg(parser.errorColumn())
            .arg(parser.errorString());
    return result;
}

} // namespace

SpliceResult SpliceVerifier::verify(QByteArray bytes, std::span<const UnitRecord> rows,
                                    const Alongside &alongside, qint64 sizeLimit,
                                    qsizetype parallelFrom)
{
    // What could not be opened again is never written, nor begun to be.
    if (bytes.size() > sizeLimit) {
        SpliceResult result;
        result.errorString =
            QCoreApplication::translate(
                "SpliceVerifier", "the saved file would be larger than %1 MB, and a file that "
                                  "large is refused when opened")
                .arg(sizeLimit / (1024 * 1024));
        return result;
    }
    // With no thread to be had, the work is done here once the read-back is over.
    std::future<void> side;
    if (alongside)
        side = std::async(std::launch::async | std::launch::deferred, alongside, std::cref(bytes));
    SpliceResult result = readBack(bytes, rows, parallelFrom);
    if (side.valid())
        side.get();
    if (result.errorString.isEmpty())
        result.bytes = std::move(bytes);
    return result;
}

SpliceResult SpliceVerifier::readBack(const QByteArray &bytes, std::span<const UnitRecord> rows,
                                      qsizetype parallelFrom)
{
    const RowsByUnit byUnit(rows);
    auto checked = checkTargets(bytes, byUnit, parallelFrom);
    if (auto *failed = std::get_if<SpliceResult>(&checked))
        return std::move(*failed);
    const TargetCheck &check = std::get<TargetCheck>(checked);
    SpliceResult result;
    for (const UnitRecord &row : rows) {
        if (row.tget ? !check.landed(row) : check.targetKept(row))
            result.unwritten.push_back({row.from, row.name, row.port});
    }
    return result;
}
