#include "ui/app/Weergave.h"

#include "ui/app/ClassGridModel.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

// A stored colour as shown on a panel; "no colour" shows the window colour.
QColor ShownColour(uint32_t value, const QPalette &palette) {
    const QColor colour = PlatformColour(value, palette);
    return colour.isValid() ? colour : palette.color(QPalette::Base);
}

uint32_t StoredColour(const QColor &colour) {
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
           (static_cast<uint32_t>(colour.blue()) << 16);
}

} // namespace

QFont QFontFor(const GridFont &font, const QFont &fallback) {
    QFont result = fallback;
    if (!font.Name.empty())
        result.setFamily(FromModelText(font.Name));
    if (font.Size > 0)
        result.setPointSize(font.Size);
    result.setBold(font.Style & 1);
    result.setItalic(font.Style & 2);
    result.setUnderline(font.Style & 4);
    result.setStrikeOut(font.Style & 8);
    return result;
}

GridFont GridFontFor(const QFont &font) {
    GridFont result;
    result.Name = ToModelText(font.family());
    result.Size = font.pointSize() > 0 ? font.pointSize() : 10;
    result.Style = static_cast<uint8_t>((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) |
                                        (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0));
    return result;
}

Tweergave::Tweergave(Competition &comp, const QFont &gridFont, QWidget *parent)
    : QDialog(parent), comp_(comp), start_(CurrentDisplayChoices(comp.Club)),
      font_(gridFont), colours_{start_.InfoColor1, start_.InfoColor2, start_.MarkColor} {
    setObjectName(QStringLiteral("Tweergave"));
    setWindowTitle(QStringLiteral("Rondaxa - weergave"));
    SetHelpContext(this, kHelpButton);
    ChooseFont = [this](const QFont &current) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, this);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    };
    ChooseColour = [this](const QColor &current) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(current, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };

    pages_ = new QTabWidget(this);
    pages_->addTab(BuildGeneralPage(), QStringLiteral("Alge&meen"));
    pages_->addTab(BuildRiderPage(), QStringLiteral("&Rijdergegevens"));

    auto *buttons = AddDialogButtons(this, kHelpButton, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    BindControls();
    fields_.Load(start_);
    MarkBoxChanged();
}

// Each control with the choice it shows; a new choice is one line here.
void Tweergave::BindControls() {
    fields_.Check(Box("SwapNames"), &DisplayChoices::SwapNames)
        .Check(Box("HideZero"), &DisplayChoices::HideZero)
        .Check(Box("FixedColumns"), &DisplayChoices::FixedColumns)
        .Check(Box("ShowYear"), &DisplayChoices::ShowYear)
        .Check(Box("MarkDropped"), &DisplayChoices::MarkDropped)
        .Check(Box("MarkColour"), &DisplayChoices::MarkColour)
        .Check(Box("StrikeDropped"), &DisplayChoices::StrikeDropped)
        .Check(Box("UseInfoColours"), &DisplayChoices::UseInfoColours)
        .Choice({asFinish_, asPoints_}, &DisplayChoices::ShowAsPoints)
        .Check(
            Box("Extra1"), [](auto &c) -> auto & { return c.ShowExtra[0]; })
        .Check(
            Box("Extra2"), [](auto &c) -> auto & { return c.ShowExtra[1]; })
        .Check(
            Box("Extra3"), [](auto &c) -> auto & { return c.ShowExtra[2]; })
        .Choice(order_->buttons(), &DisplayChoices::StartNoFirst)
        .Choice(status_->buttons(), &DisplayChoices::StatusField);
}

QCheckBox *Tweergave::AddBox(QWidget *parent, const char *name, const QString &caption) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QCheckBox *Tweergave::Box(const char *name) const {
    return findChild<QCheckBox *>(QLatin1String(name));
}

