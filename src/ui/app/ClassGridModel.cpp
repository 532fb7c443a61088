#include "ui/app/ClassGridModel.h"

namespace rondaxa {

void ClassGridModel::SetClass(const ClubRec *club, TKlasse *klasse) {
    beginResetModel();
    club_ = club;
    klasse_ = klasse;
    endResetModel();
}

void ClassGridModel::Reset() {
    beginResetModel();
    endResetModel();
}

void ClassGridModel::Redraw() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int ClassGridModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid() || !klasse_)
        return 0;
    return std::max(klasse_->Grid.RowCount() - 1, 0);
}

int ClassGridModel::columnCount(const QModelIndex &parent) const {
    if (parent.isValid() || !klasse_)
        return 0;
    return std::max(klasse_->Grid.ColCount() - 1, 0);
}

int ClassGridModel::ColumnKind(int gridCol) const {
    const TColData *data = klasse_ ? klasse_->ColData(gridCol) : nullptr;
    return data ? data->Kind : KindName;
}

QString ClassGridModel::CellString(int gridRow, int gridCol) const {
    if (!klasse_ || !club_)
        return {};
    const ClassGrid &grid = klasse_->Grid;
    const TRijder *rider = grid.Rider(gridRow);
    if (!rider || gridCol < 0 || gridCol >= grid.ColCount() || grid.Col(gridCol).Heading.empty())
        return {};
    const int kind = ColumnKind(gridCol);
    const int n = kind == KindResult ? grid.ColData(gridCol)->Number : 1;
    return FromModelText(CellText(*club_, *rider, kind, n));
}

QVariant ClassGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return CellString(GridRow(index), GridCol(index));
}

QVariant ClassGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!klasse_)
        return {};
    const ClassGrid &grid = klasse_->Grid;
    if (orientation == Qt::Horizontal) {
        const int col = section + 1;
        if (col >= grid.ColCount())
            return {};
        if (role == Qt::DisplayRole)
            return FromModelText(grid.Col(col).Heading);
        if (role == Qt::TextAlignmentRole)
            return static_cast<int>(Qt::AlignTop |
                                    (ColumnKind(col) == KindResult ? Qt::AlignHCenter : Qt::AlignLeft));
        return {};
    }
    const int row = section + 1;
    if (row >= grid.RowCount())
        return {};
    if (role == Qt::DisplayRole)
        return FromModelText(grid.RowAt(row).Label);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignTop | Qt::AlignLeft);
    return {};
}

Qt::ItemFlags ClassGridModel::flags(const QModelIndex &index) const {
    if (!index.isValid() || !klasse_)
        return Qt::NoItemFlags;
    // Cells of fixed columns cannot be selected or made current, as in the
    // fixed part of a string grid.
    if (GridCol(index) < klasse_->Grid.FixedCols)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace rondaxa
