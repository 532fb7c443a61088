// "Rondaxa - weergave": how the class grids show the competition.
#pragma once

#include "core/model/display_settings.h"
#include "core/model/model.h"
#include "ui/platform/FieldBinding.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace rondaxa {

class Tweergave : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpButton = 720;
    static constexpr int kHelpGeneral = 730;
    static constexpr int kHelpRiderFields = 740;

    // The dialog works on the competition: the font is given to the grids at
    // once, everything else on "&Ok" (Apply).
    Tweergave(Competition &comp, const QFont &gridFont, QWidget *parent = nullptr);

    // The platform's font and colour dialogs; replaceable for tests.
    std::function<std::optional<QFont>(const QFont &current)> ChooseFont;
    std::function<std::optional<QColor>(const QColor &current)> ChooseColour;

    DisplayChoices Choices() const;
    // Stores the choices; returns whether the grids must be shown anew
    // (also when a font or colour was chosen).
    bool Apply();
    bool Changed() const { return changed_; }
    QFont Font() const { return font_; }

    // Controls, for tests and screenshots.
    QTabWidget *Pages() const { return pages_; }
    QCheckBox *Box(const char *name) const;
    QRadioButton *PointsButton() const { return asPoints_; }
    QRadioButton *FinishButton() const { return asFinish_; }
    QPushButton *FontButton() const { return fontButton_; }
    QPushButton *ColourPanel(int i) const { return panels_[i]; }
    QButtonGroup *StatusGroup() const { return status_; }
    QButtonGroup *OrderGroup() const { return order_; }

    // Clicks on the font button and a colour panel (0, 1: result information,
    // 2: dropped results).
    void FontButtonClick();
    void ColourPanelClick(int i);

private:
    QWidget *BuildGeneralPage();
    QWidget *BuildRiderPage();
    QCheckBox *AddBox(QWidget *parent, const char *name, const QString &caption);
    void BindControls();
    void ShowPanelColour(int i);
    void MarkBoxChanged();
    void ColourBoxClicked();
    void StrikeBoxClicked();

    Competition &comp_;
    DisplayChoices start_;
    FieldBinding<DisplayChoices> fields_;
    QFont font_;
    uint32_t colours_[3];
    bool changed_ = false;

    QTabWidget *pages_;
    QRadioButton *asPoints_ = nullptr;
    QRadioButton *asFinish_ = nullptr;
    QPushButton *fontButton_ = nullptr;
    QPushButton *panels_[3] = {};
    QButtonGroup *status_ = nullptr;
    QButtonGroup *order_ = nullptr;
};

// The model's font record as a QFont and back.
QFont QFontFor(const GridFont &font, const QFont &fallback);
GridFont GridFontFor(const QFont &font);

} // namespace rondaxa
