// The list of start numbers of "Snel uitslagen toevoegen". Text pasted or
// dropped into it is read as a text file is read: a leading byte-order mark
// is skipped, UTF-16 with its mark is read as UTF-16 and text that is not
// UTF-8 as Windows-1252, so that no stray character becomes a start number.
// A file pasted or dropped onto it gives its contents, not its name.
#pragma once

#include "core/platform/platform.h"

#include <QPlainTextEdit>

namespace rondaxa {

class OrderListEdit : public QPlainTextEdit {
public:
    explicit OrderListEdit(Prompts &prompts, QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // The contents of the files, or an empty string after a message.
    QString FilesText(const QStringList &paths);

    Prompts &prompts_;
};

} // namespace rondaxa
