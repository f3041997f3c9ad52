#include "editor/ui/editorwindow.h"

#include "core/datapaths.h"
#include "core/random.h"
#include "editor/logic/drawingimages.h"
#include "editor/logic/puzzlesave.h"
#include "editor/ui/artwork.h"
#include "editor/ui/dialogs.h"
#include "editor/ui/picturesurface.h"
#include "puzzlefile/puzzleimport.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"

#include <QAction>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QMimeData>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QTimer>

namespace Editor {

namespace {

struct ButtonDesign
{
    int index;
    TwipsRect rect;
    QColor face;
};

// The button column, in twips.
const ButtonDesign kCommand1[] = {
    {0, {0, 0, 615, 615}, QColor(255, 255, 255)},
    {1, {600, 0, 615, 615}, QColor(255, 255, 255)},
    {2, {0, 960, 1215, 615}, QColor(192, 255, 192)},
    {9, {0, 1800, 1215, 615}, QColor(255, 128, 128)},
    {3, {0, 2760, 1215, 1215}, QColor(192, 255, 192)},
};
const TwipsRect kCommand2{0, 4320, 1215, 735};
const QColor kCommand2Face(192, 0, 0);
const TwipsRect kList1{0, 5400, 1215, 1230};
const TwipsRect kPicture2{0, 6720, 1455, 1935};
const TwipsRect kMarchoso1{6120, 720, 2175, 2295};
const QColor kBackground(255, 192, 192);

QPixmap faceFor(int index, int side)
{
    switch (index) {
    case 0:
        return Artwork::previousArrow(side);
    case 1:
        return Artwork::nextArrow(side);
    case 2:
        return Artwork::chooseDrawing(side);
    case 9:
        return Artwork::clearPicture(side);
    case 3:
        return Artwork::savePuzzle(side);
    default:
        return QPixmap();
    }
}

} // namespace

Form1::Form1(Dialogs &dialogs, vud::RandomSource &names)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_dialogs(dialogs)
    , m_names(names)
    , m_screen(vud::screenTwips())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());
    // No title bar shows a caption; assistive technology still names it.
    setAccessibleName(tr("VUD editor - Editor de puzzles"));
    setWindowIcon(Artwork::editorIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    createControls();
    Form_Load();

    // Export and import: on the keyboard and in the window's right-click
    // menu, out of the way of the button column.
    auto *exportAction = new QAction(tr("Exportar puzzle..."), this);
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, &Form1::exportPuzzle);
    auto *importAction = new QAction(tr("Importar puzzle..."), this);
    importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(importAction, &QAction::triggered, this, &Form1::importPuzzle);
    addActions({exportAction, importAction});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // A right click on the picture is the surface's own, never the menu.
    m_picture1->setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
}

Form1::~Form1() = default;

void Form1::placeControl(QWidget *control, const TwipsRect &rect)
{
    control->setGeometry(m_screen.toPixels(rect.left, rect.top, rect.width, rect.height));
}

