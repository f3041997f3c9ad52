#include "widgets/accessiblecells.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char *const CellProperty = "vudAccessibleCell";

QAccessibleInterface *cellInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(CellProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Cell);
}

} // namespace

namespace vud {

void markAsAccessibleCell(QWidget *widget)
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(cellInterface);
    }
    widget->setProperty(CellProperty, true);
}

} // namespace vud
