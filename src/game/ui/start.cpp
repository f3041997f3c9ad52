#include "game/ui/start.h"

#include "core/datapaths.h"
#include "game/ui/switchfilter.h"
#include "game/logic/screenlogic.h"
#include "game/ui/screenart.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"
#include "widgets/textfit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

namespace {

// The notice button's two captions, in a box about as wide as a button.
QString freewareCaption()
{
    //: The caption of a small square button that shows the licence notice.
    return QCoreApplication::translate("Form1", "Tipo de licencia Freeware");
}

QString authorCaption()
{
    //: The caption of a small square button that shows the credits again.
    return QCoreApplication::translate("Form1", "Autor");
}

QString freeNotice()
{
    return QCoreApplication::translate("Form1",
                                       "VUD es un programa gratuito. Puedes usarlo, copiarlo y regalarlo a "
                                       "quien quieras, siempre sin cobrar nada por él y sin cambiarlo.");
}

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A caption wrapped between words, made smaller where it would not fit.
vud::FitLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                         const vud::ScreenTwips &screen, double left, double top, double width, double height)
{
    auto *label = new vud::FitLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setGeometry(screen.toPixels(left, top, width, height));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vud::TextFitRules rules;
    rules.wrap = vud::TextFitRules::Wrap::Always;
    label->setFitRules(rules);
    label->setDesignFont(font);
    return label;
}

// A caption on one line, made smaller where it would not fit, and wrapped
// only when even the smallest size is too wide.
void keepOnOneLine(vud::FitLabel *label, qreal step = 0.5)
{
    vud::TextFitRules rules;
    rules.wrap = vud::TextFitRules::Wrap::WhenNeeded;
    rules.step = step;
    label->setFitRules(rules);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFrame *makeFrame(QWidget *parent, const QString &name, const QColor &colour, int thickness,
                  const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { border: %2px solid %3; background: transparent; }")
                             .arg(name)
                             .arg(thickness)
                             .arg(colour.name()));
    return frame;
}

} // namespace

