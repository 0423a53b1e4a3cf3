#pragma once

#include "align_layout.h"

#include <QFrame>
#include <functional>

// A plain raised panel with a centred caption whose children are placed by alignment.
class TPanel : public QFrame {
public:
    TPanel(const QString& caption, QWidget* parent);

    void AddAligned(QWidget* child, TAlign align, const QMargins& margins = {});
    void Realign();
    std::function<void()> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString caption_;
    std::vector<AlignedWidget> children_;
};
