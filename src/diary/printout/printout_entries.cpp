#include "printout_entries.h"

void PrintoutEntries::clear()
{
    utf8_.clear();
    starts_.clear();
    starts_.shrink_to_fit();
}

void PrintoutEntries::append(QByteArrayView heading, QByteArrayView text)
{
    starts_.push_back(utf8_.size());
    utf8_.append(heading);
    starts_.push_back(utf8_.size());
    utf8_.append(text);
}

void PrintoutEntries::squeeze()
{
    utf8_.squeeze();
    starts_.shrink_to_fit();
}

QString PrintoutEntries::Piece(qsizetype piece) const
{
    const qsizetype begin = starts_.at(size_t(piece));
    const qsizetype end = size_t(piece) + 1 < starts_.size() ? starts_[size_t(piece) + 1] : utf8_.size();
    return QString::fromUtf8(utf8_.constData() + begin, end - begin);
}

QString PrintoutEntries::Heading(qsizetype index) const { return Piece(2 * index); }

QString PrintoutEntries::Text(qsizetype index) const { return Piece(2 * index + 1); }

QList<TReportData> PrintoutEntries::ToList() const
{
    QList<TReportData> entries;
    entries.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        entries.append(at(i));
    return entries;
}
