#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks for the text to find and how to search for it.
class TfrxSearchDialog : public QDialog {
    Q_OBJECT

public:
    explicit TfrxSearchDialog(QWidget* parent = nullptr);

    QLineEdit* TextE = nullptr;
    QCheckBox* TopCB = nullptr;
    QCheckBox* CaseCB = nullptr;
};
