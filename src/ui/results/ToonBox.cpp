#include "results/ToonBox.h"

#include "app/ClassGridView.h"
#include "app/KZBmain.h"
#include "platform/Help.h"
#include "platform/ModelText.h"
#include "results/problem_clicks.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TToonBox::TToonBox(TMainForm &form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("TToonBox"));
    list_ = new QListWidget(this);
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
}

void TToonBox::AddProblem(const std::string &text, int tag, int row) {
    problems_.AddProblem(text, tag, row);
}

void TToonBox::ShowCheckList() {
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
    for (const Problem &entry : problems_.Entries())
        list_->addItem(FromModelText(entry.Text));
    exec();
    list_->clear();
    problems_.Clear();
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
    TKlasse *klasse = form_.ActiveClass();
    if (!klasse)
        return;
    const int col = entry.Tag > 0 ? klasse->ResultColumn(entry.Tag) : klasse->Grid.CurCol;
    const int row = CheckEntryRow(form_.Comp().Club, *klasse, entry.Text, entry.Tag);
    MoveCursor(col, row >= 1 ? row : klasse->Grid.CurRow);
}

// A tied group: its class is shown, the cursor goes to the group's last row
// in the calculated standings column.
void TToonBox::ClickTieEntry(const Problem &entry) {
    QTabBar *tabs = form_.Tabs();
    if (entry.Tag >= 0 && entry.Tag < form_.Comp().ClassCount() && entry.Tag < tabs->count()) {
        {
            const QSignalBlocker block(tabs);
            tabs->setCurrentIndex(entry.Tag);
        }
        form_.Notify(TMainForm::kNotifyShowClass, form_.NotificationKey());
    }
    if (TKlasse *klasse = form_.ActiveClass())
        MoveCursor(klasse->Grid.ColCount() - 1, TieEntryRow(entry));
}

void TToonBox::MoveCursor(int col, int row) {
    TKlasse *klasse = form_.ActiveClass();
    ClassGrid &grid = klasse->Grid;
    if (col < grid.FixedCols || col >= grid.ColCount() || row < grid.FixedRows || row >= grid.RowCount())
        return;
    grid.CurCol = col;
    grid.CurRow = row;
    form_.ActiveGrid()->ShowCurrentCell();
    form_.ActiveSGSelectCell(col, row);
}

} // namespace rondaxa
