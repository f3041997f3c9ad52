// Generates the sample data shipped beside the programs: pictures, animated
// drawings, sounds and a coordinates file.
//
//   vud_sampledata FOLDER          write everything below FOLDER
//   vud_sampledata --check FOLDER  check what is there
//   vud_sampledata --same FOLDER   generate again elsewhere and compare bytes
//   vud_sampledata --check-catches FOLDER
//                                  plant faults and see the check find them
//   vud_sampledata --icons FOLDER  write both programs' icons in a hicolor tree
#include "check.h"
#include "generate.h"
#include "icons.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace {

int report(const QStringList &problems, const char *what)
{
    for (const QString &problem : problems)
        std::fprintf(stderr, "vud_sampledata: %s\n", qPrintable(problem));
    if (!problems.isEmpty()) {
        std::fprintf(stderr, "vud_sampledata: %s failed\n", what);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && argv[1][0] != '-') {
        QElapsedTimer timer;
        timer.start();
        const int rc = report(sd::generateSampleData(QString::fromLocal8Bit(argv[1])), "generating");
        if (rc == 0)
            std::printf("vud_sampledata: sample data written in %lld ms\n", static_cast<long long>(timer.elapsed()));
        return rc;
    }
    if (argc == 3 && QByteArray(argv[1]) == "--check")
        return report(sd::checkSampleData(QString::fromLocal8Bit(argv[2])), "checking");
    if (argc == 3 && QByteArray(argv[1]) == "--check-catches")
        return report(sd::checkCatchesFaults(QString::fromLocal8Bit(argv[2])), "checking the checks");
    if (argc == 3 && QByteArray(argv[1]) == "--same")
        return report(sd::checkSameOutput(QString::fromLocal8Bit(argv[2])), "comparing");
    if (argc == 3 && QByteArray(argv[1]) == "--icons")
        return report(sd::writeIcons(QString::fromLocal8Bit(argv[2])), "writing icons");
    std::fprintf(stderr, "usage: %s FOLDER | --check FOLDER | --check-catches FOLDER | --same FOLDER | --icons FOLDER\n",
                 argv[0]);
    return 2;
}
