#include "ini_test_support.h"

#include "settings/settings_errors.h"

#include "platform/screen_info.h"
#include "platform/window_placement.h"

#include <QWidget>

namespace {

// Gives a created top-level window these outer bounds, frame included, in screen coordinates.
void SetOuterBounds(QWidget& window, const QRect& frame)
{
    window.winId();
    const QRect outer = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                           outer.bottom() - client.bottom());
    window.setGeometry(frame.marginsRemoved(margins));
}

QRect WorkAreaRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top).translated(PrimaryWorkArea().topLeft());
}

}  // namespace

using IniComposite = IniFileTest;

TEST_F(IniComposite, TheMainWindowsFirstCloseWritesThisFile)
{
    QWidget form;
    SetOuterBounds(form, WorkAreaRect(200, 150, 761, 379));
    ASSERT_EQ(form.frameGeometry(), WorkAreaRect(200, 150, 761, 379));
    TFontDesc memo;  // Tahoma, height -11, window text colour
    TFontDesc filled;
    filled.style = fsBold | fsItalic;
    filled.color = clRed;

    auto ini = Open();
    ini->WriteForm("Form", "Position", &form);
    ini->WriteFont("Memo", "Font", memo);
    ini->WriteFont("Calender", "Filled", filled);
    ini->WriteString("Style", "Name", "Windows");
    const QByteArray expected = "[Form]\r\n"
                                "Position.Flags=0\r\n"
                                "Position.Show=1\r\n"
                                "Position.MaxX=-1\r\n"
                                "Position.MaxY=-1\r\n"
                                "Position.X=200\r\n"
                                "Position.Y=150\r\n"
                                "Position.XSize=761\r\n"
                                "Position.YSize=379\r\n"
                                "\r\n"
                                "[Memo]\r\n"
                                "Font.Name=Tahoma\r\n"
                                "Font.Size=8\r\n"
                                "Font.Style=0\r\n"
                                "Font.Color=0xFF000008\r\n"
                                "\r\n"
                                "[Calender]\r\n"
                                "Filled.Name=Tahoma\r\n"
                                "Filled.Size=8\r\n"
                                "Filled.Style=3\r\n"
                                "Filled.Color=0x000000FF\r\n"
                                "\r\n"
                                "[Style]\r\n"
                                "Name=Windows\r\n"
                                "\r\n";
    EXPECT_EQ(Bytes(), expected);

    // A later run writing in another order keeps every section and line where it was.
    auto later = Open();
    later->WriteString("Style", "Name", "Windows");
    later->WriteFont("Calender", "Filled", filled);
    later->WriteForm("Form", "Position", &form);
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(IniComposite, ReadFontOnAnEmptySectionResetsOnlyTheCharacterSet)
{
    WriteBytes("[Memo]\r\n\r\n");
    TFontDesc font;
    font.name = "Arial";
    font.height = -13;
    font.style = fsUnderline;
    font.color = clBlue;
    font.charset = 128;
    font.pitch = 1;
    TFontDesc expected = font;
    expected.charset = DEFAULT_CHARSET;
    expected.pitch = 0;
    Open()->ReadFont("Memo", "Font", font);
    EXPECT_EQ(font, expected);
}

TEST_F(IniComposite, FontSizeFollowsTheHeightAtTheFontsAndTheScreensPixelsPerInch)
{
    ASSERT_EQ(ScreenPixelsPerInch(), 96);
    struct Case {
        int height;
        int pixelsPerInch;
        const char* storedSize;
        int heightReadBack;  // at the screen's 96 pixels per inch
    };
    const Case cases[] = {{-11, 96, "8", -11}, {-12, 96, "9", -12}, {-13, 96, "10", -13}, {-20, 120, "12", -16}};
    auto ini = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        TFontDesc font;
        font.height = c.height;
        font.pixelsPerInch = c.pixelsPerInch;
        ini->WriteFont("F", "Font", font);
        EXPECT_EQ(ini->ReadString("F", "Font.Size", ""), c.storedSize);
        TFontDesc read;
        read.name = "Arial";
        ini->ReadFont("F", "Font", read);
        EXPECT_EQ(read.height, c.heightReadBack);
        EXPECT_EQ(read.pixelsPerInch, 96);
        EXPECT_EQ(read.name, "Tahoma");
    }
}

