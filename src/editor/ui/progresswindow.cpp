#include "editor/ui/progresswindow.h"

#include "editor/ui/artwork.h"
#include "editor/ui/dialogs.h"
#include "editor/ui/progresschart.h"
#include "records/chartdata.h"
#include "records/resultscsv.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

namespace Editor {

namespace {

const QColor kBackground(255, 192, 192);
const QColor kText(110, 30, 60);

QString dateText(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")) : QString();
}

QFont headingFont(const QFont &base)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() * 1.25);
    return font;
}

// A file name from a child's name: letters and digits kept, the rest made '-'.
QString fileNamePart(const QString &name)
{
    QString part;
    for (const QChar c : name.trimmed())
        part += c.isLetterOrNumber() ? c : QLatin1Char('-');
    return part.isEmpty() ? QStringLiteral("sin-nombre") : part;
}

} // namespace

QString childCaption(const QString &name)
{
    return name.trimmed().isEmpty() ? QCoreApplication::translate("Editor::ProgressWindow", "(sin nombre)")
                                    : name.trimmed();
}

// The games of the table, newest first, read straight from the list: a
// child with thousands of games makes no thousands of items.
class GamesModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGames(const QVector<records::FinishedGame> *games)
    {
        beginResetModel();
        m_games = games;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() || !m_games ? 0 : int(m_games->size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!m_games || index.row() >= m_games->size())
            return {};
        const records::FinishedGame &game = m_games->at(index.row());
        if (role == Qt::TextAlignmentRole)
            return index.column() >= 2 ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role == Qt::ToolTipRole && index.column() == 1)
            return QDir::toNativeSeparators(game.picture);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0: return dateText(game.ended);
        case 1: return QFileInfo(game.picture).fileName();
        case 2: return game.pieces;
        case 3: return game.seconds;
        default: return game.moves;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        //: The headings of the table of a child's games.
        static const char *const titles[] = {QT_TRANSLATE_NOOP("Editor::ProgressWindow", "Terminada"),
                                             QT_TRANSLATE_NOOP("Editor::ProgressWindow", "Imagen"),
                                             QT_TRANSLATE_NOOP("Editor::ProgressWindow", "Piezas"),
                                             QT_TRANSLATE_NOOP("Editor::ProgressWindow", "Segundos"),
                                             QT_TRANSLATE_NOOP("Editor::ProgressWindow", "Movimientos")};
        return QCoreApplication::translate("Editor::ProgressWindow", titles[section]);
    }

private:
    const QVector<records::FinishedGame> *m_games = nullptr;
};

