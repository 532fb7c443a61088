#include "ui/reports/PagePreview.h"

#include "core/reports/recorded_pages.h"
#include "print/QtPrintDevice.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace rondaxa {

namespace {

constexpr std::array kZoomSteps{25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};
constexpr double kInchesPerMetre = 1 / 0.0254;

QPushButton *AddButton(QHBoxLayout *bar, const QString &caption) {
    auto *button = new QPushButton(caption);
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}

} // namespace

PagePreview::PagePreview(const RecordedPages &pages, QPrinter &printer, QWidget *parent)
    : QDialog(parent), pages_(pages), printer_(printer) {
    setObjectName(QStringLiteral("PagePreview"));
    setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));

    auto *bar = new QHBoxLayout;
    previous_ = AddButton(bar, QStringLiteral("&Vorige"));
    next_ = AddButton(bar, QStringLiteral("V&olgende"));
    pageLabel_ = new QLabel;
    bar->addWidget(pageLabel_);
    bar->addSpacing(16);
    zoomOut_ = AddButton(bar, QStringLiteral("&Uitzoomen"));
    zoomIn_ = AddButton(bar, QStringLiteral("In&zoomen"));
    bar->addStretch();
    print_ = AddButton(bar, QStringLiteral("&Afdrukken"));
    close_ = AddButton(bar, QStringLiteral("&Sluiten"));

    page_ = new QLabel;
    page_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea;
    scroll_->setWidget(page_);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    // The page keys turn pages (see keyPressEvent), wherever the focus is.
    scroll_->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_);

    connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowPage(current_ + 1); });
    connect(zoomIn_, &QPushButton::clicked, this, [this] { Zoom(1); });
    connect(zoomOut_, &QPushButton::clicked, this, [this] { Zoom(-1); });
    connect(print_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    ShowCurrent();
    resize(900, 800);
}

int PagePreview::PageCount() const {
    return pages_.PageCount();
}

void PagePreview::ShowPage(int index) {
    index = std::clamp(index, 0, std::max(PageCount() - 1, 0));
    if (index == current_)
        return;
    current_ = index;
    ShowCurrent();
    scroll_->verticalScrollBar()->setValue(0);
}

void PagePreview::Zoom(int steps) {
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    const auto index = std::clamp<std::ptrdiff_t>((at - kZoomSteps.begin()) + steps, 0,
                                                  static_cast<std::ptrdiff_t>(kZoomSteps.size()) - 1);
    zoom_ = kZoomSteps[static_cast<std::size_t>(index)];
    ShowCurrent();
}

// The page keys turn pages wherever the focus is; Escape closes, as in
// every dialog.
void PagePreview::keyPressEvent(QKeyEvent *event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageUp:
        ShowPage(current_ - 1);
        return;
    case Qt::Key_PageDown:
        ShowPage(current_ + 1);
        return;
    case Qt::Key_Home:
        ShowPage(0);
        return;
    case Qt::Key_End:
        ShowPage(PageCount() - 1);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (control) {
            Zoom(1);
            return;
        }
        break;
    case Qt::Key_Minus:
        if (control) {
            Zoom(-1);
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void PagePreview::ShowCurrent() {
    const int count = PageCount();
    pageLabel_->setText(QStringLiteral("Pagina %1 van %2").arg(count > 0 ? current_ + 1 : 0).arg(count));
    previous_->setEnabled(current_ > 0);
    next_->setEnabled(current_ + 1 < count);
    zoomOut_->setEnabled(zoom_ > kZoomSteps.front());
    zoomIn_->setEnabled(zoom_ < kZoomSteps.back());
    print_->setEnabled(count > 0);
    page_->setPixmap(QPixmap::fromImage(DrawPage(current_)));
}

// The page at the chosen size on this screen. The image claims the
// printer's resolution, so that fonts take their printed size and the
// painter's scale brings everything to the screen.
QImage PagePreview::DrawPage(int index) const {
    QtPrintDevice measure(printer_);
    const PixelSize sheet = measure.PhysicalSize();
    const PixelSize offset = measure.PrintingOffset();
    const int printerDpi = measure.DpiX();
    const double scale = zoom_ / 100.0 * logicalDpiX() / printerDpi;
    const QSize size(std::max(1, qRound(sheet.Width * scale)), std::max(1, qRound(sheet.Height * scale)));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(printerDpi * kInchesPerMetre));
    image.setDotsPerMeterY(qRound(measure.DpiY() * kInchesPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(offset.Width, offset.Height);
    {
        QtPrintDevice device(printer_, painter);
        pages_.DrawPage(index, device);
    }
    return image;
}

} // namespace rondaxa
