#include "ui/app/ChangeLoc.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace rondaxa {

TChangeLoc::TChangeLoc(const QString &path, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TChangeLoc"));
    setWindowTitle(QStringLiteral("Wijzig locatie"));

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drives"));
    for (const QFileInfo &drive : QDir::drives())
        drives_->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("FolderTree"));
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);

    auto *caption = new QLabel(QStringLiteral("Huidig directory:"), this);
    current_ = new QLabel(this);
    current_->setObjectName(QStringLiteral("CurrentFolder"));
    current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *driveLabel = new QLabel(QStringLiteral("&Station:"), this);
    driveLabel->setBuddy(drives_);

    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Annuleren"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(current_);
    layout->addWidget(tree_, 1);
    layout->addWidget(driveLabel);
    layout->addWidget(drives_);
    layout->addLayout(buttons);
    resize(380, 420);

    // The model reads and sorts folders in the background: keep the starting
    // folder in view until the user takes over.
    const auto keepStartInView = [this] {
        if (followStart_)
            tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, keepStartInView);
    connect(model_, &QAbstractItemModel::layoutChanged, this, keepStartInView);
    connect(tree_, &QTreeView::pressed, this, [this] { followStart_ = false; });
    connect(drives_, &QComboBox::activated, this, &TChangeLoc::ShowDrive);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TChangeLoc::FolderChanged);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QFileInfo start(path);
    SelectFolder(!path.isEmpty() && start.isDir() ? start.absoluteFilePath() : QDir::currentPath());
}

void TChangeLoc::SelectFolder(const QString &folder) {
    const QModelIndex index = model_->index(folder);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        tree_->expand(parent);
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    FolderChanged();
}

void TChangeLoc::ShowDrive(int index) {
    SelectFolder(drives_->itemData(index).toString());
}

void TChangeLoc::FolderChanged() {
    const QString folder = SelectedFolder();
    current_->setText(QDir::toNativeSeparators(folder));
    // The drive list follows the tree.
    for (int i = 0; i < drives_->count(); ++i) {
        const QString drive = drives_->itemData(i).toString();
        if (folder.startsWith(drive, Qt::CaseInsensitive))
            drives_->setCurrentIndex(i);
    }
}

QString TChangeLoc::SelectedFolder() const {
    return model_->filePath(tree_->currentIndex());
}

QString ChooseFolder(const QString &path, QWidget *parent) {
    TChangeLoc dialog(path, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedFolder().isEmpty())
        return path;
    return QDir::toNativeSeparators(dialog.SelectedFolder());
}

} // namespace rondaxa
