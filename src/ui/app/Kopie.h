// "Rijdergegevens kopiëren": a rider (or a whole class as text) to the
// clipboard, and the clipboard side of pasting a rider.
#pragma once

#include "core/model/kzb_file.h"
#include "core/model/model.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace rondaxa {

// The clipboard format of a rider record. On Windows this is the registered
// clipboard format "KZB_Record", so that a second running copy (or another
// program that knows the record) reads it.
QString RiderRecordMimeType();

// The clipboard format of our own that tells the storage method of the
// competition a rider record was copied from.
QString StorageMethodMimeType();

// Whether the clipboard holds a rider record.
bool ClipboardHasRider();
// The rider record on the clipboard (empty when there is none).
Bytes ClipboardRiderRecord();
// How the rider record's results are stored; nothing when the clipboard does
// not say (a record put there by another program).
std::optional<StorageMethod> ClipboardRiderStorage();
// The record, with the storage method of the competition it comes from.
void PutRiderRecordOnClipboard(const Bytes &record, StorageMethod storage);

class TKopie : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 235;

    TKopie(const TKlasse &klasse, const ClubRec &club, int row, QWidget *parent = nullptr);

    QRadioButton *RecordButton() const { return asRecord_; }
    QRadioButton *TextButton() const { return asText_; }
    QCheckBox *ResultsBox() const { return results_; }
    QCheckBox *WholeClassBox() const { return wholeClass_; }
    QLabel *RiderLabel() const { return rider_; }

    // "&Ok": the record or the text to the clipboard.
    void CopyToClipboard();
    void CopyAsRecord();
    void CopyAsText();

private:
    void KindChanged();

    const TKlasse &klasse_;
    const ClubRec &club_;
    int row_;
    QLabel *rider_;
    QRadioButton *asRecord_;
    QRadioButton *asText_;
    QCheckBox *results_;
    QCheckBox *wholeClass_;
};

// The copy command on a row: nothing happens for a row without a rider or
// with an empty one. Returns whether something was copied.
bool CopyRiderCommand(const TKlasse &klasse, const ClubRec &club, int row, QWidget *parent);

} // namespace rondaxa
