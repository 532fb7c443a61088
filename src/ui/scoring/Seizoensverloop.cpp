#include "ui/scoring/Seizoensverloop.h"

#include "core/reports/season_chart.h"
#include "core/reports/season_site.h"
#include "ui/platform/ModelText.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

// A PNG twice the picture's own size, on white.
QByteArray RenderPng(const std::string &svg) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    QImage image(renderer.defaultSize() * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

// The picture at the largest size that keeps its proportions, on white.
class ChartView : public QWidget {
public:
    explicit ChartView(QWidget *parent) : QWidget(parent) {
        setMinimumSize(570, 330);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void Load(const std::string &svg) {
        renderer_.load(QByteArray::fromStdString(svg));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QSize size = renderer_.defaultSize().scaled(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        renderer_.render(&painter, QRectF(target));
    }

private:
    QSvgRenderer renderer_;
};

namespace {

QString DefaultChooseChartFile(QWidget *parent, const QString &className) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Opslaan als"),
                                        QStringLiteral("Seizoensverloop %1.svg").arg(className),
                                        QStringLiteral("SVG-afbeelding (*.svg);;PNG-afbeelding (*.png)"));
}

} // namespace

std::function<QString(QWidget *parent, const QString &className)> TSeizoensverloop::ChooseChartFile =
    DefaultChooseChartFile;

TSeizoensverloop::TSeizoensverloop(const Competition &comp, int classIndex, Prompts &prompts, QWidget *parent)
    : QDialog(parent), calculated_(CalculatedCopy(comp, classIndex)), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Seizoensverloop - ") + FromModelText(calculated_->Active()->Name));

    auto *label = new QLabel(QStringLiteral("&Aantal rijders:"), this);
    top_ = new QSpinBox(this);
    top_->setRange(1, kMaxChartTop);
    top_->setValue(kDefaultChartTop);
    label->setBuddy(top_);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(top_);
    row->addStretch();

    view_ = new ChartView(this);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(QStringLiteral("&Opslaan als..."), QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QStringLiteral("&Sluiten"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TSeizoensverloop::SaveAsClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(top_, &QSpinBox::valueChanged, this, &TSeizoensverloop::ShowChart);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(800, 560);
    ShowChart();
}

TSeizoensverloop::~TSeizoensverloop() = default;

void TSeizoensverloop::ShowChart() {
    chart_ = SeasonChartOf(calculated_->Club, *calculated_->Active(), top_->value());
    svg_ = SeasonChartSvg(chart_);
    view_->Load(svg_);
}

bool TSeizoensverloop::SaveChart(const QString &path) {
    const bool png = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const std::string bytes = png ? RenderPng(svg_).toStdString() : SeasonChartSvgFile(chart_);
    const QFileInfo file(path);
    try {
        WriteSite(file.absolutePath().toStdString(), {SitePage{file.fileName().toStdString(), bytes}});
    } catch (const IoError &error) {
        prompts_.Message(error.what(), MessageIcon::Error);
        return false;
    }
    return true;
}

void TSeizoensverloop::SaveAsClick() {
    const QString path = ChooseChartFile(this, FromModelText(calculated_->Active()->Name));
    if (!path.isEmpty())
        SaveChart(path);
}

} // namespace rondaxa
