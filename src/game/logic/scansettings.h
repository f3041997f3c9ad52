#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace boardlogic {

// Whether the board is played by one switch, and the scan's pace. Kept in
// the user's settings; the command line changes them for good.
struct ScanSettings
{
    bool on = false;
    int intervalMs = 1500;

    // The user's settings, or the defaults.
    static ScanSettings read(const QSettings &settings);
    void write(QSettings &settings) const;
};

// The settings after vud2's command line: --scan turns scanning on,
// --no-scan off, --scan-pace SECONDS sets the pace (0.2 to 60). Returns an
// error message for an option it cannot read, empty otherwise; what it read
// is kept in `settings`, and the arguments that are no options (files) go to
// `files`.
QString applyScanOptions(const QStringList &arguments, ScanSettings &settings, QStringList *files = nullptr);

} // namespace boardlogic
