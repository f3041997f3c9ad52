#include "game/ui/results.h"

#include "core/designcolour.h"
#include "core/twips.h"
#include "game/logic/boardlogic.h"
#include "game/logic/screenlogic.h"
#include "widgets/activation.h"
#include "widgets/textfit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace {

// The designed client area and list, in twips.
constexpr int kClientWidth = 10350;
constexpr int kClientHeight = 5700;

// The list's font as designed, 13.5 points, is not on a Linux desktop, and
// the font that stands in for it is much wider: the end of a line would be
// cut off behind a horizontal scroll bar. A narrow family comes first, and
// the size comes down in half points until the longest line a game can
// write, in the language shown, fits beside the vertical scroll bar (and so
// does every line shown, written in a language before); a line that does not
// fit even then is wrapped.
vud::FittedText resultsFont(const QListWidget &list)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    QStringList lines = {boardlogic::longestResultsLine()};
    for (int row = 0; row < list.count(); ++row)
        lines << list.item(row)->text();
    const QFontMetricsF designed(font);
    const QString longest = *std::max_element(lines.cbegin(), lines.cend(), [&](const QString &a, const QString &b) {
        return designed.horizontalAdvance(a) < designed.horizontalAdvance(b);
    });
    // The item's text margins on both sides, the frame, and the vertical bar
    // that a long list shows.
    const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1)
        + 2 * list.frameWidth() + list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list) + 2;
    vud::TextFitRules rules;
    rules.wrap = vud::TextFitRules::Wrap::WhenNeeded;
    rules.smallestPoints = 6.5;
    rules.heightCounts = false;
    return vud::fitText(longest, QSizeF(list.width() - margins, list.height()), font, rules);
}

} // namespace

Form4::Form4(QWidget *parent)
    // A title bar but no close, minimise or maximise button: the child cannot
    // close the list.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , List1(new QListWidget(this))
{
    setObjectName(QStringLiteral("Form4"));
    vud::watchWindowActivation();
    setWindowTitle(tr("TUS RESULTADOS"));
    const vud::ScreenTwips screen = vud::screenTwips();
    setFixedSize(screen.toPixels(0, 0, kClientWidth, kClientHeight).size());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vud::fromBgr(0xFF80FF));
    setPalette(pal);

    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(screen.toPixels(120, 120, 10095, 5460));
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    // Scrolled from the keyboard once reached with Tab; a click leaves it
    // as it was.
    List1->setFocusPolicy(Qt::TabFocus);
    List1->setAccessibleName(tr("Resultados"));
    QPalette listPal = List1->palette();
    const QColor text = listPal.color(QPalette::Base);
    listPal.setColor(QPalette::Base, vud::fromBgr(0x808000));
    listPal.setColor(QPalette::Text, text);
    List1->setPalette(listPal);
    fitResults();
    // A line added or changed may be longer than any before.
    connect(List1->model(), &QAbstractItemModel::rowsInserted, this, &Form4::fitResults);
    connect(List1->model(), &QAbstractItemModel::dataChanged, this, &Form4::fitResults);

    Form_Load();
}

void Form4::Form_Load()
{
    PlaceOnScreen();
}

void Form4::Form_Activate()
{
    PlaceOnScreen();
}

void Form4::PlaceOnScreen()
{
    const vud::ScreenTwips screen = vud::screenTwips();
    // The outer size, border and title bar included, once the window has one.
    const QSize outer = isVisible() ? frameGeometry().size() : size();
    const QPointF at = Screens::resultsWindowPosition(screen.width(), screen.height(),
                                                         screen.toTwipsX(outer.width()),
                                                         screen.toTwipsY(outer.height()));
    move(screen.toPixelsX(at.x()), screen.toPixelsY(at.y()));
}

void Form4::fitResults()
{
    const vud::FittedText fitted = resultsFont(*List1);
    if (List1->font() != fitted.font)
        List1->setFont(fitted.font);
    List1->setWordWrap(fitted.wrapped);
    List1->setHorizontalScrollBarPolicy(fitted.wrapped ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

bool Form4::event(QEvent *event)
{
    // The longest line is another in another language.
    if (event->type() == QEvent::LanguageChange)
        fitResults();
    // Activation from another of the program's windows; coming back from
    // another program leaves the window as it was.
    if (event->type() == QEvent::WindowActivate && vud::activatedFromAnotherWindow(this))
        Form_Activate();
    return QWidget::event(event);
}

void Form4::addResult(int pieces, qint32 seconds, int moves)
{
    const QString line = boardlogic::resultsLine(int(GamesFinished) + 1, pieces, seconds, moves);
    List1->insertItem(std::min<int>(GamesFinished, List1->count()), line);
    GamesFinished = boardlogic::saturatingIncrement(GamesFinished);
}

void Form4::showModeless()
{
    if (QApplication::activeWindow() != this)
        m_before = QApplication::activeWindow();
    show();
    PlaceOnScreen();
    raise();
    activateWindow();
}

void Form4::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    hide();
    if (m_before && m_before->isVisible())
        m_before->activateWindow();
}
