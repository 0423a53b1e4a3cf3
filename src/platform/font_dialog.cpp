#include "font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

namespace {

struct NamedColor {
    TColor color;
    const char* name;
};

// The sixteen colours the colour box offers.
constexpr NamedColor kColors[] = {
    {clBlack, "Black"}, {clMaroon, "Maroon"}, {clGreen, "Green"}, {clOlive, "Olive"},
    {clNavy, "Navy"},   {clPurple, "Purple"}, {clTeal, "Teal"},   {clGray, "Gray"},
    {clSilver, "Silver"}, {clRed, "Red"},     {clLime, "Lime"},   {clYellow, "Yellow"},
    {clBlue, "Blue"},   {clFuchsia, "Fuchsia"}, {clAqua, "Aqua"}, {clWhite, "White"},
};

constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kMaxSize = 1638;

// Rows of the style list, in the order bold * 2 + italic.
const char* const kStyleNames[] = {"Regular", "Italic", "Bold", "Bold Italic"};

int StyleRow(TFontStyles style) { return (style & fsBold ? 2 : 0) + (style & fsItalic ? 1 : 0); }

TFontStyles StyleOfRow(int row)
{
    return static_cast<TFontStyles>((row & 2 ? fsBold : 0) | (row & 1 ? fsItalic : 0));
}

QIcon Swatch(TColor color)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(color));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// A label above the control it names, for one column of the dialog.
QWidget* Column(const QString& caption, QWidget* control, QWidget* below = nullptr)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    layout->addWidget(label);
    layout->addWidget(control);
    if (below)
        layout->addWidget(below);
    return column;
}

// A list about `characters` wide; it takes whatever more room the dialog gets.
QListWidget* List(const char* name, const QFontMetrics& metrics, int characters)
{
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumSize(metrics.averageCharWidth() * characters + scrollBar, metrics.lineSpacing() * 6);
    return list;
}

// Selects the row whose text equals `text`, ignoring case, or none.
void SelectText(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchFixedString);
    list.setCurrentItem(found.isEmpty() ? nullptr : found.first());
    if (!found.isEmpty())
        list.scrollToItem(found.first());
}

}  // namespace

