// "Zoeken": the extended search. Up to five fields of a rider are matched,
// in the current class or in all classes; a find moves the grid's cursor to
// the rider and the dialog stays open so that "&Nogmaals" can go on. While
// it is open it follows the competition: changed extra-field names become
// its captions, and it closes when no class is left to search.
#pragma once

#include "core/platform/platform.h"
#include "core/scoring/search.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace rondaxa {

class GridHost;

class TZoekAll : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 420;
    static constexpr int kFieldCount = 5;

    // The three extra boxes are captioned with the club's extra-field names.
    TZoekAll(GridHost &host, Prompts &prompts, QWidget *parent = nullptr);

    RiderQuery Query() const;
    // "&Zoek" (from the start) and "&Nogmaals" (after the current row).
    void Search(bool again);
    void WisClick(); // "&Wis"

    QLineEdit *Field(int i) const { return fields_[static_cast<std::size_t>(i)]; }
    QRadioButton *AllFieldsButton() const { return allFields_; }
    QCheckBox *AllClassesBox() const { return allClasses_; }
    QCheckBox *CaseSensitiveBox() const { return caseSensitive_; }
    QCheckBox *ContainsBox() const { return contains_; }

private:
    void ShowExtraCaptions();
    void FollowClassList();

    GridHost &host_;
    Prompts &prompts_;
    std::array<QLineEdit *, kFieldCount> fields_{};
    std::array<QLabel *, kFieldCount> labels_{};
    QRadioButton *oneField_;
    QRadioButton *allFields_;
    QCheckBox *allClasses_;
    QCheckBox *caseSensitive_;
    QCheckBox *contains_;
};

} // namespace rondaxa
