#include "editor/ui/titlescreen.h"

#include "editor/logic/layout.h"
#include "editor/ui/artwork.h"
#include "widgets/facebutton.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

namespace Editor {

namespace {

constexpr double kWidth = 7785;
constexpr double kHeight = 5190;
const QColor kBackground(255, 192, 192);

// A caption on one line in its designed box, made smaller where it would
// not fit, wrapped only when even the smallest size is too wide.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, double points,
                  const QRect &geometry)
{
    auto *label = new vud::FitLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(points);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(geometry);
    label->setDesignFont(font);
    return label;
}

} // namespace

Form3::Form3(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_screen(vud::screenTwips())
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The editor's name and version, usually kept as they are.
    setWindowTitle(tr("VUD editor 1.0"));
    setWindowIcon(Artwork::editorIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, QColor(110, 30, 60));
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(m_screen.toPixels(0, 0, kWidth, kHeight).size());

    auto at = [this](double left, double top, double width, double height) {
        return m_screen.toPixels(left, top, width, height);
    };
    QLabel *title = makeLabel(this, QStringLiteral("Label1"), tr("VUD editor"), 48,
                              at(360, 720, 5535, 1215));
    title->setPalette(colours);
    const QString credits[4] = {
        //: Each line of the credits sits on one line of a fixed box.
        tr("Autor"),
        tr("Hecho por el equipo VUD"),
        tr("Escríbenos: equipo.vud@correo.es"),
        tr("Versión 1.0, 2024"),
    };
    const double tops[4] = {3120, 3480, 3840, 4200};
    for (int i = 0; i < 4; ++i) {
        QLabel *line = makeLabel(this, QStringLiteral("Label2"), credits[i], 14.25,
                                 at(240, tops[i], i == 0 ? 4455 : 4815, 375));
        line->setProperty("index", i);
    }

    m_command2 = new vud::FaceButton(this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setGeometry(at(5160, 2160, 2415, 2775));
    m_command2->setFaceColour(QColor(255, 255, 128));
    m_command2->setPicture(Artwork::titlePicture(m_command2->pictureRoom()));
    m_command2->setToolTip(tr("Empezar"));
    connect(m_command2, &QPushButton::clicked, this, &Form3::Command2_Click);

    // Beside the way into the editor, under the title: the adult's way into
    // the children's progress, a plain caption an adult reads.
    m_command3 = new vud::FaceButton(tr("Progreso de los niños"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setGeometry(at(360, 2160, 4455, 735));
    m_command3->setFaceColour(QColor(192, 255, 192));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(12);
    m_command3->setFont(font);
    m_command3->setToolTip(tr("Partidas, tiempos y movimientos de cada niño"));
    connect(m_command3, &QPushButton::clicked, this, &Form3::Command3_Click);

    // The way into the editor holds the focus first: Enter or Space opens it.
    m_command2->setFocus();
    Form_Load();
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form3::Form_Load()
{
    move(m_screen.toPixelsX(centredWindowOffset(m_screen.width(), kWidth)),
         m_screen.toPixelsY(centredWindowOffset(m_screen.height(), kHeight)));
}

void Form3::Command2_Click()
{
    emit startRequested();
}

void Form3::Command3_Click()
{
    emit progressRequested();
}

} // namespace Editor