void Form1::createControls()
{
    // Shape1 first, so that everything else lies above the work area's frame.
    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setFrameShape(QFrame::Box);
    m_shape1->setLineWidth(2);
    QPalette white = m_shape1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_shape1->setPalette(white);
    m_shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_picture1 = new PictureSurface(this);
    connect(m_picture1, &PictureSurface::mouseMoved, this,
            [this](QPoint pixel, Qt::MouseButtons) { Picture1_MouseMove(pixel); });
    connect(m_picture1, &PictureSurface::mousePressed, this, &Form1::Picture1_MouseDown);
    connect(m_picture1, &PictureSurface::keyPressed, this, &Form1::Picture1_KeyDown);

    for (const ButtonDesign &design : kCommand1) {
        auto *button = new vud::FaceButton(this);
        button->setObjectName(QStringLiteral("Command1"));
        button->setProperty("index", design.index);
        button->setFaceColour(design.face);
        // Reached by Tab, pressed by Space or Enter; a click leaves the focus where it was.
        button->setFocusPolicy(Qt::TabFocus);
        placeControl(button, design.rect);
        // Square buttons carry square pictures; the wide ones pictures twice as wide.
        const bool wide = button->width() > button->height() * 3 / 2;
        const QSize room = button->pictureRoom();
        const int side = qMax(8, qMin(wide ? room.width() / 2 : room.width(), room.height()));
        button->setPicture(faceFor(design.index, side));
        const int index = design.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        m_command1[design.index] = button;
    }
    m_command1[0]->setToolTip(tr("Imagen anterior"));
    m_command1[1]->setToolTip(tr("Imagen siguiente"));
    m_command1[2]->setToolTip(tr("Elegir un dibujo"));
    m_command1[9]->setToolTip(tr("Borrar los dibujos"));
    m_command1[3]->setToolTip(tr("Guardar el puzzle"));

    m_command2 = new vud::FaceButton(this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setFaceColour(kCommand2Face);
    m_command2->setFocusPolicy(Qt::TabFocus);
    m_command2->setToolTip(tr("Salir"));
    placeControl(m_command2, kCommand2);
    {
        // The door, twice as wide as high, with a little more air than the others.
        const QSize room = m_command2->pictureRoom();
        m_command2->setPicture(Artwork::exitDoor(qMax(8, qMin(room.width() / 2, room.height()) - 2)));
    }
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    m_list1 = new QListView(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(tr("Dibujos puestos"));
    m_list1->setModel(&m_placements);
    m_list1->setFocusPolicy(Qt::NoFocus);
    placeControl(m_list1, kList1);

    m_picture2 = new QLabel(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture2->setAutoFillBackground(true);
    QPalette sample = m_picture2->palette();
    sample.setColor(QPalette::Window, Qt::white);
    m_picture2->setPalette(sample);
    m_picture2Rect = kPicture2;
    placeControl(m_picture2, m_picture2Rect);

    m_marchoso1 = new vud::GifDisplay(vud::GifDisplay::Role::Editor, this);
    m_marchoso1->setObjectName(QStringLiteral("Marchoso1"));
    m_marchoso1->setScreenTwips(m_screen);
    m_marchoso1->setLeftTwips(kMarchoso1.left);
    m_marchoso1->setTopTwips(kMarchoso1.top);
    m_marchoso1->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(m_marchoso1, &vud::GifDisplay::GifEnd, this, &Form1::Marchoso1_GifEnd);
}

void Form1::Form_Load()
{
    m_marchoso1->hide();

    // Dir1 and File1: the first folder below gifs and its files.
    QStringList problems;
    const QVector<vud::DataEntry> folders = vud::listDataFolders(QStringLiteral("\\gifs\\"));
    if (folders.isEmpty()) {
        //: "gifs" is the data folder's name on disk: keep it as it is.
        problems << tr("No hay ninguna carpeta de dibujos dentro de la carpeta gifs.");
    } else {
        m_drawingFolder = folders.first().path;
        m_drawingFiles = vud::listFiles(m_drawingFolder);
        if (m_drawingFiles.isEmpty())
            problems << tr("La carpeta de dibujos %1 está vacía.").arg(folders.first().name);
    }

    listPictures();

    // Picture2 gets the first drawing; it is only on show during a placement.
    if (!m_drawingFiles.isEmpty()) {
        const QString path = m_drawingFolder + QLatin1Char('/') + m_drawingFiles.first();
        m_sample = stillImage(path);
        m_picture2->setPixmap(QPixmap::fromImage(m_sample));
        m_chosen.cellPath = path;
    }
    m_picture2Rect.top = m_screen.height() - m_picture2Rect.height;
    placeControl(m_picture2, m_picture2Rect);
    m_picture2->hide();

    m_twipsPerPixel = static_cast<int>(vud::roundHalfEven(m_screen.twipsPerPixelX));
    m_previewOn = true;
    LayoutWorkArea();

    if (!problems.isEmpty()) {
        // Told once the window is on show, not in the middle of opening it.
        const QString text = problems.join(QLatin1Char('\n'));
        QTimer::singleShot(0, this, [this, text] { message(text); });
    }
}

void Form1::LayoutWorkArea()
{
    m_shape = workArea(m_screen);
    placeControl(m_shape1, m_shape);
    LayoutPictureSurface();
}

void Form1::LayoutPictureSurface()
{
    m_pictureRect = workArea(m_screen);
    placeSurface();
    m_picture1->setSurfaceSize(m_picture1->size());
}

void Form1::placeSurface()
{
    const QRect r = m_screen.toPixels(m_pictureRect.left, m_pictureRect.top, m_pictureRect.width,
                                      m_pictureRect.height);
    if (m_picture1->hasPicture())
        m_picture1->move(r.topLeft());
    else
        m_picture1->setGeometry(r);
    m_marchoso1->raise();
}

void Form1::showEditor()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    m_picture1->setFocus();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::message(const QString &text)
{
    m_dialogs.showMessage(this, text);
}

void Form1::Command1_Click(int index)
{
    // Coming back from the chooser: wipe whatever preview is left on screen.
    if (m_lastButton == 2)
        m_picture1->refresh();

    switch (index) {
    case 0:
        if (m_pictureFiles.isEmpty())
            //: The second "imagenes" is the data folder's name on disk: keep it as it is.
            message(tr("No hay imágenes en la carpeta imagenes."));
        else
            showPicture(previousPictureIndex(m_pictureIndex, int(m_pictureFiles.size())));
        break;
    case 1:
        if (m_pictureFiles.isEmpty())
            message(tr("No hay imágenes en la carpeta imagenes."));
        else
            showPicture(nextPictureIndex(m_pictureIndex, int(m_pictureFiles.size())));
        break;
    case 2:
        chooseDrawing();
        break;
    case 3:
        savePuzzleAs();
        break;
    case 9:
        clearPlacements();
        break;
    default:
        return;
    }
    m_lastButton = index;
}

void Form1::listPictures()
{
    // File2: every file of imagenes, the user's and the installed ones.
    m_pictureFiles.clear();
    m_picturePaths.clear();
    for (const vud::DataEntry &picture : vud::listDataFiles(QStringLiteral("\\imagenes"))) {
        m_pictureFiles << picture.name;
        m_picturePaths << picture.path;
    }
}

void Form1::showPicture(int index)
{
    m_savedName.clear();
    // The index moves on even when the file turns out not to be a picture, so
    // that the next press gets past it.
    m_pictureIndex = index;
    const QString name = m_pictureFiles.value(index);
    // A picture larger than the work area comes scaled down to fit inside it,
    // so that all of it shows; drawings are placed on it as shown and the
    // save writes it at that size.
    const QImage picture = loadSurfacePicture(m_picturePaths.value(index), workAreaPixels(m_shape, m_screen));
    if (picture.isNull()) {
        message(tr("El archivo %1 no es una imagen.").arg(name));
        return;
    }
    m_picture1->setPicture(picture);
    m_pictureRect = centredPicture(m_shape, picture.size(), m_screen);
    placeSurface();
    m_picture2->hide();
}

void Form1::chooseDrawing()
{
    m_picture1->takeRetainedAsPicture();
    m_editMode = 2;
    if (!m_chooser) {
        m_chooser = std::make_unique<Form2>(m_dialogs);
        connect(m_chooser.get(), &Form2::drawingChosen, this, &Form1::receiveDrawing);
    }
    if (m_chooser->files().isEmpty()) {
        // The chooser has no close button: with nothing to choose it would
        // hold the user there.
        //: "gifs" is the data folder's name on disk: keep it as it is.
        message(tr("No hay dibujos en la carpeta gifs."));
        return;
    }
    m_chooser->showChooser();
}

void Form1::receiveDrawing(const ChosenDrawing &drawing)
{
    m_chosen = drawing;
    m_chosen.still = QImage();
    m_sample = drawing.still;
    m_picture2->setPixmap(QPixmap::fromImage(m_sample));
    m_picture2Rect.top = m_screen.height() - m_picture2Rect.height;
    placeControl(m_picture2, m_picture2Rect);
    m_picture2->update();
    m_drawingChosen = true;
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        showEditor();
    }
    // Placing comes next: the picture takes the keys, the marker starts in
    // its middle.
    m_picture1->setFocus();
    m_marker = QPoint(m_picture1->width() / 2, m_picture1->height() / 2);
    m_picture1->showMarker(m_marker);
}

void Form1::clearPlacements()
{
    m_picture1->clearPicture();
    m_placements.clear();
}

void Form1::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // Page Up and Page Down always browse; arrows browse until a drawing is
    // chosen, then move the placement marker; Enter places there as a click.
    const bool placing = m_editMode == 2 && m_drawingChosen;
    if (key == Qt::Key_PageUp || (!placing && (key == Qt::Key_Left || key == Qt::Key_Up))) {
        Command1_Click(0);
        return;
    }
    if (key == Qt::Key_PageDown || (!placing && (key == Qt::Key_Right || key == Qt::Key_Down))) {
        Command1_Click(1);
        return;
    }
    if (!placing)
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_picture1->hideMarker();
        Picture1_MouseDown(m_marker, Qt::LeftButton);
        return;
    }
    const int step = (modifiers & Qt::ShiftModifier) ? 20 : 4;
    QPoint move;
    switch (key) {
    case Qt::Key_Left:
        move = QPoint(-step, 0);
        break;
    case Qt::Key_Right:
        move = QPoint(step, 0);
        break;
    case Qt::Key_Up:
        move = QPoint(0, -step);
        break;
    case Qt::Key_Down:
        move = QPoint(0, step);
        break;
    default:
        return;
    }
    const QPoint moved = m_marker + move;
    m_marker = QPoint(qBound(0, moved.x(), qMax(0, m_picture1->width() - 1)),
                      qBound(0, moved.y(), qMax(0, m_picture1->height() - 1)));
    if (m_previewOn) {
        m_picture1->refresh();
        m_picture1->showPreview(m_sample, m_marker);
    }
    m_picture1->showMarker(m_marker);
}

