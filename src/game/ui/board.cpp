#include "game/ui/board.h"

#include "core/coordinates.h"
#include "core/datapaths.h"
#include "core/designcolour.h"
#include "core/picturefile.h"
#include "core/random.h"
#include "game/ui/boardart.h"
#include "game/ui/cellhighlight.h"
#include "widgets/activation.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"
#include "widgets/textfit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <cmath>

using vud::TwipsRect;
using vud::roundHalfEven;

namespace {

// Buttons of the left column: all 735 x 735 twips at Left 0.
constexpr int kButtonSide = 735;
// The column's buttons stand edge to edge against the screen's left side:
// small corners keep the column straight and its colours whole.
constexpr qreal kButtonRoundness = 1.0 / 16;

} // namespace

// ------------------------------------------------------------------- Form3

Form3::Form3(vud::SoundInterface &sound, vud::RandomSource &random, const boardlogic::BoardChoice &choice,
             PictureLoader loader, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_sound(sound)
    , m_random(random)
    , m_loader(std::move(loader))
    , m_screen(vud::screenTwips())
    , m_choice(choice)
    , m_nextChoice(choice)
{
    setObjectName(QStringLiteral("Form3"));
    // No title bar shows a caption; assistive technology still names it.
    setAccessibleName(tr("VUD 2.0 - Tablero"));
    vud::watchWindowActivation();
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    setMouseTracking(true);
    // The board takes the keyboard for the grid; its buttons are reached
    // with Tab.
    setFocusPolicy(Qt::StrongFocus);

    createButtons();

    Picture1.append(createPiece(0));
    Picture2 = new PictureBox(this);
    Picture2->hide();
    connect(Picture2, &PictureBox::clicked, this, &Form3::Picture2_Click);
    connect(Picture2, &PictureBox::pointerMoved, this, &Form3::carryTo);
    Gif89a1.append(createGifElement(0));
    m_highlight = new CellHighlight(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, &Form3::Timer2_Timer);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &Form3::Timer3_Timer);

    Form_Load();
}

void Form3::createButtons()
{
    struct Design
    {
        vud::FaceButton **slot;
        const char *name;
        int top;
        unsigned int bgr;
        QPixmap picture;
        const char *does;
    };
    const Design designs[] = {
        {&Command6, "Command6", 0, 0xFFC0C0, boardart::wholePicture(), QT_TR_NOOP("Ver el dibujo entero")},
        {&Command1, "Command1", 720, 0xFFC0FF, boardart::placedPieces(), QT_TR_NOOP("Ver las piezas sin colocar")},
        {&Command8, "Command8", 1560, 0x00FFFF, boardart::outlines(), QT_TR_NOOP("Poner o quitar los bordes")},
        {&Command9, "Command9", 2400, 0x80FF80, boardart::choosePicture(), QT_TR_NOOP("Elegir otro dibujo")},
        {&Command2[0], "Command2", 3960, 0xFFFF80, boardart::clock(), QT_TR_NOOP("Segundos")},
        {&Command2[1], "Command2", 4680, 0xC0C0FF, boardart::moves(), QT_TR_NOOP("Movimientos")},
        {&Command5, "Command5", 6240, 0x0080FF, boardart::exitDoor(), QT_TR_NOOP("Salir")},
    };
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(12);
    captionFont.setStyleHint(QFont::SansSerif);
    for (const Design &d : designs) {
        auto *button = new vud::FaceButton(this);
        button->setObjectName(QLatin1String(d.name));
        button->setFaceColour(vud::fromBgr(d.bgr));
        button->setPicture(d.picture);
        button->setRoundness(kButtonRoundness);
        // Reached with Tab and pressed with Space; a click leaves the
        // keyboard on the grid.
        button->setFocusPolicy(Qt::TabFocus);
        button->setFont(captionFont);
        button->setGeometry(m_screen.toPixels(0, d.top, kButtonSide, kButtonSide));
        // What the button does, for the adult who wonders and for assistive
        // technology.
        button->setToolTip(tr(d.does));
        *d.slot = button;
    }
    Command2[0]->setProperty("index", 0);
    Command2[1]->setProperty("index", 1);
    updateCounterNames();

    connect(Command6, &QAbstractButton::clicked, this, &Form3::Command6_Click);
    connect(Command1, &QAbstractButton::clicked, this, &Form3::Command1_Click);
    connect(Command8, &QAbstractButton::clicked, this, &Form3::Command8_Click);
    connect(Command9, &QAbstractButton::clicked, this, &Form3::Command9_Click);
    connect(Command2[0], &QAbstractButton::clicked, this, [this] { Command2_Click(0); });
    connect(Command2[1], &QAbstractButton::clicked, this, [this] { Command2_Click(1); });
    connect(Command5, &QAbstractButton::clicked, this, &Form3::Command5_Click);

    const struct
    {
        const char *caption;
        int top;
        int height;
    } labels[] = {
        //: Short for "Segundos", under the clock in a box as narrow as a button.
        {QT_TR_NOOP("Seg"), 3600, 375},
        //: Short for "Movimientos", under the move counter in a box as narrow as a button.
        {QT_TR_NOOP("Mov"), 5520, 495}};
    for (int i = 0; i < 2; ++i) {
        auto *label = new vud::FitLabel(tr(labels[i].caption), this);
        label->setObjectName(QStringLiteral("Label1"));
        label->setProperty("index", i);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, pal.color(QPalette::Highlight));
        label->setPalette(pal);
        label->setGeometry(m_screen.toPixels(0, labels[i].top, kButtonSide, labels[i].height));
        // A longer word than "Seg" is made smaller to stay within the column.
        label->setDesignFont(captionFont);
        Label1[i] = label;
    }
}

