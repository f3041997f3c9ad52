#include "game/logic/scansettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>

namespace boardlogic {

namespace {
const char kOnKey[] = "scanning/on";
const char kIntervalKey[] = "scanning/intervalMs";
} // namespace

ScanSettings ScanSettings::read(const QSettings &settings)
{
    ScanSettings s;
    s.on = settings.value(kOnKey, false).toBool();
    bool ok = false;
    const int interval = settings.value(kIntervalKey, s.intervalMs).toInt(&ok);
    if (ok && interval >= 200 && interval <= 60000)
        s.intervalMs = interval;
    return s;
}

void ScanSettings::write(QSettings &settings) const
{
    settings.setValue(kOnKey, on);
    settings.setValue(kIntervalKey, intervalMs);
}

QString applyScanOptions(const QStringList &arguments, ScanSettings &settings, QStringList *files)
{
    for (int k = 1; k < arguments.size(); ++k) {
        const QString &a = arguments.at(k);
        if (a == QLatin1String("--scan")) {
            settings.on = true;
        } else if (a == QLatin1String("--no-scan")) {
            settings.on = false;
        } else if (a == QLatin1String("--scan-pace") || a.startsWith(QLatin1String("--scan-pace="))) {
            const QString value = a.contains('=') ? a.section('=', 1) : arguments.value(++k);
            bool ok = false;
            // A decimal comma, as most of the languages spoken write it
            // ("1,5"), reads as the point.
            QString number = value;
            number.replace(QLatin1Char(','), QLatin1Char('.'));
            const double seconds = number.toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds < 0.2 || seconds > 60)
                //: A command-line error; --scan-pace is the option's name.
                return QCoreApplication::translate("vud2", "--scan-pace takes seconds from 0.2 to 60: %1").arg(value);
            settings.intervalMs = int(std::lround(seconds * 1000));
        } else if (!a.startsWith('-')) {
            if (files)
                files->append(a);
        } else {
            return QCoreApplication::translate("vud2", "unknown option: %1").arg(a);
        }
    }
    return QString();
}

} // namespace boardlogic
