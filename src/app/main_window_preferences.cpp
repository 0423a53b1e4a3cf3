// Preferences kept in the settings file between runs, and the settings panel's own commands.
#include "main_window.h"

#include "diary/base/data_location.h"
#include "style_manager.h"
#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"
#include "settings/ex_ini_file.h"
#include "settings/ini_update_batch.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

const QString kStyleSection = QStringLiteral("Style");
const QString kStyleName = QStringLiteral("Name");

}  // namespace

void TForm1::CreateSettingsFile()
{
    ExIni = std::make_unique<TExIniFile>();
    ExIni->SetBaseDir(bdApplication);
    ExIni->SetFence(fcNone);
    ExIni->SetCaseSensitive(false);
    ExIni->SetAutoUpdate(true);
    // Beside the executable, where the loaded notification would put it, unless Kalvo is installed.
    ExIni->SetFileName(SettingsFilePath());
}

const TFontDesc& TForm1::MemoFont() const { return memoFont_; }

void TForm1::SetMemoFont(const TFontDesc& font)
{
    memoFont_ = font;
    Memo1->setFont(ToQFont(font));
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Text, ToQColor(font.color));
    Memo1->setPalette(p);
}

// Each preference is read on its own: one that cannot be read is reported and keeps its current
// value, and the others are still read, so that closing does not write defaults over them.
void TForm1::LoadPreferences()
{
    Guarded([this] { ExIni->ReadForm(QStringLiteral("Form"), QStringLiteral("Position"), this); });
    Guarded([this] {
        TFontDesc memo = memoFont_;
        ExIni->ReadFont(QStringLiteral("Memo"), QStringLiteral("Font"), memo);
        SetMemoFont(memo);
    });
    Guarded([this] { ExIni->ReadFont(QStringLiteral("Calender"), QStringLiteral("Filled"), *FilledFont); });
    Guarded([this] {
        SwitchStyle(ExIni->ReadString(kStyleSection, kStyleName, QString::fromLatin1(VisualStyles::kSystemStyleName)),
                    true);
    });
}

void TForm1::SavePreferences()
{
    // A window dragged partly off the top or left of the screen is kept reachable.
    // (A window's position is that of its frame.)
    if (y() < 0)
        move(x(), 0);
    if (x() < 0)
        move(0, y());
    // One write for all of them: a program killed while closing leaves the previous complete
    // file or the new one, never a new position with an old size.
    TIniUpdateBatch batch(*ExIni);
    ExIni->WriteForm(QStringLiteral("Form"), QStringLiteral("Position"), this);
    ExIni->WriteFont(QStringLiteral("Memo"), QStringLiteral("Font"), memoFont_);
    ExIni->WriteFont(QStringLiteral("Calender"), QStringLiteral("Filled"), *FilledFont);
    ExIni->WriteString(kStyleSection, kStyleName, VisualStyles::Instance().ActiveStyleName());
    batch.Commit();
}

void TForm1::MemoFontBtnClick()
{
    if (const std::optional<TFontDesc> chosen = Dialogs().ChooseFont(memoFont_))
        SetMemoFont(*chosen);
}

void TForm1::ComboBox1Change()
{
    const int index = ComboBox1->currentIndex();
    const QString name = index >= 0 && ComboBox1->currentText() == ComboBox1->itemText(index) ? ComboBox1->itemText(index) : QString();
    SwitchStyle(name, true);
}