void Form1::Picture1_MouseMove(QPoint pixel)
{
    m_picture1->hideMarker();
    if (!m_previewOn || m_editMode != 2 || !m_drawingChosen)
        return;
    m_picture1->refresh();
    m_picture1->showPreview(m_sample, pixel);
}

void Form1::Picture1_MouseDown(QPoint pixel, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || m_editMode != 2)
        return;
    // Until a drawing has been chosen there is nothing to place.
    if (!m_drawingChosen || m_chosen.chosenCell > 8)
        return;

    m_previewOn = false;
    m_placeY = pixel.y();
    m_placeX = pixel.x();
    m_picture2->show();
    m_picture1->refresh();
    m_marchoso1->setTopTwips(animationEdge(m_twipsPerPixel, pixel.y(), m_pictureRect.top));
    m_marchoso1->setLeftTwips(animationEdge(m_twipsPerPixel, pixel.x(), m_pictureRect.left));
    // The drawing stamped at the end is the one that plays now, even if
    // another is chosen meanwhile.
    m_placedDrawing = m_sample;
    m_placing = true;
    m_marchoso1->setFile(m_chosen.cellPath);
    m_marchoso1->show();
    m_marchoso1->raise();
    // A disabled surface loses the focus; a keyboard placement gets it back.
    m_refocusPicture = focusWidget() == m_picture1;
    m_picture1->setEnabled(false);
    m_placements.add(m_chosen.drawingName, pixel.x(), pixel.y());
}

