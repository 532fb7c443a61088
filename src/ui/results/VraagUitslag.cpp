#include "ui/results/VraagUitslag.h"

#include "core/model/messages.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"
#include "ui/results/ToonBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TVraagUitslag::TVraagUitslag(const TKlasse &klasse, QWidget *parent)
    : QDialog(parent), resultCount_(klasse.ResultCount) {
    setObjectName(QStringLiteral("TVraagUitslag"));
    setWindowTitle(QStringLiteral("Controle uitslagen"));
    SetHelpContext(this, kHelpContext);

    auto *group = new QGroupBox(QStringLiteral("Controleer uitslagen:"), this);
    all_ = new QCheckBox(QStringLiteral("All&e uitslagen"), group);
    all_->setChecked(true);
    from_ = new NumberBox(group);
    to_ = new NumberBox(group);
    fromLabel_ = new QLabel(QStringLiteral("&Uitslag"), group);
    toLabel_ = new QLabel(QStringLiteral("&t/m"), group);
    fromLabel_->setBuddy(from_);
    toLabel_->setBuddy(to_);
    auto *groupLayout = new QGridLayout(group);
    groupLayout->addWidget(all_, 0, 0, 1, 4);
    groupLayout->addWidget(fromLabel_, 1, 0);
    groupLayout->addWidget(from_, 1, 1);
    groupLayout->addWidget(toLabel_, 1, 2);
    groupLayout->addWidget(to_, 1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(AddDialogButtons(this, kHelpContext));

    const int columns = std::max(resultCount_, 1);
    for (QSpinBox *spin : {from_, to_}) {
        spin->setRange(1, columns);
        CommitValuesWhenDone(spin);
    }
    const int under = klasse.Grid.CurCol - klasse.FirstResultCol + 1;
    from_->setValue(under >= 1 && under <= resultCount_ ? under : 1);
    to_->setValue(from_->value());
    CheckBox1Click();

    connect(all_, &QCheckBox::toggled, this, &TVraagUitslag::CheckBox1Click);
    connect(from_, &QSpinBox::valueChanged, this, &TVraagUitslag::FromChanged);
    connect(to_, &QSpinBox::valueChanged, this, &TVraagUitslag::ToChanged);
}

CheckRange TVraagUitslag::Range() const {
    return CheckRangeFor(all_->isChecked(), from_->value(), to_->value(), resultCount_);
}

void TVraagUitslag::CheckBox1Click() {
    const bool some = !all_->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(from_), static_cast<QWidget *>(to_),
                            static_cast<QWidget *>(fromLabel_), static_cast<QWidget *>(toLabel_)})
        widget->setEnabled(some);
}

// "&Uitslag" past "&t/m" takes the other one along.
void TVraagUitslag::FromChanged() {
    if (from_->value() > to_->value())
        to_->setValue(from_->value());
}

void TVraagUitslag::ToChanged() {
    if (from_->value() > to_->value())
        from_->setValue(to_->value());
}

void RunResultsCheck(Competition &comp, Prompts &prompts, GridHost &host, QWidget *parent) {
    TKlasse *klasse = comp.Active();
    if (!klasse)
        return;
    CountColumns(*klasse);
    CheckRange range;
    {
        TVraagUitslag dialog(*klasse, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        range = dialog.Range();
    }
    TToonBox list(host, parent);
    const int tab = comp.ActiveClass;
    const auto check = [&comp, tab, range](ProblemList &problems) {
        if (tab >= 0 && tab < comp.ClassCount()) {
            const TKlasse &checked = *comp.Classes[static_cast<std::size_t>(tab)];
            CheckResults(comp.Club, checked, range.First, std::min(range.Last, checked.ResultCount),
                         problems);
        }
    };
    check(list.Problems());
    if (list.HasProblems())
        list.ShowCheckList(tab, check);
    else
        ShowError(prompts, kNoProblemsCode);
}

} // namespace rondaxa
