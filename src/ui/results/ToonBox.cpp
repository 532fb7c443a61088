#include "ui/results/ToonBox.h"

#include "core/results/problem_clicks.h"
#include "ui/common/DocumentSignals.h"
#include "ui/common/GridHost.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace rondaxa {

namespace {

// The list of findings: an entry chosen by keyboard (arrows, Home, End, page
// keys, a typed letter) is followed as a click is, so the list can be walked
// without the mouse.
class ProblemListWidget : public QListWidget {
public:
    ProblemListWidget(std::function<void(int)> chosen, QWidget *parent)
        : QListWidget(parent), chosen_(std::move(chosen)) {}

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != before && currentRow() >= 0)
            chosen_(currentRow());
    }

private:
    std::function<void(int)> chosen_;
};

} // namespace

TToonBox::TToonBox(GridHost &host, QWidget *parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("TToonBox"));
    list_ = new ProblemListWidget([this](int row) { ListBox1Click(row); }, this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListBox1Click(list_->row(item)); });

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    QPushButton *help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(helpContext_); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(420, 260);

    if (DocumentSignals *notices = host_.HostNotices()) {
        connect(notices, &DocumentSignals::classListChanged, this, [this] { FollowChange(-1); });
        connect(notices, &DocumentSignals::classChanged, this, &TToonBox::FollowChange);
        connect(notices, &DocumentSignals::cellsChanged, this, [this](int tab) { FollowChange(tab); });
    }
}

void TToonBox::AddProblem(const std::string &text, int tag, int row) {
    problems_.AddProblem(text, tag, row);
}

void TToonBox::ShowCheckList(int tab, Recheck recheck) {
    checkTab_ = tab;
    recheck_ = std::move(recheck);
    ShowList(Mode::Check, QStringLiteral("Gevonden fouten"), kHelpCheckList);
}

void TToonBox::ShowTieList() {
    ShowList(Mode::Ties, QStringLiteral("Stand niet kunnen bepalen van:"), kHelpTieList);
}

void TToonBox::ShowList(Mode mode, const QString &title, int helpContext) {
    mode_ = mode;
    helpContext_ = helpContext;
    setWindowTitle(title);
    SetHelpContext(this, helpContext);
    list_->clear();
    ShowEntries();
    exec();
    list_->clear();
    problems_.Clear();
    recheck_ = {};
}

void TToonBox::ShowEntries() {
    const int chosen = list_->currentRow();
    list_->clear();
    for (const Problem &entry : problems_.Entries())
        list_->addItem(FromModelText(entry.Text));
    if (chosen >= 0 && list_->count() > 0)
        list_->setCurrentRow(std::min(chosen, list_->count() - 1));
}

void TToonBox::FollowChange(int tab) {
    if (!isVisible())
        return;
    if (mode_ == Mode::Check) {
        if (!recheck_ || (tab >= 0 && tab != checkTab_))
            return;
        problems_.Clear();
        recheck_(problems_);
    } else {
        // Ties are of the standings, which a change of their class removed.
        ProblemList kept;
        for (const Problem &entry : problems_.Entries())
            if (tab >= 0 && entry.Tag != tab)
                kept.AddProblem(entry.Text, entry.Tag, entry.Row);
        problems_ = std::move(kept);
    }
    ShowEntries();
}

void TToonBox::ListBox1Click(int index) {
    const auto &entries = problems_.Entries();
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return;
    const Problem &entry = entries[static_cast<std::size_t>(index)];
    if (mode_ == Mode::Ties)
        ClickTieEntry(entry);
    else
        ClickCheckEntry(entry);
}

// A finding of the results check: the entry's result column, and the row of
// the rider the finding is about.
void TToonBox::ClickCheckEntry(const Problem &entry) {
    TKlasse *klasse = host_.HostCompetition().Active();
    if (!klasse)
        return;
    const int col = entry.Tag > 0 ? klasse->ResultColumn(entry.Tag) : klasse->Grid.CurCol;
    const int row = CheckEntryRow(host_.HostCompetition().Club, *klasse, entry.Text, entry.Tag);
    host_.GoToCell(col, row >= 1 ? row : klasse->Grid.CurRow);
}

// A tied group: its class is shown, the cursor goes to the group's last row
// in the calculated standings column.
void TToonBox::ClickTieEntry(const Problem &entry) {
    if (entry.Tag >= 0 && entry.Tag < host_.HostCompetition().ClassCount())
        host_.ShowClass(entry.Tag);
    if (TKlasse *klasse = host_.HostCompetition().Active())
        host_.GoToCell(klasse->Grid.ColCount() - 1, TieEntryRow(entry));
}

} // namespace rondaxa
