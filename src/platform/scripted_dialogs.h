#pragma once

#include "dialogs.h"

#include <QVector>
#include <deque>
#include <variant>

// A dialog service for tests: records every request and answers from a queue. A dialog with no
// queued answer is an error rather than a hang.
class ScriptedDialogs final : public DialogService {
public:
    struct MessageRequest {
        QString text;
        QString caption;
        unsigned flags = 0;
    };
    using Answer = std::variant<int, std::optional<TFontDesc>, std::optional<TColor>, std::optional<QString>>;

    ScriptedDialogs();   // installs itself
    ~ScriptedDialogs() override;  // restores the Qt dialogs

    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }
    const QVector<MessageRequest>& Messages() const { return messages_; }
    // The font each font dialog was opened with.
    const QVector<TFontDesc>& FontRequests() const { return fontRequests_; }
    // What each open and save dialog was asked to show.
    const QVector<FileDialogRequest>& FileRequests() const { return fileRequests_; }
    int RequestCount() const { return requests_; }

    int MessageBox(const QString& text, const QString& caption, unsigned flags) override;
    std::optional<TFontDesc> ChooseFont(const TFontDesc& initial) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    std::optional<QString> OpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override;

private:
    template <typename T>
    T Next(const char* dialog, T fallback);

    std::deque<Answer> answers_;
    QVector<MessageRequest> messages_;
    QVector<TFontDesc> fontRequests_;
    QVector<FileDialogRequest> fileRequests_;
    int requests_ = 0;
};