ProgressWindow::ProgressWindow(Dialogs &dialogs, const QString &storePath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
    , m_store(storePath, 1000)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("VUD editor - Progreso de los niños"));
    setWindowIcon(Artwork::editorIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setAutoFillBackground(true);

    auto heading = [this](const QString &text) {
        auto *label = new QLabel(text, this);
        label->setFont(headingFont(font()));
        return label;
    };

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("Error"));
    m_error->setWordWrap(true);
    m_error->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_error->setStyleSheet(QStringLiteral("QLabel { background: #fff4c0; color: #8a0000; border: 1px solid #c08000; "
                                          "padding: 6px; }"));
    m_error->hide();

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Children"));
    m_list->setAccessibleName(tr("Niños"));
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_list, &QListWidget::currentRowChanged, this, &ProgressWindow::childChosen);

    m_chart = new ProgressChart(this);
    m_seconds = new QRadioButton(tr("Segundos"), this);
    m_seconds->setObjectName(QStringLiteral("ShowSeconds"));
    m_movesButton = new QRadioButton(tr("Movimientos"), this);
    m_movesButton->setObjectName(QStringLiteral("ShowMoves"));
    m_seconds->setChecked(true);
    auto *measures = new QButtonGroup(this);
    measures->addButton(m_seconds);
    measures->addButton(m_movesButton);
    connect(m_movesButton, &QRadioButton::toggled, this, &ProgressWindow::showMoves);

    m_model = new GamesModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Games"));
    m_table->setAccessibleName(tr("Partidas"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Columns fitted to the first rows only: thousands of games are not measured.
    m_table->horizontalHeader()->setResizeContentsPrecision(100);
    m_table->setAlternatingRowColors(true);

    m_exportChild = new QPushButton(tr("Exportar sus partidas..."), this);
    m_exportChild->setObjectName(QStringLiteral("ExportChild"));
    m_exportAll = new QPushButton(tr("Exportar las de todos..."), this);
    m_exportAll->setObjectName(QStringLiteral("ExportAll"));
    m_delete = new QPushButton(tr("Borrar este niño..."), this);
    m_delete->setObjectName(QStringLiteral("DeleteChild"));
    auto *close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName(QStringLiteral("Close"));
    connect(m_exportChild, &QPushButton::clicked, this, &ProgressWindow::exportChild);
    connect(m_exportAll, &QPushButton::clicked, this, &ProgressWindow::exportEveryone);
    connect(m_delete, &QPushButton::clicked, this, &ProgressWindow::deleteChild);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(heading(tr("Niños")));
    leftLayout->addWidget(m_list, 1);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *chartHeading = new QHBoxLayout;
    chartHeading->addWidget(heading(tr("Progreso")));
    chartHeading->addStretch(1);
    chartHeading->addWidget(new QLabel(tr("Mostrar:"), this));
    chartHeading->addWidget(m_seconds);
    chartHeading->addWidget(m_movesButton);
    rightLayout->addLayout(chartHeading);
    rightLayout->addWidget(m_chart, 3);
    rightLayout->addWidget(heading(tr("Partidas")));
    rightLayout->addWidget(m_table, 2);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_exportChild);
    buttons->addWidget(m_exportAll);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_error);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    // Most of the screen, whatever its size, and centred on it.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QSize size(qMin(available.width(), qMax(available.width() * 4 / 5, 640)),
                         qMin(available.height(), qMax(available.height() * 4 / 5, 480)));
        resize(size);
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
        splitter->setSizes({size.width() * 3 / 10, size.width() * 7 / 10});
    }
    refresh();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::showError()
{
    QString text = m_store.errorText();
    if (!m_store.movedAside().isEmpty()) {
        text = tr("El archivo de resultados estaba dañado: se ha apartado como %1 (no se ha borrado) "
                              "y se ha empezado uno nuevo.")
                   .arg(QDir::toNativeSeparators(m_store.movedAside()))
            + (text.isEmpty() ? QString() : QStringLiteral("\n") + text);
    }
    m_error->setText(text);
    m_error->setVisible(!text.isEmpty());
}

void ProgressWindow::refresh()
{
    const QString chosen = selectedChild();
    m_children = m_store.children();
    showError();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const records::ChildSummary &child : m_children) {
            QString line = childCaption(child.name) + QStringLiteral("\n    ");
            //: A child's count of games, on its own line below the name in the list of children.
            line += child.games == 1 ? tr("1 partida") : tr("%1 partidas").arg(child.games);
            if (child.lastGame.isValid()) {
                //: Follows the count of games on the same line: %1 the date and time of the last game.
                line += tr(", la última el %1").arg(dateText(child.lastGame));
            }
            if (child.hasUnfinishedBoard) {
                //: On its own line below the count of games in the list of children.
                line += QStringLiteral("\n    ") + tr("(tiene un tablero a medias)");
            }
            auto *item = new QListWidgetItem(line, m_list);
            item->setData(Qt::UserRole, child.key);
        }
    }
    int row = 0;
    for (int i = 0; i < m_children.size(); ++i) {
        if (m_children[i].key == chosen)
            row = i;
    }
    m_list->setCurrentRow(m_children.isEmpty() ? -1 : row);
    childChosen();
}

