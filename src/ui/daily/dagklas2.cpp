#include "ui/daily/dagklas2.h"

#include "ui/daily/DagUit.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/PlatformColour.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

// ---- the model ----------------------------------------------------------------

DailyGridModel::DailyGridModel(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                               QObject *parent)
    : QAbstractTableModel(parent), club_(club), klasse_(klasse), table_(table) {}

int DailyGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : std::max(table_.RowCount() - 1, 0);
}

int DailyGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : table_.ColCount();
}

int DailyGridModel::ColumnKind(int c) const {
    return c >= 0 && c < table_.ColCount() ? table_.Columns[static_cast<std::size_t>(c)].Kind : -1;
}

QString DailyGridModel::CellString(int r, int c) const {
    if (c < 0 || c >= table_.ColCount() || r < 1 || r >= table_.RowCount())
        return {};
    if (c == 0)
        return QString::number(r);
    const DailyColumn &column = table_.Columns[static_cast<std::size_t>(c)];
    const TRijder *rider = table_.Rider(klasse_, r);
    if (column.Heading.empty() || !rider)
        return {};
    return FromModelText(CellText(club_, *rider, column.Kind, column.Kind == KindResult ? column.Number : 1));
}

QVariant DailyGridModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return CellString(index.row() + 1, index.column());
}

QVariant DailyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= table_.ColCount())
        return {};
    if (role == Qt::DisplayRole)
        return FromModelText(table_.Columns[static_cast<std::size_t>(section)].Heading);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnKind(section) == KindResult ? Qt::AlignCenter
                                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void DailyGridModel::Refresh() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// ---- drawing ------------------------------------------------------------------

void DailyGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const {
    const QPalette &palette = option.palette;
    const int c = index.column();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    QColor background = palette.color(QPalette::Base);
    QColor foreground = fontColour_.isValid() ? fontColour_ : palette.color(QPalette::Text);
    if (selected) {
        background = palette.color(QPalette::Active, QPalette::Highlight);
        foreground = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else if (c == 0) {
        background = palette.color(QPalette::Active, QPalette::Button);
        foreground = palette.color(QPalette::Active, QPalette::ButtonText);
    }
    painter->fillRect(option.rect, background);

    const QString text = model_.CellString(index.row() + 1, c);
    if (text.isEmpty())
        return;
    const QRect rect = option.rect;
    const int textWidth = option.fontMetrics.horizontalAdvance(text);
    int x = rect.left() + 2;
    const int kind = c == 0 ? -1 : model_.ColumnKind(c);
    if (kind == KindStartNo || kind == KindResult || kind == KindGross)
        x = rect.left() + (rect.width() - textWidth) / 2;
    else if (kind == KindNet)
        x = textWidth + 4 > rect.width() ? rect.left() + 2 : rect.right() + 1 - 4 - textWidth;
    painter->save();
    painter->setPen(foreground);
    painter->setClipRect(rect);
    painter->drawText(QRect(x, rect.top() + 1, std::max(textWidth, 1), rect.height() - 1),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

// ---- the grid -----------------------------------------------------------------

namespace {

void SetUpTable(QTableView *view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setMinimumSectionSize(4);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setMinimumSectionSize(4);
}

} // namespace

DailyGridView::DailyGridView(QWidget *parent) : QTableView(parent) {
    setObjectName(QStringLiteral("StringGrid1"));
    SetUpTable(this);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setCornerButtonEnabled(false);
}

void DailyGridView::SetUp(DailyGridModel *model, DailyGridDelegate *delegate, const DailyTable &table,
                          const QFont &font, int rowHeight) {
    setFont(font);
    setModel(model);
    setItemDelegate(delegate);
    for (int c = 0; c < table.ColCount(); ++c)
        setColumnWidth(c, table.Columns[static_cast<std::size_t>(c)].Width);
    verticalHeader()->setDefaultSectionSize(rowHeight);

    fixed_ = new QTableView(this);
    fixed_->setObjectName(QStringLiteral("FixedColumns"));
    SetUpTable(fixed_);
    fixed_->setFont(font);
    fixed_->setModel(model);
    fixed_->setSelectionModel(selectionModel());
    fixed_->setItemDelegate(delegate);
    fixed_->setFocusPolicy(Qt::NoFocus);
    fixed_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setFrameShape(QFrame::NoFrame);
    fixed_->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int c = 0; c < table.ColCount(); ++c) {
        fixed_->setColumnHidden(c, c >= kDailyFixedCols);
        fixed_->setColumnWidth(c, columnWidth(c));
    }
    connect(fixed_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, fixed_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    viewport()->installEventFilter(this);
    fixed_->viewport()->installEventFilter(this);
    LayOutFixedView();
}

int DailyGridView::FixedWidth() const {
    int width = 0;
    for (int c = 0; c < kDailyFixedCols && model() && c < model()->columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

void DailyGridView::LayOutFixedView() {
    if (!fixed_)
        return;
    fixed_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    fixed_->setGeometry(frameWidth(), frameWidth(), FixedWidth(),
                        viewport()->height() + horizontalHeader()->height());
    fixed_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    fixed_->show();
    fixed_->raise();
}

void DailyGridView::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    LayOutFixedView();
}

void DailyGridView::updateGeometries() {
    QTableView::updateGeometries();
    LayOutFixedView();
}

// The daily row under a point of a viewport; beyond the last row the last
// row, above the first the first.
int DailyGridView::RowAtViewport(QWidget *viewport, QPoint pos) const {
    const int rows = model() ? model()->rowCount() : 0;
    if (rows == 0)
        return 0;
    if (pos.y() < 0)
        return 1;
    const int row = rowAt(this->viewport()->mapFromGlobal(viewport->mapToGlobal(pos)).y());
    return row < 0 ? rows : row + 1;
}

// A row is dragged by its fixed cells: pressed there, moved, released over
// its new place. The selection follows the mouse on the way.
bool DailyGridView::eventFilter(QObject *watched, QEvent *event) {
    auto *view = qobject_cast<QWidget *>(watched);
    const bool onFixed = fixed_ && watched == fixed_->viewport();
    if (!view || (!onFixed && watched != viewport()))
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pos = mouse->position().toPoint();
        const QModelIndex index = onFixed ? fixed_->indexAt(pos) : indexAt(pos);
        dragRow_ = 0;
        if (mouse->button() == Qt::LeftButton && index.isValid() && index.column() < kDailyFixedCols)
            dragRow_ = index.row() + 1;
        break;
    }
    case QEvent::MouseMove:
        if (dragRow_ > 0) {
            const int over = RowAtViewport(view, static_cast<QMouseEvent *>(event)->position().toPoint());
            if (over > 0) {
                selectRow(over - 1);
                view->setCursor(over != dragRow_ ? Qt::ClosedHandCursor : Qt::ArrowCursor);
            }
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (dragRow_ > 0) {
            const int from = dragRow_;
            const int to = RowAtViewport(view, static_cast<QMouseEvent *>(event)->position().toPoint());
            dragRow_ = 0;
            view->unsetCursor();
            if (to > 0 && to != from)
                emit RowMoved(from, to);
        }
        break;
    default:
        break;
    }
    return QTableView::eventFilter(watched, event);
}

// ---- the window ---------------------------------------------------------------

TDagKL2::TDagKL2(Competition &comp, int from, int to, bool hcNoPoints, const QFont &font, QWidget *parent)
    : QDialog(parent), comp_(comp), klasse_(*comp.Active()) {
    setObjectName(QStringLiteral("TDagKL2"));
    setWindowTitle(QStringLiteral("Dagklassement"));
    SetHelpContext(this, kHelpContext);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    grid_ = new DailyGridView(this);
    const QFontMetrics metrics(font);
    table_ =
        MakeDailyClassification(comp.Club, klasse_, from, to, hcNoPoints, [&metrics](std::string_view text) {
            return metrics.horizontalAdvance(FromModelText(text));
        });
    model_ = new DailyGridModel(comp.Club, klasse_, table_, this);
    auto *delegate = new DailyGridDelegate(
        *model_, PlatformColour(static_cast<uint32_t>(klasse_.Grid.Font.Color), palette()), this);
    grid_->SetUp(model_, delegate, table_, font, klasse_.Grid.DefaultRowHeight);
    connect(grid_, &DailyGridView::RowMoved, this, &TDagKL2::StringGrid1RowMoved);

    button1_ = new QPushButton(QStringLiteral("&Toepassen"), this);
    button1_->setEnabled(from >= 1);
    button4_ = new QPushButton(QStringLiteral("&Exporteren"), this);
    auto *help = new QPushButton(QStringLiteral("&Help"), this);
    auto *cancel = new QPushButton(QStringLiteral("&Annuleren"), this);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(button4_, &QPushButton::clicked, this, &TDagKL2::Button4Click);
    ConnectHelpButton(help, kHelpContext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    button1_->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {button1_, button4_, help, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    resize(359, 297);
    if (to - from < 6)
        FitWidthToColumns();
    FitHeightToRows();
    if (model_->rowCount() > 0)
        grid_->selectRow(0);
}

// The grid and its model read table_: they go before it does, also when the
// window is destroyed while it shows (hiding it then still asks the grid).
TDagKL2::~TDagKL2() {
    delete grid_;
    delete model_;
}

// Every column in view without scrolling: the grid's frame and scroll bar,
// the columns and their lines, the window's margins.
void TDagKL2::FitWidthToColumns() {
    int columns = 0;
    for (int c = 0; c < table_.ColCount(); ++c)
        columns += grid_->columnWidth(c);
    const QMargins margins = layout()->contentsMargins();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
    const int width = 2 * grid_->frameWidth() + scrollBar + columns + 7 + (table_.To - table_.From) +
                      margins.left() + margins.right();
    resize(std::max(width, minimumSizeHint().width()), height());
}

// As many rows in view as the screen allows without crowding it.
void TDagKL2::FitHeightToRows() {
    layout()->activate();
    const int rowsHeight = model_->rowCount() * grid_->verticalHeader()->defaultSectionSize();
    const int wanted =
        grid_->horizontalHeader()->sizeHint().height() + rowsHeight + 2 * grid_->frameWidth() + 2;
    const QScreen *shown = screen();
    const int limit = shown ? shown->availableGeometry().height() * 3 / 4 : 600;
    resize(width(), std::clamp(height() + wanted - grid_->height(), height(), std::max(limit, height())));
}

void TDagKL2::StringGrid1RowMoved(int fromRow, int toRow) {
    MoveDailyRow(comp_.Club, klasse_, table_, fromRow, toRow);
    model_->Refresh();
    grid_->selectRow(toRow - 1);
}

void TDagKL2::Button4Click() {
    RunDailyExport(comp_, klasse_, table_, this);
}

} // namespace rondaxa
