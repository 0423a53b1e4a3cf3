#pragma once

#include "diary/formats/report_data.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <vector>

// The entries of a printout, held compactly. A range of many years holds tens of thousands of
// texts; as QStrings each would take twice its UTF-8 size in a block of its own. Here every
// heading and text is kept as UTF-8 in one buffer and becomes a QString only when the report
// asks for that entry, so the printout shows the diary as it was read without holding it twice.
class PrintoutEntries {
public:
    void clear();
    // Both in UTF-8.
    void append(QByteArrayView heading, QByteArrayView text);
    // Gives back what the buffer reserved beyond the entries once they are all in.
    void squeeze();

    qsizetype size() const { return qsizetype(starts_.size() / 2); }
    bool isEmpty() const { return starts_.empty(); }

    QString Heading(qsizetype index) const;  // Data1, the formatted day
    QString Text(qsizetype index) const;     // Data2, the diary text as stored
    TReportData at(qsizetype index) const { return {Heading(index), Text(index)}; }
    TReportData first() const { return at(0); }
    QList<TReportData> ToList() const;

private:
    QString Piece(qsizetype piece) const;

    QByteArray utf8_;
    // Where each piece begins: entry i's heading is piece 2i, its text piece 2i + 1; a piece ends
    // where the next one begins.
    std::vector<qsizetype> starts_;
};
