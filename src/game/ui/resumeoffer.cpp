#include "game/ui/resumeoffer.h"

#include "core/designcolour.h"
#include "core/picturefile.h"
#include "core/picturefit.h"
#include "game/ui/boardart.h"
#include "widgets/facebutton.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

namespace {

// The board takes most of the screen; the buttons stand in a column on the
// right.
constexpr double kBoardShare = 0.72;
constexpr double kMargin = 0.04;

// "Go on": a wide arrow pointing onwards, dark on the button's warm face.
QPixmap goOnArrow(int side)
{
    QPixmap arrow(side, side);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(side * 0.22, side * 0.12);
    path.lineTo(side * 0.86, side * 0.5);
    path.lineTo(side * 0.22, side * 0.88);
    path.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), side / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(path);
    return arrow;
}

// The grid's pixels within box: square cells, as large as fit.
QSize gridIn(QSize box, int columns, int rows)
{
    if (columns <= 0 || rows <= 0)
        return QSize();
    const int cell = std::max(1, std::min(box.width() / columns, box.height() / rows));
    return QSize(cell * columns, cell * rows);
}

} // namespace

ResumeOffer::ResumeOffer(const records::UnfinishedBoard &board, PictureLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_board(board)
    , m_loader(std::move(loader))
{
    setObjectName(QStringLiteral("ResumeOffer"));
    //: The program's name and version, usually kept as they are.
    setWindowTitle(tr("VUD 2.0"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);

    // The picture decoded once, covering the grid's shape at about the size
    // it is shown.
    QSize screen(1024, 768);
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screen = primary->geometry().size();
    const QSize grid = gridIn(QSize(int(screen.width() * kBoardShare), int(screen.height() * (1 - 2 * kMargin))),
                              m_board.columns, m_board.rows);
    QImage natural;
    QSize naturalSize;
    if (m_loader) {
        natural = m_loader(m_board.picture);
        naturalSize = natural.size();
    } else {
        naturalSize = vud::pictureSize(m_board.picture);
    }
    if (!naturalSize.isEmpty() && !grid.isEmpty()) {
        const vud::PictureFit fit = vud::coverBox(naturalSize, grid);
        const QImage scaled = m_loader ? natural.scaled(fit.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                       : vud::readPicture(m_board.picture, fit.size);
        if (!scaled.isNull())
            m_picture = scaled.copy(QRect(-fit.offset, grid));
    }

    m_shown = new QLabel(this);
    m_shown->setObjectName(QStringLiteral("Board"));
    m_shown->setAlignment(Qt::AlignCenter);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setStyleHint(QFont::SansSerif);
    captionFont.setBold(true);
    captionFont.setPointSize(20);

    m_resume = new vud::FaceButton(this);
    m_resume->setObjectName(QStringLiteral("Seguir"));
    //: The large button that takes up the unfinished board, in a fixed box.
    m_resume->setText(tr("SEGUIR"));
    m_resume->setFont(captionFont);
    m_resume->setFaceColour(vud::fromBgr(0x00A0FF));
    m_resume->setAutoDefault(true);
    m_resume->setFocusPolicy(Qt::StrongFocus);
    connect(m_resume, &QAbstractButton::clicked, this, [this] { choose(true); });

    m_choose = new vud::FaceButton(this);
    m_choose->setObjectName(QStringLiteral("Command9"));
    m_choose->setPicture(boardart::choosePicture());
    m_choose->setFaceColour(vud::fromBgr(0x80FF80));
    m_choose->setAutoDefault(true);
    m_choose->setFocusPolicy(Qt::StrongFocus);
    // The picture says it; words for assistive technology and the adult.
    m_choose->setToolTip(tr("Elegir otro dibujo"));
    connect(m_choose, &QAbstractButton::clicked, this, [this] { choose(false); });
    setTabOrder(m_resume, m_choose);

    resize(screen);
    arrange();
    m_resume->setFocus();
}

void ResumeOffer::showModeless()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    m_resume->setFocus();
}

QImage ResumeOffer::drawBoard(const records::UnfinishedBoard &board, const QImage &picture, QSize size)
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(224, 224, 224));
    const int columns = board.columns;
    const int rows = board.rows;
    if (size.isEmpty() || columns <= 0 || rows <= 0 || board.pieces.size() != columns * rows)
        return out;
    const QImage source =
        picture.isNull() ? QImage() : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double cellWidth = double(size.width()) / columns;
    const double cellHeight = double(size.height()) / rows;
    QPainter p(&out);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    for (int cell = 0; cell < board.pieces.size(); ++cell) {
        const int piece = board.pieces.at(cell);
        const QRectF to((cell % columns) * cellWidth, (cell / columns) * cellHeight, cellWidth, cellHeight);
        const QRectF from((piece % columns) * cellWidth, (piece / columns) * cellHeight, cellWidth, cellHeight);
        if (!source.isNull())
            p.drawImage(to, source, from);
        p.drawRect(to.adjusted(0, 0, -1, -1));
    }
    return out;
}

void ResumeOffer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void ResumeOffer::arrange()
{
    const int w = width();
    const int h = height();
    const int margin = int(std::min(w, h) * kMargin);
    const QSize grid = gridIn(QSize(int(w * kBoardShare) - margin, h - 2 * margin), m_board.columns, m_board.rows);
    m_image = drawBoard(m_board, m_picture, grid);
    m_shown->setPixmap(QPixmap::fromImage(m_image));
    m_shown->setGeometry(margin, margin, int(w * kBoardShare) - margin, h - 2 * margin);

    // The column of buttons: "SEGUIR" large in the middle, the way to
    // another picture below it, as large as the board's own buttons at least.
    const int columnLeft = int(w * kBoardShare) + margin;
    const int columnWidth = std::max(1, w - columnLeft - margin);
    const int goSide = std::max(48, std::min(columnWidth, h / 2));
    const int chooseSide = std::max(48, goSide * 2 / 5);
    const int top = std::max(margin, (h - goSide - margin - chooseSide) / 2);
    const int centre = columnLeft + columnWidth / 2;
    m_resume->setGeometry(centre - goSide / 2, top, goSide, goSide);
    m_resume->setPicture(goOnArrow(goSide / 2));
    m_choose->setGeometry(centre - chooseSide / 2, top + goSide + margin, chooseSide, chooseSide);
}

void ResumeOffer::choose(bool resume)
{
    if (m_chosen)
        return;
    m_chosen = true;
    if (resume)
        emit resumeRequested();
    else
        emit selectionRequested();
}

void ResumeOffer::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_chosen) {
        m_chosen = true;
        emit exitRequested();
    }
}
