#pragma once
// Modal message boxes, behind an interface so tests answer them in advance.

#include <QString>

namespace stylewright {

class Prompts {
public:
    virtual ~Prompts() = default;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // Message with one OK button.
    virtual void inform(const QString &title, const QString &text) = 0;
};

// Titles of the message boxes.
inline const QString kErrorTitle = QStringLiteral("错误提示");
inline const QString kInfoTitle = QStringLiteral("提示");
inline const QString kConfirmTitle = QStringLiteral("请确认");
inline const QString kProgramTitle = QStringLiteral("stylewright"); // heads the two settings messages

} // namespace stylewright
