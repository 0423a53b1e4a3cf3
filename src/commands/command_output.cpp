#include "command_output.h"

#include <QRegularExpression>

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void PrintLine(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

QString OneLine(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s*[\\r\\n]+\\s*")), QStringLiteral(" ")); }

int SayFailure(const QString& error)
{
    PrintLine(stderr, QStringLiteral("Kalvo: ") + OneLine(error));
    return kFailedExitCode;
}
