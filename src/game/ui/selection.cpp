#include "game/ui/selection.h"

#include "core/datapaths.h"
#include "core/preview.h"
#include "core/previewloader.h"
#include "game/ui/screenart.h"
#include "game/ui/switchfilter.h"
#include "puzzlefile/puzzleimport.h"
#include "widgets/accessiblecells.h"
#include "widgets/facebutton.h"
#include "widgets/sound.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

const QColor CountColour(255, 192, 192);
const QColor ChosenCountColour(0, 0, 255);

constexpr int CellLefts[3] = {2880, 5280, 7680};
constexpr int CellTops[3] = {360, 2400, 4440};

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

PreviewCell::PreviewCell(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(true);
    vud::markAsAccessibleCell(this);
    // Reached from the keyboard only, so a click shows no focus.
    setFocusPolicy(Qt::TabFocus);
}

void PreviewCell::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    m_hasPicture = true;
    m_waiting = false;
    setCursor(Qt::PointingHandCursor);
}

void PreviewCell::clearPicture()
{
    clear();
    m_hasPicture = false;
    m_waiting = false;
    unsetCursor();
}

void PreviewCell::setWaiting()
{
    clearPicture();
    m_waiting = true;
}

void PreviewCell::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void PreviewCell::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A thick frame in black and white, seen on any picture.
    QPainter p(this);
    p.setPen(QPen(Qt::black, 6));
    p.drawRect(rect().adjusted(3, 3, -3, -3));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(rect().adjusted(4, 4, -4, -4));
}

void PreviewCell::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PreviewCell::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

