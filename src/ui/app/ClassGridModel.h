// The class grid as Qt sees it: a table model over the active class's
// ClassGrid. Grid row 0 (headings) is the horizontal header and grid column 0
// (row labels) the vertical header; model cell (r, c) is grid cell (r+1, c+1).
// Nothing is stored here: every text comes from the class at the moment it
// is asked for.
#pragma once

#include "core/model/model.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/PlatformColour.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>
#include <QString>

namespace rondaxa {

class ClassGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ClassGridModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows another class (or none). Resets the view.
    void SetClass(const ClubRec *club, TKlasse *klasse);
    // The class's rows or columns changed.
    void Reset();
    // Only texts or colours changed.
    void Redraw();

    TKlasse *Class() const { return klasse_; }
    static int GridRow(const QModelIndex &index) { return index.row() + 1; }
    static int GridCol(const QModelIndex &index) { return index.column() + 1; }
    QModelIndex IndexOf(int gridRow, int gridCol) const { return index(gridRow - 1, gridCol - 1); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The text of a data cell: empty under an empty heading or without a rider.
    QString CellString(int gridRow, int gridCol) const;
    int ColumnKind(int gridCol) const;

private:
    const ClubRec *club_ = nullptr;
    TKlasse *klasse_ = nullptr;
};

} // namespace rondaxa
