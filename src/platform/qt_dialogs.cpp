#include "dialogs.h"

#include "font_dialog.h"
#include "qt_file_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QRegularExpression>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned flags)
{
    if (flags & MB_CLOSEBUTTON)
        return QMessageBox::Close;
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

// A box ended without a button (Esc, its close box, a shutdown) answers Cancel, or OK when OK is its
// only button, so a question is never taken as agreed to.
int ResultOf(int button, QMessageBox::StandardButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel:
    case QMessageBox::Close: return IDCANCEL;
    default: return buttons == QMessageBox::Ok ? IDOK : IDCANCEL;
    }
}

// "Text files|*.txt|All (*.*)|*.*" becomes Qt's ";;"-separated filter list; a description that
// shows its patterns already keeps them as it shows them.
QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        out << (parts[i].endsWith(QLatin1Char(')')) ? parts[i] : parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return out.join(QStringLiteral(";;"));
}

class QtDialogs final : public DialogService {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned flags) override
    {
        QMessageBox box(IconOf(flags), caption, text, ButtonsOf(flags), QApplication::activeWindow());
        return ResultOf(box.exec(), box.standardButtons());
    }

    std::optional<TFontDesc> ChooseFont(const TFontDesc& initial) override
    {
        FontDialog dialog(initial, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.SelectedFont();
    }

    std::optional<TColor> ChooseColor(TColor initial) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    }

    std::optional<QString> OpenFileName(const FileDialogRequest& r) override
    {
        const QString name = QFileDialog::getOpenFileName(QApplication::activeWindow(), r.title, r.initialDir, QtFilter(r.filter));
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    }

    std::optional<QString> SaveFileName(const FileDialogRequest& r) override
    {
        const std::unique_ptr<QFileDialog> dialog = NewSaveFileDialog(r, QApplication::activeWindow());
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return std::nullopt;
        return dialog->selectedFiles().constFirst();
    }
};

DialogService*& Installed()
{
    static DialogService* installed = nullptr;
    return installed;
}

}  // namespace

std::unique_ptr<QFileDialog> NewSaveFileDialog(const FileDialogRequest& r, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent, r.title, r.initialDir, QtFilter(r.filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(r.defaultExt);
    // A name typed without extension takes the extension of the filter chosen, so that a PDF
    // chosen among printer files is written as one.
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get(), fallback = r.defaultExt](const QString& filter) {
                         static const QRegularExpression single(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
                         const QRegularExpressionMatch match = single.match(filter);
                         d->setDefaultSuffix(match.hasMatch() ? match.captured(1) : fallback);
                     });
    if (!r.fileName.isEmpty())
        dialog->selectFile(r.initialDir + r.fileName);
    return dialog;
}

DialogService& Dialogs()
{
    static QtDialogs qtDialogs;
    return Installed() ? *Installed() : qtDialogs;
}

void SetDialogs(DialogService* service) { Installed() = service; }
