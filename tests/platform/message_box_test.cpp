#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Shows a real message box and ends it from its own loop, with a button or without one.
int AnswerBox(unsigned flags, const std::function<void(QMessageBox&)>& answer)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer.stop();
            answer(*box);
        }
    });
    timer.start(5);
    return Dialogs().MessageBox(QStringLiteral("Question?"), QStringLiteral("Kalvo"), flags);
}

}  // namespace

TEST(MessageBox, AnswersTheClickedButton)
{
    const struct {
        unsigned flags;
        QMessageBox::StandardButton button;
        int expected;
    } cases[] = {
        {MB_OK, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL, QMessageBox::Cancel, IDCANCEL},
        {MB_YESNO, QMessageBox::Yes, IDYES},
        {MB_YESNOCANCEL, QMessageBox::No, IDNO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(AnswerBox(c.flags, [&](QMessageBox& box) { box.button(c.button)->click(); }), c.expected);
    }
}

TEST(MessageBox, EndedWithoutAButtonIsNeverTakenAsAgreement)
{
    const struct {
        unsigned flags;
        int expected;
    } cases[] = {
        {MB_OK, IDOK},  // OK is all it offers
        {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO, IDCANCEL},
        {MB_YESNOCANCEL, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(AnswerBox(c.flags, [](QMessageBox& box) { box.reject(); }), c.expected);
    }
}