PieceBox *Form3::createPiece(int index)
{
    auto *box = new PieceBox(index, this);
    box->setEnabled(false);
    box->hide();
    connect(box, &PieceBox::pressed, this, &Form3::Picture1_Click);
    connect(box, &PieceBox::pointerMoved, this, [this](int i, QPointF at) {
        Picture1_MouseMove(i, m_screen.toTwipsX(at.x()), m_screen.toTwipsY(at.y()));
    });
    connect(box, &PieceBox::dragMoved, this, [this](int, QPointF at) { Picture1_DragMove(at); });
    connect(box, &PieceBox::released, this, [this](int, QPointF at) { Picture1_Release(at); });
    // Below the whole picture when it is on show, so that a new board does
    // not change what the child sees until the picture is clicked away.
    if (Picture2 && Picture2->isVisible())
        box->stackUnder(Picture2);
    return box;
}

vud::GifDisplay *Form3::createGifElement(int index)
{
    auto *gif = new vud::GifDisplay(vud::GifDisplay::Role::Game, this);
    gif->setObjectName(QStringLiteral("Gif89a1"));
    gif->setProperty("index", index);
    gif->setScreenTwips(m_screen);
    gif->setLeftTwips(840);
    gif->setTopTwips(4800);
    gif->hide();
    return gif;
}

void Form3::chooseBoard(const boardlogic::BoardChoice &choice)
{
    m_nextChoice = choice;
    m_rules.restartMoveCount();
    RebuildBoard = true;
}

