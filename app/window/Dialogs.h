// The message boxes the windows show, behind an interface so that tests can answer them.
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace qv {

// The answer to "save before ending?".
enum class TSaveAnswer : uint8_t { Save, Discard, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with the error icon and one OK button; returns when it is dismissed.
    virtual void Error(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A message with the information icon and one OK button.
    virtual void Information(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Ending the program with unsaved work: "保存", "不保存" or "取消".
    virtual TSaveAnswer AskSaveChanges(QWidget* parent) = 0;
};

// The desktop's modal message boxes.
class MessageBoxDialogs final : public Dialogs {
public:
    void Error(QWidget* parent, const QString& caption, const QString& text) override;
    void Information(QWidget* parent, const QString& caption, const QString& text) override;
    TSaveAnswer AskSaveChanges(QWidget* parent) override;
};

} // namespace qv
