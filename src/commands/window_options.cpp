#include "window_options.h"

#include <QLatin1String>

namespace {

struct QtOption {
    QLatin1String name;
    bool takesValue;
};

// What Qt's application objects and its X11 platform take off the command line, each also with
// two dashes. Those of the X11 platform are accepted on any platform, where Qt leaves them unused.
constexpr QtOption kQtOptions[] = {
    {QLatin1String("-platform"), true},        {QLatin1String("-platformpluginpath"), true},
    {QLatin1String("-platformtheme"), true},   {QLatin1String("-plugin"), true},
    {QLatin1String("-qwindowgeometry"), true}, {QLatin1String("-qwindowtitle"), true},
    {QLatin1String("-qwindowicon"), true},     {QLatin1String("-style"), true},
    {QLatin1String("-stylesheet"), true},      {QLatin1String("-session"), true},
    {QLatin1String("-qmljsdebugger"), true},   {QLatin1String("-reverse"), false},
    {QLatin1String("-widgetcount"), false},    {QLatin1String("-testability"), false},
    {QLatin1String("-nograb"), false},         {QLatin1String("-dograb"), false},
    {QLatin1String("-display"), true},         {QLatin1String("-geometry"), true},
    {QLatin1String("-title"), true},           {QLatin1String("-icon"), true},
    {QLatin1String("-name"), true},            {QLatin1String("-visual"), true},
    {QLatin1String("-sync"), false},
};

// Options Qt also takes with their value after "=", in one argument.
constexpr QLatin1String kQtOptionsWithEquals[] = {
    QLatin1String("-style="), QLatin1String("-stylesheet="), QLatin1String("-plugin="),
    QLatin1String("-session="), QLatin1String("-qmljsdebugger="),
};

// How many arguments Qt takes, `option` and its value: none when `option` is not Qt's.
int QtArgumentCount(QStringView option)
{
    for (const QtOption& known : kQtOptions)
        if (option == known.name)
            return known.takesValue ? 2 : 1;
    for (const QLatin1String prefix : kQtOptionsWithEquals)
        if (option.startsWith(prefix))
            return 1;
    return 0;
}

}  // namespace

std::optional<QString> FirstUnknownOption(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-'))
            continue;  // not an option: the window starts as usual
        // Qt reads "--platform" as "-platform".
        const QStringView option = argument.startsWith(QLatin1String("--")) ? QStringView(argument).mid(1) : QStringView(argument);
        const int taken = QtArgumentCount(option);
        if (taken == 0)
            return argument;
        i += taken - 1;
    }
    return std::nullopt;
}
