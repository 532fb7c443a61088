#include "ui/app/Kopie.h"

#include "core/model/clipboard_record.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

// A format by its name: on Windows the registered clipboard format of that
// name, elsewhere a private type with the name in it.
QString NamedFormat(const char *name) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

} // namespace

QString RiderRecordMimeType() {
    return NamedFormat(kRiderRecordFormat);
}

QString StorageMethodMimeType() {
    return NamedFormat(kStorageMethodFormat);
}

bool ClipboardHasRider() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasFormat(RiderRecordMimeType());
}

Bytes ClipboardRiderRecord() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(RiderRecordMimeType()))
        return {};
    const QByteArray bytes = data->data(RiderRecordMimeType());
    return Bytes(bytes.begin(), bytes.end());
}

std::optional<StorageMethod> ClipboardRiderStorage() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(StorageMethodMimeType()))
        return std::nullopt;
    return ReadStorageMethodTag(data->data(StorageMethodMimeType()).toStdString());
}

void PutRiderRecordOnClipboard(const Bytes &record, StorageMethod storage) {
    auto *data = new QMimeData;
    data->setData(RiderRecordMimeType(), QByteArray(reinterpret_cast<const char *>(record.data()),
                                                    static_cast<qsizetype>(record.size())));
    data->setData(StorageMethodMimeType(), QByteArray::fromStdString(StorageMethodTag(storage)));
    QApplication::clipboard()->setMimeData(data);
}

TKopie::TKopie(const TKlasse &klasse, const ClubRec &club, int row, QWidget *parent)
    : QDialog(parent), klasse_(klasse), club_(club), row_(row) {
    setObjectName(QStringLiteral("TKopie"));
    setWindowTitle(QStringLiteral("Rijdergegevens kopiëren"));
    SetHelpContext(this, kHelpContext);

    auto *from = new QGroupBox(QStringLiteral("Kopieer gegevens van :"), this);
    const TRijder *rider = klasse.Rider(row);
    rider_ = new QLabel(
        QStringLiteral("(%1) %2").arg(row).arg(rider ? FromModelText(rider->Name.str()) : QString()), from);
    rider_->setObjectName(QStringLiteral("Label1"));
    (new QVBoxLayout(from))->addWidget(rider_);

    auto *kind = new QGroupBox(QStringLiteral("Kopieer als:"), this);
    asRecord_ = new QRadioButton(QStringLiteral("&KZB gegevens"), kind);
    asText_ = new QRadioButton(QStringLiteral("&Tekst"), kind);
    asRecord_->setChecked(true);
    auto *kindLayout = new QVBoxLayout(kind);
    kindLayout->addWidget(asRecord_);
    kindLayout->addWidget(asText_);

    results_ = new QCheckBox(QStringLiteral("&Inclusief uitslagen"), this);
    results_->setObjectName(QStringLiteral("CheckBox1"));
    wholeClass_ = new QCheckBox(QStringLiteral("&Kopieer klasse"), this);
    wholeClass_->setObjectName(QStringLiteral("CheckBox2"));
    wholeClass_->setEnabled(false);

    auto *buttons = AddDialogButtons(this, kHelpContext, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        CopyToClipboard();
        accept();
    });
    connect(asRecord_, &QRadioButton::toggled, this, &TKopie::KindChanged);
    connect(wholeClass_, &QCheckBox::toggled, rider_, &QLabel::setDisabled);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(from);
    layout->addWidget(kind);
    layout->addWidget(results_);
    layout->addWidget(wholeClass_);
    layout->addWidget(buttons);
}

void TKopie::KindChanged() {
    if (asText_->isChecked()) {
        results_->setChecked(true);
        wholeClass_->setEnabled(true);
    } else {
        results_->setChecked(false);
        wholeClass_->setChecked(false);
        wholeClass_->setEnabled(false);
    }
}

void TKopie::CopyToClipboard() {
    if (asRecord_->isChecked())
        CopyAsRecord();
    else
        CopyAsText();
}

void TKopie::CopyAsRecord() {
    if (const TRijder *rider = klasse_.Rider(row_))
        PutRiderRecordOnClipboard(MakeRiderRecord(*rider, results_->isChecked()), StorageOf(club_));
}

void TKopie::CopyAsText() {
    QApplication::clipboard()->setText(
        FromModelText(RiderCopyText(klasse_, club_, row_, results_->isChecked(), wholeClass_->isChecked())));
}

bool CopyRiderCommand(const TKlasse &klasse, const ClubRec &club, int row, QWidget *parent) {
    const TRijder *rider = klasse.Rider(row);
    if (!rider || IsEmptyRider(*rider))
        return false;
    TKopie dialog(klasse, club, row, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rondaxa
