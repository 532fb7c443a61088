#include "app/ClassGridView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace rondaxa {

namespace {

bool IsPlainLeftRelease(const QMouseEvent *event) {
    return event->button() == Qt::LeftButton &&
           (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

} // namespace

// ---- cell drawing -------------------------------------------------------------

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
        background = palette.color(QPalette::Button);
        foreground = palette.color(QPalette::ButtonText);
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
    if (kind == KindStartNo || kind == KindResult) {
        x = rect.left() + (rect.width() - textWidth) / 2;
    } else if (kind >= KindNet && kind <= KindTotal) {
        x = textWidth + 4 > rect.width() ? rect.left() + 2 : rect.right() + 1 - 4 - textWidth;
    }
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
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (syncing_ || !Class())
            return;
        if (section + 1 < Class()->Grid.ColCount())
            Class()->Grid.Col(section + 1).Width = size;
    });
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
    QFont font = QWidget::font();
    if (!gridFont.Name.empty())
        font.setFamily(FromModelText(gridFont.Name));
    font.setPointSize(gridFont.Size > 0 ? gridFont.Size : 10);
    font.setBold(gridFont.Style & 1);
    font.setItalic(gridFont.Style & 2);
    font.setUnderline(gridFont.Style & 4);
    font.setStrikeOut(gridFont.Style & 8);
    return font;
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
    if (grid.ColCount() > 0)
        verticalHeader()->setFixedWidth(grid.Col(0).Width);
    verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
    syncing_ = false;
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
    klasse->Grid.LeftCol = std::max(columnAt(0), 0) + 1;
}

QRect ClassGridView::GridCellRect(int gridRow, int gridCol) const {
    return visualRect(model_->IndexOf(gridRow, gridCol));
}

void ClassGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableView::currentChanged(current, previous);
    TKlasse *klasse = Class();
    if (syncing_ || !klasse || !current.isValid())
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
    if (event->type() == QEvent::MouseButtonPress && watched == horizontalHeader()->viewport())
        headerLengthAtPress_ = horizontalHeader()->length();
    if (event->type() == QEvent::MouseButtonRelease && Class()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pos = mouse->position().toPoint();
        if (watched == horizontalHeader()->viewport() && IsPlainLeftRelease(mouse) &&
            horizontalHeader()->length() == headerLengthAtPress_) {
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
        } else if (watched == verticalHeader()->viewport() && IsPlainLeftRelease(mouse)) {
            const int section = verticalHeader()->logicalIndexAt(pos);
            if (section >= 0)
                emit FixedColumnClicked(section + 1);
        }
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace rondaxa