TEST_F(IniComposite, ReadFontKeepsTheLowStyleBitsAndFailsWholeOnABadColour)
{
    WriteBytes("[F]\r\nGood.Style=19\r\nGood.Color=0x00FF0000\r\nBad.Name=Arial\r\nBad.Color=0xGG0000\r\n");
    auto ini = Open();
    TFontDesc font;
    ini->ReadFont("F", "Good", font);
    EXPECT_EQ(font.style, fsBold | fsItalic);
    EXPECT_EQ(font.color, clBlue);

    const TFontDesc before = font;
    EXPECT_THROW(ini->ReadFont("F", "Bad", font), EConvertError);
    EXPECT_EQ(font, before);
}

TEST_F(IniComposite, ListsKeepTheirCountAndFallBackToTheCurrentStrings)
{
    auto ini = Open();
    ini->WriteList("L", "Old", {"a", "b", "c"});
    ini->WriteList("L", "Old", {"a", "b"});
    EXPECT_EQ(Bytes(), "[L]\r\nOld.Count=2\r\nOld.0=a\r\nOld.1=b\r\nOld.2=c\r\n\r\n");
    QStringList list;
    ini->ReadList("L", "Old", list);
    EXPECT_EQ(list, QStringList({"a", "b"}));

    WriteBytes("[L]\r\nShort.Count=3\r\nShort.0=stored\r\nNegative.Count=-1\r\nNoCount.1=z\r\n");
    ini = Open();
    struct Case {
        const char* item;
        QStringList expected;
    };
    const Case cases[] = {
        {"Short", {"stored", "y", ""}},
        {"Negative", {}},
        {"NoCount", {"x", "z"}},  // the count defaults to the list's own
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        QStringList target{"x", "y"};
        ini->ReadList("L", c.item, target);
        EXPECT_EQ(target, c.expected);
    }
}

TEST_F(IniComposite, ReadFormSizeOfPlacementKeysTakesTheRightAndBottomEdges)
{
    QWidget form;
    SetOuterBounds(form, WorkAreaRect(200, 150, 761, 379));
    auto ini = Open();
    ini->WriteForm("Form", "Position", &form);

    QWidget other;
    other.winId();
    ini->ReadFormSize("Form", "Position", &other);
    EXPECT_EQ(other.frameGeometry().size(), QSize(761, 379));
}

TEST_F(IniComposite, PositionAndSizeGroupsMoveAndSizeTheOuterWindow)
{
    QWidget source;
    SetOuterBounds(source, QRect(30, 40, 300, 200));
    auto ini = Open();
    ini->WriteFormPos("P", "Win", &source);
    ini->WriteFormSize("P", "Win", &source);
    EXPECT_EQ(Bytes(), "[P]\r\nWin.X=30\r\nWin.Y=40\r\nWin.XSize=300\r\nWin.YSize=200\r\n\r\n");

    QWidget target;
    SetOuterBounds(target, QRect(5, 5, 50, 50));
    ini->ReadFormPos("P", "Win", &target);
    ini->ReadFormSize("P", "Win", &target);
    EXPECT_EQ(target.frameGeometry(), QRect(30, 40, 300, 200));
}