void Form3::showModeless()
{
    setEnabled(true);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

bool Form3::event(QEvent *event)
{
    // Activation from another of the program's windows; coming back from
    // another program leaves the window as it was.
    if (event->type() == QEvent::WindowActivate && vud::activatedFromAnotherWindow(this))
        Form_Activate();
    return QWidget::event(event);
}

void Form3::mouseMoveEvent(QMouseEvent *event)
{
    carryTo(event->position());
}

// --------------------------------------------------------------- set-up

void Form3::Form_Load()
{
    LayOutBoard();
    PaintPieces();
    FitPictureToGrid();
    Command5->setGeometry(
        m_screen.toPixels(0, m_screen.height() - kButtonSide - 200, kButtonSide, kButtonSide));
    RevealShown = false;
    Timer3->stop();
    Timer1->start();
    setFocus(Qt::OtherFocusReason);
}

void Form3::LayOutBoard()
{
    // A grid outside what the pieces can index would corrupt the board; the
    // selection screen only offers 3..12 by 2..9.
    BoardColumns = std::clamp<int>(m_choice.GridColumns, 1, boardlogic::PieceGrid::MaxSide);
    BoardRows = std::clamp<int>(std::uint8_t(m_choice.GridRows), 1, boardlogic::PieceGrid::MaxSide);

    const boardlogic::GridLayout layout = boardlogic::layOutGrid(
        m_screen.width(), m_screen.height(), BoardColumns, BoardRows, Command1->x() * m_screen.twipsPerPixelX);
    CellSize = layout.cellSize;
    GridLeft = layout.gridLeft;
    GridTop = layout.gridTop;

    PieceBox *first = Picture1.at(0);
    first->place(GridLeft, GridTop, CellSize, m_screen);
    first->setEnabled(false);
    first->setBordered(true);
    if (Picture2->isVisible())
        first->stackUnder(Picture2);
    first->show();
    // A new game: every piece home, none carried, no moves, no seconds.
    m_rules = boardlogic::GameRules(BoardColumns, BoardRows);
    m_pressLifted = false;
    m_dragging = false;
    m_cursor.reset(BoardColumns, BoardRows);
    m_highlight->hide();
    if (m_scan)
        startScan();

    const int count = laidOutPieces();
    Picture1.reserve(count);
    for (int i = 1; i < count; ++i) {
        PieceBox *box = createPiece(i);
        box->setBordered(true);
        box->place((i % BoardColumns) * double(CellSize) + first->leftTwips(),
                   (i / BoardColumns) * CellSize + first->topTwips(), CellSize, m_screen);
        Picture1.append(box);
        box->show();
    }
    // Every piece of a new board has its outline, and the outlines button
    // knows it, so that its next press takes them away.
    BordersShown = true;

    LoadPicture();
}

QSize Form3::gridPixels() const
{
    // The grid rectangle as the whole picture covers it.
    return m_screen
        .toPixels(GridLeft, GridTop, double(BoardColumns) * CellSize, double(BoardRows) * CellSize)
        .size();
}

void Form3::LoadPicture()
{
    // The whole picture covers the grid: scaled so that no part of the grid
    // is left bare and cut as coverBox says (sideways equally at both sides,
    // vertically a third at the top and two thirds at the bottom). The
    // pieces, the whole picture and the reveal all use this one image, so
    // every piece matches the whole picture pixel for pixel.
    const QSize grid = gridPixels();
    const PictureLoader &loader = m_loader;
    QImage natural;
    QSize naturalSize;
    if (loader) {
        natural = loader(m_choice.PicturePath);
        naturalSize = natural.size();
    } else {
        naturalSize = vud::pictureSize(m_choice.PicturePath);
    }
    m_fit = vud::coverBox(naturalSize, grid);
    m_picture = QImage();
    if (!naturalSize.isEmpty() && !grid.isEmpty()) {
        // Made at the screen's device pixels, so that pieces stay sharp on a
        // high-density screen; a photograph is decoded straight at that size.
        const qreal ratio = devicePixelRatioF();
        const QSize device(qRound(m_fit.size.width() * ratio), qRound(m_fit.size.height() * ratio));
        QImage scaled;
        if (!loader)
            scaled = vud::readPicture(m_choice.PicturePath, device);
        else if (natural.size() == device)
            scaled = natural;
        else
            scaled = vud::scaledPicture(natural, device);
        if (!scaled.isNull()) {
            const QRect cut(qRound(-m_fit.offset.x() * ratio), qRound(-m_fit.offset.y() * ratio),
                            qRound(grid.width() * ratio), qRound(grid.height() * ratio));
            m_picture = cut == scaled.rect() ? scaled : scaled.copy(cut);
            m_picture.setDevicePixelRatio(ratio);
        }
    }
    Picture2->setPicture(m_picture);
}

void Form3::PaintPieces()
{
    const QColor face = palette().color(QPalette::Button);
    const qreal ratio = m_picture.isNull() ? devicePixelRatioF() : m_picture.devicePixelRatio();
    // The whole picture's top-left corner: the grid's, as Picture2 covers it.
    const QPoint origin = m_screen.toPixels(GridLeft, GridTop, 0, 0).topLeft();
    for (int i = 0; i < laidOutPieces(); ++i) {
        PieceBox *box = Picture1.at(i);
        // The pixels of the piece's home cell, cut from the picture exactly
        // where the whole picture shows them.
        const QRect home = boardlogic::piecePixels(GridLeft + double(i % BoardColumns) * CellSize,
                                                   GridTop + (i / BoardColumns) * CellSize, CellSize, m_screen);
        const QRect cut = boardlogic::devicePixels(home, origin, ratio);
        QPixmap image(cut.size());
        image.setDevicePixelRatio(ratio);
        image.fill(face);
        if (!m_picture.isNull()) {
            QPainter p(&image);
            p.drawImage(QPointF(0, 0), m_picture, QRectF(cut));
        }
        box->setImage(image);
    }
}

void Form3::FitPictureToGrid()
{
    const PieceBox *corner = Picture1.at(m_rules.grid().at(0, 0));
    TwipsRect rect;
    rect.top = corner->topTwips();
    rect.left = corner->leftTwips();
    rect.width = double(BoardColumns) * Picture1.at(0)->sideTwips();
    rect.height = double(BoardRows) * Picture1.at(0)->sideTwips();
    Picture2->setRectTwips(rect, m_screen);
}

// ------------------------------------------------------------------ play

void Form3::Timer1_Timer()
{
    if (m_ended)
        return;
    ShufflePieces();
    Timer1->stop();
}

void Form3::ShufflePieces()
{
    m_random.seedFromClock();
    const QVector<boardlogic::CellSwap> swaps = m_rules.shuffle(m_random);
    // The grid is already shuffled; replay the swaps on the pieces themselves,
    // which trade places exactly as their cells did.
    boardlogic::PieceGrid replay;
    replay.reset(BoardColumns, BoardRows);
    for (const boardlogic::CellSwap &s : swaps) {
        PieceBox *a = Picture1.at(replay.at(s.column1, s.row1));
        PieceBox *b = Picture1.at(replay.at(s.column2, s.row2));
        const double aLeft = a->leftTwips();
        const double aTop = double(roundHalfEven(a->topTwips()));
        a->moveTo(b->leftTwips(), b->topTwips(), m_screen);
        b->moveTo(aLeft, aTop, m_screen);
        replay.swapCells(s.column1, s.row1, s.column2, s.row2);
    }
    for (int k = 0; k < laidOutPieces(); ++k)
        Picture1.at(k)->setEnabled(true);
    emit shuffled();
}

void Form3::Picture1_Click(int index, QPointF boardPixels)
{
    if (m_ended || index < 0 || index >= laidOutPieces())
        return;
    const double xt = m_screen.toTwipsX(boardPixels.x());
    const double yt = m_screen.toTwipsY(boardPixels.y());

    Command2[0]->setPicture(QPixmap());
    Command2[1]->setPicture(QPixmap());
    if (!Timer3->isActive())
        Timer3->start();
    RebuildBoard = false;

    const std::optional<QPoint> cell =
        boardlogic::cellAt(xt, yt, Picture2->rectTwips(), GridLeft, GridTop, CellSize);
    if (!cell)
        return;
    const boardlogic::Move move = m_rules.press(index, *cell);
    m_pressLifted = move.kind == boardlogic::Move::Kind::Lift;
    m_dragging = false;
    m_pressAt = boardPixels;
    if (move.kind == boardlogic::Move::Kind::Lift)
        showLift(move);
    else if (move.isDrop())
        showDrop(move);
}

void Form3::Picture1_DragMove(QPointF boardPixels)
{
    if (!m_pressLifted || m_dragging)
        return;
    const QPointF moved = boardPixels - m_pressAt;
    if (qAbs(moved.x()) + qAbs(moved.y()) >= QGuiApplication::styleHints()->startDragDistance())
        m_dragging = true;
}

void Form3::Picture1_Release(QPointF boardPixels)
{
    // Only the release of a drag drops: a press and release in place is a
    // click, and the piece stays lifted for the next click.
    const bool drag = m_pressLifted && m_dragging;
    m_pressLifted = false;
    m_dragging = false;
    if (!drag || m_ended || !m_rules.carrying())
        return;
    const std::optional<QPoint> cell = boardlogic::cellAt(
        m_screen.toTwipsX(boardPixels.x()), m_screen.toTwipsY(boardPixels.y()), Picture2->rectTwips(), GridLeft,
        GridTop, CellSize);
    if (cell)
        showDrop(m_rules.drop(*cell));
    else
        showCancel(m_rules.cancelCarry());
}

void Form3::showCancel(const boardlogic::Move &move)
{
    if (move.kind != boardlogic::Move::Kind::Cancel)
        return;
    Picture1.at(move.piece)->moveTo(PickLeft, PickTop, m_screen);
}

void Form3::showLift(const boardlogic::Move &move)
{
    PieceBox *lifted = Picture1.at(move.piece);
    PickLeft = lifted->leftTwips();
    PickTop = qint32(roundHalfEven(lifted->topTwips()));
    lifted->raise();
    vud::playDataSound(m_sound, QStringLiteral("principio.wav"));
}

void Form3::showDrop(const boardlogic::Move &move)
{
    Command2[1]->setText(QString::number(m_rules.moveCount()));
    updateCounterNames();
    PieceBox *carried = Picture1.at(move.piece);
    if (move.kind == boardlogic::Move::Kind::PutBack) {
        carried->moveTo(PickLeft, PickTop, m_screen);
        vud::playDataSound(m_sound, QStringLiteral("fin.wav"));
        emit dropped();
        return;
    }
    // The piece of the target cell goes where the carried one was lifted;
    // the carried one takes its place.
    PieceBox *other = Picture1.at(move.displaced);
    const double keptLeft = other->leftTwips();
    const double keptTop = double(roundHalfEven(other->topTwips()));
    other->moveTo(PickLeft, PickTop, m_screen);
    carried->moveTo(keptLeft, keptTop, m_screen);
    vud::playDataSound(m_sound, QStringLiteral("fin.wav"));
    CheckCompletion();
    emit dropped();
}

void Form3::Picture1_MouseMove(int index, double x, double y)
{
    if (m_ended || !m_rules.carrying() || index < 0 || index >= laidOutPieces())
        return;
    PieceBox *carried = Picture1.at(m_rules.carriedPiece());
    const PieceBox *reporter = Picture1.at(index);
    const QPointF to = boardlogic::carriedPieceTo(QPointF(carried->leftTwips(), carried->topTwips()),
                                                  carried->sideTwips(),
                                                  QPointF(reporter->leftTwips(), reporter->topTwips()),
                                                  QPointF(x, y));
    carried->moveTo(to.x(), to.y(), m_screen);
}

void Form3::carryTo(QPointF boardPixels)
{
    const int carriedPiece = m_rules.carriedPiece();
    if (!m_rules.carrying() || carriedPiece >= laidOutPieces())
        return;
    const PieceBox *carried = Picture1.at(carriedPiece);
    Picture1_MouseMove(carriedPiece, m_screen.toTwipsX(boardPixels.x()) - carried->leftTwips(),
                       m_screen.toTwipsY(boardPixels.y()) - carried->topTwips());
}

// ------------------------------------------------- keyboard and switch

bool Form3::piecesPlayable() const
{
    // Not before the shuffle, nor once the game's end has been revealed.
    return !m_ended && laidOutPieces() > 0 && Picture1.at(0)->isEnabled() && !RevealShown;
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    // Keys a focused button left alone (Enter) are not the grid's.
    if (focusWidget() && focusWidget() != this) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (m_rules.carrying() && !m_ended)
            showCancel(m_rules.cancelCarry());
        return;
    }
    if (m_scan) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!event->isAutoRepeat())
                Switch_Press();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
        moveCursor(-1, 0);
        return;
    case Qt::Key_Right:
        moveCursor(1, 0);
        return;
    case Qt::Key_Up:
        moveCursor(0, -1);
        return;
    case Qt::Key_Down:
        moveCursor(0, 1);
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return;
        if (m_cursor.show())
            showHighlight();
        else
            chooseCell(m_cursor.cell());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form3::moveCursor(int columns, int rows)
{
    m_cursor.move(columns, rows);
    showHighlight();
}

