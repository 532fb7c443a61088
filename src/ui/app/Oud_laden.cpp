#include "ui/app/Oud_laden.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace rondaxa {
namespace {

std::filesystem::path NativePath(const QString &folder) {
    return std::filesystem::path(folder.toStdU16String());
}

} // namespace

TOud_laden::TOud_laden(const QString &startFolder, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TOud_laden"));
    setWindowTitle(QStringLiteral("Open DOS versie KZB bestanden"));
    SetHelpContext(this, kHelpContext);

    auto *clubLabel = new QLabel(QStringLiteral("Selecteer een club:"), this);
    clubs_ = new QListWidget(this);
    clubs_->setObjectName(QStringLiteral("ListBox1"));
    clubLabel->setBuddy(clubs_);

    auto *folderLabel = new QLabel(QStringLiteral("Disk && Map van club :"), this);
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QFileInfo &drive : QDir::drives())
        drives_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()), drive.absoluteFilePath());

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("DirectoryListBox1"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int c = 1; c < model_->columnCount(); ++c)
        tree_->hideColumn(c);
    folderLabel->setBuddy(tree_);
    auto *pathLabel = new QLabel(QStringLiteral("&Map :"), this);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("PathEdit"));
    path_->setToolTip(QStringLiteral("Typ of plak een map en druk op Enter"));
    path_->installEventFilter(this);
    pathLabel->setBuddy(path_);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(drives_);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(path_, 1);

    infoFolder_ = new QCheckBox(QStringLiteral("&Disk\\Map van info bestand"), this);
    infoFolder_->setObjectName(QStringLiteral("CheckBox1"));
    editLabel_ = new QLabel(QStringLiteral("Disk \\ map  (naar gegevens) :"), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setMaxLength(30);
    editLabel_->setBuddy(edit_);

    auto *buttons = AddDialogButtons(this, kHelpContext);
    for (QAbstractButton *button : buttons->buttons())
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            ok_ = qobject_cast<QPushButton *>(button);

    auto *layout = new QGridLayout(this);
    layout->addWidget(clubLabel, 0, 0);
    layout->addWidget(clubs_, 1, 0, 3, 1);
    layout->addWidget(folderLabel, 0, 1);
    layout->addLayout(pathRow, 1, 1);
    layout->addWidget(tree_, 2, 1);
    layout->addWidget(infoFolder_, 3, 1);
    layout->addWidget(editLabel_, 4, 0, 1, 2);
    layout->addWidget(edit_, 5, 0, 1, 2);
    layout->addWidget(buttons, 6, 0, 1, 2);
    layout->setRowStretch(2, 1);
    resize(560, 420);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (model_->filePath(current) != folder_)
                    FolderChanged(model_->filePath(current));
            });
    connect(drives_, &QComboBox::activated, this,
            [this](int i) { SetFolder(drives_->itemData(i).toString()); });
    connect(clubs_, &QListWidget::currentRowChanged, this, [this] { ClubClicked(); });
    connect(infoFolder_, &QCheckBox::toggled, this, [this] { CheckBoxClicked(); });
    // The tree fills as folders are read: the chosen folder is opened and
    // shown again once the folders above it have been read.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (folder_.startsWith(loaded))
            ShowFolderInTree();
    });

    SetFolder(startFolder.isEmpty() ? QDir::homePath() : startFolder);
}

// Enter in the path goes to that folder; it does not choose "&Ok".
bool TOud_laden::eventFilter(QObject *watched, QEvent *event) {
    if (watched == path_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GoToTypedPath();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOud_laden::GoToTypedPath() {
    const QString typed = QDir::fromNativeSeparators(path_->text().trimmed());
    if (typed.isEmpty() || !QFileInfo(typed).isDir()) {
        QApplication::beep();
        return;
    }
    SetFolder(typed);
}

void TOud_laden::SetFolder(const QString &folder) {
    const QString path = QDir(folder).absolutePath();
    if (folder_ != path)
        FolderChanged(path);
    ShowFolderInTree();
}

void TOud_laden::ShowFolderInTree() {
    const QModelIndex index = model_->index(folder_);
    if (!index.isValid())
        return;
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        tree_->expand(above);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

// A new folder: its information file, when it has one, fills the club list.
void TOud_laden::FolderChanged(const QString &folder) {
    folder_ = folder;
    path_->setText(QDir::toNativeSeparators(folder));
    clubs_->clear();
    edit_->clear();
    info_.reset();
    try {
        info_ = ReadDosInfo(NativePath(folder));
    } catch (const IoError &) {
        info_.reset(); // unreadable: as if there were none
    }
    if (info_)
        for (const DosDataSet &set : info_->Sets)
            clubs_->addItem(FromModelText(set.ClubName));
    UpdateEnabling();
}

void TOud_laden::ClubClicked() {
    const int row = clubs_->currentRow();
    if (info_ && row >= 0 && row < static_cast<int>(info_->Sets.size()))
        edit_->setText(FromModelText(info_->Sets[static_cast<std::size_t>(row)].Folder));
    UpdateEnabling();
}

void TOud_laden::CheckBoxClicked() {
    UpdateEnabling();
}

// The typed folder counts only while the box is unticked and a club is
// chosen; "&Ok" needs a club.
void TOud_laden::UpdateEnabling() {
    const bool club = clubs_->currentRow() >= 0;
    const bool typed = club && !infoFolder_->isChecked();
    edit_->setEnabled(typed);
    editLabel_->setEnabled(typed);
    ok_->setEnabled(club);
}

DosImportChoice TOud_laden::Choice() const {
    DosImportChoice choice;
    choice.InfoFolder = NativePath(folder_);
    choice.Set = clubs_->currentRow() + 1;
    choice.ClassesInInfoFolder = infoFolder_->isChecked();
    choice.TypedFolder = ToModelText(edit_->text());
    return choice;
}

QString DosImportStartFolder(const SettingsStore &store) {
    const QString last = QString::fromStdString(ReadSettingString(store, kSettingDosFolder));
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

void RememberDosImportFolder(SettingsStore &store, const QString &folder) {
    store.WriteString(kSettingDosFolder, folder.toStdString());
}

} // namespace rondaxa
