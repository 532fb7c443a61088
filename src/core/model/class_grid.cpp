#include "core/model/class_grid.h"

#include "core/model/dates.h"

#include <algorithm>

namespace rondaxa {

void AutoSizeColumns(TKlasse &klasse, const ClubRec &club, const TextWidthFn &width, int textHeight) {
    ClassGrid &grid = klasse.Grid;
    grid.DefaultRowHeight = textHeight + 2;
    const int resultWidth = width(club.Points[1] >= 100 ? "1888" : "188");
    for (int c = 0; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        const int kind = data ? data->Kind : KindName;
        int w = 0;
        if (c == 0) {
            w = width("Pos") + 4;
        } else if (kind == KindResult) {
            w = resultWidth;
        } else {
            w = width(grid.Col(c).Heading) + 4;
            for (int r = 1; r < grid.RowCount(); ++r)
                if (const TRijder *rider = grid.Rider(r))
                    w = std::max(w, width(CellText(club, *rider, kind, 1)) + 4);
        }
        grid.Col(c).Width = w;
    }
}

void ColourInfoColumns(TKlasse &klasse, const ClubRec &club) {
    ClassGrid &grid = klasse.Grid;
    uint32_t colour = club.InfoColor1;
    for (int col = std::max(klasse.FirstResultCol - 1, 0); col < grid.ColCount(); ++col) {
        TColData *data = grid.ColData(col);
        if (!data)
            continue;
        data->Color = kClWindow;
        if ((club.ViewFlags & ViewNoInfoColours) || data->Kind != KindResult || !data->Info)
            continue;
        // A damaged range is kept inside the result columns.
        const int from = std::clamp(data->Info->FromCol, 1, kMaxResults);
        const int to = std::clamp(data->Info->ToCol, from, kMaxResults);
        const int last = std::min(klasse.ResultColumn(to), grid.ColCount() - 1);
        for (int c = klasse.ResultColumn(from); c <= last; ++c)
            if (TColData *covered = grid.ColData(c))
                covered->Color = colour;
        col = std::max(col, last);
        colour = colour == club.InfoColor1 ? club.InfoColor2 : club.InfoColor1;
    }
}

void NumberRowsByPlace(TKlasse &klasse) {
    if (klasse.CalcState == 0) {
        RenumberRows(klasse);
        return;
    }
    ClassGrid &grid = klasse.Grid;
    int place = 0;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const TRijder *rider = grid.Rider(r);
        if (rider && rider->HorsConcours())
            grid.RowAt(r).Label = "BM";
        else
            grid.RowAt(r).Label = IntText(++place);
    }
}

std::string ClassCaption(std::string_view clubName, std::string_view className) {
    std::string caption = (std::string(clubName) + " - ").substr(0, 33);
    caption += className;
    return caption.substr(0, 63);
}

std::string ClassCaption(const ClubRec &club, const TKlasse &klasse) {
    return ClassCaption(club.ClubName.str(), klasse.Name.str());
}

std::string ResultModeText(const ClubRec &club) {
    if (club.Options & OptPositionsAsPoints)
        return "Punten";
    if (club.Options & OptStoreFinishOrder)
        return "Finish volgorde";
    return "Punten";
}

bool HasRiderPanel(const ClubRec &club) {
    const int v = club.Options & OptStatusFieldMask;
    return v >= 1 && v <= 5;
}

std::string RiderPanelText(const ClubRec &club, const TRijder &rider) {
    const int v = club.Options & OptStatusFieldMask;
    if (v < 1 || v > 5)
        return {};
    const int kind = v <= 2 ? v : v + 1;
    std::string text = CellText(club, rider, kind, 0);
    if (rider.HorsConcours())
        text += " (Buitenmededinging)";
    return text;
}

const ResultInfo *InfoCovering(const TKlasse &klasse, int n) {
    const ClassGrid &grid = klasse.Grid;
    for (int c = 0; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (data && data->Kind == KindResult && data->Info && data->Info->FromCol <= n &&
            n <= data->Info->ToCol)
            return data->Info.get();
    }
    return nullptr;
}

std::string ColumnPanelText(const ClubRec &club, const TKlasse &klasse, int col, int row) {
    const TColData *data = klasse.ColData(col);
    if (!data)
        return {};
    switch (data->Kind) {
    case KindResult: {
        const TRijder *rider = klasse.Rider(row);
        if (klasse.CalcState != 0 && rider && IsDropped(*rider, data->Number))
            return "Geschrapte uitslag";
        const ResultInfo *info = InfoCovering(klasse, data->Number);
        if (!info)
            return {};
        std::string text = FormatStoredDate(info->Date, kLongDateStyle, (club.ViewFlags & ViewShowYear) != 0);
        text += " ";
        text += info->Remark.str();
        if (info->NotCounting())
            text += " (niet tellend)";
        return text;
    }
    case KindNet:
        return klasse.CalcState != 3 ? klasse.CalcInfo : std::string();
    case KindGross:
    case KindDailyGross:
        return klasse.CalcState == 1 ? klasse.CalcInfo : std::string();
    case KindAverage:
        return AverageMethodLabel(club);
    default:
        return {};
    }
}

} // namespace rondaxa