void Form3::showHighlight()
{
    if (laidOutPieces() < 1 || (!m_cursor.shown() && !m_scan)) {
        m_highlight->hide();
        return;
    }
    QPoint cell = m_cursor.cell();
    int spanColumns = 1;
    if (m_scan && m_scan->stage() == boardlogic::RowColumnScan::Stage::Rows) {
        cell = QPoint(0, m_scan->row());
        spanColumns = BoardColumns;
    } else if (m_scan) {
        cell = m_scan->cell();
    }
    const double left = GridLeft + double(cell.x()) * CellSize;
    const double top = double(GridTop) + double(cell.y()) * CellSize;
    // The carried piece goes with the highlighted cell, and waits on its
    // own cell while the rows are scanned.
    if (m_rules.carrying()) {
        if (spanColumns == 1)
            Picture1.at(m_rules.carriedPiece())->moveTo(left, top, m_screen);
        else
            Picture1.at(m_rules.carriedPiece())->moveTo(PickLeft, PickTop, m_screen);
    }
    const QRect frame = m_screen.toPixels(left, top, double(spanColumns) * CellSize, CellSize);
    m_highlight->setGeometry(frame.adjusted(0, 0, 1, 1));
    m_highlight->show();
    m_highlight->raise();
}

void Form3::chooseCell(QPoint cell)
{
    if (!piecesPlayable())
        return;
    // The whole picture on show covers the pieces: the press takes it away,
    // as a click on it does.
    if (Picture2->isVisible()) {
        Picture2_Click();
        return;
    }
    Command2[0]->setPicture(QPixmap());
    Command2[1]->setPicture(QPixmap());
    if (!Timer3->isActive())
        Timer3->start();
    RebuildBoard = false;
    m_cursor.moveTo(cell);
    const boardlogic::Move move =
        m_rules.carrying() ? m_rules.drop(cell) : m_rules.lift(m_rules.grid().at(cell.x(), cell.y()));
    if (move.kind == boardlogic::Move::Kind::Lift)
        showLift(move);
    else if (move.isDrop())
        showDrop(move);
    if (m_highlight->isVisible())
        m_highlight->raise();
}

