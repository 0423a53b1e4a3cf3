#pragma once

#include "stretcheable.h"

// A line, drawn by its frame. Its colour is kept but plays no part in drawing.
class TfrxCustomLineView : public TfrxStretcheable {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Diagonal READ Diagonal WRITE SetDiagonal)
    Q_PROPERTY(bool ArrowStart READ ArrowStart WRITE SetArrowStart)
    Q_PROPERTY(bool ArrowEnd READ ArrowEnd WRITE SetArrowEnd)
    Q_PROPERTY(bool ArrowSolid READ ArrowSolid WRITE SetArrowSolid)
    Q_PROPERTY(int ArrowWidth READ ArrowWidth WRITE SetArrowWidth)
    Q_PROPERTY(int ArrowLength READ ArrowLength WRITE SetArrowLength)
    Q_CLASSINFO("default:Color", "0x1FFFFFFF")
    Q_CLASSINFO("default:Diagonal", "false")
    Q_CLASSINFO("default:ArrowStart", "false")
    Q_CLASSINFO("default:ArrowEnd", "false")
    Q_CLASSINFO("default:ArrowSolid", "false")
    Q_CLASSINFO("default:ArrowWidth", "5")
    Q_CLASSINFO("default:ArrowLength", "20")

public:
    Q_INVOKABLE explicit TfrxCustomLineView(QObject* owner = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    bool Diagonal() const { return diagonal_; }
    void SetDiagonal(bool value) { diagonal_ = value; }
    bool ArrowStart() const { return arrowStart_; }
    void SetArrowStart(bool value) { arrowStart_ = value; }
    bool ArrowEnd() const { return arrowEnd_; }
    void SetArrowEnd(bool value) { arrowEnd_ = value; }
    bool ArrowSolid() const { return arrowSolid_; }
    void SetArrowSolid(bool value) { arrowSolid_ = value; }
    int ArrowWidth() const { return arrowWidth_; }
    void SetArrowWidth(int value) { arrowWidth_ = value; }
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value) { arrowLength_ = value; }

    // A line that is not diagonal becomes one-dimensional before it is drawn (vertical when it is
    // no wider than high, else horizontal).
    void PrepareForDrawing() override;
    // A straight line is drawn by its frame's one side; a diagonal one corner to corner with the
    // frame's colour, style and width. Arrow heads follow.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
              const TfrxDrawContext& context = {}) const override;

    // A line is one-dimensional: a zero extent is not written out.
    bool IsWidthStored() const override { return Width() != 0; }
    bool IsHeightStored() const override { return Height() != 0; }

private:
    void MakeOneDimensional();

    TColor color_ = clNone;
    bool diagonal_ = false;
    bool arrowStart_ = false;
    bool arrowEnd_ = false;
    bool arrowSolid_ = false;
    int arrowWidth_ = 5;
    int arrowLength_ = 20;
};

// The line class that templates hold.
class TfrxLineView : public TfrxCustomLineView {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxLineView(QObject* owner = nullptr) : TfrxCustomLineView(owner) {}
};
