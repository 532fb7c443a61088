#include "ui/app/ClassGridView.h"

#include "ui/platform/ModelFont.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include <algorithm>

namespace rondaxa {

namespace {

bool IsPlainLeftRelease(const QMouseEvent *event) {
    return event->button() == Qt::LeftButton &&
           (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

} // namespace

// ---- cell drawing -------------------------------------------------------------

Qt::Alignment CellAlignment(int kind) {
    if (kind == KindStartNo || kind == KindResult)
        return Qt::AlignHCenter;
    if (kind >= KindNet && kind <= KindDailyGross)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

void ClassGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const {
    const TKlasse *klasse = model_.Class();
    if (!klasse || !club_)
        return;
    const QPalette &palette = option.palette;
    const int col = ClassGridModel::GridCol(index);
    const int row = ClassGridModel::GridRow(index);
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const int kind = model_.ColumnKind(col);

    QColor background;
    QColor foreground;
    QFont font = option.font;
    if (selected) {
        background = palette.color(QPalette::Highlight);
        foreground = palette.color(QPalette::HighlightedText);
    } else if (col < klasse->Grid.FixedCols) {
        // Fixed cells are not selectable, which is no reason to look disabled.
        background = palette.color(QPalette::Active, QPalette::Button);
        foreground = palette.color(QPalette::Active, QPalette::ButtonText);
    } else {
        const TColData *data = klasse->ColData(col);
        background = PlatformColour(data ? data->Color : kClWindow, palette);
        foreground = PlatformColour(static_cast<uint32_t>(klasse->Grid.Font.Color), palette);
    }
    if (!background.isValid())
        background = palette.color(QPalette::Base);
    if (!foreground.isValid())
        foreground = palette.color(QPalette::Text);

    const TRijder *rider = klasse->Rider(row);
    const TColData *data = klasse->ColData(col);
    if (!selected && rider && data && kind == KindResult && IsDropped(*rider, data->Number)) {
        if (club_->ViewFlags & ViewStrikeDropped)
            font.setStrikeOut(true);
        if ((club_->ViewFlags & ViewNoMarkColour) == 0) {
            const QColor mark = PlatformColour(club_->MarkColor, palette);
            if (mark.isValid())
                background = mark;
        }
    }
    painter->fillRect(option.rect, background);

    const QString text = model_.CellString(row, col);
    if (text.isEmpty())
        return;
    painter->save();
    painter->setFont(font);
    painter->setPen(foreground);
    const QRect rect = option.rect;
    const int textWidth = option.fontMetrics.horizontalAdvance(text); // strike-out keeps the metrics
    int x = rect.left() + 2;
    const Qt::Alignment alignment = CellAlignment(kind);
    if (alignment & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - textWidth) / 2;
    else if ((alignment & Qt::AlignRight) && textWidth + 4 <= rect.width())
        x = rect.right() + 1 - 4 - textWidth;
    const QRect textRect(x, rect.top() + 1, std::max(textWidth, 1), rect.height() - 1);
    painter->setClipRect(rect);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

// ---- the view -----------------------------------------------------------------

ClassGridView::ClassGridView(QWidget *parent)
    : QTableView(parent), model_(new ClassGridModel(this)), delegate_(new ClassGridDelegate(*model_, this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setSectionsMovable(true); // rows are moved by dragging their label
    connect(verticalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { MoveDraggedRow(from, to); });
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (frozen_)
            frozen_->setColumnWidth(section, size);
        LayOutFrozenView();
        if (syncing_ || !Class())
            return;
        if (section + 1 < Class()->Grid.ColCount())
            Class()->Grid.Col(section + 1).Width = size;
    });
    SetUpFrozenView();
    // The corner shows column 0's heading ("PL" while standings are shown).
    if (auto *corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        corner->installEventFilter(this);
}

// The row moves in the class itself; the header's own order goes back to
// straight, as the view shows the class's rows in their order.
void ClassGridView::MoveDraggedRow(int fromVisual, int toVisual) {
    rowDragged_ = true;
    {
        const QSignalBlocker block(verticalHeader());
        verticalHeader()->moveSection(toVisual, fromVisual);
    }
    TKlasse *klasse = Class();
    if (!klasse || fromVisual == toVisual)
        return;
    klasse->Grid.MoveRow(fromVisual + 1, toVisual + 1);
    klasse->Grid.CurRow = toVisual + 1;
    Reload();
    emit RowMoved(fromVisual + 1, toVisual + 1);
}

// ---- fixed columns ----------------------------------------------------------------
// Fixed columns after the row labels are shown by a second view over the same
// model, laid over the left edge of the grid; the grid scrolls beneath it.

void ClassGridView::SetUpFrozenView() {
    frozen_ = new QTableView(this);
    frozen_->setObjectName("FixedColumns");
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setItemDelegate(delegate_);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setSelectionMode(QAbstractItemView::NoSelection);
    frozen_->verticalHeader()->hide();
    // Rows follow the grid's row-height rules, not the style's: a frozen row
    // of another height would put a name beside another rider's results.
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
    frozen_->horizontalHeader()->setSectionsClickable(false);
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setWordWrap(false);
    frozen_->viewport()->installEventFilter(this);
    frozen_->horizontalHeader()->viewport()->installEventFilter(this);
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // The frozen view's range may follow the grid's only later (a font or
    // row-height change): it then takes the grid's position again.
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::rangeChanged, this,
            [this] { frozen_->verticalScrollBar()->setValue(verticalScrollBar()->value()); });
    frozen_->hide();
}

int ClassGridView::FrozenWidth() const {
    const TKlasse *klasse = Class();
    if (!klasse)
        return 0;
    int width = 0;
    for (int c = 0; c + 1 < klasse->Grid.FixedCols && c < model_->columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

void ClassGridView::LayOutFrozenView() {
    if (!frozen_)
        return;
    const TKlasse *klasse = Class();
    const int fixed = klasse ? std::min(klasse->Grid.FixedCols - 1, model_->columnCount()) : 0;
    if (fixed <= 0) {
        frozen_->hide();
        setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
        return;
    }
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int c = 0; c < model_->columnCount(); ++c) {
        frozen_->setColumnHidden(c, c >= fixed);
        if (c < fixed)
            frozen_->setColumnWidth(c, columnWidth(c));
    }
    frozen_->setFont(font()); // before the sizes: a font change may reset them
    frozen_->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), FrozenWidth(),
                         viewport()->height() + horizontalHeader()->height());
    frozen_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    frozen_->show();
    frozen_->raise();
}

void ClassGridView::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    LayOutFrozenView();
}

void ClassGridView::updateGeometries() {
    QTableView::updateGeometries();
    LayOutFrozenView();
}

void ClassGridView::scrollTo(const QModelIndex &index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    // A cell must not end up beneath the fixed columns.
    const int frozen = FrozenWidth();
    if (frozen > 0 && index.isValid()) {
        const int left = visualRect(index).left();
        if (left < frozen)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - frozen);
    }
}

bool ClassGridView::IsHeadingViewport(QObject *watched) const {
    return watched == horizontalHeader()->viewport() ||
           (frozen_ && watched == frozen_->horizontalHeader()->viewport());
}

void ClassGridView::SetClass(const ClubRec *club, TKlasse *klasse) {
    syncing_ = true;
    delegate_->SetClub(club);
    model_->SetClass(club, klasse);
    syncing_ = false;
    if (!klasse)
        return;
    setFont(GridFontOf(klasse->Grid.Font));
    ApplyLayout();
    ShowCurrentCell();
}

void ClassGridView::Reload() {
    syncing_ = true;
    model_->Reset();
    syncing_ = false;
    ApplyLayout();
    ShowCurrentCell();
}

void ClassGridView::Redraw() {
    model_->Redraw();
    viewport()->update();
}

QFont ClassGridView::GridFontOf(const GridFont &gridFont) const {
    return ModelFont(QWidget::font(), gridFont.Name, gridFont.Size, gridFont.Style, 10);
}

int ClassGridView::TextWidth(std::string_view text) const {
    return QFontMetrics(font()).horizontalAdvance(FromModelText(text));
}

int ClassGridView::TextHeight() const {
    return QFontMetrics(font()).boundingRect(QStringLiteral("TyG")).height();
}

void ClassGridView::ApplyLayout() {
    const TKlasse *klasse = Class();
    if (!klasse)
        return;
    const ClassGrid &grid = klasse->Grid;
    syncing_ = true;
    for (int c = 1; c < grid.ColCount(); ++c)
        horizontalHeader()->resizeSection(c - 1, grid.Col(c).Width);
    // Column 0 is at least as wide as its widest row number needs (100 and
    // up do not fit the width of the heading).
    if (grid.ColCount() > 0)
        verticalHeader()->setFixedWidth(std::max(grid.Col(0).Width, verticalHeader()->sizeHint().width()));
    verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
    syncing_ = false;
    LayOutFrozenView();
    // The corner's heading changes with the standings ("PL" or " ").
    if (auto *corner = findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        corner->update();
}

void ClassGridView::ShowCurrentCell() {
    const TKlasse *klasse = Class();
    if (!klasse)
        return;
    const ClassGrid &grid = klasse->Grid;
    if (grid.CurRow < 1 || grid.CurRow >= grid.RowCount() || grid.CurCol < 1 ||
        grid.CurCol >= grid.ColCount())
        return;
    syncing_ = true;
    setCurrentIndex(model_->IndexOf(grid.CurRow, grid.CurCol));
    syncing_ = false;
    scrollTo(currentIndex());
}

void ClassGridView::StoreScrollPosition() {
    TKlasse *klasse = Class();
    if (!klasse)
        return;
    klasse->Grid.TopRow = std::max(rowAt(0), 0) + 1;
    klasse->Grid.LeftCol = std::max(std::max(columnAt(FrozenWidth()), 0) + 1, klasse->Grid.FixedCols);
}

QRect ClassGridView::GridCellRect(int gridRow, int gridCol) const {
    return visualRect(model_->IndexOf(gridRow, gridCol));
}

void ClassGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableView::currentChanged(current, previous);
    TKlasse *klasse = Class();
    if (syncing_ || !klasse || !current.isValid() ||
        ClassGridModel::GridCol(current) < klasse->Grid.FixedCols)
        return;
    klasse->Grid.CurRow = ClassGridModel::GridRow(current);
    klasse->Grid.CurCol = ClassGridModel::GridCol(current);
    emit CellSelected(klasse->Grid.CurCol, klasse->Grid.CurRow);
}

void ClassGridView::mouseReleaseEvent(QMouseEvent *event) {
    QTableView::mouseReleaseEvent(event);
    const TKlasse *klasse = Class();
    if (!klasse || !IsPlainLeftRelease(event))
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && ClassGridModel::GridCol(index) < klasse->Grid.FixedCols)
        emit FixedColumnClicked(ClassGridModel::GridRow(index));
}

