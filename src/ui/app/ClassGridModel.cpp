#include "ui/app/ClassGridModel.h"

namespace rondaxa {

QColor PlatformColour(uint32_t value, const QPalette &palette) {
    if (value == 0)
        return {};
    if ((value & 0xFF000000u) == 0x80000000u) {
        switch (value & 0xFFu) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlight text
            return palette.color(QPalette::HighlightedText);
        case 0x0F: // button face
            return palette.color(QPalette::Button);
        case 0x10: // button shadow
            return palette.color(QPalette::Mid);
        case 0x12: // button text
            return palette.color(QPalette::ButtonText);
        case 0x16: // 3-D light
            return palette.color(QPalette::Midlight);
        case 0x17: // info text
            return palette.color(QPalette::ToolTipText);
        case 0x18: // info background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

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