void ProgressWindow::selectChild(const QString &key)
{
    for (int i = 0; i < m_children.size(); ++i) {
        if (m_children[i].key == key)
            m_list->setCurrentRow(i);
    }
}

QString ProgressWindow::selectedChild() const
{
    const int row = m_list ? m_list->currentRow() : -1;
    return row >= 0 && row < m_children.size() ? m_children[row].key : QString();
}

void ProgressWindow::childChosen()
{
    const bool chosen = m_list->currentRow() >= 0 && m_list->currentRow() < m_children.size();
    m_games = chosen ? m_store.games(selectedChild()) : QVector<records::FinishedGame>();
    if (chosen)
        showError();
    m_model->setGames(&m_games);
    showMoves(m_moves);
    m_exportChild->setEnabled(!m_games.isEmpty());
    m_exportAll->setEnabled(!m_children.isEmpty());
    m_delete->setEnabled(chosen);
}

void ProgressWindow::showMoves(bool moves)
{
    m_moves = moves;
    if (m_movesButton->isChecked() != moves)
        (moves ? m_movesButton : m_seconds)->setChecked(true);
    m_chart->setChart(records::chartData(m_games, moves ? records::ChartMeasure::Moves : records::ChartMeasure::Seconds),
                      moves ? tr("Movimientos") : tr("Segundos"));
}

bool ProgressWindow::exportGames(const QVector<records::FinishedGame> &games, const QString &suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const std::optional<QString> path = m_dialogs.askSaveFile(
        this, tr("Exportar resultados"), folder + QLatin1Char('/') + suggestedName,
        //: A file type in the file dialog; keep "(*.csv)" as it is.
        tr("Hojas de cálculo CSV (*.csv)"));
    if (!path || path->isEmpty())
        return false;
    QString error;
    if (!records::writeResultsCsv(*path, games, &error)) {
        m_dialogs.showMessage(this, error);
        return false;
    }
    m_dialogs.showMessage(this, games.size() == 1
                                    ? tr("Se exportó 1 partida a %1.").arg(QDir::toNativeSeparators(*path))
                                    : tr("Se exportaron %1 partidas a %2.")
                                          .arg(QString::number(games.size()), QDir::toNativeSeparators(*path)));
    return true;
}

void ProgressWindow::exportChild()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_children.size())
        return;
    exportGames(m_games, QStringLiteral("resultados-%1.csv").arg(fileNamePart(m_children[row].name)));
}

void ProgressWindow::exportEveryone()
{
    const QVector<records::FinishedGame> games = m_store.allGames();
    showError();
    if (!m_store.errorText().isEmpty())
        return;
    exportGames(games, QStringLiteral("resultados.csv"));
}

void ProgressWindow::deleteChild()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_children.size())
        return;
    const records::ChildSummary child = m_children[row];
    // The question names what there is to lose: one game or many, and the
    // unfinished board only where the child has one.
    const QString name = childCaption(child.name);
    QString question;
    if (child.games == 0)
        question = tr("¿Borrar el tablero sin terminar de %1? No se puede deshacer.").arg(name);
    else if (child.games == 1 && child.hasUnfinishedBoard)
        question = tr("¿Borrar la partida de %1 y su tablero sin terminar? No se puede deshacer.").arg(name);
    else if (child.games == 1)
        question = tr("¿Borrar la partida de %1? No se puede deshacer.").arg(name);
    else if (child.hasUnfinishedBoard)
        question = tr("¿Borrar las %1 partidas de %2 y su tablero sin terminar? No se puede deshacer.")
                       .arg(QString::number(child.games), name);
    else
        question = tr("¿Borrar las %1 partidas de %2? No se puede deshacer.").arg(QString::number(child.games), name);
    if (!m_dialogs.askYesNo(this, question))
        return;
    if (!m_store.deleteChild(child.key)) {
        showError();
        return;
    }
    refresh();
}

} // namespace Editor