TEST_F(IniComposite, PlacementComesBackInTheStoredState)
{
    struct Case {
        const char* label;
        Qt::WindowStates state;
        const char* show;
        const char* flags;
    };
    const Case cases[] = {
        {"normal", Qt::WindowNoState, "1", "0"},
        {"maximised", Qt::WindowMaximized, "3", "0"},
        {"minimised", Qt::WindowMinimized, "2", "0"},
        {"minimised from maximised", Qt::WindowMinimized | Qt::WindowMaximized, "2", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QWidget source;
        SetOuterBounds(source, WorkAreaRect(20, 30, 420, 330));
        source.setWindowState(c.state);
        auto ini = Open();
        ini->WriteForm("Form", "Position", &source);
        EXPECT_EQ(ini->ReadString("Form", "Position.Show", ""), c.show);
        EXPECT_EQ(ini->ReadString("Form", "Position.Flags", ""), c.flags);

        QWidget target;
        SetOuterBounds(target, WorkAreaRect(0, 0, 100, 100));
        ini->ReadForm("Form", "Position", &target);
        EXPECT_EQ(target.windowState(), c.state);
        EXPECT_EQ(GetWindowPlacement(&target), GetWindowPlacement(&source));
        EXPECT_EQ(GetWindowPlacement(&target).rcNormalPosition, (TEdgeRect{20, 30, 420, 330}));
    }
}

TEST_F(IniComposite, ReadFormWithoutKeysReappliesTheCurrentPlacementAndRescuesLostWindows)
{
    QWidget form;
    SetOuterBounds(form, WorkAreaRect(10, 20, 310, 220));
    const TWindowPlacement before = GetWindowPlacement(&form);
    Open()->ReadForm("Form", "Position", &form);
    EXPECT_EQ(GetWindowPlacement(&form), before);

    // A rectangle stored far off every screen is brought back onto the work area.
    WriteBytes("[Form]\r\nPosition.X=90000\r\nPosition.Y=90000\r\nPosition.XSize=90300\r\nPosition.YSize=90200\r\n");
    Open()->ReadForm("Form", "Position", &form);
    EXPECT_TRUE(PrimaryWorkArea().contains(form.frameGeometry())) << form.frameGeometry().x();
    EXPECT_EQ(form.frameGeometry().size(), QSize(300, 200));
}

TEST_F(IniComposite, ReadFormKeepsAnyStoredRectangleWithinReach)
{
    // The offscreen screen: one work area of 800 x 800 at the origin.
    ASSERT_EQ(WorkAreas(), QList<QRect>({QRect(0, 0, 800, 800)}));
    const QRect designed(40, 50, 545, 190);
    struct Case {
        const char* label;
        QByteArray x, y, right, bottom;
        QRect expected;
    };
    const Case cases[] = {
        {"a sound rectangle is kept", "20", "30", "420", "330", QRect(20, 30, 400, 300)},
        {"inverted: designed size at the stored position", "300", "300", "100", "100", QRect(300, 300, 545, 190)},
        {"zero width", "100", "80", "100", "400", QRect(100, 80, 545, 190)},
        {"all zero", "0", "0", "0", "0", QRect(0, 0, 545, 190)},
        {"too small to grab", "10", "10", "22", "22", QRect(10, 10, 545, 190)},
        {"wider than a coordinate counts, corner off screen", "-2147483648", "0", "2147483647", "300",
         QRect(0, 0, 545, 190)},
        {"extreme inverted edges", "2147483647", "-2147483648", "-2147483648", "2147483647", QRect(255, 0, 545, 190)},
        {"far larger than the work area", "0", "0", "100000", "100000", QRect(0, 0, 800, 800)},
        {"wider than the work area from its middle", "400", "300", "100400", "500", QRect(0, 300, 800, 200)},
        {"sound size, corner off screen", "-2000", "-50", "-1500", "250", QRect(0, 0, 500, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        WriteBytes("[Form]\r\nPosition.X=" + c.x + "\r\nPosition.Y=" + c.y + "\r\nPosition.XSize=" + c.right +
                   "\r\nPosition.YSize=" + c.bottom + "\r\n");
        QWidget form;
        SetOuterBounds(form, designed);
        Open()->ReadForm("Form", "Position", &form);
        EXPECT_EQ(form.frameGeometry(), c.expected);
        EXPECT_TRUE(PrimaryWorkArea().intersects(form.frameGeometry()));
        // What the window now reports is what a later run will read back.
        EXPECT_EQ(GetWindowPlacement(&form).rcNormalPosition, TEdgeRect::FromQRect(c.expected));
    }
}
