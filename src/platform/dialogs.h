#pragma once

#include "colors.h"
#include "font_desc.h"

#include <QString>
#include <QStringList>
#include <optional>

// Message box flags and results, with the platform's usual numbers.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_YESNOCANCEL = 0x03, MB_YESNO = 0x04,
    MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40,
    MB_CLOSEBUTTON = 0x10000,  // ours: a single "Close" button instead of "OK"
};
enum MessageBoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct FileDialogRequest {
    QString title;
    QString filter;       // "Prepared reports (*.fp3)|*.fp3" style pairs
    QString defaultExt;   // added to a name typed without extension; the dot is optional
    QString initialDir;
    QString fileName;
};

// Every dialog the program opens goes through one service, so that tests can answer them.
class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int MessageBox(const QString& text, const QString& caption, unsigned flags) = 0;
    virtual std::optional<TFontDesc> ChooseFont(const TFontDesc& initial) = 0;
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;
};

DialogService& Dialogs();
// Installs a service (not owned); nullptr restores the Qt dialogs.
void SetDialogs(DialogService* service);
