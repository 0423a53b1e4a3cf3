#include "error_box.h"

#include "dialogs.h"
#include "errors.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ApplicationTitle()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("Kalvo") : base;
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowApplicationError(const QString& message)
{
    Dialogs().MessageBox(ErrorBoxText(message), ApplicationTitle(), MB_OK | MB_ICONERROR);
}

QString ErrorMessage(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return QString::fromUtf8(error.what());
}

namespace {

std::function<bool(const std::exception&)>& Interceptor()
{
    static std::function<bool(const std::exception&)> interceptor;
    return interceptor;
}

}  // namespace

void SetErrorInterceptor(std::function<bool(const std::exception&)> interceptor) { Interceptor() = std::move(interceptor); }

void ShowApplicationError(const std::exception& error)
{
    if (Interceptor() && Interceptor()(error))
        return;
    ShowApplicationError(ErrorMessage(error));
}