Form1::Form1(vud::SoundInterface &sound, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_sound(sound)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The program's name and version, usually kept as they are.
    setWindowTitle(tr("VUD 2.0"));
    setWindowIcon(ScreenArt::windowIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMouseTracking(true);

    const vud::ScreenTwips screen = vud::screenTwips(QGuiApplication::primaryScreen());
    setFixedSize(screen.toPixelsX(ClientWidth), screen.toPixelsY(ClientHeight));
    buildControls(screen);
    Form_Load();
}

void Form1::buildControls(const vud::ScreenTwips &screen)
{
    Shape2 = makeFrame(this, QStringLiteral("Shape2"), QColor(255, 150, 40), 3,
                       screen.toPixels(240, 120, 7575, 7695));
    Shape1 = makeFrame(this, QStringLiteral("Shape1"), QColor(80, 160, 255), 2,
                       screen.toPixels(360, 240, 7335, 7455));

    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("V U D"), arial(48, true), screen, 1320,
                       240, 5415, 1095);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    keepOnOneLine(Label1);
    setTextColour(Label1, QColor(0, 0, 192));
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);

    Gif89a1 = new vud::GifDisplay(vud::GifDisplay::Role::Game, this);
    Gif89a1->setObjectName(QStringLiteral("Gif89a1"));
    Gif89a1->setScreenTwips(screen);
    Gif89a1->setLeftTwips(2880);
    Gif89a1->setTopTwips(1680);
    Gif89a1->setWidthTwips(2055);
    Gif89a1->setHeightTwips(1695);

    const QStringList credits = {
        //: The first line of the credits, large in a box above the title's drawing.
        tr("Versión 2.0"),
        //: Each line of the credits sits on one line of a fixed box.
        tr("Hecho por el taller VUD"),
        tr("Escríbenos desde la web de VUD"),
        tr("Primavera de 2024"),
        tr("Autor"),
    };
    for (int index = 0; index < credits.size(); ++index) {
        vud::FitLabel *label = nullptr;
        if (index == 0) {
            label = makeLabel(this, QStringLiteral("Label2"), credits[index], arial(18, true), screen, 3120, 1200,
                              2295, 495);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        } else if (index == 4) {
            label = makeLabel(this, QStringLiteral("Label2"), credits[index], arial(14.25, true), screen, 720,
                              4080, 4455, 375);
        } else {
            label = makeLabel(this, QStringLiteral("Label2"), credits[index], arial(14.25, true), screen, 720,
                              4080 + 360 * index, 4935, 375);
            keepOnOneLine(label);
        }
        label->setProperty("index", index);
        Label2.append(label);
    }

    Label5 = makeLabel(this, QStringLiteral("Label5"),
                       tr("Un puzzle para los más pequeños de la casa"), arial(15.75, false), screen,
                       1200, 3600, 6255, 615);
    setTextColour(Label5, QColor(0, 192, 0));
    // The line about the game reads in one piece: where the font draws it a
    // little wider than the label, the label's font is made just small enough.
    keepOnOneLine(Label5, 0.25);

    Label3 = makeLabel(this, QStringLiteral("Label3"), QString(), arial(14.25, false), screen, 720, 3960, 4815,
                       1815);
    Label3->hide();

    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       //: A speech bubble in a small fixed box; CONTINUAR is the caption of the button below.
                       tr("¡Hola! Escribe tu nombre abajo y pulsa CONTINUAR para jugar."),
                       arial(10, true), screen, 5640, 360, 1935, 1695);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("QLabel#Label4 { background: #fff4a8; color: #7a2a9a;"
                                         " border: 2px solid #ff9a3c; border-radius: 10px; padding: 4px; }"));
    Label4->hide();

    auto *notice = new vud::FaceButton(freewareCaption(), this);
    notice->setObjectName(QStringLiteral("Command1"));
    notice->setProperty("index", 1);
    notice->setFont(arial(9.75, false));
    notice->setFaceColour(QColor(255, 255, 192));
    notice->setGeometry(screen.toPixels(5760, 4080, 1695, 1455));
    notice->setPicture(ScreenArt::noticeFace(qMin(notice->width(), notice->height()) / 2));

    Line1 = makeFrame(this, QStringLiteral("Line1"), QColor(80, 160, 255), 1,
                      screen.toPixels(720, 5760, 6720, 15).adjusted(0, 0, 0, 0));
    Line1->setFixedHeight(2);

    Label6 = makeLabel(this, QStringLiteral("Label6"), tr("Introduce tu nombre"), arial(14.25, false),
                       screen, 600, 6000, 1695, 615);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(arial(24, true));
    Text1->setGeometry(screen.toPixels(2400, 6000, 5055, 615));

    auto *start = new vud::FaceButton(
        //: The large button that starts the game; the speech bubble names it.
        tr("CONTINUAR"), this);
    start->setObjectName(QStringLiteral("Command1"));
    start->setProperty("index", 0);
    start->setFont(arial(27.75, true));
    start->setFaceColour(QColor(192, 192, 255));
    start->setGeometry(screen.toPixels(600, 6720, 6855, 735));

    Command1 = {start, notice};
    for (int index = 0; index < Command1.size(); ++index)
        connect(Command1[index], &QPushButton::clicked, this, [this, index] { Command1_Click(index); });

    setTabOrder(start, notice);
    setTabOrder(notice, Text1);
    start->setFocus();
    // Enter in the name box goes on, as CONTINUAR does.
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
    Text1->setAccessibleName(tr("Introduce tu nombre"));
}

void Form1::Form_Load()
{
    const vud::ScreenTwips screen = vud::screenTwips(QGuiApplication::primaryScreen());
    const QPointF origin = Screens::centredOrigin(screen, QSizeF(ClientWidth, ClientHeight));
    move(screen.toPixelsX(origin.x()), screen.toPixelsY(origin.y()));
    RegisterGifComponent();
    Gif89a1->setFile(vud::findDataPath(QStringLiteral("\\gifs\\inicio.gif")));
    vud::playDataSound(m_sound, QStringLiteral("inicio.wav"));
    update();
}

// Qt plays GIF files itself: no display component has to be copied,
// registered or started on any platform, so there is nothing to install.
void Form1::RegisterGifComponent()
{
}

void Form1::Command1_Click(int Index)
{
    if (Index == 0) {
        emit playRequested(Text1->text());
    } else if (Command1[1]->text() == freewareCaption()) {
        Label3->setText(freeNotice());
        for (int index = 1; index <= 4; ++index)
            Label2[index]->hide();
        Label3->show();
        Command1[1]->setText(authorCaption());
    } else {
        Label3->hide();
        for (int index = 1; index <= 4; ++index)
            Label2[index]->show();
        Command1[1]->setText(freewareCaption());
    }
    vud::playDataSound(m_sound, QStringLiteral("inicio.wav"));
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the other controls reach the window too; only the bare
    // background (the frames and the line let the pointer through) counts.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form1::setScanning(bool on)
{
    delete m_switch;
    m_switch = on ? new SwitchFilter(this, [this] { Command1_Click(0); }) : nullptr;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseMove) {
        Label1_MouseMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_MouseMove()
{
    Label4->hide();
}

void Form1::Label1_MouseMove()
{
    Label4->show();
}
