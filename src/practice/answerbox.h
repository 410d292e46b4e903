#pragma once

#include <QLineEdit>
#include <QValidator>

namespace kw {

// Refuses text that could not be stored as one field of a record (see
// isStorableText). Everything else is left exactly as typed.
class AnswerValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// One answer box of the answer sheet.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(const QString &objectName, QWidget *parent = nullptr);
};

} // namespace kw