void ClassGridView::paintEvent(QPaintEvent *event) {
    QTableView::paintEvent(event);
    emit Painted();
}

bool ClassGridView::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && qobject_cast<QAbstractButton *>(watched)) {
        auto *corner = static_cast<QWidget *>(watched);
        QStyleOptionHeader option;
        option.initFrom(this); // enabled like the grid, though the corner takes no clicks
        option.rect = corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.textAlignment = Qt::AlignLeft | Qt::AlignTop;
        if (Class() && Class()->Grid.ColCount() > 0)
            option.text = FromModelText(Class()->Grid.Col(0).Heading);
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && IsHeadingViewport(watched))
        headerLengthAtPress_ = horizontalHeader()->length();
    if (event->type() == QEvent::MouseButtonPress && watched == verticalHeader()->viewport())
        rowDragged_ = false;
    if (event->type() != QEvent::MouseButtonRelease || !Class())
        return QTableView::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (!IsPlainLeftRelease(mouse))
        return QTableView::eventFilter(watched, event);
    const QPoint pos = mouse->position().toPoint();
    if (watched == horizontalHeader()->viewport() && horizontalHeader()->length() == headerLengthAtPress_) {
        int section = horizontalHeader()->logicalIndexAt(pos);
        const int last = model_->columnCount() - 1;
        // Just right of the last heading still counts as that heading.
        if (section < 0 && last >= 0) {
            const int right =
                horizontalHeader()->sectionViewportPosition(last) + horizontalHeader()->sectionSize(last);
            if (pos.x() >= right && pos.x() <= right + 4)
                section = last;
        }
        if (section >= 0)
            emit HeadingClicked(section + 1);
    } else if (frozen_ && watched == frozen_->horizontalHeader()->viewport()) {
        const int section = frozen_->horizontalHeader()->logicalIndexAt(pos);
        if (section >= 0)
            emit HeadingClicked(section + 1);
    } else if (watched == verticalHeader()->viewport() && !rowDragged_) {
        const int section = verticalHeader()->logicalIndexAt(pos);
        if (section >= 0)
            emit FixedColumnClicked(section + 1);
    } else if (frozen_ && watched == frozen_->viewport()) {
        const QModelIndex index = frozen_->indexAt(pos);
        if (index.isValid())
            emit FixedColumnClicked(ClassGridModel::GridRow(index));
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace rondaxa