void Form1::Marchoso1_GifEnd()
{
    if (!m_placing)
        return;
    m_placing = false;
    m_picture1->setEnabled(true);
    m_marchoso1->hide();
    m_picture1->stamp(m_placedDrawing, QPoint(int(vud::roundHalfEven(m_placeX)),
                                              int(vud::roundHalfEven(m_placeY))));
    m_picture1->refresh();
    m_previewOn = true;
    if (m_refocusPicture) {
        m_refocusPicture = false;
        m_picture1->setFocus();
        m_picture1->showMarker(m_marker);
    }
}

void Form1::savePuzzleAs()
{
    const QString suggestion = defaultPuzzleName(m_names);
    const std::optional<QString> answer
        = m_dialogs.askText(this, dialogTitle(), tr("Nombre de dibujo"), suggestion);
    if (!answer || answer->isEmpty())
        return;
    m_picture1->takeRetainedAsPicture();
    const SaveOutcome outcome = savePuzzle(*answer, m_picture1->retainedImage(), m_placements.lines());
    if (outcome != SaveOutcome::Saved)
        message(saveMessage(outcome));
    else
        m_savedName = *answer;
}

void Form1::exportPuzzle()
{
    QString path;
    if (!m_savedName.isEmpty()) {
        path = vud::findFileIgnoringCase(puzzlePicturePath(m_savedName));
    } else if (m_placements.count() > 0) {
        message(tr("Guarda el puzzle antes de exportarlo."));
        return;
    } else {
        path = m_picturePaths.value(m_pictureIndex);
    }
    if (path.isEmpty()) {
        message(tr("No hay ningún puzzle que exportar."));
        return;
    }
    const QFileInfo picture(path);
    const std::optional<QString> file = m_dialogs.askPuzzleFile(
        this, Dialogs::FileChoice::Save, picture.completeBaseName() + QLatin1String(vud::kPuzzleFileSuffix));
    if (!file || file->isEmpty())
        return;
    QString target = *file;
    if (!vud::isPuzzleFileName(target))
        target += QLatin1String(vud::kPuzzleFileSuffix);
    const vud::PuzzleFileWrite written = vud::writePuzzleFile(path, picture.fileName(), target);
    if (written.error == vud::PuzzleFileError::None)
        message(tr("El puzzle se ha exportado a %1.").arg(QFileInfo(target).fileName()));
    else
        message(vud::puzzleFileMessage(written.error, written.detail));
}

