#include "../../platform/character_canvas.h"
#include "../report_engine_fixture.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A short entry, a long one with Japanese lines, and one too long for a page, which is split.
struct ThreeKindsOfEntry : DiaryBuild {
    ThreeKindsOfEntry()
    {
        Add(QStringLiteral("2021/06/01 (Tue)"), {QStringLiteral("Rain all day.")});
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << (i % 3 == 0 ? QStringLiteral("%1行目：今日は図書館で本を借りました。").arg(i)
                                 : QStringLiteral("Line %1: walked \"far\" & back <again>, 3 km.").arg(i));
        Add(QStringLiteral("2021/06/02 (Wed)"), lines);
        lines.clear();
        for (int i = 1; i <= 70; ++i)
            lines << QStringLiteral("A long day, line %1 — 日記 %1").arg(i);
        Add(QStringLiteral("2021/06/03 (Thu)"), lines);
        diary.dataSet->SetRangeEnd(reCount);
        diary.dataSet->SetRangeEndCount(int(headings.size()));
    }

    void Add(const QString& heading, const QStringList& lines)
    {
        headings << heading;
        texts << lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }
};

template <typename Canvas>
QImage DrawPage(TfrxPreviewPages& store, int index, double scale, std::vector<RecordedText>* records = nullptr)
{
    QImage image(store.GetPageSize(index) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetTextRecorder(records);
    store.DrawPage(index, canvas, scale, scale, 0, 0);
    return image;
}

// Pages drawn line by line in glyph runs look exactly as they did drawn character by character,
// and the preview's search finds the same texts in the same places.
TEST(PageDrawing, PagesLookAsTheyDidWhenDrawnCharacterByCharacter)
{
    ThreeKindsOfEntry build;
    ASSERT_TRUE(build.report.PrepareReport(true));
    ASSERT_GE(build.store.Count(), 3) << "the long entry is split over pages";
    for (int page = 0; page < build.store.Count(); ++page) {
        for (double scale : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << "page " << page + 1 << " at " << scale * 100 << "%");
            std::vector<RecordedText> before, after;
            const QImage old = DrawPage<CharacterByCharacterCanvas>(build.store, page, scale, &before);
            const QImage now = DrawPage<TCanvas>(build.store, page, scale, &after);
            const PixelDifference difference = ComparePixels(old, now);
            EXPECT_EQ(difference.count, 0) << difference.Describe().toStdString();
            ASSERT_EQ(after.size(), before.size());
            for (size_t i = 0; i < after.size(); ++i) {
                EXPECT_EQ(after[i].text, before[i].text);
                EXPECT_EQ(after[i].bounds, before[i].bounds) << after[i].text.toStdString();
            }
            EXPECT_GT(after.size(), 2u);
        }
    }
}

}  // namespace
