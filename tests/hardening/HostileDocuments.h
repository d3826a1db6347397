#pragma once

#include "document/ReadResult.h"

#include <QByteArray>

/// Documents built to attack or confuse the reader, each with where it must be refused.
namespace HostileDocuments {

/// An Xcode-shaped document around the given trans-unit lines.
QByteArray document(const QByteArray &units);
/// One trans-unit of the given id, with `inner` between its start and end tags.
QByteArray unitLines(const QByteArray &id, const QByteArray &inner);
/// A document whose one unit has the given source and target markup.
QByteArray unit(const QByteArray &id, const QByteArray &source, const QByteArray &target);

/// The bytes through a fresh reader.
ReadResult read(const QByteArray &bytes);

/// Adds the columns "bytes", "line" and "column" (1-based, where the error must be
/// reported) and a row for every document the reader must refuse.
void addRefusedRows();

/// The ways a document can make the reader reach outside it.
enum class Reach
{
    Entity,          ///< an external entity referenced from a target
    ParameterEntity, ///< a parameter entity, which would load a DTD
    Dtd,             ///< an external DTD only
    EntityOfDtd,     ///< an external DTD and an entity only it could define
};
/// A document that reaches `systemId` in the given way.
QByteArray reaching(Reach how, const QByteArray &systemId);

} // namespace HostileDocuments