QWidget *Tweergave::BuildGeneralPage() {
    auto *page = new QWidget;
    SetHelpContext(page, kHelpGeneral);
    auto *swap = AddBox(page, "SwapNames", QStringLiteral("&Wissel naam"));
    auto *zero = AddBox(page, "HideZero", QStringLiteral("&Uitslag met nul punten niet tonen"));
    auto *fixed = AddBox(page, "FixedColumns", QStringLiteral("&Veld Naam en Startnummer \"vast\""));
    auto *year = AddBox(page, "ShowYear", QStringLiteral("&Jaartal bij uitslag informatie"));
    auto *mark = AddBox(page, "MarkDropped", QStringLiteral("&Toon geschrapte uitslagen met:"));
    auto *colour = AddBox(page, "MarkColour", QStringLiteral("Kleur"));
    auto *strike = AddBox(page, "StrikeDropped", QStringLiteral("Doorstrepen"));
    auto *info = AddBox(page, "UseInfoColours", QStringLiteral("&Gebruik uitslag informatie kleuren"));
    connect(mark, &QCheckBox::toggled, this, &Tweergave::MarkBoxChanged);
    connect(colour, &QCheckBox::clicked, this, &Tweergave::ColourBoxClicked);
    connect(strike, &QCheckBox::clicked, this, &Tweergave::StrikeBoxClicked);

    auto *showAs = new QGroupBox(QStringLiteral("Uitslag tonen als"), page);
    asPoints_ = new QRadioButton(QStringLiteral("&Punten"), showAs);
    asFinish_ = new QRadioButton(QStringLiteral("&Finish volgorde"), showAs);
    showAs->setEnabled((comp_.Club.Options & OptStoreFinishOrder) != 0);
    auto *showAsLayout = new QVBoxLayout(showAs);
    showAsLayout->addWidget(asPoints_);
    showAsLayout->addWidget(asFinish_);

    auto *fontGroup = new QGroupBox(QStringLiteral("Lettertype en grootte"), page);
    fontButton_ = new QPushButton(QStringLiteral("&Lettertype"), fontGroup);
    (new QVBoxLayout(fontGroup))->addWidget(fontButton_);
    connect(fontButton_, &QPushButton::clicked, this, &Tweergave::FontButtonClick);

    auto *infoGroup = new QGroupBox(QStringLiteral("Uitslag informatie"), page);
    auto *infoLayout = new QGridLayout(infoGroup);
    auto *dropGroup = new QGroupBox(QStringLiteral("Geschrapte uitslag"), page);
    auto *dropLayout = new QGridLayout(dropGroup);
    const QString captions[3] = {QStringLiteral("Eerste kolom kleur"), QStringLiteral("Tweede kolom kleur"),
                                 QStringLiteral("Kleur")};
    for (int i = 0; i < 3; ++i) {
        QWidget *group = i < 2 ? infoGroup : dropGroup;
        QGridLayout *grid = i < 2 ? infoLayout : dropLayout;
        panels_[i] = new QPushButton(group);
        panels_[i]->setObjectName(QStringLiteral("ColourPanel%1").arg(i + 1));
        panels_[i]->setFixedSize(40, 22);
        panels_[i]->setFlat(true);
        panels_[i]->setAutoFillBackground(true);
        grid->addWidget(panels_[i], i < 2 ? i : 0, 0);
        grid->addWidget(new QLabel(captions[i], group), i < 2 ? i : 0, 1);
        ShowPanelColour(i);
        connect(panels_[i], &QPushButton::clicked, this, [this, i] { ColourPanelClick(i); });
    }

    auto *left = new QVBoxLayout;
    for (QWidget *w :
         {static_cast<QWidget *>(swap), static_cast<QWidget *>(zero), static_cast<QWidget *>(fixed),
          static_cast<QWidget *>(year), static_cast<QWidget *>(mark)})
        left->addWidget(w);
    auto *marks = new QHBoxLayout;
    marks->addSpacing(20);
    marks->addWidget(colour);
    marks->addWidget(strike);
    marks->addStretch();
    left->addLayout(marks);
    left->addWidget(info);
    left->addWidget(showAs);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(fontGroup);
    right->addWidget(infoGroup);
    right->addWidget(dropGroup);
    right->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    return page;
}

