// "Wijzig locatie": choosing a folder with a drive list and a folder tree.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace rondaxa {

class TChangeLoc : public QDialog {
    Q_OBJECT
public:
    // The tree starts at path when that is an existing folder.
    explicit TChangeLoc(const QString &path, QWidget *parent = nullptr);

    QString SelectedFolder() const;

private:
    void ShowDrive(int index);
    void SelectFolder(const QString &folder);
    void FolderChanged();

    QComboBox *drives_;
    QTreeView *tree_;
    QFileSystemModel *model_;
    QLabel *current_;
    bool followStart_ = true;
};

// The folder chooser: the chosen folder on "&Ok", path unchanged on
// "&Annuleren". The process's current folder is never changed.
QString ChooseFolder(const QString &path, QWidget *parent = nullptr);

} // namespace rondaxa
