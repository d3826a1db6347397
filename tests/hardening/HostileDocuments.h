#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

/// Documents built to attack or confuse the reader, each with where it must be refused.
namespace HostileDocuments {

struct Refused
{
    const char *name;
    QByteArray bytes;
    qint64 line;   ///< 1-based line of the error
    qint64 column; ///< 1-based column of the error
};

/// An Xcode-shaped document whose one unit has the given source and target markup.
QByteArray unit(const QByteArray &id, const QByteArray &source, const QByteArray &target);

/// Every document the reader must refuse, with the place it must name.
std::vector<Refused> refused();

/// A document type whose internal subset declares an external entity at `systemId`,
/// referenced from a target.
QByteArray externalEntity(const QByteArray &systemId);
/// The same through a parameter entity, which would load a DTD from `systemId`.
QByteArray externalParameterEntity(const QByteArray &systemId);
/// A document type with only an external DTD at `systemId`; `reference` goes in a target.
QByteArray externalDtd(const QByteArray &systemId, const QByteArray &reference);

} // namespace HostileDocuments
