#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>

namespace vudtest {

// Grid lay-outs worked by hand: on a screen of screenPixels (15 twips to the
// pixel) with the buttons' column at Left 0, a grid of columns x rows has
// cells of cellSize twips, its top at gridTop and its left at gridLeft.
struct WorkedLayout
{
    QSize screenPixels;
    int columns;
    int rows;
    int cellSize;
    int gridTop;
    double gridLeft;

    QByteArray tag() const
    {
        return QByteArray::number(screenPixels.width()) + "x" + QByteArray::number(screenPixels.height()) + " "
               + QByteArray::number(columns) + "x" + QByteArray::number(rows);
    }
};

inline const QVector<WorkedLayout> &workedLayouts()
{
    static const QVector<WorkedLayout> table{
        {{800, 600}, 3, 2, 3600, 900, 925.0},
        {{800, 600}, 7, 5, 1542, 645, 928.0},
        {{800, 600}, 11, 8, 981, 576, 929.0},
        {{800, 600}, 12, 9, 900, 450, 925.0},
        {{1024, 768}, 12, 9, 1152, 576, 1093.0},
        // Wide screens: nine tenths of the height shared among the rows.
        {{1920, 1080}, 3, 2, 7290, 810, 3790.0},
        {{1920, 1080}, 12, 9, 1620, 810, 5005.0},
        {{1366, 768}, 3, 2, 5184, 576, 2794.0},
    };
    return table;
}

} // namespace vudtest
