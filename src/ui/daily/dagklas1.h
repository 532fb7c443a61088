// "Dagklassement berekenen": the range of result columns the daily
// classification adds up, and whether hors-concours riders get replacement
// points. RunDailyClassification runs the whole command behind it.
#pragma once

#include "core/daily/daily.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QDialog>
#include <QFont>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace rondaxa {

class TDagKL1 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 320;

    // Both spin edits take 1 .. the class's result columns and start at
    // the given range.
    TDagKL1(const TKlasse &klasse, DailyRange range, QWidget *parent = nullptr);

    // The range chosen: from the smaller to the larger value.
    int From() const;
    int To() const;
    bool HcNoPoints() const;

    QSpinBox *FromBox() const { return spinEdit1_; }
    QSpinBox *ToBox() const { return spinEdit2_; }
    QCheckBox *HcBox() const { return checkBox_; }
    QLabel *HcLabel() const { return label3_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SpinEdit1Change();
    void SpinEdit2Change();
    void Label3Click();

    QSpinBox *spinEdit1_;
    QSpinBox *spinEdit2_;
    QCheckBox *checkBox_;
    QLabel *label3_;
};

// The command on the active class, whose standings are already removed:
// the range dialog, the daily classification window and, after "&Toepassen"
// and Yes, the range replaced. font is the class grid's. Returns whether
// the class changed.
bool RunDailyClassification(Competition &comp, Prompts &prompts, const QFont &font, QWidget *parent);

} // namespace rondaxa
