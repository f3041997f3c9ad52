#include "game/ui/accessiblecells.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *cellInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("PieceBox") && className != QLatin1String("PreviewCell"))
        return nullptr;
    auto *widget = qobject_cast<QWidget *>(object);
    return widget ? new QAccessibleWidget(widget, QAccessible::Cell) : nullptr;
}

} // namespace

void installAccessibleCells()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(cellInterface);
}
