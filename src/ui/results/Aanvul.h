// "Klasse uit bestand toevoegen": the classes of another competition file,
// of which the checked ones are added to the open competition.
#pragma once

#include "core/platform/platform.h"
#include "core/results/add_classes.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;

namespace rondaxa {

class TAanvul : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 140;

    // list: the scan of fileName.
    TAanvul(const ClassList &list, const QString &fileName, QWidget *parent = nullptr);

    // Per class of the other file, in file order: checked or not.
    std::vector<bool> Checked() const;
    QListWidget *CheckListBox1() const { return classes_; }
    QPushButton *OkButton() const { return ok_; }

private:
    void CheckListBox1Click();

    QListWidget *classes_ = nullptr;
    QPushButton *ok_ = nullptr;
};

// The command after the open dialog: the scan (messages 80, 99 and 2 end it),
// the dialog, then the checked classes added. True when the competition
// took classes in.
bool RunAddClasses(Competition &comp, Prompts &prompts, const QString &fileName, QWidget *parent);

} // namespace rondaxa
