#include "search_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrxSearchDialog::TfrxSearchDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Find Text"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Text to find:"), this));
    TextE = new QLineEdit(this);
    layout->addWidget(TextE);

    auto* options = new QGroupBox(QStringLiteral("Search options"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    TopCB = new QCheckBox(QStringLiteral("Search from beginning"), options);
    CaseCB = new QCheckBox(QStringLiteral("Case sensitive"), options);
    optionsLayout->addWidget(TopCB);
    optionsLayout->addWidget(CaseCB);
    layout->addWidget(options);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
