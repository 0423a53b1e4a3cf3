#include "ini_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool IsControl(QChar c) { return c.unicode() < 33; }

bool IsSectionHeader(const QString& line)
{
    return line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

IniEntry EntryFromLine(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {line, std::nullopt};
    return {TrimControls(line.left(equals)), TrimControls(line.mid(equals + 1))};
}

template <typename Sections>
auto FindIn(Sections& sections, const QString& name, Qt::CaseSensitivity cs) -> decltype(&sections.front())
{
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const IniSection& s) { return s.name.compare(name, cs) == 0; });
    return found == sections.end() ? nullptr : &*found;
}

}  // namespace

QString TrimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsControl(text[begin]))
        ++begin;
    while (end > begin && IsControl(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

IniSection* FindSection(IniSections& sections, const QString& name, Qt::CaseSensitivity cs)
{
    return FindIn(sections, name, cs);
}

const IniSection* FindSection(const IniSections& sections, const QString& name, Qt::CaseSensitivity cs)
{
    return FindIn(sections, name, cs);
}

IniSections ParseIniText(const QString& text, Qt::CaseSensitivity cs)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    IniSections sections;
    IniSection* current = nullptr;
    for (const QString& raw : text.split(lineBreak)) {
        const QString line = TrimControls(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (IsSectionHeader(line)) {
            const QString name = TrimControls(line.mid(1, line.size() - 2));
            current = FindSection(sections, name, cs);
            if (!current)
                current = &sections.emplace_back(IniSection{name, {}});
        } else if (current) {
            current->entries.push_back(EntryFromLine(line));
        }
    }
    return sections;
}

QString FormatIniText(const IniSections& sections)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    for (const IniSection& section : sections) {
        text += QLatin1Char('[') + section.name + QLatin1Char(']') + crlf;
        for (const IniEntry& entry : section.entries)
            text += entry.Line() + crlf;
        text += crlf;
    }
    return text;
}
