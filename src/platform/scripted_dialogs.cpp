#include "scripted_dialogs.h"

#include "errors.h"

ScriptedDialogs::ScriptedDialogs() { SetDialogs(this); }
ScriptedDialogs::~ScriptedDialogs() { SetDialogs(nullptr); }

template <typename T>
T ScriptedDialogs::Next(const char* dialog, T fallback)
{
    ++requests_;
    if (answers_.empty())
        return fallback;
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    if (!std::holds_alternative<T>(answer))
        throw Exception(QStringLiteral("scripted answer of the wrong kind for ") + QLatin1String(dialog));
    return std::get<T>(answer);
}

int ScriptedDialogs::MessageBox(const QString& text, const QString& caption, unsigned flags)
{
    messages_.push_back({text, caption, flags});
    // Unanswered message boxes are dismissed with their default button.
    const int fallback = (flags & 0x0F) == MB_YESNO || (flags & 0x0F) == MB_YESNOCANCEL ? IDYES : IDOK;
    return Next<int>("message box", fallback);
}

std::optional<TFontDesc> ScriptedDialogs::ChooseFont(const TFontDesc& initial)
{
    fontRequests_.push_back(initial);
    return Next<std::optional<TFontDesc>>("font dialog", std::nullopt);
}

std::optional<TColor> ScriptedDialogs::ChooseColor(TColor) { return Next<std::optional<TColor>>("colour dialog", std::nullopt); }

std::optional<QString> ScriptedDialogs::OpenFileName(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    return Next<std::optional<QString>>("open dialog", std::nullopt);
}

std::optional<QString> ScriptedDialogs::SaveFileName(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    return Next<std::optional<QString>>("save dialog", std::nullopt);
}
