// The visible class grid: a table view over ClassGridModel with the cell
// drawing of the grid (colours, alignments, dropped results) and the clicks
// on headings and row labels. The current cell and the scroll position are
// kept in step with the class's ClassGrid, so the rules that speak of "the
// grid's current cell" work on the data.
#pragma once

#include "app/ClassGridModel.h"

#include <QStyledItemDelegate>
#include <QTableView>

namespace rondaxa {

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

signals:
    void CellSelected(int gridCol, int gridRow); // the current cell changed
    void HeadingClicked(int gridCol);            // left click on a column heading
    void FixedColumnClicked(int gridRow);        // left click on a row label or a fixed cell
    void Painted();                              // after every repaint

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool syncing_ = false;
    int headerLengthAtPress_ = -1; // a heading drag that resizes is no click
    ClassGridModel *model_;
    ClassGridDelegate *delegate_;
};

} // namespace rondaxa
