#pragma once

#include "font_desc.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;

// The font dialog: face, style and size, the effects strikeout, underline and colour (which Qt's
// own font dialog lacks), and a sample showing all of them. Controls are found by object name:
// FaceList, StyleList, SizeBox, SizeList, StrikeOutCheck, UnderlineCheck, ColorBox, Sample.
class FontDialog final : public QDialog {
public:
    explicit FontDialog(const TFontDesc& initial, QWidget* parent = nullptr);

    // The font as the controls show it. What the dialog does not offer (character set, pitch,
    // resolution) stays as it came, and so do the name and size while the user leaves them.
    TFontDesc SelectedFont() const;

private:
    QWidget* CreateFaceColumn();
    QWidget* CreateStyleColumn();
    QWidget* CreateSizeColumn();
    QWidget* CreateEffects();
    QWidget* CreateSample();
    void ShowFont(const TFontDesc& font);
    void UpdateSample();

    TFontDesc initial_;
    int shownSize_ = 0;
    QListWidget* faceList_ = nullptr;
    QListWidget* styleList_ = nullptr;
    QSpinBox* sizeBox_ = nullptr;
    QListWidget* sizeList_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QComboBox* colorBox_ = nullptr;
    QLabel* sample_ = nullptr;
};
