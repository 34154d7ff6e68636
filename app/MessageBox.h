#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace keylume {

// The caption of every message box of the program.
inline constexpr char kMessageBoxCaption[] = "Warning";

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons;
};

// Answers a message box instead of a person (tests).
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;
// Returns the previous hook; an empty hook restores the modal QMessageBox.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// Shows `text` modally with the caption "Warning" and the given buttons; the
// button pressed (QMessageBox::NoButton when the box was closed otherwise).
// `text` is shown as given: callers translate it first (Translate()).
QMessageBox::StandardButton ShowMessageBox(const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QWidget* owner = nullptr);

}  // namespace keylume