void Form1::importPuzzle()
{
    if (const std::optional<QString> file = m_dialogs.askPuzzleFile(this, Dialogs::FileChoice::Open, QString()))
        importFiles({*file});
}

void Form1::importFiles(const QStringList &paths)
{
    QString shown;
    QStringList refusals;
    for (const QString &path : paths) {
        const vud::PuzzleImport result = vud::importFile(path);
        if (result.outcome == vud::ImportOutcome::Refused)
            //: One refused file: %1 its name, %2 why it was refused.
            refusals << tr("%1: %2").arg(QFileInfo(path).fileName(), result.message());
        else
            shown = result.pictureName;
    }
    if (!shown.isEmpty()) {
        listPictures();
        for (int i = 0; i < m_pictureFiles.size(); ++i) {
            if (m_pictureFiles.at(i).compare(shown, Qt::CaseInsensitive) == 0) {
                showPicture(i);
                break;
            }
        }
    }
    if (!refusals.isEmpty())
        message(refusals.join(QLatin1Char('\n')));
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData() && !vud::importableFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    const QStringList files = event->mimeData() ? vud::importableFiles(*event->mimeData()) : QStringList();
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    importFiles(files);
}

void Form1::Command2_Click()
{
    if (m_dialogs.askYesNo(this, tr("¿Quieres salir?")))
        emit exitRequested();
}

} // namespace Editor
