// "Dagklassement": the daily classification of the active class over a range
// of result columns, in a grid whose rows can be dragged to another place by
// their fixed cells; the replacement points follow every move. "&Toepassen"
// closes the window with OK (the caller then asks and replaces the range),
// "&Exporteren" opens the export dialog.
#pragma once

#include "core/daily/daily.h"
#include "core/model/model.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStyledItemDelegate>
#include <QTableView>

class QPushButton;

namespace rondaxa {

// The daily grid as a table model: model row r - 1 is daily row r, model
// column c is daily column c ("PL" first).
class DailyGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DailyGridModel(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                   QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell of the daily grid (daily row r, column c).
    QString CellString(int r, int c) const;
    int ColumnKind(int c) const;
    // The rows changed order: repaint everything.
    void Refresh();

private:
    const ClubRec &club_;
    const TKlasse &klasse_;
    const DailyTable &table_;
};

// Draws a cell of the daily grid: "PL" column in button colours, start
// number, results and "Vervang" centred, "Totaal" right-aligned.
class DailyGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DailyGridDelegate(const DailyGridModel &model, QColor fontColour, QObject *parent = nullptr)
        : QStyledItemDelegate(parent), model_(model), fontColour_(fontColour) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const DailyGridModel &model_;
    QColor fontColour_;
};

// The grid: whole rows selected, the three fixed columns kept in view and
// used to drag a row to another place.
class DailyGridView : public QTableView {
    Q_OBJECT
public:
    explicit DailyGridView(QWidget *parent = nullptr);
    void SetUp(DailyGridModel *model, DailyGridDelegate *delegate, const DailyTable &table, const QFont &font,
               int rowHeight);
    int FixedWidth() const;

signals:
    void RowMoved(int fromRow, int toRow); // daily rows (1..)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;

private:
    void LayOutFixedView();
    int RowAtViewport(QWidget *viewport, QPoint pos) const;

    QTableView *fixed_ = nullptr; // the fixed columns laid over the left edge
    int dragRow_ = 0;             // daily row being dragged, 0 = none
};

class TDagKL2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 330;

    // Builds, sorts and shows the classification of the active class of
    // comp over from..to, in the class grid's font.
    TDagKL2(Competition &comp, int from, int to, bool hcNoPoints, const QFont &font,
            QWidget *parent = nullptr);
    ~TDagKL2() override;

    const DailyTable &Table() const { return table_; }
    DailyGridView *Grid() const { return grid_; }
    DailyGridModel *GridModel() const { return model_; }
    QPushButton *ApplyButton() const { return button1_; }
    QPushButton *ExportButton() const { return button4_; }

    // A row moved in the grid (daily rows 1..).
    void StringGrid1RowMoved(int fromRow, int toRow);
    // "&Exporteren".
    void Button4Click();

private:
    void FitWidthToColumns();
    void FitHeightToRows();

    Competition &comp_;
    TKlasse &klasse_;
    DailyTable table_;
    DailyGridModel *model_;
    DailyGridView *grid_;
    QPushButton *button1_;
    QPushButton *button4_;
};

} // namespace rondaxa
