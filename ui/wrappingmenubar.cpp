// A menu bar that wraps its menu titles onto further rows.
#include "wrappingmenubar.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

QMenuBar* newRow(QWidget* parent)
{
    auto* row = new QMenuBar(parent);
    // A desktop's global menu would take the rows out of the window.
    row->setNativeMenuBar(false);
    return row;
}

} // namespace

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

WrappingMenuBar::~WrappingMenuBar() = default;

void WrappingMenuBar::addMenu(QMenu* menu)
{
    menus_.append(menu);
    menu->installEventFilter(this);
    arrangement_.clear();
    arrange(width());
}

// The size hint of a single menu bar holding these titles. One hidden bar,
// made on first use, serves every measurement: laying out the menus
// measures often, and each new menu bar loads the style's icons again.
QSize WrappingMenuBar::titlesSizeHint(const QList<QMenu*>& menus) const
{
    if (!probe_)
        probe_ = std::unique_ptr<QMenuBar>(newRow(nullptr));
    for (QMenu* menu : menus)
        probe_->addAction(menu->menuAction());
    const QSize size = probe_->sizeHint();
    for (QMenu* menu : menus)
        probe_->removeAction(menu->menuAction());
    return size;
}

// The width a single menu bar needs to show these titles in full.
int WrappingMenuBar::titlesWidth(const QList<QMenu*>& menus) const
{
    return titlesSizeHint(menus).width();
}

int WrappingMenuBar::rowHeight() const
{
    return titlesSizeHint(menus_.mid(0, 1)).height();
}

// Fills each row with as many titles as fit, in order; a title too wide
// for any row still gets a row of its own.
QList<QList<QMenu*>> WrappingMenuBar::split(int width) const
{
    QList<QList<QMenu*>> rows;
    QList<QMenu*> row;
    for (QMenu* menu : menus_) {
        QList<QMenu*> longer = row;
        longer.append(menu);
        if (!row.isEmpty() && titlesWidth(longer) > width) {
            rows.append(row);
            row = {menu};
        } else {
            row = longer;
        }
    }
    if (!row.isEmpty())
        rows.append(row);
    return rows;
}

int WrappingMenuBar::heightForWidth(int width) const
{
    return int(qMax<qsizetype>(1, split(width).size())) * rowHeight();
}

QSize WrappingMenuBar::sizeHint() const
{
    return {titlesWidth(menus_), heightForWidth(width())};
}

void WrappingMenuBar::arrange(int width)
{
    const QList<QList<QMenu*>> arrangement = split(width);
    if (arrangement == arrangement_ && !rows_.isEmpty())
        return;
    arrangement_ = arrangement;

    while (rows_.size() < qMax<qsizetype>(1, arrangement.size())) {
        rows_.append(newRow(this));
        layout_->addWidget(rows_.last());
    }
    while (rows_.size() > qMax<qsizetype>(1, arrangement.size()))
        delete rows_.takeLast();

    for (qsizetype i = 0; i < rows_.size(); ++i) {
        QMenuBar* row = rows_[i];
        for (QAction* action : row->actions())
            row->removeAction(action);
        if (i < arrangement.size()) {
            for (QMenu* menu : arrangement[i])
                row->addAction(menu->menuAction());
        }
    }
    setFixedHeight(int(rows_.size()) * rowHeight());
}

void WrappingMenuBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        arrange(event->size().width());
}

QMenuBar* WrappingMenuBar::rowOf(QMenu* menu) const
{
    for (QMenuBar* row : rows_) {
        if (row->actions().contains(menu->menuAction()))
            return row;
    }
    return nullptr;
}

// Left and right in an open menu go on to the neighbouring menu also when
// it sits on another row; within a row the menu bar does it itself.
bool WrappingMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || event->type() != QEvent::KeyPress || menus_.size() < 2)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QAction* active = menu->activeAction();
    const bool opensSubmenu = key == Qt::Key_Right && active && active->menu();
    if ((key != Qt::Key_Left && key != Qt::Key_Right) || opensSubmenu)
        return QWidget::eventFilter(watched, event);

    const qsizetype count = menus_.size();
    const qsizetype step = key == Qt::Key_Right ? 1 : count - 1;
    QMenu* next = menus_[(menus_.indexOf(menu) + step) % count];
    QMenuBar* from = rowOf(menu);
    QMenuBar* to = rowOf(next);
    if (!from || !to || from == to)
        return QWidget::eventFilter(watched, event);

    menu->hide();
    from->setActiveAction(nullptr);
    to->setActiveAction(next->menuAction());
    return true;
}
