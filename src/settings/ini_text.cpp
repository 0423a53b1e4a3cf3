#include "ini_text.h"

#include <QHash>

#include <algorithm>

namespace {

bool IsControl(QChar c) { return c.unicode() < 33; }

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

bool IsSectionHeader(QStringView line)
{
    return line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

IniEntry EntryFromLine(QStringView line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {line.toString(), std::nullopt};
    return {TrimControls(line.left(equals)).toString(), TrimControls(line.sliced(equals + 1)).toString()};
}

// Calls onLine with each line of the text, whichever of CR LF, LF or CR ends it; the text after
// the last line break is a line too. Views, so that a large file is not copied line by line.
template <typename OnLine>
void ForEachLine(QStringView text, OnLine&& onLine)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsLineBreak(text[i]))
            continue;
        onLine(text.sliced(start, i - start));
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    onLine(text.sliced(start));
}

template <typename Sections>
auto FindIn(Sections& sections, const QString& name, Qt::CaseSensitivity cs) -> decltype(&sections.front())
{
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const IniSection& s) { return s.Name().compare(name, cs) == 0; });
    return found == sections.end() ? nullptr : &*found;
}

}  // namespace

QStringView TrimControls(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsControl(text[begin]))
        ++begin;
    while (end > begin && IsControl(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
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
    IniSections sections;
    // Files of many sections repeat no header; looking each new one up among all those before it
    // would make reading grow with the square of their number.
    QHash<QString, size_t> indexByKey;
    IniSection* current = nullptr;
    ForEachLine(text, [&](QStringView raw) {
        const QStringView line = TrimControls(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            return;
        if (IsSectionHeader(line)) {
            const QString name = TrimControls(line.sliced(1, line.size() - 2)).toString();
            const QString key = IniLookupKey(name, cs);
            auto index = indexByKey.constFind(key);
            if (index == indexByKey.constEnd()) {
                index = indexByKey.insert(key, sections.size());
                sections.emplace_back(name);
            }
            current = &sections[*index];
        } else if (current) {
            current->Append(EntryFromLine(line));
        }
    });
    return sections;
}

QString FormatIniText(const IniSections& sections)
{
    // Measured first, so that a large file is built without growing its text over and over.
    qsizetype length = 0;
    for (const IniSection& section : sections) {
        length += section.Name().size() + 6;
        for (const IniEntry& entry : section.Entries())
            length += entry.key.size() + (entry.value ? entry.value->size() + 1 : 0) + 2;
    }
    const QLatin1String crlf("\r\n");
    QString text;
    text.reserve(length);
    for (const IniSection& section : sections) {
        text.append(QLatin1Char('[')).append(section.Name()).append(QLatin1Char(']')).append(crlf);
        for (const IniEntry& entry : section.Entries())
            text.append(entry.Line()).append(crlf);
        text.append(crlf);
    }
    return text;
}
