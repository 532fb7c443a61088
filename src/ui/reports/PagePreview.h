// The print preview: a print job laid out once, its pages drawn one at a
// time when shown, so that even the largest job opens at once.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace rondaxa {

class RecordedPages;

class PagePreview : public QDialog {
    Q_OBJECT
public:
    // The dialog is accepted when the user asks to print what it shows.
    PagePreview(const RecordedPages &pages, QPrinter &printer, QWidget *parent = nullptr);

    int CurrentPage() const { return current_; } // 0-based
    int PageCount() const;
    int ZoomPercent() const { return zoom_; }
    void ShowPage(int index);
    void Zoom(int steps); // up or down the zoom steps, from where it stands

    QLabel *PageLabel() const { return pageLabel_; }
    QLabel *PageView() const { return page_; }
    QPushButton *PrintButton() const { return print_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage DrawPage(int index) const;
    void ShowCurrent();

    const RecordedPages &pages_;
    QPrinter &printer_;
    int current_ = 0;
    int zoom_ = 100; // percent of the paper's real size on the screen
    QScrollArea *scroll_;
    QLabel *page_;
    QLabel *pageLabel_;
    QPushButton *previous_, *next_, *zoomIn_, *zoomOut_, *print_, *close_;
};

} // namespace rondaxa
