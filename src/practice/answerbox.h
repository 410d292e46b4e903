#pragma once

#include <QLineEdit>
#include <QTextLayout>
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
//
// A box for a long answer wraps its text over its whole height, so the pupil
// sees the whole answer while typing it; it stays one field of a record, so
// a typed line break is still refused.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    explicit AnswerBox(const QString &objectName, QWidget *parent = nullptr);

    static QString refusalMessage();

    void setWrapping(bool wrapping);
    bool isWrapping() const { return m_wrapping; }
    // The box's background: white, or the tint of an answer carried over.
    void setBackground(const QColor &colour);
    QColor background() const { return m_background; }
    // Where the wrapped text puts each line, in the box's coordinates (one
    // rectangle per line; empty when the box does not wrap).
    QList<QRectF> wrappedLines();

signals:
    void refused();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void keepStorable(const QString &text);
    void showRefusal();
    void layOutWrapped();
    int positionAt(const QPointF &point);

    QString m_storable;
    bool m_wrapping = false;
    QColor m_background = Qt::white;
    QTextLayout m_layout;
    QString m_laidOut;          // the text m_layout holds
    int m_laidOutWidth = -1;
    qreal m_scroll = 0;         // how far the wrapped text is scrolled up to keep the cursor in view
};

} // namespace kw
