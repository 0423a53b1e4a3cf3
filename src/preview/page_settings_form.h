#pragma once

#include "report/base/report_types.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TfrxReportPage;

// Paper, orientation and margins of a page, in the units the report's stored preferences name
// (centimetres unless they say inches). OK writes them into the page.
class TfrxPageSettingsForm : public QDialog {
    Q_OBJECT

public:
    // `iniFile` is the report's IniFile location.
    TfrxPageSettingsForm(TfrxReportPage& page, const QString& iniFile, QWidget* parent = nullptr);

    bool ApplyToAll() const;
    // Millimetres per unit shown.
    double UnitSize() const { return unitSize_; }
    void accept() override;

    QComboBox* PaperCB = nullptr;
    QLineEdit* WidthE = nullptr;
    QLineEdit* HeightE = nullptr;
    QRadioButton* PortraitRB = nullptr;
    QRadioButton* LandscapeRB = nullptr;
    QLabel* OrientationImg = nullptr;
    QLineEdit* LeftE = nullptr;
    QLineEdit* TopE = nullptr;
    QLineEdit* RightE = nullptr;
    QLineEdit* BottomE = nullptr;
    QRadioButton* ApplyToCurRB = nullptr;
    QRadioButton* ApplyToAllRB = nullptr;

private:
    void CreateSizeGroup();
    void CreateOrientationGroup();
    void CreateMarginsGroup();
    void CreateOtherGroup();
    QLineEdit* AddValue(QWidget* group, const QString& caption, int x, int y);
    void ShowPage();
    void SizeChosen();
    void ApplyToPage();
    TPrinterOrientation Orientation() const;
    QString ToText(double millimetres) const;
    double ToMillimetres(const QLineEdit& edit) const;

    TfrxReportPage& page_;
    double unitSize_ = 10;
    QString unitName_;
};
