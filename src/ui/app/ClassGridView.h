// The visible class grid: a table view over ClassGridModel with the cell
// drawing of the grid (colours, alignments, dropped results) and the clicks
// on headings and row labels. The current cell and the scroll position are
// kept in step with the class's ClassGrid, so the rules that speak of "the
// grid's current cell" work on the data.
#pragma once

#include "ui/app/ClassGridModel.h"

#include <QStyledItemDelegate>
#include <QTableView>

namespace rondaxa {

// How a cell of that column kind aligns its text: start numbers and results
// centred, the calculated columns to the right, everything else to the left.
// The editing field over a cell aligns the same way.
Qt::Alignment CellAlignment(int kind);

// Draws one cell as the grid shows it.
class ClassGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ClassGridDelegate(const ClassGridModel &model, QObject *parent = nullptr)
        : QStyledItemDelegate(parent), model_(model) {}
    void SetClub(const ClubRec *club) { club_ = club; }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const ClassGridModel &model_;
    const ClubRec *club_ = nullptr;
};

class ClassGridView : public QTableView {
    Q_OBJECT
public:
    explicit ClassGridView(QWidget *parent = nullptr);

    // Shows a class (or none): font, column widths, row height, current cell.
    void SetClass(const ClubRec *club, TKlasse *klasse);
    TKlasse *Class() const { return model_->Class(); }
    ClassGridModel &GridModel() { return *model_; }

    // The class's rows or columns changed: rebuild the view from the data.
    void Reload();
    // Only texts or colours changed.
    void Redraw();
    // Applies the class's column widths and row height to the view.
    void ApplyLayout();
    // Makes the class's current cell the view's current cell.
    void ShowCurrentCell();
    // Stores the view's scroll position into the class (TopRow, LeftCol).
    void StoreScrollPosition();
    // The rectangle of a grid cell in viewport coordinates.
    QRect GridCellRect(int gridRow, int gridCol) const;

    // The grid's font as a QFont, and text metrics in it for the core.
    QFont GridFontOf(const GridFont &font) const;
    int TextWidth(std::string_view text) const;
    int TextHeight() const;

    // Width of the fixed columns after the row labels (they do not scroll).
    int FrozenWidth() const;
    // Scrolls a cell into view, clear of the fixed columns.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    void CellSelected(int gridCol, int gridRow); // the current cell changed
    void HeadingClicked(int gridCol);            // left click on a column heading
    void FixedColumnClicked(int gridRow);        // left click on a row label or a fixed cell
    void Painted();                              // after every repaint
    void RowMoved(int fromRow, int toRow);       // a row was dragged to another place

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetUpFrozenView();
    void MoveDraggedRow(int fromVisual, int toVisual);
    void LayOutFrozenView();
    bool IsHeadingViewport(QObject *watched) const;

    bool syncing_ = false;
    QTableView *frozen_ = nullptr; // the fixed columns after the row labels, laid over the grid
    int headerLengthAtPress_ = -1; // a heading drag that resizes is no click
    bool rowDragged_ = false;      // a row-label drag that moves a row is no click
    ClassGridModel *model_;
    ClassGridDelegate *delegate_;
};

} // namespace rondaxa
