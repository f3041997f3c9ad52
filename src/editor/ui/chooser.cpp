#include "editor/ui/chooser.h"

#include "core/coordinates.h"
#include "core/datapaths.h"
#include "core/preview.h"
#include "editor/logic/drawingimages.h"
#include "editor/logic/layout.h"
#include "editor/ui/artwork.h"
#include "editor/ui/dialogs.h"
#include "widgets/accessiblecells.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace Editor {

namespace {

constexpr double kWidth = 9885;
constexpr double kHeight = 6975;
const QColor kBackground(255, 224, 192);
const QColor kPageFace(255, 255, 128);
constexpr double kCellLeft[3] = {2520, 4920, 7320};
constexpr double kCellTop[3] = {360, 2400, 4440};
const QSizeF kCellDesign(2055, 1695);
const TwipsRect kNextPage{7320, 6360, 2055, 495};
const TwipsRect kPreviousPage{2640, 6360, 1935, 495};
const TwipsRect kMarchoso1{360, 4560, 1935, 1575};

} // namespace

Form2::Form2(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogs(dialogs)
    , m_screen(vud::screenTwips())
{
    setObjectName(QStringLiteral("Form2"));
    // No title bar shows a caption; assistive technology still names it.
    setAccessibleName(tr("VUD editor - Elegir un dibujo"));
    setWindowIcon(Artwork::editorIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    for (int k = 0; k < 9; ++k) {
        auto *cell = new QLabel(this);
        cell->setObjectName(QStringLiteral("Image1"));
        cell->setProperty("index", k);
        cell->setScaledContents(true);
        vud::markAsAccessibleCell(cell);
        cell->setMouseTracking(true);
        cell->setCursor(Qt::PointingHandCursor);
        cell->installEventFilter(this);
        m_cellTwips[k] = kCellDesign;
        cell->setGeometry(m_screen.toPixels(kCellLeft[k % 3], kCellTop[k / 3], kCellDesign.width(),
                                            kCellDesign.height()));
        m_image1[k] = cell;
    }

    const TwipsRect pageButtons[2] = {kNextPage, kPreviousPage};
    for (int index = 0; index < 2; ++index) {
        auto *button = new vud::FaceButton(this);
        button->setObjectName(QStringLiteral("Command1"));
        button->setProperty("index", index);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFaceColour(kPageFace);
        const TwipsRect &r = pageButtons[index];
        button->setGeometry(m_screen.toPixels(r.left, r.top, r.width, r.height));
        const int side = qMax(8, button->pictureRoom().height());
        button->setPicture(index == 0 ? Artwork::nextArrow(side) : Artwork::previousArrow(side));
        button->setToolTip(index == 0 ? tr("Más dibujos")
                                      : tr("Dibujos anteriores"));
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        m_command1[index] = button;
    }

    m_keyFrame = new QFrame(this);
    m_keyFrame->setObjectName(QStringLiteral("KeyFrame"));
    m_keyFrame->setFrameShape(QFrame::Box);
    m_keyFrame->setLineWidth(3);
    QPalette frameColours = m_keyFrame->palette();
    frameColours.setColor(QPalette::WindowText, QColor(30, 20, 50));
    m_keyFrame->setPalette(frameColours);
    m_keyFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);

    m_marchoso1 = new vud::GifDisplay(vud::GifDisplay::Role::Editor, this);
    m_marchoso1->setObjectName(QStringLiteral("Marchoso1"));
    m_marchoso1->setScreenTwips(m_screen);
    m_marchoso1->setLeftTwips(kMarchoso1.left);
    m_marchoso1->setTopTwips(kMarchoso1.top);
    m_marchoso1->setWidthTwips(kMarchoso1.width);
    m_marchoso1->setHeightTwips(kMarchoso1.height);
    m_marchoso1->hide();
    connect(m_marchoso1, &vud::GifDisplay::GifEnd, this, &Form2::Marchoso1_GifEnd);

    Form_Load();
}

Form2::~Form2() = default;

void Form2::Form_Load()
{
    const QRect size = m_screen.toPixels(0, 0, kWidth, kHeight);
    resize(size.size());
    move(m_screen.toPixelsX(centredWindowOffset(m_screen.width(), kWidth)),
         m_screen.toPixelsY(centredWindowOffset(m_screen.height(), kHeight)));
    OpenDrawingFolder();
    m_animating = false;
    m_pageStart = 0;
}

void Form2::showChooser()
{
    show();
    raise();
    activateWindow();
    setFocus();
    frameKeyCell();
}

void Form2::frameKeyCell()
{
    const QLabel *cell = m_image1[m_keyCell];
    m_keyFrame->setGeometry(cell->geometry().adjusted(-5, -5, 5, 5));
    m_keyFrame->show();
    m_keyFrame->raise();
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    const int row = m_keyCell / 3;
    const int column = m_keyCell % 3;
    switch (event->key()) {
    case Qt::Key_Left:
        m_keyCell = row * 3 + (column + 2) % 3;
        break;
    case Qt::Key_Right:
        m_keyCell = row * 3 + (column + 1) % 3;
        break;
    case Qt::Key_Up:
        m_keyCell = ((row + 2) % 3) * 3 + column;
        break;
    case Qt::Key_Down:
        m_keyCell = ((row + 1) % 3) * 3 + column;
        break;
    case Qt::Key_PageDown:
        Command1_Click(0);
        break;
    case Qt::Key_PageUp:
        Command1_Click(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Image1_Click(m_keyCell);
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    frameKeyCell();
    // The framed drawing plays, as under the pointer.
    if (!m_cellFile[m_keyCell].isEmpty())
        Image1_MouseMove(m_keyCell);
}

void Form2::OpenDrawingFolder()
{
    // The drawings of every data folder: the user's, then the installed ones.
    m_files.clear();
    m_paths.clear();
    for (const vud::DataEntry &drawing : vud::listDataFiles(QStringLiteral("\\gifs"))) {
        m_files << drawing.name;
        m_paths << drawing.path;
    }
    ShowPreviewPage();
}

void Form2::ShowPreviewPage()
{
    for (int i = m_pageStart; i <= m_pageStart + 8; ++i) {
        const int k = i % 9;
        QLabel *cell = m_image1[k];
        if (i < m_files.size() && i > -1) {
            cell->setAccessibleName(m_files.at(i));
            cell->hide();
            const QString path = m_paths.at(i);
            const vud::PreviewPicture preview = vud::loadPreview(path, m_screen);
            if (preview.loaded) {
                cell->setPixmap(QPixmap::fromImage(preview.image));
                m_cellTwips[k] = preview.fittedTwips;
                cell->setGeometry(m_screen.toPixels(kCellLeft[k % 3], kCellTop[k / 3],
                                                    preview.fittedTwips.width(),
                                                    preview.fittedTwips.height()));
                m_cellPaths[k] = path;
                m_cellFile[k] = m_files.at(i);
            } else {
                // A file that is no picture leaves an empty cell that offers
                // nothing to choose; hovering it plays that file, which shows
                // nothing, rather than a drawing of an earlier page.
                cell->clear();
                m_cellPaths[k] = path;
                m_cellFile[k].clear();
            }
            cell->show();
        } else {
            cell->setAccessibleName(tr("Sin dibujo"));
            cell->clear();
            m_cellFile[k].clear();
        }
    }
}

void Form2::Command1_Click(int index)
{
    if (index != 0)
        m_pageStart = pageBack(m_pageStart);
    else
        m_pageStart = pageForward(m_pageStart, int(m_files.size()));
    ShowPreviewPage();
}

void Form2::Image1_MouseMove(int index)
{
    if (m_animating)
        return;
    m_marchoso1->setWidthTwips(m_cellTwips[index].width());
    m_marchoso1->setHeightTwips(m_cellTwips[index].height());
    m_marchoso1->setFile(m_cellPaths[index]);
    m_marchoso1->show();
    m_marchoso1->raise();
    m_animating = true;
}

void Form2::Marchoso1_GifEnd()
{
    m_animating = false;
    m_marchoso1->hide();
}

void Form2::Image1_Click(int index)
{
    // An empty cell, or one whose file is no picture, holds no drawing.
    if (m_cellFile[index].isEmpty())
        return;
    // The name goes into the puzzle's lines, between commas.
    if (!vud::isStorableDrawingName(m_cellFile[index])) {
        m_dialogs.showMessage(this, tr("Este dibujo no se puede usar: su nombre lleva una coma. "
                                                   "Cámbiale el nombre al archivo."));
        return;
    }
    const QString path = m_paths.value(m_pageStart + index);
    const QImage still = stillImage(path);
    if (still.isNull())
        return;
    m_cellPaths[index] = path;
    emit drawingChosen({static_cast<std::uint8_t>(index), path, m_files.value(m_pageStart + index), still});
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    const int index = watched->property("index").toInt();
    const bool isCell = index >= 0 && index < 9 && watched == m_image1[index];
    if (isCell) {
        if (event->type() == QEvent::MouseMove) {
            Image1_MouseMove(index);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton
                && m_image1[index]->rect().contains(mouse->position().toPoint()))
                Image1_Click(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Editor