Form2::Form2(vud::SoundInterface &sound, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_sound(sound)
    , m_screen(vud::screenTwips(QGuiApplication::primaryScreen()))
    , m_previews(std::make_unique<vud::PreviewLoader>(m_screen))
{
    connect(m_previews.get(), &vud::PreviewLoader::previewReady, this, &Form2::PlacePreview);
    setObjectName(QStringLiteral("Form2"));
    //: The program's name and version, usually kept as they are.
    setWindowTitle(tr("VUD 2.0"));
    setWindowIcon(ScreenArt::windowIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(palette);
    setFixedSize(m_screen.toPixelsX(ClientWidth), m_screen.toPixelsY(ClientHeight));
    setAcceptDrops(true);
    buildControls();
    Form_Load();
}

// The loader goes first: it waits for its workers, whose previews must not
// reach cells that are gone.
Form2::~Form2()
{
    setScanning(false);
}

void Form2::setScanning(bool on, int intervalMs, boardlogic::ScanClock *clock)
{
    if (m_scanClock) {
        m_scanClock->stop();
        m_scanClock->onTick = nullptr;
    }
    delete m_switch;
    m_switch = nullptr;
    m_scanClock = nullptr;
    m_ownScanClock.reset();
    if (!on)
        return;
    m_scanInterval = qBound(200, intervalMs, 60000);
    if (!clock) {
        m_ownScanClock = std::make_unique<boardlogic::TimerScanClock>();
        clock = m_ownScanClock.get();
    }
    m_scanClock = clock;
    m_switch = new SwitchFilter(this, [this] { Switch_Press(); });
    // Once the board is open, this screen's own timer rests until it is
    // shown again; a clock handed in is the board's from then on.
    connect(this, &Form2::pictureChosen, m_switch, [this] {
        if (m_ownScanClock)
            m_ownScanClock->stop();
    });
    m_scanCells = false;
    m_scanItem = 0;
    m_scanCount = 0;
    startScan();
}

void Form2::startScan()
{
    m_scanClock->onTick = [this] { scanStep(); };
    m_scanClock->start(m_scanInterval);
    if (QWidget *control = scanned())
        control->setFocus(Qt::TabFocusReason);
}

QWidget *Form2::scanned() const
{
    if (!m_switch)
        return nullptr;
    if (!m_scanCells)
        return Command3.value(m_scanItem);
    if (m_scanItem >= Image1.size())
        return Command1.value(m_scanItem - int(Image1.size()));
    return Image1.value(m_scanItem);
}

bool Form2::scanOffers(int stop) const
{
    const int cells = int(Image1.size());
    if (stop < cells)
        return Image1[stop]->hasPicture() || Image1[stop]->isWaiting();
    // A page turn only where there are pictures to turn to.
    if (stop == cells)
        return Command1[0]->isEnabled() && m_paging.pageStart() + cells < m_file1.ListCount();
    return Command1[1]->isEnabled() && m_paging.pageStart() > 0;
}

void Form2::scanStep()
{
    if (m_scanCells) {
        // Only the cells that show a picture are offered, then the page
        // turns; after the last one the counts come back.
        const int stops = int(Image1.size() + Command1.size());
        int next = m_scanItem + 1;
        while (next < stops && !scanOffers(next))
            ++next;
        if (next < stops) {
            m_scanItem = next;
        } else {
            m_scanCells = false;
            m_scanItem = m_scanCount;
        }
    } else {
        m_scanItem = int((m_scanItem + 1) % Command3.size());
    }
    if (QWidget *control = scanned())
        control->setFocus(Qt::TabFocusReason);
}

void Form2::Switch_Press()
{
    if (!m_switch)
        return;
    if (!m_scanCells) {
        Command3_Click(m_scanItem);
        m_scanCount = m_scanItem;
        m_scanCells = true;
        m_scanItem = -1;
        scanStep();
        // Each choice gives the child a whole wait before the next step.
        m_scanClock->start(m_scanInterval);
    } else if (m_scanItem >= Image1.size()) {
        // A page turn: the new page's pictures from the first.
        Command1_Click(m_scanItem - int(Image1.size()));
        m_scanItem = -1;
        scanStep();
        m_scanClock->start(m_scanInterval);
    } else {
        const int cell = m_scanItem;
        m_scanCells = false;
        m_scanItem = 0;
        m_scanClock->start(m_scanInterval);
        Image1_Click(cell);
    }
}

void Form2::buildControls()
{
    for (int index = 0; index < Screens::PieceCountButtons; ++index) {
        auto *button = new vud::FaceButton(Screens::pieceCount(index).caption, this);
        button->setObjectName(QStringLiteral("Command3"));
        button->setAccessibleName(tr("%1 piezas").arg(Screens::pieceCount(index).caption.trimmed()));
        button->setProperty("index", index);
        button->setFont(arial(24, true));
        button->setFaceColour(CountColour);
        button->setGeometry(m_screen.toPixels(index % 2 == 0 ? 240 : 1560, 360 + 1320 * (index / 2), 1215, 1215));
        connect(button, &QPushButton::clicked, this, [this, index] { Command3_Click(index); });
        button->installEventFilter(this);
        Command3.append(button);
    }

    for (int index = 0; index < Screens::GalleryCells; ++index) {
        auto *cell = new PreviewCell(this);
        cell->setObjectName(QStringLiteral("Image1"));
        cell->setProperty("index", index);
        cell->setGeometry(m_screen.toPixels(CellLefts[index % 3], CellTops[index / 3], 2295, 1935));
        connect(cell, &PreviewCell::clicked, this, [this, index] { Image1_Click(index); });
        cell->installEventFilter(this);
        Image1.append(cell);
    }

    const QSize arrowSize = m_screen.toPixels(0, 0, 1215, 1095).size() * 3 / 4;
    for (int index = 0; index < 2; ++index) {
        auto *button = new vud::FaceButton(this);
        button->setObjectName(QStringLiteral("Command1"));
        button->setProperty("index", index);
        button->setFaceColour(QColor(255, 220, 120));
        button->setGeometry(m_screen.toPixels(index == 0 ? 6600 : 5040, 6480, 1215, 1095));
        button->setPicture(ScreenArt::pageArrow(index == 0 ? ScreenArt::Arrow::Next : ScreenArt::Arrow::Previous,
                                                arrowSize));
        button->setToolTip(index == 0 ? tr("Más dibujos") : tr("Dibujos de antes"));
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        Command1.append(button);
    }
}

void Form2::Form_Load()
{
    const QPointF origin = Screens::centredOrigin(m_screen, QSizeF(ClientWidth, ClientHeight));
    move(m_screen.toPixelsX(origin.x()), m_screen.toPixelsY(origin.y()));
    m_file1.setDataFolder(QStringLiteral("\\imagenes\\"));
    ShowPreviewPage();
    m_paging.reset();
    m_hasChosen = false;
    Command3[0]->setFaceColour(ChosenCountColour);
    m_choice.GridColumns = 3;
    m_choice.GridRows = 2;
    Command1[1]->setEnabled(false);
}

void Form2::showModeless()
{
    show();
    raise();
    activateWindow();
    // Back from the board, the scan takes its clock again.
    if (m_scanClock)
        startScan();
}

void Form2::ShowPreviewPage()
{
    // The previews are made off the window's thread; each cell shows its own
    // as soon as it is ready (PlacePreview), at once when it is still in
    // memory. A click waiting on the page before is forgotten.
    m_clickWaiting = -1;
    QStringList paths;
    for (int cellIndex = 0; cellIndex < Screens::GalleryCells; ++cellIndex) {
        PreviewCell *cell = Image1[cellIndex];
        const int i = m_paging.fileIndexForCell(cellIndex);
        if (i >= m_file1.ListCount() || i < 0) {
            cell->setAccessibleName(tr("Sin dibujo"));
            cell->clearPicture();
            paths << QString();
            continue;
        }
        // Until its preview comes the cell is blank at its designed size, so
        // that a click on it can wait for the picture.
        cell->setAccessibleName(m_file1.List(i));
        cell->setWaiting();
        cell->setGeometry(m_screen.toPixels(CellLefts[cellIndex % 3], CellTops[cellIndex / 3], 2295, 1935));
        cell->show();
        paths << m_file1.fullPath(i);
    }
    m_previews->requestPage(paths);
}

void Form2::PlacePreview(int cellIndex, const vud::PreviewPicture &preview)
{
    PreviewCell *cell = Image1[cellIndex];
    if (preview.loaded) {
        cell->setPicture(QPixmap::fromImage(preview.image));
        const QRect fitted = m_screen.toPixels(CellLefts[cellIndex % 3], CellTops[cellIndex / 3],
                                               preview.fittedTwips.width(), preview.fittedTwips.height());
        cell->resize(fitted.size());
    } else {
        // A file that is no picture shows nothing, so that it cannot be
        // chosen.
        cell->clearPicture();
    }
    if (m_clickWaiting == cellIndex) {
        m_clickWaiting = -1;
        Image1_Click(cellIndex);
    }
}

void Form2::Command1_Click(int Index)
{
    if (Index == 1) {
        if (m_paging.pressPrevious() == Screens::GalleryPaging::Press::Refused) {
            Command1[1]->setEnabled(false);
            return;
        }
        ShowPreviewPage();
        vud::playDataSound(m_sound, QStringLiteral("4.wav"));
        Command1[0]->setEnabled(true);
    } else {
        if (m_paging.pressNext(m_file1.ListCount()) == Screens::GalleryPaging::Press::Refused) {
            Command1[0]->setEnabled(false);
            return;
        }
        ShowPreviewPage();
        Command1[1]->setEnabled(true);
        vud::playDataSound(m_sound, QStringLiteral("4.wav"));
    }
}

void Form2::Command3_Click(int Index)
{
    const Screens::PieceCount count = Screens::pieceCount(Index);
    m_choice.GridColumns = count.columns;
    m_choice.GridRows = count.rows;
    for (vud::FaceButton *button : Command3)
        button->setFaceColour(CountColour);
    vud::playDataSound(m_sound, QStringLiteral("2.wav"));
    Command3[Index]->setFaceColour(ChosenCountColour);
}

void Form2::Image1_Click(int Index)
{
    // A cell whose preview is still being made answers once it is ready.
    if (Image1[Index]->isWaiting()) {
        m_clickWaiting = Index;
        return;
    }
    // Only a cell showing a picture starts a game: an empty cell, or one whose
    // file is no picture, would hand the board nothing to cut.
    if (!Image1[Index]->hasPicture())
        return;
    m_clickWaiting = -1;
    const int fileIndex = m_paging.fileIndexForCell(Index);
    m_choice.PicturePath = m_file1.fullPath(fileIndex);
    m_choice.PictureName = m_file1.List(fileIndex);
    m_hasChosen = true;
    emit pictureChosen(m_choice);
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    // The gallery's pages turn from anywhere on the screen.
    if (event->key() == Qt::Key_PageDown)
        Command1_Click(0);
    else if (event->key() == Qt::Key_PageUp)
        Command1_Click(1);
    else
        QWidget::keyPressEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (moveFocusByArrow(key->key(), widget))
            return true;
        // Enter chooses a count as Space does.
        auto *button = qobject_cast<vud::FaceButton *>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Form2::moveFocusByArrow(int key, QWidget *from)
{
    int step = 0;
    int columns = 0;
    QVector<QWidget *> group;
    // Compared as widgets: the one with the focus need not be either kind.
    const QVector<QWidget *> counts(Command3.begin(), Command3.end());
    const QVector<QWidget *> cells(Image1.begin(), Image1.end());
    if (counts.contains(from)) {
        group = counts;
        columns = 2;
    } else if (cells.contains(from)) {
        group = cells;
        columns = 3;
    } else {
        return false;
    }
    const int at = int(group.indexOf(from));
    switch (key) {
    case Qt::Key_Left:
        step = at % columns > 0 ? -1 : 0;
        break;
    case Qt::Key_Right:
        step = at % columns < columns - 1 ? 1 : 0;
        break;
    case Qt::Key_Up:
        step = -columns;
        break;
    case Qt::Key_Down:
        step = columns;
        break;
    default:
        return false;
    }
    const int to = at + step;
    // Stops at the edges, and at gallery cells with nothing to choose.
    if (step != 0 && to >= 0 && to < group.size() && group.at(to)->isVisible()) {
        auto *cell = qobject_cast<PreviewCell *>(group.at(to));
        if (!cell || cell->hasPicture() || cell->isWaiting())
            group.at(to)->setFocus(Qt::TabFocusReason);
    }
    return true;
}

void Form2::showPageOf(const QString &pictureName)
{
    m_file1.setDataFolder(QStringLiteral("\\imagenes\\"));
    for (int i = 0; i < m_file1.ListCount(); ++i) {
        if (m_file1.List(i).compare(pictureName, Qt::CaseInsensitive) == 0) {
            m_paging.showPageOf(i);
            break;
        }
    }
    Command1[0]->setEnabled(true);
    Command1[1]->setEnabled(m_paging.pageStart() > 0);
    ShowPreviewPage();
}

void Form2::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData() && !vud::importableFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form2::dropEvent(QDropEvent *event)
{
    const QStringList files = event->mimeData() ? vud::importableFiles(*event->mimeData()) : QStringList();
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    QString shown;
    for (const QString &file : files) {
        const vud::PuzzleImport result = vud::importFile(file);
        if (result.outcome != vud::ImportOutcome::Refused)
            shown = result.pictureName;
    }
    if (!shown.isEmpty())
        showPageOf(shown);
}

void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void Form2::Form_Unload()
{
    emit exitRequested();
}
