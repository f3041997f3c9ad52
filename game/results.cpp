#include "results.h"

#include <QListWidget>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<Form4> &theInstance()
{
    static QPointer<Form4> form;
    return form;
}
} // namespace

Form4 *Form4::instance()
{
    if (!theInstance())
        theInstance() = new Form4;
    return theInstance();
}

void Form4::destroyInstance()
{
    delete theInstance();
}

Form4::Form4(QWidget *parent)
    : QWidget(parent)
    , List1(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("TUS RESULTADOS"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(List1);
}

void Form4::showModeless()
{
    show();
    raise();
    activateWindow();
}
