// "Bere&kenen > &Seizoensverloop...": the season chart of the active class,
// drawn by the core as SVG and shown as it is, with the number of riders to
// show and "&Opslaan als..." (SVG or PNG).
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/reports/season_chart.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QSpinBox;

namespace rondaxa {

class ChartView;

class TSeizoensverloop : public QDialog {
    Q_OBJECT
public:
    // The chart of the class at tab position classIndex, with the standings
    // calculated by the club's rules (the competition is not changed).
    TSeizoensverloop(const Competition &comp, int classIndex, Prompts &prompts, QWidget *parent = nullptr);
    ~TSeizoensverloop() override;

    // The file chooser of "&Opslaan als..."; tests replace it. Returns "" when
    // the user cancels.
    static std::function<QString(QWidget *parent, const QString &className)> ChooseChartFile;

    const std::string &Svg() const { return svg_; } // the picture shown
    QSpinBox *TopBox() const { return top_; }
    // Writes the picture to path: PNG when its name ends in ".png", else SVG.
    // False (after the message) when it could not be written.
    bool SaveChart(const QString &path);

private:
    void ShowChart();
    void SaveAsClick();

    std::unique_ptr<Competition> calculated_;
    Prompts &prompts_;
    SeasonChart chart_;
    std::string svg_;
    QSpinBox *top_ = nullptr;
    ChartView *view_ = nullptr;
};

} // namespace rondaxa
