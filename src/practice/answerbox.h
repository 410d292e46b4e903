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

signals:
    // Text was turned away, however it came: typed, pasted, dropped or set
    // by assistive technology (which asks the validator and says nothing).
    void refused();
};

// One answer box of the answer sheet. Whatever way text arrives (typed,
// pasted, dropped or set by assistive technology), the box only ever holds
// text that can be stored, and tells the pupil when it turns something away.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(const QString &objectName, QWidget *parent = nullptr);

    static QString refusalMessage();

signals:
    void refused();

private:
    void keepStorable(const QString &text);
    void showRefusal();

    QString m_storable;
};

} // namespace kw
