#include "records/resultscsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace records {

namespace {

QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

} // namespace

QByteArray resultsCsv(const QVector<FinishedGame> &games)
{
    QByteArray csv = field(QStringLiteral("niño")) + ",fin,imagen,piezas,segundos,movimientos\r\n";
    for (const FinishedGame &game : games) {
        csv += field(game.child) + ',' + field(game.ended.toString(Qt::ISODate)) + ',' + field(game.picture) + ','
            + QByteArray::number(game.pieces) + ',' + QByteArray::number(game.seconds) + ','
            + QByteArray::number(game.moves) + "\r\n";
    }
    return csv;
}

bool writeResultsCsv(const QString &path, const QVector<FinishedGame> &games, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(resultsCsv(games));
        if (file.commit())
            return true;
    }
    if (error) {
        *error = QCoreApplication::translate("records::ResultsStore", "No se pudo escribir %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return false;
}

} // namespace records
