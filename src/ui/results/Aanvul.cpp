#include "ui/results/Aanvul.h"

#include "core/model/messages.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rondaxa {

TAanvul::TAanvul(const ClassList &list, const QString &fileName, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAanvul"));
    setWindowTitle(QStringLiteral("Klasse uit bestand toevoegen"));
    SetHelpContext(this, kHelpContext);

    auto *intro = new QLabel(QStringLiteral("Selecteer de toe te voegen klasse,"), this);
    auto *file = new QLabel(QStringLiteral("Bestand: ") + QFileInfo(fileName).fileName(), this);
    file->setObjectName(QStringLiteral("FileLabel"));
    file->setToolTip(fileName);
    auto *club = new QLabel(FromModelText(list.Club.ClubName.str()), this);
    club->setObjectName(QStringLiteral("ClubLabel"));
    club->setAlignment(Qt::AlignHCenter);
    QFont bold = club->font();
    bold.setBold(true);
    club->setFont(bold);

    classes_ = new QListWidget(this);
    classes_->setObjectName(QStringLiteral("CheckListBox1"));
    for (const std::string &name : list.Names) {
        auto *item = new QListWidgetItem(FromModelText(name), classes_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    auto *buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    buttons->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(classes_, &QListWidget::itemChanged, this, [this] { CheckListBox1Click(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(file);
    layout->addWidget(club);
    layout->addWidget(classes_, 1);
    layout->addWidget(buttons);
    resize(340, 360);
}

std::vector<bool> TAanvul::Checked() const {
    std::vector<bool> checked;
    for (int i = 0; i < classes_->count(); ++i)
        checked.push_back(classes_->item(i)->checkState() == Qt::Checked);
    return checked;
}

void TAanvul::CheckListBox1Click() {
    const std::vector<bool> checked = Checked();
    ok_->setEnabled(std::find(checked.begin(), checked.end(), true) != checked.end());
}

bool RunAddClasses(Competition &comp, Prompts &prompts, const QString &fileName, QWidget *parent) {
    const ClassList list = ReadClassList(fileName.toStdString());
    if (list.Error != 0) {
        ShowError(prompts, list.Error);
        return false;
    }
    TAanvul dialog(list, fileName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (const int error = AddCheckedClasses(comp, fileName.toStdString(), dialog.Checked()); error != 0) {
        ShowError(prompts, error);
        return false;
    }
    return true;
}

} // namespace rondaxa
