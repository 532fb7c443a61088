// "Rijdergegevens": the always-on-top window that shows every field of the
// grid's current rider and stores edits back into it.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "ui/app/MainFormHooks.h"

#include <QStyle>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace rondaxa {

// What the window needs from the main window and its grid.
class RiderDetailsHost {
public:
    virtual ~RiderDetailsHost() = default;
    virtual Competition &Comp() = 0;
    virtual Prompts &GetPrompts() = 0;
    // The grid's current row, and moving it (the window follows through
    // ShowRider, called by the grid when its selection changes).
    virtual int CurrentRow() const = 0;
    virtual void GoToRow(int row) = 0;
    // The rider's texts changed / rows came or went.
    virtual void RedrawGrid() = 0;
    virtual void ReloadGrid() = 0;
    virtual void WidenColumnFor(int kind, int row) = 0;
    // True when no other row has this name (1) or start number (2);
    // otherwise shows message 250 or 251.
    virtual bool CheckDuplicate(std::string_view text, int kind, int exceptRow) = 0;
    virtual void FocusGrid() = 0;
    // Runs a change of the shown rider's data as one step of the competition
    // (one undo step), announced when it is done.
    virtual void StoreChange(int row, const std::function<void()> &change) {
        (void)row;
        change();
    }
    // Runs a change of the class's rows (a rider added or deleted) as one step.
    virtual void ChangeRows(const QString &name, const std::function<void()> &change) {
        (void)name;
        change();
    }
};

class TRijderData : public QWidget, public RiderDetailsWindow {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 210;

    explicit TRijderData(RiderDetailsHost &host, QWidget *parent = nullptr);
    // The window keeps the host it is given.
    TRijderData(std::unique_ptr<RiderDetailsHost> host, QWidget *parent);

    // What the main window asks of it.
    bool IsOpen() const override { return isVisible(); }
    void CloseWindow() override { close(); }
    void ShowRow(int row) override { ShowRider(row); }
    void StorePending() override { StoreRiderEdits(); }
    void TakeFocus() override;

    // Shows the current row with the extra-field captions of the club.
    void OpenRiderDetails();
    // Fills the fields from the rider of that row of the active class.
    void ShowRider(int row);
    // Stores the modified fields into the rider of the current row. Returns
    // false when a duplicate start number was refused.
    bool StoreRiderEdits();

    // The buttons.
    void SBeersteClick();
    void SBvorigeClick();
    void SBnextClick();
    void SBlastClick();
    void SBnewClick();
    void SBdeleteClick();
    void SBzichtbaarClick(bool on);
    bool AlwaysOnTop() const;
    // The main window the window belongs to, also while it is not kept on
    // top of it.
    QWidget *Owner() const { return owner_; }

    QLineEdit *Edit(int i) const; // 1 name, 2 start number, 3..5 extra fields
    QLabel *ExtraCaption(int i) const;
    QCheckBox *HorsConcoursBox() const { return checkBox1_; }
    QToolButton *Button(const char *name) const;
    int ShownRow() const { return row_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QToolButton *AddButton(const char *name, const QString &hint, QStyle::StandardPixmap icon);
    bool Navigate(int row);
    bool StoreFields(Competition &comp, TRijder &rider, int row);
    void ReturnToField(QLineEdit *edit);
    int LastRow() const;
    TKlasse *Klasse() const;

    std::unique_ptr<RiderDetailsHost> ownedHost_;
    RiderDetailsHost &host_;
    QWidget *owner_;
    QLineEdit *edits_[5] = {};
    QLabel *extraCaptions_[3] = {};
    QCheckBox *checkBox1_;
    int row_ = 0;
    bool storing_ = false;
};

} // namespace rondaxa