FontDialog::FontDialog(const TFontDesc& initial, QWidget* parent) : QDialog(parent), initial_(initial)
{
    setWindowTitle(QStringLiteral("Font"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(CreateFaceColumn(), 0, 0);
    grid->addWidget(CreateStyleColumn(), 0, 1);
    grid->addWidget(CreateSizeColumn(), 0, 2);
    grid->addWidget(CreateEffects(), 1, 0);
    grid->addWidget(CreateSample(), 1, 1, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    ShowFont(initial);
}

QWidget* FontDialog::CreateFaceColumn()
{
    faceList_ = List("FaceList", fontMetrics(), 26);
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            faces << family;
    // A face that is not installed stays choosable, so that OK does not change it behind the user's back.
    if (!faces.contains(initial_.name, Qt::CaseInsensitive))
        faces << initial_.name;
    faces.sort(Qt::CaseInsensitive);
    faceList_->addItems(faces);
    connect(faceList_, &QListWidget::currentRowChanged, this, &FontDialog::UpdateSample);
    return Column(QStringLiteral("&Font:"), faceList_);
}

QWidget* FontDialog::CreateStyleColumn()
{
    styleList_ = List("StyleList", fontMetrics(), 14);
    for (const char* name : kStyleNames)
        styleList_->addItem(QLatin1String(name));
    connect(styleList_, &QListWidget::currentRowChanged, this, &FontDialog::UpdateSample);
    return Column(QStringLiteral("Font st&yle:"), styleList_);
}

QWidget* FontDialog::CreateSizeColumn()
{
    sizeBox_ = new QSpinBox;
    sizeBox_->setObjectName(QStringLiteral("SizeBox"));
    sizeBox_->setRange(1, kMaxSize);
    sizeList_ = List("SizeList", fontMetrics(), 6);
    for (int size : kSizes)
        sizeList_->addItem(QString::number(size));
    connect(sizeList_, &QListWidget::itemClicked, this, [this](const QListWidgetItem* item) { sizeBox_->setValue(item->text().toInt()); });
    connect(sizeBox_, &QSpinBox::valueChanged, this, [this](int size) {
        const QSignalBlocker blocker(sizeList_);
        SelectText(*sizeList_, QString::number(size));
        UpdateSample();
    });
    return Column(QStringLiteral("&Size:"), sizeBox_, sizeList_);
}

QWidget* FontDialog::CreateEffects()
{
    auto* group = new QGroupBox(QStringLiteral("Effects"));
    auto* layout = new QVBoxLayout(group);
    strikeOut_ = new QCheckBox(QStringLiteral("Stri&keout"));
    strikeOut_->setObjectName(QStringLiteral("StrikeOutCheck"));
    underline_ = new QCheckBox(QStringLiteral("&Underline"));
    underline_->setObjectName(QStringLiteral("UnderlineCheck"));
    colorBox_ = new QComboBox;
    colorBox_->setObjectName(QStringLiteral("ColorBox"));
    for (const NamedColor& c : kColors)
        colorBox_->addItem(Swatch(c.color), QLatin1String(c.name), QVariant::fromValue(c.color));
    // A colour outside the list (the window text colour of the visual style, say) is kept as its
    // own entry, so that OK leaves it as it was.
    if (colorBox_->findData(QVariant::fromValue(initial_.color)) < 0) {
        const QString name = IsSystemColor(initial_.color) ? QStringLiteral("Automatic") : QStringLiteral("Custom");
        colorBox_->insertItem(0, Swatch(initial_.color), name, QVariant::fromValue(initial_.color));
    }
    auto* colorLabel = new QLabel(QStringLiteral("&Color:"));
    colorLabel->setBuddy(colorBox_);
    layout->addWidget(strikeOut_);
    layout->addWidget(underline_);
    layout->addWidget(colorLabel);
    layout->addWidget(colorBox_);
    connect(strikeOut_, &QCheckBox::toggled, this, &FontDialog::UpdateSample);
    connect(underline_, &QCheckBox::toggled, this, &FontDialog::UpdateSample);
    connect(colorBox_, &QComboBox::currentIndexChanged, this, &FontDialog::UpdateSample);
    return group;
}

QWidget* FontDialog::CreateSample()
{
    auto* group = new QGroupBox(QStringLiteral("Sample"));
    auto* layout = new QVBoxLayout(group);
    sample_ = new QLabel(QStringLiteral("AaBbYyZz"));
    sample_->setObjectName(QStringLiteral("Sample"));
    sample_->setAlignment(Qt::AlignCenter);
    // Large sizes are cut off rather than growing the dialog.
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample_->setMinimumHeight(60);
    layout->addWidget(sample_);
    return group;
}

void FontDialog::ShowFont(const TFontDesc& font)
{
    SelectText(*faceList_, font.name);
    styleList_->setCurrentRow(StyleRow(font.style));
    // A cell height gives a negative size; the box shows it as points all the same.
    shownSize_ = std::clamp(std::abs(font.Size()), 1, kMaxSize);
    sizeBox_->setValue(shownSize_);
    SelectText(*sizeList_, QString::number(sizeBox_->value()));
    strikeOut_->setChecked(font.style & fsStrikeOut);
    underline_->setChecked(font.style & fsUnderline);
    colorBox_->setCurrentIndex(colorBox_->findData(QVariant::fromValue(font.color)));
    UpdateSample();
}

TFontDesc FontDialog::SelectedFont() const
{
    TFontDesc font = initial_;
    if (const QListWidgetItem* face = faceList_->currentItem(); face && face->text().compare(font.name, Qt::CaseInsensitive) != 0)
        font.name = face->text();
    if (sizeBox_->value() != shownSize_)
        font.SetSize(sizeBox_->value());
    font.style = StyleOfRow(std::max(0, styleList_->currentRow())) | (underline_->isChecked() ? fsUnderline : 0) |
                 (strikeOut_->isChecked() ? fsStrikeOut : 0);
    font.color = colorBox_->currentData().value<TColor>();
    return font;
}

void FontDialog::UpdateSample()
{
    if (!sample_)
        return;  // still being built
    const TFontDesc font = SelectedFont();
    sample_->setFont(ToQFont(font));
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(font.color));
    sample_->setPalette(palette);
}