void Form3::setScanning(bool on, int intervalMs, boardlogic::ScanClock *clock)
{
    m_scan.reset();
    m_ownScanClock.reset();
    qApp->removeEventFilter(this);
    m_scanInterval = intervalMs;
    if (!on) {
        showHighlight();
        return;
    }
    if (!clock) {
        m_ownScanClock = std::make_unique<boardlogic::TimerScanClock>();
        clock = m_ownScanClock.get();
    }
    m_scan = std::make_unique<boardlogic::RowColumnScan>(*clock);
    m_scan->onChange = [this] { showHighlight(); };
    // A mouse button anywhere on the board is the switch too.
    qApp->installEventFilter(this);
    startScan();
}

void Form3::startScan()
{
    m_scan->start(BoardColumns, BoardRows, m_scanInterval);
}

void Form3::Switch_Press()
{
    if (!m_scan || m_ended)
        return;
    // The whole picture on show is taken away first, as a click does.
    if (Picture2->isVisible() && !RevealShown) {
        Picture2_Click();
        return;
    }
    if (!piecesPlayable())
        return;
    if (const std::optional<QPoint> cell = m_scan->press())
        chooseCell(*cell);
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (m_scan && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            if (event->type() == QEvent::MouseButtonPress)
                Switch_Press();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------- clock and end

void Form3::Timer3_Timer()
{
    if (m_ended)
        return;
    Command2[0]->setText(QString::number(m_rules.secondPassed()));
    updateCounterNames();
}

void Form3::CheckCompletion()
{
    if (!m_rules.isSolved())
        return;
    Timer3->stop();
    // The pieces of the game actually played, whatever the selection screen
    // holds now.
    emit gameFinished(laidOutPieces(), m_rules.elapsedSeconds(), m_rules.moveCount());
    vud::playDataSound(m_sound, QStringLiteral("acabado.wav"));
    Timer2->start();
}

void Form3::Timer2_Timer()
{
    if (m_ended)
        return;
    RevealShown = true;
    bringPictureToFront();

    const std::optional<QVector<vud::DrawingPlacement>> drawings =
        vud::readCoordinatesFile(vud::coordinatesPathFor(m_choice.PictureName, m_choice.PicturePath));
    const TwipsRect p2 = Picture2->rectTwips();
    if (drawings) {
        GifCount = 0;
        const QRect grid(QPoint(0, 0), gridPixels());
        for (const vud::DrawingPlacement &d : *drawings) {
            if (GifCount >= vud::kMostDrawings)
                break;
            // The drawing keeps its place and size on the picture as it is
            // scaled and cut to the grid.
            const QPointF at = boardlogic::revealPosition(d.x, d.y, m_fit);
            const QString path = vud::findDataPath(QStringLiteral("\\gifs\\"), d.name);
            const QSize natural = vud::pictureSize(path);
            const QSize shown = boardlogic::revealSize(natural, m_fit);
            if (natural.isValid() && !QRectF(at, QSizeF(shown)).intersects(QRectF(grid)))
                continue;
            vud::GifDisplay *gif = Gif89a1.at(GifCount);
            if (m_fit.scale == 1.0 || !natural.isValid()) {
                gif->clearSize();
            } else {
                gif->setWidthTwips(m_screen.toTwipsX(shown.width()));
                gif->setHeightTwips(m_screen.toTwipsY(shown.height()));
            }
            gif->setFile(path);
            gif->setLeftTwips(p2.left + m_screen.toTwipsX(at.x()));
            gif->setTopTwips(p2.top + m_screen.toTwipsY(at.y()));
            gif->setKeepPlaying(true);
            gif->show();
            gif->raise();
            ++GifCount;
            Gif89a1.append(createGifElement(GifCount));
        }
    } else {
        vud::GifDisplay *gif = Gif89a1.at(0);
        gif->clearSize();
        gif->setFile(vud::findDataPath(QStringLiteral("\\gifs\\x_elmani.gif")));
        gif->setLeftTwips(p2.left + 600);
        gif->setTopTwips(p2.top + 800);
        gif->setKeepPlaying(true);
        gif->show();
        gif->raise();
    }
    Timer2->stop();
}

void Form3::Form_Activate()
{
    if (m_ended || !RebuildBoard)
        return;
    // One board per choice: coming back from the results list or the
    // selection screen without a new choice continues this board.
    RebuildBoard = false;
    m_choice = m_nextChoice;
    // The new game is timed from the child's first click, as the first one
    // is, and its counters show nothing until then. Its rules start afresh
    // in LayOutBoard, no piece carried: one lifted on the old board no
    // longer exists.
    Timer3->stop();
    ShowCounterPictures();
    ClearBoard();
    // The child sees the new pieces whole, then the shuffle: the last
    // game's whole picture goes with its drawings.
    Picture2->hide();
    LayOutBoard();
    PaintPieces();
    FitPictureToGrid();
    RevealShown = false;
    Timer1->start();
    setFocus(Qt::OtherFocusReason);
}

void Form3::resumeBoard(const boardlogic::BoardChoice &choice, const boardlogic::GameRules &rules)
{
    if (m_ended || rules.pieceCount() == 0)
        return;
    RebuildBoard = false;
    m_choice = choice;
    m_choice.GridColumns = std::uint8_t(rules.columns());
    m_choice.GridRows = std::int16_t(rules.rows());
    m_nextChoice = m_choice;
    // Neither the shuffle nor the clock of the board on show goes on; the
    // clock starts again at the child's first click.
    Timer1->stop();
    Timer3->stop();
    ClearBoard();
    Picture2->hide();
    LayOutBoard();
    // Every piece stands at its home after the lay-out; each goes to the
    // cell the saved game has it in, as the shuffle moves them.
    QVector<QPointF> cells;
    cells.reserve(laidOutPieces());
    for (int k = 0; k < laidOutPieces(); ++k)
        cells.append(QPointF(Picture1.at(k)->leftTwips(), double(roundHalfEven(Picture1.at(k)->topTwips()))));
    m_rules = rules;
    for (int k = 0; k < laidOutPieces(); ++k) {
        const QPointF at = cells.at(k);
        PieceBox *box = Picture1.at(m_rules.grid().at(k % BoardColumns, k / BoardColumns));
        box->moveTo(at.x(), at.y(), m_screen);
        box->setEnabled(true);
    }
    PaintPieces();
    FitPictureToGrid();
    RevealShown = false;
    Command2[0]->setPicture(QPixmap());
    Command2[0]->setText(QString::number(m_rules.elapsedSeconds()));
    Command2[1]->setPicture(QPixmap());
    Command2[1]->setText(QString::number(m_rules.moveCount()));
    updateCounterNames();
    setFocus(Qt::OtherFocusReason);
}

void Form3::ShowCounterPictures()
{
    Command2[0]->setText(QString());
    Command2[0]->setPicture(boardart::clock());
    Command2[1]->setText(QString());
    Command2[1]->setPicture(boardart::moves());
    updateCounterNames();
}

void Form3::updateCounterNames()
{
    // The counters are named by their values; their tooltips say what they
    // count.
    Command2[0]->setAccessibleName(tr("Segundos: %1").arg(m_rules.elapsedSeconds()));
    Command2[1]->setAccessibleName(tr("Movimientos: %1").arg(m_rules.moveCount()));
}

void Form3::ClearBoard()
{
    for (int k = laidOutPieces() - 1; k >= 1 && k < Picture1.size(); --k)
        delete Picture1.takeAt(k);
    Picture1.resize(1);
    for (int k = GifCount; k >= 1 && k < Gif89a1.size(); --k)
        delete Gif89a1.takeAt(k);
    Gif89a1.resize(1);
    GifCount = 0;
    Gif89a1.at(0)->hide();
    // A reveal still waiting belongs to the game that is gone.
    Timer2->stop();
}

// --------------------------------------------------------------- buttons

void Form3::bringPictureToFront()
{
    Picture2->raise();
    Picture2->show();
    // The reveal's drawings stay on top of the whole picture.
    for (vud::GifDisplay *gif : std::as_const(Gif89a1)) {
        if (gif->isVisible())
            gif->raise();
    }
}

void Form3::Command6_Click()
{
    if (m_ended)
        return;
    bringPictureToFront();
}

void Form3::Command1_Click()
{
    if (m_ended)
        return;
    ShowPlacedPieces();
}

void Form3::ShowPlacedPieces()
{
    bringPictureToFront();
    for (int k = 0; k < laidOutPieces(); ++k) {
        if (!m_rules.grid().isHome(k))
            Picture1.at(k)->raise();
    }
}

void Form3::Picture2_Click()
{
    if (m_ended)
        return;
    if (!RevealShown)
        Picture2->hide();
}

void Form3::Command8_Click()
{
    if (m_ended)
        return;
    const bool bordered = !BordersShown;
    BordersShown = bordered;
    for (int k = 0; k < laidOutPieces(); ++k)
        Picture1.at(k)->setBordered(bordered);
}

void Form3::Command9_Click()
{
    if (m_ended)
        return;
    emit selectionRequested();
}

void Form3::Command2_Click(int)
{
    if (m_ended)
        return;
    emit resultsRequested();
}

void Form3::Command5_Click()
{
    if (m_ended)
        return;
    // Nothing of the board runs after this: the clock, a pending shuffle or
    // reveal and every later click are shut off before the program leaves.
    m_ended = true;
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    emit exitRequested();
}