QWidget *Tweergave::BuildRiderPage() {
    auto *page = new QWidget;
    SetHelpContext(page, kHelpRiderFields);
    const ClubRec &club = comp_.Club;

    auto *fields = new QGroupBox(QStringLiteral("Toon gegevens in lijst:"), page);
    auto *fieldsLayout = new QVBoxLayout(fields);
    const std::string labels[3] = {club.ExtraLabel1.str(), club.ExtraLabel2.str(), club.ExtraLabel3.str()};
    const char *names[3] = {"Extra1", "Extra2", "Extra3"};
    for (int i = 0; i < 3; ++i) {
        const QString caption =
            QStringLiteral("&%1 - %2").arg(i + 1).arg(CaptionText(labels[i].substr(0, 20)));
        fieldsLayout->addWidget(AddBox(fields, names[i], caption));
    }

    auto *orderBox = new QGroupBox(page);
    auto *orderLayout = new QVBoxLayout(orderBox);
    order_ = new QButtonGroup(this);
    const QString orders[2] = {QStringLiteral("Naam rij&der / startnummer"),
                               QStringLiteral("&Startnummer / naam rijder")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(orders[i], orderBox);
        order_->addButton(button, i);
        orderLayout->addWidget(button);
    }

    auto *statusBox = new QGroupBox(QStringLiteral("Gegevens op statusregel:"), page);
    auto *statusLayout = new QVBoxLayout(statusBox);
    status_ = new QButtonGroup(this);
    const QString statuses[6] = {
        QStringLiteral("Geen gegevens &tonen"), QStringLiteral("&Naam van de rijder"),
        QStringLiteral("Het startn&ummer"),     QStringLiteral("&Extra veld 1"),
        QStringLiteral("E&xtra veld 2"),        QStringLiteral("Extra &veld 3")};
    for (int i = 0; i < 6; ++i) {
        auto *button = new QRadioButton(statuses[i], statusBox);
        status_->addButton(button, i);
        statusLayout->addWidget(button);
    }

    auto *left = new QVBoxLayout;
    left->addWidget(fields);
    left->addWidget(orderBox);
    left->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addWidget(statusBox, 1, Qt::AlignTop);
    return page;
}

void Tweergave::ShowPanelColour(int i) {
    QPalette palette = panels_[i]->palette();
    palette.setColor(QPalette::Button, ShownColour(colours_[i], this->palette()));
    panels_[i]->setPalette(palette);
    panels_[i]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                  .arg(ShownColour(colours_[i], this->palette()).name()));
}

void Tweergave::MarkBoxChanged() {
    const bool on = Box("MarkDropped")->isChecked();
    Box("MarkColour")->setEnabled(on);
    Box("StrikeDropped")->setEnabled(on);
}

// At least one way of marking a dropped result stays chosen.
void Tweergave::ColourBoxClicked() {
    if (!Box("MarkColour")->isChecked() && !Box("StrikeDropped")->isChecked())
        Box("StrikeDropped")->setChecked(true);
}

void Tweergave::StrikeBoxClicked() {
    if (!Box("StrikeDropped")->isChecked() && !Box("MarkColour")->isChecked())
        Box("MarkColour")->setChecked(true);
}

void Tweergave::FontButtonClick() {
    const std::optional<QFont> chosen = ChooseFont(font_);
    if (!chosen)
        return;
    font_ = *chosen;
    ApplyGridFont(comp_, GridFontFor(font_));
    changed_ = true;
}

void Tweergave::ColourPanelClick(int i) {
    const std::optional<QColor> chosen = ChooseColour(ShownColour(colours_[i], palette()));
    if (!chosen)
        return;
    colours_[i] = StoredColour(*chosen);
    ShowPanelColour(i);
    changed_ = true;
}

DisplayChoices Tweergave::Choices() const {
    DisplayChoices c = start_;
    fields_.Store(c);
    c.InfoColor1 = colours_[0];
    c.InfoColor2 = colours_[1];
    c.MarkColor = colours_[2];
    return c;
}

bool Tweergave::Apply() {
    if (ApplyDisplayChoices(comp_, Choices()))
        changed_ = true;
    return changed_;
}

} // namespace rondaxa
