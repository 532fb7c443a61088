// "Open DOS versie KZB bestanden": the folder of an old DOS installation, the
// club (data set) to import and where its class files are.
#pragma once

#include "core/model/dos_import.h"
#include "core/model/settings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;

namespace rondaxa {

class TOud_laden : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 130;

    explicit TOud_laden(const QString &startFolder, QWidget *parent = nullptr);

    // The folder of the tree; choosing another one reads its information file.
    QString Folder() const { return folder_; }
    void SetFolder(const QString &folder);
    // The chosen club, folder and check box as the import needs them.
    DosImportChoice Choice() const;

    QListWidget *ClubList() const { return clubs_; }
    QCheckBox *InfoFolderBox() const { return infoFolder_; }
    QLineEdit *FolderEdit() const { return edit_; }
    // The folder as a path to type or paste; Enter goes there.
    QLineEdit *PathEdit() const { return path_; }
    QTreeView *FolderTree() const { return tree_; }
    QPushButton *OkButton() const { return ok_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FolderChanged(const QString &folder);
    void GoToTypedPath();
    void ShowFolderInTree();
    void ClubClicked();
    void CheckBoxClicked();
    void UpdateEnabling();

    QFileSystemModel *model_ = nullptr;
    QComboBox *drives_ = nullptr;
    QTreeView *tree_ = nullptr;
    QListWidget *clubs_ = nullptr;
    QCheckBox *infoFolder_ = nullptr;
    QLabel *editLabel_ = nullptr;
    QLineEdit *edit_ = nullptr;
    QLineEdit *path_ = nullptr;
    QPushButton *ok_ = nullptr;
    QString folder_;
    std::optional<DosInfo> info_;
};

// Where the dialog starts: the folder last imported from, else the home
// folder (not the folder the program happened to be started in).
QString DosImportStartFolder(const SettingsStore &store);
// Remembers the folder for the next import.
void RememberDosImportFolder(SettingsStore &store, const QString &folder);

} // namespace rondaxa
