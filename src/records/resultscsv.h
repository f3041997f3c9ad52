#pragma once

#include "records/records.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace records {

// The games as a spreadsheet reads them: UTF-8, a header line, then one game
// a line (child as typed, end in ISO 8601 with its offset from UTC, picture,
// pieces, seconds, moves), lines ended by CR LF. A field holding a comma, a
// quote or a line break is quoted, its quotes doubled.
QByteArray resultsCsv(const QVector<FinishedGame> &games);

// Writes resultsCsv(games) to path, replacing the file only once it is
// whole. False with a sentence for the adult in *error when it cannot.
bool writeResultsCsv(const QString &path, const QVector<FinishedGame> &games, QString *error = nullptr);

} // namespace records
