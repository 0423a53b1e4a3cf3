#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

// The application title: the executable's file name without its extension ("Kalvo").
QString ApplicationTitle();

// The text the error box shows: the message with "." appended when its last character's code is
// above that of ".".
QString ErrorBoxText(const QString& message);

// The message of an error: its own text for the program's errors, what() for any other.
QString ErrorMessage(const std::exception& error);

// The one place that reports an error no handler caught: error icon, OK, under the title.
void ShowApplicationError(const QString& message);
void ShowApplicationError(const std::exception& error);

// A handler that sees every error before the error box does, and answers true when it has told
// the user itself (the main window names the backup of a diary found damaged). One at a time;
// an empty function removes it.
void SetErrorInterceptor(std::function<bool(const std::exception&)> interceptor);

// Runs an event handler; whatever it throws is shown by the error box and the program goes on.
template <typename Handler>
void Guarded(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ShowApplicationError(error);
    }
}
